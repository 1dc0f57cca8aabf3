// The show fade-in: whether a show layers the window, the opacity it ends at, and the steps
// that reach it over a millisecond clock the test drives.
#include <gtest/gtest.h>

#include <vector>

#include "form/fade_in.h"

namespace vt {
namespace {

TspFadeInFacts Animated(uint8_t value = 200)
{
    TspFadeInFacts f;
    f.AlphaBlendAnimation = true;
    f.AlphaBlendValue = value;
    return f;
}

// Ticks every 6 ms from start until the fade ends; the opacity after each step.
std::vector<int> StepsUntilDone(TspFadeIn& fade, uint32_t start)
{
    std::vector<int> seen;
    for (uint32_t t = start + 6; !fade.Finished() && seen.size() < 300; t += 6) {
        EXPECT_TRUE(fade.Tick(t));
        seen.push_back(fade.Opacity());
    }
    return seen;
}

// Tests that a fade to 255 rises by 17 and arrives after exactly 15 steps, then drops the
// layered style.
TEST(FadeIn, ToOpaqueInFifteenStepsOfSeventeen)
{
    TspFadeIn fade(Animated(), 1000);
    EXPECT_EQ(fade.Opacity(), 0);
    EXPECT_EQ(fade.Target(), 255);
    std::vector<int> expected;
    for (int i = 1; i <= 15; ++i)
        expected.push_back(17 * i);
    EXPECT_EQ(StepsUntilDone(fade, 1000), expected);
    EXPECT_FALSE(fade.Tick(5000));  // finished: no further step
    EXPECT_TRUE(fade.RemovesLayeredStyle());
}

// Tests that targets below 15 still rise by 1 per step and that a target the steps overshoot
// (200 in steps of 13) stops at the target.
TEST(FadeIn, SmallTargetsRiseByOneAndStepsStopAtTheTarget)
{
    TspFadeInFacts f = Animated(10);
    f.AlphaBlend = true;
    TspFadeIn small(f, 0);
    EXPECT_EQ(small.Step(), 1);
    EXPECT_EQ(StepsUntilDone(small, 0), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10}));
    EXPECT_FALSE(small.RemovesLayeredStyle());

    f.AlphaBlendValue = 200;
    TspFadeIn partial(f, 0);
    const std::vector<int> seen = StepsUntilDone(partial, 0);
    ASSERT_EQ(seen.size(), 16u);
    EXPECT_EQ(seen[14], 195);
    EXPECT_EQ(seen[15], 200);
}

// Tests that a step needs more than 5 ms since the last one, across the tick counter's wrap.
TEST(FadeIn, NoStepBeforeMoreThanFiveMilliseconds)
{
    const uint32_t start = 0xFFFFFFFEu;
    TspFadeIn fade(Animated(), start);
    EXPECT_FALSE(fade.Tick(start));
    EXPECT_FALSE(fade.Tick(start + 5));  // wrapped to 3: exactly 5 ms
    EXPECT_EQ(fade.Opacity(), 0);
    EXPECT_TRUE(fade.Tick(start + 6));
    EXPECT_EQ(fade.Opacity(), 17);
    EXPECT_FALSE(fade.Tick(start + 11));  // the interval counts from the last step
    EXPECT_TRUE(fade.Tick(start + 12));
    EXPECT_EQ(fade.Opacity(), 34);
    fade.Finish();
    EXPECT_EQ(fade.Opacity(), 255);
    EXPECT_TRUE(fade.Finished());
}

// Tests the targets: 255 with an animation unless AlphaBlend holds the window at its value, the
// value at once without an animation (layered style kept below 255), and a skin that animates
// every window turning a value of 0 into 255.
TEST(FadeIn, TargetsAndWhetherTheyAreReachedAtOnce)
{
    struct Case {
        const char* Name;
        bool AlphaBlend, Animation, ForAll;
        uint8_t Value;
        int Target;
        bool Animated, RemovesStyle;
    };
    const Case cases[] = {
        {"alpha blend only", true, false, false, 200, 200, false, false},
        {"alpha blend at 255", true, false, false, 255, 255, false, true},
        {"animation only", false, true, false, 200, 255, true, true},
        {"animation held at the value", true, true, false, 120, 120, true, false},
        {"skin animates every window", false, false, true, 200, 255, true, true},
        {"every window, alpha blend 0", true, false, true, 0, 255, true, true},
        {"alpha blend 0 on its own", true, false, false, 0, 0, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TspFadeInFacts f;
        f.AlphaBlend = c.AlphaBlend;
        f.AlphaBlendAnimation = c.Animation;
        f.AnimationForAllWindows = c.ForAll;
        f.AlphaBlendValue = c.Value;
        TspFadeIn fade(f, 0);
        EXPECT_EQ(fade.Target(), c.Target);
        EXPECT_EQ(fade.Finished(), !c.Animated);
        EXPECT_EQ(fade.Opacity(), c.Animated ? 0 : c.Target);
        EXPECT_EQ(fade.RemovesLayeredStyle(), c.RemovesStyle);
    }
    TspFadeInFacts f;
    f.AnimationForAllWindows = true;
    f.AlphaBlendValue = 0;
    EXPECT_EQ(ShownAlphaBlendValue(f), 255);
    f.AnimationForAllWindows = false;
    EXPECT_EQ(ShownAlphaBlendValue(f), 0);
}

// Tests whether a show layers the window: only with layered windows and an alpha setting, never
// for a child or preview window, and for the layered frame alone where it needs it.
TEST(FadeIn, WhetherAShowLayersTheWindow)
{
    using L = TspShowLayering;
    struct Case {
        const char* Name;
        bool Supported, AlphaBlend, Animation, ForAll, FrameNeeds, Preview, Child;
        L Expected;
    };
    const Case cases[] = {
        {"nothing asked", true, false, false, false, false, false, false, L::None},
        {"alpha blend", true, true, false, false, false, false, false, L::FadeIn},
        {"animation", true, false, true, false, false, false, false, L::FadeIn},
        {"skin animates every window", true, false, false, true, false, false, false, L::FadeIn},
        {"no layered windows", false, true, true, true, false, false, false, L::None},
        {"layered frame alone", true, false, false, false, true, false, false, L::FrameOnly},
        {"layered frame with animation", true, false, true, false, true, false, false, L::FadeIn},
        {"preview", true, true, true, true, true, true, false, L::None},
        {"child owner", true, true, true, true, false, false, true, L::None},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Name);
        TspFadeInFacts f;
        f.LayeredSupported = c.Supported;
        f.AlphaBlend = c.AlphaBlend;
        f.AlphaBlendAnimation = c.Animation;
        f.AnimationForAllWindows = c.ForAll;
        f.LayeredFrameNeedsLayering = c.FrameNeeds;
        f.PreviewMode = c.Preview;
        f.ChildOwner = c.Child;
        EXPECT_EQ(ShowLayering(f), c.Expected);
    }
}

} // namespace
} // namespace vt
