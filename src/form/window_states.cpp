#include "form/window_states.h"

#include <algorithm>

namespace vt {

namespace {

using K = TStateActionKind;

// The geometry with the state the question is about: the collapsed heights depend on it.
TspFrameGeometry GeometryFor(const TWindowStateFacts& f, bool rolledUp, bool minimized)
{
    TspFrameGeometry g = f.Geometry;
    g.Form.RollUp = rolledUp;
    g.Form.Minimized = minimized;
    g.Form.MinimizedAsSecondary = minimized && !f.IsMainForm;
    return g;
}

bool FullBorderShown(const TWindowStateFacts& f)
{
    return f.Geometry.Form.FullLayeredBorder && f.Geometry.Form.LayerBorderVisible;
}

void Append(TStateActions& to, const TStateActions& from)
{
    to.insert(to.end(), from.begin(), from.end());
}

} // namespace

// --- transitions --------------------------------------------------------------------------------

TStateActions TspWindowStates::SetWindowState(TspWindowState value, const TWindowStateFacts& f)
{
    TStateActions out;
    // The main form minimized with the application keeps its state; asking for a shown state
    // brings the application back first.
    if (f.IsMainForm && f.AppMinimized) {
        if (value == TspWindowState::Minimized)
            return out;
        out.push_back(Action(K::RestoreApplication));
    }
    if (value == FWindowState)
        return out;
    switch (value) {
    case TspWindowState::Maximized:
        Append(out, DoMaximize(f));
        break;
    case TspWindowState::Minimized:
        Append(out, DoMinimize(f));
        break;
    case TspWindowState::Normal:
        Append(out, DoRestore(f));
        break;
    }
    return out;
}

TStateActions TspWindowStates::DoMaximize(const TWindowStateFacts& f)
{
    FWindowState = TspWindowState::Maximized;
    FRollUpBeforeMaximize = FRollUpState;
    if (OldBoundsRect.IsEmpty())
        OldBoundsRect = f.Bounds;
    return {SetBoundsAction(f.Geometry.GetMaximizedRect()), Action(K::OnMaximize)};
}

TStateActions TspWindowStates::DoMinimize(const TWindowStateFacts& f)
{
    // The main form (and a form without a frame of its own) takes the whole application down and
    // keeps its state, so the application's restore brings back the same bounds and look.
    if (f.IsMainForm || !f.Geometry.Form.SupportNCArea)
        return {Action(K::MinimizeApplication), Action(K::OnMinimize)};
    if (FMinimizeDefault)
        return {Action(K::MinimizeWindow), Action(K::OnMinimize)};
    FWindowState = TspWindowState::Minimized;
    if (OldBoundsRect.IsEmpty())
        OldBoundsRect = f.Bounds;
    const TspFrameGeometry g = GeometryFor(f, false, true);
    const TPoint size{g.GetMinWidth(), g.GetMinHeight()};
    const TPoint at = MinimizedBarPosition(size, f);
    return {SetBoundsAction(Bounds(at.X, at.Y, size.X, size.Y)), Action(K::OnMinimize)};
}

TPoint TspWindowStates::MinimizedBarPosition(TPoint barSize, const TWindowStateFacts& f) const
{
    const TRect& wa = f.Geometry.Form.Monitor.WorkArea;
    const TPoint first{wa.Left, wa.Bottom - barSize.Y};
    // A zero-sized bar would never advance.
    if (barSize.X <= 0 || barSize.Y <= 0)
        return first;
    TPoint p = first;
    while (std::find(f.MinimizedBars.begin(), f.MinimizedBars.end(), p) != f.MinimizedBars.end()) {
        p.X += barSize.X;
        if (p.X + barSize.X > wa.Right) {
            p.X = wa.Left;
            p.Y -= barSize.Y;
        }
        if (p.Y < wa.Top)
            return first;
    }
    return p;
}

TStateActions TspWindowStates::DoRestore(const TWindowStateFacts& f)
{
    TStateActions out;
    const bool wasMaximized = FWindowState == TspWindowState::Maximized;
    FWindowState = TspWindowState::Normal;
    // Rolled up while maximized: the window comes back unrolled. Its height needs no step of its
    // own, as the normal bounds follow at once.
    if (wasMaximized && FRollUpState && !FRollUpBeforeMaximize) {
        FRollUpState = false;
        out.push_back(Action(K::OnChangeRollUpState));
    }
    FRollUpBeforeMaximize = false;
    MaxRollUpState = false;

    TRect r = GetNormalBoundsRect(f);
    if (FStartShow) {
        // Maximized before its first normal placement: the designed size is placed now.
        FStartShow = false;
        if (!FIgnorePosition) {
            const TPoint p = GetPositionInMonitor(r.Left, r.Top, r.Width(), r.Height(), f);
            r = Bounds(p.X, p.Y, r.Width(), r.Height());
        }
    }
    FIgnorePosition = false;
    out.push_back(SetBoundsAction(r));
    out.push_back(Action(K::StartMouseTimer));
    if (r.Width() == f.Bounds.Width() && r.Height() == f.Bounds.Height())
        out.push_back(Action(K::ForceResize));
    out.push_back(Action(K::Repaint));
    OldBoundsRect = {};
    out.push_back(Action(K::OnRestore));
    return out;
}

// --- roll-up ------------------------------------------------------------------------------------

TStateActions TspWindowStates::SetRollUpState(bool value, const TWindowStateFacts& f)
{
    const auto& form = f.Geometry.Form;
    const bool maximized = FWindowState == TspWindowState::Maximized;
    if (!f.BorderIcons.RollUp || FWindowState == TspWindowState::Minimized)
        return {};
    // Rolled up before maximizing: the maximized window shows its client and stays so until
    // restored to its rolled-up bar.
    if (FRollUpState && maximized && !MaxRollUpState)
        return {};
    // The mode without a non-client area rolls to the skin's roll-up picture, which this model
    // does not cover.
    if (!form.SupportNCArea || value == FRollUpState)
        return {};
    if (maximized)
        MaxRollUpState = value;
    FRollUpState = value;
    TStateActions out;
    const TRect& b = f.Bounds;
    if (value) {
        OldHeight = b.Height();
        const int32_t rolledHeight = GeometryFor(f, true, false).GetMinHeight();
        out.push_back(SetBoundsAction(Bounds(b.Left, b.Top, b.Width(), rolledHeight)));
    } else if (f.ClientHeight != 0) {
        out.push_back({K::SetClientHeight, {}, f.ClientHeight});
    } else {
        out.push_back(SetBoundsAction(Bounds(b.Left, b.Top, b.Width(), OldHeight)));
    }
    out.push_back(Action(K::OnChangeRollUpState));
    return out;
}

// --- caption double-click -----------------------------------------------------------------------

TCaptionDblClick TspWindowStates::CaptionDblClickCommand(const TWindowStateFacts& f) const
{
    if (f.Geometry.Form.Sizeable) {
        switch (FWindowState) {
        case TspWindowState::Minimized:
            return TCaptionDblClick::Restore;
        case TspWindowState::Normal:
            if (!FRollUpState && f.BorderIcons.Maximize)
                return TCaptionDblClick::Maximize;
            break;
        case TspWindowState::Maximized:
            if (!MaxRollUpState)
                return TCaptionDblClick::Restore;
            break;
        }
    }
    return FRollUpState ? TCaptionDblClick::RollDown : TCaptionDblClick::RollUp;
}

TStateActions TspWindowStates::CaptionDblClick(const TWindowStateFacts& f)
{
    switch (CaptionDblClickCommand(f)) {
    case TCaptionDblClick::Restore:
        return Restore(f);
    case TCaptionDblClick::Maximize:
        return Maximize(f);
    case TCaptionDblClick::RollUp:
        return SetRollUpState(true, f);
    case TCaptionDblClick::RollDown:
        return SetRollUpState(false, f);
    }
    return {};
}

// --- placement ----------------------------------------------------------------------------------

TPoint TspWindowStates::GetPositionInMonitor(int32_t x, int32_t y, int32_t w, int32_t h,
                                             const TWindowStateFacts& f) const
{
    const TMonitorAreas& m = f.Geometry.Form.Monitor;
    if (f.PositionInMonitor == sppDefault)
        return {x, y};
    const TRect& a = f.PositionInMonitor == sppDesktopCenter ? m.WorkArea : m.MonitorArea;
    return {a.Left + a.Width() / 2 - w / 2, a.Top + a.Height() / 2 - h / 2};
}

TRect TspWindowStates::GetNormalBoundsRect(const TWindowStateFacts& f) const
{
    return OldBoundsRect.IsEmpty() ? f.Bounds : OldBoundsRect;
}

TStateActions TspWindowStates::FirstShow(const TWindowStateFacts& f)
{
    if (!FStartShow)
        return {};
    if (f.PositionInMonitor == sppDefault) {
        FStartShow = false;
        return {};
    }
    if (FWindowState != TspWindowState::Normal)
        return {};
    FStartShow = false;
    const TRect& b = f.Bounds;
    const TPoint p = GetPositionInMonitor(b.Left, b.Top, b.Width(), b.Height(), f);
    return {SetBoundsAction(Bounds(p.X, p.Y, b.Width(), b.Height()))};
}

// --- caption drags ------------------------------------------------------------------------------

TStateActions TspWindowStates::Moving(TRect& proposed, TPoint cursor, const TWindowStateFacts& f)
{
    const auto& form = f.Geometry.Form;
    if (form.MDIChild)
        return {};
    const TRect& b = f.Bounds;
    if (FWindowState == TspWindowState::Normal) {
        if (f.BorderIcons.Maximize && !FRollUpState && !FullBorderShown(f))
            FCanMaximized = proposed.Top < form.Monitor.WorkArea.Top;
        return {};
    }
    if (FWindowState != TspWindowState::Maximized)
        return {};
    TStateActions out;
    TRect now = b;
    const bool draggedDown = proposed.Top > b.Top;
    if (draggedDown && !FRollUpState && !form.MaximizeOnFullScreen && !FullBorderShown(f)) {
        FCanMaximized = false;
        // The normal size, centred under the cursor at the current top and kept inside the work
        // area. The normal bounds are placed there before restoring, so the window goes straight
        // to where the drag continues.
        const TRect old = GetNormalBoundsRect(f);
        const TRect& wa = form.Monitor.WorkArea;
        int32_t left = cursor.X - old.Width() / 2;
        left = std::min(left, wa.Right - old.Width());
        left = std::max(left, wa.Left);
        now = Bounds(left, b.Top, old.Width(), old.Height());
        OldBoundsRect = now;
        FIgnorePosition = true;
        out = Restore(f);
    }
    proposed = now;
    return out;
}

TStateActions TspWindowStates::MoveEnded(const TWindowStateFacts& f)
{
    const auto& form = f.Geometry.Form;
    const bool dropAtTop = FCanMaximized && !FRollUpState && !form.MaximizeOnFullScreen &&
                           !FullBorderShown(f) && f.Bounds.Top <= form.Monitor.MonitorArea.Top;
    FCanMaximized = false;
    if (!dropAtTop || FWindowState != TspWindowState::Normal)
        return {};
    return Maximize(f);
}

TStateActions TspWindowStates::WorkAreaChanged(const TWindowStateFacts& f)
{
    if (FWindowState != TspWindowState::Maximized)
        return {};
    TRect r = f.Geometry.GetMaximizedRect();
    // Rolled up while maximized: the bar moves with the area and rolls down to its new height.
    if (MaxRollUpState) {
        OldHeight = r.Height();
        r.Bottom = r.Top + f.Bounds.Height();
    }
    if (r == f.Bounds)
        return {};
    return {SetBoundsAction(r)};
}

} // namespace vt
