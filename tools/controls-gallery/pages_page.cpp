#include "pages_page.h"

#include "controls/page_control_win.h"
#include "controls/up_down_win.h"

#include <algorithm>

namespace vt {

void AddPagesPage(TForm& form, TspSkinData* sd, const std::function<void(const std::wstring&)>& print)
{
    constexpr int kTop = 320;
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 150));

    auto* upDown = new TspSkinUpDown(&form);
    upDown->SetName(L"upDown");
    upDown->SetBounds(20, kTop, 40, 22);
    upDown->SetMin(0);
    upDown->SetMax(10);
    upDown->SetParent(&form);
    upDown->SetSkinData(sd);
    upDown->OnChange = [print, upDown](TObject*) {
        print(L"upDown OnChange " + std::to_wstring(upDown->Position()));
    };

    auto pages = [&](const wchar_t* name, int left, int width, int count, bool close) {
        auto* pc = new TspSkinPageControl(&form);
        pc->SetName(name);
        pc->SetBounds(left, kTop, width, 140);
        pc->SetParent(&form);
        pc->SetSkinData(sd);
        pc->SetShowCloseButtons(close);
        for (int i = 0; i < count; ++i) {
            auto* sheet = new TspSkinTabSheet(&form);
            sheet->SetText(L"Page " + std::to_wstring(i + 1));
            sheet->SetPageControl(pc);
        }
        pc->SetActivePageIndex(0);
        const std::wstring n = name;
        pc->OnChange = [print, pc, n](TObject*) { print(n + L" OnChange " + std::to_wstring(pc->ActivePageIndex())); };
        pc->OnAfterClose = [print, n](TObject*) { print(n + L" OnAfterClose"); };
    };
    pages(L"overflowPages", 80, 260, 8, false);
    pages(L"closingPages", 360, 320, 3, true);
}

} // namespace vt
