#include "form/hit_test.h"

#include "form/frame_paint.h"
#include "raster/compose.h"

#include <algorithm>

namespace vt {

namespace {

bool AnyContains(const std::vector<TRect>& rects, TPoint p)
{
    return std::any_of(rects.begin(), rects.end(), [p](const TRect& r) { return r.Contains(p); });
}

// Near the edge: a probe point BorderW away leaves the frame, so the zones follow a shaped
// border instead of the window rectangle.
bool NearEdge(const TspFrameGeometry& g, const THitTestInput& in, TPoint p)
{
    const int32_t b = g.Skin.BorderW;
    const TPoint probes[] = {{p.X - b, p.Y}, {p.X, p.Y - b}, {p.X + b, p.Y}, {p.X, p.Y + b}};
    if (in.Strips && !in.Strips->Empty()) {
        if (g.NewMaskRectArea.Contains(p))
            return false;
        return std::any_of(std::begin(probes), std::end(probes),
                           [&](TPoint q) { return !in.Strips->PointInMask(q); });
    }
    const TRect window = Rect(0, 0, g.FFormWidth, g.FFormHeight);
    return std::any_of(std::begin(probes), std::end(probes), [&](TPoint q) { return !window.Contains(q); });
}

// The corner and edge zones of a skinned frame; 0 when p is in none of them.
int32_t SizingZone(const TspFrameGeometry& g, TPoint p)
{
    const TPoint lt = g.NewHitTestLTPoint, rt = g.NewHitTestRTPoint;
    const TPoint lb = g.NewHitTestLBPoint, rb = g.NewHitTestRBPoint;
    const TRect& cl = g.NewClRect;
    if (p.X <= lt.X && p.Y <= lt.Y)
        return ht::TopLeft;
    if (p.X >= rt.X && p.Y <= rt.Y)
        return ht::TopRight;
    if (p.X <= lb.X && p.Y >= lb.Y)
        return ht::BottomLeft;
    if (p.X >= rb.X && p.Y >= rb.Y)
        return ht::BottomRight;
    if (Rect(lt.X, 0, rt.X, cl.Top).Contains(p))
        return ht::Top;
    if (Rect(lb.X, cl.Bottom, rb.X, g.FFormHeight).Contains(p))
        return ht::Bottom;
    if (Rect(0, lt.Y, cl.Left, lb.Y).Contains(p))
        return ht::Left;
    if (Rect(cl.Right, rt.Y, g.FFormWidth, rb.Y).Contains(p))
        return ht::Right;
    return 0;
}

} // namespace

std::vector<TRect> CaptionDragRects(const TspSkinObjects& objects, const TspFrameGeometry& g)
{
    std::vector<TRect> rects;
    for (const auto& o : objects.ObjectList)
        if (dynamic_cast<const TspSkinCaptionObject*>(o.get()) && g.IsObjectForState(ArrangeItemOf(*o)))
            rects.push_back(o->ObjectRect);
    return rects;
}

bool InCaptionDragZone(const THitTestInput& in, TPoint p)
{
    return in.NCDraggAble && AnyContains(in.CaptionRects, p) && !AnyContains(in.CaptionItems, p);
}

std::optional<int32_t> FormHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p)
{
    const TFormFacts& f = g.Form;
    // The layered frame answers for the border itself.
    if (f.FullLayeredBorder && f.LayerBorderVisible)
        return ht::Client;
    if (!f.SupportNCArea)
        return g.Skin.Loaded && f.SkinnableForm ? NoNCHitTest(g, in, p) : ht::Client;
    if (!f.SkinnableForm)
        return std::nullopt;
    return g.Skin.Loaded ? SkinnedHitTest(g, in, p) : PlainHitTest(g, in, p);
}

int32_t SkinnedHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p)
{
    const TFormFacts& f = g.Form;
    const bool inCaption = InCaptionDragZone(in, p);
    const bool inClient = g.NewClRect.Contains(p);
    if (!f.RollUp && !f.Minimized) {
        // A hot object keeps the frame until the poll clears it, even over a resize edge.
        if (in.ObjectHot && !inCaption && !inClient && !in.SizeMove)
            return ht::Object;
        if (!f.Maximized && f.Sizeable) {
            if (!NearEdge(g, in, p))
                return inClient ? ht::Client : inCaption ? ht::Caption : ht::Object;
            if (const int32_t zone = SizingZone(g, p))
                return zone;
        }
        if (inClient)
            return ht::Client;
    }
    return inCaption ? ht::Caption : ht::Object;
}

int32_t PlainHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p)
{
    const TFormFacts& f = g.Form;
    const int32_t w = g.FFormWidth, h = g.FFormHeight;
    if (!f.Maximized && !f.Minimized && f.Sizeable && !f.RollUp) {
        if (in.ObjectHot)
            return ht::Object;
        const bool left = p.X <= 2, top = p.Y <= 2, right = p.X >= w - 2, bottom = p.Y >= h - 2;
        if (left && top)
            return ht::TopLeft;
        if (right && top)
            return ht::TopRight;
        if (left && bottom)
            return ht::BottomLeft;
        if (right && bottom)
            return ht::BottomRight;
        if (left)
            return ht::Left;
        if (top)
            return ht::Top;
        if (right)
            return ht::Right;
        if (bottom)
            return ht::Bottom;
    }
    if (g.NewDefCaptionRect.Contains(p))
        return ht::Caption;
    if (Rect(3, g.DefaultCaptionHeight() + 3, w - 3, h - 3).Contains(p))
        return ht::Client;
    return ht::Object;
}

int32_t NoNCHitTest(const TspFrameGeometry& g, const THitTestInput& in, TPoint p)
{
    const TFormFacts& f = g.Form;
    if (!f.Sizeable || f.Maximized || f.RollUp || in.ObjectHot || !g.Skin.Loaded)
        return ht::Client;
    if (!IsEmptyRect(g.FSizeGripArea) && g.FSizeGripArea.Contains(p))
        return ht::BottomRight;
    if (NearEdge(g, in, p))
        if (const int32_t zone = SizingZone(g, p))
            return zone;
    return ht::Client;
}

// --- tracking --------------------------------------------------------------------------------

TspActiveSkinObject* TspMouseTracker::At(int index) const
{
    if (index < 0 || static_cast<size_t>(index) >= objects_.ObjectList.size())
        return nullptr;
    return objects_.ObjectList[static_cast<size_t>(index)].get();
}

bool TspMouseTracker::CanTrack() const
{
    const TFormFacts& f = g_.Form;
    const bool nc = f.SupportNCArea;
    return !objects_.ObjectList.empty() && (Facts.FormActive || !nc) && !Facts.SizeMove &&
           !Facts.LayerResizing && !(f.FullLayeredBorder && f.LayerBorderVisible) && (g_.Framed() || !nc) &&
           !f.MaximizedMDIChild;
}

int TspMouseTracker::ObjectAt(TPoint p) const
{
    for (size_t i = 0; i < objects_.ObjectList.size(); ++i) {
        const TspActiveSkinObject& o = *objects_.ObjectList[i];
        if (!o.Enabled || !o.Visible || !g_.IsObjectForState(ArrangeItemOf(o)) || !o.ObjectRect.Contains(p))
            continue;
        if (o.PtInObject(p.X - o.ObjectRect.Left, p.Y - o.ObjectRect.Top))
            return static_cast<int>(i);
    }
    return -1;
}

void TspMouseTracker::TestActive(TPoint p, bool inFrame)
{
    if (!CanTrack())
        return;
    int index = inFrame ? ObjectAt(p) : -1;
    // While one object holds the capture no other lights up; it alone may become hot again.
    if (objects_.MouseCaptureObject != -1 && index != objects_.MouseCaptureObject)
        index = -1;
    SetActive(index);
}

void TspMouseTracker::SetActive(int index)
{
    const int old = objects_.ActiveObject;
    if (index == old)
        return;
    objects_.OldActiveObject = old;
    objects_.ActiveObject = index;
    if (TspActiveSkinObject* o = At(old); o && o->Enabled && o->Visible)
        o->MouseLeave();
    // MouseLeave may run host code that rebuilt the list; enter only what is still there.
    if (objects_.ActiveObject == index)
        if (TspActiveSkinObject* o = At(index))
            o->MouseEnter();
}

bool TspMouseTracker::HitTestStartsTracking(int32_t code, TPoint p, bool timerRunning)
{
    if (code != ht::Object || timerRunning)
        return false;
    TestActive(p);
    return true;
}

bool TspMouseTracker::Poll(bool cursorOverOwner, TPoint p)
{
    if (!cursorOverOwner) {
        ClearActive();
        return false;
    }
    if (Facts.SizeMove || Facts.LayerResizing)
        return false;
    if (g_.NewClRect.Contains(p))
        ClearActive();
    else
        TestActive(p);
    return true;
}

bool TspMouseTracker::TakesPlatformCapture(int index) const
{
    // Caption objects (tabs, quick buttons) work without it; and without a non-client area the
    // client gets the mouse anyway.
    const TspActiveSkinObject* o = At(index);
    return o && g_.Form.SupportNCArea && !dynamic_cast<const TspSkinCaptionObject*>(o);
}

void TspMouseTracker::MouseDown(TspMouseButton button, TPoint p)
{
    TestActive(p);
    const int index = objects_.ActiveObject;
    TspActiveSkinObject* o = At(index);
    if (!o)
        return;
    if (!holdsCapture_ && TakesPlatformCapture(index)) {
        capture_.SetCapture();
        holdsCapture_ = true;
    }
    objects_.MouseCaptureObject = index;
    o->MouseDown(p.X, p.Y, button);
}

void TspMouseTracker::MouseUp(TspMouseButton button, TPoint p, const std::function<void(TspFormCommand)>& run)
{
    const int index = objects_.MouseCaptureObject;
    // Released before the object runs its command, which may open a dialog or rebuild the list.
    DropCapture();
    objects_.RouteMouseUp(index, p.X, p.Y, button, run);
}

void TspMouseTracker::DropCapture()
{
    objects_.MouseCaptureObject = -1;
    if (holdsCapture_) {
        holdsCapture_ = false;
        capture_.ReleaseCapture();
    }
}

void TspMouseTracker::NCMouseMove(TPoint p)
{
    TestActive(p);
    const int index = objects_.MouseCaptureObject != -1 ? objects_.MouseCaptureObject : objects_.ActiveObject;
    if (TspActiveSkinObject* o = At(index))
        o->MouseMove(p.X, p.Y);
}

bool TspMouseTracker::ClientMouseMove(TPoint clientPoint)
{
    TspActiveSkinObject* o = At(objects_.MouseCaptureObject);
    if (!o)
        return false;
    const TPoint p{clientPoint.X + g_.NewClRect.Left, clientPoint.Y + g_.NewClRect.Top};
    TestActive(p);
    o->MouseMove(p.X, p.Y);
    return true;
}

TspCommandRequest TspMouseTracker::DblClick(TPoint p)
{
    TestActive(p);
    TspActiveSkinObject* o = At(objects_.ActiveObject);
    return o ? o->DblClick() : TspCommandRequest{};
}

} // namespace vt
