// Skinned menus in real windows, driven as a user drives them: the pointer moved and clicked and
// keys pressed with SendInput into the foreground form, through the application's loop. The owner
// form must stay active and focused throughout, whatever the menu does.
#include "framework/win/forms.h"
#include "menus/form_menus_win.h"
#include "menus/popup_window_win.h"
#include "menus/skin_menu.h"
#include "menus/skin_popup_menu_win.h"
#include "raster/bitmap_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms.h"
#include "skin/skin_forms_win.h"
#include "skin/skinned_element.h"
#include "support.h"
#include "unit/menus/menu_fixture_skin.h"
#include "win/framework/box_watcher.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

namespace vt {
namespace {

// A focusable control standing in for the form's editor.
class TFocusBox : public TCustomControl {
    VT_CLASS_NAME(TFocusBox)
public:
    explicit TFocusBox(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    int Wheels = 0;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_MOUSEWHEEL)
            ++Wheels;
        TCustomControl::WndProc(m);
    }
};

int VisiblePopupWindows()
{
    int count = 0;
    EnumThreadWindows(
        GetCurrentThreadId(),
        [](HWND hwnd, LPARAM data) -> BOOL {
            wchar_t cls[64] = {};
            GetClassNameW(hwnd, cls, 64);
            if (IsWindowVisible(hwnd) && std::wstring(cls) == TspSkinPopupWindow::kClassName)
                ++*reinterpret_cast<int*>(data);
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&count));
    return count;
}

class Menus : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();
        RegisterSkinMenuClasses();
        Application->OnException = [this](TObject*, const Exception& e) { errors.push_back(e.Message()); };
        form = std::make_unique<TForm>(nullptr);
        form->SetBounds(100, 100, 420, 300);
        panel = new TCustomControl(form.get());
        panel->SetBounds(200, 20, 180, 200);
        panel->SetParent(form.get());
        inner = new TFocusBox(form.get());
        inner->SetBounds(10, 10, 100, 40);
        inner->SetParent(panel);
        editor = new TFocusBox(form.get());
        editor->SetBounds(10, 10, 120, 40);
        editor->SetParent(form.get());
        skinHook.emplace(*form, [this](TMessage& m, const TWndMethod& previous) {
            if (!DispatchSkinChange(*form, m.Msg, reinterpret_cast<TspSkinData*>(m.WParam)))
                previous(m);
        });
        menus = new TspFormMenus(*form);
        menus->Attach();
        menus->OnSkinMenuOpen = [this](TObject*) { log.push_back(L"open"); };
        menus->OnSkinMenuClose = [this](TObject*) { log.push_back(L"close"); };
        popup = new TspSkinPopupMenu(form.get());
        BuildItems();
        form->Show();
        SetForegroundWindow(form->Handle());
        editor->SetFocus();
        Pump();
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        skinHook.reset();
        form.reset();
        Pump(20);
    }

    // File (sub: Recent (sub: One, Two), Save), -, Disabled, &Zeta, Boom (throws).
    void BuildItems()
    {
        file = Add(popup->Items(), L"&File");
        recent = Add(file, L"&Recent");
        one = Add(recent, L"&One");
        Add(recent, L"Two");
        Add(file, L"&Save");
        Add(popup->Items(), L"-");
        Add(popup->Items(), L"Disabled")->Enabled = false;
        zeta = Add(popup->Items(), L"&Zeta");
        boom = Add(popup->Items(), L"Boom");
        boom->OnClick = [](TObject*) { throw Exception(L"boom"); };
    }
    TMenuItem* Add(TMenuItem* parent, const wchar_t* caption)
    {
        auto* item = new TMenuItem(popup);
        item->Caption = caption;
        item->OnClick = [this, caption](TObject*) { log.push_back(caption); };
        parent->Add(item);
        return item;
    }

    static void Pump(int ms = 60) { test::Pump(ms); }
    static void Keys(std::initializer_list<WORD> keys) { test::Keys(keys); }
    static void MouseInput(DWORD flags, DWORD data = 0) { test::Mouse(flags, data); }
    static void MoveTo(TPoint p)
    {
        SetCursorPos(p.X, p.Y);
        MouseInput(MOUSEEVENTF_MOVE);
        Pump(120); // more than two polls of the menu's pointer timer
    }
    static void ClickAt(TPoint p)
    {
        MoveTo(p);
        MouseInput(MOUSEEVENTF_LEFTDOWN);
        MouseInput(MOUSEEVENTF_LEFTUP);
    }
    TspSkinMenu& Menu() { return *menus->SkinMenu(); }
    // The middle of an item of an open level, on the screen.
    TPoint ItemAt(int level, int index)
    {
        const TRect r = Menu().Level(level).ScreenRect(index);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    int IndexOf(int level, const TMenuItem* item)
    {
        TspPopupLevel& l = Menu().Level(level);
        for (int i = 0; i < l.Count(); ++i)
            if (l.Item(i).MenuItem.get() == item)
                return i;
        return -1;
    }
    void Open()
    {
        TPoint p = form->ClientToScreen({20, 80});
        popup->Popup(p.X, p.Y);
        Pump();
    }
    // The owner form keeps the activation and its focused control whatever the menu does.
    void ExpectFormKeepsFocus(const char* when)
    {
        EXPECT_EQ(GetForegroundWindow(), form->Handle()) << when;
        EXPECT_EQ(GetFocus(), editor->Handle()) << when;
    }
    // No level, no window, no menu mode (so no key hook).
    void ExpectNoMenuState(const char* when)
    {
        EXPECT_EQ(Menu().LevelCount(), 0) << when;
        EXPECT_FALSE(Menu().Visible()) << when;
        EXPECT_FALSE(menus->InMenu()) << when;
        EXPECT_EQ(VisiblePopupWindows(), 0) << when;
    }

    std::unique_ptr<TForm> form;
    TCustomControl* panel = nullptr;
    TFocusBox* inner = nullptr;
    TFocusBox* editor = nullptr;
    std::optional<TWindowProcHook> skinHook;
    TspFormMenus* menus = nullptr;
    TspSkinPopupMenu* popup = nullptr;
    TMenuItem *file = nullptr, *recent = nullptr, *one = nullptr, *zeta = nullptr, *boom = nullptr;
    std::vector<std::wstring> log;
    std::vector<std::wstring> errors;
};

// Tests the mouse through three levels: hovering opens each submenu after the wait (running the
// parent item's own command), the levels cascade to the right, a click on the innermost item
// closes everything first and then runs the command, which can open a modal box.
TEST_F(Menus, TheMouseOpensThreeLevelsAndRunsACommandAfterTheClose)
{
    Open();
    ASSERT_EQ(Menu().LevelCount(), 1);
    EXPECT_EQ(VisiblePopupWindows(), 1);
    EXPECT_TRUE(menus->InMenu());
    ExpectFormKeepsFocus("opened");

    MoveTo(ItemAt(0, IndexOf(0, file)));
    EXPECT_EQ(Menu().LevelCount(), 1); // the wait is not over yet
    Pump(600);
    ASSERT_EQ(Menu().LevelCount(), 2);
    MoveTo(ItemAt(1, IndexOf(1, recent)));
    Pump(600);
    ASSERT_EQ(Menu().LevelCount(), 3);
    EXPECT_EQ(VisiblePopupWindows(), 3);
    EXPECT_GT(Menu().Level(1).Position.X, Menu().Level(0).Position.X);
    EXPECT_GT(Menu().Level(2).Position.X, Menu().Level(1).Position.X);
    ExpectFormKeepsFocus("three levels");

    std::wstring boxText;
    one->OnClick = [&](TObject*) {
        log.push_back(L"One");
        ExpectNoMenuState("inside the command");
        test::BoxWatcher watcher;
        ShowMessage(L"from the command");
        boxText = test::BoxWatcher::text;
    };
    ClickAt(ItemAt(2, IndexOf(2, one)));
    Pump(100);
    EXPECT_EQ(boxText, L"from the command");
    EXPECT_EQ(log, (std::vector<std::wstring>{L"open", L"&File", L"&Recent", L"close", L"One"}));
    ExpectNoMenuState("after the command");
    EXPECT_EQ(GetForegroundWindow(), form->Handle());
    EXPECT_TRUE(errors.empty());
}

// Tests every key of an open menu: Down skips the separator and the disabled item, Right opens
// a submenu at once, Left and Escape close only it, an accelerator runs its item, Escape on the
// root closes the menu and ends the menu mode; the wheel is swallowed meanwhile.
TEST_F(Menus, KeysWalkTheLevels)
{
    Open();
    TspPopupLevel& root = Menu().Level(0);
    EXPECT_EQ(root.ActiveItem(), IndexOf(0, file));
    Keys({VK_DOWN});
    EXPECT_EQ(root.ActiveItem(), IndexOf(0, zeta));
    Keys({VK_UP});
    EXPECT_EQ(root.ActiveItem(), IndexOf(0, file));
    Keys({VK_RIGHT});
    ASSERT_EQ(Menu().LevelCount(), 2);
    Keys({VK_RIGHT});
    ASSERT_EQ(Menu().LevelCount(), 3);
    Keys({VK_LEFT});
    EXPECT_EQ(Menu().LevelCount(), 2);
    Keys({VK_ESCAPE});
    EXPECT_EQ(Menu().LevelCount(), 1);
    EXPECT_FALSE(root.Item(root.ActiveItem()).Down);
    Keys({VK_LEFT}); // nothing on the root
    EXPECT_EQ(Menu().LevelCount(), 1);
    // The wheel turns over the editor, where it would land without the menu (the platform may
    // send it to the window under the pointer).
    RECT er;
    GetWindowRect(editor->Handle(), &er);
    SetCursorPos((er.left + er.right) / 2, (er.top + er.bottom) / 2);
    MouseInput(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    EXPECT_EQ(editor->Wheels, 0);
    ExpectFormKeepsFocus("keys");
    Keys({VK_ESCAPE});
    ExpectNoMenuState("escape on the root");

    // The menu mode is over: keys reach the form again, and the wheel the focused control.
    MouseInput(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    EXPECT_EQ(editor->Wheels, 1);

    log.clear();
    Open();
    Keys({'Z'});
    ExpectNoMenuState("accelerator");
    Open();
    Keys({VK_DOWN, VK_RETURN});
    EXPECT_EQ(log, (std::vector<std::wstring>{L"open", L"close", L"&Zeta", L"open", L"close", L"&Zeta"}));
    ExpectNoMenuState("enter");
    ExpectFormKeepsFocus("after the commands");
}

// Tests that each of the form's own closing messages closes the open menu and ends the menu
// mode, and that a real click into a control inside a control of the form does too.
TEST_F(Menus, TheFormsOwnMessagesCloseTheMenu)
{
    for (UINT msg : {WM_MOVE, WM_SIZE, WM_ACTIVATE, WM_KILLFOCUS, WM_CANCELMODE, WM_MOUSEACTIVATE,
                     WM_NCLBUTTONDOWN, WM_NCRBUTTONDOWN, WM_NCMBUTTONDOWN, WM_LBUTTONDOWN,
                     WM_RBUTTONDOWN, WM_MBUTTONDOWN, WM_PARENTNOTIFY}) {
        Open();
        ASSERT_TRUE(Menu().Visible());
        // Harmless parameters: an activation that stays active, a press on nothing.
        const WPARAM wParam = msg == WM_ACTIVATE ? WA_ACTIVE : msg == WM_PARENTNOTIFY ? WM_LBUTTONDOWN : 0;
        SendMessageW(form->Handle(), msg, wParam, MAKELPARAM(1, 1));
        Pump(20);
        ExpectNoMenuState(("message " + std::to_string(msg)).c_str());
        SetForegroundWindow(form->Handle());
        editor->SetFocus();
    }
    Open();
    TPoint p = inner->ClientToScreen({5, 5});
    ClickAt(p);
    ExpectNoMenuState("a click into a grandchild");
}

// Tests that an exception in a command, chosen by the mouse or by a key, reaches the error
// handling and leaves no menu state behind.
TEST_F(Menus, AnExceptionInACommandLeavesNoMenuState)
{
    Open();
    ClickAt(ItemAt(0, IndexOf(0, boom)));
    EXPECT_EQ(errors, std::vector<std::wstring>{L"boom"});
    ExpectNoMenuState("a click");
    errors.clear();
    MoveTo(form->ClientToScreen({150, 250})); // away from where the menu opens
    Open();
    Keys({VK_UP}); // from the first item up to the last, Boom
    EXPECT_EQ(Menu().Level(0).ActiveItem(), IndexOf(0, boom));
    Keys({VK_RETURN});
    EXPECT_EQ(errors, std::vector<std::wstring>{L"boom"});
    ExpectNoMenuState("a key");
    ExpectFormKeepsFocus("after the errors");
}

// Tests that a skin change of the menu's container closes the open menu, and that the popup
// menu takes the form's menu skin once and keeps it.
TEST_F(Menus, ASkinChangeOfItsContainerClosesIt)
{
    auto* sd = new TspSkinData(form.get());
    auto* menuSkin = new TspSkinData(form.get());
    sd->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    menuSkin->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    menus->SetSkinData(sd);
    menus->SetMenusSkinData(menuSkin);
    Open();
    ASSERT_TRUE(Menu().Visible());
    EXPECT_EQ(popup->SkinData(), menuSkin);
    EXPECT_EQ(Menu().SkinData(), menuSkin);
    sd->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini")); // another container
    EXPECT_TRUE(Menu().Visible());
    menuSkin->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ExpectNoMenuState("skin change");
    menus->SetMenusSkinData(nullptr);
    Open();
    EXPECT_EQ(Menu().SkinData(), menuSkin); // kept
    Keys({VK_ESCAPE});
}

// Tests the popup menu component: a second popup closes the first (whose OnMenuClose runs once)
// before it shows; a menu with nothing to show ends the menu mode at once; without a form engine
// nothing opens.
TEST_F(Menus, PopupMenusReplaceEachOtherAndNeedAnEngine)
{
    int firstClosed = 0;
    popup->OnMenuClose = [&](TObject*) { ++firstClosed; };
    auto* second = new TspSkinPopupMenu(form.get());
    auto* item = new TMenuItem(second);
    item->Caption = L"Second";
    second->Items()->Add(item);
    Open();
    TPoint p = form->ClientToScreen({200, 80});
    second->Popup(p.X, p.Y);
    Pump();
    EXPECT_EQ(firstClosed, 1);
    ASSERT_EQ(Menu().LevelCount(), 1);
    EXPECT_EQ(Menu().Level(0).Item(0).MenuItem.get(), item);
    EXPECT_TRUE(menus->InMenu());
    Keys({VK_ESCAPE});
    EXPECT_EQ(firstClosed, 1);
    ExpectNoMenuState("escape");

    auto* empty = new TspSkinPopupMenu(form.get());
    auto* hidden = new TMenuItem(empty);
    hidden->Caption = L"Hidden";
    hidden->Visible = false;
    empty->Items()->Add(hidden);
    empty->Popup(p.X, p.Y);
    Pump();
    ExpectNoMenuState("nothing to show");

    TForm bare(nullptr);
    auto* orphan = new TspSkinPopupMenu(&bare);
    auto* orphanItem = new TMenuItem(orphan);
    orphanItem->Caption = L"Orphan";
    orphan->Items()->Add(orphanItem);
    EXPECT_EQ(orphan->FindHost(), nullptr);
    orphan->Popup(p.X, p.Y);
    Pump();
    EXPECT_EQ(VisiblePopupWindows(), 0);
}

// Tests what the level windows do with a skin: the mask cuts the window's corners, AlphaBlend
// makes them layered and fades the first one in to the chosen opacity, hovering morphs and animates an item on the
// window's own timer, resting on the down marker scrolls one item per tick, and an item with
// OnDrawItem draws itself on the item's canvas.
TEST_F(Menus, LevelWindowsFollowTheSkin)
{
    auto* sd = new TspSkinData(form.get());
    test::BuildMenuFixtureSkin(*sd);
    menus->SetSkinData(sd);
    Menu().AlphaBlend = true;
    Menu().AlphaBlendValue = 180;
    Menu().AlphaBlendAnimation = true; // the first level fades in before Popup returns
    Menu().MaxMenuItemsInWindow = 5;
    for (int i = 0; i < 6; ++i)
        Add(popup->Items(), L"More");
    TMenuItem* owner = Add(popup->Items(), L"Owner drawn");
    owner->OnDrawItem = [](TObject*, TCanvas& canvas, const TRect& r, bool) {
        canvas.Brush().SetStyle(TBrushStyle::bsSolid);
        canvas.Brush().SetColor(clRed);
        canvas.FillRect(r);
    };
    MoveTo(form->ClientToScreen({150, 250}));
    Open();
    ASSERT_EQ(Menu().LevelCount(), 1);
    TspPopupLevel& level = Menu().Level(0);
    auto* window = dynamic_cast<TspSkinPopupWindow*>(level.View());
    ASSERT_NE(window, nullptr);
    HWND hwnd = window->Handle();

    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(hwnd, rgn), ERROR);
    EXPECT_FALSE(PtInRegion(rgn, 0, 0));
    EXPECT_TRUE(PtInRegion(rgn, level.Width / 2, level.Height / 2));
    DeleteObject(rgn);
    EXPECT_TRUE(GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED);
    BYTE alpha = 0;
    DWORD flags = 0;
    ASSERT_TRUE(GetLayeredWindowAttributes(hwnd, nullptr, &alpha, &flags));
    EXPECT_EQ(alpha, 180);
    ExpectFormKeepsFocus("skinned");

    // The morph and the frames run on their own: five 20 ms steps, three 40 ms frames.
    ASSERT_TRUE(level.Scroll);
    const int first = level.ActiveItem();
    int second = first + 1;
    while (second < level.Count() && !(level.Item(second).Selectable() && level.Item(second).Visible))
        ++second;
    ASSERT_LT(second, level.Count());
    MoveTo(ItemAt(0, second));
    Pump(400);
    EXPECT_EQ(level.Item(second).MorphKf, 1.0);
    EXPECT_EQ(level.Item(second).CurrentFrame, test::MenuFixtureSkin::kFrameCount + 1);
    EXPECT_EQ(level.Item(first).MorphKf, 0.0);

    // Resting on the down marker scrolls to the end, one item per 100 ms.
    const TRect marker = level.DownMarkerRect().Offset(level.Position.X, level.Position.Y);
    MoveTo({(marker.Left + marker.Right) / 2, (marker.Top + marker.Bottom) / 2});
    Pump(250);
    EXPECT_GT(level.VisibleStartIndex, 0);
    EXPECT_TRUE(level.CanScrollDown());
    Pump(1500);
    EXPECT_FALSE(level.CanScrollDown());
    EXPECT_EQ(level.ScrollCode, 0);

    const int drawn = IndexOf(0, owner);
    ASSERT_TRUE(level.Item(drawn).Visible);
    TspBitmap picture;
    window->PaintTo(picture);
    const TRect r = level.Item(drawn).ObjectRect;
    const TspColor centre = picture.GetPixel((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    EXPECT_EQ(PixelR(centre), 255);
    EXPECT_EQ(PixelG(centre), 0);
    EXPECT_EQ(PixelB(centre), 0);
    Keys({VK_ESCAPE});
    ExpectNoMenuState("escape");
}

} // namespace
} // namespace vt
