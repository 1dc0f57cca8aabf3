// ShowModal: a nested message loop with the application's other windows disabled.
#include "framework/win/forms.h"

#include <vector>

namespace vt {

namespace {

// Disables the thread's enabled, visible top-level windows other than keep, and enables them
// again when it goes.
class TDisabledWindows {
public:
    explicit TDisabledWindows(HWND keep) : keep_(keep)
    {
        EnumThreadWindows(GetCurrentThreadId(), Collect, reinterpret_cast<LPARAM>(this));
        for (HWND w : windows_)
            EnableWindow(w, FALSE);
    }
    TDisabledWindows(const TDisabledWindows&) = delete;
    TDisabledWindows& operator=(const TDisabledWindows&) = delete;
    ~TDisabledWindows()
    {
        for (HWND w : windows_)
            if (IsWindow(w))
                EnableWindow(w, TRUE);
    }

private:
    static BOOL CALLBACK Collect(HWND wnd, LPARAM self)
    {
        auto* me = reinterpret_cast<TDisabledWindows*>(self);
        if (wnd != me->keep_ && IsWindowVisible(wnd) && IsWindowEnabled(wnd))
            me->windows_.push_back(wnd);
        return TRUE;
    }

    HWND keep_;
    std::vector<HWND> windows_;
};

} // namespace

TModalResult TCustomForm::ShowModal()
{
    if (Visible() || modal_)
        throw EInvalidOperation(L"Cannot make a visible window modal");
    if (GetCapture())
        ReleaseCapture();
    HWND activeBefore = GetActiveWindow();
    HWND focusBefore = GetFocus();
    HandleNeeded();
    modal_ = true;
    modalResult_ = mrNone;
    {
        TDisabledWindows disabled(Handle());
        try {
            Show();
            while (modalResult_ == mrNone) {
                Application->HandleMessage();
                if (Application->Terminated())
                    modalResult_ = mrCancel;
                else if (modalResult_ != mrNone)
                    CloseModal();
            }
        } catch (...) {
            modal_ = false;
            throw;
        }
        // Hidden before the other windows come back, so the system does not activate a window
        // of another application in between.
        SetWindowPos(Handle(), nullptr, 0, 0, 0, 0,
                     SWP_HIDEWINDOW | SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    modal_ = false;
    SetVisible(false);
    if (activeBefore && IsWindow(activeBefore))
        SetActiveWindow(activeBefore);
    if (focusBefore && IsWindow(focusBefore))
        ::SetFocus(focusBefore);
    return modalResult_;
}

void TCustomForm::CloseModal()
{
    TCloseAction action = caHide;
    if (!QueryClose(action))
        modalResult_ = mrNone;
}

} // namespace vt
