// The skinned form's own window states: the frame replaces the platform's caption, so the engine
// maximizes, minimizes, restores and rolls the window up itself, places it on its monitor the
// first time and answers the caption's drags. This is the portable model: it keeps the state and
// the remembered bounds, reads the window and its monitor from a snapshot (TWindowStateFacts) and
// answers with a list of actions (TStateActions) the engine's _win half carries out in order.
//
//   TspWindowState        normal, minimized or maximized, in the platform's order
//   TStateAction          one thing the window side must do (new bounds, minimize the app, events)
//   TWindowStateFacts     what the model reads of the window, its monitor and the engine
//   TspWindowStates       the state and its operations
#pragma once

#include <cstdint>
#include <vector>

#include "form/frame_geometry.h"
#include "form/skin_object_list.h"
#include "framework/base/types.h"

namespace vt {

// The framework's TWindowState order, so the _win side casts between them.
enum class TspWindowState : uint8_t { Normal, Minimized, Maximized };

enum TspPositionInMonitor : uint8_t { sppDefault, sppScreenCenter, sppDesktopCenter };

enum class TStateActionKind : uint8_t {
    SetBounds,            // the window takes Bounds
    SetClientHeight,      // the owner's client height becomes Value
    MinimizeApplication,  // the application (with its main form) is minimized
    RestoreApplication,   // the minimized application is restored
    MinimizeWindow,       // the owner's own platform minimize
    StartMouseTimer,
    ForceResize,  // bounds unchanged in size: the frame is laid out again all the same
    Repaint,
    OnMaximize,
    OnMinimize,
    OnRestore,
    OnChangeRollUpState,
};

struct TStateAction {
    TStateActionKind Kind = TStateActionKind::Repaint;
    TRect Bounds;       // SetBounds
    int32_t Value = 0;  // SetClientHeight
    friend bool operator==(const TStateAction&, const TStateAction&) = default;
};
using TStateActions = std::vector<TStateAction>;

inline TStateAction SetBoundsAction(const TRect& r) { return {TStateActionKind::SetBounds, r, 0}; }
inline TStateAction Action(TStateActionKind kind) { return {kind, {}, 0}; }

// What the model reads; the engine fills it before each call.
struct TWindowStateFacts {
    // The form facts (Sizeable, MDIChild, monitor areas of the nearest monitor, size limits) and
    // the skin's frame: the maximized rectangle and the collapsed heights come from here.
    TspFrameGeometry Geometry;
    TRect Bounds;  // the window's bounds on the screen now
    TspBorderIcons BorderIcons;
    TspPositionInMonitor PositionInMonitor = sppDefault;
    bool IsMainForm = false;
    bool AppMinimized = false;  // the application is minimized (the main form with it)
    int32_t ClientHeight = 0;   // the engine's ClientHeight property, 0 = none
    // Top-left corners of the other visible skinned windows minimized to bars.
    std::vector<TPoint> MinimizedBars;
};

// What a caption double-click does.
enum class TCaptionDblClick : uint8_t { Restore, Maximize, RollUp, RollDown };

class TspWindowStates {
public:
    TspWindowState FWindowState = TspWindowState::Normal;
    TRect OldBoundsRect;  // normal bounds while maximized or minimized; empty = none
    bool FRollUpState = false;
    bool MaxRollUpState = false;         // rolled up while maximized
    bool FRollUpBeforeMaximize = false;  // was rolled up when maximize began
    int32_t OldHeight = 0;               // height before rolling up
    bool FCanMaximized = false;          // dragged above the work area's top during this move
    bool FIgnorePosition = false;        // the next restore keeps OldBoundsRect's position
    bool FStartShow = true;              // the first placement is still pending
    bool FMinimizeDefault = false;       // secondary forms minimize through the platform

    // A transition to value (nothing when it is the state already). While the main form is
    // minimized with the application, asking for normal or maximized restores the application.
    TStateActions SetWindowState(TspWindowState value, const TWindowStateFacts& f);
    TStateActions Maximize(const TWindowStateFacts& f)
    {
        return SetWindowState(TspWindowState::Maximized, f);
    }
    TStateActions Minimize(const TWindowStateFacts& f)
    {
        return SetWindowState(TspWindowState::Minimized, f);
    }
    TStateActions Restore(const TWindowStateFacts& f)
    {
        return SetWindowState(TspWindowState::Normal, f);
    }

    TStateActions SetRollUpState(bool value, const TWindowStateFacts& f);
    TStateActions RollUp(const TWindowStateFacts& f) { return SetRollUpState(!FRollUpState, f); }

    // A double-click on the caption (HTCAPTION).
    TCaptionDblClick CaptionDblClickCommand(const TWindowStateFacts& f) const;
    TStateActions CaptionDblClick(const TWindowStateFacts& f);

    // The first show: centres the window on its monitor as PositionInMonitor asks, unless it is
    // shown maximized (the first restore centres it then).
    TStateActions FirstShow(const TWindowStateFacts& f);
    // Where a window of size (w, h) at (x, y) goes on its monitor.
    TPoint GetPositionInMonitor(int32_t x, int32_t y, int32_t w, int32_t h,
                                const TWindowStateFacts& f) const;
    TRect GetNormalBoundsRect(const TWindowStateFacts& f) const;

    // WM_MOVING during a caption drag at cursor: may rewrite proposed (a maximized window dragged
    // down leaves its place) and may restore.
    TStateActions Moving(TRect& proposed, TPoint cursor, const TWindowStateFacts& f);
    // The caption drag ended: a window dragged against the top edge is maximized.
    TStateActions MoveEnded(const TWindowStateFacts& f);

    // The display or its work area changed: a maximized window takes the maximize rectangle again.
    TStateActions WorkAreaChanged(const TWindowStateFacts& f);

private:
    TStateActions DoMaximize(const TWindowStateFacts& f);
    TStateActions DoMinimize(const TWindowStateFacts& f);
    TStateActions DoRestore(const TWindowStateFacts& f);
    TPoint MinimizedBarPosition(TPoint barSize, const TWindowStateFacts& f) const;
};

} // namespace vt
