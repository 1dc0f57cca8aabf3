#include "check_label_page.h"

#include "controls/check_radio_win.h"
#include "controls/label_win.h"
#include "framework/win/forms.h"

#include <algorithm>

namespace vt {

void AddCheckLabelPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    constexpr int kLeft = 630, kLabels = 800, kRow = 27;  // right of the buttons
    form.SetClientWidth(std::max(form.ClientWidth(), 980));
    form.SetClientHeight(std::max(form.ClientHeight(), 300));

    auto place = [&](TspSkinCustomControl* c, const wchar_t* name, const wchar_t* caption, int x, int row, int w) {
        c->SetName(name);
        c->SetCaption(caption);
        c->SetBounds(x, 10 + row * kRow, w, 25);
        c->SetParent(&form);
        c->SetSkinData(page.Skin);
        c->OnClick = [print = page.Print, name](TObject*) { print(std::wstring(name) + L" OnClick"); };
        page.List(*c);
    };
    auto box = [&](const wchar_t* name, const wchar_t* caption, int row, bool radio = false) {
        auto* c = new TspSkinCheckRadioBox(&form);
        if (radio) {
            c->SetRadio(true);
            c->SetSkinDataName(L"radiobox");
            c->SetGroupIndex(1);
        }
        place(c, name, caption, kLeft, row, 150);
        return c;
    };
    box(L"checkUnchecked", L"&Unchecked", 0);
    box(L"checkChecked", L"C&hecked", 1)->SetChecked(true);
    auto* grayed = box(L"checkGrayed", L"&Grayed", 2);
    grayed->SetAllowGrayed(true);
    grayed->SetState(cbGrayed);
    auto* disabled = box(L"checkDisabled", L"Disabled", 3);
    disabled->SetChecked(true);
    disabled->SetEnabled(false);
    box(L"radioOne", L"Radio &one", 4, true)->SetChecked(true);
    box(L"radioTwo", L"Radio &two", 5, true);
    auto* framed = box(L"checkFramed", L"&Framed", 6);
    framed->SetFlat(false);
    framed->SetChecked(true);
    box(L"radioFramed", L"Framed radio", 7, true)->SetFlat(false);

    auto label = [&](const wchar_t* name, const wchar_t* caption, int row, int w = 160) {
        auto* l = new TspSkinLabel(&form);
        place(l, name, caption, kLabels, row, w);
        return l;
    };
    label(L"labelSkin", L"Skin label", 0);
    label(L"labelTransparent", L"Transparent label", 1)->SetTransparent(true);
    auto* plain = label(L"labelDefault", L"Default look", 2);
    plain->SetSkinDataName(L"nosuchrecord");
    plain->SetBorderStyle(bvRaised);
    auto* shadow = label(L"labelShadow", L"Shadow label", 3);
    shadow->SetTransparent(true);
    shadow->SetShadowEffect(true);
    auto* reflection = label(L"labelReflection", L"Reflection", 4);
    reflection->SetTransparent(true);
    reflection->SetReflectionEffect(true);
    auto* ellipsis = label(L"labelEllipsis", L"A caption far too long to fit in the label", 5, 120);
    ellipsis->SetEllipsType(spetEllips);
    auto* right = label(L"labelRight", L"Right aligned", 6);
    right->SetAlignment(taRightJustify);
    auto* autoSize = label(L"labelAutoSize", L"AutoSize follows this caption", 7, 60);
    autoSize->SetAutoSize(true);
}

} // namespace vt
