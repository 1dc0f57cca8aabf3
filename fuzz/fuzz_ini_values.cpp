// The INI reader and every value codec on untrusted definition text, then the container's
// definition loader on the same document.
#include "framework/base/exceptions.h"
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "skin/skin_data.h"
#include "skin/skin_values.h"

#include "skin/stored_skin.h"
#include "skin/zlib_streams.h"

#include <cstddef>
#include <cstdint>

namespace {
int64_t gSink;  // keeps the codecs' results observable
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    vt::TStringList lines;
    lines.LoadFromBytes(data, size);
    vt::TMemIniFile f;
    f.SetStrings(lines);
    vt::TStringList sections;
    f.ReadSections(sections);
    for (const vt::String& s : sections) {
        vt::TStringList keys;
        f.ReadSection(s, keys);
        for (const vt::String& k : keys) {
            try {
                vt::TRect r = vt::ReadRect(f, s, k);
                vt::TMemIniFile out;
                vt::WriteRect(out, s, k, r);
                // Written coordinates read back (a negative one loses its sign).
                if (vt::ReadRect(out, s, k).Right != (r.Right < 0 ? -r.Right : r.Right))
                    __builtin_trap();
            } catch (const vt::EConvertError&) {
            }
            try {
                gSink += vt::ReadPoint(f, s, k).X;
            } catch (const vt::EConvertError&) {
            }
            gSink += vt::ReadBoolean(f, s, k) + vt::ReadFontStyles(f, s, k) + vt::ReadAlignment(f, s, k) +
                    vt::ReadStretchType(f, s, k) + vt::ReadMorphKind(f, s, k) + vt::ReadInActiveEffect(f, s, k) +
                    f.ReadInteger(s, k, 0);
            vt::TStringList list;
            vt::ReadStrings(f, s, k, list);
            vt::ReadLineStrings(f, s, k, list);
            gSink += list.Count();
        }
    }
    vt::TStringList back;
    f.GetStrings(back);
    gSink += static_cast<int64_t>(back.SaveToBytes().size());

    // The same text as the definition of a package without pictures (body version 0).
    std::vector<uint8_t> body = {0, 0, 0, 0, 1, 1, 0, 0, 0, 0};
    body.insert(body.end(), data, data + size);
    vt::TMemoryStream zlib;
    vt::CompressBytes(body.data(), body.size(), zlib);
    vt::TspCompressedStoredSkin stored(nullptr);
    stored.SetCompressedData(zlib.TakeBytes());
    vt::TspSkinData sd(nullptr);
    try {
        sd.LoadCompressedStoredSkin(&stored);
        vt::TMemIniFile saved;
        sd.SaveToCustomIniFile(saved);
    } catch (const vt::EConvertError&) {
    }
    return 0;
}
