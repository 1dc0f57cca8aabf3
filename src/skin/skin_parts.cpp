#include "skin/skin_parts.h"

#include "framework/base/form_loader.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/resource_strings.h"
#include "skin/skin_colors.h"
#include "skin/skin_data.h"
#include "skin/system_colors.h"

namespace vt {

void RegisterSkinRecordClasses()
{
    RegisterFormObjectRecords();
    RegisterControlRecords();
}

void AttachSkinRecordParts(TspSkinData& d)
{
    RegisterSkinRecordClasses();
    if (!dynamic_cast<TspPopupWindowRecord*>(d.PopupWindow.get()))
        d.PopupWindow = std::make_unique<TspPopupWindowRecord>();
    if (!dynamic_cast<TspLayerFrameRecord*>(d.LayerFrame.get()))
        d.LayerFrame = std::make_unique<TspLayerFrameRecord>();
    if (!dynamic_cast<TspHintWindowRecord*>(d.HintWindow.get()))
        d.HintWindow = std::make_unique<TspHintWindowRecord>();
    if (!SkinColorsOf(d))
        d.FSkinColors = std::make_unique<TspSkinColorsRecord>();
    d.OnApplySystemColors = [](TspSkinData& s) { SwitchSystemColors(s, s.ChangeSystemColors()); };
    d.OnReleaseSystemColors = [](TspSkinData& s) { ReleaseSystemColors(s); };
}

void RegisterSkinDataComponentClasses()
{
    RegisterComponentClass(TspSkinData::StaticClassName(), [](TComponent* owner) -> TComponent* {
        auto* d = new TspSkinData(owner);
        AttachSkinRecordParts(*d);
        return d;
    });
    RegisterComponentClass<TspResourceStrData>();
}

} // namespace vt
