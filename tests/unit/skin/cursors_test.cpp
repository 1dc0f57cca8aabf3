#include "skin/skin_cursors.h"
#include "skin/skin_data.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// Tests that the folder loader installs cursor file i under StartCursorIndex + i, whether or not
// the file exists (the table decides what a missing file means).
TEST(SkinCursors, FolderCursorsGoToTheTableByNumber)
{
    test::ScratchDir dir("cursors");
    std::wstring def = test::TestDefinition();
    const std::wstring from = L"startcursorindex=0\r\ncursorscount=0";
    def.replace(def.find(from), from.size(), L"startcursorindex=40\r\ncursorscount=2\r\n0=arrow.cur\r\n1=missing.cur");
    std::wstring path = test::WriteTestSkinFolder(dir, def);

    TSkinCursorNames names;
    TspSkinData sd(nullptr);
    sd.SetCursorTable(&names);
    sd.LoadFromFile(path);
    ASSERT_FALSE(sd.Empty);
    EXPECT_EQ(sd.StartCursorIndex, 40);
    EXPECT_EQ(sd.FCursorsNames.Count(), 2);
    ASSERT_EQ(names.Files.size(), 2u);
    EXPECT_EQ(names.Files[40], dir.File("arrow.cur"));
    EXPECT_EQ(names.Files[41], dir.File("missing.cur"));
}

} // namespace
} // namespace vt
