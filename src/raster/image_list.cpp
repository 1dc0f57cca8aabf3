#include "raster/image_list.h"

#include "framework/base/form_reader.h"

namespace vt {

void TCustomImageList::SetSide(int& side, int value)
{
    const int other = &side == &width_ ? height_ : width_;
    if (value < 0 || value > MaxBitmapSide || int64_t(value) * other > MaxBitmapPixels)
        throw EInvalidGraphic(Format("Invalid image size %d", value));
    if (value == side)
        return;
    side = value;
    if (!IsLoading())
        Clear();
}

void TCustomImageList::SetWidth(int value) { SetSide(width_, value); }
void TCustomImageList::SetHeight(int value) { SetSide(height_, value); }

void TCustomImageList::Draw(TspBitmap& surface, int X, int Y, int Index, bool Enabled) const
{
    if (HasImage(Index) && !surface.Empty())
        DoDraw(Index, surface, X, Y, Enabled);
}

bool TCustomImageList::SetProperty(const String& name, const TPropValue& value)
{
    if (SameText(name, L"Width")) {
        SetWidth(value.AsInteger());
        return true;
    }
    if (SameText(name, L"Height")) {
        SetHeight(value.AsInteger());
        return true;
    }
    return TComponent::SetProperty(name, value);
}

} // namespace vt
