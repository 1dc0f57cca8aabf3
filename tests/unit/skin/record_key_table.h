// Every record's keys as the definition documents them: name, syntax, default (in the writer's
// form) and the field that holds the value, per class; and the classes each type word reads, from
// the base down. The record tests drive loading and saving from these rows.
#pragma once

#include "framework/base/strings.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_values.h"

#include <span>
#include <vector>

namespace vt::test {

enum TSyntax {
    kString, kInteger, kColour, kBoolean, kRect, kPoint, kStyles, kAlignment, kStretch, kMorph,
    kCommand, kGaugeKind, kPlacement, kRegulatorKind, kLines
};

// A field's value in the writer's text form, so it compares with definition text.
inline String FieldText(const String& v) { return v; }
inline String FieldText(int32_t v) { return IntToStr(v); }
inline String FieldText(bool v) { return v ? L"1" : L"0"; }
inline String FieldText(const TRect& v) { return RectToStr(v); }
inline String FieldText(const TPoint& v) { return PointToStr(v); }
inline String FieldText(TFontStyles v)
{
    String s;
    const wchar_t* words[] = {L"fsbold", L"fsitalic", L"fsunderline", L"fsstrikeout"};
    for (int i = 0; i < 4; ++i)
        if (v & (1 << i))
            s += (s.empty() ? L"" : L",") + String(words[i]);
    return s;
}
inline String FieldText(TAlignment v)
{
    return v == taCenter ? L"tacenter" : v == taLeftJustify ? L"taleftjustify" : L"tarightjustify";
}
inline String FieldText(TspStretchType v) { return v == spstFull ? L"stfull" : v == spstVert ? L"stvert" : L"sthorz"; }
inline String FieldText(TMorphKind v)
{
    const wchar_t* words[] = {L"mkdefault", L"mkgradient", L"mkleftgradient", L"mkrightgradient",
                              L"mkleftslide", L"mkrightslide", L"mkpush"};
    return words[v];
}
inline String FieldText(TStdCommand v)
{
    const wchar_t* words[] = {L"cmclose", L"cmmaximize", L"cmminimize", L"cmsysmenu",
                              L"cmdefault", L"cmrollup", L"cmminimizetotray"};
    return words[v];
}
inline String FieldText(TGaugeKind v) { return v == gkHorizontal ? L"gkhorizontal" : L"gkvertical"; }
inline String FieldText(TFramesPlacement v) { return v == fpHorizontal ? L"fphorizontal" : L"fpvertical"; }
inline String FieldText(TRegulatorKind v)
{
    return v == rkRound ? L"rkround" : v == rkHorizontal ? L"rkhorizontal" : L"rkvertical";
}
inline String FieldText(const TStringList& v)
{
    String s;
    for (int i = 0; i < v.Count(); ++i)
        s += (i ? L"|" : L"") + v[i];
    return s;
}

struct TKeyRow {
    const wchar_t* Key;
    TSyntax Syntax;
    const wchar_t* Default;
    String (*Field)(const TspSkinRecord&);
};

#define ROW(Class, key, syntax, def, field)                                                      \
    TKeyRow { L"" key, syntax, L"" def, [](const TspSkinRecord& r) {                              \
        return FieldText(dynamic_cast<const Class&>(r).field);                                    \
    } }

inline const TKeyRow kDataSkinObjectKeys[] = {
    ROW(TspDataSkinObject, "hint", kString, "", Hint),
    ROW(TspDataSkinObject, "rollup", kBoolean, "0", RollUp),
    ROW(TspDataSkinObject, "activepictureindex", kInteger, "-1", ActivePictureIndex),
    ROW(TspDataSkinObject, "activemaskpictureindex", kInteger, "-1", ActiveMaskPictureIndex),
    ROW(TspDataSkinObject, "skinrectinapicture", kBoolean, "0", SkinRectInAPicture),
    ROW(TspDataSkinObject, "cursorindex", kInteger, "-1", CursorIndex),
    ROW(TspDataSkinObject, "skinrect", kRect, "0,0,0,0", SkinRect),
    ROW(TspDataSkinObject, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinObject, "inactiveskinrect", kRect, "0,0,0,0", InActiveSkinRect),
    ROW(TspDataSkinObject, "morphing", kBoolean, "0", Morphing),
    ROW(TspDataSkinObject, "morphkind", kMorph, "mkdefault", MorphKind),
    ROW(TspDataSkinObject, "glowlayerpictureindex", kInteger, "-1", GlowLayerPictureIndex),
    ROW(TspDataSkinObject, "glowlayermaskpictureindex", kInteger, "-1", GlowLayerMaskPictureIndex),
    ROW(TspDataSkinObject, "glowlayeroffsetx", kInteger, "0", GlowLayerOffsetX),
    ROW(TspDataSkinObject, "glowlayeroffsety", kInteger, "0", GlowLayerOffsetY),
    ROW(TspDataSkinObject, "glowlayeralphablendvalue", kInteger, "255", GlowLayerAlphaBlendValue),
};

inline const TKeyRow kDataUserObjectKeys[] = {
    ROW(TspDataUserObject, "rollup", kBoolean, "0", RollUp),
    ROW(TspDataUserObject, "skinrect", kRect, "0,0,0,0", SkinRect),
    ROW(TspDataUserObject, "cursorindex", kInteger, "-1", CursorIndex),
};

inline const TKeyRow kDataSkinButtonKeys[] = {
    ROW(TspDataSkinButton, "downrect", kRect, "0,0,0,0", DownRect),
    ROW(TspDataSkinButton, "disableskinrsect", kRect, "0,0,0,0", DisableSkinRect),
    ROW(TspDataSkinButton, "groupindex", kInteger, "-1", GroupIndex),
    ROW(TspDataSkinButton, "alphamaskpictureindex", kInteger, "-1", AlphaMaskPictureIndex),
    ROW(TspDataSkinButton, "alphamaskactivepictureindex", kInteger, "-1", AlphaMaskActivePictureIndex),
    ROW(TspDataSkinButton, "alphamaskinactivepictureindex", kInteger, "-1", AlphaMaskInActivePictureIndex),
};

inline const TKeyRow kDataSkinStdButtonKeys[] = {
    ROW(TspDataSkinStdButton, "command", kCommand, "cmdefault", Command),
    ROW(TspDataSkinStdButton, "restorerect", kRect, "0,0,0,0", RestoreRect),
    ROW(TspDataSkinStdButton, "restoreactiverect", kRect, "0,0,0,0", RestoreActiveRect),
    ROW(TspDataSkinStdButton, "restoredownrect", kRect, "0,0,0,0", RestoreDownRect),
    ROW(TspDataSkinStdButton, "restoreinactiverect", kRect, "0,0,0,0", RestoreInActiveRect),
    ROW(TspDataSkinStdButton, "restorehint", kString, "", RestoreHint),
};

inline const TKeyRow kDataSkinCaptionMenuButtonKeys[] = {
    ROW(TspDataSkinCaptionMenuButton, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinCaptionMenuButton, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinCaptionMenuButton, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinCaptionMenuButton, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinCaptionMenuButton, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinCaptionMenuButton, "downfontcolor", kColour, "0", DownFontColor),
    ROW(TspDataSkinCaptionMenuButton, "inactivefontcolor", kColour, "0", InActiveFontColor),
    ROW(TspDataSkinCaptionMenuButton, "leftoffset", kInteger, "10", LeftOffset),
    ROW(TspDataSkinCaptionMenuButton, "rightoffset", kInteger, "10", RightOffset),
    ROW(TspDataSkinCaptionMenuButton, "topposition", kInteger, "0", TopPosition),
    ROW(TspDataSkinCaptionMenuButton, "clientrect", kRect, "0,0,0,0", ClRect),
};

inline const TKeyRow kDataSkinCaptionTabKeys[] = {
    ROW(TspDataSkinCaptionTab, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinCaptionTab, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinCaptionTab, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinCaptionTab, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinCaptionTab, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinCaptionTab, "downfontcolor", kColour, "0", DownFontColor),
    ROW(TspDataSkinCaptionTab, "leftoffset", kInteger, "10", LeftOffset),
    ROW(TspDataSkinCaptionTab, "rightoffset", kInteger, "10", RightOffset),
    ROW(TspDataSkinCaptionTab, "topposition", kInteger, "0", TopPosition),
    ROW(TspDataSkinCaptionTab, "clientrect", kRect, "0,0,0,0", ClRect),
};

inline const TKeyRow kDataSkinCaptionKeys[] = {
    ROW(TspDataSkinCaption, "defaultcaption", kBoolean, "0", DefaultCaption),
    ROW(TspDataSkinCaption, "textrect", kRect, "0,0,0,0", TextRct),
    ROW(TspDataSkinCaption, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinCaption, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinCaption, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinCaption, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinCaption, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinCaption, "alignment", kAlignment, "tacenter", Alignment),
    ROW(TspDataSkinCaption, "shadow", kBoolean, "0", Shadow),
    ROW(TspDataSkinCaption, "shadowcolor", kColour, "0", ShadowColor),
    ROW(TspDataSkinCaption, "light", kBoolean, "0", Light),
    ROW(TspDataSkinCaption, "lightcolor", kColour, "0", LightColor),
    ROW(TspDataSkinCaption, "activelightcolor", kColour, "0", ActiveLightColor),
    ROW(TspDataSkinCaption, "activeshadowcolor", kColour, "0", ActiveShadowColor),
    ROW(TspDataSkinCaption, "framerect", kRect, "0,0,0,0", FrameRect),
    ROW(TspDataSkinCaption, "activeframerect", kRect, "0,0,0,0", ActiveFrameRect),
    ROW(TspDataSkinCaption, "frametextrect", kRect, "0,0,0,0", FrameTextRect),
    ROW(TspDataSkinCaption, "frameleftoffset", kInteger, "0", FrameLeftOffset),
    ROW(TspDataSkinCaption, "framerightoffset", kInteger, "0", FrameRightOffset),
    ROW(TspDataSkinCaption, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinCaption, "animateskinrect", kRect, "0,0,0,0", AnimateSkinRect),
    ROW(TspDataSkinCaption, "framecount", kInteger, "0", FrameCount),
    ROW(TspDataSkinCaption, "animateinterval", kInteger, "25", AnimateInterval),
    ROW(TspDataSkinCaption, "inactiveanimation", kBoolean, "0", InActiveAnimation),
    ROW(TspDataSkinCaption, "fullframe", kBoolean, "0", FullFrame),
    ROW(TspDataSkinCaption, "vistagloweffect", kBoolean, "0", VistaGlowEffect),
    ROW(TspDataSkinCaption, "vistaglowinactiveeffect", kBoolean, "0", VistaGlowInActiveEffect),
    ROW(TspDataSkinCaption, "gloweffect", kBoolean, "0", GlowEffect),
    ROW(TspDataSkinCaption, "glowinactiveeffect", kBoolean, "0", GlowInActiveEffect),
    ROW(TspDataSkinCaption, "glowsize", kInteger, "3", GlowSize),
    ROW(TspDataSkinCaption, "glowcolor", kColour, "0", GlowColor),
    ROW(TspDataSkinCaption, "glowactivecolor", kColour, "0", GlowActiveColor),
    ROW(TspDataSkinCaption, "glowoffset", kInteger, "0", GlowOffset),
    ROW(TspDataSkinCaption, "reflectioneffect", kBoolean, "0", ReflectionEffect),
    ROW(TspDataSkinCaption, "reflactioncolor", kColour, "0", ReflectionColor),
    ROW(TspDataSkinCaption, "reflactionactivecolor", kColour, "0", ReflectionActiveColor),
    ROW(TspDataSkinCaption, "reflectionoffset", kInteger, "0", ReflectionOffset),
    ROW(TspDataSkinCaption, "dividerrect", kRect, "0,0,0,0", DividerRect),
    ROW(TspDataSkinCaption, "inactivedividerrect", kRect, "0,0,0,0", InActiveDividerRect),
    ROW(TspDataSkinCaption, "dividertransparent", kBoolean, "0", DividerTransparent),
    ROW(TspDataSkinCaption, "dividertransparentcolor", kColour, "0", DividerTransparentColor),
    ROW(TspDataSkinCaption, "quickbuttonalphamaskpictureindex", kInteger, "-1", QuickButtonAlphaMaskPictureIndex),
};

inline const TKeyRow kDataSkinMenuItemKeys[] = {
    ROW(TspDataSkinMenuItem, "itemleftoffset", kInteger, "0", ItemLO),
    ROW(TspDataSkinMenuItem, "itemrightoffset", kInteger, "0", ItemRO),
    ROW(TspDataSkinMenuItem, "dividerrect", kRect, "0,0,0,0", DividerRect),
    ROW(TspDataSkinMenuItem, "dividerleftoffset", kInteger, "0", DividerLO),
    ROW(TspDataSkinMenuItem, "dividerrightoffset", kInteger, "0", DividerRO),
    ROW(TspDataSkinMenuItem, "textrect", kRect, "0,0,0,0", TextRct),
    ROW(TspDataSkinMenuItem, "imagerect", kRect, "0,0,0,0", ImageRct),
    ROW(TspDataSkinMenuItem, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinMenuItem, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinMenuItem, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinMenuItem, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinMenuItem, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinMenuItem, "unenabledfontcolor", kColour, "0", UnEnabledFontColor),
    ROW(TspDataSkinMenuItem, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinMenuItem, "inactivestretcheffect", kBoolean, "0", InActiveStretchEffect),
    ROW(TspDataSkinMenuItem, "dividerstretcheffect", kBoolean, "0", DividerStretchEffect),
    ROW(TspDataSkinMenuItem, "animateskinrect", kRect, "0,0,0,0", AnimateSkinRect),
    ROW(TspDataSkinMenuItem, "framecount", kInteger, "0", FrameCount),
    ROW(TspDataSkinMenuItem, "animateinterval", kInteger, "25", AnimateInterval),
    ROW(TspDataSkinMenuItem, "inactiveanimation", kBoolean, "0", InActiveAnimation),
    ROW(TspDataSkinMenuItem, "useimagecolor", kBoolean, "0", UseImageColor),
    ROW(TspDataSkinMenuItem, "imagecolor", kColour, "0", ImageColor),
    ROW(TspDataSkinMenuItem, "activeimagecolor", kColour, "0", ActiveImageColor),
    ROW(TspDataSkinMenuItem, "inactivetransparent", kBoolean, "0", InActiveTransparent),
    ROW(TspDataSkinMenuItem, "checkimagerect", kRect, "0,0,0,0", CheckImageRect),
    ROW(TspDataSkinMenuItem, "activecheckimagerect", kRect, "0,0,0,0", ActiveCheckImageRect),
    ROW(TspDataSkinMenuItem, "radioimagerect", kRect, "0,0,0,0", RadioImageRect),
    ROW(TspDataSkinMenuItem, "activeradioimagerect", kRect, "0,0,0,0", ActiveRadioImageRect),
    ROW(TspDataSkinMenuItem, "arrowimagerect", kRect, "0,0,0,0", ArrowImageRect),
    ROW(TspDataSkinMenuItem, "activearrowimagerect", kRect, "0,0,0,0", ActiveArrowImageRect),
};

inline const TKeyRow kDataSkinMainMenuItemKeys[] = {
    ROW(TspDataSkinMainMenuItem, "itemleftoffset", kInteger, "0", ItemLO),
    ROW(TspDataSkinMainMenuItem, "itemrightoffset", kInteger, "0", ItemRO),
    ROW(TspDataSkinMainMenuItem, "downrect", kRect, "0,0,0,0", DownRect),
    ROW(TspDataSkinMainMenuItem, "textrect", kRect, "0,0,0,0", TextRct),
    ROW(TspDataSkinMainMenuItem, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinMainMenuItem, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinMainMenuItem, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinMainMenuItem, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinMainMenuItem, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinMainMenuItem, "downfontcolor", kColour, "0", DownFontColor),
    ROW(TspDataSkinMainMenuItem, "unenabledfontcolor", kColour, "0", UnEnabledFontColor),
    ROW(TspDataSkinMainMenuItem, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinMainMenuItem, "animateskinrect", kRect, "0,0,0,0", AnimateSkinRect),
    ROW(TspDataSkinMainMenuItem, "framecount", kInteger, "0", FrameCount),
    ROW(TspDataSkinMainMenuItem, "animateinterval", kInteger, "25", AnimateInterval),
    ROW(TspDataSkinMainMenuItem, "inactiveanimation", kBoolean, "0", InActiveAnimation),
};

inline const TKeyRow kDataSkinLabelKeys[] = {
    ROW(TspDataSkinLabel, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinLabel, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinLabel, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinLabel, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinLabel, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinLabel, "alignment", kAlignment, "tacenter", Alignment),
    ROW(TspDataSkinLabel, "textvalue", kString, "", TextValue),
};

inline const TKeyRow kDataSkinBitLabelKeys[] = {
    ROW(TspDataSkinBitLabel, "textvalue", kString, "", TextValue),
    ROW(TspDataSkinBitLabel, "symbolwidth", kInteger, "0", SymbolWidth),
    ROW(TspDataSkinBitLabel, "symbolheight", kInteger, "0", SymbolHeight),
    ROW(TspDataSkinBitLabel, "symbols", kLines, "", Symbols),
    ROW(TspDataSkinBitLabel, "transparent", kBoolean, "0", Transparent),
    ROW(TspDataSkinBitLabel, "transparentcolor", kColour, "16711935", TransparentColor),
};

inline const TKeyRow kDataSkinAnimateKeys[] = {
    ROW(TspDataSkinAnimate, "countframes", kInteger, "1", CountFrames),
    ROW(TspDataSkinAnimate, "cycle", kBoolean, "0", Cycle),
    ROW(TspDataSkinAnimate, "buttonstyle", kBoolean, "0", ButtonStyle),
    ROW(TspDataSkinAnimate, "timerinterval", kInteger, "50", TimerInterval),
    ROW(TspDataSkinAnimate, "command", kCommand, "cmdefault", Command),
    ROW(TspDataSkinAnimate, "downskinrect", kRect, "0,0,0,0", DownSkinRect),
    ROW(TspDataSkinAnimate, "restorerect", kRect, "0,0,0,0", RestoreRect),
    ROW(TspDataSkinAnimate, "restoreactiverect", kRect, "0,0,0,0", RestoreActiveRect),
    ROW(TspDataSkinAnimate, "restoredownrect", kRect, "0,0,0,0", RestoreDownRect),
    ROW(TspDataSkinAnimate, "restoreinactiverect", kRect, "0,0,0,0", RestoreInActiveRect),
    ROW(TspDataSkinAnimate, "restorehint", kString, "", RestoreHint),
};

inline const TKeyRow kDataSkinGaugeKeys[] = {
    ROW(TspDataSkinGauge, "minvalue", kInteger, "0", MinValue),
    ROW(TspDataSkinGauge, "maxvalue", kInteger, "0", MaxValue),
    ROW(TspDataSkinGauge, "kind", kGaugeKind, "gkhorizontal", Kind),
};

inline const TKeyRow kDataSkinTrackBarKeys[] = {
    ROW(TspDataSkinTrackBar, "buttonrect", kRect, "0,0,0,0", ButtonRect),
    ROW(TspDataSkinTrackBar, "activebuttonrect", kRect, "0,0,0,0", ActiveButtonRect),
    ROW(TspDataSkinTrackBar, "beginpoint", kPoint, "0,0", BeginPoint),
    ROW(TspDataSkinTrackBar, "endpoint", kPoint, "0,0", EndPoint),
    ROW(TspDataSkinTrackBar, "minvalue", kInteger, "0", MinValue),
    ROW(TspDataSkinTrackBar, "maxvalue", kInteger, "0", MaxValue),
    ROW(TspDataSkinTrackBar, "mousedownchangevalue", kBoolean, "0", MouseDownChangeValue),
    ROW(TspDataSkinTrackBar, "buttontransparent", kBoolean, "0", ButtonTransparent),
    ROW(TspDataSkinTrackBar, "buttontransparentcolor", kColour, "0", ButtonTransparentColor),
};

inline const TKeyRow kDataSkinFrameGaugeObjectKeys[] = {
    ROW(TspDataSkinFrameGaugeObject, "minvalue", kInteger, "0", MinValue),
    ROW(TspDataSkinFrameGaugeObject, "maxvalue", kInteger, "0", MaxValue),
    ROW(TspDataSkinFrameGaugeObject, "countframes", kInteger, "0", CountFrames),
    ROW(TspDataSkinFrameGaugeObject, "framesplacement", kPlacement, "fphorizontal", FramesPlacement),
};

inline const TKeyRow kDataSkinFrameRegulatorObjectKeys[] = {
    ROW(TspDataSkinFrameRegulatorObject, "minvalue", kInteger, "0", MinValue),
    ROW(TspDataSkinFrameRegulatorObject, "maxvalue", kInteger, "0", MaxValue),
    ROW(TspDataSkinFrameRegulatorObject, "countframes", kInteger, "0", CountFrames),
    ROW(TspDataSkinFrameRegulatorObject, "framesplacement", kPlacement, "fphorizontal", FramesPlacement),
    ROW(TspDataSkinFrameRegulatorObject, "kind", kRegulatorKind, "rkround", Kind),
};

inline const TKeyRow kDataSkinPopupWindowKeys[] = {
    ROW(TspDataSkinPopupWindow, "windowpictureindex", kInteger, "-1", WindowPictureIndex),
    ROW(TspDataSkinPopupWindow, "maskpictureindex", kInteger, "-1", MaskPictureIndex),
    ROW(TspDataSkinPopupWindow, "lefttoppoint", kPoint, "0,0", LTPoint),
    ROW(TspDataSkinPopupWindow, "righttoppoint", kPoint, "0,0", RTPoint),
    ROW(TspDataSkinPopupWindow, "leftbottompoint", kPoint, "0,0", LBPoint),
    ROW(TspDataSkinPopupWindow, "rightbottompoint", kPoint, "0,0", RBPoint),
    ROW(TspDataSkinPopupWindow, "cursorindex", kInteger, "-1", CursorIndex),
    ROW(TspDataSkinPopupWindow, "itemsrect", kRect, "0,0,0,0", ItemsRect),
    ROW(TspDataSkinPopupWindow, "scrollmarkercolor", kColour, "0", ScrollMarkerColor),
    ROW(TspDataSkinPopupWindow, "scrollmarkeractivecolor", kColour, "0", ScrollMarkerActiveColor),
    ROW(TspDataSkinPopupWindow, "leftstretch", kBoolean, "0", LeftStretch),
    ROW(TspDataSkinPopupWindow, "rightstretch", kBoolean, "0", RightStretch),
    ROW(TspDataSkinPopupWindow, "topstretch", kBoolean, "0", TopStretch),
    ROW(TspDataSkinPopupWindow, "bottomstretch", kBoolean, "0", BottomStretch),
    ROW(TspDataSkinPopupWindow, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinPopupWindow, "stretchtype", kStretch, "stfull", StretchType),
};

inline const TKeyRow kDataSkinLayerFrameKeys[] = {
    ROW(TspDataSkinLayerFrame, "pictureindex", kInteger, "-1", PictureIndex),
    ROW(TspDataSkinLayerFrame, "maskpictureindex", kInteger, "-1", MaskPictureIndex),
    ROW(TspDataSkinLayerFrame, "inactivepictureindex", kInteger, "-1", InActivePictureIndex),
    ROW(TspDataSkinLayerFrame, "inactivemaskpictureindex", kInteger, "-1", InActiveMaskPictureIndex),
    ROW(TspDataSkinLayerFrame, "lefttoppoint", kPoint, "0,0", LTPoint),
    ROW(TspDataSkinLayerFrame, "righttoppoint", kPoint, "0,0", RTPoint),
    ROW(TspDataSkinLayerFrame, "leftbottompoint", kPoint, "0,0", LBPoint),
    ROW(TspDataSkinLayerFrame, "rightbottompoint", kPoint, "0,0", RBPoint),
    ROW(TspDataSkinLayerFrame, "clientrect", kRect, "0,0,0,0", ClRect),
    ROW(TspDataSkinLayerFrame, "alphablendvalue", kInteger, "255", AlphaBlendValue),
    ROW(TspDataSkinLayerFrame, "inactivealphablendvalue", kInteger, "255", InActiveAlphaBlendValue),
    ROW(TspDataSkinLayerFrame, "borderrect", kRect, "0,0,0,0", BorderRect),
    ROW(TspDataSkinLayerFrame, "hittestrect", kRect, "0,0,0,0", HitTestRect),
    ROW(TspDataSkinLayerFrame, "hittestenable", kBoolean, "0", HitTestEnable),
    ROW(TspDataSkinLayerFrame, "fullborder", kBoolean, "0", FullBorder),
    ROW(TspDataSkinLayerFrame, "hittestsize", kInteger, "0", HitTestSize),
    ROW(TspDataSkinLayerFrame, "captionrect", kRect, "0,0,0,0", CaptionRect),
    ROW(TspDataSkinLayerFrame, "hittestlefttoppoint", kPoint, "0,0", HitTestLTPoint),
    ROW(TspDataSkinLayerFrame, "hittestrighttoppoint", kPoint, "0,0", HitTestRTPoint),
    ROW(TspDataSkinLayerFrame, "hittestleftbottompoint", kPoint, "0,0", HitTestLBPoint),
    ROW(TspDataSkinLayerFrame, "hittestrightbottompoint", kPoint, "0,0", HitTestRBPoint),
    ROW(TspDataSkinLayerFrame, "buttonsrect", kRect, "0,0,0,0", ButtonsRect),
    ROW(TspDataSkinLayerFrame, "sysmenubuttonrect", kRect, "0,0,0,0", SysMenuButtonRect),
    ROW(TspDataSkinLayerFrame, "fullstretch", kBoolean, "0", FullStretch),
    ROW(TspDataSkinLayerFrame, "rollupformheight", kInteger, "0", RollUpFormHeight),
    ROW(TspDataSkinLayerFrame, "buttonstopoffset", kInteger, "0", ButtonsTopOffset),
    ROW(TspDataSkinLayerFrame, "sysbuttontopoffset", kInteger, "0", SysButtonTopOffset),
    ROW(TspDataSkinLayerFrame, "blurmaskpictureindex", kInteger, "-1", BlurMaskPictureIndex),
    ROW(TspDataSkinLayerFrame, "intersectblurmaskrect", kRect, "0,0,0,0", IntersectBlurMaskRect),
    ROW(TspDataSkinLayerFrame, "excludeblurmaskrect", kRect, "0,0,0,0", ExcludeBlurMaskRect),
    ROW(TspDataSkinLayerFrame, "leftoffset", kInteger, "0", LeftOffset),
    ROW(TspDataSkinLayerFrame, "topoffset", kInteger, "0", TopOffset),
    ROW(TspDataSkinLayerFrame, "widthoffset", kInteger, "0", WidthOffset),
    ROW(TspDataSkinLayerFrame, "heightoffset", kInteger, "0", HeightOffset),
};

inline const TKeyRow kDataSkinHintWindowKeys[] = {
    ROW(TspDataSkinHintWindow, "windowpictureindex", kInteger, "-1", WindowPictureIndex),
    ROW(TspDataSkinHintWindow, "maskpictureindex", kInteger, "-1", MaskPictureIndex),
    ROW(TspDataSkinHintWindow, "lefttoppoint", kPoint, "0,0", LTPoint),
    ROW(TspDataSkinHintWindow, "righttoppoint", kPoint, "0,0", RTPoint),
    ROW(TspDataSkinHintWindow, "leftbottompoint", kPoint, "0,0", LBPoint),
    ROW(TspDataSkinHintWindow, "rightbottompoint", kPoint, "0,0", RBPoint),
    ROW(TspDataSkinHintWindow, "clientrect", kRect, "0,0,0,0", ClRect),
    ROW(TspDataSkinHintWindow, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinHintWindow, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinHintWindow, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinHintWindow, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinHintWindow, "leftstretch", kBoolean, "0", LeftStretch),
    ROW(TspDataSkinHintWindow, "rightstretch", kBoolean, "0", RightStretch),
    ROW(TspDataSkinHintWindow, "topstretch", kBoolean, "0", TopStretch),
    ROW(TspDataSkinHintWindow, "bottomstretch", kBoolean, "0", BottomStretch),
    ROW(TspDataSkinHintWindow, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinHintWindow, "stretchtype", kStretch, "stfull", StretchType),
};

inline const TKeyRow kDataSkinControlKeys[] = {
    ROW(TspDataSkinControl, "pictureindex", kInteger, "-1", PictureIndex),
    ROW(TspDataSkinControl, "maskpictureindex", kInteger, "-1", MaskPictureIndex),
    ROW(TspDataSkinControl, "cursorindex", kInteger, "-1", CursorIndex),
    ROW(TspDataSkinControl, "skinrect", kRect, "0,0,0,0", SkinRect),
};

inline const TKeyRow kDataSkinCustomControlKeys[] = {
    ROW(TspDataSkinCustomControl, "lefttoppoint", kPoint, "0,0", LTPoint),
    ROW(TspDataSkinCustomControl, "righttoppoint", kPoint, "0,0", RTPoint),
    ROW(TspDataSkinCustomControl, "leftbottompoint", kPoint, "0,0", LBPoint),
    ROW(TspDataSkinCustomControl, "rightbottompoint", kPoint, "0,0", RBPoint),
    ROW(TspDataSkinCustomControl, "clientrect", kRect, "0,0,0,0", ClRect),
    ROW(TspDataSkinCustomControl, "leftstretch", kBoolean, "0", LeftStretch),
    ROW(TspDataSkinCustomControl, "topstretch", kBoolean, "0", TopStretch),
    ROW(TspDataSkinCustomControl, "rightstretch", kBoolean, "0", RightStretch),
    ROW(TspDataSkinCustomControl, "bottomstretch", kBoolean, "0", BottomStretch),
    ROW(TspDataSkinCustomControl, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinCustomControl, "stretchtype", kStretch, "stfull", StretchType),
};

inline const TKeyRow kDataSkinButtonControlKeys[] = {
    ROW(TspDataSkinButtonControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinButtonControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinButtonControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinButtonControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinButtonControl, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinButtonControl, "disabledfontcolor", kColour, "0", DisabledFontColor),
    ROW(TspDataSkinButtonControl, "downfontcolor", kColour, "0", DownFontColor),
    ROW(TspDataSkinButtonControl, "morphing", kBoolean, "0", Morphing),
    ROW(TspDataSkinButtonControl, "morphkind", kMorph, "mkdefault", MorphKind),
    ROW(TspDataSkinButtonControl, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinButtonControl, "downskinrect", kRect, "0,0,0,0", DownSkinRect),
    ROW(TspDataSkinButtonControl, "focusedskinrect", kRect, "0,0,0,0", FocusedSkinRect),
    ROW(TspDataSkinButtonControl, "disabledskinrect", kRect, "0,0,0,0", DisabledSkinRect),
    ROW(TspDataSkinButtonControl, "animateskinrect", kRect, "0,0,0,0", AnimateSkinRect),
    ROW(TspDataSkinButtonControl, "framecount", kInteger, "0", FrameCount),
    ROW(TspDataSkinButtonControl, "animateinterval", kInteger, "25", AnimateInterval),
    ROW(TspDataSkinButtonControl, "showfocus", kBoolean, "0", ShowFocus),
    ROW(TspDataSkinButtonControl, "menumarkerflatrect", kRect, "0,0,0,0", MenuMarkerFlatRect),
    ROW(TspDataSkinButtonControl, "menumarkerrect", kRect, "0,0,0,0", MenuMarkerRect),
    ROW(TspDataSkinButtonControl, "menumarkeractiverect", kRect, "0,0,0,0", MenuMarkerActiveRect),
    ROW(TspDataSkinButtonControl, "menumarkerdownrect", kRect, "0,0,0,0", MenuMarkerDownRect),
    ROW(TspDataSkinButtonControl, "menumarkertransparentcolor", kColour, "0", MenuMarkerTransparentColor),
    ROW(TspDataSkinButtonControl, "glowlayerpictureindex", kInteger, "-1", GlowLayerPictureIndex),
    ROW(TspDataSkinButtonControl, "glowlayermaskpictureindex", kInteger, "-1", GlowLayerMaskPictureIndex),
    ROW(TspDataSkinButtonControl, "glowlayeroffsetleft", kInteger, "0", GlowLayerOffsetLeft),
    ROW(TspDataSkinButtonControl, "glowlayeroffsettop", kInteger, "0", GlowLayerOffsetTop),
    ROW(TspDataSkinButtonControl, "glowlayeroffsetright", kInteger, "0", GlowLayerOffsetRight),
    ROW(TspDataSkinButtonControl, "glowlayeroffsetbottom", kInteger, "0", GlowLayerOffsetBottom),
    ROW(TspDataSkinButtonControl, "glowlayershowoffsetx", kInteger, "0", GlowLayerShowOffsetX),
    ROW(TspDataSkinButtonControl, "glowlayershowoffsety", kInteger, "0", GlowLayerShowOffsetY),
    ROW(TspDataSkinButtonControl, "glowlayeralphablendvalue", kInteger, "255", GlowLayerAlphaBlendValue),
};

inline const TKeyRow kDataSkinMenuButtonControlKeys[] = {
    ROW(TspDataSkinMenuButtonControl, "trackbuttonrect", kRect, "0,0,0,0", TrackButtonRect),
};

inline const TKeyRow kDataSkinCheckRadioControlKeys[] = {
    ROW(TspDataSkinCheckRadioControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinCheckRadioControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinCheckRadioControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinCheckRadioControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinCheckRadioControl, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinCheckRadioControl, "unenabledfontcolor", kColour, "0", UnEnabledFontColor),
    ROW(TspDataSkinCheckRadioControl, "framefontcolor", kColour, "0", FrameFontColor),
    ROW(TspDataSkinCheckRadioControl, "morphing", kBoolean, "0", Morphing),
    ROW(TspDataSkinCheckRadioControl, "morphkind", kMorph, "mkdefault", MorphKind),
    ROW(TspDataSkinCheckRadioControl, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinCheckRadioControl, "checkimagearea", kRect, "0,0,0,0", CheckImageArea),
    ROW(TspDataSkinCheckRadioControl, "textarea", kRect, "0,0,0,0", TextArea),
    ROW(TspDataSkinCheckRadioControl, "checkimagerect", kRect, "0,0,0,0", CheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "uncheckimagerect", kRect, "0,0,0,0", UnCheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "activecheckimagerect", kRect, "0,0,0,0", ActiveCheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "activeuncheckimagerect", kRect, "0,0,0,0", ActiveUnCheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "unenabledcheckimagerect", kRect, "0,0,0,0", UnEnabledCheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "unenableduncheckimagerect", kRect, "0,0,0,0", UnEnabledUnCheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "grayedcheckimagerect", kRect, "0,0,0,0", GrayedCheckImageRect),
    ROW(TspDataSkinCheckRadioControl, "activegrayedcheckimagerect", kRect, "0,0,0,0", ActiveGrayedCheckImageRect),
};

inline const TKeyRow kDataSkinLabelControlKeys[] = {
    ROW(TspDataSkinLabelControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinLabelControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinLabelControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinLabelControl, "fontcolor", kColour, "0", FontColor),
};

inline const TKeyRow kDataSkinStdLabelControlKeys[] = {
    ROW(TspDataSkinStdLabelControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinStdLabelControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinStdLabelControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinStdLabelControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinStdLabelControl, "activefontcolor", kColour, "16711680", ActiveFontColor),
};

inline const TKeyRow kDataSkinBitLabelControlKeys[] = {
    ROW(TspDataSkinBitLabelControl, "skintextrect", kRect, "0,0,0,0", SkinTextRect),
    ROW(TspDataSkinBitLabelControl, "symbolwidth", kInteger, "0", SymbolWidth),
    ROW(TspDataSkinBitLabelControl, "symbolheight", kInteger, "0", SymbolHeight),
    ROW(TspDataSkinBitLabelControl, "symbols", kLines, "", Symbols),
};

inline const TKeyRow kDataSkinTabControlKeys[] = {
    ROW(TspDataSkinTabControl, "tabrect", kRect, "0,0,0,0", TabRect),
    ROW(TspDataSkinTabControl, "activetabrect", kRect, "0,0,0,0", ActiveTabRect),
    ROW(TspDataSkinTabControl, "focustabrect", kRect, "0,0,0,0", FocusTabRect),
    ROW(TspDataSkinTabControl, "mouseintabrect", kRect, "0,0,0,0", MouseInTabRect),
    ROW(TspDataSkinTabControl, "clientrect", kRect, "0,0,0,0", ClRect),
    ROW(TspDataSkinTabControl, "bgpictureindex", kInteger, "-1", BGPictureIndex),
    ROW(TspDataSkinTabControl, "lefttoppoint", kPoint, "0,0", LTPoint),
    ROW(TspDataSkinTabControl, "righttoppoint", kPoint, "0,0", RTPoint),
    ROW(TspDataSkinTabControl, "leftbottompoint", kPoint, "0,0", LBPoint),
    ROW(TspDataSkinTabControl, "rightbottompoint", kPoint, "0,0", RBPoint),
    ROW(TspDataSkinTabControl, "tableftoffset", kInteger, "0", TabLeftOffset),
    ROW(TspDataSkinTabControl, "tabrightoffset", kInteger, "0", TabRightOffset),
    ROW(TspDataSkinTabControl, "tabsbgrect", kRect, "0,0,0,0", TabsBGRect),
    ROW(TspDataSkinTabControl, "tabstretcheffect", kBoolean, "0", TabStretchEffect),
    ROW(TspDataSkinTabControl, "leftstretch", kBoolean, "0", LeftStretch),
    ROW(TspDataSkinTabControl, "topstretch", kBoolean, "0", TopStretch),
    ROW(TspDataSkinTabControl, "rightstretch", kBoolean, "0", RightStretch),
    ROW(TspDataSkinTabControl, "bottomstretch", kBoolean, "0", BottomStretch),
    ROW(TspDataSkinTabControl, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinTabControl, "stretchtype", kStretch, "stfull", StretchType),
    ROW(TspDataSkinTabControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinTabControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinTabControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinTabControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinTabControl, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinTabControl, "focusfontcolor", kColour, "0", FocusFontColor),
    ROW(TspDataSkinTabControl, "mouseinfontcolor", kColour, "0", MouseInFontColor),
    ROW(TspDataSkinTabControl, "updown", kString, "", UpDown),
    ROW(TspDataSkinTabControl, "showfocus", kBoolean, "0", ShowFocus),
    ROW(TspDataSkinTabControl, "focusoffsetx", kInteger, "0", FocusOffsetX),
    ROW(TspDataSkinTabControl, "focusoffsety", kInteger, "0", FocusOffsetY),
    ROW(TspDataSkinTabControl, "closebuttonrect", kRect, "0,0,0,0", CloseButtonRect),
    ROW(TspDataSkinTabControl, "closebuttonactiverect", kRect, "0,0,0,0", CloseButtonActiveRect),
    ROW(TspDataSkinTabControl, "closebuttondownrect", kRect, "0,0,0,0", CloseButtonDownRect),
    ROW(TspDataSkinTabControl, "buttontransparent", kBoolean, "0", ButtonTransparent),
    ROW(TspDataSkinTabControl, "buttontransparentcolor", kColour, "0", ButtonTransparentColor),
    ROW(TspDataSkinTabControl, "tableftbottomactiverect", kRect, "0,0,0,0", TabLeftBottomActiveRect),
    ROW(TspDataSkinTabControl, "tableftbottomfocusrect", kRect, "0,0,0,0", TabLeftBottomFocusRect),
};

inline const TKeyRow kDataSkinEditControlKeys[] = {
    ROW(TspDataSkinEditControl, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinEditControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinEditControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinEditControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinEditControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinEditControl, "disabledfontcolor", kColour, "0", DisabledFontColor),
    ROW(TspDataSkinEditControl, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinEditControl, "buttonrect", kRect, "0,0,0,0", ButtonRect),
    ROW(TspDataSkinEditControl, "activebuttonrect", kRect, "0,0,0,0", ActiveButtonRect),
    ROW(TspDataSkinEditControl, "downbuttonrect", kRect, "0,0,0,0", DownButtonRect),
    ROW(TspDataSkinEditControl, "unenabledbuttonrect", kRect, "0,0,0,0", UnEnabledButtonRect),
};

inline const TKeyRow kDataSkinMemoControlKeys[] = {
    ROW(TspDataSkinMemoControl, "bgcolor", kColour, "0", BGColor),
    ROW(TspDataSkinMemoControl, "activebgcolor", kColour, "0", ActiveBGColor),
};

inline const TKeyRow kDataSkinSpinEditControlKeys[] = {
    ROW(TspDataSkinSpinEditControl, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinSpinEditControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinSpinEditControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinSpinEditControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinSpinEditControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinSpinEditControl, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinSpinEditControl, "disabledfontcolor", kColour, "0", DisabledFontColor),
    ROW(TspDataSkinSpinEditControl, "upbuttonrect", kRect, "0,0,0,0", UpButtonRect),
    ROW(TspDataSkinSpinEditControl, "activeupbuttonrect", kRect, "0,0,0,0", ActiveUpButtonRect),
    ROW(TspDataSkinSpinEditControl, "downupbuttonrect", kRect, "0,0,0,0", DownUpButtonRect),
    ROW(TspDataSkinSpinEditControl, "downbuttonrect", kRect, "0,0,0,0", DownButtonRect),
    ROW(TspDataSkinSpinEditControl, "activedownbuttonrect", kRect, "0,0,0,0", ActiveDownButtonRect),
    ROW(TspDataSkinSpinEditControl, "downdownbuttonrect", kRect, "0,0,0,0", DownDownButtonRect),
};

inline const TKeyRow kDataSkinListBoxKeys[] = {
    ROW(TspDataSkinListBox, "itemrect", kRect, "0,0,0,0", SItemRect),
    ROW(TspDataSkinListBox, "activeitemrect", kRect, "0,0,0,0", ActiveItemRect),
    ROW(TspDataSkinListBox, "focusitemrect", kRect, "0,0,0,0", FocusItemRect),
    ROW(TspDataSkinListBox, "itemleftoffset", kInteger, "0", ItemLeftOffset),
    ROW(TspDataSkinListBox, "itemrightoffset", kInteger, "0", ItemRightOffset),
    ROW(TspDataSkinListBox, "itemtextrect", kRect, "0,0,0,0", ItemTextRect),
    ROW(TspDataSkinListBox, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinListBox, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinListBox, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinListBox, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinListBox, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinListBox, "focusfontcolor", kColour, "0", FocusFontColor),
    ROW(TspDataSkinListBox, "captionrect", kRect, "0,0,0,0", CaptionRect),
    ROW(TspDataSkinListBox, "captionfontname", kString, "Tahoma", CaptionFontName),
    ROW(TspDataSkinListBox, "captionfontheight", kInteger, "13", CaptionFontHeight),
    ROW(TspDataSkinListBox, "captionfontstyle", kStyles, "", CaptionFontStyle),
    ROW(TspDataSkinListBox, "captionfontcolor", kColour, "0", CaptionFontColor),
    ROW(TspDataSkinListBox, "upbuttonrect", kRect, "0,0,0,0", UpButtonRect),
    ROW(TspDataSkinListBox, "activeupbuttonrect", kRect, "0,0,0,0", ActiveUpButtonRect),
    ROW(TspDataSkinListBox, "downupbuttonrect", kRect, "0,0,0,0", DownUpButtonRect),
    ROW(TspDataSkinListBox, "downbuttonrect", kRect, "0,0,0,0", DownButtonRect),
    ROW(TspDataSkinListBox, "activedownbuttonrect", kRect, "0,0,0,0", ActiveDownButtonRect),
    ROW(TspDataSkinListBox, "downdownbuttonrect", kRect, "0,0,0,0", DownDownButtonRect),
    ROW(TspDataSkinListBox, "checkbuttonrect", kRect, "0,0,0,0", CheckButtonRect),
    ROW(TspDataSkinListBox, "activecheckbuttonrect", kRect, "0,0,0,0", ActiveCheckButtonRect),
    ROW(TspDataSkinListBox, "downcheckbuttonrect", kRect, "0,0,0,0", DownCheckButtonRect),
    ROW(TspDataSkinListBox, "vscrollbarname", kString, "vscrollbar", VScrollBarName),
    ROW(TspDataSkinListBox, "hscrollbarname", kString, "hscrollbar", HScrollBarName),
    ROW(TspDataSkinListBox, "bothhscrollbarname", kString, "bothhscrollbar", BothScrollBarName),
    ROW(TspDataSkinListBox, "showfocus", kBoolean, "0", ShowFocus),
    ROW(TspDataSkinListBox, "disabledbuttonsrect", kRect, "0,0,0,0", DisabledButtonsRect),
    ROW(TspDataSkinListBox, "buttonsarea", kRect, "0,0,0,0", ButtonsArea),
};

inline const TKeyRow kDataSkinCheckListBoxKeys[] = {
    ROW(TspDataSkinCheckListBox, "checkimagerect", kRect, "0,0,0,0", CheckImageRect),
    ROW(TspDataSkinCheckListBox, "itemcheckrect", kRect, "0,0,0,0", ItemCheckRect),
    ROW(TspDataSkinCheckListBox, "uncheckimagerect", kRect, "0,0,0,0", UnCheckImageRect),
};

inline const TKeyRow kDataSkinComboBoxKeys[] = {
    ROW(TspDataSkinComboBox, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinComboBox, "itemrect", kRect, "0,0,0,0", SItemRect),
    ROW(TspDataSkinComboBox, "activeitemrect", kRect, "0,0,0,0", ActiveItemRect),
    ROW(TspDataSkinComboBox, "focusitemrect", kRect, "0,0,0,0", FocusItemRect),
    ROW(TspDataSkinComboBox, "itemleftoffset", kInteger, "0", ItemLeftOffset),
    ROW(TspDataSkinComboBox, "itemrightoffset", kInteger, "0", ItemRightOffset),
    ROW(TspDataSkinComboBox, "itemtextrect", kRect, "0,0,0,0", ItemTextRect),
    ROW(TspDataSkinComboBox, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinComboBox, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinComboBox, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinComboBox, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinComboBox, "focusfontcolor", kColour, "0", FocusFontColor),
    ROW(TspDataSkinComboBox, "activefontcolor", kColour, "0", ActiveFontColor),
    ROW(TspDataSkinComboBox, "listboxname", kString, "", ListBoxName),
    ROW(TspDataSkinComboBox, "buttonrect", kRect, "0,0,0,0", ButtonRect),
    ROW(TspDataSkinComboBox, "activebuttonrect", kRect, "0,0,0,0", ActiveButtonRect),
    ROW(TspDataSkinComboBox, "downbuttonrect", kRect, "0,0,0,0", DownButtonRect),
    ROW(TspDataSkinComboBox, "unenabledbuttonrect", kRect, "0,0,0,0", UnEnabledButtonRect),
    ROW(TspDataSkinComboBox, "itemstretcheffect", kBoolean, "0", ItemStretchEffect),
    ROW(TspDataSkinComboBox, "focusitemstretcheffect", kBoolean, "0", FocusItemStretchEffect),
    ROW(TspDataSkinComboBox, "showfocus", kBoolean, "0", ShowFocus),
};

inline const TKeyRow kDataSkinScrollBarControlKeys[] = {
    ROW(TspDataSkinScrollBarControl, "trackarea", kRect, "0,0,0,0", TrackArea),
    ROW(TspDataSkinScrollBarControl, "upbuttonrect", kRect, "0,0,0,0", UpButtonRect),
    ROW(TspDataSkinScrollBarControl, "activeupbuttonrect", kRect, "0,0,0,0", ActiveUpButtonRect),
    ROW(TspDataSkinScrollBarControl, "downupbuttonrect", kRect, "0,0,0,0", DownUpButtonRect),
    ROW(TspDataSkinScrollBarControl, "downbuttonrect", kRect, "0,0,0,0", DownButtonRect),
    ROW(TspDataSkinScrollBarControl, "activedownbuttonrect", kRect, "0,0,0,0", ActiveDownButtonRect),
    ROW(TspDataSkinScrollBarControl, "downdownbuttonrect", kRect, "0,0,0,0", DownDownButtonRect),
    ROW(TspDataSkinScrollBarControl, "thumbrect", kRect, "0,0,0,0", ThumbRect),
    ROW(TspDataSkinScrollBarControl, "activethumbrect", kRect, "0,0,0,0", ActiveThumbRect),
    ROW(TspDataSkinScrollBarControl, "downthumbrect", kRect, "0,0,0,0", DownThumbRect),
    ROW(TspDataSkinScrollBarControl, "thumboffset1", kInteger, "0", ThumbOffset1),
    ROW(TspDataSkinScrollBarControl, "thumboffset2", kInteger, "0", ThumbOffset2),
    ROW(TspDataSkinScrollBarControl, "thumbtransparent", kBoolean, "0", ThumbTransparent),
    ROW(TspDataSkinScrollBarControl, "thumbtransparentcolor", kColour, "0", ThumbTransparentColor),
    ROW(TspDataSkinScrollBarControl, "thumbstretcheffect", kBoolean, "0", ThumbStretchEffect),
    ROW(TspDataSkinScrollBarControl, "thumbminsize", kInteger, "0", ThumbMinSize),
    ROW(TspDataSkinScrollBarControl, "thumbminpagesize", kInteger, "0", ThumbMinPageSize),
    ROW(TspDataSkinScrollBarControl, "glyphrect", kRect, "0,0,0,0", GlyphRect),
    ROW(TspDataSkinScrollBarControl, "activeglyphrect", kRect, "0,0,0,0", ActiveGlyphRect),
    ROW(TspDataSkinScrollBarControl, "downglyphrect", kRect, "0,0,0,0", DownGlyphRect),
    ROW(TspDataSkinScrollBarControl, "glyphtransparent", kBoolean, "0", GlyphTransparent),
    ROW(TspDataSkinScrollBarControl, "glyphtransparentcolor", kColour, "0", GlyphTransparentColor),
};

inline const TKeyRow kDataSkinUpDownControlKeys[] = {
    ROW(TspDataSkinUpDownControl, "upbuttonrect", kRect, "0,0,0,0", UpButtonRect),
    ROW(TspDataSkinUpDownControl, "activeupbuttonrect", kRect, "0,0,0,0", ActiveUpButtonRect),
    ROW(TspDataSkinUpDownControl, "downupbuttonrect", kRect, "0,0,0,0", DownUpButtonRect),
    ROW(TspDataSkinUpDownControl, "downbuttonrect", kRect, "0,0,0,0", DownButtonRect),
    ROW(TspDataSkinUpDownControl, "activedownbuttonrect", kRect, "0,0,0,0", ActiveDownButtonRect),
    ROW(TspDataSkinUpDownControl, "downdownbuttonrect", kRect, "0,0,0,0", DownDownButtonRect),
};

inline const TKeyRow kDataSkinTrackBarControlKeys[] = {
    ROW(TspDataSkinTrackBarControl, "activeskinrect", kRect, "0,0,0,0", ActiveSkinRect),
    ROW(TspDataSkinTrackBarControl, "trackarea", kRect, "0,0,0,0", TrackArea),
    ROW(TspDataSkinTrackBarControl, "buttonrect", kRect, "0,0,0,0", ButtonRect),
    ROW(TspDataSkinTrackBarControl, "activebuttonrect", kRect, "0,0,0,0", ActiveButtonRect),
    ROW(TspDataSkinTrackBarControl, "vertical", kBoolean, "0", Vertical),
    ROW(TspDataSkinTrackBarControl, "buttontransparent", kBoolean, "0", ButtonTransparent),
    ROW(TspDataSkinTrackBarControl, "buttontransparentcolor", kColour, "0", ButtonTransparentColor),
};

inline const TKeyRow kDataSkinGaugeControlKeys[] = {
    ROW(TspDataSkinGaugeControl, "progressarea", kRect, "0,0,0,0", ProgressArea),
    ROW(TspDataSkinGaugeControl, "progressrect", kRect, "0,0,0,0", ProgressRect),
    ROW(TspDataSkinGaugeControl, "beginoffset", kInteger, "0", BeginOffset),
    ROW(TspDataSkinGaugeControl, "endoffset", kInteger, "0", EndOffset),
    ROW(TspDataSkinGaugeControl, "vertical", kBoolean, "0", Vertical),
    ROW(TspDataSkinGaugeControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinGaugeControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinGaugeControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinGaugeControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinGaugeControl, "progresstransparent", kBoolean, "0", ProgressTransparent),
    ROW(TspDataSkinGaugeControl, "progresstransparentcolor", kColour, "0", ProgressTransparentColor),
    ROW(TspDataSkinGaugeControl, "progressstretch", kBoolean, "0", ProgressStretch),
    ROW(TspDataSkinGaugeControl, "animationskinrect", kRect, "0,0,0,0", AnimationSkinRect),
    ROW(TspDataSkinGaugeControl, "animationcountframes", kInteger, "0", AnimationCountFrames),
    ROW(TspDataSkinGaugeControl, "animationtimerinterval", kInteger, "0", AnimationTimerInterval),
    ROW(TspDataSkinGaugeControl, "progressanimationskinrect", kRect, "0,0,0,0", ProgressAnimationSkinRect),
    ROW(TspDataSkinGaugeControl, "progressanimationcountframes", kInteger, "0", ProgressAnimationCountFrames),
    ROW(TspDataSkinGaugeControl, "progressanimationtimerinterval", kInteger, "0", ProgressAnimationTimerInterval),
    ROW(TspDataSkinGaugeControl, "animationbeginoffset", kInteger, "0", AnimationBeginOffset),
    ROW(TspDataSkinGaugeControl, "animationendoffset", kInteger, "0", AnimationEndOffset),
};

inline const TKeyRow kDataSkinSplitterControlKeys[] = {
    ROW(TspDataSkinSplitterControl, "gripperrect", kRect, "0,0,0,0", GripperRect),
    ROW(TspDataSkinSplitterControl, "grippertransparent", kBoolean, "0", GripperTransparent),
    ROW(TspDataSkinSplitterControl, "grippertransparentcolor", kColour, "0", GripperTransparentColor),
};

inline const TKeyRow kDataSkinPanelControlKeys[] = {
    ROW(TspDataSkinPanelControl, "bgpictureindex", kInteger, "-1", BGPictureIndex),
    ROW(TspDataSkinPanelControl, "captionrect", kRect, "0,0,0,0", CaptionRect),
    ROW(TspDataSkinPanelControl, "alignment", kAlignment, "tacenter", Alignment),
    ROW(TspDataSkinPanelControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinPanelControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinPanelControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinPanelControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinPanelControl, "checkimagerect", kRect, "0,0,0,0", CheckImageRect),
    ROW(TspDataSkinPanelControl, "uncheckimagerect", kRect, "0,0,0,0", UnCheckImageRect),
    ROW(TspDataSkinPanelControl, "markframerect", kRect, "0,0,0,0", MarkFrameRect),
    ROW(TspDataSkinPanelControl, "framerect", kRect, "0,0,0,0", FrameRect),
    ROW(TspDataSkinPanelControl, "frametextrect", kRect, "0,0,0,0", FrameTextRect),
    ROW(TspDataSkinPanelControl, "frameleftoffset", kInteger, "0", FrameLeftOffset),
    ROW(TspDataSkinPanelControl, "framerightoffset", kInteger, "0", FrameRightOffset),
    ROW(TspDataSkinPanelControl, "gripperrect", kRect, "0,0,0,0", GripperRect),
    ROW(TspDataSkinPanelControl, "grippertransparent", kBoolean, "0", GripperTransparent),
    ROW(TspDataSkinPanelControl, "grippertransparentcolor", kColour, "0", GripperTransparentColor),
};

inline const TKeyRow kDataSkinExPanelControlKeys[] = {
    ROW(TspDataSkinExPanelControl, "rollhskinrect", kRect, "0,0,0,0", RollHSkinRect),
    ROW(TspDataSkinExPanelControl, "rollvskinrect", kRect, "0,0,0,0", RollVSkinRect),
    ROW(TspDataSkinExPanelControl, "rollleftoffset", kInteger, "0", RollLeftOffset),
    ROW(TspDataSkinExPanelControl, "rollrightoffset", kInteger, "0", RollRightOffset),
    ROW(TspDataSkinExPanelControl, "rolltopoffset", kInteger, "0", RollTopOffset),
    ROW(TspDataSkinExPanelControl, "rollbottomoffset", kInteger, "0", RollBottomOffset),
    ROW(TspDataSkinExPanelControl, "rollvcaptionrect", kRect, "0,0,0,0", RollVCaptionRect),
    ROW(TspDataSkinExPanelControl, "rollhcaptionrect", kRect, "0,0,0,0", RollHCaptionRect),
    ROW(TspDataSkinExPanelControl, "closebuttonrect", kRect, "0,0,0,0", CloseButtonRect),
    ROW(TspDataSkinExPanelControl, "closebuttonactiverect", kRect, "0,0,0,0", CloseButtonActiveRect),
    ROW(TspDataSkinExPanelControl, "closebuttondownrect", kRect, "0,0,0,0", CloseButtonDownRect),
    ROW(TspDataSkinExPanelControl, "hrollbuttonrect", kRect, "0,0,0,0", HRollButtonRect),
    ROW(TspDataSkinExPanelControl, "hrollbuttonactiverect", kRect, "0,0,0,0", HRollButtonActiveRect),
    ROW(TspDataSkinExPanelControl, "hrollbuttondownrect", kRect, "0,0,0,0", HRollButtonDownRect),
    ROW(TspDataSkinExPanelControl, "hrestorebuttonrect", kRect, "0,0,0,0", HRestoreButtonRect),
    ROW(TspDataSkinExPanelControl, "hrestorebuttonactiverect", kRect, "0,0,0,0", HRestoreButtonActiveRect),
    ROW(TspDataSkinExPanelControl, "hrestorebuttondownrect", kRect, "0,0,0,0", HRestoreButtonDownRect),
    ROW(TspDataSkinExPanelControl, "vrollbuttonrect", kRect, "0,0,0,0", VRollButtonRect),
    ROW(TspDataSkinExPanelControl, "vrollbuttonactiverect", kRect, "0,0,0,0", VRollButtonActiveRect),
    ROW(TspDataSkinExPanelControl, "vrollbuttondownrect", kRect, "0,0,0,0", VRollButtonDownRect),
    ROW(TspDataSkinExPanelControl, "vrestorebuttonrect", kRect, "0,0,0,0", VRestoreButtonRect),
    ROW(TspDataSkinExPanelControl, "vrestorebuttonactiverect", kRect, "0,0,0,0", VRestoreButtonActiveRect),
    ROW(TspDataSkinExPanelControl, "vrestorebuttondownrect", kRect, "0,0,0,0", VRestoreButtonDownRect),
    ROW(TspDataSkinExPanelControl, "captionrect", kRect, "0,0,0,0", CaptionRect),
    ROW(TspDataSkinExPanelControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinExPanelControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinExPanelControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinExPanelControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinExPanelControl, "buttonstransparent", kBoolean, "0", ButtonsTransparent),
    ROW(TspDataSkinExPanelControl, "buttonstransparentcolor", kColour, "0", ButtonsTransparentColor),
};

inline const TKeyRow kDataSkinScrollBoxControlKeys[] = {
    ROW(TspDataSkinScrollBoxControl, "bgpictureindex", kInteger, "-1", BGPictureIndex),
};

inline const TKeyRow kDataSkinControlBarKeys[] = {
    ROW(TspDataSkinControlBar, "itemrect", kRect, "0,0,0,0", ItemRect),
    ROW(TspDataSkinControlBar, "bgpictureindex", kInteger, "-1", BGPictureIndex),
    ROW(TspDataSkinControlBar, "hgriprect", kRect, "0,0,0,0", HGripRect),
    ROW(TspDataSkinControlBar, "vgriprect", kRect, "0,0,0,0", VGripRect),
    ROW(TspDataSkinControlBar, "gripoffset1", kInteger, "0", GripOffset1),
    ROW(TspDataSkinControlBar, "gripoffset2", kInteger, "0", GripOffset2),
    ROW(TspDataSkinControlBar, "itemstretcheffect", kBoolean, "0", ItemStretchEffect),
    ROW(TspDataSkinControlBar, "itemoffset1", kInteger, "3", ItemOffset1),
    ROW(TspDataSkinControlBar, "itemoffset2", kInteger, "3", ItemOffset2),
    ROW(TspDataSkinControlBar, "itemtransparent", kBoolean, "0", ItemTransparent),
    ROW(TspDataSkinControlBar, "itemtransparentcolor", kColour, "0", ItemTransparentColor),
    ROW(TspDataSkinControlBar, "griptransparent", kBoolean, "0", GripTransparent),
    ROW(TspDataSkinControlBar, "griptransparentcolor", kColour, "0", GripTransparentColor),
};

inline const TKeyRow kDataSkinMainMenuBarKeys[] = {
    ROW(TspDataSkinMainMenuBar, "itemsrect", kRect, "0,0,0,0", ItemsRect),
    ROW(TspDataSkinMainMenuBar, "menubaritem", kString, "", MenuBarItem),
    ROW(TspDataSkinMainMenuBar, "closebutton", kString, "", CloseButton),
    ROW(TspDataSkinMainMenuBar, "minbutton", kString, "", MinButton),
    ROW(TspDataSkinMainMenuBar, "maxbutton", kString, "", MaxButton),
    ROW(TspDataSkinMainMenuBar, "sysmenubutton", kString, "", SysMenuButton),
    ROW(TspDataSkinMainMenuBar, "trackmarkcolor", kColour, "0", TrackMarkColor),
    ROW(TspDataSkinMainMenuBar, "trackmarkactivecolor", kColour, "0", TrackMarkActiveColor),
    ROW(TspDataSkinMainMenuBar, "stretcheffect", kBoolean, "0", StretchEffect),
    ROW(TspDataSkinMainMenuBar, "itemtransparent", kBoolean, "0", ItemTransparent),
};

inline const TKeyRow kDataSkinGridControlKeys[] = {
    ROW(TspDataSkinGridControl, "fixedcellrect", kRect, "0,0,0,0", FixedCellRect),
    ROW(TspDataSkinGridControl, "selectcellrect", kRect, "0,0,0,0", SelectCellRect),
    ROW(TspDataSkinGridControl, "focuscellrect", kRect, "0,0,0,0", FocusCellRect),
    ROW(TspDataSkinGridControl, "fixedcellleftoffset", kInteger, "0", FixedCellLeftOffset),
    ROW(TspDataSkinGridControl, "fixedcellrightoffset", kInteger, "0", FixedCellRightOffset),
    ROW(TspDataSkinGridControl, "fixedcelltextrect", kRect, "0,0,0,0", FixedCellTextRect),
    ROW(TspDataSkinGridControl, "cellleftoffset", kInteger, "0", CellLeftOffset),
    ROW(TspDataSkinGridControl, "cellrightoffset", kInteger, "0", CellRightOffset),
    ROW(TspDataSkinGridControl, "celltextrect", kRect, "0,0,0,0", CellTextRect),
    ROW(TspDataSkinGridControl, "linescolor", kColour, "0", LinesColor),
    ROW(TspDataSkinGridControl, "bgcolor", kColour, "0", BGColor),
    ROW(TspDataSkinGridControl, "bgpictureindex", kInteger, "-1", BGPictureIndex),
    ROW(TspDataSkinGridControl, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinGridControl, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinGridControl, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinGridControl, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinGridControl, "selectfontcolor", kColour, "0", SelectFontColor),
    ROW(TspDataSkinGridControl, "focusfontcolor", kColour, "0", FocusFontColor),
    ROW(TspDataSkinGridControl, "fixedfontname", kString, "Tahoma", FixedFontName),
    ROW(TspDataSkinGridControl, "fixedfontheight", kInteger, "13", FixedFontHeight),
    ROW(TspDataSkinGridControl, "fixedfontstyle", kStyles, "", FixedFontStyle),
    ROW(TspDataSkinGridControl, "fixedfontcolor", kColour, "0", FixedFontColor),
    ROW(TspDataSkinGridControl, "cellstretcheffect", kBoolean, "0", CellStretchEffect),
    ROW(TspDataSkinGridControl, "fixedcellstretcheffect", kBoolean, "0", FixedCellStretchEffect),
    ROW(TspDataSkinGridControl, "showfocus", kBoolean, "0", ShowFocus),
};

inline const TKeyRow kDataSkinTreeViewKeys[] = {
    ROW(TspDataSkinTreeView, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinTreeView, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinTreeView, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinTreeView, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinTreeView, "bgcolor", kColour, "0", BGColor),
    ROW(TspDataSkinTreeView, "expandimagerect", kRect, "0,0,0,0", ExpandImageRect),
    ROW(TspDataSkinTreeView, "noexpandimagerect", kRect, "0,0,0,0", NoExpandImageRect),
};

inline const TKeyRow kDataSkinListViewKeys[] = {
    ROW(TspDataSkinListView, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinListView, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinListView, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinListView, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinListView, "bgcolor", kColour, "0", BGColor),
};

inline const TKeyRow kDataSkinRichEditKeys[] = {
    ROW(TspDataSkinRichEdit, "fontname", kString, "Tahoma", FontName),
    ROW(TspDataSkinRichEdit, "fontheight", kInteger, "13", FontHeight),
    ROW(TspDataSkinRichEdit, "fontstyle", kStyles, "", FontStyle),
    ROW(TspDataSkinRichEdit, "fontcolor", kColour, "0", FontColor),
    ROW(TspDataSkinRichEdit, "bgcolor", kColour, "0", BGColor),
};

inline const TKeyRow kDataSkinSliderKeys[] = {
    ROW(TspDataSkinSlider, "bgcolor", kColour, "0", BGColor),
    ROW(TspDataSkinSlider, "hrulerrect", kRect, "0,0,0,0", HRulerRect),
    ROW(TspDataSkinSlider, "hthumbrect", kRect, "0,0,0,0", HThumbRect),
    ROW(TspDataSkinSlider, "vrulerrect", kRect, "0,0,0,0", VRulerRect),
    ROW(TspDataSkinSlider, "vthumbrect", kRect, "0,0,0,0", VThumbRect),
    ROW(TspDataSkinSlider, "edgesize", kInteger, "0", EdgeSize),
    ROW(TspDataSkinSlider, "pointscolor", kColour, "0", PointsColor),
};

inline const TKeyRow kDataSkinBevelKeys[] = {
    ROW(TspDataSkinBevel, "lightcolor", kColour, "0", LightColor),
    ROW(TspDataSkinBevel, "darkcolor", kColour, "0", DarkColor),
};

inline const TKeyRow kDataSkinFrameControlKeys[] = {
    ROW(TspDataSkinFrameControl, "framescount", kInteger, "1", FramesCount),
    ROW(TspDataSkinFrameControl, "framesplacement", kPlacement, "fphorizontal", FramesPlacement),
};

inline const TKeyRow kDataSkinFrameRegulatorKeys[] = {
    ROW(TspDataSkinFrameRegulator, "kind", kRegulatorKind, "rkround", Kind),
};

#undef ROW

struct TRecordCase {
    const wchar_t* Type;
    TspRecordList List;
    std::vector<std::span<const TKeyRow>> Tables;  // base class first
};

inline const std::vector<TRecordCase>& RecordCases()
{
    static const std::vector<TRecordCase> cases = {
        {L"menuitem", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinMenuItemKeys}},
        {L"mainmenubaritem", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinMainMenuItemKeys}},
        {L"mainmenuitem", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinMainMenuItemKeys}},
        {L"captionmenubutton", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinButtonKeys, kDataSkinCaptionMenuButtonKeys}},
        {L"captiontab", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinButtonKeys, kDataSkinCaptionTabKeys}},
        {L"stdbutton", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinButtonKeys, kDataSkinStdButtonKeys}},
        {L"mainmenubarbutton", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinButtonKeys, kDataSkinStdButtonKeys}},
        {L"button", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinButtonKeys}},
        {L"caption", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinCaptionKeys}},
        {L"trackbar", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinTrackBarKeys}},
        {L"gauge", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinGaugeKeys}},
        {L"framegauge", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinFrameGaugeObjectKeys}},
        {L"frameregulator", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinFrameRegulatorObjectKeys}},
        {L"label", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinLabelKeys}},
        {L"bitlabel", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinBitLabelKeys}},
        {L"switch", TspRecordList::rlObjects, {kDataSkinObjectKeys}},
        {L"animate", TspRecordList::rlObjects, {kDataSkinObjectKeys, kDataSkinAnimateKeys}},
        {L"userobject", TspRecordList::rlObjects, {kDataUserObjectKeys}},
        {L"slider", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinSliderKeys}},
        {L"animate", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinFrameControlKeys}},
        {L"bevel", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinBevelKeys}},
        {L"updown", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinUpDownControlKeys}},
        {L"panel", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinPanelControlKeys}},
        {L"switch", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinFrameControlKeys}},
        {L"expanel", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinExPanelControlKeys}},
        {L"grid", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinGridControlKeys}},
        {L"menubutton", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinButtonControlKeys, kDataSkinMenuButtonControlKeys}},
        {L"tab", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinTabControlKeys}},
        {L"button", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinButtonControlKeys}},
        {L"mainmenubar", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinMainMenuBarKeys}},
        {L"checkradio", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinCheckRadioControlKeys}},
        {L"controlbar", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinControlBarKeys}},
        {L"gauge", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinGaugeControlKeys}},
        {L"memo", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinEditControlKeys, kDataSkinMemoControlKeys}},
        {L"splitter", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinSplitterControlKeys}},
        {L"edit", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinEditControlKeys}},
        {L"trackbar", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinTrackBarControlKeys}},
        {L"checklistbox", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinListBoxKeys, kDataSkinCheckListBoxKeys}},
        {L"label", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinLabelControlKeys}},
        {L"listbox", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinListBoxKeys}},
        {L"stdlabel", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinStdLabelControlKeys}},
        {L"combobox", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinComboBoxKeys}},
        {L"bitlabel", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinBitLabelControlKeys}},
        {L"scrollbar", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinScrollBarControlKeys}},
        {L"frameregulator", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinFrameControlKeys, kDataSkinFrameRegulatorKeys}},
        {L"spinedit", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinSpinEditControlKeys}},
        {L"framegauge", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinFrameControlKeys}},
        {L"scrollbox", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinCustomControlKeys, kDataSkinScrollBoxControlKeys}},
        {L"treeview", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinTreeViewKeys}},
        {L"listview", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinListViewKeys}},
        {L"richedit", TspRecordList::rlControls, {kDataSkinControlKeys, kDataSkinRichEditKeys}},
    };
    return cases;
}

} // namespace vt::test
