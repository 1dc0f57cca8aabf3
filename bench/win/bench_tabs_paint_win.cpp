// A skinned page control's paint with 20 tabs against the same control with one tab, both with
// the default skin's tab record, at a width where every tab shows (no scroller). The paint is the
// control's own WM_PAINT into a memory bitmap, so the figures hold the composition and the one
// blit, not the screen. Prints "ratio tabs-paint-20/1 <x.xx>" (and "...-wall" on wall time).
#include "bench_windows_win.h"
#include "controls/page_control_win.h"
#include "ratio_timer_win.h"
#include "win/controls/painted_image.h"

#include <cstdio>
#include <string>

namespace {

using namespace vt;

TspSkinPageControl* NewPages(TForm& form, TspSkinData* skin, int tabs, int top)
{
    auto* pc = new TspSkinPageControl(&form);
    pc->SetBounds(0, top, 1600, 120);
    pc->SetParent(&form);
    pc->SetSkinData(skin);
    for (int i = 0; i < tabs; ++i) {
        auto* sheet = new TspSkinTabSheet(&form);
        sheet->SetText(L"Page " + std::to_wstring(i + 1));
        sheet->SetPageControl(pc);
    }
    pc->SetActivePageIndex(0);
    return pc;
}

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    Application->Initialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 1640, 300);
    TspSkinData* skin = bench::LoadDefaultSkin(form);
    if (!skin)
        return 1;
    TspSkinPageControl* many = NewPages(form, skin, 20, 0);
    TspSkinPageControl* one = NewPages(form, skin, 1, 140);
    form.Show();
    Application->ProcessMessages();
    if (many->TabRect(19).IsEmpty() || many->TabRect(19).Right > many->Width()) {
        std::fprintf(stderr, "the 20 tabs do not all show\n");
        return 1;
    }
    TspBitmap target;
    timer.Add("tabs-paint/20", [] {}, [&] { test::PaintControlImage(*many, target); });
    timer.Add("tabs-paint/1", [] {}, [&] { test::PaintControlImage(*one, target); });
    timer.Run();
    timer.PrintRatio("tabs-paint-20/1", "tabs-paint/20", "tabs-paint/1");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
