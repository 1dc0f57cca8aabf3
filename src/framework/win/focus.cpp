// Focus: CanFocus and SetFocus, the tab order, and the form's active control with its enter,
// exit and focus-changed notices.
#include "framework/win/controls.h"
#include "framework/win/forms.h"

#include <algorithm>

namespace vt {

TCustomForm* GetParentForm(const TControl* control)
{
    while (control && control->Parent())
        control = control->Parent();
    return dynamic_cast<TCustomForm*>(const_cast<TControl*>(control));
}

// --- TWinControl ----------------------------------------------------------------------------

bool TWinControl::CanFocus() const
{
    for (const TControl* c = this; c; c = c->Parent())
        if (!c->Visible() || !c->Enabled())
            return false;
    return true;
}

void TWinControl::SetFocus()
{
    if (!CanFocus())
        throw EInvalidOperation(L"Cannot focus a disabled or invisible window");
    TCustomForm* form = GetParentForm(this);
    if (form && form != this && !form->HandleAllocated()) {
        form->SetActiveControl(this);
        return;
    }
    ::SetFocus(Handle());
}

bool TWinControl::Focused() const
{
    return handle_ && GetFocus() == handle_;
}

void TControl::SetTabOrder(int v)
{
    if (!parent_ || IsLoading()) {
        tabOrder_ = v;
        return;
    }
    // The siblings in their current order, this one moved to v, then numbered 0, 1, ...
    std::vector<TControl*> order;
    for (TControl* c : parent_->controls_)
        if (c->IsWindowed())
            order.push_back(c);
    std::stable_sort(order.begin(), order.end(),
                     [](TControl* a, TControl* b) { return a->tabOrder_ < b->tabOrder_; });
    order.erase(std::find(order.begin(), order.end(), this));
    size_t at = std::clamp<size_t>(static_cast<size_t>(std::max(v, 0)), 0, order.size());
    order.insert(order.begin() + static_cast<std::ptrdiff_t>(at), this);
    for (size_t i = 0; i < order.size(); ++i)
        order[i]->tabOrder_ = static_cast<int>(i);
}

void TWinControl::AppendTabOrder(std::vector<TWinControl*>& list) const
{
    std::vector<TWinControl*> children;
    for (TControl* c : controls_)
        if (c->IsWindowed())
            children.push_back(static_cast<TWinControl*>(c));
    std::stable_sort(children.begin(), children.end(), [](TWinControl* a, TWinControl* b) {
        return a->TabOrder() < b->TabOrder();
    });
    for (TWinControl* c : children) {
        list.push_back(c);
        c->AppendTabOrder(list);
    }
}

std::vector<TWinControl*> TWinControl::TabOrderList() const
{
    std::vector<TWinControl*> list;
    AppendTabOrder(list);
    return list;
}

TWinControl* TWinControl::FindNextControl(TWinControl* current, bool forward,
                                          bool checkTabStop) const
{
    std::vector<TWinControl*> list = TabOrderList();
    if (list.empty())
        return nullptr;
    auto it = std::find(list.begin(), list.end(), current);
    size_t n = list.size();
    // Without a current control, forward starts at the first and backward at the last.
    size_t start = it == list.end() ? (forward ? n - 1 : 0) : static_cast<size_t>(it - list.begin());
    for (size_t step = 1; step <= n; ++step) {
        size_t i = forward ? (start + step) % n : (start + n - step % n) % n;
        TWinControl* c = list[i];
        if (c == current)
            break;
        if (c->CanFocus() && (!checkTabStop || c->TabStop()))
            return c;
    }
    return nullptr;
}

void TWinControl::SelectNext(TWinControl* current, bool forward, bool checkTabStop)
{
    if (TWinControl* next = FindNextControl(current, forward, checkTabStop))
        next->SetFocus();
}

void TWinControl::DoEnter() { Raise(OnEnter, this); }
void TWinControl::DoExit() { Raise(OnExit, this); }

// --- TCustomForm ----------------------------------------------------------------------------

namespace {

void BroadcastToTree(TWinControl* root, TMessage& msg)
{
    for (int i = 0; i < root->ControlCount(); ++i) {
        TControl* c = root->Controls(i);
        c->Perform(msg.Msg, msg.WParam, msg.LParam);
        if (c->IsWindowed())
            BroadcastToTree(static_cast<TWinControl*>(c), msg);
    }
}

} // namespace

void TCustomForm::SetActiveControl(TWinControl* control)
{
    if (control == this)
        control = nullptr;
    if (control && GetParentForm(control) != this)
        throw EInvalidOperation(L"Invalid parameter: the control is not on this form");
    if (HandleAllocated() && GetActiveWindow() == Handle() && control) {
        control->SetFocus();  // WM_SETFOCUS brings it here through FocusChanged
        return;
    }
    activeControl_ = control;
}

void TCustomForm::FocusChanged(TWinControl* control)
{
    if (control == this)
        control = nullptr;
    TWinControl* previous = activeControl_.get();
    if (previous == control)
        return;
    activeControl_ = control;
    TComponentRef<TWinControl> guard(control);
    if (previous)
        previous->Perform(CM_EXIT);
    if (guard)
        guard->Perform(CM_ENTER);
    TMessage notice{CM_FOCUSCHANGED, 0, reinterpret_cast<LPARAM>(guard.get()), 0};
    Perform(notice.Msg, notice.WParam, notice.LParam);
    BroadcastToTree(this, notice);
}

void TCustomForm::Activated()
{
    // The focus goes back to the control that had it, else to the first tab stop.
    TWinControl* target = activeControl_.get();
    if (!target || !target->CanFocus())
        target = FindNextControl(nullptr, true, true);
    if (target && target->CanFocus())
        ::SetFocus(target->Handle());
    else
        ::SetFocus(Handle());
}

// --- TScreen --------------------------------------------------------------------------------

TWinControl* TScreen::ActiveControl() const
{
    TCustomForm* form = ActiveForm();
    return form ? form->ActiveControl() : nullptr;
}

} // namespace vt
