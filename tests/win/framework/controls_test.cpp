#include "framework/win/comctrls.h"
#include "win/framework/box_watcher.h"
#include "framework/win/forms.h"
#include "framework/win/timer.h"
#include "win/framework/real_input.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

namespace vt {
namespace {

class Fixture : public ::testing::Test {
protected:
    void SetUp() override { Application->Initialize(); }
    void TearDown() override
    {
        Application->OnException = nullptr;
        Application->SetMainForm(nullptr);
    }
};

using Ownership = Fixture;

// Tests that freeing a form frees its controls and their windows, and that references to
// them clear themselves; freeing one control removes it from its parent and clears references.
TEST_F(Ownership, FormFreesControlsAndReferencesClear)
{
    auto* form = new TForm(Application);
    auto* panel = new TCustomControl(form);
    panel->SetParent(form);
    auto* inner = new TCustomControl(form);
    inner->SetParent(panel);
    auto* single = new TCustomControl(form);
    single->SetParent(form);
    form->Show();
    HWND panelWnd = panel->Handle(), innerWnd = inner->Handle(), singleWnd = single->Handle();
    ASSERT_TRUE(IsWindow(innerWnd));
    EXPECT_EQ(GetParent(innerWnd), panelWnd);
    TComponentRef<TControl> refInner(inner), refSingle(single);
    TComponentRef<TCustomForm> refForm(form);

    delete single;
    EXPECT_FALSE(refSingle);
    EXPECT_FALSE(IsWindow(singleWnd));
    EXPECT_EQ(form->ControlCount(), 1);

    delete form;
    EXPECT_FALSE(refForm);
    EXPECT_FALSE(refInner);
    EXPECT_FALSE(IsWindow(panelWnd));
    EXPECT_FALSE(IsWindow(innerWnd));
    EXPECT_EQ(Screen->FormCount(), 0);
}

using WindowProcHook = Fixture;

// Tests that a WindowProc hook installed before the window exists sees the window's messages,
// and still does after the window is recreated.
TEST_F(WindowProcHook, WorksBeforeHandleAndSurvivesRecreate)
{
    TForm form(nullptr);
    auto* control = new TCustomControl(&form);
    control->SetParent(&form);
    std::vector<UINT> seen;
    TWndMethod original = control->WindowProc;
    control->WindowProc = [&](TMessage& m) {
        if (m.Msg == WM_APP + 7) {
            seen.push_back(m.Msg);
            m.Result = 42;
            return;
        }
        original(m);
    };
    EXPECT_FALSE(control->HandleAllocated());
    EXPECT_EQ(control->Perform(WM_APP + 7), 42);
    HWND first = control->Handle();
    EXPECT_EQ(SendMessageW(first, WM_APP + 7, 0, 0), 42);
    control->RecreateWnd();
    HWND second = control->Handle();
    EXPECT_FALSE(IsWindow(first));
    EXPECT_EQ(SendMessageW(second, WM_APP + 7, 0, 0), 42);
    EXPECT_EQ(seen.size(), 3u);
    EXPECT_EQ(TWinControl::FindControl(second), control);
}

// Tests hooks removed out of order: the first one goes while a second sits on top of it; the
// second keeps working, the first's handler is never called again, and removing the second
// leaves the control's own procedure.
TEST_F(WindowProcHook, OutOfOrderRemovalKeepsTheChain)
{
    TForm form(nullptr);
    std::vector<std::string> seen;
    auto hook = [&](const char* name) {
        return [&seen, name](TMessage& m, const TWndMethod& previous) {
            if (m.Msg == WM_APP + 8)
                seen.push_back(name);
            previous(m);
        };
    };
    auto first = std::make_unique<TWindowProcHook>(form, hook("first"));
    auto second = std::make_unique<TWindowProcHook>(form, hook("second"));
    form.Perform(WM_APP + 8);
    EXPECT_EQ(seen, (std::vector<std::string>{"second", "first"}));
    first.reset();
    seen.clear();
    form.Perform(WM_APP + 8);
    EXPECT_EQ(seen, std::vector<std::string>{"second"});
    second.reset();
    seen.clear();
    form.Perform(WM_APP + 8);
    EXPECT_TRUE(seen.empty());
    EXPECT_EQ(form.Perform(WM_GETTEXTLENGTH), 0);  // the form's own procedure answers
}

using AppWindow = Fixture;

// Tests that the application minimizes and restores through its main form's window, raising its
// two events once each, and that a stay-on-top form is topmost whether the style comes before its
// window exists or after.
TEST_F(AppWindow, MinimizeRestoreAndStayOnTop)
{
    TForm form(nullptr);
    form.SetBounds(50, 50, 300, 200);
    TCustomForm* previousMain = Application->MainForm();
    Application->SetMainForm(&form);
    form.Show();
    int minimized = 0, restored = 0;
    Application->OnMinimize = [&](TObject*) { ++minimized; };
    Application->OnRestore = [&](TObject*) { ++restored; };
    Application->Minimize();
    Application->Minimize();  // already minimized: nothing
    EXPECT_TRUE(Application->Minimized());
    EXPECT_TRUE(IsIconic(form.Handle()));
    Application->Restore();
    EXPECT_FALSE(Application->Minimized());
    EXPECT_EQ(minimized, 1);
    EXPECT_EQ(restored, 1);
    Application->OnMinimize = nullptr;
    Application->OnRestore = nullptr;
    Application->SetMainForm(previousMain);

    auto topmost = [](HWND h) { return (GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; };
    EXPECT_FALSE(topmost(form.Handle()));
    form.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(topmost(form.Handle()));
    form.SetFormStyle(fsNormal);
    EXPECT_FALSE(topmost(form.Handle()));
    TForm early(nullptr);
    early.SetFormStyle(fsStayOnTop);
    EXPECT_TRUE(topmost(early.Handle()));
}

using Align = Fixture;

// Tests the layout order top, bottom, left, right, client; hidden controls take no room and
// the layout follows a resize.
TEST_F(Align, LaysOutInTheFixedOrder)
{
    TForm form(nullptr);
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    auto make = [&](TAlign a, int w, int h) {
        auto* c = new TCustomControl(&form);
        c->SetBounds(0, 0, w, h);
        c->SetAlign(a);
        c->SetParent(&form);
        return c;
    };
    // Created in an order different from the layout order on purpose.
    auto* client = make(alClient, 10, 10);
    auto* right = make(alRight, 60, 10);
    auto* left = make(alLeft, 50, 10);
    auto* bottom = make(alBottom, 10, 20);
    auto* top1 = make(alTop, 10, 30);
    auto* top2 = make(alTop, 10, 10);
    auto* hidden = make(alTop, 10, 25);
    hidden->SetVisible(false);
    form.HandleNeeded();
    EXPECT_EQ(top1->BoundsRect(), Rect(0, 0, 400, 30));
    EXPECT_EQ(top2->BoundsRect(), Rect(0, 30, 400, 40));
    EXPECT_EQ(bottom->BoundsRect(), Rect(0, 280, 400, 300));
    EXPECT_EQ(left->BoundsRect(), Rect(0, 40, 50, 280));
    EXPECT_EQ(right->BoundsRect(), Rect(340, 40, 400, 280));
    EXPECT_EQ(client->BoundsRect(), Rect(50, 40, 340, 280));
    RECT r;
    GetWindowRect(client->Handle(), &r);
    MapWindowPoints(nullptr, form.Handle(), reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(FromRECT(r), Rect(50, 40, 340, 280));

    hidden->SetVisible(true);
    EXPECT_EQ(client->BoundsRect(), Rect(50, 65, 340, 280));
    form.SetClientWidth(500);
    EXPECT_EQ(client->BoundsRect(), Rect(50, 65, 440, 280));
}

using Timers = Fixture;

// Tests that a timer handler may free its own timer, and that an exception from a timer handler
// reaches HandleException while the other timers keep running.
TEST_F(Timers, HandlerMayFreeItsTimerAndExceptionsAreHandled)
{
    TComponent owner(nullptr);
    std::vector<std::wstring> errors;
    Application->OnException = [&](TObject*, const Exception& e) { errors.push_back(e.Message()); };

    auto* selfFreeing = new TTimer(&owner);
    TComponentRef<TTimer> selfRef(selfFreeing);
    int selfTicks = 0;
    selfFreeing->SetInterval(10);
    selfFreeing->SetOnTimer([&](TObject* sender) {
        ++selfTicks;
        delete static_cast<TTimer*>(sender);
    });

    auto* thrower = new TTimer(&owner);
    int throws = 0;
    thrower->SetInterval(10);
    thrower->SetOnTimer([&](TObject*) {
        if (++throws == 2)
            thrower->SetEnabled(false);
        throw EConvertError(L"tick failed");
    });

    auto* steady = new TTimer(&owner);
    int steadyTicks = 0;
    steady->SetInterval(10);
    steady->SetOnTimer([&](TObject*) { ++steadyTicks; });

    EXPECT_TRUE(test::PumpUntil([&] { return steadyTicks >= 6; }));
    EXPECT_EQ(selfTicks, 1);
    EXPECT_FALSE(selfRef);
    EXPECT_EQ(throws, 2);
    ASSERT_EQ(errors.size(), 2u);
    EXPECT_EQ(errors[0], L"tick failed");
    EXPECT_EQ(owner.ComponentCount(), 2);
}

// A control whose handler of one message throws.
class TFaultyControl : public TCustomControl {
    VT_CLASS_NAME(TFaultyControl)
public:
    using TCustomControl::TCustomControl;

protected:
    void WndProc(TMessage& m) override
    {
        if (m.Msg == WM_APP + 1)
            throw std::runtime_error("handler broke");
        TCustomControl::WndProc(m);
    }
};

using Exceptions = Fixture;

// Tests that an exception in a message handler never unwinds through the system: it goes to
// HandleException and the next message is handled normally.
TEST_F(Exceptions, MessageHandlerExceptionGoesToHandleException)
{
    TForm form(nullptr);
    auto* faulty = new TFaultyControl(&form);
    faulty->SetParent(&form);
    std::vector<std::wstring> errors;
    TObject* sender = nullptr;
    Application->OnException = [&](TObject* s, const Exception& e) {
        sender = s;
        errors.push_back(e.Message());
    };
    SendMessageW(faulty->Handle(), WM_APP + 1, 0, 0);
    PostMessageW(faulty->Handle(), WM_APP + 1, 0, 0);
    Application->ProcessMessages();
    ASSERT_EQ(errors, (std::vector<std::wstring>{L"handler broke", L"handler broke"}));
    EXPECT_EQ(sender, faulty);
    EXPECT_EQ(SendMessageW(faulty->Handle(), WM_GETTEXTLENGTH, 0, 0), 0);
}

// Tests that without OnException the standard error box shows the message with a closing
// period under the application's title, and that the program goes on after it.
TEST_F(Exceptions, DefaultShowsTheStandardErrorBox)
{
    test::BoxWatcher watcher;
    try {
        throw EConvertError(L"'abc' is not a valid integer value");
    } catch (...) {
        Application->HandleException(nullptr);
    }
    EXPECT_EQ(test::BoxWatcher::text, L"'abc' is not a valid integer value.");
    EXPECT_EQ(test::BoxWatcher::title, Application->Title());
    EXPECT_TRUE(test::BoxWatcher::icon);
    ShowMessagePos(L"Hello", -1, -1);
    EXPECT_EQ(test::BoxWatcher::text, L"Hello");
    EXPECT_FALSE(test::BoxWatcher::icon);
    const RECT& r = test::BoxWatcher::rect;
    EXPECT_LE(std::abs((r.left + r.right) / 2 - GetSystemMetrics(SM_CXSCREEN) / 2), 1);
    EXPECT_LE(std::abs((r.top + r.bottom) / 2 - GetSystemMetrics(SM_CYSCREEN) / 2), 1);
    ShowMessagePos(L"There", 10, 20);
    EXPECT_EQ(test::BoxWatcher::text, L"There");
    EXPECT_EQ(test::BoxWatcher::rect.left, 10);
    EXPECT_EQ(test::BoxWatcher::rect.top, 20);
}

using App = Fixture;

// Tests that Run shows the main form, survives a failing handler, and returns when the main form
// is closed.
TEST_F(App, RunEndsWhenTheMainFormClosesAndSurvivesErrors)
{
    auto* form = new TForm(Application);
    Application->SetMainForm(form);
    std::vector<std::wstring> errors;
    Application->OnException = [&](TObject*, const Exception& e) { errors.push_back(e.Message()); };
    TTimer failing(nullptr), closer(nullptr);
    failing.SetInterval(20);
    failing.SetOnTimer([&](TObject*) {
        failing.SetEnabled(false);
        throw Exception(L"first failure");
    });
    bool wasVisible = false;
    closer.SetInterval(150);
    closer.SetOnTimer([&](TObject*) {
        closer.SetEnabled(false);
        wasVisible = IsWindowVisible(form->Handle()) != FALSE;
        PostMessageW(form->Handle(), WM_CLOSE, 0, 0);
    });
    Application->Run();
    EXPECT_TRUE(wasVisible);
    EXPECT_EQ(errors, std::vector<std::wstring>{L"first failure"});
    EXPECT_TRUE(Application->Terminated());
    delete form;
}

using PageControl = Fixture;

// Tests that setting the active page by code shows it and raises no OnChange, while a click on
// a tab (the user's change) raises it once.
TEST_F(PageControl, CodeChangesAreSilentUserChangesAreNot)
{
    TForm form(nullptr);
    form.SetClientWidth(400);
    form.SetClientHeight(300);
    auto* pc = new TPageControl(&form);
    pc->SetParent(&form);
    pc->SetAlign(alClient);
    TTabSheet* pages[3];
    for (int i = 0; i < 3; ++i) {
        pages[i] = new TTabSheet(&form);
        pages[i]->SetText(L"Page " + std::to_wstring(i + 1));
        pages[i]->SetPageControl(pc);
    }
    int changes = 0;
    pc->OnChange = [&](TObject*) { ++changes; };
    pc->SetActivePageIndex(0);
    form.Show();
    EXPECT_EQ(TabCtrl_GetItemCount(pc->Handle()), 3);

    pc->SetActivePageIndex(2);
    EXPECT_EQ(pc->ActivePage(), pages[2]);
    EXPECT_TRUE(IsWindowVisible(pages[2]->Handle()));
    EXPECT_FALSE(IsWindowVisible(pages[0]->Handle()));
    EXPECT_EQ(TabCtrl_GetCurSel(pc->Handle()), 2);
    EXPECT_EQ(changes, 0);

    RECT tab;
    TabCtrl_GetItemRect(pc->Handle(), 1, &tab);
    LPARAM at = MAKELPARAM((tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2);
    SendMessageW(pc->Handle(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(pc->Handle(), WM_LBUTTONUP, 0, at);
    Application->ProcessMessages();
    EXPECT_EQ(changes, 1);
    EXPECT_EQ(pc->ActivePageIndex(), 1);
    EXPECT_TRUE(IsWindowVisible(pages[1]->Handle()));

    // Without tabs and border the active page covers the whole control.
    pc->HideBorderAndTabs();
    EXPECT_EQ(TabCtrl_GetItemCount(pc->Handle()), 0);
    RECT client;
    GetClientRect(pc->Handle(), &client);
    EXPECT_EQ(pages[1]->BoundsRect(), FromRECT(client));
    EXPECT_EQ(pages[0]->BoundsRect(), FromRECT(client));
    pc->SetActivePageIndex(7);  // out of range: no page
    EXPECT_EQ(pc->ActivePageIndex(), -1);
    delete pages[1];
    EXPECT_EQ(pc->PageCount(), 2);
}

// Tests that an active page losing its tab hands over to the next page with a tab, or to the one
// before when none follows, and that the native selection counts only the tabs shown.
TEST_F(PageControl, ActivePageLosingItsTabHandsOver)
{
    TForm form(nullptr);
    auto* pc = new TPageControl(&form);
    pc->SetParent(&form);
    TTabSheet* pages[4];
    for (TTabSheet*& page : pages) {
        page = new TTabSheet(&form);
        page->SetPageControl(pc);
    }
    form.Show();
    pc->SetActivePageIndex(1);
    pages[2]->SetTabVisible(false);
    pages[1]->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), pages[3]) << "the next page with a tab, past a hidden one";
    EXPECT_EQ(TabCtrl_GetCurSel(pc->Handle()), 1);
    pages[3]->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), pages[0]) << "none follows: the one before";
    pages[0]->SetTabVisible(false);
    EXPECT_EQ(pc->ActivePage(), nullptr);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

// A window-less control that fills itself with one colour.
class TSwatch : public TGraphicControl {
    VT_CLASS_NAME(TSwatch)
public:
    using TGraphicControl::TGraphicControl;

protected:
    void Paint() override
    {
        Canvas().Brush().SetColor(clRed);
        Canvas().FillRect(Rect(0, 0, Width(), Height()));
    }
};

using GraphicControls = Fixture;

// Tests that a window-less control is painted on its parent at its place, and gets its mouse
// input (enter, click, leave) through the parent.
TEST_F(GraphicControls, PaintAndMouseGoThroughTheParent)
{
    TForm form(nullptr);
    form.SetClientWidth(200);
    form.SetClientHeight(100);
    auto* swatch = new TSwatch(&form);
    swatch->SetBounds(50, 20, 30, 30);
    swatch->SetParent(&form);
    std::vector<std::wstring> events;
    swatch->OnMouseEnter = [&](TObject*) { events.push_back(L"enter"); };
    swatch->OnMouseLeave = [&](TObject*) { events.push_back(L"leave"); };
    swatch->OnClick = [&](TObject*) { events.push_back(L"click"); };
    form.Show();
    HWND wnd = form.Handle();

    HDC screen = GetDC(wnd);
    HDC mem = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 200, 100);
    HGDIOBJ old = SelectObject(mem, bmp);
    SendMessageW(wnd, WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem), 0);
    SendMessageW(wnd, WM_PAINT, reinterpret_cast<WPARAM>(mem), 0);
    EXPECT_EQ(GetPixel(mem, 60, 30), RGB(255, 0, 0));
    EXPECT_EQ(GetPixel(mem, 79, 49), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(mem, 80, 30), RGB(255, 0, 0));
    EXPECT_NE(GetPixel(mem, 10, 10), RGB(255, 0, 0));
    SelectObject(mem, old);
    DeleteObject(bmp);
    DeleteDC(mem);
    ReleaseDC(wnd, screen);

    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(55, 25));
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 25));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(56, 26));
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
    // A press on the control released outside it is no click.
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(55, 25));
    SendMessageW(wnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(55, 25));
    SendMessageW(wnd, WM_LBUTTONUP, 0, MAKELPARAM(150, 80));
    SendMessageW(wnd, WM_MOUSEMOVE, 0, MAKELPARAM(150, 80));
    EXPECT_EQ(events,
              (std::vector<std::wstring>{L"enter", L"click", L"leave", L"enter", L"leave"}));

    // Entering a windowed child: the parent's leave notice must not end the child's hover.
    auto* box = new TCustomControl(&form);
    box->SetBounds(120, 10, 40, 40);
    box->SetParent(&form);
    box->OnMouseEnter = [&](TObject*) { events.push_back(L"box enter"); };
    box->OnMouseLeave = [&](TObject*) { events.push_back(L"box leave"); };
    events.clear();
    SendMessageW(box->Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    SendMessageW(wnd, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events, std::vector<std::wstring>{L"box enter"});
    SendMessageW(box->Handle(), WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(events, (std::vector<std::wstring>{L"box enter", L"box leave"}));
}

using Forms = Fixture;

// Tests Close on a form that is not the main one: OnCloseQuery can refuse, otherwise it hides.
TEST_F(Forms, CloseAsksThenHides)
{
    TForm form(nullptr);
    bool allow = false;
    int closes = 0;
    form.OnCloseQuery = [&](TObject*, bool& canClose) { canClose = allow; };
    form.OnClose = [&](TObject*, TCloseAction& action) {
        ++closes;
        EXPECT_EQ(action, caHide);
    };
    form.Show();
    SendMessageW(form.Handle(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    EXPECT_EQ(closes, 0);
    allow = true;
    form.Close();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
    EXPECT_FALSE(form.Visible());
    EXPECT_EQ(closes, 1);
    form.SetVisible(true);
    EXPECT_TRUE(IsWindowVisible(form.Handle()));
    form.Hide();
    EXPECT_FALSE(IsWindowVisible(form.Handle()));
}

} // namespace
} // namespace vt

namespace vt {
namespace {

class TFailingForm : public TForm {
    VT_CLASS_NAME(TFailingForm)
public:
    explicit TFailingForm(TComponent* owner) : TForm(owner)
    {
        throw EReadError(L"Resource TFAILINGFORM not found");
    }
};

using CreateForm = Fixture;

// Tests that the first form created becomes the main form, that the screen lists forms in
// creation order, and that a form whose construction fails is reported and leaves nothing behind.
TEST_F(CreateForm, FirstFormIsMainAndFailuresAreReported)
{
    std::vector<std::wstring> errors;
    Application->OnException = [&](TObject*, const Exception& e) { errors.push_back(e.Message()); };
    int before = Application->ComponentCount();
    EXPECT_EQ(Application->CreateForm<TFailingForm>(), nullptr);
    EXPECT_EQ(errors, std::vector<std::wstring>{L"Resource TFAILINGFORM not found"});
    EXPECT_EQ(Application->MainForm(), nullptr);
    EXPECT_EQ(Application->ComponentCount(), before);
    EXPECT_EQ(Screen->FormCount(), 0);

    TForm* first = Application->CreateForm<TForm>();
    TForm* second = Application->CreateForm<TForm>();
    EXPECT_EQ(Application->MainForm(), first);
    ASSERT_EQ(Screen->FormCount(), 2);
    EXPECT_EQ(Screen->Forms(0), first);
    EXPECT_EQ(Screen->Forms(1), second);
    delete second;
    EXPECT_EQ(Screen->FormCount(), 1);
    Application->SetMainForm(nullptr);
    delete first;
}

} // namespace
} // namespace vt
