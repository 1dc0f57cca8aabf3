#include "framework/base/exceptions.h"
#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// Tests that Round takes half to the even neighbour and Trunc goes towards zero.
TEST(Rounding, HalfToEvenAndTruncation)
{
    struct Case { double v; int32_t round; int32_t trunc; };
    const Case cases[] = {{0.5, 0, 0}, {1.5, 2, 1}, {2.5, 2, 2}, {3.5, 4, 3}, {-0.5, 0, 0},
                          {-1.5, -2, -1}, {-2.5, -2, -2}, {2.4999, 2, 2}, {-2.6, -3, -2}};
    for (const auto& c : cases) {
        EXPECT_EQ(Round(c.v), c.round) << c.v;
        EXPECT_EQ(Trunc(c.v), c.trunc) << c.v;
    }
}

// Tests integer parsing: decimal, "$" and "0x" hexadecimal, signs, range and junk.
TEST(Strings, StrToIntDefAcceptsDecimalAndHex)
{
    struct Case { const wchar_t* text; int32_t expected; };
    const Case cases[] = {{L"42", 42}, {L"-7", -7}, {L"+9", 9}, {L"$1F", 31}, {L"0x1f", 31},
                          {L"$FFFFFFFF", -1}, {L"2147483647", 2147483647},
                          {L"-2147483648", INT32_MIN}, {L"2147483648", -99}, {L"", -99},
                          {L"12a", -99}, {L"$", -99}, {L"1 2", -99}, {L"$100000000", -99}};
    for (const auto& c : cases)
        EXPECT_EQ(StrToIntDef(c.text, -99), c.expected) << WideToUtf8(c.text);
    EXPECT_THROW(StrToInt(L"x"), EConvertError);
}

// Tests that text survives the UTF-8 and code-page round trips and bad bytes become U+FFFD.
TEST(Strings, EncodingRoundTrips)
{
    const std::wstring text = L"Gr\u00fc\u00dfe \u20ac \u4e2d";
    EXPECT_EQ(Utf8ToWide(WideToUtf8(text)), text);
    EXPECT_EQ(AnsiToWide("\x80 \xe9"), L"\u20ac \u00e9");
    EXPECT_EQ(WideToAnsi(L"\u20ac\u00e9\u4e2d"), "\x80\xe9?");
    EXPECT_EQ(Utf8ToWide("a\xffz\xc3"), L"a\ufffdz\ufffd");
    EXPECT_EQ(Utf8ToWide("\xed\xa0\x80"), L"\ufffd\ufffd\ufffd");  // an encoded surrogate
}

// Tests that the accelerator is the character after a single "&", in any letter case, and that
// "&&" is a literal ampersand.
TEST(Strings, AcceleratorIsTheCharacterAfterAmpersand)
{
    struct Case {
        wchar_t ch;
        const wchar_t* caption;
        bool accel;
    };
    const Case cases[] = {
        {L'm', L"E&mlor", true},    {L'M', L"E&mlor", true},   {L'e', L"E&mlor", false},
        {L'&', L"A && B", false},   {L'b', L"A && &B", true},  {L'a', L"No accel", false},
        {L'x', L"Trailing &", false}, {L'&', L"&&", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsAccel(c.ch, c.caption), c.accel) << c.caption << " " << char(c.ch);
}

// Tests the file-name helpers with both separators.
TEST(Strings, FileNameParts)
{
    EXPECT_EQ(ExtractFilePath(L"C:\\skins\\a.skn"), L"C:\\skins\\");
    EXPECT_EQ(ExtractFileName(L"/x/y/b.skn"), L"b.skn");
    EXPECT_EQ(ExtractFileExt(L"dir.d/name"), L"");
    EXPECT_EQ(ExtractFileExt(L"a.tar.skn"), L".skn");
    EXPECT_EQ(ChangeFileExt(L"a/b.ini", L".bmp"), L"a/b.bmp");
    EXPECT_TRUE(SameText(L"SkinControls", L"SKINCONTROLS"));
    EXPECT_FALSE(SameText(L"abc", L"abcd"));
}

} // namespace
} // namespace vt
