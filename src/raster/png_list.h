// TspPngImageList: an image list whose images are PNG pictures with full alpha, addressed by
// index, drawn keeping the alpha of the surface they land on; and DrawPngListImage, through which
// the skin engine draws an image of any list, normal or disabled.
#pragma once

#include <functional>

#include "framework/base/collections.h"
#include "raster/image_list.h"
#include "raster/png_image.h"

namespace vt {

class TspPngImageList;

class TspPngImageItem : public TCollectionItem {
    VT_CLASS_NAME(TspPngImageItem)
public:
    TspPngImageItem() = default;
    const TspPngImage& PngImage() const { return FPngImage; }
    // Copies the picture and reports the change.
    void SetPngImage(const TspPngImage& png);
    const String& Name() const { return FName; }
    void SetName(const String& name) { FName = name; }
    String DisplayName() const override { return FName.empty() ? TCollectionItem::DisplayName() : FName; }
    void Assign(const TPersistent* source) override;
    // "PngImage" takes the PNG file's bytes (a corrupt picture raises EInvalidGraphic), "Name" text.
    bool SetProperty(const String& name, const TPropValue& value) override;

    TspPngImage FPngImage;
    String FName;
};

class TspPngImageItems : public TCollection {
    VT_CLASS_NAME(TspPngImageItems)
public:
    explicit TspPngImageItems(TspPngImageList* owner);
    TspPngImageItem* Items(int index) const { return static_cast<TspPngImageItem*>(TCollection::Items(index)); }
    TspPngImageItem* Add() { return static_cast<TspPngImageItem*>(TCollection::Add()); }
    TspPngImageList* FPngImageList;
};

class TspPngImageList : public TCustomImageList {
    VT_CLASS_NAME(TspPngImageList)
public:
    explicit TspPngImageList(TComponent* owner);

    TspPngImageItems& PngImages() { return FPngImages; }
    const TspPngImageItems& PngImages() const { return FPngImages; }
    void SetPngImages(const TspPngImageItems& value) { FPngImages.Assign(&value); }
    // One image per item, so the list's count and index range are the items'.
    int Count() const override { return FPngImages.Count(); }
    void Clear() override { FPngImages.Clear(); }
    int PngWidth() const { return Width(); }
    int PngHeight() const { return Height(); }
    void SetPngWidth(int value) { SetWidth(value); }
    void SetPngHeight(int value) { SetHeight(value); }

    // Item Index's picture as it lands in its cell: scaled to Width x Height when its own size
    // differs, the reduced-alpha copy when not Enabled. Empty for an index without an item.
    TspPngImage CellImage(int Index, bool Enabled) const;

    bool SetProperty(const String& name, const TPropValue& value) override;
    TCollection* GetCollectionProperty(const String& name) override;

protected:
    // Source-over of CellImage into Rect(X, Y, X + Width, Y + Height); the surface's alpha is kept.
    void DoDraw(int Index, TspBitmap& surface, int X, int Y, bool Enabled) const override;

private:
    TspPngImageItems FPngImages{this};
};

// Draws image Index of List onto surface at (X, Y) so that the surface ends with the composed
// colours and the right alpha (opaque under the picture, the surface's own alpha elsewhere). A
// PNG list blends with the pictures' alpha; any other list takes the keyed path below.
void DrawPngListImage(const TCustomImageList* List, int Index, TspBitmap& surface, int X, int Y, bool Enabled);
// The keyed path for any other image list: draw(onto, Enabled) paints the image at (0, 0) of a
// w x h picture filled with the transparent key; near-key pixels become holes.
void DrawKeyedListImage(int w, int h, const std::function<void(TspBitmap&)>& draw, TspBitmap& surface, int X, int Y);

} // namespace vt
