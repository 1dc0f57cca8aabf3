// A skinned memo's repaint against a plain native memo's: both 417 x 161 (the main window's memo)
// holding the same nine lines, painted by WM_PAINT into a memory bitmap. The skinned memo composes
// its record's background and frame off-screen, lets the native edit draw its text over them and
// copies the result once; the plain memo is the framework's native multi-line edit drawing itself.
// Prints "ratio memo/plain-memo <x.xx>" (and "...-wall" on wall time).
#include "bench_windows_win.h"
#include "controls/memo_win.h"
#include "ratio_timer_win.h"
#include "win/controls/painted_image.h"

#include <cstdio>
#include <string>

namespace {

using namespace vt;

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    Application->Initialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 460, 420);
    TspSkinData* skin = bench::LoadDefaultSkin(form);
    if (!skin)
        return 1;
    const wchar_t* text =
        L"Since version 12.50 you can use extended skins with special button in \r\n"
        L"caption to call popup menu and tabs.\r\n"
        L"See TspDynamicSkinForm.MenuButton... and TspDynamicSkinForm.CaptionTabs...\r\n"
        L"properties (see help for more info). \r\n\r\n"
        L"You can see demo with menu button, tabs, quick buttons in form's caption + \r\n"
        L"TspSkinPageControl.\r\n\r\n"
        L"Now you can create really unusual and modern applications!";
    auto* memo = new TspSkinMemo(&form);
    memo->SetBounds(10, 10, 417, 161);
    memo->SetParent(&form);
    memo->SetSkinData(skin);
    memo->SetText(text);
    auto* plain = new TMemo(&form);
    plain->SetBounds(10, 200, 417, 161);
    plain->SetParent(&form);
    plain->SetText(text);
    plain->Font().Assign(memo->Font());
    form.Show();
    Application->ProcessMessages();
    if (memo->SkinIndex() < 0) {
        std::fprintf(stderr, "the memo found no record in the default skin\n");
        return 1;
    }

    TspBitmap target;
    timer.Add("memo", [] {}, [&] { test::PaintControlImage(*memo, target); });
    timer.Add("plain-memo", [] {}, [&] { test::PaintControlImage(*plain, target); });
    timer.Run();
    timer.PrintRatio("memo/plain-memo", "memo", "plain-memo");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
