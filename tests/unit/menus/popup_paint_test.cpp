// Painting a level: probes of the frame, item backgrounds, morphing, separators, marks, images
// and markers against the default skin's pictures and the default look, and the text calls.
#include "menu_fakes.h"
#include "menus/popup_level.h"
#include "menus/popup_paint.h"
#include "raster/image_list.h"
#include "raster/compose.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "skin/skin_records.h"
#include "support.h"

#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

using test::AddItem;

// Measures like the shared fake, records every DrawText and paints its rectangle solid, so a
// text drawn in the wrong place shows in the pixels too.
class TRecordingText : public test::TFakeText {
public:
    struct Call {
        std::wstring Text;
        TRect Rect;
        uint32_t Format;
        TColor Colour;
    };
    int DrawText(TspBitmap& target, const std::wstring& text, const TRect& r, uint32_t format,
                 TColor colour) override
    {
        Calls.push_back({text, r, format, colour});
        target.FillRect(r, ColorToPixel(colour, 255));
        return kLineHeight;
    }
    const Call* Find(const std::wstring& text) const
    {
        for (const Call& c : Calls)
            if (c.Text == text)
                return &c;
        return nullptr;
    }
    std::vector<Call> Calls;
};

TMenuPaintSources Sources(const TspSkinData* skin, ITextRenderer* text, const TCustomImageList* images)
{
    TMenuPaintSources s;
    s.Skin = skin;
    s.Text = text;
    s.Images = images;
    return s;
}

// One solid square per image, the colour being the index + 1.
class TSolidImages final : public TCustomImageList {
public:
    TSolidImages() : TCustomImageList(nullptr) { SetWidth(8), SetHeight(8); }
    int Count() const override { return 2; }
    void Clear() override {}

protected:
    void DoDraw(int index, TspBitmap& surface, int x, int y, bool) const override
    {
        surface.FillRect(Rect(x, y, x + Width(), y + Height()), MakePixel(0, 0, uint8_t(index + 1), 255));
    }
};

enum Row { rHeader, rSelect, rChecked, rPlain, rSeparator, rDisabled, rSub, rImage, rCount };

class PaintLevel : public ::testing::Test {
protected:
    void SetUp() override
    {
        TMenuItem* root = menu.Items();
        AddItem(root, L"-File-", false);
        AddItem(root, L"Select skin...")->ShortCut = 16467;
        AddItem(root, L"Checked")->Checked = true;
        AddItem(root, L"Plain");
        AddItem(root, L"-");
        AddItem(root, L"Disabled", false);
        AddItem(AddItem(root, L"Sub"), L"Child");
        TMenuItem* image = AddItem(root, L"Image");
        image->ImageIndex = 1;
        image->Checked = true;
    }
    // Lays a level out with the look and paints it.
    void Paint(const TspSkinData* skin, int maxItems = 0)
    {
        TMenuLevelLook look = MenuLevelLook(skin);
        look.MaxMenuItemsInWindow = maxItems;
        look.ImageWidth = images.Width();
        look.UseSkinSize = useSkinSize;
        look.DefaultMenuItemHeight = 30;
        level = std::make_unique<TspPopupLevel>(nullptr, look);
        ASSERT_TRUE(level->Build(menu.Items(), 0));
        ASSERT_EQ(level->Count(), rCount);
        level->CalcPopupSize(&text, Rect(0, 0, 1024, 768));
        level->LayoutItems();
        Repaint(skin);
    }
    void Repaint(const TspSkinData* skin)
    {
        text.Calls.clear();
        PaintPopupLevel(*level, Sources(skin, &text, &images), out);
        ASSERT_EQ(out.Width(), level->Width);
        ASSERT_EQ(out.Height(), level->Height);
    }
    TRect ItemRect(int i) const { return level->Item(i).ObjectRect; }
    // Pixels of colour c inside r (window coordinates).
    int Count(const TRect& r, TspColor c) const
    {
        int n = 0;
        for (int y = r.Top; y < r.Bottom; ++y)
            for (int x = r.Left; x < r.Right; ++x)
                n += out.GetPixel(x, y) == c;
        return n;
    }

    bool useSkinSize = true;
    TPopupMenu menu{nullptr};
    TRecordingText text;
    TSolidImages images;
    std::unique_ptr<TspPopupLevel> level;
    TspBitmap out;
};

class PaintSkinnedLevel : public PaintLevel {
protected:
    void SetUp() override
    {
        PaintLevel::SetUp();
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        ASSERT_FALSE(sd.Empty);
        ASSERT_GE(sd.FActivePictures.size(), 4u);
    }
    TspColor Picture(int index, int x, int y) const { return sd.FActivePictures[size_t(index)]->View().Row(y)[x]; }
    // A point of the item's fixed left edge (left of the text) where the active rectangle
    // (0, 0, 55, 20) and the normal one (0, 20, 55, 40) differ, in item coordinates.
    TPoint LookProbe() const
    {
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 5; ++x)
                if (Picture(3, x, y) != Picture(3, x, 20 + y))
                    return {x, y};
        ADD_FAILURE() << "the item looks do not differ at their left edge";
        return {0, 0};
    }
    TspSkinData sd{nullptr};
};

// Tests the frame's corners and the item backgrounds against the pictures: the active item from
// the active rectangle, the others from the normal one, the separator from the divider.
TEST_F(PaintSkinnedLevel, DrawsFrameAndItemsFromTheirPictures)
{
    Paint(&sd);
    level->Item(rSelect).Active = true;
    level->Item(rSelect).MorphKf = 1;
    Repaint(&sd);
    const int W = out.Width(), H = out.Height();
    EXPECT_EQ(out.GetPixel(0, 0), Picture(2, 0, 0));
    EXPECT_EQ(out.GetPixel(W - 1, 0), Picture(2, 99, 0));
    EXPECT_EQ(out.GetPixel(0, H - 1), Picture(2, 0, 99));
    EXPECT_EQ(out.GetPixel(W - 1, H - 1), Picture(2, 99, 99));

    // menuitem: active (0, 0, 55, 20), normal (0, 20, 55, 40), divider (0, 39, 54, 42).
    const TPoint p = LookProbe();
    EXPECT_EQ(out.GetPixel(ItemRect(rSelect).Left + p.X, ItemRect(rSelect).Top + p.Y), Picture(3, p.X, p.Y));
    EXPECT_EQ(out.GetPixel(ItemRect(rPlain).Left + p.X, ItemRect(rPlain).Top + p.Y), Picture(3, p.X, 20 + p.Y));
    const TRect sep = ItemRect(rSeparator);
    for (int row = 0; row < 3; ++row)
        EXPECT_EQ(out.GetPixel(sep.Left + 1, sep.Top + row), Picture(3, 1, 39 + row)) << row;
}

// Tests the text calls: colours by state, the header between its dashes in the label colour,
// the shortcut ending 16 px inside the text rectangle, captions after the glyph column.
TEST_F(PaintSkinnedLevel, WritesCaptionsAndShortcutInPlace)
{
    Paint(&sd);
    const int w = ItemRect(rSelect).Width();
    const TRecordingText::Call* shortcut = text.Find(L"Ctrl+S");
    ASSERT_NE(shortcut, nullptr);
    EXPECT_EQ(shortcut->Rect.Right, w - 2 - 16);  // TextRct.Right resized to the item, less 16
    EXPECT_EQ(shortcut->Rect.Width(), 6 * test::TFakeText::kCharWidth);
    const TRecordingText::Call* caption = text.Find(L"Select skin...");
    ASSERT_NE(caption, nullptr);
    EXPECT_EQ(caption->Rect.Left, 2 + level->GlyphWidth);
    // The fake font is 13 high: odd heights draw one pixel higher, centred in the 20 px row.
    EXPECT_EQ(caption->Rect.Top, 10 - 8 - 1);
    EXPECT_EQ(shortcut->Rect.Top, caption->Rect.Top);

    ASSERT_NE(text.Find(L"Disabled"), nullptr);
    EXPECT_EQ(text.Find(L"Disabled")->Colour, 12500670);
    EXPECT_EQ(text.Find(L"Plain")->Colour, 0);
    ASSERT_NE(text.Find(L"File"), nullptr);
    EXPECT_EQ(text.Find(L"File")->Colour, 6312522);
    EXPECT_EQ(text.Find(L"-File-"), nullptr);
}

// Tests a half-morphed item: every channel between the normal and the active look.
TEST_F(PaintSkinnedLevel, BlendsAMorphingItem)
{
    Paint(&sd);
    level->Item(rPlain).Active = true;
    level->Item(rPlain).MorphKf = 0.4;
    Repaint(&sd);
    const TPoint p = LookProbe();
    const TspColor normal = Picture(3, p.X, 20 + p.Y), active = Picture(3, p.X, p.Y);
    const TspColor got = out.GetPixel(ItemRect(rPlain).Left + p.X, ItemRect(rPlain).Top + p.Y);
    EXPECT_NE(got, normal);
    EXPECT_NE(got, active);
    for (int shift : {0, 8, 16}) {
        const int n = (normal >> shift) & 0xFF, a = (active >> shift) & 0xFF, g = (got >> shift) & 0xFF;
        EXPECT_GE(g, std::min(n, a)) << shift;
        EXPECT_LE(g, std::max(n, a)) << shift;
    }
    // Without skin effects the item shows its state at once.
    sd.SetEnableSkinEffects(false);
    Repaint(&sd);
    EXPECT_EQ(out.GetPixel(ItemRect(rPlain).Left + p.X, ItemRect(rPlain).Top + p.Y), active);
}

// Tests the marks in the glyph column: a check mark only on the checked item, the image with a
// frame on the checked image item, the submenu arrow only on the item with children.
TEST_F(PaintSkinnedLevel, DrawsMarksOnlyWhereTheyBelong)
{
    Paint(&sd);
    const TspColor black = ColorToPixel(0, 255);
    auto column = [&](int i, int from, int to) {
        const TRect r = ItemRect(i);
        return Rect(r.Left + from, r.Top, r.Left + to, r.Bottom);
    };
    EXPECT_GT(Count(column(rChecked, 2, 14), black), 10);
    EXPECT_EQ(Count(column(rPlain, 2, 14), black), 0);
    const TRect img = ItemRect(rImage);
    EXPECT_EQ(Count(column(rImage, 0, 20), MakePixel(0, 0, 2, 255)), 64);  // image 1, 8 x 8
    EXPECT_EQ(out.GetPixel(img.Left + 4 - 1, img.Top + 6 - 1), black);  // its frame's corner
    const int w = img.Width();
    EXPECT_GT(Count(column(rSub, w - 12, w), black), 10);
    EXPECT_EQ(Count(column(rPlain, w - 12, w), black), 0);
}

// Tests the markers: only on a scrolling level, the hot one in the active colour.
TEST_F(PaintSkinnedLevel, DrawsScrollMarkersOnlyWhenScrolling)
{
    const TspColor idle = ColorToPixel(7365210, 255), hot = ColorToPixel(12221770, 255);
    Paint(&sd);
    EXPECT_EQ(Count(out.BoundsRect(), idle), 0);
    Paint(&sd, 3);
    ASSERT_TRUE(level->Scroll);
    EXPECT_GT(Count(level->UpMarkerRect(), idle), 0);
    EXPECT_GT(Count(level->DownMarkerRect(), idle), 0);
    level->ScrollCode = 2;
    Repaint(&sd);
    EXPECT_EQ(Count(level->DownMarkerRect(), idle), 0);
    EXPECT_GT(Count(level->DownMarkerRect(), hot), 0);
    EXPECT_EQ(Count(level->UpMarkerRect(), hot), 0);
}

// Tests items resized to the menu's own height: the picture's corners stay at the item's
// corners and the caption is centred in the taller text rectangle.
TEST_F(PaintSkinnedLevel, ResizesItemsWithoutTheSkinSize)
{
    useSkinSize = false;
    Paint(&sd);
    const TRect r = ItemRect(rPlain);
    ASSERT_EQ(r.Height(), 30);
    EXPECT_EQ(out.GetPixel(r.Left, r.Top), Picture(3, 0, 20));
    EXPECT_EQ(out.GetPixel(r.Left, r.Bottom - 1), Picture(3, 0, 39));
    EXPECT_EQ(out.GetPixel(r.Right - 1, r.Bottom - 1), Picture(3, 54, 39));
    EXPECT_EQ(text.Find(L"Plain")->Rect.Top, 15 - 8 - 1);
}

// Tests items that show the frame through their normal look: the level's full frame picture at
// the item's place, while the active item keeps its own picture.
TEST_F(PaintSkinnedLevel, ShowsTheFrameThroughTransparentItems)
{
    // A frame whose client area differs from the item's white.
    TPixelImage& frame = *sd.FActivePictures[2];
    for (int y = 1; y < frame.Height - 1; ++y)
        for (int x = 1; x < frame.Width - 1; ++x)
            frame.Pixels[size_t(y * frame.Width + x)] = {uint8_t(0x90 + (x + y) % 7), 0x60, 0x30, 255};
    Paint(&sd);
    TspBitmap opaque;
    opaque.Assign(out);
    auto* record = const_cast<TspDataSkinMenuItem*>(MenuItemRecord(sd));
    ASSERT_NE(record, nullptr);
    record->InActiveTransparent = true;
    level->Item(rSelect).Active = true;
    level->Item(rSelect).MorphKf = 1;
    Repaint(&sd);

    const TspDataSkinPopupWindow& pw = *sd.PopupWindow;
    const TMenuLevelLook& look = level->Look();
    TspBitmap full;
    ComposeFramedPicture(look.Frame, ResizeFrameGeometry(look.Frame, 100, 100, out.Width(), out.Height()), full,
                         *sd.FActivePictures[2], sd.FActivePictures[2]->View().BoundsRect(), out.Width(),
                         out.Height(), true,
                         {pw.LeftStretch, pw.TopStretch, pw.RightStretch, pw.BottomStretch, pw.StretchEffect,
                          pw.StretchType});
    // The plain item outside its caption: the frame's pixels, which its own look does not have.
    const TRect plain = ItemRect(rPlain);
    const TRect caption = text.Find(L"Plain")->Rect.Offset(plain.Left, plain.Top);
    int changed = 0, wrong = 0;
    for (int y = plain.Top; y < plain.Bottom; ++y)
        for (int x = plain.Left; x < plain.Right; ++x) {
            if (caption.Contains(TPoint{x, y}))
                continue;
            changed += out.GetPixel(x, y) != opaque.GetPixel(x, y);
            wrong += out.GetPixel(x, y) != full.GetPixel(x, y);
        }
    EXPECT_GT(changed, 0);
    EXPECT_EQ(wrong, 0);
    const TPoint p = LookProbe();
    EXPECT_EQ(out.GetPixel(ItemRect(rSelect).Left + p.X, ItemRect(rSelect).Top + p.Y), Picture(3, p.X, p.Y));
}

// Tests the default look: the frame, the hover fill, the disabled colour, the separator line and
// the default markers.
TEST_F(PaintLevel, DrawsTheDefaultLookWithoutASkin)
{
    Paint(nullptr);
    level->Item(rPlain).Active = true;
    Repaint(nullptr);
    const TspColor window = ColorToPixel(clWindow, 255), shadow = ColorToPixel(clBtnShadow, 255);
    EXPECT_EQ(out.GetPixel(0, 0), shadow);
    EXPECT_EQ(out.GetPixel(out.Width() - 1, out.Height() - 1), shadow);
    EXPECT_EQ(out.GetPixel(1, 1), window);
    const TRect plain = ItemRect(rPlain);
    EXPECT_EQ(out.GetPixel(plain.Left, plain.Top), ColorToPixel(0xF3D4C1, 255));
    EXPECT_EQ(out.GetPixel(ItemRect(rChecked).Left, ItemRect(rChecked).Top), window);
    const TRect sep = ItemRect(rSeparator);
    EXPECT_EQ(out.GetPixel(sep.Left + 5, sep.Top + sep.Height() / 2), shadow);
    EXPECT_EQ(out.GetPixel(sep.Left + 5, sep.Top), window);
    EXPECT_EQ(text.Find(L"Disabled")->Colour, clBtnShadow);
    EXPECT_EQ(text.Find(L"Plain")->Colour, clWindowText);
    EXPECT_EQ(text.Find(L"Ctrl+S")->Rect.Right, plain.Width() - 2 - 19);

    Paint(nullptr, 3);
    ASSERT_TRUE(level->Scroll);
    EXPECT_GT(Count(Rect(3, 3, out.Width() - 3, 13), shadow), 0);
}

// Tests that a level without room or without a text renderer still paints safely.
TEST_F(PaintSkinnedLevel, PaintsWithoutTextAndSkipsEmptyLevels)
{
    Paint(&sd);
    TspBitmap bare;
    PaintPopupLevel(*level, Sources(&sd, nullptr, nullptr), bare);
    EXPECT_EQ(bare.Width(), level->Width);
    TspPopupLevel empty(nullptr, MenuLevelLook(&sd));
    TspBitmap none;
    PaintPopupLevel(empty, Sources(&sd, &text, nullptr), none);
    EXPECT_TRUE(none.Empty());
}

} // namespace
} // namespace vt
