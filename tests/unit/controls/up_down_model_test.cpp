// The up-down's buttons, press and repeat driven by a simulated clock: the schedule of steps
// while a button is held, the step on release, leaving and returning, the limits, and capture
// loss.
#include "controls/up_down_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vt {
namespace {

// Records what the model asks and runs its timer on a millisecond clock.
class Clock : public IUpDownSink {
public:
    void StartTimer(unsigned ms) override
    {
        interval = ms;
        due = now + ms;
    }
    void StopTimer() override { interval.reset(); }
    void Redraw() override { ++repaints; }
    void Changed() override { changes.push_back(now); }
    void UpClick() override { ++upClicks; }
    void DownClick() override { ++downClicks; }

    // Advances to t, firing the timer as a window timer would (it repeats until stopped).
    void RunTo(int t, TUpDownModel& m)
    {
        while (interval && due <= t) {
            now = due;
            due += *interval;
            m.TimerTick();
        }
        now = t;
    }

    int now = 0;
    std::optional<unsigned> interval;
    int due = 0;
    int repaints = 0;
    std::vector<int> changes;
    int upClicks = 0, downClicks = 0;
};

// Horizontal 40 x 20 without skin size: down (1) left half, up (0) right half.
constexpr TPoint kUp{30, 10}, kDown{10, 10}, kOff{100, 100};

struct UpDownModel : ::testing::Test {
    UpDownModel() { m.SetButtonRects(UpDownButtonRects(false, {}, {}, udHorizontal, 40, 20)); }
    Clock clock;
    TUpDownModel m{clock};
};

// Tests the button halves and the record's rectangles.
TEST(UpDownButtons, PlacesBothButtons)
{
    struct Case {
        bool skinSize;
        TUDOrientation o;
        TRect up, down;
    } cases[] = {
        {false, udHorizontal, {20, 0, 41, 20}, {0, 0, 20, 20}},
        {false, udVertical, {0, 0, 41, 10}, {0, 10, 41, 20}},
        {true, udHorizontal, {1, 2, 3, 4}, {5, 6, 7, 8}},
    };
    for (const Case& c : cases) {
        auto r = UpDownButtonRects(c.skinSize, {1, 2, 3, 4}, {5, 6, 7, 8}, c.o, 41, 20);
        EXPECT_EQ(r[0], c.up);
        EXPECT_EQ(r[1], c.down);
    }
}

// Tests the repeat schedule: held buttons step 600 ms after the press and every 100 ms after,
// the release steps once more; a short click steps once.
TEST_F(UpDownModel, HeldButtonRepeatsOnScheduleAndStepsOnRelease)
{
    struct Case {
        TPoint at;
        int holdMs;
        std::vector<int> changeTimes;  // the release is at holdMs
        int position;
    } cases[] = {
        {kUp, 50, {50}, 1},
        {kUp, 599, {599}, 1},
        {kUp, 600, {600, 600}, 2},
        {kUp, 850, {600, 700, 800, 850}, 4},
        {kDown, 750, {600, 700, 750}, -3},
    };
    for (const Case& c : cases) {
        Clock clock;
        TUpDownModel m(clock);
        m.SetMin(-10);
        m.SetButtonRects(UpDownButtonRects(false, {}, {}, udHorizontal, 40, 20));
        m.MouseMove(c.at);
        ASSERT_TRUE(m.MouseDown(TUpDownMouse::Left, c.at));
        clock.RunTo(c.holdMs, m);
        EXPECT_TRUE(m.MouseUp(TUpDownMouse::Left, c.at));
        EXPECT_FALSE(clock.interval) << "the release stops the timer";
        EXPECT_EQ(clock.changes, c.changeTimes) << c.holdMs;
        EXPECT_EQ(m.Position(), c.position);
        EXPECT_EQ(clock.upClicks + clock.downClicks, 1);
        EXPECT_FALSE(m.Button(0).Down || m.Button(1).Down);
    }
}

// Tests that dragging off the held button stops the repeat and coming back resumes it at 50 ms.
TEST_F(UpDownModel, DragOffStopsAndReturnResumesFaster)
{
    m.MouseDown(TUpDownMouse::Left, kUp);
    clock.RunTo(650, m);  // one step at 600
    m.MouseMove(kOff);
    EXPECT_FALSE(clock.interval);
    EXPECT_FALSE(m.Button(0).MouseIn);
    EXPECT_TRUE(m.Button(0).Down);
    clock.RunTo(1000, m);
    EXPECT_EQ(m.Position(), 1);
    m.MouseMove(kDown);  // the other button counts as none while one is held
    EXPECT_EQ(m.ActiveButton(), -1);
    EXPECT_FALSE(m.Button(1).MouseIn);
    m.MouseMove(kUp);
    clock.RunTo(1120, m);
    EXPECT_EQ(clock.changes, (std::vector<int>{600, 1050, 1100}));
    // Released off the button: one more step and the click all the same.
    m.MouseUp(TUpDownMouse::Left, kOff);
    EXPECT_EQ(m.Position(), 4);
    EXPECT_EQ(clock.upClicks, 1);
    EXPECT_FALSE(m.Button(0).MouseIn);
}

// Tests the limits: out-of-range sets are ignored, Min and Max clamp silently, and a held button
// at Max changes nothing yet still clicks.
TEST_F(UpDownModel, LimitsIgnoreStepsButReleaseStillClicks)
{
    m.SetPosition(101);
    m.SetPosition(-1);
    EXPECT_EQ(m.Position(), 0);
    EXPECT_TRUE(clock.changes.empty());
    m.SetPosition(50);
    m.SetMax(40);
    EXPECT_EQ(m.Position(), 40);
    m.SetMin(45);
    EXPECT_EQ(m.Position(), 45);
    EXPECT_EQ(clock.changes.size(), 1u);
    m.SetMax(45);
    m.MouseDown(TUpDownMouse::Left, kUp);
    clock.RunTo(900, m);
    m.MouseUp(TUpDownMouse::Left, kUp);
    EXPECT_EQ(m.Position(), 45);
    EXPECT_EQ(clock.changes.size(), 1u);
    EXPECT_EQ(clock.upClicks, 1);
}

// Tests that with Increment 0 the buttons only click.
TEST_F(UpDownModel, ZeroIncrementOnlyClicks)
{
    m.SetIncrement(0);
    m.MouseDown(TUpDownMouse::Left, kDown);
    EXPECT_FALSE(clock.interval);
    clock.RunTo(2000, m);
    m.MouseUp(TUpDownMouse::Left, kDown);
    EXPECT_EQ(clock.downClicks, 1);
    EXPECT_TRUE(clock.changes.empty());
}

// Tests that one capture holds at a time: another mouse button neither presses nor releases it,
// and right and middle buttons press like the left.
TEST_F(UpDownModel, OneCaptureAtATimeForAnyMouseButton)
{
    EXPECT_TRUE(m.MouseDown(TUpDownMouse::Right, kDown));
    EXPECT_FALSE(m.MouseDown(TUpDownMouse::Left, kUp));
    EXPECT_FALSE(m.MouseUp(TUpDownMouse::Left, kDown));
    EXPECT_EQ(m.CaptureButton(), 1);
    EXPECT_TRUE(m.MouseUp(TUpDownMouse::Right, kDown));
    EXPECT_EQ(m.Position(), 0);
    EXPECT_EQ(clock.downClicks, 1);
    EXPECT_TRUE(m.MouseDown(TUpDownMouse::Middle, kUp));
    EXPECT_TRUE(m.MouseUp(TUpDownMouse::Middle, kUp));
    EXPECT_EQ(m.Position(), 1);
    EXPECT_FALSE(m.MouseDown(TUpDownMouse::Left, kOff)) << "a press beside the buttons";
}

// Tests that losing the capture stops the repeat and drops the press with no step and no click.
TEST_F(UpDownModel, CaptureLossStopsWithoutClick)
{
    m.MouseDown(TUpDownMouse::Left, kUp);
    clock.RunTo(720, m);
    EXPECT_EQ(m.Position(), 2);
    m.CaptureLost();
    EXPECT_FALSE(clock.interval);
    EXPECT_FALSE(m.Repeating());
    EXPECT_FALSE(m.Button(0).Down);
    EXPECT_EQ(m.CaptureButton(), -1);
    clock.RunTo(2000, m);
    EXPECT_FALSE(m.MouseUp(TUpDownMouse::Left, kUp));
    EXPECT_EQ(m.Position(), 2);
    EXPECT_EQ(clock.upClicks, 0);
    EXPECT_TRUE(m.MouseDown(TUpDownMouse::Left, kUp)) << "the next press works again";
}

} // namespace
} // namespace vt
