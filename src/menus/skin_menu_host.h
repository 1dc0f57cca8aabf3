// What a skinned popup menu needs of the form engine that shows it. Menus sit below the form
// engine, so the engine implements this interface; a popup menu finds it among a form's
// components.
#pragma once

namespace vt {

class TspSkinData;
class TspSkinMenu;

class ISkinMenuHost {
public:
    // The form's menu controller: every skinned menu of the form is shown through it.
    virtual TspSkinMenu* SkinMenu() = 0;
    virtual TspSkinData* SkinData() const = 0;
    // The skin for menus; null: SkinData.
    virtual TspSkinData* MenusSkinData() const = 0;
    // An MDI child's menus are shown by the main form's engine.
    virtual bool IsMDIChildForm() const = 0;
    // A menu of the form opens: from here until SkinMenuClose the menu key hook is on.
    virtual void SkinMenuOpen() = 0;
    // The menu closed: the hook goes off and what opened the menu returns to its rest.
    virtual void SkinMenuClose() = 0;

protected:
    ~ISkinMenuHost() = default;
};

} // namespace vt
