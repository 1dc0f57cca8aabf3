// Effect bitmap: morph arithmetic, inactive-window looks and geometric operations.
#include <gtest/gtest.h>

#include "raster/effect_bmp.h"

namespace vt {
namespace {

// The skin records' inactive-effect values.
enum : uint8_t { kBrightness, kDarkness, kGrayScale, kNoise, kSplitBlur, kInvert };

TspEffectBmp Flat(int w, int h, uint32_t c)
{
    TspEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, c);
    return b;
}

// Column index in blue, row index in green.
TspEffectBmp Indexed(int w, int h, uint32_t red)
{
    TspEffectBmp b(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, (red << 16) | (uint32_t(y) << 8) | uint32_t(x));
    return b;
}

TEST(TspEffectBmpTest, RowsArePaddedToFourBytes)
{
    for (int w : {1, 2, 3, 4, 5}) {
        TspEffectBmp b(w, 3);
        EXPECT_EQ(b.RowInc(), 3 * w + w % 4);
        EXPECT_EQ(b.Size, b.RowInc() * 3);
        b.SetPixel(w - 1, 2, 0x123456);
        EXPECT_EQ(b.GetPixel(w - 1, 2), 0x123456u);
    }
}

TEST(TspEffectBmpTest, MorphClampsFactor)
{
    TspEffectBmp t = Flat(3, 2, 0xFFFFFF);
    struct Case {
        double kf;
        uint32_t expected;
    } cases[] = {{-0.5, 0x000000}, {0.0, 0x000000}, {0.5, 0x808080}, {1.0, 0xFFFFFF}, {2.0, 0xFFFFFF}};
    for (const Case& c : cases) {
        TspEffectBmp s = Flat(3, 2, 0x000000);
        s.Morph(t, c.kf);
        EXPECT_EQ(s.GetPixel(2, 1), c.expected) << c.kf;  // 127.5 rounds to 128
    }
    TspEffectBmp other = Flat(4, 2, 0xFFFFFF), s = Flat(3, 2, 0);
    s.Morph(other, 1);
    EXPECT_EQ(s.GetPixel(0, 0), 0u);  // sizes differ: nothing
}

TEST(TspEffectBmpTest, SlidesAndPush)
{
    TspEffectBmp t = Indexed(5, 1, 0xAA);
    TspEffectBmp s = Indexed(5, 1, 0x11);
    s.MorphLeftSlide(t, 0);  // b is at least 1: T's last column shows
    EXPECT_EQ(s.GetPixel(0, 0), 0xAA0004u);
    EXPECT_EQ(s.GetPixel(1, 0), 0x110001u);

    TspEffectBmp byKind = Indexed(5, 1, 0x11);
    byKind.MorphByKind(4, t, 0);  // mkLeftSlide
    EXPECT_EQ(byKind.GetPixel(0, 0), 0xAA0004u);

    s = Indexed(5, 1, 0x11);
    s.MorphRightSlide(t, 0.4);  // b = 2: last two columns take T's first two
    EXPECT_EQ(s.GetPixel(3, 0), 0xAA0000u);
    EXPECT_EQ(s.GetPixel(4, 0), 0xAA0001u);
    EXPECT_EQ(s.GetPixel(2, 0), 0x110002u);

    s = Indexed(5, 1, 0x11);
    s.MorphPush(t, 0.4);  // b = 2: T's last 3 columns, then S's first 2
    uint32_t want[5] = {0xAA0002, 0xAA0003, 0xAA0004, 0x110000, 0x110001};
    for (int x = 0; x < 5; ++x)
        EXPECT_EQ(s.GetPixel(x, 0), want[x]) << x;
}

TEST(TspEffectBmpTest, GradientMorphs)
{
    TspEffectBmp t = Flat(8, 2, 0xFFFFFF);
    TspEffectBmp s = Flat(8, 2, 0x000000);
    s.MorphHGrad(t, 1);
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(s.GetPixel(x, 1), 0xFFFFFFu) << x;

    s = Flat(8, 2, 0);
    s.MorphHGrad(t, 0.5);  // b = 4: band 2..6, step 1/2 outwards
    uint32_t want[8] = {0x000000, 0x808080, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0xFFFFFF, 0x808080};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(s.GetPixel(x, 0), want[x]) << x;

    s = Flat(8, 1, 0);
    TspEffectBmp t1 = Flat(8, 1, 0xFFFFFF);
    s.MorphLeftGrad(t1, 0.5);  // b = 4: g = 0, 1/4, ... at columns 0..4
    uint8_t lg[8] = {255, 191, 128, 64, 0, 0, 0, 0};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(s.GetPixel(x, 0) & 0xFF, lg[x]) << x;

    s = Flat(8, 1, 0);
    s.MorphRightGrad(t1, 0.5);  // c = 4, e = 1/4 from the last column leftwards
    uint8_t rg[8] = {0, 0, 0, 0, 64, 128, 191, 255};
    for (int x = 0; x < 8; ++x)
        EXPECT_EQ(s.GetPixel(x, 0) & 0xFF, rg[x]) << x;

    // A tall picture uses the vertical form.
    TspEffectBmp tall = Flat(2, 6, 0), tallT = Flat(2, 6, 0xFFFFFF);
    tall.MorphGrad(tallT, 1);
    EXPECT_EQ(tall.GetPixel(1, 0), 0xFFFFFFu);
    EXPECT_EQ(tall.GetPixel(1, 5), 0xFFFFFFu);
}

TEST(TspEffectBmpTest, InactiveLooks)
{
    struct Case {
        uint8_t effect;
        uint32_t in, out;
    } cases[] = {
        {kDarkness, 0xC8C8C8, 0x8C8C8C},    // 200 * 0.7 = 140
        {kBrightness, 0x000000, 0x808080},  // Round(127.5) = 128
        {kGrayScale, 0xFF0000, 0x4C4C4C},   // Round(76.5) = 76
        {kInvert, 0x102030, 0xEFDFCF},
        {kSplitBlur, 0x123456, 0x123456},   // a 1 x 1 picture stays as it is
    };
    for (const Case& c : cases) {
        TspEffectBmp b = Flat(1, 1, c.in);
        b.ApplyInactiveEffect(c.effect);
        EXPECT_EQ(b.GetPixel(0, 0), c.out) << int(c.effect);
    }
    TspEffectBmp n = Flat(4, 4, 0x808080);
    TspEffectBmp::SeedRandom(1);
    n.ApplyInactiveEffect(kNoise);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) {
            int v = n.GetPixel(x, y) & 0xFF;
            EXPECT_GE(v, 128 - 25);
            EXPECT_LT(v, 128 + 25);
            EXPECT_EQ(n.GetPixel(x, y), uint32_t(v) * 0x010101u);  // one n for all channels
        }
}

TEST(TspEffectBmpTest, SplitBlurUsesDiagonalsAndUpdatedValues)
{
    TspEffectBmp b = Flat(3, 3, 0);
    b.SetPixel(2, 2, 0x0000C8);
    b.SplitBlur(1);
    EXPECT_EQ(b.GetPixel(0, 0), 0u);
    // (1,1): diagonals (0,0), (0,2), (2,0), (2,2) give 200 / 4.
    EXPECT_EQ(b.GetPixel(1, 1), 50u);
    // (2,1): rows 0 and 2, columns 1 and 2 (the edge repeats its own column); (1,0) and (2,0)
    // were already processed and are 0: (0 + 0 + 0 + 200) / 4.
    EXPECT_EQ(b.GetPixel(2, 1), 50u);
    // (1,2): (0,1) = 0, (0,2) = 12 (just computed from the new (1,1)), (2,1) = 50, (2,2) = 200.
    EXPECT_EQ(b.GetPixel(0, 2), 12u);
    EXPECT_EQ(b.GetPixel(1, 2), 65u);
    // (2,2): (1,1) = 50, (1,2) = 65, (2,1) = 50 and itself (both edges repeat): 365 / 4.
    EXPECT_EQ(b.GetPixel(2, 2), 91u);
}

TEST(TspEffectBmpTest, GeometryAndMasks)
{
    TspEffectBmp s = Indexed(3, 2, 0);
    TspEffectBmp r1(2, 3), r2(2, 3), fl(3, 2);
    s.Rotate90_1(r1);
    s.Rotate90_2(r2);
    s.FlipVert(fl);
    EXPECT_EQ(r1.GetPixel(1, 2), s.GetPixel(0, 1));  // (x, y) -> (y, W-1-x)
    EXPECT_EQ(r2.GetPixel(0, 2), s.GetPixel(2, 1));  // (x, y) -> (H-1-y, x)
    EXPECT_EQ(fl.GetPixel(2, 0), s.GetPixel(2, 1));
    TspEffectBmp wrong(3, 3);
    s.Rotate90_1(wrong);  // mismatched size: nothing
    EXPECT_EQ(wrong.GetPixel(0, 0), 0u);

    TspEffectBmp m = Flat(3, 2, 0xFFFFFF);
    m.SetPixel(1, 0, 0);
    TspEffectBmp p = Flat(3, 2, 0x000000);
    p.MaskFillColor(m, clRed, 0.5);
    EXPECT_EQ(p.GetPixel(1, 0), 0x800000u);  // red 127.5 -> 128
    EXPECT_EQ(p.GetPixel(0, 0), 0u);
    TspEffectBmp shortMask = Flat(3, 1, 0);
    p.MaskFillColor(shortMask, clRed, 1);  // lower than the picture: nothing
    EXPECT_EQ(p.GetPixel(0, 0), 0u);

    TspEffectBmp mo = Indexed(5, 5, 0);
    mo.Mosaic(2);
    EXPECT_EQ(mo.GetPixel(1, 1), mo.GetPixel(0, 0));
    EXPECT_EQ(mo.GetPixel(4, 3), 0x000204u);

    TspEffectBmp rect = Flat(4, 4, 0);
    rect.CopyRect(Indexed(4, 4, 0x33), Rect(2, 2, 9, 9), 0, 0);  // right/bottom inclusive, clipped
    EXPECT_EQ(rect.GetPixel(3, 3), 0x330101u);
    EXPECT_EQ(rect.GetPixel(1, 1), 0u);
    rect.MorphRect(Flat(1, 1, 0xFFFFFF), 1, Rect(0, 0, 4, 4), 0, 0);  // target smaller: only (0,0)
    EXPECT_EQ(rect.GetPixel(0, 0), 0xFFFFFFu);
    EXPECT_EQ(rect.GetPixel(1, 0), 0u);
}

} // namespace
} // namespace vt
