#include "form/skin_objects.h"

#include "form/skin_object_list.h"
#include "framework/base/menus.h"
#include "skin/skin_data.h"

#include <algorithm>
#include <cmath>

namespace vt {

namespace {

bool ValidPicture(const TspSkinData& skinData, int32_t index)
{
    return index >= 0 && static_cast<size_t>(index) < skinData.FActivePictures.size() &&
           skinData.FActivePictures[static_cast<size_t>(index)] != nullptr;
}

constexpr TRect kPlainRect{0, 0, 1, 1};

} // namespace

// --- TspActiveSkinObject ---------------------------------------------------------------------

TspActiveSkinObject::TspActiveSkinObject(TspSkinObjects* parent) : Parent(parent) {}

TspActiveSkinObject::TspActiveSkinObject(TspSkinObjects* parent, const TspSkinData& skinData,
                                         const TspDataSkinObject& record)
    : Parent(parent), IDName(record.IDName), Hint(record.Hint), SkinRect(record.SkinRect),
      ActiveSkinRect(record.ActiveSkinRect), InActiveSkinRect(record.InActiveSkinRect), Morphing(record.Morphing),
      MorphKind(record.MorphKind), ObjectRect(record.SkinRect), CursorIndex(record.CursorIndex),
      RollUp(record.RollUp), SkinRectInAPicture(record.SkinRectInAPicture),
      GlowLayerPictureIndex(record.GlowLayerPictureIndex), GlowLayerMaskPictureIndex(record.GlowLayerMaskPictureIndex),
      GlowLayerOffsetX(record.GlowLayerOffsetX), GlowLayerOffsetY(record.GlowLayerOffsetY),
      GlowLayerAlphaBlendValue(record.GlowLayerAlphaBlendValue)
{
    // A missing active picture means no active look; only our copy loses the rectangle, so a
    // later save of the record keeps it.
    if (ValidPicture(skinData, record.ActivePictureIndex))
        ActivePictureIndex = record.ActivePictureIndex;
    else
        ActiveSkinRect = {};
    if (parent && ValidPicture(skinData, record.ActiveMaskPictureIndex))
        ActiveMaskPicture = parent->PictureCopy(skinData, record.ActiveMaskPictureIndex);
}

bool TspActiveSkinObject::HasSkin() const { return Parent && Parent->Form.SkinLoaded; }
bool TspActiveSkinObject::FormActive() const { return !Parent || Parent->Form.FormActive; }

void TspActiveSkinObject::SetMorphKf(double value)
{
    const double v = std::clamp(value, 0.0, 1.0);
    FMorphSteps = static_cast<int>(std::lround(v * kMorphSteps));
}

bool TspActiveSkinObject::PtInObject(int X, int Y) const
{
    if (!HasSkin() || !ActiveMaskPicture)
        return true;
    const TPixelImage& m = *ActiveMaskPicture;
    // There is no pixel at X = width or Y = height.
    if (X < 0 || Y < 0 || X >= m.Width || Y >= m.Height || m.Pixels.size() < static_cast<size_t>(m.Width) * m.Height)
        return false;
    const TPixel p = m.At(X, Y);
    return p.R == 0 && p.G == 0 && p.B == 0;
}

bool TspActiveSkinObject::EnableMorphing() const
{
    return Morphing && HasSkin() && !ActiveSkinRect.IsEmpty() && Parent->Form.EnableSkinEffects &&
           !Parent->Form.FullLayeredBorder;
}

bool TspActiveSkinObject::CanMorphing() const
{
    return (Active && FMorphSteps < kMorphSteps) || (!Active && FMorphSteps > 0);
}

void TspActiveSkinObject::DoMorphing()
{
    FMorphSteps = std::clamp(FMorphSteps + (Active ? 1 : -1), 0, kMorphSteps);
    DrawSelf();
}

void TspActiveSkinObject::DrawSelf()
{
    if (Parent)
        Parent->Host().DrawSkinObject(*this);
}

void TspActiveSkinObject::Redraw()
{
    if (EnableMorphing())
        Parent->StartMorphTimer();
    else
        DrawSelf();
}

void TspActiveSkinObject::Hover(bool in)
{
    FMouseIn = in;
    Active = in;
    if (!ActiveSkinRect.IsEmpty())
        Redraw();
    RaiseHover(in);
    in ? ShowLayer() : HideLayer();
}

void TspActiveSkinObject::RaiseHover(bool in)
{
    if (!Parent)
        return;
    if (in)
        Parent->Host().ObjectMouseEnter(IDName);
    else
        Parent->Host().ObjectMouseLeave(IDName);
}

void TspActiveSkinObject::MouseEnter() { Hover(true); }
void TspActiveSkinObject::MouseLeave() { Hover(false); }

void TspActiveSkinObject::MouseDown(int X, int Y, TspMouseButton button)
{
    if (Parent)
        Parent->Host().ObjectMouseDown(IDName, X, Y, ObjectRect, button);
}

TspCommandRequest TspActiveSkinObject::MouseUp(int X, int Y, TspMouseButton button)
{
    if (Parent && FMouseIn)
        Parent->Host().ObjectMouseUp(IDName, X, Y, ObjectRect, button);
    return {};
}

void TspActiveSkinObject::MouseMove(int X, int Y)
{
    if (Parent)
        Parent->Host().ObjectMouseMove(IDName, X, Y, ObjectRect);
}

bool TspActiveSkinObject::GlowAllowed() const
{
    return HasSkin() && GlowLayerPictureIndex != -1 && Parent->Form.GlowFrames;
}

void TspActiveSkinObject::ShowLayer()
{
    if (GlowAllowed())
        Parent->Host().ShowGlowLayer(*this, false);
}

void TspActiveSkinObject::HideLayer()
{
    if (GlowAllowed())
        Parent->Host().HideGlowLayer(*this, false);
}

TspLookSource TspActiveSkinObject::NormalSource() const
{
    if (SkinRectInAPicture)
        return TspLookSource::ActivePicture;
    return RollUp ? TspLookSource::RollUpPicture : TspLookSource::FramePicture;
}

TspObjectLook TspActiveSkinObject::Copy(TspLookSource source, const TRect& r) const
{
    // A look in a picture that does not exist, or an empty rectangle, draws nothing.
    if (r.IsEmpty() || (source == TspLookSource::ActivePicture && !HasActivePicture()))
        return {};
    TspObjectLook look;
    look.Source = source;
    look.Rect = r;
    return look;
}

TspObjectLook TspActiveSkinObject::ChooseLook(const TRect& normal, const TRect& active, bool update) const
{
    const bool atEnd = (Active && FMorphSteps == kMorphSteps) || (!Active && FMorphSteps == 0);
    if (EnableMorphing() && !atEnd && !active.IsEmpty()) {
        TspObjectLook look;
        look.Source = NormalSource();
        look.Morph = true;
        look.MorphFrom = normal;
        look.MorphTo = active;
        look.MorphKf = MorphKf();
        look.MorphKind = MorphKind;
        if (normal.IsEmpty() || !HasActivePicture())
            return {};
        return look;
    }
    if (Active && !active.IsEmpty())
        return Copy(TspLookSource::ActivePicture, active);
    if (!update && !SkinRectInAPicture)
        return {};
    return Copy(NormalSource(), normal);
}

TspObjectLook TspActiveSkinObject::Look(bool update) const
{
    if (!HasSkin())
        return {};
    if (Enabled && !FormActive() && !InActiveSkinRect.IsEmpty())
        return Copy(TspLookSource::ActivePicture, InActiveSkinRect);
    return ChooseLook(SkinRect, ActiveSkinRect, update);
}

// --- TspSkinButtonObject ---------------------------------------------------------------------

TspSkinButtonObject::TspSkinButtonObject(TspSkinObjects* parent, const TspSkinData& skinData,
                                         const TspDataSkinButton& record)
    : TspActiveSkinObject(parent, skinData, record), DownRect(record.DownRect), DisableSkinRect(record.DisableSkinRect),
      GroupIndex(record.GroupIndex), AlphaMaskPictureIndex(record.AlphaMaskPictureIndex),
      AlphaMaskActivePictureIndex(record.AlphaMaskActivePictureIndex),
      AlphaMaskInActivePictureIndex(record.AlphaMaskInActivePictureIndex)
{
}

void TspSkinButtonObject::SetDown(bool value)
{
    FDown = value;
    const bool morphing = EnableMorphing();
    if (!value) {
        if (DownRect.IsEmpty()) {
            if (IsMenuButton()) {
                DrawSelf();
                if (morphing)
                    Redraw();
            }
            return;
        }
        if (GroupIndex != -1 || IsMenuButton())
            Active = false;
        if (morphing)
            DrawSelf();
        Redraw();
        return;
    }
    if (DownRect.IsEmpty() && IsMenuButton()) {
        FMouseIn = true;
        Active = true;
        if (morphing)
            FMorphSteps = kMorphSteps;
        DrawSelf();
    } else if (!DownRect.IsEmpty()) {
        if (morphing)
            FMorphSteps = kMorphSteps;
        DrawSelf();
    }
    if (GroupIndex == -1 || !Parent)
        return;
    // Radio behaviour: the first other pressed button of the group comes up.
    for (auto& o : Parent->ObjectList) {
        auto* b = dynamic_cast<TspSkinButtonObject*>(o.get());
        if (b && b != this && b->IDName != IDName && b->GroupIndex == GroupIndex && b->FDown) {
            b->SetDown(false);
            break;
        }
    }
}

TspObjectLook TspSkinButtonObject::Look(bool update) const
{
    if (!HasSkin())
        return {};
    if (!Enabled && !DisableSkinRect.IsEmpty())
        return Copy(NormalSource(), DisableSkinRect);
    // A pressed plain button shows its down look only while the mouse is over it.
    if (FDown && !DownRect.IsEmpty() && !(GroupIndex == -1 && !FMouseIn))
        return Copy(NormalSource(), DownRect);
    return TspActiveSkinObject::Look(update);
}

void TspSkinButtonObject::Hover(bool in)
{
    FMouseIn = in;
    Active = in;
    if (FDown) {
        // A pressed button keeps (or gets back) its down look; no morph towards the hot look. A
        // plain one shows it only under the mouse: dragged off, it turns back from its hot look.
        if (!DownRect.IsEmpty())
            DrawSelf();
        if (!in && GroupIndex == -1 && !IsMenuButton() && !ActiveSkinRect.IsEmpty())
            Redraw();
    } else if (!ActiveSkinRect.IsEmpty()) {
        Redraw();
    }
    RaiseHover(in);
    if (!(IsMenuButton() && FDown))
        in ? ShowLayer() : HideLayer();
}

void TspSkinButtonObject::MouseDown(int X, int Y, TspMouseButton button)
{
    if (button == TspMouseButton::Left && Enabled && !FDown) {
        SetDown(true);
        if (MenuItem && MenuItem->Count() > 0 && Parent)
            Parent->Host().TrackMenu(*this, false);
    }
    TspActiveSkinObject::MouseDown(X, Y, button);
}

TspCommandRequest TspSkinButtonObject::MouseUp(int X, int Y, TspMouseButton button)
{
    if (!Enabled)
        return {};
    if (button == TspMouseButton::Left && !IsMenuButton() && GroupIndex == -1 && FDown)
        SetDown(false);
    return TspActiveSkinObject::MouseUp(X, Y, button);
}

bool TspSkinButtonObject::CanMorphing() const
{
    return !(IsMenuButton() && FDown) && TspActiveSkinObject::CanMorphing();
}

void TspSkinButtonObject::ShowLayer()
{
    if (GlowAllowed())
        Parent->Host().ShowGlowLayer(*this, IsMenuButton());
}

void TspSkinButtonObject::HideLayer()
{
    if (GlowAllowed())
        Parent->Host().HideGlowLayer(*this, IsMenuButton());
}

// --- TspSkinStdButtonObject ------------------------------------------------------------------

TspSkinStdButtonObject::TspSkinStdButtonObject(TspSkinObjects* parent, const String& idName, TStdCommand command)
    : TspSkinButtonObject(parent), Command(command)
{
    IDName = idName;
    SkinRectInAPicture = true;
    SkinRect = ActiveSkinRect = InActiveSkinRect = ObjectRect = kPlainRect;
    DownRect = DisableSkinRect = kPlainRect;
    RestoreRect = RestoreActiveRect = RestoreDownRect = RestoreInActiveRect = kPlainRect;
}

TspSkinStdButtonObject::TspSkinStdButtonObject(TspSkinObjects* parent, const TspSkinData& skinData,
                                               const TspDataSkinStdButton& record)
    : TspSkinButtonObject(parent, skinData, record), FSkinSupport(true), Command(record.Command),
      RestoreRect(record.RestoreRect), RestoreActiveRect(record.RestoreActiveRect),
      RestoreDownRect(record.RestoreDownRect), RestoreInActiveRect(record.RestoreInActiveRect),
      RestoreHint(record.RestoreHint), FTempHint(record.Hint)
{
}

bool TspSkinStdButtonObject::CommandInEffect() const
{
    if (!Parent)
        return false;
    const TspObjectFormState& f = Parent->Form;
    switch (Command) {
    case cmMaximize: return f.Maximized;
    case cmMinimize: return f.Minimized && !f.IsMainForm;
    case cmRollUp: return f.RolledUp;
    default: return false;
    }
}

bool TspSkinStdButtonObject::IsIconSysButton() const
{
    return Command == cmSysMenu && Parent && Parent->Form.ShowIcon && FSkinSupport && SkinRectInAPicture;
}

bool TspSkinStdButtonObject::PtInObject(int X, int Y) const
{
    return IsIconSysButton() || TspSkinButtonObject::PtInObject(X, Y);
}

TspObjectLook TspSkinStdButtonObject::Look(bool update) const
{
    if (!FSkinSupport)
        return DefaultLook();
    if (!HasSkin())
        return {};
    if (IsIconSysButton()) {
        TspObjectLook look;
        look.Source = TspLookSource::WindowIcon;
        return look;
    }
    const bool inEffect = CommandInEffect();
    if (Enabled && (FormActive() || InActiveSkinRect.IsEmpty() || inEffect)) {
        if (inEffect && !RestoreRect.IsEmpty()) {
            if (!FormActive() && !RestoreInActiveRect.IsEmpty())
                return Copy(TspLookSource::ActivePicture, RestoreInActiveRect);
            if (FDown && FMouseIn && !RestoreDownRect.IsEmpty())
                return Copy(NormalSource(), RestoreDownRect);
            return ChooseLook(RestoreRect, RestoreActiveRect, update);
        }
        if (Command == cmSysMenu && FDown && !DownRect.IsEmpty())
            return Copy(NormalSource(), DownRect);
    }
    return TspSkinButtonObject::Look(update);
}

TspObjectLook TspSkinStdButtonObject::DefaultLook() const
{
    TspObjectLook look;
    if (Command == cmSysMenu && Parent && Parent->Form.ShowIcon) {
        look.Source = TspLookSource::WindowIcon;
        return look;
    }
    look.Source = TspLookSource::DefaultLook;
    look.DefaultFrame = Active;
    look.DefaultFill = !Active ? clBtnFace : (FDown ? kDefaultButtonPressedFill : kDefaultButtonHotFill);
    look.GlyphColour = Enabled ? clBtnText : clBtnShadow;
    const TspObjectFormState* f = Parent ? &Parent->Form : nullptr;
    switch (Command) {
    case cmClose: look.Glyph = TspDefaultGlyph::Close; break;
    case cmMaximize:
        look.Glyph = f && f->Maximized ? TspDefaultGlyph::Restore : TspDefaultGlyph::Maximize;
        break;
    case cmMinimize:
        look.Glyph = f && f->Minimized ? TspDefaultGlyph::Restore : TspDefaultGlyph::Minimize;
        break;
    case cmSysMenu: look.Glyph = TspDefaultGlyph::TwoBars; break;
    case cmRollUp:
        look.Glyph = f && f->RolledUp ? TspDefaultGlyph::DownTriangle : TspDefaultGlyph::UpTriangle;
        break;
    case cmMinimizeToTray: look.Glyph = TspDefaultGlyph::FilledSquare; break;
    case cmDefault: break;
    }
    return look;
}

bool TspSkinStdButtonObject::GlowSuppressed() const
{
    return IsIconSysButton() || (!FormActive() && !InActiveSkinRect.IsEmpty());
}

void TspSkinStdButtonObject::ShowLayer()
{
    if (!GlowSuppressed())
        TspSkinButtonObject::ShowLayer();
}

void TspSkinStdButtonObject::HideLayer()
{
    if (!GlowSuppressed())
        TspSkinButtonObject::HideLayer();
}

void TspSkinStdButtonObject::MouseEnter()
{
    if (Command != cmDefault)
        Hint = CommandInEffect() && !RestoreHint.empty() ? RestoreHint : FTempHint;
    TspSkinButtonObject::MouseEnter();
}

void TspSkinStdButtonObject::MouseDown(int X, int Y, TspMouseButton button)
{
    if (Command != cmSysMenu) {
        TspSkinButtonObject::MouseDown(X, Y, button);
        return;
    }
    if (button == TspMouseButton::Left && Enabled && !FDown) {
        if (!IsIconSysButton())
            SetDown(true);
        if (Parent)
            Parent->Host().TrackMenu(*this, true);
    }
    TspActiveSkinObject::MouseDown(X, Y, button);
}

TspCommandRequest TspSkinStdButtonObject::MouseUp(int X, int Y, TspMouseButton button)
{
    if (!(button == TspMouseButton::Left && Active && Enabled))
        return TspSkinButtonObject::MouseUp(X, Y, button);
    TspFormCommand command = TspFormCommand::None;
    switch (Command) {
    case cmClose:
        // Released first, so a close that is refused leaves the button up.
        TspSkinButtonObject::MouseUp(X, Y, button);
        return {TspFormCommand::Close, false};
    case cmMaximize: command = TspFormCommand::Maximize; break;
    case cmMinimize: command = TspFormCommand::Minimize; break;
    case cmRollUp: command = TspFormCommand::RollUp; break;
    case cmMinimizeToTray: command = TspFormCommand::MinimizeToTray; break;
    default: break;
    }
    if (command == TspFormCommand::None) {
        if (!IsIconSysButton())
            TspSkinButtonObject::MouseUp(X, Y, button);
        return {};
    }
    return {command, !IsIconSysButton()};
}

void TspSkinStdButtonObject::FinishCommand(int X, int Y, TspMouseButton button)
{
    TspSkinButtonObject::MouseUp(X, Y, button);
}

TspCommandRequest TspSkinStdButtonObject::DblClick()
{
    if (Command == cmSysMenu)
        return {TspFormCommand::Close, false};
    return {};
}

bool TspSkinStdButtonObject::CanMorphing() const
{
    return !IsIconSysButton() && TspSkinButtonObject::CanMorphing();
}

// --- TspSkinCaptionObject --------------------------------------------------------------------

TspSkinCaptionObject::TspSkinCaptionObject(TspSkinObjects* parent, const TspSkinData& skinData,
                                           const TspDataSkinCaption& r)
    : TspActiveSkinObject(parent, skinData, r), FontName(r.FontName), FontStyle(r.FontStyle),
      FontHeight(r.FontHeight), FontColor(r.FontColor), ActiveFontColor(r.ActiveFontColor),
      ShadowColor(r.ShadowColor), ActiveShadowColor(r.ActiveShadowColor), Shadow(r.Shadow), Alignment(r.Alignment),
      TextRct(r.TextRct), DefaultCaption(r.DefaultCaption), FrameRect(r.FrameRect),
      ActiveFrameRect(r.ActiveFrameRect), FrameLeftOffset(r.FrameLeftOffset), FrameRightOffset(r.FrameRightOffset),
      FrameTextRect(r.FrameTextRect), LightColor(r.LightColor), ActiveLightColor(r.ActiveLightColor), Light(r.Light),
      StretchEffect(r.StretchEffect), AnimateSkinRect(r.AnimateSkinRect), FrameCount(r.FrameCount),
      AnimateInterval(r.AnimateInterval), InActiveAnimation(r.InActiveAnimation), FullFrame(r.FullFrame),
      VistaGlowEffect(r.VistaGlowEffect), VistaGlowInActiveEffect(r.VistaGlowInActiveEffect),
      GlowEffect(r.GlowEffect), GlowInActiveEffect(r.GlowInActiveEffect), GlowSize(r.GlowSize),
      GlowColor(r.GlowColor), GlowActiveColor(r.GlowActiveColor), GlowOffset(r.GlowOffset),
      ReflectionEffect(r.ReflectionEffect), ReflectionColor(r.ReflectionColor),
      ReflectionActiveColor(r.ReflectionActiveColor), ReflectionOffset(r.ReflectionOffset),
      DividerRect(r.DividerRect), InActiveDividerRect(r.InActiveDividerRect),
      DividerTransparent(r.DividerTransparent), DividerTransparentColor(r.DividerTransparentColor),
      QuickButtonAlphaMaskPictureIndex(r.QuickButtonAlphaMaskPictureIndex)
{
}

bool TspSkinCaptionObject::EnableAnimation() const
{
    // A strip without frames would divide by zero: no animation.
    return Parent && Parent->Form.EnableSkinEffects && !AnimateSkinRect.IsEmpty() && FrameCount > 0 &&
           HasActivePicture();
}

bool TspSkinCaptionObject::AnimationRunning(bool active) const
{
    if (!EnableAnimation())
        return false;
    return active ? CurrentFrame >= 1 && CurrentFrame <= FrameCount : CurrentFrame > 0;
}

bool TspSkinCaptionObject::StartAnimation(bool active)
{
    if (!EnableAnimation())
        return false;
    FIncTime = 25;
    CurrentFrame = active ? 1 : (InActiveAnimation ? FrameCount : 0);
    return AnimationRunning(active);
}

bool TspSkinCaptionObject::AnimationTick(bool active)
{
    if (!AnimationRunning(active))
        return false;
    if (FIncTime < AnimateInterval) {
        FIncTime += 25;
        return true;
    }
    CurrentFrame += active ? 1 : -1;
    DrawSelf();
    FIncTime = 25;
    return AnimationRunning(active);
}

TRect TspSkinCaptionObject::AnimationFrameRect() const
{
    if (!EnableAnimation() || CurrentFrame < 1 || CurrentFrame > FrameCount)
        return {};
    const TRect& a = AnimateSkinRect;
    if (a.Height() > SkinRect.Height()) {
        const int h = a.Height() / FrameCount;
        return Bounds(a.Left, a.Top + (CurrentFrame - 1) * h, a.Width(), h);
    }
    const int w = a.Width() / FrameCount;
    return Bounds(a.Left + (CurrentFrame - 1) * w, a.Top, w, a.Height());
}

void TspSkinCaptionObject::SetTextValue(const String& value)
{
    FTextValue = value;
    DrawSelf();
}

TspObjectLook TspSkinCaptionObject::Look(bool update) const
{
    if (!HasSkin())
        return {};
    const TRect frame = AnimationFrameRect();
    if (!frame.IsEmpty())
        return Copy(TspLookSource::ActivePicture, frame);
    // On the frame image without an active look only the text is drawn.
    return TspActiveSkinObject::Look(update || !ActiveSkinRect.IsEmpty());
}

} // namespace vt
