#include "framework/base/exceptions.h"
#include "skin/skin_values.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

TMemIniFile Ini(const std::wstring& text)
{
    TStringList lines;
    lines.SetText(text);
    TMemIniFile f;
    f.SetStrings(lines);
    return f;
}

// Tests the digit filter: blanks, signs, points and letters drop out; commas split fields.
TEST(SkinValues, StrToRectKeepsOnlyDigits)
{
    struct Case {
        const wchar_t* text;
        TRect rect;
    };
    const Case cases[] = {
        {L"2,29,194,144", {2, 29, 194, 144}}, {L"2, 29, 194, 144", {2, 29, 194, 144}},
        {L"-5,1.5,x7,0", {5, 15, 7, 0}},      {L"1,2,3,4,5", {1, 2, 3, 4}},
        {L"2147483647,0,0,0", {INT32_MAX, 0, 0, 0}}};
    for (const auto& c : cases)
        EXPECT_EQ(StrToRect(c.text), c.rect) << c.text;
    EXPECT_EQ(StrToPoint(L"-6,31"), Point(6, 31));
}

// Tests that a field without digits or above the 32-bit range raises the conversion error.
TEST(SkinValues, StrToRectRejectsFieldsWithoutDigits)
{
    for (const wchar_t* bad : {L"1,2", L"", L"1,,3,4", L"a,b,c,d", L"2147483648,0,0,0", L"1,2,3,"}) {
        try {
            StrToRect(bad);
            ADD_FAILURE() << "accepted " << WideToUtf8(bad);
        } catch (const EConvertError& e) {
            EXPECT_NE(e.Message().find(L"is not a valid integer value"), std::wstring::npos);
        }
    }
    EXPECT_THROW(StrToPoint(L"7"), EConvertError);
}

// Tests reading through the INI: defaults for missing keys and the trimmed blanks around "=".
TEST(SkinValues, ReadsRectsPointsAndBooleans)
{
    TMemIniFile f = Ini(L"[s]\r\nclientrect = 2, 29, 194, 144\r\np=-6,31\r\nb1=1\r\nb2=true\r\nb3=0x1\r\n"
                        L"b4=2\r\nempty=\r\n");
    EXPECT_EQ(ReadRect(f, L"s", L"clientrect"), Rect(2, 29, 194, 144));
    EXPECT_EQ(ReadRect(f, L"s", L"missing"), TRect{});
    EXPECT_EQ(ReadPoint(f, L"s", L"p"), Point(6, 31));
    EXPECT_EQ(ReadPoint(f, L"s", L"missing"), TPoint{});
    EXPECT_THROW(ReadRect(f, L"s", L"empty"), EConvertError);
    EXPECT_TRUE(ReadBoolean(f, L"s", L"b1"));
    EXPECT_FALSE(ReadBoolean(f, L"s", L"b2"));
    EXPECT_TRUE(ReadBoolean(f, L"s", L"b3"));
    EXPECT_FALSE(ReadBoolean(f, L"s", L"b4"));
    EXPECT_FALSE(ReadBoolean(f, L"s", L"missing"));
}

// Tests the enumerations: exact lower-case words, the fallback for other words (not the default)
// and the default for a missing key.
TEST(SkinValues, EnumerationWordsAndFallbacks)
{
    TMemIniFile f = Ini(L"[s]\r\nst1=stvert\r\nst2=stfoo\r\nst3=stfull\r\nal1=TACENTER\r\nal2=taleftjustify\r\n"
                        L"al3=tacenter\r\nie1=IEGRAYSCALE\r\nie2=ieinvert\r\nie3=nothing\r\nmk1=mkpush\r\n"
                        L"mk2=mkPush\r\n");
    EXPECT_EQ(ReadStretchType(f, L"s", L"st1"), spstVert);
    EXPECT_EQ(ReadStretchType(f, L"s", L"st2"), spstHorz);
    EXPECT_EQ(ReadStretchType(f, L"s", L"st3"), spstFull);
    EXPECT_EQ(ReadStretchType(f, L"s", L"missing"), spstFull);
    EXPECT_EQ(ReadAlignment(f, L"s", L"al1"), taRightJustify);
    EXPECT_EQ(ReadAlignment(f, L"s", L"al2"), taLeftJustify);
    EXPECT_EQ(ReadAlignment(f, L"s", L"al3"), taCenter);
    EXPECT_EQ(ReadAlignment(f, L"s", L"missing"), taCenter);
    EXPECT_EQ(ReadInActiveEffect(f, L"s", L"ie1"), ieGrayScale);
    EXPECT_EQ(ReadInActiveEffect(f, L"s", L"ie2"), ieInvert);
    EXPECT_EQ(ReadInActiveEffect(f, L"s", L"ie3"), ieGrayScale);
    EXPECT_EQ(ReadInActiveEffect(f, L"s", L"missing"), ieBrightness);
    EXPECT_EQ(ReadMorphKind(f, L"s", L"mk1"), mkPush);
    EXPECT_EQ(ReadMorphKind(f, L"s", L"mk2"), mkDefault);
}

// Tests that every value written by a codec reads back to itself, and the writer forms.
TEST(SkinValues, WritersRoundTrip)
{
    TMemIniFile f;
    WriteRect(f, L"s", L"r", Rect(1, 2, 3, 4));
    WritePoint(f, L"s", L"p", Point(5, 6));
    WriteBoolean(f, L"s", L"b", true);
    WriteFontStyles(f, L"s", L"fs", fsBold | fsUnderline);
    for (int i = 0; i < 3; ++i)
        WriteAlignment(f, L"s", L"a" + IntToStr(i), static_cast<TAlignment>(i));
    for (int i = 0; i < 3; ++i)
        WriteStretchType(f, L"s", L"t" + IntToStr(i), static_cast<TspStretchType>(i));
    for (int i = 0; i < 7; ++i)
        WriteMorphKind(f, L"s", L"m" + IntToStr(i), static_cast<TMorphKind>(i));
    for (int i = 0; i < 6; ++i)
        WriteInActiveEffect(f, L"s", L"e" + IntToStr(i), static_cast<TspInActiveEffect>(i));
    EXPECT_EQ(f.ReadString(L"s", L"r", L""), L"1,2,3,4");
    EXPECT_EQ(f.ReadString(L"s", L"fs", L""), L"fsbold,fsunderline");
    EXPECT_EQ(f.ReadString(L"s", L"t1", L""), L"sthorz");
    EXPECT_EQ(ReadRect(f, L"s", L"r"), Rect(1, 2, 3, 4));
    EXPECT_EQ(ReadPoint(f, L"s", L"p"), Point(5, 6));
    EXPECT_TRUE(ReadBoolean(f, L"s", L"b"));
    EXPECT_EQ(ReadFontStyles(f, L"s", L"fs"), fsBold | fsUnderline);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadAlignment(f, L"s", L"a" + IntToStr(i)), i);
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(ReadStretchType(f, L"s", L"t" + IntToStr(i)), i);
    for (int i = 0; i < 7; ++i)
        EXPECT_EQ(ReadMorphKind(f, L"s", L"m" + IntToStr(i)), i);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadInActiveEffect(f, L"s", L"e" + IntToStr(i)), i);
    // A negative coordinate does not survive: the digit filter drops its sign.
    WriteRect(f, L"s", L"neg", Rect(-1, 0, 0, 0));
    EXPECT_EQ(ReadRect(f, L"s", L"neg"), Rect(1, 0, 0, 0));
}

// Tests the font style substrings: case-sensitive, anywhere in the text.
TEST(SkinValues, FontStylesAreSubstrings)
{
    TMemIniFile f = Ini(L"[s]\r\na=fsbold,fsitalic\r\nb=FsBold,fsItalic\r\nc=xxfsstrikeoutyy\r\n");
    EXPECT_EQ(ReadFontStyles(f, L"s", L"a"), fsBold | fsItalic);
    EXPECT_EQ(ReadFontStyles(f, L"s", L"b"), 0);
    EXPECT_EQ(ReadFontStyles(f, L"s", L"c"), fsStrikeOut);
}

// Tests both list forms, including a count larger than the section can hold.
TEST(SkinValues, StringLists)
{
    TMemIniFile f = Ini(L"[p]\r\nactivepicturescount=3\r\n0=a.bmp\r\n2=c.bmp\r\n"
                        L"[q]\r\nlineslinecount=2\r\nlinesline0=x\r\nlinesline1=y\r\n"
                        L"[huge]\r\nitemscount=2000000000\r\n0=only\r\n");
    TStringList l;
    ReadStrings(f, L"p", L"activepictures", l);
    EXPECT_EQ(l.Text(), L"a.bmp\r\n\r\nc.bmp\r\n");
    TStringList m;
    ReadLineStrings(f, L"q", L"lines", m);
    EXPECT_EQ(m.Text(), L"x\r\ny\r\n");
    TStringList h;
    ReadStrings(f, L"huge", L"items", h);
    EXPECT_EQ(h.Count(), 2);

    TMemIniFile g;
    WriteStrings(g, L"p", L"activepictures", l);
    WriteLineStrings(g, L"q", L"lines", m);
    TStringList l2, m2;
    ReadStrings(g, L"p", L"activepictures", l2);
    ReadLineStrings(g, L"q", L"lines", m2);
    EXPECT_EQ(l2.Items(), l.Items());
    EXPECT_EQ(m2.Items(), m.Items());
}

} // namespace
} // namespace vt
