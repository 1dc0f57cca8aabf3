#include "framework/base/folders.h"
#include "framework/base/platform_files.h"
#include "framework/base/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

namespace vt {
namespace {

namespace fs = std::filesystem;

// A fresh folder under the system's temporary folder, removed with everything in it.
class TempFolder {
public:
    TempFolder()
    {
        path_ = fs::temp_directory_path() /
                ("vt-folders-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                 ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(path_);
        fs::create_directories(path_);
    }
    ~TempFolder()
    {
        std::error_code ignored;
        fs::remove_all(path_, ignored);
    }
    std::wstring Name() const { return FromFileSystemPath(path_); }
    void File(const std::wstring& name) const { std::ofstream(path_ / FileSystemPath(name)) << "x"; }
    void Folder(const std::wstring& name) const { fs::create_directory(path_ / FileSystemPath(name)); }

private:
    fs::path path_;
};

using Entry = std::pair<std::wstring, bool>;

std::vector<Entry> Sorted(const TFolderListing& listing)
{
    std::vector<Entry> entries;
    for (const TFolderEntry& e : listing.Entries)
        entries.emplace_back(e.Name, e.IsDirectory);
    std::sort(entries.begin(), entries.end());
    return entries;
}

// Tests that a folder's files and sub-folders are listed by name with their kind (a folder whose
// name looks like a file's included, names outside ASCII kept), the same with or without a
// trailing delimiter, and nothing below the sub-folders.
TEST(Folders, ListsFilesAndFoldersByNameAndKind)
{
    TempFolder temp;
    temp.File(L"Zozaziz.SKN");
    temp.File(L"a.skn.bak");
    temp.File(L"\u00e9t\u00e9.skn");
    temp.Folder(L"d.skn");
    temp.Folder(L"sub");
    temp.File(L"sub" + std::wstring(1, PathDelimiter()) + L"inner.skn");

    const std::vector<Entry> expected = {
        {L"Zozaziz.SKN", false}, {L"a.skn.bak", false}, {L"d.skn", true}, {L"sub", true},
        {L"\u00e9t\u00e9.skn", false}};
    for (const std::wstring& folder : {temp.Name(), IncludeTrailingPathDelimiter(temp.Name())}) {
        TFolderListing listing = ListFolder(folder);
        EXPECT_EQ(listing.Error, L"") << WideToUtf8(folder);
        EXPECT_EQ(Sorted(listing), expected) << WideToUtf8(folder);
    }
}

// Tests that what cannot be listed (a missing folder, a file, an empty name) gives an empty
// listing with a reason instead of an exception; an empty folder lists nothing without one.
TEST(Folders, UnlistableFolderGivesReasonNotException)
{
    TempFolder temp;
    temp.File(L"plain.skn");
    const std::wstring delimiter(1, PathDelimiter());
    for (const std::wstring& folder :
         {temp.Name() + delimiter + L"missing", temp.Name() + delimiter + L"plain.skn", std::wstring()}) {
        TFolderListing listing;
        EXPECT_NO_THROW(listing = ListFolder(folder)) << WideToUtf8(folder);
        EXPECT_TRUE(listing.Entries.empty()) << WideToUtf8(folder);
        EXPECT_NE(listing.Error, L"") << WideToUtf8(folder);
    }
    temp.Folder(L"empty");
    TFolderListing empty = ListFolder(temp.Name() + delimiter + L"empty");
    EXPECT_TRUE(empty.Entries.empty());
    EXPECT_EQ(empty.Error, L"");
}

// Tests that the program's folder is an existing absolute folder ending in the delimiter.
TEST(Folders, ProgramFolderIsAnExistingFolderWithDelimiter)
{
    const std::wstring folder = ProgramFolder();
    ASSERT_FALSE(folder.empty());
    EXPECT_EQ(folder.back(), PathDelimiter());
    const fs::path path = FileSystemPath(folder);
    EXPECT_TRUE(path.is_absolute());
    EXPECT_TRUE(fs::is_directory(path));
    EXPECT_EQ(ListFolder(folder).Error, L"");
}

} // namespace
} // namespace vt
