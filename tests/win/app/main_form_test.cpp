#include "app/main_form.h"
#include "default_skin_check.h"
#include "framework/win/timer.h"
#include "menus/skin_menu.h"
#include "raster/png_image.h"
#include "skin/skin_data.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

namespace vt {
namespace {

// One main window for the whole program, built from the description compiled into this test.
class MainForm : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application->Initialize();
        form = new TForm1(Application);
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }
    static inline TForm1* form = nullptr;
};

// Tests the window's properties from its description, before it is first shown.
TEST_F(MainForm, PropertiesFromTheDescription)
{
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->Caption(), L"Dynamic Vantrel Skin Form");
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(form->BorderIcons(), 0);
    EXPECT_EQ(form->Color(), clBtnFace);
    EXPECT_EQ(form->Font().Name(), L"MS Sans Serif");
    EXPECT_EQ(form->Font().Height(), -11);
    EXPECT_EQ(form->Font().Color(), clWindowText);
    EXPECT_FALSE(form->Scaled());
    // The engine maximized the window while loading and keeps the designed bounds for the first
    // restore: the client 789 x 348 inside the skinned frame.
    TspDynamicSkinForm* engine = form->spDynamicSkinForm1;
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->SkinData()->Name(), L"spSkinData1");
    EXPECT_EQ(engine->States.OldBoundsRect, Bounds(303, 197, 793, 379));
    EXPECT_EQ(engine->FrameClientRect(793, 379), Rect(0, 0, 789, 348));
    EXPECT_TRUE(engine->States.FStartShow);
    EXPECT_EQ(engine->PositionInMonitor, sppDesktopCenter);
    EXPECT_EQ(engine->MinClientWidth, 650);
    EXPECT_FALSE(engine->BorderIcons.SystemMenu);
    EXPECT_TRUE(engine->BorderIcons.Minimize && engine->BorderIcons.Maximize && engine->BorderIcons.RollUp);
    EXPECT_TRUE(engine->ShowIcon);
    EXPECT_FALSE(engine->DraggAble);
    EXPECT_TRUE(engine->NCDraggAble);
    EXPECT_EQ(engine->DefCaptionFont, (TspCaptionFont{L"Arial", 14, fsBold, clBtnText}));
    EXPECT_EQ(engine->DefInActiveCaptionFont, (TspCaptionFont{L"Arial", 14, fsBold, clBtnShadow}));
    EXPECT_EQ(engine->SkinMenu()->DefaultMenuItemHeight, 20);
    EXPECT_EQ(engine->SkinMenu()->DefaultMenuItemFont.Name, L"Arial");

    TspSkinPageControl* pc = form->spSkinPageControl1;
    ASSERT_NE(pc, nullptr);
    EXPECT_EQ(pc->Parent(), form);
    EXPECT_EQ(pc->Align(), alClient);
    ASSERT_EQ(pc->PageCount(), 3);
    TspSkinTabSheet* sheets[] = {form->spSkinTabSheet1, form->spSkinTabSheet2,
                                 form->spSkinTabSheet3};
    TWebBrowser* webs[] = {form->WebBrowser1, form->WebBrowser2, form->WebBrowser3};
    const int tabOrders[] = {5, 1, 1};
    for (int i = 0; i < 3; ++i) {
        ASSERT_NE(sheets[i], nullptr);
        ASSERT_NE(webs[i], nullptr);
        EXPECT_EQ(pc->Pages(i), sheets[i]);
        EXPECT_EQ(sheets[i]->Caption(), L"spSkinTabSheet" + std::to_wstring(i + 1));
        EXPECT_EQ(webs[i]->Parent(), sheets[i]);
        EXPECT_EQ(webs[i]->Owner(), form);
        EXPECT_EQ(webs[i]->Align(), alClient);
        EXPECT_EQ(webs[i]->TabOrder(), tabOrders[i]);
        EXPECT_EQ(webs[i]->SelectedEngine(), TWebBrowserEngine::EdgeIfAvailable);
        EXPECT_EQ(webs[i]->ControlData().size(), 156u);
        // The page control's own font, inherited through the sheet.
        EXPECT_EQ(webs[i]->Font().Name(), L"Tahoma");
    }
}

// Tests the start-up navigations: one per web view, to its start page, started by the web views
// themselves in the order 1, 2, 3, each at least 100 ms after the previous one.
TEST_F(MainForm, StartupNavigationsStartInOrderAtLeast100msApart)
{
    TWebBrowser* webs[] = {form->WebBrowser1, form->WebBrowser2, form->WebBrowser3};
    const wchar_t* urls[] = {L"https://www.vantrel.example/frestol.html",
                             L"https://links.vantrel.example/vantrel",
                             L"https://links.vantrel.example/vantrelpremium"};
    for (int i = 0; i < 3; ++i) {
        ASSERT_EQ(webs[i]->Navigations().size(), 1u) << i;
        EXPECT_EQ(webs[i]->Navigations()[0].URL, urls[i]);
        ASSERT_EQ(webs[i]->StartedNavigations().size(), 1u) << i;
        EXPECT_EQ(webs[i]->StartedNavigations()[0].URL, urls[i]);
    }
    for (int i = 1; i < 3; ++i) {
        auto gap = webs[i]->StartedNavigations()[0].At - webs[i - 1]->StartedNavigations()[0].At;
        EXPECT_GE(gap, std::chrono::milliseconds(100)) << "between " << i << " and " << i + 1;
    }
}

// Tests the skin the window holds once created (checked in default_skin_check.cpp, which sees
// the skin classes).
TEST_F(MainForm, HoldsTheStoredDefaultSkin)
{
    ASSERT_NE(form, nullptr);
    ExpectStoredDefaultSkin(*form);
}

// Tests the window once shown: maximized by the engine (the platform's state stays normal) to the
// work area, no platform caption buttons, the skin's size limits, the first page current, and
// neither tabs nor border on the page container; the first restore centres the designed size.
TEST_F(MainForm, ShownMaximizedOnTheFirstPageWithoutTabsOrBorder)
{
    form->Show();
    Application->ProcessMessages();
    HWND wnd = form->Handle();
    TspDynamicSkinForm* engine = form->spDynamicSkinForm1;
    EXPECT_FALSE(IsZoomed(wnd));
    EXPECT_EQ(form->WindowState(), wsMaximized);
    EXPECT_EQ(GetWindowLongW(wnd, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT wr;
    GetWindowRect(wnd, &wr);
    engine->UpdateFacts();
    EXPECT_EQ(FromRECT(wr), engine->Geometry.GetMaximizedRect());
    MINMAXINFO info{};
    SendMessageW(wnd, WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMinTrackSize.x, 654);
    EXPECT_EQ(info.ptMinTrackSize.y, 31);

    // The first restore centres the designed size in the work area.
    engine->RunCommand(TspFormCommand::Maximize);
    GetWindowRect(wnd, &wr);
    const TRect work = engine->Geometry.Form.Monitor.WorkArea;
    EXPECT_EQ(FromRECT(wr), Bounds(work.Left + work.Width() / 2 - 793 / 2, work.Top + work.Height() / 2 - 379 / 2,
                                   793, 379));
    RECT client;
    GetClientRect(wnd, &client);
    EXPECT_EQ(client.right, 789);
    EXPECT_EQ(client.bottom, 348);
    engine->RunCommand(TspFormCommand::Maximize);
    EXPECT_EQ(form->WindowState(), wsMaximized);

    TspSkinPageControl* pc = form->spSkinPageControl1;
    EXPECT_EQ(pc->ActivePageIndex(), 0);
    EXPECT_EQ(pc->ActivePage(), form->spSkinTabSheet1);
    EXPECT_FALSE(pc->TabsShown());
    EXPECT_FALSE(pc->BorderShown());
    EXPECT_TRUE(pc->HasRecord()) << "the default skin's \"tab\" record";
    // The native tabs stay; only the painting and the page area leave them out.
    EXPECT_EQ(TabCtrl_GetItemCount(pc->Handle()), 3);
    EXPECT_EQ(pc->TabScroller(), nullptr);
    GetClientRect(form->Handle(), &client);
    EXPECT_EQ(pc->BoundsRect(), FromRECT(client));
    GetClientRect(pc->Handle(), &client);
    EXPECT_EQ(form->spSkinTabSheet1->BoundsRect(), FromRECT(client));
    EXPECT_TRUE(IsWindowVisible(form->WebBrowser1->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->spSkinTabSheet2->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->spSkinTabSheet3->Handle()));
    // The hidden pages' web views exist and are laid out, loading in the background.
    EXPECT_TRUE(form->WebBrowser3->HandleAllocated());
    EXPECT_EQ(form->WebBrowser3->BoundsRect(), FromRECT(client));
}

// Tests that selecting page index 2 by code shows the third web view with the premium page and
// raises no change event; navigation did not change the page either.
TEST_F(MainForm, SelectingAPageByCodeShowsItSilently)
{
    form->Show();
    TspSkinPageControl* pc = form->spSkinPageControl1;
    int changes = 0;
    const TNotifyEvent previous = pc->OnChange;
    pc->OnChange = [&](TObject*) { ++changes; };
    pc->SetActivePageIndex(2);
    Application->ProcessMessages();
    EXPECT_EQ(pc->ActivePage(), form->spSkinTabSheet3);
    EXPECT_TRUE(IsWindowVisible(form->WebBrowser3->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->WebBrowser1->Handle()));
    EXPECT_EQ(form->WebBrowser3->LastURL(), L"https://links.vantrel.example/vantrelpremium");
    pc->SetActivePageIndex(0);
    EXPECT_EQ(changes, 0);
    pc->OnChange = previous;
}

// Tests the image list of the caption's icons: ten 16 x 16 pictures named as designed, each the
// icon file of its index decoded with its alpha (clear, opaque and part-covered pixels).
TEST_F(MainForm, ImageListHoldsTheTenIconsByIndex)
{
    const wchar_t* const files[] = {L"icon0_floppy_disk.png", L"icon1_window_list.png", L"icon2_wrench.png",
                                    L"icon3_calendar.png",    L"icon4_star.png",        L"icon5_gear.png",
                                    L"icon6_information.png", L"icon7_play.png",        L"icon8_stop.png",
                                    L"icon9_return.png"};
    const wchar_t* const names[] = {L"PngImage1", L"PngImage0", L"PngImage3", L"PngImage2", L"PngImage4",
                                    L"PngImage5", L"PngImage6", L"PngImage7", L"PngImage8", L"PngImage9"};
    TspPngImageList* list = form->spPngImageList1;
    ASSERT_NE(list, nullptr);
    EXPECT_EQ(list->Owner(), form);
    EXPECT_EQ(list->PngWidth(), 16);
    EXPECT_EQ(list->PngHeight(), 16);
    ASSERT_EQ(list->Count(), 10);
    for (int i = 0; i < 10; ++i) {
        const TspPngImage& png = list->PngImages().Items(i)->PngImage();
        EXPECT_EQ(list->PngImages().Items(i)->Name(), names[i]) << i;
        TspPngImage file;
        file.LoadFromFile(std::wstring(Utf8ToWide(VANTREL_APP_ICON_DIR)) + L"/" + files[i]);
        EXPECT_EQ(png.Width, 16) << i;
        EXPECT_EQ(png.Height, 16) << i;
        EXPECT_TRUE(png.HasAlphaChannel()) << i;
        EXPECT_TRUE(png.Pixels == file.Pixels) << "item " << i << " is not " << WideToUtf8(files[i]);
        int clear = 0, opaque = 0, partial = 0;
        for (const TPixel& p : png.Pixels)
            (p.A == 0 ? clear : p.A == 255 ? opaque : partial)++;
        EXPECT_GT(clear, 0) << i;
        EXPECT_GT(opaque, 0) << i;
        EXPECT_GT(partial, 0) << i;
    }
}

// Tests both popup menus' items, in order, as designed: caption, enabled state, shortcut, whether
// a handler is bound; the first menu takes its skin from the engine, the second has its own. The
// disabled headings cannot be chosen, neither directly nor through the menu's command.
TEST_F(MainForm, PopupMenusHoldTheirItems)
{
    struct Row {
        TspSkinPopupMenu* Menu;
        TMenuItem* Field;
        const wchar_t* Name;
        const wchar_t* Caption;
        bool Enabled;
        TShortCut ShortCut;
        bool Handled;  // a handler of this window is bound
    };
    TspSkinPopupMenu* m1 = form->spSkinPopupMenu1;
    TspSkinPopupMenu* m2 = form->spSkinPopupMenu2;
    ASSERT_TRUE(m1 && m2);
    const Row rows[] = {
        {m1, form->N121, L"N121", L"-File-", false, 0, false},
        {m1, form->New, L"New", L"Select skin...", true, 16467, true},
        {m1, form->N1231, L"N1231", L"Banco Mundial", true, 0, true},
        {m1, form->N111, L"N111", L"FMI", true, 0, true},
        {m1, form->N231, L"N231", L"Hacienda", true, 0, true},
        {m1, form->N11, L"N11", L"-Additional-", false, 0, false},
        {m1, form->S1, L"S1", L"Show Icon", true, 0, true},
        {m1, form->N312, L"N312", L"Bing", true, 0, true},
        {m1, form->A1, L"A1", L"Duck Duck Go", true, 0, true},
        {m1, form->G1, L"G1", L"Baidu", true, 0, true},
        {m1, form->N1, L"N1", L"-", true, 0, false},
        {m1, form->Close1, L"Close1", L"Close", true, 0, true},
        {m2, form->Item11, L"Item11", L"Rendimientos", true, 0, true},
        {m2, form->Item31, L"Item31", L"Simulador", true, 0, true},
        {m2, form->Item21, L"Item21", L"Creditos", true, 0, true},
        {m2, form->S2, L"S2", L"Select Skin...", true, 0, true},
    };
    int index[2] = {0, 0};
    for (const Row& r : rows) {
        const std::string name = WideToUtf8(r.Name);
        int& at = index[r.Menu == m2];
        ASSERT_LT(at, r.Menu->Items()->Count()) << name;
        TMenuItem* item = r.Menu->Items()->Items(at++);
        EXPECT_EQ(item, r.Field) << name;
        EXPECT_EQ(item->Name(), r.Name);
        EXPECT_EQ(item->Owner(), form) << name;
        EXPECT_EQ(item->Caption, r.Caption) << name;
        EXPECT_EQ(item->Enabled, r.Enabled) << name;
        EXPECT_EQ(item->ShortCut, r.ShortCut) << name;
        EXPECT_EQ(item->OnClick.Assigned(), r.Handled) << name;
        EXPECT_EQ(item->Count(), 0) << name;
        EXPECT_EQ(item->ImageIndex, -1) << name;
    }
    EXPECT_EQ(index[0], 12);
    EXPECT_EQ(m1->Items()->Count(), 12);
    EXPECT_EQ(index[1], 4);
    EXPECT_EQ(m2->Items()->Count(), 4);
    EXPECT_EQ(m1->SkinData(), nullptr);
    EXPECT_EQ(m2->SkinData(), form->spDynamicSkinForm1->SkinData());
    EXPECT_EQ(m1->FindItemByShortCut(16467), form->New);

    for (TMenuItem* heading : {form->N121, form->N11}) {
        int runs = 0;
        heading->OnClick = [&](TObject*) { ++runs; };
        heading->Click();
        m1->DispatchCommand(heading->Command());
        EXPECT_EQ(runs, 0) << WideToUtf8(heading->Caption);
        heading->OnClick = nullptr;
    }
}

// Tests that each link item sends its web view, and only that one, to its page while the current
// page stays whichever it was (the second page here, so the first and third load unseen).
TEST_F(MainForm, LinkItemsNavigateTheirWebViewAndKeepThePage)
{
    form->Show();
    struct Link {
        TMenuItem* Item;
        int WebView;  // 0..2: WebBrowser1..3
        const wchar_t* URL;
    };
    const Link links[] = {
        {form->N1231, 0, L"https://www.worldbank.org/es/home"},
        {form->N111, 1, L"https://www.imf.org/es/home"},
        {form->N231, 2, L"https://www.sat.gob.mx/personas"},
        {form->N312, 0, L"https://www.bing.com/?FORM=Z9FD1"},
        {form->A1, 1, L"https://duckduckgo.com/"},
        {form->G1, 2, L"https://www.baidu.com/"},
        {form->Item11, 0,
         L"https://www.nafin.com/portalnf/content/herramientas-de-negocio/calculadora-de-rendimientos/"
         L"calculadora-de-rendimientos.do"},
        {form->Item31, 1, L"https://www.condusef.gob.mx/simulador/"},
        {form->Item21, 2,
         L"https://www.nafin.com/portalnf/content/herramientas-de-negocio/simulador-de-creditos/"
         L"simulador-de-creditos.do"},
    };
    TWebBrowser* webs[] = {form->WebBrowser1, form->WebBrowser2, form->WebBrowser3};
    TspSkinPageControl* pc = form->spSkinPageControl1;
    pc->SetActivePageIndex(1);
    for (const Link& l : links) {
        const std::string name = WideToUtf8(l.Item->Name());
        size_t before[3];
        for (int i = 0; i < 3; ++i)
            before[i] = webs[i]->Navigations().size();
        l.Item->Click();
        Application->ProcessMessages();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(webs[i]->Navigations().size(), before[i] + (i == l.WebView)) << name << " web view " << i + 1;
        EXPECT_EQ(webs[l.WebView]->LastURL(), l.URL) << name;
        EXPECT_EQ(pc->ActivePageIndex(), 1) << name;
        EXPECT_TRUE(IsWindowVisible(form->WebBrowser2->Handle())) << name;
    }
    pc->SetActivePageIndex(0);
}

// Tests that "Close" asks the window to close: the close query sees the request, and refusing it
// keeps the window.
TEST_F(MainForm, CloseItemAsksTheWindowToClose)
{
    form->Show();
    int asked = 0;
    form->OnCloseQuery = [&](TObject* sender, bool& canClose) {
        EXPECT_EQ(sender, form);
        ++asked;
        canClose = false;
    };
    form->Close1->Click();
    form->OnCloseQuery = nullptr;
    EXPECT_EQ(asked, 1);
    EXPECT_TRUE(form->Visible());
    EXPECT_TRUE(IsWindowVisible(form->Handle()));
}

// Tests the caption extras as the description sets them: the menu button with popup menu 1, the
// five quick buttons (button 3 down at start, grouped as tabled), and the three tabs on page 0.
TEST_F(MainForm, CaptionExtrasFromTheDescription)
{
    TspCaptionExtras& x = form->spDynamicSkinForm1->Extras;
    EXPECT_TRUE(x.MenuButtonVisible());
    EXPECT_EQ(x.MenuButtonCaption(), L"E&mlor");
    EXPECT_EQ(x.MenuButtonWidth(), 90);
    EXPECT_EQ(x.MenuButtonImageIndex(), 5);
    EXPECT_EQ(x.MenuButtonPopupMenu(), form->spSkinPopupMenu1);
    EXPECT_EQ(x.MenuButtonImageList(), form->spPngImageList1);
    EXPECT_EQ(x.QuickImageList(), form->spPngImageList1);
    struct Row {
        TspQuickButtonPos Position;
        int Group;
        bool AllUp, Down;
        int Image;
        const wchar_t* Caption;
        bool Menu, Click;
    };
    const Row rows[] = {{spqbpRight, 0, false, false, 6, L"", false, true},
                        {spqbpRight, 0, false, false, 2, L"Negocio", true, false},
                        {spqbpLeft, 1, false, false, 7, L"", false, true},
                        {spqbpLeft, 1, false, true, 8, L"", false, true},
                        {spqbpLeft, 2, true, false, 9, L"", false, true}};
    ASSERT_EQ(x.QuickButtons.Count(), 5);
    for (int i = 0; i < 5; ++i) {
        const TspQuickButtonItem& b = *x.QuickButtons.Items(i);
        EXPECT_EQ(b.Position(), rows[i].Position) << i;
        EXPECT_EQ(b.GroupIndex(), rows[i].Group) << i;
        EXPECT_EQ(b.AllowAllUp(), rows[i].AllUp) << i;
        EXPECT_EQ(b.Down(), rows[i].Down) << i;
        EXPECT_EQ(b.ImageIndex(), rows[i].Image) << i;
        EXPECT_EQ(b.Caption(), rows[i].Caption) << i;
        EXPECT_EQ(b.PopupMenu() == form->spSkinPopupMenu2, rows[i].Menu) << i;
        EXPECT_EQ(static_cast<bool>(b.OnClick), rows[i].Click) << i;
    }
    const wchar_t* tabs[] = {L"F&restol", L"Belvani&os", L"Belvani&as"};
    ASSERT_EQ(x.CaptionTabs.Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(x.CaptionTabs.Items(i)->Caption(), tabs[i]);
        EXPECT_EQ(x.CaptionTabs.Items(i)->ImageIndex(), i);
    }
    EXPECT_EQ(x.CaptionTabIndex(), 0);
    EXPECT_EQ(x.CaptionTabPos(), sptpLeft);
}

// Tests the tab and page synchronisation both ways, and the keyboard: Alt+R, Alt+O and Alt+A
// select the tabs (and with them the pages); Ctrl+S is taken by the menu button menu's item while
// the menu is closed.
TEST_F(MainForm, TabsAndPagesFollowEachOtherAndTheKeys)
{
    form->Show();
    TspDynamicSkinForm* engine = form->spDynamicSkinForm1;
    TspSkinPageControl* pc = form->spSkinPageControl1;
    engine->SetCaptionTabIndex(2);
    EXPECT_EQ(pc->ActivePageIndex(), 2);
    pc->SetActivePageIndex(1);
    pc->OnChange(pc);  // as a user's page change raises it
    EXPECT_EQ(engine->CaptionTabIndex(), 1);
    struct Key {
        WORD Vk;
        int Tab;
    };
    for (const Key k : {Key{'R', 0}, Key{'O', 1}, Key{'A', 2}, Key{'R', 0}}) {
        TWMKey key{WM_SYSKEYDOWN, k.Vk, 0x20000000};
        form->IsShortCut(key);
        EXPECT_EQ(engine->CaptionTabIndex(), k.Tab) << char(k.Vk);
        EXPECT_EQ(pc->ActivePageIndex(), k.Tab) << char(k.Vk);
    }
    // Ctrl+S: the item's shortcut works while its menu is closed (the key is taken) and opens the
    // skin chooser, cancelled here as soon as it shows.
    BYTE keys[256] = {};
    GetKeyboardState(keys);
    BYTE saved = keys[VK_CONTROL];
    keys[VK_CONTROL] = 0x80;
    SetKeyboardState(keys);
    bool chooserShown = false;
    TTimer closer(nullptr);
    closer.SetInterval(20);
    closer.SetOnTimer([&](TObject*) {
        if (TspSelectSkinsFromFoldersDlgForm* dlg = form->spSelectSkinsFromFoldersDialog1->DialogForm()) {
            chooserShown = true;
            dlg->SetModalResult(mrCancel);
        }
    });
    TWMKey ctrlS{WM_KEYDOWN, 'S', 0};
    EXPECT_TRUE(form->IsShortCut(ctrlS));
    EXPECT_TRUE(chooserShown);
    closer.SetEnabled(false);
    keys[VK_CONTROL] = saved;
    SetKeyboardState(keys);
    // Alt+M opens the menu button's menu.
    TWMKey altM{WM_SYSKEYDOWN, 'M', 0x20000000};
    EXPECT_TRUE(form->IsShortCut(altM));
    EXPECT_TRUE(engine->SkinMenu()->Visible());
    engine->SkinMenu()->Hide();
    Application->ProcessMessages();
    pc->SetActivePageIndex(0);
    engine->SetCaptionTabIndex(0);
}

// Tests the hidden check box and labels as the description gives them, and the icon switch: "Show
// Icon" adds the system menu to the engine's border icons (the check box starts checked) and keeps
// the others, the caption's system-menu button becomes usable, and a second time changes nothing.
TEST_F(MainForm, HiddenControlsAndTheIconSwitch)
{
    TspSkinCheckRadioBox* box = form->spSkinCheckRadioBox1;
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->Parent(), form->spSkinTabSheet1);
    EXPECT_EQ(box->BoundsRect(), Bounds(200, 16, 95, 25));
    EXPECT_FALSE(box->Visible());
    EXPECT_TRUE(box->Checked());
    EXPECT_FALSE(box->Radio());
    EXPECT_TRUE(box->Flat());
    EXPECT_EQ(box->Caption(), L"Show icon");
    EXPECT_EQ(box->SkinDataName(), L"checkbox");
    struct Label {
        TspSkinLabel* Control;
        TspSkinTabSheet* Page;
        TRect Bounds;
        const wchar_t* Caption;
    };
    for (const Label& l : {Label{form->TabPosition, form->spSkinTabSheet1, Bounds(27, 18, 63, 21), L"TabPosition:"},
                           Label{form->spSkinLabel1, form->spSkinTabSheet2, Bounds(16, 16, 34, 23), L"Page2"},
                           Label{form->spSkinLabel2, form->spSkinTabSheet3, Bounds(16, 16, 34, 23), L"Page3"}}) {
        ASSERT_NE(l.Control, nullptr);
        EXPECT_EQ(l.Control->Parent(), l.Page);
        EXPECT_FALSE(l.Control->Visible());
        EXPECT_EQ(l.Control->Caption(), l.Caption);
        EXPECT_EQ(l.Control->SkinDataName(), L"label");
        EXPECT_EQ(l.Control->SkinData(), form->spSkinData1);
        // The label that sizes itself to its caption keeps only its place.
        if (l.Control != form->TabPosition) {
            EXPECT_EQ(l.Control->BoundsRect(), l.Bounds);
        } else {
            EXPECT_EQ(l.Control->Left(), l.Bounds.Left);
            EXPECT_EQ(l.Control->Top(), l.Bounds.Top);
        }
    }
    EXPECT_TRUE(form->TabPosition->AutoSize());
    EXPECT_TRUE(form->TabPosition->Transparent());

    TspSkinMemo* memo = form->spSkinMemo1;
    ASSERT_NE(memo, nullptr);
    EXPECT_EQ(memo->Parent(), form->spSkinTabSheet1);
    EXPECT_EQ(memo->BoundsRect(), Bounds(24, 48, 417, 161));
    EXPECT_FALSE(memo->Visible());
    EXPECT_EQ(memo->SkinData(), form->spSkinData1);
    EXPECT_EQ(memo->SkinDataName(), L"memo");
    EXPECT_EQ(memo->ScrollBars(), ssBoth);
    EXPECT_TRUE(memo->BitMapBG());
    EXPECT_EQ(memo->VScrollBar(), nullptr);
    EXPECT_EQ(memo->HScrollBar(), nullptr);
    EXPECT_EQ(memo->DefaultFont().Name(), L"Tahoma");
    EXPECT_EQ(memo->DefaultFont().Height(), 13);
    // Nine lines joined by CR LF, trailing blanks kept, no break after the last.
    EXPECT_EQ(memo->Text(),
              L"Since version 12.50 you can use extended skins with special button in \r\n"
              L"caption to call popup menu and tabs.\r\n"
              L"See TspDynamicSkinForm.MenuButton... and TspDynamicSkinForm.CaptionTabs...\r\n"
              L"properties (see help for more info). \r\n"
              L"\r\n"
              L"You can see demo with menu button, tabs, quick buttons in form's caption + \r\n"
              L"TspSkinPageControl.\r\n"
              L"\r\n"
              L"Now you can create really unusual and modern applications!");

    TspSkinComboBox* combo = form->spSkinComboBox1;
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->Parent(), form->spSkinTabSheet1);
    EXPECT_EQ(combo->BoundsRect(), Bounds(98, 18, 80, 20));
    EXPECT_FALSE(combo->Visible());
    EXPECT_EQ(combo->SkinData(), form->spSkinData1);
    EXPECT_EQ(combo->SkinDataName(), L"combobox");
    EXPECT_EQ(combo->Style(), spcbFixedStyle);
    ASSERT_EQ(combo->Items().Count(), 3);
    EXPECT_EQ(combo->Items()[0], L"Left");
    EXPECT_EQ(combo->Items()[1], L"Center");
    EXPECT_EQ(combo->Items()[2], L"Right");
    EXPECT_EQ(combo->ItemIndex(), 0);
    EXPECT_EQ(combo->Text(), L"Left");
    EXPECT_EQ(combo->DropDownCount(), 8);
    EXPECT_EQ(combo->ListBoxDefaultItemHeight(), 20);
    EXPECT_EQ(combo->ListBoxDefaultFont().Name(), L"Arial");
    EXPECT_EQ(combo->ListBoxDefaultFont().Height(), 14);
    // The handler moves the caption tabs: Center and Right, then back to Left.
    TspCaptionExtras& extras = form->spDynamicSkinForm1->Extras;
    for (const auto& [index, pos] : {std::pair{1, sptpCenter}, std::pair{2, sptpRight}, std::pair{0, sptpLeft}}) {
        combo->SetItemIndex(index);
        EXPECT_EQ(extras.CaptionTabPos(), pos) << "item " << index;
    }

    TspDynamicSkinForm* engine = form->spDynamicSkinForm1;
    const TspBorderIcons before = engine->BorderIcons;
    ASSERT_FALSE(before.SystemMenu);
    auto sysMenuButton = [&]() -> TspSkinStdButtonObject* {
        for (auto& o : engine->Objects.ObjectList)
            if (auto* b = dynamic_cast<TspSkinStdButtonObject*>(o.get()); b && b->Command == cmSysMenu)
                return b;
        return nullptr;
    };
    for (int i = 0; i < 2; ++i) {
        form->S1->Click();
        const TspBorderIcons& now = engine->BorderIcons;
        EXPECT_TRUE(now.SystemMenu);
        EXPECT_EQ(now.Minimize, before.Minimize);
        EXPECT_EQ(now.Maximize, before.Maximize);
        EXPECT_EQ(now.RollUp, before.RollUp);
        EXPECT_EQ(now.MinimizeToTray, before.MinimizeToTray);
        if (TspSkinStdButtonObject* b = sysMenuButton()) {
            EXPECT_TRUE(b->Enabled);
        }
    }
    engine->BorderIcons = before;
    engine->BorderIconsChanged();
}

// Tests that losing the activation (as to an about box) drops the quick buttons' hot states and
// raises an ungrouped button, while the grouped one that is down stays down.
TEST_F(MainForm, DeactivationDropsHotQuickButtonsAndKeepsGroupedOnes)
{
    form->Show();
    TspCaptionExtras& x = form->spDynamicSkinForm1->Extras;
    TspQuickButtonItem& info = *x.QuickButtons.Items(0);
    TspQuickButtonItem& stop = *x.QuickButtons.Items(3);
    ASSERT_TRUE(stop.Down());
    info.ChangeDown(true);
    info.Active = true;
    stop.Active = true;
    SendMessageW(form->Handle(), WM_NCACTIVATE, FALSE, 0);
    EXPECT_FALSE(info.Active);
    EXPECT_FALSE(info.Down());
    EXPECT_FALSE(stop.Active);
    EXPECT_TRUE(stop.Down());
    SendMessageW(form->Handle(), WM_NCACTIVATE, TRUE, 0);
}

// Tests that a bad value for the menus' and the image list's properties is a load error naming
// the component and property: an unknown handler, a reference to a component of the wrong kind,
// unknown words for a shortcut, a flag and a size.
TEST(MainFormDescription, BadValuesNameTheProperty)
{
    RegisterAppClasses();
    struct Case {
        const char* Body;
        const wchar_t* Message;
    };
    const Case cases[] = {
        {"  object Menu: TspSkinPopupMenu\n    object Item: TMenuItem\n      OnClick = NoSuchClick\n"
         "    end\n  end\n",
         L"Error reading Item.OnClick: Invalid property value"},
        {"  object Menu: TspSkinPopupMenu\n    SkinData = Icons\n  end\n"
         "  object Icons: TspPngImageList\n  end\n",
         L"Error reading Menu.SkinData: Icons is not a skin data container"},
        {"  object Menu: TspSkinPopupMenu\n    SkinData = Nothing\n  end\n",
         L"Error reading Menu.SkinData: Invalid property value 'Nothing'"},
        {"  object Menu: TspSkinPopupMenu\n    object Item: TMenuItem\n      ShortCut = 'Ctrl+Nothing'\n"
         "    end\n  end\n",
         L"Error reading Item.ShortCut: Invalid property value 'Ctrl+Nothing'"},
        {"  object Menu: TspSkinPopupMenu\n    object Item: TMenuItem\n      Enabled = Perhaps\n"
         "    end\n  end\n",
         L"Error reading Item.Enabled: Invalid property value"},
        {"  object Icons: TspPngImageList\n    PngWidth = Sixteen\n  end\n",
         L"Error reading Icons.PngWidth: Invalid property value"},
        {"  object Icons: TspPngImageList\n    PngImages = <\n      item\n        Title = 'x'\n      end>\n"
         "  end\n",
         L"Error reading Icons.PngImages.Title: Property Title does not exist"},
    };
    for (const Case& c : cases) {
        auto* f = new TForm(Application);
        try {
            f->LoadFromText(std::string("object F: TForm\n") + c.Body + "end\n");
            ADD_FAILURE() << "loaded:\n" << c.Body;
        } catch (const Exception& e) {
            EXPECT_EQ(e.Message(), c.Message) << c.Body;
        }
        delete f;
    }
}

} // namespace
} // namespace vt
