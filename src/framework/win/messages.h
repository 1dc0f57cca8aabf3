// TMessage and the framework's own messages (control notices and reflected notifications).
#pragma once

#include <windows.h>

namespace vt {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// Control notices, sent through Perform; they never reach a native window procedure.
inline constexpr UINT CM_BASE = 0xB000;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 1;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 2;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 9;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;

// Notifications a parent receives about a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, ...) are
// passed back to the child's object as CN_BASE + the message.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;

} // namespace vt
