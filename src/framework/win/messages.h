// TMessage, TWMKey and the framework's own messages (control notices and reflected
// notifications).
#pragma once

#include <windows.h>

namespace vt {

struct TMessage {
    UINT Msg = 0;
    WPARAM WParam = 0;
    LPARAM LParam = 0;
    LRESULT Result = 0;
};

// A key message as the shortcut handlers see it.
struct TWMKey {
    UINT Msg = 0;
    WORD CharCode = 0;
    LPARAM KeyData = 0;
};

// Control notices, sent through Perform; they never reach a native window procedure.
inline constexpr UINT CM_BASE = 0xB000;
// To the form's active control when a press lands on another of the form's controls (lParam:
// the control pressed), so that it closes its drop-downs.
inline constexpr UINT CM_CANCELMODE = CM_BASE + 4;
// A dialog key (wParam: virtual key, lParam: key data) offered to the form, which uses Tab and
// passes the rest to its controls until one answers non-zero (the default and cancel buttons).
inline constexpr UINT CM_DIALOGKEY = CM_BASE + 5;
// A character offered to the form's controls for their "&" accelerators; non-zero: taken.
inline constexpr UINT CM_DIALOGCHAR = CM_BASE + 6;
// To every control of a form when its focused control changed (lParam: the new one).
inline constexpr UINT CM_FOCUSCHANGED = CM_BASE + 7;
// To the control that became the form's focused control, and to the one that stopped being it.
inline constexpr UINT CM_ENTER = CM_BASE + 10;
inline constexpr UINT CM_EXIT = CM_BASE + 11;
// Asks the focused control whether it takes a dialog key itself (non-zero: it does).
inline constexpr UINT CM_WANTSPECIALKEY = CM_BASE + 14;
// To a control whose mouse capture another window took (not sent when it released it itself).
inline constexpr UINT CM_CAPTURELOST = CM_BASE + 0x60;
inline constexpr UINT CM_MOUSEENTER = CM_BASE + 19;
inline constexpr UINT CM_MOUSELEAVE = CM_BASE + 20;
inline constexpr UINT CM_ENABLEDCHANGED = CM_BASE + 1;
inline constexpr UINT CM_FONTCHANGED = CM_BASE + 2;
inline constexpr UINT CM_TEXTCHANGED = CM_BASE + 18;
inline constexpr UINT CM_VISIBLECHANGED = CM_BASE + 9;
inline constexpr UINT CM_RELEASE = CM_BASE + 33;

// Numbers inside the notice ranges that windows send each other to ask whether a window draws
// its own frame (45490), to hold and release frame effects (45491, 45492) and to have the frame
// painted into a DC (45513; 48203 with lParam 16802). They are real window messages: the
// framework neither takes them as notices nor stops them on the way to the window procedure.
inline constexpr UINT MSG_QUERY_SKINNED_FRAME = 45490;
inline constexpr UINT MSG_HOLD_FRAME_EFFECTS = 45491;
inline constexpr UINT MSG_RELEASE_FRAME_EFFECTS = 45492;
inline constexpr UINT MSG_PAINT_FRAME_TO_DC = 45513;
inline constexpr UINT MSG_PAINT_FRAME_TO_DC2 = 48203;
inline constexpr bool IsReservedFrameMessage(UINT msg)
{
    return (msg >= MSG_QUERY_SKINNED_FRAME && msg <= MSG_RELEASE_FRAME_EFFECTS) || msg == MSG_PAINT_FRAME_TO_DC ||
           msg == MSG_PAINT_FRAME_TO_DC2;
}

// Notifications a parent receives about a child (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM, ...) are
// passed back to the child's object as CN_BASE + the message.
inline constexpr UINT CN_BASE = 0xBC00;
inline constexpr UINT CN_COMMAND = CN_BASE + WM_COMMAND;
inline constexpr UINT CN_NOTIFY = CN_BASE + WM_NOTIFY;
inline constexpr UINT CN_DRAWITEM = CN_BASE + WM_DRAWITEM;
inline constexpr UINT CN_MEASUREITEM = CN_BASE + WM_MEASUREITEM;

} // namespace vt
