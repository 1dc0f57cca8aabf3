#include "framework/base/exceptions.h"
#include "skin/skin_cursors.h"
#include "framework/base/form_loader.h"
#include "skin/skin_data.h"
#include "skin/skin_inspect.h"
#include "skin/stored_skin.h"
#include "skin/zlib_streams.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

#include <functional>

namespace vt {
namespace {

using test::ScratchDir;

using Log = test::SkinMessageLog;

std::string DefinitionValues(const TspSkinData& sd)
{
    TMemIniFile f;
    sd.SaveToCustomIniFile(f);
    TStringList lines;
    f.GetStrings(lines);
    return WideToUtf8(lines.Text());
}

void WriteFile(const std::wstring& path, const std::vector<uint8_t>& bytes)
{
    WriteFileBytes(path, bytes.data(), bytes.size());
}

// Tests the zlib wrappers: level 9 output starts 78 DA, data of every size survives, and the
// forbidden operations raise "Invalid stream operation".
TEST(ZlibStreams, RoundTripAndInvalidOperations)
{
    for (size_t n : {size_t(0), size_t(1), size_t(8191), size_t(3 << 20)}) {
        std::vector<uint8_t> data(n);
        for (size_t i = 0; i < n; ++i)
            data[i] = static_cast<uint8_t>((i * 31) ^ (i >> 9));
        TMemoryStream packed;
        CompressBytes(data.data(), data.size(), packed);
        ASSERT_GE(packed.Size(), 2);
        EXPECT_EQ(packed.Memory()[0], 0x78);
        EXPECT_EQ(packed.Memory()[1], 0xDA);
        TMemoryStream out;
        DecompressStream(packed, out, int64_t(1) << 30);
        EXPECT_EQ(out.Bytes(), data) << n;
    }
    TMemoryStream dest;
    {
        TCompressionStream c(TCompressionLevel::clFastest, dest);
        char buf[4] = {1, 2, 3, 4};
        c.WriteBuffer(buf, 4);
        EXPECT_EQ(c.Seek(0, TSeekOrigin::soCurrent), 4);
        EXPECT_THROW(c.Read(buf, 1), ECompressionError);
        EXPECT_THROW(c.Seek(1, TSeekOrigin::soBeginning), ECompressionError);
    }
    dest.SetPosition(0);
    TDecompressionStream d(dest);
    char buf[4];
    EXPECT_THROW(d.Write(buf, 1), EDecompressionError);
    EXPECT_EQ(d.Seek(2, TSeekOrigin::soCurrent), 2);
    EXPECT_EQ(d.Read(buf, 4), 2);
    EXPECT_EQ(buf[0], 3);
    EXPECT_EQ(d.Seek(0, TSeekOrigin::soBeginning), 0);
    EXPECT_EQ(d.Read(buf, 4), 4);
    EXPECT_THROW(d.Seek(-1, TSeekOrigin::soCurrent), EDecompressionError);
}

// Tests that a stream asking for a preset dictionary is an error for both inflate paths (it used
// to spin forever: zlib makes no progress and reports no error).
TEST(ZlibStreams, PresetDictionaryStreamIsAnError)
{
    const std::vector<uint8_t> bytes = {0x78, 0xBB, 0x00, 0x00, 0x00, 0x01, 0x4B, 0x4C, 0x04, 0x00};
    TMemoryStream memory{std::vector<uint8_t>(bytes)};
    TMemoryStream out;
    EXPECT_THROW(DecompressStream(memory, out, int64_t(1) << 20), EDecompressionError);
    memory.SetPosition(0);
    TDecompressionStream d(memory);
    char buf[16];
    EXPECT_THROW(d.Read(buf, sizeof buf), EDecompressionError);
}

// Tests the whole round trip: a folder skin packed (as skinpack pack does), loaded, saved with
// SaveToCompressedFile and loaded again gives pixel-equal pictures and the same definition.
TEST(Package, FolderPackLoadSaveLoadRoundTrip)
{
    test::ScopedTestRecords records;
    ScratchDir dir("pkg-roundtrip");
    std::wstring def = test::WriteTestSkinFolder(dir);

    std::string report;
    ASSERT_EQ(SkinpackPack(dir.Path().wstring(), dir.File("packed.skn"), report), 0);

    TspSkinData folder(nullptr), first(nullptr), second(nullptr);
    TSkinCursorNames cursors;
    folder.SetCursorTable(&cursors);
    folder.LoadFromFile(def);
    first.LoadFromCompressedFile(dir.File("packed.skn"));
    ASSERT_FALSE(first.Empty);
    EXPECT_EQ(DefinitionValues(first), DefinitionValues(folder));
    // Text outside the single-byte page survives the package's definition text.
    first.SkinComments = L"\u0417\u0438\u043C\u0430 \u20AC";
    first.SaveToCompressedFile(dir.File("saved.skn"));
    second.LoadFromCompressedFile(dir.File("saved.skn"));
    ASSERT_FALSE(second.Empty);

    for (const TspSkinData* sd : {&first, &second}) {
        EXPECT_EQ(sd->FPicture, folder.FPicture);
        EXPECT_EQ(sd->FMask, folder.FMask);
        EXPECT_TRUE(sd->FInActivePicture.Empty());
        ASSERT_EQ(sd->FActivePictures.size(), folder.FActivePictures.size());
        for (size_t i = 0; i < folder.FActivePictures.size(); ++i)
            EXPECT_EQ(*sd->FActivePictures[i], *folder.FActivePictures[i]);
        EXPECT_EQ(sd->ObjectList.size(), 2u);
        EXPECT_EQ(sd->CtrlList.size(), 3u);
    }
    EXPECT_EQ(DefinitionValues(second), DefinitionValues(first));
    EXPECT_EQ(second.SkinComments, first.SkinComments);

    // The stored package is a version-2 file: 2, N, then N zlib bytes and nothing more.
    std::vector<uint8_t> file = ReadFileBytes(dir.File("saved.skn"));
    ASSERT_GT(file.size(), 10u);
    EXPECT_EQ(file[0], 2);
    int32_t n = file[4] | file[5] << 8 | file[6] << 16 | file[7] << 24;
    EXPECT_EQ(static_cast<size_t>(n) + 8, file.size());
    EXPECT_EQ(file[8], 0x78);
    EXPECT_EQ(file[9], 0xDA);
}

// Tests StoreToDisk: the folder it writes loads back to the same skin, the inactive picture
// (nameless in a package) gets a name, and names leading outside the folder are refused.
TEST(Package, StoreToDiskWritesALoadableFolder)
{
    test::ScopedTestRecords records;
    ScratchDir src("pkg-store-src"), out("pkg-store-out");
    TspCompressedStoredSkin packed(nullptr);
    packed.LoadFromIniFile(test::WriteTestSkinFolder(src));
    TspSkinData sd(nullptr), back(nullptr);
    sd.LoadCompressedStoredSkin(&packed);
    sd.FInActivePicture = test::MakePicture(4, 4, TPixelFormat::pf24bit);
    sd.StoreToDisk(out.File("skin.ini"));
    TSkinCursorNames cursors;
    back.SetCursorTable(&cursors);
    back.LoadFromFile(out.File("skin.ini"));
    EXPECT_EQ(back.FInActivePictureName, L"inactivepicture.bmp");
    EXPECT_EQ(back.FInActivePicture, sd.FInActivePicture);
    EXPECT_EQ(back.FPicture, sd.FPicture);
    EXPECT_EQ(*back.FActivePictures[0], *sd.FActivePictures[0]);

    sd.FMaskName = L"../escape.bmp";
    EXPECT_THROW(sd.StoreToDisk(out.File("skin.ini")), EFCreateError);
    EXPECT_FALSE(FileExists(src.File("../escape.bmp")));
}

// Tests body versions: 0 holds main picture and mask, 1 adds the roll-up slots, 3 holds the
// inactive picture without roll-up slots; a non-zero flag of any value marks an empty slot.
TEST(Package, ReadsEveryBodyVersion)
{
    std::vector<uint8_t> bmp = test::BitmapBytes(test::MakePicture(5, 3, TPixelFormat::pf24bit));
    std::string text = test::MinimalDefinitionText();
    for (int32_t version : {-1, 0, 1, 2, 3}) {
        std::vector<uint8_t> body = test::Body(version, bmp, {bmp}, text);
        TspCompressedStoredSkin stored(nullptr);
        stored.SetCompressedData(test::Deflate(body));
        TspSkinData sd(nullptr);
        sd.LoadCompressedStoredSkin(&stored);
        EXPECT_FALSE(sd.Empty) << version;
        EXPECT_EQ(sd.FPicture.Width, 5) << version;
        EXPECT_EQ(sd.FActivePictures.size(), 1u) << version;
        EXPECT_EQ(sd.ClRect, Rect(1, 2, 3, 4)) << version;
    }
    std::vector<uint8_t> body = test::Body(2, {}, {}, test::MinimalDefinitionText());
    body[4] = 0x7F;  // the main picture's flag: any non-zero value means empty
    TspCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(test::Deflate(body));
    TspSkinData sd(nullptr);
    sd.LoadCompressedStoredSkin(&stored);
    EXPECT_FALSE(sd.Empty);
    EXPECT_TRUE(sd.FPicture.Empty());
}

// Tests every bad input: the documented outcome, a clear message, and what the container and
// the windows are left with. Errors before the container is touched keep the current skin and
// send nothing; errors inside the package leave an empty container whose windows got all three
// messages.
TEST(Package, BadInputsTable)
{
    test::ScopedTestRecords records;
    ScratchDir dir("pkg-bad");
    std::wstring goodDef = test::WriteTestSkinFolder(dir);
    std::vector<uint8_t> bmp = test::BitmapBytes(test::MakePicture(5, 3, TPixelFormat::pf24bit));
    std::string text = test::MinimalDefinitionText();
    std::vector<uint8_t> goodZlib = test::Deflate(test::Body(2, bmp, {}, text));

    auto bodyFile = [&](const std::vector<uint8_t>& body) { return test::PackageFile(test::Deflate(body)); };
    std::vector<uint8_t> corrupt = test::PackageFile(goodZlib);
    corrupt[8 + 20] ^= 0xFF;
    corrupt[8 + 21] ^= 0x55;
    std::vector<uint8_t> longN = test::PackageFile(goodZlib);
    longN[4] += 10;
    std::vector<uint8_t> truncatedBody = test::Body(2, bmp, {}, "");
    truncatedBody.resize(truncatedBody.size() - 30);
    std::vector<uint8_t> badBmp = bmp;
    badBmp[14] = 13;  // header size
    std::vector<uint8_t> bigTable = bmp;
    bigTable[28] = 8;      // 8 bits per pixel
    bigTable[46] = 0x01;   // 257 used colours
    bigTable[47] = 0x01;
    // RLE8 record first among two active pictures: it swallows the second one and the text.
    std::vector<uint8_t> rle = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0,
                                0, 1, 0, 8, 0, 1, 0, 0, 0, 4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0,
                                0, 0, 0, 0, 0, 0, 1, 0, 0, 1};
    std::string badRectText = "[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\nclientrect=1,2\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
    std::vector<uint8_t> bomb(int64_t(65) << 20, 0);

    enum Outcome { kUntouched, kFailedEmpty, kSilentEmpty };
    struct Case {
        const char* name;
        std::function<void(TspSkinData&)> load;
        Outcome outcome;
        const wchar_t* message;  // part of the error message; null when no error
        std::function<bool(const Exception&)> isType;
    };
    auto file = [&](const std::vector<uint8_t>& bytes) {
        return [&, bytes](TspSkinData& sd) {
            WriteFile(dir.File("bad.skn"), bytes);
            sd.LoadFromCompressedFile(dir.File("bad.skn"));
        };
    };
    auto folderWith = [&](const std::wstring& from, const std::wstring& to) {
        return [&, from, to](TspSkinData& sd) {
            std::wstring def = test::TestDefinition();
            def.replace(def.find(from), from.size(), to);
            TStringList l;
            l.SetText(def);
            l.SaveToFile(dir.File("bad.ini"));
            sd.LoadFromFile(dir.File("bad.ini"));
        };
    };
    auto read = [](const Exception& e) { return dynamic_cast<const EReadError*>(&e) != nullptr; };
    auto zlib = [](const Exception& e) { return dynamic_cast<const EDecompressionError*>(&e) != nullptr; };
    auto graphic = [](const Exception& e) { return dynamic_cast<const EInvalidGraphic*>(&e) != nullptr; };
    auto convert = [](const Exception& e) { return dynamic_cast<const EConvertError*>(&e) != nullptr; };
    auto open = [](const Exception& e) { return dynamic_cast<const EFOpenError*>(&e) != nullptr; };

    const Case cases[] = {
        {"file version 4", file(test::PackageFile(goodZlib, 4)), kUntouched, nullptr, {}},
        {"missing file", [&](TspSkinData& sd) { sd.LoadFromCompressedFile(dir.File("none.skn")); }, kUntouched,
         L"Cannot open file", open},
        {"file shorter than 8 bytes", file({2, 0, 0, 0, 5}), kUntouched, L"shorter than its 8-byte header", read},
        {"length 0", file(test::PackageFile({}, 2)), kUntouched, L"length of its compressed data is 0", read},
        {"N larger than the file", file(longN), kUntouched, L"Stream read error", read},
        {"corrupt zlib", file(corrupt), kFailedEmpty, L"compression error", zlib},
        {"body version 4", file(bodyFile(test::Body(4, bmp, {}, text))), kSilentEmpty, nullptr, {}},
        {"truncated body", file(bodyFile(truncatedBody)), kFailedEmpty, L"Stream read error", read},
        {"malformed BMP", file(bodyFile(test::Body(2, badBmp, {}, text))), kFailedEmpty,
         L"Bitmap image is not valid", graphic},
        {"colour table over 1,024 bytes", file(bodyFile(test::Body(2, bigTable, {}, text))), kFailedEmpty,
         L"colour table over 1,024 bytes", graphic},
        {"RLE record", file(bodyFile(test::Body(2, bmp, {rle, bmp}, text))), kFailedEmpty, L"Stream read error", read},
        {"body over the inflate bound", file(bodyFile(bomb)), kFailedEmpty, L"inflates to more than", zlib},
        {"malformed rectangle", file(bodyFile(test::Body(2, bmp, {}, badRectText))), kFailedEmpty,
         L"'' is not a valid integer value", convert},
        {"missing section", folderWith(L"[FORMINFO]", L"[NOTFORMINFO]"), kUntouched, nullptr, {}},
        {"missing picture file", folderWith(L"act1.bmp", L"gone.bmp"), kFailedEmpty, L"gone.bmp", open},
        {"malformed rectangle in a folder", folderWith(L"clientrect=2,29,194,144", L"clientrect=2,x,194"),
         kFailedEmpty, L"is not a valid integer value", convert},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Log log;
        TSkinCursorNames cursors;
        TspSkinData sd(nullptr);
        sd.SetCursorTable(&cursors);
        sd.LoadFromFile(goodDef);
        ASSERT_FALSE(sd.Empty);
        sd.SetFormRegistry(&log);
        bool raised = false;
        try {
            c.load(sd);
        } catch (const Exception& e) {
            raised = true;
            ASSERT_NE(c.message, nullptr) << "unexpected error: " << e.what();
            EXPECT_NE(e.Message().find(c.message), std::wstring::npos) << e.what();
            EXPECT_TRUE(c.isType(e)) << e.what();
        }
        EXPECT_EQ(raised, c.message != nullptr);
        EXPECT_FALSE(sd.ChangeSkinDataProcess);
        if (c.outcome == kUntouched) {
            EXPECT_FALSE(sd.Empty);
            EXPECT_EQ(sd.SkinName, L"Testskin");
            EXPECT_EQ(sd.FPicture.Width, 40);
            EXPECT_TRUE(log.messages.empty());
        } else {
            EXPECT_TRUE(sd.Empty);
            EXPECT_TRUE(sd.FPicture.Empty());
            EXPECT_TRUE(sd.FActivePictures.empty() && sd.ObjectList.empty() && sd.CtrlList.empty());
            EXPECT_EQ(log.messages, (std::vector<uint32_t>{SKINMSG_BEGIN_CHANGE, SKINMSG_CHANGED, SKINMSG_CHANGE_DONE}));
        }
    }
}

// Tests the stored skin's carriers: an empty skin writes no file, the "CompressedData" and
// "Skin" binary properties carry the zlib bytes and the whole file layout.
TEST(Package, StoredSkinCarriers)
{
    ScratchDir dir("pkg-carriers");
    TspCompressedStoredSkin empty(nullptr);
    empty.SaveToCompressFile(dir.File("none.skn"));
    EXPECT_FALSE(FileExists(dir.File("none.skn")));

    std::vector<uint8_t> zlib = test::Deflate(test::Body(2, {}, {}, test::MinimalDefinitionText()));
    TspCompressedSkinList list(nullptr);
    TspSkinListItem& item = *list.Skins().Add();
    EXPECT_EQ(item.Name, L"spSkin0");
    EXPECT_EQ(list.Skins().Add()->Name, L"spSkin1");
    item.SetSkinData(test::PackageFile(zlib));
    EXPECT_EQ(item.Skin().CompressedData(), zlib);
    EXPECT_EQ(item.SkinData(), test::PackageFile(zlib));

    TspCompressedSkinList copy(nullptr);
    copy.SetSkins(list.Skins());
    EXPECT_EQ(copy.Skins().Count(), 2);
    EXPECT_EQ(copy.Skins().Items(0)->Skin().CompressedData(), zlib);
    EXPECT_EQ(copy.Skins().Items(1)->Name, L"spSkin1");

    // Skin list selection: loading by index, ignoring indexes outside the list.
    Log log;
    TspSkinData sd(nullptr);
    sd.SetFormRegistry(&log);
    sd.SetSkinList(&copy);
    EXPECT_FALSE(sd.Empty);
    EXPECT_EQ(sd.SkinName, L"Tiny");
    log.messages.clear();
    sd.SetSkinIndex(0);
    sd.SetSkinIndex(7);
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(sd.SkinIndex(), 0);
    sd.SetSkinIndex(1);  // an empty stored skin: nothing happens
    EXPECT_TRUE(log.messages.empty());
    EXPECT_EQ(sd.SkinIndex(), 1);
}

// Tests that the container drops its references when the stored skin or list is freed.
TEST(Package, ReferencesClearWhenComponentsGo)
{
    TComponent owner(nullptr);
    auto* stored = new TspCompressedStoredSkin(&owner);
    auto* list = new TspCompressedSkinList(&owner);
    TspSkinData sd(nullptr);
    sd.SetCompressedStoredSkin(stored);
    sd.SetSkinList(list);
    delete stored;
    delete list;
    EXPECT_EQ(sd.CompressedStoredSkin(), nullptr);
    EXPECT_EQ(sd.SkinList(), nullptr);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

// Tests the default skin packed from its folder: the figures the application relies on, the
// lookups' letter case, and a definition that saves back to the same values after a reload.
TEST(Package, DefaultSkinPacksAndLoads)
{
    ScratchDir dir("pkg-default");
    std::string report;
    ASSERT_EQ(SkinpackPack(test::SourcePath("skins/zozaziz"), dir.File("zozaziz.skn"), report), 0) << report;
    TspSkinData sd(nullptr), again(nullptr);
    sd.LoadFromCompressedFile(dir.File("zozaziz.skn"));
    EXPECT_EQ(sd.FPicture.Width, 196);
    EXPECT_EQ(sd.FPicture.Height, 146);
    EXPECT_EQ(sd.FMask.Format, TPixelFormat::pf1bit);
    EXPECT_TRUE(sd.FInActivePicture.Empty());
    EXPECT_EQ(sd.FActivePictures.size(), 15u);
    EXPECT_EQ(sd.ObjectList.size(), 13u);
    EXPECT_EQ(sd.CtrlList.size(), 70u);
    EXPECT_TRUE(sd.AreaList.empty());
    EXPECT_EQ(sd.ClRect, Rect(2, 29, 194, 144));
    EXPECT_EQ(sd.BorderW, 2);
    EXPECT_EQ(sd.GetControlIndex(L"button"), 0);
    EXPECT_EQ(sd.GetControlIndex(L"Button"), -1);

    sd.SaveToCompressedFile(dir.File("again.skn"));
    again.LoadFromCompressedFile(dir.File("again.skn"));
    EXPECT_EQ(DefinitionValues(again), DefinitionValues(sd));
    EXPECT_EQ(again.FPicture, sd.FPicture);
    EXPECT_EQ(*again.FActivePictures[14], *sd.FActivePictures[14]);
}

} // namespace
} // namespace vt

namespace vt {
namespace {

std::string Hex(const std::vector<uint8_t>& bytes)
{
    static const char* digits = "0123456789ABCDEF";
    std::string s;
    for (uint8_t b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 15];
    }
    return s;
}

// Tests the components in a form description: "CompressedData" and a list item's "Skin" are read
// from their binary properties, and resolving the container's stored-skin reference loads the
// skin while the form is still loading.
TEST(Package, ComponentsLoadFromADescription)
{
    RegisterComponentClass<TspSkinData>();
    RegisterComponentClass<TspCompressedStoredSkin>();
    RegisterComponentClass<TspCompressedSkinList>();
    std::vector<uint8_t> zlib = test::Deflate(test::Body(2, {}, {}, test::MinimalDefinitionText()));
    std::string text = "object Form1: TComponent\n"
                       "  object spSkinData1: TspSkinData\n"
                       "    CompressedStoredSkin = spCompressedStoredSkin1\n"
                       "    SkinnableForm = False\n"
                       "    DlgListViewItemSkinDataName = 'list'\n"
                       "    SystemColorHooks = [spschHighLight, spschWindow]\n"
                       "  end\n"
                       "  object spCompressedStoredSkin1: TspCompressedStoredSkin\n"
                       "    CompressedFileName = 'Tiny.skn'\n"
                       "    CompressedData = {" + Hex(zlib) + "}\n"
                       "  end\n"
                       "  object spCompressedSkinList1: TspCompressedSkinList\n"
                       "    Skins = <\n"
                       "      item\n"
                       "        Name = 'first'\n"
                       "        Skin = {" + Hex(test::PackageFile(zlib)) + "}\n"
                       "      end>\n"
                       "  end\n"
                       "end\n";
    TComponent form(nullptr);
    LoadComponentTree(form, ParseFormDescription(text));
    auto* sd = dynamic_cast<TspSkinData*>(form.FindComponent(L"spSkinData1"));
    auto* stored = dynamic_cast<TspCompressedStoredSkin*>(form.FindComponent(L"spCompressedStoredSkin1"));
    auto* list = dynamic_cast<TspCompressedSkinList*>(form.FindComponent(L"spCompressedSkinList1"));
    ASSERT_TRUE(sd && stored && list);
    EXPECT_EQ(stored->CompressedData(), zlib);
    EXPECT_EQ(stored->CompressedFileName(), L"Tiny.skn");
    EXPECT_FALSE(sd->Empty);
    EXPECT_EQ(sd->SkinName, L"Tiny");
    EXPECT_FALSE(sd->SkinnableForm());
    EXPECT_EQ(sd->DlgListViewItemSkinDataName, L"list");
    EXPECT_EQ(sd->SystemColorHooks(), spschHighLight | spschWindow);
    ASSERT_EQ(list->Skins().Count(), 1);
    EXPECT_EQ(list->Skins().Items(0)->Name, L"first");
    EXPECT_EQ(list->Skins().Items(0)->Skin().CompressedData(), zlib);
}

} // namespace
} // namespace vt
