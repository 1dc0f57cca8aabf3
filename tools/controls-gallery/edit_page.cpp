#include "edit_page.h"

#include "controls/edit_win.h"
#include "controls/skin_control_win.h"
#include "framework/win/forms.h"

#include <algorithm>
#include <cwchar>
#include <string>

namespace vt {

void AddEditPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    constexpr int kTop = 815, kHeight = 21;  // below the list boxes
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 45));
    const auto& print = page.Print;
    auto place = [&](TspCustomEdit* e, const wchar_t* name, TWinControl* parent, TRect r, const wchar_t* text) {
        e->SetName(name);
        e->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        e->SetParent(parent);
        e->SetText(text);
        const std::wstring n = name;
        e->OnChange = [print, e, n](TObject*) { print(n + L" OnChange " + e->Text()); };
        page.List(*e);
    };

    place(new TspCustomEdit(&form), L"editPlain", &form, Rect(20, kTop, 190, kTop + kHeight),
          L"A plain skinned edit");

    auto* panel = new TspSkinCustomControl(&form);
    panel->SetName(L"editPanel");
    panel->SetSkinDataName(L"panel");
    panel->SetBounds(210, kTop - 12, 230, 45);
    panel->SetParent(&form);
    panel->SetSkinData(page.Skin);
    auto* transparent = new TspCustomEdit(&form);
    transparent->SetEditTransparent(true);
    place(transparent, L"editTransparent", panel, Rect(10, 12, 220, 12 + kHeight), L"Over the panel's image");

    auto* num = new TspSkinNumEdit(&form);
    num->SetFloat(true);
    place(num, L"numEdit", &form, Rect(460, kTop, 560, kTop + kHeight), L"42");
    auto step = [num](int by) {
        const int value = std::wcstol(num->Text().c_str(), nullptr, 10);
        num->SetText(std::to_wstring(value + by));
    };
    num->OnUpClick = [step, print](TObject*) { print(L"numEdit OnUpClick"); step(1); };
    num->OnDownClick = [step, print](TObject*) { print(L"numEdit OnDownClick"); step(-1); };
}

} // namespace vt
