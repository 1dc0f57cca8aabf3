// The default skin's frame composed by the raster kit for a large window, as the form engine
// does: the stretched bands have no seams and the window region keeps the rounded top corners.
#include "default_frame.h"
#include "raster/bitmap.h"
#include "raster/compose.h"
#include "raster/region.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

bool RegionContains(const TRegion& r, int x, int y)
{
    for (const TRect& rc : r.Rects)
        if (rc.Contains({x, y}))
            return true;
    return false;
}

// Pixels of a strip that differ from the first pixel of their row (or column) between from and to.
int Seams(const TspBitmap& strip, bool alongRows, int from, int to)
{
    int bad = 0;
    if (alongRows) {
        for (int y = 0; y < strip.Height(); ++y)
            for (int x = from; x < to; ++x)
                bad += strip.GetPixel(x, y) != strip.GetPixel(from, y);
    } else {
        for (int x = 0; x < strip.Width(); ++x)
            for (int y = from; y < to; ++y)
                bad += strip.GetPixel(x, y) != strip.GetPixel(x, from);
    }
    return bad;
}

TEST(DefaultFrame, StretchesWithoutSeamsAndKeepsItsCorners)
{
    const test::TDefaultFrame sd = test::LoadDefaultFrame();
    ASSERT_EQ(sd.Picture.Width, 196);
    TspBitmap picture, mask;
    picture.Assign(sd.Picture);
    mask.Assign(sd.Mask);
    const TFrameGeometry g{sd.LTPoint, sd.RTPoint, sd.LBPoint, sd.RBPoint, sd.ClRect};
    const int W = 1000, H = 700;
    const TFrameGeometry ng = ResizeFrameGeometry(g, sd.Picture.Width, sd.Picture.Height, W, H);

    TspBitmap left, top, right, bottom;
    BuildFrameStrips(g, ng, left, top, right, bottom, picture, Rect(0, 0, sd.Picture.Width, sd.Picture.Height), W,
                     H, {sd.LeftStretch, sd.TopStretch, sd.RightStretch, sd.BottomStretch, false, spstFull});
    ASSERT_EQ(top.Width(), W);
    ASSERT_EQ(top.Height(), 29);
    ASSERT_EQ(left.Width(), 2);
    ASSERT_EQ(right.Width(), 2);
    ASSERT_EQ(bottom.Height(), 2);
    EXPECT_EQ(Seams(top, true, ng.LTPoint.X, ng.RTPoint.X), 0);
    EXPECT_EQ(Seams(bottom, true, ng.LBPoint.X, ng.RBPoint.X), 0);
    EXPECT_EQ(Seams(left, false, 0, left.Height()), 0);
    EXPECT_EQ(Seams(right, false, 0, right.Height()), 0);

    std::optional<TRegion> region = BuildFramedRegion(g, ng, mask, W, H);
    ASSERT_TRUE(region);
    for (auto [x, y] : {std::pair{W / 2, 0}, {0, 10}, {W - 1, 10}, {0, H - 1}, {W - 1, H - 1}, {W / 2, H / 2}})
        EXPECT_TRUE(RegionContains(*region, x, y)) << x << "," << y;
    for (auto [x, y] : {std::pair{0, 0}, {1, 0}, {0, 1}, {W - 1, 0}, {W - 2, 0}, {W - 1, 1}})
        EXPECT_FALSE(RegionContains(*region, x, y)) << x << "," << y;
}

} // namespace
} // namespace vt
