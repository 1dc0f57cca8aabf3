// One level of an open skinned menu as a model: the items it lists, their kinds and states, its
// size, item layout, placement on the work area, scrolling, and what the pointer does over it.
// The popup window (Win32 half) paints from this state and feeds pointer events into it.
//
//   TMenuLevelLook     what a level copies from the skin and the controller's settings
//   TShowPlacement     CalcShowPosition's inputs (a pure function, table-tested)
//   TspSkinMenuItem    one item's state
//   TspPopupLevel      the level
#pragma once

#include "framework/base/component.h"
#include "framework/base/menus.h"
#include "framework/base/types.h"
#include "menus/menu_services.h"
#include "raster/compose.h"

#include <memory>
#include <vector>

namespace vt {

class TspDataSkinCustomControl;
class TspDataSkinMenuItem;
class TspSkinData;
class TspSkinMenu;

// Margins of the scroll markers at the top and bottom of a scrolling level.
inline constexpr int32_t kScrollMarkerHeight = 10;
// Extra height of a level limited by MaxMenuItemsInWindow (room for the two markers).
inline constexpr int32_t kMaxItemsMarkerAllowance = 20;

struct TMenuLevelLook {
    // The popup frame: present when the skin has a popup window record with a picture.
    bool HasFrame = false;
    int32_t FrameWidth = 0, FrameHeight = 0;
    TFrameGeometry Frame; // ClRect is the record's ItemsRect
    // The menu item record's rectangles (cleared when its picture is missing).
    bool HasItemRecord = false;
    TRect SkinRect, ActiveSkinRect, DividerRect, TextRct;
    // The controller's settings.
    bool UseSkinSize = true;
    int32_t DefaultMenuItemHeight = 20;
    int32_t MaxMenuItemsInWindow = 0;
    // Width of the menu's image-list images, -1 without an image list.
    int32_t ImageWidth = -1;
    // Effects of the item record with the skin's effects on: morphing (with a frame only) and
    // animation frames.
    bool Morphing = false;
    bool Animated = false;
    int32_t FrameCount = 0;
    int32_t AnimateInterval = 0;
    bool InActiveAnimation = false;
};

// The morph timer's interval, and each tick's step of an item's morph factor.
inline constexpr uint32_t kMenuMorphIntervalMs = 20;
inline constexpr double kMenuMorphStep = 0.2;

// The container's picture at index, null when out of range or empty.
const TPixelImage* MenuPicture(const TspSkinData& skin, int32_t index);
// The skin's menu item record ("MENUITEM", then "menuitem"), or null.
const TspDataSkinMenuItem* MenuItemRecord(const TspSkinData& skin);
// The control record header items are drawn with ("menuheader", then "label"), or null.
const TspDataSkinCustomControl* MenuHeaderRecord(const TspSkinData& skin);

// What a level copies from the skin; without a skin (or an empty one) the default look.
TMenuLevelLook MenuLevelLook(const TspSkinData* skin);

enum class TMenuItemKind : uint8_t { mikNormal, mikSeparator, mikHeader };
TMenuItemKind MenuItemKind(const TMenuItem& item);

struct TShowPlacement {
    TRect Anchor; // screen coordinates
    TRect WorkArea;
    int32_t Width = 0, Height = 0;
    int32_t ItemsTop = 0; // NewItemsRect.Top
    bool Scroll = false, Scroll2 = false;
    bool PopupByItem = false, PopupUp = false;
};
// The level's top-left on the screen.
TPoint CalcShowPosition(const TShowPlacement& p);

struct TspSkinMenuItem {
    TComponentRef<TMenuItem> MenuItem; // null once a handler freed it
    TMenuItemKind Kind = TMenuItemKind::mikNormal;
    TRect ObjectRect; // window coordinates
    bool Active = false;
    bool Down = false; // its submenu is open
    bool Visible = true; // inside the visible range
    bool WaitCommand = false; // selected on opening; the first real pointer move is awaited
    double MorphKf = 0;
    int32_t CurrentFrame = 0;

    bool Enabled() const { return MenuItem && MenuItem->Enabled; }
    bool HasChildren() const { return MenuItem && MenuItem->Count() > 0; }
    // Can be highlighted by the pointer or the keys.
    bool Selectable() const { return Enabled() && Kind != TMenuItemKind::mikSeparator; }
};

class TspPopupLevel {
public:
    // menu may be null for a level used on its own (layout only).
    TspPopupLevel(TspSkinMenu* menu, const TMenuLevelLook& look);
    ~TspPopupLevel();

    // Items from item's visible children from startIndex on; separators at the start or end and
    // the second of two adjacent ones are left out. False when nothing is left to show.
    bool Build(TMenuItem* item, int startIndex);
    // The same over item2's children and those of item whose GroupIndex none of item2's
    // children has, in GroupIndex order (menu order kept within a group).
    bool Build2(TMenuItem* item, TMenuItem* item2, int startIndex);

    int32_t ItemHeight(int index) const;
    // Width and height from the captions (measured through text, may be null), the frame and
    // the limits; sets Scroll and Scroll2.
    void CalcPopupSize(ITextRenderer* text, const TRect& workArea);
    void LayoutItems();
    TPoint CalcShowPosition(
        const TRect& anchor, const TRect& workArea, bool popupByItem, bool popupUp) const;

    // Selects the first enabled item that is not a separator, as on opening.
    void SelectFirst();

    // --- pointer (window coordinates) -------------------------------------------------------
    void TrackMouse(TPoint p);
    // A release over the level: the item under the point runs or opens.
    void MouseUp(TPoint p);
    void ScrollTick();
    void StopScroll();
    // One step of the morph and animation effects; false when nothing changed (the timer stops).
    bool EffectTick();
    // Redraws after an item changed state, starting its morph or animation.
    void RedrawItem(int index);

    // --- item events --------------------------------------------------------------------------
    void ItemMouseEnter(int index, bool kb);
    void ItemMouseLeave(int index);
    void ItemMouseDown(int index);

    // --- keyboard -----------------------------------------------------------------------------
    void NextItem();
    void PrevItem();
    // Keys select this item: it is entered, the previous one left.
    void SelectByKey(int index);
    // Scrolls exactly enough to lay the item out inside the visible range.
    void EnsureVisible(int index);

    // --- state --------------------------------------------------------------------------------
    int Count() const { return static_cast<int>(items_.size()); }
    TspSkinMenuItem& Item(int index) { return items_.at(static_cast<size_t>(index)); }
    const TspSkinMenuItem& Item(int index) const { return items_.at(static_cast<size_t>(index)); }
    int ActiveItem() const { return activeItem_; }
    void SetActiveItem(int index) { activeItem_ = index; }
    // The item's rectangle on the screen.
    TRect ScreenRect(int index) const
    {
        return Item(index).ObjectRect.Offset(Position.X, Position.Y);
    }

    const TMenuLevelLook& Look() const { return look_; }
    TRect NewItemsRect() const { return newItemsRect_; }
    TRect UpMarkerRect() const;
    TRect DownMarkerRect() const;
    bool CanScrollUp() const { return VisibleStartIndex > 0; }
    bool CanScrollDown() const { return VisibleStartIndex + VisibleCount - 1 < Count() - 1; }

    IMenuLevelView* View() const { return view_.get(); }
    void SetView(std::unique_ptr<IMenuLevelView> view) { view_ = std::move(view); }

    int32_t Width = 0, Height = 0;
    int32_t GlyphWidth = 16; // the glyph column before the captions
    TPoint Position; // screen
    int VisibleCount = 0;
    int VisibleStartIndex = 0;
    bool Scroll = false; // items exceed the height; markers shown
    bool Scroll2 = false; // the height was limited by MaxMenuItemsInWindow
    int ScrollCode = 0; // 0 none, 1 up, 2 down
    TComponentRef<TMenuItem> SourceItem;
    // The fonts the controller chose for this level's items and headers.
    TMenuFont ItemFont, HeaderFont;

private:
    void AddItems(const std::vector<TMenuItem*>& children);
    void Redraw();
    void StartScroll(int code);
    int ItemAt(TPoint p) const;

    TspSkinMenu* menu_;
    TMenuLevelLook look_;
    std::vector<TspSkinMenuItem> items_;
    int activeItem_ = -1;
    TRect newItemsRect_;
    std::unique_ptr<IMenuLevelView> view_;
};

} // namespace vt
