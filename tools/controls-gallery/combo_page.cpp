#include "combo_page.h"

#include "controls/combo_box_win.h"
#include "framework/win/forms.h"

#include <algorithm>
#include <string>

namespace vt {

namespace {

TspSkinComboBox* gOpenOnShow = nullptr;

void CALLBACK OpenOnShow(HWND, UINT, UINT_PTR id, DWORD)
{
    KillTimer(nullptr, id);
    // As a user opens it: focused first, so that a press elsewhere closes it again.
    if (gOpenOnShow && gOpenOnShow->HandleAllocated() && IsWindowVisible(gOpenOnShow->Handle())) {
        gOpenOnShow->SetFocus();
        gOpenOnShow->DropDown();
    }
}

} // namespace

void AddComboPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    constexpr int kLeft = 20, kTop = 870, kStep = 185, kWidth = 170;  // below the edits
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 110));
    const auto& print = page.Print;
    int column = 0;
    auto combo = [&](const wchar_t* name) {
        auto* cb = new TspSkinComboBox(&form);
        cb->SetName(name);
        cb->SetBounds(kLeft + column++ * kStep, kTop, kWidth, 20);
        cb->SetParent(&form);
        cb->SetSkinData(page.Skin);
        TStringList items;
        for (const wchar_t* s : {L"Left", L"Center", L"Right"})
            items.Add(s);
        cb->SetItems(items);
        cb->SetItemIndex(0);
        const std::wstring n = name;
        cb->OnChange = [print, cb, n](TObject*) { print(n + L" OnChange " + std::to_wstring(cb->ItemIndex())); };
        cb->OnClick = [print, n](TObject*) { print(n + L" OnClick"); };
        cb->OnDropDown = [print, n](TObject*) { print(n + L" OnDropDown"); };
        cb->OnCloseUp = [print, n](TObject*) { print(n + L" OnCloseUp"); };
        page.List(*cb);
        return cb;
    };
    combo(L"comboFixed");
    combo(L"comboTool")->SetToolButtonStyle(true);
    auto* edit = combo(L"comboEdit");
    edit->SetStyle(spcbEditStyle);
    auto* open = combo(L"comboOpen");
    open->SetItemIndex(1);
    gOpenOnShow = open;
    SetTimer(nullptr, 0, 700, OpenOnShow);
}

} // namespace vt
