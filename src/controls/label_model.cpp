#include "controls/label_model.h"

#include "raster/caption.h"

namespace vt {

void LabelCalcSkinSize(TControlGeometry& g, bool useSkinSize, int32_t& width, int32_t& height)
{
    if (!g.HasRecord)
        return;
    if (useSkinSize || g.Mode == rmBoth) {
        g.CalcSkinSize(width, height);
        return;
    }
    const TSkinRecordGeometry& r = g.Record;
    const int32_t dw = width - r.SkinRect.Width();
    g.NewLTPoint = r.LTPt;
    g.NewRTPoint = {r.RTPt.X + dw, r.RTPt.Y};
    g.NewLBPoint = r.LBPt;
    g.NewRBPoint = r.RBPt;
    g.NewClRect = r.ClRect;
    g.NewClRect.Right += dw;
}

int32_t LabelAutoSizeDelta(const TControlGeometry& g, int32_t captionWidth, int32_t controlWidth)
{
    if (!g.HasRecord)
        return captionWidth + 4 - controlWidth;
    return g.Mode == rmFixed ? 0 : captionWidth - g.NewClRect.Width();
}

TLabelLookChoice ChooseLabelLook(const TControlGeometry& g, const TLabelLookInput& in)
{
    if (in.Transparent)
        return {TLabelLook::llParentImage, Rect(0, 0, in.Width, in.Height)};
    if (!g.HasRecord)
        return {TLabelLook::llDefault, Rect(3, 3, in.Width - 3, in.Height - 3)};
    if (in.UseSkinSize || g.Mode == rmBoth)
        return {TLabelLook::llSkinRect, g.NewClRect};
    TRect caption = g.NewClRect;
    caption.Bottom += in.Height - g.Record.SkinRect.Height();
    return {TLabelLook::llFramedFromClient, caption};
}

std::optional<std::pair<TColor, TColor>> LabelFrameColours(TspSkinBorderStyle style)
{
    switch (style) {
    case bvFrame:
        return std::pair{clBtnShadow, clBtnShadow};
    case bvRaised:
        return std::pair{clBtnHighlight, clBtnShadow};
    case bvLowered:
        return std::pair{clBtnShadow, clBtnHighlight};
    case bvNone:
        break;
    }
    return std::nullopt;
}

TPoint LabelCaptionPos(const TRect& r, TPoint captionSize, int32_t fontHeight, TAlignment alignment)
{
    int32_t y = r.Top + r.Height() / 2 - captionSize.Y / 2;
    if (fontHeight % 2 != 0)
        --y;
    int32_t x = r.Left;
    if (alignment == taRightJustify)
        x = r.Right - captionSize.X;
    else if (alignment == taCenter)
        x = r.Left + r.Width() / 2 - captionSize.X / 2;
    return {x, y};
}

uint32_t LabelAlignmentFormat(TAlignment alignment)
{
    return alignment == taRightJustify ? dt::Right : alignment == taCenter ? dt::Center : 0;
}

} // namespace vt
