// The skinned list box's layout, heights, bar decisions, tab stops and item looks, worked out by
// hand for a 170 x 170 list with and without the zozaziz skin's "listbox" record (a 60 x 60 frame
// with a 2-pixel client margin, 18-pixel items, bars 17 thick).
#include "controls/list_box_model.h"

#include "controls/skin_control_model.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "unit/controls/default_skin_records.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>

namespace vt {
namespace {

class ListBoxModel : public test::DefaultSkinRecords {
protected:
    void SetUp() override
    {
        auto found = FindControlRecord<TspDataSkinListBox>(sd_, L"listbox");
        ASSERT_TRUE(found);
        look_ = CopyListBoxLook(*static_cast<const TspDataSkinListBox*>(found.Record));
        auto bar = FindControlRecord<TspDataSkinCustomControl>(sd_, look_.VScrollBarName);
        ASSERT_TRUE(bar);
        barThickness_ = static_cast<const TspDataSkinCustomControl*>(bar.Record)->SkinRect.Width();
        ASSERT_EQ(barThickness_, 17);
        ASSERT_EQ(ListBoxItemHeight(&look_, true, 20), 18);
    }

    TListBoxLook look_;
    int32_t barThickness_ = 0;
};

// Tests 30 items in a 170 x 170 list: without a record the native list is 166 high and the bar
// shows a page of 8; with the record the list is 166 high less nothing and items are 18, so the
// page is 9. Deleting items until a page holds them all frees the bar and widens the list again.
TEST_F(ListBoxModel, ThirtyItemsShowTheBarUntilAPageHoldsThem)
{
    for (const TListBoxLook* look : {static_cast<const TListBoxLook*>(nullptr), static_cast<const TListBoxLook*>(&look_)}) {
        SCOPED_TRACE(look ? "record" : "no record");
        const int32_t itemHeight = ListBoxItemHeight(look, true, 20);
        TListBoxLayoutInput in;
        in.Width = in.Height = 170;
        in.Look = look;
        const TRect fullList = LayoutListBox(in).List;
        EXPECT_EQ(fullList, Rect(2, 2, 168, 168));

        struct Case {
            int32_t count;
            bool bar;
        } cases[] = {{30, true}, {look ? 10 : 9, true}, {look ? 9 : 8, false}, {0, false}};
        for (const Case& c : cases) {
            SCOPED_TRACE(c.count);
            // The native list's range runs to the last item; the position is its TopIndex.
            TVertBarInput v{{0, std::max(c.count - 1, 0), 0}, 0, c.count, fullList.Height(), itemHeight};
            in.VertBar = true;
            in.VertBarWidth = barThickness_;
            v.ListHeight = LayoutListBox(in).List.Height();
            EXPECT_EQ(v.ListHeight, 166);
            TBarDecision d = DecideVertBar(v);
            const int32_t page = look ? 9 : 8;
            if (c.bar) {
                ASSERT_EQ(d.Action, TBarAction::Show);
                EXPECT_EQ(d.Setting, (TBarSetting{0, c.count - 1, page, 0, 0, page}));
            } else {
                EXPECT_EQ(d.Action, TBarAction::Hide);
            }
        }
        in.VertBar = true;
        in.VertBarWidth = barThickness_;
        TListBoxLayout withBar = LayoutListBox(in);
        ASSERT_TRUE(withBar.VertBar);
        if (look) {
            EXPECT_EQ(*withBar.VertBar, Rect(151, 2, 168, 168));
            EXPECT_EQ(withBar.List, Rect(2, 2, 151, 168));
        } else {
            EXPECT_EQ(*withBar.VertBar, Rect(150, 1, 169, 169));
            EXPECT_EQ(withBar.List, Rect(2, 2, 150, 168));
        }
    }
}

// Tests every layout row: a horizontal bar alone (the list ends above it), both bars (the
// vertical one stops above the horizontal one), the column bar, and caption mode without record.
TEST_F(ListBoxModel, LayoutRows)
{
    struct Case {
        const char* name;
        bool record, caption, columns, horz, vert;
        std::optional<TRect> horzBar, vertBar;
        TRect list;
    } cases[] = {
        {"horizontal alone", false, false, false, true, false, Rect(1, 150, 169, 169), {}, Rect(2, 2, 168, 150)},
        {"horizontal alone, record", true, false, false, true, false, Rect(2, 151, 168, 168), {}, Rect(2, 2, 168, 151)},
        {"both", false, false, false, true, true, Rect(1, 150, 169, 169), Rect(150, 1, 169, 151), Rect(2, 2, 150, 150)},
        {"both, record", true, false, false, true, true, Rect(2, 151, 168, 168), Rect(151, 2, 168, 151),
         Rect(2, 2, 151, 151)},
        {"columns", false, false, true, true, true, {}, Rect(1, 150, 169, 169), Rect(2, 2, 168, 150)},
        {"columns, record", true, false, true, true, true, {}, Rect(2, 151, 168, 168), Rect(2, 2, 168, 151)},
        {"columns without bar", false, false, true, false, false, {}, {}, Rect(2, 2, 168, 168)},
        {"caption", false, true, false, false, true, {}, Rect(150, 20, 169, 169), Rect(2, 21, 150, 168)},
        {"caption without bar", false, true, false, false, false, {}, {}, Rect(2, 21, 168, 168)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TListBoxLayoutInput in;
        in.Width = in.Height = 170;
        in.Look = c.record ? &look_ : nullptr;
        in.CaptionMode = c.caption;
        in.Columns = c.columns;
        in.HorzBar = c.horz;
        in.HorzBarHeight = barThickness_;
        in.VertBar = c.vert;
        in.VertBarWidth = in.ColumnBarHeight = barThickness_;
        TListBoxLayout l = LayoutListBox(in);
        EXPECT_EQ(l.HorzBar, c.horzBar);
        EXPECT_EQ(l.VertBar, c.vertBar);
        EXPECT_EQ(l.List, c.list);
        if (l.HorzBar) {
            EXPECT_LE(l.List.Bottom, l.HorzBar->Top);
        }
    }
}

// Tests CalcHeight with and without record, in caption mode and with a horizontal bar, and that a
// list sized by RowCount never gets a vertical bar even when the native list reports a range.
TEST_F(ListBoxModel, RowCountHeightAndNoBar)
{
    struct Case {
        bool record, caption, horz;
        int32_t expected;
    } cases[] = {
        {false, false, false, 5 * 20 + 4},
        {false, true, false, 5 * 20 + 4 + 20},
        {false, false, true, 5 * 20 + 4 + 17},
        {true, false, false, 5 * 18 + 2 + 2},
        {true, false, true, 5 * 18 + 4 + 17},
    };
    for (const Case& c : cases) {
        TListBoxHeightInput in;
        in.Count = 5;
        in.Look = c.record ? &look_ : nullptr;
        in.ItemHeight = ListBoxItemHeight(in.Look, true, 20);
        in.CaptionMode = c.caption;
        in.HorzBar = c.horz;
        in.HorzBarHeight = 17;
        EXPECT_EQ(CalcListBoxHeight(in), c.expected) << c.record << c.caption << c.horz;
    }
    TListBoxHeightInput huge;
    huge.Count = std::numeric_limits<int32_t>::max();
    huge.ItemHeight = 20;
    EXPECT_EQ(CalcListBoxHeight(huge), std::numeric_limits<int32_t>::max());

    // The list is sized to 5 rows: the bar stays away even where the page would not hold them.
    TListBoxLayoutInput layout;
    layout.Width = 170;
    layout.Height = CalcListBoxHeight({5, 20});
    const int32_t listHeight = LayoutListBox(layout).List.Height();
    EXPECT_EQ(listHeight, 100);
    EXPECT_EQ(DecideVertBar({{0, 4, 0}, 5, 5, listHeight, 20}).Action, TBarAction::Hide);
    EXPECT_EQ(DecideVertBar({{0, 4, 0}, 5, 5, 40, 20}).Action, TBarAction::Hide);
    EXPECT_EQ(DecideVertBar({{0, 4, 0}, 4, 5, 40, 20}).Action, TBarAction::Show);
    // A position past the native maximum, or an empty range, shows no bar.
    EXPECT_EQ(DecideVertBar({{0, 4, 5}, 0, 9, 40, 20}).Action, TBarAction::Hide);
    EXPECT_EQ(DecideVertBar({{0, 0, 0}, 0, 9, 40, 20}).Action, TBarAction::Hide);
}

// Tests the horizontal extent: the page is the list width less 4 (record: widened by the text
// rectangle's difference from the item), less the image width + 4; a text wider than the page
// shows the bar with steps of one digit; off, or a text that fits, frees it; suspended keeps it.
TEST_F(ListBoxModel, HorizontalExtentDecision)
{
    // zozaziz: ItemTextRect 32 wide in a 40-wide item, so the page is the list width - 8.
    ASSERT_EQ(look_.ItemTextRect.Width() - look_.SItemRect.Width(), -8);
    struct Case {
        bool extent, suspended, record;
        int32_t widest, images;
        TBarAction action;
        int32_t page;
    } cases[] = {
        {true, false, false, 200, -1, TBarAction::Show, 146},
        {true, false, false, 146, -1, TBarAction::Hide, 0},
        {true, false, false, 147, -1, TBarAction::Show, 146},
        {true, false, true, 143, -1, TBarAction::Show, 142},
        {true, false, true, 142, -1, TBarAction::Hide, 0},
        {true, false, false, 200, 16, TBarAction::Show, 126},
        {false, false, false, 500, -1, TBarAction::Hide, 0},
        {true, true, false, 500, -1, TBarAction::Keep, 0},
    };
    for (const Case& c : cases) {
        THorzBarInput in;
        in.HorizontalExtent = c.extent;
        in.Suspended = c.suspended;
        in.Look = c.record ? &look_ : nullptr;
        in.WidestText = c.widest;
        in.ListWidth = 150;
        in.ImageWidth = c.images;
        in.Position = 7;
        in.DigitWidth = 6;
        TBarDecision d = DecideHorzBar(in);
        EXPECT_EQ(d.Action, c.action) << c.widest << " record " << c.record;
        if (d.Action == TBarAction::Show) {
            EXPECT_EQ(d.Setting, (TBarSetting{0, c.widest, c.page, 7, 6, 6}));
        }
    }
}

// Tests the column bar: shown only while the columns cannot hold every item, with the column
// count as its page.
TEST_F(ListBoxModel, ColumnBarDecision)
{
    // 8 rows of 20 in 166 pixels, 2 columns: 16 items fit.
    EXPECT_EQ(DecideColumnBar({{0, 8, 0}, 2, 17, 166, 20}).Action, TBarAction::Show);
    EXPECT_EQ(DecideColumnBar({{0, 8, 3}, 2, 17, 166, 20}).Setting, (TBarSetting{0, 8, 2, 3, 0, 0}));
    EXPECT_EQ(DecideColumnBar({{0, 8, 0}, 2, 16, 166, 20}).Action, TBarAction::Hide);
    EXPECT_EQ(DecideColumnBar({{0, 1, 0}, 2, 40, 166, 20}).Action, TBarAction::Hide);
}

// Tests the tab stops: only the first 10 entries, digits-only entries as numbers (saturating past
// 32 bits), anything else 0.
TEST(ListBoxTabStops, Table)
{
    const int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Case {
        std::vector<String> widths;
        std::vector<int32_t> stops;
    } cases[] = {
        {{L"Left", L"Center", L"Right"}, {0, 0, 0}},
        {{L"40", L"x1", L"99999999999"}, {40, 0, kMax}},
        {{L"2147483647", L"2147483648", L"", L"-5", L" 7", L"007"}, {kMax, kMax, 0, 0, 0, 7}},
        {{L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9", L"10", L"11", L"12"}, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10}},
        {{}, {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListBoxTabStops(c.widths), c.stops) << c.widths.size();
    // Text starts 2 + offset in, centred, one pixel higher for an odd font height.
    EXPECT_EQ(TabbedTextOrigin({0, 20, 100, 40}, 18, 14, 14), Point(20, 23));
    EXPECT_EQ(TabbedTextOrigin({0, 20, 100, 40}, 0, 13, 13), Point(2, 23));
    EXPECT_EQ(TabbedTextOrigin({0, 20, 100, 40}, 0, 13, -13), Point(2, 23));
}

// Tests the states of the list's own paint: the current item is selected, and focused while the
// list has the focus; other items are selected only when some selection exists.
TEST(ListBoxItemState, Table)
{
    struct Case {
        TItemStateInput in;
        uint32_t state;
    } cases[] = {
        {{3, 3, true, 1, true}, 17},
        {{3, 3, false, 1, true}, 1},
        {{3, 3, true, 0, false}, 17},
        {{2, 3, true, 2, true}, 1},
        {{2, 3, true, 0, true}, 0},
        {{2, 3, true, 2, false}, 0},
        {{0, -1, true, 0, false}, 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ListItemState(c.in), c.state) << c.in.Index << " of " << c.in.ItemIndex;

    // From TopIndex down to the last item that shows, partly shown ones included.
    TVisibleItems v = VisibleItems(22, 30, 166, 20);
    EXPECT_EQ(v.First, 22);
    EXPECT_EQ(v.Last, 30);
    EXPECT_EQ(v.Bottom, 160);
    v = VisibleItems(0, 30, 166, 20);
    EXPECT_EQ(v.Last, 9);
    EXPECT_EQ(v.Bottom, 180);
    v = VisibleItems(0, 0, 166, 20);
    EXPECT_EQ(v.Last, 0);
    EXPECT_EQ(v.Bottom, 0);
}

// Tests the skinned item look per state against the record's rectangles and colours, the text
// rectangle following the item's width, and the record copy's fall-backs.
TEST_F(ListBoxModel, SkinItemLookTable)
{
    TListBoxLook look = look_;
    look.FontColor = 0x000001;
    look.ActiveFontColor = 0x000002;
    look.FocusFontColor = 0x000003;
    struct Case {
        uint32_t state;
        TRect source;
        bool stretch;
        TColor text;
        bool frame;
    } cases[] = {
        {kItemFocused, look.SItemRect, true, 0x000001, true},
        {kItemFocused | kItemSelected, look.FocusItemRect, true, 0x000003, false},
        {kItemSelected, look.ActiveItemRect, true, 0x000002, false},
        {0, look.SItemRect, false, 0x000001, false},
    };
    ASSERT_TRUE(look.StretchEffect);
    for (const Case& c : cases) {
        TSkinItemLook l = ChooseSkinItemLook(look, c.state, 150, false);
        EXPECT_EQ(l.Source, c.source) << c.state;
        EXPECT_EQ(l.Stretch, c.stretch) << c.state;
        EXPECT_EQ(l.TextColor, c.text) << c.state;
        EXPECT_EQ(l.FocusFrame, c.frame) << c.state;
        EXPECT_FALSE(l.ShowFocusFrame) << c.state;
        // ItemTextRect 4,0,36,18 in a 40-wide item, drawn 150 wide.
        EXPECT_EQ(l.TextRect, Rect(4, 0, 146, 18));
    }
    look.ShowFocus = true;
    EXPECT_TRUE(ChooseSkinItemLook(look, kItemFocused | kItemSelected, 150, false).ShowFocusFrame);
    EXPECT_FALSE(ChooseSkinItemLook(look, kItemFocused | kItemSelected, 150, true).ShowFocusFrame);
    EXPECT_FALSE(ChooseSkinItemLook(look, kItemSelected, 150, false).ShowFocusFrame);
    EXPECT_EQ(SkinItemInnerRect(look), Rect(5, 1, 35, 17));

    TspDataSkinListBox r(L"listbox");
    r.SItemRect = {0, 0, 40, 18};
    r.UpButtonRect = {1, 1, 5, 5};
    r.ActiveUpButtonRect = {5, 1, 9, 5};
    r.DownCheckButtonRect = {9, 9, 12, 12};
    TListBoxLook copied = CopyListBoxLook(r);
    EXPECT_EQ(copied.ActiveItemRect, r.SItemRect);
    EXPECT_EQ(copied.FocusItemRect, r.SItemRect);
    EXPECT_EQ(copied.Buttons[0].Down, r.ActiveUpButtonRect);
    EXPECT_EQ(copied.Buttons[2].Down, r.DownCheckButtonRect);
    r.ActiveItemRect = {40, 0, 80, 18};
    EXPECT_EQ(CopyListBoxLook(r).ActiveItemRect, r.ActiveItemRect);
}

// Tests the default look, the item images, the bars' skins and the wheel's extra step.
TEST_F(ListBoxModel, DefaultLookImagesBarSkinsAndWheel)
{
    TDefaultItemLook d = ChooseDefaultItemLook(kItemSelected | kItemFocused, {0, 20, 150, 40}, 0x123456);
    EXPECT_EQ(d.Brush, clHighlight);
    EXPECT_EQ(d.TextColor, clHighlightText);
    EXPECT_EQ(d.TextRect, Rect(2, 20, 148, 40));
    EXPECT_TRUE(d.FocusFrame);
    d = ChooseDefaultItemLook(0, {0, 20, 150, 40}, 0x123456);
    EXPECT_EQ(d.Brush, clWindow);
    EXPECT_EQ(d.TextColor, 0x123456);
    EXPECT_FALSE(d.FocusFrame);

    EXPECT_EQ(ItemImageIndex(-1, 3, 5), 3);
    EXPECT_EQ(ItemImageIndex(-1, 5, 5), -1);
    EXPECT_EQ(ItemImageIndex(2, 7, 5), 2);
    EXPECT_EQ(ItemImageIndex(5, 0, 5), -1);

    EXPECT_EQ(BarSkinOf(&look_, TListBar::Vertical), (TBarSkin{L"vscrollbar"}));
    EXPECT_EQ(BarSkinOf(&look_, TListBar::HorizontalAlone), (TBarSkin{L"hscrollbar"}));
    EXPECT_EQ(BarSkinOf(&look_, TListBar::HorizontalBesideVertical), (TBarSkin{L"bothhscrollbar"}));
    EXPECT_EQ(BarSkinOf(nullptr, TListBar::HorizontalAlone), (TBarSkin{}));
    EXPECT_EQ(BarSkinOf(nullptr, TListBar::HorizontalBesideVertical), (TBarSkin{L"", true, 19}));
    EXPECT_EQ(ListBoxItemHeight(&look_, false, 20), 20);
    EXPECT_EQ(ListBoxItemHeight(nullptr, true, 24), 24);

    EXPECT_EQ(WheelStep(true, true, 120), TWheelStep::LineUp);
    EXPECT_EQ(WheelStep(true, false, -120), TWheelStep::LineDown);
    EXPECT_EQ(WheelStep(false, true, 120), TWheelStep::HorzLeft);
    EXPECT_EQ(WheelStep(false, true, -120), TWheelStep::HorzRight);
    EXPECT_EQ(WheelStep(false, false, 120), TWheelStep::None);
}

} // namespace
} // namespace vt
