// Caption helpers: layout, ellipsis, text effects over a block-glyph renderer, glyph shapes,
// the dotted frame and the colour arithmetic.
#include <gtest/gtest.h>

#include "raster/caption.h"

namespace vt {
namespace {

// Every character is a solid 4 x 8 block from the rectangle's top-left.
class TBlockText final : public ITextRenderer {
public:
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t) override
    {
        return Bounds(r.Left, r.Top, 4 * static_cast<int>(text.size()), text.empty() ? 0 : 8);
    }
    int DrawText(TspBitmap& target, const std::wstring& text, const TRect& r, uint32_t format, TColor colour) override
    {
        TRect block = IntersectRect(Measure(text, r, format), r);
        TspColor c = ColorToPixel(colour, 0) & 0xFFFFFF;
        for (int y = block.Top; y < block.Bottom; ++y)
            for (int x = block.Left; x < block.Right; ++x)
                if (TspColor* p = (x >= 0 && y >= 0 && x < target.FWidth && y < target.FHeight) ? target.GetPixelPtr(x, y) : nullptr)
                    *p = (*p & 0xFF000000u) | c;
        return 8;
    }
    int FontHeight() const override { return -8; }
};

TEST(CaptionTest, LayoutGlyphAndTextTable)
{
    struct Case {
        TspButtonLayout layout;
        int margin, spacing, glyphW;
        TGlyphTextPlace expected;
    } cases[] = {
        {blGlyphLeft, -1, 4, 16, {20, 2, 40, 4}},    // m = 30
        {blGlyphRight, -1, 4, 16, {64, 2, 20, 4}},
        {blGlyphLeft, 3, 4, 16, {3, 2, 23, 4}},
        {blGlyphRight, 3, 4, 16, {81, 2, 37, 4}},
        {blGlyphTop, 2, 4, 16, {42, 2, 30, 22}},
        {blGlyphBottom, 2, 4, 16, {42, 2, 30, -15}},
        {blGlyphTop, -1, 4, 16, {42, -6, 30, 13}},    // v = 16
        {blGlyphLeft, -1, 4, 0, {30, 2, 30, 4}},      // no glyph: no spacing
    };
    for (const Case& c : cases)
        EXPECT_EQ(LayoutGlyphAndText(c.layout, Rect(0, 0, 100, 20), c.glyphW, 16, 40, 13, c.margin, c.spacing), c.expected)
            << int(c.layout) << " margin " << c.margin;
}

// Records how the caption is measured; 10 px per character, 13 px high, an odd font height.
class TMeasuredText final : public ITextRenderer {
public:
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t format) override
    {
        Room = r;
        Format = format;
        return Bounds(r.Left, r.Top, 10 * static_cast<int>(text.size()), 13);
    }
    int DrawText(TspBitmap&, const std::wstring&, const TRect&, uint32_t, TColor) override { return 13; }
    int FontHeight() const override { return 13; }
    TRect Room;
    uint32_t Format = 0;
};

// Tests the glyph helpers' box: the caption measured word-wrapped with prefix processing in the
// room the glyph and spacing leave, the pressed shift, and a caption rectangle two pixels wider
// and one higher for an odd font; without a caption or a glyph there is no spacing.
TEST(CaptionTest, PlaceGlyphAndText)
{
    TMeasuredText text;
    const TRect r = Rect(0, 0, 100, 20);
    TGlyphTextBox box = PlaceGlyphAndText(text, blGlyphLeft, r, 16, 16, L"abcd", -1, 4, false);
    EXPECT_EQ(text.Room, Rect(0, 0, 80, 20));
    EXPECT_EQ(text.Format, dt::CalcRect | dt::ExpandTabs | dt::WordBreak);
    EXPECT_EQ(box.Place, (TGlyphTextPlace{20, 2, 40, 4}));
    EXPECT_EQ(box.TextRect, Rect(40, 3, 82, 17));

    box = PlaceGlyphAndText(text, blGlyphTop, r, 16, 16, L"abcd", 2, 4, true);
    EXPECT_EQ(text.Room, Rect(0, 0, 100, 0));
    EXPECT_EQ(box.Place, (TGlyphTextPlace{43, 3, 31, 23}));

    EXPECT_EQ(PlaceGlyphAndText(text, blGlyphLeft, r, 16, 16, L"", 3, 4, false).Place, (TGlyphTextPlace{3, 2, 19, 10}));
    EXPECT_EQ(PlaceGlyphAndText(text, blGlyphLeft, r, 0, 0, L"abcd", 3, 4, false).Place, (TGlyphTextPlace{3, 10, 3, 4}));
}

TEST(CaptionTest, ShortenWithEllipsis)
{
    auto width = [](const std::wstring& s) { return 4 * static_cast<int>(s.size()); };
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefgh", 32, width), L"abcdefgh");
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefgh", 31, width), L"abcd...");
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefgh", 28, width), L"abcd...");
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefgh", 27, width), L"abc...");
    EXPECT_EQ(ShortenWithEllipsis(L"abcdefgh", 5, width), L"...");
    EXPECT_EQ(ShortenWithEllipsis(L"", 0, width), L"");
}

TEST(CaptionTest, GlowSurroundsTheTextInTheGlowColour)
{
    TBlockText text;
    TspBitmap glow;
    BuildGlowPicture(text, glow, Rect(10, 10, 30, 20), L"ab", 3, clBlue, 0);
    ASSERT_EQ(glow.FWidth, 26);
    ASSERT_EQ(glow.FHeight, 16);
    EXPECT_TRUE(glow.FAlphaBlend);
    // The 8 x 8 block sits at (3, 3): at its centre the blur of radius 3 still sees only red.
    EXPECT_EQ(glow.GetPixel(7, 7), MakePixel(0, 0, 255, 255));
    uint8_t edge = PixelA(glow.GetPixel(2, 6));
    EXPECT_GT(edge, 0);
    EXPECT_LT(edge, 255);
    EXPECT_EQ(PixelA(glow.GetPixel(25, 0)), 0);

    TspBitmap surface;
    surface.SetSize(40, 30);
    surface.Clear(0xFF000000);
    DrawGlowText(text, surface, Rect(10, 10, 30, 20), L"ab", 3, clBlue, 1, 0, clWhite);
    EXPECT_EQ(surface.GetPixel(10, 10) & 0xFFFFFF, 0xFFFFFFu);  // the text itself on top
    EXPECT_GT(PixelB(surface.GetPixel(8, 12)), 0);      // glow to its left
    EXPECT_EQ(surface.GetPixel(0, 0), 0xFF000000u);
}

TEST(CaptionTest, HaloAndReflection)
{
    TBlockText text;
    TspBitmap halo;
    BuildHaloPicture(text, halo, Rect(0, 0, 40, 16), L"abc", 12, clYellow, 0);
    EXPECT_EQ(halo.FWidth, 64);
    EXPECT_EQ(halo.FHeight, 40);
    EXPECT_GT(PixelA(halo.GetPixel(32, 20)), 200);  // inside the plate, softened by two blurs
    EXPECT_EQ(PixelA(halo.GetPixel(0, 0)), 0);
    EXPECT_EQ(halo.GetPixel(32, 20) & 0xFFFFFF, 0xFFFF00u);

    // The text occupies rows 0..7 of a 20-high picture; after the flip they are rows 19..12,
    // the strongest (row 7) nearest the text above.
    TspBitmap refl;
    int y = BuildReflectionPicture(text, refl, Rect(5, 50, 25, 70), L"ab", clRed, 2, 0);
    EXPECT_EQ(y, 58 + 8 + 2 - 20);
    // Row 7 before the flip: k = 0.7 - (8 + 0 - 7) / 8 = 0.575, alpha Trunc(255 * 0.575) = 146.
    EXPECT_EQ(PixelA(refl.GetPixel(0, 12)), 146);
    // Row 0: k below 0.05 is raised to 0.05: Trunc(12.75) = 12.
    EXPECT_EQ(PixelA(refl.GetPixel(0, 19)), 12);
    EXPECT_EQ(refl.GetPixel(0, 0), 0u);  // rows outside the text are cleared
    EXPECT_EQ(refl.GetPixel(0, 12) & 0xFFFFFF, 0xFF0000u);
}

TEST(CaptionTest, KeepAlphaMakesOnlyTheTextOpaque)
{
    TBlockText text;
    TspBitmap surface;
    surface.SetSize(20, 10);
    surface.Clear(MakePixel(0, 0, 100, 40));
    DrawTextKeepAlpha(text, surface, L"a", Rect(2, 1, 18, 9), 0, clRed);
    EXPECT_EQ(surface.GetPixel(3, 2), MakePixel(255, 0, 0, 255));
    EXPECT_EQ(surface.GetPixel(10, 2), MakePixel(0, 0, 100, 40));
    EXPECT_EQ(surface.GetPixel(0, 0), MakePixel(0, 0, 100, 40));
}

int CountPixels(const TspBitmap& b)
{
    int n = 0;
    for (int y = 0; y < b.FHeight; ++y)
        for (int x = 0; x < b.FWidth; ++x)
            n += b.GetPixel(x, y) != 0;
    return n;
}

TEST(CaptionTest, GlyphShapes)
{
    TspBitmap b;
    b.SetSize(12, 12);
    DrawShapes(b, MinimizeGlyph(0, 0), clBlack);
    EXPECT_EQ(CountPixels(b), 16);  // two 8-pixel lines, end points excluded
    EXPECT_NE(b.GetPixel(1, 8), 0u);
    EXPECT_EQ(b.GetPixel(9, 8), 0u);

    b.Clear(0);
    DrawShapes(b, DownTriangle(0, 0), clBlack);
    int widths[4] = {8, 6, 4, 2};  // rows 3..6
    for (int row = 0; row < 4; ++row) {
        int n = 0;
        for (int x = 0; x < 12; ++x)
            n += b.GetPixel(x, 3 + row) != 0;
        EXPECT_EQ(n, widths[row]) << row;
    }
    b.Clear(0);
    DrawShapes(b, CloseGlyph(0, 0), clBlack);
    EXPECT_NE(b.GetPixel(1, 1), 0u);
    EXPECT_NE(b.GetPixel(8, 8), 0u);
    EXPECT_EQ(b.GetPixel(9, 9), 0u);
    b.Clear(0);
    DrawShapes(b, MaximizeGlyph(0, 0), clBlack);
    EXPECT_NE(b.GetPixel(10, 9), 0u);
    EXPECT_EQ(b.GetPixel(5, 5), 0u);  // outline only
    EXPECT_NE(b.GetPixel(5, 1), 0u);  // the thick title bar
    b.Clear(0);
    DrawShapes(b, FilledSquare(0, 0), clBlack);
    EXPECT_EQ(CountPixels(b), 25);

    EXPECT_EQ(DropArrow(Rect(0, 0, 10, 10)).front(), (TGlyphShape{TGlyphShape::Line, {{3, 5}, {8, 5}}, false}));
    EXPECT_EQ(SmallArrow(Rect(0, 0, 10, 10), 1).front(), (TGlyphShape{TGlyphShape::Line, {{4, 5}, {4, 6}}, false}));
    EXPECT_EQ(Arrow(Rect(0, 0, 10, 10), 4).front(), (TGlyphShape{TGlyphShape::Line, {{2, 4}, {9, 4}}, false}));
    EXPECT_EQ(Arrow(Rect(0, 0, 10, 10), 5).size(), 4u);
    EXPECT_TRUE(SmallArrow(Rect(0, 0, 10, 10), 5).empty());
    EXPECT_TRUE(Arrow(Rect(0, 0, 10, 10), 9).empty());
}

TEST(CaptionTest, DottedFrameAlternates)
{
    // 5 x 3 shrunk to corners (0,0)-(4,2): both spans even, so the first pixel is off.
    std::vector<TPoint> p = DottedFramePixels(Rect(0, 0, 5, 3));
    std::vector<TPoint> expected = {{1, 0}, {3, 0}, {4, 1}, {3, 2}, {1, 2}, {0, 1}};
    EXPECT_EQ(p, expected);
    // 4 x 3: spans 3 and 2, the first pixel is on.
    p = DottedFramePixels(Rect(0, 0, 4, 3));
    ASSERT_FALSE(p.empty());
    EXPECT_EQ(p.front(), (TPoint{0, 0}));
    EXPECT_TRUE(DottedFramePixels(Rect(0, 0, 0, 0)).empty());
}

TEST(CaptionTest, ColourArithmetic)
{
    THsb red = RgbToHsb(255, 0, 0);
    EXPECT_EQ(red.Brightness, 100);
    EXPECT_EQ(red.Saturation, 100);
    EXPECT_EQ(red.Hue, 0);
    THsb grey = RgbToHsb(128, 128, 128);
    EXPECT_EQ(grey.Brightness, 50);
    EXPECT_EQ(grey.Saturation, 0);
    EXPECT_EQ(RgbToHsb(0, 0, 255).Hue, Round(2.0 / 3 * 359));
    EXPECT_EQ(HsbToRgb(100, 100, 120), RGBColor(0, 255, 0));
    EXPECT_EQ(HsbToRgb(50, 0, 300), RGBColor(128, 128, 128));  // 127.5 -> 128
    EXPECT_EQ(HsbToRgb(100, 100, 360), RGBColor(255, 0, 0));   // sector 6 is treated as 5
    EXPECT_EQ(DarkenColour(RGBColor(200, 200, 200), 10), RGBColor(178, 178, 178));  // 78 - 8 = 70: Round(178.5)
    EXPECT_EQ(LightenColour(RGBColor(250, 250, 250), 50), RGBColor(255, 255, 255)); // capped at 100
    EXPECT_EQ(ContrastingColour(RGBColor(20, 20, 20)), LightenColour(RGBColor(20, 20, 20), 25));
    EXPECT_EQ(MixColours(RGBColor(255, 0, 10), RGBColor(0, 0, 5)), RGBColor(127, 0, 7));
}

} // namespace
} // namespace vt
