#include "skin/control_records.h"

#include "skin/record_io.h"

namespace vt {

// --- key lists -------------------------------------------------------------------------------

template <class V> void TspDataSkinControl::Keys(V& v)
{
    v.Int(L"pictureindex", PictureIndex, -1);
    v.Int(L"maskpictureindex", MaskPictureIndex, -1);
    v.Int(L"cursorindex", CursorIndex, -1);
    v.Rect(L"skinrect", SkinRect);
}

template <class V> void TspDataSkinCustomControl::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Point(L"lefttoppoint", LTPoint);
    v.Point(L"righttoppoint", RTPoint);
    v.Point(L"leftbottompoint", LBPoint);
    v.Point(L"rightbottompoint", RBPoint);
    v.Rect(L"clientrect", ClRect);
    v.Bool(L"leftstretch", LeftStretch);
    v.Bool(L"topstretch", TopStretch);
    v.Bool(L"rightstretch", RightStretch);
    v.Bool(L"bottomstretch", BottomStretch);
    v.Bool(L"stretcheffect", StretchEffect);
    v.Stretch(L"stretchtype", StretchType);
}

template <class V> void TspDataSkinButtonControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"disabledfontcolor", DisabledFontColor);
    v.Color(L"downfontcolor", DownFontColor);
    v.Bool(L"morphing", Morphing);
    v.Morph(L"morphkind", MorphKind);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    v.Rect(L"downskinrect", DownSkinRect);
    v.Rect(L"focusedskinrect", FocusedSkinRect);
    v.Rect(L"disabledskinrect", DisabledSkinRect);
    v.Rect(L"animateskinrect", AnimateSkinRect);
    v.Int(L"framecount", FrameCount);
    v.Int(L"animateinterval", AnimateInterval, 25);
    v.Bool(L"showfocus", ShowFocus);
    v.Rect(L"menumarkerflatrect", MenuMarkerFlatRect);
    v.Rect(L"menumarkerrect", MenuMarkerRect);
    v.Rect(L"menumarkeractiverect", MenuMarkerActiveRect);
    v.Rect(L"menumarkerdownrect", MenuMarkerDownRect);
    v.Color(L"menumarkertransparentcolor", MenuMarkerTransparentColor);
    v.Int(L"glowlayerpictureindex", GlowLayerPictureIndex, -1);
    v.Int(L"glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    v.Int(L"glowlayeroffsetleft", GlowLayerOffsetLeft);
    v.Int(L"glowlayeroffsettop", GlowLayerOffsetTop);
    v.Int(L"glowlayeroffsetright", GlowLayerOffsetRight);
    v.Int(L"glowlayeroffsetbottom", GlowLayerOffsetBottom);
    v.Int(L"glowlayershowoffsetx", GlowLayerShowOffsetX);
    v.Int(L"glowlayershowoffsety", GlowLayerShowOffsetY);
    v.Int(L"glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

template <class V> void TspDataSkinMenuButtonControl::Keys(V& v)
{
    TspDataSkinButtonControl::Keys(v);
    v.Rect(L"trackbuttonrect", TrackButtonRect);
}

template <class V> void TspDataSkinCheckRadioControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"unenabledfontcolor", UnEnabledFontColor);
    v.Color(L"framefontcolor", FrameFontColor);
    v.Bool(L"morphing", Morphing);
    v.Morph(L"morphkind", MorphKind);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    v.Rect(L"checkimagearea", CheckImageArea);
    v.Rect(L"textarea", TextArea);
    v.Rect(L"checkimagerect", CheckImageRect);
    v.Rect(L"uncheckimagerect", UnCheckImageRect);
    v.Rect(L"activecheckimagerect", ActiveCheckImageRect);
    v.Rect(L"activeuncheckimagerect", ActiveUnCheckImageRect);
    v.Rect(L"unenabledcheckimagerect", UnEnabledCheckImageRect);
    v.Rect(L"unenableduncheckimagerect", UnEnabledUnCheckImageRect);
    v.Rect(L"grayedcheckimagerect", GrayedCheckImageRect);
    v.Rect(L"activegrayedcheckimagerect", ActiveGrayedCheckImageRect);
}

template <class V> void TspDataSkinLabelControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
}

template <class V> void TspDataSkinStdLabelControl::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor, 16711680);
}

template <class V> void TspDataSkinBitLabelControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"skintextrect", SkinTextRect);
    v.Int(L"symbolwidth", SymbolWidth);
    v.Int(L"symbolheight", SymbolHeight);
    v.Lines(L"symbols", Symbols);
}

template <class V> void TspDataSkinTabControl::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Rect(L"tabrect", TabRect);
    v.Rect(L"activetabrect", ActiveTabRect);
    v.Rect(L"focustabrect", FocusTabRect);
    v.Rect(L"mouseintabrect", MouseInTabRect);
    v.Rect(L"clientrect", ClRect);
    v.Int(L"bgpictureindex", BGPictureIndex, -1);
    v.Point(L"lefttoppoint", LTPoint);
    v.Point(L"righttoppoint", RTPoint);
    v.Point(L"leftbottompoint", LBPoint);
    v.Point(L"rightbottompoint", RBPoint);
    v.Int(L"tableftoffset", TabLeftOffset);
    v.Int(L"tabrightoffset", TabRightOffset);
    v.Rect(L"tabsbgrect", TabsBGRect);
    v.Bool(L"tabstretcheffect", TabStretchEffect);
    v.Bool(L"leftstretch", LeftStretch);
    v.Bool(L"topstretch", TopStretch);
    v.Bool(L"rightstretch", RightStretch);
    v.Bool(L"bottomstretch", BottomStretch);
    v.Bool(L"stretcheffect", StretchEffect);
    v.Stretch(L"stretchtype", StretchType);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"focusfontcolor", FocusFontColor);
    v.Color(L"mouseinfontcolor", MouseInFontColor);
    v.Str(L"updown", UpDown);
    v.Bool(L"showfocus", ShowFocus);
    v.Int(L"focusoffsetx", FocusOffsetX);
    v.Int(L"focusoffsety", FocusOffsetY);
    v.Rect(L"closebuttonrect", CloseButtonRect);
    v.Rect(L"closebuttonactiverect", CloseButtonActiveRect);
    v.Rect(L"closebuttondownrect", CloseButtonDownRect);
    v.Bool(L"buttontransparent", ButtonTransparent);
    v.Color(L"buttontransparentcolor", ButtonTransparentColor);
    v.Rect(L"tableftbottomactiverect", TabLeftBottomActiveRect);
    v.Rect(L"tableftbottomfocusrect", TabLeftBottomFocusRect);
}

template <class V> void TspDataSkinEditControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"disabledfontcolor", DisabledFontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Rect(L"buttonrect", ButtonRect);
    v.Rect(L"activebuttonrect", ActiveButtonRect);
    v.Rect(L"downbuttonrect", DownButtonRect);
    v.Rect(L"unenabledbuttonrect", UnEnabledButtonRect);
}

template <class V> void TspDataSkinMemoControl::Keys(V& v)
{
    TspDataSkinEditControl::Keys(v);
    v.Color(L"bgcolor", BGColor);
    v.Color(L"activebgcolor", ActiveBGColor);
}

template <class V> void TspDataSkinSpinEditControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"disabledfontcolor", DisabledFontColor);
    v.Rect(L"upbuttonrect", UpButtonRect);
    v.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
    v.Rect(L"downupbuttonrect", DownUpButtonRect);
    v.Rect(L"downbuttonrect", DownButtonRect);
    v.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
    v.Rect(L"downdownbuttonrect", DownDownButtonRect);
}

template <class V> void TspDataSkinListBox::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"itemrect", SItemRect);
    v.Rect(L"activeitemrect", ActiveItemRect);
    v.Rect(L"focusitemrect", FocusItemRect);
    v.Int(L"itemleftoffset", ItemLeftOffset);
    v.Int(L"itemrightoffset", ItemRightOffset);
    v.Rect(L"itemtextrect", ItemTextRect);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"focusfontcolor", FocusFontColor);
    v.Rect(L"captionrect", CaptionRect);
    v.Str(L"captionfontname", CaptionFontName, L"Tahoma");
    v.Int(L"captionfontheight", CaptionFontHeight, 13);
    v.Styles(L"captionfontstyle", CaptionFontStyle);
    v.Color(L"captionfontcolor", CaptionFontColor);
    v.Rect(L"upbuttonrect", UpButtonRect);
    v.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
    v.Rect(L"downupbuttonrect", DownUpButtonRect);
    v.Rect(L"downbuttonrect", DownButtonRect);
    v.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
    v.Rect(L"downdownbuttonrect", DownDownButtonRect);
    v.Rect(L"checkbuttonrect", CheckButtonRect);
    v.Rect(L"activecheckbuttonrect", ActiveCheckButtonRect);
    v.Rect(L"downcheckbuttonrect", DownCheckButtonRect);
    v.Str(L"vscrollbarname", VScrollBarName, L"vscrollbar");
    v.Str(L"hscrollbarname", HScrollBarName, L"hscrollbar");
    v.Str(L"bothhscrollbarname", BothScrollBarName, L"bothhscrollbar");
    v.Bool(L"showfocus", ShowFocus);
    v.Rect(L"disabledbuttonsrect", DisabledButtonsRect);
    v.Rect(L"buttonsarea", ButtonsArea);
}

template <class V> void TspDataSkinCheckListBox::Keys(V& v)
{
    TspDataSkinListBox::Keys(v);
    v.Rect(L"checkimagerect", CheckImageRect);
    v.Rect(L"itemcheckrect", ItemCheckRect);
    v.Rect(L"uncheckimagerect", UnCheckImageRect);
}

template <class V> void TspDataSkinComboBox::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    v.Rect(L"itemrect", SItemRect);
    v.Rect(L"activeitemrect", ActiveItemRect);
    v.Rect(L"focusitemrect", FocusItemRect);
    v.Int(L"itemleftoffset", ItemLeftOffset);
    v.Int(L"itemrightoffset", ItemRightOffset);
    v.Rect(L"itemtextrect", ItemTextRect);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"focusfontcolor", FocusFontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Str(L"listboxname", ListBoxName);
    v.Rect(L"buttonrect", ButtonRect);
    v.Rect(L"activebuttonrect", ActiveButtonRect);
    v.Rect(L"downbuttonrect", DownButtonRect);
    v.Rect(L"unenabledbuttonrect", UnEnabledButtonRect);
    v.Bool(L"itemstretcheffect", ItemStretchEffect);
    v.Bool(L"focusitemstretcheffect", FocusItemStretchEffect);
    v.Bool(L"showfocus", ShowFocus);
}

template <class V> void TspDataSkinScrollBarControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"trackarea", TrackArea);
    v.Rect(L"upbuttonrect", UpButtonRect);
    v.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
    v.Rect(L"downupbuttonrect", DownUpButtonRect);
    v.Rect(L"downbuttonrect", DownButtonRect);
    v.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
    v.Rect(L"downdownbuttonrect", DownDownButtonRect);
    v.Rect(L"thumbrect", ThumbRect);
    v.Rect(L"activethumbrect", ActiveThumbRect);
    v.Rect(L"downthumbrect", DownThumbRect);
    v.Int(L"thumboffset1", ThumbOffset1);
    v.Int(L"thumboffset2", ThumbOffset2);
    v.Bool(L"thumbtransparent", ThumbTransparent);
    v.Color(L"thumbtransparentcolor", ThumbTransparentColor);
    v.Bool(L"thumbstretcheffect", ThumbStretchEffect);
    v.Int(L"thumbminsize", ThumbMinSize);
    v.Int(L"thumbminpagesize", ThumbMinPageSize);
    v.Rect(L"glyphrect", GlyphRect);
    v.Rect(L"activeglyphrect", ActiveGlyphRect);
    v.Rect(L"downglyphrect", DownGlyphRect);
    v.Bool(L"glyphtransparent", GlyphTransparent);
    v.Color(L"glyphtransparentcolor", GlyphTransparentColor);
}

template <class V> void TspDataSkinUpDownControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"upbuttonrect", UpButtonRect);
    v.Rect(L"activeupbuttonrect", ActiveUpButtonRect);
    v.Rect(L"downupbuttonrect", DownUpButtonRect);
    v.Rect(L"downbuttonrect", DownButtonRect);
    v.Rect(L"activedownbuttonrect", ActiveDownButtonRect);
    v.Rect(L"downdownbuttonrect", DownDownButtonRect);
}

template <class V> void TspDataSkinTrackBarControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    v.Rect(L"trackarea", TrackArea);
    v.Rect(L"buttonrect", ButtonRect);
    v.Rect(L"activebuttonrect", ActiveButtonRect);
    v.Bool(L"vertical", Vertical);
    v.Bool(L"buttontransparent", ButtonTransparent);
    v.Color(L"buttontransparentcolor", ButtonTransparentColor);
}

template <class V> void TspDataSkinGaugeControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"progressarea", ProgressArea);
    v.Rect(L"progressrect", ProgressRect);
    v.Int(L"beginoffset", BeginOffset);
    v.Int(L"endoffset", EndOffset);
    v.Bool(L"vertical", Vertical);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Bool(L"progresstransparent", ProgressTransparent);
    v.Color(L"progresstransparentcolor", ProgressTransparentColor);
    v.Bool(L"progressstretch", ProgressStretch);
    v.Rect(L"animationskinrect", AnimationSkinRect);
    v.Int(L"animationcountframes", AnimationCountFrames);
    v.Int(L"animationtimerinterval", AnimationTimerInterval);
    v.Rect(L"progressanimationskinrect", ProgressAnimationSkinRect);
    v.Int(L"progressanimationcountframes", ProgressAnimationCountFrames);
    v.Int(L"progressanimationtimerinterval", ProgressAnimationTimerInterval);
    v.Int(L"animationbeginoffset", AnimationBeginOffset);
    v.Int(L"animationendoffset", AnimationEndOffset);
}

template <class V> void TspDataSkinSplitterControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"gripperrect", GripperRect);
    v.Bool(L"grippertransparent", GripperTransparent);
    v.Color(L"grippertransparentcolor", GripperTransparentColor);
}

template <class V> void TspDataSkinPanelControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Int(L"bgpictureindex", BGPictureIndex, -1);
    v.Rect(L"captionrect", CaptionRect);
    v.Align(L"alignment", Alignment);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Rect(L"checkimagerect", CheckImageRect);
    v.Rect(L"uncheckimagerect", UnCheckImageRect);
    v.Rect(L"markframerect", MarkFrameRect);
    v.Rect(L"framerect", FrameRect);
    v.Rect(L"frametextrect", FrameTextRect);
    v.Int(L"frameleftoffset", FrameLeftOffset);
    v.Int(L"framerightoffset", FrameRightOffset);
    v.Rect(L"gripperrect", GripperRect);
    v.Bool(L"grippertransparent", GripperTransparent);
    v.Color(L"grippertransparentcolor", GripperTransparentColor);
}

template <class V> void TspDataSkinExPanelControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"rollhskinrect", RollHSkinRect);
    v.Rect(L"rollvskinrect", RollVSkinRect);
    v.Int(L"rollleftoffset", RollLeftOffset);
    v.Int(L"rollrightoffset", RollRightOffset);
    v.Int(L"rolltopoffset", RollTopOffset);
    v.Int(L"rollbottomoffset", RollBottomOffset);
    v.Rect(L"rollvcaptionrect", RollVCaptionRect);
    v.Rect(L"rollhcaptionrect", RollHCaptionRect);
    v.Rect(L"closebuttonrect", CloseButtonRect);
    v.Rect(L"closebuttonactiverect", CloseButtonActiveRect);
    v.Rect(L"closebuttondownrect", CloseButtonDownRect);
    v.Rect(L"hrollbuttonrect", HRollButtonRect);
    v.Rect(L"hrollbuttonactiverect", HRollButtonActiveRect);
    v.Rect(L"hrollbuttondownrect", HRollButtonDownRect);
    v.Rect(L"hrestorebuttonrect", HRestoreButtonRect);
    v.Rect(L"hrestorebuttonactiverect", HRestoreButtonActiveRect);
    v.Rect(L"hrestorebuttondownrect", HRestoreButtonDownRect);
    v.Rect(L"vrollbuttonrect", VRollButtonRect);
    v.Rect(L"vrollbuttonactiverect", VRollButtonActiveRect);
    v.Rect(L"vrollbuttondownrect", VRollButtonDownRect);
    v.Rect(L"vrestorebuttonrect", VRestoreButtonRect);
    v.Rect(L"vrestorebuttonactiverect", VRestoreButtonActiveRect);
    v.Rect(L"vrestorebuttondownrect", VRestoreButtonDownRect);
    v.Rect(L"captionrect", CaptionRect);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Bool(L"buttonstransparent", ButtonsTransparent);
    v.Color(L"buttonstransparentcolor", ButtonsTransparentColor);
}

template <class V> void TspDataSkinScrollBoxControl::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Int(L"bgpictureindex", BGPictureIndex, -1);
}

template <class V> void TspDataSkinControlBar::Keys(V& v)
{
    TspDataSkinCustomControl::Keys(v);
    v.Rect(L"itemrect", ItemRect);
    v.Int(L"bgpictureindex", BGPictureIndex, -1);
    v.Rect(L"hgriprect", HGripRect);
    v.Rect(L"vgriprect", VGripRect);
    v.Int(L"gripoffset1", GripOffset1);
    v.Int(L"gripoffset2", GripOffset2);
    v.Bool(L"itemstretcheffect", ItemStretchEffect);
    v.Int(L"itemoffset1", ItemOffset1, 3);
    v.Int(L"itemoffset2", ItemOffset2, 3);
    v.Bool(L"itemtransparent", ItemTransparent);
    v.Color(L"itemtransparentcolor", ItemTransparentColor);
    v.Bool(L"griptransparent", GripTransparent);
    v.Color(L"griptransparentcolor", GripTransparentColor);
}

template <class V> void TspDataSkinMainMenuBar::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Rect(L"itemsrect", ItemsRect);
    v.Str(L"menubaritem", MenuBarItem);
    v.Str(L"closebutton", CloseButton);
    v.Str(L"minbutton", MinButton);
    v.Str(L"maxbutton", MaxButton);
    v.Str(L"sysmenubutton", SysMenuButton);
    v.Color(L"trackmarkcolor", TrackMarkColor);
    v.Color(L"trackmarkactivecolor", TrackMarkActiveColor);
    v.Bool(L"stretcheffect", StretchEffect);
    v.Bool(L"itemtransparent", ItemTransparent);
}

template <class V> void TspDataSkinGridControl::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Rect(L"fixedcellrect", FixedCellRect);
    v.Rect(L"selectcellrect", SelectCellRect);
    v.Rect(L"focuscellrect", FocusCellRect);
    v.Int(L"fixedcellleftoffset", FixedCellLeftOffset);
    v.Int(L"fixedcellrightoffset", FixedCellRightOffset);
    v.Rect(L"fixedcelltextrect", FixedCellTextRect);
    v.Int(L"cellleftoffset", CellLeftOffset);
    v.Int(L"cellrightoffset", CellRightOffset);
    v.Rect(L"celltextrect", CellTextRect);
    v.Color(L"linescolor", LinesColor);
    v.Color(L"bgcolor", BGColor);
    v.Int(L"bgpictureindex", BGPictureIndex, -1);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"selectfontcolor", SelectFontColor);
    v.Color(L"focusfontcolor", FocusFontColor);
    v.Str(L"fixedfontname", FixedFontName, L"Tahoma");
    v.Int(L"fixedfontheight", FixedFontHeight, 13);
    v.Styles(L"fixedfontstyle", FixedFontStyle);
    v.Color(L"fixedfontcolor", FixedFontColor);
    v.Bool(L"cellstretcheffect", CellStretchEffect);
    v.Bool(L"fixedcellstretcheffect", FixedCellStretchEffect);
    v.Bool(L"showfocus", ShowFocus);
}

template <class V> void TspDataSkinTreeView::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"bgcolor", BGColor);
    v.Rect(L"expandimagerect", ExpandImageRect);
    v.Rect(L"noexpandimagerect", NoExpandImageRect);
}

template <class V> void TspDataSkinListView::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"bgcolor", BGColor);
}

template <class V> void TspDataSkinRichEdit::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"bgcolor", BGColor);
}

template <class V> void TspDataSkinSlider::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Color(L"bgcolor", BGColor);
    v.Rect(L"hrulerrect", HRulerRect);
    v.Rect(L"hthumbrect", HThumbRect);
    v.Rect(L"vrulerrect", VRulerRect);
    v.Rect(L"vthumbrect", VThumbRect);
    v.Int(L"edgesize", EdgeSize);
    v.Color(L"pointscolor", PointsColor);
}

template <class V> void TspDataSkinBevel::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Color(L"lightcolor", LightColor);
    v.Color(L"darkcolor", DarkColor);
}

template <class V> void TspDataSkinFrameControl::Keys(V& v)
{
    TspDataSkinControl::Keys(v);
    v.Int(L"framescount", FramesCount, 1);
    v.Word(L"framesplacement", FramesPlacement, kFramesPlacementWords);
}

template <class V> void TspDataSkinFrameRegulator::Keys(V& v)
{
    TspDataSkinFrameControl::Keys(v);
    v.Word(L"kind", Kind, kRegulatorKindWords);
}

// --- loading and saving ----------------------------------------------------------------------

template class TspKeyedRecord<TspDataSkinControl, TspSkinRecord>;
template class TspKeyedRecord<TspDataSkinCustomControl, TspDataSkinControl>;
template class TspKeyedRecord<TspDataSkinMainMenuBar, TspDataSkinControl>;
template class TspKeyedRecord<TspDataSkinUpDownControl, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinListBox, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinCheckListBox, TspDataSkinListBox>;
template class TspKeyedRecord<TspDataSkinComboBox, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinControlBar, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinTreeView, TspDataSkinControl, true>;
template class TspKeyedRecord<TspDataSkinListView, TspDataSkinControl, true>;
template class TspKeyedRecord<TspDataSkinRichEdit, TspDataSkinControl, true>;
template class TspKeyedRecord<TspDataSkinSlider, TspDataSkinControl>;
template class TspKeyedRecord<TspDataSkinBevel, TspDataSkinControl>;
template class TspKeyedRecord<TspDataSkinTabControl, TspDataSkinControl, true>;
template class TspKeyedRecord<TspDataSkinGridControl, TspDataSkinControl>;
template class TspKeyedRecord<TspDataSkinFrameControl, TspDataSkinControl>;
template class TspKeyedRecord<TspDataSkinFrameRegulator, TspDataSkinFrameControl>;
template class TspKeyedRecord<TspDataSkinSpinEditControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinEditControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinMemoControl, TspDataSkinEditControl>;
template class TspKeyedRecord<TspDataSkinStdLabelControl, TspDataSkinControl, true>;
template class TspKeyedRecord<TspDataSkinBitLabelControl, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinLabelControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinScrollBarControl, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinTrackBarControl, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinSplitterControl, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinGaugeControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinScrollBoxControl, TspDataSkinCustomControl>;
template class TspKeyedRecord<TspDataSkinPanelControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinExPanelControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinCheckRadioControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinButtonControl, TspDataSkinCustomControl, true>;
template class TspKeyedRecord<TspDataSkinMenuButtonControl, TspDataSkinButtonControl>;

void TspDataSkinUpDownControl::AfterLoad()
{
    // An up-down is drawn from its button rectangles alone; frame geometry would only mislead.
    LTPoint = RTPoint = LBPoint = RBPoint = TPoint{};
    ClRect = TRect{};
}

// Every frame control, regulators included, has at least one frame.
void TspDataSkinFrameControl::AfterLoad()
{
    if (FramesCount < 1)
        FramesCount = 1;
}

// --- looks -----------------------------------------------------------------------------------

namespace {

template <class... Kinds> TRect FirstActiveSkinRect(const TspDataSkinControl& record)
{
    TRect found;
    auto take = [&found](const auto* kind) {
        if (kind && found.IsEmpty())
            found = kind->ActiveSkinRect;
    };
    (take(dynamic_cast<const Kinds*>(&record)), ...);
    return found;
}

} // namespace

TRect ActiveSkinRectOf(const TspDataSkinControl& record)
{
    return FirstActiveSkinRect<TspDataSkinButtonControl, TspDataSkinCheckRadioControl, TspDataSkinEditControl,
                               TspDataSkinComboBox, TspDataSkinSpinEditControl, TspDataSkinTrackBarControl>(record);
}

// --- fonts -----------------------------------------------------------------------------------

void TspDataSkinGridControl::ChangeFont(const String& fontName, int32_t heightCorrection)
{
    FontName = fontName;
    FontHeight += heightCorrection;
    FixedFontName = fontName;
    FixedFontHeight += heightCorrection;
}

void TspDataSkinListBox::ChangeFont(const String& fontName, int32_t heightCorrection)
{
    FontName = fontName;
    FontHeight += heightCorrection;
    CaptionFontName = fontName;
    CaptionFontHeight += heightCorrection;
}

} // namespace vt
