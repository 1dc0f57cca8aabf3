// The skinned page control with the default skin at 1400 x 200, painted whole into a memory DC
// (frame, tab strip, selected tab) with 20 tabs against the same control with one tab; 1400 pixels
// hold all 20, so no scroller is drawn. Prints "ratio tabs-paint-20/1 <x.xx>".
#include "bench_windows_win.h"
#include "ratio_timer_win.h"
#include "controls/page_control_win.h"

#include <cstdio>
#include <string>

namespace {

using namespace vt;

constexpr int kWidth = 1400, kHeight = 200;

TspSkinPageControl* NewPageControl(TForm& form, TspSkinData* skin, int tabs, int top)
{
    auto* pc = new TspSkinPageControl(&form);
    pc->SetBounds(0, top, kWidth, kHeight);
    pc->SetParent(&form);
    for (int i = 0; i < tabs; ++i) {
        auto* sheet = new TspSkinTabSheet(&form);
        sheet->SetText(L"Tab " + std::to_wstring(i + 1));
        sheet->SetPageControl(pc);
    }
    pc->SetActivePageIndex(0);
    pc->SetSkinData(skin);
    return pc;
}

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    bench::TBenchWindows windows;
    if (!windows.Create(0, 0, kWidth + 40, 2 * kHeight + 80))
        return 1;
    TForm& form = *windows.Skinned;
    TspSkinData* skin = windows.Engine->SkinData();
    TspSkinPageControl* one = NewPageControl(form, skin, 1, 0);
    TspSkinPageControl* twenty = NewPageControl(form, skin, 20, kHeight);
    test::Pump(100);
    if (!one->HasRecord() || twenty->TabScroller() || twenty->TabRect(19).IsEmpty()) {
        std::fprintf(stderr, "the page controls are not as measured: no tab record, or 20 tabs do not fit\n");
        return 1;
    }

    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, kWidth, kHeight);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bitmap);
    timer.Add("tabs-paint-1", [] {}, [&] { one->PaintTo(dc); });
    timer.Add("tabs-paint-20", [] {}, [&] { twenty->PaintTo(dc); });
    timer.Run();
    timer.PrintRatio("tabs-paint-20/1", "tabs-paint-20", "tabs-paint-1");
    SelectObject(dc, old);
    DeleteObject(bitmap);
    DeleteDC(dc);
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
