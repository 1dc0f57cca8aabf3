#include "form/object_paint.h"

#include "raster/caption.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"

#include <algorithm>

namespace vt {

namespace {

const TPixelImage* Usable(const TPixelImage* p) { return p && !p->Empty() ? p : nullptr; }

const TPixelImage* SourcePicture(TspLookSource source, const TspActiveSkinObject& object, const TspSkinData& skin)
{
    switch (source) {
    case TspLookSource::FramePicture:
        return Usable(&skin.FPicture);
    case TspLookSource::RollUpPicture:
        return Usable(&skin.FRollUpPicture);
    case TspLookSource::ActivePicture:
        return SkinActivePicture(skin, object.ActivePictureIndex);
    default:
        return nullptr;
    }
}

TGlyphShapes DefaultGlyph(TspDefaultGlyph glyph, int x, int y)
{
    switch (glyph) {
    case TspDefaultGlyph::Close:
        return CloseGlyph(x, y);
    case TspDefaultGlyph::Maximize:
        return MaximizeGlyph(x, y);
    case TspDefaultGlyph::Minimize:
        return MinimizeGlyph(x, y);
    case TspDefaultGlyph::Restore:
        return RestoreGlyph(x, y);
    case TspDefaultGlyph::TwoBars:
        return TwoBarsGlyph(x, y);
    case TspDefaultGlyph::UpTriangle:
        return UpTriangle(x, y);
    case TspDefaultGlyph::DownTriangle:
        return DownTriangle(x, y);
    case TspDefaultGlyph::FilledSquare:
        return FilledSquare(x, y);
    default:
        return {};
    }
}

void RenderDefaultLook(const TspObjectLook& look, int32_t w, int32_t h, TspBitmap& out)
{
    out.SetSize(w, h);
    if (out.Empty())
        return;
    out.FillRect(out.BoundsRect(), ColorToPixel(look.DefaultFill, 255));
    if (look.DefaultFrame) {
        TGlyphShape frame{TGlyphShape::Rectangle, {{0, 0}, {w, h}}, false};
        DrawShapes(out, {frame}, kDefaultButtonFrame);
    }
    DrawShapes(out, DefaultGlyph(look.Glyph, w / 2 - 5, h / 2 - 4), look.GlyphColour);
}

// A caption stretched past its skin rectangle keeps its corner segments: the part of the band
// outside the frame's corner points stays, the middle stretches or tiles.
void RenderStretchedCaption(const TspSkinCaptionObject& c, const TspSkinData& skin, TPixelView pic,
                            const TRect& rect, int32_t w, int32_t h, bool stretch, TspBitmap& out)
{
    const TRect& s = c.SkinRect;
    auto fixed = [](int32_t v) { return std::max(v, 0); };
    if (s.Top <= skin.LTPoint.Y && s.Bottom < skin.RTPoint.Y) {
        ComposeHorzBand(fixed(skin.LTPoint.X - s.Left), fixed(s.Right - skin.RTPoint.X), out, pic, rect, w, stretch);
    } else if (s.Top >= skin.LBPoint.Y) {
        ComposeHorzBand(fixed(skin.LBPoint.X - s.Left), fixed(s.Right - skin.RBPoint.X), out, pic, rect, w, stretch);
    } else if (s.Width() < s.Height()) {
        ComposeVertBand(fixed(skin.LTPoint.Y - s.Top), fixed(s.Bottom - skin.LBPoint.Y), out, pic, rect, h, stretch);
    } else {
        out.SetSize(w, h);
        CopyRect(out, out.BoundsRect(), pic, rect);
        return;
    }
    // The band keeps the source's other side; bring it to the object's.
    if (out.Width() != w || out.Height() != h) {
        TspBitmap sized;
        sized.SetSize(w, h);
        CopyRect(sized, sized.BoundsRect(), out.View(), out.BoundsRect());
        out.Assign(sized);
    }
}

} // namespace

const TPixelImage* LookPicture(const TspObjectLook& look, const TspActiveSkinObject& object, const TspSkinData* skin)
{
    if (!skin || skin->Empty)
        return nullptr;
    return SourcePicture(look.Source, object, *skin);
}

bool RenderLook(const TspObjectLook& look, const TspActiveSkinObject& object, const TspSkinData* skin,
                int32_t width, int32_t height, TspBitmap& out)
{
    if (width <= 0 || height <= 0)
        return false;
    if (look.Source == TspLookSource::DefaultLook) {
        RenderDefaultLook(look, width, height, out);
        return !out.Empty();
    }
    const TPixelImage* from = LookPicture(look, object, skin);
    if (!from)
        return false;
    if (look.Morph) {
        const TPixelImage* to = SkinActivePicture(*skin, object.ActivePictureIndex);
        if (!to)
            return false;
        TspBitmap normal, hot;
        normal.SetSize(width, height);
        hot.SetSize(width, height);
        CopyRect(normal, normal.BoundsRect(), from->View(), look.MorphFrom);
        CopyRect(hot, hot.BoundsRect(), to->View(), look.MorphTo);
        TspEffectBmp effect(normal.View());
        effect.MorphByKind(static_cast<uint8_t>(look.MorphKind), TspEffectBmp(hot.View()), look.MorphKf);
        effect.ToBitmap(out);
        return true;
    }
    out.SetSize(width, height);
    CopyRect(out, out.BoundsRect(), from->View(), look.Rect);
    return true;
}

bool RenderCaptionBackground(const TspSkinCaptionObject& caption, bool update, const TObjectPaintSources& src,
                             TspBitmap& out)
{
    const TspSkinData* skin = src.Skin;
    const TspObjectLook look = caption.Look(update);
    const int32_t w = caption.ObjectRect.Width(), h = caption.ObjectRect.Height();
    if (!skin || skin->Empty || look.Source == TspLookSource::None || w <= 0 || h <= 0)
        return false;
    const bool stretched = w != caption.SkinRect.Width() || h != caption.SkinRect.Height();
    if (!stretched || !src.CanStretchFrame || look.Source == TspLookSource::DefaultLook)
        return RenderLook(look, caption, skin, w, h, out);

    auto band = [&](const TspObjectLook& part, const TRect& rect, TspBitmap& into) {
        const TPixelImage* pic = LookPicture(part, caption, skin);
        if (!pic)
            return false;
        RenderStretchedCaption(caption, *skin, pic->View(), rect, w, h, caption.StretchEffect, into);
        return true;
    };
    if (!look.Morph)
        return band(look, look.Rect, out);
    TspObjectLook active = look;
    active.Source = TspLookSource::ActivePicture;
    TspBitmap normal, hot;
    if (!band(look, look.MorphFrom, normal) || !band(active, look.MorphTo, hot))
        return false;
    TspEffectBmp effect(normal.View());
    effect.MorphByKind(static_cast<uint8_t>(look.MorphKind), TspEffectBmp(hot.View()), look.MorphKf);
    effect.ToBitmap(out);
    return true;
}

void DrawCaptionText(const TspSkinCaptionObject& caption, const TspCaptionTextPlan& plan, const TspSkinData* skin,
                     ITextRenderer& text, TspBitmap& target)
{
    if (!plan.Draw || target.Empty())
        return;
    if (plan.Backdrop && skin && !skin->Empty && !plan.BackdropDest.IsEmpty())
        if (const TPixelImage* pic = SkinActivePicture(*skin, caption.ActivePictureIndex)) {
            TspBitmap backdrop;
            ComposeHorzBand(caption.FrameLeftOffset, caption.FrameRightOffset, backdrop, pic->View(),
                            plan.BackdropSource, plan.BackdropDest.Width(), true);
            if (!backdrop.Empty())
                CopyRect(target,
                         Rect(plan.BackdropDest.Left, plan.BackdropDest.Top,
                              plan.BackdropDest.Left + backdrop.Width(), plan.BackdropDest.Top + backdrop.Height()),
                         backdrop.View(), backdrop.BoundsRect());
        }
    if (plan.Text.empty())
        return;
    constexpr uint32_t format = dt::SingleLine | dt::VCenter | dt::NoPrefix;
    const TRect& r = plan.TextRect;
    if (plan.Light)
        text.DrawText(target, plan.Text, r.Offset(-1, -1), format, plan.LightColour);
    if (plan.Shadow)
        text.DrawText(target, plan.Text, r.Offset(1, 1), format, plan.ShadowColour);
    switch (plan.Effect) {
    case TspCaptionEffect::Reflection:
        DrawReflectedText(text, target, r, plan.Text, plan.EffectColour, plan.EffectOffset, format, plan.Font.Colour);
        break;
    case TspCaptionEffect::Halo:
        DrawHaloText(text, target, r, plan.Text, plan.EffectColour, format, plan.Font.Colour);
        break;
    case TspCaptionEffect::Glow:
        DrawGlowText(text, target, r, plan.Text, plan.GlowSize, plan.EffectColour, plan.EffectOffset, format,
                     plan.Font.Colour);
        break;
    default:
        text.DrawText(target, plan.Text, r, format, plan.Font.Colour);
        break;
    }
}

} // namespace vt
