// TForm1: the main window. Built from its resource description (main_form.vfd): one page
// container filling the window, three pages, a web view on each; the skinned form engine
// spDynamicSkinForm1 drawing the frame from the skin; the skin data container
// spSkinData1, which loads the stored default skin spCompressedStoredSkin1 while the description
// is read (registered by RegisterAppClasses, found by name); the caption menu's and the "Negocio"
// button's popup menus, whose link items send a web view to a fixed page; the caption's icons;
// the skin chooser and the hidden button whose handler runs it ("Select skin..." calls it too).
#pragma once

#include "app/app_classes.h"
#include "controls/button_win.h"
#include "controls/check_radio_win.h"
#include "controls/combo_box_win.h"
#include "controls/label_win.h"
#include "controls/memo_win.h"
#include "controls/page_control_win.h"
#include "dialogs/skin_chooser_win.h"
#include "form/dynamic_skin_form_win.h"
#include "framework/win/forms.h"
#include "framework/win/webbrowser.h"
#include "menus/skin_popup_menu_win.h"
#include "raster/png_list.h"
#include "skin/skin_data.h"

namespace vt {

class TForm1 : public TForm {
    VT_CLASS_NAME(TForm1)
public:
    explicit TForm1(TComponent* owner);

    TspSkinPageControl* spSkinPageControl1 = nullptr;
    TspSkinTabSheet* spSkinTabSheet1 = nullptr;
    TspSkinTabSheet* spSkinTabSheet2 = nullptr;
    TspSkinTabSheet* spSkinTabSheet3 = nullptr;
    TWebBrowser* WebBrowser1 = nullptr;
    TWebBrowser* WebBrowser2 = nullptr;
    TWebBrowser* WebBrowser3 = nullptr;
    TspDynamicSkinForm* spDynamicSkinForm1 = nullptr;
    TspSkinPopupMenu* spSkinPopupMenu1 = nullptr;
    TMenuItem* N121 = nullptr;
    TMenuItem* New = nullptr;
    TMenuItem* N1231 = nullptr;
    TMenuItem* N111 = nullptr;
    TMenuItem* N231 = nullptr;
    TMenuItem* N11 = nullptr;
    TMenuItem* S1 = nullptr;
    TMenuItem* N312 = nullptr;
    TMenuItem* A1 = nullptr;
    TMenuItem* G1 = nullptr;
    TMenuItem* N1 = nullptr;
    TMenuItem* Close1 = nullptr;
    TspPngImageList* spPngImageList1 = nullptr;
    TspSkinPopupMenu* spSkinPopupMenu2 = nullptr;
    TMenuItem* Item11 = nullptr;
    TMenuItem* Item31 = nullptr;
    TMenuItem* Item21 = nullptr;
    TMenuItem* S2 = nullptr;
    TspSkinButton* spSkinButton1 = nullptr;
    TspSkinCheckRadioBox* spSkinCheckRadioBox1 = nullptr;
    TspSkinMemo* spSkinMemo1 = nullptr;
    TspSkinComboBox* spSkinComboBox1 = nullptr;
    TspSkinLabel* TabPosition = nullptr;
    TspSkinLabel* spSkinLabel1 = nullptr;
    TspSkinLabel* spSkinLabel2 = nullptr;
    TspSkinData* spSkinData1 = nullptr;
    TspSelectSkinsFromFoldersDialog* spSelectSkinsFromFoldersDialog1 = nullptr;

    // The start pages of the three web views, in navigation order.
    static constexpr const wchar_t* kStartPage = L"https://www.vantrel.example/frestol.html";
    static constexpr const wchar_t* kLinkPage = L"https://links.vantrel.example/vantrel";
    static constexpr const wchar_t* kPremiumPage = L"https://links.vantrel.example/vantrelpremium";
    // The least time between two start-up navigations.
    static constexpr int kNavigationGapMs = 100;

    void FormCreate(TObject* Sender);
    // Closing the main window ends the application.
    void Close1Click(TObject* Sender);
    // The caption tabs and the pages follow each other.
    void spDynamicSkinForm1CaptionTabChange(TObject* Sender);
    void spSkinPageControl1Change(TObject* Sender);
    // Skin selection: the chooser lists the packages beside the program; a confirmed choice is
    // loaded into spSkinData1, and every skinned window repaints. A package that cannot be loaded
    // raises an error naming it, and the skin in use stays.
    void spSkinButton1Click(TObject* Sender);
    void NewClick(TObject* Sender) { spSkinButton1Click(Sender); }
    void S2Click(TObject* Sender) { spSkinButton1Click(Sender); }
    // The icon switch: the hidden check box (it starts checked) puts the system menu's icon into
    // the caption or takes it out, keeping the other border icons; "Show Icon" does the same.
    void spSkinCheckRadioBox1Click(TObject* Sender);
    void spSkinComboBox1Change(TObject* Sender);
    void S1Click(TObject* Sender) { spSkinCheckRadioBox1Click(Sender); }
};

} // namespace vt
