// The caption extras on a composed frame with the default skin (skins/zozaziz/skin.ini) and the
// application's settings at 1024 x 700: the menu button's state picture at (7, 1)-(97, 22), the
// quick buttons' backgrounds (down for the down grouped button, active for a hot one) with their
// images and the drop arrow, the tabs' state pictures with their images, the caption's text moved
// right of the tabs (and gone with centred tabs), and a frame without extras left as it was. Each
// image of the list is a solid colour, so a glyph shows as that exact colour; text is written as
// a block per character. The caption band is saved under build/screenshots/frames/.
#include "form/caption_extras_paint.h"
#include "form/frame_paint.h"
#include "raster/caption.h"
#include "raster/png_image.h"
#include "raster/png_list.h"
#include "skin/skin_data.h"
#include "support.h"
#include "unit/form/app_extras.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace vt {
namespace {

// One 5 x 9 block per character in a 7 x 13 cell, the line placed by the format's alignment; "&"
// takes no room unless the format says NoPrefix. Remembers what it was asked to draw.
class TBlockText : public ITextRenderer {
public:
    struct TCall {
        std::wstring Text;
        TRect Rect;
        TColor Colour;
    };
    static int Characters(const std::wstring& text, uint32_t format)
    {
        int n = 0;
        for (size_t i = 0; i < text.size(); ++i, ++n)
            if (text[i] == L'&' && !(format & dt::NoPrefix) && i + 1 < text.size())
                ++i;
        return n;
    }
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t format) override
    {
        return Bounds(r.Left, r.Top, 7 * Characters(text, format), 13);
    }
    int DrawText(TspBitmap& target, const std::wstring& text, const TRect& r, uint32_t format, TColor colour) override
    {
        Calls.push_back({text, r, colour});
        const int n = Characters(text, format);
        int x = r.Left, y = r.Top;
        if (format & dt::Center)
            x += (r.Width() - 7 * n) / 2;
        if (format & dt::VCenter)
            y += (r.Height() - 13) / 2;
        for (int i = 0; i < n; ++i)
            target.FillRect(Bounds(x + 7 * i + 1, y + 2, 5, 9), ColorToPixel(colour, 255));
        return 13;
    }
    int FontHeight() const override { return 13; }
    std::vector<TCall> Calls;
};

// Solid image colours by index.
constexpr TColor kImageColours[10] = {0x0000FF, 0x00FF00, 0xFF0000, 0x00FFFF, 0xFF00FF,
                                      0xFFFF00, 0x0080FF, 0x8000FF, 0x00FF80, 0xFF0080};

TspColor Opaque(TColor c) { return ColorToPixel(c, 255); }

class CaptionExtrasPaint : public ::testing::Test {
protected:
    CaptionExtrasPaint()
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        images = new TspPngImageList(&owner);
        for (TColor colour : kImageColours) {
            TspPngImage png;
            png.Width = png.Height = 16;
            png.Pixels.assign(256, TPixel{GetBValue(colour), GetGValue(colour), GetRValue(colour), 255});
            images->PngImages().Add()->SetPngImage(png);
        }
        test::SetApplicationExtras(extras, images, new TPopupMenu(&owner));
        skin = TspCaptionExtrasSkin::From(&sd);

        objects.CreateObjects(&sd);
        TspObjectSettings settings;
        settings.BorderIcons.SystemMenu = false;
        objects.CheckObjects(settings, &sd);
        geometry.Skin = TFormSkinInfo::From(&sd);
        geometry.Form.Width = 1024;
        geometry.Form.Height = 700;
        src.Skin = &sd;
        src.Caption.FormCaption = L"Vantrel";
        src.Caption.Renderer = [this](const TspCaptionFont&) { return &text; };
        src.Extras = &extras;
        src.ExtrasSkin = &skin;
        src.ExtrasFacts.SystemMenu = false;
    }
    // The frame's top picture with and without the objects.
    void Compose()
    {
        text.Calls.clear();
        ASSERT_TRUE(ComposeFrame(geometry, objects, src, frame, &bare));
    }
    TspColor At(TPoint p) const { return frame.Top.GetPixel(p.X, p.Y); }
    TspColor BareAt(TPoint p) const { return bare.Top.GetPixel(p.X, p.Y); }
    TspSkinCaptionMenuButton& MenuButton() { return *objects.Find<TspSkinCaptionMenuButton>(L"captionmenubutton"); }
    const TspDataSkinCaptionTab& TabRecord() const
    {
        return dynamic_cast<const TspDataSkinCaptionTab&>(*sd.ObjectList[static_cast<size_t>(skin.Tab.Index)]);
    }
    TspColor LookPixel(const TRect& look, int x, int y) const
    {
        const TPixelImage& picture = *sd.FActivePictures[static_cast<size_t>(skin.Quick.Picture)];
        const TPixel& p = picture.At(look.Left + x, look.Top + y);
        return MakePixel(p.R, p.G, p.B, 255);
    }
    // Where the caption's own text went (its colour while active), or an empty rectangle.
    TRect CaptionTextRect() const
    {
        for (const auto& c : text.Calls)
            if (c.Text == L"Vantrel" && c.Colour == Caption().ActiveFontColor)
                return c.Rect;
        return {};
    }
    TspSkinCaptionObject& Caption() const { return *objects.Find<TspSkinCaptionObject>(L"caption"); }

    TspSkinData sd{nullptr};
    TComponent owner{nullptr};
    TspCaptionExtras extras{&owner};
    TspPngImageList* images = nullptr;
    TspCaptionExtrasSkin skin;
    TspSkinObjects objects;
    TspFrameGeometry geometry;
    TFramePaintSources src;
    TBlockText text;
    TFramePictures frame, bare;
};

// Tests the menu button: its state picture at (7, 1)-(97, 22) with the record's end columns kept
// (the normal image of an active form), the frame untouched beside it, its image 10 px in from the
// content's left and its caption in the record's colour.
TEST_F(CaptionExtrasPaint, MenuButtonIsBlendedAtItsPlace)
{
    Compose();
    const TspSkinCaptionMenuButton& b = MenuButton();
    ASSERT_TRUE(b.Visible);
    ASSERT_EQ(b.ObjectRect, Rect(7, 1, 97, 22));
    ASSERT_NE(b.FAlphaNormalImage, nullptr);
    const TspBitmap& image = *b.FAlphaNormalImage;
    // Left end column 3 and right end column 30 (of 35) land 3 and 85 pixels into the button.
    for (const auto& [in, from] : {std::pair{Point(3, 10), Point(3, 10)}, std::pair{Point(85, 10), Point(30, 10)},
                                   std::pair{Point(0, 0), Point(0, 0)}}) {
        const TPoint p{7 + in.X, 1 + in.Y};
        EXPECT_EQ(At(p), BlendPremultipliedPixel(image.GetPixel(from.X, from.Y), BareAt(p))) << in.X << "," << in.Y;
    }
    EXPECT_NE(At({10, 11}), BareAt({10, 11}));
    EXPECT_EQ(At({6, 11}), BareAt({6, 11}));
    EXPECT_EQ(At({97, 11}), BareAt({97, 11}));

    EXPECT_EQ(At({7 + 14 + 8, 1 + 1 + 8}), Opaque(kImageColours[5]));  // image at (14, 1) in the button
    const TspMenuButtonPaint p = b.Paint(extras, src.Caption.Renderer);
    EXPECT_EQ(p.Font.Colour, b.FontColor);
    EXPECT_EQ(At({7 + p.Box.Place.TextX + 3, 1 + p.Box.TextRect.Top + p.Box.TextRect.Height() / 2}),
              Opaque(b.FontColor));
}

// Tests the quick buttons: the down grouped button shows the down look through the caption's
// mask (opaque inside, the frame at the clear corner), a hot one the active look, idle ones no
// background; every button shows its image, and "Negocio" its small drop arrow and its caption.
TEST_F(CaptionExtrasPaint, QuickButtonsShowTheirLooksImagesAndArrow)
{
    extras.QuickButtons.Items(0)->Active = true;
    Compose();
    auto item = [&](int i) { return extras.QuickButtons.Items(i)->ItemRect; };
    auto tl = [](const TRect& r, int dx, int dy) { return Point(r.Left + dx, r.Top + dy); };
    const TRect down = item(3), hot = item(0), idle = item(2);
    ASSERT_EQ(down.Width(), 20);
    // Points of the fixed 4 x 4 corners where the mask is opaque, beside the image (2..17).
    ASSERT_NE(LookPixel(skin.Quick.DownSkinRect, 3, 0), LookPixel(skin.Quick.ActiveSkinRect, 3, 0));
    EXPECT_EQ(At(tl(down, 3, 0)), LookPixel(skin.Quick.DownSkinRect, 3, 0));
    EXPECT_EQ(At(tl(down, 19, 16)), LookPixel(skin.Quick.DownSkinRect, 23, 18));
    EXPECT_EQ(At(tl(down, 0, 0)), BareAt(tl(down, 0, 0)));  // the mask is clear in the corner
    EXPECT_EQ(At(tl(hot, 3, 0)), LookPixel(skin.Quick.ActiveSkinRect, 3, 0));
    ASSERT_NE(BareAt(tl(idle, 3, 0)), LookPixel(skin.Quick.ActiveSkinRect, 3, 0));
    EXPECT_EQ(At(tl(idle, 3, 0)), BareAt(tl(idle, 3, 0)));

    const int images[] = {6, 2, 7, 8, 9};
    for (int i = 0; i < 5; ++i) {
        const TspQuickButtonPaint p = QuickButtonPaint(*extras.QuickButtons.Items(i), Caption(), extras, skin,
                                                       TspCaptionExtrasFacts{});
        EXPECT_EQ(At({p.Image.X + 8, p.Image.Y + 8}), Opaque(kImageColours[images[i]])) << i;
    }
    const TRect negocio = item(1);
    // The small arrow's lowest pixel: the middle of its box, one below the middle row.
    EXPECT_EQ(At({negocio.Right - 8 + 3, negocio.Top + negocio.Height() / 2 + 1}), Opaque(Caption().ActiveFontColor));
    bool caption = false;
    for (const auto& c : text.Calls)
        caption = caption || (c.Text == L"Negocio" && c.Rect.Left == negocio.Left + 16 + 6);
    EXPECT_TRUE(caption);
}

// Tests the tabs: the current tab shows the record's down image, the others the normal one, each
// stretched from its left end, with its own image in it; the caption's text moves right of the
// tabs, and with centred tabs it is not drawn at all.
TEST_F(CaptionExtrasPaint, TabsAndTheCaptionTextAfterThem)
{
    Compose();
    const TspDataSkinCaptionTab& r = TabRecord();
    ASSERT_NE(r.FAlphaDownImage, nullptr);
    ASSERT_NE(r.FAlphaNormalImage, nullptr);
    const TRect first = extras.CaptionTabs.Items(0)->ItemRect, second = extras.CaptionTabs.Items(1)->ItemRect;
    ASSERT_EQ(first.Top, 7);
    ASSERT_EQ(first.Height(), 22);
    for (int y : {4, 11, 18}) {
        const TPoint p{first.Left + 4, first.Top + y}, q{second.Left + 4, second.Top + y};
        EXPECT_EQ(At(p), BlendPremultipliedPixel(r.FAlphaDownImage->GetPixel(4, y), BareAt(p))) << y;
        EXPECT_EQ(At(q), BlendPremultipliedPixel(r.FAlphaNormalImage->GetPixel(4, y), BareAt(q))) << y;
    }
    for (int i = 0; i < 3; ++i) {
        const TspCaptionTabPaint p = CaptionTabPaint(i, extras, skin, src.Caption.Renderer);
        const TRect t = extras.CaptionTabs.Items(i)->ItemRect;
        EXPECT_EQ(At({t.Left + p.Box.Place.GlyphX + 8, t.Top + p.Box.Place.GlyphY + 8}), Opaque(kImageColours[i]))
            << i;
    }

    // Centred between the last tab and the right group of quick buttons.
    const TRect moved = CaptionTextRect();
    EXPECT_GT(moved.Left, extras.CaptionTabs.Items(2)->ItemRect.Right);
    EXPECT_LT(moved.Right, extras.QuickButtons.Items(1)->ItemRect.Left);
    EXPECT_EQ(At({moved.Left + 1, moved.Top + 6}), Opaque(Caption().ActiveFontColor));

    src.Extras = nullptr;
    Compose();
    EXPECT_LT(CaptionTextRect().Left, moved.Left);  // centred in the whole caption

    src.Extras = &extras;
    extras.SetCaptionTabPos(sptpCenter);
    Compose();
    EXPECT_TRUE(CaptionTextRect().IsEmpty());
    EXPECT_FALSE(extras.CaptionTabs.Items(1)->ItemRect.IsEmpty());
}

// Tests that extras without anything to show leave the frame exactly as a frame without extras,
// which is the frame without the (hidden) menu button object, and that an inactive frame with
// every extra shown is still grey to the last pixel.
TEST_F(CaptionExtrasPaint, FrameWithoutExtrasIsUnchanged)
{
    auto compose = [&](TspCaptionExtras* e) {
        src.Extras = e;
        auto p = std::make_unique<TFramePictures>();
        EXPECT_TRUE(ComposeFrame(geometry, objects, src, *p));
        return p;
    };
    auto same = [](const TspBitmap& a, const TspBitmap& b) {
        if (a.Width() != b.Width() || a.Height() != b.Height())
            return false;
        for (int y = 0; y < a.Height(); ++y)
            for (int x = 0; x < a.Width(); ++x)
                if (a.GetPixel(x, y) != b.GetPixel(x, y))
                    return false;
        return true;
    };
    auto identical = [&](const std::unique_ptr<TFramePictures>& a, const std::unique_ptr<TFramePictures>& b) {
        return same(a->Top, b->Top) && same(a->Left, b->Left) && same(a->Right, b->Right) &&
               same(a->Bottom, b->Bottom);
    };
    const auto none = compose(nullptr);
    EXPECT_FALSE(MenuButton().Visible);
    TspCaptionExtras empty(&owner);
    EXPECT_TRUE(identical(compose(&empty), none));
    EXPECT_FALSE(identical(compose(&extras), none));
    const int button = objects.GetIndex(L"captionmenubutton");
    objects.ObjectList.erase(objects.ObjectList.begin() + button);
    EXPECT_TRUE(identical(compose(nullptr), none));

    src.FormActive = false;
    objects.Form.FormActive = false;
    objects.CreateObjects(&sd);
    const auto inactive = compose(&extras);
    int coloured = 0;
    for (int y = 0; y < inactive->Top.Height(); ++y)
        for (int x = 0; x < inactive->Top.Width(); ++x) {
            const TspColor c = inactive->Top.GetPixel(x, y);
            coloured += PixelR(c) != PixelG(c) || PixelG(c) != PixelB(c);
        }
    EXPECT_EQ(coloured, 0);
}

// Tests the menu button drawn alone on an inactive form: its own pixels (its disabled cyan image
// too) grey, and where its picture is clear (the rounded corner) the target shows through untouched.
TEST_F(CaptionExtrasPaint, MenuButtonAloneGreysOnlyItself)
{
    Compose();
    ASSERT_TRUE(sd.AutoRenderingInActiveImage);
    src.FormActive = false;
    objects.Form.FormActive = false;
    const TspSkinCaptionMenuButton& b = MenuButton();
    TspBitmap target;
    target.SetSize(b.ObjectRect.Width(), b.ObjectRect.Height());
    target.Clear(0xFFFF0000);
    DrawObject(MenuButton(), geometry, src, true, target, {0, 0});
    ASSERT_EQ(PixelA(b.FAlphaInActiveImage->GetPixel(0, 0)), 0);
    EXPECT_EQ(target.GetPixel(0, 0), 0xFFFF0000u);
    for (const TPoint p : {Point(3, 10), Point(14 + 8, 1 + 8)}) {
        const TspColor c = target.GetPixel(p.X, p.Y);
        EXPECT_TRUE(PixelR(c) == PixelG(c) && PixelG(c) == PixelB(c)) << p.X << "," << p.Y << ": " << std::hex << c;
    }
}

// Tests that settings past any picture's size (a huge menu button, a hot quick button with a huge
// caption) draw nothing of those pieces instead of failing the paint.
TEST_F(CaptionExtrasPaint, OutsizedExtrasDoNotFailThePaint)
{
    extras.SetMenuButtonWidth(INT32_MAX);
    EXPECT_NO_THROW(Compose());
    extras.SetMenuButtonWidth(90);
    TspQuickButtonItem& negocio = *extras.QuickButtons.Items(1);
    negocio.SetCaption(std::wstring(10000, L'x'));
    negocio.Active = true;
    EXPECT_NO_THROW(Compose());
    EXPECT_GT(negocio.ItemRect.Width(), MaxBitmapSide);
}

// Saves the caption band with the extras, at start and with a hot quick button and tab, to be
// looked at.
TEST_F(CaptionExtrasPaint, SavesTheCaptionBand)
{
    const std::filesystem::path folder = test::SourcePath("build/screenshots/frames");
    std::filesystem::create_directories(folder);
    auto save = [&](const char* name) {
        Compose();
        const int h = geometry.NewClRect.Top;
        TPixelImage img;
        img.Width = frame.Top.Width();
        img.Height = h;
        img.Format = TPixelFormat::pf32bit;
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < img.Width; ++x) {
                const TspColor c = frame.Top.GetPixel(x, y);
                img.Pixels.push_back({PixelB(c), PixelG(c), PixelR(c), 255});
            }
        SavePng(folder / name, img);
        EXPECT_TRUE(std::filesystem::exists(folder / name));
    };
    save("zozaziz-caption-extras.png");
    extras.QuickButtons.Items(1)->Active = true;
    extras.CaptionTabs.Items(2)->Active = true;
    save("zozaziz-caption-extras-hot.png");
}

} // namespace
} // namespace vt
