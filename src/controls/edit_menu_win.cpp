#include "controls/edit_menu_win.h"

#include "controls/memo_model.h"
#include "menus/skin_menu.h"
#include "menus/skin_menu_host.h"
#include "skin/resource_strings.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

void Run(TCustomEdit& edit, TEditMenuAction action)
{
    switch (action) {
    case TEditMenuAction::Undo:
        edit.Undo();
        break;
    case TEditMenuAction::Cut:
        edit.CutToClipboard();
        break;
    case TEditMenuAction::Copy:
        edit.CopyToClipboard();
        break;
    case TEditMenuAction::Paste:
        edit.PasteFromClipboard();
        break;
    case TEditMenuAction::Delete:
        edit.ClearSelection();
        break;
    case TEditMenuAction::SelectAll:
        edit.SelectAll();
        break;
    case TEditMenuAction::Separator:
        break;
    }
}

} // namespace

TEditMenuSlot::TEditMenuSlot() = default;

TEditMenuSlot::~TEditMenuSlot() { Free(); }

void TEditMenuSlot::Free()
{
    TspSkinPopupMenu* menu = menu_.get();
    menu_ = nullptr;
    delete menu;
}

bool TEditMenuSlot::Popup(TWinControl& owner, TCustomEdit& edit, TspSkinData* skinData, TPoint request)
{
    Free();
    auto* menu = new TspSkinPopupMenu(&owner);
    menu_ = menu;
    // The control's form, also when the control sits inside another control.
    menu->SetComponentForm(GetParentForm(&owner));
    ISkinMenuHost* host = menu->FindHost();
    TspSkinData* skin = skinData;
    if (!skin && host)
        skin = host->MenusSkinData() ? host->MenusSkinData() : host->SkinData();
    if (!host || !host->SkinMenu() || !skin || skin->Empty) {
        Free();
        return false;
    }
    menu->SetSkinData(skin);

    TEditMenuState state;
    state.ReadOnly = edit.ReadOnly();
    state.CanUndo = edit.CanUndo();
    state.ClipboardHasText = ClipboardHasText();
    state.SelLength = edit.SelLength();
    state.TextLength = static_cast<int32_t>(edit.Text().size());
    TComponentRef<TCustomEdit> target(&edit);
    for (const TEditMenuItem& entry : EditMenuItems(state)) {
        auto* item = new TMenuItem(menu);
        item->Caption = entry.CaptionKey ? SkinResStr(skin, entry.CaptionKey) : String();
        if (item->Caption.empty())
            item->Caption = entry.Literal;
        item->Enabled = entry.Enabled;
        if (const TEditMenuAction action = entry.Action; action != TEditMenuAction::Separator)
            item->OnClick = [target, action](TObject*) {
                if (target)
                    Run(*target, action);
            };
        menu->Items()->Add(item);
    }

    const TPoint topLeft = owner.ClientToScreen({0, 0});
    const TPoint at = EditMenuPoint(
        request, Rect(topLeft.X, topLeft.Y, topLeft.X + owner.Width(), topLeft.Y + owner.Height()));
    TComponentRef<TspSkinPopupMenu> self(menu);
    menu->Popup2(&owner, at.X, at.Y);
    if (self && host->SkinMenu()->Visible())
        return true;
    Free();
    return false;
}

} // namespace vt
