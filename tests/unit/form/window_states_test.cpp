// The window-state model: maximize and restore, the first placement, roll-up, the caption
// double-click, minimizing, the caption drags and a changing work area. The window is the app's:
// designed at 303, 197 with 793 x 379, the default skin (rolled up 31 high), on a 1024 x 768
// monitor whose task bar leaves a 1024 x 738 work area. Expected bounds are worked out by hand.
#include <gtest/gtest.h>

#include <ostream>

#include "form/window_states.h"
#include "skin/skin_data.h"
#include "support.h"

namespace vt
{

static void PrintTo(const TStateAction& a, std::ostream* os)
{
    *os << "{kind " << static_cast<int>(a.Kind) << ", (" << a.Bounds.Left << ", " << a.Bounds.Top
        << ", " << a.Bounds.Right << ", " << a.Bounds.Bottom << "), " << a.Value << "}";
}

namespace
{

using K = TStateActionKind;
using WS = TspWindowState;

const TRect kDesigned = Bounds(303, 197, 793, 379);
const TRect kWorkArea = Rect(0, 0, 1024, 738);
const TRect kMonitor = Rect(0, 0, 1024, 768);

TWindowStateFacts AppFacts()
{
    static const TFormSkinInfo skin = [] {
        TspSkinData sd(nullptr);
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        return TFormSkinInfo::From(&sd);
    }();
    TWindowStateFacts f;
    f.Geometry.Skin = skin;
    f.Geometry.Form.Monitor = {kWorkArea, kMonitor, kMonitor};
    f.Bounds = kDesigned;
    f.BorderIcons = {false, true, true, true, false};
    f.PositionInMonitor = sppDesktopCenter;
    f.IsMainForm = true;
    return f;
}

// Plays the window side: bounds and the application's minimized state follow the actions.
void Apply(TWindowStateFacts& f, const TStateActions& actions)
{
    for (const TStateAction& a : actions) {
        if (a.Kind == K::SetBounds)
            f.Bounds = a.Bounds;
        else if (a.Kind == K::MinimizeApplication)
            f.AppMinimized = true;
        else if (a.Kind == K::RestoreApplication)
            f.AppMinimized = false;
    }
}

TStateActions RestoreActions(const TRect& r)
{
    return {SetBoundsAction(r), Action(K::StartMouseTimer), Action(K::Repaint),
        Action(K::OnRestore)};
}

// A window already placed normally: the first show is behind it.
TspWindowStates Shown(TWindowStateFacts& f)
{
    TspWindowStates s;
    f.PositionInMonitor = sppDefault;
    Apply(f, s.FirstShow(f));
    f.PositionInMonitor = sppDesktopCenter;
    return s;
}

// Tests that maximize fills the work area (1 px in when nothing reserves space) and restore
// returns to exactly the bounds before it, forgetting them.
TEST(WindowStates, MaximizeThenRestoreReturnsExactly)
{
    struct Case {
        TRect workArea, expected;
    } cases[] = {
        {kWorkArea, kWorkArea},
        {kMonitor, Rect(1, 1, 1023, 767)},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        f.Geometry.Form.Monitor.WorkArea = c.workArea;
        TspWindowStates s = Shown(f);
        TStateActions a = s.Maximize(f);
        EXPECT_EQ(a, (TStateActions{SetBoundsAction(c.expected), Action(K::OnMaximize)}));
        Apply(f, a);
        EXPECT_EQ(s.FWindowState, WS::Maximized);
        EXPECT_EQ(s.Maximize(f), TStateActions{});

        a = s.Restore(f);
        EXPECT_EQ(a, RestoreActions(kDesigned));
        EXPECT_EQ(s.FWindowState, WS::Normal);
        EXPECT_TRUE(s.OldBoundsRect.IsEmpty());
        Apply(f, a);
        EXPECT_EQ(s.Restore(f), TStateActions{});
    }
}

// Tests that a window maximized before its first show gets its designed size placed as
// PositionInMonitor says on the first restore, and keeps that place on the next cycle.
TEST(WindowStates, ShownMaximizedFirstRestorePlacesDesignedSize)
{
    struct Case {
        TspPositionInMonitor position;
        TPoint expected;
    } cases[] = {
        {sppDesktopCenter, {512 - 396, 369 - 189}},
        {sppScreenCenter, {512 - 396, 384 - 189}},
        {sppDefault, {303, 197}},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        f.PositionInMonitor = c.position;
        TspWindowStates s;
        Apply(f, s.Maximize(f)); // the form is loaded maximized
        EXPECT_EQ(s.FirstShow(f), TStateActions{});
        const TRect placed = Bounds(c.expected.X, c.expected.Y, 793, 379);
        TStateActions a = s.Restore(f);
        EXPECT_EQ(a, RestoreActions(placed)) << static_cast<int>(c.position);
        Apply(f, a);
        Apply(f, s.Maximize(f));
        EXPECT_EQ(s.Restore(f), RestoreActions(placed));
    }
}

// Tests that the first show of a normal window centres it as asked, once.
TEST(WindowStates, FirstShowCentresNormalWindowOnce)
{
    TWindowStateFacts f = AppFacts();
    TspWindowStates s;
    EXPECT_EQ(s.FirstShow(f), TStateActions{SetBoundsAction(Bounds(116, 180, 793, 379))});
    EXPECT_EQ(s.FirstShow(f), TStateActions{});
}

// Tests that rolling up keeps the height and shows only the frame's bands, and rolling down
// gives the height back (or the ClientHeight property when set).
TEST(WindowStates, RollUpAndBack)
{
    TWindowStateFacts f = AppFacts();
    TspWindowStates s = Shown(f);
    TStateActions a = s.RollUp(f);
    EXPECT_EQ(a,
        (TStateActions{
            SetBoundsAction(Bounds(303, 197, 793, 31)), Action(K::OnChangeRollUpState)}));
    EXPECT_TRUE(s.FRollUpState);
    EXPECT_EQ(s.OldHeight, 379);
    Apply(f, a);
    EXPECT_EQ(s.RollUp(f),
        (TStateActions{SetBoundsAction(kDesigned), Action(K::OnChangeRollUpState)}));
    EXPECT_FALSE(s.FRollUpState);

    Apply(f, s.RollUp(f));
    f.ClientHeight = 348;
    EXPECT_EQ(s.RollUp(f),
        (TStateActions{{K::SetClientHeight, {}, 348}, Action(K::OnChangeRollUpState)}));
}

// Tests that a window rolled up while maximized comes back unrolled on restore, while one rolled
// up before maximizing returns to its rolled-up bar and ignores roll requests while maximized.
TEST(WindowStates, RestoreUnrollsOnlyWhatMaximizedRolledUp)
{
    TWindowStateFacts f = AppFacts();
    TspWindowStates s = Shown(f);
    Apply(f, s.Maximize(f));
    Apply(f, s.RollUp(f));
    EXPECT_EQ(f.Bounds, Rect(0, 0, 1024, 31));
    EXPECT_TRUE(s.MaxRollUpState);
    TStateActions expected = RestoreActions(kDesigned);
    expected.insert(expected.begin(), Action(K::OnChangeRollUpState));
    EXPECT_EQ(s.Restore(f), expected);
    EXPECT_FALSE(s.FRollUpState);
    EXPECT_FALSE(s.MaxRollUpState);

    f.Bounds = kDesigned;
    Apply(f, s.RollUp(f));
    const TRect bar = f.Bounds;
    Apply(f, s.Maximize(f));
    EXPECT_EQ(f.Bounds, kWorkArea);
    EXPECT_EQ(s.RollUp(f), TStateActions{});
    EXPECT_EQ(s.Restore(f), RestoreActions(bar));
    EXPECT_TRUE(s.FRollUpState);
    EXPECT_EQ(s.OldHeight, 379);
}

// Tests the cases where a roll request is ignored.
TEST(WindowStates, RollUpIgnored)
{
    struct Case {
        const char* name;
        void (*setup)(TWindowStateFacts&, TspWindowStates&);
    } cases[] = {
        {"no RollUp icon",
            [](TWindowStateFacts& f, TspWindowStates&) { f.BorderIcons.RollUp = false; }},
        {"minimized",
            [](TWindowStateFacts&, TspWindowStates& s) { s.FWindowState = WS::Minimized; }},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        TspWindowStates s = Shown(f);
        c.setup(f, s);
        EXPECT_EQ(s.RollUp(f), TStateActions{}) << c.name;
        EXPECT_FALSE(s.FRollUpState) << c.name;
    }
}

// Tests the caption double-click: the state rules need Sizeable; everything else rolls.
TEST(WindowStates, CaptionDoubleClickTable)
{
    using C = TCaptionDblClick;
    struct Case {
        bool sizeable, maximizeIcon;
        WS state;
        bool rolled, maxRolled;
        C command;
        WS stateAfter;
        bool rolledAfter;
    } cases[] = {
        {true, true, WS::Minimized, false, false, C::Restore, WS::Normal, false},
        {true, true, WS::Normal, false, false, C::Maximize, WS::Maximized, false},
        {true, false, WS::Normal, false, false, C::RollUp, WS::Normal, true},
        {true, true, WS::Normal, true, false, C::RollDown, WS::Normal, false},
        {true, true, WS::Maximized, false, false, C::Restore, WS::Normal, false},
        {true, true, WS::Maximized, true, false, C::Restore, WS::Normal, true},
        {true, true, WS::Maximized, true, true, C::RollDown, WS::Maximized, false},
        {false, true, WS::Normal, false, false, C::RollUp, WS::Normal, true},
        {false, true, WS::Maximized, false, false, C::RollUp, WS::Maximized, true},
        {false, true, WS::Minimized, false, false, C::RollUp, WS::Minimized, false},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        f.IsMainForm = false;
        f.Geometry.Form.Sizeable = c.sizeable;
        f.BorderIcons.Maximize = c.maximizeIcon;
        TspWindowStates s = Shown(f);
        s.FWindowState = c.state;
        s.FRollUpState = c.rolled;
        s.MaxRollUpState = c.maxRolled;
        s.FRollUpBeforeMaximize = c.rolled && !c.maxRolled;
        s.OldHeight = 379;
        if (c.state != WS::Normal)
            s.OldBoundsRect = kDesigned;
        const int row = static_cast<int>(&c - cases);
        EXPECT_EQ(s.CaptionDblClickCommand(f), c.command) << "row " << row;
        s.CaptionDblClick(f);
        EXPECT_EQ(s.FWindowState, c.stateAfter) << "row " << row;
        EXPECT_EQ(s.FRollUpState, c.rolledAfter) << "row " << row;
    }
}

// Tests that minimizing the main form minimizes the application and keeps the state and
// bounds, so the application's restore shows the same maximized window.
TEST(WindowStates, MainFormMinimizeMinimizesApplication)
{
    TWindowStateFacts f = AppFacts();
    TspWindowStates s = Shown(f);
    Apply(f, s.Maximize(f));
    TStateActions a = s.Minimize(f);
    EXPECT_EQ(a, (TStateActions{Action(K::MinimizeApplication), Action(K::OnMinimize)}));
    Apply(f, a);
    EXPECT_EQ(s.FWindowState, WS::Maximized);
    EXPECT_EQ(s.OldBoundsRect, kDesigned);
    EXPECT_EQ(s.Minimize(f), TStateActions{});
}

// Tests that a WindowState of normal or maximized set while the main form is minimized with the
// application brings the application back, and then applies the state.
TEST(WindowStates, ShownStateWhileApplicationMinimizedRestoresIt)
{
    struct Case {
        WS before, requested;
        TStateActions expected;
    } cases[] = {
        {WS::Maximized, WS::Maximized, {Action(K::RestoreApplication)}},
        {WS::Normal, WS::Normal, {Action(K::RestoreApplication)}},
        {WS::Normal, WS::Maximized,
            {Action(K::RestoreApplication), SetBoundsAction(kWorkArea), Action(K::OnMaximize)}},
        {WS::Maximized, WS::Normal,
            {Action(K::RestoreApplication), SetBoundsAction(kDesigned), Action(K::StartMouseTimer),
                Action(K::Repaint), Action(K::OnRestore)}},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        TspWindowStates s = Shown(f);
        if (c.before == WS::Maximized)
            Apply(f, s.Maximize(f));
        Apply(f, s.Minimize(f));
        ASSERT_TRUE(f.AppMinimized);
        EXPECT_EQ(s.SetWindowState(c.requested, f), c.expected)
            << static_cast<int>(c.before) << " -> " << static_cast<int>(c.requested);
        EXPECT_EQ(s.FWindowState, c.requested);
    }
}

// Tests that secondary windows minimize to bars of the collapsed frame's size side by side from
// the work area's bottom-left, and restore to their bounds.
TEST(WindowStates, SecondaryWindowsMinimizeToAdjacentBars)
{
    TWindowStateFacts f = AppFacts();
    f.IsMainForm = false;
    const TspFrameGeometry collapsed = [&] {
        TspFrameGeometry g = f.Geometry;
        g.Form.Minimized = true;
        return g;
    }();
    const int32_t w = collapsed.GetMinWidth(), h = collapsed.GetMinHeight();
    ASSERT_GT(w, 0);
    ASSERT_EQ(h, 31);
    for (int i = 0; i < 3; ++i) {
        TspWindowStates s = Shown(f);
        TStateActions a = s.Minimize(f);
        const TRect bar = Bounds(i * w, 738 - 31, w, h);
        EXPECT_EQ(a, (TStateActions{SetBoundsAction(bar), Action(K::OnMinimize)})) << i;
        EXPECT_EQ(s.FWindowState, WS::Minimized);
        f.MinimizedBars.push_back({bar.Left, bar.Top});
        if (i == 2) {
            Apply(f, a);
            EXPECT_EQ(s.Restore(f), RestoreActions(kDesigned));
        }
        f.Bounds = kDesigned;
    }

    TspWindowStates platform = Shown(f);
    platform.FMinimizeDefault = true;
    EXPECT_EQ(
        platform.Minimize(f), (TStateActions{Action(K::MinimizeWindow), Action(K::OnMinimize)}));
    EXPECT_EQ(platform.FWindowState, WS::Normal);
}

// Tests that a maximized window follows a changed work area, a rolled-up one as a bar.
TEST(WindowStates, MaximizedWindowFollowsWorkAreaChange)
{
    const TRect topBar = Rect(0, 40, 1024, 768);
    TWindowStateFacts f = AppFacts();
    TspWindowStates s = Shown(f);
    EXPECT_EQ(s.WorkAreaChanged(f), TStateActions{});
    Apply(f, s.Maximize(f));
    EXPECT_EQ(s.WorkAreaChanged(f), TStateActions{});
    f.Geometry.Form.Monitor.WorkArea = topBar;
    TStateActions a = s.WorkAreaChanged(f);
    EXPECT_EQ(a, TStateActions{SetBoundsAction(topBar)});
    Apply(f, a);

    Apply(f, s.RollUp(f));
    EXPECT_EQ(f.Bounds, Rect(0, 40, 1024, 71));
    f.Geometry.Form.Monitor.WorkArea = kWorkArea;
    EXPECT_EQ(s.WorkAreaChanged(f), TStateActions{SetBoundsAction(Rect(0, 0, 1024, 31))});
    EXPECT_EQ(s.OldHeight, 738);
}

// Tests drag-to-maximize: the drag must pass above the work area and end at or above the
// monitor's top, and is refused where a maximize could not follow.
TEST(WindowStates, DragAgainstTopEdgeMaximizes)
{
    struct Case {
        const char* name;
        int32_t proposedTop, endTop;
        void (*setup)(TWindowStateFacts&, TspWindowStates&);
        bool maximized;
    } cases[] = {
        {"dropped at the top", -5, -5, nullptr, true},
        {"dropped at exactly the top", -1, 0, nullptr, true},
        {"moved back down", -5, 10, nullptr, false},
        {"never above the work area", 0, 0, nullptr, false},
        {"no maximize icon", -5, -5,
            [](TWindowStateFacts& f, TspWindowStates&) { f.BorderIcons.Maximize = false; }, false},
        {"full screen", -5, -5,
            [](TWindowStateFacts& f, TspWindowStates&) {
                f.Geometry.Form.MaximizeOnFullScreen = true;
            },
            false},
        {"rolled up", -5, -5,
            [](TWindowStateFacts&, TspWindowStates& s) { s.FRollUpState = true; }, false},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        TspWindowStates s = Shown(f);
        if (c.setup)
            c.setup(f, s);
        TRect proposed = Bounds(303, c.proposedTop, 793, 379);
        EXPECT_EQ(s.Moving(proposed, {600, c.proposedTop + 10}, f), TStateActions{}) << c.name;
        EXPECT_EQ(proposed, Bounds(303, c.proposedTop, 793, 379)) << c.name;
        f.Bounds = Bounds(303, c.endTop, 793, 379);
        s.MoveEnded(f);
        EXPECT_EQ(s.FWindowState, c.maximized ? WS::Maximized : WS::Normal) << c.name;
        EXPECT_FALSE(s.FCanMaximized) << c.name;
    }
}

// Tests drag-restore: a maximized window dragged down restores at the current top with its
// normal size centred under the cursor, kept inside the work area; otherwise it stays put. The
// window starts maximized as the app's does, so the pending first placement must not re-centre.
TEST(WindowStates, MaximizedWindowDraggedDownRestoresUnderCursor)
{
    struct Case {
        int32_t cursorX, proposedTop;
        int32_t left; // -1: stays maximized
    } cases[] = {
        {500, 20, 500 - 396},
        {100, 20, 0}, // would start left of the work area
        {900, 20, 1024 - 793}, // would end past its right edge
        {500, 0, -1}, // not dragged down
        {500, -20, -1},
    };
    for (const Case& c : cases) {
        TWindowStateFacts f = AppFacts();
        TspWindowStates s;
        Apply(f, s.Maximize(f));
        TRect proposed = kWorkArea.Offset(0, c.proposedTop);
        TStateActions a = s.Moving(proposed, {c.cursorX, c.proposedTop + 5}, f);
        if (c.left < 0) {
            EXPECT_EQ(a, TStateActions{});
            EXPECT_EQ(proposed, kWorkArea);
            EXPECT_EQ(s.FWindowState, WS::Maximized);
            continue;
        }
        const TRect expected = Bounds(c.left, 0, 793, 379);
        EXPECT_EQ(a, RestoreActions(expected)) << c.cursorX;
        EXPECT_EQ(proposed, expected);
        EXPECT_EQ(s.FWindowState, WS::Normal);
        EXPECT_FALSE(s.FIgnorePosition);
    }
}

} // namespace
} // namespace vt
