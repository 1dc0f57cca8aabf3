#include "menus/skin_menu.h"

#include "raster/image_list.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/resource_strings.h"

#include <algorithm>

namespace vt {

namespace {

constexpr uint32_t kSubmenuDelayMs = 500;
constexpr uint16_t kVkReturn = 13, kVkEscape = 27, kVkLeft = 37, kVkUp = 38, kVkRight = 39,
                   kVkDown = 40;

// The item's command through its menu's dispatch (so it is looked up again), or its own click
// when it belongs to no menu.
void RunCommand(TMenuItem* item)
{
    if (TMenu* menu = item->GetParentMenu())
        menu->DispatchCommand(item->Command());
    else
        item->Click();
}

} // namespace

TspSkinMenu::TspSkinMenu(TComponent* owner, TComponent* form)
    : TComponent(owner)
    , form_(form)
{
}

TspSkinMenu::~TspSkinMenu()
{
    CancelWait();
    for (auto& level : levels_)
        if (level->View())
            level->View()->Hide();
}

int TspSkinMenu::LevelOf(const TspPopupLevel& level) const
{
    for (size_t i = 0; i < levels_.size(); ++i)
        if (levels_[i].get() == &level)
            return static_cast<int>(i);
    return LevelCount();
}

void TspSkinMenu::Send(TComponent* target, uint32_t message)
{
    if (target && services_.Messages)
        services_.Messages->SendMenuMessage(target, message);
}

// --- opening --------------------------------------------------------------------------------
bool TspSkinMenu::Popup(TComponent* popupCtrl, TspSkinData* skinData, int startIndex,
    const TRect& anchor, TMenuItem* item, bool popupUp)
{
    return PopupCommon(popupCtrl, skinData, startIndex, anchor, item, nullptr, popupUp);
}

bool TspSkinMenu::Popup2(TComponent* popupCtrl, TspSkinData* skinData, int startIndex,
    const TRect& anchor, TMenuItem* item, TMenuItem* item2, bool popupUp)
{
    if (!item2)
        return false;
    return PopupCommon(popupCtrl, skinData, startIndex, anchor, item, item2, popupUp);
}

bool TspSkinMenu::PopupCommon(TComponent* popupCtrl, TspSkinData* skinData, int startIndex,
    const TRect& anchor, TMenuItem* item, TMenuItem* item2, bool popupUp)
{
    TBusy busy(this);
    FFirst = !FVisible;
    const bool merged = item2 != nullptr;
    TComponentRef<TMenuItem> ref(item), ref2(item2);
    TComponentRef<TComponent> ctrl(popupCtrl);
    TComponentRef<TspSkinData> skin(skinData);
    // OnMenuClose runs here and may free what we were given or open another menu, which is then
    // closed in turn (a few times at most, for a handler that always reopens).
    for (int i = 0; i < 4 && (FVisible || !levels_.empty()); ++i)
        CloseLevels(0);
    if (FVisible || !levels_.empty())
        return false;
    if (!ref || (merged && !ref2))
        return false;
    ++generation_;
    popupCtrl_ = ctrl.get();
    workArea_ = services_.WorkArea ? services_.WorkArea->WorkAreaOf({ anchor.Left, anchor.Top })
                                   : Rect(-32768, -32768, 32767, 32767);
    skinData_ = skin.get();
    const int total = ref->Count() + (merged ? ref2->Count() : 0);
    const bool any = merged ? ref2->Count() > 0 && startIndex < total : startIndex < total;
    TspPopupLevel* root = nullptr;
    if (any) {
        FVisible = true;
        root = OpenLevel(anchor, ref, ref2, popupUp, false, startIndex);
    }
    FFirst = false;
    if (!root) {
        // Nothing to show: end at once, so the popup control is not left waiting.
        FVisible = true;
        CloseLevels(0);
        return false;
    }
    return true;
}

TspPopupLevel* TspSkinMenu::OpenLevel(const TRect& anchor, TMenuItem* item, TMenuItem* item2,
    bool popupUp, bool popupByItem, int startIndex)
{
    TMenuLevelLook look = MenuLevelLook(skinData_.get());
    look.UseSkinSize = UseSkinSize;
    look.DefaultMenuItemHeight = DefaultMenuItemHeight;
    look.MaxMenuItemsInWindow = MaxMenuItemsInWindow;
    if (TMenu* menu = item->GetParentMenu())
        if (auto* images = dynamic_cast<TCustomImageList*>(menu->Images()))
            look.ImageWidth = images->Width();

    auto level = std::make_unique<TspPopupLevel>(this, look);
    if (!(item2 ? level->Build2(item, item2, startIndex) : level->Build(item, startIndex)))
        return nullptr;
    level->SourceItem = item;
    level->ItemFont = ItemFont();
    level->HeaderFont = HeaderFont();
    level->CalcPopupSize(TextFor(level->ItemFont), workArea_);
    level->LayoutItems();
    level->Position = level->CalcShowPosition(anchor, workArea_, popupByItem, popupUp);
    if (services_.Views)
        level->SetView(services_.Views->CreateView(*level));
    TspPopupLevel* raw = level.get();
    levels_.push_back(std::move(level));
    if (raw->View())
        raw->View()->Show(raw->Position, raw->Width, raw->Height, FFirst);
    raw->SelectFirst();
    return raw;
}

// --- fonts ----------------------------------------------------------------------------------
namespace {

void TakeResourceCharset(const TspSkinData* sd, TMenuFont& font)
{
    if (const auto* strings = sd ? dynamic_cast<const TspResourceStrData*>(sd->ResourceStrData()) : nullptr)
        font.Charset = strings->CharSet();
}

} // namespace

TMenuFont TspSkinMenu::ItemFont() const
{
    TMenuFont font = DefaultMenuItemFont;
    const TspSkinData* sd = skinData_.get();
    if (UseSkinFont && sd && !sd->Empty)
        if (const TspDataSkinMenuItem* mi = MenuItemRecord(*sd)) {
            font.Name = mi->FontName;
            font.Height = mi->FontHeight;
            font.Style = mi->FontStyle;
        }
    TakeResourceCharset(sd, font);
    return font;
}

TMenuFont TspSkinMenu::HeaderFont() const
{
    TMenuFont font = ItemFont();
    const TspSkinData* sd = skinData_.get();
    if (sd && !sd->Empty)
        if (const auto* label = dynamic_cast<const TspDataSkinLabelControl*>(MenuHeaderRecord(*sd))) {
            font.Name = label->FontName;
            font.Height = label->FontHeight;
            font.Style = label->FontStyle;
        }
    return font;
}

ITextRenderer* TspSkinMenu::TextFor(const TMenuFont& font) const
{
    return services_.Fonts ? services_.Fonts->Renderer(font) : services_.Text;
}

// --- closing --------------------------------------------------------------------------------
void TspSkinMenu::CloseLevels(int from)
{
    TBusy busy(this);
    from = std::max(from, 0);
    const bool ending = from == 0 && (FVisible || !levels_.empty());
    while (LevelCount() > from) {
        std::unique_ptr<TspPopupLevel> level = std::move(levels_.back());
        levels_.pop_back();
        if (waitLevel_ == level.get())
            CancelWait();
        if (level->View())
            level->View()->Hide();
        closed_.push_back(std::move(level)); // freed when the outermost call returns
    }
    if (ending)
        EndMenu();
}

void TspSkinMenu::CloseLevelsAfter(const TspPopupLevel& level)
{
    const int index = LevelOf(level);
    if (index < LevelCount())
        CloseLevels(index + 1);
}

void TspSkinMenu::EndMenu()
{
    CancelWait();
    FVisible = false;
    dCtrl_ = popupCtrl_.get();
    TComponent* ctrl = popupCtrl_.get();
    popupCtrl_ = nullptr;
    Send(ctrl, kMenuClosedMessage);
    // Cleared before the call: the handler may open another menu and set a new one.
    TNotifyEvent handler = std::move(OnMenuClose);
    OnMenuClose = nullptr;
    handler(this);
}

void TspSkinMenu::BeforeChangeSkinData()
{
    if (FVisible || !levels_.empty())
        Hide();
}

void TspSkinMenu::Hide()
{
    TBusy busy(this);
    const uint32_t generation = generation_;
    CloseLevels(0);
    if (generation != generation_)
        return; // OnMenuClose opened another menu; the form keeps its menu mode
    CancelWait();
    Send(form_.get(), kMenuClosedMessage);
}

// --- item actions ---------------------------------------------------------------------------
void TspSkinMenu::CancelWait()
{
    if (waitLevel_ && services_.WaitTimer)
        services_.WaitTimer->Stop();
    waitLevel_ = nullptr;
    waitIndex_ = -1;
}

bool TspSkinMenu::IsWaitingFor(const TspPopupLevel& level, int index) const
{
    return waitLevel_ == &level && waitIndex_ == index;
}

void TspSkinMenu::CancelWaitFor(const TspPopupLevel& level, int index)
{
    if (IsWaitingFor(level, index))
        CancelWait();
}

void TspSkinMenu::ItemAction(TspPopupLevel& level, int index, bool kb, bool execute)
{
    TBusy busy(this);
    if (!IsOpen(level) || index < 0 || index >= level.Count())
        return;
    TMenuItem* mi = level.Item(index).MenuItem;
    if (!mi)
        return;
    if (!level.Item(index).HasChildren()) {
        CancelWait();
        if (!execute) {
            CloseLevelsAfter(level);
            return;
        }
        // The whole menu closes first, so the command may open a dialog or another menu.
        TComponentRef<TMenu> menu(mi->GetParentMenu());
        TComponentRef<TMenuItem> ref(mi);
        const uint32_t command = mi->Command();
        Hide();
        if (menu)
            menu->DispatchCommand(command);
        else if (ref)
            ref->Click();
        if (dCtrl_)
            Send(dCtrl_.get(), kMenuCommandMessage);
        return;
    }
    if (!execute) {
        if (kb)
            return; // keyboard selection does not open submenus
        CancelWait();
        CloseLevelsAfter(level);
        waitLevel_ = &level;
        waitIndex_ = index;
        if (services_.WaitTimer)
            services_.WaitTimer->Start(kSubmenuDelayMs);
        return;
    }
    // A click opens at once, after the parent item's own command; that handler may close the
    // menu or free the item.
    TComponentRef<TMenuItem> ref(mi);
    RunCommand(mi);
    if (!ref || !IsOpen(level) || index >= level.Count()
        || level.Item(index).MenuItem.get() != ref.get())
        return;
    CancelWait();
    CloseLevelsAfter(level);
    level.Item(index).Down = true;
    level.RedrawItem(index);
    if (!OpenLevel(level.ScreenRect(index), ref, nullptr, false, true, 0)) {
        level.Item(index).Down = false;
        level.RedrawItem(index);
    }
}

void TspSkinMenu::WaitTimerTick()
{
    TBusy busy(this);
    if (services_.WaitTimer)
        services_.WaitTimer->Stop();
    const TspPopupLevel* level = waitLevel_;
    const int index = waitIndex_;
    waitLevel_ = nullptr;
    waitIndex_ = -1;
    const int at = level ? LevelOf(*level) : LevelCount();
    if (at < LevelCount())
        ItemAction(Level(at), index, false, true);
}

// --- keyboard -------------------------------------------------------------------------------
void TspSkinMenu::PopupKeyDown(uint16_t key, wchar_t ch)
{
    TBusy busy(this);
    if (levels_.empty())
        return;
    TspPopupLevel& level = *levels_.back();
    if (ch != 0) {
        for (int i = 0; i < level.Count(); ++i) {
            const TMenuItem* mi = level.Item(i).MenuItem;
            if (!mi || !IsAccel(ch, mi->Caption))
                continue;
            const int old = level.ActiveItem();
            level.EnsureVisible(i);
            level.ItemMouseEnter(i, false);
            if (!IsOpen(level))
                return;
            level.SetActiveItem(i);
            if (old >= 0 && old != i)
                level.ItemMouseLeave(old);
            level.ItemMouseDown(i);
            return;
        }
    }
    const int active = level.ActiveItem();
    switch (key) {
    case kVkReturn:
        if (active >= 0)
            level.ItemMouseDown(active);
        break;
    case kVkEscape:
    case kVkLeft:
        if (LevelCount() >= 2) {
            TspPopupLevel& parent = Level(LevelCount() - 2);
            if (parent.ActiveItem() >= 0) {
                parent.Item(parent.ActiveItem()).Down = false;
                parent.RedrawItem(parent.ActiveItem());
            }
            CloseLevels(LevelCount() - 1);
        } else if (key == kVkEscape) {
            CloseLevels(0);
        }
        break;
    case kVkUp:
        level.PrevItem();
        break;
    case kVkDown:
        level.NextItem();
        break;
    case kVkRight:
        if (active >= 0 && level.Item(active).HasChildren())
            level.ItemMouseDown(active);
        break;
    default:
        break;
    }
}

} // namespace vt
