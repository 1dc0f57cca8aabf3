// The portable half of the skinned label: its size rule (the skin's, or a free width and height
// with the client rectangle following), the automatic width, which look it paints and where
// the caption goes inside a rectangle.
//
//   LabelCalcSkinSize     the geometry at a size, with or without UseSkinSize
//   LabelAutoSizeDelta    the width change that makes the caption fit
//   ChooseLabelLook       the look a paint draws and the caption's rectangle in it
//   LabelCaptionPos       the caption's top-left inside a rectangle by alignment
#pragma once

#include "controls/skin_control_model.h"
#include "skin/skin_values.h"

#include <optional>
#include <utility>

namespace vt {

enum TspEllipsType2 : uint8_t { spetNoneEllips = 0, spetEllips = 1 };
enum TspSkinBorderStyle : uint8_t { bvFrame = 0, bvRaised = 1, bvLowered = 2, bvNone = 3 };

// A record that fixes the label's size (mode 0) turns AutoSize off.
inline bool LabelRecordAllowsAutoSize(const TControlGeometry& g) { return !g.HasRecord || g.Mode != rmFixed; }

// The geometry moved to width x height. With UseSkinSize or a four-corner record the skin's rule
// (which may replace the size); otherwise any size, the right corner and the client rectangle's
// right edge following the width change.
void LabelCalcSkinSize(TControlGeometry& g, bool useSkinSize, int32_t& width, int32_t& height);

// The width change that makes a caption of captionWidth fit: without a record the caption plus
// 4 against the control's width; with one the caption against the moved client rectangle (0 for
// a fixed-size record).
int32_t LabelAutoSizeDelta(const TControlGeometry& g, int32_t captionWidth, int32_t controlWidth);

enum class TLabelLook : uint8_t {
    llParentImage,      // Transparent: the parent's image
    llSkinRect,         // the record's rectangle by the control's resize mode
    llFramedFromClient, // the record's rectangle stretched around its client rectangle
    llDefault,          // the button face with a two-colour frame
};

struct TLabelLookChoice {
    TLabelLook Look = TLabelLook::llDefault;
    TRect Caption;      // the rectangle the caption is drawn in
    friend bool operator==(const TLabelLookChoice&, const TLabelLookChoice&) = default;
};

struct TLabelLookInput {
    int32_t Width = 0, Height = 0;
    bool Transparent = false;
    bool UseSkinSize = true;
};
// g holds the geometry at the control's size (LabelCalcSkinSize).
TLabelLookChoice ChooseLabelLook(const TControlGeometry& g, const TLabelLookInput& in);

// The default look's frame colours (top-left, bottom-right); none for bvNone.
std::optional<std::pair<TColor, TColor>> LabelFrameColours(TspSkinBorderStyle style);

// The caption's top-left in r: vertically centred, one pixel higher for a font of odd height;
// flush left, flush right or centred.
TPoint LabelCaptionPos(const TRect& r, TPoint captionSize, int32_t fontHeight, TAlignment alignment);

// The text format bits of an alignment (for the shadow and reflection effects).
uint32_t LabelAlignmentFormat(TAlignment alignment);

} // namespace vt
