#include "framework/base/component.h"

#include "framework/base/form_reader.h"

#include <algorithm>

namespace vt {

void TPersistent::Assign(const TPersistent* source)
{
    if (source) {
        source->AssignTo(this);
        return;
    }
    throw EConvertError(L"Cannot assign a nil to a " + ClassName());
}

void TPersistent::AssignTo(TPersistent* dest) const
{
    throw EConvertError(L"Cannot assign a " + ClassName() + L" to a " + dest->ClassName());
}

bool IsValidIdent(std::wstring_view name)
{
    if (name.empty())
        return false;
    auto alpha = [](wchar_t c) {
        return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z') || c == L'_';
    };
    if (!alpha(name[0]))
        return false;
    return std::all_of(name.begin() + 1, name.end(),
                       [&](wchar_t c) { return alpha(c) || (c >= L'0' && c <= L'9'); });
}

TComponent::TComponent(TComponent* owner)
{
    if (owner)
        owner->InsertComponent(this);
}

TComponent::~TComponent()
{
    Destroying();
    while (!freeNotifies_.empty()) {
        TComponent* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        other->EraseFreeNotify(this);
        other->Notification(this, TOperation::opRemove);
    }
    while (!listeners_.empty()) {
        TFreeListener* listener = listeners_.back();
        listeners_.pop_back();
        listener->ComponentFreed(this);
    }
    DestroyComponents();
    if (owner_)
        owner_->RemoveComponent(this);
}

void TComponent::SetName(const String& name)
{
    if (name == name_)
        return;
    if (!name.empty() && !IsValidIdent(name))
        throw EComponentError(L"''" + name + L"'' is not a valid component name");
    if (!name.empty() && owner_) {
        TComponent* other = owner_->FindComponent(name);
        if (other && other != this)
            throw EComponentError(L"A component named " + name + L" already exists");
    }
    name_ = name;
}

TComponent* TComponent::Components(int index) const
{
    if (index < 0 || index >= ComponentCount())
        throw EListError(Format("List index out of bounds (%d)", index));
    return components_[static_cast<size_t>(index)];
}

int TComponent::ComponentIndex() const
{
    if (!owner_)
        return -1;
    auto& list = owner_->components_;
    auto it = std::find(list.begin(), list.end(), this);
    return it == list.end() ? -1 : static_cast<int>(it - list.begin());
}

TComponent* TComponent::FindComponent(std::wstring_view name) const
{
    if (name.empty())
        return nullptr;
    for (TComponent* c : components_)
        if (SameText(c->name_, name))
            return c;
    return nullptr;
}

void TComponent::InsertComponent(TComponent* component)
{
    if (!component || component->owner_ == this)
        return;
    if (!component->name_.empty()) {
        TComponent* other = FindComponent(component->name_);
        if (other)
            throw EComponentError(L"A component named " + component->name_ + L" already exists");
    }
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    Insert(component);
    Notification(component, TOperation::opInsert);
}

void TComponent::RemoveComponent(TComponent* component)
{
    if (!component || component->owner_ != this)
        return;
    Notification(component, TOperation::opRemove);
    Remove(component);
}

void TComponent::Insert(TComponent* component)
{
    components_.push_back(component);
    component->owner_ = this;
}

void TComponent::Remove(TComponent* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end())
        components_.erase(it);
    component->owner_ = nullptr;
}

void TComponent::DestroyComponents()
{
    // A component may free others it owns or knows while it goes, so take the last each time.
    while (!components_.empty()) {
        TComponent* c = components_.back();
        RemoveComponent(c);
        delete c;
    }
}

void TComponent::Destroying()
{
    if (state_ & csDestroying)
        return;
    state_ |= csDestroying;
    for (TComponent* c : components_)
        c->Destroying();
}

void TComponent::Notification(TComponent* component, TOperation operation)
{
    if (operation == TOperation::opRemove && component)
        RemoveFreeNotification(component);
    // Index loop from the end: a notified component may free siblings.
    for (size_t i = components_.size(); i-- > 0;) {
        if (i >= components_.size())
            continue;
        TComponent* c = components_[i];
        if (c != component)
            c->Notification(component, operation);
    }
}

void TComponent::FreeNotification(TComponent* component)
{
    if (!component || component == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), component) == freeNotifies_.end())
        freeNotifies_.push_back(component);
    if (std::find(component->freeNotifies_.begin(), component->freeNotifies_.end(), this) ==
        component->freeNotifies_.end())
        component->freeNotifies_.push_back(this);
}

void TComponent::RemoveFreeNotification(TComponent* component)
{
    if (!component)
        return;
    EraseFreeNotify(component);
    component->EraseFreeNotify(this);
}

void TComponent::EraseFreeNotify(TComponent* component)
{
    auto it = std::find(freeNotifies_.begin(), freeNotifies_.end(), component);
    if (it != freeNotifies_.end())
        freeNotifies_.erase(it);
}

void TComponent::AddFreeListener(TFreeListener* listener)
{
    listeners_.push_back(listener);
}

void TComponent::RemoveFreeListener(TFreeListener* listener)
{
    auto it = std::find(listeners_.begin(), listeners_.end(), listener);
    if (it != listeners_.end())
        listeners_.erase(it);
}

void TComponent::Loaded()
{
    state_ &= static_cast<TComponentState>(~csLoading);
}

bool TComponent::SetProperty(const String& name, const TPropValue& value)
{
    if (SameText(name, L"Tag")) {
        tag_ = value.AsInteger();
        return true;
    }
    return false;
}

} // namespace vt
