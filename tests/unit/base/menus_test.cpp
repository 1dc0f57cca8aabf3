#include "framework/base/form_loader.h"
#include "framework/base/form_reader.h"
#include "framework/base/menus.h"

#include <gtest/gtest.h>

#include <map>

namespace vt {
namespace {

// Tests that shortcut values and their texts convert both ways, modifiers in Shift, Ctrl, Alt
// order, and that texts naming no key give 0.
TEST(ShortCut, ConvertsValuesAndTextBothWays)
{
    struct Case {
        TShortCut Value;
        const wchar_t* Text;
    };
    const Case cases[] = {
        {16467, L"Ctrl+S"},          {32883, L"Alt+F4"},          {16499, L"Ctrl+F4"},
        {scShift | scCtrl | 'Z', L"Shift+Ctrl+Z"}, {scAlt | 0x0D, L"Alt+Enter"},
        {0x2E, L"Del"},              {'7', L"7"},                 {0x87, L"F24"},
        {scCtrl | 0x6D, L"Ctrl+Num -"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ShortCutToText(c.Value), c.Text) << c.Value;
        EXPECT_EQ(TextToShortCut(c.Text), c.Value) << WideToUtf8(c.Text);
    }
    EXPECT_EQ(TextToShortCut(L"ctrl+s"), 16467);
    EXPECT_EQ(TextToShortCut(L"Alt+Ctrl+X"), scAlt | scCtrl | 'X');
    for (const wchar_t* bad : {L"", L"Ctrl+", L"Ctrl+Foo", L"F0", L"F25", L"F+1", L"S+Ctrl"})
        EXPECT_EQ(TextToShortCut(bad), scNone) << WideToUtf8(bad);
    EXPECT_EQ(ShortCutToText(0), L"");
    EXPECT_EQ(ShortCutToText(scCtrl | 0xFF), L"");
}

// Tests that accelerators compare the character a key types: F3, numpad minus and numpad slash
// share their codes with "r", "m" and "o" but must not trigger those accelerators.
TEST(Accelerator, ComparesCharactersNotKeyCodes)
{
    EXPECT_TRUE(IsAccelKey('R', L"F&restol"));
    EXPECT_FALSE(IsAccelKey(0x72 /*F3*/, L"F&restol"));
    EXPECT_FALSE(IsAccelKey(0x6D /*numpad -*/, L"E&mlor"));
    EXPECT_FALSE(IsAccelKey(0x6F /*numpad /*/, L"Belvani&os"));
    EXPECT_TRUE(IsAccelKey(0x61 /*numpad 1*/, L"Item &1"));
    EXPECT_TRUE(IsAccelKey(0x6D, L"Zoom &-"));
    EXPECT_FALSE(IsAccelKey('S', L"Select skin..."));
    EXPECT_FALSE(IsAccelKey('B', L"Fish && &Chips"));
    EXPECT_TRUE(IsAccelKey('C', L"Fish && &Chips"));
    EXPECT_EQ(StripHotkey(L"Fish && &Chips"), L"Fish & Chips");
    EXPECT_EQ(StripHotkey(L"End&"), L"End");
}

TMenuItem* AddItem(TMenuItem* parent, const wchar_t* caption, TShortCut sc = 0)
{
    auto* item = new TMenuItem(nullptr);
    item->Caption = caption;
    item->ShortCut = sc;
    parent->Add(item);
    return item;
}

// Tests the item tree's ownership: a freed item leaves its parent's list and clears weak
// references; a freed parent frees its children; an item cannot become its own descendant.
TEST(MenuItem, TreeKeepsParentsAndListsConsistent)
{
    TPopupMenu menu(nullptr);
    TMenuItem* file = AddItem(menu.Items(), L"File");
    TMenuItem* open = AddItem(file, L"Open");
    TMenuItem* save = AddItem(file, L"Save");
    EXPECT_EQ(open->Parent(), file);
    EXPECT_EQ(save->GetParentMenu(), &menu);
    EXPECT_EQ(save->MenuIndex(), 1);

    TComponentRef<TMenuItem> weakOpen = open;
    delete open;
    EXPECT_EQ(weakOpen.get(), nullptr);
    ASSERT_EQ(file->Count(), 1);
    EXPECT_EQ(file->Items(0), save);

    EXPECT_THROW(save->Add(file), EMenuError);
    EXPECT_THROW(file->Items(5), EListError);

    TComponentRef<TMenuItem> weakSave = save;
    delete file;
    EXPECT_EQ(weakSave.get(), nullptr);
    EXPECT_EQ(menu.Items()->Count(), 0);
}

// Tests that shortcuts are found over enabled, visible items only (a disabled parent hides its
// children) and that a command is looked up again, so a freed item is not run.
TEST(Menu, ShortCutsAndCommandsReachOnlyLiveEnabledItems)
{
    TPopupMenu menu(nullptr);
    int clicks = 0;
    TMenuItem* sub = AddItem(menu.Items(), L"Sub");
    TMenuItem* inner = AddItem(sub, L"Inner", scCtrl | 'I');
    inner->OnClick = [&](TObject*) { ++clicks; };
    TMenuItem* off = AddItem(menu.Items(), L"Off", scCtrl | 'O');
    off->Enabled = false;
    off->OnClick = [&](TObject*) { ++clicks; };

    EXPECT_TRUE(menu.IsShortCut(scCtrl | 'I'));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(menu.IsShortCut(scCtrl | 'O'));
    sub->Enabled = false;
    EXPECT_FALSE(menu.IsShortCut(scCtrl | 'I'));
    sub->Enabled = true;
    sub->Visible = false;
    EXPECT_EQ(menu.FindItemByShortCut(scCtrl | 'I'), nullptr);
    EXPECT_EQ(clicks, 1);

    const uint32_t command = inner->Command();
    EXPECT_NE(command, sub->Command());
    EXPECT_TRUE(menu.DispatchCommand(command));
    EXPECT_EQ(clicks, 2);
    delete inner;
    EXPECT_FALSE(menu.DispatchCommand(command));
    EXPECT_EQ(clicks, 2);
}

class TMenuRoot : public TComponent {
    VT_CLASS_NAME(TMenuRoot)
public:
    using TComponent::TComponent;
    std::map<std::wstring, std::any> Methods;
    std::any MethodAddress(const String& name) const override
    {
        auto it = Methods.find(name);
        return it == Methods.end() ? std::any() : it->second;
    }
};

// Tests that a description nests items as objects in their menu and parent items, with the
// shortcut as a number or text and OnClick bound by handler name; a stray item is an error.
TEST(Menu, LoadsNestedItemsFromDescription)
{
    RegisterMenuClasses();
    TMenuRoot root(nullptr);
    TComponent* clicked = nullptr;
    root.Methods[L"NewClick"] = TNotifyEvent([&](TObject* s) { clicked = dynamic_cast<TComponent*>(s); });
    LoadComponentTree(root, ParseFormDescription(R"(
object Root: TMenuRoot
  object Menu1: TPopupMenu
    object N121: TMenuItem
      Caption = '-File-'
      Enabled = False
    end
    object New: TMenuItem
      Caption = 'Select skin...'
      ShortCut = 16467
      OnClick = NewClick
    end
    object Sub: TMenuItem
      Caption = 'More'
      object Deep: TMenuItem
        Caption = 'Quit'
        ShortCut = 'Alt+F4'
        GroupIndex = 2
      end
    end
  end
end
)"));
    auto* menu = dynamic_cast<TPopupMenu*>(root.FindComponent(L"Menu1"));
    ASSERT_NE(menu, nullptr);
    ASSERT_EQ(menu->Items()->Count(), 3);
    EXPECT_FALSE(menu->Items()->Items(0)->Enabled);
    TMenuItem* deep = menu->Items()->Items(2)->Items(0);
    EXPECT_EQ(deep->Name(), L"Deep");
    EXPECT_EQ(deep->ShortCut, 32883);
    EXPECT_EQ(deep->GroupIndex, 2);
    EXPECT_TRUE(menu->IsShortCut(16467));
    EXPECT_EQ(clicked, root.FindComponent(L"New"));

    for (const char* bad : {"object R: TMenuRoot\n object X: TMenuItem\n end\nend\n",
                            "object R: TMenuRoot\n object M: TPopupMenu\n object X: TMenuItem\n"
                            "  ShortCut = 'Ctrl+Nope'\n end\n end\nend\n",
                            "object R: TMenuRoot\n object M: TPopupMenu\n object X: TMenuItem\n"
                            "  ShortCut = 70000\n end\n end\nend\n"}) {
        TMenuRoot r(nullptr);
        EXPECT_THROW(LoadComponentTree(r, ParseFormDescription(bad)), Exception) << bad;
    }
}

} // namespace
} // namespace vt
