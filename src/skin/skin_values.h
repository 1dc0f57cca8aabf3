// Value syntaxes of the skin definition: each codec reads or writes one key of one section.
#pragma once

#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "framework/base/types.h"
#include "raster/compose.h"  // TspStretchType

#include <cstdint>

namespace vt {

enum TMorphKind : uint8_t {
    mkDefault = 0, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush
};
enum TspInActiveEffect : uint8_t {
    ieBrightness = 0, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert
};

// Digits only: every character other than "0".."9" and "," is dropped, so "-5" reads as 5. A
// field without digits or above 2,147,483,647 raises EConvertError. Fields past the fourth (the
// second for a point) are ignored.
TRect StrToRect(std::wstring_view s);
TPoint StrToPoint(std::wstring_view s);
String RectToStr(const TRect& r);
String PointToStr(const TPoint& p);

TRect ReadRect(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteRect(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TRect& r);
TPoint ReadPoint(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WritePoint(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TPoint& p);
bool ReadBoolean(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteBoolean(TMemIniFile& f, std::wstring_view section, std::wstring_view key, bool v);
TFontStyles ReadFontStyles(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteFontStyles(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TFontStyles v);
TAlignment ReadAlignment(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteAlignment(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TAlignment v);
TspStretchType ReadStretchType(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteStretchType(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TspStretchType v);
TMorphKind ReadMorphKind(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteMorphKind(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TMorphKind v);
TspInActiveEffect ReadInActiveEffect(const TMemIniFile& f, std::wstring_view section, std::wstring_view key);
void WriteInActiveEffect(TMemIniFile& f, std::wstring_view section, std::wstring_view key, TspInActiveEffect v);
// Counted list: n under key + "count", items under "0".."n-1". Appends to list.
void ReadStrings(const TMemIniFile& f, std::wstring_view section, std::wstring_view key, TStrings& list);
void WriteStrings(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TStrings& list);
// Line list: n under key + "linecount", item i under key + "line" + i. Appends to list.
void ReadLineStrings(const TMemIniFile& f, std::wstring_view section, std::wstring_view key, TStrings& list);
void WriteLineStrings(TMemIniFile& f, std::wstring_view section, std::wstring_view key, const TStrings& list);

} // namespace vt
