// The mouse: mouse events with capture, clicks and double clicks, the middle button and the
// wheel, routing to window-less controls, the enter and leave notices, the cancel-mode notice,
// and the cursor a control shows.
#include "framework/win/controls.h"
#include "framework/win/forms.h"

#include <windowsx.h>

namespace vt {

namespace {

// The control under the mouse, for the enter and leave notices.
TComponentRef<TControl> gHoverControl;
// The control holding the capture (a window-less one holds it through its parent's window).
TComponentRef<TControl> gCaptureControl;

// The window that receives a control's mouse input.
HWND MouseWindow(TControl* control)
{
    while (control && !control->IsWindowed())
        control = control->Parent();
    auto* wc = static_cast<TWinControl*>(control);
    return wc && wc->HandleAllocated() ? wc->Handle() : nullptr;
}

void TrackLeave(TControl* control)
{
    if (HWND wnd = MouseWindow(control)) {
        TRACKMOUSEEVENT tme{sizeof tme, TME_LEAVE, wnd, 0};
        TrackMouseEvent(&tme);
    }
}

// Moves the hover to target, with a leave notice to the old control and an enter notice to the
// new one; nothing changes while a control holds the capture.
void SetHover(TControl* target)
{
    if (gCaptureControl || gHoverControl.get() == target)
        return;
    TControl* old = gHoverControl.get();
    gHoverControl = target;
    if (old)
        old->Perform(CM_MOUSELEAVE);
    if (target) {
        TrackLeave(target);
        target->Perform(CM_MOUSEENTER);
    }
}

struct TButtonMessage {
    TMouseButton Button;
    bool Down;
    bool Double;
};

bool ButtonMessage(UINT msg, TButtonMessage& out)
{
    switch (msg) {
    case WM_LBUTTONDOWN: out = {mbLeft, true, false}; return true;
    case WM_LBUTTONDBLCLK: out = {mbLeft, true, true}; return true;
    case WM_LBUTTONUP: out = {mbLeft, false, false}; return true;
    case WM_RBUTTONDOWN: out = {mbRight, true, false}; return true;
    case WM_RBUTTONDBLCLK: out = {mbRight, true, true}; return true;
    case WM_RBUTTONUP: out = {mbRight, false, false}; return true;
    case WM_MBUTTONDOWN: out = {mbMiddle, true, false}; return true;
    case WM_MBUTTONDBLCLK: out = {mbMiddle, true, true}; return true;
    case WM_MBUTTONUP: out = {mbMiddle, false, false}; return true;
    default: return false;
    }
}

TShiftState MouseShiftState(WPARAM keys)
{
    TShiftState shift = 0;
    if (keys & MK_SHIFT)
        shift |= ssShift;
    if (keys & MK_CONTROL)
        shift |= ssCtrl;
    if (keys & MK_LBUTTON)
        shift |= ssLeft;
    if (keys & MK_RBUTTON)
        shift |= ssRight;
    if (keys & MK_MBUTTON)
        shift |= ssMiddle;
    if (GetKeyState(VK_MENU) < 0)
        shift |= ssAlt;
    return shift;
}

} // namespace

bool IsMouseMessage(UINT msg)
{
    TButtonMessage b;
    return msg == WM_MOUSEMOVE || ButtonMessage(msg, b);
}

// --- Capture --------------------------------------------------------------------------------

TControl* TControl::CaptureControl() { return gCaptureControl.get(); }

bool TControl::MouseCapture() const
{
    HWND wnd = MouseWindow(const_cast<TControl*>(this));
    return gCaptureControl.get() == this && wnd && GetCapture() == wnd;
}

void TControl::SetMouseCapture(bool v)
{
    if (!v) {
        if (gCaptureControl.get() != this)
            return;
        gCaptureControl = nullptr;
        ReleaseCapture();
        // Leave tracking may have lapsed while the capture was held; if the mouse is no longer
        // over the hovered control, the system now reports the leave.
        TrackLeave(gHoverControl.get());
        return;
    }
    HWND wnd = MouseWindow(this);
    if (!wnd || MouseCapture())
        return;
    TControl* old = gCaptureControl.get();
    gCaptureControl = nullptr;
    if (old && old != this)
        old->Perform(CM_CAPTURELOST);
    SetCapture(wnd);
    gCaptureControl = this;
}

void TControl::DropMouseState()
{
    if (gCaptureControl.get() == this) {
        gCaptureControl = nullptr;
        ReleaseCapture();
    }
    if (gHoverControl.get() == this)
        gHoverControl = nullptr;
}

// --- Mouse events ---------------------------------------------------------------------------

void TControl::Click() { Raise(OnClick, this); }
void TControl::DblClick() { Raise(OnDblClick, this); }

void TControl::MouseDown(TMouseButton button, TShiftState shift, int x, int y)
{
    Raise(OnMouseDown, this, button, shift, x, y);
}

void TControl::MouseUp(TMouseButton button, TShiftState shift, int x, int y)
{
    Raise(OnMouseUp, this, button, shift, x, y);
}

void TControl::MouseMove(TShiftState shift, int x, int y) { Raise(OnMouseMove, this, shift, x, y); }

bool TControl::DoMouseWheel(TShiftState shift, int delta, TPoint mousePos)
{
    bool handled = false;
    Raise(OnMouseWheel, this, shift, delta, mousePos, handled);
    return handled;
}

void TControl::SendCancelMode()
{
    TCustomForm* form = GetParentForm(this);
    TWinControl* active = form ? form->ActiveControl() : nullptr;
    if (active && active != this)
        active->Perform(CM_CANCELMODE, 0, reinterpret_cast<LPARAM>(this));
}

void TControl::MouseMessage(TMessage& msg)
{
    int x = GET_X_LPARAM(msg.LParam), y = GET_Y_LPARAM(msg.LParam);
    TShiftState shift = MouseShiftState(msg.WParam);
    TButtonMessage b{};
    if (!ButtonMessage(msg.Msg, b)) {
        MouseMove(shift, x, y);
        return;
    }
    TComponentRef<TControl> self(this);
    if (b.Down) {
        SendCancelMode();
        if (!self)
            return;
        if (CapturesMouse())
            SetMouseCapture(true);
        // A double click is no click: the first press and release made one already.
        if (b.Button == mbLeft && !b.Double && MouseClicks())
            clicking_ = true;
        if (b.Double) {
            shift |= ssDouble;
            if (b.Button == mbLeft && MouseClicks())
                DblClick();
        }
        if (self)
            MouseDown(b.Button, shift, x, y);
        return;
    }
    bool click = b.Button == mbLeft && clicking_ && ClientRect().Contains({x, y});
    if (b.Button == mbLeft)
        clicking_ = false;
    // The capture ends with the last button released (before the handlers, which may open a
    // modal form).
    if (!(msg.WParam & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)))
        SetMouseCapture(false);
    if (click)
        Click();
    if (!self)
        return;
    MouseUp(b.Button, shift, x, y);
    // Released off the control after a captured drag: the leave that waited for the capture.
    if (self && gHoverControl.get() == this && !gCaptureControl && !ClientRect().Contains({x, y}))
        SetHover(nullptr);
}

void TControl::WheelMessage(TMessage& msg)
{
    TShiftState shift = MouseShiftState(GET_KEYSTATE_WPARAM(msg.WParam));
    TPoint at{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    if (DoMouseWheel(shift, GET_WHEEL_DELTA_WPARAM(msg.WParam), at))
        msg.Result = 0;
    else
        DefaultHandler(msg);  // on to the parent
}

// --- Routing in a windowed control ----------------------------------------------------------

bool TWinControl::CapturesMouse() const
{
    // Native controls handle their own capture.
    return defWndProc_ == DefWindowProcW;
}

void TWinControl::RouteMouseToGraphic(TMessage& msg, bool& handled)
{
    handled = false;
    TPoint p{GET_X_LPARAM(msg.LParam), GET_Y_LPARAM(msg.LParam)};
    TControl* held = gCaptureControl.get();
    TControl* target = nullptr;
    if (!held)
        target = GraphicControlAtPos(p);
    else if (held != this && held->parent_ == this && !held->IsWindowed())
        target = held;
    if (msg.Msg == WM_MOUSEMOVE)
        SetHover(target ? target : this);
    if (!target)
        return;
    msg.Result = target->Perform(msg.Msg, msg.WParam,
                                 MAKELPARAM(p.X - target->left_, p.Y - target->top_));
    handled = true;
}

void TWinControl::MouseLeft()
{
    // Only for this window or its window-less children: a windowed child under the mouse has
    // its own tracking (the parent is told of the leave when the mouse enters it).
    TControl* hover = gHoverControl.get();
    if (gCaptureControl || !hover)
        return;
    if (hover == this || (hover->parent_ == this && !hover->IsWindowed()))
        SetHover(nullptr);
}

void TWinControl::CaptureChanged(HWND newCapture)
{
    TControl* held = gCaptureControl.get();
    if (!held || newCapture == handle_)
        return;
    if (held == this || (held->parent_ == this && !held->IsWindowed())) {
        gCaptureControl = nullptr;
        held->Perform(CM_CAPTURELOST);
    }
}

// --- Cursors --------------------------------------------------------------------------------

void TControl::SetCursor(TCursor v)
{
    if (v == cursor_)
        return;
    cursor_ = v;
    // Shown at once when the mouse is over this control.
    HWND wnd = MouseWindow(this);
    POINT p;
    if (wnd && GetCursorPos(&p) && WindowFromPoint(p) == wnd)
        SendMessageW(wnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(wnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
}

bool TWinControl::SetCursorMessage(TMessage& msg)
{
    // Only for the window under the mouse itself; for a child's window the child decides.
    if (reinterpret_cast<HWND>(msg.WParam) != handle_ || LOWORD(msg.LParam) != HTCLIENT)
        return false;
    TCursor cursor = Screen ? Screen->Cursor() : crDefault;
    if (cursor == crDefault) {
        POINT p;
        GetCursorPos(&p);
        ::ScreenToClient(handle_, &p);
        if (TControl* g = GraphicControlAtPos({p.x, p.y}))
            cursor = g->Cursor();
        if (cursor == crDefault)
            cursor = Cursor();
    }
    if (cursor == crDefault)
        return false;
    ::SetCursor(CursorHandle(cursor));
    msg.Result = TRUE;
    return true;
}

} // namespace vt
