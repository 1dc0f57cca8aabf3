#include "raster/compose.h"

#include <algorithm>

#include "framework/base/strings.h"

namespace vt {

TFrameGeometry ResizeFrameGeometry(const TFrameGeometry& g, int32_t w0, int32_t h0, int32_t W, int32_t H)
{
    int32_t dW = W - w0, dH = H - h0;
    TFrameGeometry n = g;
    n.RTPoint.X += dW;
    n.LBPoint.Y += dH;
    n.RBPoint.X += dW;
    n.RBPoint.Y += dH;
    n.ClRect.Right += dW;
    n.ClRect.Bottom += dH;
    return n;
}

namespace {
TPixelTarget Target(TspBitmap& b) { return TPixelTarget{b.FBits, b.FWidth, b.FHeight}; }

// Whether rows sy..sy+h of columns sx..sx+w all lie in src: then a tiled piece is the same
// source pixels at every repeat and can be laid out row by row.
bool InsidePicture(TPixelView src, int32_t sx, int32_t sy, int32_t w, int32_t h)
{
    return !src.Empty() && w > 0 && h > 0 && sx >= 0 && sy >= 0 && int64_t(sx) + w <= src.Width &&
           int64_t(sy) + h <= src.Height;
}
} // namespace

void CopyRect(TspBitmap& dst, const TRect& dstRect, TPixelView src, const TRect& srcRect)
{
    if (dstRect.IsEmpty() || srcRect.IsEmpty())
        return;
    if (dstRect.Width() == srcRect.Width() && dstRect.Height() == srcRect.Height()) {
        TRect s = IntersectRect(srcRect, src.BoundsRect());
        if (s.IsEmpty())
            return;
        TRect d = s.Offset(dstRect.Left - srcRect.Left, dstRect.Top - srcRect.Top);
        DrawPixels(src, TDrawMode::Copy, Target(dst), d, s, false);
        return;
    }
    DrawPixels(src, TDrawMode::Copy, Target(dst), dstRect, srcRect, false);
}

namespace {

// A copy limited to clip (1:1 pieces only).
void CopyClipped(TspBitmap& dst, const TRect& dstRect, TPixelView src, const TRect& srcRect,
                 const TRect& clip)
{
    TRect d = IntersectRect(dstRect, clip);
    if (d.IsEmpty())
        return;
    TRect s = d.Offset(srcRect.Left - dstRect.Left, srcRect.Top - dstRect.Top);
    CopyRect(dst, d, src, s);
}

// The tile indexes i = 0..n whose span [start + i*d, start + (i+1)*d) can meet [lo, hi): a
// geometry far outside the picture costs nothing.
void TileRange(int64_t start, int64_t d, int64_t n, int64_t lo, int64_t hi, int64_t& i0, int64_t& i1)
{
    i0 = start + d <= lo ? (lo - start) / d - 1 : 0;
    i0 = std::max<int64_t>(i0, 0);
    i1 = std::min<int64_t>(n, start >= hi ? -1 : (hi - start) / d + 1);
}

// A tiled middle piece along x: source columns [sx0, sx0 + d) at rows sy..sy+h, repeated from
// x0 with i = 0..n, each tile cut at limit.
void TileAlongX(TspBitmap& dst, TPixelView src, int32_t sx0, int32_t d, int32_t sy, int32_t dy,
                int32_t h, int32_t x0, int32_t n, int32_t limit)
{
    if (d <= 0)
        return;  // a zero-length piece is treated as absent
    if (InsidePicture(src, sx0, sy, d, h)) {
        // Tiles 0..n from x0, the last cut at limit, cover x0..end without a gap: each row is
        // the source row repeated.
        const int64_t end = std::min<int64_t>(x0 + (int64_t(n) + 1) * d, limit);
        const int32_t xa = std::max(x0, 0);
        const int32_t xb = static_cast<int32_t>(std::min<int64_t>(end, dst.FWidth));
        const int32_t ya = std::max(dy, 0), yb = std::min(dy + h, dst.FHeight);
        const int32_t phase = static_cast<int32_t>((int64_t(xa) - x0) % d);
        for (int32_t y = ya; y < yb && xa < xb; ++y)
            TileRow(src.Row(sy + y - dy) + sx0, d, phase, dst.GetScanLine(y) + xa, xb - xa);
        return;
    }
    int64_t i0, i1;
    TileRange(x0, d, n, 0, dst.FWidth, i0, i1);
    for (int64_t i = i0; i <= i1; ++i) {
        int32_t x = static_cast<int32_t>(x0 + i * d);
        int32_t cut = std::max(0, x + d - limit);
        if (d - cut <= 0)
            continue;
        CopyRect(dst, Rect(x, dy, x + d - cut, dy + h), src, Rect(sx0, sy, sx0 + d - cut, sy + h));
    }
}

void TileAlongY(TspBitmap& dst, TPixelView src, int32_t sy0, int32_t d, int32_t sx, int32_t dx,
                int32_t w, int32_t y0, int32_t n, int32_t limit)
{
    if (d <= 0)
        return;
    if (InsidePicture(src, sx, sy0, w, d) && dst.FBits) {
        // Rows y0..end repeat the piece's d rows: the first period is copied, the rest repeats
        // it (as one run of memory when the piece spans the whole width).
        const int64_t end = std::min<int64_t>(y0 + (int64_t(n) + 1) * d, limit);
        const int32_t ya = std::max(y0, 0);
        const int32_t yb = static_cast<int32_t>(std::min<int64_t>(end, dst.FHeight));
        const int32_t xa = std::max(dx, 0);
        const int32_t xb = static_cast<int32_t>(std::min<int64_t>(int64_t(dx) + w, dst.FWidth));
        if (ya >= yb || xa >= xb)
            return;
        const int32_t cw = xb - xa, sxa = sx + xa - dx;
        const int32_t first = std::min(d, yb - ya);
        const int32_t phase = static_cast<int32_t>((int64_t(ya) - y0) % d), n1 = std::min(d - phase, first);
        CopyRect(dst, Rect(xa, ya, xb, ya + n1), src, Bounds(sxa, sy0 + phase, cw, n1));
        if (first > n1)
            CopyRect(dst, Rect(xa, ya + n1, xb, ya + first), src, Bounds(sxa, sy0, cw, first - n1));
        if (cw == dst.FWidth) {
            TspColor* top = dst.GetScanLine(ya);
            TileRow(top, first * cw, 0, top + first * cw, (yb - ya - first) * cw);
            return;
        }
        for (int32_t y = ya + first; y < yb; ++y)
            CopyRow(dst.GetScanLine(y - d) + xa, dst.GetScanLine(y) + xa, cw);
        return;
    }
    int64_t i0, i1;
    TileRange(y0, d, n, 0, dst.FHeight, i0, i1);
    for (int64_t i = i0; i <= i1; ++i) {
        int32_t y = static_cast<int32_t>(y0 + i * d);
        int32_t cut = std::max(0, y + d - limit);
        if (d - cut <= 0)
            continue;
        CopyRect(dst, Rect(dx, y, dx + w, y + d - cut), src, Rect(sx, sy0, sx + w, sy0 + d - cut));
    }
}

// Client piece stretched into NewClRect (spstFull) or as a strip repeated across it.
void StretchClient(TspBitmap& Dest, TPixelView Source, const TRect& piece, const TRect& nc,
                   TspStretchType type, bool clip)
{
    if (nc.IsEmpty() || piece.IsEmpty())
        return;
    if (type == spstFull) {
        CopyRect(Dest, nc, Source, piece);
        return;
    }
    TspBitmap strip;
    bool horz = type == spstHorz;
    int32_t sw = horz ? piece.Width() : nc.Width();
    int32_t sh = horz ? nc.Height() : piece.Height();
    strip.SetSize(sw, sh);
    CopyRect(strip, strip.BoundsRect(), Source, piece);
    TRect limit = clip ? nc : Dest.BoundsRect();
    int32_t count = horz ? nc.Width() / sw : nc.Height() / sh;
    int64_t k0, k1;
    if (horz)
        TileRange(nc.Left, sw, count, 0, Dest.FWidth, k0, k1);
    else
        TileRange(nc.Top, sh, count, 0, Dest.FHeight, k0, k1);
    for (int64_t k = k0; k <= k1; ++k) {
        const int32_t step = static_cast<int32_t>(k);
        TRect at = horz ? Bounds(nc.Left + step * sw, nc.Top, sw, sh) : Bounds(nc.Left, nc.Top + step * sh, sw, sh);
        CopyClipped(Dest, at, strip, strip.BoundsRect(), limit);
    }
}

void PrepareDest(TspBitmap& Dest, int32_t W, int32_t H, bool clear = true)
{
    Dest.SetSize(W, H);
    // A kept picture of the same size would show through the gaps; start from transparent black.
    if (clear)
        Dest.Clear(0);
}

} // namespace

void ComposeFramedPicture(const TFrameGeometry& g, const TFrameGeometry& ng, TspBitmap& Dest,
                          TPixelView Source, const TRect& R, int32_t W, int32_t H, bool DrawClient,
                          const TFrameStretch& s)
{
    PrepareDest(Dest, W, H);
    if (g.RBPoint.X == g.LTPoint.X || g.RBPoint.Y == g.LTPoint.Y || Source.Empty())
        return;
    const int32_t w0 = R.Width(), h0 = R.Height();
    const int32_t ox = R.Left, oy = R.Top;
    const TRect& cl = g.ClRect;
    const TRect& ncl = ng.ClRect;

    // Top edge middle.
    if (s.TopStretch)
        CopyRect(Dest, Rect(ng.LTPoint.X, 0, ng.RTPoint.X, ncl.Top), Source,
                 Rect(g.LTPoint.X, 0, g.RTPoint.X, cl.Top).Offset(ox, oy));
    else if (int32_t d = g.RTPoint.X - g.LTPoint.X; d > 0)
        TileAlongX(Dest, Source, ox + g.LTPoint.X, d, oy, 0, cl.Top, ng.LTPoint.X,
                   (ng.RTPoint.X - ng.LTPoint.X) / d, ng.RTPoint.X);
    // Bottom edge middle.
    if (s.BottomStretch)
        CopyRect(Dest, Rect(ng.LBPoint.X, ncl.Bottom, ng.RBPoint.X, H), Source,
                 Rect(g.LBPoint.X, cl.Bottom, g.RBPoint.X, h0).Offset(ox, oy));
    else if (int32_t d = g.RBPoint.X - g.LBPoint.X; d > 0)
        TileAlongX(Dest, Source, ox + g.LBPoint.X, d, oy + cl.Bottom, ncl.Bottom, h0 - cl.Bottom, ng.LBPoint.X,
                   (ng.RBPoint.X - ng.LBPoint.X) / d, ng.RBPoint.X);
    // Left edge middle.
    if (s.LeftStretch)
        CopyRect(Dest, Rect(0, ng.LTPoint.Y, ncl.Left, ng.LBPoint.Y), Source,
                 Rect(0, g.LTPoint.Y, cl.Left, g.LBPoint.Y).Offset(ox, oy));
    else if (int32_t d = g.LBPoint.Y - g.LTPoint.Y; d > 0)
        TileAlongY(Dest, Source, oy + g.LTPoint.Y, d, ox, 0, ncl.Left, ng.LTPoint.Y,
                   (ng.LBPoint.Y - ng.LTPoint.Y) / d, ng.LBPoint.Y);
    // Right edge middle.
    if (s.RightStretch)
        CopyRect(Dest, Rect(ncl.Right, ng.RTPoint.Y, W, ng.RBPoint.Y), Source,
                 Rect(cl.Right, g.RTPoint.Y, w0, g.RBPoint.Y).Offset(ox, oy));
    else if (int32_t d = g.RBPoint.Y - g.RTPoint.Y; d > 0)
        TileAlongY(Dest, Source, oy + g.RTPoint.Y, d, ox + cl.Right, ncl.Right, w0 - cl.Right, ng.RTPoint.Y,
                   (ng.RBPoint.Y - ng.RTPoint.Y) / d, ng.RBPoint.Y);

    // The eight fixed pieces, later ones over earlier ones.
    struct Piece {
        TRect src, dst;
    } pieces[8] = {
        {Rect(0, 0, g.LTPoint.X, cl.Top), Rect(0, 0, ng.LTPoint.X, ncl.Top)},
        {Rect(0, cl.Top, cl.Left, g.LTPoint.Y), Rect(0, ncl.Top, ncl.Left, ng.LTPoint.Y)},
        {Rect(g.RTPoint.X, 0, w0, cl.Top), Rect(ng.RTPoint.X, 0, W, ncl.Top)},
        {Rect(cl.Right, cl.Top, w0, g.RTPoint.Y), Rect(ncl.Right, ncl.Top, W, ng.RTPoint.Y)},
        {Rect(0, g.LBPoint.Y, cl.Left, h0), Rect(0, ng.LBPoint.Y, ncl.Left, H)},
        {Rect(cl.Left, cl.Bottom, g.LBPoint.X, h0), Rect(ncl.Left, ncl.Bottom, ng.LBPoint.X, H)},
        {Rect(g.RBPoint.X, cl.Bottom, w0, h0), Rect(ng.RBPoint.X, ncl.Bottom, W, H)},
        {Rect(cl.Right, g.RBPoint.Y, w0, cl.Bottom), Rect(ncl.Right, ng.RBPoint.Y, W, ncl.Bottom)},
    };
    for (const Piece& p : pieces)
        CopyRect(Dest, p.dst, Source, p.src.Offset(ox, oy));

    if (!DrawClient)
        return;
    TRect piece = cl.Offset(ox, oy);
    if (s.StretchEffect) {
        StretchClient(Dest, Source, piece, ncl, s.StretchType, true);
        return;
    }
    int32_t gw = cl.Width(), gh = cl.Height();
    if (gw <= 0 || gh <= 0)
        return;
    int64_t i0, i1, j0, j1;
    TileRange(ncl.Left, gw, ncl.Width() / gw, 0, Dest.FWidth, i0, i1);
    TileRange(ncl.Top, gh, ncl.Height() / gh, 0, Dest.FHeight, j0, j1);
    for (int32_t i = static_cast<int32_t>(i0); i <= i1; ++i)
        for (int32_t j = static_cast<int32_t>(j0); j <= j1; ++j) {
            int32_t cutX = std::max(0, gw * (i + 1) - ncl.Width());
            int32_t cutY = std::max(0, gh * (j + 1) - ncl.Height());
            TRect src = Rect(piece.Left, piece.Top, piece.Right - cutX, piece.Bottom - cutY);
            CopyRect(Dest, Bounds(ncl.Left + gw * i, ncl.Top + gh * j, src.Width(), src.Height()), Source, src);
        }
}

void ComposeFramedPictureFromClient(TspBitmap& Dest, TPixelView Source, const TRect& R,
                                    const TRect& ClRect, bool DrawClient)
{
    TFrameGeometry g;
    g.ClRect = ClRect;
    g.LTPoint = {ClRect.Left, ClRect.Top};
    g.RTPoint = {ClRect.Right, ClRect.Top};
    g.LBPoint = {ClRect.Left, ClRect.Bottom};
    g.RBPoint = {ClRect.Right, ClRect.Bottom};
    TFrameGeometry ng;
    ng.ClRect = ClRect;
    ng.ClRect.Right = Dest.FWidth + ClRect.Right - R.Width();
    ng.ClRect.Bottom = Dest.FHeight + ClRect.Bottom - R.Height();
    ng.LTPoint = {ng.ClRect.Left, ng.ClRect.Top};
    ng.RTPoint = {ng.ClRect.Right, ng.ClRect.Top};
    ng.LBPoint = {ng.ClRect.Left, ng.ClRect.Bottom};
    ng.RBPoint = {ng.ClRect.Right, ng.ClRect.Bottom};
    TFrameStretch s{true, true, true, true, true, spstFull};
    ComposeFramedPicture(g, ng, Dest, Source, R, Dest.FWidth, Dest.FHeight, DrawClient, s);
}

namespace {
// Fixed lengths past any picture's size show nothing more; bounding them keeps the sums in range.
int32_t BoundFixed(int32_t v) { return std::clamp(v, -MaxBitmapSide, MaxBitmapSide); }
} // namespace

void ComposeHorzBand(int32_t LeftFixed, int32_t RightFixed, TspBitmap& Dest, TPixelView Source,
                     const TRect& R, int32_t W, bool Stretch)
{
    LeftFixed = BoundFixed(LeftFixed);
    RightFixed = BoundFixed(RightFixed);
    int32_t h = R.Height();
    PrepareDest(Dest, W, h);
    if (LeftFixed != 0)
        CopyRect(Dest, Rect(0, 0, LeftFixed, h), Source, Rect(R.Left, R.Top, R.Left + LeftFixed, R.Bottom));
    if (RightFixed != 0)
        CopyRect(Dest, Rect(W - RightFixed, 0, W, h), Source, Rect(R.Right - RightFixed, R.Top, R.Right, R.Bottom));
    TRect mid = Rect(R.Left + LeftFixed, R.Top, R.Right - RightFixed, R.Bottom);
    int32_t d = mid.Width() > 0 ? mid.Width() : 1;
    int32_t end = W - RightFixed, span = end - LeftFixed;
    if (Stretch) {
        CopyRect(Dest, Rect(LeftFixed, 0, end, h), Source, mid);
        return;
    }
    if (mid.Width() <= 0)
        return;
    TileAlongX(Dest, Source, mid.Left, d, R.Top, 0, h, LeftFixed, span / d, end);
}

void ComposeVertBand(int32_t TopFixed, int32_t BottomFixed, TspBitmap& Dest, TPixelView Source,
                     const TRect& R, int32_t H, bool Stretch)
{
    TopFixed = BoundFixed(TopFixed);
    BottomFixed = BoundFixed(BottomFixed);
    int32_t w = R.Width();
    PrepareDest(Dest, w, H);
    if (TopFixed != 0)
        CopyRect(Dest, Rect(0, 0, w, TopFixed), Source, Rect(R.Left, R.Top, R.Right, R.Top + TopFixed));
    if (BottomFixed != 0)
        CopyRect(Dest, Rect(0, H - BottomFixed, w, H), Source, Rect(R.Left, R.Bottom - BottomFixed, R.Right, R.Bottom));
    TRect mid = Rect(R.Left, R.Top + TopFixed, R.Right, R.Bottom - BottomFixed);
    int32_t end = H - BottomFixed, span = end - TopFixed;
    if (Stretch) {
        CopyRect(Dest, Rect(0, TopFixed, w, end), Source, mid);
        return;
    }
    int32_t c = mid.Height();
    if (c <= 0)
        return;  // one zero-height tile: nothing to draw
    TileAlongY(Dest, Source, mid.Top, c, R.Left, 0, w, TopFixed, span / c, end);
}

void ComposeClientFill(const TRect& ClRect, const TRect& NewClRect, TspBitmap& Dest, TPixelView Source,
                       const TRect& R, int32_t W, int32_t H, bool Stretch, TspStretchType StretchType)
{
    PrepareDest(Dest, W, H);
    if (NewClRect.Width() == 0 || NewClRect.Height() == 0)
        return;
    TRect piece = ClRect.Offset(R.Left, R.Top);
    if (Stretch) {
        StretchClient(Dest, Source, piece, NewClRect, StretchType, false);
        return;
    }
    int32_t pw = piece.Width(), ph = piece.Height();
    if (pw <= 0 || ph <= 0 || NewClRect.Width() < 0 || NewClRect.Height() < 0)
        return;
    int64_t i0, i1, j0, j1;
    TileRange(0, pw, NewClRect.Width() / pw, 0, Dest.FWidth, i0, i1);
    TileRange(0, ph, NewClRect.Height() / ph, 0, Dest.FHeight, j0, j1);
    for (int32_t i = static_cast<int32_t>(i0); i <= i1; ++i)
        for (int32_t j = static_cast<int32_t>(j0); j <= j1; ++j) {
            int32_t cw = std::min(pw, NewClRect.Width() - pw * i);
            int32_t ch = std::min(ph, NewClRect.Height() - ph * j);
            if (cw > 0 && ch > 0)
                CopyRect(Dest, Bounds(pw * i, ph * j, cw, ch), Source, Bounds(piece.Left, piece.Top, cw, ch));
        }
}

void BuildFrameStrips(const TFrameGeometry& g, const TFrameGeometry& ng, TspBitmap& LeftImage,
                      TspBitmap& TopImage, TspBitmap& RightImage, TspBitmap& BottomImage,
                      TPixelView Source, const TRect& R, int32_t W, int32_t H, const TFrameStretch& s)
{
    const int32_t w0 = R.Width(), h0 = R.Height(), ox = R.Left, oy = R.Top;
    const TRect& cl = g.ClRect;
    const TRect& ncl = ng.ClRect;

    if (int32_t d = g.RTPoint.X - g.LTPoint.X; W > 0 && ncl.Top > 0 && d > 0) {
        // The strips are covered edge to edge by their pieces, so they are not cleared first
        // (they are rebuilt on every frame paint).
        PrepareDest(TopImage, W, ncl.Top, false);
        int32_t h = ncl.Top;
        if (s.TopStretch)
            CopyRect(TopImage, Rect(ng.LTPoint.X, 0, ng.RTPoint.X, h), Source,
                     Rect(ox + g.LTPoint.X, oy, ox + g.RTPoint.X, oy + h));
        else
            TileAlongX(TopImage, Source, ox + g.LTPoint.X, d, oy, 0, h, 0, W / d, W);
        CopyRect(TopImage, Rect(0, 0, ng.LTPoint.X, h), Source, Rect(ox, oy, ox + g.LTPoint.X, oy + h));
        CopyRect(TopImage, Rect(ng.RTPoint.X, 0, W, h), Source, Rect(ox + g.RTPoint.X, oy, ox + w0, oy + h));
    }
    if (int32_t d = g.RBPoint.X - g.LBPoint.X; W > 0 && H - ncl.Bottom > 0 && d > 0) {
        int32_t h = H - ncl.Bottom;
        int32_t sy = oy + h0 - h;  // the last rows of the element
        PrepareDest(BottomImage, W, h, false);
        if (s.BottomStretch)
            CopyRect(BottomImage, Rect(ng.LBPoint.X, 0, ng.RBPoint.X, h), Source,
                     Rect(ox + g.LBPoint.X, sy, ox + g.RBPoint.X, sy + h));
        else
            TileAlongX(BottomImage, Source, ox + g.LBPoint.X, d, sy, 0, h, 0, W / d, W);
        CopyRect(BottomImage, Rect(0, 0, ng.LBPoint.X, h), Source, Rect(ox, sy, ox + g.LBPoint.X, sy + h));
        CopyRect(BottomImage, Rect(ng.RBPoint.X, 0, W, h), Source, Rect(ox + g.RBPoint.X, sy, ox + w0, sy + h));
    }
    const int32_t m = H - BottomImage.FHeight - TopImage.FHeight;
    // The side strips share one shape: a middle of rows lo..hi of the given columns, with fixed
    // pieces cl.Top..lo above and hi..cl.Bottom below.
    auto side = [&](TspBitmap& img, int32_t sx0, int32_t sx1, int32_t lo, int32_t hi, bool stretch) {
        int32_t w = sx1 - sx0;
        PrepareDest(img, w, m, false);
        if (stretch)
            CopyRect(img, Rect(0, lo - cl.Top, w, m + hi - cl.Bottom), Source,
                     Rect(ox + sx0, oy + lo, ox + sx1, oy + hi));
        else
            TileAlongY(img, Source, oy + lo, hi - lo, ox + sx0, 0, w, 0, m / (hi - lo), m);
        if (lo - cl.Top > 0)
            CopyRect(img, Rect(0, 0, w, lo - cl.Top), Source, Rect(ox + sx0, oy + cl.Top, ox + sx1, oy + lo));
        if (cl.Bottom - hi > 0)
            CopyRect(img, Rect(0, m - (cl.Bottom - hi), w, m), Source,
                     Rect(ox + sx0, oy + hi, ox + sx1, oy + cl.Bottom));
    };
    if (ncl.Left > 0 && m > 0 && g.LBPoint.Y - g.LTPoint.Y > 0)
        side(LeftImage, 0, cl.Left, g.LTPoint.Y, g.LBPoint.Y, s.LeftStretch);
    if (W - ncl.Right >= 1 && m >= 1 && g.RBPoint.Y - g.RTPoint.Y >= 1)
        side(RightImage, cl.Right, w0, g.RTPoint.Y, g.RBPoint.Y, s.RightStretch);
}

void BuildMaskStrips(const TFrameGeometry& g, const TFrameGeometry& ng, TPixelView Mask,
                     TspBitmap& TopImage, TspBitmap& LeftImage, TspBitmap& RightImage,
                     TspBitmap& BottomImage, int32_t W)
{
    const TRect& cl = g.ClRect;
    const TRect& ncl = ng.ClRect;
    const int32_t mw = Mask.Width, mh = Mask.Height;
    auto side = [&](TspBitmap& img, int32_t sx0, int32_t sx1, int32_t lo, int32_t hi) {
        int32_t w = sx1 - sx0, h = ncl.Height();
        PrepareDest(img, w, h);
        if (hi != lo && hi - lo > 0)
            TileAlongY(img, Mask, lo, hi - lo, sx0, 0, w, 0, h / (hi - lo), h);
        if (lo - cl.Top > 0)
            CopyRect(img, Rect(0, 0, w, lo - cl.Top), Mask, Rect(sx0, cl.Top, sx1, lo));
        if (cl.Bottom - hi > 0)
            CopyRect(img, Rect(0, h - (cl.Bottom - hi), w, h), Mask, Rect(sx0, hi, sx1, cl.Bottom));
    };
    if (cl.Left > 0 && ncl.Height() > 0)
        side(LeftImage, 0, cl.Left, g.LTPoint.Y, g.LBPoint.Y);
    if (mw - cl.Right > 0 && ncl.Height() > 0)
        side(RightImage, cl.Right, mw, g.RTPoint.Y, g.RBPoint.Y);
    auto band = [&](TspBitmap& img, int32_t sy0, int32_t sy1, int32_t lx, int32_t rx, int32_t nlx, int32_t nrx) {
        int32_t h = sy1 - sy0;
        PrepareDest(img, W, h);
        if (int32_t d = rx - lx; d > 0)
            TileAlongX(img, Mask, lx, d, sy0, 0, h, nlx, W / d, nrx);
        CopyRect(img, Rect(0, 0, lx, h), Mask, Rect(0, sy0, lx, sy1));
        CopyRect(img, Rect(nrx, 0, W, h), Mask, Rect(rx, sy0, mw, sy1));
    };
    if (W > 0 && cl.Top > 0)
        band(TopImage, 0, cl.Top, g.LTPoint.X, g.RTPoint.X, ng.LTPoint.X, ng.RTPoint.X);
    if (W >= 1 && mh - cl.Bottom >= 1)
        band(BottomImage, cl.Bottom, mh, g.LBPoint.X, g.RBPoint.X, ng.LBPoint.X, ng.RBPoint.X);
}

void DrawGlyphFrame(TspBitmap& dst, int32_t X, int32_t Y, int32_t FrameIndex, int32_t FrameCount,
                    TPixelView Strip)
{
    if (Strip.Empty() || FrameCount <= 0)
        return;
    int32_t fw = Strip.Width / FrameCount;
    TRect src = Rect(fw * (FrameIndex - 1), 0, fw * FrameIndex, Strip.Height);
    if (fw <= 0 || src.Left < 0 || src.Right > Strip.Width)
        return;
    TspBitmap frame;
    frame.SetSize(fw, Strip.Height);
    CopyRect(frame, frame.BoundsRect(), Strip, src);
    TspColor key = frame.GetPixel(0, frame.FHeight - 1) & 0x00FFFFFF;
    for (int32_t y = 0; y < frame.FHeight; ++y) {
        TspColor* p = frame.GetScanLine(y);
        for (int32_t x = 0; x < fw; ++x)
            p[x] = (p[x] & 0x00FFFFFF) == key ? TransparentKey : (p[x] | 0xFF000000u);
    }
    frame.FTransparent = true;
    frame.Draw(dst, X, Y);
}

bool IsWindows7(TWinVersion v) { return v.Major == 6 && v.Minor == 1; }
bool IsWindows8OrLater(TWinVersion v) { return (v.Major == 6 && v.Minor >= 2) || v.Major > 6; }
bool IsVistaOrLater(TWinVersion v) { return v.Major > 5; }
bool IsXPOrLater(TWinVersion v) { return v.Major > 5 || (v.Major == 5 && v.Minor >= 1); }
bool IsWin2000OrLater(TWinVersion v) { return v.Major > 5 || (v.Major == 5 && v.Minor <= 2); }

} // namespace vt
