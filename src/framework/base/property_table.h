// Property tables for SetProperty: a class lists its description properties once, each row a
// name and a setter, and SetFromTable finds the row. Names and identifier values follow the one
// rule of the description format: letter case is ignored.
#pragma once

#include "framework/base/component.h"
#include "framework/base/exceptions.h"
#include "framework/base/form_reader.h"
#include "framework/base/strings.h"
#include "framework/base/types.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

// The description format's rule for property names and identifier values.
inline bool SameDescriptionName(std::wstring_view a, std::wstring_view b) { return SameText(a, b); }

template <class T> struct TPropertyRow {
    const wchar_t* Name;
    void (*Set)(T& target, const TPropValue& value);
};

// Sets the property name from its row; false when the table has no such row.
template <class T, size_t N>
bool SetFromTable(T& target, const TPropertyRow<T> (&rows)[N], std::wstring_view name,
                  const TPropValue& value)
{
    for (const TPropertyRow<T>& row : rows) {
        if (SameDescriptionName(name, row.Name)) {
            row.Set(target, value);
            return true;
        }
    }
    return false;
}

// The index of ident among names (an enumeration's identifiers in value order); raises
// EReadError for an identifier that is not there.
template <size_t N> int IdentIndex(std::wstring_view ident, const wchar_t* const (&names)[N])
{
    for (size_t i = 0; i < N; ++i)
        if (SameDescriptionName(ident, names[i]))
            return static_cast<int>(i);
    throw EReadError(L"Invalid property value");
}

// An alignment's identifier ("taLeftJustify", "taRightJustify", "taCenter").
inline TAlignment AlignmentFromIdent(std::wstring_view ident)
{
    static const wchar_t* const names[] = {L"taLeftJustify", L"taRightJustify", L"taCenter"};
    return static_cast<TAlignment>(IdentIndex(ident, names));
}

// A Byte property's value; raises EReadError outside 0..255.
inline uint8_t ByteValue(const TPropValue& value)
{
    const int32_t n = value.AsInteger();
    if (n < 0 || n > 255)
        throw EReadError(L"Invalid property value: " + std::to_wstring(n) + L" is not a byte");
    return static_cast<uint8_t>(n);
}

// An integer in low..high; a refused value from a description is a load error (the loader names
// the property).
inline int CheckedRange(const TPropValue& value, int low, int high)
{
    const int n = value.AsInteger();
    if (n < low || n > high)
        throw EReadError(L"Invalid property value: " + std::to_wstring(n));
    return n;
}

// A reference property's component as a T (null stays null); a component of another kind raises
// EReadError naming it and the kind needed ("a skin data container"); the loader adds the property.
template <class T> T* ReferenceOfKind(TComponent* value, const wchar_t* kind)
{
    auto* target = dynamic_cast<T*>(value);
    if (value && !target)
        throw EReadError(value->Name() + L" is not " + kind);
    return target;
}

} // namespace vt
