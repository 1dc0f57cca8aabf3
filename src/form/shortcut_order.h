// The order in which the skinned form's shortcut handler offers a key to the parts of the form.
// The steps themselves are the engine's; this fixes which comes first, which ones take the key
// and where the walk stops, so every key reaches the parts in one known order.
//
//   TspShortCutSteps  the engine's steps, each optional
//   DispatchShortCut  runs them in order
#pragma once

#include <cstdint>
#include <functional>
#include <string_view>

#include "framework/base/menus.h"

namespace vt {


// Alt held and key typing caption's accelerator character (F4 types none, so Alt+F4 never
// matches).
bool IsAltAccel(TShortCut key, std::wstring_view caption);
// Alt+Space, with or without Shift or Ctrl.
bool IsAltSpace(TShortCut key);

// A step left empty is skipped. A step answering true has taken the key: the walk stops there.
struct TspShortCutSteps {
    std::function<bool(TShortCut)> OnShortCut;  // the component's own event
    // Alt+Space: the system menu below every enabled system button. The key is taken even when
    // no button is enabled and nothing opens.
    std::function<void()> SystemMenu;
    std::function<void()> ResetInShortCut;        // any other key: no consumed shortcut pending
    std::function<bool(TShortCut)> MainMenu;      // the menu bar's, else MainMenu
    std::function<bool(TShortCut)> MenuButton;    // its menu's shortcuts, or Alt + its letter
    std::function<void(TShortCut)> CaptionTabs;   // Alt + a tab's letter; never takes the key
    std::function<bool(TShortCut)> UserSystemMenu;
};

// True when a step took the key.
bool DispatchShortCut(TShortCut key, const TspShortCutSteps& steps);

} // namespace vt
