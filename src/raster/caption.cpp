#include "raster/caption.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "raster/compose.h"

namespace vt {

TGlyphTextPlace LayoutGlyphAndText(TspButtonLayout Layout, const TRect& R, int GlyphW, int GlyphH, int TextW,
                                   int TextH, int Margin, int Spacing)
{
    if (GlyphW == 0)
        Spacing = 0;
    const int cx = R.Left + R.Width() / 2, cy = R.Top + R.Height() / 2;
    TGlyphTextPlace p;
    const bool horizontal = Layout == blGlyphLeft || Layout == blGlyphRight;
    if (horizontal) {
        p.GlyphY = cy - GlyphH / 2;
        p.TextY = cy - TextH / 2;
        if (Margin != -1) {
            if (Layout == blGlyphLeft) {
                p.GlyphX = R.Left + Margin;
                p.TextX = p.GlyphX + GlyphW + Spacing;
            } else {
                p.GlyphX = R.Right - GlyphW - Margin;
                p.TextX = p.GlyphX - Spacing - TextW;
            }
        } else {
            int m = (GlyphW + TextW + Spacing) / 2;
            if (Layout == blGlyphLeft) {
                p.GlyphX = cx - m;
                p.TextX = cx + m - TextW;
            } else {
                p.TextX = cx - m;
                p.GlyphX = cx + m - GlyphW;
            }
        }
    } else {
        p.GlyphX = cx - GlyphW / 2;
        p.TextX = cx - TextW / 2;
        if (Margin != -1) {
            if (Layout == blGlyphTop) {
                p.GlyphY = R.Top + Margin;
                p.TextY = p.GlyphY + GlyphH + Spacing;
            } else {
                p.GlyphY = R.Bottom - GlyphH - Margin;
                p.TextY = p.GlyphY - Spacing - TextH;
            }
        } else {
            int v = (TextH + GlyphH + Spacing) / 2;
            if (Layout == blGlyphTop) {
                p.GlyphY = cy - v;
                p.TextY = cy + v - TextH;
            } else {
                p.TextY = cy - v;
                p.GlyphY = cy + v - GlyphH;
            }
        }
    }
    return p;
}

TGlyphTextBox PlaceGlyphAndText(ITextRenderer& r, TspButtonLayout Layout, const TRect& R, int GlyphW, int GlyphH,
                                const std::wstring& Caption, int Margin, int Spacing, bool Down)
{
    if (GlyphW == 0 || GlyphH == 0 || Caption.empty())
        Spacing = 0;
    int textW = 0, textH = 0;
    if (!Caption.empty()) {
        TRect m = Rect(0, 0, R.Width(), R.Height());
        if (Layout == blGlyphLeft || Layout == blGlyphRight)
            m.Right -= GlyphW + Spacing;
        else
            m.Bottom -= GlyphH + Spacing;
        const TRect needed = r.Measure(Caption, m, dt::CalcRect | dt::ExpandTabs | dt::WordBreak);
        textW = needed.Width();
        textH = needed.Height();
    }
    TGlyphTextBox box;
    box.Place = LayoutGlyphAndText(Layout, R, GlyphW, GlyphH, textW, textH, Margin, Spacing);
    if (Down) {
        box.Place.GlyphX += 1;
        box.Place.GlyphY += 1;
        box.Place.TextX += 1;
        box.Place.TextY += 1;
    }
    box.TextRect = Rect(box.Place.TextX, box.Place.TextY, box.Place.TextX + textW + 2, box.Place.TextY + textH);
    if (r.FontHeight() % 2 != 0)
        box.TextRect.Top -= 1;
    return box;
}

namespace {

constexpr TColor kRed = 0x0000FF;

// Alpha <- red and every pixel in the effect colour.
void RedToAlpha(TspBitmap& b, TColor colour)
{
    TspColor c = ColorToPixel(colour, 0) & 0x00FFFFFF;
    size_t n = static_cast<size_t>(b.FWidth) * b.FHeight;
    for (size_t i = 0; i < n; ++i)
        b.FBits[i] = c | (TspColor(PixelR(b.FBits[i])) << 24);
    b.FAlphaBlend = true;
}

} // namespace

void BuildGlowPicture(ITextRenderer& r, TspBitmap& out, const TRect& rect, const std::wstring& text, int s,
                      TColor glowColour, uint32_t format)
{
    s = std::max(s, 0);
    out.SetSize(rect.Width() + 2 * s, rect.Height() + 2 * s);
    if (out.Empty())
        return;
    out.Clear(0);
    r.DrawText(out, text, Rect(s, s, out.FWidth - s, out.FHeight - s), format, kRed);
    StackBlur(out, s);
    RedToAlpha(out, glowColour);
}

void BuildHaloPicture(ITextRenderer& r, TspBitmap& out, const TRect& rect, const std::wstring& text, int s,
                      TColor haloColour, uint32_t format)
{
    out.SetSize(rect.Width() + 2 * s, rect.Height() + 2 * s);
    if (out.Empty())
        return;
    out.Clear(0);
    const int W = out.FWidth, H = out.FHeight;
    TRect inner = Rect(s, s, W - s, H - s);
    TRect plate = s == 12 ? Rect(inner.Left - 3, inner.Top + 2, inner.Right + 3, inner.Bottom - 2)
                          : Rect(inner.Left + 3, inner.Top + 3, inner.Right - 3, inner.Bottom - 3);
    out.FillRect(plate, ColorToPixel(kRed, 255));
    static const TPoint offsets[9] = {{-1, -1}, {-2, -2}, {-1, 0}, {-2, 0}, {1, 0}, {2, 0}, {1, 1}, {2, 2}, {0, 0}};
    for (const TPoint& o : offsets)
        r.DrawText(out, text, inner.Offset(o.X, o.Y), format, kRed);
    StackBlur(out, s / 2);
    StackBlur(out, s / 2);
    RedToAlpha(out, haloColour);
}

int BuildReflectionPicture(ITextRenderer& r, TspBitmap& out, const TRect& rect, const std::wstring& text,
                           TColor reflectionColour, int reflectionOffset, uint32_t format, bool minimumAlpha)
{
    out.SetSize(rect.Width(), rect.Height());
    if (out.Empty())
        return rect.Top;
    out.Clear(0);
    TRect local = Rect(0, 0, out.FWidth, out.FHeight);
    r.DrawText(out, text, local, format, kRed);
    TRect measuredLocal = r.Measure(text, local, format | dt::CalcRect);
    TRect textRect = r.Measure(text, rect, format | dt::CalcRect);
    const int t = measuredLocal.Top, b = measuredLocal.Bottom;
    if (b - t > 0) {
        TspColor c = ColorToPixel(reflectionColour, 0) & 0x00FFFFFF;
        for (int y = 0; y < out.FHeight; ++y) {
            TspColor* row = out.GetScanLine(y);
            if (y < t || y >= b) {
                std::fill(row, row + out.FWidth, 0u);
                continue;
            }
            double k = 0.7 - double(b + t - y) / double(b - t);
            if (k < 0.05)
                k = minimumAlpha ? 0.05 : 0.0;
            for (int x = 0; x < out.FWidth; ++x)
                row[x] = c | (TspColor(Trunc(PixelR(row[x]) * k)) << 24);
        }
    }
    out.FAlphaBlend = true;
    out.FlipVert();
    return textRect.Bottom + b + reflectionOffset - out.FHeight;
}

void DrawGlowText(ITextRenderer& r, TspBitmap& surface, const TRect& rect, const std::wstring& text, int glowSize,
                  TColor glowColour, int offset, uint32_t format, TColor textColour)
{
    TspBitmap glow;
    BuildGlowPicture(r, glow, rect, text, glowSize, glowColour, format);
    glow.Draw(surface, rect.Left - glowSize + offset, rect.Top - glowSize + offset);
    r.DrawText(surface, text, rect, format, textColour);
}

void DrawHaloText(ITextRenderer& r, TspBitmap& surface, const TRect& rect, const std::wstring& text, TColor haloColour,
                  uint32_t format, TColor textColour, int haloSize)
{
    TspBitmap halo;
    BuildHaloPicture(r, halo, rect, text, haloSize, haloColour, format);
    halo.Draw(surface, rect.Left - haloSize, rect.Top - haloSize);
    r.DrawText(surface, text, rect, format, textColour);
}

void DrawReflectedText(ITextRenderer& r, TspBitmap& surface, const TRect& rect, const std::wstring& text,
                       TColor reflectionColour, int reflectionOffset, uint32_t format, TColor textColour)
{
    TspBitmap refl;
    int y = BuildReflectionPicture(r, refl, rect, text, reflectionColour, reflectionOffset, format);
    refl.Draw(surface, rect.Left, y);
    r.DrawText(surface, text, rect, format, textColour);
}

void DrawTextKeepAlpha(ITextRenderer& r, TspBitmap& surface, const std::wstring& text, const TRect& rect,
                       uint32_t format, TColor textColour)
{
    TRect area = IntersectRect(rect, surface.BoundsRect());
    if (area.IsEmpty())
        return;
    TspBitmap A, M;
    A.SetSize(area.Width(), area.Height());
    CopyRect(A, A.BoundsRect(), surface, area);
    A.FAlphaBlend = true;
    M.SetSize(A.FWidth, A.FHeight);
    for (int y = 0; y < A.FHeight; ++y)
        for (int x = 0; x < A.FWidth; ++x) {
            uint8_t a = PixelA(A.GetPixel(x, y));
            M.SetPixel(x, y, MakePixel(a, a, a, 255));
        }
    TRect local = rect.Offset(-area.Left, -area.Top);
    r.DrawText(M, text, local, format, clWhite);
    A.SetAlpha(255);
    r.DrawText(A, text, local, format, textColour);
    AlphaFromMask(A, M);
    CopyRect(surface, area, A, A.BoundsRect());
}

// ---- small glyphs

namespace {
TGlyphShape L(int x1, int y1, int x2, int y2) { return {TGlyphShape::Line, {{x1, y1}, {x2, y2}}, false}; }
TGlyphShape R(int l, int t, int r, int b, bool filled = false) { return {TGlyphShape::Rectangle, {{l, t}, {r, b}}, filled}; }
// A horizontal run of pixels x1..x2 inclusive.
TGlyphShape Run(int x1, int x2, int y) { return L(x1, y, x2 + 1, y); }
} // namespace

TGlyphShapes CloseGlyph(int X, int Y)
{
    return {L(X + 1, Y + 1, X + 9, Y + 9), L(X + 9, Y + 1, X + 1, Y + 9), L(X + 2, Y + 1, X + 10, Y + 9),
            L(X + 8, Y + 1, X, Y + 9)};
}
TGlyphShapes TwoBarsGlyph(int X, int Y) { return {L(X + 2, Y + 3, X + 8, Y + 3), L(X + 2, Y + 5, X + 8, Y + 5)}; }
TGlyphShapes MinimizeGlyph(int X, int Y) { return {L(X + 1, Y + 8, X + 9, Y + 8), L(X + 1, Y + 9, X + 9, Y + 9)}; }
TGlyphShapes MaximizeGlyph(int X, int Y) { return {R(X, Y, X + 11, Y + 10), R(X, Y, X + 11, Y + 2)}; }
TGlyphShapes RestoreGlyph(int X, int Y)
{
    return {R(X + 2, Y, X + 10, Y + 6), R(X + 2, Y, X + 10, Y + 2), R(X, Y + 4, X + 7, Y + 10), R(X, Y + 4, X + 7, Y + 6)};
}
TGlyphShapes DownTriangle(int X, int Y)
{
    return {Run(X + 5, X + 6, Y + 6), Run(X + 4, X + 7, Y + 5), Run(X + 3, X + 8, Y + 4), Run(X + 2, X + 9, Y + 3)};
}
TGlyphShapes UpTriangle(int X, int Y)
{
    return {Run(X + 2, X + 9, Y + 5), Run(X + 3, X + 8, Y + 4), Run(X + 4, X + 7, Y + 3), Run(X + 5, X + 6, Y + 2)};
}
TGlyphShapes FilledSquare(int X, int Y) { return {R(X + 2, Y + 2, X + 7, Y + 7, true)}; }
TGlyphShapes SquareDot(int X, int Y) { return {R(X, Y, X + 6, Y + 6, true)}; }
TGlyphShapes CheckMark(int X, int Y)
{
    TGlyphShapes s;
    for (int i = 0; i <= 2; ++i)
        s.push_back({TGlyphShape::Polyline, {{X, Y + 5 - i}, {X + 2, Y + 7 - i}, {X + 7, Y + 2 - i}}, false});
    return s;
}
TGlyphShapes DropArrow(const TRect& Rc)
{
    TGlyphShapes s;
    for (int n = 2; n >= 0; --n) {
        int c = Rc.Left + Rc.Width() / 2, y = Rc.Top + Rc.Height() / 2 - n + 2;
        s.push_back(L(c - n, y, c + n + 1, y));
    }
    return s;
}

namespace {
TGlyphShapes ArrowLines(const TRect& Rc, int Kind, int count)
{
    const int cx = Rc.Left + Rc.Width() / 2, cy = Rc.Top + Rc.Height() / 2;
    const int k = count - 2;  // 1 for the small arrow, 2 for the large
    TGlyphShapes s;
    switch (Kind) {
    case 1:
        for (int i = 0; i < count; ++i)
            s.push_back(L(cx - k + i, cy - i, cx - k + i, cy + i + 1));
        break;
    case 2:
        for (int n = count - 1; n >= 0; --n)
            s.push_back(L(cx + k - n, cy + n, cx + k - n, cy - n - 1));
        break;
    case 3:
        for (int i = 0; i < count; ++i)
            s.push_back(L(cx - i, cy - k + i, cx + i + 1, cy - k + i));
        break;
    case 4:
        for (int n = count - 1; n >= 0; --n)
            s.push_back(L(cx - n, cy + k - n, cx + n + 1, cy + k - n));
        break;
    case 5:
        if (count == 4)
            s = {L(cx - 4, cy - 1, cx + 4, cy - 1), L(cx - 4, cy, cx + 4, cy), L(cx - 1, cy - 4, cx - 1, cy + 4),
                 L(cx, cy - 4, cx, cy + 4)};
        break;
    default: break;
    }
    return s;
}
} // namespace

TGlyphShapes SmallArrow(const TRect& Rc, int Kind) { return ArrowLines(Rc, Kind, 3); }
TGlyphShapes Arrow(const TRect& Rc, int Kind) { return ArrowLines(Rc, Kind, 4); }

TGlyphShapes TwoColourFrameTopLeft(const TRect& Rc)
{
    int r = Rc.Right - 1, b = Rc.Bottom - 1;
    return {{TGlyphShape::Polyline, {{Rc.Left, b}, {Rc.Left, Rc.Top}, {r, Rc.Top}}, false}};
}
TGlyphShapes TwoColourFrameBottomRight(const TRect& Rc)
{
    int r = Rc.Right - 1, b = Rc.Bottom - 1;
    return {{TGlyphShape::Polyline, {{r, Rc.Top}, {r, b}, {Rc.Left - 1, b}}, false}};
}

namespace {
// Bresenham, end point excluded (as the platform draws lines).
void PlotLine(TspBitmap& t, TPoint a, TPoint b, TspColor c)
{
    int dx = std::abs(b.X - a.X), dy = -std::abs(b.Y - a.Y);
    int sx = a.X < b.X ? 1 : -1, sy = a.Y < b.Y ? 1 : -1, err = dx + dy;
    int x = a.X, y = a.Y;
    while (!(x == b.X && y == b.Y)) {
        t.SetPixel(x, y, c);
        int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}
} // namespace

void DrawShapes(TspBitmap& target, const TGlyphShapes& shapes, TColor colour)
{
    TspColor c = ColorToPixel(colour, 255);
    for (const TGlyphShape& s : shapes) {
        switch (s.kind) {
        case TGlyphShape::Line:
        case TGlyphShape::Polyline:
            for (size_t i = 0; i + 1 < s.Points.size(); ++i)
                PlotLine(target, s.Points[i], s.Points[i + 1], c);
            break;
        case TGlyphShape::Rectangle: {
            TRect r = Rect(s.Points[0].X, s.Points[0].Y, s.Points[1].X, s.Points[1].Y);
            if (r.IsEmpty())
                break;
            if (s.Filled)
                target.FillRect(r, c);
            for (int x = r.Left; x < r.Right; ++x) {
                target.SetPixel(x, r.Top, c);
                target.SetPixel(x, r.Bottom - 1, c);
            }
            for (int y = r.Top; y < r.Bottom; ++y) {
                target.SetPixel(r.Left, y, c);
                target.SetPixel(r.Right - 1, y, c);
            }
            break;
        }
        }
    }
}

std::vector<TPoint> DottedFramePixels(const TRect& Rc)
{
    std::vector<TPoint> out;
    const int l = Rc.Left, t = Rc.Top, r = Rc.Right - 1, b = Rc.Bottom - 1;
    if (r < l || b < t)
        return out;
    bool on = !((r - l) % 2 == 0 && (b - t) % 2 == 0);
    if (on)
        out.push_back({l, t});
    // Each edge starts at the corner it shares with the previous one, in that corner's state.
    auto step = [&](int x, int y) {
        on = !on;
        if (on)
            out.push_back({x, y});
    };
    for (int x = l + 1; x <= r; ++x)
        step(x, t);
    for (int y = t + 1; y <= b; ++y)
        step(r, y);
    for (int x = r - 1; x >= l; --x)
        step(x, b);
    for (int y = b - 1; y > t; --y)
        step(l, y);
    return out;
}

// ---- colour arithmetic

namespace {
int MulDiv(int a, int b, int c)
{
    if (c == 0)
        return -1;
    int64_t p = int64_t(a) * b;
    int64_t q = (std::llabs(p) + std::llabs(c) / 2) / std::llabs(c);
    return static_cast<int>(((p < 0) != (c < 0)) ? -q : q);
}
} // namespace

THsb RgbToHsb(uint8_t R, uint8_t G, uint8_t B)
{
    int mx = std::max({R, G, B}), mn = std::min({R, G, B});
    THsb h;
    h.Brightness = Round(mx / 255.0 * 100);
    if (mx == mn)
        return h;
    h.Saturation = Round(double(mx - mn) / mx * 100);
    double d = mx - mn, hue;
    if (mx == R)
        hue = (G - B) / d + (G < B ? 6 : 0);
    else if (mx == G)
        hue = (B - R) / d + 2;
    else
        hue = (R - G) / d + 4;
    h.Hue = Round(hue / 6 * 359);
    return h;
}

TColor HsbToRgb(int brightness, int saturation, int hue)
{
    double V = brightness * 255.0 / 100, S = saturation / 100.0;
    if (saturation == 0) {
        uint8_t g = static_cast<uint8_t>(std::clamp(Round(V), 0, 255));
        return RGBColor(g, g, g);
    }
    int sector = static_cast<int>(std::floor(hue / 60.0));
    sector = std::clamp(sector, 0, 5);
    double f = hue / 60.0 - sector;
    double p = V * (1 - S), q = V * (1 - S * f), t = V * (1 - S * (1 - f));
    double r, g, b;
    switch (sector) {
    case 0: r = V, g = t, b = p; break;
    case 1: r = q, g = V, b = p; break;
    case 2: r = p, g = V, b = t; break;
    case 3: r = p, g = q, b = V; break;
    case 4: r = t, g = p, b = V; break;
    default: r = V, g = p, b = q; break;
    }
    auto c = [](double v) { return static_cast<uint8_t>(std::clamp(Round(v), 0, 255)); };
    return RGBColor(c(r), c(g), c(b));
}

TColor LightenColour(TColor colour, int percent)
{
    TColor c = ResolveColor(colour);
    THsb h = RgbToHsb(GetRValue(c), GetGValue(c), GetBValue(c));
    return HsbToRgb(std::min(100, h.Brightness + MulDiv(h.Brightness, percent, 100)), h.Saturation, h.Hue);
}

TColor DarkenColour(TColor colour, int percent)
{
    TColor c = ResolveColor(colour);
    THsb h = RgbToHsb(GetRValue(c), GetGValue(c), GetBValue(c));
    return HsbToRgb(std::max(0, h.Brightness - MulDiv(h.Brightness, percent, 100)), h.Saturation, h.Hue);
}

TColor ContrastingColour(TColor colour)
{
    TColor c = ResolveColor(colour);
    THsb h = RgbToHsb(GetRValue(c), GetGValue(c), GetBValue(c));
    return h.Brightness >= 50 ? DarkenColour(c, 10) : LightenColour(c, 25);
}

TColor MixColours(TColor a, TColor b)
{
    TColor x = ResolveColor(a), y = ResolveColor(b);
    return RGBColor(static_cast<uint8_t>((GetRValue(x) + GetRValue(y)) >> 1),
                    static_cast<uint8_t>((GetGValue(x) + GetGValue(y)) >> 1),
                    static_cast<uint8_t>((GetBValue(x) + GetBValue(y)) >> 1));
}

} // namespace vt
