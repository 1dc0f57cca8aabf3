// The skinned label with real windows: AutoSize follows the caption, the default font and a skin
// change (and leaves an aligned label alone), a transparent label shows its parent, the skin look
// keeps the record's height (again at once when UseSkinSize comes back on), and the accelerator
// focuses FocusControl.
#include "controls/check_radio_win.h"
#include "controls/label_win.h"
#include "raster/bitmap_win.h"
#include "raster/caption_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "support.h"
#include "win/controls/skinned_form_test.h"
#include "win/framework/real_input.h"
#include "win/controls/painted_image.h"

#include <gtest/gtest.h>

#include <optional>

namespace vt {
namespace {

class SkinLabel : public test::SkinnedFormTest {
protected:
    void SetUp() override
    {
        SkinnedFormTest::SetUp();
        form_->SetClientWidth(420);
        form_->SetClientHeight(200);
        form_->SetColor(RGBColor(0, 0, 255));
    }
    void TearDown() override
    {
        SkinnedFormTest::TearDown();
        test::Pump(20);
    }

    TspSkinLabel* Label(const wchar_t* caption, TRect r)
    {
        auto* l = new TspSkinLabel(form_.get());
        l->SetCaption(caption);
        l->SetBounds(r.Left, r.Top, r.Width(), r.Height());
        l->SetParent(form_.get());
        l->SetSkinData(sd_);
        return l;
    }

    // The caption's width in a font, measured as the label measures it.
    static int TextWidth(const std::wstring& text, const std::wstring& face, int height, TFontStyles style)
    {
        TspBitmap b;
        b.SetSize(1, 1);
        TCanvas& c = GetCanvas(b);
        c.Font().SetName(face);
        c.Font().SetHeight(height);
        c.Font().SetStyle(style);
        return MeasureTextWidthPrefixed(c, text);
    }

    static uint32_t PaintedAt(TspSkinLabel& l, int x, int y)
    {
        TspBitmap b;
        test::PaintControlImage(l, b);
        return b.GetPixel(x, y) & 0xFFFFFF;
    }

};

// Tests AutoSize without a record: the width becomes the caption + 4 and follows a longer and a
// shorter caption and a bigger default font; aligned to the client area the width stays.
TEST_F(SkinLabel, AutoSizeFollowsCaptionAndFont)
{
    const std::wstring shortText = L"Short", longText = L"A much longer caption than before";
    auto* l = Label(shortText.c_str(), Rect(10, 10, 85, 31));
    l->SetAutoSize(true);
    EXPECT_EQ(l->Width(), TextWidth(shortText, L"Tahoma", 13, 0) + 4);
    l->SetCaption(longText);
    EXPECT_EQ(l->Width(), TextWidth(longText, L"Tahoma", 13, 0) + 4);
    l->SetCaption(shortText);
    EXPECT_EQ(l->Width(), TextWidth(shortText, L"Tahoma", 13, 0) + 4) << "a shorter caption narrows it";
    l->DefaultFont().SetHeight(20);
    EXPECT_EQ(l->Width(), TextWidth(shortText, L"Tahoma", 20, 0) + 4);

    auto* panel = new TspSkinCustomControl(form_.get());
    panel->SetBounds(0, 100, 300, 60);
    panel->SetParent(form_.get());
    auto* aligned = new TspSkinLabel(form_.get());
    aligned->SetParent(panel);
    aligned->SetAlign(alClient);
    aligned->SetAutoSize(true);
    aligned->SetCaption(longText);
    EXPECT_EQ(aligned->Width(), 300);
}

// Tests a skin change: the default skin's label record pins the height to 18 and AutoSize widens
// the label so the caption fits its client rectangle in the record's bold font; without the
// skin the default size comes back only through DefaultWidth and DefaultHeight.
TEST_F(SkinLabel, AutoSizeFollowsASkinChange)
{
    const std::wstring text = L"A caption wider than the skin's client";
    auto* l = Label(text.c_str(), Rect(10, 10, 85, 31));
    l->SetAutoSize(true);
    const int plain = l->Width();
    sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_TRUE(l->HasRecord());
    EXPECT_EQ(l->Height(), 18);
    // The record is 100 wide with a client 88 wide: 12 pixels of frame around the caption.
    EXPECT_EQ(l->Width(), TextWidth(text, L"Tahoma", 13, fsBold) + 12);
    EXPECT_EQ(l->ClientAreaWidth(), l->Width() - 12) << "the client rectangle follows the width";
    EXPECT_GT(l->Width(), plain) << "bold is wider";
    EXPECT_FALSE(l->HasSkinRegion()) << "the label record has no mask";
}

// Tests UseSkinSize on the default skin's label (a band 18 high): off, any height goes and the
// client rectangle follows the width; on again, the skin's height comes back at once.
TEST_F(SkinLabel, UseSkinSizeTakesTheSkinsHeightAgain)
{
    auto* l = Label(L"Caption", Rect(10, 10, 110, 31));
    sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_EQ(l->Height(), 18);
    l->SetUseSkinSize(false);
    l->SetBounds(10, 10, 150, 40);
    EXPECT_EQ(l->Height(), 40);
    EXPECT_EQ(l->ClientAreaWidth(), 138);
    l->SetUseSkinSize(true);
    EXPECT_EQ(l->Height(), 18);
    EXPECT_EQ(l->Width(), 150);
}

// Tests the looks: a transparent label shows its parent beside the caption, the default look has
// its face and frame, and a fixed-size label record turns AutoSize off.
TEST_F(SkinLabel, TransparentShowsTheParentAndDefaultLookHasItsFrame)
{
    auto* l = Label(L"Hi", Rect(10, 10, 110, 40));
    COLORREF face = GetSysColor(COLOR_BTNFACE), shadow = GetSysColor(COLOR_BTNSHADOW);
    auto rgb = [](COLORREF c) { return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c); };
    EXPECT_EQ(PaintedAt(*l, 0, 0), rgb(shadow));
    EXPECT_EQ(PaintedAt(*l, 90, 15), rgb(face));
    l->SetBorderStyle(bvNone);
    EXPECT_EQ(PaintedAt(*l, 0, 0), rgb(face));
    l->SetTransparent(true);
    EXPECT_EQ(PaintedAt(*l, 90, 15), 0x0000FFu);
    EXPECT_EQ(PaintedAt(*l, 0, 0), 0x0000FFu);

    sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    EXPECT_EQ(PaintedAt(*l, 90, 5), 0x0000FFu) << "transparent over a record too";
    auto& record = static_cast<TspDataSkinLabelControl&>(*sd_->CtrlList[size_t(sd_->GetControlIndex(L"label"))]);
    record.RTPoint = {};
    record.LTPoint = {};
    l->SetAutoSize(true);
    sd_->SendSkinDataMessage(SKINMSG_CHANGED);
    EXPECT_FALSE(l->AutoSize()) << "a fixed-size record turns AutoSize off";
    EXPECT_EQ(l->Width(), 100);
}

// Tests that Alt and the label's accelerator focus its FocusControl.
TEST_F(SkinLabel, AcceleratorFocusesTheFocusControl)
{
    auto* target = new TspSkinCheckRadioBox(form_.get());
    target->SetCaption(L"Target");
    target->SetBounds(10, 60, 150, 25);
    target->SetParent(form_.get());
    auto* other = new TspSkinCheckRadioBox(form_.get());
    other->SetCaption(L"Other");
    other->SetBounds(10, 100, 150, 25);
    other->SetParent(form_.get());
    auto* l = Label(L"&Name", Rect(10, 10, 110, 31));
    l->SetFocusControl(target);
    form_->Show();
    SetForegroundWindow(form_->Handle());
    other->SetFocus();
    test::Pump(100);
    test::Chord({VK_MENU, 'N'});
    EXPECT_TRUE(target->Focused());
    EXPECT_FALSE(target->Checked()) << "the label only moves the focus";
}

} // namespace
} // namespace vt
