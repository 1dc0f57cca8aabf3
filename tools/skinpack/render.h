// Rendering a loaded skin without a window: the frame at a window size, one form object or
// control record at a size and state, and a contact sheet of every record. Portable, so the
// tool, its tests and the fuzzer share it.
//
//   TRenderRequest     what to render and how
//   RenderSkinPicture  the picture a request gives (EInvalidOperation with a clear message)
//   RenderSkinSheet    every record's pictures laid out on one sheet, with where each went
//   SkinpackRender     the "render" command: its arguments, the skin loaded, the PNG written
#pragma once

#include "framework/base/pixel_image.h"
#include "framework/base/types.h"

#include <cstdint>
#include <string>
#include <vector>

namespace vt {

class TspSkinData;

enum class TRenderState : uint8_t { Normal, Hot, Down, Disabled };

// The largest side a render takes, in pixels.
inline constexpr int32_t kMaxRenderSide = 16384;

struct TRenderRequest {
    std::wstring What;  // "frame", or the name of a form object or a control record
    int32_t Width = 0, Height = 0;
    bool Inactive = false;  // the form is inactive (the frame and form objects)
    TRenderState State = TRenderState::Normal;
};

// A picture's place on a larger one: an object on the frame, a record on the sheet.
struct TPlacedPicture {
    std::wstring Name;  // "frame" or the record's name
    TRenderState State = TRenderState::Normal;
    TRect Place;
};

// The picture of a request on the loaded skin sd. The frame is the whole window: the border
// pictures with the caption objects laid out (no text), the client filled grey, and alpha 0
// where the mask cuts the window away. A record is rendered as its control or object draws it;
// a fixed-size record keeps its own size. Raises EInvalidOperation for an unknown name, a size
// outside 1..kMaxRenderSide, a window below the frame's minimum, or a record that draws nothing
// in that state. For the frame, objects (when given) receives where each form object drawn over
// the frame picture was laid out.
TPixelImage RenderSkinPicture(const TspSkinData& sd, const TRenderRequest& request,
                              std::vector<TPlacedPicture>* objects = nullptr);

struct TSkinSheet {
    TPixelImage Picture;
    std::vector<TPlacedPicture> Tiles;
};

// Every form object and control record at its own size in each state it has a look for, and the
// frame at the main picture's size, in rows on a light checkerboard (transparent parts show).
// Records that draw nothing are left out. Raises EInvalidOperation when nothing draws at all.
TSkinSheet RenderSkinSheet(const TspSkinData& sd);

const char* RenderStateName(TRenderState state);

// skinpack render <skin> <what> <W>x<H> <out.png> [--inactive] [--state normal|hot|down|disabled]
// skinpack render <skin> sheet <out.png>
// args start after "render". Writes the PNG and a line about it to out; returns the exit status
// (2 for arguments it cannot read, with the reason in out).
int SkinpackRender(const std::vector<std::wstring>& args, std::string& out);

} // namespace vt
