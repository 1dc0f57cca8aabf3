// Drawing primitives of the skin picture generator: anti-aliased shapes by supersampled coverage,
// gradients, blur and a tiny label font. Everything draws into vt::TPixelImage with straight alpha.
#pragma once

#include <cstddef>  // pixel_image.h uses size_t

#include "framework/base/pixel_image.h"
#include "framework/base/types.h"

#include <functional>
#include <string>

namespace skingen {

using vt::TPixelImage;
using vt::TRect;

struct Rgba {
    uint8_t r = 0, g = 0, b = 0, a = 255;
};

constexpr Rgba Hex(uint32_t rgb, uint8_t a = 255)
{
    return {uint8_t(rgb >> 16), uint8_t(rgb >> 8), uint8_t(rgb), a};
}
Rgba Mix(Rgba a, Rgba b, double t);
Rgba WithAlpha(Rgba c, uint8_t a);
Rgba Grey(uint8_t level);
// The definition's colour form, 0x00BBGGRR.
vt::TColor ToTColor(Rgba c);

// A w x h picture filled with one colour.
TPixelImage NewImage(int w, int h, Rgba fill, vt::TPixelFormat format = vt::TPixelFormat::pf24bit);

// Composites colour c with coverage (0..1) over the pixel.
void Blend(TPixelImage& img, int x, int y, Rgba c, double coverage = 1.0);
void Fill(TPixelImage& img, TRect r, Rgba c);
void FillVGradient(TPixelImage& img, TRect r, Rgba top, Rgba bottom);
void FrameRect(TPixelImage& img, TRect r, Rgba c);
void HLine(TPixelImage& img, int x0, int x1, int y, Rgba c);
void VLine(TPixelImage& img, int x, int y0, int y1, Rgba c);
// Copies a rectangle of src to (x, y) of dst.
void CopyRect(TPixelImage& dst, int x, int y, const TPixelImage& src, TRect r);

// Shape predicates in continuous pixel coordinates (pixel (x, y) covers [x, x+1) x [y, y+1)).
using Shape = std::function<bool(double, double)>;
// Paints c over every pixel of clip with the shape's coverage (4 x 4 samples per pixel).
void PaintShape(TPixelImage& img, TRect clip, Rgba c, const Shape& inside);
// Same with a vertical gradient from top to bottom of clip.
void PaintShapeVGradient(TPixelImage& img, TRect clip, Rgba top, Rgba bottom, const Shape& inside);

enum Corners : unsigned { kTL = 1, kTR = 2, kBL = 4, kBR = 8, kAll = 15, kTop = 3, kBottom = 12 };
Shape RoundRectShape(double l, double t, double r, double b, double radius, unsigned corners = kAll);
Shape EllipseShape(double cx, double cy, double rx, double ry);
Shape SegmentShape(double x0, double y0, double x1, double y1, double width);
Shape PolygonShape(std::vector<std::pair<double, double>> pts);
Shape Union(Shape a, Shape b);
Shape Subtract(Shape a, Shape b);

// A rounded box with a one-pixel border and a vertical gradient inside; the usual face of a
// button, an edit frame or a tab.
struct BoxStyle {
    Rgba fillTop, fillBottom, border;
    double radius = 0;
    unsigned corners = kAll;
    bool drawBorder = true;
    Rgba innerLight{0, 0, 0, 0};  // optional highlight line inside the top border
};
void DrawBox(TPixelImage& img, TRect r, const BoxStyle& s);

// Separable box blur of the alpha-like grey level (red channel) repeated three times,
// close to a Gaussian.
void BlurGrey(TPixelImage& img, int radius);

// Glyphs of caption buttons and controls, centred in r, with stroke width w.
void GlyphClose(TPixelImage& img, TRect r, Rgba c, double size, double w);
void GlyphMaximize(TPixelImage& img, TRect r, Rgba c, double size);
void GlyphRestore(TPixelImage& img, TRect r, Rgba c, double size);
void GlyphMinimize(TPixelImage& img, TRect r, Rgba c, double size);
enum class Dir { Up, Down, Left, Right };
void GlyphArrow(TPixelImage& img, TRect r, Rgba c, Dir d, double size);
void GlyphCheck(TPixelImage& img, TRect r, Rgba c);

// Labels on the contact sheet: a 3 x 5 pixel font, scaled.
int TextWidth(const std::string& s, int scale);
void DrawText(TPixelImage& img, int x, int y, const std::string& s, Rgba c, int scale);

// Nearest-neighbour enlargement.
TPixelImage Scale(const TPixelImage& src, int factor);

} // namespace skingen
