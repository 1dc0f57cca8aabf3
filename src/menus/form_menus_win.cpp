#include "menus/form_menus_win.h"

#include "framework/win/forms.h"
#include "menus/menu_platform_win.h"
#include "menus/skin_menu.h"

namespace vt {

TspFormMenus::TspFormMenus(TCustomForm& form, TComponent* owner)
    : TComponent(owner ? owner : &form)
    , form_(form)
{
    menu_ = new TspSkinMenu(this, &form);
    UsePlatformServices(*menu_);
}

TspFormMenus::~TspFormMenus()
{
    formHook_.reset();
    keys_.reset();
}

void TspFormMenus::SkinMenuOpen()
{
    if (!keys_)
        keys_ = std::make_unique<TMenuKeyHook>(*menu_, [this] { SkinMenuClose(); });
    if (!inMenu_) {
        inMenu_ = true;
        OnSkinMenuOpen(this);
    }
}

void TspFormMenus::SkinMenuClose()
{
    keys_.reset();
    if (!inMenu_)
        return;
    inMenu_ = false;
    if (MenuModeEnded)
        MenuModeEnded();
    OnSkinMenuClose(this);
}

bool TspFormMenus::FormMessage(TMessage& msg)
{
    if (IsMenuClosingMessage(msg.Msg)) {
        if (menu_->Visible())
            menu_->Hide();
        else if (inMenu_)
            SkinMenuClose();
        return false;
    }
    if (msg.Msg == kMenuClosedMessage) {
        SkinMenuClose();
        msg.Result = 0;
        return true;
    }
    return false;
}

void TspFormMenus::Attach()
{
    if (formHook_)
        return;
    formHook_ = std::make_unique<TWindowProcHook>(form_, [this](TMessage& msg, const TWndMethod& previous) {
        if (!FormMessage(msg))
            previous(msg);
    });
}

} // namespace vt
