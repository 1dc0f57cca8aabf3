// The skin's own ten colours ([SKINCOLORS]): what skinned controls use where the skin has no
// picture, and what the system colour redirection lends to the platform.
#pragma once

#include "skin/skin_records.h"

namespace vt {

class TspSkinData;

// The container declares TspSkinColors as a placeholder without fields; this class carries the
// colours and their keys, and AttachSkinRecordParts puts one into each container.
class TspSkinColorsRecord : public TspSkinColors {
public:
    TspSkinColorsRecord() = default;
    void SetColorsToDefault() override;
    void LoadFromFile(TMemIniFile& f) override;
    void SaveToFile(TMemIniFile& f) override;
    template <class V> void Keys(V& v);

    // A new object holds black in all ten; SetColorsToDefault gives the platform's colours.
    TColor cBtnFace = 0;
    TColor cBtnText = 0;
    TColor cWindow = 0;
    TColor cWindowText = 0;
    TColor cHighLight = 0;
    TColor cHighLightText = 0;
    TColor cBtnHighLight = 0;
    TColor cBtnShadow = 0;
    TColor c3DLight = 0;
    TColor c3DDkShadow = 0;
};

// The container's colours, or null while its colours object is the bare placeholder.
TspSkinColorsRecord* SkinColorsOf(const TspSkinData& skinData);

} // namespace vt
