#include "form/fade_in.h"

#include <algorithm>

namespace vt {

namespace {

constexpr int kFadeSteps = 15;
constexpr uint32_t kStepIntervalMs = 5;  // a step needs more than this since the last

} // namespace

TspShowLayering ShowLayering(const TspFadeInFacts& f)
{
    // A child window fades with its parent, never on its own.
    if (f.PreviewMode || f.ChildOwner)
        return TspShowLayering::None;
    if (f.LayeredSupported && (f.AlphaBlend || f.AlphaBlendAnimation || f.AnimationForAllWindows))
        return TspShowLayering::FadeIn;
    return f.LayeredFrameNeedsLayering ? TspShowLayering::FrameOnly : TspShowLayering::None;
}

uint8_t ShownAlphaBlendValue(const TspFadeInFacts& f)
{
    return f.AnimationForAllWindows && f.AlphaBlendValue == 0 ? 255 : f.AlphaBlendValue;
}

bool FadeAnimated(const TspFadeInFacts& f)
{
    return f.AlphaBlendAnimation || f.AnimationForAllWindows;
}

uint8_t FadeTarget(const TspFadeInFacts& f)
{
    return FadeAnimated(f) && !f.AlphaBlend ? 255 : ShownAlphaBlendValue(f);
}

TspFadeIn::TspFadeIn(const TspFadeInFacts& f, uint32_t nowMs)
    : target_(FadeTarget(f))
    , step_(static_cast<uint8_t>(std::max(1, target_ / kFadeSteps)))
    , opacity_(FadeAnimated(f) ? 0 : target_)
    , lastStepMs_(nowMs)
{
}

bool TspFadeIn::Tick(uint32_t nowMs)
{
    // Unsigned difference: right across the tick counter's wrap.
    if (Finished() || nowMs - lastStepMs_ <= kStepIntervalMs)
        return false;
    opacity_ = static_cast<uint8_t>(std::min<int>(target_, opacity_ + step_));
    lastStepMs_ = nowMs;
    return true;
}

} // namespace vt
