// Rendering shipped skins without a window: the frame at the main picture's size is that picture,
// a large frame keeps its corners, bands and caption buttons in place, a control record keeps its
// fixed parts, the sheet holds the single renders, and bad requests fail with a clear message.
#include "framework/base/exceptions.h"
#include "framework/base/platform_files.h"
#include "framework/base/streams.h"
#include "raster/png_image.h"
#include "render.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>

namespace vt {
namespace {

uint32_t Rgb(const TPixel& p) { return (uint32_t(p.R) << 16) | (uint32_t(p.G) << 8) | p.B; }

// Pixels of a w x h block at (ax, ay) in a and (bx, by) in b whose colours differ.
int Differing(const TPixelImage& a, int ax, int ay, const TPixelImage& b, int bx, int by, int w, int h)
{
    int n = 0;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            n += Rgb(a.At(ax + x, ay + y)) != Rgb(b.At(bx + x, by + y));
    return n;
}

bool InAny(const std::vector<TPlacedPicture>& places, int x, int y)
{
    for (const TPlacedPicture& p : places)
        if (p.Place.Contains(TPoint{x, y}))
            return true;
    return false;
}

class ShippedSkinRender : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath(std::string("skins/") + GetParam() + "/skin.ini"));
        ASSERT_FALSE(sd.Empty);
        ASSERT_FALSE(sd.FPicture.Empty());
    }
    const TPixelImage& Main() const { return sd.FPicture; }
    TspSkinData sd{nullptr};
};

// Tests that the frame rendered at the main picture's size is the main picture outside the
// client, except where an object draws over it; each such object shows its lone render.
TEST_P(ShippedSkinRender, FrameAtThePictureSizeIsThePicture)
{
    std::vector<TPlacedPicture> placed;
    const TPixelImage frame = RenderSkinPicture(sd, {L"frame", Main().Width, Main().Height}, &placed);
    ASSERT_EQ(frame.Width, Main().Width);
    ASSERT_EQ(frame.Height, Main().Height);
    const TRect cl = sd.ClRect;
    int differing = 0, compared = 0;
    for (int y = 0; y < frame.Height; ++y)
        for (int x = 0; x < frame.Width; ++x)
            if (!cl.Contains(TPoint{x, y}) && !InAny(placed, x, y)) {
                ++compared;
                differing += Rgb(frame.At(x, y)) != Rgb(Main().At(x, y));
            }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(2 * compared, Main().Width * Main().Height - cl.Width() * cl.Height());  // most of the frame
    for (const TPlacedPicture& p : placed) {
        SCOPED_TRACE(WideToUtf8(p.Name));
        const TPixelImage alone = RenderSkinPicture(sd, {p.Name, p.Place.Width(), p.Place.Height()});
        EXPECT_EQ(Differing(frame, p.Place.Left, p.Place.Top, alone, 0, 0, p.Place.Width(), p.Place.Height()), 0);
    }
}

// Tests a 1280 x 1024 frame: the four corners are the picture's, every pixel of the borders'
// stretched bands comes from the same row or column of the picture's band, and each caption
// button keeps its distance to the right edge and shows its own look.
TEST_P(ShippedSkinRender, LargeFrameKeepsCornersBandsAndButtonsInPlace)
{
    constexpr int W = 1280, H = 1024;
    std::vector<TPlacedPicture> small, placed;
    RenderSkinPicture(sd, {L"frame", Main().Width, Main().Height}, &small);
    const TPixelImage frame = RenderSkinPicture(sd, {L"frame", W, H}, &placed);
    ASSERT_EQ(frame.Width, W);
    ASSERT_EQ(frame.Height, H);
    const TPixelImage& pic = Main();
    const TPoint lt = sd.LTPoint, rt = sd.RTPoint, lb = sd.LBPoint, rb = sd.RBPoint;
    const int dx = W - pic.Width, dy = H - pic.Height;
    const TRect cl = sd.ClRect;
    const TRect client = Rect(cl.Left, cl.Top, cl.Right + dx, cl.Bottom + dy);
    // Pixels the frame picture gives: neither the client nor an object drawn over the frame.
    auto framePixel = [&](int x, int y) { return !client.Contains(TPoint{x, y}) && !InAny(placed, x, y); };

    // Corners, objects over them aside (they are checked below).
    struct Corner {
        TRect inPicture;
        int dx, dy;
    };
    for (const Corner& c : {Corner{Rect(0, 0, lt.X, lt.Y), 0, 0}, Corner{Rect(rt.X, 0, pic.Width, rt.Y), dx, 0},
                            Corner{Rect(0, lb.Y, lb.X, pic.Height), 0, dy},
                            Corner{Rect(rb.X, rb.Y, pic.Width, pic.Height), dx, dy}}) {
        int differing = 0;
        for (int y = c.inPicture.Top; y < c.inPicture.Bottom; ++y)
            for (int x = c.inPicture.Left; x < c.inPicture.Right; ++x)
                if (framePixel(x + c.dx, y + c.dy))
                    differing += Rgb(frame.At(x + c.dx, y + c.dy)) != Rgb(pic.At(x, y));
        EXPECT_EQ(differing, 0) << "corner at " << c.inPicture.Left << "," << c.inPicture.Top;
    }

    // Bands: a stretched or tiled pixel can only come from its own row (top and bottom) or
    // column (left and right) of the picture's band.
    auto colours = [&](const TRect& area) {
        std::set<uint32_t> s;
        for (int y = area.Top; y < area.Bottom; ++y)
            for (int x = area.Left; x < area.Right; ++x)
                s.insert(Rgb(pic.At(x, y)));
        return s;
    };
    int strays = 0, checked = 0;
    auto check = [&](int x, int y, const std::set<uint32_t>& allowed) {
        if (!framePixel(x, y))
            return;
        ++checked;
        strays += !allowed.count(Rgb(frame.At(x, y)));
    };
    for (int y = 0; y < lt.Y; ++y) {
        const auto allowed = colours(Rect(lt.X, y, rt.X, y + 1));
        for (int x = lt.X; x < rt.X + dx; ++x)
            check(x, y, allowed);
    }
    for (int y = lb.Y; y < pic.Height; ++y) {
        const auto allowed = colours(Rect(lb.X, y, rb.X, y + 1));
        for (int x = lb.X; x < rb.X + dx; ++x)
            check(x, y + dy, allowed);
    }
    for (int x = 0; x < cl.Left; ++x) {
        const auto allowed = colours(Rect(x, lt.Y, x + 1, lb.Y));
        for (int y = lt.Y; y < lb.Y + dy; ++y)
            check(x, y, allowed);
    }
    for (int x = cl.Right; x < pic.Width; ++x) {
        const auto allowed = colours(Rect(x, rt.Y, x + 1, rb.Y));
        for (int y = rt.Y; y < rb.Y + dy; ++y)
            check(x + dx, y, allowed);
    }
    EXPECT_GT(checked, 2 * (W + H));
    EXPECT_EQ(strays, 0);

    // Caption buttons: anchored to the right edge, each showing its lone render.
    int buttons = 0;
    for (const TPlacedPicture& p : placed) {
        if (!p.Name.ends_with(L"button") || p.Name == L"sysmenubutton")
            continue;
        ++buttons;
        SCOPED_TRACE(WideToUtf8(p.Name));
        for (const TPlacedPicture& s : small)
            if (s.Name == p.Name) {
                EXPECT_EQ(p.Place, Bounds(s.Place.Left + dx, s.Place.Top, s.Place.Width(), s.Place.Height()));
            }
        const TPixelImage alone = RenderSkinPicture(sd, {p.Name, p.Place.Width(), p.Place.Height()});
        EXPECT_EQ(Differing(frame, p.Place.Left, p.Place.Top, alone, 0, 0, p.Place.Width(), p.Place.Height()), 0);
    }
    EXPECT_GE(buttons, 3);  // close, maximize, minimize
}

// Tests the "button" record at 169 x 27 in every state: its fixed left and right parts are the
// state's rectangle in the skin's picture, and a pressed button differs from a normal one.
TEST_P(ShippedSkinRender, ButtonKeepsItsFixedParts)
{
    const auto* b = dynamic_cast<const TspDataSkinButtonControl*>(sd.CtrlList[sd.GetControlIndex(L"button")].get());
    ASSERT_NE(b, nullptr);
    const TPixelImage& pic = *sd.FActivePictures.at(b->PictureIndex);
    const int left = b->LTPoint.X, right = b->SkinRect.Width() - b->RTPoint.X;
    ASSERT_GT(left + right, 0);
    struct State {
        TRenderState state;
        TRect rect;
    };
    TPixelImage normal;
    for (const State& s : {State{TRenderState::Normal, b->SkinRect}, State{TRenderState::Hot, b->ActiveSkinRect},
                           State{TRenderState::Down, b->DownSkinRect},
                           State{TRenderState::Disabled, b->DisabledSkinRect}}) {
        SCOPED_TRACE(RenderStateName(s.state));
        const TPixelImage img = RenderSkinPicture(sd, {L"button", 169, 27, false, s.state});
        ASSERT_EQ(img.Width, 169);
        ASSERT_EQ(img.Height, 27);
        const TRect r = s.rect.IsEmpty() ? b->SkinRect : s.rect;
        EXPECT_EQ(Differing(img, 0, 0, pic, r.Left, r.Top, left, 27), 0);
        EXPECT_EQ(Differing(img, 169 - right, 0, pic, r.Right - right, r.Top, right, 27), 0);
        if (s.state == TRenderState::Normal)
            normal = img;
        else if (s.state == TRenderState::Down) {
            EXPECT_NE(normal, img);
        }
    }
}

// Tests that a button record without a down look renders pressed with its hot look, and one
// without a disabled look renders disabled with its normal look, as the button draws them.
TEST_P(ShippedSkinRender, ButtonStatesFallBackAsTheButtonDoes)
{
    auto* b = dynamic_cast<TspDataSkinButtonControl*>(sd.CtrlList[sd.GetControlIndex(L"button")].get());
    ASSERT_NE(b, nullptr);
    b->DownSkinRect = TRect{};
    b->DisabledSkinRect = TRect{};
    auto render = [&](TRenderState s) { return RenderSkinPicture(sd, {L"button", 169, 27, false, s}); };
    const TPixelImage normal = render(TRenderState::Normal), hot = render(TRenderState::Hot);
    ASSERT_NE(normal, hot);
    EXPECT_EQ(render(TRenderState::Down), hot);
    EXPECT_EQ(render(TRenderState::Disabled), normal);
}

// Tests that the sheet holds the frame and every state of the button, each tile the same pixels
// as the single render.
TEST_P(ShippedSkinRender, SheetHoldsTheSingleRenders)
{
    const TSkinSheet sheet = RenderSkinSheet(sd);
    std::set<std::string> names;
    for (const TPlacedPicture& t : sheet.Tiles) {
        names.insert(WideToUtf8(t.Name) + " " + RenderStateName(t.State));
        if (t.Name != L"frame" && t.Name != L"button")
            continue;
        SCOPED_TRACE(WideToUtf8(t.Name) + " " + RenderStateName(t.State));
        const TPixelImage alone = RenderSkinPicture(sd, {t.Name, t.Place.Width(), t.Place.Height(), false, t.State});
        int differing = 0;
        for (int y = 0; y < alone.Height; ++y)
            for (int x = 0; x < alone.Width; ++x)
                if (alone.At(x, y).A)
                    differing += Rgb(alone.At(x, y)) != Rgb(sheet.Picture.At(t.Place.Left + x, t.Place.Top + y));
        EXPECT_EQ(differing, 0);
    }
    for (const char* n : {"frame normal", "button normal", "button hot", "button down", "closebutton normal"})
        EXPECT_TRUE(names.count(n)) << n;
}

INSTANTIATE_TEST_SUITE_P(Skins, ShippedSkinRender, ::testing::Values("zozaziz", "carbonel", "velin"));

// Tests that bad requests fail with a message naming the fault, never a picture or a crash.
TEST(Render, BadRequestsFailClearly)
{
    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_FALSE(sd.Empty);
    auto* button = dynamic_cast<TspDataSkinControl*>(sd.CtrlList[sd.GetControlIndex(L"button")].get());
    ASSERT_NE(button, nullptr);
    button->PictureIndex = -1;
    // A control record and an object whose rectangles reach past their pictures.
    TspDataSkinControl* wide = nullptr;
    for (auto& rec : sd.CtrlList)
        if (auto* c = dynamic_cast<TspDataSkinControl*>(rec.get()); c && c != button && !c->SkinRect.IsEmpty()) {
            wide = c;
            break;
        }
    ASSERT_NE(wide, nullptr);
    wide->SkinRect.Right += 5000;
    auto* close = dynamic_cast<TspDataSkinObject*>(sd.ObjectList[sd.GetIndex(L"closebutton")].get());
    ASSERT_NE(close, nullptr);
    close->SkinRect.Bottom += 5000;
    struct Case {
        TRenderRequest request;
        const char* message;
    };
    const Case cases[] = {
        {{L"nosuch", 10, 10}, "no form object or control record named \"nosuch\""},
        {{L"frame", 0, 100}, "outside 1..16384"},
        {{L"frame", 100, 16385}, "outside 1..16384"},
        {{L"closebutton", -5, 5}, "outside 1..16384"},
        {{L"frame", 50, 10}, "needs a window of at least"},
        {{L"button", 80, 20}, "\"button\" names no picture"},
        {{L"menuitem", 80, 20}, "makes no object of"},
        {{wide->IDName, 80, 20}, "from outside its picture"},
        {{L"closebutton", 30, 21}, "from outside its picture"},
    };
    for (const Case& c : cases) {
        try {
            RenderSkinPicture(sd, c.request);
            ADD_FAILURE() << "rendered " << WideToUtf8(c.request.What);
        } catch (const EInvalidOperation& e) {
            EXPECT_NE(std::string(e.what()).find(c.message), std::string::npos) << e.what();
        }
    }
}

// Tests the command's arguments: the size is <W>x<H> in digits only, options and states are known
// words (else status 2), and the PNG written decodes to the size rendered.
TEST(Render, CommandReadsItsArguments)
{
    test::ScratchDir dir("render-args");
    const std::wstring skin = test::SourcePath("skins/zozaziz");
    const std::wstring png = dir.File("out.png");
    enum Outcome { Written, BadArguments, BadSize, BadRequest };
    struct Case {
        std::vector<std::wstring> args;
        Outcome outcome;
        int width = 0, height = 0;
    };
    const Case cases[] = {
        {{skin, L"frame", L"300x200", png}, Written, 300, 200},
        {{skin, L"button", L"169X27", png, L"--state", L"down", L"--inactive"}, Written, 169, 27},
        {{skin, L"frame", L"300x200", png, L"--state"}, BadArguments},
        {{skin, L"frame", L"300x200", png, L"--state", L"pressed"}, BadArguments},
        {{skin, L"frame", L"300x200", png, L"--big"}, BadArguments},
        {{skin, L"frame", L"300x200"}, BadArguments},
        {{skin, L"frame", L"300", png}, BadSize},
        {{skin, L"frame", L"x200", png}, BadSize},
        {{skin, L"frame", L"+300x200", png}, BadSize},
        {{skin, L"frame", L"9999999999x200", png}, BadSize},
        {{skin, L"frame", L"16385x200", png}, BadRequest},
        {{skin, L"nosuch", L"30x20", png}, BadRequest},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(WideToUtf8(c.args[1] + L" " + c.args[2]));
        std::filesystem::remove(FileSystemPath(png));
        std::string out;
        int status = -1;
        try {
            status = SkinpackRender(c.args, out);
        } catch (const EConvertError&) {
            status = BadSize + 100;
        } catch (const EInvalidOperation&) {
            status = BadRequest + 100;
        }
        switch (c.outcome) {
        case Written: {
            ASSERT_EQ(status, 0) << out;
            TspPngImage image;
            image.LoadFromBytes(ReadFileBytes(png));
            EXPECT_EQ(image.Width, c.width);
            EXPECT_EQ(image.Height, c.height);
            break;
        }
        case BadArguments:
            EXPECT_EQ(status, 2) << out;
            break;
        case BadSize:
        case BadRequest:
            EXPECT_EQ(status, c.outcome + 100) << out;
            EXPECT_FALSE(std::filesystem::exists(FileSystemPath(png)));
            break;
        }
    }
}

} // namespace
} // namespace vt
