// The controller: the submenu wait on a fake clock, clicks, closing and the messages it sends,
// handlers that close the menu or free items, and the keys.
#include "menu_fakes.h"
#include "menus/skin_menu.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/resource_strings.h"
#include "skin/skinned_element.h"
#include "support.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::AddItem;

constexpr uint16_t kEnter = 13, kEsc = 27, kLeft = 37, kUp = 38, kRight = 39, kDown = 40;

// Without a skin every item is 20 high from y = 3.
TPoint Over(int index) { return {10, 13 + 20 * index}; }

class SkinMenu : public ::testing::Test {
protected:
    SkinMenu()
    {
        ctrl.SetServices({&text, &timer, &sink, &area, &views});
        ctrl.OnMenuClose = nullptr;
    }
    bool Open(TMenuItem* root = nullptr)
    {
        return ctrl.Popup(&button, nullptr, 0, Rect(100, 100, 100, 100), root ? root : menu.Items(), false);
    }
    TMenuItem* Logged(TMenuItem* parent, const wchar_t* caption)
    {
        TMenuItem* item = AddItem(parent, caption);
        item->OnClick = [this, caption](TObject*) { log.push_back(caption); };
        return item;
    }
    int Sent(TComponent* target, uint32_t message) const
    {
        return static_cast<int>(std::count(sink.Sent.begin(), sink.Sent.end(), std::make_pair(target, message)));
    }

    test::TFakeText text;
    test::TFakeTimer timer;
    test::TFakeSink sink;
    test::TFakeWorkArea area;
    test::TFakeViews views;
    TComponent form{nullptr}, button{nullptr};
    TspSkinMenu ctrl{nullptr, &form};
    TPopupMenu menu{nullptr};
    std::vector<std::wstring> log;
};

// Tests the submenu wait: hovering opens after 500 ms (armed by the first real move, not by
// the selection on opening), moving to a sibling cancels it, and a click opens at once after
// the parent item's own command.
TEST_F(SkinMenu, HoverWaitsAndClickOpensAtOnce)
{
    TMenuItem* sub = Logged(menu.Items(), L"sub");
    Logged(sub, L"inner");
    Logged(menu.Items(), L"sibling");
    ASSERT_TRUE(Open());
    TspPopupLevel& root = ctrl.Level(0);
    EXPECT_EQ(root.ActiveItem(), 0);
    EXPECT_EQ(timer.Deadline, -1);  // selected on opening: nothing armed yet

    root.TrackMouse(Over(0));
    timer.Advance(499, ctrl);
    EXPECT_EQ(ctrl.LevelCount(), 1);
    timer.Advance(1, ctrl);
    ASSERT_EQ(ctrl.LevelCount(), 2);
    EXPECT_TRUE(root.Item(0).Down);
    EXPECT_EQ(ctrl.Level(1).Position, Point(root.ScreenRect(0).Right + 1, root.ScreenRect(0).Top - 3));
    EXPECT_EQ(log, std::vector<std::wstring>{L"sub"});  // opening runs the parent's own command

    root.TrackMouse(Over(1));  // the sibling closes the submenu
    EXPECT_EQ(ctrl.LevelCount(), 1);
    EXPECT_FALSE(root.Item(0).Down);
    root.TrackMouse(Over(0));
    timer.Advance(300, ctrl);
    root.TrackMouse(Over(1));
    timer.Advance(1000, ctrl);
    EXPECT_EQ(ctrl.LevelCount(), 1);

    log.clear();
    root.MouseUp(Over(0));
    ASSERT_EQ(ctrl.LevelCount(), 2);
    EXPECT_EQ(log, std::vector<std::wstring>{L"sub"});
    EXPECT_EQ(timer.Deadline, -1);
}

// Tests that running an item closes the whole menu first (the form and the button are told,
// OnMenuClose runs once), then runs the command, then tells the button the command ran; the
// closed level is hidden at once but still readable inside the handler.
TEST_F(SkinMenu, RunsTheCommandAfterTheMenuClosed)
{
    Logged(menu.Items(), L"first");
    TMenuItem* second = AddItem(menu.Items(), L"second");
    int closes = 0;
    ctrl.OnMenuClose = [&](TObject*) { ++closes; };
    ASSERT_TRUE(Open());
    TspPopupLevel* level = &ctrl.Level(0);
    second->OnClick = [&](TObject*) {
        EXPECT_FALSE(ctrl.Visible());
        EXPECT_EQ(Sent(&form, kMenuClosedMessage), 1);
        EXPECT_EQ(Sent(&button, kMenuClosedMessage), 1);
        EXPECT_EQ(Sent(&button, kMenuCommandMessage), 0);
        EXPECT_EQ(views.Log.back(), L"hide");
        EXPECT_EQ(level->Count(), 2);  // freed only after this handler returns
        log.push_back(L"second");
    };
    level->MouseUp(Over(1));
    EXPECT_EQ(log, std::vector<std::wstring>{L"second"});
    EXPECT_EQ(closes, 1);
    EXPECT_EQ(Sent(&button, kMenuCommandMessage), 1);
    EXPECT_EQ(ctrl.LevelCount(), 0);
}

// Tests that a release runs the item under the release point, not the one the last 50 ms poll
// saw.
TEST_F(SkinMenu, ReleaseRunsTheItemUnderThePoint)
{
    for (const wchar_t* c : {L"a", L"b", L"c"})
        Logged(menu.Items(), c);
    ASSERT_TRUE(Open());
    TspPopupLevel& level = ctrl.Level(0);
    level.TrackMouse(Over(1));
    level.MouseUp(Over(2));
    EXPECT_EQ(log, std::vector<std::wstring>{L"c"});
}

// Tests that a menu with no visible item opens no level and ends at once, telling the button.
TEST_F(SkinMenu, NothingToOpenEndsTheMenu)
{
    AddItem(menu.Items(), L"-");
    AddItem(menu.Items(), L"hidden")->Visible = false;
    EXPECT_FALSE(Open());
    EXPECT_EQ(ctrl.LevelCount(), 0);
    EXPECT_FALSE(ctrl.Visible());
    EXPECT_EQ(Sent(&button, kMenuClosedMessage), 1);
    EXPECT_TRUE(views.Log.empty());
}

// Tests handlers that pull the ground away: a parent item whose OnClick closes the menu or frees
// itself opens nothing, and an OnMenuClose that frees the next menu's items stops that opening.
TEST_F(SkinMenu, HandlersMayCloseTheMenuOrFreeItems)
{
    TMenuItem* closer = AddItem(menu.Items(), L"closer");
    AddItem(closer, L"x");
    closer->OnClick = [&](TObject*) { ctrl.Hide(); };
    TMenuItem* suicide = AddItem(menu.Items(), L"suicide");
    AddItem(suicide, L"y");
    suicide->OnClick = [&](TObject*) { delete suicide; };

    ASSERT_TRUE(Open());
    ctrl.Level(0).MouseUp(Over(0));
    EXPECT_EQ(ctrl.LevelCount(), 0);
    EXPECT_FALSE(ctrl.Visible());

    ASSERT_TRUE(Open());
    ctrl.Level(0).MouseUp(Over(1));
    EXPECT_EQ(ctrl.LevelCount(), 1);
    EXPECT_EQ(menu.Items()->Count(), 1);

    TPopupMenu other(nullptr);
    TMenuItem* doomed = AddItem(other.Items(), L"doomed");
    ctrl.OnMenuClose = [&](TObject*) { delete doomed; };
    EXPECT_FALSE(ctrl.Popup(nullptr, nullptr, 0, Rect(0, 0, 0, 0), doomed, false));
    EXPECT_EQ(ctrl.LevelCount(), 0);
}

// Tests that accelerators are matched before the arrows by the typed character and run at once,
// and that F3 (the key code of "r") matches nothing.
TEST_F(SkinMenu, AcceleratorsRunTheirItem)
{
    Logged(menu.Items(), L"one");
    Logged(menu.Items(), L"&run");
    ASSERT_TRUE(Open());
    ctrl.PopupKeyDown(0x72);  // F3
    EXPECT_TRUE(log.empty());
    EXPECT_EQ(ctrl.Level(0).ActiveItem(), 0);
    ctrl.PopupKeyDown(kDown, L'r');  // the platform says this key types "r"
    EXPECT_EQ(log, std::vector<std::wstring>{L"&run"});
    EXPECT_FALSE(ctrl.Visible());
}

// Tests Up and Down: disabled items and separators are skipped, the search wraps only from the
// very last or first item, and Enter runs the active item.
TEST_F(SkinMenu, ArrowsSkipDisabledItemsAndWrapOnlyAtTheEnds)
{
    Logged(menu.Items(), L"a");
    AddItem(menu.Items(), L"off", false);
    AddItem(menu.Items(), L"-");
    Logged(menu.Items(), L"c");
    AddItem(menu.Items(), L"off2", false);
    ASSERT_TRUE(Open());
    TspPopupLevel& level = ctrl.Level(0);
    ctrl.PopupKeyDown(kDown);
    EXPECT_EQ(level.ActiveItem(), 3);
    ctrl.PopupKeyDown(kDown);  // only disabled items follow, and c is not the last item
    EXPECT_EQ(level.ActiveItem(), 3);
    ctrl.PopupKeyDown(kUp);
    EXPECT_EQ(level.ActiveItem(), 0);
    ctrl.PopupKeyDown(kUp);  // from the first item the search starts at the last
    EXPECT_EQ(level.ActiveItem(), 3);
    EXPECT_TRUE(level.Item(3).Active);
    EXPECT_FALSE(level.Item(0).Active);
    ctrl.PopupKeyDown(kEnter);
    EXPECT_EQ(log, std::vector<std::wstring>{L"c"});

    TPopupMenu three(nullptr);
    for (const wchar_t* c : {L"x", L"y", L"z"})
        AddItem(three.Items(), c);
    ASSERT_TRUE(Open(three.Items()));
    ctrl.PopupKeyDown(kDown);
    ctrl.PopupKeyDown(kDown);
    ctrl.PopupKeyDown(kDown);  // from the very last item to the first
    EXPECT_EQ(ctrl.Level(0).ActiveItem(), 0);
}

// Tests that keys scroll a limited level exactly enough to show the new active item.
TEST_F(SkinMenu, KeysScrollJustEnough)
{
    for (int i = 0; i < 10; ++i)
        AddItem(menu.Items(), L"item");
    ctrl.MaxMenuItemsInWindow = 3;
    ASSERT_TRUE(Open());
    TspPopupLevel& level = ctrl.Level(0);
    ASSERT_TRUE(level.Scroll);
    for (int i = 0; i < 3; ++i)
        ctrl.PopupKeyDown(kDown);
    EXPECT_EQ(level.ActiveItem(), 3);
    EXPECT_EQ(level.VisibleStartIndex, 1);
    ctrl.PopupKeyDown(kUp);
    ctrl.PopupKeyDown(kUp);
    EXPECT_EQ(level.VisibleStartIndex, 1);
    ctrl.PopupKeyDown(kUp);
    EXPECT_EQ(level.VisibleStartIndex, 0);
    ctrl.PopupKeyDown(kUp);  // wraps to the last page
    EXPECT_EQ(level.ActiveItem(), 9);
    EXPECT_EQ(level.VisibleStartIndex, 7);
    EXPECT_TRUE(level.Item(9).Visible);
    ctrl.PopupKeyDown(kDown);
    EXPECT_EQ(level.VisibleStartIndex, 0);

    // The down marker scrolls one item per tick and stops at the end.
    level.TrackMouse({10, level.DownMarkerRect().Top + 2});
    EXPECT_EQ(level.ScrollCode, 2);
    for (int i = 0; i < 20; ++i)
        level.ScrollTick();
    EXPECT_EQ(level.VisibleStartIndex, 7);
    EXPECT_EQ(level.ScrollCode, 0);
}

// Tests Right, Left and Escape: keys never open a submenu by selecting, Right opens it at once,
// Escape or Left close only the submenu and clear the parent's Down, Left on the root does
// nothing and Escape there closes the menu.
TEST_F(SkinMenu, RightLeftAndEscapeWalkTheLevels)
{
    AddItem(menu.Items(), L"leaf");
    TMenuItem* sub = AddItem(menu.Items(), L"sub");
    AddItem(sub, L"inner");
    ASSERT_TRUE(Open());
    ctrl.PopupKeyDown(kRight);  // a leaf: nothing
    EXPECT_EQ(ctrl.LevelCount(), 1);
    ctrl.PopupKeyDown(kDown);
    EXPECT_EQ(ctrl.LevelCount(), 1);
    ctrl.PopupKeyDown(kRight);
    ASSERT_EQ(ctrl.LevelCount(), 2);
    EXPECT_TRUE(ctrl.Level(0).Item(1).Down);
    ctrl.PopupKeyDown(kEsc);
    EXPECT_EQ(ctrl.LevelCount(), 1);
    EXPECT_FALSE(ctrl.Level(0).Item(1).Down);
    ctrl.PopupKeyDown(kRight);
    ctrl.PopupKeyDown(kLeft);
    EXPECT_EQ(ctrl.LevelCount(), 1);
    ctrl.PopupKeyDown(kLeft);
    EXPECT_EQ(ctrl.LevelCount(), 1);
    ctrl.PopupKeyDown(kEsc);
    EXPECT_EQ(ctrl.LevelCount(), 0);
    EXPECT_FALSE(ctrl.Visible());
    EXPECT_EQ(Sent(&button, kMenuClosedMessage), 1);
    EXPECT_EQ(Sent(&form, kMenuClosedMessage), 0);  // Escape leaves telling the form to the hook
}

// Tests the fonts: the default font without a skin or with UseSkinFont off, the skin item
// record's font with it, the header record's own font for headers, and the charset of the
// container's resource strings over every other.
TEST_F(SkinMenu, ChoosesItemAndHeaderFonts)
{
    ctrl.DefaultMenuItemFont = {L"Arial", 14, 0, 1};
    AddItem(menu.Items(), L"item");
    ASSERT_TRUE(Open());
    EXPECT_EQ(ctrl.Level(0).ItemFont, (TMenuFont{L"Arial", 14, 0, 1}));
    EXPECT_EQ(ctrl.Level(0).HeaderFont, ctrl.Level(0).ItemFont);

    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_FALSE(sd.Empty);
    const TspDataSkinMenuItem* mi = MenuItemRecord(sd);
    const auto* label = dynamic_cast<const TspDataSkinLabelControl*>(MenuHeaderRecord(sd));
    ASSERT_TRUE(mi && label);
    ASSERT_TRUE(ctrl.Popup(&button, &sd, 0, Rect(100, 100, 100, 100), menu.Items(), false));
    EXPECT_EQ(ctrl.ItemFont(), (TMenuFont{mi->FontName, mi->FontHeight, mi->FontStyle, 1}));
    EXPECT_EQ(ctrl.HeaderFont(), (TMenuFont{label->FontName, label->FontHeight, label->FontStyle, 1}));
    ctrl.UseSkinFont = false;
    EXPECT_EQ(ctrl.ItemFont(), ctrl.DefaultMenuItemFont);

    TspResourceStrData strings(nullptr);
    strings.SetCharSet(204);
    sd.SetResourceStrData(&strings);
    EXPECT_EQ(ctrl.ItemFont().Charset, 204);
    EXPECT_EQ(ctrl.HeaderFont().Charset, 204);
    sd.SetResourceStrData(nullptr);
}

// Tests that a skin change of the open menu's container closes the menu (its levels read that
// container's pictures) and tells the form, while another container's change leaves it open.
TEST_F(SkinMenu, ClosesOnItsContainersSkinChange)
{
    AddItem(menu.Items(), L"item");
    TspSkinData mine(nullptr), other(nullptr);
    TComponent owner(nullptr);
    auto* owned = new TspSkinMenu(&owner, &form);
    owned->SetServices({&text, &timer, &sink, &area, &views});
    ASSERT_TRUE(owned->Popup(&button, &mine, 0, Rect(100, 100, 100, 100), menu.Items(), false));
    BeforeChangeSkinDataOf(owner, &other);
    EXPECT_TRUE(owned->Visible());
    BeforeChangeSkinDataOf(owner, &mine);
    EXPECT_FALSE(owned->Visible());
    EXPECT_EQ(owned->LevelCount(), 0);
    EXPECT_EQ(Sent(&form, kMenuClosedMessage), 1);
}

} // namespace
} // namespace vt
