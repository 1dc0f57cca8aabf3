// The gallery's buttons in their main states: normal, default, disabled, with a glyph, repeat,
// a down speed button of a group, a flat one and a menu speed button.
#include "button_page.h"

#include "controls/button_win.h"
#include "menus/skin_popup_menu_win.h"

#include <string>

namespace vt {

namespace {

// A two-image glyph strip (normal, disabled): a small diamond.
void MakeGlyph(TspBitmap& glyph)
{
    glyph.SetSize(32, 16);
    glyph.Clear(0xFFFF00FF);  // the corner colour counts as transparent
    for (int i = 0; i < 2; ++i)
        for (int y = 2; y < 14; ++y)
            for (int x = 2; x < 14; ++x)
                if (std::abs(x - 8) + std::abs(y - 8) < 6)
                    glyph.SetPixel(i * 16 + x, y, i == 0 ? 0xFF2060C0 : 0xFF909090);
}

} // namespace

void AddButtonPage(const TGalleryPage& page)
{
    TForm& form = page.Form;
    const int x0 = 380;
    form.SetClientWidth(std::max(form.ClientWidth(), x0 + 240));
    form.SetClientHeight(std::max(form.ClientHeight(), 240));
    auto place = [&](auto* b, const wchar_t* name, const wchar_t* caption, int x, int y, int w) {
        b->SetName(name);
        b->SetCaption(caption);
        b->SetBounds(x, y, w, 25);
        b->SetParent(&form);
        b->SetSkinData(page.Skin);
        b->OnClick = [print = page.Print, name](TObject*) { print(std::wstring(name) + L" OnClick"); };
        page.List(*b);
        return b;
    };
    auto button = [&](const wchar_t* name, const wchar_t* caption, int x, int y) {
        return place(new TspSkinButton(&form), name, caption, x, y, 100);
    };
    button(L"okButton", L"&OK", x0, 20)->SetDefault(true);
    button(L"cancelButton", L"Cancel", x0 + 110, 20)->SetCancel(true);
    button(L"disabledButton", L"Disabled", x0, 55)->SetEnabled(false);
    auto* glyph = button(L"glyphButton", L"Glyph", x0 + 110, 55);
    TspBitmap strip;
    MakeGlyph(strip);
    glyph->SetNumGlyphs(2);
    glyph->SetGlyph(strip);
    auto* repeat = button(L"repeatButton", L"Repeat", x0, 90);
    repeat->SetRepeatMode(true);

    auto speed = [&](auto* b, const wchar_t* name, const wchar_t* caption, int x, int y) {
        return place(b, name, caption, x, y, 60);
    };
    for (int i = 0; i < 2; ++i) {
        auto* s = speed(new TspSkinSpeedButton(&form), i == 0 ? L"speedDown" : L"speedUp",
                        i == 0 ? L"Down" : L"Up", x0 + i * 65, 130);
        s->SetGroupIndex(1);
        s->SetDown(i == 0);
    }
    speed(new TspSkinSpeedButton(&form), L"speedFlat", L"Flat", x0 + 130, 130)->SetFlat(true);

    auto* menu = new TspSkinPopupMenu(&form);
    for (const wchar_t* caption : {L"First", L"Second"}) {
        auto* item = new TMenuItem(menu);
        item->Caption = caption;
        menu->Items()->Add(item);
    }
    auto* menuButton = speed(new TspSkinMenuSpeedButton(&form), L"menuSpeed", L"Menu", x0, 165);
    menuButton->SetWidth(90);
    menuButton->SetTrackButtonMode(true);
    menuButton->SetSkinPopupMenu(menu);
}

} // namespace vt
