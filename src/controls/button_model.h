// The portable half of the skinned buttons: what a button copies from its record, the look a
// paint chooses, the glyph and font colour, the animation frame rectangle, the glow frame's
// composition, and the state machine that turns presses, keys, focus and timer ticks into clicks,
// Down changes, fades and repeats. The window classes (button_win.h) feed it messages and carry
// out what it asks through IButtonHost.
//
//   TButtonSkin           the record's fields a button uses, completed (empty rectangles filled)
//   ChooseButtonLook      disabled > down > focused > hot > idle, or a fade between idle and hot
//   ButtonGlyphIndex      which of NumGlyphs images of Glyph to draw
//   ButtonFontColour      the caption colour of a look
//   AnimationFrameRect    frame n of the record's animation strip
//   ChooseGlow / ComposeGlowImage   the glow frame's picture at the button's size
//   TButtonModel          the state machine
#pragma once

#include "controls/skin_control_model.h"
#include "raster/bitmap.h"
#include "skin/control_records.h"

#include <cstdint>

namespace vt {

// --- The record -------------------------------------------------------------------------------

struct TButtonSkin {
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    TRect SkinRect, ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
    bool Morphing = false;
    TMorphKind MorphKind = mkDefault;
    int32_t FrameCount = 0, AnimateInterval = 0;
    bool ShowFocus = false;
    int32_t GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int32_t GlowLayerOffsetLeft = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetTop = 0, GlowLayerOffsetBottom = 0;
    int32_t GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
    int32_t GlowLayerAlphaBlendValue = 255;
};

// Copies the record: an empty ActiveSkinRect becomes SkinRect, an empty DownSkinRect the
// completed ActiveSkinRect, a DisabledFontColor equal to FontColor becomes grey.
TButtonSkin ReadButtonSkin(const TspDataSkinButtonControl& r);

// --- Looks ------------------------------------------------------------------------------------

enum class TButtonLook : uint8_t {
    blFade,       // normal and hot images mixed by the morph factor
    blDisabled,   // DisabledSkinRect
    blDown,       // DownSkinRect, active and down
    blFocused,    // FocusedSkinRect, active
    blHot,        // ActiveSkinRect, active
    blNormal,     // SkinRect
};

struct TButtonLookInput {
    bool Enabled = true;
    bool Down = false;
    bool Grouped = false;        // GroupIndex not 0
    bool MouseIn = false;
    bool Focused = false;        // has the focus and CanFocused
    bool LeftHeld = false;       // the left mouse button is down now
    bool HasDisabledRect = false;
    bool HasFocusedRect = false;
    bool Animating = false;      // a frame animation runs
    bool MorphOn = false;
    double MorphKf = 0;
};

TButtonLook ChooseButtonLook(const TButtonLookInput& in);
// The active and down flags a look draws with.
bool LookIsActive(TButtonLook look);
bool LookIsDown(TButtonLook look);
// The rectangle a look takes from the skin (blFade has two: normal and hot).
TRect LookRect(const TButtonSkin& skin, TButtonLook look);

// 1 normal, 2 disabled, 3 pressed, 4 hot.
int ButtonGlyphIndex(bool down, bool active, bool enabled, int numGlyphs);

struct TButtonColourInput {
    bool UseSkinFontColor = true;
    bool Enabled = true;
    bool Active = false;
    bool Down = false;
    bool Transparent = false;
    TColor DefaultFontColor = 0;   // DefaultFont's colour
    TColor ButtonTextColor = 0;    // the skin colours' button text
};
TColor ButtonFontColour(const TButtonSkin& skin, const TButtonColourInput& in);

// Frame (1-based) of the animation strip: side by side horizontally when the strip is wider than
// SkinRect, else stacked. Empty for a FrameCount below 1 or a frame outside 1..FrameCount.
TRect AnimationFrameRect(const TButtonSkin& skin, int frame);

// --- Glow frame -------------------------------------------------------------------------------

enum class TGlowCompose : uint8_t {
    gcNone,       // the mode shows no glow
    gcAsIs,       // mode 0: the pictures as they are
    gcHorzBand,   // mode 2 with UseSkinSize: widened by the width change
    gcFramed,     // mode 1: grown by the size change inside the offsets
};
TGlowCompose ChooseGlow(TResizeMode mode, bool useSkinSize);

// The glow picture (or its mask) at a button of dW x dH pixels more than its SkinRect. False when
// the picture is empty or the composition gives nothing.
bool ComposeGlowImage(TspBitmap& out, TPixelView picture, TGlowCompose how, const TButtonSkin& skin, int32_t dW,
                      int32_t dH);

// --- State machine ----------------------------------------------------------------------------

enum class TButtonTimer : uint8_t { btMorph, btAnimate, btRepeat };

inline constexpr int kMorphInterval = 20;
inline constexpr int kRepeatFirstDelay = 500;

// What the state machine asks of its window.
class IButtonHost {
public:
    virtual void ButtonClick() = 0;
    virtual void Repaint() = 0;
    // Starts the timer, or gives a running one the new interval.
    virtual void StartTimer(TButtonTimer timer, int ms) = 0;
    virtual void StopTimer(TButtonTimer timer) = 0;
    // Raises every down sibling of the same group (Down false).
    virtual void RaiseGroupSiblings() = 0;
    // Shows or hides the glow frame once the current message is done.
    virtual void PostGlow(bool show) = 0;

protected:
    ~IButtonHost() = default;
};

struct TButtonOptions {
    bool CheckedMode = false;
    bool AllowAllUp = false;
    bool RepeatMode = false;
    int RepeatInterval = 100;
    int GroupIndex = 0;
    bool CanFocused = true;
    bool SpaceSupport = true;
    bool Default = false;
    bool Cancel = false;
};

// What the skin allows, refreshed at every record lookup.
struct TButtonSkinState {
    bool HasRecord = false;
    bool MorphOn = false;           // the record's Morphing with skin effects on
    bool AnimationOn = false;       // skin effects on, AnimateSkinRect not empty, FrameCount >= 1
    int FrameCount = 0;
    int AnimateInterval = 0;
};

enum TDialogKey : uint8_t { dkOther, dkEnter, dkEscape };

class TButtonModel {
public:
    explicit TButtonModel(IButtonHost& host) : host_(host) {}

    TButtonOptions Options;
    TButtonSkinState Skin;

    bool Grouped() const { return Options.GroupIndex != 0; }
    bool Down() const { return down_; }
    bool MouseIn() const { return mouseIn_; }
    bool MouseDown() const { return mouseDown_; }
    bool Focused() const { return focused_; }
    bool Active() const { return active_; }
    double MorphKf() const { return fade_.Factor(); }
    int CurrentFrame() const { return currentFrame_; }
    bool AnimatingForward() const { return animateInc_; }
    bool Animating() const { return currentFrame_ > 0 && currentFrame_ <= Skin.FrameCount; }
    bool Repeating() const { return repeating_; }

    // Down, with the fade reset, a repaint and the group's siblings raised.
    void SetDown(bool value);
    // Down without the rest (a sibling raised by the group, or a window that set it quietly).
    void SetDownFlag(bool value) { down_ = value; }
    void SetActive(bool value) { active_ = value; }
    void SetMouseIn(bool value) { mouseIn_ = value; }

    // Left button only; over: the release point lies on the button.
    void Press();
    void Release(bool over);
    void MouseEnter();
    void MouseLeave();
    // Another window took the capture: the press ends, with no click.
    void CaptureLost();
    void FocusEnter();
    void FocusExit();
    // Space and Enter on the focused button.
    void KeyDown(TDialogKey key, bool space);
    void KeyUp(bool space);
    // A dialog key offered by the form; true when it clicked (and takes the key). canFocus: the
    // window can take the focus now; modifiers: Shift, Ctrl or Alt held.
    bool DialogKey(TDialogKey key, bool enabled, bool canFocus, bool modifiers);
    // The form's focus moved: focusedIsButton when the new focus is a skinned button, isThis when
    // it is this one.
    void FocusChanged(bool focusedIsButton, bool isThis);
    void EnabledChanged();
    // Clears the mouse and down state and the fade (RefreshButton).
    void Reset();
    // Before a skin change: fade and animation stop.
    void StopEffects();
    // After the record was read again: the fade comes back for a focused or hovered button.
    void SkinChanged();

    // A tick of one of the timers the state machine started.
    void TimerTick(TButtonTimer timer);

    void StartAnimation(bool forward);
    void StopAnimation();
    void StopRepeat();

private:
    bool Lit() const { return mouseIn_ || focused_; }
    // Fades towards hot (in) or normal, or repaints without a fade.
    void Fade();
    void StartRepeat();
    // The enter/leave condition: grouped buttons react while up, others while unfocused or down.
    bool ReactsToHover() const;
    void MorphTick();
    void AnimateTick();
    void RepeatTick();

    IButtonHost& host_;
    bool down_ = false;
    bool mouseIn_ = false;
    bool mouseDown_ = false;
    bool focused_ = false;
    bool active_ = false;
    bool stopMouseUp_ = false;
    bool allowAllUpCheck_ = false;
    TFadeSteps fade_;
    int currentFrame_ = 0;
    bool animateInc_ = true;
    bool repeating_ = false;
    bool repeatFirst_ = false;
};

} // namespace vt
