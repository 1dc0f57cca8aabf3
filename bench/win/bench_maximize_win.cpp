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

// A cycle's two steps, each followed by the application's messages.
struct TCycle {
    HWND Window;
    std::function<void()> Maximize, Restore;
    void Run() const
    {
        Maximize();
        Application->ProcessMessages();
        Restore();
        Application->ProcessMessages();
    }
    // Runs a cycle, checking that each step reaches its rectangle; the figures measure something
    // else when one does not.
    bool Reaches(const TRect& maximized, const TRect& normal, const char* name) const
    {
        Maximize();
        Application->ProcessMessages();
        const TRect big = WindowRect(Window);
        Restore();
        Application->ProcessMessages();
        const TRect small = WindowRect(Window);
        if (big == maximized && small == normal)
            return true;
        std::fprintf(stderr, "the %s window did not follow the cycle:\n", name);
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
    const TCycle engineCycle{skinned, command, command};
    const TCycle platformCycle{plain, [&] { MoveTo(plain, maximized); },
                               [&] { MoveTo(plain, normal); }};
    const auto checked = [&] {
        w.BringToFront(*w.Skinned);
        const bool engineOk = engineCycle.Reaches(maximized, normal, "skinned");
        w.BringToFront(*w.Plain);
        return platformCycle.Reaches(maximized, normal, "plain") && engineOk;
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
    if (!checked())
        return 1;
    timer.PrintRatio("maximize-restore-engine/platform", "maximize-restore/engine",
                     "maximize-restore/platform");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
