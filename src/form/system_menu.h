// The skinned form's system menu. The frame replaces the platform's caption and with it the
// platform's window menu, so the engine builds its own: a default menu rebuilt before every use
// from the form's border icons and state, or the same commands merged into a menu of the user.
//
//   TspSysCommand         what an item of the system menu does
//   TspSysMenuFacts       the form's state and settings the contents follow
//   BuildDefaultSystemMenu, MergeSystemMenu, PrepareSystemMenu
#pragma once

#include <cstdint>
#include <functional>

#include "form/skin_object_list.h"
#include "form/window_states.h"
#include "framework/base/menus.h"

namespace vt {

class TspSkinData;

enum class TspSysCommand : uint8_t {
    Minimize,
    Maximize,
    Restore,  // window state normal
    RollUp,
    RollDown,
    MinimizeToTray,
    Close,
};

// What the items' OnClick calls with their command.
using TspSysCommandHandler = std::function<void(TspSysCommand)>;

struct TspSysMenuFacts {
    TspBorderIcons BorderIcons;
    TspWindowState WindowState = TspWindowState::Normal;
    bool RollUpState = false;
    bool MaxRollUpState = false;  // rolled up while maximized
    bool MDIChild = false;        // closes with Ctrl+F4; maximized, it has no RollUp
    bool AlwaysMinimizeToTray = false;
    bool UseDefaultSysMenu = true;
    TPopupMenu* SystemMenu = nullptr;       // the user's menu, or null
    const TspSkinData* SkinData = nullptr;  // captions from its resource strings; null: built-in
};

// Clears menu and fills it with the commands that apply now, in the order Minimize, Maximize,
// Restore, RollUp, Minimize to Tray, a separator when anything precedes it, Close.
void BuildDefaultSystemMenu(TPopupMenu& menu, const TspSysMenuFacts& f,
                            const TspSysCommandHandler& run);

// Replaces the commands merged into the user's menu earlier with the ones that apply now:
// Minimize, Restore, Maximize, RollUp and Minimize to Tray at the top, Close at the end, no
// separator. The user's own items stay as they are.
void MergeSystemMenu(TPopupMenu& userMenu, const TspSysMenuFacts& f,
                     const TspSysCommandHandler& run);

// The menu the system-menu request opens, brought up to date: the user's SystemMenu (merged
// with UseDefaultSysMenu, else as the user made it), else the rebuilt default menu, or null when
// the form uses neither.
TPopupMenu* PrepareSystemMenu(TPopupMenu& defaultMenu, const TspSysMenuFacts& f,
                              const TspSysCommandHandler& run);

} // namespace vt
