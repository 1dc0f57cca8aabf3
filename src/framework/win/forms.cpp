#include "framework/win/forms.h"

#include "framework/base/form_loader.h"
#include "framework/base/form_reader.h"
#include "framework/base/property_table.h"
#include "framework/win/timer.h"

#include <commctrl.h>

#include <algorithm>

namespace vt {

namespace {

struct Globals {
    Globals()
    {
        Application = new TApplication(nullptr);
        Screen = new TScreen(nullptr);
    }
    ~Globals()
    {
        delete Application;
        Application = nullptr;
        delete Screen;
        Screen = nullptr;
    }
};

String ExceptionMessage(std::exception_ptr e)
{
    try {
        std::rethrow_exception(e);
    } catch (const Exception& ex) {
        return ex.Message();
    } catch (const std::exception& ex) {
        return Utf8ToWide(ex.what());
    } catch (...) {
        return L"Unknown exception";
    }
}

} // namespace

TApplication* Application = nullptr;
TScreen* Screen = nullptr;
static Globals gGlobals;

// --- TCustomForm ----------------------------------------------------------------------------

TCustomForm::TCustomForm(TComponent* owner) : TWinControl(owner)
{
    SetVisible(false);
    SetBounds(0, 0, 320, 240);
    icon_.OnChange = [this] { UpdateWindowIcon(); };
    if (Screen)
        Screen->forms_.push_back(this);
}

TCustomForm::~TCustomForm()
{
    Destroying();
    if (!IsLoading())
        GuardedCall(this, [&] { OnDestroy(this); });
    // Freeing the main form ends the application, as closing it does.
    if (Application && Application->MainForm() == this)
        Application->Terminate();
    if (Screen) {
        auto& forms = Screen->forms_;
        forms.erase(std::remove(forms.begin(), forms.end(), this), forms.end());
    }
    // Children go while this window still exists, then the window.
    DestroyComponents();
    DestroyHandle();
}

void TCustomForm::CreateParams(TCreateParams& p)
{
    TWinControl::CreateParams(p);
    p.Style &= ~static_cast<DWORD>(WS_CHILD | WS_VISIBLE);
    if (IsChildForm()) {
        ChildFormParams(p);
        return;
    }
    p.Style |= WS_CLIPCHILDREN;
    switch (borderStyle_) {
    case bsNone:
        p.Style |= WS_POPUP;
        break;
    case bsSingle:
    case bsToolWindow:
        p.Style |= WS_CAPTION | WS_BORDER;
        break;
    case bsDialog:
        p.Style |= WS_CAPTION | WS_POPUP;
        p.ExStyle |= WS_EX_DLGMODALFRAME;
        break;
    default:
        p.Style |= WS_CAPTION | WS_THICKFRAME;
        break;
    }
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        p.ExStyle |= WS_EX_TOOLWINDOW;
    if (borderStyle_ != bsNone && (borderIcons_ & biSystemMenu)) {
        p.Style |= WS_SYSMENU;
        if (borderStyle_ != bsDialog && borderStyle_ != bsToolWindow &&
            borderStyle_ != bsSizeToolWin) {
            if (borderIcons_ & biMinimize)
                p.Style |= WS_MINIMIZEBOX;
            if (borderIcons_ & biMaximize)
                p.Style |= WS_MAXIMIZEBOX;
        }
    }
    p.ExStyle |= WS_EX_APPWINDOW;
    if (formStyle_ == fsStayOnTop)
        p.ExStyle |= WS_EX_TOPMOST;
}

void TCustomForm::SetParent(TWinControl* parent)
{
    if (parent == Parent())
        return;
    if (HandleAllocated())
        DestroyHandle();
    TWinControl::SetParent(parent);
}

void TCustomForm::ChildFormParams(TCreateParams& p) const
{
    p.Style |= WS_CHILD;
    switch (borderStyle_) {
    case bsNone: break;
    case bsSingle:
    case bsToolWindow: p.Style |= WS_CAPTION | WS_BORDER; break;
    case bsDialog: p.Style |= WS_CAPTION | WS_DLGFRAME; break;
    default: p.Style |= WS_CAPTION | WS_THICKFRAME; break;
    }
    if (borderStyle_ == bsToolWindow || borderStyle_ == bsSizeToolWin)
        p.ExStyle |= WS_EX_TOOLWINDOW;
}

void TCustomForm::CreateWnd()
{
    TWinControl::CreateWnd();
    UpdateWindowIcon();
}

void TCustomForm::UpdateWindowIcon()
{
    if (!HandleAllocated())
        return;
    HICON icon = ShownIcon(this);
    SendMessageW(Handle(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(Handle(), WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

HICON ShownIcon(const TCustomForm* form)
{
    if (form && !form->Icon().Empty())
        return form->Icon().Handle();
    if (Application && !Application->Icon().Empty())
        return Application->Icon().Handle();
    return LoadIconW(nullptr, IDI_APPLICATION);
}

void TCustomForm::SetWindowState(TWindowState v)
{
    if (frameOwner_) {
        frameOwner_->SetFrameWindowState(v);
        return;
    }
    if (v == windowState_)
        return;
    windowState_ = v;
    if (!IsLoading() && shown_)
        ApplyWindowState();
}

void TCustomForm::ApplyWindowState()
{
    if (IsChildForm()) {
        ShowWindow(Handle(), SW_SHOWNA);
        return;
    }
    static const int commands[] = {SW_SHOWNORMAL, SW_SHOWMINIMIZED, SW_SHOWMAXIMIZED};
    // A frame owner has placed the window for its state already; the platform's stays normal.
    ShowWindow(Handle(), frameOwner_ ? SW_SHOWNORMAL : commands[windowState_]);
}

TRect TCustomForm::ClientRect() const
{
    if (frameOwner_ && !HandleAllocated())
        return frameOwner_->FrameClientRect(Width(), Height());
    return TWinControl::ClientRect();
}

void TCustomForm::SetBorderIcons(TBorderIcons v)
{
    if (v == borderIcons_)
        return;
    borderIcons_ = v;
    if (HandleAllocated() && !IsLoading()) {
        TCreateParams p;
        CreateParams(p);
        const DWORD buttons = WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        DWORD style = static_cast<DWORD>(GetWindowLongPtrW(Handle(), GWL_STYLE));
        style = (style & ~buttons) | (p.Style & buttons);
        SetWindowLongPtrW(Handle(), GWL_STYLE, static_cast<LONG_PTR>(style));
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
}

void TCustomForm::SetBorderStyle(TBorderStyle v)
{
    if (v == borderStyle_)
        return;
    borderStyle_ = v;
    if (HandleAllocated() && !IsLoading())
        RecreateWnd();
}

void TCustomForm::SetFormStyle(TFormStyle v)
{
    if (v == formStyle_)
        return;
    formStyle_ = v;
    if (HandleAllocated() && !IsLoading())
        SetWindowPos(Handle(), v == fsStayOnTop ? HWND_TOPMOST : HWND_NOTOPMOST, 0, 0, 0, 0,
                     SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
}

void TCustomForm::Show()
{
    if (inShow_)
        return;
    inShow_ = true;
    try {
        SetVisible(true);
        ShowWindowNow();
    } catch (...) {
        inShow_ = false;
        throw;
    }
    inShow_ = false;
}

void TCustomForm::ShowWindowNow()
{
    HandleNeeded();
    if (!shown_) {
        shown_ = true;
        ApplyWindowState();
        GuardedCall(this, [&] { Raise(OnShow, this); });
    } else if (IsChildForm()) {
        ShowWindow(Handle(), SW_SHOWNA);
    } else {
        ShowWindow(Handle(), IsIconic(Handle()) ? SW_RESTORE : SW_SHOW);
    }
    if (!IsChildForm())
        SetForegroundWindow(Handle());
}

bool TCustomForm::QueryClose(TCloseAction& action)
{
    bool canClose = true;
    Raise(OnCloseQuery, this, canClose);
    if (!canClose)
        return false;
    Raise(OnClose, this, action);
    return action != caNone;
}

void TCustomForm::Close()
{
    if (modal_) {
        modalResult_ = mrCancel;
        return;
    }
    TCloseAction action = Application->MainForm() == this ? caFree : caHide;
    if (!QueryClose(action))
        return;
    if (Application->MainForm() == this) {
        Application->Terminate();
        return;
    }
    switch (action) {
    case caHide:
        SetVisible(false);
        break;
    case caMinimize:
        SetWindowState(wsMinimized);
        break;
    default:
        Release();
        break;
    }
}

void TCustomForm::Release()
{
    PostMessageW(Handle(), CM_RELEASE, 0, 0);
}

void TCustomForm::WndProc(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_CLOSE:
        Close();
        return;
    case WM_SIZE:
        // With a frame owner the state is the owner's, whatever the platform says.
        if (!frameOwner_) {
            if (msg.WParam == SIZE_MAXIMIZED)
                windowState_ = wsMaximized;
            else if (msg.WParam == SIZE_MINIMIZED)
                windowState_ = wsMinimized;
            else if (msg.WParam == SIZE_RESTORED)
                windowState_ = wsNormal;
        }
        TWinControl::WndProc(msg);
        Raise(OnResize, this);
        return;
    case WM_ACTIVATE:
        // The focus goes to the active control, not to the form's own window.
        if (LOWORD(msg.WParam) != WA_INACTIVE && !HIWORD(msg.WParam)) {
            Activated();
            return;
        }
        break;
    case CM_DIALOGKEY:
        if (msg.WParam == VK_TAB && !(KeyDataToShiftState(msg.LParam) & (ssAlt | ssCtrl))) {
            SelectNext(ActiveControl(), !(GetKeyState(VK_SHIFT) < 0), true);
            msg.Result = 1;
            return;
        }
        break;
    case CM_VISIBLECHANGED:
        // Showing goes through Show, which applies the window state the first time.
        if (msg.WParam) {
            if (!inShow_)
                Show();
        } else if (HandleAllocated()) {
            ShowWindow(Handle(), SW_HIDE);
        }
        return;
    default:
        break;
    }
    TWinControl::WndProc(msg);
}

void TCustomForm::LoadFromResource(const wchar_t* resourceName)
{
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC res = FindResourceW(module, resourceName, MAKEINTRESOURCEW(10) /* RT_RCDATA */);
    HGLOBAL data = res ? LoadResource(module, res) : nullptr;
    const void* bytes = data ? LockResource(data) : nullptr;
    if (!bytes)
        throw EReadError(String(L"Resource ") + resourceName + L" not found");
    Load(std::string_view(static_cast<const char*>(bytes), SizeofResource(module, res)));
}

void TCustomForm::LoadFromText(std::string_view text)
{
    Load(text);
}

void TCustomForm::Load(std::string_view text)
{
    RegisterFrameworkClasses();
    TObjectDesc desc = ParseFormDescription(text);
    LoadComponentTree(*this, desc);
    DoCreate();
}

void TCustomForm::Loaded()
{
    TWinControl::Loaded();
}

void TCustomForm::DoCreate()
{
    GuardedCall(this, [&] { OnCreate(this); });
}

bool TCustomForm::IsShortCut(TWMKey& key)
{
    bool handled = false;
    Raise(OnShortCut, key, handled);
    return handled;
}

bool TCustomForm::SetReference(const String& name, TComponent* value)
{
    if (!SameDescriptionName(name, L"ActiveControl"))
        return TWinControl::SetReference(name, value);
    auto* control = dynamic_cast<TWinControl*>(value);
    if (value && !control)
        throw EReadError(L"ActiveControl " + value->Name() + L" is not a windowed control");
    SetActiveControl(control);
    return true;
}

std::any TCustomForm::MethodAddress(const String& name) const
{
    auto it = methods_.find(name);
    return it == methods_.end() ? std::any() : it->second;
}

void TCustomForm::ComponentCreated(TComponent* component)
{
    auto it = fields_.find(component->Name());
    if (it != fields_.end())
        it->second(component);
}

bool TCustomForm::SetProperty(const String& name, const TPropValue& v)
{
    using Row = TPropertyRow<TCustomForm>;
    static const Row rows[] = {
        {L"WindowState",
         [](TCustomForm& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"wsNormal", L"wsMinimized", L"wsMaximized"};
             f.SetWindowState(static_cast<TWindowState>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"BorderIcons",
         [](TCustomForm& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"biSystemMenu", L"biMinimize", L"biMaximize",
                                                    L"biHelp"};
             TBorderIcons icons = 0;
             for (const String& m : v.AsSet())
                 icons |= static_cast<TBorderIcons>(1 << IdentIndex(m, names));
             f.SetBorderIcons(icons);
         }},
        {L"BorderStyle",
         [](TCustomForm& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"bsNone",   L"bsSingle",     L"bsSizeable",
                                                    L"bsDialog", L"bsToolWindow", L"bsSizeToolWin"};
             f.SetBorderStyle(static_cast<TBorderStyle>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"FormStyle",
         [](TCustomForm& f, const TPropValue& v) {
             static const wchar_t* const names[] = {L"fsNormal", L"fsMDIChild", L"fsMDIForm", L"fsStayOnTop"};
             f.SetFormStyle(static_cast<TFormStyle>(IdentIndex(v.AsIdent(), names)));
         }},
        {L"Scaled", [](TCustomForm& f, const TPropValue& v) { f.scaled_ = v.AsBoolean(); }},
        // Design-time metrics; the form is not rescaled.
        {L"TextHeight", [](TCustomForm&, const TPropValue& v) { v.AsInteger(); }},
        {L"PixelsPerInch", [](TCustomForm&, const TPropValue& v) { v.AsInteger(); }},
        {L"OnCreate", [](TCustomForm& f, const TPropValue& v) { f.OnCreate = v.AsMethod<TNotifyEvent>(); }},
        {L"OnDestroy", [](TCustomForm& f, const TPropValue& v) { f.OnDestroy = v.AsMethod<TNotifyEvent>(); }},
        {L"OnShow", [](TCustomForm& f, const TPropValue& v) { f.OnShow = v.AsMethod<TNotifyEvent>(); }},
        {L"OnResize", [](TCustomForm& f, const TPropValue& v) { f.OnResize = v.AsMethod<TNotifyEvent>(); }},
        {L"OnClose", [](TCustomForm& f, const TPropValue& v) { f.OnClose = v.AsMethod<TCloseEvent>(); }},
        {L"OnCloseQuery",
         [](TCustomForm& f, const TPropValue& v) { f.OnCloseQuery = v.AsMethod<TCloseQueryEvent>(); }},
        {L"OnShortCut",
         [](TCustomForm& f, const TPropValue& v) { f.OnShortCut = v.AsMethod<TShortCutEvent>(); }},
        // A form becomes visible when shown, not while it loads.
        {L"Visible", [](TCustomForm&, const TPropValue& v) { v.AsBoolean(); }},
    };
    return SetFromTable(*this, rows, name, v) || TWinControl::SetProperty(name, v);
}

// --- TApplication ---------------------------------------------------------------------------

TApplication::TApplication(TComponent* owner) : TComponent(owner)
{
    wchar_t path[MAX_PATH] = {};
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    title_ = ChangeFileExt(ExtractFileName(path), L"");
    // Forms without an icon of their own show this one.
    icon_.OnChange = [] {
        if (Screen)
            for (int i = 0; i < Screen->FormCount(); ++i)
                if (Screen->Forms(i)->Icon().Empty())
                    Screen->Forms(i)->UpdateWindowIcon();
    };
}

TApplication::~TApplication()
{
    // The forms go while this object is whole: their destructors ask for the main form.
    DestroyComponents();
}

void TApplication::Initialize()
{
    if (initialized_)
        return;
    initialized_ = true;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_STANDARD_CLASSES | ICC_TAB_CLASSES | ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterFrameworkClasses();
}

void TApplication::Run()
{
    terminated_ = false;
    TCustomForm* main = MainForm();
    if (!main)
        return;
    GuardedCall(this, [&] { main->Show(); });
    while (!terminated_)
        HandleMessage();
}

bool TApplication::ProcessMessage(MSG& msg)
{
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
        return false;
    if (msg.message == WM_QUIT) {
        terminated_ = true;
        return true;
    }
    if (msg.message == CM_RELEASE) {
        // Freed here, outside any of the form's own message handling.
        delete dynamic_cast<TCustomForm*>(TWinControl::FindControl(msg.hwnd));
        return true;
    }
    // The wheel turns the focused control, wherever the mouse is.
    if (msg.message == WM_MOUSEWHEEL && TWinControl::FindControl(GetFocus()))
        msg.hwnd = GetFocus();
    bool handled = false;
    // A copy: the handler may replace itself (a hook removed by what the message did).
    const TMessageEvent onMessage = OnMessage;
    GuardedCall(this, [&] { onMessage(msg, handled); });
    // A key whose handling failed counts as taken: it goes no further.
    if (!handled && !GuardedCall(this, [&] { handled = IsKeyMsg(msg); }))
        handled = true;
    if (!handled) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
    return true;
}

void TApplication::ProcessMessages()
{
    MSG msg;
    while (ProcessMessage(msg)) {
    }
}

void TApplication::HandleMessage()
{
    MSG msg;
    if (!ProcessMessage(msg))
        WaitMessage();
}

void TApplication::Terminate()
{
    if (!terminated_)
        PostQuitMessage(0);
    terminated_ = true;
}

void TApplication::Minimize()
{
    TCustomForm* main = mainForm_.get();
    if (!main || !main->HandleAllocated() || IsIconic(main->Handle()))
        return;
    ShowWindow(main->Handle(), SW_MINIMIZE);
    OnMinimize(this);
}

void TApplication::Restore()
{
    TCustomForm* main = mainForm_.get();
    if (!main || !main->HandleAllocated() || !IsIconic(main->Handle()))
        return;
    ShowWindow(main->Handle(), SW_RESTORE);
    OnRestore(this);
}

bool TApplication::Minimized() const
{
    TCustomForm* main = mainForm_.get();
    return main && main->HandleAllocated() && IsIconic(main->Handle());
}

void TApplication::HandleException(TObject* sender)
{
    std::exception_ptr current = std::current_exception();
    String message = current ? ExceptionMessage(current) : String(L"Unknown exception");
    Exception e(message);
    try {
        if (OnException) {
            OnException(sender, e);
            return;
        }
    } catch (...) {
        // A failing handler falls back to the standard box.
    }
    ShowException(e);
}

void TApplication::ShowException(const Exception& e)
{
    String text = e.Message();
    if (!text.empty() && text.back() > L'.')
        text += L'.';
    // Over the active window of ours (a modal form while one runs), else the main form.
    HWND owner = GetActiveWindow();
    if (!TWinControl::FindControl(owner))
        owner = MainForm() && MainForm()->HandleAllocated() ? MainForm()->Handle() : nullptr;
    MessageBoxW(owner, text.c_str(), title_.c_str(), MB_OK | MB_ICONSTOP);
}

// --- TScreen --------------------------------------------------------------------------------

TCustomForm* TScreen::ActiveForm() const
{
    HWND active = GetActiveWindow();
    for (TCustomForm* f : forms_)
        if (f->HandleAllocated() && f->Handle() == active)
            return f;
    return nullptr;
}

void TScreen::SetCursor(TCursor v)
{
    if (v == cursor_)
        return;
    cursor_ = v;
    // Shown at once where the mouse is, without waiting for it to move.
    POINT p;
    if (GetCursorPos(&p) && TWinControl::FindControl(WindowFromPoint(p)))
        ::SetCursor(CursorHandle(v == crDefault ? crArrow : v));
}

TRect TScreen::WorkAreaRect() const
{
    RECT r{};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return FromRECT(r);
}

// --- Message boxes --------------------------------------------------------------------------

namespace {

HHOOK gBoxHook = nullptr;
POINT gBoxPos{-1, -1};

// The placing hook for one box; a box shown while another is being placed saves and restores
// the outer one's.
class TBoxPlacement {
public:
    TBoxPlacement(int x, int y);
    TBoxPlacement(const TBoxPlacement&) = delete;
    TBoxPlacement& operator=(const TBoxPlacement&) = delete;
    ~TBoxPlacement();

private:
    HHOOK previousHook_;
    POINT previousPos_;
};

// Places the box once its dialog has initialised (the system centres it there itself).
LRESULT CALLBACK PlaceBoxHook(int code, WPARAM wParam, LPARAM lParam)
{
    HHOOK hook = gBoxHook;
    auto* ret = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && ret && ret->message == WM_INITDIALOG) {
        HWND box = ret->hwnd;
        RECT r;
        GetWindowRect(box, &r);
        int w = r.right - r.left, h = r.bottom - r.top;
        int x = gBoxPos.x >= 0 ? gBoxPos.x : (GetSystemMetrics(SM_CXSCREEN) - w) / 2;
        int y = gBoxPos.y >= 0 ? gBoxPos.y : (GetSystemMetrics(SM_CYSCREEN) - h) / 2;
        SetWindowPos(box, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        gBoxHook = nullptr;
        LRESULT result = CallNextHookEx(hook, code, wParam, lParam);
        UnhookWindowsHookEx(hook);
        return result;
    }
    return CallNextHookEx(hook, code, wParam, lParam);
}

} // namespace

TBoxPlacement::TBoxPlacement(int x, int y) : previousHook_(gBoxHook), previousPos_(gBoxPos)
{
    gBoxPos = {x, y};
    gBoxHook = SetWindowsHookExW(WH_CALLWNDPROCRET, PlaceBoxHook, nullptr, GetCurrentThreadId());
}

TBoxPlacement::~TBoxPlacement()
{
    if (gBoxHook)
        UnhookWindowsHookEx(gBoxHook);
    gBoxHook = previousHook_;
    gBoxPos = previousPos_;
}

void ShowMessagePos(const String& text, int x, int y)
{
    TBoxPlacement placement(x, y);
    HWND owner = GetActiveWindow();
    MessageBoxW(owner, text.c_str(), Application->Title().c_str(), MB_OK | MB_TASKMODAL);
}

void ShowMessage(const String& text)
{
    ShowMessagePos(text, -1, -1);
}

void Beep()
{
    MessageBeep(MB_OK);
}

} // namespace vt
