// The key lists of the skin records. Each record lists its keys once, in a Keys(v) template; the
// reader and the writer below walk that same list, so a record's reading and writing order cannot
// drift apart and every key's syntax and default is stated in one place.
#pragma once

#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "skin/skin_values.h"

#include <cstdint>

namespace vt {

enum TStdCommand : uint8_t {
    cmClose = 0, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray
};
enum TGaugeKind : uint8_t { gkHorizontal = 0, gkVertical };
enum TFramesPlacement : uint8_t { fpHorizontal = 0, fpVertical };
enum TRegulatorKind : uint8_t { rkRound = 0, rkHorizontal, rkVertical };

// The words of one record enumeration. Words[i] is written for value i; only the first Readable
// words are recognised when reading, any other word gives Fallback, a missing key gives Default.
struct TKeyWords {
    const wchar_t* const* Words;
    uint8_t Count;
    uint8_t Readable;
    uint8_t Fallback;
    uint8_t Default;
};

extern const TKeyWords kCommandWords;
extern const TKeyWords kGaugeKindWords;
extern const TKeyWords kFramesPlacementWords;
extern const TKeyWords kRegulatorKindWords;

// The four font keys most records carry, in their usual order and with their usual defaults.
template <class V>
void FontKeys(V& v, String& name, int32_t& height, TFontStyles& style, TColor& color)
{
    v.Str(L"fontname", name, L"Tahoma");
    v.Int(L"fontheight", height, 13);
    v.Styles(L"fontstyle", style);
    v.Color(L"fontcolor", color);
}

uint8_t ReadKeyWord(const TMemIniFile& f, std::wstring_view section, std::wstring_view key,
                    const TKeyWords& words);
void WriteKeyWord(TMemIniFile& f, std::wstring_view section, std::wstring_view key,
                  const TKeyWords& words, uint8_t value);

// Reads every listed key of one section; a missing key sets its field to the default.
class TKeyReader {
public:
    static constexpr bool Writing = false;
    TKeyReader(const TMemIniFile& f, std::wstring_view section) : f_(f), s_(section) {}

    void Str(const wchar_t* key, String& v, const wchar_t* def = L"")
    {
        v = f_.ReadString(s_, key, def);
    }
    void Int(const wchar_t* key, int32_t& v, int32_t def = 0) { v = f_.ReadInteger(s_, key, def); }
    void Color(const wchar_t* key, TColor& v, TColor def = 0) { v = f_.ReadInteger(s_, key, def); }
    void Bool(const wchar_t* key, bool& v) { v = ReadBoolean(f_, s_, key); }
    void Rect(const wchar_t* key, TRect& v) { v = ReadRect(f_, s_, key); }
    void Point(const wchar_t* key, TPoint& v) { v = ReadPoint(f_, s_, key); }
    void Styles(const wchar_t* key, TFontStyles& v) { v = ReadFontStyles(f_, s_, key); }
    void Align(const wchar_t* key, TAlignment& v) { v = ReadAlignment(f_, s_, key); }
    void Stretch(const wchar_t* key, TspStretchType& v) { v = ReadStretchType(f_, s_, key); }
    void Morph(const wchar_t* key, TMorphKind& v) { v = ReadMorphKind(f_, s_, key); }
    void Effect(const wchar_t* key, TspInActiveEffect& v) { v = ReadInActiveEffect(f_, s_, key); }
    template <class E> void Word(const wchar_t* key, E& v, const TKeyWords& words)
    {
        v = static_cast<E>(ReadKeyWord(f_, s_, key, words));
    }
    void Lines(const wchar_t* key, TStringList& v)
    {
        v.Clear();
        ReadLineStrings(f_, s_, key, v);
    }

private:
    const TMemIniFile& f_;
    std::wstring_view s_;
};

// Writes every listed key of one section in the writer forms of the value syntaxes.
class TKeyWriter {
public:
    static constexpr bool Writing = true;
    TKeyWriter(TMemIniFile& f, std::wstring_view section) : f_(f), s_(section) {}

    void Str(const wchar_t* key, const String& v, const wchar_t* = L"")
    {
        f_.WriteString(s_, key, v);
    }
    void Int(const wchar_t* key, int32_t v, int32_t = 0) { f_.WriteInteger(s_, key, v); }
    void Color(const wchar_t* key, TColor v, TColor = 0) { f_.WriteInteger(s_, key, v); }
    void Bool(const wchar_t* key, bool v) { WriteBoolean(f_, s_, key, v); }
    void Rect(const wchar_t* key, const TRect& v) { WriteRect(f_, s_, key, v); }
    void Point(const wchar_t* key, const TPoint& v) { WritePoint(f_, s_, key, v); }
    void Styles(const wchar_t* key, TFontStyles v) { WriteFontStyles(f_, s_, key, v); }
    void Align(const wchar_t* key, TAlignment v) { WriteAlignment(f_, s_, key, v); }
    void Stretch(const wchar_t* key, TspStretchType v) { WriteStretchType(f_, s_, key, v); }
    void Morph(const wchar_t* key, TMorphKind v) { WriteMorphKind(f_, s_, key, v); }
    void Effect(const wchar_t* key, TspInActiveEffect v) { WriteInActiveEffect(f_, s_, key, v); }
    template <class E> void Word(const wchar_t* key, E v, const TKeyWords& words)
    {
        WriteKeyWord(f_, s_, key, words, static_cast<uint8_t>(v));
    }
    void Lines(const wchar_t* key, const TStringList& v) { WriteLineStrings(f_, s_, key, v); }

private:
    TMemIniFile& f_;
    std::wstring_view s_;
};

// A record class whose reading and writing are its Keys list: class X : public
// TspKeyedRecord<X, Base> lists its keys in Keys(v) and gets LoadFromFile and SaveToFile over its
// IDName section. Reading ends with the nearest AfterLoad() in X's class line, for the rules that
// follow the keys. With ChangesFont, ChangeFont gives X's FontName the new name and adds the
// correction to its FontHeight. The members are defined in record_io.h, which the file holding
// X's Keys includes, instantiating TspKeyedRecord<X, Base> there.
template <class Self, class Base, bool ChangesFont = false> class TspKeyedRecord : public Base {
public:
    using Base::Base;
    void LoadFromFile(TMemIniFile& f) override;
    void SaveToFile(TMemIniFile& f) override;
    void ChangeFont(const String& fontName, int32_t heightCorrection) override;
};

// Reads a record's keys from its section (named by section, or by the record's IDName).
template <class R> void LoadRecordKeys(R& record, const TMemIniFile& f, std::wstring_view section)
{
    TKeyReader reader(f, section);
    record.Keys(reader);
}

// Erases the section, then writes the record's keys into it.
template <class R> void SaveRecordKeys(R& record, TMemIniFile& f, std::wstring_view section)
{
    f.EraseSection(section);
    TKeyWriter writer(f, section);
    record.Keys(writer);
}

} // namespace vt
