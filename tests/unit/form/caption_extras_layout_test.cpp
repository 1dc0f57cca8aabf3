// The caption extras' places with the default skin (skins/zozaziz/skin.ini) and the application's
// settings at 800 px: the caption object spans (2, 0, 700, 29) before the menu button (record:
// skin rectangle 35 x 21, TopPosition 1, client (4, 2, 22, 17)); quick buttons have 16 x 16 images
// and the caption's alpha mask; the "captiontab" record is 44 x 22 on a client top of 29 with
// client (4, 3, 39, 20). Text is measured at 7 px per character, "&" taking no room.
#include "form/caption_menu_button.h"
#include "form/caption_extras_layout.h"
#include "form/frame_paint.h"
#include "form/hit_test.h"
#include "raster/png_list.h"
#include "skin/skin_data.h"
#include "support.h"
#include "unit/form/app_extras.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace vt {
namespace {

class TFakeText : public ITextRenderer {
public:
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t format) override
    {
        int n = 0;
        for (size_t i = 0; i < text.size(); ++i) {
            if (text[i] == L'&' && !(format & dt::NoPrefix) && i + 1 < text.size())
                ++i;  // the accelerator mark shows nothing, "&&" one ampersand
            ++n;
        }
        return Rect(r.Left, r.Top, r.Left + 7 * n, r.Top + 13);
    }
    int DrawText(TspBitmap&, const std::wstring&, const TRect&, uint32_t, TColor) override { return 13; }
    int FontHeight() const override { return 13; }
};

class CaptionLayout : public ::testing::Test {
protected:
    CaptionLayout()
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        images = new TspPngImageList(&owner);
        for (int i = 0; i < 10; ++i)
            images->PngImages().Add();
        test::SetApplicationExtras(extras, images, new TPopupMenu(&owner));
        skin = TspCaptionExtrasSkin::From(&sd);
        facts.SystemMenu = false;
        facts.ClientTop = 29;
        facts.Renderer = [this](const TspCaptionFont&) { return &text; };
        Arrange(800);
    }
    // The frame at width x 600 with the application's border icons (no system menu).
    void Arrange(int width, bool systemMenu = false)
    {
        g = TspFrameGeometry{};
        g.Skin = TFormSkinInfo::From(&sd);
        g.Form.Width = width;
        g.Form.Height = 600;
        g.CalcRects();
        objects.CreateObjects(&sd);
        TspObjectSettings settings;
        settings.BorderIcons.SystemMenu = systemMenu;
        objects.CheckObjects(settings, &sd);
        ArrangeFormObjects(g, objects, {&extras, systemMenu});
    }
    TspSkinCaptionObject& Caption() { return *objects.Find<TspSkinCaptionObject>(L"caption"); }
    TspSkinCaptionMenuButton& MenuButton() { return *objects.Find<TspSkinCaptionMenuButton>(L"captionmenubutton"); }
    TspCaptionLayout Layout()
    {
        return LayoutCaptionExtras(Caption(), CaptionTextRect(Caption()), extras, skin, facts);
    }
    std::vector<TRect> QuickRects() const
    {
        std::vector<TRect> r;
        for (int i = 0; i < extras.QuickButtons.Count(); ++i)
            r.push_back(extras.QuickButtons.Items(i)->ItemRect);
        return r;
    }
    std::vector<TRect> TabRects() const
    {
        std::vector<TRect> r;
        for (int i = 0; i < extras.CaptionTabs.Count(); ++i)
            r.push_back(extras.CaptionTabs.Items(i)->ItemRect);
        return r;
    }

    TspSkinData sd{nullptr};
    TComponent owner{nullptr};
    TspCaptionExtras extras{&owner};
    TspPngImageList* images = nullptr;
    TspSkinObjects objects;
    TspFrameGeometry g;
    TspCaptionExtrasSkin skin;
    TspCaptionExtrasFacts facts;
    TFakeText text;
};

// Tests the application's caption: the 90 x 21 menu button at the caption's left, the caption
// starting 5 px after it, the quick buttons 20 x 20 with "Negocio" as wide as its caption allows,
// the tabs standing on the client's top edge, and the text rectangle left between them.
TEST_F(CaptionLayout, ApplicationsCaption)
{
    EXPECT_TRUE(MenuButton().Visible);
    EXPECT_EQ(MenuButton().ObjectRect, Rect(7, 1, 97, 22));
    EXPECT_EQ(Caption().ObjectRect, Rect(102, 0, 700, 29));

    const TspCaptionLayout l = Layout();
    const std::vector<TRect> quick = {Rect(675, 4, 695, 24), Rect(591, 4, 673, 24), Rect(107, 4, 127, 24),
                                      Rect(129, 4, 149, 24), Rect(151, 4, 171, 24)};
    EXPECT_EQ(QuickRects(), quick);
    const std::vector<TRect> tabs = {Rect(178, 7, 268, 29), Rect(268, 7, 372, 29), Rect(372, 7, 476, 29)};
    EXPECT_EQ(TabRects(), tabs);
    EXPECT_EQ(l.TextRect, Rect(374, 0, 492, 28));
    EXPECT_TRUE(l.DrawText);
    EXPECT_FALSE(l.Divider);  // the menu button is shown
    EXPECT_EQ(Caption().FTabDataIndex, skin.Tab.Index);
}

// Tests the three tab positions and the clipping at the text's right end: a tab that does not fit
// gets no rectangle and no room, so a narrower one after it still fits.
TEST_F(CaptionLayout, TabPositionsAndClipping)
{
    struct Case {
        const char* Name;
        int Width;
        TspCaptionTabPos Pos;
        const wchar_t* SecondCaption;
        std::vector<TRect> Tabs;
        TRect Text;
        bool DrawText;
    };
    const Case cases[] = {
        {"centred", 800, sptpCenter, L"Belvani&os",
         {Rect(234, 7, 324, 29), Rect(324, 7, 428, 29), Rect(428, 7, 532, 29)}, Rect(71, 0, 492, 28), false},
        {"right", 800, sptpRight, L"Belvani&os",
         {Rect(286, 7, 376, 29), Rect(376, 7, 480, 29), Rect(480, 7, 584, 29)}, Rect(71, 0, 179, 28), true},
        {"third passes the end", 600, sptpLeft, L"Belvani&os",
         {Rect(178, 7, 268, 29), Rect(268, 7, 372, 29), {}}, Rect(270, 0, 292, 28), true},
        {"wide second left out", 600, sptpLeft, L"Belvani&os largo",
         {Rect(178, 7, 268, 29), {}, Rect(268, 7, 372, 29)}, Rect(270, 0, 292, 28), true},
        {"hidden second", 800, sptpLeft, nullptr,
         {Rect(178, 7, 268, 29), {}, Rect(268, 7, 372, 29)}, Rect(270, 0, 492, 28), true},
    };
    for (const Case& c : cases) {
        Arrange(c.Width);
        extras.SetCaptionTabPos(c.Pos);
        extras.CaptionTabs.Items(1)->SetVisible(c.SecondCaption != nullptr);
        if (c.SecondCaption)
            extras.CaptionTabs.Items(1)->SetCaption(c.SecondCaption);
        const TspCaptionLayout l = Layout();
        EXPECT_EQ(TabRects(), c.Tabs) << c.Name;
        EXPECT_EQ(l.TextRect, c.Text) << c.Name;
        EXPECT_EQ(l.DrawText, c.DrawText) << c.Name;
    }
}

// Tests the quick buttons' variants: a left-group button that would pass the caption's end is left
// out, without the caption's alpha mask a tall modern caption pads by 12, and the divider goes
// between the window icon and the buttons when there is no menu button.
TEST_F(CaptionLayout, QuickButtonFitPaddingAndDivider)
{
    Arrange(248);  // the caption spans 102..148: only the first left button fits
    Layout();
    EXPECT_EQ(QuickRects()[2], Rect(107, 4, 127, 24));
    EXPECT_EQ(QuickRects()[3], TRect{});
    EXPECT_EQ(QuickRects()[4], TRect{});

    Arrange(800);
    Caption().QuickButtonAlphaMaskPictureIndex = -1;
    Caption().ObjectRect.Bottom = 40;
    facts.ModernSkin = true;
    Layout();
    EXPECT_EQ(QuickRects()[2], Rect(107, 6, 135, 34));  // y = 20 - 8 - 6, 16 + 12 square

    facts.ModernSkin = false;
    extras.SetMenuButtonVisible(false);
    facts.ShowIcon = true;
    facts.SystemMenu = true;
    Arrange(800, true);
    const TRect c = Caption().ObjectRect;
    const TspCaptionLayout l = Layout();
    ASSERT_TRUE(l.Divider);
    EXPECT_EQ(l.DividerSource, Rect(169, 0, 171, 18));
    EXPECT_EQ(l.DividerAt, Point(c.Left + 3, 5));
    EXPECT_EQ(QuickRects()[2].Left, c.Left + 8);  // divider width + 6
    EXPECT_EQ(l.TextRect.Left, 3 * 22 + 2 + 5 + 298 + 5);
}

// Tests that the caption's items answer as objects while its free area drags, and that items the
// form cannot use (no quick image list, no "captiontab" record) leave the caption dragging there.
TEST_F(CaptionLayout, ItemsAreKeptOutOfTheDragZone)
{
    auto hit = [&](TPoint p) {
        Layout();
        THitTestInput in;
        in.CaptionRects = CaptionDragRects(objects, g);
        in.CaptionItems = CaptionItemRects(Caption(), extras);
        return FormHitTest(g, in, p);
    };
    // Above the tabs' top: without the quick buttons the tabs move left under this point's column.
    const TPoint tab{200, 20}, quick{110, 5}, negocio{600, 10}, free{550, 15};
    EXPECT_EQ(hit(tab), ht::Object);
    EXPECT_EQ(hit(quick), ht::Object);
    EXPECT_EQ(hit(negocio), ht::Object);
    EXPECT_EQ(hit(free), ht::Caption);

    extras.SetQuickImageList(nullptr);
    EXPECT_EQ(hit(quick), ht::Caption);
    skin.Tab = {};
    EXPECT_EQ(hit(tab), ht::Caption);
    EXPECT_TRUE(TabRects()[0].IsEmpty());
}

// Tests the menu button's place: after the caption's left edge, or in the corner for a modern skin
// with the buttons on the right, no system menu and a caption at the window's edge; hidden, it
// leaves the caption where it was.
TEST_F(CaptionLayout, MenuButtonPlace)
{
    TspFrameGeometry modern = g;
    modern.Skin.ClRect.Left = 1;
    const struct {
        const char* Name;
        const TspFrameGeometry* G;
        bool SystemMenu;
        TRect Caption;
        TRect Expected;
    } cases[] = {
        {"plain skin", &g, false, Rect(2, 0, 700, 29), Rect(7, 1, 97, 22)},
        {"modern skin", &modern, false, Rect(2, 0, 700, 29), Rect(1, 1, 96, 22)},
        {"modern skin, system menu", &modern, true, Rect(2, 0, 700, 29), Rect(7, 1, 97, 22)},
        {"modern skin, caption inside", &modern, false, Rect(3, 0, 700, 29), Rect(8, 1, 98, 22)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MenuButtonObjectRect(*c.G, c.SystemMenu, c.Caption, 90, 1, 21), c.Expected) << c.Name;

    extras.SetMenuButtonVisible(false);
    Arrange(800);
    EXPECT_FALSE(MenuButton().Visible);
    EXPECT_EQ(Caption().ObjectRect.Left, 2);
}

// Tests the menu button's drawing: the state image by priority (down, hot, active form,
// inactive), the content box grown with the button, and the image 10 px from its left with the
// caption 10 px after it.
TEST_F(CaptionLayout, MenuButtonPaint)
{
    TspSkinCaptionMenuButton& b = MenuButton();
    auto font = [](const TspCaptionFont&) { return static_cast<ITextRenderer*>(nullptr); };
    const struct {
        bool Down, MouseIn, FormActive;
        TspExtraImage Image;
    } states[] = {
        {true, true, false, TspExtraImage::Down},
        {false, true, false, TspExtraImage::Active},
        {false, false, true, TspExtraImage::Normal},
        {false, false, false, TspExtraImage::InActive},
    };
    for (const auto& s : states) {
        b.FDown = s.Down;
        b.FMouseIn = s.MouseIn;
        objects.Form.FormActive = s.FormActive;
        const TspMenuButtonPaint p = b.Paint(extras, font);
        EXPECT_EQ(p.Image, s.Image);
        EXPECT_EQ(p.ImageEnabled, s.FormActive);
    }
    objects.Form.FormActive = true;
    b.FDown = b.FMouseIn = false;
    const TspMenuButtonPaint p = b.Paint(extras, facts.Renderer);
    EXPECT_EQ(p.Content, Rect(4, 2, 77, 17));
    EXPECT_EQ(p.Box.Place.GlyphX, 14);
    EXPECT_EQ(p.Box.Place.GlyphY, 1);
    EXPECT_EQ(p.Box.Place.TextX, 14 + 16 + 10);
    EXPECT_EQ(p.Box.TextRect, Rect(40, 2, 77, 16));  // 5 letters, one row higher for the odd font
    EXPECT_EQ(p.Font.Name, b.FontName);
    EXPECT_EQ(p.Font.Colour, b.FontColor);
}

// Tests the menu button's point test over an active mask stretched to its width: the fixed ends
// keep their columns (a hole 5 px in from each end), the middle is stretched, and a width smaller
// than the fixed ends is handled.
TEST(CaptionMenuButton, PointTestUsesTheStretchedMask)
{
    TspSkinData sd(nullptr);
    sd.Empty = false;
    auto mask = std::make_unique<TPixelImage>();
    mask->Width = 35;
    mask->Height = 21;
    mask->Pixels.assign(35 * 21, TPixel{0, 0, 0, 255});
    for (int y = 0; y < 21; ++y)
        mask->At(5, y) = mask->At(29, y) = TPixel{255, 255, 255, 255};
    sd.FActivePictures.push_back(std::move(mask));
    TspDataSkinCaptionMenuButton record(L"captionmenubutton");
    record.SkinRect = Rect(0, 0, 35, 21);
    record.ActiveMaskPictureIndex = 0;
    record.LeftOffset = 10;
    record.RightOffset = 15;
    TspSkinObjects objects;
    objects.Form.SkinLoaded = true;
    TspSkinCaptionMenuButton b(&objects, sd, record);
    EXPECT_FALSE(b.Visible);
    EXPECT_FALSE(b.CanMorphing());

    b.SetObjectRect(Rect(7, 1, 97, 22));
    const struct {
        int X, Y;
        bool In;
    } points[] = {{0, 0, true}, {5, 10, false}, {6, 10, true}, {40, 10, true}, {84, 10, false},
                  {89, 20, true}, {90, 10, false}, {10, 21, false}, {-1, 0, false}};
    for (const auto& p : points)
        EXPECT_EQ(b.PtInObject(p.X, p.Y), p.In) << p.X << "," << p.Y;

    b.SetObjectRect(Rect(0, 0, 12, 21));
    EXPECT_TRUE(b.PtInObject(0, 0));
    EXPECT_FALSE(b.PtInObject(12, 0));

    record.ActiveMaskPictureIndex = -1;
    TspSkinCaptionMenuButton plain(&objects, sd, record);
    plain.SetObjectRect(Rect(7, 1, 97, 22));
    EXPECT_TRUE(plain.PtInObject(84, 10));
}

// Tests what a quick button draws in each state: the down look for a pressed hot button or a down
// grouped one, the hot look, the colours that go with them, the alpha variant only for lit
// buttons inside the caption, and "Negocio"'s image, arrow and caption places.
TEST_F(CaptionLayout, QuickButtonPaint)
{
    Layout();
    skin.Quick.ActiveFontColor = 1;
    skin.Quick.DownFontColor = 2;
    TspSkinCaptionObject& c = Caption();
    TspQuickButtonItem& plain = *extras.QuickButtons.Items(0);
    TspQuickButtonItem& grouped = *extras.QuickButtons.Items(2);
    using B = TspItemBackground;
    const struct {
        const char* Name;
        TspQuickButtonItem* Item;
        bool Down, Active, Enabled;
        B Background;
        TColor Colour;
        bool Alpha;
    } cases[] = {
        {"idle", &plain, false, false, true, B::None, c.ActiveFontColor, false},
        {"idle disabled", &plain, false, false, false, B::None, c.FontColor, false},
        {"hot", &plain, false, true, true, B::Active, 1, true},
        {"down, pointer gone", &plain, true, false, true, B::None, c.ActiveFontColor, true},
        {"down and hot", &plain, true, true, true, B::Down, 2, true},
        {"grouped down", &grouped, true, false, true, B::Down, 2, true},
    };
    for (const auto& k : cases) {
        k.Item->ChangeDown(k.Down);
        k.Item->Active = k.Active;
        k.Item->SetEnabled(k.Enabled);
        const TspQuickButtonPaint p = QuickButtonPaint(*k.Item, c, extras, skin, facts);
        EXPECT_TRUE(p.Draw) << k.Name;
        EXPECT_EQ(p.Background, k.Background) << k.Name;
        EXPECT_EQ(p.Colour, k.Colour) << k.Name;
        EXPECT_EQ(p.Alpha, k.Alpha) << k.Name;
    }
    EXPECT_EQ(QuickButtonPaint(plain, c, extras, skin, facts).Image, Point(677, 6));

    TspQuickButtonItem& negocio = *extras.QuickButtons.Items(1);
    const TspQuickButtonPaint n = QuickButtonPaint(negocio, c, extras, skin, facts);
    EXPECT_EQ(n.Image, Point(594, 6));
    EXPECT_TRUE(n.Arrow);
    EXPECT_EQ(n.ArrowRect, Rect(665, 4, 672, 24));
    EXPECT_EQ(n.CaptionRect, Rect(613, 4, 665, 24));
    negocio.Active = true;
    EXPECT_EQ(QuickButtonPaint(negocio, c, extras, skin, facts).ArrowRect, Rect(666, 13, 671, 16));

    c.ObjectRect.Right = 670;  // "Negocio" now reaches past the caption: drawn plain even when hot
    EXPECT_FALSE(QuickButtonPaint(negocio, c, extras, skin, facts).Alpha);
    negocio.SetImageIndex(-1);
    EXPECT_FALSE(QuickButtonPaint(negocio, c, extras, skin, facts).Draw);
    EXPECT_EQ(QuickButtonPaint(negocio, c, extras, TspCaptionExtrasSkin{}, facts).CaptionRect, TRect{});
}

// Tests a tab's drawing: the current tab's down image and colour, a hot tab's active ones, the
// content box grown with the tab and image and caption centred in it as a group.
TEST_F(CaptionLayout, CaptionTabPaint)
{
    Layout();
    extras.SetCaptionTabIndex(1);
    extras.CaptionTabs.Items(2)->Active = true;
    const TspCaptionTabRecord& r = skin.Tab;
    const TspCaptionTabPaint normal = CaptionTabPaint(0, extras, skin, facts.Renderer);
    EXPECT_EQ(normal.Image, TspExtraImage::Normal);
    EXPECT_EQ(normal.Font.Colour, r.FontColor);
    EXPECT_EQ(normal.Font.Name, L"Tahoma");
    EXPECT_EQ(normal.Font.Height, 13);
    EXPECT_EQ(normal.Content, Rect(4, 3, 85, 20));
    EXPECT_EQ(normal.Box.Place, (TGlyphTextPlace{9, 3, 30, 5}));
    EXPECT_EQ(CaptionTabPaint(1, extras, skin, facts.Renderer).Image, TspExtraImage::Down);
    EXPECT_EQ(CaptionTabPaint(1, extras, skin, facts.Renderer).Font.Colour, r.DownFontColor);
    EXPECT_EQ(CaptionTabPaint(2, extras, skin, facts.Renderer).Image, TspExtraImage::Active);
    EXPECT_EQ(CaptionTabPaint(2, extras, skin, facts.Renderer).Font.Colour, r.ActiveFontColor);
}

// Tests what the extras copy from the default skin.
TEST_F(CaptionLayout, CopiesTheSkinsRecords)
{
    EXPECT_EQ(skin.Tab.Index, sd.GetIndex(L"captiontab"));
    EXPECT_EQ(skin.Tab.SkinRect, Rect(125, 0, 169, 22));
    EXPECT_EQ(skin.Tab.TopPosition, -1);
    EXPECT_EQ(skin.Tab.ClRect, Rect(4, 3, 39, 20));
    EXPECT_EQ(skin.Tab.FontColor, 6312522);
    EXPECT_TRUE(skin.Quick.Background);
    EXPECT_EQ(skin.Quick.Picture, 4);
    EXPECT_EQ(skin.Quick.ActiveSkinRect, Rect(132, 162, 156, 184));
    EXPECT_EQ(skin.Quick.DownSkinRect, Rect(156, 162, 180, 184));
    EXPECT_EQ(skin.Quick.ClRect, Rect(4, 4, 20, 18));
    EXPECT_TRUE(skin.Quick.Captions);
    EXPECT_EQ(skin.Quick.Font.Name, L"Tahoma");
    EXPECT_EQ(TspCaptionExtrasSkin::From(nullptr).Tab.Index, -1);
}

} // namespace
} // namespace vt
