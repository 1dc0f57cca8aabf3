// The menu item model: TMenuItem, TMenu, TPopupMenu, TMainMenu, and the shortcut and accelerator
// helpers. Pure data: the platform's own menus are never shown; skinned menus draw these items.
//
// Items are components, so a resource description nests them as objects inside their menu or
// parent item. An item's parent keeps it in its child list and frees its children with it; an
// item freed on its own (by its owner, or by a handler) leaves its parent's list first, so
// weak references (TComponentRef) to items stay sound.
#pragma once

#include "framework/base/component.h"
#include "framework/base/pixel_image.h"
#include "framework/base/types.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace vt {

class TCanvas;
class TMenu;

VT_DECLARE_EXCEPTION(EMenuError, Exception);

// --- shortcuts ------------------------------------------------------------------------------
// A shortcut value: the virtual-key code in the low byte plus modifier bits.
using TShortCut = uint16_t;
inline constexpr TShortCut scShift = 0x2000, scCtrl = 0x4000, scAlt = 0x8000, scNone = 0;

// "Ctrl+S" for 16467; empty for 0 or a key without a name.
String ShortCutToText(TShortCut shortCut);
// 16467 for "Ctrl+S" (modifier and key names ignore letter case); 0 for text that names no key.
TShortCut TextToShortCut(std::wstring_view text);
// A virtual key with the shift keys held as a shortcut.
TShortCut ShortCutOfKey(uint16_t virtualKey, bool shift, bool ctrl, bool alt);

// --- accelerators ---------------------------------------------------------------------------
// The character a key types for accelerator matching, 0 for keys that type none (function keys,
// arrows). Accelerators compare characters: F3 shares its key code with "r" but types nothing.
wchar_t AccelCharOfKey(uint16_t key);
// True when key types caption's accelerator character (IsAccel on the key's character).
bool IsAccelKey(uint16_t key, std::wstring_view caption);
// The caption without its accelerator marks ("&&" becomes "&").
String StripHotkey(std::wstring_view caption);

// --- items ----------------------------------------------------------------------------------
using TMenuDrawItemEvent = TEvent<TObject* /*sender*/, TCanvas&, const TRect&, bool /*selected*/>;

class TMenuItem : public TComponent {
    VT_CLASS_NAME(TMenuItem)
public:
    explicit TMenuItem(TComponent* owner);
    ~TMenuItem() override;

    String Caption;
    TShortCut ShortCut = scNone;
    bool Enabled = true;
    bool Visible = true;
    bool Checked = false;
    bool RadioItem = false;
    uint8_t GroupIndex = 0;
    TPixelImage Bitmap; // empty: the menu's image list (ImageIndex) supplies the image
    int32_t ImageIndex = -1;
    String Hint;
    TNotifyEvent OnClick;
    TMenuDrawItemEvent OnDrawItem;

    // Unique per item for the process's life, so a command can be looked up again after
    // handlers ran (a freed item is then simply not found).
    uint32_t Command() const { return command_; }

    int Count() const { return static_cast<int>(items_.size()); }
    TMenuItem* Items(int index) const;
    TMenuItem* Parent() const { return parent_; }
    // The menu whose tree holds this item, or null.
    TMenu* GetParentMenu() const;
    int IndexOf(const TMenuItem* item) const;
    int MenuIndex() const { return parent_ ? parent_->IndexOf(this) : -1; }

    // Takes item into the child list (out of any other parent's).
    void Add(TMenuItem* item);
    void Insert(int index, TMenuItem* item);
    // Takes the child out of the list without freeing it.
    void Delete(int index);
    void Remove(TMenuItem* item);
    // Frees every child.
    void Clear();

    bool IsSeparator() const { return Caption == L"-"; }
    // Runs OnClick when the item is enabled.
    virtual void Click();

    bool SetProperty(const String& name, const TPropValue& value) override;
    // Nested in a resource description: the enclosing menu or item takes this item.
    void SetParentComponent(TComponent* parent) override;

private:
    friend class TMenu;
    void Detach();

    uint32_t command_;
    TMenuItem* parent_ = nullptr;
    TMenu* menu_ = nullptr; // set on a menu's root item only
    std::vector<TMenuItem*> items_;
};

// --- menus ----------------------------------------------------------------------------------
class TMenu : public TComponent {
    VT_CLASS_NAME(TMenu)
public:
    explicit TMenu(TComponent* owner);
    ~TMenu() override;

    // The root item; its children are the menu's items.
    TMenuItem* Items() const { return items_.get(); }

    // The image list that supplies item images, held weakly as a component: the image-list class
    // lives in the raster layer, which sits above this one, so the drawing layers cast it.
    TComponent* Images() const { return images_.get(); }
    void SetImages(TComponent* images) { images_ = images; }

    // The item whose shortcut this is, searched depth-first over enabled and visible items (a
    // disabled parent hides its children), or null.
    TMenuItem* FindItemByShortCut(TShortCut shortCut) const;
    // Clicks the item with this shortcut; true when one was found.
    bool IsShortCut(TShortCut shortCut);
    // The item with this command in the menu's tree, or null.
    TMenuItem* FindItemByCommand(uint32_t command) const;
    // Looks the item up again and clicks it; false when it is gone.
    bool DispatchCommand(uint32_t command);

    bool SetReference(const String& name, TComponent* value) override;

private:
    std::unique_ptr<TMenuItem> items_;
    TComponentRef<TComponent> images_;
};

class TPopupMenu : public TMenu {
    VT_CLASS_NAME(TPopupMenu)
public:
    using TMenu::TMenu;

    TNotifyEvent OnPopup;
    TPoint PopupPoint { -1, -1 };

    // Raises OnPopup and remembers the point; skinned menus override it to show the items.
    virtual void Popup(int32_t x, int32_t y);

    bool SetProperty(const String& name, const TPropValue& value) override;
};

// The model of a form's main menu; the bar that shows it belongs to the form engine.
class TMainMenu : public TMenu {
    VT_CLASS_NAME(TMainMenu)
public:
    using TMenu::TMenu;
};

// Makes the menu classes known to the form loader. Idempotent.
void RegisterMenuClasses();

} // namespace vt
