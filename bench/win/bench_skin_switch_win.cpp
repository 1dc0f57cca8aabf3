// The whole skin switch against loading the package alone. The switch loads a shipped package,
// as the user's choice is loaded, into the container of a shown form with the frame engine, a
// page control of 3 pages, a button, a list box and a scroll bar bound to it; that holds the
// broadcast, every control taking the new skin and the repaint of the whole window (frame and
// children). The baseline loads the same package into a lone container that tells no window.
// Both alternate between two packages so that each load really changes the skin. Prints
// "ratio skin-switch/load <x.xx>" (and "...-wall" on wall time).
#include "bench_windows_win.h"
#include "controls/button_win.h"
#include "controls/list_box_win.h"
#include "controls/page_control_win.h"
#include "controls/scroll_bar_win.h"
#include "ratio_timer_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "skin/skin_selection.h"

#include <cstdio>
#include <filesystem>
#include <string>

namespace {

using namespace vt;

// Where the baseline container's broadcasts go: nowhere.
class TNoForms final : public ISkinFormRegistry {
public:
    std::vector<TSkinFormEntry> SkinForms() override { return {}; }
    ISkinMessageSink* FormSink(TComponent*) override { return nullptr; }
};

// A package of the build, by its Linux path reached through drive Z:.
std::wstring Package(const char* name)
{
    std::wstring w = L"Z:" + (std::filesystem::path(VANTREL_SKIN_PACKAGE_DIR) / name).wstring();
    for (auto& c : w)
        if (c == L'/')
            c = L'\\';
    return w;
}

int Run(int argc, char** argv)
{
    bench::TRatioTimer timer(argc, argv);
    const std::wstring packages[2] = {Package("zozaziz.skn"), Package("carbonel.skn")};
    for (const std::wstring& p : packages)
        if (!std::filesystem::exists(p)) {
            std::fprintf(stderr, "no package %ls\n", p.c_str());
            return 1;
        }

    Application->Initialize();
    InstallSkinFormRegistry();  // the container's broadcast reaches the form's engine
    TForm form(nullptr);
    form.SetCaption(L"Vantrel frame");
    form.SetBounds(40, 40, 560, 420);
    auto* engine = new TspDynamicSkinForm(&form);
    auto* sd = new TspSkinData(&form);
    LoadSelectedSkin(*sd, packages[0]);
    engine->SetSkinData(sd);

    auto* pages = new TspSkinPageControl(&form);
    pages->SetBounds(10, 10, 300, 200);
    pages->SetParent(&form);
    pages->SetSkinData(sd);
    for (int i = 0; i < 3; ++i) {
        auto* sheet = new TspSkinTabSheet(&form);
        sheet->SetText(L"Page " + std::to_wstring(i + 1));
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(0);
    auto* button = new TspSkinButton(&form);
    button->SetCaption(L"OK");
    button->SetBounds(10, 220, 100, 25);
    button->SetParent(&form);
    button->SetSkinData(sd);
    auto* list = new TspSkinListBox(&form);
    list->SetBounds(320, 10, 170, 170);
    list->SetParent(&form);
    list->SetSkinData(sd);
    TStringList items;
    for (int i = 0; i < 30; ++i)
        items.Add(L"Item " + std::to_wstring(i + 1));
    list->SetItems(items);
    auto* bar = new TspSkinScrollBar(&form);
    bar->SetKind(sbHorizontal);
    bar->SetSkinDataName(L"hscrollbar");
    bar->SetBounds(10, 260, 300, 19);
    bar->SetParent(&form);
    bar->SetRange(0, 99, 10, 0);
    bar->SetSkinData(sd);
    form.Show();
    SetForegroundWindow(form.Handle());
    test::Pump(100);

    int next = 1;
    timer.Add("skin-switch", [] {}, [&] {
        LoadSelectedSkin(*sd, packages[next]);
        next ^= 1;
        RedrawWindow(form.Handle(), nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    });
    TNoForms noForms;
    TspSkinData lone(nullptr);
    lone.SetFormRegistry(&noForms);
    int nextLone = 0;
    timer.Add("load", [] {}, [&] {
        lone.LoadFromCompressedFile(packages[nextLone]);
        nextLone ^= 1;
    });
    timer.Run();
    if (sd->Empty || lone.Empty || !list->HasRecord() || !bar->HasRecord()) {
        std::fprintf(stderr, "a load left a container empty or a control without its record\n");
        return 1;
    }
    timer.PrintRatio("skin-switch/load", "skin-switch", "load");
    return 0;
}

} // namespace

int main(int argc, char** argv) { return bench::RunMain(Run, argc, argv); }
