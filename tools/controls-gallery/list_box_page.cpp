#include "list_box_page.h"

#include "controls/list_box_win.h"
#include "framework/win/forms.h"

#include <algorithm>
#include <string>

namespace vt {

void AddListBoxPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    constexpr int kLeft = 20, kTop = 630, kStep = 185, kSize = 170;  // below the page controls
    form.SetClientWidth(std::max(form.ClientWidth(), kLeft + 5 * kStep));
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + kSize + 10));

    int column = 0;
    auto list = [&](const wchar_t* name, int count, const std::wstring& prefix) {
        auto* lb = new TspSkinListBox(&form);
        lb->SetName(name);
        lb->SetBounds(kLeft + column++ * kStep, kTop, kSize, kSize);
        lb->SetParent(&form);
        lb->SetSkinData(page.Skin);
        TStringList items;
        for (int i = 0; i < count; ++i)
            items.Add(prefix + std::to_wstring(i + 1));
        lb->SetItems(items);
        page.List(*lb);
        const std::wstring n = name;
        const auto& print = page.Print;
        lb->OnListBoxClick = [print, lb, n](TObject*) {
            print(n + L" OnListBoxClick " + std::to_wstring(lb->ItemIndex()));
        };
        lb->OnListBoxDblClick = [print, lb, n](TObject*) {
            print(n + L" OnListBoxDblClick " + std::to_wstring(lb->ItemIndex()));
        };
        return lb;
    };
    list(L"listBox", 30, L"Item ")->SetItemIndex(0);
    auto* extent = list(L"extentList", 30, L"Line ");
    extent->Items().Insert(2, L"A line far longer than the list is wide, so that it scrolls sideways");
    extent->SetHorizontalExtent(true);
    list(L"rowsList", 30, L"Row ")->SetRowCount(5);
    list(L"columnsList", 30, L"Cell ")->SetColumns(2);
    auto* captioned = list(L"captionList", 12, L"Skin ");
    captioned->SetCaption(L"Captioned list");
    captioned->SetCaptionMode(true);
    captioned->SetItemIndex(3);
}

} // namespace vt
