// The two hooks of a form with an open skinned menu: the key hook (the application's message
// handler, replaced while the menu is open) and the list of the form's own messages that close
// the menu.
#pragma once

#include "framework/base/component.h"
#include "framework/win/forms.h"

#include <functional>

namespace vt {

class TspSkinMenu;

// While it lives, key downs go to the open menu's deepest level and are swallowed, and the wheel
// is swallowed. When a key closed the menu itself (Escape on its root level), or a key arrives
// after the menu closed some other way, onClosed runs so that the form ends its menu mode (and
// usually frees the hook); such a late key is passed on, not swallowed.
class TMenuKeyHook {
public:
    TMenuKeyHook(TspSkinMenu& menu, std::function<void()> onClosed);
    TMenuKeyHook(const TMenuKeyHook&) = delete;
    TMenuKeyHook& operator=(const TMenuKeyHook&) = delete;

private:
    TMessageHookScope scope_;
};

// The messages of a form that close its open menu: moving, sizing, activation and focus
// changes, cancel mode, and a press anywhere on the form or its children.
bool IsMenuClosingMessage(UINT msg);

} // namespace vt
