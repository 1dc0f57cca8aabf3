// A custom control record's rectangle composed at any size with its four corners, as the
// scroller buttons, button-style tabs and tab close buttons draw "resizebutton"-like records;
// and the framed faces they draw without a record.
#pragma once

#include "raster/bitmap.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"

namespace vt {

// The active picture a record index names, empty when the index lies outside the pictures.
TPixelView RecordPicture(const TspSkinData& sd, int32_t pictureIndex);

// Composes rect of the record's picture into dest at W x H (ComposeFramedPicture with the
// record's corners and stretch flags). False, dest untouched, when there is nothing to draw.
bool ComposeRecordRect(TspBitmap& dest, const TspSkinData& sd, const TspDataSkinCustomControl& record,
                       const TRect& rect, int32_t W, int32_t H);

// The look without a record: hot and pressed faces in a frame of kDefaultFrame.
constexpr TColor kDefaultFrame = 0x00B76B3B, kDefaultHotFill = 0x00F3D4C1,
                 kDefaultDownFill = 0x00E4BCA2;

// Fills r with fill inside a one-pixel frame of colour frame.
void FrameAndFill(TspBitmap& b, const TRect& r, TColor frame, TColor fill);

// Copies srcRect of src to (x, y) of dst, opaque, leaving out pixels of the colour key when
// keyed (the skins' transparent colours). A rectangle outside the picture draws nothing.
void CopyKeyed(TspBitmap& dst, int32_t x, int32_t y, TPixelView src, const TRect& srcRect, bool keyed, TColor key);

} // namespace vt
