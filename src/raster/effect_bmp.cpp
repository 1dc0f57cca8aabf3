#include "raster/effect_bmp.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>

#include "framework/base/exceptions.h"

namespace vt {

namespace {

std::minstd_rand& Rng()
{
    static std::minstd_rand rng(20261210u);
    return rng;
}

int32_t RandomBelow(int32_t n) { return n <= 0 ? 0 : static_cast<int32_t>(Rng()() % static_cast<uint32_t>(n)); }

uint8_t Clamp255(int32_t v) { return static_cast<uint8_t>(std::clamp(v, 0, 255)); }
uint8_t BlendByte(uint8_t s, uint8_t t, double k) { return Clamp255(Round(s * (1 - k) + t * k)); }
double Clamp01(double k) { return std::clamp(k, 0.0, 1.0); }

// The weighted mix used by the gradient morphs: Round(T * (1 - g) + S * g) per channel.
void MixInto(uint8_t* dst, const uint8_t* t, const uint8_t* s, double g)
{
    for (int c = 0; c < 3; ++c)
        dst[c] = Clamp255(Round(t[c] * (1 - g) + s[c] * g));
}

} // namespace

void TspEffectBmp::SeedRandom(uint32_t seed) { Rng().seed(seed); }

TspEffectBmp::TspEffectBmp(int32_t cx, int32_t cy)
{
    if (cx < 0 || cy < 0 || cx > MaxBitmapSide || cy > MaxBitmapSide || int64_t(cx) * cy > MaxBitmapPixels)
        throw EOutOfResources(L"Can't allocate the DIB handle");
    Width = cx;
    Height = cy;
    Size = RowInc() * Height;
    storage_.assign(static_cast<size_t>(Size), 0);
    Bits = storage_.empty() ? nullptr : storage_.data();
}

TspEffectBmp::TspEffectBmp(TPixelView source)
    : TspEffectBmp(source.Empty() ? 0 : source.Width, source.Empty() ? 0 : source.Height)
{
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x)
            SetPixel(x, y, source.Row(y)[x] & 0x00FFFFFF);
}

TspEffectBmp::TspEffectBmp(const TspEffectBmp& o) : Width(o.Width), Height(o.Height), Size(o.Size), storage_(o.storage_)
{
    Bits = storage_.empty() ? nullptr : storage_.data();
}

TspEffectBmp& TspEffectBmp::operator=(const TspEffectBmp& o)
{
    if (this != &o) {
        Width = o.Width;
        Height = o.Height;
        Size = o.Size;
        storage_ = o.storage_;
        Bits = storage_.empty() ? nullptr : storage_.data();
    }
    return *this;
}

uint32_t TspEffectBmp::GetPixel(int32_t x, int32_t y) const
{
    const uint8_t* p = GetLine(y) + 3 * x;
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16);
}

void TspEffectBmp::SetPixel(int32_t x, int32_t y, uint32_t clr)
{
    uint8_t* p = GetLine(y) + 3 * x;
    p[0] = static_cast<uint8_t>(clr);
    p[1] = static_cast<uint8_t>(clr >> 8);
    p[2] = static_cast<uint8_t>(clr >> 16);
}

void TspEffectBmp::GetScanLine(int32_t y, uint8_t* line) const { std::memcpy(line, GetLine(y), static_cast<size_t>(3 * Width)); }
void TspEffectBmp::SetLine(int32_t y, const uint8_t* line) { std::memcpy(GetLine(y), line, static_cast<size_t>(3 * Width)); }

void TspEffectBmp::ToBitmap(TspBitmap& dst) const
{
    dst.SetSize(Width, Height);
    for (int32_t y = 0; y < Height && !dst.Empty(); ++y)
        for (int32_t x = 0; x < Width; ++x)
            *dst.GetPixelPtr(x, y) = GetPixel(x, y) | 0xFF000000u;
}

void TspEffectBmp::Morph(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T))
        return;
    Kf = Clamp01(Kf);
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        const uint8_t* t = T.GetLine(y);
        for (int32_t i = 0; i < 3 * Width; ++i)
            s[i] = BlendByte(s[i], t[i], Kf);
    }
}

void TspEffectBmp::MorphRect(const TspEffectBmp& T, double Kf, const TRect& Rct, int32_t StartX, int32_t StartY)
{
    Kf = Clamp01(Kf);
    TRect r = IntersectRect(Rct, TRect{0, 0, Width, Height});
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        int32_t ty = StartY + y - Rct.Top;
        if (ty < 0 || ty >= T.Height)
            continue;  // the target picture ends here
        for (int32_t x = r.Left; x < r.Right; ++x) {
            int32_t tx = StartX + x - Rct.Left;
            if (tx < 0 || tx >= T.Width)
                continue;
            uint8_t* s = GetLine(y) + 3 * x;
            const uint8_t* t = T.GetLine(ty) + 3 * tx;
            for (int c = 0; c < 3; ++c)
                s[c] = BlendByte(s[c], t[c], Kf);
        }
    }
}

void TspEffectBmp::CopyRect(const TspEffectBmp& T, const TRect& Rct, int32_t StartX, int32_t StartY)
{
    int32_t right = std::min(Rct.Right, Width - 1), bottom = std::min(Rct.Bottom, Height - 1);
    for (int32_t y = std::max(Rct.Top, 0); y <= bottom; ++y) {
        int32_t ty = StartY + y - Rct.Top;
        if (ty < 0 || ty >= T.Height)
            continue;
        for (int32_t x = std::max(Rct.Left, 0); x <= right; ++x) {
            int32_t tx = StartX + x - Rct.Left;
            if (tx >= 0 && tx < T.Width)
                SetPixel(x, y, T.GetPixel(tx, ty));
        }
    }
}

void TspEffectBmp::MorphHGrad(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Width == 0)
        return;
    int32_t b = Round(Width * Clamp01(Kf));
    int32_t first = std::max(0, Width / 2 - b / 2), last = std::min(Width - 1, Width / 2 + b / 2);
    int32_t div = (Width - b) / 2;
    double d = div == 0 ? 1.0 : 1.0 / div;
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        const uint8_t* t = T.GetLine(y);
        for (int32_t x = first; x <= last; ++x)
            std::memcpy(s + 3 * x, t + 3 * x, 3);
        double g = 0;
        for (int32_t x = first; x >= 0; --x, g = std::min(1.0, g + d))
            MixInto(s + 3 * x, t + 3 * x, s + 3 * x, g);
        g = 0;
        for (int32_t x = last; x < Width; ++x, g = std::min(1.0, g + d))
            MixInto(s + 3 * x, t + 3 * x, s + 3 * x, g);
    }
}

void TspEffectBmp::MorphVGrad(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Height == 0)
        return;
    int32_t b = Round(Height * Clamp01(Kf));
    int32_t first = std::max(0, Height / 2 - b / 2), last = std::min(Height - 1, Height / 2 + b / 2);
    int32_t div = (Height - b) / 2;
    double d = div == 0 ? 0.0 : 1.0 / div;
    for (int32_t y = first; y <= last; ++y)
        std::memcpy(GetLine(y), T.GetLine(y), static_cast<size_t>(3 * Width));
    auto mixRow = [&](int32_t y, double g) {
        uint8_t* s = GetLine(y);
        const uint8_t* t = T.GetLine(y);
        for (int32_t x = 0; x < Width; ++x)
            MixInto(s + 3 * x, t + 3 * x, s + 3 * x, g);
    };
    double g = 0;
    for (int32_t y = first; y >= 0; --y, g = std::min(1.0, g + d))
        mixRow(y, g);
    g = 0;
    for (int32_t y = last; y < Height; ++y, g = std::min(1.0, g + d))
        mixRow(y, g);
}

void TspEffectBmp::MorphGrad(const TspEffectBmp& T, double Kf)
{
    if (Width < Height)
        MorphVGrad(T, Kf);
    else
        MorphHGrad(T, Kf);
}

void TspEffectBmp::MorphLeftGrad(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Width == 0)
        return;
    int32_t b = std::min(std::max(Round(Width * Clamp01(Kf)), 1), Width - 1);
    double step = b > 0 ? 1.0 / b : 1.0;
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        const uint8_t* t = T.GetLine(y);
        double g = 0;
        for (int32_t x = 0; x <= b && x < Width; ++x, g = std::min(1.0, g + step))
            MixInto(s + 3 * x, t + 3 * x, s + 3 * x, g);
    }
}

void TspEffectBmp::MorphRightGrad(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Width == 0)
        return;
    int32_t c = std::clamp(Width - Round(Width * Clamp01(Kf)), 0, Width - 1);
    double e = Width - c > 0 ? 1.0 / (Width - c) : 1.0;
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        const uint8_t* t = T.GetLine(y);
        double g = 0;
        for (int32_t x = Width - 1; x >= c; --x, g = std::min(1.0, g + e))
            MixInto(s + 3 * x, t + 3 * x, s + 3 * x, g);
    }
}

void TspEffectBmp::MorphPush(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Width == 0)
        return;
    int32_t b = std::clamp(Round(Width * Clamp01(Kf)), 0, Width - 1);
    std::vector<uint8_t> row(static_cast<size_t>(3 * Width));
    for (int32_t y = 0; y < Height; ++y) {
        std::memcpy(row.data(), T.GetLine(y) + 3 * (Width - b - 1), static_cast<size_t>(3 * (b + 1)));
        std::memcpy(row.data() + 3 * (b + 1), GetLine(y), static_cast<size_t>(3 * (Width - b - 1)));
        SetLine(y, row.data());
    }
}

void TspEffectBmp::MorphLeftSlide(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Width < 2)
        return;
    int32_t b = std::min(std::max(Round(Width * Clamp01(Kf)), 1), Width - 1);
    for (int32_t y = 0; y < Height; ++y)
        std::memcpy(GetLine(y), T.GetLine(y) + 3 * (Width - b), static_cast<size_t>(3 * b));
}

void TspEffectBmp::MorphRightSlide(const TspEffectBmp& T, double Kf)
{
    if (!SameSize(T) || Width < 2)
        return;
    int32_t b = std::min(std::max(Round(Width * Clamp01(Kf)), 1), Width - 1);
    for (int32_t y = 0; y < Height; ++y)
        std::memcpy(GetLine(y) + 3 * (Width - b), T.GetLine(y), static_cast<size_t>(3 * b));
}

void TspEffectBmp::MorphByKind(uint8_t kind, const TspEffectBmp& T, double Kf)
{
    switch (kind) {
    case 0: Morph(T, Kf); break;
    case 1: MorphGrad(T, Kf); break;
    case 2: MorphLeftGrad(T, Kf); break;
    case 3: MorphRightGrad(T, Kf); break;
    case 4: MorphLeftSlide(T, Kf); break;
    case 5: MorphRightSlide(T, Kf); break;
    case 6: MorphPush(T, Kf); break;
    default: break;
    }
}

void TspEffectBmp::ChangeBrightness(double Kf)
{
    Kf = Clamp01(Kf);
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        for (int32_t i = 0; i < 3 * Width; ++i)
            s[i] = Clamp255(Round(s[i] * (1 - Kf) + 255 * Kf));
    }
}

void TspEffectBmp::ChangeDarkness(double Kf)
{
    Kf = Clamp01(Kf);
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        for (int32_t i = 0; i < 3 * Width; ++i)
            s[i] = Clamp255(Round(s[i] * (1 - Kf)));
    }
}

void TspEffectBmp::Invert()
{
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        for (int32_t i = 0; i < 3 * Width; ++i)
            s[i] = static_cast<uint8_t>(255 - s[i]);
    }
}

void TspEffectBmp::GrayScale()
{
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        for (int32_t x = 0; x < Width; ++x) {
            uint8_t* p = s + 3 * x;
            uint8_t v = Clamp255(Round(0.3 * p[2] + 0.59 * p[1] + 0.11 * p[0]));
            p[0] = p[1] = p[2] = v;
        }
    }
}

void TspEffectBmp::SplitBlur(int32_t Amount)
{
    if (Amount == 0)
        return;
    MaskAverage(*this, Amount, false);
}

// The four-diagonal average in place, for every pixel (msk == this) or, with a separate mask,
// only where the mask is not white and (edgesOnly) a diagonal mask neighbour is white.
void TspEffectBmp::MaskAverage(const TspEffectBmp& Msk, int32_t Amount, bool edgesOnly)
{
    bool masked = &Msk != this;
    auto white = [&Msk](int32_t x, int32_t y) { return Msk.GetPixel(x, y) == 0xFFFFFF; };
    for (int32_t y = 0; y < Height; ++y) {
        int32_t up = y - Amount >= 0 && y - Amount < Height ? y - Amount : y;
        int32_t down = y + Amount >= 0 && y + Amount < Height ? y + Amount : y;
        for (int32_t x = 0; x < Width; ++x) {
            int32_t left = x - Amount >= 0 && x - Amount < Width ? x - Amount : x;
            int32_t right = x + Amount >= 0 && x + Amount < Width ? x + Amount : x;
            if (masked) {
                if (white(x, y))
                    continue;
                if (edgesOnly && !(white(left, up) || white(left, down) || white(right, up) || white(right, down)))
                    continue;
            }
            const uint8_t* a = GetLine(up) + 3 * left;
            const uint8_t* b = GetLine(down) + 3 * left;
            const uint8_t* c = GetLine(up) + 3 * right;
            const uint8_t* d = GetLine(down) + 3 * right;
            uint8_t v[3];
            for (int k = 0; k < 3; ++k)
                v[k] = static_cast<uint8_t>((a[k] + b[k] + c[k] + d[k]) >> 2);
            std::memcpy(GetLine(y) + 3 * x, v, 3);
        }
    }
}

void TspEffectBmp::Mosaic(int32_t ASize)
{
    if (ASize <= 0)
        return;
    for (int32_t by = 0; by < Height; by += ASize)
        for (int32_t bx = 0; bx < Width; bx += ASize) {
            uint32_t c = GetPixel(bx, by);
            for (int32_t y = by; y < std::min(Height, by + ASize); ++y)
                for (int32_t x = bx; x < std::min(Width, bx + ASize); ++x)
                    SetPixel(x, y, c);
        }
}

void TspEffectBmp::AddMonoNoise(int32_t Amount)
{
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        for (int32_t x = 0; x < Width; ++x) {
            int32_t n = RandomBelow(Amount) - Amount / 2;
            for (int c = 0; c < 3; ++c)
                s[3 * x + c] = Clamp255(s[3 * x + c] + n);
        }
    }
}

void TspEffectBmp::AddColorNoise(int32_t Amount)
{
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* s = GetLine(y);
        for (int32_t i = 0; i < 3 * Width; ++i)
            s[i] = Clamp255(s[i] + RandomBelow(Amount) - Amount / 2);
    }
}

void TspEffectBmp::Wave(int32_t XDIV, int32_t YDIV, double RatioVal)
{
    if (XDIV == 0 || YDIV == 0 || Width == 0 || Height == 0)
        return;
    TspEffectBmp copy(*this);
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) {
            int32_t sx = std::clamp(Round(x + RatioVal * std::sin(double(y) / YDIV)), 0, Width - 1);
            int32_t sy = std::clamp(Round(y + RatioVal * std::sin(double(x) / XDIV)), 0, Height - 1);
            SetPixel(x, y, copy.GetPixel(sx, sy));
        }
}

void TspEffectBmp::MaskAntialiasing(const TspEffectBmp& Msk, int32_t Amount)
{
    if (Amount == 0 || Width == 0 || Height == 0 || Msk.Width != Width || Msk.Height < Height)
        return;
    MaskAverage(Msk, Amount, true);
}

void TspEffectBmp::MaskBlur(const TspEffectBmp& Msk, int32_t Amount)
{
    if (Amount == 0 || Width == 0 || Height == 0 || Msk.Width != Width || Msk.Height < Height)
        return;
    MaskAverage(Msk, Amount, false);
}

void TspEffectBmp::MaskFillColor(const TspEffectBmp& Msk, TColor C, double kf)
{
    if (Width == 0 || Height == 0 || Msk.Width != Width || Msk.Height < Height)
        return;
    TColor rgb = ResolveColor(C);
    uint8_t col[3] = {GetBValue(rgb), GetGValue(rgb), GetRValue(rgb)};
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x) {
            if (Msk.GetPixel(x, y) == 0xFFFFFF)
                continue;
            uint8_t* p = GetLine(y) + 3 * x;
            for (int c = 0; c < 3; ++c)
                p[c] = BlendByte(p[c], col[c], kf);
        }
}

void TspEffectBmp::Rotate90_1(TspEffectBmp& Dst) const
{
    if (Dst.Width != Height || Dst.Height != Width)
        return;
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x)
            Dst.SetPixel(y, Width - 1 - x, GetPixel(x, y));
}

void TspEffectBmp::Rotate90_2(TspEffectBmp& Dst) const
{
    if (Dst.Width != Height || Dst.Height != Width)
        return;
    for (int32_t y = 0; y < Height; ++y)
        for (int32_t x = 0; x < Width; ++x)
            Dst.SetPixel(Height - 1 - y, x, GetPixel(x, y));
}

void TspEffectBmp::FlipVert(TspEffectBmp& Dst) const
{
    if (!Dst.SameSize(*this))
        return;
    for (int32_t y = 0; y < Height; ++y)
        Dst.SetLine(Height - 1 - y, GetLine(y));
}

void TspEffectBmp::ApplyInactiveEffect(uint8_t effect)
{
    switch (effect) {
    case 0: ChangeBrightness(0.5); break;
    case 1: ChangeDarkness(0.3); break;
    case 2: GrayScale(); break;
    case 3: AddMonoNoise(50); break;
    case 4: SplitBlur(1); break;
    case 5: Invert(); break;
    default: break;
    }
}

} // namespace vt
