// The pictures of a skin. Coordinates here are the ones the definition names (skin_records.cpp),
// collected in layout.h.
#include "layout.h"
#include "skin_builder.h"

#include <algorithm>
#include <cmath>

namespace skingen {

using vt::Bounds;
using vt::TRect;

namespace {

enum class State { Normal, Hot, Down, Disabled };

BoxStyle FaceStyle(const Theme& t, State s, double radius)
{
    BoxStyle b;
    b.radius = radius;
    switch (s) {
    case State::Normal: b.fillTop = t.faceTop; b.fillBottom = t.faceBottom; b.border = t.faceBorder;
        b.innerLight = t.faceLight; break;
    case State::Hot: b.fillTop = t.hotTop; b.fillBottom = t.hotBottom; b.border = t.hotBorder; break;
    case State::Down: b.fillTop = t.downTop; b.fillBottom = t.downBottom; b.border = t.downBorder; break;
    case State::Disabled: b.fillTop = t.disabledFace; b.fillBottom = t.disabledFace;
        b.border = t.disabledBorder; break;
    }
    return b;
}

void Face(TPixelImage& img, TRect r, const Theme& t, State s, double radius)
{
    Fill(img, r, t.client);
    DrawBox(img, r, FaceStyle(t, s, radius));
}

void Field(TPixelImage& img, TRect r, const Theme& t, Rgba border, double radius)
{
    Fill(img, r, t.client);
    DrawBox(img, r, {t.window, t.window, border, radius});
}

// White shape on black: an alpha mask (white opaque).
TPixelImage AlphaMask(int w, int h, const Shape& shape, uint8_t level = 255)
{
    TPixelImage m = NewImage(w, h, Grey(0));
    PaintShape(m, {0, 0, w, h}, Grey(level), shape);
    return m;
}

// Black shape on white, one bit per pixel: a region mask (black inside).
TPixelImage RegionMask(int w, int h, const Shape& shape)
{
    TPixelImage m = NewImage(w, h, Grey(255), vt::TPixelFormat::pf1bit);
    PaintShape(m, {0, 0, w, h}, Grey(0), shape);
    for (vt::TPixel& p : m.Pixels) {
        uint8_t v = p.R < 128 ? 0 : 255;
        p = vt::TPixel{v, v, v, 255};
    }
    return m;
}

TPixelImage MainPicture(const Theme& t)
{
    TPixelImage img = NewImage(kPicW, kPicH, t.frameBorder);
    double r = std::max(0.0, t.frameRadius - 1);
    Shape inner = RoundRectShape(1, 1, kPicW - 1, kPicH - 1, r, kTop);
    PaintShapeVGradient(img, {1, 1, kPicW - 1, kClRect.Top}, t.captionTop, t.captionBottom, inner);
    Fill(img, {1, kClRect.Top, kPicW - 1, kPicH - 1}, t.sideInner);
    if (t.captionHighlight.a) {
        int inset = int(std::ceil(r)) + 1;
        HLine(img, inset, kPicW - inset, 1, t.captionHighlight);
    }
    HLine(img, 1, kPicW - 1, kClRect.Top - 1, t.captionLine);
    Fill(img, kClRect, t.client);
    return img;
}

Rgba CaptionRow(const TPixelImage& main, int y)
{
    const vt::TPixel& p = main.At(kPicW / 2, y);
    return {p.R, p.G, p.B, 255};
}

// One caption button cell: the caption band behind it, the state's plate and the glyph.
template <class DrawGlyph>
void CaptionButtonCell(TPixelImage& img, const TPixelImage& main, TRect cell, const Theme& t,
                       State s, bool close, DrawGlyph glyph)
{
    for (int y = cell.Top; y < cell.Bottom; ++y)
        Fill(img, {cell.Left, y, cell.Right, y + 1}, CaptionRow(main, kCaptionButtonTop + y - cell.Top));
    Rgba g = t.glyph;
    if (s == State::Hot || s == State::Down) {
        Rgba plate = close ? (s == State::Hot ? t.closeHot : t.closeDown) : (s == State::Hot ? t.btnHot : t.btnDown);
        Rgba border = close ? plate : t.btnHotBorder;
        DrawBox(img, cell, {plate, plate, border, t.btnRadius});
        if (close)
            g = t.closeGlyph;
    }
    glyph(img, cell, g);
}

TPixelImage CaptionPicture(const Theme& t, const TPixelImage& main)
{
    TPixelImage img = NewImage(kCaptionPicW, kCaptionPicH, t.client);
    const State states[3] = {State::Normal, State::Hot, State::Down};
    for (int c = 0; c < 3; ++c) {
        CaptionButtonCell(img, main, CaptionButtonRect(kCloseRow, c), t, states[c], true,
                          [](TPixelImage& i, TRect r, Rgba g) { GlyphClose(i, r, g, 9, 1.35); });
        CaptionButtonCell(img, main, CaptionButtonRect(kMaxRow, c), t, states[c], false,
                          [](TPixelImage& i, TRect r, Rgba g) { GlyphMaximize(i, r, g, 10); });
        CaptionButtonCell(img, main, CaptionButtonRect(kRestoreRow, c), t, states[c], false,
                          [](TPixelImage& i, TRect r, Rgba g) { GlyphRestore(i, r, g, 10); });
        CaptionButtonCell(img, main, CaptionButtonRect(kMinRow, c), t, states[c], false,
                          [](TPixelImage& i, TRect r, Rgba g) { GlyphMinimize(i, r, g, 10); });
        CaptionButtonCell(img, main, SysButtonRect(c), t, states[c], false,
                          [](TPixelImage& i, TRect r, Rgba g) {
                              int x = r.Left + r.Width() / 2 - 5, y = r.Top + r.Height() / 2 - 4;
                              for (int k = 0; k < 3; ++k)
                                  Fill(i, {x, y + 3 * k, x + 10, y + 3 * k + 2}, g);
                          });
    }
    // Caption menu button: a pill with a drop arrow in its fixed right part.
    const State menuStates[4] = {State::Normal, State::Hot, State::Down, State::Disabled};
    for (int s = 0; s < 4; ++s) {
        TRect r = MenuButtonRect(s);
        Face(img, r, t, menuStates[s], t.pillRadius);
        GlyphArrow(img, {r.Left + 22, r.Top, r.Left + 31, r.Bottom}, s == 3 ? t.disabledBorder : t.arrow,
                   Dir::Down, 7);
    }
    // Caption tabs: unselected (only its separator shows through the mask), hot, selected.
    for (int s = 0; s < 3; ++s) {
        TRect r = CaptionTabRect(s);
        if (s == 0) {
            Fill(img, r, t.tabSeparator);
            continue;
        }
        TPixelImage tab = NewImage(r.Width(), r.Height() + 1, t.client);
        BoxStyle b{s == 1 ? t.tabHotTop : t.tabTop, s == 1 ? t.tabHotBottom : t.tabBottom, t.tabBorder, t.pillRadius, kTop};
        DrawBox(tab, {0, 0, tab.Width, tab.Height}, b);
        if (s == 2)
            HLine(tab, 1, tab.Width - 1, r.Height() - 1, t.tabBottom);
        CopyRect(img, r.Left, r.Top, tab, {0, 0, r.Width(), r.Height()});
    }
    Fill(img, kDividerRect, t.captionLine);
    Fill(img, kDividerRect.Offset(1, 0), t.captionHighlight.a ? t.captionHighlight : t.captionTop);
    // Buttons of the main menu bar.
    for (int b = 0; b < 4; ++b)
        for (int c = 0; c < 3; ++c) {
            TRect r = MenuBarButtonRect(b, c);
            Fill(img, r, t.client);
            if (c > 0)
                DrawBox(img, r, {c == 1 ? t.btnHot : t.btnDown, c == 1 ? t.btnHot : t.btnDown, t.btnHotBorder, 2});
            if (b == 0)
                GlyphClose(img, r, t.glyph, 6, 1.2);
            else if (b == 1)
                GlyphMaximize(img, r, t.glyph, 7);
            else if (b == 2)
                GlyphMinimize(img, r, t.glyph, 7);
            else
                Fill(img, {r.Left + 4, r.Top + 6, r.Right - 4, r.Top + 8}, t.glyph);
        }
    return img;
}

TPixelImage PopupPicture(const Theme& t)
{
    TPixelImage img = NewImage(100, 100, t.menuBg);
    FrameRect(img, {0, 0, 100, 100}, t.menuBorder);
    return img;
}

TPixelImage MenuItemPicture(const Theme& t)
{
    TPixelImage img = NewImage(55, 42, t.menuBg);
    DrawBox(img, {2, 1, 53, 19}, {t.menuHot, t.menuHot, t.menuHotBorder, 3});
    HLine(img, 2, 53, 40, t.separator);
    return img;
}

void CheckImage(TPixelImage& img, TRect r, const Theme& t, bool radio, bool checked, State s, bool grayed)
{
    Fill(img, r, t.client);
    bool disabled = s == State::Disabled;
    // Small boxes need more contrast than field borders.
    Rgba border = disabled ? t.disabledBorder : s == State::Hot ? t.hotBorder : Mix(t.windowBorder, t.arrow, 0.35);
    Rgba fill = disabled ? t.disabledFace : t.window;
    Rgba mark = disabled ? t.disabledBorder : t.accent;
    if (radio) {
        PaintShape(img, r, border, EllipseShape(r.Left + 6.5, r.Top + 6.5, 6.4, 6.4));
        PaintShape(img, r, fill, EllipseShape(r.Left + 6.5, r.Top + 6.5, 5.4, 5.4));
        if (checked)
            PaintShape(img, r, mark, EllipseShape(r.Left + 6.5, r.Top + 6.5, 3.2, 3.2));
        return;
    }
    if (checked && !grayed) {
        DrawBox(img, r, {mark, mark, mark, 2.5});
        GlyphCheck(img, r, disabled ? t.disabledFace : Hex(0xFFFFFF));
        return;
    }
    DrawBox(img, r, {fill, fill, border, 2.5});
    if (grayed)
        Fill(img, {r.Left + 3, r.Top + 3, r.Right - 3, r.Bottom - 3}, mark);
}

void SmallButton(TPixelImage& img, TRect r, const Theme& t, State s, bool flatNormal)
{
    if (s == State::Normal && flatNormal) {
        Fill(img, r, t.client);
        return;
    }
    Face(img, r, t, s, t.ctrlRadius);
}

TPixelImage ControlsPicture(const Theme& t)
{
    TPixelImage img = NewImage(kControlsW, kControlsH, t.client);
    // Check boxes and radio buttons.
    for (int i = 0; i < 8; ++i) {
        State s = (i == 2 || i == 3 || i == 7) ? State::Hot : (i == 4 || i == 5) ? State::Disabled : State::Normal;
        bool checked = i == 0 || i == 2 || i == 4 || i >= 6;
        CheckImage(img, CheckCell(i, false), t, false, checked, s, i >= 6);
        if (i < 6)
            CheckImage(img, CheckCell(i, true), t, true, checked, s, false);
    }
    Fill(img, kCheckFrameRect, t.client);
    // Menu header ("label").
    DrawBox(img, kLabelRect, {t.headerTop, t.headerBottom, t.separator, 2});
    // Main menu bar with its item looks.
    FillVGradient(img, kMenuBarRect, t.faceTop, t.faceBottom);
    HLine(img, kMenuBarRect.Left, kMenuBarRect.Right, kMenuBarRect.Bottom - 1, t.separator);
    FillVGradient(img, kMenuBarItemNormal, t.faceTop, Mix(t.faceTop, t.faceBottom, 18.0 / 20));
    Face(img, kMenuBarItemActive, t, State::Hot, t.ctrlRadius);
    Face(img, kMenuBarItemDown, t, State::Down, t.ctrlRadius);
    // Text fields.
    Field(img, kEditRect, t, t.windowBorder, t.ctrlRadius);
    Field(img, kEditActiveRect, t, t.focusBorder, t.ctrlRadius);
    Field(img, kMemoRect, t, t.windowBorder, t.ctrlRadius);
    Field(img, kMemoActiveRect, t, t.focusBorder, t.ctrlRadius);
    // Combo box: a field with its button drawn in.
    for (int a = 0; a < 2; ++a) {
        TRect r = a ? kComboActiveRect : kComboRect;
        Field(img, r, t, a ? t.focusBorder : t.windowBorder, t.ctrlRadius);
        TRect b = kComboButton.Offset(r.Left, r.Top);
        VLine(img, b.Left - 1, b.Top + 2, b.Bottom - 2, t.separator);
        GlyphArrow(img, b, t.arrow, Dir::Down, 7);
    }
    const TRect comboButtons[3] = {kComboButtonActive, kComboButtonDown, kComboButtonDisabled};
    const State comboStates[3] = {State::Hot, State::Down, State::Disabled};
    for (int i = 0; i < 3; ++i) {
        Face(img, comboButtons[i], t, comboStates[i], std::min(2.0, t.ctrlRadius));
        GlyphArrow(img, comboButtons[i], i == 2 ? t.disabledBorder : t.arrow, Dir::Down, 7);
    }
    // Item looks of combo box and list box.
    Fill(img, kComboItem, t.window);
    DrawBox(img, kComboItemActive, {t.selection, t.selection, t.selectionBorder, 2});
    DrawBox(img, kComboItemFocus, {t.selection, t.selection, t.focusBorder, 2});
    Field(img, kListBoxRect, t, t.windowBorder, t.ctrlRadius);
    Fill(img, kListItem, t.window);
    DrawBox(img, kListItemActive, {t.selection, t.selection, t.selectionBorder, 2});
    DrawBox(img, kListItemFocus, {t.selection, t.selection, t.focusBorder, 2});
    // Tool buttons, quick-button backgrounds and resizable buttons.
    for (int s = 0; s < 3; ++s) {
        State st = s == 0 ? State::Normal : s == 1 ? State::Hot : State::Down;
        SmallButton(img, ToolButtonRect(s), t, st, true);
        SmallButton(img, ResizeToolButtonRect(s), t, st, true);
        SmallButton(img, ResizeButtonRect(s), t, st, false);
    }
    // Page control frame and its tabs.
    Fill(img, kPageFrameRect, t.client);
    FrameRect(img, kPageFrameRect, t.tabBorder);
    const TRect tabs[4] = {kPageTab, kPageTabActive, kPageTabFocus, kPageTabHot};
    for (int i = 0; i < 4; ++i) {
        TRect r = tabs[i];
        TPixelImage tab = NewImage(r.Width(), r.Height() + 1, t.client);
        bool selected = i == 1 || i == 2;
        BoxStyle b = selected ? BoxStyle{t.tabTop, t.tabBottom, t.tabBorder, std::min(3.0, t.pillRadius), kTop}
                              : i == 3 ? BoxStyle{t.tabHotTop, t.tabHotBottom, t.tabBorder, std::min(3.0, t.pillRadius), kTop}
                                       : BoxStyle{t.faceTop, t.faceBottom, t.tabBorder, std::min(3.0, t.pillRadius), kTop};
        if (!selected) {
            TPixelImage lower = NewImage(r.Width(), r.Height() + 1, t.client);
            DrawBox(lower, {0, 2, lower.Width, lower.Height}, b);
            HLine(lower, 0, lower.Width, r.Height() - 1, t.tabBorder);
            tab = lower;
        } else {
            DrawBox(tab, {0, 0, tab.Width, tab.Height}, b);
            if (i == 2)
                HLine(tab, 4, tab.Width - 4, 1, t.accent);
        }
        CopyRect(img, r.Left, r.Top, tab, {0, 0, r.Width(), r.Height()});
    }
    // Push button: normal, hot, pressed, disabled.
    Face(img, kButtonRect, t, State::Normal, t.ctrlRadius);
    Face(img, kButtonActiveRect, t, State::Hot, t.ctrlRadius);
    Face(img, kButtonDownRect, t, State::Down, t.ctrlRadius);
    Face(img, kButtonDisabledRect, t, State::Disabled, t.ctrlRadius);
    // Panels.
    Fill(img, kPanelRect, t.client);
    FrameRect(img, kPanelRect, t.separator);
    Fill(img, kGroupBoxRect, t.client);
    DrawBox(img, kGroupBoxRect, {t.client, t.client, t.windowBorder, t.ctrlRadius});
    FillVGradient(img, kToolPanelRect, t.faceTop, t.faceBottom);
    HLine(img, kToolPanelRect.Left, kToolPanelRect.Right, kToolPanelRect.Bottom - 1, t.separator);
    FillVGradient(img, kStatusBarRect, t.faceBottom, t.faceTop);
    HLine(img, kStatusBarRect.Left, kStatusBarRect.Right, kStatusBarRect.Top, t.separator);
    return img;
}

TPixelImage ScrollBarsPicture(const Theme& t)
{
    TPixelImage img = NewImage(kScrollW, kScrollH, t.client);
    auto buttonFace = [&](TRect r, State s, Dir d) {
        Fill(img, r, t.track);
        if (s != State::Normal) {
            Rgba c = s == State::Hot ? t.thumbHot : t.thumb;
            DrawBox(img, {r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, {c, c, c, 2});
        }
        GlyphArrow(img, r, s == State::Normal ? t.arrow : Mix(t.arrow, t.text == 0 ? Grey(0) : Grey(255), 0.4), d, 7);
    };
    auto thumb = [&](TRect r, Rgba c, bool horizontal) {
        Fill(img, r, t.track);
        TRect in = horizontal ? TRect{r.Left + 1, r.Top + 4, r.Right - 1, r.Bottom - 4}
                              : TRect{r.Left + 4, r.Top + 1, r.Right - 4, r.Bottom - 1};
        DrawBox(img, in, {c, c, c, 4.5});
    };
    // Horizontal: "down" is the left button, "up" the right one.
    Fill(img, kHScrollRect, t.track);
    buttonFace(Bounds(kHScrollRect.Left, kHScrollRect.Top, 17, 17), State::Normal, Dir::Left);
    buttonFace(Bounds(kHScrollRect.Right - 17, kHScrollRect.Top, 17, 17), State::Normal, Dir::Right);
    buttonFace(kHUpActive, State::Hot, Dir::Right);
    buttonFace(kHUpDown, State::Down, Dir::Right);
    buttonFace(kHDownActive, State::Hot, Dir::Left);
    buttonFace(kHDownDown, State::Down, Dir::Left);
    thumb(kHThumb, t.thumb, true);
    thumb(kHThumbActive, t.thumbHot, true);
    thumb(kHThumbDown, t.thumbDown, true);
    // Vertical: "down" is the top button, "up" the bottom one.
    Fill(img, kVScrollRect, t.track);
    buttonFace(Bounds(kVScrollRect.Left, kVScrollRect.Top, 17, 17), State::Normal, Dir::Up);
    buttonFace(Bounds(kVScrollRect.Left, kVScrollRect.Bottom - 17, 17, 17), State::Normal, Dir::Down);
    buttonFace(kVUpActive, State::Hot, Dir::Down);
    buttonFace(kVUpDown, State::Down, Dir::Down);
    buttonFace(kVDownActive, State::Hot, Dir::Up);
    buttonFace(kVDownDown, State::Down, Dir::Up);
    thumb(kVThumb, t.thumb, false);
    thumb(kVThumbActive, t.thumbHot, false);
    thumb(kVThumbDown, t.thumbDown, false);
    // Up-down buttons: horizontal pair (left, right) and vertical pair (up, down).
    auto updownButton = [&](TRect r, State s, Dir d) {
        Face(img, r, t, s, std::min(2.0, t.ctrlRadius));
        GlyphArrow(img, r, t.arrow, d, 6);
    };
    updownButton(Bounds(kHUpDownRect.Left, kHUpDownRect.Top, 16, 16), State::Normal, Dir::Left);
    updownButton(Bounds(kHUpDownRect.Left + 16, kHUpDownRect.Top, 16, 16), State::Normal, Dir::Right);
    updownButton(kHUDUpActive, State::Hot, Dir::Right);
    updownButton(kHUDUpDown, State::Down, Dir::Right);
    updownButton(kHUDDownActive, State::Hot, Dir::Left);
    updownButton(kHUDDownDown, State::Down, Dir::Left);
    updownButton(Bounds(kVUpDownRect.Left, kVUpDownRect.Top, 16, 16), State::Normal, Dir::Up);
    updownButton(Bounds(kVUpDownRect.Left, kVUpDownRect.Top + 16, 16, 16), State::Normal, Dir::Down);
    updownButton(kVUDUpActive, State::Hot, Dir::Up);
    updownButton(kVUDUpDown, State::Down, Dir::Up);
    updownButton(kVUDDownActive, State::Hot, Dir::Down);
    updownButton(kVUDDownDown, State::Down, Dir::Down);
    // Spin edit: a field with two stacked arrow buttons.
    for (int a = 0; a < 2; ++a) {
        TRect r = a ? kSpinActiveRect : kSpinRect;
        Field(img, r, t, a ? t.focusBorder : t.windowBorder, t.ctrlRadius);
        GlyphArrow(img, kSpinUp.Offset(r.Left, r.Top), t.arrow, Dir::Up, 6);
        GlyphArrow(img, kSpinDown.Offset(r.Left, r.Top), t.arrow, Dir::Down, 6);
    }
    const TRect spinLooks[4] = {kSpinUpActive, kSpinUpDown, kSpinDownActive, kSpinDownDown};
    for (int i = 0; i < 4; ++i) {
        Face(img, spinLooks[i], t, i % 2 ? State::Down : State::Hot, 1);
        GlyphArrow(img, spinLooks[i], t.arrow, i < 2 ? Dir::Up : Dir::Down, 6);
    }
    return img;
}

TPixelImage ExtrasPicture(const Theme& t)
{
    TPixelImage img = NewImage(kExtrasW, kExtrasH, t.client);
    // Gauges.
    Field(img, kGaugeRect, t, t.windowBorder, 2);
    Fill(img, kGaugeProgress, t.accent);
    HLine(img, kGaugeProgress.Left, kGaugeProgress.Right, kGaugeProgress.Top, Mix(t.accent, Grey(255), 0.3));
    Field(img, kVGaugeRect, t, t.windowBorder, 2);
    Fill(img, kVGaugeProgress, t.accent);
    // Track bars: a groove and a thumb.
    auto groove = [&](TRect r, bool horizontal) {
        Fill(img, r, t.client);
        TRect g = horizontal ? TRect{r.Left + 4, r.Top + 8, r.Right - 4, r.Top + 12}
                             : TRect{r.Left + 8, r.Top + 4, r.Left + 12, r.Bottom - 4};
        DrawBox(img, g, {t.track, t.track, t.windowBorder, 1.5});
    };
    groove(kTrackBarRect, true);
    groove(kVTrackBarRect, false);
    auto trackThumb = [&](TRect r, State s) {
        Fill(img, r, t.client);
        DrawBox(img, {r.Left, r.Top + 1, r.Right, r.Bottom - 1}, FaceStyle(t, s, 3));
    };
    trackThumb(kTrackThumb, State::Normal);
    trackThumb(kTrackThumbActive, State::Hot);
    trackThumb(kVTrackThumb, State::Normal);
    trackThumb(kVTrackThumbActive, State::Hot);
    // Splitter with a dotted grip.
    Fill(img, kSplitterRect, t.client);
    Fill(img, kSplitterGrip, t.client);
    for (int k = 0; k < 4; ++k)
        Fill(img, {kSplitterGrip.Left + 2, kSplitterGrip.Top + 2 + 4 * k, kSplitterGrip.Left + 4,
                   kSplitterGrip.Top + 4 + 4 * k},
             t.windowBorder);
    // Switch: off and on frames side by side.
    for (int f = 0; f < 2; ++f) {
        TRect r = Bounds(kSwitchRect.Left + f * 40, kSwitchRect.Top, 40, 18);
        Fill(img, r, t.client);
        Rgba body = f ? t.accent : t.track;
        DrawBox(img, {r.Left + 2, r.Top + 2, r.Right - 2, r.Bottom - 2}, {body, body, f ? t.accent : t.windowBorder, 7});
        double cx = f ? r.Right - 11 : r.Left + 11;
        PaintShape(img, r, t.window, EllipseShape(cx, r.Top + 9, 5.5, 5.5));
    }
    // Animation: four frames of a spinner.
    for (int f = 0; f < 4; ++f) {
        TRect r = Bounds(kAnimateRect.Left + f * 16, kAnimateRect.Top, 16, 16);
        Fill(img, r, t.client);
        for (int k = 0; k < 8; ++k) {
            double a = (k + f * 2) * 3.14159265 / 4;
            Rgba c = Mix(t.track, t.accent, k / 7.0);
            PaintShape(img, r, c, EllipseShape(r.Left + 8 + 5 * std::cos(a), r.Top + 8 + 5 * std::sin(a), 1.6, 1.6));
        }
    }
    // Frame gauge: five frames from empty to full.
    for (int f = 0; f < 5; ++f) {
        TRect r = Bounds(kFrameGaugeRect.Left + f * 12, kFrameGaugeRect.Top, 12, 12);
        Fill(img, r, t.client);
        DrawBox(img, r, {t.track, t.track, t.windowBorder, 1});
        if (f)
            Fill(img, {r.Left + 2, r.Bottom - 2 - 2 * f, r.Right - 2, r.Bottom - 2}, t.accent);
    }
    // Frame regulator: a knob whose mark turns.
    for (int f = 0; f < 5; ++f) {
        TRect r = Bounds(kRegulatorRect.Left + f * 20, kRegulatorRect.Top, 20, 20);
        Fill(img, r, t.client);
        PaintShapeVGradient(img, r, t.faceTop, t.faceBottom, EllipseShape(r.Left + 10, r.Top + 10, 9, 9));
        double a = (0.75 + f * 0.375) * 3.14159265;
        PaintShape(img, r, t.accent,
                   SegmentShape(r.Left + 10, r.Top + 10, r.Left + 10 + 6 * std::cos(a), r.Top + 10 + 6 * std::sin(a), 2));
    }
    // Expandable panel with its close button looks.
    Fill(img, kExPanelRect, t.client);
    FrameRect(img, kExPanelRect, t.windowBorder);
    FillVGradient(img, {kExPanelRect.Left + 1, kExPanelRect.Top + 1, kExPanelRect.Right - 1, kExPanelRect.Top + 18},
                  t.headerTop, t.headerBottom);
    const TRect closeLooks[3] = {kExPanelClose, kExPanelCloseActive, kExPanelCloseDown};
    for (int i = 0; i < 3; ++i) {
        Fill(img, closeLooks[i], t.headerTop);
        if (i)
            DrawBox(img, closeLooks[i], {i == 1 ? t.btnHot : t.btnDown, i == 1 ? t.btnHot : t.btnDown, t.btnHotBorder, 2});
        GlyphClose(img, closeLooks[i], t.glyph, 6, 1.2);
    }
    // Control bar band, its item and grip.
    FillVGradient(img, kControlBarRect, t.faceTop, t.faceBottom);
    DrawBox(img, kControlBarItem, {t.faceTop, t.faceBottom, t.separator, 2});
    Fill(img, kControlBarGrip, t.faceTop);
    for (int k = 0; k < 5; ++k)
        Fill(img, {kControlBarGrip.Left + 1, kControlBarGrip.Top + 2 + 4 * k, kControlBarGrip.Left + 3,
                   kControlBarGrip.Top + 4 + 4 * k},
             t.windowBorder);
    // Grid cells and tree expand boxes.
    DrawBox(img, kGridFixedCell, {t.headerTop, t.headerBottom, t.separator, 0});
    Fill(img, kGridSelectCell, t.selection);
    DrawBox(img, kGridFocusCell, {t.selection, t.selection, t.focusBorder, 0});
    for (int e = 0; e < 2; ++e) {
        TRect r = e ? kTreeNoExpand : kTreeExpand;
        DrawBox(img, r, {t.window, t.window, t.windowBorder, 1});
        HLine(img, r.Left + 2, r.Right - 2, r.Top + 4, t.arrow);
        if (!e)
            VLine(img, r.Left + 4, r.Top + 2, r.Bottom - 2, t.arrow);
    }
    // Slider rulers and thumbs.
    DrawBox(img, kSliderHRuler, {t.track, t.track, t.windowBorder, 2});
    DrawBox(img, kSliderVRuler, {t.track, t.track, t.windowBorder, 2});
    Face(img, kSliderHThumb, t, State::Normal, 2);
    Face(img, kSliderVThumb, t, State::Normal, 2);
    return img;
}

TPixelImage HintPicture(const Theme& t)
{
    TPixelImage img = NewImage(kHintW, kHintH, t.hintBg);
    FrameRect(img, {0, 0, kHintW, kHintH}, t.hintBorder);
    return img;
}

// The layered drop shadow: picture in the shadow colour, opacity in the mask.
void ShadowPictures(const Theme& t, TPixelImage& picture, TPixelImage& mask)
{
    picture = NewImage(kShadowW, kShadowH, t.shadow);
    mask = NewImage(kShadowW, kShadowH, Grey(0));
    // The window sits at kShadowClient; its shadow falls a little lower.
    TRect caster = kShadowClient.Offset(1, 3);
    double sigma = t.shadowSpread;
    for (int y = 0; y < kShadowH; ++y)
        for (int x = 0; x < kShadowW; ++x) {
            double px = x + 0.5, py = y + 0.5;
            double dx = std::max({caster.Left - px, 0.0, px - caster.Right});
            double dy = std::max({caster.Top - py, 0.0, py - caster.Bottom});
            double d = std::sqrt(dx * dx + dy * dy);
            double a = t.shadowOpacity * std::exp(-(d * d) / (2 * sigma * sigma / 2.2));
            // Fade to nothing at the picture's edge so the strips never show a seam.
            double edge = std::min({px, py, kShadowW - px, kShadowH - py});
            a *= std::clamp(edge / 4.0, 0.0, 1.0);
            if (kShadowClient.Contains({x, y}))
                a = 0;
            uint8_t g = uint8_t(std::clamp(std::lround(a * 255), 0L, 255L));
            mask.At(x, y) = vt::TPixel{g, g, g, 255};
        }
}

} // namespace

std::vector<SkinPicture> BuildPictures(const Theme& t)
{
    std::vector<SkinPicture> out;
    TPixelImage main = MainPicture(t);
    out.push_back({"frame.bmp", "picture", main});
    out.push_back({"framemask.bmp", "mask",
                   RegionMask(kPicW, kPicH, RoundRectShape(0, 0, kPicW, kPicH, t.frameRadius, kTop))});
    TPixelImage shadow, shadowMask;
    ShadowPictures(t, shadow, shadowMask);
    TPixelImage actives[kActiveCount];
    actives[kPicCaption] = CaptionPicture(t, main);
    Shape tab = RoundRectShape(0, 0, 44, 23, t.pillRadius, kTop);
    actives[kPicDownTabMask] = AlphaMask(44, 22, tab);
    actives[kPicPopup] = PopupPicture(t);
    actives[kPicMenuItem] = MenuItemPicture(t);
    actives[kPicControls] = ControlsPicture(t);
    actives[kPicButtonMask] = RegionMask(kButtonRect.Width(), kButtonRect.Height(),
                                         RoundRectShape(0, 0, kButtonRect.Width(), kButtonRect.Height(),
                                                        std::max(0.0, t.ctrlRadius), kAll));
    actives[kPicActiveTabMask] = AlphaMask(44, 22, tab, t.tabHotOpacity);
    actives[kPicShadow] = shadow;
    actives[kPicShadowMask] = shadowMask;
    actives[kPicMenuButtonMask] = AlphaMask(35, 21, RoundRectShape(0, 0, 35, 21, t.pillRadius));
    TPixelImage inactiveTab = NewImage(44, 22, Grey(0));
    Fill(inactiveTab, {43, 6, 44, 17}, Grey(150));
    actives[kPicInactiveTabMask] = inactiveTab;
    actives[kPicHint] = HintPicture(t);
    actives[kPicExtras] = ExtrasPicture(t);
    actives[kPicScrollBars] = ScrollBarsPicture(t);
    actives[kPicQuickButtonMask] =
        AlphaMask(kQuickButtonW, kQuickButtonH, RoundRectShape(0, 0, kQuickButtonW, kQuickButtonH, t.pillRadius));
    for (int i = 0; i < kActiveCount; ++i)
        out.push_back({kActiveNames[i], std::to_string(i), actives[i]});
    return out;
}

} // namespace skingen
