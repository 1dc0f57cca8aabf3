#include "framework/base/exceptions.h"
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"

#include <gtest/gtest.h>

#include "support.h"

namespace vt {
namespace {

TMemIniFile IniFromText(const std::wstring& text)
{
    TStringList lines;
    lines.SetText(text);
    TMemIniFile f;
    f.SetStrings(lines);
    return f;
}

// Tests that lines split on CR LF, LF and CR alike and that a final break adds no empty line.
TEST(StringList, SplitsOnEveryLineEnding)
{
    TStringList l;
    l.SetText(L"a\r\nb\nc\rd\r\n\r\ne");
    ASSERT_EQ(l.Count(), 6);
    EXPECT_EQ(l[3], L"d");
    EXPECT_EQ(l[4], L"");
    EXPECT_EQ(l.Text(), L"a\r\nb\r\nc\r\nd\r\n\r\ne\r\n");
    EXPECT_THROW(l[6], EListError);
}

// Tests that each byte-order mark selects its encoding, that text without one is read in the
// ANSI page, and that saving reproduces the encoding and the mark.
TEST(StringList, DetectsAndKeepsEncoding)
{
    struct Case {
        std::vector<uint8_t> bytes;
        TTextEncoding encoding;
        bool bom;
    };
    const Case cases[] = {
        {{0xEF, 0xBB, 0xBF, 'k', '=', 0xC3, 0xA9, '\r', '\n'}, TTextEncoding::teUtf8, true},
        {{0xFF, 0xFE, 'k', 0, '=', 0, 0xE9, 0, '\r', 0, '\n', 0}, TTextEncoding::teUtf16LE, true},
        {{0xFE, 0xFF, 0, 'k', 0, '=', 0, 0xE9, 0, '\r', 0, '\n'}, TTextEncoding::teUtf16BE, true},
        {{'k', '=', 0xE9, '\r', '\n'}, TTextEncoding::teAnsi, false},
    };
    for (const auto& c : cases) {
        TStringList l;
        l.LoadFromBytes(c.bytes.data(), c.bytes.size());
        ASSERT_EQ(l.Count(), 1);
        EXPECT_EQ(l[0], L"k=\u00E9");
        EXPECT_EQ(l.Encoding(), c.encoding);
        EXPECT_EQ(l.WriteBOM(), c.bom);
        EXPECT_EQ(l.SaveToBytes(), c.bytes);
    }
}

// Tests that text the ANSI page cannot hold is saved as UTF-8 with a mark instead of losing
// characters, while text it can hold stays single-byte without a mark.
TEST(StringList, KeepsCharactersOutsideTheAnsiPage)
{
    TStringList l;
    l.Add(L"skinname=\u00C9t\u00E9 \u20AC");
    std::vector<uint8_t> ansi = l.SaveToBytes();
    EXPECT_EQ(ansi, (std::vector<uint8_t>{'s', 'k', 'i', 'n', 'n', 'a', 'm', 'e', '=', 0xC9, 't', 0xE9, ' ', 0x80, '\r', '\n'}));
    l.Add(L"author=\u0416\u4E2D");
    std::vector<uint8_t> bytes = l.SaveToBytes();
    ASSERT_GE(bytes.size(), 3u);
    EXPECT_EQ(bytes[0], 0xEF);
    TStringList back;
    back.LoadFromBytes(bytes.data(), bytes.size());
    EXPECT_EQ(back.Items(), l.Items());
}

// Tests the reader's rules: trimming, comments, lines before the first section, the first of two
// sections and keys winning, names without letter case, keys without "=".
TEST(MemIniFile, ParsesByTheDefinitionRules)
{
    TMemIniFile f = IniFromText(L"orphan=1\r\n"
                                L"  [Forminfo]  \r\n"
                                L"; comment=1\r\n"
                                L"\tclientrect =  2, 29,194 ,144 \r\n"
                                L"Key=first\r\n"
                                L"key=second\r\n"
                                L"novalue\r\n"
                                L"empty=\r\n"
                                L"[FORMINFO]\r\n"
                                L"later=1\r\n"
                                L"[ other ]\r\n"
                                L"a=b=c\r\n");
    EXPECT_FALSE(f.ValueExists(L"", L"orphan"));
    EXPECT_EQ(f.ReadString(L"forminfo", L"CLIENTRECT", L""), L"2, 29,194 ,144");
    EXPECT_EQ(f.ReadString(L"FORMINFO", L"key", L""), L"first");
    EXPECT_EQ(f.ReadString(L"FORMINFO", L"novalue", L"def"), L"def");
    EXPECT_FALSE(f.ValueExists(L"FORMINFO", L"novalue"));
    EXPECT_EQ(f.ReadString(L"FORMINFO", L"empty", L"def"), L"");
    EXPECT_FALSE(f.ValueExists(L"FORMINFO", L"later"));
    EXPECT_EQ(f.ReadString(L"other", L"a", L""), L"b=c");
    EXPECT_FALSE(f.ValueExists(L"FORMINFO", L"comment"));
}

// Tests integer reading: decimal, "$" and "0x" hexadecimal, and the default for anything else.
TEST(MemIniFile, ReadsIntegers)
{
    TMemIniFile f = IniFromText(L"[s]\r\na=15\r\nb=0x1F\r\nc=$10\r\nd=0x\r\ne=true\r\nf=-3\r\ng=99999999999\r\n");
    const std::pair<const wchar_t*, int32_t> cases[] = {{L"a", 15}, {L"b", 31}, {L"c", 16}, {L"d", -7},
                                                        {L"e", -7}, {L"f", -3}, {L"g", -7}, {L"missing", -7}};
    for (const auto& [key, value] : cases)
        EXPECT_EQ(f.ReadInteger(L"s", key, -7), value) << key;
}

// Tests writing: a new key appends, an existing one (any letter case) is replaced, erased
// sections vanish, and the document survives a trip through a file.
TEST(MemIniFile, WritesEraseAndSaves)
{
    test::ScratchDir dir("ini-write");
    TMemIniFile f(dir.File("x.ini"));
    f.WriteString(L"A", L"k", L"1");
    f.WriteInteger(L"a", L"K", 2);
    f.WriteBool(L"B", L"flag", true);
    f.WriteString(L"C", L"gone", L"x");
    f.EraseSection(L"c");
    f.UpdateFile();
    TMemIniFile g(dir.File("x.ini"));
    EXPECT_EQ(g.ReadInteger(L"A", L"k", 0), 2);
    EXPECT_TRUE(g.ReadBool(L"B", L"flag", false));
    EXPECT_FALSE(g.SectionExists(L"C"));
    TStringList lines;
    g.GetStrings(lines);
    EXPECT_EQ(lines.Text(), L"[A]\r\nk=2\r\n\r\n[B]\r\nflag=1\r\n");
}

} // namespace
} // namespace vt
