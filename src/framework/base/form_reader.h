// The resource description of a form: a small text format of our own, and its parser.
//
//   object Form1: TForm1            // a component: name, class
//     Caption = 'Text ''quoted'''   // strings in single quotes; #13#10 adds characters by code
//     Left = 303                    // integers (also $1F), floats, identifiers (True, alClient,
//     BorderIcons = [biSystemMenu]  //   a component or a handler name), sets in [ ],
//     Lines = ('one' 'two')         //   lists in ( ), binary data as hex in { }
//     Data = { 0A1B 2C }
//     Items = <                     // a collection: its items in order
//       item
//         Caption = 'First'
//       end>
//     object Child: TSomething      // children nest; the nesting is the parent chain
//     end
//   end
//
// Text is UTF-8; "//" starts a comment that runs to the end of the line.
#pragma once

#include "framework/base/exceptions.h"
#include "framework/base/strings.h"

#include <any>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vt {

VT_DECLARE_EXCEPTION(EParserError, Exception);

struct TPropDesc;

enum class TValueKind : uint8_t {
    vkInteger,
    vkFloat,
    vkString,
    vkIdent,
    vkSet,
    vkBinary,
    vkList,
    vkCollection
};

struct TPropValue {
    TValueKind Kind = TValueKind::vkInteger;
    int64_t Int = 0;
    double Float = 0;
    String Str;                               // vkString text, vkIdent name
    std::vector<String> Set;                  // vkSet members
    std::vector<uint8_t> Bytes;               // vkBinary
    std::vector<TPropValue> List;             // vkList
    std::vector<std::vector<TPropDesc>> Items;  // vkCollection: each item's properties
    std::any Method;  // set by the loader when an identifier names a handler of the root

    // Typed reads; each raises EReadError ("Invalid property value") for the wrong kind.
    int32_t AsInteger() const;
    double AsFloat() const;
    bool AsBoolean() const;  // True / False
    const String& AsString() const;
    const String& AsIdent() const;
    const std::vector<uint8_t>& AsBinary() const;
    const std::vector<String>& AsSet() const;
    template <class F> F AsMethod() const
    {
        if (const F* f = std::any_cast<F>(&Method))
            return *f;
        throw EReadError(L"Invalid property value");
    }
};

struct TPropDesc {
    String Name;  // may be dotted: Font.Name
    TPropValue Value;
    int Line = 0;
};

struct TObjectDesc {
    String Name;
    String ClassName;
    std::vector<TPropDesc> Props;
    std::vector<TObjectDesc> Children;
    int Line = 0;
};

// Parses one top-level object; raises EParserError with the line number on malformed text.
TObjectDesc ParseFormDescription(std::string_view text);

} // namespace vt
