#include "preview.h"

#include "layout.h"

#include <algorithm>

namespace skingen {

namespace {

// Destination to source coordinate along one axis: fixed ends, stretched middle.
int MapAxis(int d, int srcLen, int fixedA, int fixedB, int dstLen)
{
    if (d < fixedA)
        return d;
    if (d >= dstLen - fixedB)
        return d - (dstLen - srcLen);
    int mid = std::max(1, dstLen - fixedA - fixedB);
    return fixedA + (d - fixedA) * std::max(1, srcLen - fixedA - fixedB) / mid;
}

TPixelImage Compose(const TPixelImage& src, TRect r, int left, int right, int top, int bottom, int w, int h)
{
    TPixelImage out = NewImage(w, h, {}, src.Format);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            out.At(x, y) = src.At(r.Left + MapAxis(x, r.Width(), left, right, w),
                                  r.Top + MapAxis(y, r.Height(), top, bottom, h));
    return out;
}

// Draws img at (x, y); alpha from an alpha mask (grey level), or everything when there is none.
void Put(TPixelImage& dst, int x, int y, const TPixelImage& img, const TPixelImage* alpha = nullptr)
{
    for (int j = 0; j < img.Height; ++j)
        for (int i = 0; i < img.Width; ++i) {
            const vt::TPixel& p = img.At(i, j);
            uint8_t a = alpha ? alpha->At(i, j).R : img.Format == vt::TPixelFormat::pf32bit ? p.A : 255;
            Blend(dst, x + i, y + j, {p.R, p.G, p.B, a});
        }
}

Rgba FromTColor(vt::TColor c) { return {vt::GetRValue(c), vt::GetGValue(c), vt::GetBValue(c), 255}; }

const TPixelImage& Active(const BuiltSkin& s, int index) { return s.pictures[size_t(index) + 2].image; }

// Placeholder text: the label font, one pixel per cell, vertically centred on cy.
void Text(TPixelImage& img, int x, int cy, const std::string& s, vt::TColor c, int scale = 1)
{
    DrawText(img, x, cy - (5 * scale) / 2, s, FromTColor(c), scale);
}

} // namespace

TPixelImage Preview(const Theme& t, const BuiltSkin& skin, const std::vector<Icon>& icons)
{
    const int W = 700, H = 300, ox = 21, oy = 21;
    TPixelImage img = NewImage(W + 49 + 190, H + 48, Hex(0x6F8196));
    const TPixelImage& main = skin.pictures[0].image;
    const TPixelImage& mask = skin.pictures[1].image;

    // Layered shadow around the window.
    TPixelImage shadowMask = Compose(Active(skin, kPicShadowMask), {0, 0, kShadowW, kShadowH}, 26, kShadowW - 142, 29,
                                     kShadowH - 114, W + 49, H + 48);
    for (int y = 0; y < shadowMask.Height; ++y)
        for (int x = 0; x < shadowMask.Width; ++x)
            Blend(img, x, y, t.shadow, shadowMask.At(x, y).R / 255.0);

    // Frame, cut by the mask.
    TPixelImage frame = Compose(main, {0, 0, kPicW, kPicH}, 12, kPicW - 184, 40, kPicH - 134, W, H);
    TPixelImage shape = Compose(mask, {0, 0, kPicW, kPicH}, 12, kPicW - 184, 40, kPicH - 134, W, H);
    for (int y = 0; y < H; ++y)
        for (int x = 0; x < W; ++x)
            if (shape.At(x, y).R == 0)
                img.At(ox + x, oy + y) = frame.At(x, y);

    const TPixelImage& caption = Active(skin, kPicCaption);
    // Caption buttons flow from the right end of the caption rectangle.
    int bx = 190 + (W - kPicW);
    for (int row : {kCloseRow, kMaxRow, kMinRow}) {
        TRect cell = CaptionButtonRect(row, row == kCloseRow ? 1 : 0);
        TPixelImage b = Compose(caption, cell, 0, 0, 0, 0, cell.Width(), cell.Height());
        Put(img, ox + bx - 30, oy + kCaptionButtonTop, b);
        bx -= 32;
    }
    int captionRight = bx + 2;

    // Menu button: 90 wide, fixed ends 10 and 15.
    TPixelImage mb = Compose(caption, MenuButtonRect(0), 10, 15, 0, 0, 90, 21);
    TPixelImage mbMask = Compose(Active(skin, kPicMenuButtonMask), {0, 0, 35, 21}, 10, 15, 0, 0, 90, 21);
    Put(mb, 4 + 10, 2, icons[5].image);
    Text(mb, 4 + 10 + 16 + 10, 10, "emlor", t.text);
    Put(img, ox + 7, oy + 1, mb, &mbMask);

    // Quick buttons: three on the left (the middle one down), two on the right.
    const TPixelImage& controls = Active(skin, kPicControls);
    auto quick = [&](int x, int icon, int look, int width, const char* label) {
        if (look >= 0) {
            TPixelImage bg = Compose(controls, ResizeToolButtonRect(look), 4, 4, 4, 4, width, 20);
            TPixelImage m = Compose(Active(skin, kPicQuickButtonMask), {0, 0, kQuickButtonW, kQuickButtonH}, 4, 4, 4,
                                    4, width, 20);
            Put(img, ox + x, oy + 4, bg, &m);
        }
        Put(img, ox + x + (label ? 3 : 2), oy + 6, icons[size_t(icon)].image);
        if (label) {
            Text(img, ox + x + 22, oy + 14, label, look == 1 ? t.hotText : t.captionText);
            GlyphArrow(img, {ox + x + width - 8, oy + 4, ox + x + width - 1, oy + 24}, FromTColor(t.captionText), Dir::Down, 5);
        }
    };
    int qx = 7 + 90 + 10;
    quick(qx, 7, -1, 20, nullptr);
    quick(qx + 22, 8, 2, 20, nullptr);
    quick(qx + 44, 9, -1, 20, nullptr);
    quick(captionRight - 5 - 20, 6, -1, 20, nullptr);
    quick(captionRight - 5 - 22 - 70, 2, 1, 70, "negocio");

    // Caption tabs standing on the client's top edge; the first is selected, the second hot.
    int tx = qx + 66 + 5;
    const char* tabs[] = {"frestol", "belvanios", "belvanias"};
    for (int i = 0; i < 3; ++i) {
        int w = int(std::string(tabs[i]).size()) * 4 + 16 + 5 + 20;
        int state = i == 0 ? 2 : i == 1 ? 1 : 0;
        int maskIndex = i == 0 ? kPicDownTabMask : i == 1 ? kPicActiveTabMask : kPicInactiveTabMask;
        TPixelImage tab = Compose(caption, CaptionTabRect(state), 10, 10, 0, 0, w, 22);
        TPixelImage m = Compose(Active(skin, maskIndex), {0, 0, 44, 22}, 10, 10, 0, 0, w, 22);
        Put(img, ox + tx, oy + kClRect.Top - 22, tab, &m);
        int content = 16 + 5 + int(std::string(tabs[i]).size()) * 4;
        int cx = tx + (w - content) / 2;
        Put(img, ox + cx, oy + kClRect.Top - 22 + 3, icons[size_t(i)].image);
        Text(img, ox + cx + 21, oy + kClRect.Top - 11, tabs[i], i == 0 ? t.tabDownText : i == 1 ? t.tabActiveText : t.tabText);
        tx += w;
    }
    Text(img, ox + (tx + captionRight - 97) / 2 - 28, oy + 14, "vantrel", t.captionText, 2);

    // A few controls in the client area.
    int cx = ox + 20, cy = oy + 50;
    TPixelImage button = Compose(controls, kButtonRect, 0, 86 - 80, 0, 0, 100, 27);
    Put(img, cx, cy, button);
    Text(img, cx + 36, cy + 13, "ok", t.text);
    TPixelImage hotButton = Compose(controls, kButtonActiveRect, 0, 86 - 80, 0, 0, 100, 27);
    Put(img, cx + 110, cy, hotButton);
    Text(img, cx + 130, cy + 13, "cancel", t.hotText);
    Put(img, cx, cy + 40, Compose(controls, CheckCell(0, false), 0, 0, 0, 0, 13, 13));
    Text(img, cx + 20, cy + 46, "show icon", t.text);
    Put(img, cx, cy + 60, Compose(controls, CheckCell(1, true), 0, 0, 0, 0, 13, 13));
    Text(img, cx + 20, cy + 66, "radio", t.text);
    Put(img, cx, cy + 84, Compose(controls, kEditActiveRect, 3, 3, 3, 3, 210, 21));
    Text(img, cx + 6, cy + 94, "search", t.windowText);
    Put(img, cx, cy + 114, Compose(controls, kComboRect, 4, kComboRect.Width() - 41, 0, 0, 210, 21));
    Text(img, cx + 6, cy + 124, "zozaziz", t.windowText);
    TPixelImage list = Compose(controls, kListBoxRect, 3, 3, 3, 3, 210, 92);
    for (int i = 0; i < 4; ++i) {
        TRect look = i == 1 ? kListItemActive : kListItem;
        Put(list, 2, 2 + 18 * i, Compose(controls, look, 3, 3, 0, 0, 206, 18));
        Text(list, 8, 2 + 18 * i + 9, i == 1 ? "selected item" : "item", i == 1 ? t.selectionText : t.windowText);
    }
    Put(img, cx, cy + 146, list);
    const TPixelImage& bars = Active(skin, kPicScrollBars);
    Put(img, cx + 193, cy + 146 + 1, Compose(bars, kVScrollRect, 0, 0, 17, 18, 17, 90));
    Put(img, cx + 193, cy + 146 + 20, Compose(bars, kVThumb, 0, 0, 6, 6, 17, 30));

    // An open popup menu under the menu button: header, highlighted item, items, separator.
    int my = oy + 22, mw = 170;
    const TPixelImage& item = Active(skin, kPicMenuItem);
    int rows[] = {0, 1, 2, 3, -1, 2};
    int mh = 2 + 20 * 5 + 3;
    TPixelImage menu = Compose(Active(skin, kPicPopup), {0, 0, 100, 100}, 1, 1, 1, 1, mw, mh);
    int y = 1;
    for (int r : rows) {
        if (r < 0) {
            Put(menu, 1, y, Compose(item, Rect(0, 39, 54, 42), 2, 2, 0, 0, mw - 2, 3));
            y += 3;
            continue;
        }
        if (r == 0) {
            Put(menu, 1, y, Compose(item, Rect(0, 20, 55, 40), 5, 5, 0, 0, mw - 2, 20));
            Put(menu, 1, y + 1, Compose(controls, kLabelRect, 6, 6, 0, 0, mw - 2, 18));
            Text(menu, mw / 2 - 8, y + 10, "file", t.headerText);
        } else {
            Put(menu, 1, y, Compose(item, r == 1 ? Rect(0, 0, 55, 20) : Rect(0, 20, 55, 40), 5, 5, 0, 0, mw - 2, 20));
            Text(menu, 24, y + 10, r == 1 ? "select skin..." : r == 2 ? "show icon" : "close",
                 r == 1 ? t.menuHotText : t.menuText);
            if (r == 1)
                Text(menu, mw - 48, y + 10, "ctrl+s", t.menuHotText);
        }
        y += 20;
    }
    Put(img, ox + W + 20, my, menu);
    return img;
}

} // namespace skingen
