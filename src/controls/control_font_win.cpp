#include "controls/control_font_win.h"

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

} // namespace vt
