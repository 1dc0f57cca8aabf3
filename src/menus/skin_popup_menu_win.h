// TspSkinPopupMenu: the popup menu component a form carries. It draws and tracks nothing itself:
// each Popup finds the form engine that shows the form's menus (ISkinMenuHost), takes the
// engine's skin when it has none of its own, and hands its items to the engine's controller.
// Without an engine nothing opens.
#pragma once

#include "framework/base/menus.h"

namespace vt {

class ISkinMenuHost;
class TspSkinData;

class TspSkinPopupMenu : public TPopupMenu {
    VT_CLASS_NAME(TspSkinPopupMenu)
public:
    using TPopupMenu::TPopupMenu;

    // Drops down from (x, y).
    void Popup(int32_t x, int32_t y) override;
    // Below r, or above it with popupUp.
    void PopupFromRect(const TRect& r, bool popupUp);
    // The same on behalf of ctrl, which is told when the menu closes and after a command;
    // Popup2 opens nothing without a skin.
    void Popup2(TComponent* ctrl, int32_t x, int32_t y);
    void PopupFromRect2(TComponent* ctrl, const TRect& r, bool popupUp);

    // The skin; when none is set at popup time the engine's is taken once and kept.
    TspSkinData* SkinData() const { return skinData_.get(); }
    void SetSkinData(TspSkinData* value);
    // The form whose engine to use, or the engine itself; both optional.
    TComponent* ComponentForm() const { return componentForm_.get(); }
    void SetComponentForm(TComponent* form) { componentForm_ = form; }
    TComponent* SkinComponent() const { return skinComponent_.get(); }
    void SetSkinComponent(TComponent* engine) { skinComponent_ = engine; }

    // The engine that would show this menu now, or null.
    ISkinMenuHost* FindHost() const;

    // Called once when a menu this component opened closes.
    TNotifyEvent OnMenuClose;

    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

private:
    void PopupCommon(TComponent* ctrl, const TRect& r, bool popupUp, bool needSkin);

    TComponentRef<TspSkinData> skinData_;
    TComponentRef<TComponent> componentForm_;
    TComponentRef<TComponent> skinComponent_;
};

// Makes the menu classes, this one included, known to the form loader. Idempotent.
void RegisterSkinMenuClasses();

} // namespace vt
