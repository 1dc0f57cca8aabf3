#include "menus/skin_popup_menu_win.h"

#include "framework/base/form_loader.h"
#include "framework/base/property_table.h"
#include "framework/win/forms.h"
#include "menus/skin_menu.h"
#include "menus/skin_menu_host.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

ISkinMenuHost* HostAmong(const TComponent* form)
{
    for (int i = 0; form && i < form->ComponentCount(); ++i)
        if (auto* host = dynamic_cast<ISkinMenuHost*>(form->Components(i)))
            return host;
    return nullptr;
}

TCustomForm* AsForm(TComponent* c) { return dynamic_cast<TCustomForm*>(c); }

} // namespace

ISkinMenuHost* TspSkinPopupMenu::FindHost() const
{
    ISkinMenuHost* host = dynamic_cast<ISkinMenuHost*>(skinComponent_.get());
    if (!host) {
        TComponent* form = componentForm_.get();
        if (!form && AsForm(Owner()))
            form = Owner();
        if (!form && Owner() && AsForm(Owner()->Owner()))
            form = Owner()->Owner();
        host = HostAmong(form);
    }
    if (host && host->IsMDIChildForm())
        host = Application ? HostAmong(Application->MainForm()) : nullptr;
    return host;
}

void TspSkinPopupMenu::Popup(int32_t x, int32_t y)
{
    PopupCommon(nullptr, Rect(x, y, x, y), false, false);
}

void TspSkinPopupMenu::PopupFromRect(const TRect& r, bool popupUp)
{
    PopupCommon(nullptr, r, popupUp, false);
}

void TspSkinPopupMenu::Popup2(TComponent* ctrl, int32_t x, int32_t y)
{
    PopupCommon(ctrl, Rect(x, y, x, y), false, true);
}

void TspSkinPopupMenu::PopupFromRect2(TComponent* ctrl, const TRect& r, bool popupUp)
{
    PopupCommon(ctrl, r, popupUp, false);
}

void TspSkinPopupMenu::PopupCommon(TComponent* ctrl, const TRect& r, bool popupUp, bool needSkin)
{
    // OnPopup may free this menu, the control or the engine: each is looked at again after it.
    TComponentRef<TspSkinPopupMenu> self(this);
    TComponentRef<TComponent> control(ctrl);
    OnPopup(this);
    if (!self || (ctrl && !control))
        return;
    ISkinMenuHost* host = FindHost();
    if (!host || !host->SkinMenu())
        return;
    if (!skinData_)
        skinData_ = host->MenusSkinData() ? host->MenusSkinData() : host->SkinData();
    if (needSkin && !skinData_)
        return;
    TspSkinMenu& menu = *host->SkinMenu();
    TComponentRef<TspSkinMenu> menuRef(&menu);
    if (menu.Visible())
        host->SkinMenuClose();
    host->SkinMenuOpen();
    PopupPoint = {r.Left, r.Top};
    // Closing the menu that was open ran its OnMenuClose, which may have freed what we use.
    if (!self || !menuRef || (ctrl && !control))
        return;
    if (!menu.Popup(control.get(), skinData_.get(), 0, r, Items(), popupUp)) {
        // Nothing to show: the menu mode ends at once, so no key stays swallowed.
        host->SkinMenuClose();
        return;
    }
    if (self && OnMenuClose)
        menu.OnMenuClose = OnMenuClose;
}

// Out of line so that the header needs no complete skin data class.
void TspSkinPopupMenu::SetSkinData(TspSkinData* value)
{
    skinData_ = value;
}

bool TspSkinPopupMenu::SetProperty(const String& name, const TPropValue& value)
{
    if (SameDescriptionName(name, L"OnMenuClose")) {
        OnMenuClose = value.AsMethod<TNotifyEvent>();
        return true;
    }
    return TPopupMenu::SetProperty(name, value);
}

bool TspSkinPopupMenu::SetReference(const String& name, TComponent* value)
{
    if (SameDescriptionName(name, L"SkinData")) {
        SetSkinData(ReferenceOfKind<TspSkinData>(value, L"a skin data container"));
        return true;
    }
    if (SameDescriptionName(name, L"SkinComponent")) {
        SetSkinComponent(value);
        return true;
    }
    if (SameDescriptionName(name, L"ComponentForm")) {
        SetComponentForm(value);
        return true;
    }
    return TPopupMenu::SetReference(name, value);
}

void RegisterSkinMenuClasses()
{
    RegisterMenuClasses();
    RegisterComponentClass<TspSkinPopupMenu>();
}

} // namespace vt
