// A mouse moving over the frame of a restored 793 x 379 window: per point, WM_NCHITTEST and then
// WM_NCMOUSEMOVE with its answer, over points on the caption, on every caption button (so the
// buttons turn hot and cold again on each pass) and on the edges. The skinned window with the
// default skin against a plain window of the same size whose frame the platform answers. Prints
// "ratio frame-mouse-engine/platform <x.xx>" (and "...-wall" on wall time).
#include "bench_windows_win.h"
#include "ratio_timer_win.h"

#include "form/hit_test.h"

#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

namespace {

using namespace vt;

constexpr int kWidth = 793, kHeight = 379;

struct TFramePoints {
    std::vector<TPoint> Points;  // window coordinates
    int Caption = 0, Buttons = 0, Edges = 0;
};

// One mouse move as the system sends it: the hit test, then the move with its answer. Returns
// the hit test's answer.
LRESULT MoveTo(HWND hwnd, const RECT& wr, TPoint windowPoint)
{
    const LPARAM at = MAKELPARAM(wr.left + windowPoint.X, wr.top + windowPoint.Y);
    const LRESULT code = SendMessageW(hwnd, WM_NCHITTEST, 0, at);
    SendMessageW(hwnd, WM_NCMOUSEMOVE, static_cast<WPARAM>(code), at);
    return code;
}

// One pass of the mouse over the points; the answers go to codes when it is given.
void MovePass(HWND hwnd, const std::vector<TPoint>& points, std::vector<LRESULT>* codes = nullptr)
{
    RECT wr;
    GetWindowRect(hwnd, &wr);
    for (const TPoint p : points) {
        const LRESULT code = MoveTo(hwnd, wr, p);
        if (codes)
            codes->push_back(code);
    }
}

// The points, checked by a pass against the engine's answers so that the benchmark measures what
// it says; empty (with a message) when one answers something else.
TFramePoints FramePoints(TspDynamicSkinForm& engine, HWND hwnd)
{
    enum TKind { kCaption, kButton, kEdge };
    const char* const kindNames[] = {"the caption", "a button", "an edge"};
    std::vector<TPoint> caption, buttons;
    for (const int x : {150, 250, 350, 450, 550})
        caption.push_back(Point(x, 12));
    for (const auto& o : engine.Objects.ObjectList)
        if (o->Visible && dynamic_cast<const TspSkinButtonObject*>(o.get())) {
            const TRect& r = o->ObjectRect;
            buttons.push_back(Point((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2));
        }
    const std::vector<TPoint> edges = {Point(0, kHeight / 2), Point(kWidth - 1, kHeight / 2),
                                       Point(kWidth / 2, kHeight - 1),
                                       Point(kWidth - 1, kHeight - 1), Point(kWidth / 2, 0)};
    // The buttons and the caption taking turns, then the edges one after the other.
    TFramePoints out;
    std::vector<TKind> kinds;
    auto add = [&](TPoint p, TKind kind, int& count) {
        out.Points.push_back(p);
        kinds.push_back(kind);
        ++count;
    };
    for (size_t i = 0; i < std::max(buttons.size(), caption.size()); ++i) {
        if (i < buttons.size())
            add(buttons[i], kButton, out.Buttons);
        add(caption[i % caption.size()], kCaption, out.Caption);
    }
    for (const TPoint p : edges)
        add(p, kEdge, out.Edges);

    bool ok = out.Buttons >= 3;
    if (!ok)
        std::fprintf(stderr, "the default skin shows %d caption buttons, expected at least 3\n",
                     out.Buttons);
    // A pass by hand, to see each answer and each button turn hot as the mouse reaches it.
    RECT wr;
    GetWindowRect(hwnd, &wr);
    for (size_t i = 0; i < out.Points.size(); ++i) {
        const TPoint p = out.Points[i];
        const int code = static_cast<int>(MoveTo(hwnd, wr, p));
        // The caption is an object too: while it is hot the frame answers for it until the next
        // move has left it, so the first edge after it may answer as an object.
        const bool firstEdge = kinds[i] == kEdge && i > 0 && kinds[i - 1] != kEdge;
        const bool expected =
            kinds[i] == kCaption  ? code == HTCAPTION
            : kinds[i] == kButton ? code == ht::Object
                                  : ht::IsSizing(code) || (firstEdge && code == ht::Object);
        if (!expected) {
            std::fprintf(stderr, "the engine answers %d at %d,%d, not as %s\n", code, p.X, p.Y,
                         kindNames[kinds[i]]);
            ok = false;
        }
        const int hot = engine.Objects.ActiveObject;
        const auto& objects = engine.Objects.ObjectList;
        if (kinds[i] == kButton &&
            (hot < 0 || !objects[static_cast<size_t>(hot)]->ObjectRect.Contains(p))) {
            std::fprintf(stderr, "the button at %d,%d did not turn hot\n", p.X, p.Y);
            ok = false;
        }
    }
    return ok ? out : TFramePoints{};
}

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    bench::TBenchWindows w;
    if (!w.Create(40, 40, kWidth, kHeight))
        return 1;
    const HWND skinned = w.Skinned->Handle(), plain = w.Plain->Handle();
    const TFramePoints points = FramePoints(*w.Engine, skinned);
    if (points.Points.empty())
        return 1;
    std::printf("%zu points a pass: %d on the caption, %d on buttons, %d on edges\n",
                points.Points.size(), points.Caption, points.Buttons, points.Edges);
    for (const auto& [name, hwnd] : {std::pair{"engine", skinned}, std::pair{"platform", plain}}) {
        std::vector<LRESULT> codes;
        MovePass(hwnd, points.Points, &codes);
        std::printf("%-8s answers:", name);
        for (const LRESULT c : codes)
            std::printf(" %d", static_cast<int>(c));
        std::printf("\n");
    }

    timer.Add(
        "frame-mouse/engine", [&] { w.BringToFront(*w.Skinned); },
        [&] { MovePass(skinned, points.Points); });
    timer.Add(
        "frame-mouse/platform", [&] { w.BringToFront(*w.Plain); },
        [&] { MovePass(plain, points.Points); });
    timer.Run();
    timer.PrintRatio("frame-mouse-engine/platform", "frame-mouse/engine", "frame-mouse/platform");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
