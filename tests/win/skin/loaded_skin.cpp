#include "loaded_skin.h"

#include "skin/skin_data.h"
#include "support.h"

namespace vt::test {

TspSkinData* NewLoadedSkinData(TComponent* owner, bool showLayeredBorders)
{
    auto* sd = new TspSkinData(owner);
    sd->SetShowLayeredBorders(showLayeredBorders);
    sd->LoadFromFile(SourcePath("skins/zozaziz/skin.ini"));
    if (sd->Empty) {
        delete sd;
        return nullptr;
    }
    return sd;
}

void FreeSkinData(TspSkinData* skinData) { delete skinData; }

} // namespace vt::test
