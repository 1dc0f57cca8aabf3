// Test helper: a small focusable control standing in for a button.
#pragma once

#include "framework/win/forms.h"

#include <vector>

namespace vt::test {

// A small focusable control standing in for a button: Enter reaches it when Default, Esc when
// Cancel, Alt+its accelerator always; a click sets its form's ModalResult.
class TKeyButton : public TCustomControl {
    VT_CLASS_NAME(TKeyButton)
public:
    explicit TKeyButton(TComponent* owner) : TCustomControl(owner) { SetTabStop(true); }
    bool Default = false;
    bool Cancel = false;
    TModalResult Result = mrNone;
    std::vector<UINT> Notices;  // the input notices this control received

protected:
    void Click() override
    {
        TCustomControl::Click();
        if (TCustomForm* form = GetParentForm(this); form && Result != mrNone)
            form->SetModalResult(Result);
    }
    void WndProc(TMessage& m) override
    {
        switch (m.Msg) {
        case CM_DIALOGKEY:
            if ((m.WParam == VK_RETURN && Default) || (m.WParam == VK_ESCAPE && Cancel)) {
                Click();
                m.Result = 1;
                return;
            }
            break;
        case CM_DIALOGCHAR:
            if (IsAccel(static_cast<wchar_t>(m.WParam), Caption()) && CanFocus()) {
                Click();
                m.Result = 1;
                return;
            }
            break;
        case CM_CANCELMODE:
        case CM_CAPTURELOST:
        case CM_FOCUSCHANGED:
        case WM_SYSCHAR:
            Notices.push_back(m.Msg);
            break;
        default:
            break;
        }
        TCustomControl::WndProc(m);
    }
};

} // namespace vt::test
