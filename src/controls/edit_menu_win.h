// The built-in context menu of the skinned edits (single-line and memo): built fresh for every
// request as a skinned popup menu owned by the control, its items enabled by the memo model's
// table and captioned from the skin's resource strings. The control keeps the menu in a
// TEditMenuSlot, frees it when the menu reports its command (kMenuCommandMessage) and with itself.
#pragma once

#include "framework/win/edits.h"
#include "menus/skin_popup_menu_win.h"

namespace vt {

class TspSkinData;

class TEditMenuSlot {
public:
    TEditMenuSlot();
    TEditMenuSlot(const TEditMenuSlot&) = delete;
    TEditMenuSlot& operator=(const TEditMenuSlot&) = delete;
    ~TEditMenuSlot();

    // Builds the menu for edit and opens it at the screen point of a context-menu request
    // ((-1, -1) from the keyboard: at the centre of owner on the screen). skinData is the skin for
    // the menu; null takes the form engine's. Returns false, having opened nothing, when no
    // engine or no loaded skin would show it (the skinned menu opens nothing then): the caller
    // lets the native edit show its own menu, so a right click never goes unanswered.
    bool Popup(TWinControl& owner, TCustomEdit& edit, TspSkinData* skinData, TPoint request);
    // Frees the menu (after its command ran, or with the control).
    void Free();
    TspSkinPopupMenu* Menu() const { return menu_.get(); }

private:
    // Cleared by itself when the owner frees the menu first.
    TComponentRef<TspSkinPopupMenu> menu_;
};

} // namespace vt
