// The skinned frame on an arbitrary skin definition: objects, layout, composition and the window
// region for a few window sizes and form states. The pictures are the default skin's, loaded once;
// only the definition text varies, as a hand-edited or generated skin would.
//
// The form carries the application's caption extras (menu button, quick buttons, tabs), laid
// out and drawn from whatever the definition's caption, menu-button and tab records say.
//
// Input: a 10-byte header, then the definition text.
//   byte 0   form state: bit 0 active, bits 1-3 border style, bit 4 maximized, bit 5 rolled up,
//            bit 6 SupportNCArea, bit 7 also extreme sizes (the huge ones for geometry only)
//   byte 1   border icons and caption-button switches, one per bit
//   bytes 2-9  two window sizes, width and height as 16-bit little-endian values up to 2048,
//              halved above 1024
#include "default_skin.h"
#include "form/frame_paint.h"
#include "raster/png_list.h"
#include "form/frame_region.h"
#include "raster/caption.h"
#include "skin/skin_data.h"
#include "unit/form/app_extras.h"

#include <algorithm>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Measures 7 px a character and paints text as a solid block, so the caption's rectangles reach
// the pixels without a font engine.
class BlockText : public vt::ITextRenderer {
public:
    vt::TRect Measure(const std::wstring& text, const vt::TRect& r, uint32_t) override
    {
        const int64_t w = 7 * static_cast<int64_t>(text.size());
        const int64_t right = std::min<int64_t>(r.Left + w, INT32_MAX);
        return vt::Rect(r.Left, r.Top, static_cast<int32_t>(right), r.Top + 14);
    }
    int DrawText(vt::TspBitmap& target, const std::wstring&, const vt::TRect& r, uint32_t,
                 vt::TColor colour) override
    {
        target.FillRect(r, vt::ColorToPixel(colour, 255));
        return 14;
    }
    int FontHeight() const override { return 14; }
};

BlockText gText;

// The application's caption extras over ten 16 x 16 half-transparent images, with the first
// quick button hot so both drawing variants run.
struct Extras {
    Extras()
    {
        auto* images = new vt::TspPngImageList(&owner);
        vt::TspPngImage png;
        png.Width = png.Height = 16;
        png.Pixels.assign(256, vt::TPixel{0, 128, 255, 200});
        for (int i = 0; i < 10; ++i)
            images->PngImages().Add()->SetPngImage(png);
        vt::test::SetApplicationExtras(extras, images, new vt::TPopupMenu(&owner));
        extras.QuickButtons.Items(0)->Active = true;
    }
    vt::TComponent owner{nullptr};
    vt::TspCaptionExtras extras{&owner};
};

// Larger windows reach no code the smaller ones miss (the skins' pictures are at most a few
// hundred pixels a side), and their region and pictures alone would take most of a run.
constexpr int32_t kMaxSide = 1024;

// Sizes up to twice the limit are halved, so the seeds' window sizes keep their proportions.
int32_t Side(const uint8_t* p)
{
    const int32_t side = (p[0] | (p[1] << 8)) % (2 * kMaxSide + 1);
    return side > kMaxSide ? side / 2 : side;
}

// How far one size goes: the region costs as much as the rest together, so one size per input
// builds it.
enum class Depth { Geometry, Pictures, Region };

// One window size through the frame: layout, the client rectangle the window manager is told,
// the four pictures and the window region.
void RunSize(vt::TspFrameGeometry& g, vt::TspSkinObjects& objects,
             const vt::TFramePaintSources& src, int32_t w, int32_t h, Depth depth)
{
    g.Form.Width = w;
    g.Form.Height = h;
    g.Form.OldHeight = h;
    g.FFormWidth = w;
    g.FFormHeight = h;
    g.CalcRects();
    vt::ArrangeFormObjects(g, objects, {src.Extras, src.ExtrasFacts.SystemMenu});
    // A window smaller than its frame gets an empty client area, never an inverted one.
    const vt::TRect client = g.CalcClientRect(vt::Rect(0, 0, w, h));
    if (client.Right < client.Left || client.Bottom < client.Top)
        std::abort();
    (void)g.GetMinWidth();
    (void)g.GetMinHeight();
    (void)g.GetMaxWidth();
    (void)g.GetMaxHeight();
    (void)g.GetMaximizedRect();
    (void)g.GetClientBackground();
    if (depth == Depth::Geometry)
        return;
    vt::TFramePictures pictures;
    if (vt::ComposeFrame(g, objects, src, pictures)) {
        // However odd the definition, nothing is composed beyond the window.
        for (const vt::TspBitmap* p :
             {&pictures.Top, &pictures.Left, &pictures.Right, &pictures.Bottom})
            if (p->Width() > g.FFormWidth || p->Height() > g.FFormHeight)
                std::abort();
    }
    if (depth != Depth::Region)
        return;
    vt::TspMaskStrips strips;
    // A fixed-size skin takes the whole mask as it is.
    (void)vt::CreateNewRegion(g, src.Skin->FMask.View(), false, strips);
    const vt::TFrameRegion region = vt::CreateNewRegion(g, src.Skin->FMask.View(), true, strips);
    if (region.Kind != vt::TFrameRegionKind::Shaped || strips.Empty())
        return;
    // The hit test's opaque points are the window shape's: probe the corners of a sample of the
    // shape's pieces and their outside neighbours (a sample, as each probe walks the whole shape).
    auto inRegion = [&](vt::TPoint p) {
        for (const vt::TRect& r : region.Region.Rects)
            if (r.Contains(p))
                return true;
        return false;
    };
    const std::vector<vt::TRect>& rects = region.Region.Rects;
    for (size_t i = 0; i < rects.size(); i += 1 + rects.size() / 32) {
        const vt::TRect& r = rects[i];
        if (r.IsEmpty())
            std::abort();
        for (vt::TPoint p : {vt::TPoint{r.Left, r.Top}, vt::TPoint{r.Right - 1, r.Bottom - 1},
                             vt::TPoint{r.Left - 1, r.Top}, vt::TPoint{r.Right, r.Bottom - 1}})
            if (strips.PointInMask(p) != inRegion(p))
                std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t kHeader = 10;
    if (size < kHeader)
        return 0;
    const uint8_t state = data[0], icons = data[1];

    vt::TspSkinData sd(nullptr);
    sd.SetFormRegistry(&fuzz::Forms());
    sd.BuildMode = true;
    fuzz::LentPictures lent(fuzz::DefaultSkin(), sd);
    // The frame reads neither the controls' records nor the layered border; loading them would
    // take most of a run (the package fuzzer covers them).
    if (!fuzz::LoadDefinition(sd, data + kHeader, size - kHeader, {L"SKINCONTROLS", L"LAYERFRAME"}))
        return 0;

    vt::TspFrameGeometry g;
    g.Skin = vt::TFormSkinInfo::From(&sd);
    vt::TFormFacts& form = g.Form;
    form.BorderStyle = static_cast<vt::TFormBorder>(((state >> 1) & 7) % 6);
    form.Maximized = state & 0x10;
    form.RollUp = state & 0x20;
    form.SupportNCArea = state & 0x40;
    const vt::TRect screen = vt::Rect(0, 0, 1920, 1080);
    form.Monitor = {vt::Rect(0, 0, 1920, 1040), screen, screen};
    form.SmallIconSize = {16, 16};

    vt::TspSkinObjects objects;
    objects.Form.SkinLoaded = true;
    objects.Form.FormActive = state & 1;
    objects.Form.Maximized = form.Maximized;
    objects.Form.RolledUp = form.RollUp;
    objects.Form.ShowIcon = icons & 0x80;
    objects.CreateObjects(&sd);
    vt::TspObjectSettings settings;
    settings.BorderIcons = {bool(icons & 1), bool(icons & 2), bool(icons & 4), bool(icons & 8),
                            bool(icons & 16)};
    settings.HideCaptionButtons = icons & 0x20;
    settings.HideCloseButton = icons & 0x40;
    settings.Caption = L"A fuzzed caption";
    objects.CheckObjects(settings, &sd);

    vt::TFramePaintSources src;
    src.Skin = &sd;
    src.FormActive = state & 1;
    src.Caption.FormCaption = settings.Caption;
    src.Caption.Renderer = [](const vt::TspCaptionFont&) { return &gText; };
    src.DrawIcon = [](vt::TspBitmap& target, const vt::TRect& r) {
        target.FillRect(r, 0xFF00FF00u);
    };
    static Extras extras;
    extras.extras.SetCaptionTabPos(static_cast<vt::TspCaptionTabPos>(size % 3));
    const vt::TspCaptionExtrasSkin extrasSkin = vt::TspCaptionExtrasSkin::From(&sd);
    src.Extras = &extras.extras;
    src.ExtrasSkin = &extrasSkin;
    src.ExtrasFacts.ShowIcon = objects.Form.ShowIcon;
    src.ExtrasFacts.SystemMenu = settings.BorderIcons.SystemMenu;

    RunSize(g, objects, src, Side(data + 2), Side(data + 4), Depth::Region);
    RunSize(g, objects, src, Side(data + 6), Side(data + 8), Depth::Pictures);
    if (state & 0x80) {
        const int32_t extremes[][2] = {{0, 0},         {-1, -1},       {INT32_MIN, INT32_MIN},
                                       {-4096, 300},   {300, -4096},   {INT32_MIN, 1},
                                       {INT32_MAX, 1}, {1, INT32_MAX}, {INT32_MAX, INT32_MAX}};
        for (const auto& e : extremes)
            // Sizes without area go all the way; the huge ones would only meet the bitmap limit.
            RunSize(g, objects, src, e[0], e[1],
                    e[0] <= 0 || e[1] <= 0 ? Depth::Region : Depth::Geometry);
    }
    return 0;
}
