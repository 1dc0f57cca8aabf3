#include "controls/skin_control_model.h"

namespace vt {

namespace {

int32_t ActivePicture(const TspSkinData& sd, int32_t index)
{
    return index >= 0 && static_cast<size_t>(index) < sd.FActivePictures.size() ? index : -1;
}

TPoint Moved(TPoint p, int32_t dx, int32_t dy) { return {p.X + dx, p.Y + dy}; }

} // namespace

TResizeMode ResizeModeOf(const TSkinRecordGeometry& g)
{
    if (g.SkinRect.Width() <= 0 || g.SkinRect.Height() <= 0)
        return rmNone;
    if (g.RBPt.X != 0 && g.RBPt.Y != 0)
        return rmBoth;
    if (g.RTPt.X != 0 || g.RTPt.Y != 0)
        return rmHorizontal;
    if (g.LBPt.X != 0 || g.LBPt.Y != 0)
        return rmVertical;
    return rmFixed;
}

TSkinRecordGeometry CopyRecordGeometry(const TspSkinData& sd, const TspDataSkinCustomControl& r,
                                       bool windowed)
{
    TSkinRecordGeometry g;
    g.LTPt = r.LTPoint;
    g.RTPt = r.RTPoint;
    g.LBPt = r.LBPoint;
    g.RBPt = r.RBPoint;
    g.SkinRect = r.SkinRect;
    g.ClRect = r.ClRect;
    g.CursorIndex = r.CursorIndex;
    g.StretchEffect = r.StretchEffect;
    g.LeftStretch = r.LeftStretch;
    g.TopStretch = r.TopStretch;
    g.RightStretch = r.RightStretch;
    g.BottomStretch = r.BottomStretch;
    g.StretchType = windowed ? r.StretchType : spstFull;
    g.Picture = ActivePicture(sd, r.PictureIndex);
    g.MaskPicture = windowed ? ActivePicture(sd, r.MaskPictureIndex) : -1;
    return g;
}

void TControlGeometry::Assign(const std::optional<TSkinRecordGeometry>& record)
{
    HasRecord = record.has_value();
    Record = record.value_or(TSkinRecordGeometry{});
    Mode = HasRecord ? ResizeModeOf(Record) : rmFixed;
    NewLTPoint = Record.LTPt;
    NewRTPoint = Record.RTPt;
    NewLBPoint = Record.LBPt;
    NewRBPoint = Record.RBPt;
    NewClRect = Record.ClRect;
}

void TControlGeometry::CalcSkinSize(int32_t& width, int32_t& height)
{
    if (!HasRecord || Mode == rmNone)
        return;
    const TSkinRecordGeometry& r = Record;
    // Points the mode does not move keep the record's own values.
    NewLTPoint = r.LTPt;
    NewRTPoint = r.RTPt;
    NewLBPoint = r.LBPt;
    NewRBPoint = r.RBPt;
    NewClRect = r.ClRect;
    switch (Mode) {
    case rmFixed:
        width = r.SkinRect.Width();
        height = r.SkinRect.Height();
        break;
    case rmBoth: {
        int32_t dw = width - r.SkinRect.Width(), dh = height - r.SkinRect.Height();
        NewRTPoint = Moved(r.RTPt, dw, 0);
        NewLBPoint = Moved(r.LBPt, 0, dh);
        NewRBPoint = Moved(r.RBPt, dw, dh);
        NewClRect.Right += dw;
        NewClRect.Bottom += dh;
        break;
    }
    case rmHorizontal: {
        height = r.SkinRect.Height();
        int32_t dw = width - r.SkinRect.Width();
        NewRTPoint = Moved(r.RTPt, dw, 0);
        NewClRect.Right += dw;
        break;
    }
    case rmVertical: {
        width = r.SkinRect.Width();
        int32_t dh = height - r.SkinRect.Height();
        NewLBPoint = Moved(r.LBPt, 0, dh);
        NewClRect.Bottom += dh;
        break;
    }
    case rmNone:
        break;
    }
}

TPaintChoice ChoosePaint(const TPaintInput& in)
{
    TPaintChoice c;
    if (in.Width < 1 || in.Height < 1)
        return c;
    if (in.Windowed && in.HasRecord && in.ForceBackground && in.Mode == rmBoth && !in.AlphaBlend) {
        c.Look = TPaintLook::plSplitFrame;
        return c;
    }
    if (in.HasRecord)
        c.Look = TPaintLook::plSkin;
    else
        c.Look = in.DrawDefault ? TPaintLook::plDefault : TPaintLook::plParentImage;
    c.BlendOverParent = in.AlphaBlend && c.Look != TPaintLook::plParentImage;
    return c;
}

double AlphaBlendFactor(uint8_t alphaBlendValue) { return 1.0 - alphaBlendValue / 255.0; }

TSkinRectRender ChooseSkinRectRender(TResizeMode mode, bool forceBackground)
{
    switch (mode) {
    case rmFixed:
        return TSkinRectRender::srCopy;
    case rmBoth:
        return forceBackground ? TSkinRectRender::srNothing : TSkinRectRender::srFramed;
    case rmHorizontal:
        return TSkinRectRender::srHorzBand;
    case rmVertical:
        return TSkinRectRender::srVertBand;
    case rmNone:
        break;
    }
    return TSkinRectRender::srNothing;
}

TSkinChangePlan PlanSkinChange(TControlGeometry& geometry, const TSkinChangeInput& in)
{
    TSkinChangePlan plan;
    if (in.UseSkinCursor) {
        int32_t index = geometry.HasRecord ? geometry.Record.CursorIndex : -1;
        plan.Cursor = index == -1 ? -1 : in.StartCursorIndex + index;
    }
    if (in.Layer == TControlLayer::clPlain)
        return plan;

    int32_t w = in.Width, h = in.Height;
    if (!geometry.HasRecord) {
        if (in.DefaultWidth > 0)
            w = in.DefaultWidth;
        if (in.DefaultHeight > 0)
            h = in.DefaultHeight;
    } else {
        geometry.CalcSkinSize(w, h);
    }
    bool resized = w != in.Width || h != in.Height;
    if (resized)
        plan.NewSize = TPoint{w, h};
    // A size change goes through SetBounds, which applies the region and repaints itself.
    bool here = !resized || !geometry.HasRecord;
    plan.ApplyRegion = here && in.Layer == TControlLayer::clWindowedCustom;
    plan.Repaint = here;
    return plan;
}

TBoundsPlan PlanSetBounds(TControlGeometry& geometry, const TRect& current, const TRect& requested,
                          bool windowed)
{
    TBoundsPlan plan;
    plan.Bounds = requested;
    plan.SizeChanged = geometry.HasRecord && (requested.Width() != current.Width() ||
                                              requested.Height() != current.Height());
    if (plan.SizeChanged) {
        int32_t w = requested.Width(), h = requested.Height();
        geometry.CalcSkinSize(w, h);  // a fixed record also puts the client rectangle back
        plan.Bounds = Bounds(requested.Left, requested.Top, w, h);
        plan.ApplyRegion = windowed;
        plan.Repaint = true;
    }
    plan.CheckControlsBackground = geometry.HasRecord && geometry.Record.StretchEffect;
    return plan;
}

TRegionKind ChooseRegion(const TControlGeometry& geometry)
{
    if (!geometry.HasRecord || geometry.Record.MaskPicture < 0)
        return TRegionKind::rkNone;
    switch (geometry.Mode) {
    case rmBoth:
        return TRegionKind::rkFramed;
    case rmHorizontal:
        return TRegionKind::rkHorzBand;
    case rmVertical:
        return TRegionKind::rkVertBand;
    case rmFixed:
    case rmNone:
        break;
    }
    return TRegionKind::rkMask;
}

bool RectInsidePicture(const TRect& r, int32_t w, int32_t h)
{
    return !r.IsEmpty() && r.Left >= 0 && r.Top >= 0 && r.Right <= w && r.Bottom <= h;
}

} // namespace vt
