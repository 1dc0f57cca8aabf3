#include "form/frame_geometry.h"

#include <algorithm>
#include <array>

#include "skin/skin_data.h"

namespace vt {

namespace {

// Skin coordinates and window sizes are held within this bound, so that the geometry's sums of a
// few of them never overflow, whatever numbers a definition holds.
constexpr int64_t kCoordLimit = int64_t(1) << 20;

int32_t Clamp(int64_t v) { return static_cast<int32_t>(std::clamp(v, -kCoordLimit, kCoordLimit)); }
TPoint Clamp(TPoint p) { return {Clamp(p.X), Clamp(p.Y)}; }
TRect Clamp(const TRect& r) { return {Clamp(r.Left), Clamp(r.Top), Clamp(r.Right), Clamp(r.Bottom)}; }

TRect MoveRect(const TRect& r, int32_t dx, int32_t dy) { return r.Offset(dx, dy); }

TPoint MovePoint(TPoint p, int32_t dx, int32_t dy) { return {p.X + dx, p.Y + dy}; }

bool IsToolWindow(TFormBorder b)
{
    return b == TFormBorder::ToolWindow || b == TFormBorder::SizeToolWin;
}

// Caption buttons flow in this order, whatever their order in the object list.
constexpr std::array<TStdCommand, 5> kFlowOrder = {cmClose, cmMaximize, cmMinimize, cmRollUp,
                                                   cmMinimizeToTray};

bool Flows(const TArrangeItem& it)
{
    return (it.Kind == TArrangeKind::StdButton || it.Kind == TArrangeKind::Animate) && it.Visible &&
           it.SkinRectInAPicture;
}

TArrangeItem* FirstFlowing(std::vector<TArrangeItem>& items, TStdCommand cmd)
{
    for (TArrangeItem& it : items)
        if (Flows(it) && it.Command == cmd)
            return &it;
    return nullptr;
}

// The buttons of the caption flow in placing order: one of each fixed command, then every
// default-command button in list order.
std::vector<TArrangeItem*> FlowOrder(std::vector<TArrangeItem>& items, bool withDefaults)
{
    std::vector<TArrangeItem*> out;
    for (TStdCommand cmd : kFlowOrder)
        if (TArrangeItem* it = FirstFlowing(items, cmd))
            out.push_back(it);
    if (withDefaults)
        for (TArrangeItem& it : items)
            if (Flows(it) && it.Command == cmDefault)
                out.push_back(&it);
    return out;
}

TArrangeItem* SysMenuButton(std::vector<TArrangeItem>& items)
{
    for (TArrangeItem& it : items)
        if (it.Kind == TArrangeKind::StdButton && it.Command == cmSysMenu && it.Visible &&
            it.SkinRectInAPicture)
            return &it;
    return nullptr;
}

} // namespace

int32_t DefaultCaptionHeight(TFormBorder border) { return IsToolWindow(border) ? 15 : 19; }
int32_t DefaultButtonSize(TFormBorder border) { return IsToolWindow(border) ? 13 : 17; }

TFormSkinInfo TFormSkinInfo::From(const TspSkinData* sd)
{
    TFormSkinInfo s;
    if (sd == nullptr || sd->Empty)
        return s;
    s.Loaded = true;
    s.PicW = sd->FPicture.Width;
    s.PicH = sd->FPicture.Height;
    s.HasMask = !sd->FMask.Empty();
    s.HasInActivePicture = !sd->FInActivePicture.Empty();
    s.HasRollUpPicture = !sd->FRollUpPicture.Empty();
    s.LTPoint = Clamp(sd->LTPoint);
    s.RTPoint = Clamp(sd->RTPoint);
    s.LBPoint = Clamp(sd->LBPoint);
    s.RBPoint = Clamp(sd->RBPoint);
    s.ClRect = Clamp(sd->ClRect);
    s.MaskRectArea = Clamp(sd->MaskRectArea);
    s.HitTestLTPoint = Clamp(sd->HitTestLTPoint);
    s.HitTestRTPoint = Clamp(sd->HitTestRTPoint);
    s.HitTestLBPoint = Clamp(sd->HitTestLBPoint);
    s.HitTestRBPoint = Clamp(sd->HitTestRBPoint);
    s.CaptionRect = Clamp(sd->CaptionRect);
    s.ButtonsRect = Clamp(sd->ButtonsRect);
    s.ButtonsOffset = Clamp(sd->ButtonsOffset);
    s.CapButtonsInLeft = sd->CapButtonsInLeft;
    s.BorderW = Clamp(sd->BorderW);
    s.Stretch = {sd->LeftStretch, sd->TopStretch, sd->RightStretch, sd->BottomStretch,
                 sd->StretchEffect, sd->StretchType};
    // A definition may name a background picture the package lacks: then there is none.
    auto picture = [sd](int32_t index, int32_t& out, TPoint& size) {
        const TPixelImage* p = index >= 0 && static_cast<size_t>(index) < sd->FActivePictures.size()
                                   ? sd->FActivePictures[static_cast<size_t>(index)].get()
                                   : nullptr;
        out = p != nullptr && !p->Empty() ? index : -1;
        size = out != -1 ? TPoint{p->Width, p->Height} : TPoint{};
    };
    picture(sd->BGPictureIndex, s.BGPictureIndex, s.BGPictureSize);
    picture(sd->MDIBGPictureIndex, s.MDIBGPictureIndex, s.MDIBGPictureSize);
    s.MDIBGStretchEffect = sd->MDIBGStretchEffect;
    s.MDIBGStretchType = sd->MDIBGStretchType;
    s.RollUpLeftPoint = Clamp(sd->RollUpLeftPoint);
    s.RollUpRightPoint = Clamp(sd->RollUpRightPoint);
    s.MainMenuRect = Clamp(sd->MainMenuRect);
    s.IconRect = Clamp(sd->IconRect);
    s.SizeGripArea = Clamp(sd->SizeGripArea);
    s.FormMinWidth = Clamp(sd->FormMinWidth);
    s.FormMinHeight = Clamp(sd->FormMinHeight);
    s.AutoRenderingInActiveImage = sd->AutoRenderingInActiveImage;
    s.InActiveEffect = sd->InActiveEffect;
    return s;
}

int32_t TspFrameGeometry::Dx() const { return Clamp(FFormWidth) - Skin.PicW; }
int32_t TspFrameGeometry::Dy() const { return Clamp(FFormHeight) - Skin.PicH; }

// --- predicates ------------------------------------------------------------------------------

bool TspFrameGeometry::HasSkinFrame() const
{
    return Form.SupportNCArea && Skin.Loaded && !IsEmptyRect(Skin.ClRect);
}

bool TspFrameGeometry::CanStretchFrame() const
{
    return Skin.Loaded && Skin.RBPoint.X != Skin.LTPoint.X && Skin.RBPoint.Y != Skin.LTPoint.Y;
}

bool TspFrameGeometry::IsSizeAble() const
{
    return Form.Sizeable || Form.BorderStyle == TFormBorder::Sizeable ||
           Form.BorderStyle == TFormBorder::SizeToolWin;
}

bool TspFrameGeometry::IsObjectForState(const TArrangeItem& item) const
{
    return Form.SupportNCArea ? !item.RollUp : item.RollUp == Form.RollUp;
}

// --- frame for the current size --------------------------------------------------------------

void TspFrameGeometry::CalcRects()
{
    if (FFormWidth == 0)
        FFormWidth = Form.Width;
    if (FFormHeight == 0)
        FFormHeight = Form.Height;
    if (!Skin.Loaded)
        return;
    const TFormSkinInfo& s = Skin;
    const int32_t dx = Dx(), dy = Dy();
    NewLTPoint = s.LTPoint;
    NewRTPoint = MovePoint(s.RTPoint, dx, 0);
    NewLBPoint = MovePoint(s.LBPoint, 0, dy);
    NewRBPoint = MovePoint(s.RBPoint, dx, dy);
    NewClRect = Rect(s.ClRect.Left, s.ClRect.Top, s.ClRect.Right + dx, s.ClRect.Bottom + dy);
    NewCaptionRect = s.CaptionRect;
    if (!IsEmptyRect(NewCaptionRect))
        NewCaptionRect.Right += dx;
    NewButtonsRect = s.ButtonsRect;
    NewButtonsInLeft = s.CapButtonsInLeft;
    // A button band in the picture's right half follows the right edge.
    if (!IsEmptyRect(s.ButtonsRect) && s.ButtonsRect.Left > s.PicW / 2)
        NewButtonsRect = MoveRect(NewButtonsRect, dx, 0);
    NewButtonsOffset = s.ButtonsOffset;
    NewHitTestLTPoint = s.HitTestLTPoint;
    NewHitTestRTPoint = MovePoint(s.HitTestRTPoint, dx, 0);
    NewHitTestLBPoint = MovePoint(s.HitTestLBPoint, 0, dy);
    NewHitTestRBPoint = MovePoint(s.HitTestRBPoint, dx, dy);
    NewMaskRectArea = Rect(s.MaskRectArea.Left, s.MaskRectArea.Top, s.MaskRectArea.Right + dx,
                           s.MaskRectArea.Bottom + dy);
    NewIconRect = CalcObjectRect(s.IconRect);
    NewMainMenuRect = s.MainMenuRect;
    if (CanStretchFrame()) {
        NewMainMenuRect.Right = s.MainMenuRect.Right + dx;
        // A menu band inside the bottom-left corner piece sits at the bottom of the window.
        if (Rect(0, s.LBPoint.Y, s.LBPoint.X, s.PicH).Contains({s.MainMenuRect.Left, s.MainMenuRect.Top}))
            NewMainMenuRect = MoveRect(NewMainMenuRect, 0, dy);
    }
}

TRect TspFrameGeometry::CalcObjectRect(const TRect& rect) const
{
    const TRect R = Clamp(rect);
    const TFormSkinInfo& s = Skin;
    const TRect LT = Rect(0, 0, s.LTPoint.X, s.LTPoint.Y);
    const TRect RT = Rect(s.RTPoint.X, 0, s.PicW, s.RTPoint.Y);
    const TRect LB = Rect(0, s.LBPoint.Y, s.LBPoint.X, s.PicH);
    const TRect RB = Rect(s.RBPoint.X, s.RBPoint.Y, s.PicW, s.PicH);
    if (IsEmptyRect(LT) && IsEmptyRect(RT) && IsEmptyRect(LB) && IsEmptyRect(RB))
        return R;
    const int32_t dx = Dx(), dy = Dy();
    if (RectInsideRect(R, LT))
        return R;
    if (RectInsideRect(R, RT))
        return MoveRect(R, dx, 0);
    if (RectInsideRect(R, LB))
        return MoveRect(R, 0, dy);
    if (RectInsideRect(R, RB))
        return MoveRect(R, dx, dy);
    const TPoint TL{R.Left, R.Top}, BR{R.Right, R.Bottom};
    TRect r = R;
    if (LT.Contains(TL) && RB.Contains(BR)) {
        r.Right += dx;
        r.Bottom += dy;
    } else if (LT.Contains(TL) && RT.Contains(BR)) {
        r.Right += dx;
    } else if (LB.Contains(TL) && RB.Contains(BR)) {
        r.Right += dx;
        r = MoveRect(r, 0, dy);
    } else if (LT.Contains(TL) && LB.Contains(BR)) {
        r.Bottom += dy;
    } else if (RT.Contains(TL) && RB.Contains(BR)) {
        r = MoveRect(r, dx, 0);
        r.Bottom += dy;
    }
    return r;
}

TRect TspFrameGeometry::CalcAreaRect(const TRect& R, const TAreaAnchors& a) const
{
    if (!a.UseStretch)
        return CalcObjectRect(R);
    TRect r = Clamp(R);
    if (a.MoveY) {
        if (a.StretchY)
            r.Bottom += Dy();
        else
            r = MoveRect(r, 0, Dy());
    }
    if (a.MoveX) {
        if (a.StretchX)
            r.Right += Dx();
        else
            r = MoveRect(r, Dx(), 0);
    }
    return r;
}

TPoint TspFrameGeometry::ButtonSize(const TArrangeItem& item) const
{
    if (item.Kind == TArrangeKind::StdButton && item.Command == cmSysMenu && item.ShowIcon &&
        item.SkinRectInAPicture) {
        // The icon button is as large as a small icon; a platform without that metric gets the
        // plain caption button's size.
        int32_t fallback = DefaultButtonSize();
        return {Form.SmallIconSize.X > 0 ? Form.SmallIconSize.X : fallback,
                Form.SmallIconSize.Y > 0 ? Form.SmallIconSize.Y : fallback};
    }
    const TRect r = Clamp(item.SkinRect);
    return {r.Width(), r.Height()};
}

void TspFrameGeometry::ArrangeObjects(std::vector<TArrangeItem>& items)
{
    if (Form.FullLayeredBorder)
        return;  // the layered border frame lays out its own objects
    for (TArrangeItem& it : items)
        it.ObjectRect = CalcObjectRect(it.SkinRect);
    FSizeGripArea = Skin.Loaded && !IsEmptyRect(Skin.SizeGripArea) ? CalcObjectRect(Skin.SizeGripArea)
                                                                      : TRect{};
    if (!Form.SupportNCArea)
        return;
    const bool buttonBand = !IsEmptyRect(NewButtonsRect);
    if (!buttonBand && IsEmptyRect(NewCaptionRect))
        return;
    const TRect B = buttonBand ? NewButtonsRect : NewCaptionRect;
    const int32_t y0 = B.Top;
    const int32_t gap = NewButtonsOffset;

    TArrangeItem* caption = nullptr;
    for (TArrangeItem& it : items)
        if (it.Kind == TArrangeKind::Caption && it.Visible && IsObjectForState(it)) {
            caption = &it;
            break;
        }
    TArrangeItem* sys = SysMenuButton(items);

    if (!NewButtonsInLeft) {
        int32_t x = B.Right;
        for (TArrangeItem* it : FlowOrder(items, true)) {
            TPoint sz = ButtonSize(*it);
            it->ObjectRect = Rect(x - sz.X, y0, x, y0 + sz.Y);
            x = Clamp(int64_t(x) - sz.X - gap);
        }
        if (!buttonBand && caption != nullptr)
            caption->ObjectRect.Right = x + gap;  // the caption ends where the last button begins
        if (sys != nullptr && sys->Enabled) {
            TPoint sz = ButtonSize(*sys);
            int32_t top = NewCaptionRect.Top + HeightOfRect(NewCaptionRect) / 2 - sz.Y / 2;
            sys->ObjectRect = Rect(NewCaptionRect.Left, top, NewCaptionRect.Left + sz.X, top + sz.Y);
            if (caption != nullptr)
                caption->ObjectRect.Left = sys->ObjectRect.Right;
        }
    } else {
        int32_t x = B.Left;
        std::vector<TArrangeItem*> flow = FlowOrder(items, true);
        if (!buttonBand && sys != nullptr)
            flow.push_back(sys);
        for (TArrangeItem* it : flow) {
            TPoint sz = ButtonSize(*it);
            it->ObjectRect = Rect(x, y0, x + sz.X, y0 + sz.Y);
            x = Clamp(int64_t(x) + sz.X + gap);
        }
        if (!buttonBand && caption != nullptr)
            caption->ObjectRect.Left = x + gap;
    }
    // The caption menu button of the caption extras is placed here, once the caption's bounds
    // are final, and moves the caption's left edge past itself.
}

TRect TspFrameGeometry::CalcClientRect(TRect W)
{
    W = Clamp(W);
    if (HasSkinFrame()) {
        CalcRects();
        if (!Form.FullLayeredBorder) {
            W.Left += Skin.ClRect.Left;
            W.Top += Skin.ClRect.Top;
            W.Right += Skin.ClRect.Right - Skin.PicW;
            W.Bottom += Skin.ClRect.Bottom - Skin.PicH;
        }
    } else {
        W.Left += 3;
        W.Top += DefaultCaptionHeight() + 3;
        W.Right -= 3;
        W.Bottom -= 3;
    }
    // A window smaller than its frame gets an empty client area, never an inverted one.
    W.Right = std::max(W.Right, W.Left);
    W.Bottom = std::max(W.Bottom, W.Top);
    return W;
}

void TspFrameGeometry::CalcDefRects(std::vector<TArrangeItem>& items)
{
    if (items.empty())
        return;
    if (FFormWidth == 0)
        FFormWidth = Form.Width;
    const int32_t s = DefaultButtonSize();
    int32_t x = Clamp(FFormWidth) - 3;
    NewDefCaptionRect = Rect(3, 3, x, 3 + DefaultCaptionHeight());
    for (TArrangeItem* it : FlowOrder(items, false)) {
        it->ObjectRect = Rect(x - s, 4, x, 4 + s);
        x -= s;
    }
    NewDefCaptionRect.Right = x;
    if (TArrangeItem* sys = SysMenuButton(items)) {
        TPoint sz = ButtonSize(*sys);
        if (!(sys->ShowIcon && sys->SkinRectInAPicture))
            sz = {s, s};
        x = NewDefCaptionRect.Left;
        sys->ObjectRect = Rect(x, 4, x + sz.X, 4 + sz.Y);
        NewDefCaptionRect.Left = sys->ObjectRect.Right;
    }
}

// --- client background ---------------------------------------------------------------------

TClientBackground TspFrameGeometry::GetClientBackground() const
{
    const TFormSkinInfo& s = Skin;
    if (!s.Loaded)
        return {};
    auto picture = [](int32_t index, TPoint size, bool stretch, TspStretchType type) {
        return TClientBackground{TClientBGSource::Picture, index, Rect(0, 0, size.X, size.Y), stretch, type};
    };
    if (Form.UseRibbon && s.MDIBGPictureIndex != -1)
        return picture(s.MDIBGPictureIndex, s.MDIBGPictureSize, s.MDIBGStretchEffect, s.MDIBGStretchType);
    if (s.BGPictureIndex != -1)
        return picture(s.BGPictureIndex, s.BGPictureSize, s.Stretch.StretchEffect, s.Stretch.StretchType);
    if (IsEmptyRect(s.ClRect))
        return {};
    return {TClientBGSource::FramePiece, -1, s.ClRect, s.Stretch.StretchEffect, s.Stretch.StretchType};
}

TPoint LogoPosition(TPoint clientSize, TPoint logoSize)
{
    return {std::max(0, clientSize.X / 2 - logoSize.X / 2), std::max(0, clientSize.Y / 2 - logoSize.Y / 2)};
}

// --- size limits -----------------------------------------------------------------------------

TRect TspFrameGeometry::WorkArea() const
{
    return Form.MaximizeOnFullScreen ? Form.Monitor.MonitorArea : Form.Monitor.WorkArea;
}

int32_t TspFrameGeometry::GetMinWidth() const
{
    const TFormFacts& f = Form;
    const TFormSkinInfo& s = Skin;
    if (!f.SupportNCArea) {
        if (!s.Loaded)
            return 0;
        return f.MinWidth != 0 ? std::min(s.PicW, f.MinWidth) : s.PicW;
    }
    if (!s.Loaded) {
        if (f.MinClientWidth > 0)
            return Framed() ? f.MinClientWidth + 6 : f.MinClientWidth;
        return f.MinWidth > 0 ? f.MinWidth : 130;
    }
    if (f.MinClientWidth > 0 && !f.Minimized && f.SkinnableForm)
        return FullBorderShown() || !Framed() ? f.MinClientWidth
                                              : s.PicW + f.MinClientWidth - WidthOfRect(s.ClRect);
    if (s.PicW < f.MinWidth && !f.Minimized)
        return f.MinWidth;
    if (s.FormMinWidth > 0)
        return f.MinWidth > s.FormMinWidth && !f.Minimized ? f.MinWidth : s.FormMinWidth;
    return s.PicW;
}

int32_t TspFrameGeometry::GetMinHeight() const
{
    const TFormFacts& f = Form;
    const TFormSkinInfo& s = Skin;
    const bool collapsed = f.RollUp || f.Minimized;
    // The form's own MinHeight counts only while the form shows its client.
    auto atLeastMinHeight = [&](int32_t h) { return f.MinHeight > h && !collapsed ? f.MinHeight : h; };
    if (!f.SupportNCArea) {
        if (!s.Loaded)
            return 0;
        return f.MinHeight != 0 ? std::min(s.PicH, f.MinHeight) : s.PicH;
    }
    const int32_t cap = DefaultCaptionHeight();
    if (!s.Loaded) {
        if (f.MinClientHeight <= 0 || collapsed)
            return atLeastMinHeight(cap + 6);
        return Framed() ? f.MinClientHeight + cap + 6 : f.MinClientHeight;
    }
    const int32_t frameH = s.PicH - HeightOfRect(s.ClRect);
    if (f.MinClientHeight > 0 && !collapsed && f.SkinnableForm)
        return FullBorderShown() || !Framed() ? f.MinClientHeight : frameH + f.MinClientHeight;
    if (f.FullLayeredBorder)
        return frameH < f.MinHeight && !collapsed ? f.MinHeight : 10;
    if (s.FormMinHeight != 0)
        return atLeastMinHeight(s.FormMinHeight);
    return atLeastMinHeight(frameH);
}

// Both maxima follow one rule per axis: the client maximum plus the frame, else the form's own
// maximum or the work area.
int32_t TspFrameGeometry::MaxSize(const TAxis& a) const
{
    const TFormFacts& f = Form;
    if (a.MaxClient <= 0 || f.Maximized || !f.SupportNCArea)
        return a.MaxForm != 0 ? a.MaxForm : a.WorkArea;
    if (!Skin.Loaded)
        return Framed() ? a.MaxClient + a.PlainFrame : a.MaxClient;
    if (!f.SkinnableForm)
        return a.WorkArea;
    if (FullBorderShown() || !Framed())
        return a.MaxClient;
    return a.Picture + a.MaxClient - a.PictureClient;
}

int32_t TspFrameGeometry::GetMaxWidth() const
{
    return MaxSize({Form.MaxClientWidth, Form.MaxWidth, WidthOfRect(WorkArea()), Skin.PicW,
                    WidthOfRect(Skin.ClRect), 6});
}

int32_t TspFrameGeometry::GetMaxHeight() const
{
    return MaxSize({Form.MaxClientHeight, Form.MaxHeight, HeightOfRect(WorkArea()), Skin.PicH,
                    HeightOfRect(Skin.ClRect), DefaultCaptionHeight() + 6});
}

TRect TspFrameGeometry::GetMaximizedRect() const
{
    const TMonitorAreas& m = Form.Monitor;
    TRect r = WorkArea();
    // Without a reserved work area an auto-hidden task bar is reached through the outer pixel.
    if (!Form.MaximizeOnFullScreen && WidthOfRect(m.WorkArea) == WidthOfRect(m.MonitorArea) &&
        HeightOfRect(m.WorkArea) == HeightOfRect(m.MonitorArea) && m.MonitorArea == m.Screen)
        r = Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
    if (FullBorderShown()) {
        const TRect& l = Form.LayerFrameMargins;
        r = Rect(r.Left + l.Left, r.Top + l.Top, r.Right - l.Right, r.Bottom - l.Bottom);
    }
    return r;
}

} // namespace vt
