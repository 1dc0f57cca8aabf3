// The skinpack renderer on an arbitrary skin definition over the default skin's pictures: the
// frame, a form object or a control record at a fuzzed size and state, or the contact sheet.
// Beyond not crashing: a bad request fails with EInvalidOperation only, and a picture has the
// size asked for (the frame) and pixels for every place.
//
// Input: a 6-byte header, then the definition text.
//   byte 0     0 the frame, 1 the sheet, else the record (objects, then controls) at byte 0 - 2
//   byte 1     bits 0-1 the state, bit 2 inactive
//   bytes 2-5  width and height as 16-bit little-endian signed values
#include "default_skin.h"
#include "framework/base/exceptions.h"
#include "render.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

namespace {

// Larger pictures reach no code the smaller ones miss and would take most of a run.
constexpr int64_t kMaxArea = 1 << 18;

int32_t Side(const uint8_t* p) { return static_cast<int16_t>(p[0] | (p[1] << 8)); }

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

bool Whole(const vt::TPixelImage& p)
{
    return p.Width > 0 && p.Height > 0 && p.Pixels.size() == static_cast<size_t>(p.Width) * p.Height;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    constexpr size_t kHeader = 6;
    if (size < kHeader)
        return 0;
    vt::TRenderRequest request;
    request.State = static_cast<vt::TRenderState>(data[1] & 3);
    request.Inactive = data[1] & 4;
    request.Width = Side(data + 2);
    request.Height = Side(data + 4);
    const bool inRange = request.Width >= 1 && request.Height >= 1 && request.Width <= vt::kMaxRenderSide &&
                         request.Height <= vt::kMaxRenderSide;
    // A larger picture is asked for at half the size until it fits, so the seeds' full-size
    // requests still draw.
    while (inRange && static_cast<int64_t>(request.Width) * request.Height > kMaxArea) {
        request.Width = (request.Width + 1) / 2;
        request.Height = (request.Height + 1) / 2;
    }

    vt::TspSkinData sd(nullptr);
    sd.SetFormRegistry(&fuzz::Forms());
    sd.BuildMode = true;
    fuzz::LentPictures lent(fuzz::DefaultSkin(), sd);
    // The layered border is no part of a render and its alpha pictures would take most of a run.
    if (!fuzz::LoadDefinition(sd, data + kHeader, size - kHeader, {L"LAYERFRAME"}))
        return 0;

    if (data[0] == 1) {
        try {
            const vt::TSkinSheet sheet = vt::RenderSkinSheet(sd);
            Require(Whole(sheet.Picture));
            for (const vt::TPlacedPicture& t : sheet.Tiles)
                Require(t.Place.Left >= 0 && t.Place.Top >= 0 && t.Place.Right <= sheet.Picture.Width &&
                        t.Place.Bottom <= sheet.Picture.Height);
        } catch (const vt::EInvalidOperation&) {
        }
        return 0;
    }
    if (data[0] == 0) {
        request.What = L"frame";
    } else {
        const size_t records = sd.ObjectList.size() + sd.CtrlList.size();
        if (records == 0)
            return 0;
        const size_t i = (data[0] - 2u) % records;
        const auto& rec = i < sd.ObjectList.size() ? sd.ObjectList[i] : sd.CtrlList[i - sd.ObjectList.size()];
        request.What = rec->IDName;
    }
    try {
        std::vector<vt::TPlacedPicture> objects;
        const vt::TPixelImage picture = vt::RenderSkinPicture(sd, request, &objects);
        Require(inRange && Whole(picture));
        if (request.What == L"frame")
            Require(picture.Width == request.Width && picture.Height == request.Height);
    } catch (const vt::EInvalidOperation&) {
    }
    return 0;
}
