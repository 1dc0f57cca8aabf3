#include "pages_page.h"

#include "controls/page_control_win.h"
#include "controls/up_down_win.h"
#include "framework/win/forms.h"

#include <algorithm>

namespace vt {

void AddPagesPage(TForm& form, TspSkinData* sd, const std::function<void(const std::wstring&)>& print)
{
    constexpr int kTop = 310;  // below the buttons, boxes and labels
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 190));

    auto* upDown = new TspSkinUpDown(&form);
    upDown->SetName(L"upDown");
    upDown->SetBounds(20, kTop, 40, 20);
    upDown->SetMax(10);
    upDown->SetParent(&form);
    upDown->SetSkinData(sd);
    upDown->OnChange = [print, upDown](TObject*) { print(L"upDown OnChange " + std::to_wstring(upDown->Position())); };

    // More tabs than fit, with close buttons: the skinned scroller shows at the row's end.
    auto* pages = new TspSkinPageControl(&form);
    pages->SetName(L"pageControl");
    pages->SetBounds(80, kTop, 420, 170);
    pages->SetShowCloseButtons(true);
    pages->SetParent(&form);
    for (int i = 0; i < 8; ++i) {
        auto* sheet = new TspSkinTabSheet(&form);
        sheet->SetText(L"Page " + std::to_wstring(i + 1));
        sheet->SetPageControl(pages);
    }
    pages->SetActivePageIndex(0);
    pages->SetSkinData(sd);
    pages->OnChange = [print, pages](TObject*) {
        print(L"pageControl OnChange " + std::to_wstring(pages->ActivePageIndex()));
    };
    pages->OnClose = [print](TObject* page, bool&) {
        print(L"pageControl OnClose " + static_cast<TTabSheet*>(page)->Text());
    };

    // The same pages with the tabs on the left and no close buttons.
    auto* left = new TspSkinPageControl(&form);
    left->SetName(L"pageControlLeft");
    left->SetBounds(520, kTop, 260, 170);
    left->SetTabPosition(tpLeft);
    left->SetParent(&form);
    for (const wchar_t* caption : {L"One", L"Two", L"Three"}) {
        auto* sheet = new TspSkinTabSheet(&form);
        sheet->SetText(caption);
        sheet->SetPageControl(left);
    }
    left->SetActivePageIndex(1);
    left->SetSkinData(sd);
}

} // namespace vt
