// What lies under a control, painted into another DC: the parent's background and earlier
// window-less siblings (PaintParentBackground), and pixel bitmaps drawn onto a DC whose origin was
// moved, as that painting does.
#include <gtest/gtest.h>

#include "framework/win/forms.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"

namespace vt {
namespace {

constexpr uint32_t kRed = 0xFF0000, kBlue = 0x0000FF, kYellow = 0xFFFF00;
constexpr uint32_t kGrey = 0xC8C8C8, kUntouched = 0x101010;

uint32_t Rgb(const TspBitmap& b, int x, int y) { return b.GetPixel(x, y) & 0xFFFFFF; }

// A window-less square in one colour.
class TSquare : public TGraphicControl {
public:
    TSquare(TComponent* owner, TColor colour) : TGraphicControl(owner), colour_(colour) {}

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(colour_);
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }

private:
    TColor colour_;
};

// A panel that paints itself grey with a yellow stripe over its first ten rows.
class TPanel : public TCustomControl {
public:
    using TCustomControl::TCustomControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(RGBColor(200, 200, 200));
        Canvas().FillRect(ClientRect());
        Canvas().Brush().SetColor(RGBColor(255, 255, 0));
        Canvas().FillRect(Rect(0, 0, Width(), 10));
    }
};

template <class T, class... A> T* Child(TForm& form, TWinControl* parent, TRect r, A... args)
{
    auto* c = new T(&form, args...);
    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    c->SetParent(parent);
    return c;
}

// Tests a panel parent under a windowed and a window-less control: the panel's own painting,
// then only the window-less siblings before the control, never the ones after it.
TEST(ParentBackground, PanelParentPaintsItselfThenEarlierSiblingsOnly)
{
    Application->Initialize();
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(150);
    auto* panel = Child<TPanel>(form, &form, Rect(10, 10, 110, 90));
    Child<TSquare>(form, panel, Rect(5, 5, 25, 25), RGBColor(0, 0, 255));
    auto* windowed = Child<TPanel>(form, panel, Rect(15, 15, 45, 45));
    auto* graphic = Child<TSquare>(form, panel, Rect(10, 0, 30, 20), RGBColor(255, 0, 0));
    Child<TSquare>(form, panel, Rect(30, 30, 50, 50), RGBColor(0, 255, 0));
    form.Handle();

    struct Probe {
        TControl* control;
        TPoint at;
        uint32_t expected;
        const char* what;
    };
    const Probe probes[] = {
        {windowed, {0, 0}, kBlue, "earlier sibling"},
        {windowed, {12, 2}, kGrey, "panel"},
        {windowed, {20, 20}, kGrey, "panel, not the later sibling"},
        {graphic, {0, 0}, kYellow, "panel's own painting"},
        {graphic, {5, 8}, kBlue, "earlier sibling over the stripe"},
        {graphic, {18, 15}, kGrey, "panel"},
    };
    for (const Probe& p : probes) {
        TspBitmap b;
        b.SetSize(p.control->Width(), p.control->Height());
        b.Clear(kUntouched);
        PaintParentBackground(*p.control, GetCanvas(b));
        GdiFlush();
        EXPECT_EQ(Rgb(b, p.at.X, p.at.Y), p.expected)
            << p.what << " at " << p.at.X << "," << p.at.Y << " of " << p.control->Left();
    }
}

// Tests that pixel bitmaps land where the DC's transform maps them, for a pixel bitmap's own DC
// and for a plain DIB section, with both the window and the viewport origin moved, and that
// they stay inside the DC's clip.
TEST(ParentBackground, BitmapDrawingFollowsTheDCTransform)
{
    TspBitmap src;
    src.SetSize(4, 4);
    src.Clear(kRed);
    src.SetAlpha(255);

    // Logical (10, 10) is device (10 - 2 + 5, 10 - 3 + 7) = (13, 14).
    auto moveOrigins = [](HDC dc) {
        SetWindowOrgEx(dc, 2, 3, nullptr);
        SetViewportOrgEx(dc, 5, 7, nullptr);
    };
    using DrawFn = void (*)(const TspBitmap&, HDC);
    const std::pair<const char*, DrawFn> draws[] = {
        {"Draw", [](const TspBitmap& s, HDC dc) { Draw(s, dc, 10, 10); }},
        {"DrawToDC", [](const TspBitmap& s, HDC dc) { DrawToDC(s, dc, Rect(10, 10, 14, 14), s.BoundsRect()); }},
        {"Tile", [](const TspBitmap& s, HDC dc) { Tile(s, dc, Rect(10, 10, 14, 14), s.BoundsRect()); }},
    };
    for (const auto& [name, draw] : draws) {
        for (bool clipped : {false, true}) {
            TspBitmap target;
            target.SetSize(32, 32);
            target.Clear(kUntouched);
            HDC dc = BitmapDC(target);
            int saved = SaveDC(dc);
            moveOrigins(dc);
            if (clipped)
                IntersectClipRect(dc, 10, 10, 12, 12);
            draw(src, dc);
            RestoreDC(dc, saved);
            GdiFlush();
            EXPECT_EQ(Rgb(target, 13, 14), kRed) << name << clipped;
            EXPECT_EQ(Rgb(target, 16, 17), clipped ? kUntouched : kRed) << name << clipped;
            EXPECT_EQ(Rgb(target, 10, 10), kUntouched) << name << clipped;
            EXPECT_EQ(Rgb(target, 17, 18), kUntouched) << name << clipped;
        }
    }

    // A bottom-up 32-bit section that is no pixel bitmap: tiles are written into its bits.
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), 32, 32, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    TGdiHandle<HBITMAP> section(CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    ASSERT_TRUE(section && bits);
    TDCHandle dc(CreateCompatibleDC(nullptr));
    HGDIOBJ old = SelectObject(dc.get(), section.get());
    PatBlt(dc.get(), 0, 0, 32, 32, BLACKNESS);
    moveOrigins(dc.get());
    Tile(src, dc.get(), Rect(10, 10, 14, 14), src.BoundsRect());
    SetWindowOrgEx(dc.get(), 0, 0, nullptr);
    SetViewportOrgEx(dc.get(), 0, 0, nullptr);
    EXPECT_EQ(GetPixel(dc.get(), 13, 14) & 0xFFFFFF, static_cast<COLORREF>(RGB(255, 0, 0)));
    EXPECT_EQ(GetPixel(dc.get(), 10, 10) & 0xFFFFFF, 0u);
    SelectObject(dc.get(), old);
}

} // namespace
} // namespace vt
