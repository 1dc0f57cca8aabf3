// The form loader: turns a parsed resource description into components on a root (the form).
// Order: create every component in description order (owned by the root, placed in the
// enclosing object) -> set properties in description order -> resolve references between
// components -> Loaded on each component in creation order (root first).
#pragma once

#include "framework/base/component.h"
#include "framework/base/form_reader.h"

#include <functional>

namespace vt {

using TComponentFactory = std::function<TComponent*(TComponent* owner)>;

// The classes a description may name. Registering a name again replaces the factory.
void RegisterComponentClass(const String& className, TComponentFactory factory);
bool IsComponentClassRegistered(const String& className);
template <class T> void RegisterComponentClass()
{
    RegisterComponentClass(T::StaticClassName(), [](TComponent* owner) { return new T(owner); });
}

// Loads desc onto root. Components created before an error stay owned by root, so freeing the
// root cleans up; errors are EReadError/EClassNotFound/EComponentError with the component and
// property named.
void LoadComponentTree(TComponent& root, const TObjectDesc& desc);

} // namespace vt
