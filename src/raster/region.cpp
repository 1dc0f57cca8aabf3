#include "raster/region.h"

#include <algorithm>
#include <cstring>

#include "framework/base/exceptions.h"

namespace vt {

TFBitmap::TFBitmap(TPixelView source)
{
    if (source.Empty())
        source = {};
    Width = source.Width;
    Height = source.Height;
    Gap = Width % 4;
    RowInc = 3 * Width + Gap;
    Size = RowInc * Height;
    storage_.assign(static_cast<size_t>(Size), 0);
    Bits = storage_.empty() ? nullptr : storage_.data();
    Pixels.resize(static_cast<size_t>(Height));
    for (int32_t y = 0; y < Height; ++y) {
        uint8_t* row = Bits + static_cast<size_t>(y) * RowInc;
        Pixels[static_cast<size_t>(y)] = row;
        const TspColor* s = source.Row(y);
        for (int32_t x = 0; x < Width; ++x) {
            row[3 * x] = PixelB(s[x]);
            row[3 * x + 1] = PixelG(s[x]);
            row[3 * x + 2] = PixelR(s[x]);
        }
    }
}

TRegion RegionFromRect(const TRect& r)
{
    TRegion g;
    if (!r.IsEmpty())
        g.Rects.push_back(r);
    return g;
}

namespace {

TRegion Canonical(const std::vector<TRect>& input)
{
    std::vector<TRect> rects;
    for (const TRect& r : input)
        if (!r.IsEmpty())
            rects.push_back(r);
    TRegion out;
    if (rects.empty())
        return out;
    std::vector<int32_t> ys;
    for (const TRect& r : rects) {
        ys.push_back(r.Top);
        ys.push_back(r.Bottom);
    }
    std::sort(ys.begin(), ys.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    std::sort(rects.begin(), rects.end(), [](const TRect& a, const TRect& b) { return a.Top < b.Top; });
    std::vector<const TRect*> active;
    size_t next = 0;
    std::vector<std::pair<int32_t, int32_t>> spans, prevSpans;
    size_t prevStart = 0;  // first rectangle of the previous band in out.Rects
    int32_t prevBottom = INT32_MIN;
    for (size_t k = 0; k + 1 < ys.size(); ++k) {
        int32_t y0 = ys[k], y1 = ys[k + 1];
        while (next < rects.size() && rects[next].Top <= y0)
            active.push_back(&rects[next++]);
        active.erase(std::remove_if(active.begin(), active.end(), [y0](const TRect* r) { return r->Bottom <= y0; }),
                     active.end());
        spans.clear();
        for (const TRect* r : active)
            spans.emplace_back(r->Left, r->Right);
        std::sort(spans.begin(), spans.end());
        std::vector<std::pair<int32_t, int32_t>> merged;
        for (auto& s : spans) {
            if (!merged.empty() && s.first <= merged.back().second)
                merged.back().second = std::max(merged.back().second, s.second);
            else
                merged.push_back(s);
        }
        if (merged.empty()) {
            prevSpans.clear();
            prevBottom = INT32_MIN;
            continue;
        }
        if (prevBottom == y0 && merged == prevSpans) {
            for (size_t i = prevStart; i < out.Rects.size(); ++i)
                out.Rects[i].Bottom = y1;
        } else {
            prevStart = out.Rects.size();
            for (auto& s : merged)
                out.Rects.push_back(TRect{s.first, y0, s.second, y1});
            prevSpans = merged;
        }
        prevBottom = y1;
    }
    return out;
}

void Put32(std::vector<uint8_t>& b, size_t at, int32_t v)
{
    uint32_t u = static_cast<uint32_t>(v);
    for (int i = 0; i < 4; ++i)
        b[at + i] = static_cast<uint8_t>(u >> (8 * i));
}

int32_t Get32(const std::vector<uint8_t>& b, size_t at)
{
    uint32_t u = 0;
    for (int i = 0; i < 4; ++i)
        u |= uint32_t(b[at + i]) << (8 * i);
    return static_cast<int32_t>(u);
}

} // namespace

TRegion RegionUnion(const TRegion& a, const TRegion& b)
{
    std::vector<TRect> all = a.Rects;
    all.insert(all.end(), b.Rects.begin(), b.Rects.end());
    return Canonical(all);
}

TRegion RegionOffset(const TRegion& r, int32_t dx, int32_t dy)
{
    TRegion out;
    for (const TRect& x : r.Rects)
        out.Rects.push_back(x.Offset(dx, dy));
    return out;
}

TRegion MaskToRegionRects(TPixelView mask, int32_t dx, int32_t dy)
{
    TRegion out;
    if (mask.Empty())
        return out;
    for (int32_t y = 0; y < mask.Height; ++y) {
        const TspColor* row = mask.Row(y);
        int32_t x = 0;
        while (x < mask.Width) {
            auto black = [row](int32_t i) { return IsMaskPixelInside(row[i]); };
            if (!black(x)) {
                ++x;
                continue;
            }
            int32_t x0 = x;
            while (x < mask.Width && black(x))
                ++x;
            // The working table grows as needed, so large masks keep their whole shape.
            out.Rects.push_back(TRect{x0 + dx, y + dy, x + dx, y + dy + 1});
        }
    }
    return out;
}

std::vector<uint8_t> MaskToRegionData(TPixelView mask, int32_t dx, int32_t dy)
{
    std::vector<uint8_t> block;
    if (mask.Empty())
        return block;
    TRegion r = MaskToRegionRects(mask, dx, dy);
    block.assign(32 + 16 * r.Rects.size(), 0);
    Put32(block, 0, 32);
    Put32(block, 4, 1);
    Put32(block, 8, static_cast<int32_t>(r.Rects.size()));
    Put32(block, 12, 0);
    Put32(block, 16, dx);
    Put32(block, 20, dy);
    Put32(block, 24, dx + mask.Width);
    Put32(block, 28, dy + mask.Height);
    size_t at = 32;
    for (const TRect& x : r.Rects) {
        Put32(block, at, x.Left);
        Put32(block, at + 4, x.Top);
        Put32(block, at + 8, x.Right);
        Put32(block, at + 12, x.Bottom);
        at += 16;
    }
    return block;
}

std::optional<TRegion> RegionFromData(const std::vector<uint8_t>& block)
{
    if (block.size() < 32 || Get32(block, 0) != 32 || Get32(block, 4) != 1)
        return std::nullopt;
    int32_t n = Get32(block, 8);
    if (n < 0 || block.size() != 32 + 16 * static_cast<size_t>(n))
        return std::nullopt;
    TRegion r;
    for (int32_t i = 0; i < n; ++i) {
        size_t at = 32 + 16 * static_cast<size_t>(i);
        r.Rects.push_back(TRect{Get32(block, at), Get32(block, at + 4), Get32(block, at + 8), Get32(block, at + 12)});
    }
    return r;
}

TRegion RegionFromMaskStrips(const TRect& Inner, const TspBitmap& Top, const TspBitmap& Left,
                             const TspBitmap& Right, const TspBitmap& Bottom)
{
    std::vector<TRect> rects = RegionFromRect(Inner).Rects;
    auto add = [&](const TspBitmap& strip, int32_t x, int32_t y) {
        if (strip.FWidth > 0 && strip.FHeight > 0) {
            TRegion part = MaskToRegionRects(strip, x, y);
            rects.insert(rects.end(), part.Rects.begin(), part.Rects.end());
        }
    };
    add(Top, 0, 0);
    add(Bottom, 0, Inner.Bottom);
    add(Left, 0, Inner.Top);
    add(Right, Inner.Right, Inner.Top);
    return Canonical(rects);
}

std::optional<TRegion> BuildFramedRegion(const TFrameGeometry& g, const TFrameGeometry& ng,
                                         TPixelView mask, int32_t W, int32_t H)
{
    if (ng.RTPoint.X < ng.LTPoint.X || ng.LBPoint.Y < ng.LTPoint.Y)
        return std::nullopt;
    TspBitmap top, left, right, bottom;
    try {
        BuildMaskStrips(g, ng, mask, top, left, right, bottom, W);
    } catch (const EOutOfResources&) {
        return std::nullopt;  // strips too large to build: the window keeps no region
    }
    if (ng.ClRect.IsEmpty())
        return std::nullopt;
    return RegionFromMaskStrips(ng.ClRect, top, left, right, bottom);
}

} // namespace vt
