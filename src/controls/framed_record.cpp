#include "controls/framed_record.h"

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

} // namespace vt
