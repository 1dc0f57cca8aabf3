// The skin chooser with real windows: what it lists from a folder of packages and what it
// preselects, OK, Enter, Cancel, Esc and a double click, the file name it gives, its size without
// a skin, the preview, and a package that cannot be previewed.
#include "controls/button_win.h"
#include "controls/list_box_win.h"
#include "dialogs/skin_chooser_win.h"
#include "form/dynamic_skin_form_win.h"
#include "framework/win/timer.h"
#include "skin/skin_data.h"
#include "skin/skin_forms_win.h"
#include "support.h"
#include "win/framework/real_input.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vt {
namespace {

namespace fs = std::filesystem;

class SkinChooser : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application->Initialize();
        InstallSkinFormRegistry();
        Application->OnException = [this](TObject*, const Exception& e) { errors.push_back(e.Message()); };
        chooser = std::make_unique<TspSelectSkinsFromFoldersDialog>(nullptr);
    }
    void TearDown() override
    {
        chooser.reset();
        Application->OnException = nullptr;
    }
    // Packs a shipped skin into the folder under the given file name.
    void Pack(const std::string& skin, const std::string& fileName)
    {
        TspSkinData sd(nullptr);
        sd.LoadFromFile(test::SourcePath("skins/" + skin + "/skin.ini"));
        sd.SaveToCompressedFile((dir.Path() / fileName).wstring());
    }
    std::wstring Folder() const { return dir.Path().wstring(); }
    std::wstring FileIn(const std::wstring& name) const
    {
        std::wstring f = Folder();
        if (f.back() != L'\\' && f.back() != L'/')
            f += L'\\';
        return f + name;
    }
    // Runs the chooser; act is called once the dialog shows (with the dialog), then the loop
    // goes on until the dialog closes. A watchdog cancels it after five seconds.
    bool Run(const std::wstring& defaultSkin, std::function<void(TspSelectSkinsFromFoldersDlgForm&)> act)
    {
        bool acted = false;
        int ticks = 0;
        TTimer driver(nullptr);
        driver.SetInterval(30);
        driver.SetOnTimer([&](TObject*) {
            TspSelectSkinsFromFoldersDlgForm* dlg = chooser->DialogForm();
            if (!dlg)
                return;
            if (++ticks > 160) {
                dlg->SetModalResult(mrCancel);
                return;
            }
            if (!acted && dlg->HandleAllocated() && IsWindowVisible(dlg->Handle())) {
                acted = true;
                act(*dlg);
            }
        });
        return chooser->Execute(Folder(), defaultSkin, L"skn");
    }
    // Posts a key to the focused window, as typing does.
    static void Key(TspSelectSkinsFromFoldersDlgForm& dlg, WORD key)
    {
        HWND target = GetFocus() ? GetFocus() : dlg.Handle();
        PostMessageW(target, WM_KEYDOWN, key, 1);
        PostMessageW(target, WM_KEYUP, key, 0xC0000001);
    }

    test::ScratchDir dir{"chooser"};
    std::unique_ptr<TspSelectSkinsFromFoldersDialog> chooser;
    std::vector<std::wstring> errors;
};

// Tests what the chooser lists: only "skn" files in any letter case, without the extension
// (taken off the end only), sorted ignoring case; the skin chosen last is preselected and shown
// in the preview; Enter confirms it, and the file name is rebuilt with the given extension.
TEST_F(SkinChooser, ListsPackagesAndConfirmsWithEnter)
{
    Pack("velin", "velin.skn");
    Pack("zozaziz", "Zozaziz.SKN");
    Pack("carbonel", "my.sknskins.skn");
    std::ofstream(dir.Path() / "a.skn.bak") << "x";
    fs::create_directory(dir.Path() / "d.skn");

    std::vector<std::wstring> listed;
    bool previewShown = false;
    std::wstring previewSkin;
    EXPECT_TRUE(Run(L"zozaziz", [&](TspSelectSkinsFromFoldersDlgForm& dlg) {
        for (int i = 0; i < dlg.SkinsListBox->Items().Count(); ++i)
            listed.push_back(dlg.SkinsListBox->Items()[i]);
        previewShown = dlg.PreviewForm->Visible();
        previewSkin = dlg.PreviewSkinData->SkinName;
        EXPECT_EQ(GetFocus(), dlg.SkinsListBox->ListBox()->Handle()) << "the list has the focus";
        Key(dlg, VK_RETURN);
    }));
    EXPECT_EQ(listed, (std::vector<std::wstring>{L"my.sknskins", L"velin", L"Zozaziz"}));
    EXPECT_TRUE(previewShown);
    EXPECT_FALSE(previewSkin.empty());
    EXPECT_EQ(chooser->SkinName(), L"Zozaziz");
    EXPECT_EQ(chooser->FileName(), FileIn(L"Zozaziz.skn"));
    EXPECT_TRUE(errors.empty());
}

// Tests the ways out: Esc and Cancel return false and keep the last choice; a double click on an
// item returns true with that item; moving the selection previews the new skin.
TEST_F(SkinChooser, CancelKeepsTheChoiceAndDoubleClickConfirms)
{
    Pack("velin", "velin.skn");
    Pack("carbonel", "carbonel.skn");
    ASSERT_TRUE(Run(L"", [&](TspSelectSkinsFromFoldersDlgForm& dlg) { Key(dlg, VK_RETURN); }));
    ASSERT_EQ(chooser->SkinName(), L"carbonel");
    const std::wstring chosen = chooser->FileName();

    EXPECT_FALSE(Run(L"carbonel", [&](TspSelectSkinsFromFoldersDlgForm& dlg) { Key(dlg, VK_ESCAPE); }));
    EXPECT_FALSE(Run(L"carbonel", [&](TspSelectSkinsFromFoldersDlgForm& dlg) {
        dlg.CancelButton->Perform(WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
        dlg.CancelButton->Perform(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    }));
    EXPECT_EQ(chooser->FileName(), chosen);

    std::wstring before, after;
    EXPECT_TRUE(Run(L"carbonel", [&](TspSelectSkinsFromFoldersDlgForm& dlg) {
        before = dlg.PreviewSkinData->SkinName;
        HWND list = dlg.SkinsListBox->ListBox()->Handle();
        Key(dlg, VK_DOWN);
        test::Pump(100);
        after = dlg.PreviewSkinData->SkinName;
        const TRect r = dlg.SkinsListBox->ItemRect(1);
        const LPARAM at = MAKELPARAM(r.Left + 5, r.Top + 3);
        PostMessageW(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
        PostMessageW(list, WM_LBUTTONDBLCLK, MK_LBUTTON, at);
        PostMessageW(list, WM_LBUTTONUP, 0, at);
    }));
    EXPECT_NE(before, after) << "the selection's move previewed the other skin";
    EXPECT_EQ(chooser->SkinName(), L"velin");
    EXPECT_TRUE(errors.empty());
}

// Tests an empty folder: nothing listed, no preview, and OK gives false. Without a skin the
// dialog's client area is 420 x 240.
TEST_F(SkinChooser, EmptyFolderGivesNothing)
{
    TRect client;
    bool preview = true;
    EXPECT_FALSE(Run(L"", [&](TspSelectSkinsFromFoldersDlgForm& dlg) {
        client = dlg.ClientRect();
        preview = dlg.PreviewForm->Visible();
        Key(dlg, VK_RETURN);
    }));
    EXPECT_EQ(client, Rect(0, 0, 420, 240));
    EXPECT_FALSE(preview);
    EXPECT_TRUE(chooser->FileName().empty());
}

// Tests a damaged package that is preselected: the chooser reports it, naming the file, and opens
// with the preview hidden, so another skin can still be chosen.
TEST_F(SkinChooser, DamagedPreselectedPackageIsReportedAndTheChooserOpens)
{
    Pack("velin", "velin.skn");
    {
        std::ifstream in(dir.Path() / "velin.skn", std::ios::binary);
        std::string bytes((std::istreambuf_iterator<char>(in)), {});
        std::ofstream(dir.Path() / "broken.skn", std::ios::binary) << bytes.substr(0, bytes.size() / 3);
    }
    bool previewShown = true;
    std::wstring afterMove;
    EXPECT_TRUE(Run(L"broken", [&](TspSelectSkinsFromFoldersDlgForm& dlg) {
        previewShown = dlg.PreviewForm->Visible();
        Key(dlg, VK_DOWN);
        test::Pump(100);
        afterMove = dlg.PreviewSkinData->SkinName;
        Key(dlg, VK_RETURN);
    }));
    ASSERT_EQ(errors.size(), 1u);
    EXPECT_NE(errors[0].find(L"broken.skn"), std::wstring::npos) << errors[0];
    EXPECT_FALSE(previewShown);
    EXPECT_FALSE(afterMove.empty()) << "the next package previews";
    EXPECT_EQ(chooser->SkinName(), L"velin");
}

// Tests that the dialog's frame and controls take the given containers: with a skin for the frame
// the engine draws it, and the list is skinned by the controls' container.
TEST_F(SkinChooser, FrameAndControlsTakeTheirContainers)
{
    Pack("velin", "velin.skn");
    TspSkinData frame(nullptr), controls(nullptr);
    frame.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    controls.LoadFromFile(test::SourcePath("skins/carbonel/skin.ini"));
    chooser->SetSkinData(&frame);
    chooser->SetCtrlSkinData(&controls);
    bool engineSkinned = false, listSkinned = false;
    EXPECT_FALSE(Run(L"", [&](TspSelectSkinsFromFoldersDlgForm& dlg) {
        engineSkinned = dlg.DSF->SkinData() == &frame && dlg.DSF->Geometry.Skin.Loaded;
        listSkinned = dlg.SkinsListBox->SkinData() == &controls && dlg.SkinsListBox->HasRecord();
        Key(dlg, VK_ESCAPE);
    }));
    EXPECT_TRUE(engineSkinned);
    EXPECT_TRUE(listSkinned);
}

} // namespace
} // namespace vt
