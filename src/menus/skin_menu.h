// TspSkinMenu: the controller of one open skinned menu. It keeps the chain of levels (index 0 the
// root), opens and closes submenus on hover (after the 500 ms wait), clicks and keys, runs the
// chosen item's command after the whole menu has closed, and tells the form and the popup control
// through the message sink. Portable: timers, messages, the work area and the windows come in
// through TMenuServices.
//
// Handlers (OnClick, OnMenuClose) may close the menu, open another or free items. A level that
// closes is hidden at once and freed only when the outermost call into the controller returns,
// and items are held weakly, so nothing is touched after a handler without being checked again.
#pragma once

#include "framework/base/component.h"
#include "framework/base/menus.h"
#include "menus/menu_services.h"
#include "menus/popup_level.h"
#include "skin/skin_data.h"
#include "skin/skinned_element.h"

#include <memory>
#include <vector>

namespace vt {

// A skin change of the open menu's container closes the menu: its levels read that container's
// pictures.
class TspSkinMenu : public TComponent, public ISkinnedElement {
    VT_CLASS_NAME(TspSkinMenu)
public:
    // form receives the closing message at Hide.
    TspSkinMenu(TComponent* owner, TComponent* form);
    ~TspSkinMenu() override;

    void SetServices(const TMenuServices& services) { services_ = services; }
    const TMenuServices& Services() const { return services_; }

    // Opens item's children from startIndex at anchor (screen coordinates). False when nothing
    // opened (no visible item): the menu is then closed, and the caller ends its menu mode.
    bool Popup(TComponent* popupCtrl, TspSkinData* skinData, int startIndex, const TRect& anchor,
        TMenuItem* item, bool popupUp);
    // The same over the merged children of two items.
    bool Popup2(TComponent* popupCtrl, TspSkinData* skinData, int startIndex, const TRect& anchor,
        TMenuItem* item, TMenuItem* item2, bool popupUp);
    // Closes the whole menu and tells the form.
    void Hide();
    // Closes the levels from index from on; from 0 ends the menu.
    void CloseLevels(int from);
    void CloseLevelsAfter(const TspPopupLevel& level);

    // What hovering (execute false) or clicking (true) an item does; kb: selected by a key.
    void ItemAction(TspPopupLevel& level, int index, bool kb, bool execute);
    void WaitTimerTick();
    // Cancels the submenu wait when it is for this item.
    void CancelWaitFor(const TspPopupLevel& level, int index);
    bool IsWaitingFor(const TspPopupLevel& level, int index) const;

    // A key pressed while the menu is open; ch is the character it types (0 for none). The
    // one-argument form takes the character from the key code.
    void PopupKeyDown(uint16_t key, wchar_t ch);
    void PopupKeyDown(uint16_t key) { PopupKeyDown(key, AccelCharOfKey(key)); }

    int LevelCount() const { return static_cast<int>(levels_.size()); }
    TspPopupLevel& Level(int index) const { return *levels_.at(static_cast<size_t>(index)); }
    // The index of level in the chain, LevelCount() when it is not open.
    int LevelOf(const TspPopupLevel& level) const;
    bool IsOpen(const TspPopupLevel& level) const { return LevelOf(level) < LevelCount(); }
    bool Visible() const { return FVisible; }
    TspSkinData* SkinData() const override { return skinData_.get(); }
    void BeforeChangeSkinData() override;
    void ChangeSkinData() override {}

    // The fonts of the open menu's items and header items: the skin's with UseSkinFont, else
    // DefaultMenuItemFont; the container's resource strings' charset wins.
    TMenuFont ItemFont() const;
    TMenuFont HeaderFont() const;
    // The renderer measuring and drawing font, from the services.
    ITextRenderer* TextFor(const TMenuFont& font) const;
    TComponent* PopupCtrl() const { return popupCtrl_.get(); }
    const TRect& WorkArea() const { return workArea_; }

    bool UseSkinFont = true;
    bool UseSkinSize = true;
    int32_t DefaultMenuItemHeight = 20;
    TMenuFont DefaultMenuItemFont;
    int32_t MaxMenuItemsInWindow = 0;
    bool AlphaBlend = false;
    uint8_t AlphaBlendValue = 200;
    bool AlphaBlendAnimation = false;
    // Called once when the menu next closes, then cleared.
    TNotifyEvent OnMenuClose;

private:
    friend class TspPopupLevel;
    // Held across every entry point; closed levels are freed when the outermost one returns.
    class TBusy {
    public:
        explicit TBusy(TspSkinMenu* menu)
            : menu_(menu)
        {
            if (menu_)
                ++menu_->busy_;
        }
        ~TBusy()
        {
            if (menu_ && --menu_->busy_ == 0)
                menu_->closed_.clear();
        }
        TBusy(const TBusy&) = delete;
        TBusy& operator=(const TBusy&) = delete;

    private:
        TspSkinMenu* menu_;
    };

    TspPopupLevel* OpenLevel(const TRect& anchor, TMenuItem* item, TMenuItem* item2, bool popupUp,
        bool popupByItem, int startIndex);
    bool PopupCommon(TComponent* popupCtrl, TspSkinData* skinData, int startIndex,
        const TRect& anchor, TMenuItem* item, TMenuItem* item2, bool popupUp);
    void EndMenu();
    void CancelWait();
    void Send(TComponent* target, uint32_t message);

    TMenuServices services_;
    TComponentRef<TComponent> form_;
    TComponentRef<TComponent> popupCtrl_;
    TComponentRef<TComponent> dCtrl_;
    TComponentRef<TspSkinData> skinData_;
    TRect workArea_;
    bool FVisible = false;
    bool FFirst = false;
    uint32_t generation_ = 0; // counts openings, so a caller sees a handler opened a new menu
    std::vector<std::unique_ptr<TspPopupLevel>> levels_;
    std::vector<std::unique_ptr<TspPopupLevel>> closed_;
    int busy_ = 0;
    const TspPopupLevel* waitLevel_ = nullptr;
    int waitIndex_ = -1;
};

} // namespace vt
