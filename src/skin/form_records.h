// Form object records: the named elements of a skinned form's frame, caption and menus
// ([SKINOBJECTS] entries), and the key lists of the three window records with fixed sections
// (popup window, layer frame, hint window).
//
// Classes: TspDataSkinObject, TspDataUserObject, TspDataSkinButton, TspDataSkinStdButton,
// TspDataSkinMainMenuBarButton, TspDataSkinCaptionMenuButton, TspDataSkinCaptionTab,
// TspDataSkinCaption, TspDataSkinMenuItem, TspDataSkinMainMenuItem, TspDataSkinMainMenuBarItem,
// TspDataSkinLabel, TspDataSkinBitLabel, TspDataSkinAnimate, TspDataSkinGauge,
// TspDataSkinTrackBar, TspDataSkinFrameGaugeObject, TspDataSkinFrameRegulatorObject,
// TspDataSkinSwitch.
#pragma once

#include "framework/base/string_list.h"
#include "raster/bitmap.h"
#include "skin/record_keys.h"
#include "skin/skin_records.h"

#include <memory>

namespace vt {

class TspSkinData;

// Builds one alpha image of the button family: rectangle r of active picture pictureIndex, with
// the alpha taken from the mean of mask picture maskIndex's red, green and blue (drawn at the
// image's origin) and premultiplied; fully opaque without a mask. Null when r is empty or the
// picture does not exist.
std::unique_ptr<TspBitmap> BuildAlphaImage(const TspSkinData& skinData, int32_t pictureIndex,
                                           const TRect& r, int32_t maskIndex);
// The whole of active picture pictureIndex with the alpha of mask maskIndex (not premultiplied);
// null unless both pictures exist.
std::unique_ptr<TspBitmap> BuildMaskedPicture(const TspSkinData& skinData, int32_t pictureIndex,
                                              int32_t maskIndex);

class TspDataSkinObject : public TspKeyedRecord<TspDataSkinObject, TspSkinRecord> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String Hint;
    bool SkinRectInAPicture = false;
    TRect SkinRect, ActiveSkinRect, InActiveSkinRect;
    bool Morphing = false;
    TMorphKind MorphKind = mkDefault;
    int32_t ActivePictureIndex = -1;
    int32_t ActiveMaskPictureIndex = -1;
    int32_t CursorIndex = -1;
    bool RollUp = false;
    int32_t GlowLayerPictureIndex = -1;
    int32_t GlowLayerMaskPictureIndex = -1;
    int32_t GlowLayerOffsetX = 0;
    int32_t GlowLayerOffsetY = 0;
    int32_t GlowLayerAlphaBlendValue = 255;
};

// Reads only its own three keys, not the base ones.
class TspDataUserObject : public TspKeyedRecord<TspDataUserObject, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
};

class TspDataSkinButton : public TspKeyedRecord<TspDataSkinButton, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    void InitAlphaImages(TspSkinData& skinData) override;
    template <class V> void Keys(V& v);

    int32_t GroupIndex = -1;
    TRect DownRect, DisableSkinRect;
    int32_t AlphaMaskPictureIndex = -1;
    int32_t AlphaMaskActivePictureIndex = -1;
    int32_t AlphaMaskInActivePictureIndex = -1;
    std::unique_ptr<TspBitmap> FAlphaNormalImage, FAlphaActiveImage, FAlphaDownImage,
        FAlphaInActiveImage;

protected:
    // Buttons carry alpha images only on a layered frame that covers the whole border.
    static bool UsesAlphaImages(const TspSkinData& skinData);
    void BuildButtonImages(const TspSkinData& skinData);
    void FreeButtonImages();
};

class TspDataSkinStdButton : public TspKeyedRecord<TspDataSkinStdButton, TspDataSkinButton> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    void InitAlphaImages(TspSkinData& skinData) override;
    template <class V> void Keys(V& v);
    void AfterLoad();

    TStdCommand Command = cmClose;
    TRect RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    String RestoreHint;
    std::unique_ptr<TspBitmap> FAlphaRestoreNormalImage, FAlphaRestoreActiveImage,
        FAlphaRestoreDownImage, FAlphaInActiveRestoreImage;
};

class TspDataSkinMainMenuBarButton : public TspDataSkinStdButton {
public:
    using TspDataSkinStdButton::TspDataSkinStdButton;
};

class TspDataSkinCaptionMenuButton
    : public TspKeyedRecord<TspDataSkinCaptionMenuButton, TspDataSkinButton, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    void InitAlphaImages(TspSkinData& skinData) override;
    template <class V> void Keys(V& v);

    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, InActiveFontColor = 0;
    int32_t LeftOffset = 0, RightOffset = 0, TopPosition = 0;
    TRect ClRect;
};

class TspDataSkinCaptionTab
    : public TspKeyedRecord<TspDataSkinCaptionTab, TspDataSkinButton, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    void InitAlphaImages(TspSkinData& skinData) override;
    template <class V> void Keys(V& v);

    String FontName;
    TFontStyles FontStyle = 0;
    int32_t FontHeight = 0;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0;
    int32_t LeftOffset = 0, RightOffset = 0, TopPosition = 0;
    TRect ClRect;
};

class TspDataSkinCaption : public TspKeyedRecord<TspDataSkinCaption, TspDataSkinObject, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName;
    int32_t FontHeight = 0;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0, ActiveFontColor = 0, ShadowColor = 0, ActiveShadowColor = 0;
    bool Shadow = false;
    TAlignment Alignment = taLeftJustify;
    TRect TextRct;
    bool DefaultCaption = false;
    TRect FrameRect, ActiveFrameRect;
    int32_t FrameLeftOffset = 0, FrameRightOffset = 0;
    TRect FrameTextRect;
    bool Light = false;
    TColor LightColor = 0, ActiveLightColor = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int32_t FrameCount = 0, AnimateInterval = 0;
    bool InActiveAnimation = false, FullFrame = false;
    bool VistaGlowEffect = false, VistaGlowInActiveEffect = false;
    bool GlowEffect = false, GlowInActiveEffect = false;
    int32_t GlowSize = 0;
    TColor GlowColor = 0, GlowActiveColor = 0;
    int32_t GlowOffset = 0;
    bool ReflectionEffect = false;
    TColor ReflectionColor = 0, ReflectionActiveColor = 0;
    int32_t ReflectionOffset = 0;
    TRect DividerRect, InActiveDividerRect;
    bool DividerTransparent = false;
    TColor DividerTransparentColor = 0;
    int32_t QuickButtonAlphaMaskPictureIndex = -1;
};

class TspDataSkinMenuItem : public TspKeyedRecord<TspDataSkinMenuItem, TspDataSkinObject, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void AfterLoad();

    TRect DividerRect;
    int32_t DividerLO = 0, DividerRO = 0, ItemLO = 0, ItemRO = 0;
    String FontName;
    int32_t FontHeight = 0;
    TFontStyles FontStyle = 0;
    TColor UnEnabledFontColor = 0, FontColor = 0, ActiveFontColor = 0;
    TRect TextRct;
    bool StretchEffect = false, DividerStretchEffect = false, InActiveStretchEffect = false;
    TRect AnimateSkinRect;
    int32_t FrameCount = 0, AnimateInterval = 0;
    bool InActiveAnimation = false;
    TRect ImageRct;
    bool UseImageColor = false;
    TColor ImageColor = 0, ActiveImageColor = 0;
    bool InActiveTransparent = false;
    TRect CheckImageRect, ActiveCheckImageRect, RadioImageRect, ActiveRadioImageRect,
        ArrowImageRect, ActiveArrowImageRect;
};

class TspDataSkinMainMenuItem : public TspKeyedRecord<TspDataSkinMainMenuItem, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect DownRect;
    String FontName;
    int32_t FontHeight = 0;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0, ActiveFontColor = 0, DownFontColor = 0, UnEnabledFontColor = 0;
    TRect TextRct;
    int32_t ItemLO = 0, ItemRO = 0;
    bool StretchEffect = false;
    TRect AnimateSkinRect;
    int32_t FrameCount = 0, AnimateInterval = 0;
    bool InActiveAnimation = false;
};

// Only the bar's items take a global font change; plain main menu items keep theirs.
class TspDataSkinMainMenuBarItem
    : public TspKeyedRecord<TspDataSkinMainMenuBarItem, TspDataSkinMainMenuItem, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
};

class TspDataSkinLabel : public TspKeyedRecord<TspDataSkinLabel, TspDataSkinObject, true> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    String FontName;
    int32_t FontHeight = 0;
    TFontStyles FontStyle = 0;
    TColor FontColor = 0, ActiveFontColor = 0;
    TAlignment Alignment = taLeftJustify;
    String TextValue;
};

class TspDataSkinBitLabel : public TspKeyedRecord<TspDataSkinBitLabel, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void AfterLoad();

    TStringList Symbols;
    String TextValue;
    int32_t SymbolWidth = 0, SymbolHeight = 0;
    bool Transparent = false;
    TColor TransparentColor = 16711935;
};

class TspDataSkinAnimate : public TspKeyedRecord<TspDataSkinAnimate, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);
    void AfterLoad();

    int32_t CountFrames = 0;
    bool Cycle = false, ButtonStyle = false;
    int32_t TimerInterval = 0;
    TStdCommand Command = cmClose;
    TRect DownSkinRect, RestoreRect, RestoreActiveRect, RestoreDownRect, RestoreInActiveRect;
    String RestoreHint;
};

class TspDataSkinGauge : public TspKeyedRecord<TspDataSkinGauge, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    int32_t MinValue = 0, MaxValue = 0;
    TGaugeKind Kind = gkHorizontal;
};

class TspDataSkinTrackBar : public TspKeyedRecord<TspDataSkinTrackBar, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    TRect ButtonRect, ActiveButtonRect;
    TPoint BeginPoint, EndPoint;
    int32_t MinValue = 0, MaxValue = 0;
    bool MouseDownChangeValue = false, ButtonTransparent = false;
    TColor ButtonTransparentColor = 0;
};

class TspDataSkinFrameGaugeObject
    : public TspKeyedRecord<TspDataSkinFrameGaugeObject, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    int32_t MinValue = 0, MaxValue = 0, CountFrames = 0;
    TFramesPlacement FramesPlacement = fpHorizontal;
};

class TspDataSkinFrameRegulatorObject
    : public TspKeyedRecord<TspDataSkinFrameRegulatorObject, TspDataSkinObject> {
public:
    using TspKeyedRecord::TspKeyedRecord;
    template <class V> void Keys(V& v);

    int32_t MinValue = 0, MaxValue = 0, CountFrames = 0;
    TFramesPlacement FramesPlacement = fpHorizontal;
    TRegulatorKind Kind = rkRound;
};

class TspDataSkinSwitch : public TspDataSkinObject {
public:
    using TspDataSkinObject::TspDataSkinObject;
};

} // namespace vt
