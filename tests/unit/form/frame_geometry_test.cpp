// Frame geometry: mapping picture rectangles to the window, the frame for a size, the caption
// buttons' flow, the client rectangle, the plain frame, the size limits and the maximized bounds.
// Expected values are worked out by hand from the skin's numbers.
#include <gtest/gtest.h>

#include <functional>

#include "form/frame_geometry.h"
#include "skin/skin_data.h"
#include "support.h"

namespace vt {

inline void PrintTo(const TRect& r, std::ostream* os)
{
    *os << "(" << r.Left << ", " << r.Top << ", " << r.Right << ", " << r.Bottom << ")";
}

namespace {

// A 100 x 80 picture with corner pieces LT (0,0,20,30), RT (80,0,100,30), LB (0,60,20,80) and
// RB (80,60,100,80), laid out for a 150 x 100 window: dx = 50, dy = 20.
TspFrameGeometry SyntheticFrame()
{
    TspFrameGeometry g;
    TFormSkinInfo& s = g.Skin;
    s.Loaded = true;
    s.PicW = 100;
    s.PicH = 80;
    s.LTPoint = {20, 30};
    s.RTPoint = {80, 30};
    s.LBPoint = {20, 60};
    s.RBPoint = {80, 60};
    s.ClRect = Rect(3, 25, 97, 77);
    g.FFormWidth = 150;
    g.FFormHeight = 100;
    return g;
}

// The default skin's frame info, read from its definition.
TFormSkinInfo DefaultSkinInfo()
{
    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    return TFormSkinInfo::From(&sd);
}

const TFormSkinInfo& DefaultSkin()
{
    static const TFormSkinInfo info = DefaultSkinInfo();
    return info;
}

// Tests that each inside and spanning rule maps a rectangle as the corner pieces say, that a
// rectangle ending exactly on a corner piece's right edge is not inside it, and that nothing
// moves when every corner piece is empty.
TEST(FrameGeometry, CalcObjectRectFollowsTheCornerPieces)
{
    struct Case {
        const char* name;
        TRect in, out;
    } cases[] = {
        {"inside LT", Rect(2, 2, 10, 10), Rect(2, 2, 10, 10)},
        {"inside RT", Rect(85, 5, 95, 15), Rect(135, 5, 145, 15)},
        {"inside LB", Rect(2, 65, 10, 75), Rect(2, 85, 10, 95)},
        {"inside RB", Rect(85, 65, 95, 75), Rect(135, 85, 145, 95)},
        {"LT to RB", Rect(5, 5, 90, 70), Rect(5, 5, 140, 90)},
        {"LT to RT", Rect(5, 5, 90, 20), Rect(5, 5, 140, 20)},
        {"LB to RB", Rect(5, 65, 90, 75), Rect(5, 85, 140, 95)},
        {"LT to LB", Rect(5, 5, 15, 70), Rect(5, 5, 15, 90)},
        {"RT to RB", Rect(85, 5, 95, 70), Rect(135, 5, 145, 90)},
        {"in no corner", Rect(30, 35, 50, 50), Rect(30, 35, 50, 50)},
        {"ends on RT's right edge", Rect(85, 5, 100, 15), Rect(85, 5, 100, 15)},
        {"LT to RT's right edge", Rect(5, 5, 100, 20), Rect(5, 5, 100, 20)},
    };
    TspFrameGeometry g = SyntheticFrame();
    for (const Case& c : cases)
        EXPECT_EQ(g.CalcObjectRect(c.in), c.out) << c.name;

    // Corner points on the picture's edges leave every corner piece empty.
    g.Skin.LTPoint = {0, 0};
    g.Skin.RTPoint = {100, 0};
    g.Skin.LBPoint = {0, 80};
    g.Skin.RBPoint = {100, 80};
    for (const Case& c : cases)
        EXPECT_EQ(g.CalcObjectRect(c.in), c.in) << "no corners, " << c.name;
}

// Tests that linked-control areas move or stretch only on the axes they ask for.
TEST(FrameGeometry, CalcAreaRectMovesOnlyTheAskedAxes)
{
    TspFrameGeometry g = SyntheticFrame();
    const TRect r = Rect(30, 35, 50, 50);
    EXPECT_EQ(g.CalcAreaRect(Rect(85, 5, 95, 15), {}), Rect(135, 5, 145, 15));
    EXPECT_EQ(g.CalcAreaRect(Rect(85, 5, 95, 15), {true, false, false, false, false}), Rect(85, 5, 95, 15));
    EXPECT_EQ(g.CalcAreaRect(r, {true, false, false, false, false}), r);
    EXPECT_EQ(g.CalcAreaRect(r, {true, true, false, false, false}), Rect(80, 35, 100, 50));
    EXPECT_EQ(g.CalcAreaRect(r, {true, true, true, true, false}), Rect(30, 55, 100, 70));
    EXPECT_EQ(g.CalcAreaRect(r, {true, false, true, false, true}), Rect(30, 35, 50, 70));
}

// Tests that the frame at the picture's own size is the skin's frame, and that a larger window
// moves every point and rectangle by the size difference (default skin, 300 x 200: dx 104, dy 54).
TEST(FrameGeometry, CalcRectsAtPictureSizeAndLarger)
{
    TspFrameGeometry g;
    g.Skin = DefaultSkin();
    g.Form.Width = 196;
    g.Form.Height = 146;
    g.CalcRects();
    EXPECT_EQ(g.FFormWidth, 196);
    EXPECT_EQ(g.NewLTPoint, (TPoint{12, 40}));
    EXPECT_EQ(g.NewRBPoint, (TPoint{184, 134}));
    EXPECT_EQ(g.NewClRect, Rect(2, 29, 194, 144));
    EXPECT_EQ(g.NewCaptionRect, Rect(4, 3, 190, 24));
    EXPECT_EQ(g.NewMaskRectArea, Rect(2, 29, 194, 144));
    EXPECT_EQ(g.NewHitTestRBPoint, (TPoint{191, 141}));

    g.FFormWidth = 300;
    g.FFormHeight = 200;
    g.CalcRects();
    EXPECT_EQ(g.NewLTPoint, (TPoint{12, 40}));
    EXPECT_EQ(g.NewRTPoint, (TPoint{288, 40}));
    EXPECT_EQ(g.NewLBPoint, (TPoint{12, 188}));
    EXPECT_EQ(g.NewRBPoint, (TPoint{288, 188}));
    EXPECT_EQ(g.NewClRect, Rect(2, 29, 298, 198));
    EXPECT_EQ(g.NewCaptionRect, Rect(4, 3, 294, 24));
    EXPECT_TRUE(IsEmptyRect(g.NewButtonsRect));
    EXPECT_EQ(g.NewButtonsOffset, 2);
    EXPECT_FALSE(g.NewButtonsInLeft);
    EXPECT_EQ(g.NewMaskRectArea, Rect(2, 29, 298, 198));
    EXPECT_EQ(g.NewHitTestLTPoint, (TPoint{5, 6}));
    EXPECT_EQ(g.NewHitTestRTPoint, (TPoint{295, 6}));
    EXPECT_EQ(g.NewHitTestLBPoint, (TPoint{5, 195}));
    EXPECT_EQ(g.NewHitTestRBPoint, (TPoint{295, 195}));
    EXPECT_TRUE(g.HasSkinFrame());
    EXPECT_TRUE(g.CanStretchFrame());
    EXPECT_FALSE(g.IsModernSkin());
}

// Tests that a button band follows the right edge only when it starts right of the picture's
// middle, and that a main-menu band inside the bottom-left corner piece drops with the bottom.
TEST(FrameGeometry, CalcRectsMovesRightButtonBandsAndBottomMenus)
{
    struct Case {
        TRect buttons, newButtons, menu, newMenu;
    } cases[] = {
        {Rect(51, 2, 90, 20), Rect(101, 2, 140, 20), Rect(0, 62, 40, 70), Rect(0, 82, 90, 90)},
        {Rect(50, 2, 90, 20), Rect(50, 2, 90, 20), Rect(20, 62, 40, 70), Rect(20, 62, 90, 70)},
        {Rect(10, 2, 40, 20), Rect(10, 2, 40, 20), Rect(0, 30, 60, 45), Rect(0, 30, 110, 45)},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g = SyntheticFrame();
        g.Skin.ButtonsRect = c.buttons;
        g.Skin.MainMenuRect = c.menu;
        g.CalcRects();
        EXPECT_EQ(g.NewButtonsRect, c.newButtons);
        EXPECT_EQ(g.NewMainMenuRect, c.newMenu);
    }
}

// Caption items for the flow tests, in a shuffled list order.
enum ItemId { kMin, kCaption, kClose, kHelp, kMax, kSys, kItemCount };

std::vector<TArrangeItem> CaptionItems()
{
    std::vector<TArrangeItem> items(kItemCount);
    auto button = [&](ItemId id, TStdCommand cmd, TRect skin) {
        items[id] = {TArrangeKind::StdButton, cmd, skin, {}, true, true, true, false, false};
    };
    button(kMin, cmMinimize, Rect(100, 3, 130, 24));
    items[kCaption] = {TArrangeKind::Caption, cmDefault, Rect(2, 0, 194, 29), {}, true, true, false, false, false};
    button(kClose, cmClose, Rect(130, 3, 160, 24));
    button(kHelp, cmDefault, Rect(60, 3, 80, 24));
    button(kMax, cmMaximize, Rect(160, 3, 190, 24));
    button(kSys, cmSysMenu, Rect(20, 3, 38, 21));
    items[kSys].Visible = false;
    return items;
}

// Tests the caption buttons' flow over the default skin's caption band at 300 pixels (caption
// band (4, 3, 294, 24), gap 2): command order, not list order; hidden separate-image buttons
// close ranks while frame-drawn ones keep the frame's place; the caption ends where the last
// button begins and starts after the system button, which is centred in the caption band.
TEST(FrameGeometry, ArrangeObjectsFlowsButtonsInCommandOrder)
{
    struct Case {
        const char* name;
        std::function<void(TspFrameGeometry&, std::vector<TArrangeItem>&)> setup;
        std::vector<std::pair<ItemId, TRect>> expected;
    } cases[] = {
        {"right",
         [](TspFrameGeometry&, std::vector<TArrangeItem>&) {},
         {{kClose, Rect(264, 3, 294, 24)},
          {kMax, Rect(232, 3, 262, 24)},
          {kMin, Rect(200, 3, 230, 24)},
          {kHelp, Rect(178, 3, 198, 24)},
          {kCaption, Rect(2, 0, 178, 29)},
          {kSys, Rect(20, 3, 38, 21)}}},
        {"hidden separate-image maximize",
         [](TspFrameGeometry&, std::vector<TArrangeItem>& it) { it[kMax].Visible = false; },
         {{kClose, Rect(264, 3, 294, 24)},
          {kMin, Rect(232, 3, 262, 24)},
          {kHelp, Rect(210, 3, 230, 24)},
          {kCaption, Rect(2, 0, 210, 29)}}},
        {"frame-drawn maximize",
         [](TspFrameGeometry&, std::vector<TArrangeItem>& it) {
             it[kMax].SkinRectInAPicture = false;
             it[kMax].Enabled = false;
             it[kMax].SkinRect = Rect(186, 5, 194, 15);
         },
         {{kClose, Rect(264, 3, 294, 24)},
          {kMax, Rect(290, 5, 298, 15)},
          {kMin, Rect(232, 3, 262, 24)}}},
        {"icon system button",
         [](TspFrameGeometry& g, std::vector<TArrangeItem>& it) {
             g.Form.SmallIconSize = {16, 16};
             it[kSys].Visible = true;
             it[kSys].ShowIcon = true;
         },
         {{kSys, Rect(4, 5, 20, 21)}, {kCaption, Rect(20, 0, 178, 29)}}},
        {"icon system button without the small-icon metric",
         [](TspFrameGeometry&, std::vector<TArrangeItem>& it) {
             it[kSys].Visible = true;
             it[kSys].ShowIcon = true;
         },
         {{kSys, Rect(4, 5, 21, 22)}, {kCaption, Rect(21, 0, 178, 29)}}},
        {"disabled system button stays",
         [](TspFrameGeometry&, std::vector<TArrangeItem>& it) {
             it[kSys].Visible = true;
             it[kSys].Enabled = false;
         },
         {{kSys, Rect(20, 3, 38, 21)}, {kCaption, Rect(2, 0, 178, 29)}}},
        {"left",
         [](TspFrameGeometry& g, std::vector<TArrangeItem>& it) {
             g.Skin.CapButtonsInLeft = true;
             it[kSys].Visible = true;
         },
         {{kClose, Rect(4, 3, 34, 24)},
          {kMax, Rect(36, 3, 66, 24)},
          {kMin, Rect(68, 3, 98, 24)},
          {kHelp, Rect(100, 3, 120, 24)},
          {kSys, Rect(122, 3, 140, 21)},
          {kCaption, Rect(144, 0, 298, 29)}}},
        {"right-half button band",
         [](TspFrameGeometry& g, std::vector<TArrangeItem>& it) {
             g.Skin.ButtonsRect = Rect(120, 2, 190, 25);
             it[kSys].Visible = true;
         },
         {{kClose, Rect(264, 2, 294, 23)},
          {kMax, Rect(232, 2, 262, 23)},
          {kSys, Rect(4, 4, 22, 22)},
          {kCaption, Rect(22, 0, 298, 29)}}},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g;
        g.Skin = DefaultSkin();
        g.FFormWidth = 300;
        g.FFormHeight = 200;
        std::vector<TArrangeItem> items = CaptionItems();
        c.setup(g, items);
        g.CalcRects();
        g.ArrangeObjects(items);
        for (const auto& [id, rect] : c.expected)
            EXPECT_EQ(items[id].ObjectRect, rect) << c.name << ", item " << id;
        EXPECT_EQ(items[kMax].Enabled, c.name != std::string("frame-drawn maximize")) << c.name;
    }
}

// Tests that without a non-client area only the frame mapping runs, and that the size grip
// follows the frame only when the skin has one.
TEST(FrameGeometry, ArrangeObjectsWithoutNonClientAreaOnlyMaps)
{
    TspFrameGeometry g;
    g.Skin = DefaultSkin();
    g.Form.SupportNCArea = false;
    g.FFormWidth = 300;
    g.FFormHeight = 200;
    g.CalcRects();
    std::vector<TArrangeItem> items = CaptionItems();
    g.ArrangeObjects(items);
    EXPECT_EQ(items[kClose].ObjectRect, Rect(130, 3, 160, 24));
    EXPECT_EQ(items[kCaption].ObjectRect, Rect(2, 0, 298, 29));
    EXPECT_TRUE(IsEmptyRect(g.FSizeGripArea));
    g.Skin.SizeGripArea = Rect(186, 136, 194, 144);
    g.ArrangeObjects(items);
    EXPECT_EQ(g.FSizeGripArea, Rect(290, 190, 298, 198));
}

// Tests the client rectangle told to the window manager: the skin's frame widths, the plain
// frame, tool windows, and a window too small for its frame collapsing without inverting.
TEST(FrameGeometry, ClientRectFromWindowRect)
{
    struct Case {
        const char* name;
        bool skin;
        TFormBorder border;
        bool fullLayeredBorder;
        TRect window, client;
    } cases[] = {
        {"skin", true, TFormBorder::Sizeable, false, Rect(100, 50, 400, 250), Rect(102, 79, 398, 248)},
        {"skin, tiny", true, TFormBorder::Sizeable, false, Rect(100, 50, 102, 60), Rect(102, 79, 102, 79)},
        {"skin, full layered border", true, TFormBorder::Sizeable, true, Rect(100, 50, 400, 250),
         Rect(100, 50, 400, 250)},
        {"plain", false, TFormBorder::Sizeable, false, Rect(0, 0, 300, 200), Rect(3, 22, 297, 197)},
        {"plain, tiny", false, TFormBorder::Sizeable, false, Rect(0, 0, 10, 10), Rect(3, 22, 7, 22)},
        {"plain tool window", false, TFormBorder::SizeToolWin, false, Rect(0, 0, 300, 200),
         Rect(3, 18, 297, 197)},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g;
        if (c.skin)
            g.Skin = DefaultSkin();
        g.Form.BorderStyle = c.border;
        g.Form.FullLayeredBorder = c.fullLayeredBorder;
        g.Form.Width = c.window.Width();
        g.Form.Height = c.window.Height();
        EXPECT_EQ(g.CalcClientRect(c.window), c.client) << c.name;
    }
}

// Tests the plain frame's caption and buttons: squares of the default button size from the
// right, no gap, and the icon system button at the left.
TEST(FrameGeometry, CalcDefRectsPlacesThePlainButtons)
{
    struct Case {
        TFormBorder border;
        TRect caption, close, max, min, sys;
    } cases[] = {
        {TFormBorder::Sizeable, Rect(19, 3, 246, 22), Rect(280, 4, 297, 21), Rect(263, 4, 280, 21),
         Rect(246, 4, 263, 21), Rect(3, 4, 19, 20)},
        {TFormBorder::ToolWindow, Rect(19, 3, 258, 18), Rect(284, 4, 297, 17), Rect(271, 4, 284, 17),
         Rect(258, 4, 271, 17), Rect(3, 4, 19, 20)},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g;
        g.Form.BorderStyle = c.border;
        g.Form.SmallIconSize = {16, 16};
        g.FFormWidth = 300;
        std::vector<TArrangeItem> items = CaptionItems();
        items[kSys].Visible = true;
        items[kSys].ShowIcon = true;
        items[kHelp].Visible = false;
        g.CalcDefRects(items);
        EXPECT_EQ(g.NewDefCaptionRect, c.caption);
        EXPECT_EQ(items[kClose].ObjectRect, c.close);
        EXPECT_EQ(items[kMax].ObjectRect, c.max);
        EXPECT_EQ(items[kMin].ObjectRect, c.min);
        EXPECT_EQ(items[kSys].ObjectRect, c.sys);
    }
}

// Tests the size limits the window manager is given (default skin: picture 196 x 146, client
// 192 x 115, so the frame adds 4 x 31; work area 1920 x 1040 on a 1920 x 1080 monitor).
TEST(FrameGeometry, SizeLimits)
{
    using Setup = std::function<void(TFormFacts&, TFormSkinInfo&)>;
    struct Case {
        const char* name;
        bool skin;
        Setup setup;
        int32_t minW, minH, maxW, maxH;
    } cases[] = {
        {"main window settings", true, [](TFormFacts& f, TFormSkinInfo&) { f.MinClientWidth = 650; },
         654, 31, 1920, 1040},
        {"minimized", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MinClientWidth = 650;
             f.MinHeight = 100;
             f.Minimized = true;
         },
         196, 31, 1920, 1040},
        {"rolled up", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MinHeight = 100;
             f.MinClientHeight = 200;
             f.RollUp = true;
         },
         196, 31, 1920, 1040},
        {"form minimum and maximum", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MinWidth = 300;
             f.MinHeight = 100;
             f.MaxWidth = 900;
             f.MaxHeight = 700;
         },
         300, 100, 900, 700},
        {"skin minimum", true,
         [](TFormFacts& f, TFormSkinInfo& s) {
             s.FormMinWidth = 250;
             s.FormMinHeight = 60;
             f.MinWidth = 150;
             f.MinHeight = 80;
         },
         250, 80, 1920, 1040},
        {"client maximum", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MaxClientWidth = 800;
             f.MaxClientHeight = 500;
         },
         196, 31, 804, 531},
        {"client maximum, maximized", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MaxClientWidth = 800;
             f.Maximized = true;
         },
         196, 31, 1920, 1040},
        {"borderless", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.BorderStyle = TFormBorder::None;
             f.MinClientWidth = 650;
             f.MinClientHeight = 300;
         },
         650, 300, 1920, 1040},
        {"full screen maximum", true, [](TFormFacts& f, TFormSkinInfo&) { f.MaximizeOnFullScreen = true; },
         196, 31, 1920, 1080},
        {"no skin", false,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MinClientWidth = 650;
             f.MaxClientWidth = 800;
             f.MaxClientHeight = 500;
         },
         656, 25, 806, 525},
        {"no skin, defaults", false, [](TFormFacts&, TFormSkinInfo&) {}, 130, 25, 1920, 1040},
        {"no skin, tool window", false,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.BorderStyle = TFormBorder::ToolWindow;
             f.MinWidth = 200;
             f.MinClientHeight = 40;
         },
         200, 61, 1920, 1040},
        {"no skin, rolled up", false,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.MinClientHeight = 40;
             f.MinHeight = 100;
             f.RollUp = true;
         },
         130, 25, 1920, 1040},
        {"no skin, form minimum height", false, [](TFormFacts& f, TFormSkinInfo&) { f.MinHeight = 100; },
         130, 100, 1920, 1040},
        {"skin in the client", true,
         [](TFormFacts& f, TFormSkinInfo&) {
             f.SupportNCArea = false;
             f.MinWidth = 100;
             f.MaxClientWidth = 800;
         },
         100, 146, 1920, 1040},
        {"no skin in the client", false, [](TFormFacts& f, TFormSkinInfo&) { f.SupportNCArea = false; },
         0, 0, 1920, 1040},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g;
        if (c.skin)
            g.Skin = DefaultSkin();
        g.Form.Monitor = {Rect(0, 0, 1920, 1040), Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080)};
        c.setup(g.Form, g.Skin);
        EXPECT_EQ(g.GetMinWidth(), c.minW) << c.name;
        EXPECT_EQ(g.GetMinHeight(), c.minH) << c.name;
        EXPECT_EQ(g.GetMaxWidth(), c.maxW) << c.name;
        EXPECT_EQ(g.GetMaxHeight(), c.maxH) << c.name;
    }
}

// Tests the maximized bounds: the work area, one pixel in when no task bar reserves space on
// the primary monitor, and less the layered frame's sizes under a shown full layered border.
TEST(FrameGeometry, MaximizedRect)
{
    struct Case {
        const char* name;
        TMonitorAreas monitor;
        bool fullScreen, layered;
        TRect expected;
    } cases[] = {
        {"task bar", {Rect(0, 0, 1920, 1040), Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080)}, false, false,
         Rect(0, 0, 1920, 1040)},
        {"no task bar", {Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080)}, false,
         false, Rect(1, 1, 1919, 1079)},
        {"second monitor without task bar",
         {Rect(1920, 0, 3200, 1024), Rect(1920, 0, 3200, 1024), Rect(0, 0, 1920, 1080)}, false, false,
         Rect(1920, 0, 3200, 1024)},
        {"full screen", {Rect(0, 0, 1920, 1040), Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080)}, true, false,
         Rect(0, 0, 1920, 1080)},
        {"full screen without task bar",
         {Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080)}, true, false,
         Rect(0, 0, 1920, 1080)},
        {"full layered border", {Rect(0, 0, 1920, 1040), Rect(0, 0, 1920, 1080), Rect(0, 0, 1920, 1080)},
         false, true, Rect(21, 21, 1892, 1013)},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g;
        g.Form.Monitor = c.monitor;
        g.Form.MaximizeOnFullScreen = c.fullScreen;
        g.Form.FullLayeredBorder = g.Form.LayerBorderVisible = c.layered;
        g.Form.LayerFrameMargins = Rect(21, 21, 28, 27);
        EXPECT_EQ(g.GetMaximizedRect(), c.expected) << c.name;
    }
}

// Tests that background picture indexes naming no active picture are taken as none.
TEST(FrameGeometry, SkinInfoDropsBackgroundIndexesWithoutPicture)
{
    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    struct Case {
        int32_t index, expected;
    } cases[] = {{0, 0}, {14, 14}, {15, -1}, {-7, -1}, {1000000, -1}};
    for (const Case& c : cases) {
        sd.BGPictureIndex = sd.MDIBGPictureIndex = c.index;
        TFormSkinInfo s = TFormSkinInfo::From(&sd);
        EXPECT_EQ(s.BGPictureIndex, c.expected) << c.index;
        EXPECT_EQ(s.MDIBGPictureIndex, c.expected) << c.index;
        TPoint size = c.expected == -1 ? TPoint{} : TPoint{sd.FActivePictures[c.expected]->Width,
                                                             sd.FActivePictures[c.expected]->Height};
        EXPECT_EQ(s.BGPictureSize, size) << c.index;
    }
    EXPECT_FALSE(TFormSkinInfo::From(nullptr).Loaded);
}

// Tests that a definition's largest numbers and extreme window sizes lay out without overflow
// (the sanitizers stop at any), buttons still flowing in order and the client never inverted.
TEST(FrameGeometry, HugeSkinValuesLayOutWithoutOverflow)
{
    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    const int32_t big = INT32_MAX;
    sd.ClRect = sd.MaskRectArea = sd.CaptionRect = sd.ButtonsRect = Rect(2, 29, big, big);
    sd.RTPoint = sd.RBPoint = sd.HitTestRBPoint = {big, big};
    sd.ButtonsOffset = big;
    sd.SizeGripArea = Rect(0, 0, big, big);
    for (TPoint size : {TPoint{1920, 1080}, TPoint{big, big}, TPoint{INT32_MIN, INT32_MIN}}) {
        TspFrameGeometry g;
        g.Skin = TFormSkinInfo::From(&sd);
        g.FFormWidth = size.X;
        g.FFormHeight = size.Y;
        g.CalcRects();
        std::vector<TArrangeItem> items = CaptionItems();
        items[kClose].SkinRect = Rect(0, 0, big, big);
        g.ArrangeObjects(items);
        EXPECT_LE(items[kMax].ObjectRect.Right, items[kClose].ObjectRect.Left);
        g.CalcDefRects(items);
        TRect client = g.CalcClientRect(Rect(big - 10, big - 10, big, big));
        EXPECT_TRUE(client.Left <= client.Right && client.Top <= client.Bottom);
    }
}

// Tests which picture the client background comes from: an MDI background only with UseRibbon,
// then the background picture whole, then the frame picture's client piece, else the face colour.
TEST(FrameGeometry, ClientBackgroundSource)
{
    using Setup = std::function<void(TspFrameGeometry&)>;
    const TClientBackground face{};
    struct Case {
        const char* name;
        Setup setup;
        TClientBackground expected;
    } cases[] = {
        {"no skin", [](TspFrameGeometry& g) { g.Skin = {}; }, face},
        {"frame piece", [](TspFrameGeometry&) {},
         {TClientBGSource::FramePiece, -1, Rect(2, 29, 194, 144), false, spstFull}},
        {"no client rectangle", [](TspFrameGeometry& g) { g.Skin.ClRect = {}; }, face},
        {"background picture",
         [](TspFrameGeometry& g) {
             g.Skin.BGPictureIndex = 3;
             g.Skin.BGPictureSize = {40, 30};
             g.Skin.Stretch.StretchEffect = true;
             g.Skin.Stretch.StretchType = spstHorz;
             g.Skin.MDIBGPictureIndex = 5;
         },
         {TClientBGSource::Picture, 3, Rect(0, 0, 40, 30), true, spstHorz}},
        {"MDI background with UseRibbon",
         [](TspFrameGeometry& g) {
             g.Form.UseRibbon = true;
             g.Skin.BGPictureIndex = 3;
             g.Skin.MDIBGPictureIndex = 5;
             g.Skin.MDIBGPictureSize = {10, 12};
             g.Skin.MDIBGStretchEffect = true;
             g.Skin.MDIBGStretchType = spstVert;
         },
         {TClientBGSource::Picture, 5, Rect(0, 0, 10, 12), true, spstVert}},
        {"UseRibbon without MDI background", [](TspFrameGeometry& g) { g.Form.UseRibbon = true; },
         {TClientBGSource::FramePiece, -1, Rect(2, 29, 194, 144), false, spstFull}},
    };
    for (const Case& c : cases) {
        TspFrameGeometry g;
        g.Skin = DefaultSkin();
        c.setup(g);
        EXPECT_EQ(g.GetClientBackground(), c.expected) << c.name;
    }
}

// Tests that the logo is centred in the client and never placed at negative coordinates.
TEST(FrameGeometry, LogoIsCentredNeverNegative)
{
    EXPECT_EQ(LogoPosition({300, 200}, {100, 50}), (TPoint{100, 75}));
    EXPECT_EQ(LogoPosition({301, 201}, {101, 51}), (TPoint{100, 75}));
    EXPECT_EQ(LogoPosition({300, 200}, {400, 100}), (TPoint{0, 50}));
    EXPECT_EQ(LogoPosition({0, 0}, {10, 10}), (TPoint{0, 0}));
}

} // namespace
} // namespace vt
