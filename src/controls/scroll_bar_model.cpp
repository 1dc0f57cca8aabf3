#include "controls/scroll_bar_model.h"

#include "controls/skin_control_model.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

// The vertical bar is the horizontal one with x and y swapped: the geometry is worked out along
// the bar and turned back.
TRect Turn(const TRect& r) { return {r.Top, r.Left, r.Bottom, r.Right}; }

double Clamp01(double v) { return v < 0 ? 0 : v > 1 ? 1 : v; }

// Half to even, like Round, for values beyond 32 bits (a range near the integer limits).
int64_t RoundWide(double v) { return static_cast<int64_t>(std::nearbyint(v)); }

} // namespace

TScrollBarSkin CopyScrollBarRecord(const TspDataSkinScrollBarControl& r)
{
    TScrollBarSkin s;
    s.SkinRect = r.SkinRect;
    s.RTPt = r.RTPoint;
    s.LBPt = r.LBPoint;
    s.TrackArea = r.TrackArea;
    s.UpButtonRect = r.UpButtonRect;
    s.ActiveUpButtonRect = r.ActiveUpButtonRect;
    s.DownUpButtonRect = RectOr(r.DownUpButtonRect, r.ActiveUpButtonRect);
    s.DownButtonRect = r.DownButtonRect;
    s.ActiveDownButtonRect = r.ActiveDownButtonRect;
    s.DownDownButtonRect = RectOr(r.DownDownButtonRect, r.ActiveDownButtonRect);
    s.ThumbRect = r.ThumbRect;
    s.ActiveThumbRect = RectOr(r.ActiveThumbRect, r.ThumbRect);
    s.DownThumbRect = RectOr(r.DownThumbRect, s.ActiveThumbRect);
    s.ThumbOffset1 = r.ThumbOffset1;
    s.ThumbOffset2 = r.ThumbOffset2;
    s.ThumbTransparent = r.ThumbTransparent;
    s.ThumbTransparentColor = r.ThumbTransparentColor;
    s.GlyphRect = r.GlyphRect;
    s.ActiveGlyphRect = RectOr(r.ActiveGlyphRect, r.GlyphRect);
    s.DownGlyphRect = RectOr(r.DownGlyphRect, s.ActiveGlyphRect);
    s.ThumbStretchEffect = r.ThumbStretchEffect;
    s.ThumbMinSize = r.ThumbMinSize;
    s.ThumbMinPageSize = r.ThumbMinPageSize;
    s.GlyphTransparent = r.GlyphTransparent;
    s.GlyphTransparentColor = r.GlyphTransparentColor;
    return s;
}

// --- range and position ---------------------------------------------------------------------

int TScrollBarModel::Clamp(int64_t value) const
{
    const int64_t top = pageSize_ > 0 ? int64_t(max_) - pageSize_ + 1 : max_;
    value = std::min(value, top);
    // A page larger than the range leaves no room above Min: the position stays at Min.
    return static_cast<int>(std::max(value, int64_t(min_)));
}

void TScrollBarModel::Store(int64_t value, bool notify)
{
    value = Clamp(value);
    if (value == position_)
        return;
    position_ = value;
    sink_.Redraw();
    if (notify)
        sink_.Changed();
}

void TScrollBarModel::SetPosition(int64_t value) { Store(value, true); }

void TScrollBarModel::SimplySetPosition(int64_t value) { Store(value, false); }

void TScrollBarModel::SetRange(int min, int max, int pageSize, int position)
{
    min_ = min;
    max_ = max;
    pageSize_ = pageSize;
    position_ = Clamp(position);
    sink_.Redraw();
}

void TScrollBarModel::SetMin(int value)
{
    min_ = value;
    position_ = std::max(position_, min_);
    sink_.Redraw();
}

void TScrollBarModel::SetMax(int value)
{
    max_ = value;
    if (pageSize_ > 0) {
        position_ = Clamp(position_);
    } else {
        position_ = std::min(position_, max_);
    }
    sink_.Redraw();
}

void TScrollBarModel::SetPageSize(int value)
{
    // Measured from the position, not from Min, so a page can be refused near the end.
    if (int64_t(max_) - min_ + 1 >= int64_t(value) + position_)
        pageSize_ = value;
    sink_.Redraw();
}

void TScrollBarModel::SetSmallChange(int value)
{
    smallChange_ = value;
    sink_.Redraw();
}

void TScrollBarModel::SetLargeChange(int value)
{
    largeChange_ = value;
    sink_.Redraw();
}

void TScrollBarModel::SetKind(TScrollBarKind value)
{
    kind_ = value;
    sink_.Redraw();
}

void TScrollBarModel::SetBothMarkerWidth(int value)
{
    if (value < 0)
        return;
    bothMarkerWidth_ = value;
    if (!skin_)
        sink_.Redraw();
}

// --- geometry -------------------------------------------------------------------------------

void TScrollBarModel::SetSize(int width, int height)
{
    width_ = width;
    height_ = height;
}

void TScrollBarModel::UpdateGeometry()
{
    const bool vertical = kind_ == sbVertical;
    // Along the bar: length and thickness; rectangles turned for a vertical bar.
    const int length = vertical ? height_ : width_;
    const int thick = vertical ? width_ : height_;
    auto along = [vertical](const TRect& r) { return vertical ? Turn(r) : r; };

    TRect track, up, down;
    int minThumb = 16, fixedThumb = 16, thumbThick = 0;
    bool fullThickness = true;
    if (skin_) {
        const TScrollBarSkin& s = *skin_;
        const TRect skinRect = along(Bounds(0, 0, s.SkinRect.Width(), s.SkinRect.Height()));
        const int change = length - skinRect.Width();
        const int pivot = vertical ? s.LBPt.Y : s.RTPt.X;
        track = along(s.TrackArea);
        track.Right += change;
        auto moved = [&](const TRect& r) {
            TRect a = along(r);
            if (!a.IsEmpty() && a.Left > pivot)
                a = a.Offset(change, 0);
            return a;
        };
        up = moved(s.UpButtonRect);
        down = moved(s.DownButtonRect);
        const TRect thumb = along(s.ThumbRect);
        minThumb = s.ThumbMinSize != 0 ? s.ThumbMinSize : thumb.Width();
        fixedThumb = s.ThumbMinPageSize != 0 ? s.ThumbMinPageSize : minThumb;
        thumbThick = thumb.Height();
        fullThickness = false;
    } else {
        const int w = !vertical && both_ ? length - bothMarkerWidth_ : length;
        down = {1, 1, 17, thick - 1};
        up = {w - 17, 1, w - 1, thick - 1};
        track = {17, 1, w - 17, thick - 1};
    }

    const int trackLength = track.Width();
    int half;
    double ratio;
    if (pageSize_ > 0) {
        const int64_t span = int64_t(max_) - min_ + 1;
        const int room = std::max(trackLength, 0);
        // A page larger than the range never gives a thumb longer than the track.
        const double exact = span == 0
            ? 0.0
            : std::min(double(trackLength) * pageSize_ / double(span), room + 1.0);
        const int thumb = std::min(std::max(Round(exact), minThumb), room);
        half = thumb / 2;
        const int64_t denominator = int64_t(max_) - pageSize_ + 1 - min_;
        ratio = denominator > 0 ? (double(position_) - min_) / double(denominator) : vertical ? 0.0 : 1.0;
    } else {
        half = fixedThumb / 2;
        ratio = max_ == min_ ? 0.0 : (double(position_) - min_) / (double(max_) - min_);
    }
    ratio = Clamp01(ratio);
    geometry_.Track = along(track);
    geometry_.Offset1 = track.Left + half;
    geometry_.Offset2 = track.Right - half;
    geometry_.BOffset = Round(ratio * (geometry_.Offset2 - geometry_.Offset1));
    const int centre = geometry_.Offset1 + geometry_.BOffset;
    TRect thumb{centre - half, track.Top, centre + half, track.Bottom};
    if (!fullThickness) {
        thumb.Top = track.Top + track.Height() / 2 - thumbThick / 2;
        thumb.Bottom = thumb.Top + thumbThick;
    }
    parts_[sbpThumb].Rect = along(thumb);
    parts_[sbpUp].Rect = along(up);
    parts_[sbpDown].Rect = along(down);
}

int TScrollBarModel::HitTest(TPoint p) const
{
    for (int i : {sbpThumb, sbpUp, sbpDown}) {
        if (parts_[static_cast<size_t>(i)].Rect.Contains(p))
            return captureButton_ != -1 && captureButton_ != i ? -1 : i;
    }
    return -1;
}

int TScrollBarModel::ThumbStart() const
{
    const TRect& t = parts_[sbpThumb].Rect;
    return kind_ == sbHorizontal ? t.Left : t.Top;
}

int TScrollBarModel::ThumbEnd() const
{
    const TRect& t = parts_[sbpThumb].Rect;
    return kind_ == sbHorizontal ? t.Right : t.Bottom;
}

// --- mouse ----------------------------------------------------------------------------------

void TScrollBarModel::SetMouseIn(int i, bool value)
{
    TScrollBarPart& part = parts_[static_cast<size_t>(i)];
    if (part.MouseIn == value)
        return;
    part.MouseIn = value;
    sink_.Redraw();
}

void TScrollBarModel::ButtonStep(int part)
{
    if (part == sbpUp) {
        if (!sink_.UpButtonClick())
            StepBy(1);
    } else if (!sink_.DownButtonClick()) {
        StepBy(-1);
    }
}

void TScrollBarModel::PageStep(bool up)
{
    if (up) {
        SetPosition(int64_t(position_) - largeChange_);
        sink_.PageUp();
    } else {
        SetPosition(int64_t(position_) + largeChange_);
        sink_.PageDown();
    }
}

void TScrollBarModel::StopRepeat()
{
    if (timerMode_ == tmNone)
        return;
    sink_.StopTimer();
    timerMode_ = tmNone;
}

void TScrollBarModel::MouseDown(TScrollMouse button, TPoint p)
{
    if (button != TScrollMouse::Left)
        return;
    mouseD_ = true;
    mouse_ = p;
    UpdateGeometry();
    StopRepeat();
    waitMode_ = true;
    const int hit = HitTest(p);
    if (hit == sbpUp || hit == sbpDown) {
        captureButton_ = hit;
        activeButton_ = hit;
        parts_[static_cast<size_t>(hit)].Down = true;
        parts_[static_cast<size_t>(hit)].MouseIn = true;
        sink_.Redraw();
        timerMode_ = hit == sbpUp ? tmStepUp : tmStepDown;
        ButtonStep(hit);
        sink_.StartTimer(kFirstDelay);
    } else if (hit == sbpThumb) {
        captureButton_ = hit;
        activeButton_ = hit;
        parts_[sbpThumb].Down = true;
        parts_[sbpThumb].MouseIn = true;
        omPos_ = Along(p);
        oldBOffset_ = geometry_.BOffset;
        down_ = true;
        sink_.Redraw();
    } else if (geometry_.Track.Contains(p)) {
        const bool before = Along(p) < ThumbStart();
        timerMode_ = before ? tmPageUp : tmPageDown;
        sink_.StartTimer(kFirstDelay);
        PageStep(before);
    }
}

void TScrollBarModel::MouseUp(TScrollMouse button, TPoint p)
{
    mouse_ = p;
    mouseD_ = false;
    if (timerMode_ == tmPageUp || timerMode_ == tmPageDown)
        StopRepeat();
    if (captureButton_ == -1)
        return;
    const int i = captureButton_;
    captureButton_ = -1;
    TScrollBarPart& part = parts_[static_cast<size_t>(i)];
    part.Down = false;
    if (HitTest(p) != i) {
        part.MouseIn = false;
        if (activeButton_ == i)
            activeButton_ = -1;
    }
    sink_.Redraw();
    if (i == sbpThumb) {
        down_ = false;
        if (button == TScrollMouse::Left)
            sink_.LastChange();
    } else {
        StopRepeat();
    }
}

void TScrollBarModel::Drag(TPoint p)
{
    const double d = double(Along(p)) - omPos_ + oldBOffset_;
    int64_t value;
    if (pageSize_ > 0) {
        const TRect track = kind_ == sbHorizontal ? geometry_.Track : Turn(geometry_.Track);
        const int thumb = ThumbEnd() - ThumbStart();
        const int offset1 = track.Left + thumb / 2, offset2 = track.Right - thumb / 2;
        const double t = offset2 - offset1 > 0 ? Clamp01(d / (offset2 - offset1)) : 0.0;
        value = min_ + RoundWide((double(max_) - min_ - pageSize_ + 1) * t);
    } else {
        const int span = geometry_.Offset2 - geometry_.Offset1;
        const double t = span > 0 ? Clamp01(d / span) : 0.0;
        value = min_ + RoundWide((double(max_) - min_) * t);
    }
    SetPosition(value);
    UpdateGeometry();
}

void TScrollBarModel::MouseMove(TPoint p)
{
    mouse_ = p;
    if (down_)
        Drag(p);
    const int hit = HitTest(p);
    if (hit == activeButton_)
        return;
    const int old = activeButton_;
    activeButton_ = hit;
    if (old != -1) {
        SetMouseIn(old, false);
        // Off the held button: its repeat pauses.
        if (old != sbpThumb && parts_[static_cast<size_t>(old)].Down)
            sink_.StopTimer();
    }
    if (hit != -1) {
        SetMouseIn(hit, true);
        // Back onto the held button: the repeat resumes at its fast pace.
        if (hit != sbpThumb && parts_[static_cast<size_t>(hit)].Down) {
            waitMode_ = false;
            sink_.StartTimer(kRepeat);
        }
    }
}

void TScrollBarModel::MouseLeave()
{
    if (activeButton_ != -1 && captureButton_ == -1 && !down_) {
        SetMouseIn(activeButton_, false);
        activeButton_ = -1;
    }
    if (timerMode_ == tmPageUp || timerMode_ == tmPageDown)
        StopRepeat();
}

void TScrollBarModel::CaptureLost()
{
    if (!mouseD_ && captureButton_ == -1 && timerMode_ == tmNone)
        return;
    StopRepeat();
    waitMode_ = false;
    mouseD_ = false;
    down_ = false;
    if (captureButton_ != -1) {
        TScrollBarPart& part = parts_[static_cast<size_t>(captureButton_)];
        part.Down = false;
        part.MouseIn = false;
        captureButton_ = -1;
    }
    activeButton_ = -1;
    sink_.Redraw();
}

void TScrollBarModel::TimerTick()
{
    if (waitMode_) {
        waitMode_ = false;
        sink_.StartTimer(kRepeat);
        return;
    }
    switch (timerMode_) {
    case tmStepDown:
    case tmStepUp:
        ButtonStep(timerMode_ == tmStepUp ? sbpUp : sbpDown);
        break;
    case tmPageUp:
    case tmPageDown: {
        UpdateGeometry();
        const bool up = timerMode_ == tmPageUp;
        const int at = Along(mouse_);
        // The page repeat runs until the thumb reaches the mouse.
        if (up ? at < ThumbStart() : at >= ThumbEnd())
            PageStep(up);
        else
            StopRepeat();
        break;
    }
    default:
        sink_.StopTimer();
        break;
    }
}

void TScrollBarModel::Wheel(int delta)
{
    if (delta > 0)
        StepBy(-1);
    else if (delta < 0)
        StepBy(1);
}

} // namespace vt
