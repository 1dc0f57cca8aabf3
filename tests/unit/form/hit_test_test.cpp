// The skinned form's hit test and the mouse tracking over its objects. Expected codes come from
// the default skin's numbers (skins/zozaziz/skin.ini) at 300 x 200: client (2, 29, 298, 198),
// hit-test corners (5, 6), (295, 6), (5, 195), (295, 195), border width 2, and a mask that cuts
// 4, 2, 1 and 1 pixels off the first four rows at each side.
#include "form/frame_paint.h"
#include "form/hit_test.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace vt {
namespace {

class TRecordingHost : public ISkinObjectHost {
public:
    void ObjectMouseEnter(const String& idName) override { Events.push_back(L"enter " + idName); }
    void ObjectMouseLeave(const String& idName) override { Events.push_back(L"leave " + idName); }
    void ObjectMouseDown(const String& idName, int X, int Y, const TRect&, TspMouseButton) override
    {
        Events.push_back(L"down " + idName + L" " + Xy(X, Y));
    }
    void ObjectMouseMove(const String& idName, int X, int Y, const TRect&) override
    {
        Events.push_back(L"move " + idName + L" " + Xy(X, Y));
    }
    static String Xy(int X, int Y) { return std::to_wstring(X) + L"," + std::to_wstring(Y); }
    std::vector<String> Events;
};

class TRecordingCapture : public IMouseCapture {
public:
    void SetCapture() override { ++Held; }
    void ReleaseCapture() override { --Held; }
    int Held = 0;
};

class HitTest : public ::testing::Test {
protected:
    HitTest() : objects(&host)
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        UseSkin(&sd);
    }
    // Objects, layout and mask for the skin (null: the plain frame) at 300 x 200; the
    // application's border icons (no system button) unless told.
    void UseSkin(const TspSkinData* skin, bool systemButton = false)
    {
        g = TspFrameGeometry{};
        g.Skin = TFormSkinInfo::From(skin);
        g.Form.Width = 300;
        g.Form.Height = 200;
        g.CalcRects();
        objects.CreateObjects(skin);
        TspObjectSettings settings;
        settings.BorderIcons.SystemMenu = systemButton;
        objects.CheckObjects(settings, skin);
        ArrangeFormObjects(g, objects);
        CreateNewRegion(g, skin ? skin->FMask.View() : TPixelView{}, true, strips);
        in = {};
        in.Strips = &strips;
        in.CaptionRects = CaptionDragRects(objects, g);
    }
    TPoint CentreOf(const wchar_t* name) const
    {
        const TRect r = objects.ObjectList[static_cast<size_t>(objects.GetIndex(name))]->ObjectRect;
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    TspSkinData sd{nullptr};
    TRecordingHost host;
    TspSkinObjects objects;
    TspFrameGeometry g;
    TspMaskStrips strips;
    THitTestInput in;
};

using Setup = std::function<void(TspFrameGeometry&, THitTestInput&)>;
struct TCase {
    const char* Name;
    Setup State;
    TPoint P;
    int32_t Expected;
};

void Restored(TspFrameGeometry&, THitTestInput&) {}

void Check(TspFrameGeometry g, THitTestInput in, const TCase& c)
{
    c.State(g, in);
    EXPECT_EQ(FormHitTest(g, in, c.P), c.Expected) << c.Name << " at " << c.P.X << "," << c.P.Y;
}

// Tests the restored frame: the corner zones reach 5 px in from the left and 6 down from the top,
// the edges are 2 px deep, the caption drags, and points whose probes stay on the shape are not
// resize zones.
TEST_F(HitTest, DefaultSkinRestored)
{
    const TCase cases[] = {
        {"client", Restored, {150, 100}, ht::Client},
        {"client's first column", Restored, {2, 100}, ht::Client},
        {"caption", Restored, {150, 10}, ht::Caption},
        {"caption inside the corner point", Restored, {5, 6}, ht::Caption},
        {"top-left", Restored, {0, 0}, ht::TopLeft},
        {"top-left, cut corner of the mask", Restored, {2, 2}, ht::TopLeft},
        {"top-left, below the cut", Restored, {3, 3}, ht::Caption},
        {"top-right", Restored, {299, 0}, ht::TopRight},
        {"bottom-left", Restored, {0, 199}, ht::BottomLeft},
        {"bottom-left, 4 px in", Restored, {4, 198}, ht::BottomLeft},
        {"bottom-right", Restored, {299, 199}, ht::BottomRight},
        {"left", Restored, {0, 100}, ht::Left},
        {"left, second column", Restored, {1, 100}, ht::Left},
        {"right", Restored, {299, 100}, ht::Right},
        {"right, first column outside the client", Restored, {298, 100}, ht::Right},
        {"top", Restored, {150, 0}, ht::Top},
        {"top, second row", Restored, {150, 1}, ht::Top},
        {"top, third row", Restored, {150, 2}, ht::Caption},
        {"bottom", Restored, {150, 199}, ht::Bottom},
        {"bottom, past the corner zone", Restored, {6, 199}, ht::Bottom},
    };
    for (const TCase& c : cases)
        Check(g, in, c);
}

// Tests the cases a state changes: maximized (no resize zones), rolled up and minimized (never
// the client), NCDraggAble off (the caption does not drag), a hot object (keeps the frame until
// the poll clears it, but not in a move/size loop), caption tabs, a frame without resize, a full
// layered border and a form that is not skinned.
TEST_F(HitTest, DefaultSkinPerState)
{
    auto maximized = [](TspFrameGeometry& x, THitTestInput&) { x.Form.Maximized = true; };
    auto rolledUp = [](TspFrameGeometry& x, THitTestInput&) { x.Form.RollUp = true; };
    auto minimized = [](TspFrameGeometry& x, THitTestInput&) { x.Form.Minimized = true; };
    auto noDrag = [](TspFrameGeometry&, THitTestInput& i) { i.NCDraggAble = false; };
    auto hot = [](TspFrameGeometry&, THitTestInput& i) { i.ObjectHot = true; };
    auto hotSizing = [](TspFrameGeometry&, THitTestInput& i) { i.ObjectHot = i.SizeMove = true; };
    auto tab = [](TspFrameGeometry&, THitTestInput& i) { i.CaptionItems = {Rect(100, 5, 140, 25)}; };
    auto fixed = [](TspFrameGeometry& x, THitTestInput&) { x.Form.Sizeable = false; };
    auto noMask = [](TspFrameGeometry&, THitTestInput& i) { i.Strips = nullptr; };
    auto layered = [](TspFrameGeometry& x, THitTestInput&) {
        x.Form.FullLayeredBorder = x.Form.LayerBorderVisible = true;
    };
    const TCase cases[] = {
        {"maximized corner", maximized, {0, 0}, ht::Object},
        {"maximized edge", maximized, {0, 100}, ht::Object},
        {"maximized bottom", maximized, {150, 199}, ht::Object},
        {"maximized caption", maximized, {150, 10}, ht::Caption},
        {"maximized client", maximized, {150, 100}, ht::Client},
        {"rolled up client", rolledUp, {150, 100}, ht::Object},
        {"rolled up caption", rolledUp, {150, 10}, ht::Caption},
        {"rolled up corner", rolledUp, {0, 0}, ht::Object},
        {"minimized client", minimized, {150, 100}, ht::Object},
        {"no drag caption", noDrag, {150, 10}, ht::Object},
        {"no drag corner", noDrag, {0, 0}, ht::TopLeft},
        {"no drag client", noDrag, {150, 100}, ht::Client},
        {"hot, on an edge", hot, {0, 100}, ht::Object},
        {"hot, on the caption", hot, {150, 10}, ht::Caption},
        {"hot, in the client", hot, {150, 100}, ht::Client},
        {"hot in a move/size loop, on an edge", hotSizing, {0, 100}, ht::Left},
        {"over a caption tab", tab, {120, 10}, ht::Object},
        {"beside a caption tab", tab, {150, 10}, ht::Caption},
        {"not sizeable, corner", fixed, {0, 0}, ht::Object},
        {"not sizeable, edge", fixed, {0, 100}, ht::Object},
        {"not sizeable, caption", fixed, {150, 10}, ht::Caption},
        {"window rectangle, where the mask is cut", noMask, {2, 2}, ht::Caption},
        {"window rectangle, edge", noMask, {1, 100}, ht::Left},
        {"full layered border", layered, {0, 0}, ht::Client},
    };
    for (const TCase& c : cases)
        Check(g, in, c);

    g.Form.SkinnableForm = false;
    EXPECT_EQ(FormHitTest(g, in, {0, 0}), std::nullopt);
}

// Tests that every caption button answers 19, restored or not, and that the caption itself stops
// where they begin.
TEST_F(HitTest, CaptionButtonsAreObjects)
{
    for (const wchar_t* name : {L"closebutton", L"maxbutton", L"minbutton"}) {
        const TPoint p = CentreOf(name);
        EXPECT_FALSE(InCaptionDragZone(in, p));
        EXPECT_EQ(FormHitTest(g, in, p), ht::Object);
        g.Form.Maximized = true;
        EXPECT_EQ(FormHitTest(g, in, p), ht::Object);
        g.Form.Maximized = false;
    }
}

// Tests the plain frame without a skin: 3 px zones at the left and top, 2 px at the right and
// bottom, the default caption between the system button and the caption buttons.
TEST_F(HitTest, PlainFrame)
{
    UseSkin(nullptr, true);
    auto maximized = [](TspFrameGeometry& x, THitTestInput&) { x.Form.Maximized = true; };
    auto hot = [](TspFrameGeometry&, THitTestInput& i) { i.ObjectHot = true; };
    const TCase cases[] = {
        {"top-left", Restored, {2, 2}, ht::TopLeft},
        {"top-right", Restored, {298, 0}, ht::TopRight},
        {"bottom-left", Restored, {0, 198}, ht::BottomLeft},
        {"bottom-right", Restored, {299, 199}, ht::BottomRight},
        {"left", Restored, {2, 100}, ht::Left},
        {"top", Restored, {150, 2}, ht::Top},
        {"right", Restored, {298, 100}, ht::Right},
        {"bottom", Restored, {150, 198}, ht::Bottom},
        {"caption", Restored, {150, 10}, ht::Caption},
        {"system button", Restored, {10, 10}, ht::Object},
        {"client", Restored, {150, 100}, ht::Client},
        {"between client and bottom zone", Restored, {150, 197}, ht::Object},
        {"maximized corner", maximized, {0, 0}, ht::Object},
        {"maximized caption", maximized, {150, 10}, ht::Caption},
        {"hot object first", hot, {150, 10}, ht::Object},
    };
    for (const TCase& c : cases)
        Check(g, in, c);
}

// Tests the skin painted in the client of a window without a frame: only the resize zones and
// the size grip, everything else is client.
TEST_F(HitTest, WithoutNonClientArea)
{
    g.Form.SupportNCArea = false;
    auto grip = [](TspFrameGeometry& x, THitTestInput&) { x.FSizeGripArea = Rect(280, 180, 290, 190); };
    auto hot = [](TspFrameGeometry&, THitTestInput& i) { i.ObjectHot = true; };
    const TCase cases[] = {
        {"corner", Restored, {0, 0}, ht::TopLeft},
        {"caption", Restored, {150, 10}, ht::Client},
        {"size grip", grip, {285, 185}, ht::BottomRight},
        {"hot object", hot, {0, 0}, ht::Client},
    };
    for (const TCase& c : cases)
        Check(g, in, c);
}

// --- tracking --------------------------------------------------------------------------------

class Tracking : public HitTest {
protected:
    Tracking() : tracker(objects, g, capture) {}
    int Index(const wchar_t* name) const { return objects.GetIndex(name); }
    TRecordingCapture capture;
    TspMouseTracker tracker;
};

// Tests that the hot object is the first enabled, visible one under the point, that leaving and
// entering are raised on a change, and that nothing lights up on an inactive form.
TEST_F(Tracking, HotObjectFollowsThePointer)
{
    const TPoint close = CentreOf(L"closebutton"), max = CentreOf(L"maxbutton");
    tracker.TestActive(close);
    EXPECT_EQ(objects.ActiveObject, Index(L"closebutton"));
    tracker.TestActive(max);
    EXPECT_EQ(objects.ActiveObject, Index(L"maxbutton"));
    EXPECT_EQ(objects.OldActiveObject, Index(L"closebutton"));
    objects.SetEnabled(L"closebutton", false);
    tracker.TestActive(close);
    EXPECT_EQ(objects.ActiveObject, -1);
    EXPECT_EQ(host.Events, (std::vector<String>{L"enter closebutton", L"leave closebutton", L"enter maxbutton",
                                                L"leave maxbutton"}));

    tracker.Facts.FormActive = false;
    tracker.TestActive(max);
    EXPECT_EQ(objects.ActiveObject, -1);
}

// Tests a press on a caption button: the window takes the capture, moves go to the button even
// away from it (a client move included, in window coordinates), and a release away from it gives
// the capture back without running its command; a release over it runs the command.
TEST_F(Tracking, CapturedButtonGetsMovesAndRelease)
{
    const TPoint close = CentreOf(L"closebutton");
    for (const bool leaveFirst : {true, false}) {
        host.Events.clear();
        tracker.MouseDown(TspMouseButton::Left, close);
        EXPECT_EQ(objects.MouseCaptureObject, Index(L"closebutton"));
        EXPECT_EQ(capture.Held, 1);
        if (leaveFirst) {
            tracker.NCMouseMove({150, 10});
            EXPECT_EQ(objects.ActiveObject, -1);  // the caption does not light up meanwhile
            EXPECT_TRUE(tracker.ClientMouseMove({10, 20}));
        }
        TspFormCommand ran = TspFormCommand::None;
        tracker.MouseUp(TspMouseButton::Left, {-1, -1}, [&](TspFormCommand c) { ran = c; });
        EXPECT_EQ(ran, leaveFirst ? TspFormCommand::None : TspFormCommand::Close);
        EXPECT_EQ(objects.MouseCaptureObject, -1);
        EXPECT_EQ(capture.Held, 0);
        if (leaveFirst) {
            EXPECT_EQ(host.Events, (std::vector<String>{L"enter closebutton",
                                                        L"down closebutton " + TRecordingHost::Xy(close.X, close.Y),
                                                        L"leave closebutton", L"move closebutton 150,10",
                                                        L"move closebutton 12,49"}));
        }
    }
    // Without a capture a client move is not the objects' business.
    EXPECT_FALSE(tracker.ClientMouseMove({10, 20}));
}

// Tests that the caption object is pressed without the platform capture, and that a press which
// starts a window move leaves no object holding the capture.
TEST_F(Tracking, CaptionWorksWithoutPlatformCapture)
{
    tracker.MouseDown(TspMouseButton::Left, {150, 10});
    EXPECT_EQ(objects.MouseCaptureObject, Index(L"caption"));
    EXPECT_EQ(capture.Held, 0);
    tracker.DropCapture();
    EXPECT_EQ(objects.MouseCaptureObject, -1);
    EXPECT_EQ(capture.Held, 0);
}

// Tests that a skin change during a press (the list rebuilt, its indexes reset) still gives the
// platform capture back on the release.
TEST_F(Tracking, ReleaseAfterRebuildFreesThePlatformCapture)
{
    tracker.MouseDown(TspMouseButton::Left, CentreOf(L"closebutton"));
    ASSERT_EQ(capture.Held, 1);
    objects.CreateObjects(&sd);
    tracker.MouseUp(TspMouseButton::Left, {-1, -1}, {});
    EXPECT_EQ(capture.Held, 0);
}

// Tests the 50 ms poll and the hit test's start of it: the cursor away from the window or in the
// client clears the hot object, a move/size loop stops the timer, and a 19 answer starts it.
TEST_F(Tracking, PollAndHitTestStart)
{
    const TPoint close = CentreOf(L"closebutton");
    EXPECT_TRUE(tracker.HitTestStartsTracking(ht::Object, close, false));
    EXPECT_EQ(objects.ActiveObject, Index(L"closebutton"));
    EXPECT_FALSE(tracker.HitTestStartsTracking(ht::Object, close, true));
    EXPECT_FALSE(tracker.HitTestStartsTracking(ht::Caption, close, false));

    EXPECT_TRUE(tracker.Poll(true, {150, 100}));
    EXPECT_EQ(objects.ActiveObject, -1);
    EXPECT_TRUE(tracker.Poll(true, close));
    EXPECT_EQ(objects.ActiveObject, Index(L"closebutton"));
    EXPECT_FALSE(tracker.Poll(false, close));
    EXPECT_EQ(objects.ActiveObject, -1);
    tracker.Facts.SizeMove = true;
    EXPECT_FALSE(tracker.Poll(true, close));
}

} // namespace
} // namespace vt
