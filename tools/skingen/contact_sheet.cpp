#include "contact_sheet.h"

#include <algorithm>

namespace skingen {

namespace {

// Transparent pixels over a checkerboard, so masks and alpha show.
void Paste(TPixelImage& sheet, int x0, int y0, const TPixelImage& img)
{
    for (int y = 0; y < img.Height; ++y)
        for (int x = 0; x < img.Width; ++x) {
            bool dark = ((x / 6) + (y / 6)) % 2;
            Fill(sheet, {x0 + x, y0 + y, x0 + x + 1, y0 + y + 1}, dark ? Grey(204) : Grey(236));
            const vt::TPixel& p = img.At(x, y);
            uint8_t a = img.Format == vt::TPixelFormat::pf32bit ? p.A : 255;
            Blend(sheet, x0 + x, y0 + y, {p.R, p.G, p.B, a});
        }
}

} // namespace

TPixelImage ContactSheet(const std::string& title, const std::vector<SheetItem>& items, int maxWidth)
{
    const int pad = 16, labelH = 16, scaleText = 2;
    struct Placed {
        int x, y, scale;
    };
    std::vector<Placed> placed;
    int x = pad, y = pad + 30, rowH = 0, width = 0;
    for (const SheetItem& it : items) {
        int side = std::max(it.image->Width, it.image->Height);
        int scale = side <= 64 ? 4 : side <= 450 ? 2 : 1;
        int w = std::max(it.image->Width * scale, TextWidth(it.label, scaleText)) + 2;
        int h = it.image->Height * scale + labelH + 2;
        if (x + w > maxWidth - pad && x > pad) {
            x = pad;
            y += rowH + pad;
            rowH = 0;
        }
        placed.push_back({x, y, scale});
        x += w + pad;
        rowH = std::max(rowH, h);
        width = std::max(width, x);
    }
    TPixelImage sheet = NewImage(std::max(width, TextWidth(title, 3) + 2 * pad), y + rowH + pad,
                                 Grey(250), vt::TPixelFormat::pf24bit);
    DrawText(sheet, pad, pad, title, Grey(40), 3);
    for (size_t i = 0; i < items.size(); ++i) {
        const Placed& p = placed[i];
        DrawText(sheet, p.x, p.y, items[i].label, Grey(60), scaleText);
        TPixelImage big = Scale(*items[i].image, p.scale);
        FrameRect(sheet, {p.x, p.y + labelH, p.x + big.Width + 2, p.y + labelH + big.Height + 2}, Grey(150));
        Paste(sheet, p.x + 1, p.y + labelH + 1, big);
    }
    return sheet;
}

} // namespace skingen
