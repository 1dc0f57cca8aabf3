#include "form/caption_extras_mouse.h"

namespace vt {

using Kind = TspCaptionEventKind;

bool TspCaptionExtrasMouse::TabsUsable() const { return facts_.NCArea && CaptionTabsUsable(caption_, extras_); }
bool TspCaptionExtrasMouse::QuickUsable() const { return facts_.NCArea && QuickButtonsUsable(extras_); }

TspQuickButtonItem* TspCaptionExtrasMouse::Quick(int index) const
{
    return index >= 0 && index < extras_.QuickButtons.Count() ? extras_.QuickButtons.Items(index) : nullptr;
}

void TspCaptionExtrasMouse::TrackTabs(TPoint p, TspCaptionResponse& r)
{
    TspCaptionTabs& tabs = extras_.CaptionTabs;
    int hot = -1;
    for (int i = 0; i < tabs.Count() && hot < 0; ++i)
        if (tabs.Items(i)->Visible() && tabs.Items(i)->ItemRect.Contains(p))
            hot = i;
    bool changed = hot != caption_.OldActiveTab;
    for (int i = 0; i < tabs.Count(); ++i) {
        TspCaptionTab& tab = *tabs.Items(i);
        changed |= tab.Active != (i == hot);
        tab.Active = i == hot;
    }
    caption_.ActiveTab = caption_.OldActiveTab = hot;
    r.Repaint |= changed;
}

void TspCaptionExtrasMouse::TrackQuickButtons(TPoint p, TspCaptionResponse& r)
{
    TspQuickButtonItems& items = extras_.QuickButtons;
    int hot = -1;
    for (int i = 0; i < items.Count() && hot < 0; ++i) {
        const TspQuickButtonItem& item = *items.Items(i);
        if (item.Enabled() && item.Visible() && item.ItemRect.Contains(p))
            hot = i;
    }
    const bool hotChanged = hot != caption_.OldActiveQuickButton;
    bool changed = hotChanged;
    for (int i = 0; i < items.Count(); ++i) {
        // The button whose menu is open stays down and lit while the pointer wanders.
        if (i == caption_.PopupMenuQuickButton)
            continue;
        TspQuickButtonItem& item = *items.Items(i);
        changed |= item.Active != (i == hot);
        item.Active = i == hot;
        // A pressed button the pointer left springs back without a click.
        if (i != hot && item.Down() && !item.Grouped()) {
            item.ChangeDown(false);
            changed = true;
        }
    }
    caption_.ActiveQuickButton = caption_.OldActiveQuickButton = hot;
    r.Repaint |= changed;
    if (!facts_.ShowHints)
        return;
    if (hotChanged && hot >= 0 && !items.Items(hot)->Hint().empty())
        r.Events.push_back({Kind::ShowHint, hot});
    else if (changed && hot < 0)
        r.Events.push_back({Kind::HideHint});
}

void TspCaptionExtrasMouse::Track(TPoint p, TspCaptionResponse& r)
{
    if (TabsUsable())
        TrackTabs(p, r);
    if (QuickUsable())
        TrackQuickButtons(p, r);
}

TspCaptionResponse TspCaptionExtrasMouse::MouseMove(TPoint p)
{
    TspCaptionResponse r;
    Track(p, r);
    return r;
}

TspCaptionResponse TspCaptionExtrasMouse::MouseDown(TPoint p, TspMouseButton button, int menuClosedByPress)
{
    TspCaptionResponse r;
    Track(p, r);
    if (TabsUsable() && caption_.ActiveTab >= 0 && button == TspMouseButton::Left) {
        r.Events.push_back({Kind::TabChange, caption_.ActiveTab});
        return r;
    }
    if (!QuickUsable())
        return r;
    const int hot = caption_.ActiveQuickButton;
    if (TspQuickButtonItem* item = Quick(hot)) {
        item->FAllowAllUpCheck = false;
        if (button == TspMouseButton::Left && item->Grouped()) {
            if (!item->Down()) {
                item->ChangeDown(true);
                r.Repaint = true;
                r.Events.push_back({Kind::Click, hot});
            } else if (item->AllowAllUp()) {
                item->FAllowAllUpCheck = true;  // it goes up on the release
            }
        } else if (button == TspMouseButton::Left) {
            item->ChangeDown(true);
            if (item->PopupMenu() && caption_.PopupMenuQuickButton != hot && menuClosedByPress != hot) {
                caption_.PopupMenuQuickButton = hot;
                caption_.MouseCaptureQuickButton = -1;
                r.Events.push_back({Kind::OpenMenu, hot});
            } else {
                caption_.MouseCaptureQuickButton = hot;
            }
            for (int i = 0; i < extras_.QuickButtons.Count(); ++i) {
                TspQuickButtonItem& other = *extras_.QuickButtons.Items(i);
                if (i == hot)
                    continue;
                other.Active = false;
                if (!other.Grouped())
                    other.ChangeDown(false);
            }
            r.Repaint = true;
        }
        r.Events.push_back({Kind::MouseDown, hot, button});
    }
    if (facts_.ShowHints)
        r.Events.push_back({Kind::HideHint});
    return r;
}

TspCaptionResponse TspCaptionExtrasMouse::MouseUp(TPoint p, TspMouseButton button)
{
    TspCaptionResponse r;
    Track(p, r);
    const int hot = QuickUsable() ? caption_.ActiveQuickButton : -1;
    if (hot < 0)
        if (TspQuickButtonItem* captured = Quick(caption_.MouseCaptureQuickButton)) {
            captured->ChangeDown(false);
            captured->Active = false;
            r.Repaint = true;
        }
    caption_.MouseCaptureQuickButton = -1;

    TspQuickButtonItem* item = Quick(hot);
    if (item && button == TspMouseButton::Left) {
        if (item->Grouped()) {
            if (item->Down() && item->FAllowAllUpCheck) {
                item->FAllowAllUpCheck = false;
                item->ChangeDown(false);
                r.Repaint = true;
                r.Events.push_back({Kind::Click, hot});
            }
        } else {
            // Pressed and released over the same button: it is still down.
            const bool wasDown = item->Down();
            for (int i = 0; i < extras_.QuickButtons.Count(); ++i) {
                TspQuickButtonItem& other = *extras_.QuickButtons.Items(i);
                if (!other.Grouped() && !(i == hot && i == caption_.PopupMenuQuickButton))
                    other.ChangeDown(false);
            }
            r.Repaint = true;
            if (wasDown)
                r.Events.push_back({Kind::Click, hot});
        }
    }
    const bool overTab = TabsUsable() && caption_.ActiveTab >= 0;
    if (!item && !overTab && button == TspMouseButton::Right && facts_.FullLayeredBorder && !facts_.DisableSystemMenu)
        r.Events.push_back({Kind::SystemMenu});
    return r;
}

TspCaptionResponse TspCaptionExtrasMouse::MouseLeave()
{
    caption_.ActiveTab = caption_.OldActiveTab = -1;
    caption_.ActiveQuickButton = caption_.OldActiveQuickButton = -1;
    TspCaptionResponse r;
    Track(Point(-1, -1), r);
    return r;
}

TspCaptionResponse TspCaptionExtrasMouse::Deactivate()
{
    TspCaptionResponse r;
    for (int i = 0; i < extras_.QuickButtons.Count(); ++i) {
        TspQuickButtonItem& item = *extras_.QuickButtons.Items(i);
        r.Repaint |= item.Active || (item.Down() && !item.Grouped());
        item.Active = false;
        if (!item.Grouped())
            item.ChangeDown(false);
    }
    caption_.ActiveQuickButton = caption_.OldActiveQuickButton = -1;
    return r;
}

TspCaptionResponse TspCaptionExtrasMouse::SkinMenuClose()
{
    TspCaptionResponse r;
    if (TspQuickButtonItem* item = Quick(caption_.PopupMenuQuickButton)) {
        item->ChangeDown(false);
        item->Active = false;
        r.Repaint = true;
    }
    caption_.PopupMenuQuickButton = -1;
    return r;
}

} // namespace vt
