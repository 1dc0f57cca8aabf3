// The skinned form's fade-in when it is shown: whether the show makes the window layered at all,
// the opacity it ends at, and the stepper that raises the opacity from 0 while the engine pumps
// messages between steps.
//
//   TspFadeInFacts   the form's alpha settings and what the platform allows
//   ShowLayering     what a show does with the layered style
//   TspFadeIn        the opacity over time
#pragma once

#include <cstdint>

namespace vt {

struct TspFadeInFacts {
    bool LayeredSupported = true;  // the platform has layered windows
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false;
    bool AnimationForAllWindows = false;  // the skin's container asks for it; false without a skin
    // The layered frame is used on a system (Vista or later) where the owner must be layered
    // for it even without any alpha setting.
    bool LayeredFrameNeedsLayering = false;
    bool PreviewMode = false;  // the skin chooser's preview window
    bool ChildOwner = false;   // the owner is a child window
};

enum class TspShowLayering : uint8_t {
    None,       // the show leaves the window opaque and unlayered
    FrameOnly,  // layered at the show for the layered frame, made opaque again at once
    FadeIn,     // layered at opacity 0, then faded in by TspFadeIn
};

TspShowLayering ShowLayering(const TspFadeInFacts& f);

// The AlphaBlendValue a show leaves: a skin that animates every window turns 0 (a window never
// seen) into 255.
uint8_t ShownAlphaBlendValue(const TspFadeInFacts& f);
// Whether the opacity rises in steps rather than jumping to the target.
bool FadeAnimated(const TspFadeInFacts& f);
// The opacity the window ends at.
uint8_t FadeTarget(const TspFadeInFacts& f);

class TspFadeIn {
public:
    // Starts at opacity 0 at time nowMs (a millisecond tick that may wrap); without an animation
    // the target is reached at once.
    TspFadeIn(const TspFadeInFacts& f, uint32_t nowMs);

    // One more step when more than 5 ms have passed since the last one; true when the opacity
    // changed.
    bool Tick(uint32_t nowMs);
    // Jumps to the target (the window is hidden or closed while fading): no window stays
    // half transparent.
    void Finish() { opacity_ = target_; }

    uint8_t Opacity() const { return opacity_; }
    uint8_t Target() const { return target_; }
    uint8_t Step() const { return step_; }
    bool Finished() const { return opacity_ == target_; }
    // Fully opaque at the end: the window drops the layered style then.
    bool RemovesLayeredStyle() const { return target_ == 255; }

private:
    uint8_t target_;
    uint8_t step_;
    uint8_t opacity_;
    uint32_t lastStepMs_;
};

} // namespace vt
