// The up-down with a real window, timer and capture: a held button steps until released and
// once more on release; losing the capture to another window stops it without a click.
#include "controls/up_down_win.h"
#include "framework/win/forms.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <windowsx.h>

namespace vt {
namespace {

using test::Pump;

class UpDownWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        form_ = std::make_unique<TForm>(nullptr);
        form_->SetClientWidth(200);
        form_->SetClientHeight(100);
        ud_ = new TspSkinUpDown(form_.get());
        ud_->SetBounds(10, 10, 40, 20);
        ud_->SetParent(form_.get());
        ud_->OnUpButtonClick = [this](TObject*) { ++upClicks_; };
        ud_->OnChange = [this](TObject*) { ++changes_; };
        form_->Show();
        Application->ProcessMessages();
        // The presses below are sent, but a held button follows the real pointer (leaving it stops
        // the repeat): put the pointer where the press is, wherever earlier tests left it.
        POINT p{up_.X, up_.Y};
        ClientToScreen(ud_->Handle(), &p);
        SetCursorPos(p.x, p.y);
        Application->ProcessMessages();
    }
    void TearDown() override { form_.reset(); }

    void Send(UINT msg, WPARAM keys, TPoint p)
    {
        SendMessageW(ud_->Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
    }

    std::unique_ptr<TForm> form_;
    TspSkinUpDown* ud_ = nullptr;
    int upClicks_ = 0;
    int changes_ = 0;
    // Horizontal, no skin: the up button is the right half.
    const TPoint up_{30, 10};
};

// Tests that a held up button repeats under a real capture and steps once more on release.
TEST_F(UpDownWindow, HeldButtonStepsUntilReleased)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, up_);
    EXPECT_EQ(GetCapture(), ud_->Handle());
    Pump(400);
    EXPECT_EQ(ud_->Position(), 0) << "nothing before the first delay";
    // Steps at 600, 700, 800 ms...; timers lag on a loaded machine, so wait for the second.
    EXPECT_TRUE(test::PumpUntil([&] { return ud_->Position() >= 2; })) << "the repeat goes on while held";
    const int held = ud_->Position();
    EXPECT_LE(held, 5);
    Send(WM_LBUTTONUP, 0, up_);
    EXPECT_EQ(ud_->Position(), held + 1);
    EXPECT_EQ(upClicks_, 1);
    EXPECT_NE(GetCapture(), ud_->Handle());
    Pump(300);
    EXPECT_EQ(ud_->Position(), held + 1) << "the repeat stops with the release";
    EXPECT_EQ(changes_, held + 1);
}

// Tests that another window taking the capture stops the repeat and drops the press: no more
// steps, no click, and a later release is ignored.
TEST_F(UpDownWindow, CaptureLossStopsTheRepeat)
{
    Send(WM_LBUTTONDOWN, MK_LBUTTON, up_);
    EXPECT_TRUE(test::PumpUntil([&] { return ud_->Position() >= 1; }));
    const int held = ud_->Position();
    SetCapture(form_->Handle());
    Application->ProcessMessages();
    EXPECT_FALSE(ud_->Model().Repeating());
    EXPECT_FALSE(ud_->Model().Button(0).Down);
    Pump(400);
    ReleaseCapture();
    Send(WM_LBUTTONUP, 0, up_);
    EXPECT_EQ(ud_->Position(), held);
    EXPECT_EQ(upClicks_, 0);
}

} // namespace
} // namespace vt
