// The check/radio box with real windows and input: clicks, the space bar and accelerators toggle
// and group, a drag out and a lost capture toggle nothing, the check image drawn is the skin's
// picture (grayed, lightened, disabled), a rectangle outside the picture draws nothing, the
// framed look takes the skin's height, fades on hover and has the mask's shape, the flat one none.
#include "controls/check_radio_win.h"
#include "raster/bitmap_win.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "support.h"
#include "win/controls/skinned_form_test.h"
#include "unit/controls/fixture_skin.h"
#include "win/framework/real_input.h"
#include "win/controls/painted_image.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace vt {
namespace {

constexpr uint32_t kParent = 0x0000FF;  // the form's colour as 0xRRGGBB

uint32_t Rgb(uint32_t pixel) { return pixel & 0xFFFFFF; }

class CheckRadio : public test::SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        form_->SetClientWidth(420);
        form_->SetClientHeight(260);
        form_->SetColor(RGBColor(0, 0, 255));
        sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    }
    void TearDown() override
    {
        SkinnedFormTest::TearDown();
        test::Pump(20);
    }

    TspSkinCheckRadioBox* Box(const wchar_t* name, TRect r, bool radio = false, TWinControl* parent = nullptr)
    {
        auto* c = new TspSkinCheckRadioBox(form_.get());
        if (radio) {
            c->SetRadio(true);
            c->SetSkinDataName(L"radiobox");
            c->SetGroupIndex(1);
        }
        c->SetCaption(name);
        c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        c->SetParent(parent ? parent : form_.get());
        c->SetSkinData(sd_);
        c->OnClick = [this, name](TObject*) { clicks_.push_back(name); };
        return c;
    }

    void ShowForm()
    {
        form_->Show();
        SetForegroundWindow(form_->Handle());
        test::Pump(100);
    }

    static TPoint Centre(TControl& c) { return c.ClientToScreen({c.Width() / 2, c.Height() / 2}); }
    static void MoveTo(TPoint p)
    {
        SetCursorPos(p.X, p.Y);
        test::Mouse(MOUSEEVENTF_MOVE);
    }
    static void ClickAt(TPoint p)
    {
        MoveTo(p);
        test::Mouse(MOUSEEVENTF_LEFTDOWN);
        test::Mouse(MOUSEEVENTF_LEFTUP);
    }

    // The control's image as it paints it.
    TspBitmap& Painted(TspSkinCheckRadioBox& c)
    {
        test::PaintControlImage(c, painted_);
        return painted_;
    }

    const TspDataSkinCheckRadioControl& Record(const wchar_t* name)
    {
        return static_cast<const TspDataSkinCheckRadioControl&>(*sd_->CtrlList[size_t(sd_->GetControlIndex(name))]);
    }
    TPixelView Picture(const TspDataSkinCheckRadioControl& r) { return sd_->FActivePictures[size_t(r.PictureIndex)]->View(); }

    // Compares the image drawn at (x, y) with rect of the picture: the picture's pixels where
    // they are not the rectangle's bottom-left colour, the parent where they are. lighten maps
    // each channel c to (c + 255) / 2, within one.
    void ExpectImageAt(const TspBitmap& painted, int x, int y, TPixelView picture, TRect rect, bool lighten = false)
    {
        const uint32_t key = Rgb(picture.Row(rect.Bottom - 1)[rect.Left]);
        int mismatches = 0;
        for (int j = 0; j < rect.Height(); ++j)
            for (int i = 0; i < rect.Width(); ++i) {
                const uint32_t src = Rgb(picture.Row(rect.Top + j)[rect.Left + i]);
                const uint32_t got = Rgb(painted.GetPixel(x + i, y + j));
                if (src == key) {
                    mismatches += got != kParent;
                    continue;
                }
                if (!lighten) {
                    mismatches += got != src;
                    continue;
                }
                for (int shift : {0, 8, 16}) {
                    int want = ((int(src >> shift) & 0xFF) + 255) / 2, have = int(got >> shift) & 0xFF;
                    if (std::abs(want - have) > 1) {
                        ++mismatches;
                        break;
                    }
                }
            }
        EXPECT_EQ(mismatches, 0) << "image " << rect.Left << "," << rect.Top;
    }

    std::vector<std::wstring> clicks_;
    TspBitmap painted_;
};

// Tests that the flat box draws the record's image for each state at x = 3, centred on its
// height, over the parent's image: unchecked, checked, grayed, disabled; a grayed state without
// a grayed picture draws the checked image lightened; an image outside the picture draws nothing.
TEST_F(CheckRadio, FlatBoxDrawsTheSkinsCheckImages)
{
    auto* box = Box(L"Show icon", Rect(10, 10, 160, 35));
    box->SetAllowGrayed(true);
    const auto& r = Record(L"checkbox");
    const TPixelView picture = Picture(r);
    const int y = (25 - r.CheckImageRect.Height()) / 2;

    ExpectImageAt(Painted(*box), 3, y, picture, r.UnCheckImageRect);
    box->SetChecked(true);
    ExpectImageAt(Painted(*box), 3, y, picture, r.CheckImageRect);
    box->SetState(cbGrayed);
    ExpectImageAt(Painted(*box), 3, y, picture, r.GrayedCheckImageRect);
    box->SetChecked(true);
    box->SetEnabled(false);
    ExpectImageAt(Painted(*box), 3, y, picture, r.UnEnabledCheckImageRect);
    box->SetEnabled(true);

    auto& record = const_cast<TspDataSkinCheckRadioControl&>(r);
    record.GrayedCheckImageRect = {};
    box->SetState(cbGrayed);
    ExpectImageAt(Painted(*box), 3, y, picture, r.CheckImageRect, true);

    record.CheckImageRect = Bounds(picture.Width - 5, 0, 13, 13);
    const TspBitmap& none = Painted(*box);
    int drawn = 0;
    for (int j = 0; j < 25; ++j)
        for (int i = 0; i < 20; ++i)
            drawn += Rgb(none.GetPixel(i, j)) != kParent;
    EXPECT_EQ(drawn, 0) << "a rectangle reaching past the picture draws nothing";
}

// Tests real clicks, keys and accelerators on a radio group and a check box with AllowGrayed.
TEST_F(CheckRadio, ClicksKeysAndAcceleratorsToggleAndGroup)
{
    auto* a = Box(L"&Apple", Rect(10, 10, 160, 35), true);
    auto* b = Box(L"&Berry", Rect(10, 40, 160, 65), true);
    auto* c = Box(L"&Cherry", Rect(10, 70, 160, 95), true);
    auto* panel = new TspSkinCustomControl(form_.get());
    panel->SetSkinDataName(L"nosuchrecord");
    panel->SetBounds(200, 10, 200, 60);
    panel->SetParent(form_.get());
    auto* other = Box(L"Other", Rect(10, 10, 160, 35), true, panel);
    auto* e = Box(L"&Grayable", Rect(10, 110, 160, 135));
    e->SetAllowGrayed(true);
    a->SetChecked(true);
    other->SetChecked(true);
    ShowForm();
    clicks_.clear();

    ClickAt(Centre(*b));
    EXPECT_TRUE(b->Checked());
    EXPECT_FALSE(a->Checked());
    EXPECT_TRUE(other->Checked()) << "another parent's group is left alone";
    EXPECT_EQ(clicks_, (std::vector<std::wstring>{L"&Berry"})) << "the unchecked radio raises nothing";
    ClickAt(Centre(*b));
    EXPECT_TRUE(b->Checked());
    EXPECT_EQ(clicks_.size(), 1u) << "a checked radio stays checked, no click";

    clicks_.clear();
    const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked};
    for (TCheckBoxState want : cycle) {
        ClickAt(Centre(*e));
        EXPECT_EQ(e->State(), want);
    }
    EXPECT_EQ(clicks_.size(), 3u);
    EXPECT_TRUE(e->Focused()) << "a press focuses the box";

    // Pressed, dragged out, released: nothing.
    MoveTo(Centre(*e));
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    EXPECT_TRUE(e->Down());
    MoveTo(e->ClientToScreen({e->Width() + 30, 5}));
    EXPECT_FALSE(e->MouseIn());
    test::Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(e->State(), cbUnchecked);

    // A press whose capture another window takes ends without a toggle.
    MoveTo(Centre(*e));
    test::Mouse(MOUSEEVENTF_LEFTDOWN);
    SetCapture(form_->Handle());
    test::Pump();
    EXPECT_FALSE(e->Down());
    ReleaseCapture();
    test::Mouse(MOUSEEVENTF_LEFTUP);
    EXPECT_EQ(e->State(), cbUnchecked);
    EXPECT_EQ(clicks_.size(), 3u);

    test::Keys({VK_SPACE});
    EXPECT_EQ(e->State(), cbChecked) << "the space bar toggles the focused box (no grayed step)";

    test::Chord({VK_MENU, 'C'});
    EXPECT_TRUE(c->Focused());
    EXPECT_TRUE(c->Checked());
    EXPECT_FALSE(b->Checked());

    e->SetCanFocused(false);
    test::Chord({VK_MENU, 'G'});
    EXPECT_EQ(e->State(), cbChecked) << "no accelerator without CanFocused";
}

// Tests the framed look: the record's horizontal band pins the height to the skin's 20, and
// hovering fades the factor to 1 and leaving fades it back to 0, a tick at a time.
TEST_F(CheckRadio, FramedBoxTakesTheSkinHeightAndFades)
{
    auto* box = Box(L"Framed", Rect(10, 10, 160, 35));
    box->SetFlat(false);
    box->SetCanFocused(false);
    EXPECT_EQ(box->Height(), 20);
    EXPECT_EQ(box->Width(), 150);
    ShowForm();
    MoveTo(form_->ClientToScreen({300, 200}));
    test::Pump(150);
    EXPECT_EQ(box->FadeFactor(), 0.0);

    MoveTo(Centre(*box));
    EXPECT_TRUE(box->MouseIn());
    EXPECT_LT(box->FadeFactor(), 1.0) << "a fade, not a jump";
    EXPECT_TRUE(test::PumpUntil([&] { return box->FadeFactor() == 1.0; }));
    MoveTo(form_->ClientToScreen({300, 200}));
    EXPECT_TRUE(test::PumpUntil([&] { return box->FadeFactor() == 0.0; }));

    box->SetFlat(true);
    box->SetBounds(10, 10, 150, 25);
    EXPECT_EQ(box->Height(), 25) << "the flat look takes any size";
}

// Tests the framed look's pixels from a record with a hot rectangle of its own: the normal look
// away from the mouse, the hot look once the fade has run, the check image at its area's place.
TEST_F(CheckRadio, FramedLookDrawsNormalAndHotRectangles)
{
    using F = test::FixtureSkin;
    test::BuildFixtureSkin(*sd_);
    auto* box = new TspSkinCheckRadioBox(form_.get());
    box->SetSkinDataName(F::kCheckBox);
    box->SetFlat(false);
    box->SetCanFocused(false);
    box->SetBounds(10, 10, 100, 25);
    box->SetParent(form_.get());
    box->SetSkinData(sd_);
    box->SetChecked(true);
    EXPECT_EQ(box->Height(), 20);
    ShowForm();
    MoveTo(form_->ClientToScreen({300, 200}));
    test::Pump(150);
    const TspBitmap& normal = Painted(*box);
    EXPECT_EQ(Rgb(normal.GetPixel(60, 10)), F::kCheckNormal);
    EXPECT_EQ(Rgb(normal.GetPixel(5, 6)), F::kCheckMark);
    EXPECT_EQ(Rgb(normal.GetPixel(2, 15)), F::kCheckNormal) << "the image's key colour is transparent";

    MoveTo(Centre(*box));
    test::Pump(250);
    ASSERT_EQ(box->FadeFactor(), 1.0);
    const TspBitmap& hot = Painted(*box);
    EXPECT_EQ(Rgb(hot.GetPixel(60, 10)), F::kCheckHot);
    EXPECT_EQ(Rgb(hot.GetPixel(5, 6)), F::kCheckMark);
}

// Tests that a masked record cuts the framed box to its shape, and that the flat look drops the
// region, and says so, until the box is framed again.
TEST_F(CheckRadio, FlatLookDropsTheMasksRegion)
{
    using F = test::FixtureSkin;
    test::BuildFixtureSkin(*sd_);
    const_cast<TspDataSkinCheckRadioControl&>(Record(F::kCheckBox)).MaskPictureIndex = 1;  // the button's mask
    auto* box = new TspSkinCheckRadioBox(form_.get());
    box->SetSkinDataName(F::kCheckBox);
    box->SetFlat(false);
    box->SetBounds(10, 10, 40, 20);
    box->SetParent(form_.get());
    box->SetSkinData(sd_);
    ShowForm();
    auto windowHasRegion = [&] {
        HRGN rgn = CreateRectRgn(0, 0, 0, 0);
        const bool has = GetWindowRgn(box->Handle(), rgn) != ERROR;
        DeleteObject(rgn);
        return has;
    };
    EXPECT_TRUE(box->HasSkinRegion());
    EXPECT_TRUE(windowHasRegion());
    box->SetFlat(true);
    EXPECT_FALSE(box->HasSkinRegion());
    EXPECT_FALSE(windowHasRegion());
    box->SetFlat(false);
    EXPECT_TRUE(box->HasSkinRegion());
    EXPECT_TRUE(windowHasRegion());
}

} // namespace
} // namespace vt
