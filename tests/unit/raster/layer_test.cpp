// Layer picture preparation and the fade-in stepper.
#include <gtest/gtest.h>

#include "raster/layer.h"

namespace vt {
namespace {

// Tests that each tick adds a tenth of the target (truncated) and the last one is capped at it.
TEST(LayerTest, FadeAddsATenthPerTickAndCapsAtTheTarget)
{
    struct Case {
        int target;
        std::vector<int> pushed;  // alphas pushed by successive ticks
        bool stillRunning;
    } cases[] = {
        {255, {25, 50, 75, 100, 125, 150, 175, 200, 225, 250, 255}, false},
        {100, {10, 20, 30, 40, 50, 60, 70, 80, 90, 100}, false},
        {5, {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}, true},  // step 0: invisible until hidden
        {0, {0}, false},
    };
    for (const Case& c : cases) {
        TLayerFade f;
        f.Start(c.target);
        for (size_t i = 0; i < c.pushed.size(); ++i) {
            ASSERT_TRUE(f.Running) << c.target << " tick " << i;
            EXPECT_EQ(f.Tick(), c.pushed[i]) << c.target << " tick " << i;
        }
        EXPECT_EQ(f.Running, c.stillRunning) << c.target;
    }
}

TEST(LayerTest, ImageAndMaskToPixels)
{
    TspBitmap image, mask, dest;
    image.SetSize(3, 1);
    image.Clear(MakePixel(200, 100, 50, 255));
    mask.SetSize(3, 1);
    mask.SetPixel(0, 0, MakePixel(255, 255, 255, 0));
    mask.SetPixel(1, 0, MakePixel(128, 128, 129, 0));  // Trunc(385 / 3) = 128
    mask.SetPixel(2, 0, 0);
    ImageAndMaskToPixels(image, mask, dest);
    EXPECT_EQ(dest.GetPixel(0, 0), MakePixel(200, 100, 50, 255));
    EXPECT_EQ(dest.GetPixel(1, 0), MakePixel(128, 100, 50, 128));  // brighter than alpha: clamped
    EXPECT_EQ(dest.GetPixel(2, 0), 0u);
}

} // namespace
} // namespace vt
