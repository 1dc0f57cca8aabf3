// TObject, TPersistent, TComponent and TComponentRef: the component model. A component has a
// name and an owner; the owner frees its components last to first when it goes. Components that
// asked for it (FreeNotification) and every TComponentRef are told when a component is freed, so
// no reference outlives its target.
#pragma once

#include "framework/base/events.h"
#include "framework/base/exceptions.h"
#include "framework/base/strings.h"

#include <any>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vt {

struct TPropValue;
class TCollection;
class TComponent;

VT_DECLARE_EXCEPTION(EComponentError, Exception);
VT_DECLARE_EXCEPTION(EClassNotFound, Exception);

// Declares the class name a class reports through ClassName() and registers under.
#define VT_CLASS_NAME(Name)                                                                        \
public:                                                                                            \
    static const wchar_t* StaticClassName() { return L"" #Name; }                                  \
    ::vt::String ClassName() const override { return StaticClassName(); }

class TObject {
public:
    TObject() = default;
    TObject(const TObject&) = delete;
    TObject& operator=(const TObject&) = delete;
    virtual ~TObject() = default;
    virtual String ClassName() const { return L"TObject"; }
};

// Objects whose state can be copied from another (Assign) and set by name from a resource
// description.
class TPersistent : public TObject {
    VT_CLASS_NAME(TPersistent)
public:
    // Copies source into this object; raises EConvertError when the classes do not match.
    virtual void Assign(const TPersistent* source);

    // Sets a property from a description value; false when the name is unknown (or when the value
    // is an identifier this property does not take, so the loader resolves it as a reference).
    // Raises EReadError for a known property with a bad value.
    virtual bool SetProperty(const String& name, const TPropValue& value) { return false; }
    // Sets a component-reference property once every component of the description exists.
    virtual bool SetReference(const String& name, TComponent* value) { return false; }
    // The collection behind a collection-valued property, or null.
    virtual TCollection* GetCollectionProperty(const String& name) { return nullptr; }

protected:
    virtual void AssignTo(TPersistent* dest) const;
};

enum TComponentStateFlag : uint8_t { csLoading = 1, csDestroying = 2 };
using TComponentState = uint8_t;

enum class TOperation : uint8_t { opInsert, opRemove };

// Told when a component is freed; the base of TComponentRef.
class TFreeListener {
public:
    virtual void ComponentFreed(TComponent* component) = 0;

protected:
    ~TFreeListener() = default;
};

class TComponent : public TPersistent {
    VT_CLASS_NAME(TComponent)
public:
    explicit TComponent(TComponent* owner);
    ~TComponent() override;

    const String& Name() const { return name_; }
    // Raises EComponentError for a name that is not an identifier or that another component of
    // the same owner already has (letter case ignored). An empty name is always allowed.
    virtual void SetName(const String& name);
    TComponent* Owner() const { return owner_; }
    intptr_t Tag() const { return tag_; }
    void SetTag(intptr_t tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    TComponent* Components(int index) const;
    int ComponentIndex() const;
    // By name, ignoring letter case; null when none.
    TComponent* FindComponent(std::wstring_view name) const;
    // The first owned component of class T (or derived), null when none.
    template <class T> T* FindComponentOf() const
    {
        for (TComponent* c : components_)
            if (auto* t = dynamic_cast<T*>(c))
                return t;
        return nullptr;
    }

    // Moves a component into (or out of) this component's ownership.
    void InsertComponent(TComponent* component);
    void RemoveComponent(TComponent* component);
    // Frees every owned component, last to first.
    void DestroyComponents();

    TComponentState ComponentState() const { return state_; }
    bool IsLoading() const { return (state_ & csLoading) != 0; }
    bool IsDestroying() const { return (state_ & csDestroying) != 0; }
    // Marks this component and everything it owns as being destroyed.
    void Destroying();

    // Asks to be told (Notification with opRemove) when component is freed; mutual, so this
    // component's going is reported to the other as well.
    void FreeNotification(TComponent* component);
    void RemoveFreeNotification(TComponent* component);

    void AddFreeListener(TFreeListener* listener);
    void RemoveFreeListener(TFreeListener* listener);

    // The form loader's hooks. BeginLoading sets csLoading; Loaded, called after every component
    // of the description has its properties and references, clears it.
    void BeginLoading() { state_ |= csLoading; }
    virtual void Loaded();
    // Places this component inside the description's enclosing object (a control's parent);
    // components without a parent ignore it.
    virtual void SetParentComponent(TComponent* parent) {}
    // A handler of this component (the description's root) by name, or an empty value.
    virtual std::any MethodAddress(const String& name) const { return {}; }
    // Called on the root for each component the loader created, so it can bind its fields.
    virtual void ComponentCreated(TComponent* component) {}

    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    // Told about components being freed (opRemove) or added to this owner (opInsert). The owner
    // passes each notice on to everything it owns.
    virtual void Notification(TComponent* component, TOperation operation);

private:
    void Insert(TComponent* component);
    void Remove(TComponent* component);
    void EraseFreeNotify(TComponent* component);

    String name_;
    TComponent* owner_ = nullptr;
    std::vector<TComponent*> components_;
    std::vector<TComponent*> freeNotifies_;
    std::vector<TFreeListener*> listeners_;
    TComponentState state_ = 0;
    intptr_t tag_ = 0;
};

// A reference to a component that becomes null when the component is freed.
template <class T> class TComponentRef final : private TFreeListener {
public:
    TComponentRef() = default;
    TComponentRef(T* target) { reset(target); }
    TComponentRef(const TComponentRef& other) { reset(other.ptr_); }
    TComponentRef& operator=(const TComponentRef& other)
    {
        reset(other.ptr_);
        return *this;
    }
    TComponentRef& operator=(T* target)
    {
        reset(target);
        return *this;
    }
    ~TComponentRef() { reset(nullptr); }

    void reset(T* target)
    {
        if (target == ptr_)
            return;
        if (ptr_)
            static_cast<TComponent*>(ptr_)->RemoveFreeListener(this);
        ptr_ = target;
        if (ptr_)
            static_cast<TComponent*>(ptr_)->AddFreeListener(this);
    }
    T* get() const { return ptr_; }
    T* operator->() const { return ptr_; }
    operator T*() const { return ptr_; }
    explicit operator bool() const { return ptr_ != nullptr; }

private:
    void ComponentFreed(TComponent*) override { ptr_ = nullptr; }
    T* ptr_ = nullptr;
};

bool IsValidIdent(std::wstring_view name);

} // namespace vt
