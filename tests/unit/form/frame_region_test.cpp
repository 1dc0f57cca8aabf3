// Window region of a skinned form: which kind of region each form state gets, the default skin's
// shape at a new size, and the split mask's opaque points.
#include <gtest/gtest.h>

#include <functional>

#include "form/frame_region.h"
#include "skin/skin_data.h"
#include "support.h"

namespace vt {
namespace {

class FrameRegion : public ::testing::Test {
protected:
    void SetUp() override
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        g.Skin = TFormSkinInfo::From(&sd);
        Resize(300, 200);
    }
    void Resize(int32_t w, int32_t h)
    {
        g.FFormWidth = w;
        g.FFormHeight = h;
        g.CalcRects();
    }
    TPixelView Mask() const { return sd.FMask.View(); }

    TspSkinData sd{nullptr};
    TspFrameGeometry g;
    TspMaskStrips strips;
};

// The default skin's mask cuts 4, 2, 1 and 1 pixels off the first four rows at each side.
TEST_F(FrameRegion, DefaultSkinAt300x200)
{
    TFrameRegion r = CreateNewRegion(g, Mask(), true, strips);
    EXPECT_EQ(r.Kind, TFrameRegionKind::Shaped);
    EXPECT_EQ(r.Region.Rects, (std::vector<TRect>{Rect(4, 0, 296, 1), Rect(2, 1, 298, 2),
                                                  Rect(1, 2, 299, 4), Rect(0, 4, 300, 200)}));
}

// Tests that without splitting the whole mask is taken at the picture's size.
TEST_F(FrameRegion, WholeMaskAtItsOwnSize)
{
    TFrameRegion r = CreateNewRegion(g, Mask(), false, strips);
    EXPECT_EQ(r.Kind, TFrameRegionKind::Shaped);
    EXPECT_EQ(r.Region.Rects, (std::vector<TRect>{Rect(4, 0, 192, 1), Rect(2, 1, 194, 2),
                                                  Rect(1, 2, 195, 4), Rect(0, 4, 196, 146)}));
}

// Tests the case selection: no region, the window rectangle, or the collapsed rectangle of a
// full layered border.
TEST_F(FrameRegion, KindPerFormState)
{
    using Setup = std::function<void(TspFrameGeometry&)>;
    const TFrameRegion none{};
    auto rect = [](int32_t w, int32_t h) {
        return TFrameRegion{TFrameRegionKind::Rectangle, {{Rect(0, 0, w, h)}}};
    };
    struct Case {
        const char* name;
        Setup setup;
        TFrameRegion expected;
    } cases[] = {
        {"not skinnable", [](TspFrameGeometry& x) { x.Form.SkinnableForm = false; }, none},
        {"borderless", [](TspFrameGeometry& x) { x.Form.BorderStyle = TFormBorder::None; }, none},
        {"no skin", [](TspFrameGeometry& x) { x.Skin = {}; }, rect(300, 200)},
        {"no mask", [](TspFrameGeometry& x) { x.Skin.HasMask = false; }, rect(300, 200)},
        {"maximized MDI child", [](TspFrameGeometry& x) { x.Form.MaximizedMDIChild = true; }, rect(300, 200)},
        {"full layered border", [](TspFrameGeometry& x) { x.Form.FullLayeredBorder = true; }, rect(300, 200)},
        {"full layered border rolled up",
         [](TspFrameGeometry& x) {
             x.Form.FullLayeredBorder = x.Form.RollUp = true;
             x.Form.LayerRollUpFormHeight = 40;
         },
         rect(300, 40)},
        {"full layered border rolled up, no height",
         [](TspFrameGeometry& x) { x.Form.FullLayeredBorder = x.Form.RollUp = true; }, rect(300, 1)},
        {"full layered border rolled up, no height, older system",
         [](TspFrameGeometry& x) {
             x.Form.FullLayeredBorder = x.Form.RollUp = true;
             x.Form.Windows7OrLater = false;
         },
         TFrameRegion{TFrameRegionKind::Rectangle, {}}},
    };
    for (const Case& c : cases) {
        TspFrameGeometry x = g;
        c.setup(x);
        EXPECT_EQ(CreateNewRegion(x, Mask(), true, strips), c.expected) << c.name;
    }
}

// Tests that the split mask answers opaque exactly where the region is, that a later size
// replaces the strips, and that a change to no skin clears them.
TEST_F(FrameRegion, PointInMaskFollowsTheStrips)
{
    ASSERT_EQ(CreateNewRegion(g, Mask(), true, strips).Kind, TFrameRegionKind::Shaped);
    struct Case {
        TPoint p;
        bool inside;
    } cases[] = {
        {{0, 0}, false},   {{3, 0}, false},    {{4, 0}, true},    {{295, 0}, true},  {{296, 0}, false},
        {{1, 1}, false},   {{2, 1}, true},     {{0, 3}, false},   {{1, 3}, true},    {{298, 3}, true},
        {{299, 3}, false}, {{0, 4}, true},     {{150, 100}, true}, {{0, 100}, true}, {{299, 100}, true},
        {{299, 199}, true}, {{300, 100}, false}, {{100, 200}, false}, {{-1, 50}, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(strips.PointInMask(c.p), c.inside) << c.p.X << ", " << c.p.Y;

    Resize(250, 100);
    CreateNewRegion(g, Mask(), true, strips);
    EXPECT_FALSE(strips.PointInMask({246, 0}));
    EXPECT_TRUE(strips.PointInMask({245, 0}));
    EXPECT_FALSE(strips.PointInMask({299, 100}));

    g.Skin = {};
    CreateNewRegion(g, Mask(), true, strips);
    EXPECT_TRUE(strips.Empty());
    EXPECT_FALSE(strips.PointInMask({150, 100}));
}

// Tests that windows smaller than the skin's frame, down to nothing, still get the mask's shape
// (the sanitizers watch the strip cutting), and that strips too large to hold leave the window
// without a region instead of failing.
TEST_F(FrameRegion, OddSizesNeverFail)
{
    for (TPoint size : {TPoint{0, 0}, TPoint{1, 1}, TPoint{5, 5}, TPoint{30, 20}, TPoint{196, 10}}) {
        Resize(size.X, size.Y);
        EXPECT_EQ(CreateNewRegion(g, Mask(), true, strips).Kind, TFrameRegionKind::Shaped)
            << size.X << " x " << size.Y;
    }
    Resize(40000, 100);
    EXPECT_EQ(CreateNewRegion(g, Mask(), true, strips), TFrameRegion{});
    EXPECT_TRUE(strips.Empty());
}

} // namespace
} // namespace vt
