// The combo box's rectangles, size rule and drop-down placement, worked out by hand from the
// zozaziz skin's "combobox" record (60 x 21, right fixed part from 41, client 4,3 to 41,18, button
// 42,1 to 59,20) and without a record; and its state machine driven through a recording sink.
#include "controls/combo_box_model.h"

#include "controls/skin_control_model.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "unit/controls/default_skin_records.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace vt {
namespace {

class ComboBoxLook : public test::DefaultSkinRecords {
protected:
    void SetUp() override
    {
        auto found = FindControlRecord<TspDataSkinComboBox>(sd_, L"combobox");
        ASSERT_TRUE(found);
        record_ = static_cast<const TspDataSkinComboBox*>(found.Record);
        look_ = CopyComboBoxLook(*record_);
        ASSERT_EQ(look_.SkinRect.Width(), 60);
        ASSERT_EQ(look_.ListBoxName, L"listbox");
    }

    const TspDataSkinComboBox* record_ = nullptr;
    TComboBoxLook look_;
};

// Tests the button and item places with and without a record, for the tool button look (which
// ignores the record) and without the skin's height (both grow downwards).
TEST_F(ComboBoxLook, ButtonAndItemRectangles)
{
    TComboBoxLook leftButton = look_;
    leftButton.ButtonRect = Rect(1, 1, 18, 20);   // in the left part: stays where it is
    struct Case {
        const char* name;
        const TComboBoxLook* look;
        bool tool, skinSize;
        int32_t w, h;
        TRect button, item;
    } cases[] = {
        {"no record", nullptr, false, true, 120, 20, Rect(101, 0, 120, 20), Rect(2, 2, 100, 18)},
        {"tool button", &look_, true, true, 120, 24, Rect(101, 0, 120, 24), Rect(2, 2, 100, 22)},
        {"record", &look_, false, true, 120, 21, Rect(102, 1, 119, 20), Rect(4, 3, 101, 18)},
        {"record at its own width", &look_, false, true, 60, 21, Rect(42, 1, 59, 20), Rect(4, 3, 41, 18)},
        {"record, free height", &look_, false, false, 120, 30, Rect(102, 1, 119, 29), Rect(4, 3, 101, 27)},
        {"button in the left part", &leftButton, false, true, 120, 21, Rect(1, 1, 18, 20), Rect(4, 3, 101, 18)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TComboRects r = ComboBoxRects({c.w, c.h, c.look, c.tool, c.skinSize});
        EXPECT_EQ(r.Button, c.button);
        EXPECT_EQ(r.Item, c.item);
    }
    // The item picture is 30 wide with text to 27: at an item 97 wide the text runs to 94.
    const TRect item = Rect(4, 3, 101, 18);
    EXPECT_EQ(ComboItemTextRect(look_, item), Rect(3, 0, 94, 15));
    EXPECT_EQ(ComboItemHeight(look_, item), 15);
    TComboBoxLook bare = look_;
    bare.SItemRect = bare.FocusItemRect = TRect{};
    EXPECT_EQ(ComboItemHeight(bare, item), 15);   // the item rectangle's own
    EXPECT_EQ(ComboItemTextRect(bare, item).Right, 27 + 97 - 37);
    EXPECT_EQ(ComboEditRect(item, 13), Rect(4, 4, 101, 17));
}

// Tests the size rule: with the skin's height the band keeps 21 rows and applies the region;
// without it the height stays free, only the right point and client follow, and no region.
TEST_F(ComboBoxLook, SizeRuleWithAndWithoutSkinHeight)
{
    for (bool skinSize : {true, false}) {
        SCOPED_TRACE(skinSize);
        TControlGeometry g;
        g.Assign(CopyRecordGeometry(*sd_, *record_, true));
        int32_t w = 150, h = 40;
        EXPECT_EQ(ComboCalcSkinSize(g, skinSize, w, h), skinSize);
        EXPECT_EQ(w, 150);
        EXPECT_EQ(h, skinSize ? 21 : 40);
        EXPECT_EQ(g.NewRTPoint, Point(131, 0));
        EXPECT_EQ(g.NewClRect, Rect(4, 3, 131, 18));
    }
}

// Tests the drop-down's size and place: rows min(count, DropDownCount) high by the list's rule,
// below the control, above it near the work area's bottom, kept inside the work area sideways.
TEST_F(ComboBoxLook, DropDownSizeAndPlacement)
{
    auto listRecord = FindControlRecord<TspDataSkinListBox>(sd_, L"listbox");
    ASSERT_TRUE(listRecord);
    const TListBoxLook listLook = CopyListBoxLook(*static_cast<const TspDataSkinListBox*>(listRecord.Record));
    const TRect work = Rect(0, 0, 1000, 700);
    struct Case {
        const char* name;
        TRect control;
        int32_t listBoxWidth, count, dropDownCount;
        bool record;
        TRect expected;
    } cases[] = {
        {"three rows below", Rect(100, 200, 220, 221), 0, 3, 8, false, Rect(100, 221, 220, 279)},
        {"record's frame", Rect(100, 200, 220, 221), 0, 3, 8, true, Rect(100, 221, 220, 279)},
        {"eight of twenty rows", Rect(100, 200, 220, 221), 0, 20, 8, false, Rect(100, 221, 220, 369)},
        {"count below 1 shows one row", Rect(100, 200, 220, 221), 0, 20, 0, false, Rect(100, 221, 220, 243)},
        {"above near the bottom", Rect(100, 660, 220, 681), 0, 3, 8, false, Rect(100, 602, 220, 660)},
        {"exactly to the bottom stays below", Rect(100, 621, 220, 642), 0, 3, 8, false, Rect(100, 642, 220, 700)},
        {"wide list at the right edge", Rect(800, 200, 920, 221), 300, 3, 8, false, Rect(700, 221, 1000, 279)},
        {"past the left edge", Rect(-50, 200, 70, 221), 0, 3, 8, false, Rect(0, 221, 120, 279)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TDropDownInput in{c.control, work, c.listBoxWidth, c.count, c.dropDownCount, {}};
        in.List.ItemHeight = 18;
        in.List.Look = c.record ? &listLook : nullptr;
        EXPECT_EQ(PlaceDropDown(in), c.expected);
    }
}

// Records what the model asks, one word per call.
struct RecordingSink : IComboBoxSink {
    std::string log;
    int32_t listIndex = -1;
    void Add(const std::string& s) { log += (log.empty() ? "" : " ") + s; }
    void ListIndexChanged(int32_t index) override { listIndex = index; }
    void ShowList() override { Add("show"); }
    void HideList() override { Add("hide"); }
    void SelectEditText() override { Add("selectedit"); }
    void Redraw() override {}
    void CaptureMouse() override { Add("capture"); }
    void ReleaseMouse() override { Add("release"); }
    void ListMouseMove(TPoint p) override { Add("move" + std::to_string(p.Y)); }
    void StartTimer(unsigned ms) override { Add("timer" + std::to_string(ms)); }
    void StopTimer() override { Add("stoptimer"); }
    void Change() override { Add("change"); }
    void Click() override { Add("click"); }
    void DropDownEvent() override { Add("dropdown"); }
    void CloseUpEvent() override { Add("closeup"); }
    std::string Take() { return std::exchange(log, {}); }
};

class ComboBoxModel : public ::testing::Test {
protected:
    void Load(std::vector<String> items, int32_t index)
    {
        model_.SetItems(std::move(items));
        model_.SetItemIndex(index);
        model_.SetRects({Rect(101, 0, 120, 20), Rect(2, 2, 100, 18)});
        sink_.Take();
    }
    static std::vector<String> Numbered(int n)
    {
        std::vector<String> items;
        for (int i = 0; i < n; ++i)
            items.push_back(L"Item " + IntToStr(i));
        return items;
    }
    RecordingSink sink_;
    TComboBoxModel model_{sink_};
};

// Tests the three-item walk: each Down in the open list changes Text at once with OnClick and
// OnChange; Enter keeps "Right" with one more OnClick and no OnChange.
TEST_F(ComboBoxModel, DownInTheOpenListChangesTextAndEnterOnlyClicks)
{
    Load({L"Left", L"Center", L"Right"}, 0);
    EXPECT_TRUE(model_.KeyDown(TComboKey::Down, true));
    EXPECT_EQ(sink_.Take(), "dropdown show");
    EXPECT_TRUE(model_.KeyDown(TComboKey::Down, false));
    EXPECT_EQ(model_.Text(), L"Center");
    EXPECT_EQ(sink_.Take(), "change click");
    model_.KeyDown(TComboKey::Down, false);
    EXPECT_EQ(sink_.Take(), "change click");
    model_.KeyDown(TComboKey::Down, false);   // at the last item: nothing
    EXPECT_EQ(sink_.Take(), "");
    EXPECT_TRUE(model_.KeyDown(TComboKey::Enter, false));
    EXPECT_EQ(model_.Text(), L"Right");
    EXPECT_EQ(sink_.Take(), "hide click closeup");
    EXPECT_FALSE(model_.IsDropDown());
    EXPECT_FALSE(model_.KeyDown(TComboKey::Enter, false));   // closed: the dialog's
}

// Tests the key table from item 12 of 20 (DropDownCount 8), closed and open.
TEST_F(ComboBoxModel, KeyTable)
{
    struct Case {
        TComboKey key;
        bool alt;
        int32_t from;
        bool open;
        int32_t index;
        bool openAfter;
        const char* events;
    } cases[] = {
        {TComboKey::PageUp, false, 12, false, 3, false, "change click"},
        {TComboKey::PageDown, false, 3, false, 10, false, "change click"},
        {TComboKey::PageUp, false, 5, true, 0, true, "change click"},
        {TComboKey::PageDown, false, 15, false, 19, false, "change click"},
        {TComboKey::PageUp, false, 0, false, 0, false, "click"},
        {TComboKey::Up, false, 0, false, 0, false, ""},
        {TComboKey::Left, false, 5, false, 4, false, "change click"},
        {TComboKey::Right, false, 19, false, 19, false, ""},
        {TComboKey::Home, false, 5, false, 0, false, "change click"},
        {TComboKey::End, false, 5, true, 19, true, "change click"},
        {TComboKey::Down, true, 5, false, 5, true, "dropdown show"},
        {TComboKey::Up, true, 5, true, 5, false, "hide"},
        {TComboKey::Up, true, 5, false, 5, false, ""},
        {TComboKey::F4, false, 5, false, 5, true, "dropdown show"},
        {TComboKey::F4, false, 5, true, 5, false, "hide"},
        {TComboKey::Escape, false, 5, true, 5, false, "hide"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.key) << (c.alt ? " alt" : "") << " from " << c.from
                                        << (c.open ? " open" : ""));
        Load(Numbered(20), c.from);
        if (c.open)
            model_.DropDown();
        sink_.Take();
        model_.KeyDown(c.key, c.alt);
        EXPECT_EQ(model_.ItemIndex(), c.index);
        EXPECT_EQ(sink_.listIndex, c.index);
        EXPECT_EQ(model_.IsDropDown(), c.openAfter);
        EXPECT_EQ(sink_.Take(), c.events);
        model_.CloseUp(false);
    }
}

// Tests incremental search on a fake clock: one letter looks after the current item (wrapping),
// a second within 500 ms narrows from the top, a pause starts again; without AutoComplete every
// letter searches alone. The tick count may wrap between letters.
TEST_F(ComboBoxModel, IncrementalSearchOnAFakeClock)
{
    struct Step {
        wchar_t ch;
        uint32_t at;
        const wchar_t* text;
    };
    struct Case {
        const char* name;
        std::vector<String> items;
        bool autoComplete;
        std::vector<Step> steps;
    } cases[] = {
        {"three positions", {L"Left", L"Center", L"Right"}, true,
         {{L'c', 1000, L"Center"}, {L'r', 1100, L"Center"}, {L'r', 1700, L"Right"}}},
        {"narrowing", {L"Cab", L"Cod", L"Crab"}, true,
         {{L'c', 0, L"Cod"}, {L'r', 499, L"Crab"}, {L'c', 999, L"Cab"}, {L'C', 1498, L"Cab"}, {L'C', 2000, L"Cod"}}},
        {"tick count wraps", {L"Cab", L"Cod", L"Crab"}, true,
         {{L'c', 0xFFFFFF00u, L"Cod"}, {L'r', 0x00000010u, L"Crab"}, {L'o', 0x00000300u, L"Crab"}}},
        {"without AutoComplete", {L"Cab", L"Cod", L"Crab"}, false,
         {{L'c', 0, L"Cod"}, {L'r', 10, L"Cod"}, {L'c', 20, L"Crab"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TComboBoxModel model(sink_);
        model.SetAutoComplete(c.autoComplete);
        model.SetItems(c.items);
        model.SetItemIndex(0);
        for (const Step& s : c.steps) {
            SCOPED_TRACE(testing::Message() << char(s.ch) << " at " << s.at);
            model.KeyPress(s.ch, s.at);
            EXPECT_EQ(model.Text(), s.text);
        }
    }
}

// Tests ItemIndex sets: OnClick on every set, OnChange only when the text changes; -1 (or an
// index past the items) empties Text in the fixed style, not in the edit style.
TEST_F(ComboBoxModel, ItemIndexSets)
{
    Load({L"Left", L"Center", L"Right"}, 0);
    struct Case {
        TspSkinCustomComboBoxStyle style;
        int32_t index;
        int32_t expected;
        const wchar_t* text;
        const char* events;
    } cases[] = {
        {spcbFixedStyle, 0, 0, L"Left", "click"},
        {spcbFixedStyle, 2, 2, L"Right", "change click"},
        {spcbFixedStyle, -1, -1, L"", "change click"},
        {spcbFixedStyle, -1, -1, L"", "click"},
        {spcbFixedStyle, 1, 1, L"Center", "change click"},
        {spcbFixedStyle, 3, -1, L"", "change click"},
        {spcbEditStyle, 1, 1, L"Center", "change click"},
        {spcbEditStyle, -1, -1, L"Center", "click"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.index << (c.style == spcbEditStyle ? " edit" : ""));
        model_.SetStyle(c.style);
        model_.SetItemIndex(c.index);
        EXPECT_EQ(model_.ItemIndex(), c.expected);
        EXPECT_EQ(model_.Text(), c.text);
        EXPECT_EQ(sink_.Take(), c.events);
    }
    model_.SetLoading(true);
    model_.SetItemIndex(0);
    EXPECT_EQ(sink_.Take(), "change");
}

// Tests the press on the button, the drag into the list and the release: over the list it
// accepts the hovered item; elsewhere it restores the selection; hover alone moves only the list.
TEST_F(ComboBoxModel, PressDragAndRelease)
{
    for (bool overList : {true, false}) {
        SCOPED_TRACE(overList);
        Load({L"Left", L"Center", L"Right"}, 0);
        model_.MouseDown(Point(110, 10), true);
        EXPECT_TRUE(model_.Pressing());
        EXPECT_EQ(sink_.Take(), "dropdown show");
        model_.MouseMove(Point(110, 15), {Point(50, -5), 54, false});   // still above the list
        EXPECT_FALSE(model_.WasInList());
        model_.MouseMove(Point(110, 40), {Point(50, 20), 54, false});
        EXPECT_TRUE(model_.WasInList());
        EXPECT_EQ(sink_.Take(), "move20");
        model_.ListHover(1);
        model_.ListHover(7);   // no item there
        EXPECT_EQ(model_.ItemIndex(), 1);
        EXPECT_EQ(model_.Text(), L"Left");
        model_.MouseUp(overList);
        EXPECT_FALSE(model_.IsDropDown());
        EXPECT_FALSE(model_.ButtonDown());
        EXPECT_EQ(model_.Text(), overList ? L"Center" : L"Left");
        EXPECT_EQ(model_.ItemIndex(), overList ? 1 : 0);
        EXPECT_EQ(sink_.Take(), overList ? "release hide change click closeup" : "release hide");
    }
    // A click on the button leaves the list open; a second press closes it without accepting.
    Load({L"Left", L"Center", L"Right"}, 0);
    model_.MouseDown(Point(110, 10), true);
    model_.MouseUp(false);
    EXPECT_TRUE(model_.IsDropDown());
    model_.MouseDown(Point(50, 10), true);
    EXPECT_FALSE(model_.IsDropDown());
    model_.MouseDown(Point(110, 10), false);   // only the left button acts
    EXPECT_FALSE(model_.IsDropDown());
}

// Tests the auto-scroll: a press in the list (the hook's) dragged below it scrolls down every
// 25 ms tick to the last item, above it up; back inside it stops. Losing the capture mid-press
// ends the press and the scroll, and later ticks do nothing.
TEST_F(ComboBoxModel, AutoScrollAndCaptureLoss)
{
    Load(Numbered(20), 5);
    model_.DropDown();
    sink_.Take();
    model_.ListPress();
    EXPECT_EQ(sink_.Take(), "capture");
    model_.MouseMove({}, {Point(5, 200), 144, false});   // no bar: nothing
    EXPECT_EQ(model_.TimerMode(), 0);
    model_.MouseMove({}, {Point(5, 200), 144, true});
    EXPECT_EQ(sink_.Take(), "timer25");
    for (int i = 0; i < 20; ++i)
        model_.TimerTick();
    EXPECT_EQ(model_.ItemIndex(), 19);
    model_.MouseMove({}, {Point(5, -1), 144, true});
    model_.TimerTick();
    EXPECT_EQ(model_.ItemIndex(), 18);
    EXPECT_EQ(sink_.Take(), "timer25");
    model_.MouseMove({}, {Point(5, 30), 144, true});
    EXPECT_EQ(sink_.Take(), "stoptimer move30");

    model_.MouseMove({}, {Point(5, 200), 144, true});
    sink_.Take();
    model_.CaptureLost();
    EXPECT_FALSE(model_.Pressing());
    EXPECT_EQ(model_.TimerMode(), 0);
    EXPECT_EQ(sink_.Take(), "stoptimer");
    model_.TimerTick();
    EXPECT_EQ(model_.ItemIndex(), 18);
    EXPECT_TRUE(model_.IsDropDown());
    model_.MouseUp(true);   // the press is over: the release accepts nothing
    EXPECT_TRUE(model_.IsDropDown());
}

// Tests the wheel (closed: through ItemIndex; open: the list only, so Escape restores), focus
// loss and cancel mode closing without accepting, and an empty list never opening.
TEST_F(ComboBoxModel, WheelFocusAndCancel)
{
    Load({L"Left", L"Center", L"Right"}, 1);
    model_.Wheel(-120);
    EXPECT_EQ(sink_.Take(), "change click");
    EXPECT_EQ(model_.Text(), L"Right");
    model_.Wheel(-120);   // past the last: nothing
    model_.DropDown();
    sink_.Take();
    model_.Wheel(120);
    EXPECT_EQ(model_.ItemIndex(), 1);
    EXPECT_EQ(model_.Text(), L"Right");
    EXPECT_EQ(model_.ShownIndex(), 2);
    model_.CancelMode(true);
    EXPECT_TRUE(model_.IsDropDown());
    model_.CancelMode(false);
    EXPECT_FALSE(model_.IsDropDown());
    EXPECT_EQ(model_.ItemIndex(), 2);
    model_.DropDown();
    model_.FocusLost();
    EXPECT_FALSE(model_.IsDropDown());
    EXPECT_EQ(sink_.Take(), "hide dropdown show hide");

    Load({}, 0);
    model_.MouseDown(Point(110, 10), true);
    EXPECT_FALSE(model_.IsDropDown());
    EXPECT_FALSE(model_.Pressing());
    EXPECT_EQ(sink_.Take(), "");
}

} // namespace
} // namespace vt
