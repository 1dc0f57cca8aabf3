#include "controls/check_radio_model.h"

#include "controls/skin_control_model.h"

#include <algorithm>

namespace vt {

// --- value rules ------------------------------------------------------------------------------

TCheckChange TCheckRadioState::SetChecked(bool value)
{
    checked_ = value;
    if (value)
        state_ = cbChecked;
    else if (state_ == cbChecked)
        state_ = cbUnchecked;
    TCheckChange change;
    change.Repaint = true;
    change.UncheckGroup = value && GroupIndex != 0;
    change.Click = value || !Radio;
    return change;
}

TCheckChange TCheckRadioState::SetState(TCheckBoxState value)
{
    state_ = value;
    checked_ = value == cbChecked;
    return {true, false, true};
}

TCheckChange TCheckRadioState::Toggle()
{
    if (!Radio)
        return SetChecked(!checked_);
    if (!checked_)
        return SetChecked(true);
    return {};
}

bool TCheckRadioState::Press()
{
    down_ = true;
    return SetMouseIn(true);
}

bool TCheckRadioState::SetMouseIn(bool value)
{
    if (mouseIn_ == value)
        return false;
    mouseIn_ = value;
    return true;
}

TCheckChange TCheckRadioState::Release()
{
    const bool act = down_ && mouseIn_;
    down_ = false;
    if (!act)
        return {};
    if (AllowGrayed && !Radio && state_ == cbUnchecked)
        return SetState(cbGrayed);
    return Toggle();
}

// --- check images -----------------------------------------------------------------------------

TCheckImageRects CheckImageRectsOf(const TspDataSkinCheckRadioControl& r)
{
    TCheckImageRects out;
    out.Check = r.CheckImageRect;
    out.UnCheck = r.UnCheckImageRect;
    out.ActiveCheck = RectOr(r.ActiveCheckImageRect, r.CheckImageRect);
    out.ActiveUnCheck = RectOr(r.ActiveUnCheckImageRect, r.UnCheckImageRect);
    out.UnEnabledCheck = RectOr(r.UnEnabledCheckImageRect, r.CheckImageRect);
    out.UnEnabledUnCheck = RectOr(r.UnEnabledUnCheckImageRect, r.UnCheckImageRect);
    out.Grayed = r.GrayedCheckImageRect;
    out.ActiveGrayed = r.ActiveGrayedCheckImageRect;
    return out;
}

TCheckImageChoice ChooseCheckImage(const TCheckImageRects& r, TCheckBoxState state, bool enabled, bool mouseIn)
{
    const bool hot = enabled && mouseIn;
    const TRect& checked = !enabled ? r.UnEnabledCheck : hot ? r.ActiveCheck : r.Check;
    if (state == cbGrayed) {
        if (r.Grayed.IsEmpty())
            return {checked, true};
        return {hot && !r.ActiveGrayed.IsEmpty() ? r.ActiveGrayed : r.Grayed, false};
    }
    if (state == cbChecked)
        return {checked, false};
    return {!enabled ? r.UnEnabledUnCheck : hot ? r.ActiveUnCheck : r.UnCheck, false};
}

// --- layouts ----------------------------------------------------------------------------------

namespace {

int32_t CaptionLeft(const TFlatLayoutInput& in) { return in.HasRecord ? in.CheckSize.X + 7 : 22; }
int32_t ImageShift(const TFlatLayoutInput& in) { return in.ImageSize.X + (in.HasRecord ? 8 : 5); }

} // namespace

int32_t FlatWrapLeft(const TFlatLayoutInput& in)
{
    return CaptionLeft(in) + (in.HasImage ? ImageShift(in) : 0);
}

TFlatLayout LayoutFlat(const TFlatLayoutInput& in)
{
    TFlatLayout out;
    out.Check = in.HasRecord ? Bounds(3, (in.Height - in.CheckSize.Y) / 2, in.CheckSize.X, in.CheckSize.Y)
                             : DefaultCheckBox(in.Height);
    const int32_t left = CaptionLeft(in);
    out.Image = {left, (in.Height - in.ImageSize.Y) / 2};
    if (in.WordWrap) {
        const int32_t top = std::max(0, (in.Height - in.CaptionSize.Y) / 2);
        const int32_t x = FlatWrapLeft(in);
        out.Caption = Bounds(x, top, in.CaptionSize.X, in.CaptionSize.Y);
    } else {
        out.Caption = Bounds(left, (in.Height - in.CaptionSize.Y) / 2, in.CaptionSize.X, in.CaptionSize.Y);
        if (in.HasImage)
            out.Caption = out.Caption.Offset(ImageShift(in), 0);
    }
    out.Caption.Right = std::min(out.Caption.Right, in.Width - 2);
    const TRect& c = out.Caption;
    const TRect& k = out.Check;
    out.Focus = in.HasCaption ? Rect(c.Left - 2, c.Top - 1, c.Right + 3, c.Bottom + 1)
                              : Rect(k.Left - 1, k.Top - 1, k.Right + 1, k.Bottom + 1);
    return out;
}

TFramedLayout LayoutFramed(const TRect& textArea, const TRect& checkImageArea, TPoint checkSize, int32_t widthChange)
{
    TFramedLayout out;
    out.TextArea = textArea;
    out.TextArea.Right += widthChange;
    TRect area = checkImageArea;
    if (textArea.Right < checkImageArea.Right)
        area = area.Offset(widthChange, 0);
    out.CheckImage = Bounds(area.Left + (area.Width() - checkSize.X) / 2, area.Top + (area.Height() - checkSize.Y) / 2,
                            checkSize.X, checkSize.Y);
    return out;
}

} // namespace vt
