#include "skin/skin_values.h"

#include "framework/base/exceptions.h"

#include <algorithm>
#include <array>

namespace vt {

namespace {

int32_t FieldToInt(const String& field)
{
    int64_t v = 0;
    for (wchar_t c : field) {
        v = v * 10 + (c - L'0');
        if (v > INT32_MAX)
            break;
    }
    if (field.empty() || v > INT32_MAX)
        throw EConvertError(L"'" + field + L"' is not a valid integer value");
    return static_cast<int32_t>(v);
}

template <size_t N> std::array<int32_t, N> ParseFields(std::wstring_view s)
{
    std::array<int32_t, N> out{};
    String field;
    size_t n = 0;
    auto close = [&] {
        if (n < N)
            out[n] = FieldToInt(field);
        ++n;
        field.clear();
    };
    for (wchar_t c : s) {
        if (c == L',')
            close();
        else if (c >= L'0' && c <= L'9')
            field += c;
    }
    close();
    if (n < N)
        FieldToInt(String());  // too few fields: the missing one has no digits
    return out;
}

constexpr const wchar_t* kMorphWords[] = {L"mkdefault", L"mkgradient", L"mkleftgradient",
                                          L"mkrightgradient", L"mkleftslide", L"mkrightslide",
                                          L"mkpush"};
constexpr const wchar_t* kEffectWords[] = {L"iebrightness", L"iedarkness", L"iegrayscale",
                                           L"ienoise", L"iesplitblur", L"ieinvert"};

} // namespace

TRect StrToRect(std::wstring_view s)
{
    auto f = ParseFields<4>(s);
    return {f[0], f[1], f[2], f[3]};
}

TPoint StrToPoint(std::wstring_view s)
{
    auto f = ParseFields<2>(s);
    return {f[0], f[1]};
}

String RectToStr(const TRect& r)
{
    return IntToStr(r.Left) + L"," + IntToStr(r.Top) + L"," + IntToStr(r.Right) + L"," + IntToStr(r.Bottom);
}

String PointToStr(const TPoint& p) { return IntToStr(p.X) + L"," + IntToStr(p.Y); }

TRect ReadRect(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    return StrToRect(f.ReadString(section, key, L"0,0,0,0"));
}

void WriteRect(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TRect& r)
{
    f.WriteString(section, key, RectToStr(r));
}

TPoint ReadPoint(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    return StrToPoint(f.ReadString(section, key, L"0,0"));
}

void WritePoint(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TPoint& p)
{
    f.WriteString(section, key, PointToStr(p));
}

bool ReadBoolean(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    return f.ReadInteger(section, key, 0) == 1;
}

void WriteBoolean(TMemIniFile& f, std::wstring_view section, std::wstring_view key, bool v)
{
    f.WriteInteger(section, key, v ? 1 : 0);
}

TFontStyles ReadFontStyles(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    String s = f.ReadString(section, key, L"");
    TFontStyles r = 0;
    if (s.find(L"fsbold") != String::npos)
        r |= fsBold;
    if (s.find(L"fsitalic") != String::npos)
        r |= fsItalic;
    if (s.find(L"fsunderline") != String::npos)
        r |= fsUnderline;
    if (s.find(L"fsstrikeout") != String::npos)
        r |= fsStrikeOut;
    return r;
}

void WriteFontStyles(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TFontStyles v)
{
    String s;
    auto add = [&](TFontStyle style, const wchar_t* word) {
        if (v & style)
            s += (s.empty() ? L"" : L",") + String(word);
    };
    add(fsBold, L"fsbold");
    add(fsItalic, L"fsitalic");
    add(fsUnderline, L"fsunderline");
    add(fsStrikeOut, L"fsstrikeout");
    f.WriteString(section, key, s);
}

TAlignment ReadAlignment(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    String s = f.ReadString(section, key, L"tacenter");
    if (s == L"tacenter")
        return taCenter;
    if (s == L"taleftjustify")
        return taLeftJustify;
    return taRightJustify;
}

void WriteAlignment(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TAlignment v)
{
    f.WriteString(section, key, v == taCenter ? L"tacenter" : v == taLeftJustify ? L"taleftjustify" : L"tarightjustify");
}

TspStretchType ReadStretchType(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    String s = f.ReadString(section, key, L"stfull");
    if (s == L"stfull")
        return spstFull;
    if (s == L"stvert")
        return spstVert;
    return spstHorz;
}

void WriteStretchType(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TspStretchType v)
{
    f.WriteString(section, key, v == spstFull ? L"stfull" : v == spstVert ? L"stvert" : L"sthorz");
}

TMorphKind ReadMorphKind(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    String s = f.ReadString(section, key, L"mkdefault");
    for (size_t i = 0; i < std::size(kMorphWords); ++i)
        if (s == kMorphWords[i])
            return static_cast<TMorphKind>(i);
    return mkDefault;
}

void WriteMorphKind(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TMorphKind v)
{
    f.WriteString(section, key, kMorphWords[v < std::size(kMorphWords) ? v : 0]);
}

TspInActiveEffect ReadInActiveEffect(const TMemIniFile& f, std::wstring_view section, std::wstring_view key)
{
    String s = f.ReadString(section, key, L"iebrightness");
    for (size_t i = 0; i < std::size(kEffectWords); ++i)
        if (s == kEffectWords[i])
            return static_cast<TspInActiveEffect>(i);
    return ieGrayScale;
}

void WriteInActiveEffect(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TspInActiveEffect v)
{
    f.WriteString(section, key, kEffectWords[v < std::size(kEffectWords) ? v : 0]);
}

void ReadStrings(const TMemIniFile& f, std::wstring_view section, std::wstring_view key, TStrings& list)
{
    // The section cannot hold more items than it has keys; a larger count only names empty
    // items, so it is cut there rather than trusted for a huge loop.
    int32_t n = std::min(f.ReadInteger(section, String(key) + L"count", 0), f.SectionKeyCount(section));
    for (int32_t i = 0; i < n; ++i)
        list.Add(f.ReadString(section, IntToStr(i), L""));
}

void WriteStrings(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TStrings& list)
{
    f.WriteInteger(section, String(key) + L"count", list.Count());
    for (int i = 0; i < list.Count(); ++i)
        f.WriteString(section, IntToStr(i), list[i]);
}

void ReadLineStrings(const TMemIniFile& f, std::wstring_view section, std::wstring_view key, TStrings& list)
{
    int32_t n = std::min(f.ReadInteger(section, String(key) + L"linecount", 0), f.SectionKeyCount(section));
    for (int32_t i = 0; i < n; ++i)
        list.Add(f.ReadString(section, String(key) + L"line" + IntToStr(i), L""));
}

void WriteLineStrings(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TStrings& list)
{
    f.WriteInteger(section, String(key) + L"linecount", list.Count());
    for (int i = 0; i < list.Count(); ++i)
        f.WriteString(section, String(key) + L"line" + IntToStr(i), list[i]);
}

} // namespace vt
