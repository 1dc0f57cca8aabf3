// A maximize and restore cycle of a 793 x 379 window: the engine's maximize command twice on the
// skinned window with the default skin, against SetWindowPos to the same two rectangles on a
// plain window whose frame the platform draws. After each step the application's messages are
// handled (the paints the move left), on both windows alike. Prints
// "ratio maximize-restore-engine/platform <x.xx>" (and "...-wall" on wall time).
#include "bench_windows_win.h"
#include "ratio_timer_win.h"

#include <cstdio>
#include <functional>

namespace {

using namespace vt;

TRect WindowRect(HWND hwnd)
{
    RECT r;
    GetWindowRect(hwnd, &r);
    return Rect(r.left, r.top, r.right, r.bottom);
}

void PrintRect(const char* what, const TRect& r)
{
    std::printf("%s %d,%d %dx%d\n", what, r.Left, r.Top, r.Width(), r.Height());
}

void MoveTo(HWND hwnd, const TRect& r)
{
    SetWindowPos(hwnd, nullptr, r.Left, r.Top, r.Width(), r.Height(),
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

// A cycle's two steps, each followed by the application's messages. Under Wine the window
// manager now and then answers a resize late, and the driver then gives the window the stale size
// (a maximized window back at its restored rectangle, or the other way round); a cycle that does
// not end where it began is put right and counted, so that the count stands beside the figures.
struct TCycle {
    HWND Window;
    TRect Maximized, Normal;
    std::function<void()> Maximize, Restore;
    std::function<bool()> StateNormal;  // what is kept of the window's state says restored
    int Cycles = 0, PutRight = 0;

    void Run()
    {
        Maximize();
        Application->ProcessMessages();
        Restore();
        Application->ProcessMessages();
        ++Cycles;
        if (WindowRect(Window) != Normal || !StateNormal()) {
            ++PutRight;
            BackToNormal();
        }
    }
    void BackToNormal()
    {
        if (!StateNormal())
            Restore();
        MoveTo(Window, Normal);
        Application->ProcessMessages();
    }
    // Checks that a cycle reaches both rectangles: the figures measure something else when it
    // does not. Three tries, for the window manager's late answers.
    bool Reaches(const char* name)
    {
        TRect big, small;
        for (int i = 0; i < 3; ++i) {
            Maximize();
            Application->ProcessMessages();
            big = WindowRect(Window);
            Restore();
            Application->ProcessMessages();
            small = WindowRect(Window);
            if (big == Maximized && small == Normal && StateNormal())
                return true;
            BackToNormal();
        }
        std::fprintf(stderr, "the %s window does not follow the cycle:\n", name);
        PrintRect("  maximized", big);
        PrintRect("  restored", small);
        return false;
    }
};

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    bench::TBenchWindows w;
    if (!w.Create(40, 40, 793, 379))
        return 1;
    TspDynamicSkinForm& engine = *w.Engine;
    const HWND skinned = w.Skinned->Handle(), plain = w.Plain->Handle();
    const TRect normal = WindowRect(skinned);
    const TRect maximized = engine.Geometry.GetMaximizedRect();
    PrintRect("restored", normal);
    PrintRect("maximized", maximized);
    if (maximized == normal) {
        std::fprintf(stderr, "the maximized rectangle is the restored one\n");
        return 1;
    }

    const auto command = [&] { engine.RunCommand(TspFormCommand::Maximize); };
    TCycle engineCycle{skinned, maximized, normal, command, command,
                       [&] { return engine.States.FWindowState == TspWindowState::Normal; }};
    TCycle platformCycle{plain, maximized, normal, [&] { MoveTo(plain, maximized); },
                         [&] { MoveTo(plain, normal); }, [] { return true; }};
    const auto checked = [&] {
        w.BringToFront(*w.Skinned);
        const bool engineOk = engineCycle.Reaches("skinned");
        w.BringToFront(*w.Plain);
        return platformCycle.Reaches("plain") && engineOk;
    };
    if (!checked())
        return 1;
    timer.Add(
        "maximize-restore/engine", [&] { w.BringToFront(*w.Skinned); },
        [&] { engineCycle.Run(); });
    timer.Add(
        "maximize-restore/platform", [&] { w.BringToFront(*w.Plain); },
        [&] { platformCycle.Run(); });
    timer.Run();
    std::printf("cycles put right after a late resize: engine %d of %d, platform %d of %d\n",
                engineCycle.PutRight, engineCycle.Cycles, platformCycle.PutRight,
                platformCycle.Cycles);
    if (!checked())
        return 1;
    timer.PrintRatio("maximize-restore-engine/platform", "maximize-restore/engine",
                     "maximize-restore/platform");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
