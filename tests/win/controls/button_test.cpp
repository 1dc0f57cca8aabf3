// The skinned buttons with real windows, timers and capture: the default skin's size and shape,
// pixel-exact state pictures, presses and drags, the repeat under capture, the dialog keys and
// the accelerator through the application's key pipeline, the glow frame, the menu speed button
// and description errors. Input is posted into the application's loop, as a user's arrives.
#include "controls/button_win.h"
#include "unit/controls/fixture_skin.h"
#include "framework/win/forms.h"
#include "menus/form_menus_win.h"
#include "menus/skin_menu.h"
#include "raster/bitmap_win.h"
#include "raster/layer_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "painted_image.h"
#include "support.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using F = test::FixtureSkin;

uint32_t PictureRgb(const TspSkinData& sd, int index, int x, int y)
{
    return sd.FActivePictures[static_cast<size_t>(index)]->View().Row(y)[x] & 0xFFFFFF;
}

// Posts a mouse message to a window at (x, y) of its client area and runs the loop.
void PostMouse(HWND wnd, UINT msg, int x, int y, WPARAM keys = 0)
{
    PostMessageW(wnd, msg, keys, MAKELPARAM(x, y));
    test::Pump(30);
}

// Posts a key press and release to the focused window, as the keyboard would.
void PostKey(WORD vk)
{
    HWND focus = GetFocus();
    PostMessageW(focus, WM_KEYDOWN, vk, 1);
    test::Pump(20);
    PostMessageW(focus, WM_KEYUP, vk, 0xC0000001);
    test::Pump(40);
}

class ButtonWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();
        RegisterButtonClasses();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetBounds(520, 320, 360, 260);
        hook_.emplace(*form_, [this](TMessage& m, const TWndMethod& previous) {
            if (DispatchSkinChange(*form_, m.Msg, reinterpret_cast<TspSkinData*>(m.WParam)))
                return;
            previous(m);
        });
        sd_ = new TspSkinData(form_.get());
        form_->Handle();
    }
    void TearDown() override
    {
        if (GetCapture())
            ReleaseCapture();
        hook_.reset();
        form_.reset();
    }

    template <class T = TspSkinButton> T* Add(TRect r, const wchar_t* caption = L"", const wchar_t* name = nullptr)
    {
        auto* b = new T(form_.get());
        if (name)
            b->SetSkinDataName(name);
        b->SetCaption(caption);
        b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        b->SetParent(form_.get());
        b->SetSkinData(sd_);
        b->OnClick = [this, b](TObject*) { clicks.push_back({b, GetTickCount()}); };
        return b;
    }
    void LoadDefaultSkin() { sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini")); }
    void ShowForm()
    {
        // The pointer is kept off the form until a test moves it there.
        SetCursorPos(5, 5);
        form_->Show();
        SetForegroundWindow(form_->Handle());
        test::Pump(80);
    }
    size_t ClicksOf(TControl* c) const
    {
        size_t n = 0;
        for (const auto& k : clicks)
            n += k.first == c;
        return n;
    }

    std::unique_ptr<TForm> form_;
    std::optional<TWindowProcHook> hook_;
    TspSkinData* sd_ = nullptr;
    std::vector<std::pair<TControl*, DWORD>> clicks;
};

// Tests that the default skin's button asked for a height of 25 (or 40) takes the skin's 27,
// keeps any width, and is cut to the mask: at the skin's width the region is the mask exactly,
// wider its fixed right end still matches the mask's.
TEST_F(ButtonWindow, DefaultSkinGivesSkinHeightAndMaskShape)
{
    LoadDefaultSkin();
    auto* b = Add(Rect(10, 10, 96, 35));
    EXPECT_EQ(b->Height(), 27);
    EXPECT_EQ(b->Width(), 86);
    const TRect skinRect = b->Geometry().Record.SkinRect;
    const int maskIndex = b->Geometry().Record.MaskPicture;
    ASSERT_GE(maskIndex, 0);

    auto regionMatchesMask = [&](int maskX0, int x0, int columns) {
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        EXPECT_NE(GetWindowRgn(b->Handle(), rgn), ERROR);
        int mismatches = 0;
        for (int y = 0; y < b->Height(); ++y)
            for (int i = 0; i < columns; ++i)
                mismatches += bool(PtInRegion(rgn, x0 + i, y)) != (PictureRgb(*sd_, maskIndex, maskX0 + i, y) == 0);
        DeleteObject(rgn);
        return mismatches;
    };
    ASSERT_NE(PictureRgb(*sd_, maskIndex, 0, 0), 0u) << "the mask cuts the corner";
    EXPECT_EQ(regionMatchesMask(0, 0, skinRect.Width()), 0);

    b->SetBounds(10, 10, 150, 40);
    EXPECT_EQ(b->Height(), 27);
    EXPECT_EQ(b->Width(), 150);
    const int rightFixed = skinRect.Width() - b->Geometry().Record.RTPt.X;
    EXPECT_EQ(regionMatchesMask(skinRect.Width() - rightFixed, 150 - rightFixed, rightFixed), 0);

    // Without the skin's size: any height and no shape.
    b->SetUseSkinSize(false);
    b->SetBounds(10, 10, 150, 40);
    EXPECT_EQ(b->Height(), 40);
    EXPECT_FALSE(b->HasSkinRegion());
}

// Tests that the top edge of the normal, hot and pressed looks is the skin picture's own row,
// pixel for pixel, once the fade has ended.
TEST_F(ButtonWindow, TopEdgeMatchesTheSkinPictureInEachLook)
{
    LoadDefaultSkin();
    // Another control holds the focus, so the button starts in its normal look.
    auto* other = new TCustomControl(form_.get());
    other->SetBounds(10, 200, 40, 20);
    other->SetTabStop(true);
    other->SetParent(form_.get());
    auto* b = Add(Rect(10, 10, 96, 37));
    ShowForm();
    other->SetFocus();
    test::Pump(40);
    ASSERT_FALSE(b->Focused());
    const TButtonSkin& s = b->ButtonSkin();
    const int picture = b->Geometry().Record.Picture;
    auto topEdgeMismatches = [&](const TRect& r) {
        TspBitmap img;
        test::PaintControlImage(*b, img);
        int bad = 0;
        for (int x = 0; x < r.Width(); ++x)
            bad += (img.GetPixel(x, 0) & 0xFFFFFF) != PictureRgb(*sd_, picture, r.Left + x, r.Top);
        return bad;
    };
    EXPECT_EQ(topEdgeMismatches(s.SkinRect), 0) << "normal";
    ASSERT_NE(PictureRgb(*sd_, picture, s.SkinRect.Left + 40, s.SkinRect.Top),
              PictureRgb(*sd_, picture, s.ActiveSkinRect.Left + 40, s.ActiveSkinRect.Top))
        << "the looks must differ for the test to mean anything";

    // The enter notice the mouse brings (real pointer moves would race other tests' windows).
    b->Perform(CM_MOUSEENTER);
    test::Pump(250);  // the fade's five or six ticks
    EXPECT_TRUE(b->Model().MouseIn());
    EXPECT_EQ(b->Model().MorphKf(), 1.0);
    EXPECT_EQ(topEdgeMismatches(s.ActiveSkinRect), 0) << "hot";

    PostMouse(b->Handle(), WM_LBUTTONDOWN, 40, 13, MK_LBUTTON);
    EXPECT_TRUE(b->Down());
    EXPECT_EQ(topEdgeMismatches(s.DownSkinRect), 0) << "pressed";
    PostMouse(b->Handle(), WM_LBUTTONUP, 40, 13);
    EXPECT_EQ(ClicksOf(b), 1u);
}

// Tests presses under the capture: dragged out and released clicks nothing; dragged out and
// back clicks once; a press that cannot take the focus is dropped.
TEST_F(ButtonWindow, DragOutAndReleaseClicksNothing)
{
    LoadDefaultSkin();
    auto* b = Add(Rect(10, 10, 96, 37));
    ShowForm();
    HWND w = b->Handle();
    PostMouse(w, WM_MOUSEMOVE, 40, 13);
    PostMouse(w, WM_LBUTTONDOWN, 40, 13, MK_LBUTTON);
    EXPECT_TRUE(b->Down());
    EXPECT_TRUE(b->MouseCapture());
    PostMouse(w, WM_MOUSEMOVE, -30, 13, MK_LBUTTON);
    EXPECT_FALSE(b->Model().MouseIn());
    PostMouse(w, WM_LBUTTONUP, -30, 13);
    EXPECT_EQ(ClicksOf(b), 0u);
    EXPECT_FALSE(b->Down());

    PostMouse(w, WM_MOUSEMOVE, 40, 13);
    PostMouse(w, WM_LBUTTONDOWN, 40, 13, MK_LBUTTON);
    PostMouse(w, WM_MOUSEMOVE, 200, 13, MK_LBUTTON);
    PostMouse(w, WM_MOUSEMOVE, 40, 13, MK_LBUTTON);
    EXPECT_TRUE(b->Model().MouseIn());
    PostMouse(w, WM_LBUTTONUP, 40, 13);
    EXPECT_EQ(ClicksOf(b), 1u);

    // A corner cut by the mask is outside the button.
    PostMouse(w, WM_LBUTTONDOWN, 40, 13, MK_LBUTTON);
    PostMouse(w, WM_LBUTTONUP, 0, 0);
    EXPECT_EQ(ClicksOf(b), 1u);
}

// Tests a held repeat button with real timers: nothing at the press, clicks from 500 ms +
// RepeatInterval on, one more on release; and when another window takes the capture the
// repeat stops with the button up and no click.
TEST_F(ButtonWindow, RepeatStepsUntilReleaseOrCaptureLoss)
{
    LoadDefaultSkin();
    auto* b = Add(Rect(10, 10, 96, 37));
    b->SetRepeatMode(true);
    b->SetRepeatInterval(100);
    b->SetCanFocused(false);  // as a scroll arrow: the press needs no focus
    ShowForm();
    HWND w = b->Handle();
    PostMouse(w, WM_MOUSEMOVE, 40, 13);
    const DWORD pressed = GetTickCount();
    PostMouse(w, WM_LBUTTONDOWN, 40, 13, MK_LBUTTON);
    test::Pump(400);
    EXPECT_EQ(ClicksOf(b), 0u) << "no click before the first delay";
    EXPECT_TRUE(test::PumpUntil([&] { return ClicksOf(b) >= 2; })) << "the repeat goes on while held";
    const size_t held = ClicksOf(b);
    ASSERT_FALSE(clicks.empty());
    EXPECT_GE(clicks.front().second - pressed, 550u);
    PostMouse(w, WM_LBUTTONUP, 40, 13);
    const size_t released = ClicksOf(b);
    EXPECT_GE(released, held + 1) << "one more on release";
    EXPECT_LE(released, held + 2);
    test::Pump(300);
    EXPECT_EQ(ClicksOf(b), released) << "stopped";

    clicks.clear();
    PostMouse(w, WM_LBUTTONDOWN, 40, 13, MK_LBUTTON);
    test::Pump(750);
    ASSERT_GE(ClicksOf(b), 1u);
    SetCapture(form_->Handle());  // another window takes the mouse
    test::Pump(30);
    const size_t atLoss = ClicksOf(b);
    test::Pump(500);
    EXPECT_EQ(ClicksOf(b), atLoss) << "the repeat stops with the capture";
    EXPECT_FALSE(b->Down());
    EXPECT_FALSE(b->Model().MouseDown());
    ReleaseCapture();
    PostMouse(w, WM_LBUTTONUP, 40, 13);
    EXPECT_EQ(ClicksOf(b), atLoss) << "a late release clicks nothing";
}

// Tests the keys through the application's pipeline: Tab moves the focus onto the button, Space
// clicks it at the key-up, Enter clicks the default button while a plain control has the focus
// and the focused button while it has it, Esc clicks the cancel button, Alt+letter the button
// with that accelerator; a click sets the form's ModalResult.
TEST_F(ButtonWindow, KeysReachDefaultCancelAndAccelerator)
{
    LoadDefaultSkin();
    auto* other = new TCustomControl(form_.get());
    other->SetBounds(10, 200, 40, 20);
    other->SetTabStop(true);
    other->SetParent(form_.get());
    auto* ok = Add(Rect(10, 10, 96, 37), L"&OK");
    ok->SetDefault(true);
    ok->SetModalResult(mrOk);
    auto* cancel = Add(Rect(110, 10, 196, 37), L"Cancel");
    cancel->SetCancel(true);
    auto* apply = Add(Rect(210, 10, 296, 37), L"&Apply");
    ShowForm();

    other->SetFocus();
    test::Pump(40);
    EXPECT_TRUE(ok->Model().Active());
    EXPECT_TRUE(ok->Model().MouseIn()) << "the default button looks hot";
    PostKey(VK_RETURN);
    EXPECT_EQ(ClicksOf(ok), 1u);
    EXPECT_EQ(form_->ModalResult(), mrOk);
    form_->SetModalResult(mrNone);

    PostKey(VK_ESCAPE);
    EXPECT_EQ(ClicksOf(cancel), 1u);

    PostKey(VK_TAB);
    EXPECT_TRUE(ok->Focused()) << "Tab moved on to the next tab stop";
    PostKey(VK_SPACE);
    EXPECT_EQ(ClicksOf(ok), 2u);
    EXPECT_FALSE(ok->Down());

    PostKey(VK_TAB);
    ASSERT_TRUE(cancel->Focused());
    EXPECT_FALSE(ok->Model().Active()) << "Enter belongs to the focused button now";
    PostKey(VK_RETURN);
    EXPECT_EQ(ClicksOf(cancel), 2u);
    EXPECT_EQ(ClicksOf(ok), 2u);

    PostMessageW(GetFocus(), WM_SYSCHAR, 'a', 0x20000001);
    test::Pump(60);
    EXPECT_EQ(ClicksOf(apply), 1u);
    EXPECT_TRUE(apply->Focused());
}

// Tests the glow frame of the fixture's button: shown in a layer around the button on mouse
// enter (posted), hidden on leave; a glow index outside the pictures shows nothing.
TEST_F(ButtonWindow, GlowFrameFollowsTheMouse)
{
    test::BuildFixtureSkin(*sd_);
    auto* b = Add(Rect(20, 20, 120, 40), L"", F::kButton);
    ShowForm();
    b->Handle();
    b->Perform(CM_MOUSEENTER);
    test::Pump(60);
    ASSERT_TRUE(b->LayerManager().IsVisible());
    RECT lr{};
    GetWindowRect(b->LayerManager().LayerWindow()->Handle(), &lr);
    EXPECT_EQ(lr.right - lr.left, 100 + 8) << "the 48 px picture widened by the button's 60 px";
    b->Perform(CM_MOUSELEAVE);
    test::Pump(60);
    EXPECT_FALSE(b->LayerManager().IsVisible());

    static_cast<TspDataSkinButtonControl&>(*sd_->CtrlList[0]).GlowLayerPictureIndex = 99;
    sd_->SendSkinDataMessage(SKINMSG_CHANGED);
    b->Perform(CM_MOUSEENTER);
    test::Pump(60);
    EXPECT_FALSE(b->LayerManager().IsVisible());
}

// Tests the menu speed button: a press drops its skinned menu through the form's controller and
// keeps the button down; closing the menu raises it and reports it; the menu runs a command.
TEST_F(ButtonWindow, MenuSpeedButtonOpensItsMenu)
{
    test::BuildFixtureSkin(*sd_);
    auto* menus = new TspFormMenus(*form_);
    menus->SetSkinData(sd_);
    menus->Attach();
    auto* popup = new TspSkinPopupMenu(form_.get());
    auto* item = new TMenuItem(popup);
    item->Caption = L"First";
    popup->Items()->Add(item);
    auto* b = Add<TspSkinMenuSpeedButton>(Rect(20, 20, 60, 45), L"Menu", F::kButton);
    b->SetSkinPopupMenu(popup);
    int hidden = 0;
    b->OnHideTrackMenu = [&](TObject*) { ++hidden; };
    ShowForm();

    PostMouse(form_->Handle(), WM_MOUSEMOVE, 30, 30);
    PostMouse(form_->Handle(), WM_LBUTTONDOWN, 30, 30, MK_LBUTTON);
    ASSERT_TRUE(menus->SkinMenu()->Visible());
    EXPECT_EQ(menus->SkinMenu()->PopupCtrl(), b);
    EXPECT_TRUE(b->MenuTracked());
    EXPECT_TRUE(b->Down());
    PostMouse(form_->Handle(), WM_LBUTTONUP, 30, 30);
    EXPECT_TRUE(b->Down()) << "the release belongs to the menu";
    EXPECT_EQ(ClicksOf(b), 0u);

    menus->SkinMenu()->Hide();
    test::Pump(40);
    EXPECT_FALSE(b->MenuTracked());
    EXPECT_FALSE(b->Down());
    EXPECT_EQ(hidden, 1);

    // With TrackButtonMode only the right strip opens it; the rest is a plain button.
    b->SetTrackButtonMode(true);
    EXPECT_EQ(b->TrackRect(), Rect(25, 0, 40, b->Height()));
    PostMouse(form_->Handle(), WM_LBUTTONDOWN, 25, 30, MK_LBUTTON);
    EXPECT_FALSE(menus->SkinMenu()->Visible());
    PostMouse(form_->Handle(), WM_LBUTTONUP, 25, 30);
    EXPECT_EQ(ClicksOf(b), 1u);

    // A menu button record's track part moves with the stretched right end.
    auto* m = Add<TspSkinMenuSpeedButton>(Rect(100, 20, 160, 45), L"", F::kMenuButton);
    m->SetTrackButtonMode(true);
    EXPECT_EQ(m->TrackRect(), Rect(56, 0, 60, 20));
}

// Tests description properties: the button classes load by name, refused NumGlyphs and Margin
// values are load errors naming the property, and set by code they keep the old value.
TEST_F(ButtonWindow, DescriptionRefusesBadValues)
{
    auto load = [](const char* props) -> std::wstring {
        TForm form(nullptr);
        try {
            form.LoadFromText(std::string("object F: TForm\n object B: TspSkinButton\n") + props + "\n end\nend");
        } catch (const Exception& e) {
            return e.Message();
        }
        return L"";
    };
    EXPECT_EQ(load("  NumGlyphs = 4\n  Margin = -1\n  Layout = blGlyphTop\n  CheckedMode = True"), L"");
    EXPECT_NE(load("  NumGlyphs = 5").find(L"B.NumGlyphs"), std::wstring::npos);
    EXPECT_NE(load("  NumGlyphs = 0").find(L"B.NumGlyphs"), std::wstring::npos);
    EXPECT_NE(load("  Margin = -2").find(L"B.Margin"), std::wstring::npos);
    EXPECT_NE(load("  Layout = blSideways").find(L"B.Layout"), std::wstring::npos);

    auto* b = Add(Rect(10, 10, 96, 37));
    b->SetNumGlyphs(3);
    b->SetNumGlyphs(9);
    b->SetMargin(-5);
    EXPECT_EQ(b->NumGlyphs(), 3);
    EXPECT_EQ(b->Margin(), -1);
    b->SetCheckedMode(true);
    EXPECT_EQ(b->GroupIndex(), -1);
    EXPECT_FALSE(b->CanFocused()) << "a grouped button takes no focus";
    EXPECT_FALSE(b->TabStop());
}

} // namespace
} // namespace vt
