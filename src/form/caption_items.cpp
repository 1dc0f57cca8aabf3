#include "form/caption_items.h"

#include "form/shortcut_order.h"
#include "framework/base/property_table.h"

#include <algorithm>

namespace vt {

// --- quick buttons -----------------------------------------------------------------------------

void TspQuickButtonItem::SetPopupMenu(TPopupMenu* value)
{
    if (FPopupMenu.get() == value)
        return;
    FPopupMenu = value;
    Changed(false);
}

void TspQuickButtonItem::ChangeDown(bool value)
{
    FDown = value;
    // An item going up cannot clash with the others, so only going down releases them; releasing
    // them on the way up too would leave a radio group with nothing down.
    if (!value || !Collection())
        return;
    for (int i = 0; i < Collection()->Count(); ++i) {
        auto* other = static_cast<TspQuickButtonItem*>(Collection()->Items(i));
        if (other != this && other->FGroupIndex == FGroupIndex)
            other->FDown = false;
    }
}

void TspQuickButtonItem::SetDown(bool value)
{
    if (FDown == value)
        return;
    ChangeDown(value);
    Changed(false);
}

void TspQuickButtonItem::Assign(const TPersistent* source)
{
    const auto* o = dynamic_cast<const TspQuickButtonItem*>(source);
    if (!o) {
        TCollectionItem::Assign(source);
        return;
    }
    FImageIndex = o->FImageIndex;
    FHint = o->FHint;
    FEnabled = o->FEnabled;
    FPopupMenu = o->FPopupMenu;
    FVisible = o->FVisible;
    FPosition = o->FPosition;
    FGroupIndex = o->FGroupIndex;
    FAllowAllUp = o->FAllowAllUp;
    FCaption = o->FCaption;
    Changed(false);
}

bool TspQuickButtonItem::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TspQuickButtonItem;
    static const wchar_t* const positions[] = {L"spqbpLeft", L"spqbpRight"};
    static const TPropertyRow<Self> rows[] = {
        {L"ImageIndex", [](Self& q, const TPropValue& v) { q.SetImageIndex(v.AsInteger()); }},
        {L"Hint", [](Self& q, const TPropValue& v) { q.SetHint(v.AsString()); }},
        {L"Enabled", [](Self& q, const TPropValue& v) { q.SetEnabled(v.AsBoolean()); }},
        {L"Visible", [](Self& q, const TPropValue& v) { q.SetVisible(v.AsBoolean()); }},
        {L"Caption", [](Self& q, const TPropValue& v) { q.SetCaption(v.AsString()); }},
        {L"Position",
         [](Self& q, const TPropValue& v) {
             q.SetPosition(static_cast<TspQuickButtonPos>(IdentIndex(v.AsIdent(), positions)));
         }},
        {L"GroupIndex", [](Self& q, const TPropValue& v) { q.SetGroupIndex(v.AsInteger()); }},
        {L"AllowAllUp", [](Self& q, const TPropValue& v) { q.SetAllowAllUp(v.AsBoolean()); }},
        {L"Down", [](Self& q, const TPropValue& v) { q.SetDown(v.AsBoolean()); }},
        {L"OnClick", [](Self& q, const TPropValue& v) { q.OnClick = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value) || TCollectionItem::SetProperty(name, value);
}

bool TspQuickButtonItem::SetReference(const String& name, TComponent* value)
{
    if (!SameDescriptionName(name, L"PopupMenu"))
        return TCollectionItem::SetReference(name, value);
    SetPopupMenu(ReferenceOfKind<TPopupMenu>(value, L"a popup menu"));
    return true;
}

// --- caption tabs ------------------------------------------------------------------------------

void TspCaptionTab::Assign(const TPersistent* source)
{
    const auto* o = dynamic_cast<const TspCaptionTab*>(source);
    if (!o) {
        TCollectionItem::Assign(source);
        return;
    }
    FImageIndex = o->FImageIndex;
    FCaption = o->FCaption;
    FVisible = o->FVisible;
    Changed(false);
}

bool TspCaptionTab::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TspCaptionTab;
    static const TPropertyRow<Self> rows[] = {
        {L"ImageIndex", [](Self& t, const TPropValue& v) { t.SetImageIndex(v.AsInteger()); }},
        {L"Caption", [](Self& t, const TPropValue& v) { t.SetCaption(v.AsString()); }},
        {L"Visible", [](Self& t, const TPropValue& v) { t.SetVisible(v.AsBoolean()); }},
    };
    return SetFromTable(*this, rows, name, value) || TCollectionItem::SetProperty(name, value);
}

// --- the form's settings -----------------------------------------------------------------------

TspCaptionExtras::TspCaptionExtras(TComponent* owner) : QuickButtons(owner), CaptionTabs(owner), FOwner(owner)
{
    QuickButtons.OnUpdate = [this](TCollection&, TCollectionItem*) { Repaint(); };
    CaptionTabs.OnUpdate = [this](TCollection&, TCollectionItem*) { Repaint(); };
}

void TspCaptionExtras::Repaint()
{
    if (!Loading() && OnRepaint)
        OnRepaint();
}

void TspCaptionExtras::SetMenuButtonVisible(bool value) { Store(FMenuButtonVisible, value, true); }
void TspCaptionExtras::SetMenuButtonWidth(int32_t value) { Store(FMenuButtonWidth, value, FMenuButtonVisible); }
void TspCaptionExtras::SetMenuButtonCaption(const String& value)
{
    Store(FMenuButtonCaption, value, FMenuButtonVisible);
}
void TspCaptionExtras::SetMenuButtonImageIndex(int32_t value) { Store(FMenuButtonImageIndex, value, true); }
void TspCaptionExtras::SetMenuButtonSpacing(int32_t value) { Store(FMenuButtonSpacing, value, FMenuButtonVisible); }
void TspCaptionExtras::SetMenuButtonMargin(int32_t value) { Store(FMenuButtonMargin, value, FMenuButtonVisible); }
void TspCaptionExtras::SetCaptionTabPos(TspCaptionTabPos value)
{
    Store(FCaptionTabPos, value, CaptionTabs.Count() > 0);
}

void TspCaptionExtras::SetMenuButtonImageList(TCustomImageList* value)
{
    if (FMenuButtonImageList.get() == value)
        return;
    FMenuButtonImageList = value;
    if (FMenuButtonVisible && FMenuButtonImageIndex >= 0)
        Repaint();
}

void TspCaptionExtras::SetQuickImageList(TCustomImageList* value)
{
    if (FQuickImageList.get() == value)
        return;
    FQuickImageList = value;
    if (QuickButtons.Count() > 0)
        Repaint();
}

void TspCaptionExtras::SetCaptionTabsImageList(TCustomImageList* value)
{
    if (FCaptionTabsImageList.get() == value)
        return;
    FCaptionTabsImageList = value;
    if (CaptionTabs.Count() > 0)
        Repaint();
}

void TspCaptionExtras::SetCaptionTabIndex(int32_t value)
{
    if (value < 0)
        return;
    if (Loading()) {
        FCaptionTabIndex = value;
        return;
    }
    value = std::max(0, std::min(value, CaptionTabs.Count() - 1));
    if (value == FCaptionTabIndex)
        return;
    FCaptionTabIndex = value;
    Repaint();
    if (FTabChanging)
        return;
    FTabChanging = true;
    try {
        OnCaptionTabChange(FOwner);
    } catch (...) {
        FTabChanging = false;
        throw;
    }
    FTabChanging = false;
}

void TspCaptionExtras::Loaded()
{
    FCaptionTabIndex = std::max(0, std::min(FCaptionTabIndex, CaptionTabs.Count() - 1));
}

int TspCaptionExtras::CaptionTabForShortCut(TShortCut key) const
{
    for (int i = 0; i < CaptionTabs.Count(); ++i) {
        const TspCaptionTab& tab = *CaptionTabs.Items(i);
        if (tab.Visible() && IsAltAccel(key, tab.Caption()))
            return i;
    }
    return -1;
}

bool TspCaptionExtras::SetProperty(const String& name, const TPropValue& value)
{
    using Self = TspCaptionExtras;
    static const wchar_t* const tabPositions[] = {L"sptpLeft", L"sptpCenter", L"sptpRight"};
    static const TPropertyRow<Self> rows[] = {
        {L"MenuButtonVisible", [](Self& e, const TPropValue& v) { e.SetMenuButtonVisible(v.AsBoolean()); }},
        {L"MenuButtonWidth", [](Self& e, const TPropValue& v) { e.SetMenuButtonWidth(v.AsInteger()); }},
        {L"MenuButtonCaption", [](Self& e, const TPropValue& v) { e.SetMenuButtonCaption(v.AsString()); }},
        {L"MenuButtonImageIndex", [](Self& e, const TPropValue& v) { e.SetMenuButtonImageIndex(v.AsInteger()); }},
        {L"MenuButtonSpacing", [](Self& e, const TPropValue& v) { e.SetMenuButtonSpacing(v.AsInteger()); }},
        {L"MenuButtonMargin", [](Self& e, const TPropValue& v) { e.SetMenuButtonMargin(v.AsInteger()); }},
        {L"QuickButtonsShowHint", [](Self& e, const TPropValue& v) { e.QuickButtonsShowHint = v.AsBoolean(); }},
        {L"CaptionTabIndex", [](Self& e, const TPropValue& v) { e.SetCaptionTabIndex(v.AsInteger()); }},
        {L"CaptionTabPos",
         [](Self& e, const TPropValue& v) {
             e.SetCaptionTabPos(static_cast<TspCaptionTabPos>(IdentIndex(v.AsIdent(), tabPositions)));
         }},
        {L"OnCaptionTabChange",
         [](Self& e, const TPropValue& v) { e.OnCaptionTabChange = v.AsMethod<TNotifyEvent>(); }},
    };
    return SetFromTable(*this, rows, name, value);
}

bool TspCaptionExtras::SetReference(const String& name, TComponent* value)
{
    auto imageList = [&] { return ReferenceOfKind<TCustomImageList>(value, L"an image list"); };
    if (SameDescriptionName(name, L"MenuButtonImageList"))
        SetMenuButtonImageList(imageList());
    else if (SameDescriptionName(name, L"QuickImageList"))
        SetQuickImageList(imageList());
    else if (SameDescriptionName(name, L"CaptionTabsImageList"))
        SetCaptionTabsImageList(imageList());
    else if (SameDescriptionName(name, L"MenuButtonPopupMenu"))
        SetMenuButtonPopupMenu(ReferenceOfKind<TPopupMenu>(value, L"a popup menu"));
    else
        return false;
    return true;
}

TCollection* TspCaptionExtras::GetCollectionProperty(const String& name)
{
    if (SameDescriptionName(name, L"QuickButtons"))
        return &QuickButtons;
    if (SameDescriptionName(name, L"CaptionTabs"))
        return &CaptionTabs;
    return nullptr;
}

} // namespace vt
