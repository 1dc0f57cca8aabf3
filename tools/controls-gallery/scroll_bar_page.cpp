#include "scroll_bar_page.h"

#include "controls/scroll_bar_win.h"
#include "framework/win/forms.h"

#include <algorithm>
#include <string>

namespace vt {

void AddScrollBarPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    constexpr int kLeft = 720, kTop = 340;  // right of the page controls
    form.SetClientWidth(std::max(form.ClientWidth(), kLeft + 260));
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 260));

    auto bar = [&](const wchar_t* name, TScrollBarKind kind, const wchar_t* record, TRect r, int pageSize) {
        auto* b = new TspSkinScrollBar(&form);
        b->SetName(name);
        b->SetKind(kind);
        b->SetSkinDataName(record);
        b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        b->SetParent(&form);
        b->SetRange(0, 99, pageSize, 0);
        b->SetLargeChange(10);
        b->SetSkinData(page.Skin);
        page.List(*b);
        const std::wstring n = name;
        const auto& print = page.Print;
        b->OnChange = [print, b, n](TObject*) { print(n + L" OnChange " + std::to_wstring(b->Position())); };
        b->OnLastChange = [print, b, n](TObject*) {
            print(n + L" OnLastChange " + std::to_wstring(b->Position()));
        };
        return b;
    };
    bar(L"hScrollBar", sbHorizontal, L"hscrollbar", Bounds(kLeft, kTop, 240, 19), 0);
    bar(L"vScrollBar", sbVertical, L"vscrollbar", Bounds(kLeft, kTop + 30, 19, 220), 20);
    auto* plain = bar(L"plainScrollBar", sbHorizontal, L"nosuchrecord",
        Bounds(kLeft + 40, kTop + 30, 200, 19), 10);
    plain->SetCanFocused(true);
}

} // namespace vt
