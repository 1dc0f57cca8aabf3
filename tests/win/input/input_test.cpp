// Input through real windows: keys and clicks arrive as a user's do (SendInput into the
// foreground window, or messages posted into the application's loop), so the pipeline runs.
#include "framework/win/forms.h"
#include "framework/win/timer.h"
#include "win/framework/box_watcher.h"
#include "win/framework/key_button.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace vt {
namespace {

using test::TKeyButton;

class Input : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        Application->OnException = [this](TObject*, const Exception& e) {
            errors.push_back(e.Message());
        };
    }
    void TearDown() override
    {
        Application->OnException = nullptr;
        Screen->SetCursor(crDefault);
    }
    static void Pump(int ms = 60) { test::Pump(ms); }
    static void Chord(std::initializer_list<WORD> keys) { test::Chord(keys); }
    static void Mouse(DWORD flags, DWORD data = 0) { test::Mouse(flags, data); }
    static void MoveTo(TControl* control, int x, int y)
    {
        TPoint p = control->ClientToScreen({x, y});
        SetCursorPos(p.X, p.Y);
        Mouse(MOUSEEVENTF_MOVE);  // a zero move, so the window under the mouse hears of it
    }
    TKeyButton* AddButton(TWinControl* parent, const wchar_t* caption, int x)
    {
        auto* b = new TKeyButton(parent);
        b->SetCaption(caption);
        b->SetBounds(x, 10, 60, 30);
        b->SetParent(parent);
        return b;
    }
    // A shown form in the foreground.
    void ShowForm(TForm& form)
    {
        form.SetBounds(100, 100, 400, 200);
        form.Show();
        SetForegroundWindow(form.Handle());
        Pump();
    }
    // ShowModal with a watchdog, so a test that fails cannot hang: mrAbort after three seconds.
    static TModalResult RunModal(TForm& form)
    {
        TTimer watchdog(nullptr);
        watchdog.SetInterval(3000);
        watchdog.SetOnTimer([&](TObject*) { form.SetModalResult(mrAbort); });
        return form.ShowModal();
    }
    std::vector<std::wstring> errors;
};

// Tests that Tab and Shift+Tab visit the tab-stop controls in TabOrder (not creation order) and
// wrap around, skipping a control without TabStop; each move sends exit to the old control,
// enter to the new one and a focus-changed notice to every control of the form.
TEST_F(Input, TabOrderOverThreeControlsBothWays)
{
    TForm form(nullptr);
    TKeyButton* third = AddButton(&form, L"Third", 150);
    TKeyButton* first = AddButton(&form, L"First", 10);
    TKeyButton* skipped = AddButton(&form, L"Skipped", 220);
    TKeyButton* second = AddButton(&form, L"Second", 80);
    skipped->SetTabStop(false);
    first->SetTabOrder(0);
    second->SetTabOrder(1);
    third->SetTabOrder(2);
    skipped->SetTabOrder(3);
    std::vector<std::wstring> log;
    for (TKeyButton* b : {first, second, third}) {
        b->OnEnter = [&log, b](TObject*) { log.push_back(L"enter " + b->Caption()); };
        b->OnExit = [&log, b](TObject*) { log.push_back(L"exit " + b->Caption()); };
    }
    ShowForm(form);
    EXPECT_EQ(form.ActiveControl(), first);  // the first tab stop on activation
    EXPECT_TRUE(first->Focused());

    std::vector<TWinControl*> seen;
    for (int i = 0; i < 3; ++i) {
        Chord({VK_TAB});
        seen.push_back(form.ActiveControl());
    }
    Chord({VK_SHIFT, VK_TAB});
    seen.push_back(form.ActiveControl());
    Chord({VK_SHIFT, VK_TAB});
    seen.push_back(form.ActiveControl());
    EXPECT_EQ(seen, (std::vector<TWinControl*>{second, third, first, third, second}));
    EXPECT_TRUE(second->Focused());
    EXPECT_EQ(log, (std::vector<std::wstring>{
                       L"enter First", L"exit First", L"enter Second", L"exit Second",
                       L"enter Third", L"exit Third", L"enter First", L"exit First",
                       L"enter Third", L"exit Third", L"enter Second"}));
    // Six focus changes (the first focusing included) reach every control.
    EXPECT_EQ(std::count(skipped->Notices.begin(), skipped->Notices.end(), CM_FOCUSCHANGED), 6);
}

// Tests that inside ShowModal Enter reaches the default control and Esc the cancel control,
// ShowModal returning the ModalResult each set, with the other windows disabled meanwhile and
// the focus back where it was afterwards; Close on the modal form means cancel.
TEST_F(Input, ShowModalEndsWithTheResultOfDefaultAndCancel)
{
    TForm owner(nullptr);
    TKeyButton* before = AddButton(&owner, L"Before", 10);
    AddButton(&owner, L"Other", 80);
    ShowForm(owner);
    before->SetFocus();

    TForm dialog(nullptr);
    TKeyButton* ok = AddButton(&dialog, L"OK", 10);
    TKeyButton* cancel = AddButton(&dialog, L"Cancel", 80);
    ok->Default = true;
    ok->Result = mrOk;
    cancel->Cancel = true;
    cancel->Result = mrCancel;
    bool ownerEnabledInside = true;
    ok->OnClick = [&](TObject*) { ownerEnabledInside = IsWindowEnabled(owner.Handle()) != FALSE; };

    struct Case {
        WORD key;
        TModalResult expected;
    };
    for (Case c : {Case{VK_RETURN, mrOk}, Case{VK_ESCAPE, mrCancel}}) {
        // Queued before the loop starts; the nested loop delivers it to the dialog.
        PostMessageW(dialog.Handle(), WM_KEYDOWN, c.key, 1);
        EXPECT_EQ(RunModal(dialog), c.expected) << c.key;
        EXPECT_FALSE(IsWindowVisible(dialog.Handle()));
        EXPECT_TRUE(IsWindowEnabled(owner.Handle()));
        EXPECT_EQ(GetFocus(), before->Handle());
    }
    EXPECT_FALSE(ownerEnabledInside);

    PostMessageW(dialog.Handle(), WM_CLOSE, 0, 0);
    EXPECT_EQ(RunModal(dialog), mrCancel);
    dialog.Show();
    EXPECT_THROW(dialog.ShowModal(), EInvalidOperation);
}

// Tests that an exception in a click handler inside the modal loop shows the error box over the
// modal form and the loop goes on to its result.
TEST_F(Input, ExceptionInModalClickHandlerShowsTheBoxAndTheLoopGoesOn)
{
    Application->OnException = nullptr;  // the standard box this time
    TForm dialog(nullptr);
    TKeyButton* ok = AddButton(&dialog, L"OK", 10);
    TKeyButton* cancel = AddButton(&dialog, L"Cancel", 80);
    ok->Default = true;
    cancel->Cancel = true;
    cancel->Result = mrCancel;
    ok->OnClick = [](TObject*) { throw EConvertError(L"handler failed"); };
    test::BoxWatcher watcher;
    PostMessageW(dialog.Handle(), WM_KEYDOWN, VK_RETURN, 1);
    // Esc once the box is gone (the box's own loop would take a key posted earlier).
    TTimer esc(nullptr);
    esc.SetInterval(20);
    esc.SetOnTimer([&](TObject*) {
        if (!test::BoxWatcher::text.empty() && !IsWindow(test::BoxWatcher::box)) {
            esc.SetEnabled(false);
            PostMessageW(dialog.Handle(), WM_KEYDOWN, VK_ESCAPE, 1);
        }
    });
    EXPECT_EQ(RunModal(dialog), mrCancel);
    EXPECT_EQ(test::BoxWatcher::text, L"handler failed.");
    EXPECT_EQ(test::BoxWatcher::owner, dialog.Handle());
}

// Tests that Alt+accelerator clicks the control with that "&" letter, and that the taken key
// goes no further: no SC_KEYMENU reaches the form.
TEST_F(Input, AltAcceleratorClicksItsControl)
{
    TForm form(nullptr);
    TKeyButton* menu = AddButton(&form, L"E&mlor", 10);
    TKeyButton* other = AddButton(&form, L"&Other", 80);
    int menuClicks = 0, otherClicks = 0, keyMenus = 0;
    menu->OnClick = [&](TObject*) { ++menuClicks; };
    other->OnClick = [&](TObject*) { ++otherClicks; };
    // The system's menu key handling starts at the focused window or at the form.
    auto countKeyMenus = [&](TMessage& m, const TWndMethod& previous) {
        if (m.Msg == WM_SYSCOMMAND && (m.WParam & 0xFFF0) == SC_KEYMENU)
            ++keyMenus;
        previous(m);
    };
    TWindowProcHook formHook(form, countKeyMenus), menuHook(*menu, countKeyMenus);
    ShowForm(form);
    Chord({VK_MENU, 'M'});
    EXPECT_EQ(menuClicks, 1);
    EXPECT_EQ(otherClicks, 0);
    EXPECT_EQ(keyMenus, 0);
    // A letter nobody has goes on to the system's menu handling.
    Chord({VK_MENU, 'Q'});
    EXPECT_EQ(menuClicks + otherClicks, 1);
    EXPECT_GE(keyMenus, 1);
}

// Tests the order of the pipeline: OnMessage first (a key it takes goes nowhere), then the
// form's OnShortCut (a key it takes is not translated: no WM_SYSCHAR, no key event); a scoped
// OnMessage hook passes on what it leaves and puts the previous handler back.
TEST_F(Input, ShortCutTakenInOnShortCutProducesNoSysChar)
{
    TForm form(nullptr);
    TKeyButton* target = AddButton(&form, L"Target", 10);
    std::vector<WORD> shortcuts, keyDowns;
    form.OnShortCut = [&](TWMKey& key, bool& handled) {
        shortcuts.push_back(key.CharCode);
        handled = key.CharCode == 'X';
    };
    target->OnKeyDown = [&](TObject*, WORD& key, TShiftState) { keyDowns.push_back(key); };
    ShowForm(form);
    ASSERT_TRUE(target->Focused());
    int outerCalls = 0;
    Application->OnMessage = [&](MSG&, bool&) { ++outerCalls; };
    {
        TMessageHookScope scope([&](MSG& msg, bool& handled, const TMessageEvent& previous) {
            if (msg.message == WM_SYSKEYDOWN && msg.wParam == 'Z')
                handled = true;
            else
                previous(msg, handled);
        });
        struct Case {
            WORD key;
            bool sysChar;
            bool shortcutAsked;
        };
        for (Case c : {Case{'X', false, true}, Case{'Y', true, true}, Case{'Z', false, false}}) {
            shortcuts.clear();
            keyDowns.clear();
            target->Notices.clear();
            PostMessageW(target->Handle(), WM_SYSKEYDOWN, c.key, 0x20000001);
            Pump();
            bool sawSysChar = std::count(target->Notices.begin(), target->Notices.end(),
                                         static_cast<UINT>(WM_SYSCHAR)) > 0;
            EXPECT_EQ(sawSysChar, c.sysChar) << char(c.key);
            EXPECT_EQ(!shortcuts.empty(), c.shortcutAsked) << char(c.key);
            EXPECT_EQ(keyDowns.empty(), !c.sysChar) << char(c.key);
        }
        EXPECT_GT(outerCalls, 0);
    }
    outerCalls = 0;
    PostMessageW(target->Handle(), WM_NULL, 0, 0);
    Pump();
    EXPECT_GT(outerCalls, 0);
    Application->OnMessage = nullptr;
}

// Tests that only the active, enabled form runs its shortcuts: a key that reaches a form behind
// a modal one (disabled) or in the background is not offered to its OnShortCut.
TEST_F(Input, ShortCutsOnlyInTheActiveEnabledForm)
{
    TForm main(nullptr), other(nullptr);
    TKeyButton* inMain = AddButton(&main, L"Main", 10);
    AddButton(&other, L"Other", 10);
    int mainShortCuts = 0;
    main.OnShortCut = [&](TWMKey&, bool& handled) {
        ++mainShortCuts;
        handled = true;
    };
    ShowForm(main);
    auto postCtrlS = [&] {
        PostMessageW(inMain->Handle(), WM_KEYDOWN, 'S', 0x1F0001);
        Pump();
    };
    postCtrlS();
    EXPECT_EQ(mainShortCuts, 1) << "active and enabled";

    other.SetBounds(150, 150, 200, 100);
    other.Show();
    SetForegroundWindow(other.Handle());
    Pump();
    ASSERT_EQ(GetActiveWindow(), other.Handle());
    postCtrlS();
    EXPECT_EQ(mainShortCuts, 1) << "in the background";

    EnableWindow(main.Handle(), FALSE);
    SetForegroundWindow(main.Handle());
    Pump();
    postCtrlS();
    EXPECT_EQ(mainShortCuts, 1) << "disabled";
    EnableWindow(main.Handle(), TRUE);
}

// Tests that the wheel turns the focused control, not the one under the mouse; a control that
// does not handle it leaves it to its parent.
TEST_F(Input, WheelReachesTheFocusedControl)
{
    TForm form(nullptr);
    TKeyButton* focused = AddButton(&form, L"Focused", 10);
    TKeyButton* under = AddButton(&form, L"Under", 150);
    std::vector<std::wstring> log;
    bool handle = true;
    focused->OnMouseWheel = [&](TObject*, TShiftState, int delta, TPoint, bool& handled) {
        log.push_back(L"focused " + std::to_wstring(delta));
        handled = handle;
    };
    under->OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { log.push_back(L"under"); };
    form.OnMouseWheel = [&](TObject*, TShiftState, int, TPoint, bool&) { log.push_back(L"form"); };
    ShowForm(form);
    focused->SetFocus();
    MoveTo(under, 20, 10);
    Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    EXPECT_EQ(log, std::vector<std::wstring>{L"focused -120"});
    handle = false;
    log.clear();
    Mouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    EXPECT_EQ(log, (std::vector<std::wstring>{L"focused 120", L"form"}));
}

// A control that records the messages it receives of one kind.
template <class Base> class TProbe : public Base {
public:
    TProbe(TComponent* owner, UINT watched) : Base(owner), watched_(watched) {}
    std::vector<TMessage> Seen;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg == watched_)
            Seen.push_back(m);
        Base::WndProc(m);
    }

private:
    UINT watched_;
};
using TGraphicProbe = TProbe<TGraphicControl>;

// Tests, for a windowed and a window-less control, that a press dragged off the control and
// released outside is no click while a press released inside is one; that a press on another
// control sends the focused control the cancel-mode notice; and that enter and leave wait while
// the capture is held.
TEST_F(Input, PressDraggedOffAndReleasedOutsideIsNoClick)
{
    TForm form(nullptr);
    TKeyButton* focused = AddButton(&form, L"Focused", 10);
    TKeyButton* windowed = AddButton(&form, L"Windowed", 100);
    auto* graphic = new TGraphicProbe(&form, CM_CAPTURELOST);
    graphic->SetBounds(200, 10, 60, 30);
    graphic->SetParent(&form);
    ShowForm(form);
    focused->SetFocus();
    for (TControl* c : std::initializer_list<TControl*>{windowed, graphic}) {
        SCOPED_TRACE(c->ClassName());
        std::vector<std::wstring> log;
        c->OnClick = [&](TObject*) { log.push_back(L"click"); };
        c->OnMouseEnter = [&](TObject*) { log.push_back(L"enter"); };
        c->OnMouseLeave = [&](TObject*) { log.push_back(L"leave"); };
        c->OnMouseUp = [&](TObject*, TMouseButton, TShiftState, int x, int) {
            log.push_back(L"up " + std::to_wstring(x));
        };
        focused->Notices.clear();
        MoveTo(c, 30, 15);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        EXPECT_TRUE(c->MouseCapture());
        MoveTo(c, 30, 100);  // off the control: no leave while captured
        Mouse(MOUSEEVENTF_LEFTUP);  // the leave follows the release
        EXPECT_FALSE(c->MouseCapture());
        MoveTo(c, 20, 12);  // away from the first press, so this is no double click
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
        MoveTo(&form, 5, 150);
        EXPECT_EQ(log, (std::vector<std::wstring>{L"enter", L"up 30", L"leave", L"enter", L"click",
                                                  L"up 20", L"leave"}));
        EXPECT_EQ(std::count(focused->Notices.begin(), focused->Notices.end(), CM_CANCELMODE), 2);
        c->OnMouseEnter = nullptr;
        c->OnMouseLeave = nullptr;
    }
    // A press on the focused control itself cancels nothing.
    focused->Notices.clear();
    MoveTo(focused, 5, 5);
    Mouse(MOUSEEVENTF_LEFTDOWN);
    Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(std::count(focused->Notices.begin(), focused->Notices.end(), CM_CANCELMODE), 0);
}

// Tests, for a windowed and a window-less control, that another window taking the capture ends
// a held press: the control hears of it, and a later release over it is no click.
TEST_F(Input, CaptureTakenByAnotherWindowEndsAHeldPress)
{
    TForm form(nullptr);
    TKeyButton* windowed = AddButton(&form, L"Windowed", 100);
    auto* graphic = new TGraphicProbe(&form, CM_CAPTURELOST);
    graphic->SetBounds(200, 10, 60, 30);
    graphic->SetParent(&form);
    TForm thief(nullptr);
    thief.SetBounds(600, 100, 100, 100);
    ShowForm(form);
    thief.HandleNeeded();
    struct Case {
        TControl* control;
        std::function<size_t()> capturesLost;
    };
    const Case cases[] = {
        {windowed,
         [&] { return size_t(std::count(windowed->Notices.begin(), windowed->Notices.end(), CM_CAPTURELOST)); }},
        {graphic, [&] { return graphic->Seen.size(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.control->ClassName());
        int clicks = 0;
        c.control->OnClick = [&](TObject*) { ++clicks; };
        MoveTo(c.control, 30, 15);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        ASSERT_TRUE(c.control->MouseCapture());
        SetCapture(thief.Handle());
        EXPECT_FALSE(c.control->MouseCapture());
        EXPECT_EQ(c.capturesLost(), 1u);
        ReleaseCapture();
        Mouse(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(clicks, 0);
        // A plain click still works afterwards (away from the first press, so no double
        // click); a second one at once on the same spot is a double click and no click.
        int doubles = 0;
        c.control->OnDblClick = [&](TObject*) { ++doubles; };
        MoveTo(c.control, 20, 12);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(clicks, 1);
        Mouse(MOUSEEVENTF_LEFTDOWN);
        Mouse(MOUSEEVENTF_LEFTUP);
        EXPECT_EQ(clicks, 1);
        EXPECT_EQ(doubles, 1);
        MoveTo(&thief, 5, 5);  // the next case's first press is no double click either
    }
}

// Tests that WM_SETCURSOR shows a control's Cursor through the screen's cursor table (a number
// installed there, or a standard one for a window-less child), and that the screen's Cursor
// overrides every control.
TEST_F(Input, CursorComesFromTheScreenTable)
{
    TForm form(nullptr);
    TKeyButton* control = AddButton(&form, L"Control", 10);
    auto* graphic = new TGraphicProbe(&form, CM_CAPTURELOST);
    graphic->SetBounds(200, 10, 60, 30);
    graphic->SetParent(&form);
    HCURSOR mine = LoadCursorW(nullptr, IDC_CROSS);
    Screen->SetCursors(77, mine);
    control->SetCursor(77);
    graphic->SetCursor(crIBeam);
    ShowForm(form);
    auto cursorOver = [&](TControl* c) {
        MoveTo(c, 10, 10);
        HWND wnd = c->IsWindowed() ? static_cast<TWinControl*>(c)->Handle() : form.Handle();
        SetCursor(nullptr);
        SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        return GetCursor();
    };
    EXPECT_EQ(cursorOver(control), mine);
    EXPECT_EQ(cursorOver(graphic), LoadCursorW(nullptr, IDC_IBEAM));
    EXPECT_EQ(cursorOver(&form), LoadCursorW(nullptr, IDC_ARROW));  // the class cursor
    Screen->SetCursor(crHourGlass);
    EXPECT_EQ(cursorOver(control), LoadCursorW(nullptr, IDC_WAIT));
    Screen->SetCursors(77, nullptr);
    EXPECT_EQ(Screen->Cursors(77), LoadCursorW(nullptr, IDC_ARROW));
}

// Tests that a control's window timer ticks by its id, keeps ticking after the window is
// recreated, and stops when killed.
TEST_F(Input, WindowTimersTickByIdAndSurviveRecreate)
{
    TForm form(nullptr);
    auto* ticker = new TProbe<TCustomControl>(&form, WM_TIMER);
    ticker->SetParent(&form);
    ticker->SetWindowTimer(7, 10);  // before the window exists
    form.HandleNeeded();
    Pump(80);
    auto ticksOf7 = [&] {
        return std::count_if(ticker->Seen.begin(), ticker->Seen.end(),
                             [](const TMessage& m) { return m.WParam == 7; });
    };
    EXPECT_GE(ticksOf7(), 2);
    ticker->RecreateWnd();
    ticker->Seen.clear();
    Pump(80);
    EXPECT_GE(ticksOf7(), 2);
    ticker->KillWindowTimer(7);
    Pump(20);
    ticker->Seen.clear();
    Pump(60);
    EXPECT_TRUE(ticker->Seen.empty());
}

// Tests that a control being loaded raises no events.
TEST_F(Input, NoEventsWhileLoading)
{
    TForm form(nullptr);
    TKeyButton* button = AddButton(&form, L"Button", 10);
    int events = 0;
    button->OnClick = [&](TObject*) { ++events; };
    button->OnMouseDown = [&](TObject*, TMouseButton, TShiftState, int, int) { ++events; };
    button->OnKeyDown = [&](TObject*, WORD&, TShiftState) { ++events; };
    button->BeginLoading();
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    button->Perform(WM_KEYDOWN, 'A', 1);
    EXPECT_EQ(events, 0);
    button->Loaded();
    button->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    button->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(events, 2);
}

} // namespace
} // namespace vt
