#include "form/system_menu.h"

#include <memory>

#include "skin/resource_strings.h"

namespace vt {

namespace {

enum class TSysItem : uint8_t { Minimize, Maximize, Restore, RollUp, MinimizeToTray, Close };

struct TSysItemText {
    const wchar_t* Name;  // how a later rebuild finds the items it added
    const wchar_t* ResName;
};

// In TSysItem order.
constexpr TSysItemText kItems[] = {
    {L"DSF_MINITEM", L"MI_MINCAPTION"},
    {L"DSF_MAXITEM", L"MI_MAXCAPTION"},
    {L"DSF_RESTORE", L"MI_RESTORECAPTION"},
    {L"DSF_ROLLUP", L"MI_ROLLUPCAPTION"},
    {L"DSF_MINTOTRAY", L"MI_MINTOTRAYCAPTION"},
    {L"DSF_CLOSE", L"MI_CLOSECAPTION"},
};

const TSysItemText& TextOf(TSysItem item) { return kItems[static_cast<size_t>(item)]; }

bool Applies(TSysItem item, const TspSysMenuFacts& f)
{
    const bool minimized = f.WindowState == TspWindowState::Minimized;
    const bool maximized = f.WindowState == TspWindowState::Maximized;
    switch (item) {
    case TSysItem::Minimize:
        return f.BorderIcons.Minimize && !minimized;
    case TSysItem::Maximize:
        return f.BorderIcons.Maximize && !maximized;
    case TSysItem::Restore:
        // No border icon of its own: every state there is a way back from offers it.
        return f.WindowState != TspWindowState::Normal || f.RollUpState;
    case TSysItem::RollUp:
        return f.BorderIcons.RollUp && !f.RollUpState && !minimized && !(f.MDIChild && maximized);
    case TSysItem::MinimizeToTray:
        return f.BorderIcons.MinimizeToTray;
    case TSysItem::Close:
        return true;
    }
    return false;
}

TspSysCommand CommandOf(TSysItem item, const TspSysMenuFacts& f)
{
    switch (item) {
    case TSysItem::Minimize:
        return f.AlwaysMinimizeToTray ? TspSysCommand::MinimizeToTray : TspSysCommand::Minimize;
    case TSysItem::Maximize:
        return TspSysCommand::Maximize;
    case TSysItem::Restore: {
        // A window rolled up in the state it is in unrolls first; one rolled up before it was
        // maximized restores (and stays rolled up).
        const bool rolledUpHere = f.MaxRollUpState
            || (f.WindowState == TspWindowState::Normal && f.RollUpState);
        return rolledUpHere ? TspSysCommand::RollDown : TspSysCommand::Restore;
    }
    case TSysItem::RollUp:
        return TspSysCommand::RollUp;
    case TSysItem::MinimizeToTray:
        return TspSysCommand::MinimizeToTray;
    case TSysItem::Close:
        return TspSysCommand::Close;
    }
    return TspSysCommand::Close;
}

// Items have no owner: the menu's tree frees them.
void InsertItem(TMenuItem& parent, int index, std::unique_ptr<TMenuItem> item)
{
    parent.Insert(index, item.get());
    item.release();
}

void InsertCommand(TMenuItem& parent, int index, TSysItem which, const TspSysMenuFacts& f,
                   const TspSysCommandHandler& run)
{
    const TSysItemText& text = TextOf(which);
    auto item = std::make_unique<TMenuItem>(nullptr);
    item->SetName(text.Name);
    item->Caption = SkinResStrOrDefault(f.SkinData, text.ResName);
    if (which == TSysItem::Close)
        item->ShortCut = TextToShortCut(f.MDIChild ? L"Ctrl+F4" : L"Alt+F4");
    if (run)
        item->OnClick = [run, command = CommandOf(which, f)](TObject*) { run(command); };
    InsertItem(parent, index, std::move(item));
}

bool IsCommandName(const String& name)
{
    for (const TSysItemText& text : kItems)
        if (name == text.Name)
            return true;
    return false;
}

// Frees the commands a merge added to the user's menu.
void RemoveMergedItems(TMenuItem& root)
{
    for (int i = root.Count() - 1; i >= 0; --i)
        if (IsCommandName(root.Items(i)->Name()))
            delete root.Items(i);
}

} // namespace

void BuildDefaultSystemMenu(TPopupMenu& menu, const TspSysMenuFacts& f,
                            const TspSysCommandHandler& run)
{
    TMenuItem& root = *menu.Items();
    root.Clear();
    for (TSysItem item : {TSysItem::Minimize, TSysItem::Maximize, TSysItem::Restore,
                          TSysItem::RollUp, TSysItem::MinimizeToTray})
        if (Applies(item, f))
            InsertCommand(root, root.Count(), item, f, run);
    if (root.Count() > 0) {
        auto separator = std::make_unique<TMenuItem>(nullptr);
        separator->Caption = L"-";
        InsertItem(root, root.Count(), std::move(separator));
    }
    InsertCommand(root, root.Count(), TSysItem::Close, f, run);
}

void MergeSystemMenu(TPopupMenu& userMenu, const TspSysMenuFacts& f,
                     const TspSysCommandHandler& run)
{
    TMenuItem& root = *userMenu.Items();
    RemoveMergedItems(root);
    int at = 0;
    for (TSysItem item : {TSysItem::Minimize, TSysItem::Restore, TSysItem::Maximize,
                          TSysItem::RollUp, TSysItem::MinimizeToTray})
        if (Applies(item, f))
            InsertCommand(root, at++, item, f, run);
    InsertCommand(root, root.Count(), TSysItem::Close, f, run);
}

TPopupMenu* PrepareSystemMenu(TPopupMenu& defaultMenu, const TspSysMenuFacts& f,
                              const TspSysCommandHandler& run)
{
    if (f.SystemMenu) {
        if (f.UseDefaultSysMenu)
            MergeSystemMenu(*f.SystemMenu, f, run);
        else
            RemoveMergedItems(*f.SystemMenu->Items());  // merged while the setting was on
        return f.SystemMenu;
    }
    if (!f.UseDefaultSysMenu)
        return nullptr;
    BuildDefaultSystemMenu(defaultMenu, f, run);
    return &defaultMenu;
}

} // namespace vt
