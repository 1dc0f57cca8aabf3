// One frame of a combo box's open drop-down list against copying as many pixels: a 150-wide combo
// with the default skin and 8 items (as many rows as DropDownCount shows), its list opened, then
// the pop-up's skinned frame and the native list's items painted by their own WM_PAINT into memory
// bitmaps, so the figure holds the composition and the blits, not the screen. The baseline is
// memcpy of the list's width x height x 4 bytes. Prints "ratio combo-list/memcpy <x.xx>" (and
// "...-wall" on wall time).
#include "bench_windows_win.h"
#include "controls/combo_box_win.h"
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
    auto* cb = new TspSkinComboBox(&form);
    cb->SetBounds(10, 10, 150, 20);
    cb->SetParent(&form);
    cb->SetSkinData(skin);
    TStringList items;
    for (int i = 0; i < 8; ++i)
        items.Add(L"Item " + std::to_wstring(i + 1));
    cb->SetItems(items);
    cb->SetItemIndex(2);
    form.Show();
    Application->ProcessMessages();
    cb->DropDown();
    Application->ProcessMessages();
    TspPopupListBox* list = cb->ListBox();
    if (!cb->IsPopupVisible() || !list->HasRecord()) {
        std::fprintf(stderr, "the drop-down list did not open with its skinned look\n");
        return 1;
    }

    const size_t bytes = static_cast<size_t>(list->Width()) * list->Height() * 4;
    std::vector<unsigned char> from(bytes, 0x5A), to(bytes);
    TspBitmap frame, rows;
    timer.Add("combo-list", [] {}, [&] {
        test::PaintControlImage(*list, frame);
        test::PaintControlImage(*list->ListBox(), rows);
    });
    timer.Add("memcpy", [] {}, [&] {
        std::memcpy(to.data(), from.data(), bytes);
        // Keeps the copy: the compiler must assume the bytes are read.
        asm volatile("" : : "r"(to.data()) : "memory");
    });
    timer.Run();
    timer.PrintRatio("combo-list/memcpy", "combo-list", "memcpy");
    cb->CloseUp(false);
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
