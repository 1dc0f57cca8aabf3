// The caption extras' data: quick-button groups, Assign, the repaint requests of every property
// (none while loading), the current tab's setter and the description binding.
#include "form/caption_items.h"
#include "framework/base/form_loader.h"
#include "framework/base/form_reader.h"
#include "raster/png_list.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

// The engine's stand-in: owns the extras and passes the description through to them.
class TExtrasOwner : public TComponent {
    VT_CLASS_NAME(TExtrasOwner)
public:
    explicit TExtrasOwner(TComponent* owner) : TComponent(owner), Extras(this)
    {
        Extras.OnRepaint = [this] { ++Repaints; };
        Extras.OnCaptionTabChange = [this](TObject* sender) {
            EXPECT_EQ(sender, this);
            Changes.push_back(Extras.CaptionTabIndex());
            if (Nested >= 0) {
                const int n = Nested;
                Nested = -1;
                Extras.SetCaptionTabIndex(n);
            }
        };
    }
    bool SetProperty(const String& name, const TPropValue& value) override
    {
        return Extras.SetProperty(name, value) || TComponent::SetProperty(name, value);
    }
    bool SetReference(const String& name, TComponent* value) override
    {
        return Extras.SetReference(name, value) || TComponent::SetReference(name, value);
    }
    TCollection* GetCollectionProperty(const String& name) override { return Extras.GetCollectionProperty(name); }
    void Loaded() override
    {
        TComponent::Loaded();
        Extras.Loaded();
    }

    TspCaptionExtras Extras;
    int Repaints = 0;
    std::vector<int> Changes;
    int Nested = -1;  // a tab index the change handler sets once
};

std::string Downs(const TspQuickButtonItems& items)
{
    std::string s;
    for (int i = 0; i < items.Count(); ++i)
        s += items.Items(i)->Down() ? '1' : '0';
    return s;
}

// Tests that going down releases the other items of the group only, and that an item going up
// releases nobody, so a radio group never loses its down item to another item's release.
TEST(QuickButtonItems, DownReleasesTheRestOfItsGroupOnly)
{
    TExtrasOwner owner(nullptr);
    TspQuickButtonItems& items = owner.Extras.QuickButtons;
    for (int group : {1, 1, 2, 1})
        items.Add()->SetGroupIndex(group);
    items.Items(0)->SetDown(true);
    items.Items(2)->SetDown(true);
    EXPECT_EQ(Downs(items), "1010");
    items.Items(3)->SetDown(true);
    EXPECT_EQ(Downs(items), "0011");
    items.Items(1)->SetDown(false);
    EXPECT_EQ(Downs(items), "0011");
    items.Items(3)->SetDown(false);
    EXPECT_EQ(Downs(items), "0010");
}

// Tests that Assign copies every published value, the caption included, but not the state or the
// handler, for quick buttons and tabs.
TEST(QuickButtonItems, AssignCopiesPublishedValuesWithCaption)
{
    TExtrasOwner owner(nullptr);
    TPopupMenu* menu = new TPopupMenu(&owner);
    TspQuickButtonItem& from = *owner.Extras.QuickButtons.Add();
    from.SetImageIndex(2);
    from.SetHint(L"hint");
    from.SetEnabled(false);
    from.SetVisible(false);
    from.SetPopupMenu(menu);
    from.SetCaption(L"Negocio");
    from.SetPosition(spqbpRight);
    from.SetGroupIndex(3);
    from.SetAllowAllUp(true);
    from.SetDown(true);
    from.OnClick = [](TObject*) {};
    TspQuickButtonItem& to = *owner.Extras.QuickButtons.Add();
    to.Assign(&from);
    EXPECT_EQ(to.ImageIndex(), 2);
    EXPECT_EQ(to.Hint(), L"hint");
    EXPECT_FALSE(to.Enabled());
    EXPECT_FALSE(to.Visible());
    EXPECT_EQ(to.PopupMenu(), menu);
    EXPECT_EQ(to.Caption(), L"Negocio");
    EXPECT_EQ(to.Position(), spqbpRight);
    EXPECT_EQ(to.GroupIndex(), 3);
    EXPECT_TRUE(to.AllowAllUp());
    EXPECT_FALSE(to.Down());
    EXPECT_FALSE(to.OnClick.Assigned());

    TspCaptionTab& tab = *owner.Extras.CaptionTabs.Add();
    tab.SetImageIndex(1);
    tab.SetCaption(L"Belvani&os");
    tab.SetVisible(false);
    TspCaptionTab& copy = *owner.Extras.CaptionTabs.Add();
    copy.Assign(&tab);
    EXPECT_EQ(copy.ImageIndex(), 1);
    EXPECT_EQ(copy.Caption(), L"Belvani&os");
    EXPECT_FALSE(copy.Visible());

    delete menu;
    EXPECT_EQ(to.PopupMenu(), nullptr);  // a freed menu is not referenced
}

// Tests which changes ask for a repaint: every real change of an item; the menu button's width,
// caption and spacing only while it shows, its image list only with an image index, the tab
// position only with tabs; nothing for an unchanged value or while the owner loads.
TEST(CaptionExtras, RepaintsForRealChangesOutsideLoading)
{
    TExtrasOwner owner(nullptr);
    TspCaptionExtras& e = owner.Extras;
    auto* list = new TspPngImageList(&owner);
    struct Case {
        const char* Name;
        std::function<void()> Change;
        int Repaints;
    };
    const Case cases[] = {
        {"hidden button's width", [&] { e.SetMenuButtonWidth(90); }, 0},
        {"hidden button's caption", [&] { e.SetMenuButtonCaption(L"E&mlor"); }, 0},
        {"image list without an index", [&] { e.SetMenuButtonImageList(list); }, 0},
        {"tab position without tabs", [&] { e.SetCaptionTabPos(sptpCenter); }, 0},
        {"button shown", [&] { e.SetMenuButtonVisible(true); }, 1},
        {"same again", [&] { e.SetMenuButtonVisible(true); }, 0},
        {"shown button's width", [&] { e.SetMenuButtonWidth(91); }, 1},
        {"image index", [&] { e.SetMenuButtonImageIndex(5); }, 1},
        {"image list with an index", [&] { e.SetMenuButtonImageList(nullptr); }, 1},
        {"a tab added", [&] { e.CaptionTabs.Add(); }, 1},
        {"tab position with tabs", [&] { e.SetCaptionTabPos(sptpRight); }, 1},
        {"tab caption", [&] { e.CaptionTabs.Items(0)->SetCaption(L"x"); }, 1},
        {"same tab caption", [&] { e.CaptionTabs.Items(0)->SetCaption(L"x"); }, 0},
        {"a quick button added", [&] { e.QuickButtons.Add(); }, 1},
        {"quick image list", [&] { e.SetQuickImageList(list); }, 1},
        {"quick button down", [&] { e.QuickButtons.Items(0)->SetDown(true); }, 1},
        {"quick button down by the mouse", [&] { e.QuickButtons.Items(0)->ChangeDown(false); }, 0},
        {"quick button caption", [&] { e.QuickButtons.Items(0)->SetCaption(L"y"); }, 1},
        {"quick button enabled unchanged", [&] { e.QuickButtons.Items(0)->SetEnabled(true); }, 0},
    };
    for (const Case& c : cases) {
        owner.Repaints = 0;
        c.Change();
        EXPECT_EQ(owner.Repaints, c.Repaints) << c.Name;
    }
    owner.BeginLoading();
    owner.Repaints = 0;
    e.SetMenuButtonWidth(50);
    e.QuickButtons.Items(0)->SetHint(L"z");
    e.CaptionTabs.Add();
    EXPECT_EQ(owner.Repaints, 0);
}

// Tests the current tab's setter with three tabs: negatives are ignored, the value is clamped
// before it is compared, and only a real change repaints and raises the event, once.
TEST(CaptionExtras, CaptionTabIndexClampsFirstAndRaisesOnlyOnChange)
{
    struct Case {
        int From, Set;
        int Expected;
        bool Raised;
    };
    const Case cases[] = {
        {0, 1, 1, true},  {0, 0, 0, false}, {2, 5, 2, false}, {1, 5, 2, true},
        {1, -1, 1, false}, {2, 0, 0, true},
    };
    for (const Case& c : cases) {
        TExtrasOwner owner(nullptr);
        for (int i = 0; i < 3; ++i)
            owner.Extras.CaptionTabs.Add();
        owner.Extras.SetCaptionTabIndex(c.From);
        owner.Changes.clear();
        owner.Repaints = 0;
        owner.Extras.SetCaptionTabIndex(c.Set);
        EXPECT_EQ(owner.Extras.CaptionTabIndex(), c.Expected) << c.From << " -> " << c.Set;
        const std::vector<int> raised = c.Raised ? std::vector<int>{c.Expected} : std::vector<int>{};
        EXPECT_EQ(owner.Changes, raised) << c.From << " -> " << c.Set;
        EXPECT_EQ(owner.Repaints, c.Raised ? 1 : 0) << c.From << " -> " << c.Set;
    }

    TExtrasOwner none(nullptr);
    none.Extras.SetCaptionTabIndex(3);
    EXPECT_EQ(none.Extras.CaptionTabIndex(), 0);
    EXPECT_TRUE(none.Changes.empty());
}

// Tests that a handler setting another tab stores and repaints it without a second event.
TEST(CaptionExtras, NestedSetDuringTheChangeRaisesNoSecondEvent)
{
    TExtrasOwner owner(nullptr);
    for (int i = 0; i < 3; ++i)
        owner.Extras.CaptionTabs.Add();
    owner.Nested = 2;
    owner.Repaints = 0;
    owner.Extras.SetCaptionTabIndex(1);
    EXPECT_EQ(owner.Changes, std::vector<int>{1});
    EXPECT_EQ(owner.Extras.CaptionTabIndex(), 2);
    EXPECT_EQ(owner.Repaints, 2);
    EXPECT_FALSE(owner.Extras.TabChanging());
}

// Tests the tabs' accelerators: Alt and a tab's letter finds the first visible such tab; the
// letter alone or a hidden tab finds nothing.
TEST(CaptionExtras, TabAcceleratorsNeedAltAndAVisibleTab)
{
    TExtrasOwner owner(nullptr);
    for (const wchar_t* caption : {L"F&restol", L"Belvani&os", L"Belvani&as", L"&Otro"})
        owner.Extras.CaptionTabs.Add()->SetCaption(caption);
    const TspCaptionExtras& e = owner.Extras;
    EXPECT_EQ(e.CaptionTabForShortCut(scAlt | 'R'), 0);
    EXPECT_EQ(e.CaptionTabForShortCut(scAlt | 'O'), 1);
    EXPECT_EQ(e.CaptionTabForShortCut(scAlt | 'A'), 2);
    EXPECT_EQ(e.CaptionTabForShortCut('R'), -1);
    EXPECT_EQ(e.CaptionTabForShortCut(scAlt | 'B'), -1);
    owner.Extras.CaptionTabs.Items(1)->SetVisible(false);
    EXPECT_EQ(e.CaptionTabForShortCut(scAlt | 'O'), 3);
}

const char* kDescription = R"(object Owner: TExtrasOwner
  MenuButtonVisible = True
  MenuButtonCaption = 'E&mlor'
  MenuButtonWidth = 90
  MenuButtonImageList = Images
  MenuButtonImageIndex = 5
  MenuButtonSpacing = 10
  MenuButtonMargin = 10
  MenuButtonPopupMenu = Menu1
  QuickImageList = Images
  QuickButtons = <
    item
      ImageIndex = 6
      Position = spqbpRight
      OnClick = About
    end
    item
      Caption = 'Negocio'
      ImageIndex = 2
      PopupMenu = Menu2
      Position = spqbpRight
    end
    item
      GroupIndex = 1
      ImageIndex = 7
    end
    item
      Down = True
      GroupIndex = 1
      ImageIndex = 8
    end
    item
      AllowAllUp = True
      GroupIndex = 2
      ImageIndex = 9
    end>
  CaptionTabs = <
    item
      Caption = 'F&restol'
      ImageIndex = 0
    end
    item
      Caption = 'Belvani&os'
      ImageIndex = 1
    end>
  CaptionTabsImageList = Images
  CaptionTabIndex = 7
  CaptionTabPos = sptpRight
  object Images: TspPngImageList
  end
  object Menu1: TPopupMenu
  end
  object Menu2: TPopupMenu
  end
end
)";

class TDescribedOwner : public TExtrasOwner {
    VT_CLASS_NAME(TDescribedOwner)
public:
    using TExtrasOwner::TExtrasOwner;
    std::any MethodAddress(const String& name) const override
    {
        return name == L"About" ? std::any(TNotifyEvent([](TObject*) {})) : std::any();
    }
};

// Tests a description with the application's caption extras: values, items, references and the
// tab index clamped after loading, without a repaint or an event while loading.
TEST(CaptionExtras, LoadsTheApplicationsDescription)
{
    RegisterComponentClass<TspPngImageList>();
    RegisterComponentClass<TPopupMenu>();
    TDescribedOwner owner(nullptr);
    LoadComponentTree(owner, ParseFormDescription(kDescription));
    const TspCaptionExtras& e = owner.Extras;
    EXPECT_TRUE(e.MenuButtonVisible());
    EXPECT_EQ(e.MenuButtonCaption(), L"E&mlor");
    EXPECT_EQ(e.MenuButtonWidth(), 90);
    EXPECT_EQ(e.MenuButtonImageIndex(), 5);
    EXPECT_EQ(e.MenuButtonSpacing(), 10);
    EXPECT_EQ(e.MenuButtonMargin(), 10);
    EXPECT_EQ(e.MenuButtonImageList(), owner.FindComponent(L"Images"));
    EXPECT_EQ(e.QuickImageList(), owner.FindComponent(L"Images"));
    EXPECT_EQ(e.CaptionTabsImageList(), owner.FindComponent(L"Images"));
    EXPECT_EQ(e.MenuButtonPopupMenu(), owner.FindComponent(L"Menu1"));
    ASSERT_EQ(e.QuickButtons.Count(), 5);
    EXPECT_EQ(e.QuickButtons.Items(1)->PopupMenu(), owner.FindComponent(L"Menu2"));
    EXPECT_EQ(e.QuickButtons.Items(1)->Caption(), L"Negocio");
    EXPECT_EQ(e.QuickButtons.Items(1)->Position(), spqbpRight);
    EXPECT_TRUE(e.QuickButtons.Items(0)->OnClick.Assigned());
    EXPECT_EQ(Downs(e.QuickButtons), "00010");
    EXPECT_TRUE(e.QuickButtons.Items(4)->AllowAllUp());
    ASSERT_EQ(e.CaptionTabs.Count(), 2);
    EXPECT_EQ(e.CaptionTabs.Items(1)->Caption(), L"Belvani&os");
    EXPECT_EQ(e.CaptionTabPos(), sptpRight);
    EXPECT_EQ(e.CaptionTabIndex(), 1);
    EXPECT_EQ(owner.Repaints, 0);
    EXPECT_TRUE(owner.Changes.empty());
}

// Tests that bad description values fail with the property named: an unknown position word, a
// reference to a component of the wrong kind.
TEST(CaptionExtras, RejectsBadDescriptionValues)
{
    RegisterComponentClass<TspPngImageList>();
    RegisterComponentClass<TPopupMenu>();
    const struct {
        const char* Text;
        const wchar_t* Property;
    } cases[] = {
        {"object O: TExtrasOwner\n QuickButtons = <\n item\n Position = spqbpMiddle\n end>\nend\n", L"Position"},
        {"object O: TExtrasOwner\n CaptionTabPos = sptpTop\nend\n", L"CaptionTabPos"},
        {"object O: TExtrasOwner\n QuickImageList = M\n object M: TPopupMenu\n end\nend\n", L"QuickImageList"},
        {"object O: TExtrasOwner\n QuickButtons = <\n item\n PopupMenu = I\n end>\n object I: TspPngImageList\n "
         "end\nend\n",
         L"PopupMenu"},
    };
    for (const auto& c : cases) {
        TExtrasOwner owner(nullptr);
        try {
            LoadComponentTree(owner, ParseFormDescription(c.Text));
            ADD_FAILURE() << c.Text;
        } catch (const EReadError& e) {
            EXPECT_NE(e.Message().find(c.Property), String::npos) << WideToUtf8(e.Message());
        }
    }
}

} // namespace
} // namespace vt
