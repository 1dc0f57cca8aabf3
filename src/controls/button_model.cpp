#include "controls/button_model.h"

#include "raster/compose.h"

namespace vt {

// --- The record -------------------------------------------------------------------------------

TButtonSkin ReadButtonSkin(const TspDataSkinButtonControl& r)
{
    TButtonSkin s;
    s.FontName = r.FontName;
    s.FontStyle = r.FontStyle;
    s.FontHeight = r.FontHeight;
    s.FontColor = r.FontColor;
    s.ActiveFontColor = r.ActiveFontColor;
    s.DownFontColor = r.DownFontColor;
    s.DisabledFontColor = r.DisabledFontColor == r.FontColor ? TColor(0x00808080) : r.DisabledFontColor;
    s.SkinRect = r.SkinRect;
    s.ActiveSkinRect = r.ActiveSkinRect.IsEmpty() ? r.SkinRect : r.ActiveSkinRect;
    s.DownSkinRect = r.DownSkinRect.IsEmpty() ? s.ActiveSkinRect : r.DownSkinRect;
    s.DisabledSkinRect = r.DisabledSkinRect;
    s.FocusedSkinRect = r.FocusedSkinRect;
    s.AnimateSkinRect = r.AnimateSkinRect;
    s.Morphing = r.Morphing;
    s.MorphKind = r.MorphKind;
    s.FrameCount = r.FrameCount;
    s.AnimateInterval = r.AnimateInterval;
    s.ShowFocus = r.ShowFocus;
    s.GlowLayerPictureIndex = r.GlowLayerPictureIndex;
    s.GlowLayerMaskPictureIndex = r.GlowLayerMaskPictureIndex;
    s.GlowLayerOffsetLeft = r.GlowLayerOffsetLeft;
    s.GlowLayerOffsetRight = r.GlowLayerOffsetRight;
    s.GlowLayerOffsetTop = r.GlowLayerOffsetTop;
    s.GlowLayerOffsetBottom = r.GlowLayerOffsetBottom;
    s.GlowLayerShowOffsetX = r.GlowLayerShowOffsetX;
    s.GlowLayerShowOffsetY = r.GlowLayerShowOffsetY;
    s.GlowLayerAlphaBlendValue = r.GlowLayerAlphaBlendValue;
    return s;
}

// --- Looks ------------------------------------------------------------------------------------

TButtonLook ChooseButtonLook(const TButtonLookInput& in)
{
    if (in.MorphOn && in.Enabled && in.MorphKf > 0 && in.MorphKf < 1)
        return TButtonLook::blFade;
    if (!in.Enabled && in.HasDisabledRect)
        return TButtonLook::blDisabled;
    if (in.Down && (in.Grouped || in.MouseIn || (in.Focused && !in.LeftHeld)))
        return TButtonLook::blDown;
    if (in.Focused && in.HasFocusedRect && !in.Animating)
        return TButtonLook::blFocused;
    if (in.Focused || in.MouseIn)
        return TButtonLook::blHot;
    if (in.MorphOn && in.MorphKf == 1)
        return TButtonLook::blHot;
    return TButtonLook::blNormal;
}

bool LookIsActive(TButtonLook look)
{
    return look == TButtonLook::blDown || look == TButtonLook::blFocused || look == TButtonLook::blHot;
}

bool LookIsDown(TButtonLook look) { return look == TButtonLook::blDown; }

TRect LookRect(const TButtonSkin& skin, TButtonLook look)
{
    switch (look) {
    case TButtonLook::blDisabled: return skin.DisabledSkinRect;
    case TButtonLook::blDown: return skin.DownSkinRect;
    case TButtonLook::blFocused: return skin.FocusedSkinRect;
    case TButtonLook::blHot: return skin.ActiveSkinRect;
    case TButtonLook::blFade:
    case TButtonLook::blNormal: break;
    }
    return skin.SkinRect;
}

int ButtonGlyphIndex(bool down, bool active, bool enabled, int numGlyphs)
{
    if (down && active && numGlyphs > 2)
        return 3;
    if (active && numGlyphs > 3)
        return 4;
    if (enabled || numGlyphs < 2)
        return 1;
    return 2;
}

TColor ButtonFontColour(const TButtonSkin& skin, const TButtonColourInput& in)
{
    if (in.Enabled && !in.UseSkinFontColor)
        return in.DefaultFontColor;
    if (!in.Enabled)
        return skin.DisabledFontColor;
    if (in.Active && in.Down)
        return skin.DownFontColor;
    if (in.Active)
        return skin.ActiveFontColor;
    if (in.Transparent)
        return in.ButtonTextColor;
    return skin.FontColor;
}

TRect AnimationFrameRect(const TButtonSkin& skin, int frame)
{
    const TRect& a = skin.AnimateSkinRect;
    if (skin.FrameCount < 1 || frame < 1 || frame > skin.FrameCount || a.IsEmpty())
        return {};
    if (a.Width() > skin.SkinRect.Width()) {
        const int w = a.Width() / skin.FrameCount;
        return w > 0 ? TRect{a.Left + (frame - 1) * w, a.Top, a.Left + frame * w, a.Bottom} : TRect{};
    }
    const int h = a.Height() / skin.FrameCount;
    return h > 0 ? TRect{a.Left, a.Top + (frame - 1) * h, a.Right, a.Top + frame * h} : TRect{};
}

// --- Glow frame -------------------------------------------------------------------------------

TGlowCompose ChooseGlow(TResizeMode mode, bool useSkinSize)
{
    switch (mode) {
    case rmFixed: return TGlowCompose::gcAsIs;
    case rmHorizontal: return useSkinSize ? TGlowCompose::gcHorzBand : TGlowCompose::gcNone;
    case rmBoth: return TGlowCompose::gcFramed;
    default: return TGlowCompose::gcNone;
    }
}

bool ComposeGlowImage(TspBitmap& out, TPixelView picture, TGlowCompose how, const TButtonSkin& skin, int32_t dW,
                      int32_t dH)
{
    const int32_t w = picture.Width, h = picture.Height;
    if (w <= 0 || h <= 0 || how == TGlowCompose::gcNone)
        return false;
    const TRect all{0, 0, w, h};
    switch (how) {
    case TGlowCompose::gcAsIs:
        out.SetSize(w, h);
        CopyRect(out, all, picture, all);
        return true;
    case TGlowCompose::gcHorzBand:
        if (w + dW <= 0)
            return false;
        ComposeHorzBand(skin.GlowLayerOffsetLeft, skin.GlowLayerOffsetRight, out, picture, all, w + dW, true);
        return !out.Empty();
    case TGlowCompose::gcFramed: {
        if (w + dW <= 0 || h + dH <= 0)
            return false;
        const TRect inner{skin.GlowLayerOffsetLeft, skin.GlowLayerOffsetTop, w - skin.GlowLayerOffsetRight,
                          h - skin.GlowLayerOffsetBottom};
        if (inner.IsEmpty() || !RectInsidePicture(inner, w, h))
            return false;
        out.SetSize(w + dW, h + dH);
        ComposeFramedPictureFromClient(out, picture, all, inner, true);
        return true;
    }
    case TGlowCompose::gcNone: break;
    }
    return false;
}

// --- State machine ----------------------------------------------------------------------------

void TButtonModel::SetDown(bool value)
{
    down_ = value;
    if (Skin.MorphOn) {
        fade_.Set(TFadeSteps::kFifths);
        if (value)
            host_.StopTimer(TButtonTimer::btMorph);
        else
            host_.StartTimer(TButtonTimer::btMorph, kMorphInterval);
    }
    host_.Repaint();
    if (Options.GroupIndex > 0 && down_ && !Options.AllowAllUp)
        host_.RaiseGroupSiblings();
}

void TButtonModel::Fade()
{
    if (Skin.MorphOn && Skin.HasRecord)
        host_.StartTimer(TButtonTimer::btMorph, kMorphInterval);
    else
        host_.Repaint();
}

void TButtonModel::StartRepeat()
{
    repeating_ = true;
    repeatFirst_ = true;
    host_.StartTimer(TButtonTimer::btRepeat, kRepeatFirstDelay);
}

void TButtonModel::StopRepeat()
{
    if (!repeating_)
        return;
    repeating_ = false;
    host_.StopTimer(TButtonTimer::btRepeat);
}

void TButtonModel::Press()
{
    StopAnimation();
    mouseDown_ = true;
    if (!down_) {
        mouseIn_ = true;
        allowAllUpCheck_ = false;
        SetDown(true);
        // The click comes last: its handler may free the button.
        if (Options.CheckedMode) {
            stopMouseUp_ = true;
            host_.ButtonClick();
        } else if (Options.RepeatMode && !Grouped()) {
            StartRepeat();
        } else if (Grouped()) {
            host_.ButtonClick();
        }
    } else if (Grouped()) {
        allowAllUpCheck_ = true;
    }
}

void TButtonModel::Release(bool over)
{
    const bool wasPressed = mouseDown_;
    mouseDown_ = false;
    if (!wasPressed)
        return;
    if (Options.CheckedMode) {
        if (stopMouseUp_) {
            stopMouseUp_ = false;
        } else if (over) {
            SetDown(false);
            host_.ButtonClick();
        }
        return;
    }
    if (!Grouped()) {
        const bool wasDown = down_;
        StopRepeat();
        if (over) {
            SetDown(false);
            if (wasDown)
                host_.ButtonClick();
        } else {
            down_ = false;
            host_.Repaint();
        }
        return;
    }
    const bool raise = down_ && Options.AllowAllUp && allowAllUpCheck_ && over;
    allowAllUpCheck_ = false;
    if (raise) {
        SetDown(false);
        host_.ButtonClick();
    }
}

void TButtonModel::CaptureLost()
{
    if (!mouseDown_)
        return;
    mouseDown_ = false;
    stopMouseUp_ = false;
    allowAllUpCheck_ = false;
    StopRepeat();
    if (!Grouped() && down_) {
        down_ = false;
        host_.Repaint();
    }
}

bool TButtonModel::ReactsToHover() const { return Grouped() ? !down_ : (!focused_ || down_); }

void TButtonModel::MouseEnter()
{
    mouseIn_ = true;
    if (ReactsToHover()) {
        if (down_) {
            if (Skin.MorphOn)
                fade_.Set(TFadeSteps::kFifths);
            host_.Repaint();
        } else {
            StartAnimation(true);
            Fade();
        }
    }
    if (down_ && mouseDown_ && Options.RepeatMode && !Grouped())
        StartRepeat();
    host_.PostGlow(true);
}

void TButtonModel::MouseLeave()
{
    // The default button keeps its hot look while Enter would press it.
    if (!(Options.Default && active_ && !focused_))
        mouseIn_ = false;
    if (ReactsToHover()) {
        StartAnimation(false);
        Fade();
    }
    if (down_ && Options.RepeatMode && !Grouped())
        StopRepeat();
    host_.PostGlow(false);
}

void TButtonModel::FocusEnter()
{
    if (!Options.CanFocused)
        return;
    focused_ = true;
    StartAnimation(true);
    Fade();
}

void TButtonModel::FocusExit()
{
    const bool was = focused_;
    focused_ = false;
    if (!Options.CanFocused && !was)
        return;
    StopRepeat();
    if (down_ && !Grouped())
        down_ = false;
    StartAnimation(false);
    Fade();
}

void TButtonModel::KeyDown(TDialogKey key, bool space)
{
    if (!Options.CanFocused)
        return;
    if (space && Options.SpaceSupport) {
        SetDown(true);
        if (Options.RepeatMode)
            host_.ButtonClick();
    } else if (key == dkEnter) {
        host_.ButtonClick();
    }
}

void TButtonModel::KeyUp(bool space)
{
    if (!Options.CanFocused || !space || !Options.SpaceSupport || !down_ || mouseDown_)
        return;
    SetDown(false);
    host_.ButtonClick();
}

bool TButtonModel::DialogKey(TDialogKey key, bool enabled, bool canFocus, bool modifiers)
{
    if (modifiers || !canFocus || !enabled)
        return false;
    const bool take = (key == dkEnter && active_ && Options.CanFocused) || (key == dkEscape && Options.Cancel);
    if (take)
        host_.ButtonClick();
    return take;
}

void TButtonModel::FocusChanged(bool focusedIsButton, bool isThis)
{
    active_ = focusedIsButton ? isThis : Options.Default;
    if (!Options.Default || !Options.CanFocused)
        return;
    if (focusedIsButton && !isThis) {
        mouseIn_ = false;
        Fade();
    } else if (!focusedIsButton) {
        mouseIn_ = true;
        fade_.Set(TFadeSteps::kFifths);
        host_.Repaint();
    }
}

void TButtonModel::EnabledChanged()
{
    host_.StopTimer(TButtonTimer::btMorph);
    fade_.Set(0);
    mouseIn_ = false;
    host_.Repaint();
}

void TButtonModel::Reset()
{
    mouseIn_ = false;
    down_ = false;
    if (Skin.MorphOn)
        fade_.Set(0);
    StopAnimation();
    host_.Repaint();
}

void TButtonModel::StopEffects()
{
    host_.StopTimer(TButtonTimer::btMorph);
    StopAnimation();
    fade_.Set(0);
}

void TButtonModel::SkinChanged()
{
    if (Skin.MorphOn && Skin.HasRecord && Lit())
        fade_.Set(TFadeSteps::kFifths);
    if (mouseIn_)
        host_.PostGlow(true);
}

void TButtonModel::TimerTick(TButtonTimer timer)
{
    switch (timer) {
    case TButtonTimer::btMorph: MorphTick(); break;
    case TButtonTimer::btAnimate: AnimateTick(); break;
    case TButtonTimer::btRepeat: RepeatTick(); break;
    }
}

void TButtonModel::MorphTick()
{
    if (!Skin.HasRecord || !Skin.MorphOn) {
        fade_.Set(Lit() ? TFadeSteps::kFifths : 0);
        host_.StopTimer(TButtonTimer::btMorph);
        return;
    }
    if (!fade_.Tick(Lit()))
        host_.StopTimer(TButtonTimer::btMorph);
    host_.Repaint();
}

void TButtonModel::StartAnimation(bool forward)
{
    if (!Skin.AnimationOn || Skin.FrameCount < 1)
        return;
    animateInc_ = forward;
    currentFrame_ = forward ? 1 : Skin.FrameCount;
    host_.StartTimer(TButtonTimer::btAnimate, Skin.AnimateInterval > 0 ? Skin.AnimateInterval : 1);
    host_.Repaint();
}

void TButtonModel::StopAnimation()
{
    if (currentFrame_ == 0)
        return;
    currentFrame_ = 0;
    host_.StopTimer(TButtonTimer::btAnimate);
}

void TButtonModel::AnimateTick()
{
    if (currentFrame_ == 0) {
        host_.StopTimer(TButtonTimer::btAnimate);
        return;
    }
    if (animateInc_) {
        if (currentFrame_ <= Skin.FrameCount) {
            ++currentFrame_;
            host_.Repaint();
            return;
        }
    } else if (currentFrame_ > 1) {
        --currentFrame_;
        host_.Repaint();
        return;
    }
    StopAnimation();
    host_.Repaint();
}

void TButtonModel::RepeatTick()
{
    if (!repeating_) {
        host_.StopTimer(TButtonTimer::btRepeat);
        return;
    }
    if (repeatFirst_) {
        repeatFirst_ = false;
        host_.StartTimer(TButtonTimer::btRepeat, Options.RepeatInterval > 0 ? Options.RepeatInterval : 1);
        return;
    }
    host_.ButtonClick();
}

} // namespace vt
