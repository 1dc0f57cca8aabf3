// The memo's and the edits' portable rules, worked out by hand; the record cases use the zozaziz
// skin's "memo" record (a 40 x 40 frame with a 3-pixel client margin, an active picture beside it).
#include "controls/memo_model.h"

#include "skin/control_records.h"
#include "skin/skin_data.h"
#include "unit/controls/default_skin_records.h"
#include "support.h"

#include <gtest/gtest.h>

#include <limits>

namespace vt {
namespace {

class MemoModel : public test::DefaultSkinRecords {
protected:
    void SetUp() override
    {
        auto found = FindControlRecord<TspDataSkinMemoControl>(sd_, L"memo");
        ASSERT_TRUE(found);
        look_ = CopyMemoLook(*sd_, *static_cast<const TspDataSkinMemoControl*>(found.Record));
    }

    TMemoLook look_;
};

// Tests the record copy: the shipped record keeps its own active picture, while a record without
// one draws the normal picture when active, and a picture number past the skin's counts as none.
TEST_F(MemoModel, RecordCopyFallsBack)
{
    EXPECT_EQ(look_.Geometry.SkinRect, Rect(124, 55, 164, 95));
    EXPECT_EQ(look_.ActiveSkinRect, Rect(166, 55, 206, 95));
    EXPECT_EQ(look_.Geometry.ClRect, Rect(3, 3, 37, 37));
    EXPECT_EQ(look_.Geometry.Picture, 4);
    EXPECT_EQ(look_.BGColor, TColor(16777215));
    EXPECT_EQ(look_.DisabledFontColor, TColor(12500670));

    TspDataSkinMemoControl bare(L"memo");
    bare.SkinRect = Rect(10, 10, 50, 40);
    bare.PictureIndex = 99;
    const TMemoLook l = CopyMemoLook(*sd_, bare);
    EXPECT_EQ(l.ActiveSkinRect, Rect(10, 10, 50, 40));
    EXPECT_EQ(l.Geometry.Picture, -1);
}

// Tests the formatting rectangle of a 200 x 100 memo in every combination of record, composed
// background and border, and that a memo too small for its margins gets an empty rectangle.
TEST_F(MemoModel, FormattingRectangle)
{
    struct Case {
        const char* name;
        int32_t w, h;
        bool record, bitmapBG, border;
        TRect expected;
    } cases[] = {
        {"default", 200, 100, false, true, true, Rect(3, 2, 196, 98)},
        {"default, native background", 200, 100, false, false, true, Rect(6, 2, 196, 98)},
        {"record", 200, 100, true, true, true, Rect(4, 4, 194, 95)},
        {"record, native background", 200, 100, true, false, true, Rect(6, 5, 194, 95)},
        {"no border", 200, 100, true, true, false, Rect(0, 0, 200, 100)},
        {"tiny default", 5, 3, false, true, true, Rect(3, 2, 3, 2)},
        {"tiny record", 5, 3, true, true, true, Rect(4, 4, 4, 4)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(MemoTextArea({c.w, c.h, c.record ? &look_ : nullptr, c.bitmapBG, c.border}), c.expected);
    }
    EXPECT_EQ(EditTextArea(80, 20), Rect(2, 0, 80, 20));
    EXPECT_EQ(EditTextArea(1, 20), Rect(2, 0, 2, 20));
}

// Tests the read-only filter: everything that edits is dropped (Alt+Backspace and input-method
// text among it), copying, selecting, caret keys and other Alt keys pass.
TEST(MemoFilters, ReadOnlyDropsEditingOnly)
{
    using K = TEditInputKind;
    struct Case {
        const char* name;
        TEditInput in;
        bool drops;
    } cases[] = {
        {"letter", {K::Char, L'a'}, true},
        {"backspace", {K::Char, 0x08}, true},
        {"enter", {K::Char, 0x0D}, true},
        {"ctrl+v char", {K::Char, 0x16}, true},
        {"ctrl+x char", {K::Char, 0x18}, true},
        {"ctrl+z char", {K::Char, 0x1A}, true},
        {"ctrl+c char", {K::Char, 0x03}, false},
        {"ctrl+a char", {K::Char, 0x01}, false},
        {"delete", {K::KeyDown, kKeyDelete}, true},
        {"shift+delete", {K::KeyDown, kKeyDelete, 0, true}, true},
        {"shift+insert", {K::KeyDown, kKeyInsert, 0, true}, true},
        {"ctrl+insert", {K::KeyDown, kKeyInsert, 0, false, true}, false},
        {"left", {K::KeyDown, 0x25}, false},
        {"shift+end", {K::KeyDown, 0x23, 0, true}, false},
        {"alt+backspace", {K::SysKeyDown, kKeyBack}, true},
        {"alt+down", {K::SysKeyDown, kKeyDown}, false},
        {"ime char", {K::ImeChar, L'x'}, true},
        {"ime result", {K::ImeComposition, 0, kImeResultString}, true},
        {"ime composing", {K::ImeComposition, 0, kImeCompString}, true},
        {"ime attributes only", {K::ImeComposition, 0, 0x0010}, false},
        {"cut", {K::Cut}, true},
        {"paste", {K::Paste}, true},
        {"clear", {K::Clear}, true},
        {"undo", {K::Undo}, true},
        {"copy", {K::Copy}, false},
        {"other", {K::Other}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ReadOnlyDrops(c.in), c.drops);
    }
}

// Tests the numeric edit's characters with and without Float and an editable field: digits, one
// decimal separator (a comma here, so a point is refused), a minus only at the start, control
// characters other than Enter.
TEST(MemoFilters, NumEditCharacters)
{
    const TNumEditRules integer{false, true, L','}, real{true, true, L','}, locked{true, false, L','};
    struct Case {
        const char* name;
        wchar_t c;
        TNumEditText text;
        TNumEditRules rules;
        bool accepts;
    } cases[] = {
        {"digit", L'7', {L"12", 2, 0}, integer, true},
        {"letter", L'a', {L"12", 2, 0}, integer, false},
        {"separator without Float", L',', {L"12", 2, 0}, integer, false},
        {"separator", L',', {L"12", 2, 0}, real, true},
        {"not the separator", L'.', {L"12", 2, 0}, real, false},
        {"second separator", L',', {L"1,2", 3, 0}, real, false},
        {"separator over the selected one", L',', {L"1,2", 1, 1}, real, true},
        {"minus at the start", L'-', {L"12", 0, 0}, integer, true},
        {"minus inside", L'-', {L"12", 1, 0}, integer, false},
        {"second minus", L'-', {L"-12", 0, 0}, integer, false},
        {"minus over a selection from 0", L'-', {L"-12", 0, 3}, integer, true},
        {"backspace", 0x08, {L"12", 2, 0}, integer, true},
        {"ctrl+c", 0x03, {L"12", 2, 0}, integer, true},
        {"enter", 0x0D, {L"12", 2, 0}, real, false},
        {"locked digit", L'7', {L"12", 2, 0}, locked, false},
        {"locked minus", L'-', {L"12", 0, 0}, locked, false},
        {"locked backspace", 0x08, {L"12", 2, 0}, locked, false},
        {"locked ctrl+c", 0x03, {L"12", 2, 0}, locked, true},
        {"selection past the end", L',', {L"1,2", 9, 9}, real, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(NumEditAccepts(c.c, c.text, c.rules), c.accepts);
    }
    EXPECT_EQ(NumEditKey(kKeyUp), TNumEditClick::Up);
    EXPECT_EQ(NumEditKey(kKeyDown), TNumEditClick::Down);
    EXPECT_EQ(NumEditKey(kKeyDelete), TNumEditClick::None);
    EXPECT_EQ(NumEditWheel(-120), TNumEditClick::Up);
    EXPECT_EQ(NumEditWheel(0), TNumEditClick::Up);
    EXPECT_EQ(NumEditWheel(120), TNumEditClick::Down);
}

// Tests the context menu's enabling, column by column: undo, cut, copy, paste, delete, select all.
TEST(MemoMenu, ItemEnabling)
{
    const TEditMenuItems shape = EditMenuItems({});
    const TEditMenuAction order[] = {TEditMenuAction::Undo,  TEditMenuAction::Separator, TEditMenuAction::Cut,
                                     TEditMenuAction::Copy,  TEditMenuAction::Paste,     TEditMenuAction::Delete,
                                     TEditMenuAction::Separator, TEditMenuAction::SelectAll};
    for (size_t i = 0; i < shape.size(); ++i)
        EXPECT_EQ(shape[i].Action, order[i]) << i;
    EXPECT_STREQ(shape[7].CaptionKey, L"EDIT_SELECTALL");
    EXPECT_STREQ(shape[7].Literal, L"Select All");

    struct Case {
        const char* name;
        TEditMenuState s;
        bool undo, cut, copy, paste, del, selectAll;
    } cases[] = {
        {"empty", {false, false, false, 0, 0}, false, false, false, false, false, false},
        {"text, no selection", {false, false, false, 0, 9}, false, false, false, false, false, true},
        {"part selected, clipboard, undo", {false, true, true, 4, 9}, true, true, true, true, true, true},
        {"all selected", {false, false, false, 9, 9}, false, true, true, false, true, false},
        {"read-only", {true, true, true, 4, 9}, false, false, true, false, false, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TEditMenuItems m = EditMenuItems(c.s);
        const bool got[] = {m[0].Enabled, m[2].Enabled, m[3].Enabled, m[4].Enabled, m[5].Enabled, m[7].Enabled};
        const bool want[] = {c.undo, c.cut, c.copy, c.paste, c.del, c.selectAll};
        for (size_t i = 0; i < 6; ++i)
            EXPECT_EQ(got[i], want[i]) << i;
    }

    // A keyboard request opens at the control's centre; a mouse left of the primary screen does not.
    EXPECT_EQ(EditMenuPoint({-1, -1}, Rect(100, 50, 301, 150)), (TPoint{200, 100}));
    EXPECT_EQ(EditMenuPoint({-300, 40}, Rect(100, 50, 301, 150)), (TPoint{-300, 40}));
}

// Tests the linked bars: a 9-line memo showing 3 lines enables the vertical bar with page 3 until
// the text fits; the horizontal bar needs the page to fall short of max itself; a disabled memo
// disables both and leaves their ranges alone.
TEST(MemoBars, Decisions)
{
    using V = TMemoBar;
    constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
    struct Case {
        const char* name;
        TMemoBar bar;
        bool enabled;
        TMemoScrollInfo native;
        TMemoBarDecision expected;
    } cases[] = {
        {"nine lines, three shown", V::Vertical, true, {0, 8, 3, 2}, {true, TMemoBarRange{0, 8, 3, 2}}},
        {"three lines, three shown", V::Vertical, true, {0, 2, 3, 0}, {false, TMemoBarRange{}}},
        {"four lines, three shown", V::Vertical, true, {0, 3, 3, 1}, {true, TMemoBarRange{0, 3, 3, 1}}},
        {"page equal to max, vertical", V::Vertical, true, {0, 5, 5, 0}, {true, TMemoBarRange{0, 5, 5, 0}}},
        {"page equal to max, horizontal", V::Horizontal, true, {0, 5, 5, 0}, {false, TMemoBarRange{}}},
        {"wide text", V::Horizontal, true, {0, 400, 150, 30}, {true, TMemoBarRange{0, 400, 150, 30}}},
        {"largest max", V::Vertical, true, {0, kMax, kMax, 0}, {true, TMemoBarRange{0, kMax, kMax, 0}}},
        {"disabled memo", V::Vertical, false, {0, 8, 3, 2}, {false, std::nullopt}},
        {"disabled memo, horizontal", V::Horizontal, false, {0, 400, 150, 30}, {false, std::nullopt}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DecideMemoBar(c.bar, c.enabled, c.native), c.expected);
    }
    EXPECT_EQ(MemoWheelStep(-120), TWheelStep::LineDown);
    EXPECT_EQ(MemoWheelStep(0), TWheelStep::LineDown);
    EXPECT_EQ(MemoWheelStep(120), TWheelStep::LineUp);
}

// Tests the look each state shows, with and without a record: the active picture and colours
// while focused or hovered, the active background colour only under native painting, grey text
// when disabled.
TEST_F(MemoModel, LookByState)
{
    TMemoLook l = look_;
    l.FontColor = 0x000001;
    l.ActiveFontColor = 0x000002;
    l.BGColor = 0x000010;
    l.ActiveBGColor = 0x000020;
    const TColor def = 0x000300;
    struct Case {
        const char* name;
        bool record;
        TMemoState state;
        bool useSkinFontColor, bitmapBG;
        TColor font;
        std::optional<TColor> color;
        bool activeRect;
    } cases[] = {
        {"normal", true, {true, false, false}, true, true, 0x000001, 0x000010, false},
        {"focused", true, {true, true, false}, true, true, 0x000002, 0x000010, true},
        {"hovered, native background", true, {true, false, true}, true, false, 0x000002, 0x000020, true},
        {"normal, native background", true, {true, false, false}, true, false, 0x000001, 0x000010, false},
        {"own font colour", true, {true, true, false}, false, true, def, 0x000010, true},
        {"disabled", true, {false, false, false}, true, true, clGrayText, 0x000010, false},
        {"no record", false, {true, true, true}, true, false, def, std::nullopt, false},
        {"no record, disabled", false, {false, false, false}, true, true, clGrayText, std::nullopt, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const TMemoLookChoice got =
            ChooseMemoLook({c.record ? &l : nullptr, c.state, c.useSkinFontColor, c.bitmapBG, def});
        EXPECT_EQ(got.FontColor, c.font);
        EXPECT_EQ(got.Color, c.color);
        if (c.record) {
            EXPECT_EQ(got.Background, c.activeRect ? l.ActiveSkinRect : l.Geometry.SkinRect);
        }
    }
    EXPECT_EQ(DisabledMemoTextColor(&look_), TColor(12500670));
    EXPECT_EQ(DisabledMemoTextColor(nullptr), clGrayText);

    // Hover is judged only without focus, focus only without the mouse over the memo.
    using E = TMemoEvent;
    EXPECT_TRUE(MemoStateJudged(E::MouseEnter, {true, false, false}));
    EXPECT_FALSE(MemoStateJudged(E::MouseEnter, {true, true, false}));
    EXPECT_FALSE(MemoStateJudged(E::MouseLeave, {true, true, true}));
    EXPECT_TRUE(MemoStateJudged(E::FocusGain, {true, false, false}));
    EXPECT_FALSE(MemoStateJudged(E::FocusLoss, {true, true, true}));
}

// Tests the lines a disabled memo draws: the client height in whole lines from the first visible
// one, never past the last line, and nothing for a zero line height.
TEST(MemoDisabled, VisibleLines)
{
    struct Case {
        int32_t first, count, clientHeight, lineHeight;
        int32_t wantFirst, wantCount;
    } cases[] = {
        {0, 9, 50, 16, 0, 3}, {7, 9, 50, 16, 7, 2}, {12, 9, 50, 16, 9, 0}, {0, 9, 50, 0, 0, 0}, {0, 9, 0, 16, 0, 0},
    };
    for (const Case& c : cases) {
        const TDisabledLines got = DisabledMemoLines(c.first, c.count, c.clientHeight, c.lineHeight);
        EXPECT_EQ(got.First, c.wantFirst) << c.first << "/" << c.lineHeight;
        EXPECT_EQ(got.Count, c.wantCount) << c.first << "/" << c.lineHeight;
    }
}

// Tests that typing past the bottom of a composed memo refreshes once and holds native redrawing
// off until the next key, which turns it back on with one more refresh; scrolls by bars, or with
// native painting, hold nothing.
TEST(MemoRedraw, HeldOffUntilInputResumes)
{
    TMemoRedraw r;
    EXPECT_EQ(r.Scrolled(false, true), TMemoRedrawAction{});
    EXPECT_EQ(r.Scrolled(true, false), TMemoRedrawAction{});
    EXPECT_EQ(r.Resume(), TMemoRedrawAction{});
    EXPECT_EQ(r.Scrolled(true, true), (TMemoRedrawAction{true, false, true}));
    EXPECT_TRUE(r.Holding());
    EXPECT_EQ(r.Resume(), (TMemoRedrawAction{false, true, true}));
    EXPECT_FALSE(r.Holding());
    EXPECT_EQ(r.Resume(), TMemoRedrawAction{});
}

} // namespace
} // namespace vt
