// Skin image composition: piece placement, tiling and stretching, strips, masks and regions.
#include <gtest/gtest.h>

#include "golden.h"
#include "raster/compose.h"
#include "raster/region.h"

namespace vt {
namespace {

// A synthetic skin picture: the element sits at (5, 5) in a 40 x 34 picture, 32 x 24, with a
// distinct colour per piece and a column/row gradient inside each so tiles and stretches show.
constexpr TRect kSkinRect = {5, 5, 37, 29};
const TFrameGeometry kGeometry = {{10, 9}, {22, 9}, {10, 15}, {22, 15}, {6, 7, 26, 18}};

TspColor PieceColour(int x, int y)
{
    const TFrameGeometry& g = kGeometry;
    const TRect& c = g.ClRect;
    // Base colours: top band reds, bottom band blues, left greens, right yellows, client grey.
    uint32_t base;
    if (y < c.Top)
        base = x < g.LTPoint.X ? 0x800000 : x < g.RTPoint.X ? 0xE04040 : 0xC00060;
    else if (y >= c.Bottom)
        base = x < g.LBPoint.X ? 0x000080 : x < g.RBPoint.X ? 0x4040E0 : 0x0060C0;
    else if (x < c.Left)
        base = y < g.LTPoint.Y ? 0x006000 : y < g.LBPoint.Y ? 0x40C040 : 0x008040;
    else if (x >= c.Right)
        base = y < g.RTPoint.Y ? 0x808000 : y < g.RBPoint.Y ? 0xD0C040 : 0x606000;
    else
        base = ((x + y) & 1) ? 0xB0B0B0 : 0x909090;
    // A small per-column and per-row shift keeps every position of the element distinct.
    uint8_t r = static_cast<uint8_t>(base >> 16);
    uint8_t gg = static_cast<uint8_t>(((base >> 8) & 0xFF) + (x * 7) % 32);
    uint8_t b = static_cast<uint8_t>((base & 0xFF) + (y * 7) % 32);
    return MakePixel(r, gg, b, 255);
}

void MakeSkin(TspBitmap& skin)
{
    skin.SetSize(40, 34);
    skin.Clear(0xFF000000);
    for (int y = 0; y < kSkinRect.Height(); ++y)
        for (int x = 0; x < kSkinRect.Width(); ++x)
            skin.SetPixel(kSkinRect.Left + x, kSkinRect.Top + y, PieceColour(x, y));
}

void Compose(TspBitmap& dest, int W, int H, const TFrameStretch& s, bool client = true)
{
    TspBitmap skin;
    MakeSkin(skin);
    TFrameGeometry ng = ResizeFrameGeometry(kGeometry, kSkinRect.Width(), kSkinRect.Height(), W, H);
    ComposeFramedPicture(kGeometry, ng, dest, skin, kSkinRect, W, H, client, s);
}

TEST(ComposeTest, ResizeRuleMovesRightAndBottomPoints)
{
    TFrameGeometry n = ResizeFrameGeometry(kGeometry, 32, 24, 50, 20);
    EXPECT_EQ(n.LTPoint, Point(10, 9));
    EXPECT_EQ(n.RTPoint, Point(40, 9));
    EXPECT_EQ(n.LBPoint, Point(10, 11));
    EXPECT_EQ(n.RBPoint, Point(40, 11));
    EXPECT_EQ(n.ClRect, Rect(6, 7, 44, 14));
}

// Tests that composing at the element's own size reproduces it exactly, for every stretch mode.
TEST(ComposeTest, ExactSizeReproducesTheElement)
{
    TFrameStretch modes[] = {{}, {true, true, true, true, true, spstFull}, {false, false, false, false, true, spstHorz},
                             {false, false, false, false, true, spstVert}};
    for (const TFrameStretch& s : modes) {
        TspBitmap dest;
        Compose(dest, 32, 24, s);
        for (int y = 0; y < 24; ++y)
            for (int x = 0; x < 32; ++x)
                ASSERT_EQ(dest.GetPixel(x, y), PieceColour(x, y)) << x << "," << y;
    }
}

TEST(ComposeTest, GoldenImages)
{
    struct Case {
        const char* name;
        int W, H;
        TFrameStretch s;
    } cases[] = {
        {"compose_small_14x12.png", 14, 12, {}},
        {"compose_exact_32x24.png", 32, 24, {}},
        {"compose_large_90x61.png", 90, 61, {}},
        {"compose_odd_47x35.png", 47, 35, {}},
        {"compose_stretch_90x61.png", 90, 61, {true, true, true, true, true, spstFull}},
        {"compose_horz_47x35.png", 47, 35, {false, false, false, false, true, spstHorz}},
        {"compose_vert_47x35.png", 47, 35, {false, true, false, true, true, spstVert}},
    };
    for (const Case& c : cases) {
        TspBitmap dest;
        Compose(dest, c.W, c.H, c.s);
        EXPECT_TRUE(test::MatchesGolden(dest, c.name));
    }
}

TEST(ComposeTest, TopEdgeTilesStartAtTheFixedPiece)
{
    // 30 x 40 source, LTPoint.X = 10, RTPoint.X = 20, composed to 100 wide.
    TspBitmap src, dest;
    src.SetSize(30, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 30; ++x)
            src.SetPixel(x, y, MakePixel(static_cast<uint8_t>(x), static_cast<uint8_t>(y), 0, 255));
    TFrameGeometry g{{10, 5}, {20, 5}, {10, 35}, {20, 35}, {5, 5, 25, 35}};
    TFrameGeometry ng = ResizeFrameGeometry(g, 30, 40, 100, 40);
    EXPECT_EQ(ng.RTPoint.X, 90);
    ComposeFramedPicture(g, ng, dest, src, Rect(0, 0, 30, 40), 100, 40, false, {});
    for (int x = 0; x < 100; ++x) {
        int want = x < 10 ? x : x < 90 ? 10 + (x - 10) % 10 : x - 70;
        ASSERT_EQ(PixelR(dest.GetPixel(x, 0)), want) << x;
    }
    // Not drawing the client leaves it as it was made (transparent black).
    EXPECT_EQ(dest.GetPixel(50, 20), 0u);
}

TEST(ComposeTest, NarrowerThanTheCornersShowsOnlyFixedPiecesRightOverLeft)
{
    TspBitmap dest;
    Compose(dest, 14, 24, {});
    // Top band: the left fixed piece is 10 wide, the right one 10 wide starting at 22 - 18 = 4.
    for (int x = 0; x < 14; ++x) {
        int srcX = x < 4 ? x : x + 18;
        EXPECT_EQ(dest.GetPixel(x, 0), PieceColour(srcX, 0)) << x;
    }
}

TEST(ComposeTest, DegenerateGeometryOnlyResizes)
{
    TspBitmap skin, dest;
    MakeSkin(skin);
    TFrameGeometry g = kGeometry;
    g.RBPoint.X = g.LTPoint.X;
    TFrameGeometry ng = ResizeFrameGeometry(g, 32, 24, 50, 30);
    ComposeFramedPicture(g, ng, dest, skin, kSkinRect, 50, 30, true, {});
    EXPECT_EQ(dest.FWidth, 50);
    EXPECT_EQ(dest.FHeight, 30);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 50; ++x)
            ASSERT_EQ(dest.GetPixel(x, y), 0u);
    // A zero-length tiled middle piece is left out instead of dividing by zero.
    g = kGeometry;
    g.RTPoint.X = g.LTPoint.X;
    ng = ResizeFrameGeometry(g, 32, 24, 50, 30);
    ComposeFramedPicture(g, ng, dest, skin, kSkinRect, 50, 30, true, {});
    TspBitmap empty;
    ComposeFramedPicture(kGeometry, ng, dest, empty, kSkinRect, 50, 30, true, {});

    // Geometry far beyond the picture (a corrupt record) finishes at once and draws what lands.
    ng = ResizeFrameGeometry(kGeometry, 32, 24, 50, 30);
    ng.RTPoint.X = 2000000000;
    ng.RBPoint.Y = 2000000000;
    ng.ClRect.Right = 2000000000;
    ng.ClRect.Bottom = 2000000000;
    ComposeFramedPicture(kGeometry, ng, dest, skin, kSkinRect, 50, 30, true, {});
    EXPECT_EQ(dest.GetPixel(0, 0), PieceColour(0, 0));
    EXPECT_EQ(dest.GetPixel(49, 29), PieceColour(6 + 43 % 20, 7 + 22 % 11));  // client tiles of 20 x 11
    TspBitmap mask;
    mask.SetSize(32, 24);
    EXPECT_FALSE(BuildFramedRegion(kGeometry, ng, mask, 50, 30));
}

TEST(ComposeTest, FromClientStretchesEverything)
{
    TspBitmap skin, dest;
    MakeSkin(skin);
    dest.SetSize(64, 24);
    ComposeFramedPictureFromClient(dest, skin, kSkinRect, kGeometry.ClRect, true);
    EXPECT_EQ(dest.FWidth, 64);
    EXPECT_EQ(dest.GetPixel(0, 0), PieceColour(0, 0));
    EXPECT_EQ(dest.GetPixel(63, 23), PieceColour(31, 23));
    // The top middle (source x 6..26) is stretched over 6..58.
    EXPECT_EQ(dest.GetPixel(57, 0), PieceColour(25, 0));
}

TEST(ComposeTest, Bands)
{
    TspBitmap src, dest;
    src.SetSize(10, 2);
    for (int x = 0; x < 10; ++x)
        for (int y = 0; y < 2; ++y)
            src.SetPixel(x, y, MakePixel(static_cast<uint8_t>(x), 0, 0, 255));
    ComposeHorzBand(2, 3, dest, src, Rect(0, 0, 10, 2), 17, false);
    ASSERT_EQ(dest.FWidth, 17);
    ASSERT_EQ(dest.FHeight, 2);
    // Left 0,1; middle 2..6 tiled over 2..14 (5 + 5 + 2); right 7,8,9.
    int want[17] = {0, 1, 2, 3, 4, 5, 6, 2, 3, 4, 5, 6, 2, 3, 7, 8, 9};
    for (int x = 0; x < 17; ++x)
        EXPECT_EQ(PixelR(dest.GetPixel(x, 1)), want[x]) << x;
    ComposeHorzBand(2, 3, dest, src, Rect(0, 0, 10, 2), 9, true);  // middle squeezed to 4
    int squeezed[9] = {0, 1, 2, 3, 4, 6, 7, 8, 9};
    for (int x = 0; x < 9; ++x)
        EXPECT_EQ(PixelR(dest.GetPixel(x, 0)), squeezed[x]) << x;

    TspBitmap col, vdest;
    col.SetSize(1, 6);
    for (int y = 0; y < 6; ++y)
        col.SetPixel(0, y, MakePixel(0, static_cast<uint8_t>(y), 0, 255));
    ComposeVertBand(1, 1, vdest, col, Rect(0, 0, 1, 6), 11, false);
    int vwant[11] = {0, 1, 2, 3, 4, 1, 2, 3, 4, 1, 5};
    for (int y = 0; y < 11; ++y)
        EXPECT_EQ(PixelG(vdest.GetPixel(0, y)), vwant[y]) << y;
    ComposeVertBand(3, 3, vdest, col, Rect(0, 0, 1, 6), 8, false);  // no middle: fixed only
    EXPECT_EQ(PixelG(vdest.GetPixel(0, 7)), 5);
}

TEST(ComposeTest, ClientFillTilesFromTheOrigin)
{
    TspBitmap skin, dest;
    MakeSkin(skin);
    TRect nc = Rect(6, 7, 50, 31);
    ComposeClientFill(kGeometry.ClRect, nc, dest, skin, kSkinRect, 56, 37, false, spstFull);
    EXPECT_EQ(dest.GetPixel(0, 0), PieceColour(6, 7));
    EXPECT_EQ(dest.GetPixel(20, 11), PieceColour(6, 7));   // second tile column starts at 20
    EXPECT_EQ(dest.GetPixel(43, 23), PieceColour(9, 8));   // the covered area is 44 x 24
    EXPECT_EQ(dest.GetPixel(44, 0), 0u);
    ComposeClientFill(kGeometry.ClRect, nc, dest, skin, kSkinRect, 56, 37, true, spstFull);
    EXPECT_EQ(dest.GetPixel(6, 7), PieceColour(6, 7));
    EXPECT_EQ(dest.GetPixel(49, 30), PieceColour(25, 17));
    EXPECT_EQ(dest.GetPixel(0, 0), 0u);
    ComposeClientFill(kGeometry.ClRect, Rect(6, 7, 6, 31), dest, skin, kSkinRect, 56, 37, false, spstFull);
}

// Tests that the container's pictures are composed in place (the view reads the picture's own
// pixels) with the same result as from a pixel bitmap, and that a picture with fewer pixels than
// its size claims gives an empty view that composes nothing.
TEST(ComposeTest, ComposesFromAContainerPictureInPlace)
{
    TspBitmap skin;
    MakeSkin(skin);
    TPixelImage picture = skin.ToPixelImage();
    const TPixelView view = picture;
    EXPECT_EQ(static_cast<const void*>(view.Bits), static_cast<const void*>(picture.Pixels.data()));

    const int W = 83, H = 57;
    const TFrameGeometry ng = ResizeFrameGeometry(kGeometry, 32, 24, W, H);
    for (const TFrameStretch& s : {TFrameStretch{}, TFrameStretch{true, true, true, true, true, spstFull}}) {
        TspBitmap fromBitmap, fromPicture;
        ComposeFramedPicture(kGeometry, ng, fromBitmap, skin, kSkinRect, W, H, true, s);
        ComposeFramedPicture(kGeometry, ng, fromPicture, picture, kSkinRect, W, H, true, s);
        EXPECT_EQ(fromPicture.ToPixelImage(), fromBitmap.ToPixelImage());
        TspBitmap b[4], p[4];
        BuildFrameStrips(kGeometry, ng, b[0], b[1], b[2], b[3], skin, kSkinRect, W, H, s);
        BuildFrameStrips(kGeometry, ng, p[0], p[1], p[2], p[3], picture, kSkinRect, W, H, s);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(p[i].ToPixelImage(), b[i].ToPixelImage()) << "strip " << i;
    }

    TPixelImage truncated = picture;
    truncated.Pixels.resize(truncated.Pixels.size() / 2);
    EXPECT_TRUE(truncated.View().Empty());
    TspBitmap dest;
    ComposeFramedPicture(kGeometry, ng, dest, truncated, kSkinRect, W, H, true, {});
    ASSERT_EQ(dest.FWidth, W);
    EXPECT_EQ(dest.GetPixel(0, 0), 0u);
    EXPECT_EQ(MaskToRegionRects(truncated, 0, 0), TRegion{});
}

TEST(ComposeTest, FrameStrips)
{
    TspBitmap skin, left, top, right, bottom;
    MakeSkin(skin);
    const int W = 70, H = 50;
    TFrameGeometry ng = ResizeFrameGeometry(kGeometry, 32, 24, W, H);
    BuildFrameStrips(kGeometry, ng, left, top, right, bottom, skin, kSkinRect, W, H, {});
    EXPECT_EQ(top.FWidth, W);
    EXPECT_EQ(top.FHeight, 7);
    EXPECT_EQ(bottom.FHeight, 6);
    EXPECT_EQ(left.FWidth, 6);
    EXPECT_EQ(left.FHeight, H - 13);
    EXPECT_EQ(right.FWidth, 6);
    for (int x = 0; x < W; ++x) {
        // Middle tiles run from x = 0, then the fixed pieces cover both ends.
        int srcX = x < 10 ? x : x >= ng.RTPoint.X ? x - ng.RTPoint.X + 22 : 10 + x % 12;
        ASSERT_EQ(top.GetPixel(x, 3), PieceColour(srcX, 3)) << x;
        int bsrcX = x < 10 ? x : x >= ng.RBPoint.X ? x - ng.RBPoint.X + 22 : 10 + x % 12;
        ASSERT_EQ(bottom.GetPixel(x, 5), PieceColour(bsrcX, 23)) << x;
    }
    for (int y = 0; y < left.FHeight; ++y) {
        int srcY = y < 2 ? 7 + y : y >= left.FHeight - 3 ? 15 + y - (left.FHeight - 3) : 9 + y % 6;
        ASSERT_EQ(left.GetPixel(1, y), PieceColour(1, srcY)) << y;
        ASSERT_EQ(right.GetPixel(1, y), PieceColour(27, srcY)) << y;
    }
    // A strip whose conditions fail is left as it was.
    TspBitmap keep;
    keep.SetSize(3, 3);
    keep.Clear(0x12345678);
    BuildFrameStrips(kGeometry, ng, keep, top, right, bottom, skin, kSkinRect, W, 13, {});
    EXPECT_EQ(keep.FWidth, 3);
    EXPECT_EQ(keep.GetPixel(0, 0), 0x12345678u);
}

void MaskFromRows(TspBitmap& m, const std::vector<std::string>& rows)
{
    m.SetSize(static_cast<int>(rows[0].size()), static_cast<int>(rows.size()));
    for (size_t y = 0; y < rows.size(); ++y)
        for (size_t x = 0; x < rows[y].size(); ++x)
            m.SetPixel(static_cast<int>(x), static_cast<int>(y), rows[y][x] == '#' ? 0xFF000000u : 0xFFFFFFFFu);
}

TEST(RegionTest, MaskToRegionData)
{
    TspBitmap m;
    MaskFromRows(m, {"#.#"});
    std::vector<uint8_t> block = MaskToRegionData(m, 0, 0);
    ASSERT_EQ(block.size(), 64u);
    auto r = RegionFromData(block);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Rects, (std::vector<TRect>{Rect(0, 0, 1, 1), Rect(2, 0, 3, 1)}));
    EXPECT_EQ(block[0], 32);
    EXPECT_EQ(block[4], 1);
    EXPECT_EQ(block[24], 3);  // bounds right = mask width

    TspBitmap white;
    MaskFromRows(white, {"...", "..."});
    block = MaskToRegionData(white, 4, 5);
    ASSERT_EQ(block.size(), 32u);
    EXPECT_EQ(block[8], 0);
    EXPECT_EQ(block[16], 4);
    TspBitmap none;
    EXPECT_TRUE(MaskToRegionData(none, 0, 0).empty());

    // Near-black is not black: only all three bytes zero count.
    TspBitmap near;
    near.SetSize(2, 1);
    near.SetPixel(0, 0, 0x00000001);
    near.SetPixel(1, 0, 0x00000000);
    EXPECT_EQ(MaskToRegionRects(near, 1, 1).Rects, std::vector<TRect>{Rect(2, 1, 3, 2)});
}

TEST(RegionTest, RegionFromDataRejectsMalformedBlocks)
{
    TspBitmap m;
    MaskFromRows(m, {"#.#"});
    std::vector<uint8_t> block = MaskToRegionData(m, 0, 0);
    block[8] = 3;  // claims more rectangles than it holds
    EXPECT_FALSE(RegionFromData(block));
    EXPECT_FALSE(RegionFromData({}));
}

TEST(RegionTest, UnionIsCanonical)
{
    TRegion a = RegionFromRect(Rect(0, 0, 10, 10));
    TRegion b = RegionFromRect(Rect(5, 5, 15, 15));
    EXPECT_EQ(RegionUnion(a, b).Rects,
              (std::vector<TRect>{Rect(0, 0, 10, 5), Rect(0, 5, 15, 10), Rect(5, 10, 15, 15)}));
    // Rows that read the same merge into one band.
    TspBitmap m;
    MaskFromRows(m, {"##.", "##.", ".##"});
    TRegion rows = MaskToRegionRects(m, 0, 0);
    EXPECT_EQ(RegionUnion(rows, {}).Rects, (std::vector<TRect>{Rect(0, 0, 2, 2), Rect(1, 2, 3, 3)}));
}

// A 12 x 10 mask with cut corners becomes the expected region at 20 x 14.
TEST(RegionTest, FramedRegionFromMask)
{
    TspBitmap mask;
    MaskFromRows(mask, {
        "..########..",
        ".##########.",
        "############",
        "############",
        "############",
        "############",
        "############",
        "############",
        ".##########.",
        "..########..",
    });
    TFrameGeometry g{{4, 3}, {8, 3}, {4, 7}, {8, 7}, {3, 3, 9, 7}};
    TFrameGeometry ng = ResizeFrameGeometry(g, 12, 10, 20, 14);
    auto r = BuildFramedRegion(g, ng, mask, 20, 14);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Rects, (std::vector<TRect>{Rect(2, 0, 18, 1), Rect(1, 1, 19, 2), Rect(0, 2, 20, 12),
                                            Rect(1, 12, 19, 13), Rect(2, 13, 18, 14)}));

    // An all-white mask still gives the client rectangle.
    TspBitmap white;
    white.SetSize(12, 10);
    white.Clear(0xFFFFFFFF);
    r = BuildFramedRegion(g, ng, white, 20, 14);
    ASSERT_TRUE(r);
    EXPECT_EQ(r->Rects, std::vector<TRect>{ng.ClRect});

    TFrameGeometry crossed = ng;
    crossed.RTPoint.X = crossed.LTPoint.X - 1;
    EXPECT_FALSE(BuildFramedRegion(g, crossed, mask, 20, 14));
    TFrameGeometry noClient = ResizeFrameGeometry(g, 12, 10, 6, 14);
    noClient.RTPoint.X = noClient.LTPoint.X;
    EXPECT_FALSE(BuildFramedRegion(g, noClient, mask, 6, 14));
}

TEST(ComposeTest, GlyphFrameKeysTheBottomLeftColour)
{
    TspBitmap strip, dst;
    strip.SetSize(6, 2);
    strip.Clear(0xFF00FF00);  // green background
    strip.SetPixel(3, 0, 0xFFFF0000);
    strip.SetPixel(4, 0, 0xFF0000FF);
    dst.SetSize(4, 4);
    dst.Clear(0xFF111111);
    DrawGlyphFrame(dst, 1, 1, 2, 2, strip);
    EXPECT_EQ(dst.GetPixel(1, 1), 0xFFFF0000u);
    EXPECT_EQ(dst.GetPixel(2, 1), 0xFF0000FFu);
    EXPECT_EQ(dst.GetPixel(3, 1), 0xFF111111u);
    EXPECT_EQ(dst.GetPixel(1, 2), 0xFF111111u);
    DrawGlyphFrame(dst, 0, 0, 3, 2, strip);  // no such frame
    DrawGlyphFrame(dst, 0, 0, 1, 0, strip);
}

TEST(ComposeTest, RectAndVersionQueries)
{
    EXPECT_TRUE(PointInsideRect(Rect(0, 0, 10, 10), Point(10, 10)));
    EXPECT_FALSE(PointInsideRect(Rect(0, 0, 10, 10), Point(11, 10)));
    EXPECT_TRUE(RectInsideRect(Rect(1, 1, 9, 9), Rect(0, 0, 10, 10)));
    EXPECT_FALSE(RectInsideRect(Rect(1, 1, 10, 9), Rect(0, 0, 10, 10)));
    EXPECT_TRUE(IsEmptyRect(Rect(5, 0, 5, 9)));
    EXPECT_TRUE(IsNullPoint(Point(0, 3)));

    struct V {
        uint32_t word;
        bool w7, w8, vista, xp, w2k;
    } versions[] = {
        {0x0005, false, false, false, false, true},  // 5.0
        {0x0105, false, false, false, true, true},   // 5.1
        {0x0205, false, false, false, true, true},   // 5.2
        {0x0006, false, false, true, true, true},    // 6.0
        {0x0106, true, false, true, true, true},     // 6.1
        {0x0206, false, true, true, true, true},     // 6.2
        {0x0306, false, true, true, true, true},     // 6.3: 8.1 is 8 or later
        {0x000A, false, true, true, true, true},     // 10.0
        {0x0004, false, false, false, false, false},
        {0x0305, false, false, false, true, false},  // 5.3 never shipped: past 2000's minors
    };
    for (const V& v : versions) {
        TWinVersion w = TWinVersion::FromVersionWord(v.word);
        EXPECT_EQ(IsWindows7(w), v.w7) << std::hex << v.word;
        EXPECT_EQ(IsWindows8OrLater(w), v.w8) << std::hex << v.word;
        EXPECT_EQ(IsVistaOrLater(w), v.vista) << std::hex << v.word;
        EXPECT_EQ(IsXPOrLater(w), v.xp) << std::hex << v.word;
        EXPECT_EQ(IsWin2000OrLater(w), v.w2k) << std::hex << v.word;
    }
}

} // namespace
} // namespace vt
