#include "controls/up_down_model.h"

#include "raster/compose.h"

namespace vt {

std::array<TRect, 2> UpDownButtonRects(bool skinSize, const TRect& upRect, const TRect& downRect,
                                       TUDOrientation orientation, int32_t width, int32_t height)
{
    if (skinSize)
        return {upRect, downRect};
    if (orientation == udVertical) {
        const int32_t half = height / 2;
        return {TRect{0, 0, width, half}, TRect{0, half, width, height}};
    }
    const int32_t half = width / 2;
    return {TRect{half, 0, width, height}, TRect{0, 0, half, height}};
}

void TUpDownModel::SetPosition(int value)
{
    if (value > max_ || value < min_)
        return;
    position_ = value;
    sink_.Changed();
}

void TUpDownModel::SetMin(int value)
{
    min_ = value;
    if (position_ < min_)
        position_ = min_;
}

void TUpDownModel::SetMax(int value)
{
    max_ = value;
    if (position_ > max_)
        position_ = max_;
}

void TUpDownModel::SetButtonRects(const std::array<TRect, 2>& rects)
{
    for (size_t i = 0; i < 2; ++i)
        buttons_[i].Rect = rects[i];
}

int TUpDownModel::HitTest(TPoint p) const
{
    for (int i = 0; i < 2; ++i) {
        // Edges included on every side.
        if (PointInsideRect(buttons_[static_cast<size_t>(i)].Rect, p)) {
            if (captureButton_ != -1 && captureButton_ != i)
                return -1;
            return i;
        }
    }
    return -1;
}

void TUpDownModel::SetMouseIn(int i, bool value)
{
    TUpDownButton& b = buttons_[static_cast<size_t>(i)];
    if (b.MouseIn == value)
        return;
    b.MouseIn = value;
    sink_.Redraw();
}

void TUpDownModel::MouseMove(TPoint p)
{
    const int hit = HitTest(p);
    if (hit == activeButton_)
        return;
    const int old = activeButton_;
    activeButton_ = hit;
    if (old != -1) {
        SetMouseIn(old, false);
        if (buttons_[static_cast<size_t>(old)].Down && increment_ != 0)
            sink_.StopTimer();
    }
    if (activeButton_ != -1) {
        SetMouseIn(activeButton_, true);
        SetMouseIn(1 - activeButton_, false);
        // Back onto the held button: the repeat resumes at the faster pace.
        if (buttons_[static_cast<size_t>(activeButton_)].Down && increment_ != 0)
            sink_.StartTimer(kResume);
    }
}

bool TUpDownModel::MouseDown(TUpDownMouse mouse, TPoint p)
{
    if (captureButton_ != -1)
        return false;
    MouseMove(p);
    if (activeButton_ == -1)
        return false;
    const int i = activeButton_;
    buttons_[static_cast<size_t>(1 - i)].MouseIn = false;
    captureButton_ = i;
    captureMouse_ = mouse;
    buttons_[static_cast<size_t>(i)].Down = true;
    buttons_[static_cast<size_t>(i)].MouseIn = true;
    sink_.Redraw();
    if (increment_ != 0) {
        waitMode_ = true;
        sink_.StartTimer(kFirstDelay);
    }
    return true;
}

bool TUpDownModel::MouseUp(TUpDownMouse mouse, TPoint p)
{
    if (captureButton_ == -1 || mouse != captureMouse_)
        return false;
    MouseMove(p);
    const int i = captureButton_;
    if (increment_ != 0)
        sink_.StopTimer();
    TUpDownButton& b = buttons_[static_cast<size_t>(i)];
    b.Down = false;
    if (activeButton_ != i)
        b.MouseIn = false;
    captureButton_ = -1;
    sink_.Redraw();
    if (i == 0) {
        Step(increment_);
        sink_.UpClick();
    } else {
        Step(-increment_);
        sink_.DownClick();
    }
    return true;
}

void TUpDownModel::Step(int delta)
{
    if (delta != 0)
        SetPosition(position_ + delta);
}

void TUpDownModel::TimerTick()
{
    if (waitMode_) {
        waitMode_ = false;
        sink_.StartTimer(kRepeat);
        return;
    }
    if (captureButton_ != -1)
        Step(captureButton_ == 0 ? increment_ : -increment_);
}

void TUpDownModel::CaptureLost()
{
    if (captureButton_ == -1)
        return;
    sink_.StopTimer();
    waitMode_ = false;
    TUpDownButton& b = buttons_[static_cast<size_t>(captureButton_)];
    b.Down = false;
    b.MouseIn = false;
    captureButton_ = -1;
    activeButton_ = -1;
    sink_.Redraw();
}

void TUpDownModel::MouseEnter() { activeButton_ = -1; }

void TUpDownModel::MouseLeave()
{
    SetMouseIn(0, false);
    SetMouseIn(1, false);
}

} // namespace vt
