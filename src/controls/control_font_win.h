// The font a skinned control draws its caption in: the record's name, height and style when it
// uses the skin font, else its default font; the character set from the container's resource
// strings when it has them, else the default font's.
#pragma once

#include "framework/base/strings.h"
#include "framework/win/canvas.h"

#include <string>

namespace vt {

class TspSkinData;

struct TRecordFont {
    const std::wstring* Name = nullptr;  // null: no record (the default font)
    int Height = 0;
    TFontStyles Style = 0;
};

void AssignControlFont(TFont& out, const TFont& defaultFont, const TspSkinData* sd, const TRecordFont& record,
                       bool useSkinFont);

struct TPropValue;
// Sets a "DefaultFont.*" description property (name, height, colour, style, character set) on
// font; false for any other name.
bool SetDefaultFontProperty(TFont& font, const String& name, const TPropValue& value);

} // namespace vt
