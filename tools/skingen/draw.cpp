#include "draw.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace skingen {

Rgba Mix(Rgba a, Rgba b, double t)
{
    auto m = [t](uint8_t x, uint8_t y) { return uint8_t(std::lround(x + (y - x) * t)); };
    return {m(a.r, b.r), m(a.g, b.g), m(a.b, b.b), m(a.a, b.a)};
}

Rgba WithAlpha(Rgba c, uint8_t a)
{
    c.a = a;
    return c;
}

Rgba Grey(uint8_t level) { return {level, level, level, 255}; }

vt::TColor ToTColor(Rgba c) { return vt::RGBColor(c.r, c.g, c.b); }

TPixelImage NewImage(int w, int h, Rgba fill, vt::TPixelFormat format)
{
    TPixelImage img;
    img.Width = w;
    img.Height = h;
    img.Format = format;
    img.Pixels.assign(size_t(w) * h, vt::TPixel{fill.b, fill.g, fill.r, fill.a});
    return img;
}

void Blend(TPixelImage& img, int x, int y, Rgba c, double coverage)
{
    if (x < 0 || y < 0 || x >= img.Width || y >= img.Height || coverage <= 0)
        return;
    double a = std::min(1.0, coverage) * c.a / 255.0;
    if (a <= 0)
        return;
    vt::TPixel& p = img.At(x, y);
    double da = p.A / 255.0;
    double oa = a + da * (1 - a);
    auto ch = [&](uint8_t src, uint8_t dst) {
        return uint8_t(std::lround((src * a + dst * da * (1 - a)) / oa));
    };
    p.R = ch(c.r, p.R);
    p.G = ch(c.g, p.G);
    p.B = ch(c.b, p.B);
    p.A = uint8_t(std::lround(oa * 255));
}

static TRect Clip(const TPixelImage& img, TRect r)
{
    return {std::max(0, r.Left), std::max(0, r.Top), std::min(img.Width, r.Right),
            std::min(img.Height, r.Bottom)};
}

void Fill(TPixelImage& img, TRect r, Rgba c)
{
    r = Clip(img, r);
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            img.At(x, y) = vt::TPixel{c.b, c.g, c.r, c.a};
}

void FillVGradient(TPixelImage& img, TRect r, Rgba top, Rgba bottom)
{
    int h = r.Height();
    for (int y = r.Top; y < r.Bottom; ++y) {
        Rgba c = h > 1 ? Mix(top, bottom, double(y - r.Top) / (h - 1)) : top;
        Fill(img, {r.Left, y, r.Right, y + 1}, c);
    }
}

void FrameRect(TPixelImage& img, TRect r, Rgba c)
{
    HLine(img, r.Left, r.Right, r.Top, c);
    HLine(img, r.Left, r.Right, r.Bottom - 1, c);
    VLine(img, r.Left, r.Top, r.Bottom, c);
    VLine(img, r.Right - 1, r.Top, r.Bottom, c);
}

void HLine(TPixelImage& img, int x0, int x1, int y, Rgba c)
{
    for (int x = x0; x < x1; ++x)
        Blend(img, x, y, c);
}

void VLine(TPixelImage& img, int x, int y0, int y1, Rgba c)
{
    for (int y = y0; y < y1; ++y)
        Blend(img, x, y, c);
}

void CopyRect(TPixelImage& dst, int x, int y, const TPixelImage& src, TRect r)
{
    for (int sy = r.Top; sy < r.Bottom; ++sy)
        for (int sx = r.Left; sx < r.Right; ++sx) {
            int dx = x + sx - r.Left, dy = y + sy - r.Top;
            if (dx >= 0 && dy >= 0 && dx < dst.Width && dy < dst.Height && sx >= 0 && sy >= 0 &&
                sx < src.Width && sy < src.Height)
                dst.At(dx, dy) = src.At(sx, sy);
        }
}

static double Coverage(const Shape& inside, int x, int y)
{
    int n = 0;
    for (int j = 0; j < 4; ++j)
        for (int i = 0; i < 4; ++i)
            n += inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4) ? 1 : 0;
    return n / 16.0;
}

void PaintShape(TPixelImage& img, TRect clip, Rgba c, const Shape& inside)
{
    PaintShapeVGradient(img, clip, c, c, inside);
}

void PaintShapeVGradient(TPixelImage& img, TRect clip, Rgba top, Rgba bottom, const Shape& inside)
{
    clip = Clip(img, clip);
    int h = clip.Height();
    for (int y = clip.Top; y < clip.Bottom; ++y) {
        Rgba c = h > 1 ? Mix(top, bottom, double(y - clip.Top) / (h - 1)) : top;
        for (int x = clip.Left; x < clip.Right; ++x)
            Blend(img, x, y, c, Coverage(inside, x, y));
    }
}

Shape RoundRectShape(double l, double t, double r, double b, double radius, unsigned corners)
{
    return [=](double x, double y) {
        if (x < l || x >= r || y < t || y >= b)
            return false;
        if (radius <= 0)
            return true;
        auto outside = [&](unsigned corner, double cx, double cy) {
            if (!(corners & corner))
                return false;
            double dx = x - cx, dy = y - cy;
            return dx * dx + dy * dy > radius * radius;
        };
        if (x < l + radius && y < t + radius)
            return !outside(kTL, l + radius, t + radius);
        if (x > r - radius && y < t + radius)
            return !outside(kTR, r - radius, t + radius);
        if (x < l + radius && y > b - radius)
            return !outside(kBL, l + radius, b - radius);
        if (x > r - radius && y > b - radius)
            return !outside(kBR, r - radius, b - radius);
        return true;
    };
}

Shape EllipseShape(double cx, double cy, double rx, double ry)
{
    return [=](double x, double y) {
        double dx = (x - cx) / rx, dy = (y - cy) / ry;
        return dx * dx + dy * dy <= 1.0;
    };
}

Shape SegmentShape(double x0, double y0, double x1, double y1, double width)
{
    return [=](double x, double y) {
        double vx = x1 - x0, vy = y1 - y0;
        double len2 = vx * vx + vy * vy;
        double t = len2 > 0 ? std::clamp(((x - x0) * vx + (y - y0) * vy) / len2, 0.0, 1.0) : 0;
        double px = x0 + t * vx - x, py = y0 + t * vy - y;
        return px * px + py * py <= width * width / 4;
    };
}

Shape PolygonShape(std::vector<std::pair<double, double>> pts)
{
    return [pts = std::move(pts)](double x, double y) {
        bool in = false;
        for (size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
            auto [xi, yi] = pts[i];
            auto [xj, yj] = pts[j];
            if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
                in = !in;
        }
        return in;
    };
}

Shape Union(Shape a, Shape b)
{
    return [a, b](double x, double y) { return a(x, y) || b(x, y); };
}

Shape Subtract(Shape a, Shape b)
{
    return [a, b](double x, double y) { return a(x, y) && !b(x, y); };
}

void DrawBox(TPixelImage& img, TRect r, const BoxStyle& s)
{
    double l = r.Left, t = r.Top, rr = r.Right, b = r.Bottom;
    if (s.drawBorder) {
        PaintShape(img, r, s.border, RoundRectShape(l, t, rr, b, s.radius, s.corners));
        double inner = std::max(0.0, s.radius - 1);
        PaintShapeVGradient(img, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, s.fillTop,
                            s.fillBottom, RoundRectShape(l + 1, t + 1, rr - 1, b - 1, inner, s.corners));
        if (s.innerLight.a) {
            int inset = int(std::ceil(inner)) + 1;
            HLine(img, r.Left + inset, r.Right - inset, r.Top + 1, s.innerLight);
        }
    } else {
        PaintShapeVGradient(img, r, s.fillTop, s.fillBottom,
                            RoundRectShape(l, t, rr, b, s.radius, s.corners));
    }
}

void BlurGrey(TPixelImage& img, int radius)
{
    if (radius <= 0)
        return;
    int w = img.Width, h = img.Height;
    std::vector<double> v(size_t(w) * h), tmp(v.size());
    for (size_t i = 0; i < v.size(); ++i)
        v[i] = img.Pixels[i].R;
    for (int pass = 0; pass < 3; ++pass) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k)
                    s += v[size_t(y) * w + std::clamp(x + k, 0, w - 1)];
                tmp[size_t(y) * w + x] = s / (2 * radius + 1);
            }
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                double s = 0;
                for (int k = -radius; k <= radius; ++k)
                    s += tmp[size_t(std::clamp(y + k, 0, h - 1)) * w + x];
                v[size_t(y) * w + x] = s / (2 * radius + 1);
            }
    }
    for (size_t i = 0; i < v.size(); ++i) {
        uint8_t g = uint8_t(std::clamp(std::lround(v[i]), 0L, 255L));
        img.Pixels[i] = vt::TPixel{g, g, g, 255};
    }
}

static void Centre(TRect r, double size, double& x0, double& y0)
{
    x0 = std::floor(r.Left + (r.Width() - size) / 2);
    y0 = std::floor(r.Top + (r.Height() - size) / 2);
}

void GlyphClose(TPixelImage& img, TRect r, Rgba c, double size, double w)
{
    double x0, y0;
    Centre(r, size, x0, y0);
    PaintShape(img, r, c,
               Union(SegmentShape(x0, y0, x0 + size, y0 + size, w),
                     SegmentShape(x0 + size, y0, x0, y0 + size, w)));
}

void GlyphMaximize(TPixelImage& img, TRect r, Rgba c, double size)
{
    double x0, y0;
    Centre(r, size, x0, y0);
    int x = int(x0), y = int(y0), s = int(size);
    FrameRect(img, {x, y, x + s, y + s}, c);
    HLine(img, x, x + s, y + 1, c);
}

void GlyphRestore(TPixelImage& img, TRect r, Rgba c, double size)
{
    double x0, y0;
    Centre(r, size, x0, y0);
    int x = int(x0), y = int(y0), s = int(size), b = s - 3;
    // back window: only its visible top and right edges
    HLine(img, x + 3, x + s, y, c);
    HLine(img, x + 3, x + s, y + 1, c);
    VLine(img, x + s - 1, y, y + b, c);
    VLine(img, x + 3, y, y + 3, c);
    HLine(img, x + b, x + s, y + b - 1, c);
    // front window
    FrameRect(img, {x, y + 3, x + b, y + s}, c);
    HLine(img, x, x + b, y + 4, c);
}

void GlyphMinimize(TPixelImage& img, TRect r, Rgba c, double size)
{
    double x0, y0;
    Centre(r, size, x0, y0);
    int x = int(x0), y = int(y0 + size) - 2, s = int(size);
    Fill(img, {x, y, x + s, y + 2}, c);
}

void GlyphArrow(TPixelImage& img, TRect r, Rgba c, Dir d, double size)
{
    double cx = r.Left + r.Width() / 2.0, cy = r.Top + r.Height() / 2.0, h = size / 2;
    std::vector<std::pair<double, double>> p;
    switch (d) {
    case Dir::Up: p = {{cx - size / 2, cy + h / 2}, {cx + size / 2, cy + h / 2}, {cx, cy - h / 2}}; break;
    case Dir::Down: p = {{cx - size / 2, cy - h / 2}, {cx + size / 2, cy - h / 2}, {cx, cy + h / 2}}; break;
    case Dir::Left: p = {{cx + h / 2, cy - size / 2}, {cx + h / 2, cy + size / 2}, {cx - h / 2, cy}}; break;
    case Dir::Right: p = {{cx - h / 2, cy - size / 2}, {cx - h / 2, cy + size / 2}, {cx + h / 2, cy}}; break;
    }
    PaintShape(img, r, c, PolygonShape(p));
}

void GlyphCheck(TPixelImage& img, TRect r, Rgba c)
{
    double l = r.Left, t = r.Top, w = r.Width(), h = r.Height();
    PaintShape(img, r, c,
               Union(SegmentShape(l + w * 0.22, t + h * 0.52, l + w * 0.42, t + h * 0.72, 1.9),
                     SegmentShape(l + w * 0.42, t + h * 0.72, l + w * 0.78, t + h * 0.28, 1.9)));
}

// 3 x 5 glyphs, one string of 15 cells per character ('#' = ink).
static const std::map<char, const char*>& Font()
{
    static const std::map<char, const char*> f = {
        {'0', "####.##.##.####"},
        {'1', ".#.##..#..#.###"},
        {'2', "###..#####..###"},
        {'3', "###..####..####"},
        {'4', "#.##.####..#..#"},
        {'5', "####..###..####"},
        {'6', "####..####.####"},
        {'7', "###..#..#..#..#"},
        {'8', "####.#####.####"},
        {'9', "####.####..####"},
        {'a', ".#.#.#####.##.#"},
        {'b', "##.#.###.#.###."},
        {'c', "####..#..#..###"},
        {'d', "##.#.##.##.###."},
        {'e', "####..####..###"},
        {'f', "####..##.#..#.."},
        {'g', "####..#.##.####"},
        {'h', "#.##.#####.##.#"},
        {'i', "###.#..#..#.###"},
        {'j', "..#..#..##.####"},
        {'k', "#.##.###.#.##.#"},
        {'l', "#..#..#..#..###"},
        {'m', "#.#####.##.##.#"},
        {'n', "##.#.##.##.##.#"},
        {'o', "####.##.##.####"},
        {'p', "####.#####..#.."},
        {'q', "####.##.####..#"},
        {'r', "##.#.###.#.##.#"},
        {'s', "####..###..####"},
        {'t', "###.#..#..#..#."},
        {'u', "#.##.##.##.####"},
        {'v', "#.##.##.##.#.#."},
        {'w', "#.##.##.#####.#"},
        {'x', "#.##.#.#.#.##.#"},
        {'y', "#.##.#.#..#..#."},
        {'z', "###..#.#.#..###"},
        {'.', ".............#."},
        {'_', "............###"},
        {'-', "......###......"},
        {':', "....#.....#...."},
        {'(', ".#.#..#..#...#."},
        {')', ".#...#..#..#.#."},
        {',', "..........#.#.."},
        {'/', "..#..#.#.#..#.."},
        {'=', "...###...###..."},
        {' ', "..............."},
        {'+', "....#.###.#...."},
    };
    return f;
}

int TextWidth(const std::string& s, int scale) { return int(s.size()) * 4 * scale; }

void DrawText(TPixelImage& img, int x, int y, const std::string& s, Rgba c, int scale)
{
    for (char ch : s) {
        char k = char(std::tolower(static_cast<unsigned char>(ch)));
        auto it = Font().find(k);
        const char* g = it != Font().end() ? it->second : "###.#.#.#.#.###";
        for (int i = 0; i < 15 && g[i]; ++i)
            if (g[i] == '#')
                Fill(img, {x + (i % 3) * scale, y + (i / 3) * scale, x + (i % 3 + 1) * scale,
                           y + (i / 3 + 1) * scale},
                     c);
        x += 4 * scale;
    }
}

TPixelImage Scale(const TPixelImage& src, int factor)
{
    TPixelImage out = NewImage(src.Width * factor, src.Height * factor, {}, src.Format);
    for (int y = 0; y < out.Height; ++y)
        for (int x = 0; x < out.Width; ++x)
            out.At(x, y) = src.At(x / factor, y / factor);
    return out;
}

} // namespace skingen
