// The scroll bar's portable half: the range and position rules, the parts' places at a size
// (from a record or the plain look), the hit test, and press, drag, hover, repeat and paging as
// one state machine. The window class feeds it mouse, timer, capture and key events and carries
// out what it asks through IScrollBarSink.
//
//   TScrollBarSkin       what the bar copies from its record, with the empty looks filled in
//   TScrollBarGeometry   track, parts and thumb offsets at the current size
//   TScrollBarModel      range, position, geometry and the mouse state machine
#pragma once

#include "framework/base/types.h"
#include "skin/control_records.h"

#include <array>
#include <optional>

namespace vt {

enum TScrollBarKind : uint8_t { sbHorizontal = 0, sbVertical = 1 };

// The record's fields, plus the frame values the parts move with (SkinRect, RTPt, LBPt).
struct TScrollBarSkin {
    TRect SkinRect;
    TPoint RTPt, LBPt;
    TRect TrackArea, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
        ActiveDownButtonRect, DownDownButtonRect, ThumbRect, ActiveThumbRect, DownThumbRect;
    int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
    bool ThumbStretchEffect = false;
    int32_t ThumbMinSize = 0, ThumbMinPageSize = 0;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;
};

// Copies the record; an empty down or active look falls back to the look before it.
TScrollBarSkin CopyScrollBarRecord(const TspDataSkinScrollBarControl& r);

// Part 0 is the thumb, 1 the "up" button (right or bottom end, increases the position), 2 the
// "down" button (left or top end, decreases it).
enum : int { sbpThumb = 0, sbpUp = 1, sbpDown = 2 };

struct TScrollBarPart {
    TRect Rect;
    bool MouseIn = false;
    bool Down = false;
};

struct TScrollBarGeometry {
    TRect Track;
    // Track coordinates of the thumb centre at the minimum and the maximum, and the centre's
    // offset from Offset1.
    int32_t Offset1 = 0, Offset2 = 0, BOffset = 0;
};

// What the model asks of its window.
class IScrollBarSink {
public:
    virtual ~IScrollBarSink() = default;
    // (Re)starts the repeat timer at ms milliseconds; StopTimer ends it.
    virtual void StartTimer(unsigned ms) = 0;
    virtual void StopTimer() = 0;
    virtual void Redraw() = 0;
    // OnChange: an accepted position change through the setter.
    virtual void Changed() = 0;
    // OnLastChange: a thumb drag ended with the left button.
    virtual void LastChange() = 0;
    // A button's handler, when one is assigned: it is called instead of the step. Returns
    // whether one was.
    virtual bool UpButtonClick() = 0;
    virtual bool DownButtonClick() = 0;
    virtual void PageUp() = 0;
    virtual void PageDown() = 0;
};

enum class TScrollMouse : uint8_t { Left, Right, Middle };

class TScrollBarModel {
public:
    static constexpr unsigned kFirstDelay = 500, kRepeat = 50;
    // TimerMode values.
    enum : int { tmNone = 0, tmStepDown = 1, tmStepUp = 2, tmPageUp = 3, tmPageDown = 4 };

    explicit TScrollBarModel(IScrollBarSink& sink) : sink_(sink) {}

    // --- range and position -------------------------------------------------------------------
    int Position() const { return position_; }
    // Clamped into range; a changed position repaints and raises Changed.
    void SetPosition(int64_t value);
    // The same without Changed.
    void SimplySetPosition(int64_t value);
    // Stores the limits as they are and the position clamped; no Changed.
    void SetRange(int min, int max, int pageSize, int position);
    int Min() const { return min_; }
    void SetMin(int value);
    int Max() const { return max_; }
    // Lowers the position to the new end without Changed.
    void SetMax(int value);
    int PageSize() const { return pageSize_; }
    // Refused when the page would not fit from the current position to the end.
    void SetPageSize(int value);
    int SmallChange() const { return smallChange_; }
    void SetSmallChange(int value);
    int LargeChange() const { return largeChange_; }
    void SetLargeChange(int value);
    TScrollBarKind Kind() const { return kind_; }
    void SetKind(TScrollBarKind value);
    bool Both() const { return both_; }
    void SetBoth(bool value) { both_ = value; }
    int BothMarkerWidth() const { return bothMarkerWidth_; }
    // Negative widths are refused.
    void SetBothMarkerWidth(int value);

    // --- geometry -----------------------------------------------------------------------------
    // The record (none for the plain look) and the control's size the geometry is taken at.
    void SetSkin(const std::optional<TScrollBarSkin>& skin) { skin_ = skin; }
    const std::optional<TScrollBarSkin>& Skin() const { return skin_; }
    void SetSize(int width, int height);
    // Recomputes the track, parts and thumb for the current size, range and position.
    void UpdateGeometry();
    const TScrollBarGeometry& Geometry() const { return geometry_; }
    const TScrollBarPart& Part(int i) const { return parts_[static_cast<size_t>(i)]; }
    // The part under p (right and bottom edges excluded); while a part is captured, another
    // counts as none. -1 for none.
    int HitTest(TPoint p) const;

    // --- mouse --------------------------------------------------------------------------------
    void MouseDown(TScrollMouse button, TPoint p);
    void MouseUp(TScrollMouse button, TPoint p);
    void MouseMove(TPoint p);
    void MouseLeave();
    // Another window took the capture: the press ends, the repeat and any drag stop, no event.
    void CaptureLost();
    void TimerTick();

    // --- keys ---------------------------------------------------------------------------------
    // Arrow steps and wheel turns (delta > 0: away from the user, decreasing).
    void StepBy(int direction) { SetPosition(position_ + int64_t(direction) * smallChange_); }
    void Wheel(int delta);

    // --- state for painting and tests -------------------------------------------------------
    bool Dragging() const { return down_; }
    bool Pressed() const { return mouseD_; }
    int TimerMode() const { return timerMode_; }
    bool WaitMode() const { return waitMode_; }
    int ActiveButton() const { return activeButton_; }
    int CaptureButton() const { return captureButton_; }

private:
    int Clamp(int64_t value) const;
    void Store(int64_t value, bool notify);
    int Along(TPoint p) const { return kind_ == sbHorizontal ? p.X : p.Y; }
    int ThumbStart() const;
    int ThumbEnd() const;
    void SetMouseIn(int i, bool value);
    void ButtonStep(int part);
    void PageStep(bool up);
    void StopRepeat();
    void Drag(TPoint p);

    IScrollBarSink& sink_;
    int min_ = 0, max_ = 100, smallChange_ = 1, largeChange_ = 1, position_ = 0, pageSize_ = 0;
    TScrollBarKind kind_ = sbHorizontal;
    bool both_ = false;
    int bothMarkerWidth_ = 0;
    std::optional<TScrollBarSkin> skin_;
    int width_ = 200, height_ = 19;

    TScrollBarGeometry geometry_;
    std::array<TScrollBarPart, 3> parts_{};
    bool down_ = false;
    int omPos_ = 0, oldBOffset_ = 0;
    // The first tick only ends the first delay.
    bool waitMode_ = false;
    TPoint mouse_;
    bool mouseD_ = false;
    int timerMode_ = tmNone;
    int activeButton_ = -1, captureButton_ = -1;
};

} // namespace vt
