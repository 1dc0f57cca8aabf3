// TspFormMenus: the menu side of a skinned form. It owns the form's menu controller (with the
// platform's services), marks a menu open and closed with the key hook between, and closes the
// open menu on the form's own messages that must close it. The form engine will route its
// window procedure through FormMessage; until then Attach hooks the form's window procedure.
#pragma once

#include "framework/base/component.h"
#include "framework/base/events.h"
#include "framework/win/controls.h"
#include "menus/menu_hooks_win.h"
#include "menus/skin_menu_host.h"

#include <memory>

namespace vt {

class TCustomForm;

class TspFormMenus : public TComponent, public ISkinMenuHost {
    VT_CLASS_NAME(TspFormMenus)
public:
    // Serves form; owned by owner (the form itself when null).
    explicit TspFormMenus(TCustomForm& form, TComponent* owner = nullptr);
    ~TspFormMenus() override;

    TspSkinMenu* SkinMenu() override { return menu_; }
    TspSkinData* SkinData() const override { return skinData_.get(); }
    void SetSkinData(TspSkinData* value) { skinData_ = value; }
    TspSkinData* MenusSkinData() const override { return menusSkinData_.get(); }
    void SetMenusSkinData(TspSkinData* value) { menusSkinData_ = value; }
    bool IsMDIChildForm() const override { return false; }
    void SkinMenuOpen() override;
    void SkinMenuClose() override;
    // A menu of the form is marked open (SkinMenuOpen ... SkinMenuClose).
    bool InMenu() const { return inMenu_; }

    // What the form's window procedure does first with each message: the closing messages close
    // an open menu (and go on), the closed-menu notice ends the menu mode (and is taken). True
    // when the message was taken.
    bool FormMessage(TMessage& msg);
    // Routes the form's window procedure through FormMessage for this component's life.
    void Attach();

    TNotifyEvent OnSkinMenuOpen;
    TNotifyEvent OnSkinMenuClose;
    // The form's own step when its menu mode ends, before OnSkinMenuClose (buttons whose menu
    // was open go up).
    std::function<void()> MenuModeEnded;

private:
    TCustomForm& form_;
    TspSkinMenu* menu_ = nullptr; // owned as a component
    TComponentRef<TspSkinData> skinData_, menusSkinData_;
    std::unique_ptr<TMenuKeyHook> keys_;
    std::unique_ptr<TWindowProcHook> formHook_;
    bool inMenu_ = false;
};

} // namespace vt
