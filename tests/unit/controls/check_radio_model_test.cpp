// The check/radio box's rules: value changes and clicks, the press scripts, the fade, the check
// image choice and the flat and framed layouts.
#include "controls/check_radio_model.h"
#include "controls/skin_control_model.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

// One step of a script and what the control ends with after it.
enum class Op { Press, Out, In, Release, Cancel, Toggle, Check, Uncheck, Gray };

struct Step {
    Op op;
    TCheckBoxState state;
    bool checked;
    TCheckChange change;
};

TCheckChange Apply(TCheckRadioState& s, Op op)
{
    switch (op) {
    case Op::Press: s.Press(); return {};
    case Op::Out: s.SetMouseIn(false); return {};
    case Op::In: s.SetMouseIn(true); return {};
    case Op::Release: return s.Release();
    case Op::Cancel: s.CancelPress(); return {};
    case Op::Toggle: return s.Toggle();
    case Op::Check: return s.SetChecked(true);
    case Op::Uncheck: return s.SetChecked(false);
    case Op::Gray: return s.SetState(cbGrayed);
    }
    return {};
}

constexpr TCheckChange kNone{};
constexpr TCheckChange kClick{true, false, true};
constexpr TCheckChange kGroupClick{true, true, true};
constexpr TCheckChange kSilent{true, false, false};  // repainted, no OnClick

// Tests scripts of presses, moves, releases and value changes on check boxes and radio buttons:
// which state each ends in and which repaint, group and click each asks for.
TEST(CheckRadioModel, ScriptsGiveStatesGroupsAndClicks)
{
    struct Case {
        const char* what;
        bool radio, allowGrayed;
        int group;
        std::vector<Step> steps;
    } cases[] = {
        {"click toggles a check box both ways", false, false, 0,
         {{Op::Press, cbUnchecked, false, kNone}, {Op::Release, cbChecked, true, kClick},
          {Op::Press, cbChecked, true, kNone}, {Op::Release, cbUnchecked, false, kClick}}},
        {"AllowGrayed cycles unchecked, grayed, checked, unchecked", false, true, 0,
         {{Op::Press, cbUnchecked, false, kNone}, {Op::Release, cbGrayed, false, kClick},
          {Op::Press, cbGrayed, false, kNone}, {Op::Release, cbChecked, true, kClick},
          {Op::Press, cbChecked, true, kNone}, {Op::Release, cbUnchecked, false, kClick}}},
        {"a radio button ignores AllowGrayed and stays checked", true, true, 1,
         {{Op::Press, cbUnchecked, false, kNone}, {Op::Release, cbChecked, true, kGroupClick},
          {Op::Press, cbChecked, true, kNone}, {Op::Release, cbChecked, true, kNone}}},
        {"dragged out, released: nothing; back in: toggles", false, false, 0,
         {{Op::Press, cbUnchecked, false, kNone}, {Op::Out, cbUnchecked, false, kNone},
          {Op::Release, cbUnchecked, false, kNone}, {Op::Press, cbUnchecked, false, kNone},
          {Op::Out, cbUnchecked, false, kNone}, {Op::In, cbUnchecked, false, kNone},
          {Op::Release, cbChecked, true, kClick}}},
        {"a lost capture ends the press without a toggle", false, false, 0,
         {{Op::Press, cbUnchecked, false, kNone}, {Op::Cancel, cbUnchecked, false, kNone},
          {Op::Release, cbUnchecked, false, kNone}}},
        {"a release without a press does nothing", false, false, 0,
         {{Op::In, cbUnchecked, false, kNone}, {Op::Release, cbUnchecked, false, kNone}}},
        {"Checked false keeps a grayed box grayed and still clicks", false, false, 0,
         {{Op::Gray, cbGrayed, false, kClick}, {Op::Uncheck, cbGrayed, false, kClick},
          {Op::Check, cbChecked, true, kClick}}},
        {"Checked raises OnClick without a change; a group asks for its siblings", false, false, 3,
         {{Op::Check, cbChecked, true, kGroupClick}, {Op::Check, cbChecked, true, kGroupClick},
          {Op::Uncheck, cbUnchecked, false, kClick}}},
        {"an unchecked radio button raises no OnClick", true, false, 1,
         {{Op::Check, cbChecked, true, kGroupClick}, {Op::Uncheck, cbUnchecked, false, kSilent},
          {Op::Toggle, cbChecked, true, kGroupClick}, {Op::Toggle, cbChecked, true, kNone}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TCheckRadioState s;
        s.Radio = c.radio;
        s.AllowGrayed = c.allowGrayed;
        s.GroupIndex = c.group;
        for (size_t i = 0; i < c.steps.size(); ++i) {
            const Step& step = c.steps[i];
            SCOPED_TRACE(testing::Message() << "step " << i);
            TCheckChange change = Apply(s, step.op);
            EXPECT_EQ(s.State(), step.state);
            EXPECT_EQ(s.Checked(), step.checked);
            EXPECT_EQ(change.Repaint, step.change.Repaint);
            EXPECT_EQ(change.UncheckGroup, step.change.UncheckGroup);
            EXPECT_EQ(change.Click, step.change.Click);
        }
        EXPECT_FALSE(s.Down());
    }
}

// Tests that a press sets the mouse in (reporting the change once) and that moves while held
// report each crossing of the edge.
TEST(CheckRadioModel, PressAndMovesReportHoverChanges)
{
    TCheckRadioState s;
    EXPECT_TRUE(s.Press());
    EXPECT_TRUE(s.MouseIn());
    EXPECT_FALSE(s.SetMouseIn(true));
    EXPECT_TRUE(s.SetMouseIn(false));
    EXPECT_FALSE(s.MouseIn());
    EXPECT_TRUE(s.Down());
    EXPECT_TRUE(s.SetMouseIn(true));
    EXPECT_FALSE(s.Press()) << "already in";
}

// Tests the fade: five ticks from 0 land exactly on 1 and stop the timer; back down likewise;
// only the middle values mix the looks.
TEST(CheckRadioModel, FadeStepsInFifthsAndStopsAtTheEnds)
{
    TCheckFade f;
    std::vector<double> up;
    bool running = true;
    while (running) {
        running = f.Tick(true);
        up.push_back(f.Factor());
    }
    EXPECT_EQ(up, (std::vector<double>{0.2, 0.4, 0.6, 0.8, 1.0}));
    EXPECT_FALSE(f.Mixing());
    EXPECT_TRUE(f.Tick(false));
    EXPECT_TRUE(f.Mixing());
    int ticks = 1;
    do
        ++ticks;
    while (f.Tick(false));
    EXPECT_EQ(ticks, 5);
    EXPECT_EQ(f.Factor(), 0.0);
    EXPECT_FALSE(f.Tick(false)) << "already at the end";
}

// Tests the check image choice for every state, enabled or not, mouse in or out, with a record
// holding every rectangle and one holding only the normal ones (fallbacks and the lightened
// grayed image).
TEST(CheckRadioModel, CheckImageChoiceAndFallbacks)
{
    auto r = [](int i) { return Bounds(i * 13, 0, 13, 13); };
    TspDataSkinCheckRadioControl full(L"checkbox");
    full.CheckImageRect = r(0);
    full.UnCheckImageRect = r(1);
    full.ActiveCheckImageRect = r(2);
    full.ActiveUnCheckImageRect = r(3);
    full.UnEnabledCheckImageRect = r(4);
    full.UnEnabledUnCheckImageRect = r(5);
    full.GrayedCheckImageRect = r(6);
    full.ActiveGrayedCheckImageRect = r(7);
    TspDataSkinCheckRadioControl bare(L"checkbox");
    bare.CheckImageRect = r(0);
    bare.UnCheckImageRect = r(1);

    struct Case {
        bool full;
        TCheckBoxState state;
        bool enabled, mouseIn;
        TCheckImageChoice want;
    } cases[] = {
        {true, cbChecked, true, false, {r(0), false}},
        {true, cbUnchecked, true, false, {r(1), false}},
        {true, cbChecked, true, true, {r(2), false}},
        {true, cbUnchecked, true, true, {r(3), false}},
        {true, cbChecked, false, true, {r(4), false}},
        {true, cbUnchecked, false, false, {r(5), false}},
        {true, cbGrayed, true, false, {r(6), false}},
        {true, cbGrayed, true, true, {r(7), false}},
        {true, cbGrayed, false, true, {r(6), false}},
        {false, cbChecked, true, true, {r(0), false}},
        {false, cbUnchecked, true, true, {r(1), false}},
        {false, cbChecked, false, false, {r(0), false}},
        {false, cbUnchecked, false, false, {r(1), false}},
        {false, cbGrayed, true, false, {r(0), true}},
        {false, cbGrayed, true, true, {r(0), true}},
        {false, cbGrayed, false, false, {r(0), true}},
    };
    const TCheckImageRects fullRects = CheckImageRectsOf(full), bareRects = CheckImageRectsOf(bare);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.full << " state " << int(c.state) << " enabled " << c.enabled
                                        << " in " << c.mouseIn);
        TCheckImageChoice got = ChooseCheckImage(c.full ? fullRects : bareRects, c.state, c.enabled, c.mouseIn);
        EXPECT_EQ(got.Rect, c.want.Rect);
        EXPECT_EQ(got.Lighten, c.want.Lighten);
    }
    // Only the active grayed image present: it is not used without the normal grayed one.
    bare.ActiveGrayedCheckImageRect = r(7);
    EXPECT_EQ(ChooseCheckImage(CheckImageRectsOf(bare), cbGrayed, true, true), (TCheckImageChoice{r(0), true}));
}

// Tests that only rectangles wholly inside the picture draw.
TEST(CheckRadioModel, CheckImageMustLieInsideItsPicture)
{
    struct Case {
        TRect r;
        bool inside;
    } cases[] = {
        {Rect(0, 0, 13, 13), true},   {Rect(87, 87, 100, 100), true}, {Rect(88, 0, 101, 13), false},
        {Rect(-1, 0, 12, 13), false}, {Rect(0, 90, 13, 103), false},  {Rect(5, 5, 5, 18), false},
        {Rect(0, -4, 13, 9), false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RectInsidePicture(c.r, 100, 100), c.inside) << c.r.Left << "," << c.r.Top;
}

// Tests the flat look's places: the record's image at x = 3 centred on its own height and the
// caption at its width + 7; the default box and x = 22 without a record; a list image pushing
// the caption; word wrap centred (top not below 0); the right edge clamp; the focus frames.
TEST(CheckRadioModel, FlatLayoutPlacesMarkImageCaptionAndFocus)
{
    struct Case {
        const char* what;
        TFlatLayoutInput in;
        TRect check, caption, focus;
        TPoint image;
    } cases[] = {
        {"record, one line", {150, 25, true, {13, 13}, false, {}, true, false, {40, 13}},
         Rect(3, 6, 16, 19), Rect(20, 6, 60, 19), Rect(18, 5, 63, 20), {20, 12}},
        {"no record", {150, 25, false, {13, 13}, false, {}, true, false, {40, 13}},
         Rect(3, 5, 17, 19), Rect(22, 6, 62, 19), Rect(20, 5, 65, 20), {22, 12}},
        {"record with an image", {150, 24, true, {13, 13}, true, {16, 16}, true, false, {40, 13}},
         Rect(3, 5, 16, 18), Rect(44, 5, 84, 18), Rect(42, 4, 87, 19), {20, 4}},
        {"no record with an image", {150, 24, false, {}, true, {16, 16}, true, false, {40, 13}},
         Rect(3, 5, 17, 19), Rect(43, 5, 83, 18), Rect(41, 4, 86, 19), {22, 4}},
        {"caption clamped at width - 2", {50, 25, true, {13, 13}, false, {}, true, false, {40, 13}},
         Rect(3, 6, 16, 19), Rect(20, 6, 48, 19), Rect(18, 5, 51, 20), {20, 12}},
        {"word wrap centred", {150, 40, true, {13, 13}, true, {16, 16}, true, true, {80, 26}},
         Rect(3, 13, 16, 26), Rect(44, 7, 124, 33), Rect(42, 6, 127, 34), {20, 12}},
        {"word wrap taller than the control", {150, 20, true, {13, 13}, false, {}, true, true, {80, 39}},
         Rect(3, 3, 16, 16), Rect(20, 0, 100, 39), Rect(18, -1, 103, 40), {20, 10}},
        {"no caption: the focus frame goes round the mark", {150, 25, true, {13, 13}, false, {}, false, false, {}},
         Rect(3, 6, 16, 19), Rect(20, 12, 20, 12), Rect(2, 5, 17, 20), {20, 12}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        TFlatLayout got = LayoutFlat(c.in);
        EXPECT_EQ(got.Check, c.check);
        EXPECT_EQ(got.Caption, c.caption);
        EXPECT_EQ(got.Focus, c.focus);
        if (c.in.HasImage) {
            EXPECT_EQ(got.Image, c.image);
        }
    }
    TFlatLayoutInput wrap{150, 40, true, {13, 13}, true, {16, 16}, true, true, {}};
    EXPECT_EQ(FlatWrapLeft(wrap), 44);
    wrap.HasRecord = false;
    EXPECT_EQ(FlatWrapLeft(wrap), 43);
}

// Tests the framed look's places at the shipped records' areas: the text area's right edge
// follows the width; the check image area moves only when it lies right of the text.
TEST(CheckRadioModel, FramedLayoutFollowsTheWidth)
{
    struct Case {
        TRect textArea, checkArea;
        int32_t dw;
        TFramedLayout want;
    } cases[] = {
        {Rect(20, 0, 78, 20), Rect(3, 3, 16, 16), 40, {Rect(20, 0, 118, 20), Rect(3, 3, 16, 16)}},
        {Rect(20, 0, 78, 20), Rect(3, 3, 16, 16), -10, {Rect(20, 0, 68, 20), Rect(3, 3, 16, 16)}},
        {Rect(2, 0, 60, 20), Rect(62, 2, 78, 18), 40, {Rect(2, 0, 100, 20), Rect(103, 3, 116, 16)}},
        {Rect(20, 0, 78, 20), Rect(0, 0, 20, 20), 0, {Rect(20, 0, 78, 20), Rect(3, 3, 16, 16)}},
    };
    for (const Case& c : cases) {
        TFramedLayout got = LayoutFramed(c.textArea, c.checkArea, {13, 13}, c.dw);
        EXPECT_EQ(got.TextArea, c.want.TextArea) << c.dw;
        EXPECT_EQ(got.CheckImage, c.want.CheckImage) << c.dw;
    }
}

} // namespace
} // namespace vt
