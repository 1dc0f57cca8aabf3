// The controls gallery. Usage: controls-gallery [--skin <package or skin.ini | menu-fixture>]
// [--skins <folder>]
// Prints each control as "<name> <class> <left>,<top>,<right>,<bottom>" (screen coordinates) once
// shown and after each skin change, and each event as "<name> <event> [value]". F2 loads the next
// package (*.skn) of the skins folder (by default the build's, beside this program's folder). F3
// opens a sample menu below the skinned button: M opens its "More" submenu and D the one inside.
// "menu-fixture" is the skin the menu tests make in code, with what the shipped skins lack.
#include "controls/graphic_skin_control_win.h"
#include "controls/skin_control_win.h"
#include "framework/win/forms.h"
#include "menus/form_menus_win.h"
#include "menus/skin_popup_menu_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "unit/menus/menu_fixture_skin.h"
#include "button_page.h"
#include "check_label_page.h"
#include "pages_page.h"
#include "scroll_bar_page.h"
#include "list_box_page.h"
#include "memo_page.h"
#include "edit_page.h"
#include "combo_page.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

namespace vt {
namespace {

void Print(const std::wstring& line)
{
    std::fputws((line + L"\n").c_str(), stdout);
    std::fflush(stdout);
}

class TGalleryForm : public TForm {
public:
    TGalleryForm(const std::wstring& skin, std::vector<std::wstring> packages)
        : TForm(nullptr), packages_(std::move(packages))
    {
        SetCaption(L"Controls gallery");
        SetClientWidth(360);
        SetClientHeight(220);
        SetColor(RGBColor(70, 90, 130));
        sd_ = new TspSkinData(this);
        sd_->SetName(L"skinData");

        auto* button = Add<TspSkinCustomControl>(L"skinButton", L"button", Rect(20, 20, 140, 45));
        button->SetDefaultWidth(120);
        button->SetDefaultHeight(25);
        Add<TspGraphicSkinCustomControl>(L"graphicButton", L"button", Rect(20, 60, 140, 85));
        auto* blended = Add<TspSkinCustomControl>(L"blendedPanel", L"panel", Rect(170, 20, 340, 120));
        blended->SetAlphaBlend(true);
        blended->SetAlphaBlendValue(160);
        Add<TspSkinCustomControl>(L"noRecord", L"nosuchrecord", Rect(20, 100, 140, 125));
        auto* parentImage = Add<TspSkinControl>(L"parentImage", L"nosuchrecord", Rect(20, 140, 140, 165));
        parentImage->SetDrawDefault(false);
        Add<TspSkinCustomControl>(L"innerButton", L"button", Rect(10, 10, 110, 35), blended);

        BuildMenu();
        const TGalleryPage page{*this, sd_, [this](TControl& c) { controls_.push_back(&c); }, Print};
        AddButtonPage(page);
        AddCheckLabelPage(page);
        AddPagesPage(page);
        AddScrollBarPage(page);
        AddListBoxPage(page);
        AddMemoPage(page);
        AddEditPage(page);
        AddComboPage(page);

        OnShortCut = [this](TWMKey& key, bool& handled) {
            if (key.Msg == WM_KEYDOWN && key.CharCode == VK_F2) {
                handled = true;
                LoadNext();
            } else if (key.Msg == WM_KEYDOWN && key.CharCode == VK_F3) {
                handled = true;
                TPoint p = controls_.front()->ClientToScreen({0, controls_.front()->Height()});
                menu_->Popup(p.X, p.Y);
            }
        };
        // The container's messages reach the form through its window: make it before a load.
        Handle();
        if (skin == L"menu-fixture") {
            test::BuildMenuFixtureSkin(*sd_);
            Print(L"gallery SkinChanged menu-fixture");
        } else if (!skin.empty()) {
            Load(skin);
        }
    }

    void PrintControls()
    {
        for (TControl* c : controls_) {
            TPoint tl = c->ClientToScreen({0, 0});
            Print(c->Name() + L" " + c->ClassName() + L" " + std::to_wstring(tl.X) + L"," + std::to_wstring(tl.Y) +
                  L"," + std::to_wstring(tl.X + c->Width()) + L"," + std::to_wstring(tl.Y + c->Height()));
        }
    }

protected:
    void WndProc(TMessage& msg) override
    {
        if (DispatchSkinChange(*this, msg.Msg, reinterpret_cast<TspSkinData*>(msg.WParam)))
            return;
        TForm::WndProc(msg);
    }

private:
    template <class T>
    T* Add(const wchar_t* name, const wchar_t* record, TRect r, TWinControl* parent = nullptr)
    {
        auto* c = new T(this);
        c->SetName(name);
        c->SetSkinDataName(record);
        c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        c->SetParent(parent ? parent : this);
        c->SetSkinData(sd_);
        c->OnClick = [name](TObject*) { Print(std::wstring(name) + L" OnClick"); };
        c->OnMouseEnter = [name](TObject*) { Print(std::wstring(name) + L" OnMouseEnter"); };
        c->OnMouseLeave = [name](TObject*) { Print(std::wstring(name) + L" OnMouseLeave"); };
        controls_.push_back(c);
        return c;
    }

    // Every kind of item: a header, a shortcut, check and radio marks, a separator, submenus
    // three levels deep, a disabled item and a window command with its glyph.
    void BuildMenu()
    {
        menus_ = new TspFormMenus(*this);
        menus_->SetSkinData(sd_);
        menus_->Attach();
        menus_->OnSkinMenuOpen = [](TObject*) { Print(L"menu Open"); };
        menus_->OnSkinMenuClose = [](TObject*) { Print(L"menu Close"); };
        menu_ = new TspSkinPopupMenu(this);
        auto add = [this](TMenuItem* parent, const wchar_t* caption) {
            auto* item = new TMenuItem(menu_);
            item->Caption = caption;
            item->OnClick = [caption](TObject*) { Print(L"menu " + StripHotkey(caption) + L" OnClick"); };
            parent->Add(item);
            return item;
        };
        TMenuItem* root = menu_->Items();
        add(root, L"-Header-")->Enabled = false;
        add(root, L"&Open...")->ShortCut = TextToShortCut(L"Ctrl+O");
        add(root, L"Checked")->Checked = true;
        TMenuItem* radio = add(root, L"Radio");
        radio->RadioItem = true;
        radio->Checked = true;
        add(root, L"-");
        TMenuItem* more = add(root, L"&More");
        TMenuItem* deeper = add(more, L"&Deeper");
        add(deeper, L"Inner one");
        add(deeper, L"Inner two")->Checked = true;
        add(more, L"Sibling");
        add(root, L"Disabled")->Enabled = false;
        TMenuItem* close = add(root, L"Close");
        close->SetName(L"DSF_CLOSE");
    }

    void Load(const std::wstring& file)
    {
        std::wstring ext = std::filesystem::path(file).extension().wstring();
        std::transform(ext.begin(), ext.end(), ext.begin(), ::towlower);
        try {
            if (ext == L".ini")
                sd_->LoadFromFile(file);
            else
                sd_->LoadFromCompressedFile(file);
        } catch (const std::exception&) {
            // A broken package leaves the default look; the gallery goes on.
            Print(L"gallery SkinError " + file);
            return;
        }
        Print(L"gallery SkinChanged " + (sd_->Empty ? std::wstring(L"(none)") : sd_->SkinName));
        if (HandleAllocated() && Visible())
            PrintControls();
    }

    void LoadNext()
    {
        if (packages_.empty())
            return;
        Load(packages_[next_ % packages_.size()]);
        ++next_;
    }

    TspSkinData* sd_ = nullptr;
    TspFormMenus* menus_ = nullptr;
    TspSkinPopupMenu* menu_ = nullptr;
    std::vector<TControl*> controls_;
    std::vector<std::wstring> packages_;
    size_t next_ = 0;
};

std::vector<std::wstring> Packages(const std::filesystem::path& folder)
{
    std::vector<std::wstring> out;
    std::error_code ec;
    for (const auto& e : std::filesystem::directory_iterator(folder, ec))
        if (e.path().extension() == L".skn")
            out.push_back(e.path().wstring());
    std::sort(out.begin(), out.end());
    return out;
}

} // namespace
} // namespace vt

int wmain(int argc, wchar_t** argv)
{
    using namespace vt;
    std::wstring skin;
    wchar_t exe[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, exe, MAX_PATH);
    std::filesystem::path skins = std::filesystem::path(exe).parent_path().parent_path().parent_path() / L"skins";
    for (int i = 1; i + 1 < argc; ++i) {
        std::wstring a = argv[i];
        if (a == L"--skin")
            skin = argv[++i];
        else if (a == L"--skins")
            skins = argv[++i];
    }
    Application->Initialize();
    InstallSkinFormRegistry();
    TGalleryForm form(skin, Packages(skins));
    Application->SetMainForm(&form);
    form.Show();
    form.PrintControls();
    Application->Run();
    return 0;
}
