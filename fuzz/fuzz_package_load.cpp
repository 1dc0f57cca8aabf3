// The package loader on untrusted bytes. The first byte picks the carrier: odd values take the
// rest as a whole package file (header, length, zlib stream); even values take it as a package
// body, deflated here, so the fuzzer reaches the body parser without having to forge zlib.
#include "framework/base/exceptions.h"
#include "skin/skin_data.h"
#include "skin/stored_skin.h"
#include "skin/zlib_streams.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

struct NullForms : vt::ISkinFormRegistry, vt::ISkinMessageSink {
    int messages = 0;
    void SendSkinMessage(uint32_t, vt::TspSkinData*, intptr_t) override { ++messages; }
    std::vector<vt::TSkinFormEntry> SkinForms() override { return {{this, false}}; }
    vt::ISkinMessageSink* FormSink(vt::TComponent*) override { return nullptr; }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 1)
        return 0;
    NullForms forms;
    vt::TspSkinData sd(nullptr);
    sd.SetFormRegistry(&forms);
    vt::TspCompressedStoredSkin stored(nullptr);
    try {
        if (data[0] & 1) {
            vt::TMemoryStream file(std::vector<uint8_t>(data + 1, data + size));
            stored.LoadFromCompressStream(file);
        } else {
            vt::TMemoryStream zlib;
            vt::CompressBytes(data + 1, size - 1, zlib);
            stored.SetCompressedData(zlib.TakeBytes());
        }
        sd.LoadCompressedStoredSkin(&stored);
    } catch (const vt::Exception&) {
        // A clean error is the expected outcome for most inputs; it must leave an empty skin.
        if (!sd.Empty || sd.ChangeSkinDataProcess)
            std::abort();
        return 0;
    }
    // Whatever loaded must save again (this writes the definition and every picture).
    if (!sd.Empty) {
        vt::TspCompressedStoredSkin again(nullptr);
        again.LoadFromSkinData(sd);
    }
    return 0;
}
