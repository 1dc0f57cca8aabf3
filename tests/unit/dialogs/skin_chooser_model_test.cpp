// The skin chooser's entry filter, order, preselection and file names, over hand-made folder
// listings in the file system's own (unsorted) order.
#include "dialogs/skin_chooser_model.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using Names = std::vector<String>;

const std::vector<TFolderEntry> kListing = {
    {L".", true},
    {L"..", true},
    {L"velin.skn", false},
    {L"Zozaziz.SKN", false},
    {L"a.skn.bak", false},
    {L"d.skn", true},
    {L"my.sknskins.skn", false},
    {L"readme.txt", false},
    {L"x.skn", false},
    {L"notes", true},
    {L"X.Skn", false},
    {L".skn", false},
    {L"carbonel.skn", false},
    {L"skn", false},
};

// Tests package mode: only files whose extension is "skn" in any case, listed without it (taken
// off the end only), sorted ignoring case, and the default preselected ignoring case with the
// later of two matches winning; no match, or no entries, select 0.
TEST(SkinChooserModel, PackageListing)
{
    struct Case {
        const wchar_t* ext;
        const wchar_t* defaultSkin;
        Names names;
        int selected;
    } cases[] = {
        {L"skn", L"", {L"carbonel", L"my.sknskins", L"velin", L"X", L"x", L"Zozaziz"}, 0},
        {L"skn", L"zozaziz", {L"carbonel", L"my.sknskins", L"velin", L"X", L"x", L"Zozaziz"}, 5},
        {L"skn", L"x", {L"carbonel", L"my.sknskins", L"velin", L"X", L"x", L"Zozaziz"}, 4},
        {L"skn", L"MY.SKNSKINS", {L"carbonel", L"my.sknskins", L"velin", L"X", L"x", L"Zozaziz"}, 1},
        {L"skn", L"gone", {L"carbonel", L"my.sknskins", L"velin", L"X", L"x", L"Zozaziz"}, 0},
        {L"SKN", L"velin", {L"carbonel", L"my.sknskins", L"velin", L"X", L"x", L"Zozaziz"}, 2},
        {L"bak", L"a.skn", {L"a.skn"}, 0},
        {L"txt", L"", {L"readme"}, 0},
        {L"png", L"x", {}, 0},
    };
    for (const Case& c : cases) {
        TSkinList list = ListSkinPackages(kListing, c.ext, c.defaultSkin);
        EXPECT_EQ(list.Names, c.names) << WideToUtf8(c.ext) << " " << WideToUtf8(c.defaultSkin);
        EXPECT_EQ(list.Selected, c.selected) << WideToUtf8(c.ext) << " " << WideToUtf8(c.defaultSkin);
    }
    EXPECT_TRUE(ListSkinPackages({}, L"skn", L"x").Names.empty());

    // The order does not depend on the order the file system returns the entries in.
    std::vector<TFolderEntry> reversed(kListing.rbegin(), kListing.rend());
    EXPECT_EQ(ListSkinPackages(reversed, L"skn", L"").Names, ListSkinPackages(kListing, L"skn", L"").Names);
}

// Tests folder mode: every directory but "." and "..", sorted, with the default preselected.
TEST(SkinChooserModel, FolderListing)
{
    TSkinList list = ListSkinFolders(kListing, L"NOTES");
    EXPECT_EQ(list.Names, (Names{L"d.skn", L"notes"}));
    EXPECT_EQ(list.Selected, 1);
    EXPECT_EQ(ListSkinFolders(kListing, L"velin").Selected, 0);
}

// Tests the folder rule and the file names a choice gives: the extension is rebuilt from the one
// asked for, whatever case the file had on disk.
TEST(SkinChooserModel, FolderAndFileNames)
{
    EXPECT_EQ(SkinsFolderOf(L"", L"C:\\Program"), L"C:\\Program\\");
    EXPECT_EQ(SkinsFolderOf(L"", L"C:\\Program\\"), L"C:\\Program\\");
    EXPECT_EQ(SkinsFolderOf(L"D:\\skins", L"C:\\Program\\"), L"D:\\skins\\");
    EXPECT_EQ(SkinsFolderOf(L"D:\\skins\\", L"C:\\Program\\"), L"D:\\skins\\");

    const String folder = SkinsFolderOf(L"D:\\skins", L"");
    TSkinList list = ListSkinPackages(kListing, L"skn", L"Zozaziz");
    EXPECT_EQ(PackageFileName(folder, list.Names[list.Selected], L"skn"), L"D:\\skins\\Zozaziz.skn");
    EXPECT_EQ(PackageFileName(folder, L"my.sknskins", L"skn"), L"D:\\skins\\my.sknskins.skn");
    EXPECT_EQ(FolderSkinFileName(folder, L"notes", L"skin.ini"), L"D:\\skins\\notes\\skin.ini");
}

} // namespace
} // namespace vt
