#include "app/main_form.h"

#include "skin/skin_selection.h"

#include <windows.h>

#include <chrono>

namespace vt {

namespace {

// Blocks the thread for at least ms milliseconds; Sleep alone may wake a little early.
void SleepAtLeast(int ms)
{
    using clock = std::chrono::steady_clock;
    const auto until = clock::now() + std::chrono::milliseconds(ms);
    for (auto now = clock::now(); now < until; now = clock::now()) {
        auto left = std::chrono::duration_cast<std::chrono::milliseconds>(until - now).count();
        Sleep(static_cast<DWORD>(left > 0 ? left : 1));
    }
}

// The menus' link items: the handler the description names, the web view it sends, the page.
struct TLinkItem {
    const wchar_t* Handler;
    TWebBrowser* TForm1::*WebView;
    const wchar_t* URL;
};

const TLinkItem kLinkItems[] = {
    {L"N1231Click", &TForm1::WebBrowser1, L"https://www.worldbank.org/es/home"},
    {L"N111Click", &TForm1::WebBrowser2, L"https://www.imf.org/es/home"},
    {L"N231Click", &TForm1::WebBrowser3, L"https://www.sat.gob.mx/personas"},
    {L"N312Click", &TForm1::WebBrowser1, L"https://www.bing.com/?FORM=Z9FD1"},
    {L"A1Click", &TForm1::WebBrowser2, L"https://duckduckgo.com/"},
    {L"G1Click", &TForm1::WebBrowser3, L"https://www.baidu.com/"},
    {L"Item11Click", &TForm1::WebBrowser1,
     L"https://www.nafin.com/portalnf/content/herramientas-de-negocio/calculadora-de-rendimientos/"
     L"calculadora-de-rendimientos.do"},
    {L"Item31Click", &TForm1::WebBrowser2, L"https://www.condusef.gob.mx/simulador/"},
    {L"Item21Click", &TForm1::WebBrowser3,
     L"https://www.nafin.com/portalnf/content/herramientas-de-negocio/simulador-de-creditos/"
     L"simulador-de-creditos.do"},
};

struct TAboutButton {
    const wchar_t* Handler;
    const wchar_t* Text;
};

const TAboutButton kAboutButtons[] = {
    {L"spDynamicSkinForm1QuickButtons0Click", L"Acerca de El Padre Casimund... Welcome to Tessamund!."},
    {L"spDynamicSkinForm1QuickButtons2Click", L"Acerca de Emlor..."},
    {L"spDynamicSkinForm1QuickButtons3Click", L"Acerca de Liorenna..."},
    {L"spDynamicSkinForm1QuickButtons4Click", L"Acerca de El Padre Oswelt... Welcome to Ombrevane!."},
};

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    RegisterAppClasses();
    RegisterMethod(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    RegisterMethod(L"Close1Click", TNotifyEvent([this](TObject* s) { Close1Click(s); }));
    RegisterMethod(L"spDynamicSkinForm1CaptionTabChange",
                   TNotifyEvent([this](TObject* s) { spDynamicSkinForm1CaptionTabChange(s); }));
    RegisterMethod(L"spSkinPageControl1Change", TNotifyEvent([this](TObject* s) { spSkinPageControl1Change(s); }));
    RegisterMethod(L"spSkinButton1Click", TNotifyEvent([this](TObject* s) { spSkinButton1Click(s); }));
    RegisterMethod(L"NewClick", TNotifyEvent([this](TObject* s) { NewClick(s); }));
    RegisterMethod(L"S2Click", TNotifyEvent([this](TObject* s) { S2Click(s); }));
    RegisterMethod(L"spSkinCheckRadioBox1Click", TNotifyEvent([this](TObject* s) { spSkinCheckRadioBox1Click(s); }));
    RegisterMethod(L"spSkinComboBox1Change", TNotifyEvent([this](TObject* s) { spSkinComboBox1Change(s); }));
    RegisterMethod(L"S1Click", TNotifyEvent([this](TObject* s) { S1Click(s); }));
    // Four quick buttons each show their about message and wait until it is dismissed.
    for (const TAboutButton& about : kAboutButtons)
        RegisterMethod(about.Handler, TNotifyEvent([&about](TObject*) { ShowMessagePos(about.Text, -1, -1); }));
    // Each link handler only navigates: the current page stays.
    for (const TLinkItem& link : kLinkItems) {
        TNotifyEvent navigate = [this, &link](TObject*) { (this->*link.WebView)->Navigate(link.URL); };
        RegisterMethod(link.Handler, navigate);
    }
    BindField(L"spSkinPageControl1", spSkinPageControl1);
    BindField(L"spSkinTabSheet1", spSkinTabSheet1);
    BindField(L"spSkinTabSheet2", spSkinTabSheet2);
    BindField(L"spSkinTabSheet3", spSkinTabSheet3);
    BindField(L"WebBrowser1", WebBrowser1);
    BindField(L"WebBrowser2", WebBrowser2);
    BindField(L"WebBrowser3", WebBrowser3);
    BindField(L"spDynamicSkinForm1", spDynamicSkinForm1);
    BindField(L"spSkinPopupMenu1", spSkinPopupMenu1);
    BindField(L"N121", N121);
    BindField(L"New", New);
    BindField(L"N1231", N1231);
    BindField(L"N111", N111);
    BindField(L"N231", N231);
    BindField(L"N11", N11);
    BindField(L"S1", S1);
    BindField(L"N312", N312);
    BindField(L"A1", A1);
    BindField(L"G1", G1);
    BindField(L"N1", N1);
    BindField(L"Close1", Close1);
    BindField(L"spPngImageList1", spPngImageList1);
    BindField(L"spSkinPopupMenu2", spSkinPopupMenu2);
    BindField(L"Item11", Item11);
    BindField(L"Item31", Item31);
    BindField(L"Item21", Item21);
    BindField(L"S2", S2);
    BindField(L"spSkinButton1", spSkinButton1);
    BindField(L"spSkinData1", spSkinData1);
    BindField(L"spSkinCheckRadioBox1", spSkinCheckRadioBox1);
    BindField(L"spSkinMemo1", spSkinMemo1);
    BindField(L"spSkinComboBox1", spSkinComboBox1);
    BindField(L"TabPosition", TabPosition);
    BindField(L"spSkinLabel1", spSkinLabel1);
    BindField(L"spSkinLabel2", spSkinLabel2);
    BindField(L"spSelectSkinsFromFoldersDialog1", spSelectSkinsFromFoldersDialog1);
    LoadFromResource(L"TFORM1");
}

void TForm1::FormCreate(TObject* Sender)
{
    spSkinPageControl1->HideBorderAndTabs();
    // A web view without a window only keeps the address until its window exists; the windows
    // are made now so each navigation starts when it is asked for and the waits keep them apart.
    HandleNeeded();
    WebBrowser1->Navigate(kStartPage);
    SleepAtLeast(kNavigationGapMs);
    WebBrowser2->Navigate(kLinkPage);
    SleepAtLeast(kNavigationGapMs);
    WebBrowser3->Navigate(kPremiumPage);
}

void TForm1::spDynamicSkinForm1CaptionTabChange(TObject*)
{
    // The tab chose the page; setting it by code raises no page change, so the two never loop.
    const int tab = spDynamicSkinForm1->CaptionTabIndex();
    if (spSkinPageControl1->ActivePageIndex() != tab)
        spSkinPageControl1->SetActivePageIndex(tab);
}

void TForm1::spSkinPageControl1Change(TObject*)
{
    spDynamicSkinForm1->SetCaptionTabIndex(spSkinPageControl1->ActivePageIndex());
}

void TForm1::spSkinButton1Click(TObject*)
{
    TspSelectSkinsFromFoldersDialog& chooser = *spSelectSkinsFromFoldersDialog1;
    if (!chooser.Execute(L"", chooser.SkinName(), L"skn"))
        return;
    // Read once and tried in a scratch container first: a bad package changes nothing here.
    LoadSelectedSkin(*spSkinData1, chooser.FileName());
}

void TForm1::spSkinCheckRadioBox1Click(TObject*)
{
    // Setting the engine's border icons rebuilds its caption objects; then the frame repaints.
    spDynamicSkinForm1->BorderIcons.SystemMenu = spSkinCheckRadioBox1->Checked();
    spDynamicSkinForm1->BorderIconsChanged();
    spDynamicSkinForm1->UpDateFormNC();
}

void TForm1::spSkinComboBox1Change(TObject*)
{
    // The items are Left, Center and Right, in the order of the caption tab positions.
    const int index = spSkinComboBox1->ItemIndex();
    if (index >= sptpLeft && index <= sptpRight)
        spDynamicSkinForm1->Extras.SetCaptionTabPos(static_cast<TspCaptionTabPos>(index));
}

void TForm1::Close1Click(TObject*)
{
    Close();
}

} // namespace vt
