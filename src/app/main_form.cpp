#include "app/main_form.h"

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

} // namespace

TForm1::TForm1(TComponent* owner) : TForm(owner)
{
    RegisterAppClasses();
    RegisterMethod(L"FormCreate", TNotifyEvent([this](TObject* s) { FormCreate(s); }));
    BindField(L"spSkinPageControl1", spSkinPageControl1);
    BindField(L"spSkinTabSheet1", spSkinTabSheet1);
    BindField(L"spSkinTabSheet2", spSkinTabSheet2);
    BindField(L"spSkinTabSheet3", spSkinTabSheet3);
    BindField(L"WebBrowser1", WebBrowser1);
    BindField(L"WebBrowser2", WebBrowser2);
    BindField(L"WebBrowser3", WebBrowser3);
    BindField(L"spDynamicSkinForm1", spDynamicSkinForm1);
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

} // namespace vt
