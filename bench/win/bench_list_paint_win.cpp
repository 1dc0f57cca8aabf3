// A skinned list box's paint of a full page of items against copying as many pixels: a 170 x 170
// list with the default skin and 30 items (the vertical bar showing), painted by the native list's
// own WM_PAINT into a memory bitmap, so the figure holds the item composition and the one blit,
// not the screen. The baseline is memcpy of 170 x 170 x 4 bytes. Prints "ratio list-page/memcpy
// <x.xx>" (and "...-wall" on wall time).
#include "bench_windows_win.h"
#include "controls/list_box_win.h"
#include "controls/scroll_bar_win.h"
#include "ratio_timer_win.h"
#include "win/controls/painted_image.h"

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

using namespace vt;

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    Application->Initialize();
    TForm form(nullptr);
    form.SetBounds(0, 0, 300, 260);
    TspSkinData* skin = bench::LoadDefaultSkin(form);
    if (!skin)
        return 1;
    auto* lb = new TspSkinListBox(&form);
    lb->SetBounds(10, 10, 170, 170);
    lb->SetParent(&form);
    lb->SetSkinData(skin);
    TStringList items;
    for (int i = 0; i < 30; ++i)
        items.Add(L"Item " + std::to_wstring(i + 1));
    lb->SetItems(items);
    lb->SetItemIndex(2);
    form.Show();
    Application->ProcessMessages();
    if (!lb->VertScrollBar() || !lb->VertScrollBar()->Visible() || !lb->HasRecord()) {
        std::fprintf(stderr, "the list has no skinned look or no vertical bar\n");
        return 1;
    }

    constexpr size_t kBytes = 170 * 170 * 4;
    std::vector<unsigned char> from(kBytes, 0x5A), to(kBytes);
    TspBitmap target;
    timer.Add("list-page", [] {}, [&] { test::PaintControlImage(*lb->ListBox(), target); });
    timer.Add("memcpy", [] {}, [&] {
        std::memcpy(to.data(), from.data(), kBytes);
        // Keeps the copy: the compiler must assume the bytes are read.
        asm volatile("" : : "r"(to.data()) : "memory");
    });
    timer.Run();
    timer.PrintRatio("list-page/memcpy", "list-page", "memcpy");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
