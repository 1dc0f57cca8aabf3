// Pixel bitmap: storage rules, exact blend arithmetic, drawing geometry and pixel effects.
#include <gtest/gtest.h>

#include "framework/base/exceptions.h"
#include "raster/bitmap.h"

#include <vector>

namespace vt {
namespace {

TspBitmap& Filled(TspBitmap& b, int w, int h, TspColor c)
{
    b.SetSize(w, h);
    b.Clear(c);
    return b;
}

// Each source column's index in its blue byte, opaque.
void FillColumnIndex(TspBitmap& b, int w, int h)
{
    b.SetSize(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            b.SetPixel(x, y, MakePixel(0, static_cast<uint8_t>(y), static_cast<uint8_t>(x), 255));
}

TEST(TspBitmapTest, SetSizeRules)
{
    TspBitmap b;
    EXPECT_TRUE(b.Empty());
    Filled(b, 5, 5, 0x11223344);
    b.SetSize(0, 10);
    EXPECT_EQ(b.FWidth, 5);
    EXPECT_EQ(b.GetPixel(4, 4), 0x11223344u);
    b.SetSize(-5, -5);
    EXPECT_EQ(b.GetPixel(4, 4), 0x11223344u);
    b.SetSize(6, 5);
    EXPECT_EQ(b.FWidth, 6);
    EXPECT_EQ(b.FHeight, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 6; ++x)
            ASSERT_EQ(b.GetPixel(x, y), 0u);
}

TEST(TspBitmapTest, HugeSizeIsAClearErrorAndLeavesTheBitmapEmpty)
{
    TspBitmap b;
    Filled(b, 4, 4, 1);
    try {
        b.SetSize(100000, 100000);
        FAIL() << "no exception";
    } catch (const EOutOfResources& e) {
        EXPECT_EQ(e.Message(), L"Can't allocate the DIB handle");
    }
    EXPECT_TRUE(b.Empty());
    EXPECT_EQ(b.FWidth, 0);
    EXPECT_THROW(b.SetSize(INT32_MIN, 3), EOutOfResources);
    b.SetSize(2, 2);  // still usable afterwards
    EXPECT_EQ(b.GetPixel(1, 1), 0u);
}

TEST(TspBitmapTest, PixelAccessOutsideIsIgnored)
{
    TspBitmap b;
    Filled(b, 3, 2, 7);
    EXPECT_EQ(b.GetPixel(3, 0), 0u);
    EXPECT_EQ(b.GetPixel(-1, 0), 0u);
    EXPECT_EQ(b.GetPixel(0, 2), 0u);
    b.SetPixel(3, 0, 9);
    b.SetPixel(0, -1, 9);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(b.GetPixel(x, y), 7u);
    TspBitmap e;
    EXPECT_EQ(e.GetPixel(0, 0), 0u);
    e.SetPixel(0, 0, 1);
}

TEST(TspBitmapTest, BlendPixelTable)
{
    struct Case {
        TspColor src, dst, expected;
    } cases[] = {
        // Half-transparent red onto opaque blue: every byte blended, alpha too.
        {0x80FF0000, 0xFF0000FF, MakePixel(127, 0, 127, 191)},
        {0x00FF0000, 0xFF0000FF, 0xFF0000FF},  // alpha 0 keeps the destination
        {0xFF123456, 0x80ABCDEF, 0xFF123456},  // alpha 255 stores the source exactly
        {0x01FFFFFF, 0x00000000, 0x00000000},  // (0*255 + 255*1) >> 8 = 0
        {0xFEFFFFFF, 0x00000000, 0xFCFDFDFD},  // colour (255*254) >> 8 = 253, alpha (254*254) >> 8 = 252
        {0x40102030, 0xC0405060, MakePixel(0x34, 0x44, 0x54, 0xA0)},  // red (0x40*192 + 0x10*64) >> 8
    };
    for (const Case& c : cases) {
        EXPECT_EQ(BlendPixel(c.src, c.dst), c.expected) << std::hex << c.src << " over " << c.dst;
        // The vector row routine must agree with the pixel rule, at every position of a row.
        std::vector<TspColor> src(11, c.src), dst(11, c.dst);
        BlendRow(src.data(), dst.data(), 11);
        for (TspColor d : dst)
            EXPECT_EQ(d, c.expected);
    }
}

TEST(TspBitmapTest, BlendRowMatchesPixelRuleOnMixedRows)
{
    std::vector<TspColor> src(37), dst(37), want(37);
    uint32_t seed = 12345;
    for (size_t i = 0; i < src.size(); ++i) {
        seed = seed * 1103515245 + 12345;
        src[i] = seed;
        seed = seed * 1103515245 + 12345;
        dst[i] = seed;
        if (i % 5 == 0)
            src[i] &= 0x00FFFFFF;
        if (i % 7 == 0)
            src[i] |= 0xFF000000;
        want[i] = BlendPixel(src[i], dst[i]);
    }
    BlendRow(src.data(), dst.data(), 37);
    EXPECT_EQ(dst, want);
}

// Tests the premultiplied blend with a constant alpha: an opaque source replaces, a clear one
// keeps, half-covering colours add to the rest of the destination with exact rounding, the
// constant alpha scales the source alpha included, and a source that is not truly premultiplied
// saturates instead of wrapping.
TEST(TspBitmapTest, BlendPremultipliedPixelTable)
{
    struct Case {
        TspColor src, dst;
        uint8_t constant;
        TspColor expected;
    } cases[] = {
        {0xFF123456, 0x80ABCDEF, 255, 0xFF123456},
        {0x00000000, 0x80ABCDEF, 255, 0x80ABCDEF},
        {MakePixel(128, 0, 0, 128), 0xFF0000FF, 255, MakePixel(128, 0, 127, 255)},
        {0xFFFFFFFF, 0xFF000000, 128, MakePixel(128, 128, 128, 255)},
        {MakePixel(64, 32, 0, 64), 0x00000000, 255, MakePixel(64, 32, 0, 64)},  // onto clear: unchanged
        {MakePixel(100, 0, 0, 100), MakePixel(0, 0, 200, 200), 255, MakePixel(100, 0, 122, 222)},
        {MakePixel(200, 0, 0, 0), 0xFF646464, 255, MakePixel(255, 100, 100, 255)},
        {0xFFFFFFFF, 0x80ABCDEF, 0, 0x80ABCDEF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BlendPremultipliedPixel(c.src, c.dst, c.constant), c.expected)
            << std::hex << c.src << " over " << c.dst << " at " << int(c.constant);
}

// Tests that a picture is blended at its place and clipped at every edge of the target.
TEST(TspBitmapTest, BlendPremultipliedClipsToTheTarget)
{
    TspBitmap src, dst;
    src.SetSize(2, 2);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 2; ++x)
            src.SetPixel(x, y, MakePixel(static_cast<uint8_t>(10 * (y * 2 + x + 1)), 0, 0, 255));
    const TspColor ground = 0xFF000040;
    const struct {
        TPoint At;
        std::vector<std::pair<TPoint, TspColor>> Changed;
    } cases[] = {
        {{1, 1}, {{{1, 1}, src.GetPixel(0, 0)}, {{2, 1}, src.GetPixel(1, 0)}, {{1, 2}, src.GetPixel(0, 1)},
                  {{2, 2}, src.GetPixel(1, 1)}}},
        {{-1, 2}, {{{0, 2}, src.GetPixel(1, 0)}}},
        {{3, -1}, {{{3, 0}, src.GetPixel(0, 1)}}},
        {{4, 0}, {}},
    };
    for (const auto& c : cases) {
        Filled(dst, 4, 3, ground);
        BlendPremultiplied(dst, c.At, src.View());
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 4; ++x) {
                TspColor want = ground;
                for (const auto& [p, colour] : c.Changed)
                    if (p == Point(x, y))
                        want = colour;
                EXPECT_EQ(dst.GetPixel(x, y), want) << c.At.X << "," << c.At.Y << ": " << x << "," << y;
            }
    }
    BlendPremultiplied(dst, {0, 0}, TPixelView{});  // nothing to blend
    EXPECT_EQ(dst.GetPixel(0, 0), ground);
}

TEST(TspBitmapTest, KeyedCopySkipsKeyAndForcesOpaque)
{
    TspColor src[3] = {TransparentKey, 0x127F007F, 0x00102030};
    TspColor dst[3] = {5, 6, 7};
    KeyedCopyRow(src, dst, 3);
    EXPECT_EQ(dst[0], 5u);
    EXPECT_EQ(dst[1], 6u);  // the low 24 bits decide
    EXPECT_EQ(dst[2], 0xFF102030u);
}

TEST(TspBitmapTest, CheckingTransparentTolerance)
{
    TspBitmap b;
    b.SetSize(3, 1);
    b.SetPixel(0, 0, MakePixel(250, 4, 251, 255));
    b.SetPixel(1, 0, MakePixel(249, 4, 255, 255));  // red differs by 6
    b.SetPixel(2, 0, MakePixel(255, 5, 250, 255));
    b.CheckingTransparent(MakePixel(255, 0, 255, 0));
    EXPECT_TRUE(b.FTransparent);
    EXPECT_EQ(b.GetPixel(0, 0), TransparentKey);
    EXPECT_EQ(b.GetPixel(1, 0), MakePixel(249, 4, 255, 255));
    EXPECT_EQ(b.GetPixel(2, 0), TransparentKey);
    b.Clear(0xFF000000);
    b.CheckingTransparent(MakePixel(255, 0, 255, 0));
    EXPECT_FALSE(b.FTransparent);
}

TEST(TspBitmapTest, AlphaChecksAndPremultiply)
{
    TspBitmap b;
    b.SetSize(2, 1);
    b.SetPixel(0, 0, MakePixel(255, 128, 64, 128));
    b.SetPixel(1, 0, MakePixel(1, 2, 3, 0));
    b.CheckRGBA2();
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(128, 64, 32, 128));  // 64.25 -> 64, 127.5 -> 128
    EXPECT_EQ(b.GetPixel(1, 0), 0u);

    b.SetPixel(0, 0, MakePixel(200, 90, 100, 100));
    b.CheckRGBA();
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(100, 90, 100, 100));

    b.SetAlpha(255);
    b.CheckingAlphaBlend();
    EXPECT_FALSE(b.FAlphaBlend);
    b.SetAlpha(0, Rect(-5, -5, 1, 9));
    b.CheckingAlphaBlend();
    EXPECT_FALSE(b.FAlphaBlend);
    EXPECT_EQ(PixelA(b.GetPixel(0, 0)), 0);
    EXPECT_EQ(PixelA(b.GetPixel(1, 0)), 255);
    b.SetAlpha(7, Rect(1, 0, 1, 1));  // zero width: nothing
    EXPECT_EQ(PixelA(b.GetPixel(1, 0)), 255);
    b.SetAlpha(7, Rect(1, 0, 2, 1));
    b.CheckingAlphaBlend();
    EXPECT_TRUE(b.FAlphaBlend);
}

TEST(TspBitmapTest, DrawRejectsSourceRectOutsideSource)
{
    TspBitmap src, dst;
    Filled(src, 4, 4, 0xFFFFFFFF);
    Filled(dst, 8, 8, 0);
    src.Draw(dst, Rect(0, 0, 5, 4), Rect(0, 0, 5, 4));
    src.Draw(dst, Rect(0, 0, 4, 4), Rect(-1, 0, 3, 4));
    src.Draw(dst, 0, 0, Rect(0, 1, 4, 5));
    for (int y = 0; y < 8; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(dst.GetPixel(x, y), 0u);
    src.Draw(dst, 6, 6);  // clipped to the destination
    EXPECT_EQ(dst.GetPixel(7, 7), 0xFFFFFFFFu);
    EXPECT_EQ(dst.GetPixel(5, 5), 0u);
}

TEST(TspBitmapTest, StretchTables)
{
    struct Case {
        int srcLo, srcHi, dstLo, dstHi;
        bool round;
        std::vector<int32_t> expected;
    } cases[] = {
        {0, 5, 0, 1, false, {2}},             // 1-pixel destination: the middle column
        {3, 7, 10, 11, false, {4}},           // (3 + 7 - 1) div 2
        {0, 4, 0, 7, false, {0, 0, 1, 1, 2, 2, 3}},
        {0, 4, 0, 7, true, {0, 0, 1, 2, 2, 2, 3}},  // 1.5 -> 2, 2.5 -> 2
        {0, 8, 0, 3, false, {0, 3, 7}},
        {2, 4, 0, 5, false, {2, 2, 2, 2, 3}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(StretchTable(c.srcLo, c.srcHi, c.dstLo, c.dstHi, c.dstLo, c.dstHi, c.round), c.expected)
            << c.srcLo << ".." << c.srcHi << " -> " << c.dstLo << ".." << c.dstHi << " round " << c.round;
        // A clipped table is the tail of the whole one.
        std::vector<int32_t> tail(c.expected.begin() + 1, c.expected.end());
        EXPECT_EQ(StretchTable(c.srcLo, c.srcHi, c.dstLo, c.dstHi, c.dstLo + 1, c.dstHi, c.round), tail);
    }
}

TEST(TspBitmapTest, StretchToOnePixelWideTakesMiddleColumn)
{
    TspBitmap src, dst;
    FillColumnIndex(src, 5, 3);
    Filled(dst, 1, 6, 0);
    src.Draw(dst, Rect(0, 0, 1, 6));
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(PixelB(dst.GetPixel(0, y)), 2);
    // Rows map with truncation: 0, 0, 0, 1, 1, 2 for 3 rows onto 6.
    int rows[6] = {0, 0, 0, 1, 1, 2};
    for (int y = 0; y < 6; ++y)
        EXPECT_EQ(PixelG(dst.GetPixel(0, y)), rows[y]);
}

// Tests that every stretch shortcut (one-to-one columns, repeated rows, filled runs) gives the
// pixels of the plain nearest-neighbour rule, including clipped destinations.
TEST(TspBitmapTest, StretchShortcutsMatchTheRule)
{
    TspBitmap src;
    src.SetSize(13, 11);
    for (int y = 0; y < 11; ++y)
        for (int x = 0; x < 13; ++x)
            src.SetPixel(x, y, MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 7, 255));
    struct Case {
        TRect dst, srcRect;
    } cases[] = {
        {Rect(0, 0, 40, 5), Rect(2, 1, 7, 4)},      // wide enlargement: runs
        {Rect(-5, 2, 30, 9), Rect(0, 0, 13, 11)},   // clipped on the left, shrunk vertically
        {Rect(3, -4, 7, 30), Rect(4, 2, 8, 6)},     // same width: straight row copies
        {Rect(1, 1, 9, 4), Rect(0, 0, 13, 11)},     // shrink both ways
        {Rect(0, 0, 1, 1), Rect(3, 3, 9, 9)},       // a single pixel
        {Rect(2, 3, 33, 4), Rect(5, 5, 6, 8)},      // one source column over many
        // Narrow borders stretched down: every width the row-repeating copy handles, and past it.
        {Rect(0, 0, 1, 24), Rect(3, 1, 4, 5)},
        {Rect(0, -3, 3, 23), Rect(3, 1, 6, 5)},
        {Rect(2, 0, 6, 20), Rect(0, 2, 4, 9)},
        {Rect(0, 1, 8, 24), Rect(5, 0, 13, 11)},
        {Rect(20, 0, 29, 31), Rect(1, 3, 10, 6)},
        {Rect(0, 0, 31, 22), Rect(0, 0, 13, 11)},   // enlarged both ways, wider than twice
        {Rect(0, 0, 20, 22), Rect(0, 0, 13, 3)},    // a little wider, many repeated rows
    };
    for (const Case& c : cases) {
        TspBitmap dst;
        dst.SetSize(32, 24);
        src.Draw(dst, c.dst, c.srcRect);
        TRect clip = IntersectRect(c.dst, dst.BoundsRect());
        auto cols = StretchTable(c.srcRect.Left, c.srcRect.Right, c.dst.Left, c.dst.Right, clip.Left, clip.Right);
        auto rows = StretchTable(c.srcRect.Top, c.srcRect.Bottom, c.dst.Top, c.dst.Bottom, clip.Top, clip.Bottom);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x) {
                TspColor want = clip.Contains(Point(x, y))
                                    ? src.GetPixel(cols[static_cast<size_t>(x - clip.Left)], rows[static_cast<size_t>(y - clip.Top)])
                                    : 0u;
                ASSERT_EQ(dst.GetPixel(x, y), want) << x << "," << y;
            }
    }
}

// Tests that a tiled row is the tile repeated from its phase, for rows shorter than, equal to and
// many times the period.
TEST(TspBitmapTest, TileRowRepeatsTheTileFromItsPhase)
{
    const TspColor tile[7] = {10, 11, 12, 13, 14, 15, 16};
    struct Case {
        int period, phase, count;
    } cases[] = {{7, 0, 3}, {7, 5, 2}, {7, 5, 9}, {7, 0, 7}, {7, 3, 100}, {1, 0, 33}, {2, 1, 64}, {5, 4, 6}};
    for (const Case& c : cases) {
        std::vector<TspColor> row(static_cast<size_t>(c.count) + 1, 0xDEAD);
        TileRow(tile, c.period, c.phase, row.data(), c.count);
        for (int i = 0; i < c.count; ++i)
            ASSERT_EQ(row[static_cast<size_t>(i)], tile[(c.phase + i) % c.period])
                << c.period << "/" << c.phase << " at " << i;
        EXPECT_EQ(row.back(), 0xDEADu) << "written past the row";
    }
}

TEST(TspBitmapTest, TilePiecesTable)
{
    struct Case {
        TRect dst, clip, src;
        std::vector<TRect> tiles;
    } cases[] = {
        {Rect(0, 0, 25, 1), {}, Rect(0, 0, 10, 1), {Rect(0, 0, 10, 1), Rect(10, 0, 20, 1), Rect(20, 0, 25, 1)}},
        {Rect(0, 0, 25, 1), {}, Rect(0, 0, 0, 1), {}},
        {Rect(5, 5, 25, 8), Rect(16, 0, 17, 100), Rect(2, 2, 10, 5), {Rect(13, 5, 21, 8)}},
        {Rect(0, 0, 4, 4), {}, Rect(0, 0, 2, 2),
         {Rect(0, 0, 2, 2), Rect(0, 2, 2, 4), Rect(2, 0, 4, 2), Rect(2, 2, 4, 4)}},
    };
    for (const Case& c : cases) {
        std::vector<TRect> got;
        for (const TTilePiece& p : TilePieces(c.dst, c.clip, c.src, Rect(-1000, -1000, 1000, 1000))) {
            got.push_back(p.Dst);
            EXPECT_EQ(p.Src.Left, c.src.Left);
            EXPECT_EQ(p.Src.Width(), p.Dst.Width());
        }
        EXPECT_EQ(got, c.tiles);
    }
}

// Tests that a destination far larger than the target only visits the tiles on the target.
TEST(TspBitmapTest, HugeTileAreaIsLimitedToTheTarget)
{
    auto pieces = TilePieces(Rect(-2000000000, -5, 2000000000, 5), {}, Rect(0, 0, 1, 1), Rect(0, 0, 3, 2));
    std::vector<TRect> got;
    for (const TTilePiece& p : pieces)
        got.push_back(p.Dst);
    EXPECT_EQ(got, (std::vector<TRect>{Rect(0, 0, 1, 1), Rect(0, 1, 1, 2), Rect(1, 0, 2, 1), Rect(1, 1, 2, 2),
                                       Rect(2, 0, 3, 1), Rect(2, 1, 3, 2)}));
    // Alignment is kept: tiles of 10 starting at -25 put source column 5 at x = 0.
    TspBitmap src, dst;
    FillColumnIndex(src, 10, 1);
    dst.SetSize(12, 1);
    src.Tile(dst, Rect(-25, 0, 1000000000, 1), Rect(0, 0, 10, 1));
    for (int x = 0; x < 12; ++x)
        EXPECT_EQ(PixelB(dst.GetPixel(x, 0)), (x + 5) % 10) << x;
}

TEST(TspBitmapTest, TileTenOverTwentyFive)
{
    TspBitmap src, dst;
    FillColumnIndex(src, 10, 1);
    Filled(dst, 30, 1, 0);
    src.Tile(dst, Rect(0, 0, 25, 1), Rect(0, 0, 10, 1));
    for (int x = 0; x < 25; ++x)
        EXPECT_EQ(PixelB(dst.GetPixel(x, 0)), x % 10) << x;
    EXPECT_EQ(dst.GetPixel(25, 0), 0u);
}

TEST(TspBitmapTest, DrawModesFollowFlags)
{
    TspBitmap src, dst;
    src.SetSize(2, 1);
    src.SetPixel(0, 0, TransparentKey);
    src.SetPixel(1, 0, 0x80FF0000);
    Filled(dst, 2, 1, 0xFF0000FF);
    src.FTransparent = true;
    src.Draw(dst, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(dst.GetPixel(1, 0), 0xFFFF0000u);
    dst.Clear(0xFF0000FF);
    src.FAlphaBlend = true;  // blending wins over the key
    src.Draw(dst, 0, 0);
    EXPECT_EQ(dst.GetPixel(1, 0), MakePixel(127, 0, 127, 191));
    dst.Clear(0xFF0000FF);
    src.FAlphaBlend = src.FTransparent = false;
    src.Draw(dst, 0, 0);
    EXPECT_EQ(dst.GetPixel(0, 0), TransparentKey);
}

TEST(TspBitmapTest, MergeDrawGoesBehind)
{
    TspBitmap top, back;
    top.SetSize(3, 1);
    top.SetPixel(0, 0, 0x00000000);
    top.SetPixel(1, 0, 0xFF112233);
    top.SetPixel(2, 0, 0x80FF0000);
    Filled(back, 3, 1, 0xFF0000FF);
    top.MergeDraw(back, 0, 0, Rect(0, 0, 10, 10));
    EXPECT_EQ(top.GetPixel(0, 0), 0xFF0000FFu);
    EXPECT_EQ(top.GetPixel(1, 0), 0xFF112233u);
    EXPECT_EQ(top.GetPixel(2, 0), MakePixel(127, 0, 127, 191));
}

TEST(TspBitmapTest, FillRectBlendsOnlyWhenAlphaBlended)
{
    TspBitmap b;
    Filled(b, 3, 3, 0xFF0000FF);
    b.FillRect(Rect(2, 2, 9, 9), 0x80FF0000);
    EXPECT_EQ(b.GetPixel(2, 2), 0x80FF0000u);
    EXPECT_EQ(b.GetPixel(1, 1), 0xFF0000FFu);
    b.FAlphaBlend = true;
    b.FillRect(Rect(0, 0, 1, 1), 0x80FF0000);
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(127, 0, 127, 191));
}

TEST(TspBitmapTest, ReflectionFadesAlpha)
{
    TspBitmap b;
    b.SetSize(1, 4);
    for (int y = 0; y < 4; ++y)
        b.SetPixel(0, y, MakePixel(static_cast<uint8_t>(y), 0, 0, 255));
    b.Reflection();  // k = 3, f = 1, 0.5, 0, -0.5
    uint8_t alphas[4] = {85, 42, 0, 0};  // 255/3, Round(127.5)=128 div 3
    for (int y = 0; y < 4; ++y) {
        EXPECT_EQ(PixelR(b.GetPixel(0, y)), 3 - y);
        EXPECT_EQ(PixelA(b.GetPixel(0, y)), alphas[y]) << y;
    }
}

TEST(TspBitmapTest, ColourAdjustments)
{
    TspBitmap b;
    b.SetSize(2, 1);
    b.SetPixel(0, 0, MakePixel(250, 10, 100, 200));
    b.SetPixel(1, 0, MakePixel(250, 10, 100, 0));
    b.ChangeBitmapBrightness(10);
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(255, 20, 110, 200));
    EXPECT_EQ(b.GetPixel(1, 0), MakePixel(250, 10, 100, 0));  // alpha 0 untouched

    b.SetPixel(0, 0, MakePixel(255, 0, 0, 255));
    b.SetBitmapHue(85);  // 1/3 turn: green
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(0, 255, 0, 255));
    b.ChangeBitmapHue(0);
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(0, 255, 0, 255));
    b.ChangeBitmapHue(-85);  // 85 - 85 = 0: red again
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(255, 0, 0, 255));
    b.ChangeBitmapSat(-255);  // 255 - 255 = 0: grey at lightness 0.5
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(128, 128, 128, 255));
}

TEST(TspBitmapTest, StackBlurKeepsFlatAndSpreadsEdges)
{
    TspBitmap b;
    Filled(b, 9, 5, 0x40646464);
    StackBlur(b, 3);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 9; ++x)
            ASSERT_EQ(b.GetPixel(x, y), 0xFF646464u);
    b.SetSize(7, 1);
    b.Clear(0);
    b.SetPixel(3, 0, MakePixel(160, 0, 0, 255));
    StackBlur(b, 1);  // weights 1,2,1 over 4: 40, 80, 40
    uint8_t expect[7] = {0, 0, 40, 80, 40, 0, 0};
    for (int x = 0; x < 7; ++x)
        EXPECT_EQ(PixelR(b.GetPixel(x, 0)), expect[x]);
    StackBlur(b, 0);  // nothing
    EXPECT_EQ(PixelR(b.GetPixel(3, 0)), 80);
}

TEST(TspBitmapTest, AlphaFromMask)
{
    TspBitmap b, m;
    Filled(b, 3, 1, 0xFF202020);
    m.SetSize(3, 1);
    m.SetPixel(0, 0, MakePixel(255, 255, 255, 0));
    m.SetPixel(1, 0, MakePixel(128, 128, 129, 0));
    m.SetPixel(2, 0, 0);
    AlphaFromMask(b, m);
    EXPECT_EQ(PixelA(b.GetPixel(0, 0)), 255);
    EXPECT_EQ(PixelA(b.GetPixel(1, 0)), 128);
    EXPECT_EQ(PixelA(b.GetPixel(2, 0)), 0);
    AlphaFromMaskPremultiplied(b, m);
    EXPECT_EQ(b.GetPixel(1, 0), MakePixel(16, 16, 16, 128));
    TspBitmap small;
    Filled(small, 1, 1, 0);
    AlphaFromMask(b, small);  // a smaller mask only covers its own area
    EXPECT_EQ(PixelA(b.GetPixel(0, 0)), 0);
    EXPECT_EQ(PixelA(b.GetPixel(1, 0)), 128);
}

TEST(TspBitmapTest, ParseRectText)
{
    EXPECT_EQ(ParseRectText(L"1,2,3,4"), Rect(1, 2, 3, 4));
    EXPECT_EQ(ParseRectText(L"(10; 20) = -3:4"), Rect(10, 20, -3, 4));
    EXPECT_EQ(ParseRectText(L"1,2,3"), Rect(0, 0, 0, 0));
    EXPECT_EQ(ParseRectText(L"1,2,3,x"), Rect(0, 0, 0, 0));
    EXPECT_EQ(ParseRectText(L"1,2,3,4,5"), Rect(0, 0, 0, 0));
    EXPECT_EQ(ParseRectText(L"1,2,3,99999999999"), Rect(0, 0, 0, 0));
    TspBitmap b;
    b.FName = L"pic";
    auto link = GetBitmapLink(b, L"0 0 2 2");
    EXPECT_EQ(link->FImage, &b);
    EXPECT_EQ(link->FName, L"pic");
    EXPECT_EQ(link->FRect, Rect(0, 0, 2, 2));
    EXPECT_TRUE(link->Assigned());
}

TEST(TspBitmapTest, CheckingMaskedClassifiesByMargin)
{
    TspBitmap b;
    Filled(b, 10, 10, 0xFF000000);
    TspBitmapLink link;
    link.FImage = &b;
    link.FRect = Rect(0, 0, 10, 10);
    link.CheckingMasked();
    EXPECT_FALSE(link.FMasked);
    b.SetPixel(0, 0, 0x33333333);  // the special opaque-grey value never counts
    link.CheckingMasked(Rect(2, 2, 2, 2));
    EXPECT_FALSE(link.FMaskedAngles);
    b.SetPixel(9, 9, 0x10000000);
    b.SetPixel(5, 0, TransparentKey);
    link.CheckingMasked(Rect(2, 2, 2, 2));
    EXPECT_TRUE(link.FMaskedAngles);
    EXPECT_TRUE(link.FMaskedBorder);
    EXPECT_FALSE(link.FMasked);
    b.SetPixel(5, 5, 0x10000000);
    link.CheckingMasked(Rect(2, 2, 2, 2));
    EXPECT_TRUE(link.FMasked);
}

TEST(TspBitmapTest, AssignFromPixelImage)
{
    TPixelImage img;
    img.Width = 2;
    img.Height = 1;
    img.Format = TPixelFormat::pf24bit;
    img.Pixels = {TPixel{1, 2, 3, 0}, TPixel{4, 5, 6, 9}};
    TspBitmap b;
    b.Assign(img);
    EXPECT_EQ(b.GetPixel(0, 0), MakePixel(3, 2, 1, 255));
    EXPECT_FALSE(b.FAlphaBlend);
    img.Format = TPixelFormat::pf32bit;
    b.Assign(img);
    EXPECT_EQ(b.GetPixel(1, 0), MakePixel(6, 5, 4, 9));
    EXPECT_TRUE(b.FAlphaBlend);
    EXPECT_EQ(b.ToPixelImage().Pixels, img.Pixels);
    img.Pixels.pop_back();  // fewer pixels than the size says
    EXPECT_THROW(b.Assign(img), EInvalidGraphic);
}

} // namespace
} // namespace vt
