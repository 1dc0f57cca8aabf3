// A custom control record's rectangle composed at any size with its four corners, as the
// scroller buttons, button-style tabs and tab close buttons draw "resizebutton"-like records.
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

} // namespace vt
