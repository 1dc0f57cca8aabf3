#include "form/frame_region.h"

#include "framework/base/exceptions.h"
#include "raster/compose.h"

namespace vt {

void TspMaskStrips::Clear()
{
    images_ = std::make_unique<Images>();
    area_ = {};
    built_ = false;
}

bool TspMaskStrips::Build(const TspFrameGeometry& g, TPixelView Mask)
{
    Clear();
    const TFormSkinInfo& s = g.Skin;
    // The strips are cut at the always-opaque rectangle, not at the client rectangle.
    const TFrameGeometry from{s.LTPoint, s.RTPoint, s.LBPoint, s.RBPoint, s.MaskRectArea};
    const TFrameGeometry to{g.NewLTPoint, g.NewRTPoint, g.NewLBPoint, g.NewRBPoint, g.NewMaskRectArea};
    try {
        BuildMaskStrips(from, to, Mask, images_->Top, images_->Left, images_->Right, images_->Bottom,
                        g.FFormWidth);
    } catch (const EOutOfResources&) {
        Clear();
        return false;
    }
    area_ = g.NewMaskRectArea;
    built_ = true;
    return true;
}

bool TspMaskStrips::PointInMask(TPoint p) const
{
    if (area_.Contains(p))
        return true;
    auto inside = [p](const TspBitmap& strip, int32_t x0, int32_t y0) {
        TPoint q{p.X - x0, p.Y - y0};
        return strip.BoundsRect().Contains(q) && IsMaskPixelInside(strip.GetPixel(q.X, q.Y));
    };
    return inside(images_->Top, 0, 0) || inside(images_->Bottom, 0, area_.Bottom) ||
           inside(images_->Left, 0, area_.Top) || inside(images_->Right, area_.Right, area_.Top);
}

TRegion TspMaskStrips::Region() const
{
    return RegionFromMaskStrips(area_, images_->Top, images_->Left, images_->Right, images_->Bottom);
}

TFrameRegion CreateNewRegion(const TspFrameGeometry& g, TPixelView Mask, bool UseSplitMask,
                             TspMaskStrips& strips)
{
    const TFormFacts& f = g.Form;
    const bool skin = g.Skin.Loaded;
    const int32_t W = g.FFormWidth, H = g.FFormHeight;
    auto rectangle = [](int32_t w, int32_t h) {
        return TFrameRegion{TFrameRegionKind::Rectangle, RegionFromRect(Rect(0, 0, w, h))};
    };
    if (!f.SkinnableForm)
        return {};
    if (skin && g.Framed() && f.SupportNCArea && f.FullLayeredBorder) {
        // Under the full layered border the window is a plain rectangle, collapsed to the
        // layered frame's height while rolled up (never 0 on newer systems, which would hide it).
        int32_t h = H;
        if (f.RollUp || f.MinimizedAsSecondary)
            h = f.LayerRollUpFormHeight != 0 ? f.LayerRollUpFormHeight : (f.Windows7OrLater ? 1 : 0);
        return rectangle(W, h);
    }
    if (!g.Framed() && f.SupportNCArea)
        return {};
    const bool mask = skin && g.Skin.HasMask && !Mask.Empty();
    if (!mask || f.MaximizedMDIChild) {
        if (!skin)
            strips.Clear();
        return rectangle(W, H);
    }
    if (!UseSplitMask)
        return {TFrameRegionKind::Shaped, RegionUnion({}, MaskToRegionRects(Mask, 0, 0))};
    if (!strips.Build(g, Mask))
        return {};  // too large to hold: the window keeps no region rather than a wrong one
    return {TFrameRegionKind::Shaped, strips.Region()};
}

} // namespace vt
