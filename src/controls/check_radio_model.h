// The portable half of the check/radio box: its value rules (Checked, State, Toggle, the grayed
// cycle), the press and hover state, the fade between the normal and hot looks, the choice of
// the check image, and where the flat and framed looks place image and caption.
//
//   TCheckRadioState     Checked/State/Toggle/press/release, and what each change asks for
//   TCheckFade           the framed look's fade factor, stepped in fifths by a 20 ms timer
//   TCheckImageRects     the record's check images with their fallbacks
//   ChooseCheckImage     which rectangle draws the mark, and whether it is lightened
//   LayoutFlat           check image, list image, caption and focus frame of the flat look
//   LayoutFramed         check image and caption places of the framed look at a width
#pragma once

#include "controls/skin_control_model.h"
#include "framework/base/types.h"
#include "skin/control_records.h"

namespace vt {

enum TCheckBoxState : uint8_t { cbUnchecked = 0, cbChecked = 1, cbGrayed = 2 };

// What a value change asks the control to do, in this order: repaint, uncheck the checked
// siblings of its group, raise OnClick.
struct TCheckChange {
    bool Repaint = false;
    bool UncheckGroup = false;
    bool Click = false;
    friend bool operator==(const TCheckChange&, const TCheckChange&) = default;
};

class TCheckRadioState {
public:
    bool Checked() const { return checked_; }
    TCheckBoxState State() const { return state_; }
    bool Down() const { return down_; }
    bool MouseIn() const { return mouseIn_; }

    bool Radio = false;
    bool AllowGrayed = false;
    int GroupIndex = 0;

    // Checked true makes the state checked; false makes a checked state unchecked and leaves a
    // grayed one grayed. OnClick follows even without a change, except for a radio button that
    // has just been unchecked.
    TCheckChange SetChecked(bool value);
    // No group handling.
    TCheckChange SetState(TCheckBoxState value);
    // A check box flips; a radio button only checks (a checked one stays checked, no click).
    TCheckChange Toggle();

    // A left press: the control is pressed, and the mouse counts as in (true when that changed).
    bool Press();
    // The mouse went in or out: the platform's enter and leave notices, or while pressed a move
    // across the control's edges (edges count as inside). True when the flag changed.
    bool SetMouseIn(bool value);
    // A left release: with the mouse in and the press held, the grayed cycle step (unchecked to
    // grayed for a check box with AllowGrayed) or Toggle; elsewhere only the press ends.
    TCheckChange Release();
    // Another window took the capture: the press ends, nothing toggles.
    void CancelPress() { down_ = false; }
    // Enabling or disabling: the hover goes.
    void ResetHover() { mouseIn_ = false; }

private:
    bool checked_ = false;
    TCheckBoxState state_ = cbUnchecked;
    bool down_ = false;
    bool mouseIn_ = false;
};

// The framed look's fade between its normal and hot looks.
using TCheckFade = TFadeSteps;

// The record's check image rectangles, the active and disabled ones falling back to the normal
// ones when empty; the grayed ones as they are.
struct TCheckImageRects {
    TRect Check, UnCheck, ActiveCheck, ActiveUnCheck, UnEnabledCheck, UnEnabledUnCheck;
    TRect Grayed, ActiveGrayed;
};
TCheckImageRects CheckImageRectsOf(const TspDataSkinCheckRadioControl& r);

struct TCheckImageChoice {
    TRect Rect;
    // Drawn lightened (the effect bitmap's brightness routine at 0.5): a grayed state without a
    // grayed picture.
    bool Lighten = false;
    friend bool operator==(const TCheckImageChoice&, const TCheckImageChoice&) = default;
};
TCheckImageChoice ChooseCheckImage(const TCheckImageRects& r, TCheckBoxState state, bool enabled, bool mouseIn);

// The flat look. Without a record the mark is the default 14 x 14 box.
struct TFlatLayoutInput {
    int32_t Width = 0, Height = 0;
    bool HasRecord = false;
    TPoint CheckSize;          // the record's CheckImageRect size
    bool HasImage = false;     // Images with a valid ImageIndex
    TPoint ImageSize;
    bool HasCaption = false;
    bool WordWrap = false;
    // The caption measured: a single line, or with WordWrap the block measured with word breaks
    // in (WrapLeft .. Width) (see FlatWrapLeft).
    TPoint CaptionSize;
};

struct TFlatLayout {
    TRect Check;               // the check image's place, or the default box
    TPoint Image;              // the list image's top-left (when HasImage)
    TRect Caption;             // where the caption is drawn
    TRect Focus;               // the dotted focus frame
};

// Where a word-wrapped caption is measured from: past the mark and, with an image, the image.
int32_t FlatWrapLeft(const TFlatLayoutInput& in);
TFlatLayout LayoutFlat(const TFlatLayoutInput& in);

// The framed look at a width widthChange wider than the record's skin rectangle.
struct TFramedLayout {
    TRect TextArea;            // NewTextArea
    TRect CheckImage;          // CIRect
    friend bool operator==(const TFramedLayout&, const TFramedLayout&) = default;
};
TFramedLayout LayoutFramed(const TRect& textArea, const TRect& checkImageArea, TPoint checkSize, int32_t widthChange);

// The default look's mark positions (flat and framed).
inline TRect DefaultCheckBox(int32_t height) { return Bounds(3, height / 2 - 7, 14, 14); }
inline TPoint DefaultCheckMarkAt(int32_t height) { return {7, height / 2 - 4}; }
inline TPoint DefaultRadioDotAt(int32_t height) { return {7, height / 2 - 3}; }

} // namespace vt
