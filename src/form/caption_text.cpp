#include "form/caption_text.h"

namespace vt {

namespace {

constexpr uint32_t kTextFormat = dt::SingleLine | dt::NoPrefix | dt::VCenter;

TRect MeasureText(ITextRenderer& r, const std::wstring& text)
{
    return r.Measure(text, TRect{}, kTextFormat | dt::CalcRect);
}

} // namespace

std::wstring CaptionText(const TspSkinCaptionObject& caption, const std::wstring& formCaption, bool nonClientArea,
                         const std::wstring& maximizedChildCaption)
{
    if (!nonClientArea && !caption.DefaultCaption)
        return caption.FTextValue;
    if (!maximizedChildCaption.empty())
        return formCaption + L" - [" + maximizedChildCaption + L"]";
    return formCaption;
}

TspCaptionFont CaptionFont(const TspSkinCaptionObject& caption, const TspCaptionTextInput& in)
{
    TspCaptionFont f = in.UseSkinFont ? TspCaptionFont{caption.FontName, caption.FontHeight, caption.FontStyle, 0}
                                      : in.DefaultFont;
    f.Colour = in.FormActive ? caption.ActiveFontColor : caption.FontColor;
    return f;
}

TRect CaptionTextRect(const TspSkinCaptionObject& c)
{
    TRect tr = c.TextRct;
    if (!tr.IsEmpty())
        tr.Right = c.TextRct.Right + (c.ObjectRect.Width() - c.SkinRect.Width());
    if (!c.FrameRect.IsEmpty()) {
        tr.Top += c.FrameTextRect.Top;
        tr.Left += c.FrameTextRect.Left;
        tr.Right += c.FrameTextRect.Right - c.FrameRect.Width();
    }
    return tr;
}

TspCaptionTextPlan PlanCaptionText(const TspSkinCaptionObject& c, const TRect& tr, const TspCaptionTextInput& in,
                                   ITextRenderer& renderer)
{
    TspCaptionTextPlan plan;
    if (in.Text.empty() || c.TextRct.IsEmpty())
        return plan;
    plan.Draw = true;
    plan.Font = CaptionFont(c, in);
    plan.Text = ShortenWithEllipsis(in.Text, tr.Width(),
                                    [&](const std::wstring& t) { return MeasureText(renderer, t).Width(); });
    const TRect m = MeasureText(renderer, plan.Text);
    const int tw = m.Width(), th = m.Height();

    int y = tr.Top + tr.Height() / 2 - th / 2;
    int x = tr.Left;
    const TAlignment align = in.QuickButtons ? taCenter : c.Alignment;
    if (align == taRightJustify)
        x = tr.Right - tw;
    else if (align == taCenter)
        x = tr.Left + tr.Width() / 2 - tw / 2;
    x += in.Origin.X;
    y += in.Origin.Y;
    // GDI puts a single line of an odd-height font one pixel lower.
    if (renderer.FontHeight() % 2 != 0)
        --y;
    plan.TextRect = Bounds(x, y, tw, th);

    if (!c.FrameRect.IsEmpty()) {
        plan.BackdropSource = in.FormActive && !c.ActiveFrameRect.IsEmpty() ? c.ActiveFrameRect : c.FrameRect;
        const int top = y - c.FrameTextRect.Top;
        if (c.FullFrame) {
            const int w = c.ObjectRect.Width() - 2 * in.ButtonsOffset;
            if (w > 0) {
                plan.Backdrop = true;
                plan.BackdropDest = Bounds(in.Origin.X + in.ButtonsOffset, top, w, plan.BackdropSource.Height());
            }
        } else {
            const int w = tw + c.FrameRect.Width() - c.FrameTextRect.Width();
            plan.Backdrop = w > 0;
            plan.BackdropDest = Bounds(x - c.FrameTextRect.Left, top, w, plan.BackdropSource.Height());
        }
    }

    plan.Light = c.Light;
    plan.LightColour = in.FormActive ? c.ActiveLightColor : c.LightColor;
    plan.Shadow = c.Shadow;
    plan.ShadowColour = in.FormActive ? c.ActiveShadowColor : c.ShadowColor;

    const TColor glowColour = in.FormActive ? c.GlowActiveColor : c.GlowColor;
    if (c.ReflectionEffect) {
        plan.Effect = TspCaptionEffect::Reflection;
        plan.EffectColour = in.FormActive ? c.ReflectionActiveColor : c.ReflectionColor;
        plan.EffectOffset = c.ReflectionOffset;
    } else if (c.VistaGlowEffect && (in.FormActive || c.VistaGlowInActiveEffect)) {
        plan.Effect = TspCaptionEffect::Halo;
        plan.EffectColour = glowColour;
    } else if (c.GlowEffect && (in.FormActive || c.GlowInActiveEffect)) {
        plan.Effect = TspCaptionEffect::Glow;
        plan.EffectColour = glowColour;
        plan.GlowSize = c.GlowSize;
        plan.EffectOffset = c.GlowOffset;
    }
    return plan;
}

} // namespace vt
