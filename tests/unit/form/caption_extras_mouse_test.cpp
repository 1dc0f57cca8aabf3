// The caption's mouse handling for tabs and quick buttons, driven like the engine drives it: the
// application's five quick buttons (0 and 1 on the right and ungrouped, 1 with a menu; 2 and 3 a
// radio group with 3 down; 4 alone in a group that may go all up) and three tabs, each at a place
// of its own. The events of each call are applied as the engine would: a tab change through the
// tab index setter.
#include "form/caption_extras_mouse.h"
#include "raster/png_list.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

using E = TspCaptionEvent;
using K = TspCaptionEventKind;
E Click(int i) { return {K::Click, i}; }
E Down(int i, TspMouseButton b = TspMouseButton::Left) { return {K::MouseDown, i, b}; }
E Open(int i) { return {K::OpenMenu, i}; }
E Tab(int i) { return {K::TabChange, i}; }

enum class Act { Move, Press, Release, RightPress, RightRelease, Leave, Deactivate, MenuClose };

struct TStep {
    Act A;
    TPoint P;
    const char* Downs;  // the five quick buttons after the step
    std::vector<E> Events;
};

class CaptionMouse : public ::testing::Test {
protected:
    CaptionMouse() : caption(nullptr, sd, record)
    {
        auto* images = new TspPngImageList(&owner);
        auto* menu = new TPopupMenu(&owner);
        extras.SetQuickImageList(images);
        const struct {
            int Group;
            bool AllowAllUp, Down, Menu;
        } quick[] = {{0, false, false, false}, {0, false, false, true}, {1, false, false, false},
                     {1, false, true, false},  {2, true, false, false}};
        for (const auto& q : quick) {
            TspQuickButtonItem& item = *extras.QuickButtons.Add();
            item.SetGroupIndex(q.Group);
            item.SetAllowAllUp(q.AllowAllUp);
            item.SetDown(q.Down);
            item.SetImageIndex(0);
            if (q.Menu)
                item.SetPopupMenu(menu);
            const int i = extras.QuickButtons.Count() - 1;
            item.ItemRect = Rect(100 + 30 * i, 4, 120 + 30 * i, 24);
        }
        for (int t = 0; t < 3; ++t)
            extras.CaptionTabs.Add()->ItemRect = Rect(300 + 100 * t, 7, 390 + 100 * t, 29);
        caption.FTabDataIndex = 0;
        extras.OnCaptionTabChange = [this](TObject*) { Changes.push_back(extras.CaptionTabIndex()); };
    }
    static TPoint Q(int i) { return {110 + 30 * i, 14}; }
    static TPoint T(int t) { return {340 + 100 * t, 20}; }

    TspCaptionResponse Run(Act a, TPoint p, int menuClosedByPress = -1)
    {
        TspCaptionExtrasMouse mouse(caption, extras, facts);
        TspCaptionResponse r;
        switch (a) {
        case Act::Move: r = mouse.MouseMove(p); break;
        case Act::Press: r = mouse.MouseDown(p, TspMouseButton::Left, menuClosedByPress); break;
        case Act::Release: r = mouse.MouseUp(p, TspMouseButton::Left); break;
        case Act::RightPress: r = mouse.MouseDown(p, TspMouseButton::Right); break;
        case Act::RightRelease: r = mouse.MouseUp(p, TspMouseButton::Right); break;
        case Act::Leave: r = mouse.MouseLeave(); break;
        case Act::Deactivate: r = mouse.Deactivate(); break;
        case Act::MenuClose: r = mouse.SkinMenuClose(); break;
        }
        for (const E& e : r.Events)
            if (e.Kind == K::TabChange)
                extras.SetCaptionTabIndex(e.Index);
        return r;
    }
    std::string Downs() const
    {
        std::string s;
        for (int i = 0; i < extras.QuickButtons.Count(); ++i)
            s += extras.QuickButtons.Items(i)->Down() ? '1' : '0';
        return s;
    }
    void Play(const std::vector<TStep>& steps)
    {
        for (size_t i = 0; i < steps.size(); ++i) {
            const TStep& s = steps[i];
            const TspCaptionResponse r = Run(s.A, s.P);
            EXPECT_EQ(Downs(), s.Downs) << "step " << i;
            EXPECT_EQ(r.Events, s.Events) << "step " << i;
        }
    }
    TspQuickButtonItem& Item(int i) { return *extras.QuickButtons.Items(i); }

    static constexpr TPoint kFree{50, 14};
    TspSkinData sd{nullptr};
    TspDataSkinCaption record{L"caption"};
    TspSkinCaptionObject caption;
    TComponent owner{nullptr};
    TspCaptionExtras extras{&owner};
    TspCaptionMouseFacts facts;
    std::vector<int> Changes;
};

// Tests the radio pair: pressing the up button puts it down, releases the other and clicks on the
// press; pressing the down one does nothing. The all-up button toggles, clicking on the press that
// puts it down and on the release that raises it.
TEST_F(CaptionMouse, GroupedButtonsClickOnThePress)
{
    Play({
        {Act::Press, Q(2), "00100", {Click(2), Down(2)}},
        {Act::Release, Q(2), "00100", {}},
        {Act::Press, Q(2), "00100", {Down(2)}},
        {Act::Release, Q(2), "00100", {}},
        {Act::Press, Q(3), "00010", {Click(3), Down(3)}},
        {Act::Release, Q(3), "00010", {}},
        {Act::Press, Q(4), "00011", {Click(4), Down(4)}},
        {Act::Release, Q(4), "00011", {}},
        {Act::Press, Q(4), "00011", {Down(4)}},
        {Act::Release, Q(4), "00010", {Click(4)}},
        {Act::Press, Q(4), "00011", {Click(4), Down(4)}},
        {Act::Press, Q(4), "00011", {Down(4)}},
        {Act::Release, kFree, "00011", {}},  // released elsewhere: it stays down
    });
}

// Tests the button that springs back: it clicks on the release only while still down over it;
// leaving it while pressed releases it silently, and coming back does not press it again.
TEST_F(CaptionMouse, UngroupedButtonClicksOnTheReleaseOverIt)
{
    Play({
        {Act::Press, Q(0), "10010", {Down(0)}},
        {Act::Release, Q(0), "00010", {Click(0)}},
        {Act::Press, Q(0), "10010", {Down(0)}},
        {Act::Move, kFree, "00010", {}},
        {Act::Move, Q(0), "00010", {}},
        {Act::Release, Q(0), "00010", {}},
        {Act::Press, Q(0), "10010", {Down(0)}},
        {Act::Release, kFree, "00010", {}},
        {Act::Press, Q(0), "10010", {Down(0)}},
        {Act::Release, Q(1), "00010", {}},  // released over another button: no click anywhere
        {Act::RightPress, Q(0), "00010", {Down(0, TspMouseButton::Right)}},
    });
    EXPECT_EQ(caption.MouseCaptureQuickButton, -1);
}

// Tests the button with a menu: it opens the menu on the press and stays down and lit while the
// menu is open, wherever the pointer goes; the menu's closing raises it. A press that itself
// closed the menu does not open it again.
TEST_F(CaptionMouse, MenuButtonStaysDownWhileItsMenuIsOpen)
{
    Play({
        {Act::Press, Q(1), "01010", {Open(1), Down(1)}},
        {Act::Move, kFree, "01010", {}},
        {Act::Release, kFree, "01010", {}},
    });
    EXPECT_EQ(caption.PopupMenuQuickButton, 1);
    EXPECT_EQ(caption.MouseCaptureQuickButton, -1);
    EXPECT_TRUE(Item(1).Active);

    Play({{Act::MenuClose, {}, "00010", {}}});
    EXPECT_FALSE(Item(1).Active);
    EXPECT_EQ(caption.PopupMenuQuickButton, -1);

    EXPECT_EQ(Run(Act::Press, Q(1), 1).Events, std::vector<E>{Down(1)});
    EXPECT_EQ(Downs(), "01010");
    Play({{Act::Release, Q(1), "00010", {Click(1)}}});

    Play({
        {Act::Press, Q(1), "01010", {Open(1), Down(1)}},
        {Act::Release, Q(1), "01010", {Click(1)}},  // released over it: it stays down
        {Act::MenuClose, {}, "00010", {}},
    });
}

// Tests the tabs: a press on another tab changes the current tab once, on the press; a press on
// the current tab or with the right button changes nothing.
TEST_F(CaptionMouse, TabsChangeOnThePressOfAnotherTab)
{
    Play({{Act::Press, T(0), "00010", {Tab(0)}}});
    EXPECT_TRUE(Changes.empty());
    Play({
        {Act::Press, T(1), "00010", {Tab(1)}},
        {Act::Release, T(1), "00010", {}},
        {Act::RightPress, T(2), "00010", {}},
    });
    EXPECT_EQ(Changes, std::vector<int>{1});
    EXPECT_EQ(extras.CaptionTabIndex(), 1);

    caption.FTabDataIndex = -1;  // the skin has no tab record: tabs cannot be clicked
    Play({{Act::Press, T(2), "00010", {}}});
    EXPECT_EQ(extras.CaptionTabIndex(), 1);
}

// Tests hot tracking: the hot item lights alone, a move inside it asks for no repaint, leaving the
// caption clears every hot state, and disabled or hidden buttons never light.
TEST_F(CaptionMouse, HotTrackingRepaintsOnlyOnChange)
{
    EXPECT_TRUE(Run(Act::Move, T(2)).Repaint);
    EXPECT_TRUE(extras.CaptionTabs.Items(2)->Active);
    EXPECT_FALSE(Run(Act::Move, TPoint{T(2).X + 1, T(2).Y + 1}).Repaint);
    EXPECT_TRUE(Run(Act::Move, Q(4)).Repaint);
    EXPECT_FALSE(extras.CaptionTabs.Items(2)->Active);
    EXPECT_TRUE(Item(4).Active);
    EXPECT_EQ(caption.ActiveQuickButton, 4);

    EXPECT_TRUE(Run(Act::Leave, {}).Repaint);
    EXPECT_FALSE(Item(4).Active);
    EXPECT_EQ(caption.ActiveQuickButton, -1);
    EXPECT_EQ(caption.ActiveTab, -1);

    Item(0).SetEnabled(false);
    Item(2).SetVisible(false);
    Play({
        {Act::Press, Q(0), "00010", {}},
        {Act::Press, Q(2), "00010", {}},
    });
    EXPECT_FALSE(Run(Act::Move, Q(0)).Repaint);

    facts.NCArea = false;
    EXPECT_TRUE(Run(Act::Press, Q(4)).Events.empty());
}

// Tests deactivation: hot states go, a pressed button that springs back goes up, and the grouped
// buttons keep their state.
TEST_F(CaptionMouse, DeactivationKeepsGroupedButtonsDown)
{
    Play({
        {Act::Press, Q(4), "00011", {Click(4), Down(4)}},
        {Act::Press, Q(0), "10011", {Down(0)}},
    });
    EXPECT_TRUE(Run(Act::Deactivate, {}).Repaint);
    EXPECT_EQ(Downs(), "00011");
    for (int i = 0; i < 5; ++i)
        EXPECT_FALSE(Item(i).Active) << i;
    EXPECT_FALSE(Run(Act::Deactivate, {}).Repaint);
}

// Tests the hints: shown when a button with a hint turns hot, hidden when nothing is hot any more
// and on every press.
TEST_F(CaptionMouse, HintsFollowTheHotButton)
{
    facts.ShowHints = true;
    Item(2).SetHint(L"two");
    const E hide{K::HideHint};
    Play({
        {Act::Move, Q(2), "00010", {{K::ShowHint, 2}}},
        {Act::Move, TPoint{Q(2).X + 1, Q(2).Y}, "00010", {}},
        {Act::Move, Q(3), "00010", {}},
        {Act::Move, kFree, "00010", {hide}},
        {Act::Press, Q(3), "00010", {Down(3), hide}},
    });
}

// Tests the right release on the caption's free area: the system menu under a full layered border
// only, not over an item and not when the system menu is disabled.
TEST_F(CaptionMouse, RightReleaseOnTheFreeCaptionOpensTheSystemMenuUnderALayeredBorder)
{
    const E menu{K::SystemMenu};
    Play({{Act::RightRelease, kFree, "00010", {}}});
    facts.FullLayeredBorder = true;
    Play({
        {Act::RightRelease, kFree, "00010", {menu}},
        {Act::RightRelease, Q(2), "00010", {}},
        {Act::RightRelease, T(0), "00010", {}},
    });
    facts.DisableSystemMenu = true;
    Play({{Act::RightRelease, kFree, "00010", {}}});
}

} // namespace
} // namespace vt
