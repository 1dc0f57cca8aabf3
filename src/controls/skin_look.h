// The pixels of the skin control base, composed off-screen from a record's picture: the record
// rectangle at the control's size, the split frame of panels and lists, and the mask a window
// region is cut from. Portable: the _win halves only put the results on the screen.
#pragma once

#include "controls/skin_control_model.h"
#include "raster/region.h"

#include <functional>
#include <optional>

namespace vt {

// The record's frame geometry and the geometry moved to the control's size, as composition
// takes them.
TFrameGeometry RecordFrame(const TControlGeometry& g);
TFrameGeometry MovedFrame(const TControlGeometry& g);
TFrameStretch FrameStretch(const TControlGeometry& g);

// Composes rect of picture into dest at W x H by the geometry's resize mode (mode 0 gives dest
// the size of rect). With forceBackground a mode-1 record draws nothing here: the split frame
// paints it. Returns false when nothing was drawn.
bool RenderSkinRect(TspBitmap& dest, TPixelView picture, const TRect& rect, const TControlGeometry& g,
                    bool forceBackground, int32_t W, int32_t H);

// The split-frame look at W x H into dest: the client part filled from the picture (when
// drawBackground), then the four frame pieces over it. renderTop draws on the top piece before
// it is placed (a caption).
void ComposeSplitFrame(TspBitmap& dest, TPixelView picture, const TControlGeometry& g, int32_t W, int32_t H,
                       bool drawBackground, const std::function<void(TspBitmap& top)>& renderTop);

// The window region of a W x H control from its record's mask: mode 1 stretches the mask like
// the frame, modes 2 and 3 compose it with the picture's band and stretch, mode 0 takes it
// unscaled. Nothing when the geometry asks for no region or the mask gives none.
std::optional<TRegion> SkinRegion(const TControlGeometry& g, TPixelView mask, int32_t W, int32_t H);

} // namespace vt
