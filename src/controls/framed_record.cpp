#include "controls/framed_record.h"

#include "controls/skin_control_model.h"
#include "raster/compose.h"

namespace vt {

TPixelView RecordPicture(const TspSkinData& sd, int32_t pictureIndex)
{
    if (pictureIndex < 0 || static_cast<size_t>(pictureIndex) >= sd.FActivePictures.size())
        return {};
    return sd.FActivePictures[static_cast<size_t>(pictureIndex)]->View();
}

bool ComposeRecordRect(TspBitmap& dest, const TspSkinData& sd, const TspDataSkinCustomControl& r,
                       const TRect& rect, int32_t W, int32_t H)
{
    TPixelView picture = RecordPicture(sd, r.PictureIndex);
    if (picture.Empty() || rect.IsEmpty() || W < 1 || H < 1)
        return false;
    const TFrameGeometry g{r.LTPoint, r.RTPoint, r.LBPoint, r.RBPoint, r.ClRect};
    const TFrameGeometry moved = ResizeFrameGeometry(g, rect.Width(), rect.Height(), W, H);
    const TFrameStretch s{r.LeftStretch, r.TopStretch, r.RightStretch, r.BottomStretch, r.StretchEffect,
                          r.StretchType};
    dest.SetSize(W, H);
    dest.Clear(0);
    ComposeFramedPicture(g, moved, dest, picture, rect, W, H, true, s);
    return true;
}

void FrameAndFill(TspBitmap& b, const TRect& r, TColor frame, TColor fill)
{
    b.FillRect(r, ColorToPixel(frame, 255));
    b.FillRect(TRect{r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1}, ColorToPixel(fill, 255));
}

void CopyKeyed(TspBitmap& dst, int32_t x, int32_t y, TPixelView src, const TRect& srcRect, bool keyed, TColor key)
{
    if (src.Empty() || !RectInsidePicture(srcRect, src.Width, src.Height))
        return;
    const uint32_t keyRgb = ColorToPixel(key, 0) & 0xFFFFFF;
    for (int32_t sy = srcRect.Top; sy < srcRect.Bottom; ++sy)
        for (int32_t sx = srcRect.Left; sx < srcRect.Right; ++sx) {
            const int32_t dx = x + sx - srcRect.Left, dy = y + sy - srcRect.Top;
            if (dx < 0 || dy < 0 || dx >= dst.Width() || dy >= dst.Height())
                continue;
            const uint32_t p = src.Row(sy)[sx];
            if (keyed && (p & 0xFFFFFF) == keyRgb)
                continue;
            dst.SetPixel(dx, dy, p | 0xFF000000u);
        }
}

} // namespace vt
