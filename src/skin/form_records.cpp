#include "skin/form_records.h"

#include "skin/record_io.h"
#include "skin/skin_data.h"

namespace vt {

namespace {

constexpr const wchar_t* kCommandWordList[] = {L"cmclose",         L"cmmaximize", L"cmminimize",
                                               L"cmsysmenu",       L"cmdefault",  L"cmrollup",
                                               L"cmminimizetotray"};
constexpr const wchar_t* kGaugeKindWordList[] = {L"gkhorizontal", L"gkvertical"};
constexpr const wchar_t* kPlacementWordList[] = {L"fphorizontal", L"fpvertical"};
constexpr const wchar_t* kRegulatorWordList[] = {L"rkround", L"rkhorizontal", L"rkvertical"};

// Copies the colour of picture p at (left + x, top + y) into each pixel of bmp; pixels that fall
// outside p stay black.
void CopyColours(const TPixelImage& p, int32_t left, int32_t top, TspBitmap& bmp)
{
    for (int32_t y = 0; y < bmp.Height(); ++y) {
        int64_t sy = int64_t(top) + y;
        if (sy < 0 || sy >= p.Height)
            continue;
        TspColor* row = bmp.GetScanLine(y);
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            int64_t sx = int64_t(left) + x;
            if (sx < 0 || sx >= p.Width)
                continue;
            const TPixel& s = p.At(static_cast<int32_t>(sx), static_cast<int32_t>(sy));
            row[x] = MakePixel(s.R, s.G, s.B, 0);
        }
    }
}

// Alpha of every pixel from the rounded mean of the mask's red, green and blue at the same
// position (mask drawn at the origin); outside the mask the alpha is 0, as on black.
void AlphaFromMask(const TPixelImage& mask, TspBitmap& bmp)
{
    for (int32_t y = 0; y < bmp.Height(); ++y) {
        TspColor* row = bmp.GetScanLine(y);
        for (int32_t x = 0; x < bmp.Width(); ++x) {
            uint32_t a = 0;
            if (y < mask.Height && x < mask.Width) {
                const TPixel& m = mask.At(x, y);
                // A mean of three integers never ends in .5, so plain rounding is exact.
                a = (uint32_t(m.R) + m.G + m.B + 1) / 3;
            }
            row[x] = (row[x] & 0x00FFFFFFu) | (a << 24);
        }
    }
}

} // namespace

const TKeyWords kCommandWords{kCommandWordList, 7, 6, cmMinimizeToTray, cmDefault};
const TKeyWords kGaugeKindWords{kGaugeKindWordList, 2, 1, gkVertical, gkHorizontal};
const TKeyWords kFramesPlacementWords{kPlacementWordList, 2, 1, fpVertical, fpHorizontal};
const TKeyWords kRegulatorKindWords{kRegulatorWordList, 3, 2, rkVertical, rkRound};

uint8_t ReadKeyWord(const TMemIniFile& f, std::wstring_view section, std::wstring_view key,
                    const TKeyWords& words)
{
    String s = f.ReadString(section, key, words.Words[words.Default]);
    for (uint8_t i = 0; i < words.Readable; ++i)
        if (s == words.Words[i])
            return i;
    return words.Fallback;
}

void WriteKeyWord(TMemIniFile& f, std::wstring_view section, std::wstring_view key,
                  const TKeyWords& words, uint8_t value)
{
    f.WriteString(section, key, words.Words[value < words.Count ? value : words.Default]);
}

std::unique_ptr<TspBitmap> BuildAlphaImage(const TspSkinData& d, int32_t pictureIndex,
                                           const TRect& r, int32_t maskIndex)
{
    const TPixelImage* picture = SkinActivePicture(d, pictureIndex);
    if (r.IsEmpty() || !picture)
        return nullptr;
    auto image = std::make_unique<TspBitmap>();
    image->SetSize(r.Width(), r.Height());
    CopyColours(*picture, r.Left, r.Top, *image);
    const TPixelImage* mask = SkinActivePicture(d, maskIndex);
    if (!mask) {
        image->SetAlpha(255);
        return image;
    }
    AlphaFromMask(*mask, *image);
    image->CheckRGBA2();
    return image;
}

std::unique_ptr<TspBitmap> BuildMaskedPicture(const TspSkinData& d, int32_t pictureIndex,
                                              int32_t maskIndex)
{
    const TPixelImage* picture = SkinActivePicture(d, pictureIndex);
    const TPixelImage* mask = SkinActivePicture(d, maskIndex);
    if (!picture || !mask)
        return nullptr;
    auto image = std::make_unique<TspBitmap>();
    image->SetSize(picture->Width, picture->Height);
    CopyColours(*picture, 0, 0, *image);
    AlphaFromMask(*mask, *image);
    image->CheckingAlphaBlend();
    return image;
}

// --- key lists -------------------------------------------------------------------------------

template <class V> void TspDataSkinObject::Keys(V& v)
{
    v.Str(L"hint", Hint);
    v.Bool(L"rollup", RollUp);
    v.Int(L"activepictureindex", ActivePictureIndex, -1);
    v.Int(L"activemaskpictureindex", ActiveMaskPictureIndex, -1);
    v.Bool(L"skinrectinapicture", SkinRectInAPicture);
    v.Int(L"cursorindex", CursorIndex, -1);
    v.Rect(L"skinrect", SkinRect);
    v.Rect(L"activeskinrect", ActiveSkinRect);
    v.Rect(L"inactiveskinrect", InActiveSkinRect);
    v.Bool(L"morphing", Morphing);
    v.Morph(L"morphkind", MorphKind);
    v.Int(L"glowlayerpictureindex", GlowLayerPictureIndex, -1);
    v.Int(L"glowlayermaskpictureindex", GlowLayerMaskPictureIndex, -1);
    v.Int(L"glowlayeroffsetx", GlowLayerOffsetX);
    v.Int(L"glowlayeroffsety", GlowLayerOffsetY);
    v.Int(L"glowlayeralphablendvalue", GlowLayerAlphaBlendValue, 255);
}

template <class V> void TspDataUserObject::Keys(V& v)
{
    v.Bool(L"rollup", RollUp);
    v.Rect(L"skinrect", SkinRect);
    v.Int(L"cursorindex", CursorIndex, -1);
}

template <class V> void TspDataSkinButton::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Rect(L"downrect", DownRect);
    v.Rect(L"disableskinrsect", DisableSkinRect);
    v.Int(L"groupindex", GroupIndex, -1);
    v.Int(L"alphamaskpictureindex", AlphaMaskPictureIndex, -1);
    v.Int(L"alphamaskactivepictureindex", AlphaMaskActivePictureIndex, -1);
    v.Int(L"alphamaskinactivepictureindex", AlphaMaskInActivePictureIndex, -1);
}

template <class V> void TspDataSkinStdButton::Keys(V& v)
{
    TspDataSkinButton::Keys(v);
    v.Word(L"command", Command, kCommandWords);
    v.Rect(L"restorerect", RestoreRect);
    v.Rect(L"restoreactiverect", RestoreActiveRect);
    v.Rect(L"restoredownrect", RestoreDownRect);
    v.Rect(L"restoreinactiverect", RestoreInActiveRect);
    v.Str(L"restorehint", RestoreHint);
}

template <class V> void TspDataSkinCaptionMenuButton::Keys(V& v)
{
    TspDataSkinButton::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"downfontcolor", DownFontColor);
    v.Color(L"inactivefontcolor", InActiveFontColor);
    v.Int(L"leftoffset", LeftOffset, 10);
    v.Int(L"rightoffset", RightOffset, 10);
    v.Int(L"topposition", TopPosition);
    v.Rect(L"clientrect", ClRect);
}

template <class V> void TspDataSkinCaptionTab::Keys(V& v)
{
    TspDataSkinButton::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"downfontcolor", DownFontColor);
    v.Int(L"leftoffset", LeftOffset, 10);
    v.Int(L"rightoffset", RightOffset, 10);
    v.Int(L"topposition", TopPosition);
    v.Rect(L"clientrect", ClRect);
}

template <class V> void TspDataSkinCaption::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Bool(L"defaultcaption", DefaultCaption);
    v.Rect(L"textrect", TextRct);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Align(L"alignment", Alignment);
    v.Bool(L"shadow", Shadow);
    v.Color(L"shadowcolor", ShadowColor);
    // The writer keeps the shadow colours together; the reader takes the active one after the
    // light colours.
    if constexpr (V::Writing)
        v.Color(L"activeshadowcolor", ActiveShadowColor);
    v.Bool(L"light", Light);
    v.Color(L"lightcolor", LightColor);
    v.Color(L"activelightcolor", ActiveLightColor);
    if constexpr (!V::Writing)
        v.Color(L"activeshadowcolor", ActiveShadowColor);
    v.Rect(L"framerect", FrameRect);
    v.Rect(L"activeframerect", ActiveFrameRect);
    v.Rect(L"frametextrect", FrameTextRect);
    v.Int(L"frameleftoffset", FrameLeftOffset);
    v.Int(L"framerightoffset", FrameRightOffset);
    v.Bool(L"stretcheffect", StretchEffect);
    v.Rect(L"animateskinrect", AnimateSkinRect);
    v.Int(L"framecount", FrameCount);
    v.Int(L"animateinterval", AnimateInterval, 25);
    v.Bool(L"inactiveanimation", InActiveAnimation);
    v.Bool(L"fullframe", FullFrame);
    v.Bool(L"vistagloweffect", VistaGlowEffect);
    v.Bool(L"vistaglowinactiveeffect", VistaGlowInActiveEffect);
    v.Bool(L"gloweffect", GlowEffect);
    v.Bool(L"glowinactiveeffect", GlowInActiveEffect);
    v.Int(L"glowsize", GlowSize, 3);
    v.Color(L"glowcolor", GlowColor);
    v.Color(L"glowactivecolor", GlowActiveColor);
    v.Int(L"glowoffset", GlowOffset);
    v.Bool(L"reflectioneffect", ReflectionEffect);
    v.Color(L"reflactioncolor", ReflectionColor);
    v.Color(L"reflactionactivecolor", ReflectionActiveColor);
    v.Int(L"reflectionoffset", ReflectionOffset);
    v.Rect(L"dividerrect", DividerRect);
    v.Rect(L"inactivedividerrect", InActiveDividerRect);
    v.Bool(L"dividertransparent", DividerTransparent);
    v.Color(L"dividertransparentcolor", DividerTransparentColor);
    v.Int(L"quickbuttonalphamaskpictureindex", QuickButtonAlphaMaskPictureIndex, -1);
}

template <class V> void TspDataSkinMenuItem::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Int(L"itemleftoffset", ItemLO);
    v.Int(L"itemrightoffset", ItemRO);
    v.Rect(L"dividerrect", DividerRect);
    v.Int(L"dividerleftoffset", DividerLO);
    v.Int(L"dividerrightoffset", DividerRO);
    v.Rect(L"textrect", TextRct);
    v.Rect(L"imagerect", ImageRct);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"unenabledfontcolor", UnEnabledFontColor);
    v.Bool(L"stretcheffect", StretchEffect);
    v.Bool(L"inactivestretcheffect", InActiveStretchEffect);
    v.Bool(L"dividerstretcheffect", DividerStretchEffect);
    v.Rect(L"animateskinrect", AnimateSkinRect);
    v.Int(L"framecount", FrameCount);
    v.Int(L"animateinterval", AnimateInterval, 25);
    v.Bool(L"inactiveanimation", InActiveAnimation);
    v.Bool(L"useimagecolor", UseImageColor);
    v.Color(L"imagecolor", ImageColor);
    v.Color(L"activeimagecolor", ActiveImageColor);
    v.Bool(L"inactivetransparent", InActiveTransparent);
    v.Rect(L"checkimagerect", CheckImageRect);
    v.Rect(L"activecheckimagerect", ActiveCheckImageRect);
    v.Rect(L"radioimagerect", RadioImageRect);
    v.Rect(L"activeradioimagerect", ActiveRadioImageRect);
    v.Rect(L"arrowimagerect", ArrowImageRect);
    v.Rect(L"activearrowimagerect", ActiveArrowImageRect);
}

template <class V> void TspDataSkinMainMenuItem::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Int(L"itemleftoffset", ItemLO);
    v.Int(L"itemrightoffset", ItemRO);
    v.Rect(L"downrect", DownRect);
    v.Rect(L"textrect", TextRct);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Color(L"downfontcolor", DownFontColor);
    v.Color(L"unenabledfontcolor", UnEnabledFontColor);
    v.Bool(L"stretcheffect", StretchEffect);
    v.Rect(L"animateskinrect", AnimateSkinRect);
    v.Int(L"framecount", FrameCount);
    v.Int(L"animateinterval", AnimateInterval, 25);
    v.Bool(L"inactiveanimation", InActiveAnimation);
}

template <class V> void TspDataSkinLabel::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    FontKeys(v, FontName, FontHeight, FontStyle, FontColor);
    v.Color(L"activefontcolor", ActiveFontColor);
    v.Align(L"alignment", Alignment);
    v.Str(L"textvalue", TextValue);
}

template <class V> void TspDataSkinBitLabel::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Str(L"textvalue", TextValue);
    v.Int(L"symbolwidth", SymbolWidth);
    v.Int(L"symbolheight", SymbolHeight);
    v.Lines(L"symbols", Symbols);
    v.Bool(L"transparent", Transparent);
    v.Color(L"transparentcolor", TransparentColor, 16711935);
}

template <class V> void TspDataSkinAnimate::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Int(L"countframes", CountFrames, 1);
    v.Bool(L"cycle", Cycle);
    v.Bool(L"buttonstyle", ButtonStyle);
    v.Int(L"timerinterval", TimerInterval, 50);
    v.Word(L"command", Command, kCommandWords);
    v.Rect(L"downskinrect", DownSkinRect);
    v.Rect(L"restorerect", RestoreRect);
    v.Rect(L"restoreactiverect", RestoreActiveRect);
    v.Rect(L"restoredownrect", RestoreDownRect);
    v.Rect(L"restoreinactiverect", RestoreInActiveRect);
    v.Str(L"restorehint", RestoreHint);
}

template <class V> void TspDataSkinGauge::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Int(L"minvalue", MinValue);
    v.Int(L"maxvalue", MaxValue);
    v.Word(L"kind", Kind, kGaugeKindWords);
}

template <class V> void TspDataSkinTrackBar::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Rect(L"buttonrect", ButtonRect);
    v.Rect(L"activebuttonrect", ActiveButtonRect);
    v.Point(L"beginpoint", BeginPoint);
    v.Point(L"endpoint", EndPoint);
    v.Int(L"minvalue", MinValue);
    v.Int(L"maxvalue", MaxValue);
    v.Bool(L"mousedownchangevalue", MouseDownChangeValue);
    v.Bool(L"buttontransparent", ButtonTransparent);
    v.Color(L"buttontransparentcolor", ButtonTransparentColor);
}

template <class V> void TspDataSkinFrameGaugeObject::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Int(L"minvalue", MinValue);
    v.Int(L"maxvalue", MaxValue);
    v.Int(L"countframes", CountFrames);
    v.Word(L"framesplacement", FramesPlacement, kFramesPlacementWords);
}

template <class V> void TspDataSkinFrameRegulatorObject::Keys(V& v)
{
    TspDataSkinObject::Keys(v);
    v.Int(L"minvalue", MinValue);
    v.Int(L"maxvalue", MaxValue);
    v.Int(L"countframes", CountFrames);
    v.Word(L"framesplacement", FramesPlacement, kFramesPlacementWords);
    v.Word(L"kind", Kind, kRegulatorKindWords);
}

// --- loading and saving ----------------------------------------------------------------------

template class TspKeyedRecord<TspDataSkinObject, TspSkinRecord>;
template class TspKeyedRecord<TspDataUserObject, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinButton, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinStdButton, TspDataSkinButton>;
template class TspKeyedRecord<TspDataSkinCaptionMenuButton, TspDataSkinButton, true>;
template class TspKeyedRecord<TspDataSkinCaptionTab, TspDataSkinButton, true>;
template class TspKeyedRecord<TspDataSkinCaption, TspDataSkinObject, true>;
template class TspKeyedRecord<TspDataSkinMenuItem, TspDataSkinObject, true>;
template class TspKeyedRecord<TspDataSkinMainMenuItem, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinMainMenuBarItem, TspDataSkinMainMenuItem, true>;
template class TspKeyedRecord<TspDataSkinLabel, TspDataSkinObject, true>;
template class TspKeyedRecord<TspDataSkinBitLabel, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinAnimate, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinGauge, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinTrackBar, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinFrameGaugeObject, TspDataSkinObject>;
template class TspKeyedRecord<TspDataSkinFrameRegulatorObject, TspDataSkinObject>;

namespace {

// The second appearance of a maximize, minimize or roll-up button restores the window.
String DefaultRestoreHint(const String& hint, TStdCommand command)
{
    if ((hint == L"Maximize" && command == cmMaximize) ||
        (hint == L"Minimize" && command == cmMinimize) ||
        ((hint == L"RollUp" || hint == L"Roll Up") && command == cmRollUp))
        return L"Restore";
    return String();
}

void DefaultActiveRect(TRect& active, const TRect& normal)
{
    if (active.IsEmpty())
        active = normal;
}

} // namespace

void TspDataSkinStdButton::AfterLoad()
{
    if (RestoreHint.empty())
        RestoreHint = DefaultRestoreHint(Hint, Command);
}

void TspDataSkinAnimate::AfterLoad()
{
    Morphing = false;
    if (RestoreHint.empty())
        RestoreHint = DefaultRestoreHint(Hint, Command);
}

void TspDataSkinMenuItem::AfterLoad()
{
    DefaultActiveRect(ActiveCheckImageRect, CheckImageRect);
    DefaultActiveRect(ActiveRadioImageRect, RadioImageRect);
    DefaultActiveRect(ActiveArrowImageRect, ArrowImageRect);
}

void TspDataSkinBitLabel::AfterLoad()
{
    Morphing = false;
}

// --- alpha images ----------------------------------------------------------------------------

bool TspDataSkinButton::UsesAlphaImages(const TspSkinData& d)
{
    return d.LayerFrame && d.LayerFrame->PictureIndex != -1 && d.LayerFrame->FullBorder;
}

void TspDataSkinButton::BuildButtonImages(const TspSkinData& d)
{
    FAlphaNormalImage = BuildAlphaImage(d, ActivePictureIndex, SkinRect, AlphaMaskPictureIndex);
    FAlphaActiveImage =
        BuildAlphaImage(d, ActivePictureIndex, ActiveSkinRect, AlphaMaskActivePictureIndex);
    FAlphaDownImage = BuildAlphaImage(d, ActivePictureIndex, DownRect, AlphaMaskActivePictureIndex);
    FAlphaInActiveImage =
        BuildAlphaImage(d, ActivePictureIndex, InActiveSkinRect, AlphaMaskInActivePictureIndex);
}

void TspDataSkinButton::FreeButtonImages()
{
    FAlphaNormalImage.reset();
    FAlphaActiveImage.reset();
    FAlphaDownImage.reset();
    FAlphaInActiveImage.reset();
}

void TspDataSkinButton::InitAlphaImages(TspSkinData& d)
{
    if (UsesAlphaImages(d))
        BuildButtonImages(d);
    else
        FreeButtonImages();
}

void TspDataSkinStdButton::InitAlphaImages(TspSkinData& d)
{
    TspDataSkinButton::InitAlphaImages(d);
    if (UsesAlphaImages(d)) {
        FAlphaRestoreNormalImage =
            BuildAlphaImage(d, ActivePictureIndex, RestoreRect, AlphaMaskPictureIndex);
        FAlphaRestoreActiveImage =
            BuildAlphaImage(d, ActivePictureIndex, RestoreActiveRect, AlphaMaskActivePictureIndex);
        FAlphaRestoreDownImage =
            BuildAlphaImage(d, ActivePictureIndex, RestoreDownRect, AlphaMaskActivePictureIndex);
        FAlphaInActiveRestoreImage = BuildAlphaImage(d, ActivePictureIndex, RestoreInActiveRect,
                                                     AlphaMaskInActivePictureIndex);
    } else {
        FAlphaRestoreNormalImage.reset();
        FAlphaRestoreActiveImage.reset();
        FAlphaRestoreDownImage.reset();
        FAlphaInActiveRestoreImage.reset();
    }
}

void TspDataSkinCaptionMenuButton::InitAlphaImages(TspSkinData& d) { BuildButtonImages(d); }

void TspDataSkinCaptionTab::InitAlphaImages(TspSkinData& d)
{
    // The plain mask belongs to the selected (down) tab, the inactive mask to unselected tabs.
    FAlphaNormalImage =
        BuildAlphaImage(d, ActivePictureIndex, SkinRect, AlphaMaskInActivePictureIndex);
    FAlphaActiveImage =
        BuildAlphaImage(d, ActivePictureIndex, ActiveSkinRect, AlphaMaskActivePictureIndex);
    FAlphaDownImage = BuildAlphaImage(d, ActivePictureIndex, DownRect, AlphaMaskPictureIndex);
    FAlphaInActiveImage.reset();
}

// --- window records --------------------------------------------------------------------------

namespace {

template <class V> void PopupWindowKeys(TspDataSkinPopupWindow& r, V& v)
{
    v.Int(L"windowpictureindex", r.WindowPictureIndex, -1);
    v.Int(L"maskpictureindex", r.MaskPictureIndex, -1);
    v.Point(L"lefttoppoint", r.LTPoint);
    v.Point(L"righttoppoint", r.RTPoint);
    v.Point(L"leftbottompoint", r.LBPoint);
    v.Point(L"rightbottompoint", r.RBPoint);
    v.Int(L"cursorindex", r.CursorIndex, -1);
    v.Rect(L"itemsrect", r.ItemsRect);
    v.Color(L"scrollmarkercolor", r.ScrollMarkerColor);
    v.Color(L"scrollmarkeractivecolor", r.ScrollMarkerActiveColor);
    v.Bool(L"leftstretch", r.LeftStretch);
    v.Bool(L"rightstretch", r.RightStretch);
    v.Bool(L"topstretch", r.TopStretch);
    v.Bool(L"bottomstretch", r.BottomStretch);
    v.Bool(L"stretcheffect", r.StretchEffect);
    v.Stretch(L"stretchtype", r.StretchType);
}

template <class V> void LayerFrameKeys(TspDataSkinLayerFrame& r, V& v)
{
    v.Int(L"pictureindex", r.PictureIndex, -1);
    v.Int(L"maskpictureindex", r.MaskPictureIndex, -1);
    v.Int(L"inactivepictureindex", r.InActivePictureIndex, -1);
    v.Int(L"inactivemaskpictureindex", r.InActiveMaskPictureIndex, -1);
    v.Point(L"lefttoppoint", r.LTPoint);
    v.Point(L"righttoppoint", r.RTPoint);
    v.Point(L"leftbottompoint", r.LBPoint);
    v.Point(L"rightbottompoint", r.RBPoint);
    v.Rect(L"clientrect", r.ClRect);
    v.Int(L"alphablendvalue", r.AlphaBlendValue, 255);
    v.Int(L"inactivealphablendvalue", r.InActiveAlphaBlendValue, 255);
    v.Rect(L"borderrect", r.BorderRect);
    v.Rect(L"hittestrect", r.HitTestRect);
    v.Bool(L"hittestenable", r.HitTestEnable);
    v.Bool(L"fullborder", r.FullBorder);
    v.Int(L"hittestsize", r.HitTestSize);
    v.Rect(L"captionrect", r.CaptionRect);
    v.Point(L"hittestlefttoppoint", r.HitTestLTPoint);
    v.Point(L"hittestrighttoppoint", r.HitTestRTPoint);
    v.Point(L"hittestleftbottompoint", r.HitTestLBPoint);
    v.Point(L"hittestrightbottompoint", r.HitTestRBPoint);
    v.Rect(L"buttonsrect", r.ButtonsRect);
    v.Rect(L"sysmenubuttonrect", r.SysMenuButtonRect);
    v.Bool(L"fullstretch", r.FullStretch);
    v.Int(L"rollupformheight", r.RollUpFormHeight);
    v.Int(L"buttonstopoffset", r.ButtonsTopOffset);
    v.Int(L"sysbuttontopoffset", r.SysButtonTopOffset);
    v.Int(L"blurmaskpictureindex", r.BlurMaskPictureIndex, -1);
    v.Rect(L"intersectblurmaskrect", r.IntersectBlurMaskRect);
    v.Rect(L"excludeblurmaskrect", r.ExcludeBlurMaskRect);
    v.Int(L"leftoffset", r.LeftOffset);
    v.Int(L"topoffset", r.TopOffset);
    v.Int(L"widthoffset", r.WidthOffset);
    v.Int(L"heightoffset", r.HeightOffset);
}

template <class V> void HintWindowKeys(TspDataSkinHintWindow& r, V& v)
{
    v.Int(L"windowpictureindex", r.WindowPictureIndex, -1);
    v.Int(L"maskpictureindex", r.MaskPictureIndex, -1);
    v.Point(L"lefttoppoint", r.LTPoint);
    v.Point(L"righttoppoint", r.RTPoint);
    v.Point(L"leftbottompoint", r.LBPoint);
    v.Point(L"rightbottompoint", r.RBPoint);
    v.Rect(L"clientrect", r.ClRect);
    FontKeys(v, r.FontName, r.FontHeight, r.FontStyle, r.FontColor);
    v.Bool(L"leftstretch", r.LeftStretch);
    v.Bool(L"rightstretch", r.RightStretch);
    v.Bool(L"topstretch", r.TopStretch);
    v.Bool(L"bottomstretch", r.BottomStretch);
    v.Bool(L"stretcheffect", r.StretchEffect);
    v.Stretch(L"stretchtype", r.StretchType);
}

} // namespace

void TspDataSkinPopupWindow::LoadFromFile(TMemIniFile& f)
{
    TKeyReader v(f, L"POPUPWINDOW");
    PopupWindowKeys(*this, v);
}

void TspDataSkinPopupWindow::SaveToFile(TMemIniFile& f)
{
    f.EraseSection(L"POPUPWINDOW");
    TKeyWriter v(f, L"POPUPWINDOW");
    PopupWindowKeys(*this, v);
}

void TspDataSkinLayerFrame::LoadFromFile(TMemIniFile& f)
{
    TKeyReader v(f, L"LAYERFRAME");
    LayerFrameKeys(*this, v);
}

void TspDataSkinLayerFrame::SaveToFile(TMemIniFile& f)
{
    f.EraseSection(L"LAYERFRAME");
    TKeyWriter v(f, L"LAYERFRAME");
    LayerFrameKeys(*this, v);
}

void TspDataSkinHintWindow::LoadFromFile(TMemIniFile& f)
{
    TKeyReader v(f, L"HINTWINDOW");
    HintWindowKeys(*this, v);
}

void TspDataSkinHintWindow::SaveToFile(TMemIniFile& f)
{
    f.EraseSection(L"HINTWINDOW");
    TKeyWriter v(f, L"HINTWINDOW");
    HintWindowKeys(*this, v);
}

void TspDataSkinLayerFrame::InitAlphaImages(TspSkinData& d)
{
    FSourceBitmap = BuildMaskedPicture(d, PictureIndex, MaskPictureIndex);
    FSourceInActiveBitMap = BuildMaskedPicture(d, InActivePictureIndex, InActiveMaskPictureIndex);
}

} // namespace vt
