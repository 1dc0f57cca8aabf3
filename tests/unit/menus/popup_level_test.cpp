// The level model: placement on the work area, sizes from the default skin, the kinds and the
// hidden-separator rule, and the merged list of two items.
#include "menu_fakes.h"
#include "menus/popup_level.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::AddItem;

// Tests CalcShowPosition over drop-downs, drop-ups and submenus near every edge.
TEST(CalcShowPosition, PlacesInsideTheWorkArea)
{
    const TRect wa = Rect(0, 0, 1000, 800);
    struct Case {
        const char* What;
        TRect Anchor;
        int H;
        bool ByItem, Up, Scroll, Scroll2;
        TPoint Expected;
    };
    const Case cases[] = {
        {"fits below", Rect(10, 10, 10, 10), 200, false, false, false, false, {10, 10}},
        {"pushed left from the right edge", Rect(950, 10, 950, 10), 200, false, false, false, false, {900, 10}},
        {"lower half flips above", Rect(10, 700, 10, 700), 200, false, false, false, false, {10, 500}},
        {"upper half overlaps, pinned to the bottom", Rect(10, 350, 60, 370), 500, false, false, false, false, {61, 300}},
        {"lower half without room above overlaps at the top", Rect(10, 450, 60, 470), 600, false, false, false, false, {61, 0}},
        {"drop-up fits", Rect(10, 300, 10, 320), 200, false, true, false, false, {10, 100}},
        {"drop-up in the upper half opens below", Rect(10, 100, 10, 120), 200, false, true, false, false, {10, 120}},
        {"drop-up in the lower half overlaps at the top", Rect(10, 450, 60, 470), 500, false, true, false, false, {61, 0}},
        {"submenu to the right, first item level", Rect(100, 50, 200, 70), 200, true, false, false, false, {201, 49}},
        {"submenu to the left near the right edge", Rect(850, 50, 950, 70), 200, true, false, false, false, {749, 49}},
        {"submenu never left of the work area", Rect(20, 50, 950, 70), 200, true, false, false, false, {0, 49}},
        {"submenu low on the screen ends at the parent", Rect(100, 700, 200, 720), 200, true, false, false, false, {201, 521}},
        {"tall submenu in the upper half, pinned to the bottom", Rect(100, 350, 200, 370), 500, true, false, false, false, {201, 300}},
        {"work-area-high level at the top, beside", Rect(10, 10, 10, 10), 800, false, false, true, false, {11, 0}},
        {"limited by the item count: placed as usual", Rect(10, 10, 10, 10), 82, false, false, true, true, {10, 10}},
    };
    for (const Case& c : cases) {
        TShowPlacement p{c.Anchor, wa, 100, c.H, 1, c.Scroll, c.Scroll2, c.ByItem, c.Up};
        EXPECT_EQ(CalcShowPosition(p), c.Expected) << c.What;
    }
}

class DefaultSkinLevel : public ::testing::Test {
protected:
    void SetUp() override
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        ASSERT_FALSE(sd.Empty);
    }
    TspSkinData sd{nullptr};
    TPopupMenu menu{nullptr};
    test::TFakeText text;
};

// Tests the sizes of a level of 10 items and 2 separators in the default skin (captions measured
// by the fake at 7 px a character): items 20 high, separators 3, the frame adds 2 each way.
TEST_F(DefaultSkinLevel, SizesItemsAndSeparatorsFromTheSkin)
{
    TMenuItem* root = menu.Items();
    AddItem(root, L"-File-", false);
    AddItem(root, L"Select skin...")->ShortCut = 16467;  // 22 characters with "  Ctrl+S"
    for (const wchar_t* c : {L"One", L"Two", L"-", L"Three", L"Four", L"-", L"Five", L"Six", L"Seven", L"Close"})
        AddItem(root, c);
    TspPopupLevel level(nullptr, MenuLevelLook(&sd));
    ASSERT_TRUE(level.Build(root, 0));
    ASSERT_EQ(level.Count(), 12);
    level.CalcPopupSize(&text, Rect(0, 0, 1024, 768));
    level.LayoutItems();
    // 22 * 7 + 2, the 16 px glyph column and 16, the item text margins 2 + 55 - 53, the frame 2.
    EXPECT_EQ(level.Width, 154 + 2 + 16 + 16 + 4 + 2);
    EXPECT_EQ(level.Height, 10 * 20 + 2 * 3 + 2);
    EXPECT_FALSE(level.Scroll);
    EXPECT_EQ(level.VisibleCount, 12);
    EXPECT_EQ(level.Item(0).Kind, TMenuItemKind::mikHeader);
    EXPECT_EQ(level.Item(0).ObjectRect, Rect(1, 1, 193, 21));
    EXPECT_EQ(level.Item(4).ObjectRect, Rect(1, 81, 193, 84));
    EXPECT_EQ(level.Item(11).ObjectRect, Rect(1, 187, 193, 207));
}

// Tests a level limited by MaxMenuItemsInWindow: three item heights, the frame and 20 for the
// markers; three items between the 10 px markers.
TEST_F(DefaultSkinLevel, MaxItemsInWindowLeavesRoomForMarkers)
{
    for (int i = 0; i < 10; ++i)
        AddItem(menu.Items(), L"Item");
    TMenuLevelLook look = MenuLevelLook(&sd);
    look.MaxMenuItemsInWindow = 3;
    TspPopupLevel level(nullptr, look);
    ASSERT_TRUE(level.Build(menu.Items(), 0));
    level.CalcPopupSize(&text, Rect(0, 0, 1024, 768));
    level.LayoutItems();
    EXPECT_EQ(level.Height, 3 * 20 + 2 + 20);
    EXPECT_TRUE(level.Scroll && level.Scroll2);
    EXPECT_EQ(level.VisibleCount, 3);
    EXPECT_EQ(level.Item(0).ObjectRect.Top, 11);
    EXPECT_FALSE(level.Item(3).Visible);
    EXPECT_EQ(level.UpMarkerRect(), Rect(1, 1, level.Width - 1, 11));
    EXPECT_EQ(level.DownMarkerRect(), Rect(1, 71, level.Width - 1, 81));
    EXPECT_FALSE(level.CanScrollUp());
    EXPECT_TRUE(level.CanScrollDown());

    // Taller than the work area: as high as it, scrolling, and placed at its top.
    look.MaxMenuItemsInWindow = 0;
    TspPopupLevel tall(nullptr, look);
    tall.Build(menu.Items(), 0);
    tall.CalcPopupSize(&text, Rect(0, 0, 1024, 100));
    tall.LayoutItems();
    EXPECT_EQ(tall.Height, 100);
    EXPECT_TRUE(tall.Scroll && !tall.Scroll2);
    EXPECT_EQ(tall.VisibleCount, 3);  // (1 + 10) .. (99 - 10)
}

// Tests that separators at the start or end of a level, and the second of two adjacent ones,
// never show, that hidden items do not count, and that only a disabled "-x-" is a header.
TEST(PopupLevel, HidesStraySeparatorsAndSortsKinds)
{
    TPopupMenu menu(nullptr);
    TMenuItem* root = menu.Items();
    AddItem(root, L"-");
    AddItem(root, L"-Head-", false);
    AddItem(root, L"-");
    AddItem(root, L"Hidden")->Visible = false;
    AddItem(root, L"-");
    AddItem(root, L"-Plain-");
    AddItem(root, L"-");
    TspPopupLevel level(nullptr, TMenuLevelLook{});
    ASSERT_TRUE(level.Build(root, 0));
    ASSERT_EQ(level.Count(), 3);
    EXPECT_EQ(level.Item(0).Kind, TMenuItemKind::mikHeader);
    EXPECT_EQ(level.Item(1).Kind, TMenuItemKind::mikSeparator);
    EXPECT_EQ(level.Item(2).Kind, TMenuItemKind::mikNormal);
    EXPECT_FALSE(level.Item(0).Selectable());

    // Nothing but separators and hidden items: nothing to open.
    TPopupMenu empty(nullptr);
    AddItem(empty.Items(), L"-");
    AddItem(empty.Items(), L"Gone")->Visible = false;
    TspPopupLevel none(nullptr, TMenuLevelLook{});
    EXPECT_FALSE(none.Build(empty.Items(), 0));
}

// Tests the merged list: the second item's children and the first's whose group the second does
// not have, sorted by group with menu order kept inside a group.
TEST(PopupLevel, MergesTwoItemsByGroupStably)
{
    TPopupMenu a(nullptr), b(nullptr);
    auto add = [](TMenuItem* parent, const wchar_t* caption, uint8_t group) {
        AddItem(parent, caption)->GroupIndex = group;
    };
    add(a.Items(), L"a0", 0);
    add(a.Items(), L"a1", 1);
    add(a.Items(), L"a2", 2);
    add(b.Items(), L"b1", 1);
    add(b.Items(), L"b3", 3);
    add(b.Items(), L"b1x", 1);
    TspPopupLevel level(nullptr, TMenuLevelLook{});
    ASSERT_TRUE(level.Build2(a.Items(), b.Items(), 0));
    std::vector<std::wstring> captions;
    for (int i = 0; i < level.Count(); ++i)
        captions.push_back(level.Item(i).MenuItem->Caption);
    EXPECT_EQ(captions, (std::vector<std::wstring>{L"a0", L"b1", L"b1x", L"a2", L"b3"}));
    ASSERT_TRUE(level.Build2(a.Items(), b.Items(), 3));
    EXPECT_EQ(level.Count(), 2);
}

// Tests the effect ticks: entering an item morphs it to the active look in five steps and back
// in five when left; animation frames run up to FrameCount + 1 while active and, with
// InActiveAnimation, back down after leaving; the timer is asked for at the right interval.
TEST(PopupLevel, EffectTicksMorphAndAnimateItems)
{
    TPopupMenu menu(nullptr);
    AddItem(menu.Items(), L"one");
    AddItem(menu.Items(), L"two");
    struct Case {
        const char* What;
        bool Morphing, Animated, InActive;
        std::vector<double> Kf;  // item 0's factor after each tick while active
        std::vector<int> Frames; // item 0's frame after each tick while active, then after leaving
        std::wstring Timer;
    };
    const Case cases[] = {
        {"morphing", true, false, false, {0.2, 0.4, 0.6, 0.8, 1.0}, {0, 0, 0, 0, 0}, L"effects 20"},
        {"frames, back down", false, true, true, {0, 0, 0, 0, 0}, {1, 2, 3, 4, 4}, L"effects 40"},
        {"frames, reset on leaving", false, true, false, {0, 0, 0, 0, 0}, {1, 2, 3, 4, 4}, L"effects 40"},
    };
    for (const Case& c : cases) {
        TMenuLevelLook look;
        look.Morphing = c.Morphing;
        look.Animated = c.Animated;
        look.FrameCount = 3;
        look.AnimateInterval = 40;
        look.InActiveAnimation = c.InActive;
        std::vector<std::wstring> log;
        TspPopupLevel level(nullptr, look);
        ASSERT_TRUE(level.Build(menu.Items(), 0));
        level.CalcPopupSize(nullptr, Rect(0, 0, 1024, 768));
        level.LayoutItems();
        level.SetView(std::make_unique<test::TFakeView>(log));
        level.TrackMouse(Point(level.Item(0).ObjectRect.Left + 1, level.Item(0).ObjectRect.Top + 1));
        EXPECT_NE(std::find(log.begin(), log.end(), c.Timer), log.end()) << c.What;
        for (size_t t = 0; t < c.Kf.size(); ++t) {
            level.EffectTick();
            EXPECT_DOUBLE_EQ(level.Item(0).MorphKf, c.Kf[t]) << c.What << " tick " << t;
            EXPECT_EQ(level.Item(0).CurrentFrame, c.Frames[t]) << c.What << " tick " << t;
        }
        EXPECT_FALSE(level.EffectTick()) << c.What << ": settled";

        level.TrackMouse(Point(level.Item(1).ObjectRect.Left + 1, level.Item(1).ObjectRect.Top + 1));
        int ticks = 0;
        while (level.EffectTick() && ticks < 20)
            ++ticks;
        EXPECT_EQ(level.Item(0).MorphKf, 0) << c.What;
        EXPECT_EQ(level.Item(0).CurrentFrame, 0) << c.What;
        // Morphing back takes five steps; frames step down only with InActiveAnimation, and
        // item 1's own frames count too.
        if (c.Morphing) {
            EXPECT_EQ(ticks, 5) << c.What;
        }
        if (c.Animated) {
            EXPECT_EQ(level.Item(1).CurrentFrame, 4) << c.What;
        }
    }
}

} // namespace
} // namespace vt
