#include "skin/skin_cursors.h"
#include "skin/skin_data.h"
#include "skin_fixture.h"

#ifdef _WIN32
#include "skin/skin_cursors_win.h"
#endif

#include <gtest/gtest.h>

namespace vt {
namespace {

// A 32 x 32 monochrome cursor file with its hot spot at (3, 4).
std::vector<uint8_t> CursorFile()
{
    std::vector<uint8_t> v = {0, 0, 2, 0, 1, 0};                   // reserved, type 2 (cursor), 1 image
    v.insert(v.end(), {32, 32, 2, 0, 3, 0, 4, 0});                 // size, colours, hot spot
    uint32_t bytes = 40 + 8 + 128 + 128;
    test::Put32(v, static_cast<int32_t>(bytes));
    test::Put32(v, 22);
    test::Put32(v, 40);
    test::Put32(v, 32);
    test::Put32(v, 64);  // height of both masks
    v.insert(v.end(), {1, 0, 1, 0});
    for (int i = 0; i < 6; ++i)
        test::Put32(v, 0);
    v.insert(v.end(), {0, 0, 0, 0, 255, 255, 255, 0});
    for (int i = 0; i < 128; ++i)
        v.push_back(i % 4 == 0 ? 0x80 : 0);  // XOR mask
    for (int i = 0; i < 128; ++i)
        v.push_back(i % 4 == 0 ? 0x7F : 0xFF);  // AND mask
    return v;
}

// Tests the platform's cursor table: cursor file i is installed under StartCursorIndex + i, and
// a file that cannot be loaded leaves that number without a skin cursor.
TEST(SkinCursors, FolderCursorsGoToTheTable)
{
    test::ScratchDir dir("cursors");
    std::wstring def = test::TestDefinition();
    const std::wstring from = L"startcursorindex=0\r\ncursorscount=0";
    def.replace(def.find(from), from.size(), L"startcursorindex=40\r\ncursorscount=2\r\n0=arrow.cur\r\n1=missing.cur");
    std::wstring path = test::WriteTestSkinFolder(dir, def);
    std::vector<uint8_t> cur = CursorFile();
    WriteFileBytes(dir.File("arrow.cur"), cur.data(), cur.size());

    TspSkinData sd(nullptr);
    sd.LoadFromFile(path);
    ASSERT_FALSE(sd.Empty);
    EXPECT_EQ(sd.StartCursorIndex, 40);
    EXPECT_EQ(sd.FCursorsNames.Count(), 2);
#ifdef _WIN32
    EXPECT_NE(SkinCursor(40), nullptr);
    EXPECT_EQ(SkinCursor(41), nullptr);
#else
    auto& names = static_cast<TSkinCursorNames&>(DefaultSkinCursorTable());
    EXPECT_EQ(names.Files[40], dir.File("arrow.cur"));
    EXPECT_EQ(names.Files[41], dir.File("missing.cur"));
#endif
}

} // namespace
} // namespace vt
