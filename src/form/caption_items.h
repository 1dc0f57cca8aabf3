// The caption extras' data: the quick buttons and caption tabs a skinned form carries in its
// caption, and the form's settings for them and for the caption menu button, with the properties a
// form description sets. A change that shows in the frame asks the engine for a repaint
// (OnRepaint), never while the engine is loading.
//
//   TspQuickButtonItem(s)  small image buttons, optionally with a caption and a drop-down menu,
//                          in radio groups or springing back
//   TspCaptionTab(s)       tab-like buttons that select one of several pages
//   TspCaptionExtras       the form's caption-extras properties and the current tab's rule
#pragma once

#include "form/caption_text.h"
#include "form/skin_objects.h"
#include "framework/base/collections.h"
#include "framework/base/menus.h"
#include "raster/image_list.h"

#include <functional>

namespace vt {

enum TspQuickButtonPos : uint8_t { spqbpLeft, spqbpRight };
enum TspCaptionTabPos : uint8_t { sptpLeft, sptpCenter, sptpRight };

// A renderer in the given font for the extras' captions, or null (then nothing is measured).
using TspFontRenderer = std::function<ITextRenderer*(const TspCaptionFont&)>;

// Which of a record's prepared per-pixel-alpha images the menu button or a tab draws.
enum class TspExtraImage : uint8_t { Normal, Active, Down, InActive };

// A quick button's OnMouseDown: the item, the button, the point in window coordinates.
using TspQuickButtonMouseEvent = TEvent<TObject*, TspMouseButton, int, int>;

// An item of the caption's collections: each real change of a published value is reported.
class TspCaptionItem : public TCollectionItem {
protected:
    template <class T> void Store(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Changed(false);
    }
};

class TspQuickButtonItem : public TspCaptionItem {
    VT_CLASS_NAME(TspQuickButtonItem)
public:
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value) { Store(FImageIndex, value); }
    const String& Hint() const { return FHint; }
    void SetHint(const String& value) { Store(FHint, value); }
    bool Enabled() const { return FEnabled; }
    void SetEnabled(bool value) { Store(FEnabled, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }
    TPopupMenu* PopupMenu() const { return FPopupMenu.get(); }
    void SetPopupMenu(TPopupMenu* value);
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { Store(FCaption, value); }
    TspQuickButtonPos Position() const { return FPosition; }
    void SetPosition(TspQuickButtonPos value) { Store(FPosition, value); }
    // 0 (or less): no group, the button springs back after each click.
    int32_t GroupIndex() const { return FGroupIndex; }
    void SetGroupIndex(int32_t value) { Store(FGroupIndex, value); }
    bool Grouped() const { return FGroupIndex > 0; }
    bool AllowAllUp() const { return FAllowAllUp; }
    void SetAllowAllUp(bool value) { Store(FAllowAllUp, value); }
    bool Down() const { return FDown; }
    // Going down releases the other items of the group.
    void SetDown(bool value);
    // The same without asking for a repaint: the caption's mouse handling asks for one itself.
    void ChangeDown(bool value);

    TNotifyEvent OnClick;  // Sender: the caption object
    TspQuickButtonMouseEvent OnMouseDown;

    // Kept by the caption's layout and mouse handling.
    bool FAllowAllUpCheck = false;  // the next release of this down grouped button raises it
    TRect ItemRect;                 // window coordinates, as last laid out
    bool Active = false;            // hot

    // Copies the published values (OnClick and the state stay).
    void Assign(const TPersistent* source) override;
    bool SetProperty(const String& name, const TPropValue& value) override;
    bool SetReference(const String& name, TComponent* value) override;

private:
    int32_t FImageIndex = -1;
    String FHint;
    bool FEnabled = true;
    bool FVisible = true;
    TComponentRef<TPopupMenu> FPopupMenu;
    String FCaption;
    TspQuickButtonPos FPosition = spqbpLeft;
    int32_t FGroupIndex = 0;
    bool FAllowAllUp = false;
    bool FDown = false;
};

class TspCaptionTab : public TspCaptionItem {
    VT_CLASS_NAME(TspCaptionTab)
public:
    int32_t ImageIndex() const { return FImageIndex; }
    void SetImageIndex(int32_t value) { Store(FImageIndex, value); }
    const String& Caption() const { return FCaption; }
    void SetCaption(const String& value) { Store(FCaption, value); }
    bool Visible() const { return FVisible; }
    void SetVisible(bool value) { Store(FVisible, value); }

    TRect ItemRect;       // window coordinates, as last laid out
    bool Active = false;  // hot

    void Assign(const TPersistent* source) override;
    bool SetProperty(const String& name, const TPropValue& value) override;

private:
    int32_t FImageIndex = -1;
    String FCaption;
    bool FVisible = true;
};

template <class T> class TspCaptionItems : public TCollection {
public:
    explicit TspCaptionItems(TPersistent* owner) : TCollection(owner, [] { return new T(); }) {}
    T* Items(int index) const { return static_cast<T*>(TCollection::Items(index)); }
    T* Add() { return static_cast<T*>(TCollection::Add()); }
};

class TspQuickButtonItems : public TspCaptionItems<TspQuickButtonItem> {
    VT_CLASS_NAME(TspQuickButtonItems)
public:
    using TspCaptionItems::TspCaptionItems;
};

class TspCaptionTabs : public TspCaptionItems<TspCaptionTab> {
    VT_CLASS_NAME(TspCaptionTabs)
public:
    using TspCaptionItems::TspCaptionItems;
};

// The form's caption-extras properties. The owner (the form engine) is the collections' owner,
// the Sender of OnCaptionTabChange, and tells by its loading state when nothing may repaint.
class TspCaptionExtras {
public:
    explicit TspCaptionExtras(TComponent* owner);
    TspCaptionExtras(const TspCaptionExtras&) = delete;
    TspCaptionExtras& operator=(const TspCaptionExtras&) = delete;

    // The frame must be repainted (UpDateFormNC).
    std::function<void()> OnRepaint;
    TNotifyEvent OnCaptionTabChange;

    bool MenuButtonVisible() const { return FMenuButtonVisible; }
    void SetMenuButtonVisible(bool value);
    int32_t MenuButtonWidth() const { return FMenuButtonWidth; }
    void SetMenuButtonWidth(int32_t value);
    const String& MenuButtonCaption() const { return FMenuButtonCaption; }
    void SetMenuButtonCaption(const String& value);
    TCustomImageList* MenuButtonImageList() const { return FMenuButtonImageList.get(); }
    void SetMenuButtonImageList(TCustomImageList* value);
    int32_t MenuButtonImageIndex() const { return FMenuButtonImageIndex; }
    void SetMenuButtonImageIndex(int32_t value);
    int32_t MenuButtonSpacing() const { return FMenuButtonSpacing; }
    void SetMenuButtonSpacing(int32_t value);
    // -1 centres image and caption as a group.
    int32_t MenuButtonMargin() const { return FMenuButtonMargin; }
    void SetMenuButtonMargin(int32_t value);
    TPopupMenu* MenuButtonPopupMenu() const { return FMenuButtonPopupMenu.get(); }
    void SetMenuButtonPopupMenu(TPopupMenu* value) { FMenuButtonPopupMenu = value; }

    TspQuickButtonItems QuickButtons;
    // Without it no quick button is shown or hit.
    TCustomImageList* QuickImageList() const { return FQuickImageList.get(); }
    void SetQuickImageList(TCustomImageList* value);
    bool QuickButtonsShowHint = false;

    TspCaptionTabs CaptionTabs;
    TCustomImageList* CaptionTabsImageList() const { return FCaptionTabsImageList.get(); }
    void SetCaptionTabsImageList(TCustomImageList* value);
    TspCaptionTabPos CaptionTabPos() const { return FCaptionTabPos; }
    void SetCaptionTabPos(TspCaptionTabPos value);

    int32_t CaptionTabIndex() const { return FCaptionTabIndex; }
    // Negative values are ignored; the value is clamped to the tabs first, so only a real change
    // repaints and raises OnCaptionTabChange. While loading the value is kept as given (Loaded
    // clamps it). A set made by an OnCaptionTabChange handler is stored and repainted but raises
    // no second event.
    void SetCaptionTabIndex(int32_t value);
    bool TabChanging() const { return FTabChanging; }
    // After the owner loaded: the tab index clamped to the tabs, silently.
    void Loaded();

    // The first visible tab whose caption has key (with Alt) as its accelerator, or -1.
    int CaptionTabForShortCut(TShortCut key) const;

    bool SetProperty(const String& name, const TPropValue& value);
    bool SetReference(const String& name, TComponent* value);
    TCollection* GetCollectionProperty(const String& name);

private:
    bool Loading() const { return FOwner && FOwner->IsLoading(); }
    void Repaint();
    template <class T> void Store(T& field, const T& value, bool repaint)
    {
        if (field == value)
            return;
        field = value;
        if (repaint)
            Repaint();
    }

    TComponent* FOwner;
    bool FMenuButtonVisible = false;
    int32_t FMenuButtonWidth = 50;
    String FMenuButtonCaption;
    TComponentRef<TCustomImageList> FMenuButtonImageList;
    int32_t FMenuButtonImageIndex = -1;
    int32_t FMenuButtonSpacing = 0;
    int32_t FMenuButtonMargin = -1;
    TComponentRef<TPopupMenu> FMenuButtonPopupMenu;
    TComponentRef<TCustomImageList> FQuickImageList;
    TComponentRef<TCustomImageList> FCaptionTabsImageList;
    TspCaptionTabPos FCaptionTabPos = sptpLeft;
    int32_t FCaptionTabIndex = 0;
    bool FTabChanging = false;
};

} // namespace vt
