#include "controls/page_control_model.h"

#include <algorithm>

namespace vt {

TFrameMargins FrameMarginsOf(const TRect& skinRect, const TRect& clRect)
{
    return {clRect.Left, clRect.Top, skinRect.Width() - clRect.Right, skinRect.Height() - clRect.Bottom};
}

TRect CorrectDisplayRect(const TDisplayRectInput& in)
{
    TRect r = in.Platform;
    if (in.HideBorder && in.HideTabs)
        return {0, -2, in.Width, in.Height};
    if (in.HideBorder)
        return {r.Left - 4, r.Top - 4, r.Right + 4, r.Bottom + 4};
    const TFrameMargins& m = in.Margins;
    const int32_t cw = in.ClientWidth, ch = in.ClientHeight;
    switch (in.Position) {
    case tpTop:
        r = in.HasRecord ? TRect{m.L, r.Top + m.T - 6, cw - m.R, ch - m.B}
                         : TRect{1, r.Top - 5, cw - 1, ch - 1};
        if (in.HideTabs)
            --r.Top;
        break;
    case tpBottom:
        r = in.HasRecord ? TRect{m.L, r.Top + m.T - 4, cw - m.R, r.Bottom + 4 - m.B}
                         : TRect{1, 1, cw - 1, r.Bottom + 3};
        if (in.HideTabs && in.HasRecord)
            ++r.Bottom;
        break;
    case tpLeft:
        r = in.HasRecord ? TRect{r.Left + m.L - 4, r.Top + m.T - 4, cw - m.R, ch - m.B}
                         : TRect{r.Left - 3, r.Top - 5, cw - 1, ch - 1};
        if (in.HideTabs)
            --r.Left;
        break;
    case tpRight:
        r = in.HasRecord ? TRect{m.L, r.Top + m.T - 4, r.Right - m.R + 4, ch - m.B}
                         : TRect{r.Left - 3, r.Top - 5, r.Right + 3, ch - 1};
        if (in.HideTabs)
            ++r.Right;
        break;
    }
    return r;
}

TRect PageAreaOf(const TRect& corrected, TTabPosition position)
{
    TRect r = corrected;
    if (position == tpTop)
        r.Top += 2;
    return r;
}

TRect PageFrameOf(const TRect& a, const TFrameMargins& m)
{
    return {a.Left - m.L, a.Top - m.T, a.Right + m.R, a.Bottom + m.B};
}

int32_t TabsStartOf(int32_t tabsOffset, int32_t tabWidth, int32_t controlWidth, int32_t visibleTabs)
{
    if (tabsOffset > 0)
        return tabsOffset;
    if (tabWidth == 0)
        return 0;
    // 64-bit so that a huge count of wide tabs cannot wrap.
    const int64_t start = int64_t{controlWidth} / 2 - int64_t{visibleTabs} * tabWidth / 2;
    return start > 0 ? static_cast<int32_t>(start) : 0;
}

TRect CorrectItemRect(const TItemRectInput& in)
{
    TRect r = in.Platform;
    if (in.Style != tsTabs)
        return r;
    switch (in.Position) {
    case tpTop:
        if (!in.MultiLine)
            r = r.Offset(-2, 0);
        r = r.Offset(0, -2);
        if (in.Shifted)
            r = r.Offset(in.TabsStart, 0);
        break;
    case tpBottom:
        if (!in.MultiLine)
            r = r.Offset(-2, 0);
        r = r.Offset(0, 2);
        break;
    case tpLeft:
        r = r.Offset(-2, 0);
        break;
    case tpRight:
        r = r.Offset(2, 0);
        break;
    }
    return r;
}

TTabReserve TabReserveOf(const TTabReserveInput& in)
{
    TTabReserve r;
    const int32_t close = in.ShowCloseButtons ? std::max(in.CloseSize, 0) : 0;
    if (IsSideTabs(in.Position))
        r.Height += (in.HasImages ? std::max(in.ImagesHeight, 0) : 0) + close;
    else
        r.Width += (in.HasImages ? std::max(in.ImagesWidth, 0) : 0) + close;
    return r;
}

int32_t CloseSizeOf(bool hasRecord, const TRect& closeButtonRect)
{
    return hasRecord && !closeButtonRect.IsEmpty() ? closeButtonRect.Width() : 14;
}

TCloseLooks CompleteCloseLooks(const TRect& normal, const TRect& active, const TRect& down)
{
    TCloseLooks l{normal, active, down};
    if (l.Active.IsEmpty())
        l.Active = l.Normal;
    if (l.Down.IsEmpty())
        l.Down = l.Active;
    return l;
}

TCloseLook ChooseCloseLook(bool mouseIn, bool mouseDown)
{
    if (mouseIn && mouseDown)
        return TCloseLook::Down;
    return mouseIn ? TCloseLook::Active : TCloseLook::Normal;
}

TRect PlaceCloseButton(int32_t width, int32_t height, int32_t closeSize, int32_t buttonWidth,
                       int32_t buttonHeight)
{
    const int32_t left = width - (closeSize + 2);
    const int32_t top = height / 2 - buttonHeight / 2;
    return Bounds(left, top, buttonWidth, buttonHeight);
}

TRect TurnTabRect(const TRect& r, TTabPosition position, bool textInHorizontal, int32_t w, int32_t h)
{
    if (textInHorizontal)
        return r;
    if (position == tpLeft)
        return {r.Top, w - r.Right, r.Bottom, w - r.Left};
    if (position == tpRight)
        return {h - r.Bottom, r.Left, h - r.Top, r.Right};
    return r;
}

int32_t ScrolledOffTabs(const std::vector<int32_t>& rightEdges)
{
    return static_cast<int32_t>(std::count_if(rightEdges.begin(), rightEdges.end(), [](int32_t e) { return e <= 0; }));
}

TScrollerDecision DecideScroller(const TScrollerInput& in)
{
    TScrollerDecision d;
    d.Hidden = static_cast<int32_t>(std::count_if(in.RightEdges.begin(), in.RightEdges.end(),
                                                  [&](int32_t e) { return e <= 0 || e > in.Limit; }));
    d.Position = ScrolledOffTabs(in.RightEdges);
    if (d.Hidden == 0 || in.MultiLine) {
        if (in.Exists)
            d.Action = TScrollerAction::Destroy;
    } else if (!in.Exists && !in.TabsHidden) {
        d.Action = TScrollerAction::Create;
    }
    return d;
}

TPoint PlaceScroller(const TScrollerPlaceInput& in)
{
    TPoint p{in.Width - in.ScrollerWidth, 0};
    if (in.Position == tpTop) {
        p.Y = in.HasRecord ? std::max(in.PageArea.Top - in.ScrollerHeight - in.Margins.T, 0) : 0;
    } else {
        const int32_t lowest = in.Height - in.ScrollerHeight;
        p.Y = in.HasRecord ? std::min(in.PageArea.Bottom + in.Margins.B, lowest) : lowest;
    }
    return p;
}

std::optional<int> WheelTarget(int active, const std::vector<bool>& tabVisible, int delta)
{
    const int count = static_cast<int>(tabVisible.size());
    if (active < 0 || active >= count || delta == 0)
        return std::nullopt;
    const int next = NextShownTab(active, delta < 0 ? 1 : -1, count,
                                  [&](int i) { return tabVisible[static_cast<size_t>(i)]; });
    return next < 0 ? std::nullopt : std::optional<int>(next);
}

TTabLook ChooseTabLook(bool selected, bool focused, bool mouseIn, bool hasMouseInRect)
{
    if (!selected)
        return mouseIn && hasMouseInRect ? TTabLook::MouseIn : TTabLook::Normal;
    return focused ? TTabLook::Focus : TTabLook::Active;
}

} // namespace vt
