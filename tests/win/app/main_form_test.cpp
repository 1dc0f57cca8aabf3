#include "app/main_form.h"
#include "default_skin_check.h"

#include <commctrl.h>
#include <gtest/gtest.h>

#include <chrono>

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
    if (!form->HandleAllocated()) {
        EXPECT_EQ(form->Left(), 303);
        EXPECT_EQ(form->Top(), 197);
        EXPECT_EQ(form->ClientWidth(), 789);
        EXPECT_EQ(form->ClientHeight(), 348);
    }

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
        EXPECT_EQ(webs[i]->Font().Name(), L"MS Sans Serif");  // the form's font, inherited
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

// Tests the window once shown: maximized with the designed restored bounds, the first page
// current, and neither tabs nor border on the page container.
TEST_F(MainForm, ShownMaximizedOnTheFirstPageWithoutTabsOrBorder)
{
    form->Show();
    Application->ProcessMessages();
    HWND wnd = form->Handle();
    EXPECT_TRUE(IsZoomed(wnd));
    EXPECT_EQ(GetWindowLongW(wnd, GWL_STYLE) & (WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    WINDOWPLACEMENT wp{};
    wp.length = sizeof wp;
    GetWindowPlacement(wnd, &wp);
    EXPECT_EQ(wp.rcNormalPosition.left, 303);
    EXPECT_EQ(wp.rcNormalPosition.top, 197);
    RECT frame{0, 0, 789, 348};
    AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongW(wnd, GWL_STYLE)), FALSE,
                       static_cast<DWORD>(GetWindowLongW(wnd, GWL_EXSTYLE)));
    EXPECT_EQ(wp.rcNormalPosition.right - wp.rcNormalPosition.left, frame.right - frame.left);
    EXPECT_EQ(wp.rcNormalPosition.bottom - wp.rcNormalPosition.top, frame.bottom - frame.top);

    TspSkinPageControl* pc = form->spSkinPageControl1;
    EXPECT_EQ(pc->ActivePageIndex(), 0);
    EXPECT_EQ(pc->ActivePage(), form->spSkinTabSheet1);
    EXPECT_FALSE(pc->TabsShown());
    EXPECT_EQ(TabCtrl_GetItemCount(pc->Handle()), 0);
    RECT client;
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
    pc->OnChange = [&](TObject*) { ++changes; };
    pc->SetActivePageIndex(2);
    Application->ProcessMessages();
    EXPECT_EQ(pc->ActivePage(), form->spSkinTabSheet3);
    EXPECT_TRUE(IsWindowVisible(form->WebBrowser3->Handle()));
    EXPECT_FALSE(IsWindowVisible(form->WebBrowser1->Handle()));
    EXPECT_EQ(form->WebBrowser3->LastURL(), L"https://links.vantrel.example/vantrelpremium");
    pc->SetActivePageIndex(0);
    EXPECT_EQ(changes, 0);
    pc->OnChange = nullptr;
}

} // namespace
} // namespace vt
