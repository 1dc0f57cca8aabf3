// TControl, TWinControl, TGraphicControl and TCustomControl: the visual component classes.
//
// Every control has an object-level WindowProc (by default its virtual WndProc). Messages for a
// control's window and notices sent with Perform go through it, so a hook installed there works
// before the window exists and stays in place when the window is recreated. Window handles are
// created lazily; creating one creates the handles of every windowed child, visible or not.
//
// Input: mouse messages become mouse events (a press captures the mouse until the release, and a
// release outside the control is no click); keys reach the focused control's key events after
// the application's keyboard pipeline (TApplication, keyboard.cpp); focus, tab order and the
// form's active control live in focus.cpp, mouse capture, hover and cursors in mouse.cpp.
#pragma once

#include "framework/base/component.h"
#include "framework/base/types.h"
#include "framework/win/canvas.h"
#include "framework/win/cursors.h"
#include "framework/win/messages.h"

#include <functional>
#include <memory>
#include <vector>

namespace vt {

class TWinControl;
class TCustomForm;

enum TAlign : uint8_t { alNone, alTop, alBottom, alLeft, alRight, alClient };

enum TMouseButton : uint8_t { mbLeft, mbRight, mbMiddle };
enum TShiftStateFlag : uint8_t {
    ssShift = 1,
    ssAlt = 2,
    ssCtrl = 4,
    ssLeft = 8,
    ssRight = 16,
    ssMiddle = 32,
    ssDouble = 64
};
using TShiftState = uint8_t;

using TWndMethod = std::function<void(TMessage&)>;
using TMouseEvent = TEvent<TObject*, TMouseButton, TShiftState, int, int>;
using TMouseMoveEvent = TEvent<TObject*, TShiftState, int, int>;
// Sender, shift state, wheel delta (positive: away from the user), cursor in screen
// coordinates, handled.
using TMouseWheelEvent = TEvent<TObject*, TShiftState, int, TPoint, bool&>;
// A handler may change the key, or set it to 0 to keep the control from handling it.
using TKeyEvent = TEvent<TObject*, WORD&, TShiftState>;
using TKeyPressEvent = TEvent<TObject*, wchar_t&>;

// The shift state now (keyboard and mouse buttons), and from a key message's key data.
TShiftState KeyDataToShiftState(LPARAM keyData);
// WM_MOUSEMOVE and the button messages (down, up and double click of all three buttons).
bool IsMouseMessage(UINT msg);

class TControl : public TComponent {
    VT_CLASS_NAME(TControl)
public:
    explicit TControl(TComponent* owner);
    ~TControl() override;

    TWinControl* Parent() const { return parent_; }
    virtual void SetParent(TWinControl* parent);

    int Left() const { return left_; }
    int Top() const { return top_; }
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SetLeft(int v) { SetBounds(v, top_, width_, height_); }
    void SetTop(int v) { SetBounds(left_, v, width_, height_); }
    void SetWidth(int v) { SetBounds(left_, top_, v, height_); }
    void SetHeight(int v) { SetBounds(left_, top_, width_, v); }
    virtual void SetBounds(int left, int top, int width, int height);
    TRect BoundsRect() const { return Bounds(left_, top_, width_, height_); }
    // The client area in the control's own coordinates.
    virtual TRect ClientRect() const { return Rect(0, 0, width_, height_); }
    int ClientWidth() const { return ClientRect().Width(); }
    int ClientHeight() const { return ClientRect().Height(); }
    virtual void SetClientWidth(int v) { SetWidth(v); }
    virtual void SetClientHeight(int v) { SetHeight(v); }
    TPoint ClientToScreen(TPoint p) const;
    TPoint ScreenToClient(TPoint p) const;

    bool Visible() const { return visible_; }
    void SetVisible(bool v);
    void Show() { SetVisible(true); }
    void Hide() { SetVisible(false); }
    // Visible, and every parent up to a top-level window visible as well.
    bool Showing() const;
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool v);
    TAlign Align() const { return align_; }
    void SetAlign(TAlign v);
    TColor Color() const { return color_; }
    void SetColor(TColor v);
    TFont& Font() { return *font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool v);
    const String& Caption() const { return text_; }
    void SetCaption(const String& v) { SetText(v); }
    const String& Text() const { return text_; }
    virtual void SetText(const String& v);
    int TabOrder() const { return tabOrder_; }
    // The place among the windowed siblings that Tab visits; setting it moves the control there
    // and renumbers the siblings (while loading the value is only stored, and the siblings are
    // ordered by the stored values).
    void SetTabOrder(int v);
    bool TabStop() const { return tabStop_; }
    void SetTabStop(bool v) { tabStop_ = v; }
    const String& Hint() const { return hint_; }
    void SetHint(const String& v) { hint_ = v; }
    // The mouse cursor over this control: a number of the screen's cursor table; crDefault
    // leaves it to the parent and the window class.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);

    // True while this control holds the mouse capture (a window-less control holds it through
    // its parent's window). Presses take it and releases give it back; another window taking it
    // sends CM_CAPTURELOST, which ends a held press without a click.
    bool MouseCapture() const;
    void SetMouseCapture(bool v);
    // The control holding the capture, or null.
    static TControl* CaptureControl();

    // The object-level window procedure; replace it to hook the control's messages.
    TWndMethod WindowProc;
    LRESULT Perform(UINT msg, WPARAM wParam = 0, LPARAM lParam = 0);
    // Dispatches msg through WindowProc, turning an escaping exception into a call to the
    // application's HandleException (used by every entry point from the system).
    static void SafeDispatch(TControl* control, TMessage& msg);

    virtual void Invalidate();
    void Repaint();
    virtual bool IsWindowed() const { return false; }

    TNotifyEvent OnClick;
    TNotifyEvent OnDblClick;
    TNotifyEvent OnMouseEnter;
    TNotifyEvent OnMouseLeave;
    TMouseEvent OnMouseDown;
    TMouseEvent OnMouseUp;
    TMouseMoveEvent OnMouseMove;
    TMouseWheelEvent OnMouseWheel;

    bool SetProperty(const String& name, const TPropValue& value) override;
    void SetParentComponent(TComponent* parent) override;

protected:
    virtual void WndProc(TMessage& msg);
    virtual void DefaultHandler(TMessage& msg) {}
    // Event raisers; none raises its event while the component is being loaded.
    virtual void Click();
    virtual void DblClick();
    virtual void MouseDown(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseUp(TMouseButton button, TShiftState shift, int x, int y);
    virtual void MouseMove(TShiftState shift, int x, int y);
    // True when the wheel turn was handled (otherwise it goes on to the parent).
    virtual bool DoMouseWheel(TShiftState shift, int delta, TPoint mousePos);
    // Sends CM_CANCELMODE to the active control of this control's form unless it is this one.
    void SendCancelMode();
    // Whether a press captures the mouse until the release.
    virtual bool CapturesMouse() const { return true; }
    // Whether a left release over the control raises Click and a left double press DblClick;
    // a native control that reports its own clicks answers false, so none is raised twice.
    virtual bool MouseClicks() const { return true; }
    // A raiser for an event of this component: skipped while loading.
    template <class E, class... A> void Raise(const E& event, A&&... args)
    {
        if (!IsLoading())
            event(std::forward<A>(args)...);
    }
    virtual void VisibleChanging() {}
    virtual void FontChanged();
    // Asks the parent to lay its children out again after this control's size, alignment or
    // visibility changed.
    void RequestAlign();

    TWinControl* parent_ = nullptr;
    int left_ = 0, top_ = 0, width_ = 0, height_ = 0;

private:
    friend class TWinControl;
    void MouseMessage(TMessage& msg);
    void WheelMessage(TMessage& msg);
    // Forgets this control as the capture or hover control (it is going).
    void DropMouseState();

    bool visible_ = true;
    bool enabled_ = true;
    TAlign align_ = alNone;
    TColor color_ = clBtnFace;
    std::unique_ptr<TFont> font_;
    bool parentFont_ = true;
    String text_;
    String hint_;
    int tabOrder_ = -1;
    bool tabStop_ = false;
    bool clicking_ = false;
    TCursor cursor_ = crDefault;
};

struct TCreateParams {
    String Caption;
    DWORD Style = 0;
    DWORD ExStyle = 0;
    int X = 0, Y = 0, Width = 0, Height = 0;
    HWND WndParent = nullptr;
    UINT ClassStyle = CS_DBLCLKS;
    // Our window class; with a base class the native control is superclassed under this name.
    String WinClassName;
    String BaseClassName;
};

class TWinControl : public TControl {
    VT_CLASS_NAME(TWinControl)
public:
    explicit TWinControl(TComponent* owner);
    ~TWinControl() override;

    // The window handle, created on first use (with the parent's).
    HWND Handle();
    bool HandleAllocated() const { return handle_ != nullptr; }
    void HandleNeeded();
    // Destroys the window and creates it again; the object's state and hooks stay.
    void RecreateWnd();
    // The control that owns a window of ours, or null.
    static TWinControl* FindControl(HWND wnd);

    int ControlCount() const { return static_cast<int>(controls_.size()); }
    TControl* Controls(int index) const { return controls_.at(static_cast<size_t>(index)); }
    // The topmost visible, enabled window-less child at p (client coordinates), or null.
    TControl* GraphicControlAtPos(TPoint p) const;

    void SetBounds(int left, int top, int width, int height) override;
    TRect ClientRect() const override;
    void SetClientWidth(int v) override;
    void SetClientHeight(int v) override;
    void Loaded() override;
    // Lays the aligned children out within the client area.
    void Realign();
    void Invalidate() override;
    void SetText(const String& v) override;
    // Gives this control the keyboard focus; raises EInvalidOperation when it cannot take it.
    // The form's ActiveControl follows through WM_SETFOCUS.
    void SetFocus();
    bool Focused() const;
    // Visible and enabled, and so is every parent up to its form.
    virtual bool CanFocus() const;
    bool IsWindowed() const override { return true; }

    // The focusable windowed controls inside this one, in the order Tab visits them.
    std::vector<TWinControl*> TabOrderList() const;
    // The next (or previous) control after current in the tab order of this control's children,
    // wrapping around; with checkTabStop only TabStop controls count. Null when there is none.
    TWinControl* FindNextControl(TWinControl* current, bool forward, bool checkTabStop) const;
    // Focuses FindNextControl(current, forward, checkTabStop) if there is one.
    void SelectNext(TWinControl* current, bool forward, bool checkTabStop);

    // A window timer of this control: WM_TIMER with wParam id reaches its WndProc every ms
    // milliseconds. The timers are started again when the window is recreated.
    void SetWindowTimer(UINT_PTR id, unsigned ms);
    void KillWindowTimer(UINT_PTR id);

    TNotifyEvent OnEnter;
    TNotifyEvent OnExit;
    TKeyEvent OnKeyDown;
    TKeyEvent OnKeyUp;
    TKeyPressEvent OnKeyPress;

    // Paints a copy of this control's own background (WM_ERASEBKGND) and, with ownPainting, its
    // window painting (WM_PAINT), both with dc and through WindowProc, into dc in client
    // coordinates, leaving out its window-less children: what a child shows behind it.
    void PaintBackgroundCopy(HDC dc, bool ownPainting);

protected:
    // Key handlers (the events' raisers); a key set to 0 is not handled further.
    virtual void KeyDown(WORD& key, TShiftState shift);
    virtual void KeyUp(WORD& key, TShiftState shift);
    virtual void KeyPress(wchar_t& key);
    virtual void DoEnter();
    virtual void DoExit();
    virtual void CreateParams(TCreateParams& params);
    // Creates this window, then the children's.
    virtual void CreateHandle();
    virtual void CreateWnd();
    virtual void DestroyHandle();
    // The area the aligned children share (the client area unless a subclass keeps a border).
    virtual void AdjustClientRect(TRect& rect) const;
    virtual void AlignControls(TRect rect);
    void WndProc(TMessage& msg) override;
    void DefaultHandler(TMessage& msg) override;
    // True when this control paints its own client area (PaintWindow) instead of the default.
    virtual bool CustomPaint() const { return false; }
    virtual void PaintWindow(HDC dc);
    // Paints the visible window-less children onto dc (client coordinates of this control).
    void PaintControls(HDC dc, const TRect& clip);
    void FontChanged() override;
    bool CapturesMouse() const override;

private:
    friend class TControl;
    friend LRESULT CALLBACK StdWndProc(HWND, UINT, WPARAM, LPARAM);
    void InsertControl(TControl* control);
    void RemoveControl(TControl* control);
    void PaintHandler(TMessage& msg);
    void UpdateBoundsFromWindow();
    void RouteMouseToGraphic(TMessage& msg, bool& handled);
    void MouseLeft();
    void CaptureChanged(HWND newCapture);
    // Returns true when the key message was taken by a key event (the key set to 0).
    bool KeyMessage(TMessage& msg);
    bool SetCursorMessage(TMessage& msg);
    void AppendTabOrder(std::vector<TWinControl*>& list) const;
    void RestartWindowTimers();

    HWND handle_ = nullptr;
    WNDPROC defWndProc_ = nullptr;
    std::vector<TControl*> controls_;
    bool aligning_ = false;
    bool realignPending_ = false;
    // Set while a WM_PAINT with a DC paints the control without its window-less children.
    bool omitControls_ = false;
    int loadedClientWidth_ = -1;
    int loadedClientHeight_ = -1;
    std::vector<std::pair<UINT_PTR, unsigned>> windowTimers_;
};

// Replaces a control's WindowProc for the scope's life and then puts back the one it replaced,
// unless another hook replaced ours meanwhile: then ours only passes messages on from then on.
// The handler receives the replaced procedure to pass on the messages it leaves alone.
class TWindowProcHook {
public:
    using Handler = std::function<void(TMessage&, const TWndMethod& previous)>;
    TWindowProcHook(TControl& control, Handler handler);
    TWindowProcHook(const TWindowProcHook&) = delete;
    TWindowProcHook& operator=(const TWindowProcHook&) = delete;
    ~TWindowProcHook();

private:
    TComponentRef<TControl> control_;
    TWndMethod previous_;
    std::shared_ptr<bool> alive_;
};

// The form a control sits on (the control itself when it is a form), or null.
TCustomForm* GetParentForm(const TControl* control);

// A window-less control that paints on its parent's surface and gets mouse input through it.
class TGraphicControl : public TControl {
    VT_CLASS_NAME(TGraphicControl)
public:
    using TControl::TControl;
    TCanvas& Canvas() { return canvas_; }
    // Called by the parent while painting, with Canvas() bound and the origin moved here.
    void PaintTo(HDC dc);

protected:
    virtual void Paint() {}

private:
    TCanvas canvas_;
};

// A windowed control that paints its client area itself through Paint; painting is composed in a
// memory bitmap and put on the screen in one step.
class TCustomControl : public TWinControl {
    VT_CLASS_NAME(TCustomControl)
public:
    using TWinControl::TWinControl;
    TCanvas& Canvas() { return canvas_; }

protected:
    virtual void Paint() {}
    bool CustomPaint() const override { return true; }
    void PaintWindow(HDC dc) override;

private:
    TCanvas canvas_;
};

// Description values by name (raise EReadError for an unknown name).
TAlign AlignFromIdent(const String& ident);
TColor ColorFromIdent(const String& ident);
// A colour given as a number or as a colour identifier.
TColor ColorFromValue(const TPropValue& value);
int CharsetFromIdent(const String& ident);
// A character set given as a number or as a character set identifier.
uint8_t CharsetFromValue(const TPropValue& value);
TFontStyles FontStylesFromSet(const std::vector<String>& members);

} // namespace vt
