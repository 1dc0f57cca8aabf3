// The skinned page control's geometry, worked out by hand from the platform's answers: display
// rectangles in every tab position with and without a record, item corrections, the shifted tab
// row, the image reserve, the close button, the scroller and the wheel.
#include "controls/page_control_model.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// Tests every display-rectangle row against the platform's (2, 24, 298, 196) in a 300 x 200
// control whose skin frame keeps 3, 5, 4 and 6 pixels around the pages.
TEST(PageControlModel, DisplayRectEveryRow)
{
    const TFrameMargins m = FrameMarginsOf({10, 10, 60, 50}, {3, 5, 46, 34});
    ASSERT_EQ(m, (TFrameMargins{3, 5, 4, 6}));
    struct Case {
        TTabPosition pos;
        bool record, hideTabs, hideBorder;
        TRect expected;
    } cases[] = {
        {tpTop, true, true, true, {0, -2, 300, 200}},
        {tpLeft, false, true, true, {0, -2, 300, 200}},
        {tpTop, true, false, true, {-2, 20, 302, 200}},
        {tpBottom, false, true, true, {0, -2, 300, 200}},
        {tpTop, true, false, false, {3, 23, 296, 194}},
        {tpTop, true, true, false, {3, 22, 296, 194}},
        {tpTop, false, false, false, {1, 19, 299, 199}},
        {tpTop, false, true, false, {1, 18, 299, 199}},
        {tpBottom, true, false, false, {3, 25, 296, 194}},
        {tpBottom, true, true, false, {3, 25, 296, 195}},
        {tpBottom, false, false, false, {1, 1, 299, 199}},
        {tpBottom, false, true, false, {1, 1, 299, 199}},
        {tpLeft, true, false, false, {1, 25, 296, 194}},
        {tpLeft, true, true, false, {0, 25, 296, 194}},
        {tpLeft, false, false, false, {-1, 19, 299, 199}},
        {tpLeft, false, true, false, {-2, 19, 299, 199}},
        {tpRight, true, false, false, {3, 25, 298, 194}},
        {tpRight, true, true, false, {3, 25, 299, 194}},
        {tpRight, false, false, false, {-1, 19, 301, 199}},
        {tpRight, false, true, false, {-1, 19, 302, 199}},
    };
    for (const Case& c : cases) {
        TDisplayRectInput in;
        in.Platform = {2, 24, 298, 196};
        in.Position = c.pos;
        in.HasRecord = c.record;
        in.HideTabs = c.hideTabs;
        in.HideBorder = c.hideBorder;
        in.Margins = m;
        in.ClientWidth = in.Width = 300;
        in.ClientHeight = in.Height = 200;
        EXPECT_EQ(CorrectDisplayRect(in), c.expected)
            << int(c.pos) << " record " << c.record << " tabs hidden " << c.hideTabs << " border hidden "
            << c.hideBorder;
    }
    // With border and tabs hidden the pages cover exactly the client rectangle.
    EXPECT_EQ(PageAreaOf({0, -2, 300, 200}, tpTop), (TRect{0, 0, 300, 200}));
    EXPECT_EQ(PageAreaOf({1, 1, 299, 199}, tpBottom), (TRect{1, 1, 299, 199}));
    EXPECT_EQ(PageFrameOf({3, 25, 296, 194}, m), (TRect{0, 20, 300, 200}));
}

// Tests the item corrections of every position, single- and multi-line, the shifted row, and
// that button styles are left alone.
TEST(PageControlModel, ItemRectCorrections)
{
    struct Case {
        TTabPosition pos;
        bool multiLine;
        TTabStyle style;
        bool shifted;
        TRect expected;
    } cases[] = {
        {tpTop, false, tsTabs, false, {8, 18, 58, 38}},
        {tpTop, true, tsTabs, false, {10, 18, 60, 38}},
        {tpTop, false, tsTabs, true, {118, 18, 168, 38}},
        {tpBottom, false, tsTabs, false, {8, 22, 58, 42}},
        {tpBottom, true, tsTabs, true, {10, 22, 60, 42}},
        {tpLeft, true, tsTabs, false, {8, 20, 58, 40}},
        {tpRight, true, tsTabs, false, {12, 20, 62, 40}},
        {tpTop, false, tsButtons, true, {10, 20, 60, 40}},
        {tpBottom, false, tsFlatButtons, false, {10, 20, 60, 40}},
    };
    for (const Case& c : cases) {
        TItemRectInput in{{10, 20, 60, 40}, c.pos, c.multiLine, c.style, 110, c.shifted};
        EXPECT_EQ(CorrectItemRect(in), c.expected) << int(c.pos) << ' ' << c.multiLine << ' ' << int(c.style);
    }
}

// Tests TabsStart: the offset wins, fixed-width tabs centre, and it never goes below 0.
TEST(PageControlModel, TabsStart)
{
    struct Case {
        int offset, tabWidth, width, tabs, expected;
    } cases[] = {
        {0, 60, 400, 3, 110}, {5, 60, 400, 3, 5}, {0, 0, 400, 3, 0},
        {0, 60, 100, 3, 0},   {0, 61, 400, 3, 109}, {-4, 60, 400, 3, 110},
        {0, 2000000000, 400, 2000000000, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TabsStartOf(c.offset, c.tabWidth, c.width, c.tabs), c.expected) << c.offset << ' ' << c.tabWidth;
    EXPECT_TRUE(ShiftsTabRow(true, 0));
    EXPECT_TRUE(ShiftsTabRow(false, 1));
    EXPECT_FALSE(ShiftsTabRow(false, 0));
}

// Tests the reserve from the current state: images and close buttons widen top and bottom tabs
// and heighten side tabs, whatever came before.
TEST(PageControlModel, TabReserveFollowsCurrentState)
{
    struct Case {
        bool images;
        bool close;
        int closeSize;
        TTabPosition pos;
        TTabReserve expected;
    } cases[] = {
        {false, false, 14, tpTop, {1, 1}},   {true, false, 14, tpTop, {17, 1}},
        {true, true, 14, tpBottom, {31, 1}}, {true, true, 14, tpLeft, {1, 25}},
        {false, true, 16, tpRight, {1, 17}}, {false, true, 14, tpTop, {15, 1}},
        {false, false, 16, tpLeft, {1, 1}},
    };
    for (const Case& c : cases) {
        TTabReserveInput in{c.images, 16, 10, c.close, c.closeSize, c.pos};
        EXPECT_EQ(TabReserveOf(in), c.expected) << c.images << c.close << int(c.pos);
    }
}

// Tests the close button: its size from the record, the fallbacks of its pictures, the look for
// the mouse, its place, and its turn for side tabs.
TEST(PageControlModel, CloseButton)
{
    EXPECT_EQ(CloseSizeOf(true, {0, 0, 16, 12}), 16);
    EXPECT_EQ(CloseSizeOf(true, {}), 14);
    EXPECT_EQ(CloseSizeOf(false, {0, 0, 16, 12}), 14);

    const TRect n{0, 0, 14, 14}, a{14, 0, 28, 14}, d{28, 0, 42, 14};
    struct Looks {
        TRect active, down, wantActive, wantDown;
    } looks[] = {{a, d, a, d}, {{}, d, n, d}, {a, {}, a, a}, {{}, {}, n, n}};
    for (const Looks& l : looks) {
        TCloseLooks got = CompleteCloseLooks(n, l.active, l.down);
        EXPECT_EQ(got.Normal, n);
        EXPECT_EQ(got.Active, l.wantActive);
        EXPECT_EQ(got.Down, l.wantDown);
    }
    EXPECT_EQ(ChooseCloseLook(true, true), TCloseLook::Down);
    EXPECT_EQ(ChooseCloseLook(true, false), TCloseLook::Active);
    EXPECT_EQ(ChooseCloseLook(false, true), TCloseLook::Normal);

    const TRect placed = PlaceCloseButton(80, 20, 14, 14, 14);
    EXPECT_EQ(placed, (TRect{64, 3, 78, 17}));
    EXPECT_EQ(TurnTabRect(placed, tpTop, false, 80, 20), placed);
    EXPECT_EQ(TurnTabRect(placed, tpLeft, true, 80, 20), placed);
    EXPECT_EQ(TurnTabRect(placed, tpLeft, false, 80, 20), (TRect{3, 2, 17, 16}));
    EXPECT_EQ(TurnTabRect(placed, tpRight, false, 80, 20), (TRect{3, 64, 17, 78}));
}

// Tests the scroller's decision from the tabs' right edges and its place.
TEST(PageControlModel, ScrollerDecisionAndPlace)
{
    using A = TScrollerAction;
    const std::vector<int32_t> overflow{50, 100, 150, 200, 250}, fits{50, 100}, scrolled{-10, 0, 40, 90, 300};
    struct Case {
        std::vector<int32_t> edges;
        bool multiLine, tabsHidden, exists;
        A action;
        int hidden, position;
    } cases[] = {
        {overflow, false, false, false, A::Create, 2, 0},
        {overflow, false, false, true, A::Keep, 2, 0},
        {overflow, false, true, false, A::Keep, 2, 0},
        {overflow, true, false, true, A::Destroy, 2, 0},
        {fits, false, false, true, A::Destroy, 0, 0},
        {fits, false, false, false, A::Keep, 0, 0},
        {scrolled, false, false, false, A::Create, 3, 2},
    };
    for (const Case& c : cases) {
        TScrollerDecision d = DecideScroller({c.edges, 179, c.multiLine, c.tabsHidden, c.exists});
        EXPECT_EQ(d.Action, c.action) << c.edges.size() << c.multiLine << c.tabsHidden << c.exists;
        EXPECT_EQ(d.Hidden, c.hidden);
        EXPECT_EQ(d.Position, c.position);
    }

    struct Place {
        TTabPosition pos;
        bool record;
        TRect pageArea;
        TPoint expected;
    } places[] = {
        {tpTop, false, {0, 30, 300, 200}, {260, 0}},  {tpTop, true, {0, 30, 300, 190}, {260, 5}},
        {tpTop, true, {0, 10, 300, 190}, {260, 0}},   {tpBottom, false, {0, 0, 300, 150}, {260, 180}},
        {tpBottom, true, {0, 0, 300, 150}, {260, 156}}, {tpBottom, true, {0, 0, 300, 178}, {260, 180}},
    };
    for (const Place& p : places) {
        TScrollerPlaceInput in{p.pos, p.record, p.pageArea, {3, 5, 4, 6}, 300, 200, 40, 20};
        EXPECT_EQ(PlaceScroller(in), p.expected) << int(p.pos) << p.record;
    }
}

// Tests that the wheel steps over hidden tabs and stops at either end.
TEST(PageControlModel, WheelStopsAtEnds)
{
    const std::vector<bool> visible{true, false, true, true};
    struct Case {
        int active, delta;
        std::optional<int> expected;
    } cases[] = {
        {0, -120, 2}, {2, 120, 0}, {3, -120, std::nullopt}, {0, 120, std::nullopt},
        {-1, -120, std::nullopt}, {2, -120, 3}, {9, -120, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(WheelTarget(c.active, visible, c.delta), c.expected) << c.active << ' ' << c.delta;
}

// Tests which record rectangle a tab's background comes from.
TEST(PageControlModel, TabLook)
{
    EXPECT_EQ(ChooseTabLook(false, true, true, true), TTabLook::MouseIn);
    EXPECT_EQ(ChooseTabLook(false, true, true, false), TTabLook::Normal);
    EXPECT_EQ(ChooseTabLook(true, true, true, true), TTabLook::Focus);
    EXPECT_EQ(ChooseTabLook(true, false, true, true), TTabLook::Active);
}

} // namespace
} // namespace vt
