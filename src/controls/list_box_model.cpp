#include "controls/list_box_model.h"

#include "controls/skin_control_model.h"

#include "skin/control_records.h"

#include <algorithm>
#include <limits>

namespace vt {

namespace {

constexpr int32_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int32_t kInt32Min = std::numeric_limits<int32_t>::min();

} // namespace

int32_t Saturated(int64_t v) { return static_cast<int32_t>(std::clamp<int64_t>(v, kInt32Min, kInt32Max)); }

namespace {

// Items of itemHeight that fit in height; a zero item height counts as one pixel.
int32_t ItemsIn(int32_t height, int32_t itemHeight) { return std::max(height, 0) / std::max(itemHeight, 1); }

} // namespace

TListBoxLook CopyListBoxLook(const TspDataSkinListBox& r)
{
    TListBoxLook l;
    l.SkinRect = r.SkinRect;
    l.ClRect = r.ClRect;
    l.StretchEffect = r.StretchEffect;
    l.SItemRect = r.SItemRect;
    l.ActiveItemRect = RectOr(r.ActiveItemRect, r.SItemRect);
    l.FocusItemRect = RectOr(r.FocusItemRect, r.SItemRect);
    l.ItemLeftOffset = r.ItemLeftOffset;
    l.ItemRightOffset = r.ItemRightOffset;
    l.ItemTextRect = r.ItemTextRect;
    l.FontName = r.FontName;
    l.FontStyle = r.FontStyle;
    l.FontHeight = r.FontHeight;
    l.FontColor = r.FontColor;
    l.ActiveFontColor = r.ActiveFontColor;
    l.FocusFontColor = r.FocusFontColor;
    l.CaptionRect = r.CaptionRect;
    l.CaptionFontName = r.CaptionFontName;
    l.CaptionFontStyle = r.CaptionFontStyle;
    l.CaptionFontHeight = r.CaptionFontHeight;
    l.CaptionFontColor = r.CaptionFontColor;
    l.Buttons[0] = {r.UpButtonRect, r.ActiveUpButtonRect, RectOr(r.DownUpButtonRect, r.ActiveUpButtonRect)};
    l.Buttons[1] = {r.DownButtonRect, r.ActiveDownButtonRect, RectOr(r.DownDownButtonRect, r.ActiveDownButtonRect)};
    l.Buttons[2] = {r.CheckButtonRect, r.ActiveCheckButtonRect, RectOr(r.DownCheckButtonRect, r.ActiveCheckButtonRect)};
    l.VScrollBarName = r.VScrollBarName;
    l.HScrollBarName = r.HScrollBarName;
    l.BothScrollBarName = r.BothScrollBarName;
    l.ShowFocus = r.ShowFocus;
    l.DisabledButtonsRect = r.DisabledButtonsRect;
    l.ButtonsArea = r.ButtonsArea;
    return l;
}

int32_t ListBoxItemHeight(const TListBoxLook* look, bool useSkinItemHeight, int32_t defaultItemHeight)
{
    return look && useSkinItemHeight ? look->SItemRect.Height() : defaultItemHeight;
}

TBarSkin BarSkinOf(const TListBoxLook* look, TListBar bar)
{
    if (!look)
        return bar == TListBar::HorizontalBesideVertical ? TBarSkin{L"", true, 19} : TBarSkin{};
    switch (bar) {
    case TListBar::Vertical:
        return {look->VScrollBarName};
    case TListBar::HorizontalAlone:
        return {look->HScrollBarName};
    case TListBar::HorizontalBesideVertical:
        break;
    }
    return {look->BothScrollBarName};
}

TRect ListBoxClientRect(const TListBoxLook& look, int32_t width, int32_t height)
{
    TRect r = look.ClRect;
    r.Right += width - look.SkinRect.Width();
    r.Bottom += height - look.SkinRect.Height();
    return r;
}

TListBoxLayout LayoutListBox(const TListBoxLayoutInput& in)
{
    TListBoxLayout out;
    const int32_t w = in.Width, h = in.Height;
    const bool record = in.Look != nullptr;
    // The default look's caption strip, else its one-pixel frame.
    out.CaptionHeight = !record && in.CaptionMode ? in.DefaultCaptionHeight : 1;
    const int32_t capH = out.CaptionHeight;
    const TRect cl = record ? ListBoxClientRect(*in.Look, w, h) : TRect{};
    if (record)
        out.ClientRect = cl;

    int32_t hh = 0;
    if (!in.Columns && in.HorzBar) {
        if (record) {
            out.HorzBar = TRect{cl.Left, cl.Bottom - in.HorzBarHeight, cl.Right, cl.Bottom};
            hh = in.HorzBarHeight;
        } else {
            out.HorzBar = Bounds(1, h - 20, w - 2, 19);
            hh = 19 - 1;
        }
    }

    if (in.VertBar) {
        if (!record && !in.Columns) {
            TRect bar = Bounds(w - 20, capH, 19, h - capH - hh - 1);
            out.VertBar = bar;
            out.List = {2, capH + 1, bar.Left, h - hh - 2};
        } else if (!record) {
            TRect bar = Bounds(1, h - 20, w - 2, 19);
            out.VertBar = bar;
            out.List = {2, capH + 1, w - 2, bar.Top};
        } else if (!in.Columns) {
            out.VertBar = TRect{cl.Right - in.VertBarWidth, cl.Top, cl.Right, cl.Bottom - hh};
            out.List = {cl.Left, cl.Top, cl.Right - in.VertBarWidth, cl.Bottom - hh};
        } else {
            out.VertBar = TRect{cl.Left, cl.Bottom - in.ColumnBarHeight, cl.Right, cl.Bottom};
            out.List = {cl.Left, cl.Top, cl.Right, cl.Bottom - in.ColumnBarHeight};
        }
    } else if (!record) {
        out.List = {2, capH + 1, w - 2, h - hh - 2};
    } else {
        out.List = {cl.Left, cl.Top, cl.Right, cl.Bottom - hh};
    }
    return out;
}

int32_t CalcListBoxHeight(const TListBoxHeightInput& in)
{
    int64_t h = int64_t(in.Count) * in.ItemHeight;
    if (!in.Look) {
        h += 4;
        if (in.CaptionMode)
            h += in.DefaultCaptionHeight;
    } else {
        h += in.Look->ClRect.Top + (int64_t(in.Look->SkinRect.Height()) - in.Look->ClRect.Bottom);
    }
    if (in.HorzBar)
        h += in.HorzBarHeight;
    return Saturated(h);
}

TBarDecision DecideVertBar(const TVertBarInput& in)
{
    // A list sized to its rows shows them all.
    if (in.RowCount >= 1 && in.RowCount == in.ItemCount)
        return {};
    const TNativeScroll& n = in.Native;
    const int32_t page = ItemsIn(in.ListHeight, in.ItemHeight);
    if (n.Min < n.Max && n.Max >= n.Position && page < in.ItemCount)
        return {TBarAction::Show, {n.Min, n.Max, page, n.Position, 0, page}};
    return {};
}

TBarDecision DecideColumnBar(const TColumnBarInput& in)
{
    const TNativeScroll& n = in.Native;
    const int64_t shown = int64_t(ItemsIn(in.ListHeight, in.ItemHeight)) * in.Columns;
    if (n.Min < n.Max && n.Max >= n.Position && n.Max >= in.Columns && shown < in.ItemCount)
        return {TBarAction::Show, {n.Min, n.Max, in.Columns, n.Position, 0, 0}};
    return {};
}

TBarDecision DecideHorzBar(const THorzBarInput& in)
{
    if (!in.HorizontalExtent)
        return {};
    if (in.Suspended)
        return {TBarAction::Keep, {}};
    int64_t page = in.Look ? int64_t(in.ListWidth) + (in.Look->ItemTextRect.Width() - in.Look->SItemRect.Width())
                           : int64_t(in.ListWidth) - 4;
    if (in.ImageWidth >= 0)
        page -= int64_t(in.ImageWidth) + 4;
    if (page >= in.WidestText)
        return {};
    return {TBarAction::Show,
            {0, in.WidestText, Saturated(page), in.Position, in.DigitWidth, in.DigitWidth}};
}

std::vector<int32_t> ListBoxTabStops(const std::vector<String>& tabWidths)
{
    std::vector<int32_t> stops;
    const size_t n = std::min<size_t>(tabWidths.size(), 10);
    for (size_t i = 0; i < n; ++i) {
        const String& s = tabWidths[i];
        const bool digits =
            !s.empty() && std::all_of(s.begin(), s.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; });
        int64_t v = 0;
        if (digits)
            for (wchar_t c : s) {
                v = v * 10 + (c - L'0');
                if (v > kInt32Max) {
                    v = kInt32Max;
                    break;
                }
            }
        stops.push_back(static_cast<int32_t>(v));
    }
    return stops;
}

TPoint TabbedTextOrigin(const TRect& r, int32_t offset, int32_t textHeight, int32_t fontHeight)
{
    int32_t y = r.Top + r.Height() / 2 - textHeight / 2;
    if (fontHeight % 2 != 0)
        --y;
    return {r.Left + 2 + offset, y};
}

TVisibleItems VisibleItems(int32_t topIndex, int32_t count, int32_t clientHeight, int32_t itemHeight)
{
    TVisibleItems v;
    v.First = std::clamp(topIndex, 0, std::max(count, 0));
    const int32_t step = std::max(itemHeight, 1);
    // Partly shown items at the bottom are painted too.
    const int64_t fits = (int64_t(std::max(clientHeight, 0)) + step - 1) / step;
    v.Last = static_cast<int32_t>(std::min<int64_t>(int64_t(v.First) + fits, std::max(count, 0)));
    v.Bottom = Saturated(int64_t(v.Last - v.First) * step);
    return v;
}

uint32_t ListItemState(const TItemStateInput& in)
{
    if (in.Index == in.ItemIndex)
        return in.ListFocused ? kItemSelected | kItemFocused : kItemSelected;
    return in.SelCount >= 1 && in.Selected ? kItemSelected : 0;
}

TSkinItemLook ChooseSkinItemLook(const TListBoxLook& look, uint32_t state, int32_t itemWidth,
                                 bool drawItemAssigned)
{
    const bool focused = (state & kItemFocused) != 0, selected = (state & kItemSelected) != 0;
    TSkinItemLook l;
    if (focused && !selected) {
        l.Source = look.SItemRect;
        l.Stretch = look.StretchEffect;
        l.TextColor = look.FontColor;
        l.FocusFrame = true;
    } else if (focused) {
        l.Source = look.FocusItemRect;
        l.Stretch = look.StretchEffect;
        l.TextColor = look.FocusFontColor;
    } else if (selected) {
        l.Source = look.ActiveItemRect;
        l.Stretch = look.StretchEffect;
        l.TextColor = look.ActiveFontColor;
    } else {
        l.Source = look.SItemRect;
        l.TextColor = look.FontColor;
    }
    l.ShowFocusFrame = focused && look.ShowFocus && !drawItemAssigned;
    l.TextRect = look.ItemTextRect;
    l.TextRect.Right += itemWidth - look.SItemRect.Width();
    return l;
}

TRect SkinItemInnerRect(const TListBoxLook& look)
{
    const TRect& t = look.ItemTextRect;
    return {t.Left + 1, t.Top + 1, t.Right - 1, t.Bottom - 1};
}

TDefaultItemLook ChooseDefaultItemLook(uint32_t state, const TRect& item, TColor fontColor)
{
    const bool selected = (state & kItemSelected) != 0;
    TDefaultItemLook l;
    l.Brush = selected ? clHighlight : clWindow;
    l.TextColor = selected ? clHighlightText : fontColor;
    l.TextRect = {item.Left + 2, item.Top, item.Right - 2, item.Bottom};
    l.FocusFrame = (state & kItemFocused) != 0;
    return l;
}

int32_t ItemImageIndex(int32_t imageIndex, int32_t item, int32_t imageCount)
{
    const int32_t i = imageIndex < 0 ? item : imageIndex;
    return i >= 0 && i < imageCount ? i : -1;
}

TWheelStep WheelStep(bool vertBar, bool horzBar, int32_t delta)
{
    if (vertBar)
        return delta > 0 ? TWheelStep::LineUp : TWheelStep::LineDown;
    if (horzBar)
        return delta > 0 ? TWheelStep::HorzLeft : TWheelStep::HorzRight;
    return TWheelStep::None;
}

} // namespace vt
