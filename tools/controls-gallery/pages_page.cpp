#include "pages_page.h"

#include "controls/page_control_win.h"
#include "controls/up_down_win.h"
#include "framework/win/forms.h"
#include "skin/skin_data.h"
#include "unit/controls/fixture_skin.h"

#include <algorithm>

namespace vt {

void AddPagesPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    const auto& print = page.Print;
    constexpr int kTop = 320;
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 300));

    auto* upDown = new TspSkinUpDown(&form);
    upDown->SetName(L"upDown");
    upDown->SetBounds(20, kTop, 40, 22);
    upDown->SetMin(0);
    upDown->SetMax(10);
    upDown->SetParent(&form);
    upDown->SetSkinData(page.Skin);
    page.List(*upDown);
    upDown->OnChange = [print, upDown](TObject*) {
        print(L"upDown OnChange " + std::to_wstring(upDown->Position()));
    };

    auto pages = [&](const wchar_t* name, int left, int top, int width, int count, bool close, TspSkinData* skin,
                     const wchar_t* record) {
        auto* pc = new TspSkinPageControl(&form);
        pc->SetName(name);
        pc->SetBounds(left, top, width, 140);
        pc->SetParent(&form);
        if (record)
            pc->SetSkinDataName(record);
        pc->SetSkinData(skin);
        pc->SetShowCloseButtons(close);
        page.List(*pc);
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
    pages(L"overflowPages", 80, kTop, 260, 8, false, page.Skin, nullptr);
    pages(L"closingPages", 360, kTop, 320, 3, true, page.Skin, nullptr);
    // The controls' fixture skin, whatever the gallery's skin: a current tab taller than the
    // others, pictured close buttons and its own scroller once the tabs overflow.
    auto* fixture = new TspSkinData(&form);
    test::BuildFixtureSkin(*fixture);
    pages(L"fixturePages", 80, kTop + 150, 360, 7, true, fixture, test::FixtureSkin::kTab);
}

} // namespace vt
