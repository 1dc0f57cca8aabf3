#include "app/main_form.h"
#include "default_skin_check.h"
#include "menus/skin_menu.h"
#include "skin/skin_data.h"

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
    EXPECT_EQ(TabCtrl_GetItemCount(pc->Handle()), 0);
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
