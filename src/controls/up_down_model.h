// The up-down control's portable half: the two buttons' places, hover, press and release, the
// repeat schedule and the position's rules. The window class feeds it mouse, timer and capture
// events and carries out what it asks through IUpDownSink.
//
//   UpDownButtonRects  where the up (0) and down (1) buttons lie
//   TUpDownModel       hover, capture, repeat timer and position
#pragma once

#include "framework/base/types.h"

#include <array>

namespace vt {

enum TUDOrientation : uint8_t { udHorizontal = 0, udVertical = 1 };

// The mouse button that pressed an up-down button (one capture at a time).
enum class TUpDownMouse : uint8_t { Left, Right, Middle };

struct TUpDownButton {
    TRect Rect;
    bool MouseIn = false;
    bool Down = false;
};

// Button 0 is the up button, 1 the down button. With the skin's size the record's rectangles;
// otherwise halves of the control: vertical up on top, horizontal up on the right.
std::array<TRect, 2> UpDownButtonRects(bool skinSize, const TRect& upRect, const TRect& downRect,
                                       TUDOrientation orientation, int32_t width, int32_t height);

// What the model asks of its window.
class IUpDownSink {
public:
    virtual ~IUpDownSink() = default;
    // (Re)starts the repeat timer at ms milliseconds; StopTimer ends it.
    virtual void StartTimer(unsigned ms) = 0;
    virtual void StopTimer() = 0;
    virtual void Redraw() = 0;
    // An accepted Position set.
    virtual void Changed() = 0;
    virtual void UpClick() = 0;
    virtual void DownClick() = 0;
};

class TUpDownModel {
public:
    static constexpr unsigned kFirstDelay = 500, kRepeat = 100, kResume = 50;

    explicit TUpDownModel(IUpDownSink& sink) : sink_(sink) {}

    int Position() const { return position_; }
    // A value outside Min..Max is ignored; an accepted one raises Changed (equal ones too).
    void SetPosition(int value);
    int Min() const { return min_; }
    int Max() const { return max_; }
    // Clamp the position silently.
    void SetMin(int value);
    void SetMax(int value);
    int Increment() const { return increment_; }
    // 0 turns stepping and the repeat off: the buttons only click.
    void SetIncrement(int value) { increment_ = value; }

    void SetButtonRects(const std::array<TRect, 2>& rects);
    const TUpDownButton& Button(int i) const { return buttons_[static_cast<size_t>(i)]; }
    int ActiveButton() const { return activeButton_; }
    int CaptureButton() const { return captureButton_; }
    // A held button steps on the timer.
    bool Repeating() const { return captureButton_ != -1 && increment_ != 0; }

    void MouseMove(TPoint p);
    // Returns true when the press captured a button (the window then holds the mouse capture).
    bool MouseDown(TUpDownMouse mouse, TPoint p);
    // Returns true when this release ended the press (the window then releases the capture).
    bool MouseUp(TUpDownMouse mouse, TPoint p);
    void TimerTick();
    // Another window took the capture: the repeat stops and the press is dropped, no click.
    void CaptureLost();
    void MouseEnter();
    void MouseLeave();

private:
    int HitTest(TPoint p) const;
    void SetMouseIn(int i, bool value);
    void Step(int delta);

    IUpDownSink& sink_;
    std::array<TUpDownButton, 2> buttons_{};
    int activeButton_ = -1;
    int captureButton_ = -1;
    TUpDownMouse captureMouse_ = TUpDownMouse::Left;
    // The first tick only ends the first delay.
    bool waitMode_ = false;
    int increment_ = 1;
    int position_ = 0;
    int min_ = 0;
    int max_ = 100;
};

} // namespace vt
