#include "raster/bitmap.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <memory>
#include <new>

#include "framework/base/exceptions.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace vt {

// ---- row routines

TspColor BlendPixel(TspColor src, TspColor dst)
{
    uint32_t a = src >> 24;
    if (a == 0)
        return dst;
    if (a == 255)
        return src;
    uint32_t na = 256 - a;
    TspColor r = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        uint32_t s = (src >> shift) & 0xFF, d = (dst >> shift) & 0xFF;
        r |= ((d * na + s * a) >> 8) << shift;
    }
    return r;
}

void BlendRow(const TspColor* src, TspColor* dst, int32_t count)
{
    int32_t i = 0;
#if defined(__SSE2__)
    // Two pixels per 128-bit register in 16-bit lanes; every product fits: 255 * 256.
    const __m128i zero = _mm_setzero_si128();
    const __m128i k256 = _mm_set1_epi16(256);
    for (; i + 4 <= count; i += 4) {
        __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        __m128i d = _mm_loadu_si128(reinterpret_cast<__m128i*>(dst + i));
        __m128i alpha = _mm_srli_epi32(s, 24);
        __m128i isZero = _mm_cmpeq_epi32(alpha, zero);
        __m128i isFull = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(255));
        // Broadcast each pixel's alpha to its four 16-bit lanes.
        __m128i a16 = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
        __m128i aLo = _mm_shuffle_epi32(a16, _MM_SHUFFLE(1, 1, 0, 0));
        __m128i aHi = _mm_shuffle_epi32(a16, _MM_SHUFFLE(3, 3, 2, 2));
        __m128i sLo = _mm_unpacklo_epi8(s, zero), sHi = _mm_unpackhi_epi8(s, zero);
        __m128i dLo = _mm_unpacklo_epi8(d, zero), dHi = _mm_unpackhi_epi8(d, zero);
        __m128i rLo = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(dLo, _mm_sub_epi16(k256, aLo)), _mm_mullo_epi16(sLo, aLo)), 8);
        __m128i rHi = _mm_srli_epi16(
            _mm_add_epi16(_mm_mullo_epi16(dHi, _mm_sub_epi16(k256, aHi)), _mm_mullo_epi16(sHi, aHi)), 8);
        __m128i r = _mm_packus_epi16(rLo, rHi);
        r = _mm_or_si128(_mm_andnot_si128(isZero, r), _mm_and_si128(isZero, d));
        r = _mm_or_si128(_mm_andnot_si128(isFull, r), _mm_and_si128(isFull, s));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), r);
    }
#endif
    for (; i < count; ++i)
        dst[i] = BlendPixel(src[i], dst[i]);
}

namespace {
// x / 255 rounded to nearest, exact for 0 <= x <= 255 * 255.
constexpr uint32_t Div255(uint32_t x) { return (x + 128 + ((x + 128) >> 8)) >> 8; }
} // namespace

TspColor BlendPremultipliedPixel(TspColor src, TspColor dst, uint8_t constantAlpha)
{
    if (constantAlpha == 255) {
        if (PixelA(src) == 255)
            return src;
        if (src == 0)
            return dst;
    }
    const uint32_t sa = Div255(uint32_t(PixelA(src)) * constantAlpha), keep = 255 - sa;
    TspColor r = 0;
    for (int shift = 0; shift < 32; shift += 8) {
        const uint32_t s = Div255(((src >> shift) & 0xFF) * constantAlpha), d = (dst >> shift) & 0xFF;
        r |= std::min<uint32_t>(s + Div255(d * keep), 255) << shift;
    }
    return r;
}

void KeyedCopyRow(const TspColor* src, TspColor* dst, int32_t count)
{
    // Without a branch per pixel, so the compiler turns the loop into vector selects.
    for (int32_t i = 0; i < count; ++i) {
        const TspColor s = src[i], d = dst[i];
        dst[i] = (s & 0xFFFFFF) != (TransparentKey & 0xFFFFFF) ? s | 0xFF000000u : d;
    }
}

void CopyRow(const TspColor* src, TspColor* dst, int32_t count)
{
    // Frame borders are a few pixels wide: a plain loop beats the library call there.
    if (count <= 8 && (dst + count <= src || src + count <= dst)) {
        for (int32_t i = 0; i < count; ++i)
            dst[i] = src[i];
        return;
    }
    std::memmove(dst, src, static_cast<size_t>(count) * sizeof(TspColor));
}

void TileRow(const TspColor* tile, int32_t period, int32_t phase, TspColor* dst, int32_t count)
{
    if (count <= 0)
        return;
    const int32_t first = std::min(period - phase, count);
    std::memmove(dst, tile + phase, static_cast<size_t>(first) * sizeof(TspColor));
    if (first == count)
        return;
    // One whole period at dst + first, then that period doubled until the row is full.
    TspColor* whole = dst + first;
    const int32_t rest = count - first;
    int32_t done = std::min(period, rest);
    std::memmove(whole, tile, static_cast<size_t>(done) * sizeof(TspColor));
    while (done < rest) {
        const int32_t n = std::min(done, rest - done);
        std::memcpy(whole + done, whole, static_cast<size_t>(n) * sizeof(TspColor));
        done += n;
    }
}

static void RunRow(TDrawMode mode, const TspColor* src, TspColor* dst, int32_t count)
{
    switch (mode) {
    case TDrawMode::Copy: CopyRow(src, dst, count); break;
    case TDrawMode::KeyedCopy: KeyedCopyRow(src, dst, count); break;
    case TDrawMode::Blend: BlendRow(src, dst, count); break;
    }
}

// ---- TspBitmap

TspBitmap::TspBitmap() : store_(NewPixelStore(*this)) {}

TspBitmap::~TspBitmap() { store_->Release(); }

void TspBitmap::SetSize(int32_t width, int32_t height)
{
    // abs() of INT32_MIN is undefined; such a size is refused below anyway.
    int64_t w = width < 0 ? -int64_t(width) : width;
    int64_t h = height < 0 ? -int64_t(height) : height;
    if (w == 0 || h == 0 || (w == FWidth && h == FHeight))
        return;
    FBits = nullptr;
    FWidth = FHeight = 0;
    if (!BitmapSizeAllowed(w, h)) {
        store_->Release();
        throw EOutOfResources(L"Can't allocate the DIB handle");
    }
    FBits = store_->Allocate(static_cast<int32_t>(w), static_cast<int32_t>(h));
    FWidth = static_cast<int32_t>(w);
    FHeight = static_cast<int32_t>(h);
}

void TspBitmap::Clear(TspColor color)
{
    if (FBits)
        std::fill(FBits, FBits + static_cast<size_t>(FWidth) * FHeight, color);
}

TspColor TspBitmap::GetPixel(int32_t x, int32_t y) const
{
    if (!FBits || x < 0 || y < 0 || x >= FWidth || y >= FHeight)
        return 0;
    return *GetPixelPtr(x, y);
}

void TspBitmap::SetPixel(int32_t x, int32_t y, TspColor value)
{
    if (FBits && x >= 0 && y >= 0 && x < FWidth && y < FHeight)
        *GetPixelPtr(x, y) = value;
}

void TspBitmap::SetAlpha(uint8_t alpha) { SetAlpha(alpha, BoundsRect()); }

void TspBitmap::SetAlpha(uint8_t alpha, TRect r)
{
    if (!FBits)
        return;
    r.Left = std::max(r.Left, 0);
    r.Top = std::max(r.Top, 0);
    r.Right = std::min(r.Right, FWidth);
    r.Bottom = std::min(r.Bottom, FHeight);
    if (r.IsEmpty())
        return;
    TspColor a = TspColor(alpha) << 24;
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        TspColor* p = GetScanLine(y);
        for (int32_t x = r.Left; x < r.Right; ++x)
            p[x] = (p[x] & 0x00FFFFFF) | a;
    }
}

void TspBitmap::CheckingAlphaBlend()
{
    FAlphaBlend = false;
    size_t n = static_cast<size_t>(FWidth) * FHeight;
    for (size_t i = 0; FBits && i < n; ++i) {
        uint8_t a = PixelA(FBits[i]);
        if (a != 0 && a != 255) {
            FAlphaBlend = true;
            return;
        }
    }
}

void TspBitmap::CheckingTransparent(TspColor color)
{
    FTransparent = false;
    size_t n = static_cast<size_t>(FWidth) * FHeight;
    for (size_t i = 0; FBits && i < n; ++i) {
        TspColor p = FBits[i];
        if (std::abs(PixelR(p) - PixelR(color)) < 6 && std::abs(PixelG(p) - PixelG(color)) < 6 &&
            std::abs(PixelB(p) - PixelB(color)) < 6) {
            FBits[i] = TransparentKey;
            FTransparent = true;
        }
    }
}

void TspBitmap::CheckRGBA()
{
    size_t n = static_cast<size_t>(FWidth) * FHeight;
    for (size_t i = 0; FBits && i < n; ++i) {
        TspColor p = FBits[i];
        uint8_t a = PixelA(p);
        FBits[i] = MakePixel(std::min(PixelR(p), a), std::min(PixelG(p), a), std::min(PixelB(p), a), a);
    }
}

void TspBitmap::CheckRGBA2()
{
    size_t n = static_cast<size_t>(FWidth) * FHeight;
    for (size_t i = 0; FBits && i < n; ++i) {
        TspColor p = FBits[i];
        uint8_t a = PixelA(p);
        auto pm = [a](uint8_t c) { return static_cast<uint8_t>(Round(a * c / 255.0)); };
        FBits[i] = MakePixel(pm(PixelR(p)), pm(PixelG(p)), pm(PixelB(p)), a);
    }
}

void TspBitmap::Assign(const TspBitmap& source)
{
    if (&source == this)
        return;
    SetSize(source.FWidth, source.FHeight);
    if (FBits && source.FBits)
        std::memcpy(FBits, source.FBits, static_cast<size_t>(FWidth) * FHeight * sizeof(TspColor));
    FName = source.FName;
    FTransparent = source.FTransparent;
    FAlphaBlend = source.FAlphaBlend;
}

void TspBitmap::Assign(const TPixelImage& source)
{
    if (source.Empty() ||
        source.Pixels.size() < static_cast<size_t>(source.Width) * static_cast<size_t>(source.Height))
        throw EInvalidGraphic(L"Invalid picture");
    SetSize(source.Width, source.Height);
    static_assert(sizeof(TPixel) == sizeof(TspColor));
    std::memcpy(FBits, source.Pixels.data(), static_cast<size_t>(FWidth) * FHeight * sizeof(TspColor));
    if (source.Format == TPixelFormat::pf32bit) {
        CheckingAlphaBlend();
    } else {
        SetAlpha(255);
        FAlphaBlend = false;
    }
}

TPixelImage TspBitmap::ToPixelImage() const
{
    TPixelImage img;
    img.Width = FWidth;
    img.Height = FHeight;
    img.Format = TPixelFormat::pf32bit;
    img.Pixels.resize(static_cast<size_t>(FWidth) * FHeight);
    if (FBits)
        std::memcpy(static_cast<void*>(img.Pixels.data()), FBits, img.Pixels.size() * sizeof(TspColor));
    return img;
}

TDrawMode TspBitmap::Mode() const
{
    if (FAlphaBlend)
        return TDrawMode::Blend;
    if (FTransparent)
        return TDrawMode::KeyedCopy;
    return TDrawMode::Copy;
}

// ---- drawing

std::vector<int32_t> StretchTable(int32_t srcLo, int32_t srcHi, int32_t dstLo, int32_t dstHi,
                                  int32_t clipLo, int32_t clipHi, bool roundHalfEven)
{
    std::vector<int32_t> t;
    if (clipHi <= clipLo)
        return t;
    t.resize(static_cast<size_t>(clipHi - clipLo));
    int64_t srcN = int64_t(srcHi) - srcLo, dstN = int64_t(dstHi) - dstLo;
    if (dstN < 2) {
        std::fill(t.begin(), t.end(), static_cast<int32_t>((int64_t(srcLo) + srcHi - 1) / 2));
        return t;
    }
    // Exact integer form of srcLo + (x - dstLo) * (srcN - 1) / (dstN - 1); every operand is
    // non-negative inside the clip, so division truncates as the rule does.
    // Stepped without a division per column: q and r track n / den and n % den.
    const int64_t num = srcN - 1, den = dstN - 1;
    const int64_t stepQ = num / den, stepR = num % den;
    int64_t n0 = int64_t(clipLo - dstLo) * num;
    int64_t q = n0 / den, r = n0 % den;
    for (int32_t x = clipLo; x < clipHi; ++x) {
        int64_t v = q;
        if (roundHalfEven && (2 * r > den || (2 * r == den && (q & 1))))
            ++v;
        t[static_cast<size_t>(x - clipLo)] = static_cast<int32_t>(srcLo + v);
        q += stepQ;
        r += stepR;
        if (r >= den) {
            r -= den;
            ++q;
        }
    }
    return t;
}

namespace {
// n copies of v from d (short runs: overlapping vector stores instead of a loop per pixel).
inline void FillRun(TspColor* d, int32_t n, TspColor v)
{
#if defined(__SSE2__)
    if (n >= 4) {
        __m128i x = _mm_set1_epi32(static_cast<int>(v));
        int32_t i = 0;
        for (; i + 4 <= n; i += 4)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + i), x);
        if (i < n)
            _mm_storeu_si128(reinterpret_cast<__m128i*>(d + n - 4), x);
        return;
    }
#endif
    for (int32_t i = 0; i < n; ++i)
        d[i] = v;
}

// count rows of w pixels, from s on (sStride pixels apart; 0 repeats one row) to d on (dStride
// apart, negative for bottom-up). Frame borders are a few pixels wide and thousands of rows high:
// for those the width is a constant, so each row is a move or two instead of a call.
template <int N>
void CopyRowsOf(const TspColor* s, ptrdiff_t sStride, TspColor* d, ptrdiff_t dStride, int32_t count)
{
    if (sStride == 0) {
        TspColor v[N];
        std::memcpy(v, s, sizeof v);
        for (; count > 0; --count, d += dStride)
            std::memcpy(d, v, sizeof v);
        return;
    }
    for (; count > 0; --count, s += sStride, d += dStride) {
        TspColor v[N];
        std::memcpy(v, s, sizeof v);
        std::memcpy(d, v, sizeof v);
    }
}

void CopyRows(const TspColor* s, ptrdiff_t sStride, TspColor* d, ptrdiff_t dStride, int32_t w, int32_t count)
{
    switch (w) {
    case 1: CopyRowsOf<1>(s, sStride, d, dStride, count); return;
    case 2: CopyRowsOf<2>(s, sStride, d, dStride, count); return;
    case 3: CopyRowsOf<3>(s, sStride, d, dStride, count); return;
    case 4: CopyRowsOf<4>(s, sStride, d, dStride, count); return;
    case 5: CopyRowsOf<5>(s, sStride, d, dStride, count); return;
    case 6: CopyRowsOf<6>(s, sStride, d, dStride, count); return;
    case 7: CopyRowsOf<7>(s, sStride, d, dStride, count); return;
    case 8: CopyRowsOf<8>(s, sStride, d, dStride, count); return;
    default:
        for (; count > 0; --count, s += sStride, d += dStride)
            std::memmove(d, s, static_cast<size_t>(w) * sizeof(TspColor));
    }
}

// A block of w x h pixels (one copy when both sides are contiguous).
void CopyBlock(const TspColor* s, ptrdiff_t sStride, TspColor* d, ptrdiff_t dStride, int32_t w, int32_t h)
{
    if (sStride == w && dStride == w)
        std::memmove(d, s, static_cast<size_t>(w) * static_cast<size_t>(h) * sizeof(TspColor));
    else
        CopyRows(s, sStride, d, dStride, w, h);
}

// One axis of a stretch: the source index of each destination position (from the clip's start)
// and the same as runs of positions sharing one source index.
struct TStretchAxis {
    struct TRun {
        int32_t From, Count, Src;
    };
    std::vector<int32_t> Table;
    std::vector<TRun> Runs;
};

// The stretch axes of the last few draws. A frame is repainted at one size many times over and
// asks for the same axes every time; painting happens on one thread, the cache is per thread
// all the same.
class TStretchCache {
public:
    using TAxis = std::shared_ptr<const TStretchAxis>;

    TAxis Get(int32_t srcLo, int32_t srcHi, int32_t dstLo, int32_t dstHi, int32_t clipLo, int32_t clipHi,
              bool roundHalfEven)
    {
        const TKey key{srcLo, srcHi, dstLo, dstHi, clipLo, clipHi, roundHalfEven};
        for (const TEntry& e : entries_)
            if (e.axis && e.key == key)
                return e.axis;
        auto axis = std::make_shared<TStretchAxis>();
        axis->Table = StretchTable(srcLo, srcHi, dstLo, dstHi, clipLo, clipHi, roundHalfEven);
        const std::vector<int32_t>& t = axis->Table;
        for (size_t i = 0; i < t.size();) {
            size_t j = i + 1;
            while (j < t.size() && t[j] == t[i])
                ++j;
            axis->Runs.push_back({static_cast<int32_t>(i), static_cast<int32_t>(j - i), t[i]});
            i = j;
        }
        TEntry& e = entries_[next_];
        next_ = (next_ + 1) % kSize;
        e.key = key;
        e.axis = std::move(axis);
        return e.axis;
    }

private:
    struct TKey {
        int32_t srcLo, srcHi, dstLo, dstHi, clipLo, clipHi;
        bool round;
        friend bool operator==(const TKey&, const TKey&) = default;
    };
    struct TEntry {
        TKey key{};
        TAxis axis;
    };
    static constexpr size_t kSize = 16;
    TEntry entries_[kSize];
    size_t next_ = 0;
};

TStretchCache& StretchAxes()
{
    thread_local TStretchCache cache;
    return cache;
}
} // namespace

void DrawPixels(TPixelView src, TDrawMode mode, const TPixelTarget& dst, const TRect& dstRect,
                const TRect& srcRect, bool roundHalfEven)
{
    if (src.Empty() || !dst.Bits || srcRect.IsEmpty())
        return;
    if (srcRect.Left < 0 || srcRect.Top < 0 || srcRect.Right > src.Width || srcRect.Bottom > src.Height)
        return;
    TRect clip = IntersectRect(dstRect, TRect{0, 0, dst.Width, dst.Height});
    if (clip.IsEmpty())
        return;
    const ptrdiff_t dstStride = dst.BottomUp ? -ptrdiff_t(dst.Width) : ptrdiff_t(dst.Width);
    auto dstRow = [&](int32_t y) {
        return dst.Bits + static_cast<ptrdiff_t>(dst.BottomUp ? dst.Height - 1 - y : y) * dst.Width;
    };
    const int32_t w = clip.Width();
    if (dstRect.Width() == srcRect.Width() && dstRect.Height() == srcRect.Height()) {
        const int32_t sx = srcRect.Left + clip.Left - dstRect.Left;
        int32_t sy = srcRect.Top + clip.Top - dstRect.Top;
        if (mode == TDrawMode::Copy) {
            CopyBlock(src.Row(sy) + sx, src.Stride, dstRow(clip.Top) + clip.Left, dstStride, w,
                      clip.Height());
            return;
        }
        for (int32_t y = clip.Top; y < clip.Bottom; ++y, ++sy)
            RunRow(mode, src.Row(sy) + sx, dstRow(y) + clip.Left, w);
        return;
    }
    if (dstRect.IsEmpty())
        return;
    TStretchCache& cache = StretchAxes();
    const auto colAxis = cache.Get(srcRect.Left, srcRect.Right, dstRect.Left, dstRect.Right, clip.Left,
                                   clip.Right, roundHalfEven);
    const auto rowAxis = cache.Get(srcRect.Top, srcRect.Bottom, dstRect.Top, dstRect.Bottom, clip.Top,
                                   clip.Bottom, roundHalfEven);
    const std::vector<int32_t>& cols = colAxis->Table;
    if (mode == TDrawMode::Copy) {
        // Columns one to one (a vertical stretch): a run of rows is its source row repeated.
        if (dstRect.Width() == srcRect.Width()) {
            const int32_t sx = cols.front();
            for (const TStretchAxis::TRun& r : rowAxis->Runs)
                CopyRows(src.Row(r.Src) + sx, 0, dstRow(clip.Top + r.From) + clip.Left, dstStride, w,
                         r.Count);
            return;
        }
        // Each source row is stretched once, into the first row of its run; the others copy it.
        // Enlarging repeats each source pixel over a run of columns: fill runs, not pixels.
        const bool fill = dstRect.Width() >= 2 * srcRect.Width();
        for (const TStretchAxis::TRun& r : rowAxis->Runs) {
            TspColor* d = dstRow(clip.Top + r.From) + clip.Left;
            const TspColor* s = src.Row(r.Src);
            if (fill) {
                for (const TStretchAxis::TRun& c : colAxis->Runs)
                    FillRun(d + c.From, c.Count, s[c.Src]);
            } else {
                for (size_t k = 0; k < cols.size(); ++k)
                    d[k] = s[cols[k]];
            }
            CopyRows(d, 0, d + dstStride, dstStride, w, r.Count - 1);
        }
        return;
    }
    const std::vector<int32_t>& rows = rowAxis->Table;
    std::vector<TspColor> line(static_cast<size_t>(w));
    for (int32_t y = clip.Top; y < clip.Bottom; ++y) {
        const TspColor* s = src.Row(rows[static_cast<size_t>(y - clip.Top)]);
        for (size_t i = 0; i < cols.size(); ++i)
            line[i] = s[cols[i]];
        RunRow(mode, line.data(), dstRow(y) + clip.Left, w);
    }
}

void TspBitmap::Draw(TspBitmap& dst, int32_t x, int32_t y) const
{
    Draw(dst, TRect{x, y, x + FWidth, y + FHeight}, BoundsRect());
}

void TspBitmap::Draw(TspBitmap& dst, int32_t x, int32_t y, const TRect& srcRect) const
{
    Draw(dst, srcRect.Offset(x - srcRect.Left, y - srcRect.Top), srcRect);
}

void TspBitmap::Draw(TspBitmap& dst, const TRect& dstRect) const { Draw(dst, dstRect, BoundsRect()); }

void TspBitmap::Draw(TspBitmap& dst, const TRect& dstRect, const TRect& srcRect) const
{
    DrawPixels(View(), Mode(), TPixelTarget{dst.FBits, dst.FWidth, dst.FHeight}, dstRect, srcRect, false);
}

std::vector<TTilePiece> TilePieces(const TRect& dstRect, const TRect& dstClip, const TRect& srcRect,
                                   const TRect& visible)
{
    std::vector<TTilePiece> out;
    const int64_t w = srcRect.Width(), h = srcRect.Height();
    if (w <= 0 || h <= 0 || dstRect.IsEmpty())
        return out;
    TRect area = IntersectRect(dstRect, visible);
    if (area.IsEmpty())
        return out;
    const int64_t dw = int64_t(dstRect.Right) - dstRect.Left, dh = int64_t(dstRect.Bottom) - dstRect.Top;
    const int64_t nx = dw / w + (dw % w ? 1 : 0), ny = dh / h + (dh % h ? 1 : 0);
    // The tile columns and rows that reach the visible area.
    const int64_t i0 = (int64_t(area.Left) - dstRect.Left) / w, i1 = std::min(nx, (int64_t(area.Right) - dstRect.Left + w - 1) / w - 1);
    const int64_t j0 = (int64_t(area.Top) - dstRect.Top) / h, j1 = std::min(ny, (int64_t(area.Bottom) - dstRect.Top + h - 1) / h - 1);
    for (int64_t i = i0; i <= i1; ++i) {
        for (int64_t j = j0; j <= j1; ++j) {
            TRect t = IntersectRect(Bounds(static_cast<int32_t>(dstRect.Left + i * w), static_cast<int32_t>(dstRect.Top + j * h),
                                           static_cast<int32_t>(w), static_cast<int32_t>(h)),
                                    dstRect);
            if (t.IsEmpty())
                break;
            if (!dstClip.IsEmpty() && IntersectRect(t, dstClip).IsEmpty())
                continue;
            out.push_back({t, Bounds(srcRect.Left, srcRect.Top, t.Width(), t.Height())});
        }
    }
    return out;
}

void TspBitmap::Tile(TspBitmap& dst, const TRect& dstRect, const TRect& srcRect) const
{
    TileClip(dst, dstRect, TRect{}, srcRect);
}

void TspBitmap::TileClip(TspBitmap& dst, const TRect& dstRect, const TRect& dstClip,
                         const TRect& srcRect) const
{
    for (const TTilePiece& p : TilePieces(dstRect, dstClip, srcRect, dst.BoundsRect()))
        Draw(dst, p.Dst, p.Src);
}

void TspBitmap::MergeDraw(const TspBitmap& source, int32_t x, int32_t y, TRect srcRect)
{
    if (!FBits || !source.FBits)
        return;
    srcRect = IntersectRect(srcRect, source.BoundsRect());
    if (srcRect.IsEmpty())
        return;
    TRect dst = IntersectRect(Bounds(x, y, srcRect.Width(), srcRect.Height()), BoundsRect());
    for (int32_t dy = dst.Top; dy < dst.Bottom; ++dy) {
        TspColor* d = GetScanLine(dy);
        const TspColor* s = source.GetScanLine(srcRect.Top + dy - y);
        for (int32_t dx = dst.Left; dx < dst.Right; ++dx) {
            TspColor sp = s[srcRect.Left + dx - x];
            uint8_t a = PixelA(d[dx]);
            if (a == 0)
                d[dx] = sp;
            else if (a != 255)
                d[dx] = BlendPixel(d[dx], sp);
        }
    }
}

void TspBitmap::FillRect(TRect r, TspColor color)
{
    r = IntersectRect(r, BoundsRect());
    if (!FBits || r.IsEmpty())
        return;
    std::vector<TspColor> line(static_cast<size_t>(r.Width()), color);
    for (int32_t y = r.Top; y < r.Bottom; ++y) {
        if (FAlphaBlend)
            BlendRow(line.data(), GetScanLine(y) + r.Left, r.Width());
        else
            CopyRow(line.data(), GetScanLine(y) + r.Left, r.Width());
    }
}

void TspBitmap::FlipVert()
{
    if (!FBits)
        return;
    for (int32_t top = 0, bottom = FHeight - 1; top < bottom; ++top, --bottom)
        std::swap_ranges(GetScanLine(top), GetScanLine(top) + FWidth, GetScanLine(bottom));
}

void TspBitmap::ReflectionK(int k)
{
    if (!FBits)
        return;
    FlipVert();
    for (int32_t i = 0; i < FHeight; ++i) {
        double f = 1.0 - 2.0 * i / FHeight;
        TspColor* p = GetScanLine(i);
        for (int32_t x = 0; x < FWidth; ++x) {
            uint8_t a = PixelA(p[x]);
            if (a == 0)
                continue;
            int32_t na = std::max(0, Round(f * a) / k);
            p[x] = (p[x] & 0x00FFFFFF) | (TspColor(na) << 24);
        }
    }
}

void TspBitmap::ChangeBitmapBrightness(int32_t delta)
{
    if (delta == 0 || !FBits)
        return;
    auto c = [delta](uint8_t v) { return static_cast<uint8_t>(std::clamp<int32_t>(v + delta, 0, 255)); };
    size_t n = static_cast<size_t>(FWidth) * FHeight;
    for (size_t i = 0; i < n; ++i) {
        TspColor p = FBits[i];
        if (PixelA(p) != 0)
            FBits[i] = MakePixel(c(PixelR(p)), c(PixelG(p)), c(PixelB(p)), PixelA(p));
    }
}

void RGBToHSL(double r, double g, double b, double& h, double& s, double& l)
{
    double mx = std::max({r, g, b}), mn = std::min({r, g, b});
    l = (mx + mn) / 2;
    if (mx == mn) {
        h = s = 0;
        return;
    }
    double d = mx - mn;
    s = l > 0.5 ? d / (2 - mx - mn) : d / (mx + mn);
    if (mx == r)
        h = (g - b) / d + (g < b ? 6 : 0);
    else if (mx == g)
        h = (b - r) / d + 2;
    else
        h = (r - g) / d + 4;
    h /= 6;
}

static double HueToRGB(double p, double q, double t)
{
    if (t < 0)
        t += 1;
    if (t > 1)
        t -= 1;
    if (t < 1.0 / 6)
        return p + (q - p) * 6 * t;
    if (t < 0.5)
        return q;
    if (t < 2.0 / 3)
        return p + (q - p) * (2.0 / 3 - t) * 6;
    return p;
}

void HSLToRGB(double h, double s, double l, double& r, double& g, double& b)
{
    if (s == 0) {
        r = g = b = l;
        return;
    }
    double q = l < 0.5 ? l * (1 + s) : l + s - l * s;
    double p = 2 * l - q;
    r = HueToRGB(p, q, h + 1.0 / 3);
    g = HueToRGB(p, q, h);
    b = HueToRGB(p, q, h - 1.0 / 3);
}

namespace {
// Applies f(h, s, l) to every pixel with non-zero alpha, keeping alpha.
template <class F> void ForEachHSL(TspBitmap& bmp, F f)
{
    if (!bmp.FBits)
        return;
    size_t n = static_cast<size_t>(bmp.FWidth) * bmp.FHeight;
    auto back = [](double v) { return static_cast<uint8_t>(std::clamp(Round(v * 255), 0, 255)); };
    for (size_t i = 0; i < n; ++i) {
        TspColor p = bmp.FBits[i];
        if (PixelA(p) == 0)
            continue;
        double h, s, l, r, g, b;
        RGBToHSL(PixelR(p) / 255.0, PixelG(p) / 255.0, PixelB(p) / 255.0, h, s, l);
        f(h, s, l);
        HSLToRGB(h, s, l, r, g, b);
        bmp.FBits[i] = MakePixel(back(r), back(g), back(b), PixelA(p));
    }
}

int32_t WrapByte(int32_t v)
{
    if (v >= 256)
        v -= 255;
    if (v < 0)
        v += 255;
    return v;
}
} // namespace

void TspBitmap::SetBitmapHue(int32_t hue)
{
    double nh = std::clamp(hue, 0, 255) / 255.0;
    ForEachHSL(*this, [nh](double& h, double&, double&) { h = nh; });
}

void TspBitmap::ChangeBitmapSat(int32_t delta)
{
    if (delta == 0)
        return;
    ForEachHSL(*this, [delta](double&, double& s, double&) { s = WrapByte(Round(s * 255) + delta) / 255.0; });
}

void TspBitmap::ChangeBitmapHue(int32_t delta)
{
    if (delta == 0)
        return;
    ForEachHSL(*this, [delta](double& h, double&, double&) { h = WrapByte(Round(h * 255) + delta) / 255.0; });
}

// ---- links

void TspBitmapLink::Draw(TspBitmap& dst, int32_t x, int32_t y) const
{
    if (FImage && !FImage->Empty() && FRect.Width() > 0 && FRect.Height() > 0)
        FImage->Draw(dst, x, y, FRect);
}

void TspBitmapLink::CheckingMasked(const TRect& m)
{
    FMasked = FMaskedBorder = FMaskedAngles = false;
    if (!FImage || FImage->Empty())
        return;
    TRect r = IntersectRect(FRect, FImage->BoundsRect());
    int32_t w = FRect.Width(), h = FRect.Height();
    bool zeroMargin = m.Left == 0 && m.Top == 0 && m.Right == 0 && m.Bottom == 0;
    for (int32_t px = r.Left; px < r.Right; ++px) {
        for (int32_t py = r.Top; py < r.Bottom; ++py) {
            TspColor p = FImage->GetPixel(px, py);
            bool seeThrough = p != 0x33333333u && (p == TransparentKey || PixelA(p) < 255);
            if (!seeThrough)
                continue;
            if (zeroMargin) {
                FMasked = true;
                return;
            }
            int32_t x = px - FRect.Left, y = py - FRect.Top;
            bool left = x < m.Left, right = x >= w - m.Right;
            bool top = y < m.Top, bottom = y >= h - m.Bottom;
            if ((left || right) && (top || bottom))
                FMaskedAngles = true;
            else if (left || right || top || bottom)
                FMaskedBorder = true;
            else
                FMasked = true;
        }
    }
}

TRect ParseRectText(const std::wstring& text)
{
    int64_t v[4];
    int n = 0;
    size_t i = 0;
    auto isSep = [](wchar_t c) {
        return c == L' ' || c == L'(' || c == L')' || c == L',' || c == L':' || c == L';' || c == L'=';
    };
    while (i < text.size()) {
        if (isSep(text[i])) {
            ++i;
            continue;
        }
        size_t j = i;
        while (j < text.size() && !isSep(text[j]))
            ++j;
        std::wstring tok = text.substr(i, j - i);
        if (n == 4)
            return TRect{};
        size_t k = 0;
        bool neg = false;
        if (k < tok.size() && (tok[k] == L'-' || tok[k] == L'+'))
            neg = tok[k++] == L'-';
        if (k == tok.size() || tok.size() - k > 10)
            return TRect{};
        int64_t val = 0;
        for (; k < tok.size(); ++k) {
            if (tok[k] < L'0' || tok[k] > L'9')
                return TRect{};
            val = val * 10 + (tok[k] - L'0');
        }
        val = neg ? -val : val;
        if (val < INT32_MIN || val > INT32_MAX)
            return TRect{};
        v[n++] = val;
        i = j;
    }
    if (n != 4)
        return TRect{};
    return TRect{int32_t(v[0]), int32_t(v[1]), int32_t(v[2]), int32_t(v[3])};
}

std::unique_ptr<TspBitmapLink> GetBitmapLink(TspBitmap& bitmap, const TRect& r)
{
    auto link = std::make_unique<TspBitmapLink>();
    link->FImage = &bitmap;
    link->FName = bitmap.FName;
    link->FRect = r;
    return link;
}

std::unique_ptr<TspBitmapLink> GetBitmapLink(TspBitmap& bitmap, const std::wstring& rectText)
{
    return GetBitmapLink(bitmap, ParseRectText(rectText));
}

// ---- free routines

TspColor ColorToPixel(TColor color, uint8_t alpha)
{
    TColor c = ResolveColor(color);
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c), alpha);
}

TspColor ColorToOpaquePixel(TColor color)
{
    TColor c = color & 0x00FFFFFF;
    return MakePixel(GetRValue(c), GetGValue(c), GetBValue(c), 255);
}

namespace {
// One pass of the triangular kernel (two running box sums of radius + 1 taps) over n values
// spaced by step, edges repeated; channel sums are divided by (radius + 1)^2.
void BlurLine(TspColor* p, int32_t n, size_t step, int32_t r, std::vector<uint32_t>& box,
              std::vector<TspColor>& out)
{
    const uint32_t div = uint32_t(r + 1) * uint32_t(r + 1);
    auto at = [&](int64_t i) { return p[static_cast<size_t>(std::clamp<int64_t>(i, 0, n - 1)) * step]; };
    // box[j] (j = 0 .. n-1+r, 3 channels) sums source positions j-r .. j.
    size_t m = static_cast<size_t>(n) + r;
    box.assign(m * 3, 0);
    uint32_t s[3] = {0, 0, 0};
    for (int64_t i = -r; i <= 0; ++i) {
        TspColor c = at(i);
        s[0] += PixelR(c); s[1] += PixelG(c); s[2] += PixelB(c);
    }
    for (size_t j = 0; j < m; ++j) {
        if (j > 0) {
            TspColor in = at(int64_t(j)), outc = at(int64_t(j) - r - 1);
            s[0] += PixelR(in) - PixelR(outc);
            s[1] += PixelG(in) - PixelG(outc);
            s[2] += PixelB(in) - PixelB(outc);
        }
        box[j * 3] = s[0]; box[j * 3 + 1] = s[1]; box[j * 3 + 2] = s[2];
    }
    out.resize(static_cast<size_t>(n));
    uint32_t t[3] = {0, 0, 0};
    for (int32_t j = 0; j <= r; ++j)
        for (int c = 0; c < 3; ++c)
            t[c] += box[static_cast<size_t>(j) * 3 + c];
    for (int32_t x = 0; x < n; ++x) {
        if (x > 0)
            for (int c = 0; c < 3; ++c)
                t[c] += box[static_cast<size_t>(x + r) * 3 + c] - box[static_cast<size_t>(x - 1) * 3 + c];
        out[static_cast<size_t>(x)] = MakePixel(static_cast<uint8_t>(t[0] / div), static_cast<uint8_t>(t[1] / div),
                                                static_cast<uint8_t>(t[2] / div), 255);
    }
    for (int32_t x = 0; x < n; ++x)
        p[static_cast<size_t>(x) * step] = out[static_cast<size_t>(x)];
}
} // namespace

void StackBlur(TspBitmap& bitmap, int32_t radius)
{
    if (radius <= 0 || bitmap.Empty())
        return;
    radius = std::min(radius, 254);  // keeps every sum within 32 bits
    std::vector<uint32_t> box;
    std::vector<TspColor> out;
    for (int32_t y = 0; y < bitmap.FHeight; ++y)
        BlurLine(bitmap.GetScanLine(y), bitmap.FWidth, 1, radius, box, out);
    for (int32_t x = 0; x < bitmap.FWidth; ++x)
        BlurLine(bitmap.FBits + x, bitmap.FHeight, static_cast<size_t>(bitmap.FWidth), radius, box, out);
}

void AlphaFromMask(TspBitmap& bitmap, TPixelView mask)
{
    if (bitmap.Empty() || mask.Empty())
        return;
    // A smaller mask would be read out of bounds; only the covered part is changed.
    int32_t w = std::min(bitmap.FWidth, mask.Width), h = std::min(bitmap.FHeight, mask.Height);
    for (int32_t y = 0; y < h; ++y) {
        TspColor* p = bitmap.GetScanLine(y);
        const TspColor* m = mask.Row(y);
        for (int32_t x = 0; x < w; ++x) {
            uint32_t a = (PixelR(m[x]) + PixelG(m[x]) + PixelB(m[x])) / 3;
            p[x] = (p[x] & 0x00FFFFFF) | (a << 24);
        }
    }
}

void AlphaFromMaskPremultiplied(TspBitmap& bitmap, TPixelView mask)
{
    AlphaFromMask(bitmap, mask);
    bitmap.CheckRGBA2();
}

void BlendPremultiplied(TspBitmap& dst, TPoint at, TPixelView src, uint8_t constantAlpha)
{
    if (dst.Empty() || src.Empty() || constantAlpha == 0)
        return;
    const TRect area = IntersectRect(Bounds(at.X, at.Y, src.Width, src.Height), dst.BoundsRect());
    for (int32_t y = area.Top; y < area.Bottom; ++y) {
        const TspColor* s = src.Row(y - at.Y);
        TspColor* d = dst.GetScanLine(y);
        for (int32_t x = area.Left; x < area.Right; ++x)
            d[x] = BlendPremultipliedPixel(s[x - at.X], d[x], constantAlpha);
    }
}

} // namespace vt
