// Skin selection in the main window: the hidden button and the chooser as the description gives
// them, "Select skin..." re-skinning the frame and the controls, a damaged package reported by
// name with the skin kept, and repeated switches and chooser runs leaving the process's GDI and
// USER objects where they were.
#include "app/main_form.h"
#include "controls/list_box_win.h"
#include "framework/base/platform_files.h"
#include "framework/win/timer.h"
#include "win/framework/live_objects.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vt {
namespace {

class SkinSelection : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        Application->Initialize();
        form = new TForm1(Application);
        form->Show();
        test::Pump(200);
    }
    static void TearDownTestSuite()
    {
        delete form;
        form = nullptr;
    }
    void SetUp() override
    {
        Application->OnException = [this](TObject*, const Exception& e) { errors.push_back(e.Message()); };
    }
    void TearDown() override { Application->OnException = nullptr; }

    // Runs "Select skin..." with act called on the dialog once it shows; a watchdog cancels it.
    void Select(const std::function<void(TspSelectSkinsFromFoldersDlgForm&)>& act)
    {
        bool acted = false;
        int ticks = 0;
        TTimer driver(nullptr);
        driver.SetInterval(20);
        driver.SetOnTimer([&](TObject*) {
            TspSelectSkinsFromFoldersDlgForm* dlg = form->spSelectSkinsFromFoldersDialog1->DialogForm();
            if (!dlg)
                return;
            if (++ticks > 250) {
                dlg->SetModalResult(mrCancel);
                return;
            }
            if (!acted && dlg->HandleAllocated() && IsWindowVisible(dlg->Handle())) {
                acted = true;
                act(*dlg);
            }
        });
        // As the menu's dispatch does: what the handler raises goes to the application.
        try {
            form->New->Click();
        } catch (const Exception&) {
            Application->HandleException(form);
        }
    }
    // Selects the item named name and confirms.
    void Choose(const std::wstring& name)
    {
        Select([&](TspSelectSkinsFromFoldersDlgForm& dlg) {
            const int i = dlg.SkinsListBox->Items().IndexOf(name);
            ASSERT_GE(i, 0) << "listed: " << dlg.SkinsListBox->Items().Count();
            dlg.SkinsListBox->SetItemIndex(i);
            dlg.SetModalResult(mrOk);
        });
    }
    // The loaded skin's own name, in lower case as the packages are named.
    static std::wstring SkinName() { return LowerCase(form->spSkinData1->SkinName); }

    static inline TForm1* form = nullptr;
    std::vector<std::wstring> errors;
};

// Tests the hidden button and the chooser as the description gives them.
TEST_F(SkinSelection, HiddenButtonAndChooserAsDescribed)
{
    TspSkinButton* b = form->spSkinButton1;
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(b->Parent(), form->spSkinTabSheet1);
    EXPECT_EQ(b->BoundsRect(), Bounds(24, 232, 169, 25));
    EXPECT_FALSE(b->Visible());
    EXPECT_EQ(b->Caption(), L"Select extended skin...");
    EXPECT_EQ(b->SkinDataName(), L"button");
    EXPECT_EQ(b->SkinData(), form->spSkinData1);
    EXPECT_TRUE(static_cast<bool>(b->OnClick));
    TspSelectSkinsFromFoldersDialog* c = form->spSelectSkinsFromFoldersDialog1;
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->Title(), L"Select skin");
    EXPECT_EQ(c->SkinData(), form->spSkinData1);
    EXPECT_EQ(c->CtrlSkinData(), form->spSkinData1);
    EXPECT_EQ(c->DefaultFont().Name(), L"Arial");
    EXPECT_EQ(c->DefaultFont().Height(), 14);
    EXPECT_FALSE(c->AlphaBlend);
    EXPECT_EQ(c->AlphaBlendValue, 200);
    EXPECT_TRUE(static_cast<bool>(form->New->OnClick));
    EXPECT_TRUE(static_cast<bool>(form->S2->OnClick));
}

// Tests that a confirmed choice re-skins the window and its controls, that cancelling keeps the
// skin, and that a damaged package is reported by name while the skin in use stays.
TEST_F(SkinSelection, ChoiceReskinsCancelAndDamageKeepTheSkin)
{
    Choose(L"carbonel");
    EXPECT_EQ(SkinName(), L"carbonel") << "the container holds the chosen skin";
    EXPECT_EQ(form->spDynamicSkinForm1->Geometry.Skin.Loaded, true);
    EXPECT_TRUE(form->spSkinButton1->HasRecord()) << "the controls found their records again";
    EXPECT_EQ(form->spSelectSkinsFromFoldersDialog1->SkinName(), L"carbonel");

    const uint32_t changes = form->spSkinData1->ChangeCount;
    Select([](TspSelectSkinsFromFoldersDlgForm& dlg) { dlg.SetModalResult(mrCancel); });
    EXPECT_EQ(form->spSkinData1->ChangeCount, changes);

    const std::filesystem::path exeDir = std::filesystem::path(ProgramFolder());
    {
        std::ifstream in(exeDir / "velin.skn", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        ASSERT_FALSE(bytes.empty());
        std::ofstream(exeDir / "broken.skn", std::ios::binary) << bytes.substr(0, bytes.size() / 2);
    }
    Choose(L"broken");
    std::filesystem::remove(exeDir / "broken.skn");
    ASSERT_FALSE(errors.empty());
    EXPECT_NE(errors.back().find(L"broken.skn"), std::wstring::npos) << errors.back();
    EXPECT_EQ(form->spSkinData1->ChangeCount, changes) << "nothing reached the container";
    EXPECT_EQ(SkinName(), L"carbonel");
    EXPECT_FALSE(form->spSkinData1->Empty);
    Choose(L"zozaziz");
    EXPECT_EQ(SkinName(), L"zozaziz");
}

// Tests that 100 skin switches through "Select skin..." and 100 chooser runs cancelled leave the
// process's GDI and USER objects as they were (counted by probing the handle tables: the
// platform's own count answers 0 under Wine).
TEST_F(SkinSelection, RepeatedSwitchesAndChooserRunsLeaveObjectsFlat)
{
    const wchar_t* skins[] = {L"carbonel", L"velin", L"zozaziz"};
    // One round first: caches that fill once (fonts, classes) are not leaks.
    for (const wchar_t* s : skins)
        Choose(s);
    test::Pump(100);
    const test::TLiveObjects before = test::CountLiveObjects();
    for (int i = 0; i < 100; ++i)
        Choose(skins[i % 3]);
    test::Pump(100);
    const test::TLiveObjects afterSwitches = test::CountLiveObjects();
    for (int i = 0; i < 100; ++i)
        Select([](TspSelectSkinsFromFoldersDlgForm& dlg) { dlg.SetModalResult(mrCancel); });
    test::Pump(100);
    const test::TLiveObjects afterRuns = test::CountLiveObjects();
    EXPECT_TRUE(errors.empty());
    EXPECT_EQ(afterSwitches.gdi, before.gdi);
    EXPECT_EQ(afterSwitches.user(), before.user());
    EXPECT_EQ(afterRuns.gdi, before.gdi);
    EXPECT_EQ(afterRuns.user(), before.user());
    std::printf("live objects: GDI %d -> %d -> %d, USER %d -> %d -> %d\n", before.gdi, afterSwitches.gdi,
                afterRuns.gdi, before.user(), afterSwitches.user(), afterRuns.user());
}

} // namespace
} // namespace vt
