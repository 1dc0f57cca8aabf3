// Control records: how each kind of skinned control is drawn ([SKINCONTROLS] entries).
//
// Classes: TspDataSkinControl; TspDataSkinCustomControl and its descendants (control bar,
// up-down, combo box, scroll bar, spin edit, label, bit label, track bar, splitter, gauge,
// check/radio, scroll box, panel, ex-panel, list box, check list box, edit, memo, button, menu
// button); bevel, slider, tree view, list view, rich edit, main menu bar, tab, grid, standard
// label; TspDataSkinFrameControl with animate, switch, frame gauge and frame regulator.
#pragma once

#include "framework/base/string_list.h"
#include "skin/record_keys.h"
#include "skin/skin_records.h"

namespace vt {

class TspDataSkinControl : public TspKeyedRecord<TspDataSkinControl, TspSkinRecord> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    int32_t PictureIndex = -1;
    int32_t MaskPictureIndex = -1;
    TRect SkinRect;
    int32_t CursorIndex = -1;
};

class TspDataSkinCustomControl
    : public TspKeyedRecord<TspDataSkinCustomControl, TspDataSkinControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    TRect ClRect;
    bool StretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
         BottomStretch = false;
    TspStretchType StretchType = spstFull;
};

class TspDataSkinMainMenuBar : public TspKeyedRecord<TspDataSkinMainMenuBar, TspDataSkinControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ItemsRect;
    String MenuBarItem, CloseButton, MaxButton, MinButton, SysMenuButton;
    int32_t TrackMarkColor = 0, TrackMarkActiveColor = 0;
    bool StretchEffect = false, ItemTransparent = false;
};

class TspDataSkinUpDownControl
    : public TspKeyedRecord<TspDataSkinUpDownControl, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void AfterLoad();

    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
        DownDownButtonRect;
};

class TspDataSkinListBox : public TspKeyedRecord<TspDataSkinListBox, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void ChangeFont(const String& fontName, int32_t heightCorrection) override;

    TRect SItemRect, ActiveItemRect, FocusItemRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0;
    TRect CaptionRect;
    String CaptionFontName = L"Tahoma";
    TFontStyles CaptionFontStyle = 0;
    int32_t CaptionFontHeight = 13;
    TColor CaptionFontColor = 0;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
        DownDownButtonRect, CheckButtonRect, ActiveCheckButtonRect, DownCheckButtonRect;
    String HScrollBarName, VScrollBarName, BothScrollBarName;
    bool ShowFocus = false;
    TRect DisabledButtonsRect, ButtonsArea;
};

class TspDataSkinCheckListBox : public TspKeyedRecord<TspDataSkinCheckListBox, TspDataSkinListBox> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect UnCheckImageRect, CheckImageRect, ItemCheckRect;
};

class TspDataSkinComboBox
    : public TspKeyedRecord<TspDataSkinComboBox, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect SItemRect, ActiveItemRect, FocusItemRect;
    int32_t ItemLeftOffset = 0, ItemRightOffset = 0;
    TRect ItemTextRect;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, FocusFontColor = 0, ActiveFontColor = 0;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
    bool ItemStretchEffect = false, FocusItemStretchEffect = false;
    TRect ActiveSkinRect;
    bool ShowFocus = false;
    String ListBoxName;
};

class TspDataSkinControlBar
    : public TspKeyedRecord<TspDataSkinControlBar, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ItemRect;
    int32_t BGPictureIndex = -1;
    TRect HGripRect, VGripRect;
    int32_t GripOffset1 = 0, GripOffset2 = 0;
    bool ItemStretchEffect = false;
    int32_t ItemOffset1 = 0, ItemOffset2 = 0;
    bool ItemTransparent = false;
    TColor ItemTransparentColor = 0;
    bool GripTransparent = false;
    TColor GripTransparentColor = 0;
};

class TspDataSkinTreeView : public TspKeyedRecord<TspDataSkinTreeView, TspDataSkinControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, BGColor = 0;
    TRect ExpandImageRect, NoExpandImageRect;
};

class TspDataSkinListView : public TspKeyedRecord<TspDataSkinListView, TspDataSkinControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, BGColor = 0;
};

class TspDataSkinRichEdit : public TspKeyedRecord<TspDataSkinRichEdit, TspDataSkinControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, BGColor = 0;
};

class TspDataSkinSlider : public TspKeyedRecord<TspDataSkinSlider, TspDataSkinControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect HRulerRect, HThumbRect, VRulerRect, VThumbRect;
    int32_t EdgeSize = 0;
    TColor BGColor = 0, PointsColor = 0;
};

class TspDataSkinBevel : public TspKeyedRecord<TspDataSkinBevel, TspDataSkinControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TColor LightColor = 0, DarkColor = 0;
};

class TspDataSkinTabControl
    : public TspKeyedRecord<TspDataSkinTabControl, TspDataSkinControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect TabRect, ActiveTabRect, FocusTabRect, MouseInTabRect, ClRect, TabsBGRect;
    TPoint LTPoint, RTPoint, LBPoint, RBPoint;
    int32_t TabLeftOffset = 0, TabRightOffset = 0;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, FocusFontColor = 0, MouseInFontColor = 0;
    String UpDown;
    int32_t BGPictureIndex = -1;
    bool TabStretchEffect = false, LeftStretch = false, TopStretch = false, RightStretch = false,
         BottomStretch = false, ShowFocus = false;
    int32_t FocusOffsetX = 0, FocusOffsetY = 0;
    bool StretchEffect = false;
    TspStretchType StretchType = spstFull;
    TRect CloseButtonRect, CloseButtonActiveRect, CloseButtonDownRect;
    bool ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
    TRect TabLeftBottomActiveRect, TabLeftBottomFocusRect;
};

class TspDataSkinGridControl : public TspKeyedRecord<TspDataSkinGridControl, TspDataSkinControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void ChangeFont(const String& fontName, int32_t heightCorrection) override;

    TRect FixedCellRect, SelectCellRect, FocusCellRect;
    int32_t FixedCellLeftOffset = 0, FixedCellRightOffset = 0;
    TRect FixedCellTextRect;
    int32_t CellLeftOffset = 0, CellRightOffset = 0;
    TRect CellTextRect;
    TColor LinesColor = 0, BGColor = 0;
    int32_t BGPictureIndex = -1;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, SelectFontColor = 0, FocusFontColor = 0;
    String FixedFontName = L"Tahoma";
    TFontStyles FixedFontStyle = 0;
    int32_t FixedFontHeight = 13;
    TColor FixedFontColor = 0;
    bool FixedCellStretchEffect = false, CellStretchEffect = false, ShowFocus = false;
};

class TspDataSkinFrameControl : public TspKeyedRecord<TspDataSkinFrameControl, TspDataSkinControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void AfterLoad();

    int32_t FramesCount = 1;
    TFramesPlacement FramesPlacement = fpHorizontal;
};

class TspDataSkinAnimateControl : public TspDataSkinFrameControl {
public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinSwitchControl : public TspDataSkinFrameControl {
public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameGauge : public TspDataSkinFrameControl {
public:
    using TspDataSkinFrameControl::TspDataSkinFrameControl;
};

class TspDataSkinFrameRegulator
    : public TspKeyedRecord<TspDataSkinFrameRegulator, TspDataSkinFrameControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRegulatorKind Kind = rkRound;
};

class TspDataSkinSpinEditControl
    : public TspKeyedRecord<TspDataSkinSpinEditControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ActiveSkinRect;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, DisabledFontColor = 0;
    TRect UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect, ActiveDownButtonRect,
        DownDownButtonRect;
};

class TspDataSkinEditControl
    : public TspKeyedRecord<TspDataSkinEditControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ActiveSkinRect;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, DisabledFontColor = 0, ActiveFontColor = 0;
    TRect ButtonRect, ActiveButtonRect, DownButtonRect, UnEnabledButtonRect;
};

class TspDataSkinMemoControl
    : public TspKeyedRecord<TspDataSkinMemoControl, TspDataSkinEditControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TColor BGColor = 0, ActiveBGColor = 0;
};

class TspDataSkinStdLabelControl
    : public TspKeyedRecord<TspDataSkinStdLabelControl, TspDataSkinControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0;
};

class TspDataSkinBitLabelControl
    : public TspKeyedRecord<TspDataSkinBitLabelControl, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect SkinTextRect;
    int32_t SymbolWidth = 0, SymbolHeight = 0;
    TStringList Symbols;
};

class TspDataSkinLabelControl
    : public TspKeyedRecord<TspDataSkinLabelControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0;
};

class TspDataSkinScrollBarControl
    : public TspKeyedRecord<TspDataSkinScrollBarControl, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect TrackArea, UpButtonRect, ActiveUpButtonRect, DownUpButtonRect, DownButtonRect,
        ActiveDownButtonRect, DownDownButtonRect, ThumbRect, ActiveThumbRect, DownThumbRect;
    int32_t ThumbOffset1 = 0, ThumbOffset2 = 0;
    TRect GlyphRect, ActiveGlyphRect, DownGlyphRect;
    bool GlyphTransparent = false;
    TColor GlyphTransparentColor = 0;
    bool ThumbTransparent = false;
    TColor ThumbTransparentColor = 0;
    bool ThumbStretchEffect = false;
    int32_t ThumbMinSize = 0, ThumbMinPageSize = 0;
};

class TspDataSkinTrackBarControl
    : public TspKeyedRecord<TspDataSkinTrackBarControl, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ActiveSkinRect, TrackArea, ButtonRect, ActiveButtonRect;
    bool Vertical = false, ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

class TspDataSkinSplitterControl
    : public TspKeyedRecord<TspDataSkinSplitterControl, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

class TspDataSkinGaugeControl
    : public TspKeyedRecord<TspDataSkinGaugeControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ProgressArea, ProgressRect;
    bool ProgressTransparent = false;
    TColor ProgressTransparentColor = 0;
    bool ProgressStretch = false, Vertical = false;
    int32_t BeginOffset = 0, EndOffset = 0;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0;
    TRect AnimationSkinRect;
    int32_t AnimationCountFrames = 0, AnimationTimerInterval = 0;
    TRect ProgressAnimationSkinRect;
    int32_t ProgressAnimationCountFrames = 0, ProgressAnimationTimerInterval = 0;
    int32_t AnimationBeginOffset = 0, AnimationEndOffset = 0;
};

class TspDataSkinScrollBoxControl
    : public TspKeyedRecord<TspDataSkinScrollBoxControl, TspDataSkinCustomControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    int32_t BGPictureIndex = -1;
};

class TspDataSkinPanelControl
    : public TspKeyedRecord<TspDataSkinPanelControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect CaptionRect;
    TAlignment Alignment = taLeftJustify;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0;
    int32_t BGPictureIndex = -1;
    TRect CheckImageRect, UnCheckImageRect, MarkFrameRect, FrameRect;
    int32_t FrameLeftOffset = 0, FrameRightOffset = 0;
    TRect FrameTextRect, GripperRect;
    bool GripperTransparent = false;
    TColor GripperTransparentColor = 0;
};

class TspDataSkinExPanelControl
    : public TspKeyedRecord<TspDataSkinExPanelControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect RollHSkinRect, RollVSkinRect;
    int32_t RollLeftOffset = 0, RollRightOffset = 0, RollTopOffset = 0, RollBottomOffset = 0;
    TRect RollVCaptionRect, RollHCaptionRect, CloseButtonRect, CloseButtonActiveRect,
        CloseButtonDownRect, HRollButtonRect, HRollButtonActiveRect, HRollButtonDownRect,
        HRestoreButtonRect, HRestoreButtonActiveRect, HRestoreButtonDownRect, VRollButtonRect,
        VRollButtonActiveRect, VRollButtonDownRect, VRestoreButtonRect, VRestoreButtonActiveRect,
        VRestoreButtonDownRect, CaptionRect;
    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0;
    bool ButtonsTransparent = false;
    TColor ButtonsTransparentColor = 0;
};

class TspDataSkinCheckRadioControl
    : public TspKeyedRecord<TspDataSkinCheckRadioControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, UnEnabledFontColor = 0;
    bool Morphing = false;
    TMorphKind MorphKind = mkDefault;
    TRect ActiveSkinRect, CheckImageArea, TextArea, CheckImageRect, UnCheckImageRect,
        ActiveCheckImageRect, ActiveUnCheckImageRect, UnEnabledCheckImageRect,
        UnEnabledUnCheckImageRect, GrayedCheckImageRect, ActiveGrayedCheckImageRect;
    TColor FrameFontColor = 0;
};

class TspDataSkinButtonControl
    : public TspKeyedRecord<TspDataSkinButtonControl, TspDataSkinCustomControl, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName = L"Tahoma";
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 13;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, DisabledFontColor = 0;
    bool Morphing = false;
    TMorphKind MorphKind = mkDefault;
    TRect ActiveSkinRect, DownSkinRect, DisabledSkinRect, FocusedSkinRect, AnimateSkinRect;
    int32_t FrameCount = 0, AnimateInterval = 0;
    bool ShowFocus = false;
    TRect MenuMarkerFlatRect, MenuMarkerRect, MenuMarkerActiveRect, MenuMarkerDownRect;
    TColor MenuMarkerTransparentColor = 0;
    int32_t GlowLayerPictureIndex = -1, GlowLayerMaskPictureIndex = -1;
    int32_t GlowLayerOffsetLeft = 0, GlowLayerOffsetRight = 0, GlowLayerOffsetTop = 0,
            GlowLayerOffsetBottom = 0;
    int32_t GlowLayerShowOffsetX = 0, GlowLayerShowOffsetY = 0;
    int32_t GlowLayerAlphaBlendValue = 255;
};

class TspDataSkinMenuButtonControl
    : public TspKeyedRecord<TspDataSkinMenuButtonControl, TspDataSkinButtonControl> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect TrackButtonRect;
};

// The hot look's rectangle of the control records that have one (buttons, check and radio boxes,
// edits, combo boxes, spin edits, track bars); empty for the others.
TRect ActiveSkinRectOf(const TspDataSkinControl& record);

} // namespace vt
