#include "raster/png_list.h"

#include "framework/base/form_loader.h"
#include "framework/base/form_reader.h"
#include "raster/compose.h"

namespace vt {

void TspPngImageItem::SetPngImage(const TspPngImage& png)
{
    FPngImage.Assign(png);
    Changed(false);
}

void TspPngImageItem::Assign(const TPersistent* source)
{
    if (auto* o = dynamic_cast<const TspPngImageItem*>(source)) {
        FPngImage.Assign(o->FPngImage);
        FName = o->FName;
        return;
    }
    TCollectionItem::Assign(source);
}

bool TspPngImageItem::SetProperty(const String& name, const TPropValue& value)
{
    if (SameText(name, L"PngImage")) {
        TspPngImage png;
        png.LoadFromBytes(value.AsBinary());
        SetPngImage(png);
        return true;
    }
    if (SameText(name, L"Name")) {
        FName = value.AsString();
        return true;
    }
    return TCollectionItem::SetProperty(name, value);
}

TspPngImageItems::TspPngImageItems(TspPngImageList* owner)
    : TCollection(owner,
                  [this] {
                      auto* item = new TspPngImageItem();
                      item->FName = Format("PngImage%d", Count());
                      return item;
                  }),
      FPngImageList(owner)
{
}

TspPngImageList::TspPngImageList(TComponent* owner) : TCustomImageList(owner) {}


bool TspPngImageList::SetProperty(const String& name, const TPropValue& value)
{
    if (SameText(name, L"PngWidth"))
        return TCustomImageList::SetProperty(L"Width", value);
    if (SameText(name, L"PngHeight"))
        return TCustomImageList::SetProperty(L"Height", value);
    return TCustomImageList::SetProperty(name, value);
}

TCollection* TspPngImageList::GetCollectionProperty(const String& name)
{
    return SameText(name, L"PngImages") ? &FPngImages : nullptr;
}

TspPngImage TspPngImageList::CellImage(int Index, bool Enabled) const
{
    if (!HasImage(Index))
        return {};
    const TspPngImage& png = FPngImages.Items(Index)->PngImage();
    // Drawn into Rect(X, Y, X + Width, Y + Height): a picture of another size is scaled to it.
    TspPngImage cell = png.Width == Width() && png.Height == Height() ? png : png.ScaledTo(Width(), Height());
    return Enabled ? cell : cell.DisabledCopy();
}

void TspPngImageList::DoDraw(int Index, TspBitmap& surface, int X, int Y, bool Enabled) const
{
    if (!HasImage(Index))
        return;
    // The usual case, an enabled picture of the list's size, draws without a copy.
    const TspPngImage& png = FPngImages.Items(Index)->PngImage();
    if (Enabled && png.Width == Width() && png.Height == Height())
        png.Draw(surface, X, Y);
    else
        CellImage(Index, Enabled).Draw(surface, X, Y);
}

void DrawPngListImage(const TCustomImageList* List, int Index, TspBitmap& surface, int X, int Y, bool Enabled)
{
    if (!List || !List->HasImage(Index))
        return;
    const int w = List->Width(), h = List->Height();
    const auto* pngList = dynamic_cast<const TspPngImageList*>(List);
    if (!pngList) {
        DrawKeyedListImage(w, h, [&](TspBitmap& b) { List->Draw(b, 0, 0, Index, Enabled); }, surface, X, Y);
        return;
    }
    if (w <= 0 || h <= 0)
        return;
    TspBitmap B;
    B.SetSize(w, h);
    B.FAlphaBlend = true;
    CopyRect(B, B.BoundsRect(), surface, Bounds(X, Y, w, h));
    if (Enabled) {
        const TspPngImage cell = pngList->CellImage(Index, true);
        TspBitmap P;
        cell.ToBitmap(P);
        for (int32_t y = 0; y < P.FHeight; ++y)
            for (int32_t x = 0; x < P.FWidth; ++x)
                *P.GetPixelPtr(x, y) |= 0x00FFFFFF;
        TspBitmap M;
        M.SetSize(w, h);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x) {
                uint8_t a = PixelA(B.GetPixel(x, y));
                M.SetPixel(x, y, MakePixel(a, a, a, 255));
            }
        // Always blended: a picture with only clear and opaque pixels must not be copied over
        // the mask, or its clear pixels would turn the surface opaque.
        P.FAlphaBlend = true;
        P.Draw(M, 0, 0);
        B.SetAlpha(255);
        cell.Draw(B, 0, 0);
        AlphaFromMask(B, M);
    } else {
        TspBitmap S;
        S.Assign(B);
        B.SetAlpha(255);
        List->Draw(B, 0, 0, Index, false);
        for (int32_t y = 0; y < h; ++y)
            for (int32_t x = 0; x < w; ++x)
                *B.GetPixelPtr(x, y) = (*B.GetPixelPtr(x, y) & 0x00FFFFFF) | (S.GetPixel(x, y) & 0xFF000000u);
    }
    CopyRect(surface, Bounds(X, Y, w, h), B, B.BoundsRect());
}

void DrawKeyedListImage(int w, int h, const std::function<void(TspBitmap&)>& draw, TspBitmap& surface, int X, int Y)
{
    if (w <= 0 || h <= 0 || !draw)
        return;
    TspBitmap B;
    B.SetSize(w, h);
    B.Clear(TransparentKey);
    B.FTransparent = true;
    draw(B);
    B.CheckingTransparent(TransparentKey);
    B.FTransparent = true;  // the keyed draw, even when no hole was found
    B.Draw(surface, X, Y);
}

} // namespace vt
