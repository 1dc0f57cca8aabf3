#include "skin/skin_selection.h"

#include "skin/skin_cursors.h"
#include "skin/skin_data.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::ScratchDir;

using Log = test::SkinMessageLog;

// Any container without a registry of its own broadcasts here for the life of the object.
struct DefaultLog : Log {
    DefaultLog() : saved(DefaultSkinFormRegistry()) { SetDefaultSkinFormRegistry(this); }
    ~DefaultLog() { SetDefaultSkinFormRegistry(saved); }
    ISkinFormRegistry* saved;
};

class SkinSelection : public ::testing::Test {
protected:
    void SetUp() override
    {
        target_.SetCursorTable(&cursors_);
        target_.LoadFromFile(test::WriteTestSkinFolder(dir_));
        ASSERT_FALSE(target_.Empty);
        target_.SetFormRegistry(&targetLog_);
        defaultLog_.messages.clear();  // the set-up load had no registry of its own yet
        bmp_ = test::BitmapBytes(test::MakePicture(5, 3, TPixelFormat::pf24bit));
    }
    std::wstring Write(const std::vector<uint8_t>& bytes)
    {
        std::wstring path = dir_.File("chosen.skn");
        WriteFileBytes(path, bytes.data(), bytes.size());
        return path;
    }
    std::vector<uint8_t> BodyFile(const std::vector<uint8_t>& body) { return test::PackageFile(test::Deflate(body)); }

    test::ScopedTestRecords records_;
    ScratchDir dir_{"skin-selection"};
    TSkinCursorNames cursors_;
    TspSkinData target_{nullptr};
    Log targetLog_;
    DefaultLog defaultLog_;
    std::vector<uint8_t> bmp_;
};

// Tests that a good package loads into the target with one skin change and its three messages,
// while the trial load reaches no window.
TEST_F(SkinSelection, GoodPackageLoadsOnce)
{
    const uint32_t before = target_.ChangeCount;
    LoadSelectedSkin(target_, Write(BodyFile(test::Body(2, bmp_, {bmp_}, test::MinimalDefinitionText()))));
    EXPECT_FALSE(target_.Empty);
    EXPECT_EQ(target_.SkinName, L"Tiny");
    EXPECT_EQ(target_.FPicture.Width, 5);
    EXPECT_EQ(target_.FActivePictures.size(), 1u);
    EXPECT_EQ(target_.ChangeCount, before + 1);
    EXPECT_EQ(targetLog_.messages,
              (std::vector<uint32_t>{SKINMSG_BEGIN_CHANGE, SKINMSG_CHANGED, SKINMSG_CHANGE_DONE}));
    EXPECT_TRUE(defaultLog_.messages.empty());
}

// Tests every way a chosen file can fail, the silent version cases of the container included:
// each raises an error naming the file and the reason, and the target keeps its skin, its change
// count and its windows' peace.
TEST_F(SkinSelection, BadFilesLeaveTheTargetAlone)
{
    const std::string text = test::MinimalDefinitionText();
    const std::vector<uint8_t> good = BodyFile(test::Body(2, bmp_, {}, text));
    std::vector<uint8_t> corrupt = good;
    corrupt[8 + 20] ^= 0xFF;
    corrupt[8 + 21] ^= 0x55;
    std::vector<uint8_t> cut = good;
    cut.resize(cut.size() - 10);
    std::vector<uint8_t> shortBody = test::Body(2, bmp_, {}, "");
    shortBody.resize(shortBody.size() - 30);
    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;   // empty: no file at all
        const wchar_t* reason;
    } cases[] = {
        {"missing file", {}, L"Cannot open file"},
        {"file version 4", test::PackageFile(test::Deflate(test::Body(2, bmp_, {}, text)), 4), L"file version 4"},
        {"body version 4", BodyFile(test::Body(4, bmp_, {}, text)), L"body version"},
        {"file cut short", cut, L"Stream read error"},
        {"body cut short", BodyFile(shortBody), L"Stream read error"},
        {"corrupt zlib", corrupt, L"compression error"},
        {"shorter than the header", {2, 0, 0}, L"8-byte header"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::wstring path = c.bytes.empty() ? dir_.File("none.skn") : Write(c.bytes);
        const uint32_t before = target_.ChangeCount;
        try {
            LoadSelectedSkin(target_, path);
            ADD_FAILURE() << "no error";
        } catch (const ESkinSelectionError& e) {
            EXPECT_NE(e.Message().find(path), std::wstring::npos) << e.what();
            EXPECT_NE(e.Message().find(c.reason), std::wstring::npos) << e.what();
        }
        EXPECT_FALSE(target_.Empty);
        EXPECT_FALSE(target_.ChangeSkinDataProcess);
        EXPECT_EQ(target_.SkinName, L"Testskin");
        EXPECT_EQ(target_.FPicture.Width, 40);
        EXPECT_EQ(target_.ChangeCount, before);
        EXPECT_TRUE(targetLog_.messages.empty());
        EXPECT_TRUE(defaultLog_.messages.empty());
    }
}

} // namespace
} // namespace vt
