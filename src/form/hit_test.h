// The skinned form's answer to the window manager's hit test, and the tracking of the mouse over
// the frame's objects: which object is hot, which one a press, release or move goes to, and who
// holds the capture. Everything here reads snapshots (the laid-out geometry, the split mask, the
// objects) and answers codes and decisions; the engine's _win half turns them into platform calls.
//
//   ht::             hit-test codes: the platform's values, and Object for the frame's objects
//   THitTestInput    what the hit test reads besides the geometry
//   FormHitTest      the whole answer of a form; SkinnedHitTest, PlainHitTest and NoNCHitTest
//   IMouseCapture    the platform capture the tracker takes and releases
//   TspMouseTracker  TestActive, the 50 ms poll and the routing of presses, releases and moves
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "form/frame_geometry.h"
#include "form/frame_region.h"
#include "form/skin_object_list.h"

namespace vt {

namespace ht {
inline constexpr int32_t Client = 1, Caption = 2, Left = 10, Right = 11, Top = 12, TopLeft = 13,
                         TopRight = 14, Bottom = 15, BottomLeft = 16, BottomRight = 17;
// Over the frame's objects and the rest of the frame: the platform does nothing there and the
// engine routes the mouse itself.
inline constexpr int32_t Object = 19;
inline bool IsSizing(int32_t code) { return code >= Left && code <= BottomRight; }
} // namespace ht

struct THitTestInput {
    // The mask cut for the window's current size; null or empty: the frame is the window
    // rectangle.
    const TspMaskStrips* Strips = nullptr;
    // ObjectRect of every caption object for the current state.
    std::vector<TRect> CaptionRects;
    // ItemRect of every visible caption tab and quick button; they are objects of their own, so
    // the caption does not drag there.
    std::vector<TRect> CaptionItems;
    bool NCDraggAble = true;
    bool ObjectHot = false;  // ActiveObject != -1
    bool SizeMove = false;   // inside the platform's move/size loop
};

// The caption objects' rectangles for the current state, for THitTestInput::CaptionRects.
std::vector<TRect> CaptionDragRects(const TspSkinObjects& objects, const TspFrameGeometry& g);

// Is p (window coordinates) in the caption's free area that moves the window.
bool InCaptionDragZone(const THitTestInput& in, TPoint p);

// The answer for window point p (client point without a non-client area) of a form whose geometry
// is laid out for its current size; nullopt when the form is not skinned and the platform's own
// frame answers.
std::optional<int32_t> FormHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p);
// The three tests FormHitTest chooses from: with a skin, the plain frame without one, and the
// skin painted in the client of a window without a non-client area.
int32_t SkinnedHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p);
int32_t PlainHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p);
int32_t NoNCHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p);

class IMouseCapture {
public:
    virtual void SetCapture() = 0;
    virtual void ReleaseCapture() = 0;

protected:
    ~IMouseCapture() = default;
};

// What tracking reads of the form besides the geometry.
struct TTrackingFacts {
    bool FormActive = true;
    bool SizeMove = false;       // inside the platform's move/size loop
    bool LayerResizing = false;  // the layered frame is resizing the window
};

// The hot object and the capturing one live in the objects' ActiveObject, OldActiveObject and
// MouseCaptureObject, so a rebuilt object list (which resets them) never leaves the tracker
// pointing at a freed object; the tracker itself only remembers whether it holds the platform
// capture, which it then gives back on the next release even if the list was rebuilt meanwhile.
class TspMouseTracker {
public:
    TspMouseTracker(TspSkinObjects& objects, const TspFrameGeometry& geometry, IMouseCapture& capture)
        : objects_(objects), g_(geometry), capture_(capture)
    {
    }

    TTrackingFacts Facts;

    // Whether hot tracking runs at all: objects exist, the form is active (in NC mode), no
    // move, size or layered-frame resize runs, no full layered border is shown, and the window
    // is framed and not a maximized MDI child.
    bool CanTrack() const;
    // The first enabled, visible object for the current state whose ObjectRect and point test
    // take p; -1 for none.
    int ObjectAt(TPoint p) const;
    // Makes the object under p hot (none when !inFrame), raising leave and enter.
    void TestActive(TPoint p, bool inFrame = true);
    // No object hot, whatever CanTrack says (deactivation, the cursor left the window).
    void ClearActive() { SetActive(-1); }

    // A hit test answered code at p: whether the mouse timer must start (it ran TestActive).
    bool HitTestStartsTracking(int32_t code, TPoint p, bool timerRunning);
    // One tick of the mouse timer in NC mode with the cursor at p (window coordinates); false:
    // stop the timer.
    bool Poll(bool cursorOverOwner, TPoint p);

    void MouseDown(TspMouseButton button, TPoint p);
    // The release goes to the object holding the capture, wherever the pointer is; commands the
    // object asks for are handed to run.
    void MouseUp(TspMouseButton button, TPoint p, const std::function<void(TspFormCommand)>& run);
    // Moves in the frame: tracks the hot object and routes to the capturing object, else the hot
    // one.
    void NCMouseMove(TPoint p);
    // A client-area move in NC mode: while an object holds the capture (the platform then sends
    // the moves to the client) it goes to that object in window coordinates; true when routed.
    bool ClientMouseMove(TPoint clientPoint);
    TspCommandRequest DblClick(TPoint p);
    // No object keeps the capture (a press that started a window move).
    void DropCapture();

private:
    void SetActive(int index);
    TspActiveSkinObject* At(int index) const;
    bool TakesPlatformCapture(int index) const;

    TspSkinObjects& objects_;
    const TspFrameGeometry& g_;
    IMouseCapture& capture_;
    bool holdsCapture_ = false;
};

} // namespace vt
