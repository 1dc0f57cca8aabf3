// The engine carrying out its window integration on real windows: the form's window state and
// its client size before the window exists go through the engine; the reserved frame messages
// reach it and paint what it composes; a shown window fades in (and a form hidden or freed while
// it fades stops cleanly); window-state sequences, the caption double-click and the main form's
// minimize; the move loop's WM_MOVING and its bounds on tracking; the system menu from the
// caption and the keyboard; and skin changes, a corrupt package included.
#include "form/dynamic_skin_form_win.h"
#include "framework/win/forms.h"
#include "framework/win/messages.h"
#include "framework/win/timer.h"
#include "menus/form_menus_win.h"
#include "menus/popup_level.h"
#include "menus/skin_menu.h"
#include "raster/bitmap_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "support.h"
#include "win/form/window_helpers.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace vt {
namespace {

using test::PumpUntil;
using test::WindowRectOf;

bool Layered(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) != 0; }

// The pixels outside client where two window-sized pictures differ; with a region, only the
// pixels inside it count (the screen shows nothing of ours outside it).
int FrameDifferences(const TspBitmap& a, const TspBitmap& b, const TRect& client,
                     HRGN region = nullptr)
{
    if (a.Width() != b.Width() || a.Height() != b.Height())
        return -1;
    int differences = 0;
    for (int y = 0; y < a.Height(); ++y)
        for (int x = 0; x < a.Width(); ++x)
            if (!client.Contains(Point(x, y)) && (!region || PtInRegion(region, x, y)) &&
                (a.GetPixel(x, y) & 0xFFFFFF) != (b.GetPixel(x, y) & 0xFFFFFF))
                ++differences;
    return differences;
}

constexpr TspColor kUntouched = 0xFF00FF;

class WindowIntegration : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();  // the container's skin changes reach the forms
        Create();
    }
    void TearDown() override
    {
        Free();
        test::Pump(20);
    }
    // A fresh form with an engine and an empty container, no window yet.
    void Create()
    {
        form = std::make_unique<TForm>(nullptr);
        form->SetCaption(L"Vantrel window");
        engine = new TspDynamicSkinForm(form.get());
        sd = new TspSkinData(form.get());
    }
    void Free()
    {
        // Freeing the main form would end the application.
        if (form && Application->MainForm() == form.get())
            Application->SetMainForm(nullptr);
        form.reset();
    }
    void Recreate()
    {
        Free();
        test::Pump(20);
        Create();
    }
    void Load(const std::wstring& definition)
    {
        sd->LoadFromFile(definition);
        ASSERT_FALSE(sd->Empty);
        engine->SetSkinData(sd);
    }
    void Load(const std::string& skin) { Load(test::SourcePath("skins/" + skin + "/skin.ini")); }
    void ShowAt(const TRect& bounds)
    {
        form->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
        form->Show();
        SetForegroundWindow(form->Handle());
        test::Pump();
    }
    HWND Wnd() const { return form->Handle(); }
    TRect WindowRect() const { return WindowRectOf(form->Handle()); }
    TRect WorkArea() const
    {
        engine->UpdateFacts();
        return engine->Geometry.Form.Monitor.WorkArea;
    }
    TRect ClientRect() const
    {
        RECT cr;
        GetClientRect(form->Handle(), &cr);
        return FromRECT(cr);
    }
    // A point on the caption's free area, on the screen.
    TPoint CaptionPoint() const
    {
        const TRect wr = WindowRect();
        return {wr.Left + 150, wr.Top + 12};
    }
    LRESULT Send(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0) const
    {
        return SendMessageW(form->Handle(), msg, wParam, lParam);
    }
    void SysCommand(WPARAM command) const
    {
        Send(WM_SYSCOMMAND, command);
        test::Pump();
    }
    std::unique_ptr<TForm> form;
    TspDynamicSkinForm* engine = nullptr;
    TspSkinData* sd = nullptr;
};

// --- the form's window state and client size -----------------------------------------------------

// Tests that the platform's window commands sent to the window run the engine's transitions:
// SC_MAXIMIZE gives the engine's maximized rectangle with the platform's state left normal,
// SC_MINIMIZE makes a secondary form the engine's bar at the bottom-left of the work area, and
// SC_RESTORE brings back the exact bounds; the form's WindowState answers the engine's state.
TEST_F(WindowIntegration, SysCommandsRunTheEngineTransitions)
{
    Load("zozaziz");
    ShowAt(Bounds(120, 100, 420, 300));
    const TRect normal = WindowRect();
    for (const TWindowState state : {wsMaximized, wsMinimized}) {
        SysCommand(state == wsMaximized ? SC_MAXIMIZE : SC_MINIMIZE);
        EXPECT_EQ(form->WindowState(), state);
        EXPECT_FALSE(IsZoomed(Wnd()));
        EXPECT_FALSE(IsIconic(Wnd()));
        const TRect r = WindowRect();
        if (state == wsMaximized) {
            EXPECT_EQ(r, engine->Geometry.GetMaximizedRect());
        } else {
            const TRect work = WorkArea();
            EXPECT_EQ(r.Left, work.Left);
            EXPECT_EQ(r.Bottom, work.Bottom);
            EXPECT_LT(r.Height(), normal.Height());
        }
        SysCommand(SC_RESTORE);
        EXPECT_EQ(form->WindowState(), wsNormal);
        EXPECT_EQ(WindowRect(), normal) << state;
    }
}

// Tests a form maximized through its WindowState before it was ever shown: the engine maximizes
// the (hidden) window itself, the show keeps it maximized with the platform's state normal, the
// first restore centres the designed size in the work area, and from then on a maximize and
// restore comes back to exactly those bounds.
TEST_F(WindowIntegration, ShownMaximizedFirstRestoreCentresTheDesignedSize)
{
    Load("zozaziz");
    engine->PositionInMonitor = sppDesktopCenter;
    form->SetBounds(10, 20, 500, 360);
    form->SetWindowState(wsMaximized);
    ASSERT_TRUE(form->HandleAllocated());
    EXPECT_FALSE(IsWindowVisible(Wnd()));
    EXPECT_EQ(form->WindowState(), wsMaximized);
    const TRect maximized = engine->Geometry.GetMaximizedRect();
    EXPECT_EQ(WindowRect(), maximized);

    form->Show();
    test::Pump();
    EXPECT_FALSE(IsZoomed(Wnd()));
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(WindowRect(), maximized);

    form->SetWindowState(wsNormal);
    const TRect work = WorkArea();
    const TRect centred =
        Bounds(work.Left + work.Width() / 2 - 250, work.Top + work.Height() / 2 - 180, 500, 360);
    EXPECT_EQ(WindowRect(), centred);
    form->SetWindowState(wsMaximized);
    EXPECT_EQ(WindowRect(), maximized);
    form->SetWindowState(wsNormal);
    EXPECT_EQ(WindowRect(), centred);
}

// Tests that a client size given before the window exists is measured against the skinned frame
// (not the platform's): once created, the window's client has exactly that size.
TEST_F(WindowIntegration, ClientSizeSetBeforeTheWindowLiesInsideTheSkinnedFrame)
{
    Load("zozaziz");
    form->SetBounds(100, 100, 400, 300);
    ASSERT_FALSE(form->HandleAllocated());
    form->SetClientWidth(500);
    form->SetClientHeight(320);
    EXPECT_FALSE(form->HandleAllocated());
    form->Show();
    test::Pump();
    EXPECT_EQ(ClientRect(), Rect(0, 0, 500, 320));
    EXPECT_EQ(engine->Geometry.NewClRect.Width(), 500);
    EXPECT_EQ(engine->Geometry.NewClRect.Height(), 320);
}

// Tests the client background of a form with nothing on it: the main picture's client part,
// tiled from the client's corner, every pixel of it (a fill that took the piece from the wrong
// place left rows of black under each tile).
TEST_F(WindowIntegration, PlainClientShowsTheTiledClientPicture)
{
    Load("zozaziz");
    form->SetClientWidth(420);
    form->SetClientHeight(240);
    ShowAt(Rect(100, 100, 100 + form->Width(), 100 + form->Height()));
    const TRect cr = ClientRect();
    TspBitmap bg;
    bg.SetSize(cr.Width(), cr.Height());
    Send(WM_ERASEBKGND, reinterpret_cast<WPARAM>(BitmapDC(bg)));
    const TRect piece = sd->ClRect;
    const TPixelView picture = sd->FPicture.View();
    int wrong = 0;
    for (int y = 0; y < cr.Height(); ++y)
        for (int x = 0; x < cr.Width(); ++x) {
            const uint32_t want = picture.Row(piece.Top + y % piece.Height())[piece.Left + x % piece.Width()];
            wrong += (bg.View().Row(y)[x] & 0xFFFFFF) != (want & 0xFFFFFF);
        }
    EXPECT_EQ(wrong, 0);
}

// --- reserved frame messages ---------------------------------------------------------------------

// Answers every message of the framework's notice range itself, so a test sees which of them
// the framework passes on to the window's class and which it keeps.
constexpr LRESULT kClassAnswer = 4711;
constexpr UINT kFrameworkNotice = CM_BASE + 0x300;  // a notice nothing handles

LRESULT CALLBACK ProbeClassProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    if (msg >= CM_BASE && msg < CM_BASE + 0x1000)
        return kClassAnswer;
    return DefWindowProcW(wnd, msg, wParam, lParam);
}

const wchar_t* ProbeClass()
{
    static const bool registered = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof wc;
        wc.style = CS_DBLCLKS | CS_GLOBALCLASS;
        wc.lpfnWndProc = ProbeClassProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = L"VantrelProbeBase";
        return RegisterClassExW(&wc) != 0;
    }();
    EXPECT_TRUE(registered);
    return L"VantrelProbeBase";
}

// A form whose window class is built on the probe class.
class TProbeForm : public TForm {
public:
    using TForm::TForm;

protected:
    void CreateParams(TCreateParams& p) override
    {
        TForm::CreateParams(p);
        p.BaseClassName = ProbeClass();
        p.WinClassName = L"VantrelProbeForm";
    }
};

// Tests the reserved frame messages on windows whose class answers the framework's whole notice
// range: without an engine every one of them reaches the class (a framework notice does not); with
// a skinned engine 45490 answers that the window draws its own frame, 45491/45492 are taken,
// 45513 and 48203 with its key paint the frame into the DC given exactly as the engine composes
// it (the client left alone), and 48203 with another key goes on to the class, unpainted.
TEST_F(WindowIntegration, ReservedFrameMessagesReachTheEngineAndTheClass)
{
    TProbeForm plain(nullptr);
    plain.SetBounds(60, 60, 300, 200);
    plain.HandleNeeded();

    TProbeForm skinned(nullptr);
    auto* probeEngine = new TspDynamicSkinForm(&skinned);
    auto* probeSkin = new TspSkinData(&skinned);
    probeSkin->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_FALSE(probeSkin->Empty);
    probeEngine->SetSkinData(probeSkin);
    skinned.SetBounds(80, 80, 420, 300);
    skinned.Show();
    SetForegroundWindow(skinned.Handle());
    test::Pump();
    const TRect wr = WindowRectOf(skinned.Handle());
    TspBitmap composed;
    ASSERT_TRUE(probeEngine->PaintFrameTo(composed));
    ASSERT_EQ(composed.Width(), wr.Width());
    const TRect client = probeEngine->Geometry.NewClRect;

    struct Row {
        UINT Msg;
        LPARAM LParam;
        LRESULT Plain, Skinned;
        bool Paints;
    };
    const Row rows[] = {
        {MSG_QUERY_SKINNED_FRAME, 0, kClassAnswer, 12853, false},
        {MSG_HOLD_FRAME_EFFECTS, 0, kClassAnswer, 0, false},
        {MSG_RELEASE_FRAME_EFFECTS, 0, kClassAnswer, 0, false},
        {MSG_PAINT_FRAME_TO_DC, 0, kClassAnswer, 12851, true},
        {MSG_PAINT_FRAME_TO_DC2, 16802, kClassAnswer, 16802, true},
        {MSG_PAINT_FRAME_TO_DC2, 16801, kClassAnswer, kClassAnswer, false},
        {kFrameworkNotice, 0, 0, 0, false},
    };
    for (const Row& row : rows) {
        TspBitmap target;
        target.SetSize(wr.Width(), wr.Height());
        target.FillRect(target.BoundsRect(), MakePixel(255, 0, 255, 255));
        const WPARAM dc = reinterpret_cast<WPARAM>(BitmapDC(target));
        EXPECT_EQ(SendMessageW(plain.Handle(), row.Msg, dc, row.LParam), row.Plain) << row.Msg;
        EXPECT_EQ(SendMessageW(skinned.Handle(), row.Msg, dc, row.LParam), row.Skinned) << row.Msg;
        GdiFlush();
        if (row.Paints) {
            EXPECT_EQ(FrameDifferences(target, composed, client), 0) << row.Msg;
            const TPoint inside{client.Left + 5, client.Top + 5};
            EXPECT_EQ(target.GetPixel(inside.X, inside.Y) & 0xFFFFFF, kUntouched) << row.Msg;
        } else {
            EXPECT_EQ(target.GetPixel(wr.Width() / 2, 5) & 0xFFFFFF, kUntouched) << row.Msg;
        }
    }
}

// --- fade-in -------------------------------------------------------------------------------------

// Tests the fade-in of a shown window: with an animation (the engine's own, or the skin's for
// every window) the opacity rises 17, 34, ..., 255 in 15 steps, the window layered at each step
// with that opacity, and ends without the layered style; a fixed AlphaBlend value is set in one
// step and the window stays layered at it.
TEST_F(WindowIntegration, ShownWindowFadesIn)
{
    std::vector<int> rising;
    for (int i = 1; i <= 15; ++i)
        rising.push_back(17 * i);
    struct Row {
        const char* Name;
        bool AlphaBlend, Animation, AllWindows;
        std::vector<int> Steps;
        bool LayeredAfter;
    };
    const Row rows[] = {
        {"engine animation", false, true, false, rising, false},
        {"skin animates every window", false, false, true, rising, false},
        {"fixed value 200", true, false, false, {200}, true},
    };
    for (const Row& row : rows) {
        Recreate();
        Load("zozaziz");
        sd->SetAnimationForAllWindows(row.AllWindows);
        engine->AlphaBlend = row.AlphaBlend;
        engine->AlphaBlendAnimation = row.Animation;
        engine->AlphaBlendValue = 200;
        std::vector<int> steps;
        int unlike = 0;  // steps where the window's own opacity is not the one reported
        engine->OnFadeStep = [&](uint8_t opacity) {
            steps.push_back(opacity);
            BYTE alpha = 0;
            DWORD flags = 0;
            if (!Layered(Wnd()) || !GetLayeredWindowAttributes(Wnd(), nullptr, &alpha, &flags) ||
                !(flags & LWA_ALPHA) || alpha != opacity)
                ++unlike;
        };
        form->SetBounds(120, 100, 420, 300);
        form->Show();
        EXPECT_TRUE(PumpUntil([&] { return !engine->Fading(); })) << row.Name;
        EXPECT_EQ(steps, row.Steps) << row.Name;
        EXPECT_EQ(unlike, 0) << row.Name;
        EXPECT_EQ(Layered(Wnd()), row.LayeredAfter) << row.Name;
        EXPECT_TRUE(IsWindowVisible(Wnd())) << row.Name;
    }
}

// Tests a form hidden by the fade's own step handler at the third step: the fade stops there and
// leaves no layered style; shown again, the form fades in afresh to the end.
TEST_F(WindowIntegration, FormHiddenWhileFadingStopsTheFade)
{
    Load("zozaziz");
    engine->AlphaBlendAnimation = true;
    std::vector<int> steps;
    engine->OnFadeStep = [&](uint8_t opacity) {
        steps.push_back(opacity);
        if (steps.size() == 3)
            form->Hide();
    };
    form->SetBounds(120, 100, 420, 300);
    form->Show();
    test::Pump(300);
    EXPECT_EQ(steps, (std::vector<int>{17, 34, 51}));
    EXPECT_FALSE(engine->Fading());
    EXPECT_FALSE(IsWindowVisible(Wnd()));
    EXPECT_FALSE(Layered(Wnd()));

    steps.clear();
    engine->OnFadeStep = [&](uint8_t opacity) { steps.push_back(opacity); };
    form->Show();
    EXPECT_TRUE(PumpUntil([&] { return !engine->Fading() && !steps.empty(); }));
    ASSERT_EQ(steps.size(), 15u);
    EXPECT_EQ(steps.back(), 255);
    EXPECT_FALSE(Layered(Wnd()));
}

// Tests a form freed (Release) by the fade's step handler at the third step: the form goes while
// the fade pumps messages, nothing of it is used afterwards and no further step is reported.
TEST_F(WindowIntegration, FormFreedWhileFadingStopsTheFade)
{
    Load("zozaziz");
    engine->AlphaBlendAnimation = true;
    TForm* released = form.release();  // it frees itself
    released->SetBounds(120, 100, 420, 300);
    released->HandleNeeded();
    const HWND hwnd = released->Handle();
    std::vector<int> steps;
    engine->OnFadeStep = [&steps, released](uint8_t opacity) {
        steps.push_back(opacity);
        if (steps.size() == 3)
            released->Release();
    };
    released->Show();
    EXPECT_TRUE(PumpUntil([&] { return !IsWindow(hwnd); }));
    test::Pump(100);
    EXPECT_EQ(steps, (std::vector<int>{17, 34, 51}));
    for (int i = 0; i < Screen->FormCount(); ++i)
        EXPECT_NE(Screen->Forms(i), released);
}

// --- window-state sequences ----------------------------------------------------------------------

// Tests sequences of window commands on a real window, each through the path a user takes (the
// platform's maximize and restore commands, the roll-up button's command, a caption double-click):
// the state, the roll-up and the bounds each ends in. Rolled up, the height is the frame's least
// height; rolled down, restored or double-clicked back, the bounds are exact.
TEST_F(WindowIntegration, StateSequencesEndInTheirBounds)
{
    enum class Step { Maximize, Restore, RollToggle, DblClick };
    enum class Place { Normal, Maximized, NormalRolled, MaximizedRolled };
    struct Row {
        const char* Name;
        std::vector<Step> Steps;
        bool Sizeable;
        TWindowState State;
        bool RolledUp;
        Place Where;
    };
    using S = Step;
    const Row rows[] = {
        {"maximize, restore", {S::Maximize, S::Restore}, true, wsNormal, false, Place::Normal},
        {"roll up", {S::RollToggle}, true, wsNormal, true, Place::NormalRolled},
        {"roll up and down", {S::RollToggle, S::RollToggle}, true, wsNormal, false, Place::Normal},
        {"maximized, roll up",
         {S::Maximize, S::RollToggle}, true, wsMaximized, true, Place::MaximizedRolled},
        {"rolled up while maximized, restore unrolls",
         {S::Maximize, S::RollToggle, S::Restore}, true, wsNormal, false, Place::Normal},
        {"rolled up before maximizing stays rolled",
         {S::RollToggle, S::Maximize, S::Restore}, true, wsNormal, true, Place::NormalRolled},
        {"double-click normal", {S::DblClick}, true, wsMaximized, false, Place::Maximized},
        {"double-click maximized",
         {S::Maximize, S::DblClick}, true, wsNormal, false, Place::Normal},
        {"double-click rolled up",
         {S::RollToggle, S::DblClick}, true, wsNormal, false, Place::Normal},
        {"double-click rolled up while maximized",
         {S::Maximize, S::RollToggle, S::DblClick}, true, wsMaximized, false, Place::Maximized},
        {"double-click not sizeable", {S::DblClick}, false, wsNormal, true, Place::NormalRolled},
        {"double-click not sizeable twice",
         {S::DblClick, S::DblClick}, false, wsNormal, false, Place::Normal},
    };
    for (const Row& row : rows) {
        Recreate();
        Load("zozaziz");
        engine->BorderIcons.RollUp = true;
        engine->Sizeable = row.Sizeable;
        engine->BorderIconsChanged();
        ShowAt(Bounds(140, 120, 420, 300));
        const TRect normal = WindowRect();
        for (const Step step : row.Steps) {
            switch (step) {
            case Step::Maximize:
                SysCommand(SC_MAXIMIZE);
                break;
            case Step::Restore:
                SysCommand(SC_RESTORE);
                break;
            case Step::RollToggle:
                engine->RunCommand(TspFormCommand::RollUp);
                test::Pump();
                break;
            case Step::DblClick: {
                const TPoint p = CaptionPoint();
                Send(WM_NCLBUTTONDBLCLK, HTCAPTION, MAKELPARAM(p.X, p.Y));
                test::Pump();
                break;
            }
            }
        }
        EXPECT_EQ(form->WindowState(), row.State) << row.Name;
        EXPECT_EQ(engine->States.FRollUpState, row.RolledUp) << row.Name;
        const TRect maximized = engine->Geometry.GetMaximizedRect();
        const int rolled = engine->Geometry.GetMinHeight();
        ASSERT_LT(rolled, normal.Height());
        TRect expected;
        switch (row.Where) {
        case Place::Normal:
            expected = normal;
            break;
        case Place::Maximized:
            expected = maximized;
            break;
        case Place::NormalRolled:
            expected = Bounds(normal.Left, normal.Top, normal.Width(), rolled);
            break;
        case Place::MaximizedRolled:
            expected = Bounds(maximized.Left, maximized.Top, maximized.Width(), rolled);
            break;
        }
        EXPECT_EQ(WindowRect(), expected) << row.Name;
        EXPECT_FALSE(IsZoomed(Wnd())) << row.Name;
    }
}

// Tests the main form's minimize: it minimizes the application (the window iconic) and leaves
// the engine's state as it was; asking for a shown state, or the platform's restore, brings the
// application back, in the state and bounds asked for.
TEST_F(WindowIntegration, MainFormMinimizesTheApplicationAndComesBack)
{
    struct Row {
        bool StartMaximized;
        std::optional<TWindowState> Ask;  // none: the platform's SC_RESTORE
        TWindowState After;
    };
    const Row rows[] = {
        {false, wsNormal, wsNormal},
        {false, wsMaximized, wsMaximized},
        {true, wsMaximized, wsMaximized},
        {true, std::nullopt, wsMaximized},
    };
    for (const Row& row : rows) {
        Recreate();
        Load("zozaziz");
        Application->SetMainForm(form.get());
        ShowAt(Bounds(140, 120, 420, 300));
        const TRect normal = WindowRect();
        if (row.StartMaximized)
            SysCommand(SC_MAXIMIZE);
        const TWindowState before = form->WindowState();
        SysCommand(SC_MINIMIZE);
        EXPECT_TRUE(IsIconic(Wnd()));
        EXPECT_TRUE(Application->Minimized());
        EXPECT_EQ(form->WindowState(), before);
        if (row.Ask)
            form->SetWindowState(*row.Ask);
        else
            SysCommand(SC_RESTORE);
        test::Pump();
        EXPECT_FALSE(IsIconic(Wnd())) << row.StartMaximized << " " << row.Ask.value_or(wsMinimized);
        EXPECT_EQ(form->WindowState(), row.After);
        const TRect maximized = engine->Geometry.GetMaximizedRect();
        EXPECT_EQ(WindowRect(), row.After == wsMaximized ? maximized : normal);
    }
}

// --- the move loop -------------------------------------------------------------------------------

// Tests WM_MOVING on a maximized window (sent here, as the window manager under test sends none):
// dragged down, the window is restored to its normal size centred under the cursor at its current
// top, kept inside the work area, and the dragged rectangle is rewritten to that place; not
// dragged down, it stays maximized and the rectangle is held at the maximized place.
TEST_F(WindowIntegration, MaximizedWindowDraggedDownRestoresUnderTheCursor)
{
    constexpr int w = 420, h = 300;
    Load("zozaziz");
    ShowAt(Bounds(140, 120, w, h));
    const TRect work = WorkArea();
    ASSERT_GT(work.Width(), 2 * w);
    struct Row {
        const char* Name;
        int CursorX;
        int Dy;
        std::optional<int> Left;  // none: stays maximized
    };
    const Row rows[] = {
        {"under the cursor", work.Left + work.Width() / 2, 40,
         work.Left + work.Width() / 2 - w / 2},
        {"kept off the left edge", work.Left + 30, 40, work.Left},
        {"kept off the right edge", work.Right - 30, 40, work.Right - w},
        {"moved sideways", work.Left + work.Width() / 2, 0, std::nullopt},
        {"dragged up", work.Left + work.Width() / 2, -5, std::nullopt},
    };
    for (const Row& row : rows) {
        Recreate();
        Load("zozaziz");
        ShowAt(Bounds(140, 120, w, h));
        SysCommand(SC_MAXIMIZE);
        const TRect maximized = WindowRect();
        SetCursorPos(row.CursorX, maximized.Top + 10);
        POINT c{};
        ASSERT_TRUE(GetCursorPos(&c) && c.x == row.CursorX) << row.Name;
        RECT dragged{maximized.Left + 7, maximized.Top + row.Dy, maximized.Right + 7,
                     maximized.Bottom + row.Dy};
        EXPECT_EQ(Send(WM_MOVING, WMSZ_TOP, reinterpret_cast<LPARAM>(&dragged)), TRUE) << row.Name;
        const TRect expected = row.Left ? Bounds(*row.Left, maximized.Top, w, h) : maximized;
        EXPECT_EQ(FromRECT(dragged), expected) << row.Name;
        EXPECT_EQ(WindowRect(), expected) << row.Name;
        EXPECT_EQ(form->WindowState(), row.Left ? wsNormal : wsMaximized) << row.Name;
    }
}

// Tests the move and size loop's hold on tracking: entering it leaves no hot object and stops
// the mouse timer; inside it a hit test over a button lights nothing up and the timer does not
// keep running; leaving it clears the objects, and the next hit test over a button starts
// tracking again.
TEST_F(WindowIntegration, MoveSizeLoopSuspendsTracking)
{
    Load("zozaziz");
    ShowAt(Bounds(120, 100, 420, 300));
    const int close = engine->Objects.GetIndex(L"closebutton");
    ASSERT_GE(close, 0);
    const TRect button = engine->Objects.ObjectList[static_cast<size_t>(close)]->ObjectRect;
    const TPoint c = test::ScreenCentre(Wnd(), button);
    SetCursorPos(c.X, c.Y);  // where the pointer is during a real loop
    auto hitClose = [&] { return Send(WM_NCHITTEST, 0, MAKELPARAM(c.X, c.Y)); };
    ASSERT_EQ(hitClose(), 19);
    EXPECT_EQ(engine->Objects.ActiveObject, close);
    EXPECT_TRUE(engine->MouseTimer()->Enabled());

    Send(WM_ENTERSIZEMOVE);
    EXPECT_TRUE(engine->InSizeMove());
    EXPECT_EQ(engine->Objects.ActiveObject, -1);
    EXPECT_FALSE(engine->MouseTimer()->Enabled());
    hitClose();
    test::Pump(200);
    EXPECT_EQ(engine->Objects.ActiveObject, -1) << "nothing lights up inside the loop";
    EXPECT_FALSE(engine->MouseTimer()->Enabled());

    Send(WM_EXITSIZEMOVE);
    EXPECT_FALSE(engine->InSizeMove());
    EXPECT_EQ(engine->Objects.ActiveObject, -1);
    EXPECT_EQ(engine->Objects.OldActiveObject, -1);
    EXPECT_EQ(engine->Objects.MouseCaptureObject, -1);
    EXPECT_FALSE(engine->MouseTimer()->Enabled());
    EXPECT_EQ(hitClose(), 19);
    EXPECT_EQ(engine->Objects.ActiveObject, close);
    EXPECT_TRUE(engine->MouseTimer()->Enabled());
}

// --- the system menu -----------------------------------------------------------------------------

// The open menu's first level as it reads: the items' captions, "-" for a separator.
std::vector<String> OpenMenuCaptions(const TspSkinMenu& menu)
{
    std::vector<String> out;
    if (menu.LevelCount() == 0)
        return out;
    const TspPopupLevel& level = menu.Level(0);
    for (int i = 0; i < level.Count(); ++i) {
        const TspSkinMenuItem& item = level.Item(i);
        const bool separator = item.Kind == TMenuItemKind::mikSeparator || !item.MenuItem;
        out.push_back(separator ? String(L"-") : StripHotkey(item.MenuItem->Caption));
    }
    return out;
}

// Tests a right click on the caption of a window whose border icons are minimize, maximize and
// roll-up: the skinned system menu opens at the click with the commands for the window's state,
// and a click on Close closes the form once the menu has gone.
TEST_F(WindowIntegration, CaptionRightClickOpensTheSystemMenuForTheState)
{
    struct Row {
        bool Maximized;
        std::vector<String> Captions;
    };
    const Row rows[] = {
        {false, {L"Minimize", L"Maximize", L"RollUp", L"-", L"Close"}},
        {true, {L"Minimize", L"Restore", L"RollUp", L"-", L"Close"}},
    };
    for (const Row& row : rows) {
        Recreate();
        Load("zozaziz");
        engine->BorderIcons = TspBorderIcons{false, true, true, true, false};
        engine->BorderIconsChanged();
        ShowAt(Bounds(140, 120, 420, 300));
        if (row.Maximized)
            SysCommand(SC_MAXIMIZE);
        int closes = 0;
        form->OnClose = [&](TObject*, TCloseAction& action) {
            ++closes;
            action = caHide;
        };
        const TPoint p = CaptionPoint();
        ASSERT_EQ(Send(WM_NCHITTEST, 0, MAKELPARAM(p.X, p.Y)), HTCAPTION);
        Send(WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(p.X, p.Y));
        test::Pump();
        TspSkinMenu& menu = *engine->SkinMenu();
        ASSERT_TRUE(menu.Visible()) << row.Maximized;
        EXPECT_TRUE(engine->Menus().InMenu());
        EXPECT_EQ(menu.Level(0).Position, p);
        const std::vector<String> captions = OpenMenuCaptions(menu);
        EXPECT_EQ(captions, row.Captions) << row.Maximized;

        const auto close = std::find(captions.begin(), captions.end(), L"Close");
        ASSERT_NE(close, captions.end());
        const TRect item = menu.Level(0).ScreenRect(static_cast<int>(close - captions.begin()));
        test::ClickAt({(item.Left + item.Right) / 2, (item.Top + item.Bottom) / 2});
        EXPECT_FALSE(menu.Visible());
        EXPECT_FALSE(engine->Menus().InMenu());
        EXPECT_EQ(closes, 1) << row.Maximized;
        EXPECT_FALSE(IsWindowVisible(Wnd()));
    }
}

// Tests the system menu from the keyboard and switched off: Alt+Space is taken as a shortcut in
// every case and opens the menu below the system button when the border icons have one, nothing
// without; a right click on the caption opens it either way; with DisableSystemMenu neither opens
// anything.
TEST_F(WindowIntegration, AltSpaceOpensTheSystemMenuBelowTheSystemButton)
{
    struct Row {
        bool SystemButton, Disabled;
    };
    for (const Row row : {Row{true, false}, Row{false, false}, Row{true, true}}) {
        Recreate();
        Load("zozaziz");
        engine->BorderIcons.SystemMenu = row.SystemButton;
        engine->DisableSystemMenu = row.Disabled;
        engine->BorderIconsChanged();
        ShowAt(Bounds(140, 120, 420, 300));
        TspSkinMenu& menu = *engine->SkinMenu();
        const std::string name = std::to_string(row.SystemButton) + std::to_string(row.Disabled);

        TWMKey key{WM_SYSKEYDOWN, VK_SPACE, 0x20000000};
        EXPECT_TRUE(form->IsShortCut(key)) << name;
        test::Pump();
        const bool keyOpens = row.SystemButton && !row.Disabled;
        EXPECT_EQ(menu.Visible(), keyOpens) << name;
        if (keyOpens) {
            auto* button = engine->Objects.Find<TspSkinStdButtonObject>(L"sysmenubutton");
            ASSERT_NE(button, nullptr);
            const TRect wr = WindowRect();
            const TRect r = button->ObjectRect.Offset(wr.Left, wr.Top);
            EXPECT_EQ(menu.Level(0).Position, Point(r.Left, r.Bottom));
            menu.Hide();
            test::Pump();
        }

        const TPoint p = CaptionPoint();
        Send(WM_NCRBUTTONDOWN, HTCAPTION, MAKELPARAM(p.X, p.Y));
        test::Pump();
        EXPECT_EQ(menu.Visible(), !row.Disabled) << name;
        if (menu.Visible())
            menu.Hide();
        test::Pump();
    }
}

// --- skin changes --------------------------------------------------------------------------------

// A copy of a shipped skin whose frame is 2 pixels thicker on every side.
std::wstring ThickFrameSkin(const test::ScratchDir& dir, const std::string& from)
{
    namespace fs = std::filesystem;
    const fs::path source(test::SourcePath("skins/" + from));
    const fs::path folder = dir.Path() / "thick";
    fs::copy(source, folder, fs::copy_options::recursive);
    std::ifstream in(folder / "skin.ini", std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    in.close();
    std::string ini = text.str();
    const std::string client = "clientrect=2,29,194,144";
    const size_t at = ini.find(client);
    if (at == std::string::npos)
        return {};
    ini.replace(at, client.size(), "clientrect=4,31,192,142");
    std::ofstream(folder / "skin.ini", std::ios::binary) << ini;
    return (folder / "skin.ini").wstring();
}

// Tests a window through skin changes: without a skin its client is the plain frame's; each
// loaded skin makes the objects afresh, lays the client out inside its own frame and shows that
// frame on the screen as the engine composes it.
TEST_F(WindowIntegration, SkinChangesRelayTheFrame)
{
    test::ScratchDir dir("thick-skin");
    const std::wstring thick = ThickFrameSkin(dir, "velin");
    ASSERT_FALSE(thick.empty());
    engine->SetSkinData(sd);  // empty until the first load
    ShowAt(Bounds(80, 80, 420, 300));
    const int plainCaption = engine->Geometry.DefaultCaptionHeight();
    EXPECT_EQ(ClientRect(), Rect(0, 0, 420 - 6, 300 - plainCaption - 6));

    struct Row {
        std::wstring Definition;
        int Side, Top;  // the frame's left and top in the skin's picture
    };
    const Row rows[] = {
        {test::SourcePath("skins/velin/skin.ini"), 2, 29},
        {thick, 4, 31},
        {test::SourcePath("skins/carbonel/skin.ini"), 2, 29},
    };
    const TspActiveSkinObject* before = engine->Objects.ObjectList.front().get();
    for (const Row& row : rows) {
        sd->LoadFromFile(row.Definition);
        ASSERT_FALSE(sd->Empty);
        test::Pump(150);
        ASSERT_NE(engine->Objects.Find<TspSkinStdButtonObject>(L"closebutton"), nullptr);
        EXPECT_NE(engine->Objects.ObjectList.front().get(), before);
        before = engine->Objects.ObjectList.front().get();
        const TRect client = ClientRect();
        const TRect cl = engine->Geometry.NewClRect;
        EXPECT_EQ(client.Width(), 420 - 2 * row.Side);
        EXPECT_EQ(cl.Left, row.Side);
        EXPECT_EQ(cl.Top, row.Top);
        EXPECT_EQ(client.Width(), cl.Width());
        EXPECT_EQ(client.Height(), cl.Height());
        EXPECT_EQ(WindowRect().Width(), 420);

        TspBitmap composed, shot;
        ASSERT_TRUE(engine->PaintFrameTo(composed));
        test::CaptureWindow(Wnd(), shot);
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        ASSERT_NE(GetWindowRgn(Wnd(), rgn), ERROR);
        EXPECT_EQ(FrameDifferences(shot, composed, cl, rgn), 0);
        DeleteObject(rgn);
    }
}

// Tests a package whose header is sound but whose compressed body is garbage: the load fails,
// the container is left empty, and the window goes on with the plain frame: the client inside
// the plain frame, the whole window as its region, and the plain frame's rings on the screen.
TEST_F(WindowIntegration, CorruptPackageLeavesThePlainFrame)
{
    Load("zozaziz");
    ShowAt(Bounds(80, 80, 420, 300));
    HRGN rgn = CreateRectRgn(0, 0, 0, 0);
    ASSERT_NE(GetWindowRgn(Wnd(), rgn), ERROR);  // the skin's rounded corners

    test::ScratchDir dir("corrupt-package");
    const std::filesystem::path bad = dir.Path() / "bad.skn";
    {
        std::ofstream out(bad, std::ios::binary);
        const int32_t header[2] = {2, 64};  // version, length of the compressed body
        out.write(reinterpret_cast<const char*>(header), sizeof header);
        for (int i = 0; i < 64; ++i)
            out.put(static_cast<char>(0xA5 ^ (i * 37)));
    }
    bool reported = false;
    try {
        sd->LoadFromCompressedFile(bad.wstring());
    } catch (const std::exception&) {
        reported = true;
    }
    EXPECT_TRUE(reported);
    test::Pump(150);
    EXPECT_TRUE(sd->Empty);
    EXPECT_FALSE(engine->Geometry.Skin.Loaded);
    ASSERT_TRUE(IsWindow(Wnd()));
    EXPECT_TRUE(IsWindowVisible(Wnd()));

    const TRect wr = WindowRect();
    const int caption = engine->Geometry.DefaultCaptionHeight();
    EXPECT_EQ(ClientRect(), Rect(0, 0, wr.Width() - 6, wr.Height() - caption - 6));
    // The whole window, the skin's cut corners gone.
    EXPECT_EQ(GetWindowRgn(Wnd(), rgn), SIMPLEREGION);
    RECT box{};
    GetRgnBox(rgn, &box);
    EXPECT_EQ(FromRECT(box), Rect(0, 0, wr.Width(), wr.Height()));
    DeleteObject(rgn);
    RedrawWindow(Wnd(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    test::Pump();
    TspBitmap shot;
    test::CaptureWindow(Wnd(), shot);
    const TspColor shadow = ColorToPixel(cl3DDkShadow, 255) & 0xFFFFFF;
    const TspColor face = ColorToPixel(clBtnFace, 255) & 0xFFFFFF;
    EXPECT_EQ(shot.GetPixel(0, 0) & 0xFFFFFF, shadow);
    EXPECT_EQ(shot.GetPixel(1, wr.Height() / 2) & 0xFFFFFF, face);
    EXPECT_EQ(shot.GetPixel(wr.Width() - 2, wr.Height() / 2) & 0xFFFFFF, face);
}

} // namespace
} // namespace vt
