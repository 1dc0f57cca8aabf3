#include "form/frame_paint.h"

#include "form/caption_extras_paint.h"
#include "form/object_paint.h"
#include "raster/compose.h"
#include "raster/effect_bmp.h"
#include "skin/skin_data.h"

#include <algorithm>
#include <vector>

namespace vt {

// --- layout bridge ---------------------------------------------------------------------------

TArrangeItem ArrangeItemOf(const TspActiveSkinObject& object)
{
    TArrangeItem item;
    if (const auto* std = dynamic_cast<const TspSkinStdButtonObject*>(&object)) {
        item.Kind = TArrangeKind::StdButton;
        item.Command = std->Command;
        item.ShowIcon = std->IsIconSysButton();
    } else if (dynamic_cast<const TspSkinCaptionObject*>(&object)) {
        item.Kind = TArrangeKind::Caption;
    } else if (dynamic_cast<const TspSkinCaptionMenuButton*>(&object)) {
        item.Kind = TArrangeKind::CaptionMenuButton;
    }
    item.SkinRect = object.SkinRect;
    item.ObjectRect = object.ObjectRect;
    item.Visible = object.Visible;
    item.Enabled = object.Enabled;
    item.SkinRectInAPicture = object.SkinRectInAPicture;
    item.RollUp = object.RollUp;
    return item;
}

std::vector<TArrangeItem> ArrangeItemsOf(const TspSkinObjects& objects)
{
    std::vector<TArrangeItem> items;
    items.reserve(objects.ObjectList.size());
    for (const auto& object : objects.ObjectList)
        items.push_back(ArrangeItemOf(*object));
    return items;
}

void ArrangeFormObjects(TspFrameGeometry& geometry, TspSkinObjects& objects, const TArrangeExtras& extras)
{
    std::vector<TArrangeItem> items = ArrangeItemsOf(objects);
    if (geometry.Skin.Loaded)
        geometry.ArrangeObjects(items);
    else
        geometry.CalcDefRects(items);
    for (size_t i = 0; i < items.size(); ++i)
        objects.ObjectList[i]->ObjectRect = items[i].ObjectRect;
    if (extras.Extras) {
        ArrangeCaptionMenuButton(geometry, objects, *extras.Extras, extras.SystemMenu);
        return;
    }
    for (auto& o : objects.ObjectList)
        if (dynamic_cast<TspSkinCaptionMenuButton*>(o.get()))
            o->Visible = false;
}

// --- objects ---------------------------------------------------------------------------------

void ApplyInactiveEffect(TspBitmap& picture, TspInActiveEffect effect)
{
    if (picture.Empty())
        return;
    TspEffectBmp e(picture.View());
    e.ApplyInactiveEffect(static_cast<uint8_t>(effect));
    e.ToBitmap(picture);
}

bool GreysWhenInactive(const TFramePaintSources& src)
{
    return !src.FormActive && src.Skin && src.Skin->AutoRenderingInActiveImage;
}

namespace {

// The inactive effect on a premultiplied picture: applied to its straight colours, its alpha kept.
void ApplyInactiveEffectKeepingAlpha(TspBitmap& picture, TspInActiveEffect effect)
{
    const size_t n = static_cast<size_t>(picture.Width()) * static_cast<size_t>(picture.Height());
    std::vector<uint8_t> alpha(n);
    for (size_t i = 0; i < n; ++i) {
        const TspColor p = picture.FBits[i];
        const uint32_t a = alpha[i] = PixelA(p);
        auto straight = [a](uint8_t c) {
            return static_cast<uint8_t>(a ? std::min<uint32_t>(255, (c * 255 + a / 2) / a) : 0);
        };
        picture.FBits[i] = MakePixel(straight(PixelR(p)), straight(PixelG(p)), straight(PixelB(p)), 255);
    }
    ApplyInactiveEffect(picture, effect);
    for (size_t i = 0; i < n; ++i)
        picture.FBits[i] = (picture.FBits[i] & 0x00FFFFFF) | (TspColor(alpha[i]) << 24);
    picture.CheckRGBA2();
}

// What the extras' drawing reads: the form gives its extras, their skin copy, ShowIcon and
// SystemMenu; the rest the frame knows better.
TspExtrasPaintSources ExtrasSourcesOf(const TspFrameGeometry& geometry, const TFramePaintSources& src)
{
    static const TspCaptionExtrasSkin kNoRecords;
    TspExtrasPaintSources e;
    e.Skin = src.Skin;
    e.Extras = src.Extras;
    e.ExtrasSkin = src.ExtrasSkin ? src.ExtrasSkin : &kNoRecords;
    e.Facts = src.ExtrasFacts;
    e.Facts.FormActive = src.FormActive;
    e.Facts.NCArea = geometry.Form.SupportNCArea;
    e.Facts.ModernSkin = geometry.IsModernSkin();
    e.Facts.FullLayeredBorder = geometry.Form.FullLayeredBorder;
    if (!geometry.Form.FullLayeredBorder) {
        e.Facts.ClientTop = geometry.NewClRect.Top;
        e.Facts.TopOrigin = 0;
    }
    if (!e.Facts.Renderer)
        e.Facts.Renderer = src.Caption.Renderer;
    return e;
}

void Blit(TspBitmap& target, TPoint at, const TspBitmap& picture)
{
    if (!picture.Empty())
        CopyRect(target, Rect(at.X, at.Y, at.X + picture.Width(), at.Y + picture.Height()), picture.View(),
                 picture.BoundsRect());
}

// The caption's text in textRect (object coordinates), planned in its font and drawn at origin
// (the object's top-left on target); centred when quick buttons are shown.
void DrawCaptionTextOf(const TspSkinCaptionObject& caption, const TspFrameGeometry& geometry,
                       const TFramePaintSources& src, const TRect& textRect, bool quickButtons, TspBitmap& target,
                       TPoint origin)
{
    const TCaptionTextSources& c = src.Caption;
    if (c.CaptionPaint) {
        const TRect r = Rect(origin.X, origin.Y, origin.X + caption.ObjectRect.Width(),
                             origin.Y + caption.ObjectRect.Height());
        c.CaptionPaint(target, r, src.FormActive);
        return;
    }
    if (!c.Renderer)
        return;
    TspCaptionTextInput in;
    in.Text = CaptionText(caption, c.FormCaption, geometry.Form.SupportNCArea, c.MaximizedChildCaption);
    in.FormActive = src.FormActive;
    in.UseSkinFont = c.UseSkinFont;
    in.DefaultFont = c.DefaultFont;
    in.Origin = origin;
    in.ButtonsOffset = geometry.Skin.ButtonsOffset;
    in.QuickButtons = quickButtons;
    ITextRenderer* text = c.Renderer(CaptionFont(caption, in));
    if (!text)
        return;
    const TspCaptionTextPlan plan = PlanCaptionText(caption, textRect, in, *text);
    DrawCaptionText(caption, plan, src.Skin, *text, target);
}

} // namespace

void DrawObject(TspActiveSkinObject& object, const TspFrameGeometry& geometry, const TFramePaintSources& src,
                bool update, TspBitmap& target, TPoint origin)
{
    const int32_t w = object.ObjectRect.Width(), h = object.ObjectRect.Height();
    // A skin may stretch an object past any picture's size: it is left out, not composed.
    if (!BitmapSizeAllowed(w, h))
        return;
    if (auto* button = dynamic_cast<TspSkinCaptionMenuButton*>(&object)) {
        TspBitmap picture;
        if (!src.Extras || !RenderCaptionMenuButton(*button, ExtrasSourcesOf(geometry, src), picture))
            return;
        if (update && GreysWhenInactive(src))
            ApplyInactiveEffectKeepingAlpha(picture, src.Skin->InActiveEffect);
        BlendPremultiplied(target, origin, picture.View());
        return;
    }
    if (auto* caption = dynamic_cast<TspSkinCaptionObject*>(&object)) {
        TObjectPaintSources ps;
        ps.Skin = src.Skin;
        ps.FormActive = src.FormActive;
        ps.CanStretchFrame = geometry.CanStretchFrame();
        TspBitmap background;
        const bool own = RenderCaptionBackground(*caption, update, ps, background);
        TspBitmap& surface = own ? background : target;
        const TPoint at = own ? TPoint{0, 0} : origin;
        // The extras go over the background and narrow the text's rectangle.
        TRect textRect = CaptionTextRect(*caption);
        bool text = true, quickButtons = false;
        if (src.Extras) {
            const TspExtrasPaintSources es = ExtrasSourcesOf(geometry, src);
            const TspCaptionLayout layout =
                LayoutCaptionExtras(*caption, textRect, *src.Extras, *es.ExtrasSkin, es.Facts);
            DrawCaptionExtras(*caption, layout, es, surface, at);
            textRect = layout.TextRect;
            text = layout.DrawText;
            quickButtons = es.Facts.NCArea && QuickButtonsUsable(*src.Extras);
        }
        // The caption alone greys itself; on the frame image the whole strip is greyed after.
        if (own && update && GreysWhenInactive(src))
            ApplyInactiveEffect(background, src.Skin->InActiveEffect);
        if (text)
            DrawCaptionTextOf(*caption, geometry, src, textRect, quickButtons, surface, at);
        if (own)
            Blit(target, origin, background);
        return;
    }
    const TspObjectLook look = object.Look(update);
    if (look.Source == TspLookSource::WindowIcon) {
        if (src.DrawIcon)
            src.DrawIcon(target, Rect(origin.X, origin.Y, origin.X + w, origin.Y + h));
        return;
    }
    TspBitmap picture;
    if (!RenderLook(look, object, src.Skin, w, h, picture))
        return;
    if (update && GreysWhenInactive(src))
        ApplyInactiveEffect(picture, src.Skin->InActiveEffect);
    Blit(target, origin, picture);
}

// --- the frame -------------------------------------------------------------------------------

bool ComposeFrame(TspFrameGeometry& geometry, TspSkinObjects& objects, const TFramePaintSources& src,
                  TFramePictures& out, TFramePictures* bare)
{
    const TspSkinData* sd = src.Skin;
    if (!sd || sd->Empty || !geometry.HasSkinFrame())
        return false;
    geometry.CalcRects();
    const int32_t W = geometry.FFormWidth, H = geometry.FFormHeight;
    if (W < geometry.GetMinWidth() || H < geometry.GetMinHeight())
        return false;
    ArrangeFormObjects(geometry, objects, {src.Extras, src.ExtrasFacts.SystemMenu});

    const TPixelImage& source = src.FormActive || sd->FInActivePicture.Empty() ? sd->FPicture : sd->FInActivePicture;
    const TFrameGeometry g = geometry.Skin.Geometry();
    const TFrameGeometry ng{geometry.NewLTPoint, geometry.NewRTPoint, geometry.NewLBPoint, geometry.NewRBPoint,
                            geometry.NewClRect};
    BuildFrameStrips(g, ng, out.Left, out.Top, out.Right, out.Bottom, source.View(), source.View().BoundsRect(), W, H,
                     geometry.Skin.Stretch);
    if (bare) {
        bare->Top.Assign(out.Top);
        bare->Left.Assign(out.Left);
        bare->Right.Assign(out.Right);
        bare->Bottom.Assign(out.Bottom);
    }

    const TRect& cl = geometry.NewClRect;
    for (const auto& object : objects.ObjectList) {
        if (!object->Visible || !geometry.IsObjectForState(ArrangeItemOf(*object)))
            continue;
        const TRect& r = object->ObjectRect;
        if (r.Bottom > cl.Top)
            DrawObject(*object, geometry, src, false, out.Bottom, {r.Left, r.Top - cl.Bottom});
        else
            DrawObject(*object, geometry, src, false, out.Top, {r.Left, r.Top});
    }
    if (GreysWhenInactive(src))
        for (TspBitmap* strip : {&out.Top, &out.Left, &out.Right, &out.Bottom})
            ApplyInactiveEffect(*strip, sd->InActiveEffect);
    return true;
}

} // namespace vt
