// TCustomForm/TForm (top-level windows, optionally built from a resource description),
// TApplication (start-up, the message loop, the error box), TScreen (the forms and the display)
// and ShowMessagePos.
#pragma once

#include "framework/win/controls.h"
#include "framework/win/exception_funnel.h"

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

using TCloseEvent = TEvent<TObject*, TCloseAction&>;
using TCloseQueryEvent = TEvent<TObject*, bool&>;

class TCustomForm : public TWinControl {
    VT_CLASS_NAME(TCustomForm)
public:
    explicit TCustomForm(TComponent* owner);
    ~TCustomForm() override;

    TWindowState WindowState() const { return windowState_; }
    void SetWindowState(TWindowState v);
    TBorderIcons BorderIcons() const { return borderIcons_; }
    void SetBorderIcons(TBorderIcons v);
    TBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(TBorderStyle v);
    bool Scaled() const { return scaled_; }
    // The MDI client window of an MDI frame form, null for other forms. Forms become MDI frames
    // with the MDI support, which overrides this.
    virtual HWND ClientHandle() const { return nullptr; }

    // Shows the window (in its WindowState) and brings it to the front.
    void Show();
    // Asks OnCloseQuery, then OnClose; closing the main form ends the application.
    void Close();
    // Frees the form once the messages being handled are done.
    void Release();

    TNotifyEvent OnCreate;
    TNotifyEvent OnDestroy;
    TNotifyEvent OnShow;
    TNotifyEvent OnResize;
    TCloseEvent OnClose;
    TCloseQueryEvent OnCloseQuery;

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
    void SetParentComponent(TComponent* parent) override {}

protected:
    void CreateParams(TCreateParams& params) override;
    void CreateWnd() override;
    void WndProc(TMessage& msg) override;
    virtual void DoCreate();
    void Loaded() override;

private:
    void Load(std::string_view text);
    void ApplyWindowState();
    void ShowWindowNow();

    TWindowState windowState_ = wsNormal;
    TBorderIcons borderIcons_ = biSystemMenu | biMinimize | biMaximize;
    TBorderStyle borderStyle_ = bsSizeable;
    bool scaled_ = true;
    bool shown_ = false;
    bool inShow_ = false;
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
    void Run();
    void ProcessMessages();
    // Waits for one message and handles it.
    void HandleMessage();
    void Terminate();
    bool Terminated() const { return terminated_; }

    TCustomForm* MainForm() const { return mainForm_.get(); }
    void SetMainForm(TCustomForm* form) { mainForm_ = form; }
    const String& Title() const { return title_; }
    void SetTitle(const String& v) { title_ = v; }

    // Call inside a catch block: passes the exception being handled to OnException when
    // assigned, otherwise shows the standard error box; never throws.
    void HandleException(TObject* sender);
    // The standard error box: the message (with a closing period) and a stop icon.
    void ShowException(const Exception& e);

    TExceptionEvent OnException;
    TMessageEvent OnMessage;

private:
    bool ProcessMessage(MSG& msg);

    TComponentRef<TCustomForm> mainForm_;
    String title_;
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
    int Width() const { return GetSystemMetrics(SM_CXSCREEN); }
    int Height() const { return GetSystemMetrics(SM_CYSCREEN); }
    TRect WorkAreaRect() const;

private:
    friend class TCustomForm;
    std::vector<TCustomForm*> forms_;
};

extern TApplication* Application;
extern TScreen* Screen;

// A modal box with one OK button and no icon; x, y place its top-left corner, -1 centres it on
// the screen.
void ShowMessagePos(const String& text, int x, int y);
void ShowMessage(const String& text);

// Registers the framework's component classes with the form loader (safe to call again).
void RegisterFrameworkClasses();

} // namespace vt
