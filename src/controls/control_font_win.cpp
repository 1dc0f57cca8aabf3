#include "controls/control_font_win.h"

#include "framework/base/property_table.h"
#include "framework/win/controls.h"
#include "skin/resource_strings.h"
#include "skin/skin_data.h"

namespace vt {

void AssignControlFont(TFont& out, const TFont& defaultFont, const TspSkinData* sd, const TRecordFont& record,
                       bool useSkinFont)
{
    out.Assign(defaultFont);
    if (record.Name && useSkinFont) {
        out.SetName(*record.Name);
        out.SetHeight(record.Height);
        out.SetStyle(record.Style);
    }
    if (const auto* strings = sd ? dynamic_cast<const TspResourceStrData*>(sd->ResourceStrData()) : nullptr)
        out.SetCharset(strings->CharSet());
}

bool SetDefaultFontProperty(TFont& font, const String& name, const TPropValue& value)
{
    using Row = TPropertyRow<TFont>;
    static const Row rows[] = {
        {L"DefaultFont.Name", [](TFont& f, const TPropValue& v) { f.SetName(v.AsString()); }},
        {L"DefaultFont.Height", [](TFont& f, const TPropValue& v) { f.SetHeight(v.AsInteger()); }},
        {L"DefaultFont.Color", [](TFont& f, const TPropValue& v) { f.SetColor(ColorFromValue(v)); }},
        {L"DefaultFont.Style", [](TFont& f, const TPropValue& v) { f.SetStyle(FontStylesFromSet(v.AsSet())); }},
        {L"DefaultFont.Charset", [](TFont& f, const TPropValue& v) { f.SetCharset(CharsetFromValue(v)); }},
    };
    return SetFromTable(font, rows, name, value);
}

} // namespace vt
