// The exception funnel: a C++ exception never unwinds through the system's frames. Window
// procedures, timer callbacks, menu commands and COM event sinks run their handlers through
// GuardedCall, which hands an escaping exception to the application (its OnException or the
// standard error box) and returns normally, so the message loop goes on.
#pragma once

#include "framework/base/component.h"

#include <utility>

namespace vt {

// For catch blocks in callbacks from the system: hands the exception being handled to the
// application (and drops it once the application object is gone, at exit).
void HandleCallbackException(TObject* sender);

// Runs fn; an exception from it goes to HandleCallbackException(sender). True when fn returned
// normally. sender is only passed on, so fn may free it when the caller passes null.
template <class F> bool GuardedCall(TObject* sender, F&& fn) noexcept
{
    try {
        std::forward<F>(fn)();
        return true;
    } catch (...) {
        HandleCallbackException(sender);
        return false;
    }
}

} // namespace vt
