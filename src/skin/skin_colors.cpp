#include "skin/skin_colors.h"

#include "skin/record_keys.h"
#include "skin/skin_data.h"

namespace vt {

template <class V> void TspSkinColorsRecord::Keys(V& v)
{
    v.Color(L"cbtnface", cBtnFace);
    v.Color(L"cbtntext", cBtnText);
    v.Color(L"cwindow", cWindow);
    v.Color(L"cwindowtext", cWindowText);
    v.Color(L"chighlight", cHighLight);
    v.Color(L"chighlighttext", cHighLightText);
    v.Color(L"cbtnhighlight", cBtnHighLight);
    v.Color(L"cbtnshadow", cBtnShadow);
    v.Color(L"c3dlight", c3DLight);
    v.Color(L"c3ddkshadow", c3DDkShadow);
}

void TspSkinColorsRecord::SetColorsToDefault()
{
    cBtnFace = clBtnFace;
    cBtnText = clBtnText;
    cWindow = clWindow;
    cWindowText = clWindowText;
    cHighLight = clHighlight;
    cHighLightText = clHighlightText;
    cBtnHighLight = clBtnHighlight;
    cBtnShadow = clBtnShadow;
    c3DLight = cl3DLight;
    c3DDkShadow = cl3DDkShadow;
}

void TspSkinColorsRecord::LoadFromFile(TMemIniFile& f) { LoadRecordKeys(*this, f, L"SKINCOLORS"); }

void TspSkinColorsRecord::SaveToFile(TMemIniFile& f) { SaveRecordKeys(*this, f, L"SKINCOLORS"); }

TspSkinColorsRecord* SkinColorsOf(const TspSkinData& skinData)
{
    return dynamic_cast<TspSkinColorsRecord*>(skinData.FSkinColors.get());
}

} // namespace vt
