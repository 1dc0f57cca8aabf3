#include "framework/base/exceptions.h"
#include "skin/skin_inspect.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>

namespace vt {
namespace {

using test::ScratchDir;

bool Has(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }

// Bytes [from, to) of bytes as upper-case hex.
std::string Hex(const std::vector<uint8_t>& bytes, size_t from, size_t to)
{
    std::string out;
    for (size_t i = from; i < to; ++i) {
        char hex[3];
        std::snprintf(hex, sizeof hex, "%02X", bytes[i]);
        out += hex;
    }
    return out;
}

// Tests unpack: the definition comes out byte for byte and the pictures under their names, so
// packing the folder again gives the same package body.
TEST(Skinpack, UnpackThenPackKeepsTheBody)
{
    ScratchDir src("skp-src"), out("skp-out");
    test::WriteTestSkinFolder(src);
    std::string report;
    ASSERT_EQ(SkinpackPack(src.File("skin.ini"), src.File("a.skn"), report), 0);
    ASSERT_EQ(SkinpackUnpack(src.File("a.skn"), out.Path().wstring(), report), 0);
    EXPECT_EQ(ReadFileBytes(out.File("skin.ini")), ReadFileBytes(src.File("skin.ini")));
    ASSERT_EQ(SkinpackPack(out.Path().wstring(), out.File("b.skn"), report), 0);
    EXPECT_EQ(ReadFileBytes(out.File("b.skn")), ReadFileBytes(src.File("a.skn")));
}

// Tests embed: the placeholder line becomes the package's zlib stream in upper-case hex, 32 bytes
// a line at the placeholder's indentation, the rest of the form untouched; a form without the
// placeholder and a package the loader ignores are refused without writing anything.
TEST(Skinpack, EmbedWritesTheZlibStreamInPlaceOfThePlaceholder)
{
    ScratchDir dir("skp-embed");
    std::vector<uint8_t> zlib(40);
    for (size_t i = 0; i < zlib.size(); ++i)
        zlib[i] = static_cast<uint8_t>(0xA0 + i);
    std::vector<uint8_t> package = test::PackageFile(zlib);
    WriteFileBytes(dir.File("a.skn"), package.data(), package.size());
    const std::string form = "object X\n  Data = {\n    @DATA@\n  }\nend\n";
    WriteFileBytes(dir.File("form.vfd"), form.data(), form.size());
    std::string report;
    ASSERT_EQ(SkinpackEmbed(dir.File("a.skn"), dir.File("form.vfd"), L"@DATA@", dir.File("out.vfd"), report), 0);
    std::vector<uint8_t> out = ReadFileBytes(dir.File("out.vfd"));
    EXPECT_EQ(std::string(out.begin(), out.end()), "object X\n  Data = {\n    " + Hex(zlib, 0, 32) + "\n    " +
                                                       Hex(zlib, 32, 40) + "\n  }\nend\n");

    EXPECT_THROW(SkinpackEmbed(dir.File("a.skn"), dir.File("form.vfd"), L"@NONE@", dir.File("x.vfd"), report),
                 EReadError);
    std::vector<uint8_t> future = test::PackageFile(zlib, 4);
    WriteFileBytes(dir.File("b.skn"), future.data(), future.size());
    EXPECT_THROW(SkinpackEmbed(dir.File("b.skn"), dir.File("form.vfd"), L"@DATA@", dir.File("x.vfd"), report),
                 EReadError);
    EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.vfd"));
}

// Tests embed with raw files: each file's bytes go in place of its own placeholder at that
// placeholder's indentation, in the same pass as the skin. A missing file, a placeholder the form
// lacks or holds twice, and a placeholder given twice are refused without writing anything.
TEST(Skinpack, EmbedPutsEachFileInPlaceOfItsPlaceholder)
{
    ScratchDir dir("skp-embed-files");
    std::vector<uint8_t> package = test::PackageFile({0x78, 0xDA});
    WriteFileBytes(dir.File("a.skn"), package.data(), package.size());
    const uint8_t small[] = {0x00, 0x7F, 0xFF};
    WriteFileBytes(dir.File("small.png"), small, sizeof small);
    std::vector<uint8_t> big(33);
    for (size_t i = 0; i < big.size(); ++i)
        big[i] = static_cast<uint8_t>(i * 7);
    WriteFileBytes(dir.File("big.png"), big.data(), big.size());
    const std::string form = "object X\n  Skin = {\n    @SKIN@\n  }\n  A = {\n      @ICON1_PNG@\n  }\n"
                             "  B = {\n  @ICON10_PNG@\n  }\nend\n";
    WriteFileBytes(dir.File("form.vfd"), form.data(), form.size());
    std::string report;
    ASSERT_EQ(SkinpackEmbed(dir.File("a.skn"), dir.File("form.vfd"), L"@SKIN@", dir.File("out.vfd"), report,
                            {{L"@ICON10_PNG@", dir.File("big.png")}, {L"@ICON1_PNG@", dir.File("small.png")}}),
              0);
    std::vector<uint8_t> out = ReadFileBytes(dir.File("out.vfd"));
    EXPECT_EQ(std::string(out.begin(), out.end()),
              "object X\n  Skin = {\n    78DA\n  }\n  A = {\n      007FFF\n  }\n  B = {\n  " + Hex(big, 0, 32) +
                  "\n  " + Hex(big, 32, 33) + "\n  }\nend\n");
    EXPECT_TRUE(Has(report, "and 2 file(s)")) << report;

    const std::string twice = form + "@ICON1_PNG@\n";
    WriteFileBytes(dir.File("twice.vfd"), twice.data(), twice.size());
    struct Case {
        const char* What;
        std::wstring Form;
        std::vector<TEmbedFile> Files;
    };
    const Case refused[] = {
        {"missing file", dir.File("form.vfd"), {{L"@ICON1_PNG@", dir.File("none.png")}}},
        {"placeholder not in the form", dir.File("form.vfd"), {{L"@ICON2_PNG@", dir.File("small.png")}}},
        {"placeholder twice in the form", dir.File("twice.vfd"), {{L"@ICON1_PNG@", dir.File("small.png")}}},
        {"placeholder given twice", dir.File("form.vfd"),
         {{L"@ICON1_PNG@", dir.File("small.png")}, {L"@ICON1_PNG@", dir.File("big.png")}}},
        {"file on the skin's placeholder", dir.File("form.vfd"), {{L"@SKIN@", dir.File("small.png")}}},
        {"placeholders that overlap", dir.File("form.vfd"),
         {{L"@ICON1_PNG@", dir.File("small.png")}, {L"ICON1_PNG", dir.File("big.png")}}},
    };
    for (const Case& c : refused) {
        EXPECT_THROW(SkinpackEmbed(dir.File("a.skn"), c.Form, L"@SKIN@", dir.File("x.vfd"), report, c.Files),
                     Exception)
            << c.What;
        EXPECT_FALSE(std::filesystem::exists(dir.Path() / "x.vfd")) << c.What;
    }
    try {
        SkinpackEmbed(dir.File("a.skn"), dir.File("form.vfd"), L"@SKIN@", dir.File("x.vfd"), report,
                      {{L"@ICON1_PNG@", dir.File("none.png")}});
        ADD_FAILURE() << "accepted a missing file";
    } catch (const EFOpenError& e) {
        EXPECT_TRUE(Has(e.what(), "none.png")) << e.what();
    }

    // A placeholder that reads as hex is found where the form has it, not in bytes put in before.
    const std::string hexLike = "S = {\n  @SKIN@\n}\nF = {\n  DA\n}\n";
    WriteFileBytes(dir.File("hexlike.vfd"), hexLike.data(), hexLike.size());
    ASSERT_EQ(SkinpackEmbed(dir.File("a.skn"), dir.File("hexlike.vfd"), L"@SKIN@", dir.File("out.vfd"),
                            report, {{L"DA", dir.File("small.png")}}),
              0);
    out = ReadFileBytes(dir.File("out.vfd"));
    EXPECT_EQ(std::string(out.begin(), out.end()), "S = {\n  78DA\n}\nF = {\n  007FFF\n}\n");

    const TEmbedFile parsed = ParseEmbedFile(L"@ICON1_PNG@=icons/a=b.png");
    EXPECT_EQ(parsed.Placeholder, L"@ICON1_PNG@");
    EXPECT_EQ(parsed.Path, L"icons/a=b.png");
    for (const wchar_t* bad : {L"@ICON1_PNG@", L"=a.png", L"@ICON1_PNG@="})
        EXPECT_THROW(ParseEmbedFile(bad), EReadError) << WideToUtf8(bad);
}

// Tests info and dump on each kind of argument: package, folder, definition file.
TEST(Skinpack, InfoAndDumpDescribeTheSkin)
{
    ScratchDir dir("skp-info");
    test::WriteTestSkinFolder(dir);
    std::string packReport;
    ASSERT_EQ(SkinpackPack(dir.File("skin.ini"), dir.File("t.skn"), packReport), 0);
    for (const std::wstring& arg : {dir.File("t.skn"), dir.Path().wstring(), dir.File("skin.ini")}) {
        std::string info, dump;
        ASSERT_EQ(SkinpackInfo(arg, info), 0);
        EXPECT_TRUE(Has(info, "picture: 40 x 30, 24-bit (main.bmp)")) << info;
        EXPECT_TRUE(Has(info, "mask: 40 x 30, 1-bit (mask.bmp)")) << info;
        EXPECT_TRUE(Has(info, "active pictures: 2")) << info;
        EXPECT_TRUE(Has(info, "1 odd:nosuchtype  (unknown type: skipped)")) << info;
        EXPECT_TRUE(Has(info, "2 button:checkradio  (name used before")) << info;
        ASSERT_EQ(SkinpackDump(arg, dump), 0);
        EXPECT_TRUE(Has(dump, "[FORMINFO]\nlefttoppoint=10,29\n")) << dump;
        EXPECT_TRUE(Has(dump, "1=bar:mainmenubaritem")) << dump;
    }
    std::string info;
    ASSERT_EQ(SkinpackInfo(dir.File("t.skn"), info), 0);
    EXPECT_TRUE(Has(info, "file version 2")) << info;
    EXPECT_TRUE(Has(info, "body version 2")) << info;
}

// The test skin's definition with nothing for check to report.
std::wstring SoundDefinition()
{
    std::wstring clean = test::TestDefinition();
    clean.replace(clean.find(L"1=odd:nosuchtype\r\n"), 18, L"");
    clean.replace(clean.find(L"count=3\r\n0=item"), 7, L"count=2");
    clean.replace(clean.find(L"2=bar:"), 2, L"1=");
    clean.replace(clean.find(L"2,29,194,144"), 12, L"2,3,38,28");
    clean += L"[checkbox]\r\nskinrect=1,1,1,1\r\n";
    return clean;
}

std::wstring Replaced(std::wstring text, const std::wstring& from, const std::wstring& to)
{
    const size_t at = text.find(from);
    EXPECT_NE(at, std::wstring::npos) << WideToUtf8(from);
    return at == std::wstring::npos ? text : text.replace(at, from.size(), to);
}

// Tests check: the loader's own errors are errors, what it accepts but draws wrong are warnings,
// each line says which; only errors fail the check unless it is strict.
TEST(Skinpack, CheckReportsProblems)
{
    ScratchDir dir("skp-check");
    std::wstring def = test::TestDefinition();
    def.replace(def.find(L"bgpictureindex=1"), 16, L"bgpictureindex=9");
    test::WriteTestSkinFolder(dir, def);
    std::string out;
    EXPECT_EQ(SkinpackCheck(dir.Path().wstring(), out), 0) << out;
    EXPECT_TRUE(Has(out, "warning: [FORMINFO] bgpictureindex=9 names no active picture")) << out;
    EXPECT_TRUE(Has(out, "warning: [SKINOBJECTS] entry 1 \"odd:nosuchtype\" has an unknown type")) << out;
    EXPECT_TRUE(Has(out, "warning: [FORMINFO] clientrect lies outside the main picture")) << out;
    EXPECT_TRUE(Has(out, "0 error(s), 5 warning(s)")) << out;

    std::vector<uint8_t> junk = {2, 0, 0, 0, 50, 0, 0, 0, 1, 2, 3};
    WriteFileBytes(dir.File("junk.skn"), junk.data(), junk.size());
    out.clear();
    EXPECT_EQ(SkinpackCheck(dir.File("junk.skn"), out), 1);
    EXPECT_TRUE(Has(out, "error: load failed: Stream read error")) << out;
    out.clear();
    EXPECT_EQ(SkinpackCheck(dir.File("missing.skn"), out), 1);
    EXPECT_TRUE(Has(out, "error: Cannot open file")) << out;

    ScratchDir sound("skp-sound");
    test::WriteTestSkinFolder(sound, SoundDefinition());
    out.clear();
    EXPECT_EQ(SkinpackCheck(sound.Path().wstring(), out, true), 0) << out;
    EXPECT_TRUE(Has(out, "sound")) << out;
}

// Tests the exit status of check, plain and strict, over small broken skins: a skin that loads
// but looks wrong warns, one the loader refuses or loads empty is an error.
TEST(Skinpack, CheckFailsOnErrorsAndStrictlyOnWarnings)
{
    struct Case {
        const char* name;
        std::function<std::wstring(const ScratchDir&)> make;  // returns the skin to check
        const char* line;                                     // one line check must print
        int status, strictStatus;
    };
    const std::wstring sound = SoundDefinition();
    auto folder = [](const std::wstring& definition) {
        return [definition](const ScratchDir& d) { return test::WriteTestSkinFolder(d, definition); };
    };
    // A package whose body has the main picture and the definition text only.
    auto package = [](const std::string& text) {
        return [text](const ScratchDir& d) {
            const std::vector<uint8_t> file = test::PackageFile(test::Deflate(
                test::Body(2, test::BitmapBytes(test::MakePicture(40, 30, TPixelFormat::pf24bit)), {}, text)));
            WriteFileBytes(d.File("p.skn"), file.data(), file.size());
            return d.File("p.skn");
        };
    };
    std::string noFormInfo = test::MinimalDefinitionText();
    noFormInfo.erase(noFormInfo.find("[FORMINFO]"), noFormInfo.find("[SKINOBJECTS]") - noFormInfo.find("[FORMINFO]"));
    const Case cases[] = {
        {"sound", folder(sound), "sound", 0, 0},
        {"rectangle outside its picture",
         folder(Replaced(sound, L"[button]\r\nskinrect=9,9,9,9", L"[button]\r\npictureindex=0\r\nskinrect=2,1,20,5")),
         "warning: [button] skinrect=2,1,20,5 lies outside its picture (9 x 5, 32-bit)", 0, 1},
        {"hot look outside its picture",
         folder(Replaced(sound, L"[checkbox]\r\nskinrect=1,1,1,1",
                         L"[checkbox]\r\npictureindex=0\r\nskinrect=0,0,4,4\r\nactiveskinrect=5,0,10,4")),
         "warning: [checkbox] activeskinrect=5,0,10,4 lies outside its picture (9 x 5, 32-bit)", 0, 1},
        {"mask of another size",
         [&](const ScratchDir& d) {
             const std::wstring path = test::WriteTestSkinFolder(d, sound);
             SaveBitmapToFile(d.File("mask.bmp"), test::MakePicture(41, 30, TPixelFormat::pf1bit));
             return path;
         },
         "warning: the mask is 41 x 30, 1-bit but the main picture is 40 x 30, 24-bit", 0, 1},
        {"unknown type", folder(Replaced(sound, L"0=button:button", L"0=button:nosuchtype")),
         "warning: [SKINCONTROLS] entry 0 \"button:nosuchtype\" has an unknown type", 0, 1},
        {"package without [FORMINFO]", package(noFormInfo),
         "warning: missing section [FORMINFO]: the loader takes its defaults", 0, 1},
        {"folder without [FORMINFO]", folder(Replaced(sound, L"[FORMINFO]", L"[FORMINFO-GONE]")),
         "error: load failed: The definition has no [FORMINFO] section", 1, 1},
        {"unreadable package",
         [](const ScratchDir& d) {
             const std::vector<uint8_t> file = test::PackageFile({0x78, 0x9C, 0xFF, 0xFF, 0x00});
             WriteFileBytes(d.File("bad.skn"), file.data(), file.size());
             return d.File("bad.skn");
         },
         "error: load failed:", 1, 1},
        {"main picture file missing",
         [&](const ScratchDir& d) {
             const std::wstring path = test::WriteTestSkinFolder(d, sound);
             std::filesystem::remove(d.Path() / "main.bmp");
             return path;
         },
         "error: load failed:", 1, 1},
        {"no main picture named", folder(Replaced(sound, L"picture=main.bmp", L"picture=")),
         "error: the skin has no main picture", 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScratchDir dir("skp-check-table");
        const std::wstring skin = c.make(dir);
        std::string out, strictOut;
        EXPECT_EQ(SkinpackCheck(skin, out), c.status) << out;
        EXPECT_EQ(SkinpackCheck(skin, strictOut, true), c.strictStatus) << strictOut;
        EXPECT_TRUE(Has(out, c.line)) << out;
    }
}

// Tests the argument rules: a folder with several definitions, a package given to pack.
TEST(Skinpack, RejectsUnclearArguments)
{
    ScratchDir dir("skp-args");
    test::WriteTestSkinFolder(dir);
    std::string out;
    EXPECT_THROW(SkinpackUnpack(dir.File("skin.ini"), dir.File("x"), out), EReadError);
    std::filesystem::rename(dir.Path() / "skin.ini", dir.Path() / "a.ini");
    std::filesystem::copy_file(dir.Path() / "a.ini", dir.Path() / "b.ini");
    try {
        SkinpackInfo(dir.Path().wstring(), out);
        ADD_FAILURE() << "accepted a folder with two definitions";
    } catch (const EFOpenError& e) {
        EXPECT_TRUE(Has(e.what(), "several .ini files")) << e.what();
    }
}

} // namespace
} // namespace vt
