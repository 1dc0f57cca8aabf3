// The keyboard: the application's pipeline for key messages before translation (shortcuts,
// dialog keys, dialog characters), the controls' key events, and the scoped message hooks.
#include "framework/win/controls.h"
#include "framework/win/forms.h"

#include <memory>

namespace vt {

TShiftState KeyDataToShiftState(LPARAM keyData)
{
    TShiftState shift = 0;
    if (GetKeyState(VK_SHIFT) < 0)
        shift |= ssShift;
    if (GetKeyState(VK_CONTROL) < 0)
        shift |= ssCtrl;
    if (keyData & 0x20000000)  // the context code: Alt was down
        shift |= ssAlt;
    return shift;
}

TShortCut ShortCutOfKey(const TWMKey& key)
{
    const TShiftState shift = KeyDataToShiftState(key.KeyData);
    return ShortCutOfKey(key.CharCode, (shift & ssShift) != 0, (shift & ssCtrl) != 0, (shift & ssAlt) != 0);
}

// --- The pipeline ---------------------------------------------------------------------------

namespace {

// Which WM_GETDLGCODE answer means the control takes the key itself; 0 for keys that are never
// dialog keys.
UINT DialogCodeFor(WPARAM key)
{
    switch (key) {
    case VK_TAB:
        return DLGC_WANTTAB;
    case VK_LEFT:
    case VK_RIGHT:
    case VK_UP:
    case VK_DOWN:
        return DLGC_WANTARROWS;
    case VK_RETURN:
    case VK_EXECUTE:
    case VK_ESCAPE:
    case VK_CANCEL:
        return DLGC_WANTALLKEYS;
    default:
        return 0;
    }
}

UINT DialogCode(MSG& msg)
{
    return static_cast<UINT>(
        SendMessageW(msg.hwnd, WM_GETDLGCODE, msg.wParam, reinterpret_cast<LPARAM>(&msg)));
}

} // namespace

bool TApplication::IsKeyMsg(MSG& msg)
{
    if (msg.message < WM_KEYFIRST || msg.message > WM_KEYLAST)
        return false;
    // The control of ours the key belongs to: the focus window or the nearest ancestor we own
    // (a native window inside one of our controls).
    TWinControl* target = nullptr;
    for (HWND w = msg.hwnd; w && !target; w = GetAncestor(w, GA_PARENT))
        target = TWinControl::FindControl(w);
    TCustomForm* form = GetParentForm(target);
    if (!form)
        return false;
    switch (msg.message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
        TWMKey key{msg.message, static_cast<WORD>(msg.wParam), msg.lParam};
        TComponentRef<TWinControl> guard(target);
        // Only the active, enabled form takes shortcuts: a key posted to a form that a modal
        // one has disabled (or to a form in the background) must not run its commands.
        const bool formTakesShortCuts = IsWindowEnabled(form->Handle()) &&
                                        GetAncestor(form->Handle(), GA_ROOT) == GetActiveWindow();
        if (formTakesShortCuts && form->IsShortCut(key))
            return true;
        if (!guard || !IsWindow(msg.hwnd))
            return true;  // the handler freed the control the key was for
        UINT mask = DialogCodeFor(msg.wParam);
        return mask && target->Perform(CM_WANTSPECIALKEY, msg.wParam, msg.lParam) == 0 &&
               !(DialogCode(msg) & mask) &&
               form->Perform(CM_DIALOGKEY, msg.wParam, msg.lParam) != 0;
    }
    case WM_CHAR:
        return !(DialogCode(msg) & DLGC_WANTCHARS) &&
               form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    case WM_SYSCHAR:
        // Alt+letter: an accelerator taken here produces no SC_KEYMENU.
        return msg.wParam != VK_SPACE && form->Perform(CM_DIALOGCHAR, msg.wParam, msg.lParam) != 0;
    default:
        return false;
    }
}

// --- Key events -----------------------------------------------------------------------------

void TWinControl::KeyDown(WORD& key, TShiftState shift) { Raise(OnKeyDown, this, key, shift); }
void TWinControl::KeyUp(WORD& key, TShiftState shift) { Raise(OnKeyUp, this, key, shift); }
void TWinControl::KeyPress(wchar_t& key) { Raise(OnKeyPress, this, key); }

bool TWinControl::KeyMessage(TMessage& msg)
{
    switch (msg.Msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
    case WM_KEYUP:
    case WM_SYSKEYUP: {
        WORD key = static_cast<WORD>(msg.WParam);
        TShiftState shift = KeyDataToShiftState(msg.LParam);
        if (msg.Msg == WM_KEYDOWN || msg.Msg == WM_SYSKEYDOWN)
            KeyDown(key, shift);
        else
            KeyUp(key, shift);
        msg.WParam = key;
        return key == 0;
    }
    case WM_CHAR: {
        auto ch = static_cast<wchar_t>(msg.WParam);
        KeyPress(ch);
        msg.WParam = ch;
        return ch == 0;
    }
    default:
        return false;
    }
}

// --- Scoped hooks ---------------------------------------------------------------------------

TMessageHookScope::TMessageHookScope(Handler handler) : previous_(Application->OnMessage)
{
    Application->OnMessage = [handler = std::move(handler), previous = previous_](
                                 MSG& msg, bool& handled) { handler(msg, handled, previous); };
}

TMessageHookScope::~TMessageHookScope()
{
    if (Application)
        Application->OnMessage = previous_;
}

namespace {

// The procedure a hook installs. Once its hook is gone it only passes messages on, since a later
// hook may still hold it as its own previous procedure.
struct THookedProc {
    std::shared_ptr<bool> Alive;
    TWindowProcHook::Handler Handler;
    TWndMethod Previous;
    void operator()(TMessage& msg) const
    {
        if (*Alive)
            Handler(msg, Previous);
        else
            Previous(msg);
    }
};

} // namespace

TWindowProcHook::TWindowProcHook(TControl& control, Handler handler)
    : control_(&control), previous_(control.WindowProc), alive_(std::make_shared<bool>(true))
{
    control.WindowProc = THookedProc{alive_, std::move(handler), previous_};
}

TWindowProcHook::~TWindowProcHook()
{
    *alive_ = false;
    // Put the previous procedure back only while ours is still the control's: a hook installed
    // after ours keeps its chain, which now passes straight through ours.
    if (!control_)
        return;
    const auto* installed = control_->WindowProc.target<THookedProc>();
    if (installed && installed->Alive == alive_)
        control_->WindowProc = previous_;
}

} // namespace vt
