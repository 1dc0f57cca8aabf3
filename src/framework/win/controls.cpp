#include "framework/win/controls.h"

#include "framework/base/form_reader.h"
#include "framework/base/property_table.h"
#include "framework/win/exception_funnel.h"
#include "framework/win/forms.h"
#include "framework/win/window_class.h"

#include <windowsx.h>

#include <algorithm>
#include <map>
#include <utility>

namespace vt {

namespace {

const wchar_t kControlProp[] = L"VtControl";
// The control whose window is being created; its first message binds the window to it.
TWinControl* gCreatingControl = nullptr;

// Never destroyed: windows may be created and freed while the program exits.
std::map<String, WNDPROC>& BaseProcs()
{
    static auto* procs = new std::map<String, WNDPROC>;
    return *procs;
}

} // namespace

LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam);

TAlign AlignFromIdent(const String& ident)
{
    static const wchar_t* const names[] = {L"alNone", L"alTop",   L"alBottom",
                                           L"alLeft", L"alRight", L"alClient"};
    return static_cast<TAlign>(IdentIndex(ident, names));
}

TColor ColorFromIdent(const String& ident)
{
    struct Named {
        const wchar_t* name;
        TColor color;
    };
    static const Named names[] = {
        {L"clBtnFace", clBtnFace}, {L"clWindow", clWindow}, {L"clWindowText", clWindowText},
        {L"clBtnText", clBtnText}, {L"clBtnShadow", clBtnShadow},
        {L"clBtnHighlight", clBtnHighlight}, {L"clHighlight", clHighlight},
        {L"clHighlightText", clHighlightText}, {L"clGrayText", clGrayText},
        {L"clInfoBk", clInfoBk}, {L"clInfoText", clInfoText}, {L"clMenu", clMenu},
        {L"clMenuText", clMenuText}, {L"clCaptionText", clCaptionText},
        {L"clActiveCaption", clActiveCaption}, {L"clInactiveCaption", clInactiveCaption},
        {L"clAppWorkSpace", clAppWorkSpace}, {L"cl3DDkShadow", cl3DDkShadow},
        {L"cl3DLight", cl3DLight}, {L"clBlack", clBlack}, {L"clMaroon", clMaroon},
        {L"clGreen", clGreen}, {L"clOlive", clOlive}, {L"clNavy", clNavy},
        {L"clPurple", clPurple}, {L"clTeal", clTeal}, {L"clGray", clGray},
        {L"clSilver", clSilver}, {L"clRed", clRed}, {L"clLime", clLime},
        {L"clYellow", clYellow}, {L"clBlue", clBlue}, {L"clFuchsia", clFuchsia},
        {L"clAqua", clAqua}, {L"clWhite", clWhite}, {L"clNone", clNone},
        {L"clDefault", clDefault}};
    for (const Named& n : names)
        if (SameDescriptionName(ident, n.name))
            return n.color;
    throw EReadError(L"Invalid property value");
}

TColor ColorFromValue(const TPropValue& v)
{
    return v.Kind == TValueKind::vkIdent ? ColorFromIdent(v.Str) : v.AsInteger();
}

int CharsetFromIdent(const String& ident)
{
    static const wchar_t* const names[] = {L"DEFAULT_CHARSET", L"ANSI_CHARSET", L"SYMBOL_CHARSET",
                                           L"RUSSIAN_CHARSET", L"EASTEUROPE_CHARSET"};
    static const int values[] = {DEFAULT_CHARSET, ANSI_CHARSET, SYMBOL_CHARSET, RUSSIAN_CHARSET,
                                 EASTEUROPE_CHARSET};
    return values[IdentIndex(ident, names)];
}

uint8_t CharsetFromValue(const TPropValue& v)
{
    return static_cast<uint8_t>(v.Kind == TValueKind::vkIdent ? CharsetFromIdent(v.Str) : ByteValue(v));
}

TFontStyles FontStylesFromSet(const std::vector<String>& members)
{
    static const wchar_t* const names[] = {L"fsBold", L"fsItalic", L"fsUnderline", L"fsStrikeOut"};
    static const TFontStyles styles[] = {fsBold, fsItalic, fsUnderline, fsStrikeOut};
    TFontStyles result = 0;
    for (const String& m : members)
        result |= styles[IdentIndex(m, names)];
    return result;
}

// --- TControl -------------------------------------------------------------------------------

TControl::TControl(TComponent* owner) : TComponent(owner), font_(std::make_unique<TFont>())
{
    WindowProc = [this](TMessage& m) { WndProc(m); };
    font_->OnChange = [this] {
        parentFont_ = false;
        FontChanged();
    };
}

TControl::~TControl()
{
    DropMouseState();
    if (parent_)
        parent_->RemoveControl(this);
}

void TControl::SetParent(TWinControl* parent)
{
    if (parent == parent_)
        return;
    for (TWinControl* p = parent; p; p = p->parent_)
        if (p == this)
            throw EComponentError(L"A control cannot have itself as its parent");
    if (parent_)
        parent_->RemoveControl(this);
    if (parent)
        parent->InsertControl(this);
}

void TControl::SetParentComponent(TComponent* parent)
{
    auto* p = dynamic_cast<TWinControl*>(parent);
    if (!p)
        throw EComponentError(L"Control " + Name() + L" needs a windowed control as its parent");
    SetParent(p);
}

void TControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    bool sized = width != width_ || height != height_;
    bool moved = left != left_ || top != top_;
    if (!sized && !moved)
        return;
    if (!IsWindowed() && Visible())
        Invalidate();
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    if (!IsWindowed() && Visible())
        Invalidate();
    if (sized || align_ != alNone)
        RequestAlign();
}

void TControl::RequestAlign()
{
    if (parent_ && align_ != alNone)
        parent_->Realign();
}

TPoint TControl::ClientToScreen(TPoint p) const
{
    if (IsWindowed()) {
        auto* self = static_cast<const TWinControl*>(this);
        if (self->HandleAllocated()) {
            POINT pt{p.X, p.Y};
            ::ClientToScreen(const_cast<TWinControl*>(self)->Handle(), &pt);
            return {pt.x, pt.y};
        }
    }
    TPoint q{p.X + left_, p.Y + top_};
    return parent_ ? parent_->ClientToScreen(q) : q;
}

TPoint TControl::ScreenToClient(TPoint p) const
{
    TPoint origin = ClientToScreen({0, 0});
    return {p.X - origin.X, p.Y - origin.Y};
}

void TControl::SetVisible(bool v)
{
    if (v == visible_)
        return;
    VisibleChanging();
    if (!IsWindowed())
        Invalidate();
    visible_ = v;
    if (!IsWindowed())
        Invalidate();
    Perform(CM_VISIBLECHANGED, v ? 1 : 0);
    RequestAlign();
}

bool TControl::Showing() const
{
    for (const TControl* c = this; c; c = c->parent_)
        if (!c->visible_)
            return false;
    return true;
}

void TControl::SetEnabled(bool v)
{
    if (v == enabled_)
        return;
    enabled_ = v;
    Perform(CM_ENABLEDCHANGED);
}

void TControl::SetAlign(TAlign v)
{
    if (v == align_)
        return;
    align_ = v;
    if (parent_)
        parent_->Realign();
}

void TControl::SetColor(TColor v)
{
    if (v == color_)
        return;
    color_ = v;
    Invalidate();
}

void TControl::SetParentFont(bool v)
{
    parentFont_ = v;
    if (v && parent_) {
        auto handler = std::move(font_->OnChange);
        font_->Assign(parent_->Font());
        font_->OnChange = std::move(handler);
        FontChanged();
    }
}

void TControl::FontChanged()
{
    Perform(CM_FONTCHANGED);
    Invalidate();
}

void TControl::SetText(const String& v)
{
    if (v == text_)
        return;
    text_ = v;
    Perform(CM_TEXTCHANGED);
    Invalidate();
}

LRESULT TControl::Perform(UINT msg, WPARAM wParam, LPARAM lParam)
{
    TMessage m{msg, wParam, lParam, 0};
    WindowProc(m);
    return m.Result;
}

void TControl::SafeDispatch(TControl* control, TMessage& msg)
{
    GuardedCall(control, [&] { control->WindowProc(msg); });
}

void TControl::Invalidate()
{
    if (!parent_ || !visible_)
        return;
    if (parent_->HandleAllocated()) {
        RECT r = ToRECT(BoundsRect());
        InvalidateRect(parent_->Handle(), &r, TRUE);
    }
}

void TControl::Repaint()
{
    Invalidate();
    for (TControl* c = this; c; c = c->parent_)
        if (c->IsWindowed() && static_cast<TWinControl*>(c)->HandleAllocated()) {
            UpdateWindow(static_cast<TWinControl*>(c)->Handle());
            break;
        }
}

void TControl::WndProc(TMessage& msg)
{
    if (IsMouseMessage(msg.Msg)) {
        TComponentRef<TControl> self(this);
        MouseMessage(msg);
        if (self)  // a click handler may free the control
            DefaultHandler(msg);
        return;
    }
    switch (msg.Msg) {
    case WM_MOUSEWHEEL:
        WheelMessage(msg);
        return;
    case CM_MOUSEENTER:
        Raise(OnMouseEnter, this);
        return;
    case CM_MOUSELEAVE:
        Raise(OnMouseLeave, this);
        return;
    case CM_CAPTURELOST:
        clicking_ = false;
        break;
    default:
        break;
    }
    DefaultHandler(msg);
}

bool TControl::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TControl>;
    static const Row rows[] = {
        {L"Left", [](TControl& c, const TPropValue& v) { c.SetLeft(v.AsInteger()); }},
        {L"Top", [](TControl& c, const TPropValue& v) { c.SetTop(v.AsInteger()); }},
        {L"Width", [](TControl& c, const TPropValue& v) { c.SetWidth(v.AsInteger()); }},
        {L"Height", [](TControl& c, const TPropValue& v) { c.SetHeight(v.AsInteger()); }},
        {L"ClientWidth", [](TControl& c, const TPropValue& v) { c.SetClientWidth(v.AsInteger()); }},
        {L"ClientHeight", [](TControl& c, const TPropValue& v) { c.SetClientHeight(v.AsInteger()); }},
        {L"Align", [](TControl& c, const TPropValue& v) { c.SetAlign(AlignFromIdent(v.AsIdent())); }},
        {L"Visible", [](TControl& c, const TPropValue& v) { c.SetVisible(v.AsBoolean()); }},
        {L"Enabled", [](TControl& c, const TPropValue& v) { c.SetEnabled(v.AsBoolean()); }},
        {L"Color", [](TControl& c, const TPropValue& v) { c.SetColor(ColorFromValue(v)); }},
        {L"Caption", [](TControl& c, const TPropValue& v) { c.SetText(v.AsString()); }},
        {L"Text", [](TControl& c, const TPropValue& v) { c.SetText(v.AsString()); }},
        {L"TabOrder", [](TControl& c, const TPropValue& v) { c.SetTabOrder(v.AsInteger()); }},
        {L"TabStop", [](TControl& c, const TPropValue& v) { c.SetTabStop(v.AsBoolean()); }},
        {L"Hint", [](TControl& c, const TPropValue& v) { c.SetHint(v.AsString()); }},
        {L"ParentFont", [](TControl& c, const TPropValue& v) { c.SetParentFont(v.AsBoolean()); }},
        {L"Font.Name", [](TControl& c, const TPropValue& v) { c.font_->SetName(v.AsString()); }},
        {L"Font.Height", [](TControl& c, const TPropValue& v) { c.font_->SetHeight(v.AsInteger()); }},
        {L"Font.Color", [](TControl& c, const TPropValue& v) { c.font_->SetColor(ColorFromValue(v)); }},
        {L"Font.Charset",
         [](TControl& c, const TPropValue& v) {
             c.font_->SetCharset(static_cast<uint8_t>(
                 v.Kind == TValueKind::vkIdent ? CharsetFromIdent(v.Str) : v.AsInteger()));
         }},
        {L"Font.Style",
         [](TControl& c, const TPropValue& v) { c.font_->SetStyle(FontStylesFromSet(v.AsSet())); }},
        {L"OnClick", [](TControl& c, const TPropValue& v) { c.OnClick = v.AsMethod<TNotifyEvent>(); }},
        {L"OnMouseEnter",
         [](TControl& c, const TPropValue& v) { c.OnMouseEnter = v.AsMethod<TNotifyEvent>(); }},
        {L"OnMouseLeave",
         [](TControl& c, const TPropValue& v) { c.OnMouseLeave = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, v) || TComponent::SetProperty(name, v);
}

// --- TWinControl ----------------------------------------------------------------------------

TWinControl::TWinControl(TComponent* owner) : TControl(owner) {}

TWinControl::~TWinControl()
{
    // Children whose parent this is go with it (their owner may be another component).
    while (!controls_.empty()) {
        TControl* c = controls_.back();
        RemoveControl(c);
        delete c;
    }
    DropMouseState();
    DestroyHandle();
}

TWinControl* TWinControl::FindControl(HWND wnd)
{
    return wnd ? static_cast<TWinControl*>(GetPropW(wnd, kControlProp)) : nullptr;
}

void TWinControl::InsertControl(TControl* control)
{
    controls_.push_back(control);
    control->parent_ = this;
    if (control->parentFont_) {
        auto handler = std::move(control->font_->OnChange);
        control->font_->Assign(Font());
        control->font_->OnChange = std::move(handler);
    }
    if (control->IsWindowed() && HandleAllocated())
        static_cast<TWinControl*>(control)->CreateHandle();
    if (control->align_ != alNone)
        Realign();
    control->Invalidate();
}

void TWinControl::RemoveControl(TControl* control)
{
    auto it = std::find(controls_.begin(), controls_.end(), control);
    if (it == controls_.end())
        return;
    control->Invalidate();
    if (control == CaptureControl())
        control->SetMouseCapture(false);
    if (control->IsWindowed()) {
        auto* w = static_cast<TWinControl*>(control);
        if (w->HandleAllocated())
            w->DestroyHandle();
    }
    controls_.erase(it);
    control->parent_ = nullptr;
    if (control->align_ != alNone)
        Realign();
}

void TWinControl::FontChanged()
{
    TControl::FontChanged();
    if (HandleAllocated())
        SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
    for (TControl* c : controls_)
        if (c->parentFont_)
            c->SetParentFont(true);
}

HWND TWinControl::Handle()
{
    HandleNeeded();
    return handle_;
}

void TWinControl::HandleNeeded()
{
    if (handle_)
        return;
    if (parent_) {
        parent_->HandleNeeded();  // creates ours as well
        if (handle_)
            return;
    }
    CreateHandle();
}

void TWinControl::CreateParams(TCreateParams& p)
{
    p.Caption = Text();
    p.Style = WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
    if (parent_)
        p.Style |= WS_CHILD;
    if (Visible())
        p.Style |= WS_VISIBLE;
    if (!Enabled())
        p.Style |= WS_DISABLED;
    p.X = left_;
    p.Y = top_;
    p.Width = width_;
    p.Height = height_;
    p.WinClassName = L"Vt" + ClassName();
}

void TWinControl::CreateHandle()
{
    if (handle_)
        return;
    CreateWnd();
    RestartWindowTimers();
    for (TControl* c : controls_)
        if (c->IsWindowed())
            static_cast<TWinControl*>(c)->CreateHandle();
    Realign();
}

void TWinControl::SetWindowTimer(UINT_PTR id, unsigned ms)
{
    auto it = std::find_if(windowTimers_.begin(), windowTimers_.end(),
                           [id](const auto& t) { return t.first == id; });
    if (it != windowTimers_.end())
        it->second = ms;
    else
        windowTimers_.emplace_back(id, ms);
    if (handle_ && !::SetTimer(handle_, id, ms, nullptr))
        throw EOutOfResources(L"Not enough timers available");
}

void TWinControl::KillWindowTimer(UINT_PTR id)
{
    std::erase_if(windowTimers_, [id](const auto& t) { return t.first == id; });
    if (handle_)
        ::KillTimer(handle_, id);
}

void TWinControl::RestartWindowTimers()
{
    for (const auto& [id, ms] : windowTimers_)
        if (!::SetTimer(handle_, id, ms, nullptr))
            throw EOutOfResources(L"Not enough timers available");
}

void TWinControl::CreateWnd()
{
    TCreateParams p;
    CreateParams(p);
    p.WndParent = parent_ ? parent_->handle_ : nullptr;
    HINSTANCE instance = GetModuleHandleW(nullptr);
    if (!BaseProcs().count(p.WinClassName)) {
        WNDCLASSEXW wc{};
        WNDPROC baseProc = DefWindowProcW;
        if (!p.BaseClassName.empty()) {
            WNDCLASSEXW base{};
            base.cbSize = sizeof base;
            if (!GetClassInfoExW(nullptr, p.BaseClassName.c_str(), &base))
                throw EOutOfResources(L"Window class " + p.BaseClassName + L" is not available");
            wc = base;
            baseProc = base.lpfnWndProc;
        } else {
            wc.style = p.ClassStyle;
            wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        }
        wc.lpfnWndProc = StdWndProc;
        wc.lpszClassName = p.WinClassName.c_str();
        if (EnsureWindowClass(wc))
            BaseProcs()[p.WinClassName] = baseProc;
    }
    defWndProc_ = BaseProcs().count(p.WinClassName) ? BaseProcs()[p.WinClassName] : DefWindowProcW;

    TWinControl* previous = gCreatingControl;
    gCreatingControl = this;
    HWND wnd = CreateWindowExW(p.ExStyle, p.WinClassName.c_str(), p.Caption.c_str(), p.Style, p.X,
                               p.Y, p.Width, p.Height, p.WndParent, nullptr, instance, nullptr);
    gCreatingControl = previous;
    if (!wnd)
        throw EOutOfResources(L"Error creating window of " + ClassName());
    handle_ = wnd;
    SendMessageW(wnd, WM_SETFONT, reinterpret_cast<WPARAM>(Font().Handle()), FALSE);
}

void TWinControl::DestroyHandle()
{
    if (!handle_)
        return;
    for (TControl* c : controls_)
        if (c->IsWindowed())
            static_cast<TWinControl*>(c)->DestroyHandle();
    HWND wnd = handle_;
    DestroyWindow(wnd);
    // WM_NCDESTROY clears the binding; make sure of it if the window was already gone.
    if (handle_ == wnd) {
        RemovePropW(wnd, kControlProp);
        handle_ = nullptr;
    }
}

void TWinControl::RecreateWnd()
{
    if (!handle_)
        return;
    DestroyHandle();
    CreateHandle();
}

void TWinControl::SetBounds(int left, int top, int width, int height)
{
    width = std::max(width, 0);
    height = std::max(height, 0);
    if (handle_ && (left != left_ || top != top_ || width != width_ || height != height_)) {
        left_ = left;
        top_ = top;
        width_ = width;
        height_ = height;
        SetWindowPos(handle_, nullptr, left, top, width, height,
                     SWP_NOZORDER | SWP_NOACTIVATE);
        UpdateBoundsFromWindow();
        Realign();
        RequestAlign();
        return;
    }
    bool sized = width != width_ || height != height_;
    TControl::SetBounds(left, top, width, height);
    if (sized)
        Realign();
}

void TWinControl::UpdateBoundsFromWindow()
{
    if (!handle_ || IsIconic(handle_))
        return;
    RECT r;
    GetWindowRect(handle_, &r);
    if (parent_ && parent_->handle_)
        MapWindowPoints(nullptr, parent_->handle_, reinterpret_cast<POINT*>(&r), 2);
    left_ = r.left;
    top_ = r.top;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
}

TRect TWinControl::ClientRect() const
{
    if (handle_) {
        RECT r;
        GetClientRect(handle_, &r);
        return FromRECT(r);
    }
    // Before the window exists: the bounds less the frame its styles will give it.
    TCreateParams p;
    const_cast<TWinControl*>(this)->CreateParams(p);
    RECT frame{0, 0, 0, 0};
    AdjustWindowRectEx(&frame, p.Style, FALSE, p.ExStyle);
    int w = width_ - (frame.right - frame.left);
    int h = height_ - (frame.bottom - frame.top);
    return Rect(0, 0, std::max(w, 0), std::max(h, 0));
}

void TWinControl::SetClientWidth(int v)
{
    // While loading, the frame may still change (border style and icons): apply in Loaded.
    if (IsLoading()) {
        loadedClientWidth_ = v;
        return;
    }
    SetWidth(width_ - ClientRect().Width() + v);
}

void TWinControl::SetClientHeight(int v)
{
    if (IsLoading()) {
        loadedClientHeight_ = v;
        return;
    }
    SetHeight(height_ - ClientRect().Height() + v);
}

void TWinControl::Loaded()
{
    TControl::Loaded();
    if (loadedClientWidth_ >= 0)
        SetClientWidth(std::exchange(loadedClientWidth_, -1));
    if (loadedClientHeight_ >= 0)
        SetClientHeight(std::exchange(loadedClientHeight_, -1));
    Realign();
}

void TWinControl::AdjustClientRect(TRect& rect) const {}

void TWinControl::Realign()
{
    if (aligning_) {
        realignPending_ = true;
        return;
    }
    aligning_ = true;
    try {
        do {
            realignPending_ = false;
            TRect r = ClientRect();
            AdjustClientRect(r);
            AlignControls(r);
        } while (realignPending_);
    } catch (...) {
        aligning_ = false;
        throw;
    }
    aligning_ = false;
}

void TWinControl::AlignControls(TRect r)
{
    // Top, bottom, left, right, then client; within each, in child order.
    for (TAlign kind : {alTop, alBottom, alLeft, alRight, alClient}) {
        for (TControl* c : controls_) {
            if (c->align_ != kind || !c->visible_)
                continue;
            int w = std::max(r.Width(), 0), h = std::max(r.Height(), 0);
            switch (kind) {
            case alTop:
                c->SetBounds(r.Left, r.Top, w, c->height_);
                r.Top = std::min(r.Top + c->height_, r.Bottom);
                break;
            case alBottom:
                c->SetBounds(r.Left, r.Bottom - c->height_, w, c->height_);
                r.Bottom = std::max(r.Bottom - c->height_, r.Top);
                break;
            case alLeft:
                c->SetBounds(r.Left, r.Top, c->width_, h);
                r.Left = std::min(r.Left + c->width_, r.Right);
                break;
            case alRight:
                c->SetBounds(r.Right - c->width_, r.Top, c->width_, h);
                r.Right = std::max(r.Right - c->width_, r.Left);
                break;
            default:
                c->SetBounds(r.Left, r.Top, w, h);
                break;
            }
        }
    }
}

void TWinControl::Invalidate()
{
    if (handle_)
        InvalidateRect(handle_, nullptr, TRUE);
}

void TWinControl::SetText(const String& v)
{
    if (v == Text())
        return;
    if (handle_)
        SetWindowTextW(handle_, v.c_str());
    TControl::SetText(v);
}

TControl* TWinControl::GraphicControlAtPos(TPoint p) const
{
    for (size_t i = controls_.size(); i-- > 0;) {
        TControl* c = controls_[i];
        if (!c->IsWindowed() && c->visible_ && c->enabled_ && c->BoundsRect().Contains(p))
            return c;
    }
    return nullptr;
}

void TWinControl::WndProc(TMessage& msg)
{
    if (IsMouseMessage(msg.Msg)) {
        bool handled = false;
        RouteMouseToGraphic(msg, handled);
        if (!handled)
            TControl::WndProc(msg);
        return;
    }
    switch (msg.Msg) {
    case WM_PAINT:
        // A given DC always goes to our handler: the class's procedure would paint the window
        // itself (and validate it) instead.
        if (msg.WParam || CustomPaint() ||
            std::any_of(controls_.begin(), controls_.end(),
                        [](TControl* c) { return !c->IsWindowed() && c->visible_; })) {
            PaintHandler(msg);
            return;
        }
        break;
    case WM_ERASEBKGND:
        if (CustomPaint()) {
            msg.Result = 1;
            return;
        }
        if (defWndProc_ == DefWindowProcW) {
            RECT r = ToRECT(ClientRect());
            TGdiHandle<HBRUSH> brush(CreateSolidBrush(static_cast<COLORREF>(ColorToRGB(Color()))));
            ::FillRect(reinterpret_cast<HDC>(msg.WParam), &r, brush.get());
            msg.Result = 1;
            return;
        }
        break;
    case WM_MOUSELEAVE:
        MouseLeft();
        break;
    case WM_CAPTURECHANGED:
        CaptureChanged(reinterpret_cast<HWND>(msg.LParam));
        break;
    case WM_SETCURSOR:
        if (SetCursorMessage(msg))
            return;
        break;
    case WM_SETFOCUS:
        DefaultHandler(msg);
        if (TCustomForm* form = GetParentForm(this))
            form->FocusChanged(this);
        return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP:
    case WM_CHAR:
        if (KeyMessage(msg))
            return;
        break;
    case CM_ENTER:
        DoEnter();
        return;
    case CM_EXIT:
        DoExit();
        return;
    case CM_DIALOGKEY:
    case CM_DIALOGCHAR:
        // Offered to the children in turn until one takes it.
        for (size_t i = 0; i < controls_.size() && msg.Result == 0; ++i)
            msg.Result = controls_[i]->Perform(msg.Msg, msg.WParam, msg.LParam);
        return;
    case WM_WINDOWPOSCHANGED: {
        int w = width_, h = height_;
        UpdateBoundsFromWindow();
        DefaultHandler(msg);
        if (w != width_ || h != height_) {
            Realign();
            RequestAlign();
        }
        return;
    }
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_MEASUREITEM:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN: {
        // Hand a child's notification back to the child's object.
        HWND child = nullptr;
        if (msg.Msg == WM_NOTIFY)
            child = reinterpret_cast<NMHDR*>(msg.LParam)->hwndFrom;
        else if (msg.Msg == WM_DRAWITEM)
            child = reinterpret_cast<DRAWITEMSTRUCT*>(msg.LParam)->hwndItem;
        else if (msg.Msg == WM_MEASUREITEM)
            child = GetDlgItem(handle_, static_cast<int>(
                                            reinterpret_cast<MEASUREITEMSTRUCT*>(msg.LParam)->CtlID));
        else
            child = reinterpret_cast<HWND>(msg.LParam);
        TWinControl* target = FindControl(child);
        if (target && target != this) {
            msg.Result = target->Perform(CN_BASE + msg.Msg, msg.WParam, msg.LParam);
            if (msg.Result != 0 || (msg.Msg != WM_CTLCOLOREDIT && msg.Msg != WM_CTLCOLORLISTBOX &&
                                    msg.Msg != WM_CTLCOLORSTATIC && msg.Msg != WM_CTLCOLORBTN))
                return;
        }
        break;
    }
    case CM_VISIBLECHANGED:
        if (handle_)
            ShowWindow(handle_, msg.WParam ? SW_SHOWNA : SW_HIDE);
        return;
    case CM_ENABLEDCHANGED:
        if (handle_)
            EnableWindow(handle_, Enabled());
        return;
    case WM_SETTEXT:
        DefaultHandler(msg);
        if (msg.LParam)
            TControl::SetText(reinterpret_cast<const wchar_t*>(msg.LParam));
        return;
    default:
        break;
    }
    TControl::WndProc(msg);
}

void TWinControl::DefaultHandler(TMessage& msg)
{
    // Our own notices (CM_*, CN_*) stop here; the rest go to the class's procedure.
    if (msg.Msg >= CM_BASE && msg.Msg < CM_BASE + 0x1000 && !IsReservedFrameMessage(msg.Msg))
        return;
    if (!handle_)
        return;
    msg.Result = CallWindowProcW(defWndProc_ ? defWndProc_ : DefWindowProcW, handle_, msg.Msg,
                                 msg.WParam, msg.LParam);
}

void TWinControl::PaintWindow(HDC dc)
{
    // Our own classes have nothing to paint beyond the background.
    if (defWndProc_ == DefWindowProcW)
        return;
    TMessage m{WM_PAINT, reinterpret_cast<WPARAM>(dc), 0, 0};
    DefaultHandler(m);
}

void TWinControl::PaintControls(HDC dc, const TRect& clip)
{
    for (TControl* c : controls_) {
        if (c->IsWindowed() || !c->visible_)
            continue;
        if (IntersectRect(c->BoundsRect(), clip).IsEmpty())
            continue;
        TSavedDC saved(dc);
        OffsetViewportOrgEx(dc, c->left_, c->top_, nullptr);
        IntersectClipRect(dc, 0, 0, c->width_, c->height_);
        static_cast<TGraphicControl*>(c)->PaintTo(dc);
    }
}

void TWinControl::PaintBackgroundCopy(HDC dc, bool ownPainting)
{
    Perform(WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc));
    if (!ownPainting)
        return;
    bool omitted = std::exchange(omitControls_, true);
    try {
        Perform(WM_PAINT, reinterpret_cast<WPARAM>(dc));
    } catch (...) {
        omitControls_ = omitted;
        throw;
    }
    omitControls_ = omitted;
}

void TWinControl::PaintHandler(TMessage& msg)
{
    if (HDC given = reinterpret_cast<HDC>(msg.WParam)) {
        // Painting a copy into someone else's DC.
        PaintWindow(given);
        if (!omitControls_)
            PaintControls(given, ClientRect());
        return;
    }
    TPaintDC paint(handle_);
    HDC dc = paint.get();
    TRect area = FromRECT(paint.PaintRect());
    if (area.IsEmpty())
        return;
    // Compose in memory, then one blit. The bitmap outlives the DC it is selected into.
    TGdiHandle<HBITMAP> bmp(CreateCompatibleBitmap(dc, area.Width(), area.Height()));
    TDCHandle mem(CreateCompatibleDC(dc));
    if (!mem.get() || !bmp) {
        PaintWindow(dc);
        PaintControls(dc, area);
        return;
    }
    HGDIOBJ old = SelectObject(mem.get(), bmp.get());
    SetViewportOrgEx(mem.get(), -area.Left, -area.Top, nullptr);
    if (!CustomPaint()) {
        TMessage erase{WM_ERASEBKGND, reinterpret_cast<WPARAM>(mem.get()), 0, 0};
        WindowProc(erase);
    }
    PaintWindow(mem.get());
    PaintControls(mem.get(), area);
    SetViewportOrgEx(mem.get(), 0, 0, nullptr);
    BitBlt(dc, area.Left, area.Top, area.Width(), area.Height(), mem.get(), 0, 0, SRCCOPY);
    SelectObject(mem.get(), old);
}

LRESULT CALLBACK StdWndProc(HWND wnd, UINT msg, WPARAM wParam, LPARAM lParam)
{
    auto* control = static_cast<TWinControl*>(GetPropW(wnd, kControlProp));
    if (!control && gCreatingControl) {
        control = gCreatingControl;
        gCreatingControl = nullptr;
        control->handle_ = wnd;
        SetPropW(wnd, kControlProp, control);
    }
    if (!control)
        return DefWindowProcW(wnd, msg, wParam, lParam);
    TMessage m{msg, wParam, lParam, 0};
    TControl::SafeDispatch(control, m);
    if (msg == WM_NCDESTROY) {
        RemovePropW(wnd, kControlProp);
        if (control->handle_ == wnd)
            control->handle_ = nullptr;
    }
    return m.Result;
}

// --- TGraphicControl, TCustomControl --------------------------------------------------------

void TGraphicControl::PaintTo(HDC dc)
{
    canvas_.SetHandle(dc);
    canvas_.Font().Assign(Font());
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(nullptr);
        throw;
    }
    canvas_.SetHandle(nullptr);
}

void TCustomControl::PaintWindow(HDC dc)
{
    canvas_.SetHandle(dc);
    canvas_.Font().Assign(Font());
    canvas_.Brush().SetColor(Color());
    try {
        Paint();
    } catch (...) {
        canvas_.SetHandle(nullptr);
        throw;
    }
    canvas_.SetHandle(nullptr);
}

} // namespace vt
