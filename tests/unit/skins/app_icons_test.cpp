// The application's image list: ten 16 x 16 PNG pictures with an alpha channel.
#include "raster/png_image.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vt {
namespace {

const char* const kIcons[] = {"icon0_floppy_disk.png", "icon1_window_list.png", "icon2_wrench.png",
                              "icon3_calendar.png",    "icon4_star.png",        "icon5_gear.png",
                              "icon6_information.png", "icon7_play.png",        "icon8_stop.png",
                              "icon9_return.png"};

// Each icon is 16 x 16 with real alpha: a transparent surround and an opaque body.
TEST(AppIcons, AreSixteenPixelPicturesWithAlpha)
{
    for (int i = 0; i < 10; ++i) {
        SCOPED_TRACE(kIcons[i]);
        TspPngImage png;
        png.LoadFromFile(test::SourcePath(std::string("src/app/icons/") + kIcons[i]));
        ASSERT_EQ(png.Width, 16);
        ASSERT_EQ(png.Height, 16);
        EXPECT_TRUE(png.HasAlphaChannel());
        int transparent = 0, opaque = 0, left = 16, top = 16, right = -1, bottom = -1;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x) {
                uint8_t a = png.At(x, y).A;
                transparent += a == 0;
                opaque += a == 255;
                if (a >= 128) {
                    left = std::min(left, x), top = std::min(top, y);
                    right = std::max(right, x), bottom = std::max(bottom, y);
                }
            }
        EXPECT_GT(transparent, 0);
        EXPECT_GT(opaque, 60);
        // The picture fills the cell rather than sitting small in it.
        EXPECT_GE(right - left, 11);
        EXPECT_GE(bottom - top, 11);
        if (i >= 6) {  // the round buttons leave their corners clear
            for (auto [x, y] : {std::pair{0, 0}, {15, 0}, {0, 15}, {15, 15}}) {
                EXPECT_EQ(png.At(x, y).A, 0) << x << "," << y;
            }
        }
    }
}

} // namespace
} // namespace vt
