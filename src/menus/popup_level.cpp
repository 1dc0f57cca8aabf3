#include "menus/popup_level.h"

#include "menus/skin_menu.h"
#include "raster/caption.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"

#include <algorithm>
#include <cmath>

namespace vt {

// --- look -----------------------------------------------------------------------------------
const TPixelImage* MenuPicture(const TspSkinData& skin, int32_t index)
{
    if (index < 0 || static_cast<size_t>(index) >= skin.FActivePictures.size())
        return nullptr;
    const TPixelImage* p = skin.FActivePictures[static_cast<size_t>(index)].get();
    return p && !p->Empty() ? p : nullptr;
}

const TspDataSkinMenuItem* MenuItemRecord(const TspSkinData& skin)
{
    int index = skin.GetIndex(L"MENUITEM");
    if (index < 0)
        index = skin.GetIndex(L"menuitem");
    if (index < 0)
        return nullptr;
    return dynamic_cast<const TspDataSkinMenuItem*>(
        skin.ObjectList[static_cast<size_t>(index)].get());
}

const TspDataSkinCustomControl* MenuHeaderRecord(const TspSkinData& skin)
{
    for (const wchar_t* name : { L"menuheader", L"label" }) {
        const int index = skin.GetControlIndex(name);
        if (index >= 0)
            return dynamic_cast<const TspDataSkinCustomControl*>(
                skin.CtrlList[static_cast<size_t>(index)].get());
    }
    return nullptr;
}

TMenuLevelLook MenuLevelLook(const TspSkinData* skin)
{
    TMenuLevelLook look;
    if (!skin || skin->Empty)
        return look;
    if (const TspDataSkinPopupWindow* pw = skin->PopupWindow.get()) {
        // A record whose picture is missing gives the default frame rather than a zero-sized one.
        if (const TPixelImage* picture = MenuPicture(*skin, pw->WindowPictureIndex)) {
            look.HasFrame = true;
            look.FrameWidth = picture->Width;
            look.FrameHeight = picture->Height;
            look.Frame = { pw->LTPoint, pw->RTPoint, pw->LBPoint, pw->RBPoint, pw->ItemsRect };
        }
    }
    if (const TspDataSkinMenuItem* mi = MenuItemRecord(*skin)) {
        look.HasItemRecord = true;
        if (MenuPicture(*skin, mi->ActivePictureIndex)) {
            look.SkinRect = mi->SkinRect;
            look.ActiveSkinRect = mi->ActiveSkinRect;
        }
        look.DividerRect = mi->DividerRect;
        look.TextRct = mi->TextRct;
        if (skin->EnableSkinEffects()) {
            look.Morphing = mi->Morphing && look.HasFrame;
            look.Animated = !mi->AnimateSkinRect.IsEmpty() && mi->FrameCount > 0;
            look.FrameCount = mi->FrameCount;
            look.AnimateInterval = mi->AnimateInterval;
            look.InActiveAnimation = mi->InActiveAnimation;
        }
    }
    return look;
}

TMenuItemKind MenuItemKind(const TMenuItem& item)
{
    const String& c = item.Caption;
    if (c == L"-")
        return TMenuItemKind::mikSeparator;
    if (!item.Enabled && !c.empty() && c.front() == L'-' && c.back() == L'-')
        return TMenuItemKind::mikHeader;
    return TMenuItemKind::mikNormal;
}

// --- placement --------------------------------------------------------------------------------
TPoint CalcShowPosition(const TShowPlacement& p)
{
    const TRect& R = p.Anchor;
    const TRect& WA = p.WorkArea;
    const int32_t W = p.Width, H = p.Height;
    const bool upperHalf = R.Top < WA.Top + WA.Height() / 2;
    const bool workAreaHigh = p.Scroll && !p.Scroll2;
    bool overlap = false;
    int32_t y;
    if (workAreaHigh) {
        y = WA.Top;
    } else if (p.PopupByItem) {
        if (R.Top + H - p.ItemsTop <= WA.Bottom)
            y = R.Top - p.ItemsTop; // first item level with the parent item
        else if (upperHalf)
            y = WA.Bottom - H;
        else
            y = std::max(WA.Top, R.Bottom + p.ItemsTop - H);
    } else if (p.PopupUp) {
        if (R.Top - H >= WA.Top) {
            y = R.Top - H;
        } else if (upperHalf) {
            overlap = R.Bottom + H > WA.Bottom;
            y = overlap ? WA.Bottom - H : R.Bottom;
        } else {
            y = WA.Top;
            overlap = true;
        }
    } else {
        if (R.Bottom + H <= WA.Bottom) {
            y = R.Bottom;
        } else if (upperHalf) {
            y = WA.Bottom - H;
            overlap = true;
        } else if (R.Top - H >= WA.Top) {
            y = R.Top - H;
        } else {
            y = WA.Top;
            overlap = true;
        }
    }
    int32_t x;
    if (!p.PopupByItem && !overlap && !workAreaHigh) {
        x = R.Left;
        if (x + W > WA.Right)
            x = WA.Right - W;
        x = std::max(x, WA.Left);
    } else {
        // Beside the anchor, the right side preferred; never left of the work area.
        x = R.Right + W + 1 <= WA.Right ? R.Right + 1 : R.Left - W - 1;
        x = std::max(x, WA.Left);
    }
    return { x, y };
}

// --- building -----------------------------------------------------------------------------------
TspPopupLevel::TspPopupLevel(TspSkinMenu* menu, const TMenuLevelLook& look)
    : menu_(menu)
    , look_(look)
{
}

TspPopupLevel::~TspPopupLevel() = default;

void TspPopupLevel::AddItems(const std::vector<TMenuItem*>& children)
{
    items_.clear();
    for (TMenuItem* child : children) {
        if (!child->Visible)
            continue;
        TMenuItemKind kind = MenuItemKind(*child);
        // No separator first, none after another.
        if (kind == TMenuItemKind::mikSeparator
            && (items_.empty() || items_.back().Kind == TMenuItemKind::mikSeparator))
            continue;
        TspSkinMenuItem item;
        item.MenuItem = child;
        item.Kind = kind;
        items_.push_back(std::move(item));
    }
    if (!items_.empty() && items_.back().Kind == TMenuItemKind::mikSeparator)
        items_.pop_back();
    activeItem_ = -1;
    VisibleStartIndex = 0;
}

bool TspPopupLevel::Build(TMenuItem* item, int startIndex)
{
    std::vector<TMenuItem*> children;
    for (int i = std::max(startIndex, 0); item && i < item->Count(); ++i)
        children.push_back(item->Items(i));
    AddItems(children);
    return !items_.empty();
}

bool TspPopupLevel::Build2(TMenuItem* item, TMenuItem* item2, int startIndex)
{
    std::vector<TMenuItem*> merged;
    for (int i = 0; item2 && i < item2->Count(); ++i)
        merged.push_back(item2->Items(i));
    for (int i = 0; item && i < item->Count(); ++i) {
        TMenuItem* c = item->Items(i);
        bool taken = std::any_of(merged.begin(), merged.begin() + (item2 ? item2->Count() : 0),
            [&](const TMenuItem* m) { return m->GroupIndex == c->GroupIndex; });
        if (!taken)
            merged.push_back(c);
    }
    std::stable_sort(merged.begin(), merged.end(),
        [](const TMenuItem* a, const TMenuItem* b) { return a->GroupIndex < b->GroupIndex; });
    if (startIndex > 0)
        merged.erase(merged.begin(),
            merged.begin() + std::min<size_t>(static_cast<size_t>(startIndex), merged.size()));
    AddItems(merged);
    return !items_.empty();
}

// --- size and layout --------------------------------------------------------------------------
int32_t TspPopupLevel::ItemHeight(int index) const
{
    if (Item(index).Kind == TMenuItemKind::mikSeparator)
        return look_.HasItemRecord ? look_.DividerRect.Height() : 4;
    if (look_.HasItemRecord && look_.UseSkinSize)
        return look_.SkinRect.Height();
    return look_.DefaultMenuItemHeight;
}

void TspPopupLevel::CalcPopupSize(ITextRenderer* text, const TRect& workArea)
{
    int32_t w = 0;
    for (const TspSkinMenuItem& item : items_) {
        if (!item.MenuItem || item.Kind == TMenuItemKind::mikSeparator)
            continue;
        String caption = item.MenuItem->Caption;
        if (item.MenuItem->ShortCut != scNone)
            caption += L"  " + ShortCutToText(item.MenuItem->ShortCut);
        int32_t cw
            = text ? text->Measure(caption, TRect {}, dt::CalcRect | dt::SingleLine).Width() : 0;
        w = std::max(w, cw + 2);
    }
    GlyphWidth = look_.ImageWidth >= 0 ? look_.ImageWidth + 5 : 16;
    w += GlyphWidth + 16;
    if (look_.HasItemRecord)
        w += look_.TextRct.Left + look_.SkinRect.Width() - look_.TextRct.Right;
    const TRect& ir = look_.Frame.ClRect;
    int32_t frameW = look_.HasFrame ? look_.FrameWidth + ir.Left - ir.Right : 10;
    int32_t frameH = look_.HasFrame ? look_.FrameHeight + ir.Top - ir.Bottom : 6;
    Width = w + frameW;

    int32_t h = frameH;
    int32_t normalHeight = look_.DefaultMenuItemHeight;
    for (int i = 0; i < Count(); ++i) {
        h += ItemHeight(i);
        if (Item(i).Kind != TMenuItemKind::mikSeparator)
            normalHeight = ItemHeight(i);
    }
    Scroll = Scroll2 = false;
    if (look_.MaxMenuItemsInWindow > 0 && Count() > look_.MaxMenuItemsInWindow) {
        h = normalHeight * look_.MaxMenuItemsInWindow + frameH + kMaxItemsMarkerAllowance;
        Scroll = Scroll2 = true;
    }
    if (h > workArea.Height()) {
        h = workArea.Height();
        Scroll = true;
    }
    Height = h;
    VisibleStartIndex = 0;
    newItemsRect_ = look_.HasFrame
        ? ResizeFrameGeometry(look_.Frame, look_.FrameWidth, look_.FrameHeight, Width, Height)
              .ClRect
        : Rect(3, 3, Width - 3, Height - 3);
}

void TspPopupLevel::LayoutItems()
{
    const int32_t margin = Scroll ? kScrollMarkerHeight : 0;
    int32_t y = newItemsRect_.Top + margin;
    const int32_t bottom = newItemsRect_.Bottom - margin;
    VisibleCount = 0;
    bool full = false;
    for (int i = 0; i < Count(); ++i) {
        TspSkinMenuItem& item = items_[static_cast<size_t>(i)];
        item.Visible = false;
        if (i < VisibleStartIndex || full)
            continue;
        const int32_t h = ItemHeight(i);
        if (y + h > bottom) {
            full = true;
            continue;
        }
        item.ObjectRect = Rect(newItemsRect_.Left, y, newItemsRect_.Right, y + h);
        item.Visible = true;
        ++VisibleCount;
        y += h;
    }
}

TPoint TspPopupLevel::CalcShowPosition(
    const TRect& anchor, const TRect& workArea, bool popupByItem, bool popupUp) const
{
    return vt::CalcShowPosition({ anchor, workArea, Width, Height, newItemsRect_.Top, Scroll,
        Scroll2, popupByItem, popupUp });
}

TRect TspPopupLevel::UpMarkerRect() const
{
    const TRect& r = newItemsRect_;
    return Rect(r.Left, r.Top, r.Right, r.Top + kScrollMarkerHeight);
}

TRect TspPopupLevel::DownMarkerRect() const
{
    const TRect& r = newItemsRect_;
    return Rect(r.Left, r.Bottom - kScrollMarkerHeight, r.Right, r.Bottom);
}

// --- selection and pointer
// ------------------------------------------------------------------------
void TspPopupLevel::Redraw()
{
    if (view_)
        view_->Invalidate();
}

void TspPopupLevel::RedrawItem(int index)
{
    TspSkinMenuItem& item = Item(index);
    if (look_.Animated) {
        if (item.Active || look_.InActiveAnimation) {
            if (view_)
                view_->StartEffectTimer(static_cast<uint32_t>(std::max(look_.AnimateInterval, 10)));
        } else {
            item.CurrentFrame = 0;
        }
    } else if (look_.Morphing && view_) {
        view_->StartEffectTimer(kMenuMorphIntervalMs);
    }
    Redraw();
}

bool TspPopupLevel::EffectTick()
{
    bool changed = false;
    for (TspSkinMenuItem& item : items_) {
        if (!item.Visible) {
            // Scrolled out mid-morph: it comes back settled and inactive.
            if (item.MorphKf != 0) {
                item.Active = item.Down = false;
                item.MorphKf = 0;
            }
            continue;
        }
        const bool on = item.Active || item.Down;
        if (look_.Morphing && (on ? item.MorphKf < 1 : item.MorphKf > 0)) {
            // Rounded so five steps land on 0 and 1 exactly.
            const double kf = std::round((item.MorphKf + (on ? kMenuMorphStep : -kMenuMorphStep)) * 1000) / 1000;
            item.MorphKf = std::clamp(kf, 0.0, 1.0);
            changed = true;
        }
        if (look_.Animated) {
            if (item.Active && item.CurrentFrame <= look_.FrameCount) {
                ++item.CurrentFrame;
                changed = true;
            } else if (!item.Active && item.CurrentFrame > 0) {
                --item.CurrentFrame;
                changed = true;
            }
        }
    }
    if (changed)
        Redraw();
    return changed;
}

void TspPopupLevel::SelectFirst()
{
    activeItem_ = -1;
    for (int i = 0; i < Count(); ++i) {
        if (Item(i).Selectable()) {
            Item(i).WaitCommand = true;
            activeItem_ = i;
            ItemMouseEnter(i, true);
            return;
        }
    }
}

int TspPopupLevel::ItemAt(TPoint p) const
{
    for (int i = 0; i < Count(); ++i)
        if (Item(i).Visible && Item(i).ObjectRect.Contains(p))
            return i;
    return -1;
}

void TspPopupLevel::StartScroll(int code)
{
    ScrollCode = code;
    if (menu_)
        menu_->CloseLevelsAfter(*this);
    if (view_)
        view_->SetScrollTimer(true);
    Redraw();
}

void TspPopupLevel::StopScroll()
{
    if (ScrollCode == 0)
        return;
    ScrollCode = 0;
    if (view_)
        view_->SetScrollTimer(false);
    Redraw();
}

void TspPopupLevel::ScrollTick()
{
    TspSkinMenu::TBusy busy(menu_);
    if (ScrollCode == 1 && CanScrollUp())
        --VisibleStartIndex;
    else if (ScrollCode == 2 && CanScrollDown())
        ++VisibleStartIndex;
    LayoutItems();
    Redraw();
    if ((ScrollCode == 1 && !CanScrollUp()) || (ScrollCode == 2 && !CanScrollDown())
        || ScrollCode == 0)
        StopScroll();
}

void TspPopupLevel::TrackMouse(TPoint p)
{
    TspSkinMenu::TBusy busy(menu_);
    if (Scroll) {
        const bool up = UpMarkerRect().Contains(p), down = DownMarkerRect().Contains(p);
        if (ScrollCode == 0 && up && CanScrollUp())
            StartScroll(1);
        else if (ScrollCode == 0 && down && CanScrollDown())
            StartScroll(2);
        else if (ScrollCode != 0 && !up && !down)
            StopScroll();
        if (menu_ && !menu_->IsOpen(*this))
            return;
    }
    const int index = ItemAt(p);
    if (index < 0)
        return; // the active item keeps its value
    if (index == activeItem_) {
        TspSkinMenuItem& item = Item(index);
        if (item.WaitCommand) {
            item.WaitCommand = false;
            if (item.HasChildren())
                ItemMouseEnter(index, false); // the submenu wait starts on the first real move
        }
        return;
    }
    const int old = activeItem_;
    activeItem_ = index;
    if (old >= 0 && Item(old).Selectable())
        ItemMouseLeave(old);
    if (Item(index).Selectable() && (!menu_ || menu_->IsOpen(*this)))
        ItemMouseEnter(index, false);
}

void TspPopupLevel::MouseUp(TPoint p)
{
    TspSkinMenu::TBusy busy(menu_);
    // The last poll may be 50 ms old: take the item under the release point first.
    TrackMouse(p);
    if (menu_ && !menu_->IsOpen(*this))
        return;
    if (ItemAt(p) < 0 || activeItem_ < 0 || Item(activeItem_).Kind == TMenuItemKind::mikSeparator)
        return;
    ItemMouseDown(activeItem_);
}

void TspPopupLevel::ItemMouseEnter(int index, bool kb)
{
    TspSkinMenu::TBusy busy(menu_);
    TspSkinMenuItem& item = Item(index);
    item.Active = true;
    item.CurrentFrame = 0;
    for (int i = 0; i < Count(); ++i) {
        if (i != index && Item(i).Down) {
            Item(i).Down = false;
            RedrawItem(i);
        }
    }
    if (item.WaitCommand && !kb) {
        RedrawItem(index);
    } else if (item.Down) {
        // Its submenu is open: close what hangs below the submenu.
        if (menu_) {
            const int sub = menu_->LevelOf(*this) + 1;
            if (sub < menu_->LevelCount()) {
                menu_->CloseLevels(sub + 1);
                TspPopupLevel& subLevel = menu_->Level(sub);
                for (int i = 0; i < subLevel.Count(); ++i)
                    if (subLevel.Item(i).Down) {
                        subLevel.Item(i).Down = false;
                        subLevel.RedrawItem(i);
                    }
            }
        }
    } else {
        RedrawItem(index);
        if (menu_)
            menu_->ItemAction(*this, index, kb, false);
    }
}

void TspPopupLevel::ItemMouseLeave(int index)
{
    TspSkinMenuItem& item = Item(index);
    item.WaitCommand = false;
    item.Active = false;
    if (look_.Animated)
        item.CurrentFrame = look_.FrameCount + 1;
    if (!item.Down)
        RedrawItem(index);
    if (menu_)
        menu_->CancelWaitFor(*this, index);
}

void TspPopupLevel::ItemMouseDown(int index)
{
    TspSkinMenuItem& item = Item(index);
    item.WaitCommand = false;
    if (!item.Down && item.Enabled() && menu_)
        menu_->ItemAction(*this, index, false, true);
}

// --- keyboard ---------------------------------------------------------------------------------
void TspPopupLevel::SelectByKey(int index)
{
    const int old = activeItem_;
    activeItem_ = index;
    EnsureVisible(index);
    ItemMouseEnter(index, true);
    if (old >= 0 && old != index && old < Count() && (!menu_ || menu_->IsOpen(*this)))
        ItemMouseLeave(old);
}

void TspPopupLevel::NextItem()
{
    if (Count() == 0)
        return;
    // No wrap around the list, except from the very last item.
    const int start = activeItem_ < 0 || activeItem_ == Count() - 1 ? 0 : activeItem_ + 1;
    for (int i = start; i < Count(); ++i) {
        if (Item(i).Selectable()) {
            SelectByKey(i);
            return;
        }
    }
}

void TspPopupLevel::PrevItem()
{
    if (Count() == 0)
        return;
    const int start = activeItem_ <= 0 ? Count() - 1 : activeItem_ - 1;
    for (int i = start; i >= 0; --i) {
        if (Item(i).Selectable()) {
            SelectByKey(i);
            return;
        }
    }
}

void TspPopupLevel::EnsureVisible(int index)
{
    if (!Scroll || index < 0 || index >= Count())
        return;
    const int before = VisibleStartIndex;
    if (index < VisibleStartIndex) {
        VisibleStartIndex = index;
        LayoutItems();
    }
    while (!Item(index).Visible && VisibleStartIndex < index) {
        ++VisibleStartIndex;
        LayoutItems();
    }
    if (VisibleStartIndex != before)
        Redraw();
}

} // namespace vt
