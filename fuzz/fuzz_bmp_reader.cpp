// The BMP record reader on untrusted bytes: a record, then whatever follows it.
#include "framework/base/exceptions.h"
#include "skin/bmp_codec.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vt::TMemoryStream m(std::vector<uint8_t>(data, data + size));
    try {
        vt::TPixelImage a;
        vt::ReadBitmapRecord(m, a);
        if (m.Position() > m.Size() || a.Pixels.size() != static_cast<size_t>(a.Width) * a.Height)
            std::abort();
        // What was read writes and reads back to the same pixels.
        vt::TMemoryStream w;
        vt::WriteBitmap(w, a);
        w.SetPosition(0);
        vt::TPixelImage b;
        vt::ReadBitmapRecord(w, b);
        if (b.Pixels != a.Pixels)
            std::abort();
        vt::TPixelImage c;
        vt::ReadBitmapRecord(m, c);
    } catch (const vt::Exception&) {
    }
    return 0;
}
