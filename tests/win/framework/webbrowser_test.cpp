#include "framework/win/forms.h"
#include "framework/win/webbrowser.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// Tests that Navigate before the window exists is kept and applied once it does, that the last
// address is readable, and that an address no engine can load ends in the plain view (the only
// outcome here: no engine under Wine, and the .example domain resolves nowhere).
TEST(WebBrowser, QueuesUntilTheWindowExistsThenFallsBack)
{
    TForm form(nullptr);
    auto* web = new TWebBrowser(&form);
    web->SetParent(&form);
    web->SetAlign(alClient);
    web->Navigate(L"https://first.vantrel.example/");
    web->Navigate(L"https://www.vantrel.example/later.html");
    EXPECT_FALSE(web->HandleAllocated());
    EXPECT_EQ(web->LastURL(), L"https://www.vantrel.example/later.html");
    ASSERT_EQ(web->Navigations().size(), 2u);
    EXPECT_LE(web->Navigations()[0].At, web->Navigations()[1].At);
    EXPECT_EQ(web->EngineState(), TWebBrowser::TEngineState::esNotCreated);

    form.Show();
    EXPECT_NE(web->EngineState(), TWebBrowser::TEngineState::esNotCreated);
    DWORD start = GetTickCount();
    while (!web->FallbackShown() && GetTickCount() - start < 10000) {
        Application->ProcessMessages();
        Sleep(10);
    }
    EXPECT_TRUE(web->FallbackShown());
    EXPECT_EQ(web->LastURL(), L"https://www.vantrel.example/later.html");

    // The plain view is painted, not left blank: some pixel differs from the background.
    test::Pump(100);
    HDC dc = GetDC(web->Handle());
    RECT r;
    GetClientRect(web->Handle(), &r);
    COLORREF background = GetPixel(dc, r.right - 2, r.bottom - 2);
    bool drawn = false;
    for (int y = 16; y < 40 && !drawn; ++y)
        for (int x = 16; x < 200 && !drawn; ++x)
            drawn = GetPixel(dc, x, y) != background;
    ReleaseDC(web->Handle(), dc);
    EXPECT_TRUE(drawn);
}

// Tests the plain view without an engine, that a recreated window keeps the address, and that
// the stored-only properties keep what they were given.
TEST(WebBrowser, WithoutEngineShowsThePlainViewAtOnce)
{
    TWebBrowser::SetEngineDisabled(true);
    TForm form(nullptr);
    auto* web = new TWebBrowser(&form);
    web->SetParent(&form);
    web->SetSelectedEngine(TWebBrowserEngine::EdgeOnly);
    web->SetControlData({1, 2, 3});
    form.Show();
    web->Navigate(L"https://links.vantrel.example/x");
    EXPECT_EQ(web->EngineState(), TWebBrowser::TEngineState::esUnavailable);
    EXPECT_TRUE(web->FallbackShown());
    web->RecreateWnd();
    EXPECT_TRUE(web->FallbackShown());
    EXPECT_EQ(web->LastURL(), L"https://links.vantrel.example/x");
    EXPECT_EQ(web->SelectedEngine(), TWebBrowserEngine::EdgeOnly);
    EXPECT_EQ(web->ControlData(), (std::vector<uint8_t>{1, 2, 3}));
    TWebBrowser::SetEngineDisabled(false);
}

} // namespace
} // namespace vt
