#include "form/caption_extras_layout.h"

#include "controls/skin_control_model.h"
#include "raster/caption.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"

#include <algorithm>

namespace vt {

namespace {

// A caption's width with prefix processing ("&" marks the accelerator and takes no room).
int CaptionWidth(const TspFontRenderer& renderer, const TspCaptionFont& font, const String& text)
{
    ITextRenderer* r = text.empty() || !renderer ? nullptr : renderer(font);
    return r ? r->Measure(text, TRect{}, dt::CalcRect | dt::SingleLine).Width() : 0;
}

TRect DividerOf(const TspSkinCaptionObject& c, bool formActive)
{
    return formActive || c.InActiveDividerRect.IsEmpty() ? c.DividerRect : c.InActiveDividerRect;
}

// The divider stands between the window icon and the quick buttons: only with a divider picture,
// the icon shown, no menu button and a system menu.
bool DividerApplies(const TspSkinCaptionObject& c, const TspCaptionExtras& extras, const TspCaptionExtrasFacts& f)
{
    return c.ActivePictureIndex >= 0 && !DividerOf(c, f.FormActive).IsEmpty() && f.ShowIcon &&
           !extras.MenuButtonVisible() && f.SystemMenu;
}

// Both groups; TR's left and right edges move in by each item's width + 2. An item of the left
// group that would pass the caption's right edge is left out and takes no room.
void LayoutQuickButtons(const TspSkinCaptionObject& caption, TRect& tr, TspCaptionExtras& extras,
                        const TspCaptionExtrasSkin& skin, const TspCaptionExtrasFacts& f)
{
    const TRect& c = caption.ObjectRect;
    const int iw = extras.QuickImageList()->Width(), ih = extras.QuickImageList()->Height();
    int p = 4, y = 0;
    if (caption.QuickButtonAlphaMaskPictureIndex != -1) {
        y = c.Top + c.Height() / 2 - ih / 2 - 2;
    } else {
        if (f.ModernSkin && c.Height() > 29)
            p = 12;
        y = c.Top + c.Height() / 2 - ih / 2 - p / 2;
    }
    auto width = [&](const TspQuickButtonItem& item) {
        int w = iw + p;
        if (item.PopupMenu())
            w += 7;  // the drop arrow
        if (!item.Caption().empty())
            w += (skin.Quick.Captions ? CaptionWidth(f.Renderer, skin.Quick.Font, item.Caption()) : 0) + 6;
        return w;
    };

    int x = c.Left + (DividerApplies(caption, extras, f) ? DividerOf(caption, f.FormActive).Width() + 6 : 5);
    for (int i = 0; i < extras.QuickButtons.Count(); ++i) {
        TspQuickButtonItem& item = *extras.QuickButtons.Items(i);
        item.ItemRect = {};
        if (!item.Visible() || item.Position() != spqbpLeft)
            continue;
        const int w = width(item);
        if (x + w > c.Right)
            continue;
        item.ItemRect = Rect(x, y, x + w, y + ih + p);
        tr.Left += w + 2;
        x += w + 2;
    }
    x = c.Right - 5;
    for (int i = 0; i < extras.QuickButtons.Count(); ++i) {
        TspQuickButtonItem& item = *extras.QuickButtons.Items(i);
        if (!item.Visible() || item.Position() != spqbpRight)
            continue;
        const int w = width(item);
        item.ItemRect = Rect(x - w, y, x, y + ih + p);
        tr.Right -= w + 2;
        x -= w + 2;
    }
}

// The tabs from x0 (after TR's left edge) up to xmax (TR's right edge), aligned by CaptionTabPos.
void LayoutCaptionTabs(const TspSkinCaptionObject& caption, TspCaptionLayout& out, TspCaptionExtras& extras,
                       const TspCaptionTabRecord& r, const TspCaptionExtrasFacts& f)
{
    TRect& tr = out.TextRect;
    const TspCaptionTabPos pos = extras.CaptionTabPos();
    const int cl = caption.ObjectRect.Left;
    const int x0 = cl + tr.Left + (pos == sptpLeft ? 5 : 0), xmax = cl + tr.Right;
    const int h = r.SkinRect.Height();
    const int y = r.TopPosition == -1 ? f.ClientTop - h : f.TopOrigin + r.TopPosition;
    const TCustomImageList* images = extras.CaptionTabsImageList();
    const int imageRoom = images ? images->Width() + 5 : 0;

    int x = x0, total = 0;
    for (int i = 0; i < extras.CaptionTabs.Count(); ++i) {
        TspCaptionTab& tab = *extras.CaptionTabs.Items(i);
        tab.ItemRect = {};
        if (!tab.Visible())
            continue;
        const int w = CaptionWidth(f.Renderer, r.Font, tab.Caption()) + imageRoom + 20;
        if (x + w > xmax)
            continue;
        tab.ItemRect = Rect(x, y, x + w, y + h);
        x += w;
        total += w;
    }
    int shift = 0;
    if (pos == sptpCenter)
        shift = std::max(0, (xmax - x0) / 2 - total / 2);
    else if (pos == sptpRight)
        shift = std::max(0, xmax - total - x0 - 10);
    for (int i = 0; i < extras.CaptionTabs.Count(); ++i) {
        TspCaptionTab& tab = *extras.CaptionTabs.Items(i);
        if (!tab.ItemRect.IsEmpty())
            tab.ItemRect = tab.ItemRect.Offset(shift, 0);
    }
    if (pos == sptpLeft && total > 0)
        tr.Left += x - x0 + 5;
    else if (pos == sptpRight)
        tr.Right = xmax - total - cl - 15;
    else if (pos == sptpCenter)
        out.DrawText = false;
}

} // namespace

bool CaptionTabsUsable(const TspSkinCaptionObject& caption, const TspCaptionExtras& extras)
{
    return caption.FTabDataIndex != -1 && extras.CaptionTabs.Count() > 0;
}

bool QuickButtonsUsable(const TspCaptionExtras& extras)
{
    return extras.QuickButtons.Count() > 0 && extras.QuickImageList();
}

TspCaptionExtrasSkin TspCaptionExtrasSkin::From(const TspSkinData* sd)
{
    TspCaptionExtrasSkin s;
    if (!sd || sd->Empty)
        return s;
    const int tab = sd->GetIndex(L"captiontab");
    const TspSkinRecord* tabRecord = tab >= 0 ? sd->ObjectList[static_cast<size_t>(tab)].get() : nullptr;
    if (const auto* r = dynamic_cast<const TspDataSkinCaptionTab*>(tabRecord)) {
        TspCaptionTabRecord& t = s.Tab;
        t.Index = tab;
        t.SkinRect = r->SkinRect;
        t.ClRect = r->ClRect;
        t.LeftOffset = r->LeftOffset;
        t.RightOffset = r->RightOffset;
        t.TopPosition = r->TopPosition;
        t.Font = {r->FontName, r->FontHeight, r->FontStyle, r->FontColor};
        t.FontColor = r->FontColor;
        t.ActiveFontColor = r->ActiveFontColor;
        t.DownFontColor = r->DownFontColor;
    }

    TspQuickButtonSkin& q = s.Quick;
    const TRecordLookup tool = FindControlRecord<TspDataSkinButtonControl>(sd, L"resizetoolbutton");
    TRecordLookup look = FindControlRecord<TspDataSkinButtonControl>(sd, L"officequickbutton");
    if (!look)
        look = tool;
    if (look) {
        const auto& r = static_cast<const TspDataSkinButtonControl&>(*look.Record);
        const TSkinRecordGeometry g = CopyRecordGeometry(*sd, r, false);
        q.Background = g.Picture >= 0;
        q.Picture = g.Picture;
        q.ActiveSkinRect = r.ActiveSkinRect;
        q.DownSkinRect = r.DownSkinRect;
        q.ClRect = g.ClRect;
    }
    if (tool) {
        const auto& r = static_cast<const TspDataSkinButtonControl&>(*tool.Record);
        q.Captions = true;
        q.Font = {r.FontName, r.FontHeight, r.FontStyle, r.FontColor};
        q.ActiveFontColor = r.ActiveFontColor;
        q.DownFontColor = r.DownFontColor;
    }
    return s;
}

TspCaptionLayout LayoutCaptionExtras(TspSkinCaptionObject& caption, TRect textRect, TspCaptionExtras& extras,
                                     const TspCaptionExtrasSkin& skin, const TspCaptionExtrasFacts& facts)
{
    TspCaptionLayout out;
    out.TextRect = textRect;
    caption.FTabDataIndex = skin.Tab.Index;

    if (facts.NCArea && QuickButtonsUsable(extras)) {
        LayoutQuickButtons(caption, out.TextRect, extras, skin, facts);
        if (DividerApplies(caption, extras, facts)) {
            out.Divider = true;
            out.DividerSource = DividerOf(caption, facts.FormActive);
            out.DividerAt = Point(caption.ObjectRect.Left + 3, caption.ObjectRect.Top + out.TextRect.Height() / 2 -
                                                                   out.DividerSource.Height() / 2);
            out.TextRect.Left += out.DividerSource.Width() + 5;
        } else {
            out.TextRect.Left += 5;
        }
    } else {
        for (int i = 0; i < extras.QuickButtons.Count(); ++i)
            extras.QuickButtons.Items(i)->ItemRect = {};
    }

    if (CaptionTabsUsable(caption, extras)) {
        LayoutCaptionTabs(caption, out, extras, skin.Tab, facts);
    } else {
        for (int i = 0; i < extras.CaptionTabs.Count(); ++i)
            extras.CaptionTabs.Items(i)->ItemRect = {};
    }
    return out;
}

TspQuickButtonPaint QuickButtonPaint(const TspQuickButtonItem& item, const TspSkinCaptionObject& caption,
                                     const TspCaptionExtras& extras, const TspCaptionExtrasSkin& skin,
                                     const TspCaptionExtrasFacts& facts)
{
    TspQuickButtonPaint p;
    const TRect& r = item.ItemRect;
    const TCustomImageList* images = extras.QuickImageList();
    if (!images || !item.Visible() || item.ImageIndex() < 0 || r.IsEmpty())
        return p;
    p.Draw = true;
    const bool pressed = item.Down() && (item.Active || item.Grouped());
    p.Alpha = caption.QuickButtonAlphaMaskPictureIndex != -1 &&
              (item.Active || item.Down() || facts.FullLayeredBorder) && r.Right <= caption.ObjectRect.Right;
    if (skin.Quick.Background)
        p.Background = pressed ? TspItemBackground::Down
                       : item.Active ? TspItemBackground::Active
                                     : TspItemBackground::None;
    if (pressed && skin.Quick.Captions)
        p.Colour = skin.Quick.DownFontColor;
    else if (item.Active && skin.Quick.Captions)
        p.Colour = skin.Quick.ActiveFontColor;
    else
        p.Colour = item.Enabled() ? caption.ActiveFontColor : caption.FontColor;

    const int iw = images->Width(), ih = images->Height();
    const bool hasCaption = !item.Caption().empty();
    p.Image.Y = r.Top + r.Height() / 2 - ih / 2;
    if (hasCaption)
        p.Image.X = r.Left + 3;
    else
        p.Image.X = r.Left + r.Width() / 2 - iw / 2 - 3 + (item.PopupMenu() ? 0 : 3);
    if (item.PopupMenu()) {
        p.Arrow = true;
        p.ArrowRect = p.Alpha ? Rect(r.Right - 7, r.Top + r.Height() / 2 - 1, r.Right - 2, r.Top + r.Height() / 2 + 2)
                              : Rect(r.Right - 8, r.Top, r.Right - 1, r.Bottom);
    }
    // The caption ends where the arrow begins.
    if (hasCaption && skin.Quick.Captions)
        p.CaptionRect = Rect(r.Left + iw + 6, r.Top, p.Arrow ? p.ArrowRect.Left : r.Right, r.Bottom);
    return p;
}

TspCaptionTabPaint CaptionTabPaint(int index, const TspCaptionExtras& extras, const TspCaptionExtrasSkin& skin,
                                   const TspFontRenderer& renderer)
{
    const TspCaptionTabRecord& rec = skin.Tab;
    const TspCaptionTab& tab = *extras.CaptionTabs.Items(index);
    TspCaptionTabPaint p;
    TColor colour = rec.FontColor;
    if (index == extras.CaptionTabIndex()) {
        p.Image = TspExtraImage::Down;
        colour = rec.DownFontColor;
    } else if (tab.Active) {
        p.Image = TspExtraImage::Active;
        colour = rec.ActiveFontColor;
    }
    p.Font = rec.Font;
    p.Font.Colour = colour;
    p.Content = rec.ClRect;
    p.Content.Right += tab.ItemRect.Width() - rec.SkinRect.Width();
    const TCustomImageList* images = extras.CaptionTabsImageList();
    const bool glyph = images && images->HasImage(tab.ImageIndex());
    if (ITextRenderer* text = renderer ? renderer(p.Font) : nullptr)
        p.Box = PlaceGlyphAndText(*text, blGlyphLeft, p.Content, glyph ? images->Width() : 0,
                                  glyph ? images->Height() : 0, tab.Caption(), -1, 5, false);
    return p;
}

std::vector<TRect> CaptionItemRects(const TspSkinCaptionObject& caption, const TspCaptionExtras& extras)
{
    std::vector<TRect> rects;
    if (CaptionTabsUsable(caption, extras))
        for (int i = 0; i < extras.CaptionTabs.Count(); ++i) {
            const TspCaptionTab& tab = *extras.CaptionTabs.Items(i);
            if (tab.Visible() && !tab.ItemRect.IsEmpty())
                rects.push_back(tab.ItemRect);
        }
    if (QuickButtonsUsable(extras))
        for (int i = 0; i < extras.QuickButtons.Count(); ++i) {
            const TspQuickButtonItem& item = *extras.QuickButtons.Items(i);
            if (item.Visible() && !item.ItemRect.IsEmpty())
                rects.push_back(item.ItemRect);
        }
    return rects;
}

} // namespace vt
