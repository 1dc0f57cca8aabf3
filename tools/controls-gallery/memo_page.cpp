#include "memo_page.h"

#include "controls/memo_win.h"
#include "controls/scroll_bar_win.h"
#include "framework/win/forms.h"

#include <algorithm>
#include <string>

namespace vt {

void AddMemoPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    constexpr int kLeft = 1000, kTop = 20, kWidth = 250;  // right of the list boxes
    form.SetClientWidth(std::max(form.ClientWidth(), kLeft + kWidth + 10));
    form.SetClientHeight(std::max(form.ClientHeight(), kTop + 400));

    auto memo = [&](const wchar_t* name, TRect r, const std::wstring& text) {
        auto* m = new TspSkinMemo(&form);
        m->SetName(name);
        m->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        m->SetParent(&form);
        m->SetWordWrap(false);
        m->SetText(text);
        m->SetSkinData(page.Skin);
        page.List(*m);
        const std::wstring n = name;
        const auto& print = page.Print;
        m->OnChange = [print, m, n](TObject*) {
            print(n + L" OnChange " + std::to_wstring(m->Lines().Count()) + L" lines");
        };
        return m;
    };
    std::wstring longText;
    for (int i = 1; i <= 12; ++i)
        longText += (i > 1 ? L"\r\n" : L"") + std::wstring(L"Line ") + std::to_wstring(i) +
                    (i == 3 ? L" is a line far wider than the memo, so it scrolls sideways" : L"");
    auto* scrolled = memo(L"memo", Bounds(kLeft, kTop, kWidth - 19, 120), longText);
    auto bar = [&](const wchar_t* name, TScrollBarKind kind, const wchar_t* record, TRect r) {
        auto* b = new TspSkinScrollBar(&form);
        b->SetName(name);
        b->SetKind(kind);
        b->SetSkinDataName(record);
        b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        b->SetParent(&form);
        b->SetSkinData(page.Skin);
        page.List(*b);
        return b;
    };
    scrolled->SetVScrollBar(bar(L"memoVBar", sbVertical, L"vscrollbar", Bounds(kLeft + kWidth - 19, kTop, 19, 120)));
    scrolled->SetHScrollBar(bar(L"memoHBar", sbHorizontal, L"hscrollbar", Bounds(kLeft, kTop + 120, kWidth - 19, 19)));

    memo(L"readOnlyMemo", Bounds(kLeft, kTop + 150, kWidth, 60), L"Read only: select and copy,\r\nno typing")
        ->SetReadOnly(true);
    memo(L"disabledMemo", Bounds(kLeft, kTop + 220, kWidth, 60), L"Disabled: grey text\r\ndrawn by the memo")
        ->SetEnabled(false);
    memo(L"transparentMemo", Bounds(kLeft, kTop + 290, kWidth, 60), L"Transparent: the form\r\nshows through")
        ->SetTransparent(true);
}

} // namespace vt
