// Painting a level with the menu fixture: the masked frame's region, items that show the frame
// through, animation frames, the gradient morph, the check, radio and arrow pictures and the
// header record.
#include "menu_fakes.h"
#include "menu_fixture_skin.h"
#include "menus/popup_level.h"
#include "menus/popup_paint.h"
#include "raster/region.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>

namespace vt {
namespace {

using F = test::MenuFixtureSkin;
using test::AddItem;

enum Row { rHeader, rPlain, rChecked, rRadio, rSub, rCount };

class MenuFixturePaint : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::BuildMenuFixtureSkin(sd);
        TMenuItem* root = menu.Items();
        AddItem(root, L"-Header-", false);
        AddItem(root, L"Plain");
        AddItem(root, L"Checked")->Checked = true;
        TMenuItem* radio = AddItem(root, L"Radio");
        radio->Checked = true;
        radio->RadioItem = true;
        AddItem(AddItem(root, L"Sub"), L"Child");

        level = std::make_unique<TspPopupLevel>(nullptr, MenuLevelLook(&sd));
        ASSERT_TRUE(level->Build(menu.Items(), 0));
        ASSERT_EQ(level->Count(), rCount);
        level->CalcPopupSize(&text, Rect(0, 0, 1024, 768));
        level->LayoutItems();
        Paint();
    }
    void Paint()
    {
        TMenuPaintSources sources;
        sources.Skin = &sd;
        sources.Text = &text;
        PaintPopupLevel(*level, sources, out);
        ASSERT_EQ(out.Width(), level->Width);
    }
    // Holds item i in a state: active ones settled at the active look.
    void SetState(int i, bool active, int frame = 0)
    {
        TspSkinMenuItem& item = level->Item(i);
        item.Active = active;
        item.MorphKf = active ? 1 : 0;
        item.CurrentFrame = frame;
    }
    TRect ItemRect(int i) const { return level->Item(i).ObjectRect; }
    uint32_t Rgb(int x, int y) const { return out.GetPixel(x, y) & 0xFFFFFF; }
    uint32_t ItemMiddle(int i) const
    {
        const TRect r = ItemRect(i);
        return Rgb(r.Left + r.Width() / 2, r.Top + r.Height() / 2);
    }
    int Count(const TRect& r, uint32_t rgb) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += Rgb(x, y) == rgb;
        return n;
    }

    TspSkinData sd{nullptr};
    TPopupMenu menu{nullptr};
    test::TFakeText text;
    std::unique_ptr<TspPopupLevel> level;
    TspBitmap out;
};

bool Contains(const TRegion& region, TPoint p)
{
    for (const TRect& r : region.Rects)
        if (r.Contains(p))
            return true;
    return false;
}

// Tests that the mask's region at the level's size leaves out the cut corners, and only them.
TEST_F(MenuFixturePaint, MaskCutsTheCornersOfTheLevelRegion)
{
    const TMenuLevelLook& look = level->Look();
    ASSERT_TRUE(look.HasFrame);
    const int W = level->Width, H = level->Height;
    ASSERT_GT(W, F::kFrameSize);
    const TPixelImage* mask = MenuPicture(sd, sd.PopupWindow->MaskPictureIndex);
    ASSERT_NE(mask, nullptr);
    const std::optional<TRegion> region = BuildFramedRegion(look.Frame,
        ResizeFrameGeometry(look.Frame, look.FrameWidth, look.FrameHeight, W, H), *mask, W, H);
    ASSERT_TRUE(region.has_value());

    const int c = F::kCornerCut;
    for (TPoint p : {TPoint{0, 0}, TPoint{c - 1, 0}, TPoint{0, c - 1}, TPoint{W - 1, 0}, TPoint{W - c, 0},
             TPoint{0, H - 1}, TPoint{0, H - c}, TPoint{W - 1, H - 1}, TPoint{W - 1, H - c}})
        EXPECT_FALSE(Contains(*region, p)) << p.X << "," << p.Y;
    for (TPoint p : {TPoint{c, 0}, TPoint{0, c}, TPoint{W / 2, 0}, TPoint{W - 1, H / 2}, TPoint{W / 2, H - 1},
             TPoint{W - c - 1, H - 1}, TPoint{W / 2, H / 2}})
        EXPECT_TRUE(Contains(*region, p)) << p.X << "," << p.Y;
    EXPECT_EQ(Rgb(W / 2, 0), F::kFrameBorder);
    EXPECT_EQ(Rgb(0, H / 2), F::kFrameBorder);
}

// Tests the item backgrounds: the frame through a normal item, the active look, an animation
// frame over either, and the header record's picture.
TEST_F(MenuFixturePaint, DrawsEachItemBackgroundFromItsSource)
{
    struct Case {
        const char* What;
        Row Item;
        bool Active;
        int Frame;
        uint32_t Colour;
    } cases[] = {
        {"normal item shows the frame", rPlain, false, 0, F::kFrameClient},
        {"active item", rPlain, true, 0, F::kItemActive},
        {"normal item at frame 2", rPlain, false, 2, F::kAnimation[1]},
        {"active item at frame 3", rPlain, true, 3, F::kAnimation[2]},
        {"frames past the last leave the normal look", rPlain, false, F::kFrameCount + 1, F::kFrameClient},
        {"disabled header", rHeader, false, 0, F::kHeaderColour},
    };
    for (const Case& c : cases) {
        SetState(c.Item, c.Active, c.Frame);
        Paint();
        EXPECT_EQ(ItemMiddle(c.Item), c.Colour) << c.What;
        EXPECT_EQ(Rgb(ItemRect(c.Item).Left, ItemRect(c.Item).Top), c.Colour) << c.What;
        SetState(c.Item, false);
    }
}

// Tests that a half-morphed item follows the skin's gradient kind: the active look opens from the
// middle while the ends still show the normal one.
TEST_F(MenuFixturePaint, MorphsByTheSkinsGradient)
{
    TspSkinMenuItem& item = level->Item(rPlain);
    item.Active = true;
    item.MorphKf = 0.5;
    Paint();
    const TRect r = ItemRect(rPlain);
    const int y = r.Top + r.Height() / 2;
    EXPECT_EQ(Rgb(r.Left + r.Width() / 2, y), F::kItemActive);
    auto distance = [](uint32_t a, uint32_t b) {
        int d = 0;
        for (int shift : {0, 8, 16})
            d += std::abs(int((a >> shift) & 0xFF) - int((b >> shift) & 0xFF));
        return d;
    };
    for (int x : {r.Left, r.Right - 1})
        EXPECT_LT(distance(Rgb(x, y), F::kFrameClient), distance(Rgb(x, y), F::kItemActive)) << x;
}

// Tests the small pictures: each marked item shows its own (the active one while active), in
// its place, and nothing else; the pictures' key colour never shows.
TEST_F(MenuFixturePaint, DrawsCheckRadioAndArrowPictures)
{
    const uint32_t pictures[] = {F::kCheck, F::kActiveCheck, F::kRadio, F::kActiveRadio, F::kArrow, F::kActiveArrow};
    struct Case {
        Row Item;
        bool Active;
        uint32_t Colour; // 0: none
        bool AtRight; // the arrow's end of the item, else the glyph column
    } cases[] = {
        {rChecked, false, F::kCheck, false},
        {rChecked, true, F::kActiveCheck, false},
        {rRadio, false, F::kRadio, false},
        {rRadio, true, F::kActiveRadio, false},
        {rSub, false, F::kArrow, true},
        {rSub, true, F::kActiveArrow, true},
        {rPlain, false, 0, false},
        {rPlain, true, 0, false},
    };
    for (const Case& c : cases) {
        SetState(c.Item, c.Active);
        Paint();
        const TRect r = ItemRect(c.Item);
        int all = 0;
        for (uint32_t colour : pictures)
            all += Count(r, colour);
        const TRect area = c.AtRight ? Rect(r.Right - 16, r.Top, r.Right, r.Bottom)
                                     : Rect(r.Left, r.Top, r.Left + F::kTextRct.Left + 16, r.Bottom);
        const int inPlace = c.Colour ? Count(area, c.Colour) : 0;
        EXPECT_EQ(all, inPlace) << c.Item << " " << c.Active;
        if (c.Colour) {
            EXPECT_GT(inPlace, 0) << c.Item << " " << c.Active;
        }
        EXPECT_EQ(Count(r, F::kImageKey), 0) << c.Item << " " << c.Active;
        SetState(c.Item, false);
    }
}

} // namespace
} // namespace vt
