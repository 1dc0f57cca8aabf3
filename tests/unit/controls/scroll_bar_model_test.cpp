// The scroll bar's rules without a window: the setters' clamping and which of them notify, the
// parts' places with and without a record, the hit test, and press, drag, repeat and paging
// driven by a simulated clock.
#include "controls/scroll_bar_model.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace vt {
namespace {

// Records what the model asks and runs its timer on a millisecond clock.
class Clock : public IScrollBarSink {
public:
    void StartTimer(unsigned ms) override
    {
        interval = ms;
        due = now + static_cast<int>(ms);
        starts.push_back(ms);
    }
    void StopTimer() override { interval.reset(); }
    void Redraw() override { ++repaints; }
    void Changed() override { changes.push_back(now); }
    void LastChange() override { ++lastChanges; }
    bool UpButtonClick() override { return upHandler && ++upClicks; }
    bool DownButtonClick() override { return downHandler && ++downClicks; }
    void PageUp() override { ++pageUps; }
    void PageDown() override { ++pageDowns; }

    // Advances to t, firing the timer as a window timer would (it repeats until stopped).
    void RunTo(int t, TScrollBarModel& m)
    {
        while (interval && due <= t) {
            now = due;
            due += static_cast<int>(*interval);
            m.TimerTick();
        }
        now = t;
    }

    int now = 0;
    std::optional<unsigned> interval;
    int due = 0;
    std::vector<unsigned> starts;
    int repaints = 0;
    std::vector<int> changes;
    int lastChanges = 0;
    bool upHandler = false, downHandler = false;
    int upClicks = 0, downClicks = 0;
    int pageUps = 0, pageDowns = 0;
};

// The horizontal record of the shipped skins (80 x 17, stretching between 17 and 62) and its
// vertical twin (17 x 70, stretching between 17 and 52).
TScrollBarSkin HorizontalSkin()
{
    TspDataSkinScrollBarControl r(L"hscrollbar");
    r.SkinRect = {0, 0, 80, 17};
    r.RTPoint = {62, 0};
    r.TrackArea = {17, 0, 63, 17};
    r.UpButtonRect = {63, 0, 80, 17};
    r.DownButtonRect = {0, 0, 17, 17};
    r.ThumbRect = {150, 0, 180, 15};
    return CopyScrollBarRecord(r);
}

TScrollBarSkin VerticalSkin()
{
    TspDataSkinScrollBarControl r(L"vscrollbar");
    r.SkinRect = {0, 20, 17, 90};
    r.LBPoint = {0, 52};
    r.TrackArea = {0, 17, 17, 53};
    r.UpButtonRect = {0, 53, 17, 70};
    r.DownButtonRect = {0, 0, 17, 17};
    r.ThumbRect = {20, 40, 35, 70};
    return CopyScrollBarRecord(r);
}

struct ScrollBarModel : ::testing::Test {
    // Horizontal 200 x 19 without a record: down button 1..17, track 17..183, up 183..199.
    ScrollBarModel() { m.UpdateGeometry(); }
    TRect Thumb() { return m.Part(sbpThumb).Rect; }
    Clock clock;
    TScrollBarModel m{clock};
};

// Tests the empty looks falling back along down <- active <- normal.
TEST(ScrollBarRecord, FillsEmptyLooksFromThePreviousOne)
{
    TspDataSkinScrollBarControl r(L"bar");
    r.ActiveUpButtonRect = {1, 1, 2, 2};
    r.ActiveDownButtonRect = {3, 3, 4, 4};
    r.ThumbRect = {5, 5, 6, 6};
    r.GlyphRect = {7, 7, 8, 8};
    r.DownGlyphRect = {9, 9, 10, 10};
    const TScrollBarSkin s = CopyScrollBarRecord(r);
    EXPECT_EQ(s.DownUpButtonRect, r.ActiveUpButtonRect);
    EXPECT_EQ(s.DownDownButtonRect, r.ActiveDownButtonRect);
    EXPECT_EQ(s.ActiveThumbRect, r.ThumbRect);
    EXPECT_EQ(s.DownThumbRect, r.ThumbRect);
    EXPECT_EQ(s.ActiveGlyphRect, r.GlyphRect);
    EXPECT_EQ(s.DownGlyphRect, r.DownGlyphRect);
}

// Tests the position's clamping through the setters, and which of them raise OnChange.
TEST_F(ScrollBarModel, ClampsThePositionAndNotifiesOnlyThroughTheSetter)
{
    struct Case {
        const char* what;
        int min, max, page, position;
        int set;
        int expected;
    };
    const Case cases[] = {
        {"a page of 10 in 0..99 caps at 90", 0, 99, 10, 0, 95, 90},
        {"without a page the cap is Max", 0, 99, 0, 0, 150, 99},
        {"below Min gives Min", 10, 99, 0, 50, -5, 10},
        {"inside the range stays", 0, 99, 10, 0, 42, 42},
        {"a page larger than the range pins Min", 5, 9, 50, 5, 8, 5},
        {"the integer limits do not wrap", 0, 2147483647, 0, 2147483647, 2147483647, 2147483647},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        clock.changes.clear();
        m.SetRange(c.min, c.max, c.page, c.position);
        EXPECT_TRUE(clock.changes.empty()) << "SetRange raised OnChange";
        const int before = m.Position();
        m.SetPosition(c.set);
        EXPECT_EQ(m.Position(), c.expected);
        EXPECT_EQ(clock.changes.size(), before == c.expected ? 0u : 1u);
    }
    m.SetRange(0, 99, 10, 0);
    clock.changes.clear();
    m.SimplySetPosition(50);
    EXPECT_EQ(m.Position(), 50);
    EXPECT_TRUE(clock.changes.empty());
    // The step from the top of the range must not overflow either.
    m.SetRange(0, 2147483647, 0, 2147483647);
    m.SetSmallChange(2147483647);
    m.StepBy(1);
    EXPECT_EQ(m.Position(), 2147483647);
}

// Tests Max, Min and PageSize: lowered or raised positions without OnChange, and a page that
// does not fit from the position refused.
TEST_F(ScrollBarModel, LimitSettersMoveThePositionSilently)
{
    m.SetRange(10, 200, 10, 150);
    m.SetMax(100);
    EXPECT_EQ(m.Position(), 91);
    m.SetRange(10, 200, 0, 150);
    m.SetMax(100);
    EXPECT_EQ(m.Position(), 100);
    m.SetRange(0, 100, 0, 5);
    m.SetMin(20);
    EXPECT_EQ(m.Position(), 20);
    EXPECT_TRUE(clock.changes.empty());

    m.SetRange(0, 99, 0, 80);
    m.SetPageSize(30);   // 100 < 30 + 80: refused
    EXPECT_EQ(m.PageSize(), 0);
    m.SetPageSize(20);   // 100 >= 20 + 80
    EXPECT_EQ(m.PageSize(), 20);
    m.SetBothMarkerWidth(19);
    m.SetBothMarkerWidth(-1);
    EXPECT_EQ(m.BothMarkerWidth(), 19);
}

// Tests the plain geometry: the parts, the thumb's offset rounded half to even, the proportional
// thumb's length (rounded, at least 16, never longer than the track), the vertical and Both
// variants.
TEST_F(ScrollBarModel, PlacesThePartsWithoutARecord)
{
    EXPECT_EQ(m.Part(sbpDown).Rect, (TRect{1, 1, 17, 18}));
    EXPECT_EQ(m.Part(sbpUp).Rect, (TRect{183, 1, 199, 18}));
    EXPECT_EQ(m.Geometry().Track, (TRect{17, 1, 183, 18}));
    EXPECT_EQ(m.Geometry().Offset1, 25);
    EXPECT_EQ(m.Geometry().Offset2, 175);

    struct Case {
        int max, page, position;
        int bOffset;      // nearest(ratio x 150) or of the proportional span
        TRect thumb;
    };
    const Case cases[] = {
        {100, 0, 1, 2, {19, 1, 35, 18}},     // 1.5 -> 2
        {100, 0, 3, 4, {21, 1, 37, 18}},     // 4.5 -> 4
        {100, 0, 5, 8, {25, 1, 41, 18}},     // 7.5 -> 8
        {3, 1, 1, 41, {58, 1, 100, 18}},     // length 166 / 4 = 41.5 -> 42; 1/3 of 124 = 41.3
        {3, 3, 0, 0, {17, 1, 141, 18}},      // 166 x 3 / 4 = 124.5 -> 124
        {99, 10, 90, 150, {167, 1, 183, 18}}, // 16.6 -> 17, half 8: thumb 16 wide at the end
        {999, 1, 0, 0, {17, 1, 33, 18}},     // 0.166 -> never below 16
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "max " << c.max << " page " << c.page << " pos " << c.position);
        m.SetRange(0, c.max, c.page, c.position);
        m.UpdateGeometry();
        EXPECT_EQ(m.Geometry().BOffset, c.bOffset);
        EXPECT_EQ(Thumb(), c.thumb);
    }

    // A page larger than the range: the thumb fills the track at most, the position is Min.
    m.SetRange(0, 9, 50, 5);
    m.UpdateGeometry();
    EXPECT_EQ(m.Position(), 0);
    EXPECT_GE(Thumb().Left, 17);
    EXPECT_LE(Thumb().Right, 183);

    m.SetBoth(true);
    m.SetBothMarkerWidth(19);
    m.UpdateGeometry();
    EXPECT_EQ(m.Part(sbpUp).Rect, (TRect{164, 1, 180, 18}));

    TScrollBarModel v{clock};
    v.SetKind(sbVertical);
    v.SetBoth(true);
    v.SetBothMarkerWidth(19);   // only a horizontal bar leaves the corner free
    v.SetSize(19, 200);
    v.SetRange(0, 100, 0, 3);
    v.UpdateGeometry();
    EXPECT_EQ(v.Part(sbpDown).Rect, (TRect{1, 1, 18, 17}));
    EXPECT_EQ(v.Part(sbpUp).Rect, (TRect{1, 183, 18, 199}));
    EXPECT_EQ(v.Geometry().Track, (TRect{1, 17, 18, 183}));
    EXPECT_EQ(v.Part(sbpThumb).Rect, (TRect{1, 21, 18, 37}));
}

// Tests the record geometry: the track and the parts right of (below) the stretch point move by
// the size change, the thumb takes the record's thumb size and is centred across the track.
TEST_F(ScrollBarModel, PlacesThePartsFromARecord)
{
    m.SetSkin(HorizontalSkin());
    m.SetSize(200, 17);
    m.SetRange(0, 100, 0, 50);
    m.UpdateGeometry();
    EXPECT_EQ(m.Geometry().Track, (TRect{17, 0, 183, 17}));
    EXPECT_EQ(m.Part(sbpUp).Rect, (TRect{183, 0, 200, 17}));
    EXPECT_EQ(m.Part(sbpDown).Rect, (TRect{0, 0, 17, 17}));
    // Thumb 30 x 15: half 15, offsets 32..168, centre 32 + 68; top 8 - 7.
    EXPECT_EQ(Thumb(), (TRect{85, 1, 115, 16}));
    // With a page the thumb is never shorter than the record's.
    m.SetRange(0, 999, 10, 0);
    m.UpdateGeometry();
    EXPECT_EQ(Thumb(), (TRect{17, 1, 47, 16}));

    TScrollBarModel v{clock};
    v.SetKind(sbVertical);
    v.SetSkin(VerticalSkin());
    v.SetSize(17, 170);
    v.SetRange(0, 100, 0, 100);
    v.UpdateGeometry();
    EXPECT_EQ(v.Geometry().Track, (TRect{0, 17, 17, 153}));
    EXPECT_EQ(v.Part(sbpUp).Rect, (TRect{0, 153, 17, 170}));
    EXPECT_EQ(v.Part(sbpDown).Rect, (TRect{0, 0, 17, 17}));
    EXPECT_EQ(v.Part(sbpThumb).Rect, (TRect{1, 123, 16, 153}));
}

// Tests the hit test: the right and bottom edges belong to the next part.
TEST_F(ScrollBarModel, HitTestExcludesRightAndBottomEdges)
{
    m.SetRange(0, 100, 0, 0);
    m.UpdateGeometry();   // thumb 17..33
    EXPECT_EQ(m.HitTest({16, 5}), sbpDown);
    EXPECT_EQ(m.HitTest({17, 5}), sbpThumb);
    EXPECT_EQ(m.HitTest({32, 5}), sbpThumb);
    EXPECT_EQ(m.HitTest({33, 5}), -1);
    EXPECT_EQ(m.HitTest({183, 5}), sbpUp);
    EXPECT_EQ(m.HitTest({190, 18}), -1);
}

// Tests holding the up button: a step at the press, 500 ms of wait, then one step every 50 ms
// until Max; leaving pauses, returning resumes at 50 ms; the release stops the timer.
TEST_F(ScrollBarModel, HeldButtonRepeatsAfterTheFirstDelay)
{
    m.SetRange(0, 20, 0, 0);
    m.MouseMove({190, 9});
    m.MouseDown(TScrollMouse::Left, {190, 9});
    EXPECT_EQ(m.Position(), 1);
    EXPECT_EQ(clock.interval, 500u);
    clock.RunTo(540, m);
    EXPECT_EQ(m.Position(), 1);
    EXPECT_EQ(clock.interval, 50u);
    clock.RunTo(700, m);   // ticks at 550, 600, 650, 700
    EXPECT_EQ(m.Position(), 5);
    EXPECT_EQ(clock.changes, (std::vector<int>{0, 550, 600, 650, 700}));

    m.MouseMove({100, 9});
    EXPECT_FALSE(clock.interval);
    clock.RunTo(1000, m);
    EXPECT_EQ(m.Position(), 5);
    m.MouseMove({190, 9});
    EXPECT_EQ(clock.interval, 50u);
    clock.RunTo(5000, m);
    EXPECT_EQ(m.Position(), 20);
    EXPECT_EQ(clock.changes.size(), 20u);

    m.MouseUp(TScrollMouse::Left, {190, 9});
    EXPECT_FALSE(clock.interval);
    EXPECT_FALSE(m.Part(sbpUp).Down);
    EXPECT_EQ(m.TimerMode(), 0);
}

// Tests OnUpButtonClick and OnDownButtonClick replacing the step at the press and each repeat.
TEST_F(ScrollBarModel, ButtonHandlersReplaceTheStep)
{
    clock.upHandler = clock.downHandler = true;
    m.SetRange(0, 100, 0, 50);
    m.MouseDown(TScrollMouse::Left, {190, 9});
    clock.RunTo(650, m);   // the press, then ticks at 550, 600, 650
    m.MouseUp(TScrollMouse::Left, {190, 9});
    m.MouseDown(TScrollMouse::Left, {5, 9});
    m.MouseUp(TScrollMouse::Left, {5, 9});
    EXPECT_EQ(clock.upClicks, 4);
    EXPECT_EQ(clock.downClicks, 1);
    EXPECT_EQ(m.Position(), 50);
    EXPECT_TRUE(clock.changes.empty());
}

// Tests paging by holding the track after the thumb: a page at the press, then every 50 ms
// after the first delay until the thumb passes the mouse; the next press before the thumb pages
// the other way, and the release stops it.
TEST_F(ScrollBarModel, PagingStopsOnceTheThumbPassesTheMouse)
{
    m.SetRange(0, 100, 0, 0);
    m.SetLargeChange(10);
    m.MouseDown(TScrollMouse::Left, {150, 9});
    EXPECT_EQ(m.Position(), 10);
    EXPECT_EQ(clock.pageDowns, 1);
    clock.RunTo(5000, m);
    // Centre 25 + 1.5 x position: at 70 the thumb ends at 138 (before 150), at 80 at 153.
    EXPECT_EQ(m.Position(), 80);
    EXPECT_EQ(clock.pageDowns, 8);
    EXPECT_FALSE(clock.interval);
    m.MouseUp(TScrollMouse::Left, {150, 9});

    m.MouseDown(TScrollMouse::Left, {40, 9});
    EXPECT_EQ(m.Position(), 70);
    EXPECT_EQ(clock.pageUps, 1);
    m.MouseUp(TScrollMouse::Left, {40, 9});
    EXPECT_FALSE(clock.interval);
    clock.RunTo(10000, m);
    EXPECT_EQ(m.Position(), 70);
}

// Tests dragging the thumb: positions follow the mouse, past either end give Min and Max (or
// Max - PageSize + 1), and OnLastChange comes once, at the left release.
TEST_F(ScrollBarModel, DraggingThumbFollowsTheMouseAndEndsWithLastChange)
{
    struct Case {
        int page;
        int to;
        int expected;
    };
    const Case cases[] = {
        {0, 25 + 75, 50},     // half the span of 150
        {0, 500, 100},        // past the end
        {0, -500, 0},         // past the start
        {10, 500, 91},        // Max - PageSize + 1
        {10, 17, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << " to " << c.to);
        clock.lastChanges = 0;
        m.SetRange(0, 100, c.page, 0);
        m.UpdateGeometry();
        const TPoint grip{Thumb().Left + 8, 9};
        m.MouseDown(TScrollMouse::Left, grip);
        EXPECT_TRUE(m.Dragging());
        m.MouseMove({grip.X + c.to - 25, 9});
        m.MouseMove({grip.X + c.to - 25, 40});
        EXPECT_EQ(m.Position(), c.expected);
        EXPECT_EQ(clock.lastChanges, 0);
        m.MouseUp(TScrollMouse::Left, {grip.X + c.to - 25, 40});
        EXPECT_FALSE(m.Dragging());
        EXPECT_EQ(clock.lastChanges, 1);
    }
    // A press with another button starts nothing.
    m.MouseDown(TScrollMouse::Right, {Thumb().Left + 2, 9});
    EXPECT_FALSE(m.Dragging());
    EXPECT_FALSE(m.Pressed());
}

// Tests losing the capture mid-press: the repeat stops, the part is released, a drag ends
// without OnLastChange, and later ticks change nothing.
TEST_F(ScrollBarModel, CaptureLossEndsThePress)
{
    m.SetRange(0, 100, 0, 0);
    m.MouseDown(TScrollMouse::Left, {190, 9});
    clock.RunTo(600, m);
    const int reached = m.Position();
    m.CaptureLost();
    EXPECT_FALSE(clock.interval);
    EXPECT_EQ(m.TimerMode(), 0);
    EXPECT_FALSE(m.Part(sbpUp).Down);
    EXPECT_EQ(m.CaptureButton(), -1);
    clock.RunTo(2000, m);
    EXPECT_EQ(m.Position(), reached);

    m.UpdateGeometry();
    const TPoint grip{Thumb().Left + 2, 9};
    m.MouseDown(TScrollMouse::Left, grip);
    m.CaptureLost();
    EXPECT_FALSE(m.Dragging());
    m.MouseMove({grip.X + 60, 9});
    m.MouseUp(TScrollMouse::Left, {grip.X + 60, 9});
    EXPECT_EQ(m.Position(), reached);
    EXPECT_EQ(clock.lastChanges, 0);
}

// Tests the hover marks and the mouse leaving: hovered parts lose the mark, a page repeat stops.
TEST_F(ScrollBarModel, LeavingClearsTheHoverAndStopsPaging)
{
    m.MouseMove({5, 9});
    EXPECT_TRUE(m.Part(sbpDown).MouseIn);
    m.MouseMove({25, 9});
    EXPECT_FALSE(m.Part(sbpDown).MouseIn);
    EXPECT_TRUE(m.Part(sbpThumb).MouseIn);
    m.MouseLeave();
    EXPECT_FALSE(m.Part(sbpThumb).MouseIn);
    EXPECT_EQ(m.ActiveButton(), -1);

    m.SetLargeChange(5);
    m.MouseDown(TScrollMouse::Left, {150, 9});
    EXPECT_TRUE(clock.interval);
    m.MouseLeave();
    EXPECT_FALSE(clock.interval);
}

// Tests the wheel's direction and the arrow steps.
TEST_F(ScrollBarModel, WheelAndArrowsStepBySmallChange)
{
    m.SetRange(0, 100, 0, 50);
    m.SetSmallChange(3);
    m.Wheel(120);
    EXPECT_EQ(m.Position(), 47);
    m.Wheel(-240);
    EXPECT_EQ(m.Position(), 50);
    m.StepBy(1);
    EXPECT_EQ(m.Position(), 53);
}

} // namespace
} // namespace vt
