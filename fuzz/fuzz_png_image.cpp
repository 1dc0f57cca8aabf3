// The PNG decoder on arbitrary bytes: a picture or EInvalidGraphic, never a crash; a decoded
// picture is drawn and its disabled copy made, so its fields must hold together.
#include "framework/base/exceptions.h"
#include "raster/bitmap.h"
#include "raster/png_image.h"

#include <cstddef>
#include <cstdint>

namespace {
uint32_t gSink;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vt::TspPngImage png;
    try {
        png.LoadFromBytes(data, size);
    } catch (const vt::Exception&) {
        return 0;
    }
    // Keep the work per input small: a 16x16 target is enough to exercise the drawing.
    vt::TspBitmap target;
    target.SetSize(16, 16);
    png.DisabledCopy().Draw(target, -1, -1);
    png.Draw(target, 0, 0);
    gSink += png.Width ^ png.Height;
    return 0;
}
