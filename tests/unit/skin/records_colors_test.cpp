// Skin colours, resource strings and the switching rules of the system colour redirection.
#include "framework/base/form_loader.h"
#include "skin/resource_strings.h"
#include "skin/skin_classes.h"
#include "skin/skin_data.h"
#include "skin/system_colors.h"
#include "support.h"

#include <gtest/gtest.h>

#include <set>

namespace vt::test {
namespace {

const std::wstring kColors =
    L"[SKINCOLORS]\r\ncbtnface=15132390\r\ncbtntext=1\r\ncwindow=16777215\r\n"
    L"cwindowtext=2\r\nchighlight=14009784\r\nchighlighttext=3\r\n"
    L"cbtnhighlight=16448249\r\ncbtnshadow=12500670\r\nc3dlight=4\r\nc3ddkshadow=5\r\n";

// A folder skin with nothing but the required sections and the given extra text.
class TColourSkin {
public:
    explicit TColourSkin(const std::string& name, std::wstring extra = kColors) : dir_(name)
    {
        TStringList lines;
        lines.SetText(
            L"[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n" +
            extra);
        lines.SaveToFile(dir_.File("skin.ini"));
    }
    std::wstring File() const { return dir_.File("skin.ini"); }

private:
    ScratchDir dir_;
};

std::unique_ptr<TspSkinData> NewContainer()
{
    auto d = std::make_unique<TspSkinData>(nullptr);
    d->BuildMode = true;
    return d;
}

// Tests the ten colours: black when new, the platform's colours after a clear, the skin's values
// after a load (black for a skin without the section), written back in order.
TEST(SkinColors, DefaultsLoadingAndSaving)
{
    TspSkinColors fresh;
    EXPECT_EQ(fresh.cBtnFace, 0);
    EXPECT_EQ(fresh.c3DDkShadow, 0);

    auto d = NewContainer();
    d->ClearSkin();
    TspSkinColors& c = *d->FSkinColors;
    const TColor defaults[] = {clBtnFace,   clBtnText,       clWindow,       clWindowText,
                               clHighlight, clHighlightText, clBtnHighlight, clBtnShadow,
                               cl3DLight,   cl3DDkShadow};
    const TColor* fields[] = {&c.cBtnFace,   &c.cBtnText,       &c.cWindow,       &c.cWindowText,
                              &c.cHighLight, &c.cHighLightText, &c.cBtnHighLight, &c.cBtnShadow,
                              &c.c3DLight,   &c.c3DDkShadow};
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(*fields[i], defaults[i]) << i;
    EXPECT_EQ(c.cHighLight, static_cast<TColor>(0xFF00000D));

    TColourSkin skin("colors-load");
    d->LoadFromFile(skin.File());
    EXPECT_EQ(c.cHighLight, 14009784);
    EXPECT_EQ(c.cBtnShadow, 12500670);
    EXPECT_EQ(c.c3DDkShadow, 5);
    TMemIniFile out;
    d->SaveToCustomIniFile(out);
    TStringList keys;
    out.ReadSection(L"SKINCOLORS", keys);
    EXPECT_EQ(keys.Text(),
              L"cbtnface\r\ncbtntext\r\ncwindow\r\ncwindowtext\r\nchighlight\r\nchighlighttext\r\n"
              L"cbtnhighlight\r\ncbtnshadow\r\nc3dlight\r\nc3ddkshadow\r\n");
    EXPECT_EQ(out.ReadString(L"SKINCOLORS", L"chighlight", L""), L"14009784");

    TColourSkin bare("colors-bare", L"");
    d->LoadFromFile(bare.File());
    for (const TColor* f : fields)
        EXPECT_EQ(*f, 0);
}

// Tests the default string table: 134 distinct names, the texts this system shows, in order.
TEST(ResourceStrings, DefaultTable)
{
    TspResourceStrData r(nullptr);
    ASSERT_EQ(r.ResStrings().Count(), 134);
    EXPECT_EQ(r.ResStrings()[0], L"MI_MINCAPTION=Mi&nimize");
    EXPECT_EQ(r.ResStrings()[22], L"MSG_PREVIEWBUTTON=Button");
    EXPECT_EQ(r.ResStrings()[133], L"DBNAV_REFRESH=Refresh data");
    std::set<std::wstring> names;
    for (const String& line : r.ResStrings()) {
        size_t eq = line.find(L'=');
        ASSERT_NE(eq, String::npos);
        EXPECT_GT(line.size(), eq + 1) << "no text";
        names.insert(UpperCase(line.substr(0, eq)));
    }
    EXPECT_EQ(names.size(), 134u);
    const std::pair<const wchar_t*, const wchar_t*> shown[] = {
        {L"MI_MAXCAPTION", L"Ma&ximize"},     {L"MI_ROLLUPCAPTION", L"Ro&llUp"},
        {L"TRAYBUTTON_HINT", L"Minimize to Tray"}, {L"ROLLUPBUTTON_HINT", L"Roll Up"},
        {L"MENUBUTTON_HINT", L"System menu"}, {L"EDIT_SELECTALL", L"Select All"},
        {L"MSG_BTN_CANCEL", L"Cancel"},       {L"MSG_PREVIEWSKIN", L"Preview"}};
    for (auto [name, text] : shown) {
        EXPECT_EQ(r.GetResStr(name), text);
        EXPECT_EQ(DefaultResStr(name), text);
    }
    EXPECT_EQ(r.CharSet(), kDefaultCharset);
}

// Tests the lookup: whole names, letter case ignored, the first line wins, the text is
// everything after the first "=", and a missing name gives the empty text.
TEST(ResourceStrings, GetResStr)
{
    TspResourceStrData r(nullptr);
    EXPECT_EQ(r.GetResStr(L"closebutton_hint"), L"Close");
    EXPECT_EQ(r.GetResStr(L"CLOSEBUTTON"), L"");
    EXPECT_EQ(r.GetResStr(L"CLOSEBUTTON_HINTS"), L"");
    EXPECT_EQ(r.GetResStr(L""), L"");
    TStringList lines{L"A=x=y", L"noequals", L"a=second", L"B="};
    r.SetResStrings(lines);
    lines.Clear();
    EXPECT_EQ(r.ResStrings().Count(), 4);
    EXPECT_EQ(r.GetResStr(L"a"), L"x=y");
    EXPECT_EQ(r.GetResStr(L"B"), L"");
    EXPECT_EQ(r.GetResStr(L"noequals"), L"");
    EXPECT_EQ(r.GetResStr(L"MI_MINCAPTION"), L"");
}

class TRecordingSink : public ISkinMessageSink, public ISkinFormRegistry {
public:
    void SendSkinMessage(uint32_t msg, TspSkinData*, intptr_t lParam) override
    {
        Messages.push_back(msg);
    }
    std::vector<TSkinFormEntry> SkinForms() override { return {{this, false}}; }
    ISkinMessageSink* FormSink(TComponent*) override { return nullptr; }
    std::vector<uint32_t> Messages;
};

// Tests that giving a container its resource strings tells the forms, that elements read their
// texts from it and from the built-in table without one (or, asking for a text never blank, when
// it lacks the name), and that the container forgets a component that goes.
TEST(ResourceStrings, ContainerBroadcastsAndForgets)
{
    TRecordingSink sink;
    TspSkinData d(nullptr);
    d.SetFormRegistry(&sink);
    auto strings = std::make_unique<TspResourceStrData>(nullptr);
    d.SetResourceStrData(strings.get());
    EXPECT_EQ(sink.Messages, std::vector<uint32_t>{SKINMSG_STRINGS_CHANGED});
    strings->SetResStrings(TStringList{L"CLOSEBUTTON_HINT=Schliessen"});
    EXPECT_EQ(SkinResStr(&d, L"CLOSEBUTTON_HINT"), L"Schliessen");
    EXPECT_EQ(SkinResStr(&d, L"MAXBUTTON_HINT"),
              L""); // the component's word counts, even when missing
    EXPECT_EQ(SkinResStrOrDefault(&d, L"MAXBUTTON_HINT"), L"Maximize");
    EXPECT_EQ(SkinResStrOrDefault(&d, L"CLOSEBUTTON_HINT"), L"Schliessen");
    strings.reset();
    EXPECT_EQ(d.ResourceStrData(), nullptr);
    EXPECT_EQ(SkinResStr(&d, L"MAXBUTTON_HINT"), L"Maximize");
    EXPECT_EQ(SkinResStr(nullptr, L"RESTORE_HINT"), L"Restore");
}

// Tests that a resource description creates a working container (its colours included) and a
// resource strings component with the described lines, and ties them together.
TEST(ResourceStrings, ComponentsFromADescription)
{
    RegisterSkinClasses();
    TComponent root(nullptr);
    LoadComponentTree(root, ParseFormDescription(R"(object Form1: TForm
  object spResourceStrData1: TspResourceStrData
    CharSet = 204
    ResStrings.Strings = (
      'CLOSEBUTTON_HINT=Zu'
      'MI_CLOSECAPTION=&Zu')
  end
  object spSkinData1: TspSkinData
    ChangeSystemColors = True
    SystemColorHooks = [spschWindow]
    ResourceStrData = spResourceStrData1
  end
end
)"));
    auto* d = root.FindComponentOf<TspSkinData>();
    auto* strings = root.FindComponentOf<TspResourceStrData>();
    ASSERT_TRUE(d && strings);
    EXPECT_TRUE(d->FSkinColors);
    EXPECT_TRUE(d->ChangeSystemColors());
    EXPECT_EQ(d->SystemColorHooks(), spschWindow);
    EXPECT_EQ(RedirectingSkinData(), nullptr);  // nothing loaded yet
    EXPECT_EQ(strings->CharSet(), 204);
    EXPECT_EQ(strings->ResStrings().Count(), 2);
    EXPECT_EQ(SkinResStr(d, L"mi_closecaption"), L"&Zu");
}

// Records the mechanism's calls instead of patching anything.
class TFakeRedirector : public ISystemColorRedirector {
public:
    TFakeRedirector() { SetSystemColorRedirector(this); }
    ~TFakeRedirector() { SetSystemColorRedirector(nullptr); }
    bool IsRedirected(TSysColorFunction fn) const override { return On[int(fn)]; }
    void Redirect(TSysColorFunction fn) override
    {
        if (!On[int(fn)])
            ++Redirects;
        On[int(fn)] = true;
    }
    void Restore(TSysColorFunction fn) override { On[int(fn)] = false; }
    bool All() const { return On[0] && On[1] && On[2]; }
    bool None() const { return !On[0] && !On[1] && !On[2]; }
    bool On[kSysColorFunctionCount] = {};
    int Redirects = 0;
};

// Tests the switching rules: only a loaded container redirects, one at a time; switching off,
// clearing and destroying release; a container that could not take over waits for its own next
// switch or load.
TEST(SystemColors, SwitchingRules)
{
    TFakeRedirector fake;
    TColourSkin skin("colors-switch");
    auto a = NewContainer();
    auto b = NewContainer();

    SwitchSystemColors(*a, true);  // empty: stored, nothing redirected
    EXPECT_TRUE(a->ChangeSystemColors());
    EXPECT_TRUE(fake.None());
    a->LoadFromFile(skin.File());  // the end of the load applies the option
    EXPECT_EQ(RedirectingSkinData(), a.get());
    EXPECT_TRUE(fake.All());

    b->LoadFromFile(skin.File());
    SwitchSystemColors(*b, true);
    EXPECT_EQ(RedirectingSkinData(), a.get());

    a.reset();  // destruction releases
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_TRUE(fake.None());
    b->LoadFromFile(skin.File());  // b takes over at its next load
    EXPECT_EQ(RedirectingSkinData(), b.get());

    SwitchSystemColors(*b, false);
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_TRUE(fake.None());
    SwitchSystemColors(*b, true);
    EXPECT_EQ(RedirectingSkinData(), b.get());
    b->ClearSkin();
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_TRUE(fake.None());
    SwitchSystemColors(*b, true);  // cleared, so empty: nothing
    EXPECT_EQ(RedirectingSkinData(), nullptr);
}

// Tests that a container switched on directly lets go when it is freed, so no redirection
// outlives the colours it answers with.
TEST(SystemColors, BareContainerLetsGoWhenFreed)
{
    TFakeRedirector fake;
    TColourSkin skin("colors-bare-container");
    auto d = std::make_unique<TspSkinData>(nullptr);
    d->BuildMode = true;
    d->LoadFromFile(skin.File());
    SwitchSystemColors(*d, true);
    ASSERT_EQ(RedirectingSkinData(), d.get());
    d.reset();
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_TRUE(fake.None());
}

// Tests that the container's option is the switch itself: on redirects a loaded container,
// off releases it, and neither touches another container's redirection.
TEST(SystemColors, OptionSwitchesTheRedirection)
{
    TFakeRedirector fake;
    TColourSkin skin("colors-option");
    auto a = NewContainer();
    auto b = NewContainer();
    a->LoadFromFile(skin.File());
    b->LoadFromFile(skin.File());
    a->SetChangeSystemColors(true);
    EXPECT_TRUE(a->ChangeSystemColors());
    EXPECT_EQ(RedirectingSkinData(), a.get());
    EXPECT_TRUE(fake.All());
    b->SetChangeSystemColors(false);
    EXPECT_EQ(RedirectingSkinData(), a.get());
    a->SetChangeSystemColors(false);
    EXPECT_FALSE(a->ChangeSystemColors());
    EXPECT_EQ(RedirectingSkinData(), nullptr);
    EXPECT_TRUE(fake.None());
}

// Tests that the end of a load brings back every function that took itself out during the load,
// not only when the colour query was among them.
TEST(SystemColors, LoadBringsBackEveryUnredirectedFunction)
{
    TFakeRedirector fake;
    TColourSkin skin("colors-reload");
    auto d = NewContainer();
    d->LoadFromFile(skin.File());
    SwitchSystemColors(*d, true);
    ASSERT_TRUE(fake.All());
    fake.Restore(TSysColorFunction::fnCreatePen);  // as a pen request during a load does
    d->LoadFromFile(skin.File());
    EXPECT_TRUE(fake.All());
    EXPECT_EQ(RedirectingSkinData(), d.get());
}

// Tests the mapping of colour queries to skin colours by the container's hooks.
TEST(SystemColors, MappingFollowsTheHooks)
{
    TColourSkin skin("colors-map");
    auto d = NewContainer();
    d->LoadFromFile(skin.File());
    struct Case {
        TspSystemColorHooks hooks;
        int index;
        std::optional<TColor> answer;
    } cases[] = {
        {spschHighLight, 13, 14009784},
        {spschHighLight, 14, 3},
        {spschHighLight, 5, std::nullopt},
        {spschHighLight, 8, std::nullopt},
        {spschWindow, 5, 16777215},
        {spschWindow, 8, 2},
        {spschWindow, 13, std::nullopt},
        {spschHighLight | spschWindow, 14, 3},
        {spschHighLight | spschWindow, 12, std::nullopt},
        {0, 13, std::nullopt},
    };
    for (const Case& c : cases) {
        d->SetSystemColorHooks(c.hooks);
        EXPECT_EQ(RedirectedSysColor(*d, c.index), c.answer) << int(c.hooks) << " " << c.index;
    }
}

} // namespace
} // namespace vt::test
