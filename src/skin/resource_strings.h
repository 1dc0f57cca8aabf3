// TspResourceStrData: the named texts (menu captions, button hints, dialog captions) that skinned
// elements look up by name, so an application can translate them.
#pragma once

#include "framework/base/component.h"
#include "framework/base/string_list.h"
#include "framework/base/types.h"

#include <cstdint>
#include <span>

namespace vt {

struct TResStrDefault {
    const wchar_t* Name;
    const wchar_t* Text;
};

// The 134 lines every new component starts with, in table order. Elements that find no
// component on their container use these texts as their own.
std::span<const TResStrDefault> DefaultResStrings();
// The built-in text of a name (letter case ignored), or empty.
String DefaultResStr(std::wstring_view resName);

class TspSkinData;

class TspResourceStrData : public TComponent {
    VT_CLASS_NAME(TspResourceStrData)
public:
    explicit TspResourceStrData(TComponent* owner);

    // Lines of the form name "=" text.
    const TStringList& ResStrings() const { return FResStrs; }
    void SetResStrings(const TStrings& value) { FResStrs.Assign(value); }
    TFontCharset CharSet() const { return FCharSet; }
    void SetCharSet(TFontCharset value) { FCharSet = value; }

    // The text of the first line whose name equals resName, letter case ignored; everything after
    // that line's first "=". Empty when no line has the name.
    String GetResStr(std::wstring_view resName) const;

    bool SetProperty(const String& name, const TPropValue& value) override;

private:
    TStringList FResStrs;
    TFontCharset FCharSet = kDefaultCharset;
};

// The text an element of the given container shows for a name: from the container's resource
// strings component when it has one (empty when that lacks the name), else the built-in text.
String SkinResStr(const TspSkinData* skinData, std::wstring_view resName);
// As SkinResStr, but a name the skin's strings lack or leave empty takes the built-in text: for
// captions and hints that must never show blank.
String SkinResStrOrDefault(const TspSkinData* skinData, std::wstring_view resName);

} // namespace vt
