// TCustomImageList: the image list every skinned element draws its glyphs from. It knows the
// cell size and the number of images; each kind of list (TspPngImageList) says how an image is
// drawn onto a pixel surface, enabled or in its disabled look. Menus, buttons, tabs and hints
// hold lists through this base (caption_win.h draws them onto canvases).
#pragma once

#include "framework/base/component.h"
#include "raster/bitmap.h"

namespace vt {

class TCustomImageList : public TComponent {
    VT_CLASS_NAME(TCustomImageList)
public:
    explicit TCustomImageList(TComponent* owner) : TComponent(owner) {}

    // The cell every image is drawn into.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // A new size removes every image (images of another size are not kept), except while the
    // list is being loaded. A size the pixel bitmap cannot hold (a side outside
    // 0..MaxBitmapSide, a cell over MaxBitmapPixels) raises EInvalidGraphic.
    void SetWidth(int value);
    void SetHeight(int value);

    virtual int Count() const = 0;
    bool HasImage(int index) const { return index >= 0 && index < Count(); }
    virtual void Clear() = 0;

    // Draws image Index with its top-left at (X, Y): as stored when Enabled, in the list's
    // disabled look otherwise. An index without an image draws nothing.
    void Draw(TspBitmap& surface, int X, int Y, int Index, bool Enabled = true) const;
    // Draws image Index as stored whatever the caller's state (the glyph helpers' "direct" draw).
    void DrawDirect(TspBitmap& surface, int X, int Y, int Index) const { Draw(surface, X, Y, Index, true); }

    // "Width" and "Height" from a form description.
    bool SetProperty(const String& name, const TPropValue& value) override;

protected:
    // Called with an index that has an image.
    virtual void DoDraw(int Index, TspBitmap& surface, int X, int Y, bool Enabled) const = 0;

private:
    void SetSide(int& side, int value);
    int width_ = 16;
    int height_ = 16;
};

} // namespace vt
