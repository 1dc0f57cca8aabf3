// The platform's cursor table of skin cursors.
#include "skin/skin_cursors_win.h"
#include "skin/skin_data.h"
#include "unit/skin/skin_fixture.h"

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

// Tests that a cursor file that loads is installed under its number, and that one that does not
// load leaves its number without a skin cursor.
TEST(SkinCursors, LoadedCursorsGoToThePlatformTable)
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
    EXPECT_NE(SkinCursor(40), nullptr);
    EXPECT_EQ(SkinCursor(41), nullptr);
}

} // namespace
} // namespace vt
