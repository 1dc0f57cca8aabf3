// TCustomForm/TForm (top-level windows, optionally built from a resource description),
// TApplication (start-up, the message loop, the error box), TScreen (the forms and the display)
// and ShowMessagePos.
#pragma once

#include "framework/base/menus.h"
#include "framework/win/controls.h"
#include "framework/win/exception_funnel.h"
#include "framework/win/icon.h"

#include <any>
#include <map>
#include <optional>
#include <string_view>

namespace vt {

enum TWindowState : uint8_t { wsNormal, wsMinimized, wsMaximized };
enum TBorderStyle : uint8_t { bsNone, bsSingle, bsSizeable, bsDialog, bsToolWindow, bsSizeToolWin };
enum TBorderIcon : uint8_t { biSystemMenu = 1, biMinimize = 2, biMaximize = 4, biHelp = 8 };
using TBorderIcons = uint8_t;
enum TCloseAction : uint8_t { caNone, caHide, caFree, caMinimize };
enum TFormStyle : uint8_t { fsNormal, fsMDIChild, fsMDIForm, fsStayOnTop };

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;
// The key and whether the handler took it.
using TShortCutEvent = TEvent<TWMKey&, bool&>;
// The menu shortcut a key message stands for: its key with the shift keys held (Alt from the
// message, Shift and Ctrl from the keyboard now).
TShortCut ShortCutOfKey(const TWMKey& key);

// What ShowModal returns: 0 keeps the modal loop running, any other value ends it.
using TModalResult = int;
inline constexpr TModalResult mrNone = 0;
inline constexpr TModalResult mrOk = IDOK;
inline constexpr TModalResult mrCancel = IDCANCEL;
inline constexpr TModalResult mrAbort = IDABORT;
inline constexpr TModalResult mrRetry = IDRETRY;
inline constexpr TModalResult mrIgnore = IDIGNORE;
inline constexpr TModalResult mrYes = IDYES;
inline constexpr TModalResult mrNo = IDNO;

// A component that draws a form's frame itself (the skinned form engine in its non-client mode).
// While one is attached the form's window state is its own: the platform's state stays normal,
// the form's WindowState reads and writes the owner's, and before the window exists the form's
// client size comes from the owner's frame.
class IFormFrameOwner {
public:
    virtual TWindowState FrameWindowState() const = 0;
    virtual void SetFrameWindowState(TWindowState value) = 0;
    // The client rectangle of a window of that size in the owner's frame.
    virtual TRect FrameClientRect(int width, int height) = 0;

protected:
    ~IFormFrameOwner() = default;
};

class TCustomForm : public TWinControl {
    VT_CLASS_NAME(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TWindowState WindowState() const { return frameOwner_ ? frameOwner_->FrameWindowState() : windowState_; }
    void SetWindowState(TWindowState v);
    // The frame owner, or null while the platform draws the frame. The owner detaches itself
    // (null) before it goes.
    IFormFrameOwner* FrameOwner() const { return frameOwner_; }
    void SetFrameOwner(IFormFrameOwner* owner) { frameOwner_ = owner; }
    TRect ClientRect() const override;
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    // fsStayOnTop keeps the window above the others; the MDI styles are taken by the MDI support.
    TFormStyle FormStyle() const { return formStyle_; }
    void SetFormStyle(TFormStyle v);
    bool Scaled() const { return scaled_; }
    // The form's own icon; empty leaves the choice to ShownIcon. Changing it updates the
    // window's icons.
    TIcon& Icon() { return icon_; }
    const TIcon& Icon() const { return icon_; }
    void SetIcon(const TIcon& v) { icon_.Assign(v); }
    // The MDI client window of an MDI frame form, null for other forms. Forms become MDI frames
    // with the MDI support, which overrides this.
    virtual HWND ClientHandle() const { return nullptr; }

    // Shows the window (in its WindowState) and brings it to the front.
    void Show();
    // Asks OnCloseQuery, then OnClose; closing the main form ends the application. On a modal
    // form it means cancel: ModalResult becomes mrCancel and the modal loop closes the form.
    void Close();
    // Shows the form modally: the application's other windows are disabled while a nested
    // message loop runs until ModalResult is set (and OnCloseQuery allows it) or the application
    // terminates; then the form is hidden, the windows are enabled again and the window that
    // was active gets the focus back. Returns ModalResult (mrCancel when the application
    // terminated). Raises EInvalidOperation for a form that is visible or modal already.
    TModalResult ShowModal();
    TModalResult ModalResult() const { return modalResult_; }
    void SetModalResult(TModalResult v) { modalResult_ = v; }
    bool Modal() const { return modal_; }
    // A form placed on another form's control (Parent set) is a child window inside it: it
    // never activates and has no task-bar button, and showing it leaves the focus alone.
    bool IsChildForm() const { return Parent() != nullptr; }
    // Top-level and child windows differ in kind: a form with a window gets a new one when it
    // moves between the two.
    void SetParent(TWinControl* parent) override;

    // The control that has the focus while the form is active, and gets it back when the form
    // is activated again. Setting it on an active form focuses the control.
    TWinControl* ActiveControl() const { return activeControl_.get(); }
    void SetActiveControl(TWinControl* control);
    // Called when a control of this form received the focus: updates ActiveControl, sends
    // CM_EXIT to the previous one and CM_ENTER to the new one, then CM_FOCUSCHANGED to every
    // control of the form.
    void FocusChanged(TWinControl* control);

    // The form's shortcut check in the keyboard pipeline: OnShortCut, then whatever a subclass
    // adds. True when the key was taken (it is then neither translated nor dispatched).
    virtual bool IsShortCut(TWMKey& key);
    // Frees the form once the messages being handled are done.
    void Release();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnResize;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;
    // A replaceable slot: whoever takes it over keeps the previous handler and calls it first.
    TShortCutEvent OnShortCut;

    // Builds the form from a description: the RCDATA resource named resourceName in the
    // program, or text. Loader order, then OnCreate (an exception there goes to the error box
    // and the form stays).
    void LoadFromResource(const wchar_t* resourceName);
    void LoadFromText(std::string_view text);

    // Handlers the description may name (std::any holding the event type, e.g. TNotifyEvent).
    void RegisterMethod(const String& name, std::any method) { methods_[name] = std::move(method); }
    // A field set to the component of that name when the loader creates it.
    template <class T> void BindField(const String& name, T*& field)
    {
        fields_[name] = [&field, name](TComponent* c) {
            field = dynamic_cast<T*>(c);
            if (!field)
                throw EReadError(L"Field " + name + L" has the wrong class " + c->ClassName());
        };
    }

    std::any MethodAddress(const String& name) const override;
    void ComponentCreated(TComponent* component) override;
    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;
    void SetParentComponent(TComponent* parent) override {}

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;
    virtual void DoCreate();
    void Loaded() override;

private:
    friend class TApplication;
    void Load(std::string_view text);
    // Hands ShownIcon to the window (WM_SETICON, large and small).
    void UpdateWindowIcon();
    void ChildFormParams(TCreateParams& p) const;
    void ApplyWindowState();
    void ShowWindowNow();
    // The modal loop's close step: OnCloseQuery and OnClose may keep the form open.
    void CloseModal();
    // Asks OnCloseQuery, then OnClose with action; false when either keeps the form open.
    bool QueryClose(TCloseAction& action);
    void Activated();

    TWindowState windowState_ = wsNormal;
    IFormFrameOwner* frameOwner_ = nullptr;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TBorderStyle borderStyle_ = bsSizeable;
    TFormStyle formStyle_ = fsNormal;
    bool scaled_ = true;
    bool shown_ = false;
    bool inShow_ = false;
    bool modal_ = false;
    TModalResult modalResult_ = mrNone;
    TComponentRef<TWinControl> activeControl_;
    TIcon icon_;
    std::map<String, std::any> methods_;
    std::map<String, std::function<void(TComponent*)>> fields_;
};

class TForm : public TCustomForm {
    VT_CLASS_NAME(TForm)
public:
    using TCustomForm::TCustomForm;
};

using TExceptionEvent = TEvent<TObject*, const Exception&>;
using TMessageEvent = TEvent<MSG&, bool&>;

class TApplication : public TComponent {
    VT_CLASS_NAME(TApplication)
public:
    explicit TApplication(TComponent* owner);
    ~TApplication() override;

    // Common controls and the framework's component classes.
    void Initialize();
    // Creates a form owned by the application; the first becomes the main form. An exception
    // while creating goes to HandleException and null is returned.
    template <class T> T* CreateForm()
    {
        T* form = nullptr;
        try {
            form = new T(this);
        } catch (...) {
            HandleException(this);
            return nullptr;
        }
        if (!mainForm_)
            mainForm_ = form;
        return form;
    }
    // Shows the main form and runs the message loop until the application terminates.
    // Each message goes through OnMessage, then (for keys) the keyboard pipeline: the form's
    // IsShortCut, WM_GETDLGCODE and the form's dialog keys, then translation and dispatch; a
    // character not wanted by the focused control is offered as a dialog character. The wheel
    // goes to the focused control.
    void Run();
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }
    // Minimizes the application (its main form's window) and restores it; OnMinimize and
    // OnRestore follow. Minimized answers whether the main form's window is minimized.
    void Minimize();
    void Restore();
    bool Minimized() const;
    TNotifyEvent OnMinimize;
    TNotifyEvent OnRestore;

    TCustomForm* MainForm() const { return mainForm_.get(); }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    const String& Title() const { return title_; }
    void SetTitle(const String& v) { title_ = v; }
    // The icon of forms that have none of their own.
    TIcon& Icon() { return icon_; }
    const TIcon& Icon() const { return icon_; }
    void SetIcon(const TIcon& v) { icon_.Assign(v); }

    // Call inside a catch block: passes the exception being handled to OnException when
    // assigned, otherwise shows the standard error box; never throws.
    void HandleException(TObject* sender);
    // The standard error box: the message (with a closing period) and a stop icon.
    void ShowException(const Exception& e);

    TExceptionEvent OnException;
    TMessageEvent OnMessage;

private:
    bool ProcessMessage(MSG& msg);
    // The keyboard pipeline's steps before translation (keyboard.cpp); true when taken.
    bool IsKeyMsg(MSG& msg);

    TComponentRef<TCustomForm> mainForm_;
    String title_;
    TIcon icon_;
    bool terminated_ = false;
    bool initialized_ = false;
};

class TScreen : public TComponent {
    VT_CLASS_NAME(TScreen)
public:
    using TComponent::TComponent;

    // Forms in creation order.
    int FormCount() const { return static_cast<int>(forms_.size()); }
    TCustomForm* Forms(int index) const { return forms_.at(static_cast<size_t>(index)); }
    // The form holding the active window of this thread, or null.
    TCustomForm* ActiveForm() const;
    // The active form's active control, or null.
    TWinControl* ActiveControl() const;
    // A cursor for the whole application (crHourGlass while busy); crDefault lets each control
    // show its own.
    TCursor Cursor() const { return cursor_; }
    void SetCursor(TCursor v);
    // The cursor table (cursors.h): the handle for a number, and installing one.
    HCURSOR Cursors(TCursor number) const { return CursorHandle(number); }
    void SetCursors(TCursor number, HCURSOR cursor) { InstallCursor(number, cursor); }
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    TRect WorkAreaRect() const;

private:
    friend class TCustomForm;
    std::vector<TCustomForm*> forms_;
    TCursor cursor_ = crDefault;
};

// Installs a handler as the application's OnMessage for the scope's life and then restores the
// one that was there. The handler receives the previous one to pass on what it leaves alone.
class TMessageHookScope {
public:
    using Handler = std::function<void(MSG&, bool&, const TMessageEvent& previous)>;
    explicit TMessageHookScope(Handler handler);
    TMessageHookScope(const TMessageHookScope&) = delete;
    TMessageHookScope& operator=(const TMessageHookScope&) = delete;
    ~TMessageHookScope();

private:
    TMessageEvent previous_;
};

extern TApplication* Application;
extern TScreen* Screen;

// A modal box with one OK button and no icon; x, y place its top-left corner, -1 centres it on
// the screen.
void ShowMessagePos(const String& text, int x, int y);
void ShowMessage(const String& text);
// The system's default sound, for input the program refuses.
void Beep();

// The icon form shows: its own, else the application's, else the system's application icon.
// The handle stays owned by whoever holds it (never destroy it). form may be null.
HICON ShownIcon(const TCustomForm* form);

// Registers the framework's component classes with the form loader (safe to call again).
void RegisterFrameworkClasses();

} // namespace vt
