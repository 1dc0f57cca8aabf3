#include "controls/skin_look.h"

namespace vt {

TFrameGeometry RecordFrame(const TControlGeometry& g)
{
    const TSkinRecordGeometry& r = g.Record;
    return {r.LTPt, r.RTPt, r.LBPt, r.RBPt, r.ClRect};
}

TFrameGeometry MovedFrame(const TControlGeometry& g)
{
    return {g.NewLTPoint, g.NewRTPoint, g.NewLBPoint, g.NewRBPoint, g.NewClRect};
}

TFrameStretch FrameStretch(const TControlGeometry& g)
{
    const TSkinRecordGeometry& r = g.Record;
    return {r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch, r.StretchEffect, r.StretchType};
}

namespace {

// The band of a mode-2 or mode-3 record: fixed ends, the middle stretched or tiled.
void ComposeBand(TspBitmap& dest, TPixelView source, const TRect& rect, const TControlGeometry& g,
                 int32_t W, int32_t H)
{
    const TSkinRecordGeometry& r = g.Record;
    if (g.Mode == rmHorizontal)
        ComposeHorzBand(r.LTPt.X, r.SkinRect.Width() - r.RTPt.X, dest, source, rect, W, r.StretchEffect);
    else
        ComposeVertBand(r.LTPt.Y, r.SkinRect.Height() - r.LBPt.Y, dest, source, rect, H, r.StretchEffect);
}

} // namespace

bool RenderSkinRect(TspBitmap& dest, TPixelView picture, const TRect& rect, const TControlGeometry& g,
                    bool forceBackground, int32_t W, int32_t H)
{
    if (picture.Empty() || IsEmptyRect(rect) || W < 1 || H < 1)
        return false;
    switch (ChooseSkinRectRender(g.Mode, forceBackground)) {
    case TSkinRectRender::srNothing:
        return false;
    case TSkinRectRender::srCopy:
        dest.SetSize(rect.Width(), rect.Height());
        dest.Clear(0);
        CopyRect(dest, dest.BoundsRect(), picture, rect);
        return true;
    case TSkinRectRender::srFramed:
        ComposeFramedPicture(RecordFrame(g), MovedFrame(g), dest, picture, rect, W, H, true, FrameStretch(g));
        return true;
    case TSkinRectRender::srHorzBand:
    case TSkinRectRender::srVertBand:
        ComposeBand(dest, picture, rect, g, W, H);
        return true;
    }
    return false;
}

void ComposeSplitFrame(TspBitmap& dest, TPixelView picture, const TControlGeometry& g, int32_t W, int32_t H,
                       bool drawBackground, const std::function<void(TspBitmap& top)>& renderTop)
{
    dest.SetSize(W, H);
    dest.Clear(0);
    if (picture.Empty())
        return;
    const TSkinRecordGeometry& r = g.Record;
    TspBitmap left, top, right, bottom;
    BuildFrameStrips(RecordFrame(g), MovedFrame(g), left, top, right, bottom, picture, r.SkinRect, W, H,
                     FrameStretch(g));
    if (renderTop && !top.Empty())
        renderTop(top);
    if (drawBackground)
        ComposeClientFill(r.ClRect, g.NewClRect, dest, picture, r.SkinRect, W, H, r.StretchEffect, r.StretchType);
    const int32_t topH = top.Empty() ? 0 : top.Height();
    auto place = [&dest](const TspBitmap& piece, int32_t x, int32_t y) {
        if (!piece.Empty())
            CopyRect(dest, Bounds(x, y, piece.Width(), piece.Height()), piece, piece.BoundsRect());
    };
    place(top, 0, 0);
    place(left, 0, topH);
    place(right, W - right.Width(), topH);
    place(bottom, 0, H - bottom.Height());
}

std::optional<TRegion> SkinRegion(const TControlGeometry& g, TPixelView mask, int32_t W, int32_t H)
{
    if (mask.Empty() || W < 1 || H < 1)
        return std::nullopt;
    std::optional<TRegion> region;
    switch (ChooseRegion(g)) {
    case TRegionKind::rkNone:
        return std::nullopt;
    case TRegionKind::rkMask:
        region = MaskToRegionRects(mask, 0, 0);
        break;
    case TRegionKind::rkFramed:
        region = BuildFramedRegion(RecordFrame(g), MovedFrame(g), mask, W, H);
        break;
    case TRegionKind::rkHorzBand:
    case TRegionKind::rkVertBand: {
        TspBitmap scaled;
        ComposeBand(scaled, mask, mask.BoundsRect(), g, W, H);
        region = MaskToRegionRects(scaled, 0, 0);
        break;
    }
    }
    if (region && region->Empty())
        return std::nullopt;
    return region;
}

} // namespace vt
