// The skin control base with real windows: controls follow every skin change (record, size,
// region), paint the default look while a skin is being replaced, blend over their parent, take
// the skin cursor, and pass the parent-background notice to their children.
#include "controls/graphic_skin_control_win.h"
#include "controls/skin_control_win.h"
#include "unit/controls/fixture_skin.h"
#include "framework/win/forms.h"
#include "raster/bitmap_win.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "painted_image.h"
#include "support.h"
#include "win/controls/skinned_form_test.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using F = test::FixtureSkin;

uint32_t Rgb(const TspBitmap& b, int x, int y) { return b.GetPixel(x, y) & 0xFFFFFF; }
uint32_t FaceColour()
{
    COLORREF c = GetSysColor(COLOR_BTNFACE);
    return uint32_t(GetRValue(c)) << 16 | uint32_t(GetGValue(c)) << 8 | GetBValue(c);
}

// A pixel of the control's image as it paints it.
uint32_t Painted(TControl& c, int x, int y)
{
    TspBitmap b;
    test::PaintControlImage(c, b);
    return Rgb(b, x, y);
}

bool HasWindowRegion(TWinControl& c)
{
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    int kind = GetWindowRgn(c.Handle(), probe);
    DeleteObject(probe);
    return kind != ERROR;
}

template <class T> T* Child(TForm& form, TWinControl* parent, TRect r, const wchar_t* name = L"")
{
    auto* c = new T(&form);
    c->SetSkinDataName(name);
    c->SetBounds(r.Left, r.Top, r.Width(), r.Height());
    c->SetParent(parent);
    return c;
}

class SkinnedForm : public test::SkinnedFormTest {
protected:
    test::ScratchDir dir_{"controls-fixture"};
};

// Tests a control bound to "button" through every shipped skin, the fixture, no skin and the
// default skin again: each switch re-reads the record (size and region), a paint between the
// begin-change and the change draws the default look, and no skin restores the default size.
TEST_F(SkinnedForm, ButtonFollowsEverySkinSwitch)
{
    auto* button = Child<TspSkinCustomControl>(*form_, form_.get(), Rect(10, 10, 130, 40), F::kButton);
    button->SetDefaultWidth(75);
    button->SetDefaultHeight(25);
    auto* fixed = Child<TspSkinCustomControl>(*form_, form_.get(), Rect(10, 60, 50, 100), F::kFixed);
    button->SetSkinData(sd_);
    fixed->SetSkinData(sd_);
    form_->Handle();

    uint32_t paintedDuringChange = 0;
    onBeginChange = [&] { paintedDuringChange = Painted(*button, 20, 10); };

    const std::wstring fixture = test::WriteFixtureSkin(dir_.Path().wstring());
    struct Step {
        const char* what;
        std::function<void()> load;
        int height;       // the button's height after the switch
        bool region;      // the button's mask region
        bool fixedRegion; // the fixture's masked mode-0 control
    } steps[] = {
        {"carbonel", [&] { sd_->LoadFromFile(test::SourcePath("skins/carbonel/skin.ini")); }, 27, true, false},
        {"velin", [&] { sd_->LoadFromFile(test::SourcePath("skins/velin/skin.ini")); }, 27, true, false},
        {"fixture", [&] { sd_->LoadFromFile(fixture); }, 20, true, true},
        {"no skin", [&] { sd_->ClearSkin(); }, 25, false, false},
        {"zozaziz", [&] { sd_->LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini")); }, 27, true, false},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.what);
        paintedDuringChange = 0;
        s.load();
        EXPECT_EQ(paintedDuringChange, FaceColour());
        EXPECT_EQ(button->HasRecord(), s.height != 25);
        EXPECT_EQ(button->Height(), s.height);
        EXPECT_EQ(button->Width(), 75) << "the default width, which mode 2 keeps";
        EXPECT_EQ(HasWindowRegion(*button), s.region);
        EXPECT_EQ(HasWindowRegion(*fixed), s.fixedRegion);
        if (s.fixedRegion) {
            EXPECT_EQ(fixed->BoundsRect(), Bounds(10, 60, 30, 25)) << "mode 0 takes the skin's size";
        }
    }
    // The skin look is back: the default skin's button is not the face colour everywhere.
    EXPECT_NE(Painted(*button, 1, 1), FaceColour());
}

// Tests that a skin whose record lost its mask removes the window region, and that renaming the
// record stores the name only until the next lookup.
TEST_F(SkinnedForm, RegionGoesWithTheMaskAndNameTakesEffectAtNextLookup)
{
    auto* c = Child<TspSkinCustomControl>(*form_, form_.get(), Rect(10, 10, 110, 30), F::kButton);
    test::BuildFixtureSkin(*sd_);
    c->SetSkinData(sd_);
    ASSERT_TRUE(HasWindowRegion(*c));

    static_cast<TspDataSkinControl&>(*sd_->CtrlList[0]).MaskPictureIndex = -1;
    sd_->SendSkinDataMessage(SKINMSG_CHANGED);
    EXPECT_FALSE(HasWindowRegion(*c));

    c->SetSkinDataName(F::kVertical);
    EXPECT_EQ(c->Height(), 20) << "no refresh on a name change";
    EXPECT_EQ(Painted(*c, 10, 10), F::kVerticalMiddle) << "the next paint uses the new record";
    c->SetBounds(10, 10, 100, 60);
    EXPECT_EQ(c->Width(), 20) << "mode 3 pins the width";
    EXPECT_EQ(c->Height(), 60);
}

// Tests AlphaBlend at the ends and the middle of its range over a blue form, windowed and
// window-less, and the default look, blank-parent look and skin cursor without or with records.
TEST_F(SkinnedForm, BlendsOverTheParentAndTakesTheSkinCursor)
{
    form_->SetColor(RGBColor(0, 0, 255));
    test::BuildFixtureSkin(*sd_);
    auto* windowed = Child<TspSkinCustomControl>(*form_, form_.get(), Rect(10, 10, 40, 35), F::kFixed);
    auto* graphic = Child<TspGraphicSkinCustomControl>(*form_, form_.get(), Rect(60, 10, 90, 35), F::kFixed);
    for (TControl* c : {static_cast<TControl*>(windowed), static_cast<TControl*>(graphic)}) {
        auto* layer = dynamic_cast<TSkinControlLayer<TCustomControl>*>(c);
        auto* glayer = dynamic_cast<TSkinControlLayer<TGraphicControl>*>(c);
        auto setAlpha = [&](bool on, uint8_t v) {
            if (layer) {
                layer->SetSkinData(sd_);
                layer->SetAlphaBlend(on);
                layer->SetAlphaBlendValue(v);
            } else {
                glayer->SetSkinData(sd_);
                glayer->SetAlphaBlend(on);
                glayer->SetAlphaBlendValue(v);
            }
        };
        SCOPED_TRACE(c->IsWindowed() ? "windowed" : "window-less");
        setAlpha(true, 255);
        EXPECT_EQ(Painted(*c, 5, 20), F::kFixedColour);
        setAlpha(true, 0);
        EXPECT_EQ(Painted(*c, 5, 20), 0x0000FFu);
        setAlpha(true, 128);
        uint32_t mixed = Painted(*c, 5, 20);
        EXPECT_NEAR(int(mixed >> 16), 0xC0 * 128 / 255, 2);
        EXPECT_NEAR(int(mixed & 0xFF), (0xC0 * 128 + 0xFF * 127) / 255, 2);
        setAlpha(false, 200);
    }

    // Without a record: the face colour, or the parent's image with DrawDefault off.
    auto* none = Child<TspSkinControl>(*form_, form_.get(), Rect(10, 50, 40, 70), L"nosuchrecord");
    none->SetSkinData(sd_);
    EXPECT_EQ(Painted(*none, 5, 5), FaceColour());
    none->SetDrawDefault(false);
    EXPECT_EQ(Painted(*none, 5, 5), 0x0000FFu);

    // The skin cursor: a plain control reads the bevel record's cursor; a custom control counts
    // a record of another kind as none and takes the default cursor.
    auto* plain = Child<TspSkinControl>(*form_, form_.get(), Rect(10, 80, 40, 100), F::kNotCustom);
    auto* custom = Child<TspSkinCustomControl>(*form_, form_.get(), Rect(50, 80, 80, 100), F::kNotCustom);
    for (auto* c : {static_cast<TSkinControlLayer<TCustomControl>*>(plain),
                    static_cast<TSkinControlLayer<TCustomControl>*>(custom)}) {
        c->SetCursor(crIBeam);
        c->SetUseSkinCursor(true);
        c->SetSkinData(sd_);
    }
    EXPECT_EQ(plain->Cursor(), sd_->StartCursorIndex + 0);
    EXPECT_EQ(custom->Cursor(), crDefault);
    EXPECT_FALSE(custom->HasRecord());
}

// Tests the parent-background notice: sent to windowed children, performed on window-less ones,
// repainting only the alpha-blended ones; and moving an alpha-blended control repaints it.
TEST_F(SkinnedForm, ParentBackgroundNoticeReachesChildren)
{
    test::BuildFixtureSkin(*sd_);
    auto* parent = Child<TspSkinCustomControl>(*form_, form_.get(), Rect(0, 0, 200, 150), F::kPanel);
    auto* blended = Child<TspSkinCustomControl>(*form_, parent, Rect(10, 10, 40, 35), F::kFixed);
    auto* opaque = Child<TspSkinCustomControl>(*form_, parent, Rect(60, 10, 90, 35), F::kFixed);
    auto* graphic = Child<TspGraphicSkinCustomControl>(*form_, parent, Rect(110, 10, 140, 35), F::kFixed);
    for (auto* c : {parent, blended, opaque})
        c->SetSkinData(sd_);
    graphic->SetSkinData(sd_);
    parent->SetAlphaBlend(true);
    blended->SetAlphaBlend(true);
    graphic->SetAlphaBlend(true);
    form_->Show();

    int notices[3] = {};
    auto count = [](int& n) {
        return [&n](TMessage& m, const TWndMethod& previous) {
            if (m.Msg == SKINMSG_PARENT_BG_CHANGED)
                ++n;
            previous(m);
        };
    };
    TWindowProcHook h1(*blended, count(notices[0])), h2(*opaque, count(notices[1])), h3(*graphic, count(notices[2]));
    UpdateWindow(form_->Handle());
    for (TWinControl* w : {static_cast<TWinControl*>(parent), static_cast<TWinControl*>(blended),
                           static_cast<TWinControl*>(opaque)})
        ValidateRect(w->Handle(), nullptr);

    SendMessageW(parent->Handle(), SKINMSG_PARENT_BG_CHANGED, 0, 0);
    EXPECT_EQ(notices[0], 1);
    EXPECT_EQ(notices[1], 1);
    EXPECT_EQ(notices[2], 1);
    EXPECT_TRUE(GetUpdateRect(blended->Handle(), nullptr, FALSE));
    EXPECT_FALSE(GetUpdateRect(opaque->Handle(), nullptr, FALSE));
    RECT r{};
    ASSERT_TRUE(GetUpdateRect(parent->Handle(), &r, FALSE));

    ValidateRect(blended->Handle(), nullptr);
    blended->SetLeft(15);
    EXPECT_TRUE(GetUpdateRect(blended->Handle(), nullptr, FALSE)) << "a move repaints a blended control";
}

} // namespace
} // namespace vt
