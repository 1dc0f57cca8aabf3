// The scroll bar with real windows, capture and delivered timer ticks: a held button repeats
// until Max and stops on release, holding the track pages until the thumb passes the mouse,
// another window taking the capture stops the repeat, a drag ends with one OnLastChange, arrow
// keys and the wheel move a focusable bar only; and the skin look: the shipped record's fixed
// ends and hot button, a fixture thumb composed with its fixed ends, the Both switch.
#include "controls/scroll_bar_win.h"
#include "raster/bitmap_win.h"
#include "skin/skin_data.h"
#include "support.h"
#include "unit/controls/fixture_skin.h"
#include "win/controls/painted_image.h"
#include "win/controls/skinned_form_test.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using F = test::FixtureSkin;

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }

class ScrollBarWindow : public test::SkinnedFormTest {
protected:
    void TearDown() override
    {
        SkinnedFormTest::TearDown();
        test::Pump(20);
    }

    // A plain 200 x 19 horizontal bar at (10, 10): down button 1..17, track 17..183, up 183..199.
    TspSkinScrollBar* Bar(TRect r = Bounds(10, 10, 200, 19))
    {
        auto* b = new TspSkinScrollBar(form_.get());
        b->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        b->SetParent(form_.get());
        b->OnChange = [this](TObject*) { ++changes_; };
        b->OnLastChange = [this](TObject*) { ++lastChanges_; };
        b->OnPageUp = [this](TObject*) { ++pageUps_; };
        b->OnPageDown = [this](TObject*) { ++pageDowns_; };
        return b;
    }
    void ShowForm()
    {
        form_->Show();
        SetForegroundWindow(form_->Handle());
        test::Pump(100);
    }
    static void Send(TspSkinScrollBar& b, UINT msg, WPARAM keys, TPoint p)
    {
        SendMessageW(b.Handle(), msg, keys, MAKELPARAM(p.X, p.Y));
    }
    // A real click, the pointer moved there first.
    static void ClickAt(TPoint screen)
    {
        SetCursorPos(screen.X, screen.Y);
        test::Mouse(MOUSEEVENTF_MOVE);
        test::Mouse(MOUSEEVENTF_LEFTDOWN);
        test::Mouse(MOUSEEVENTF_LEFTUP);
    }
    TspBitmap& Painted(TspSkinScrollBar& b)
    {
        test::PaintControlImage(b, painted_);
        return painted_;
    }

    int changes_ = 0, lastChanges_ = 0, pageUps_ = 0, pageDowns_ = 0;
    TspBitmap painted_;
    static constexpr TPoint kUp{190, 9};
};

// Tests that holding the up button steps at the press, waits, then repeats on timer ticks until
// Max, and that the release stops the timer and gives the capture back.
TEST_F(ScrollBarWindow, HeldButtonRepeatsUntilMaxAndStopsOnRelease)
{
    auto* b = Bar();
    b->SetRange(0, 8, 0, 0);
    ShowForm();
    Send(*b, WM_MOUSEMOVE, 0, kUp);
    Send(*b, WM_LBUTTONDOWN, MK_LBUTTON, kUp);
    EXPECT_EQ(GetCapture(), b->Handle());
    EXPECT_EQ(b->Position(), 1);
    test::Pump(250);
    EXPECT_EQ(b->Position(), 1) << "nothing before the first delay";
    EXPECT_TRUE(test::PumpUntil([&] { return b->Position() == 8; })) << "the repeat runs to Max";
    EXPECT_EQ(b->Model().TimerMode(), TScrollBarModel::tmStepUp) << "still held";
    test::Pump(150);
    EXPECT_EQ(changes_, 8) << "one OnChange per step, none at Max";
    Send(*b, WM_LBUTTONUP, 0, kUp);
    EXPECT_EQ(b->Model().TimerMode(), 0);
    EXPECT_NE(GetCapture(), b->Handle());
    EXPECT_FALSE(b->Model().Part(sbpUp).Down);
}

// Tests that holding the track after the thumb pages on timer ticks and stops by itself once
// the thumb has passed the mouse.
TEST_F(ScrollBarWindow, PagingStopsOnceTheThumbPassesTheMouse)
{
    auto* b = Bar();
    b->SetRange(0, 100, 0, 0);
    b->SetLargeChange(10);
    ShowForm();
    Send(*b, WM_LBUTTONDOWN, MK_LBUTTON, {150, 9});
    EXPECT_EQ(b->Position(), 10);
    EXPECT_TRUE(test::PumpUntil([&] { return b->Model().TimerMode() == 0; })) << "paging stops while held";
    // The thumb's centre is 25 + 1.5 x position: at 80 it ends at 153, past the mouse at 150.
    EXPECT_EQ(b->Position(), 80);
    EXPECT_EQ(pageDowns_, 8);
    EXPECT_EQ(pageUps_, 0);
    test::Pump(150);
    EXPECT_EQ(b->Position(), 80);
    Send(*b, WM_LBUTTONUP, 0, {150, 9});
}

// Tests that another window taking the capture mid-press stops the repeat and ends the press.
TEST_F(ScrollBarWindow, CaptureTakenByAnotherWindowStopsTheRepeat)
{
    auto* b = Bar();
    ShowForm();
    Send(*b, WM_LBUTTONDOWN, MK_LBUTTON, kUp);
    EXPECT_TRUE(test::PumpUntil([&] { return b->Position() >= 3; }));
    SetCapture(form_->Handle());
    Application->ProcessMessages();
    const int held = b->Position();
    EXPECT_EQ(b->Model().TimerMode(), 0);
    EXPECT_FALSE(b->Model().Pressed());
    EXPECT_FALSE(b->Model().Part(sbpUp).Down);
    test::Pump(300);
    ReleaseCapture();
    Send(*b, WM_LBUTTONUP, 0, kUp);
    EXPECT_EQ(b->Position(), held) << "no step after the capture went";
}

// Tests dragging the thumb under the capture past the end: Max - PageSize + 1, and
// OnLastChange once, at the release.
TEST_F(ScrollBarWindow, DragEndsWithOneLastChange)
{
    auto* b = Bar();
    b->SetRange(0, 100, 10, 0);
    ShowForm();
    const TRect thumb = b->Model().Part(sbpThumb).Rect;
    const TPoint grip{thumb.Left + 4, 9};
    Send(*b, WM_LBUTTONDOWN, MK_LBUTTON, grip);
    EXPECT_EQ(GetCapture(), b->Handle());
    for (int x : {60, 120, 400})
        Send(*b, WM_MOUSEMOVE, MK_LBUTTON, {x, 40});
    EXPECT_EQ(b->Position(), 91);
    EXPECT_EQ(changes_, 3);
    EXPECT_EQ(lastChanges_, 0);
    Send(*b, WM_LBUTTONUP, 0, {400, 40});
    EXPECT_EQ(lastChanges_, 1);
    EXPECT_FALSE(b->Model().Dragging());
}

// Tests arrow keys and the wheel through the application's input pipeline: a focusable bar
// takes the focus on a press and steps by SmallChange; a bar without CanFocused neither takes
// the focus nor moves.
TEST_F(ScrollBarWindow, KeysAndWheelMoveOnlyAFocusableBar)
{
    auto* focusable = Bar();
    focusable->SetCanFocused(true);
    focusable->SetRange(0, 100, 0, 50);
    focusable->SetSmallChange(5);
    auto* plain = Bar(Bounds(10, 60, 200, 19));
    plain->SetRange(0, 100, 0, 50);
    ShowForm();

    ClickAt(focusable->ClientToScreen({150, 9}));
    EXPECT_TRUE(focusable->Focused());
    const int start = focusable->Position();   // one page of LargeChange 1 from 50
    test::Keys({VK_RIGHT, VK_RIGHT, VK_UP});
    EXPECT_EQ(focusable->Position(), start + 5);
    test::Mouse(MOUSEEVENTF_WHEEL, static_cast<DWORD>(-WHEEL_DELTA));
    EXPECT_EQ(focusable->Position(), start + 10) << "towards the user increases";
    test::Mouse(MOUSEEVENTF_WHEEL, WHEEL_DELTA);
    EXPECT_EQ(focusable->Position(), start + 5);

    ClickAt(plain->ClientToScreen({100, 9}));
    EXPECT_FALSE(plain->Focused());
    const int plainAt = plain->Position();
    test::Keys({VK_RIGHT});
    EXPECT_EQ(plain->Position(), plainAt);
}

// Tests the shipped skin's horizontal record: its fixed ends drawn at both ends of a wider
// bar (the up button moved by the width change), and the hot up button from its active rectangle.
TEST_F(ScrollBarWindow, ShippedRecordPaintsItsFixedParts)
{
    sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    auto* b = Bar(Bounds(10, 10, 240, 17));
    b->SetSkinData(sd_);
    b->SetRange(0, 100, 0, 50);
    ShowForm();
    const auto& r = static_cast<const TspDataSkinScrollBarControl&>(
        *sd_->CtrlList[static_cast<size_t>(sd_->GetControlIndex(L"hscrollbar"))]);
    TPixelView picture = sd_->FActivePictures[static_cast<size_t>(r.PictureIndex)]->View();
    const int rightFixed = r.SkinRect.Width() - r.RTPoint.X;
    auto expectColumns = [&](const TspBitmap& img, int x, int width, TRect source) {
        int mismatches = 0;
        for (int j = 0; j < source.Height(); ++j)
            for (int i = 0; i < width; ++i)
                mismatches += Rgb(img.GetPixel(x + i, j)) != Rgb(picture.Row(source.Top + j)[source.Left + i]);
        EXPECT_EQ(mismatches, 0) << "columns from " << x;
    };
    const TspBitmap& idle = Painted(*b);
    ASSERT_EQ(idle.Height(), r.SkinRect.Height());
    expectColumns(idle, 0, r.LTPoint.X, r.SkinRect);
    expectColumns(idle, 240 - rightFixed, rightFixed,
                  TRect{r.SkinRect.Right - rightFixed, r.SkinRect.Top, r.SkinRect.Right, r.SkinRect.Bottom});

    const TRect up = b->Model().Part(sbpUp).Rect;
    EXPECT_EQ(up.Right, 240);
    Send(*b, WM_MOUSEMOVE, 0, {up.Left + 2, 8});
    ASSERT_TRUE(b->Model().Part(sbpUp).MouseIn);
    expectColumns(Painted(*b), up.Left, up.Width(), r.ActiveUpButtonRect);
}

// Tests a vertical fixture bar with a page: the parts moved by the height change, the thumb
// composed to its proportional length with its 4-pixel ends fixed; and the Both switch to the
// bar-beside-a-bar record and back.
TEST_F(ScrollBarWindow, FixtureThumbKeepsItsEndsAndBothSwitchesRecords)
{
    test::BuildFixtureSkin(*sd_);
    auto* v = Bar(Bounds(10, 10, 17, 170));
    v->SetKind(sbVertical);
    v->SetSkinDataName(F::kVScrollBar);
    v->SetSkinData(sd_);
    v->SetRange(0, 99, 50, 0);
    ShowForm();
    // Track 17..153, thumb 136 x 50 / 100 = 68 long: 17..85.
    const TspBitmap& img = Painted(*v);
    struct Row {
        int y;
        uint32_t colour;
    };
    const Row rows[] = {{5, F::kBarDownButton}, {17, F::kThumbEnd}, {20, F::kThumbEnd}, {21, F::kThumbMiddle},
                        {80, F::kThumbMiddle}, {81, F::kThumbEnd}, {84, F::kThumbEnd}, {86, F::kBarTrack},
                        {150, F::kBarTrack}, {160, F::kBarUpButton}};
    for (const Row& row : rows)
        EXPECT_EQ(Rgb(img.GetPixel(8, row.y)), row.colour) << "y " << row.y;

    auto* h = Bar(Bounds(10, 190, 200, 17));
    h->SetSkinDataName(F::kHScrollBar);
    h->SetSkinData(sd_);
    h->SetRange(0, 100, 0, 100);   // the thumb at the far end, out of the way
    h->SetBoth(true);
    EXPECT_EQ(h->SkinDataName(), F::kBothHScrollBar);
    EXPECT_EQ(Rgb(Painted(*h).GetPixel(40, 8)), F::kBarBothTrack);
    h->SetBoth(false);
    EXPECT_EQ(h->SkinDataName(), F::kHScrollBar);
    EXPECT_EQ(Rgb(Painted(*h).GetPixel(40, 8)), F::kBarTrack);
}

} // namespace
} // namespace vt
