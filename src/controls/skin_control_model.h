// The portable half of the skin control base: what a control copies from its record, how the
// record's rectangle stretches (the resize mode), the size and moved geometry at a given size,
// and the decisions of painting, skin change, bounds and region. The windowed and window-less
// control classes turn these decisions into window calls.
//
//   TSkinRecordGeometry   what a custom control copies from its record
//   ResizeModeOf          -1 (no rectangle), 0 fixed, 1 both ways, 2 horizontal, 3 vertical
//   TControlGeometry      the geometry moved to the control's size (CalcSkinSize)
//   ChoosePaint           what a paint draws, and whether it blends over the parent
//   ChooseSkinRectRender  how a record rectangle becomes a control-sized image
//   PlanSkinChange        cursor, size, region and repaint after a skin change
//   PlanSetBounds         the bounds a request ends with, and what follows
//   ChooseRegion          the window region a mask gives
//   TFadeSteps            a fade factor between a control's normal and hot looks
//   RectInsidePicture     whether a record rectangle lies inside its picture
//   RectOr                a record rectangle or its fallback when empty
#pragma once

#include "framework/base/types.h"
#include "raster/compose.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"

#include <optional>
#include <string_view>

namespace vt {

enum TResizeMode : int8_t {
    rmNone = -1,        // empty skin rectangle: the size is left alone
    rmFixed = 0,        // the control takes the skin rectangle's size
    rmBoth = 1,         // four corners, stretched both ways
    rmHorizontal = 2,   // height pinned, any width
    rmVertical = 3,     // width pinned, any height
};

// What a custom control copies from its record at every lookup.
struct TSkinRecordGeometry {
    TPoint LTPt, RTPt, LBPt, RBPt;
    TRect SkinRect;
    TRect ClRect;
    int32_t CursorIndex = -1;
    bool StretchEffect = false;
    bool LeftStretch = false, TopStretch = false, RightStretch = false, BottomStretch = false;
    TspStretchType StretchType = spstFull;
    // Active picture numbers, -1 when the record's index is -1 or beyond the active pictures.
    int32_t Picture = -1;
    int32_t MaskPicture = -1;
};

TResizeMode ResizeModeOf(const TSkinRecordGeometry& g);

// The result of a record lookup: the record's index in the container's control list, or -1 when
// there is no container, the container is empty, no record has the name (compared exactly), or
// the record is not of the kind the control draws from.
struct TRecordLookup {
    int Index = -1;
    const TspDataSkinControl* Record = nullptr;
    explicit operator bool() const { return Index >= 0; }
};

// Looks the name up among the container's control records; the first match counts. A record of
// another kind than Kind counts as none, so a control never copies from a record it cannot read.
template <class Kind = TspDataSkinControl>
TRecordLookup FindControlRecord(const TspSkinData* sd, std::wstring_view name)
{
    if (!sd || sd->Empty)
        return {};
    int index = sd->GetControlIndex(name);
    if (index < 0)
        return {};
    const auto* record = dynamic_cast<const Kind*>(sd->CtrlList[static_cast<size_t>(index)].get());
    if (!record)
        return {};
    return {index, record};
}

// Copies a custom record's geometry; graphic controls pass windowed = false (they keep the
// client stretch at spstFull and have no mask).
TSkinRecordGeometry CopyRecordGeometry(const TspSkinData& sd, const TspDataSkinCustomControl& r,
                                       bool windowed);

// The record's geometry moved to the control's size.
struct TControlGeometry {
    TSkinRecordGeometry Record;
    TResizeMode Mode = rmFixed;
    bool HasRecord = false;
    TPoint NewLTPoint, NewRTPoint, NewLBPoint, NewRBPoint;
    TRect NewClRect;

    // Sets the geometry from a record (or from none), with the moved geometry at the record's
    // own size.
    void Assign(const std::optional<TSkinRecordGeometry>& record);
    // Replaces width and height by what the mode allows, and moves the geometry to that size.
    // Without a record, or for mode -1, nothing changes.
    void CalcSkinSize(int32_t& width, int32_t& height);
};

// Which look a paint draws.
enum class TPaintLook : uint8_t {
    plNothing,        // width or height below 1
    plSplitFrame,     // frame pieces and the client fill straight to the canvas
    plSkin,           // RenderSkinLook
    plDefault,        // RenderDefaultLook
    plParentImage,    // no record and DrawDefault off: the parent shows through
};

struct TPaintInput {
    int32_t Width = 0, Height = 0;
    bool HasRecord = false;
    TResizeMode Mode = rmFixed;
    bool Windowed = true;
    bool ForceBackground = false;
    bool AlphaBlend = false;
    bool DrawDefault = true;
};

struct TPaintChoice {
    TPaintLook Look = TPaintLook::plNothing;
    // Blend the look over the parent's image with this factor (1 - AlphaBlendValue / 255).
    bool BlendOverParent = false;
};

TPaintChoice ChoosePaint(const TPaintInput& in);
double AlphaBlendFactor(uint8_t alphaBlendValue);

// How RenderSkinRect turns a record rectangle into the control's image.
enum class TSkinRectRender : uint8_t {
    srNothing,      // mode -1: no rectangle to draw from
    srCopy,         // mode 0: the rectangle as it is
    srFramed,       // mode 1: four corners, edges and client
    srHorzBand,     // mode 2: fixed left and right parts, the middle stretched or tiled
    srVertBand,     // mode 3: fixed top and bottom parts
};

TSkinRectRender ChooseSkinRectRender(TResizeMode mode, bool forceBackground);

// What a skin change leads to, after the record has been looked up again.
struct TSkinChangePlan {
    // Set when UseSkinCursor is on: -1 for the platform's default cursor, else the cursor number.
    std::optional<int32_t> Cursor;
    // The size to set when it differs from the current one.
    std::optional<TPoint> NewSize;
    bool ApplyRegion = false;
    bool Repaint = true;
};

enum class TControlLayer : uint8_t {
    clPlain,            // windowed or graphic base: cursor and repaint only
    clGraphicCustom,    // cursor, size, repaint
    clWindowedCustom,   // cursor, size, region, repaint
};

struct TSkinChangeInput {
    TControlLayer Layer = TControlLayer::clWindowedCustom;
    bool UseSkinCursor = false;
    int32_t StartCursorIndex = 1;
    int32_t DefaultWidth = 0, DefaultHeight = 0;
    int32_t Width = 0, Height = 0;
};

// geometry must already hold the record looked up again (Assign).
TSkinChangePlan PlanSkinChange(TControlGeometry& geometry, const TSkinChangeInput& in);

// What SetBounds does with a requested rectangle.
struct TBoundsPlan {
    TRect Bounds;
    bool SizeChanged = false;
    bool ApplyRegion = false;   // windowed controls only
    bool Repaint = false;
    bool CheckControlsBackground = false;
};

TBoundsPlan PlanSetBounds(TControlGeometry& geometry, const TRect& current, const TRect& requested,
                          bool windowed);

// The window region a mask gives at the control's size.
enum class TRegionKind : uint8_t {
    rkNone,         // no record or no mask: no region (an applied one is removed)
    rkMask,         // mode 0 (and -1): the mask unscaled
    rkFramed,       // mode 1: the mask stretched like the picture
    rkHorzBand,     // mode 2: the mask composed like the picture's band
    rkVertBand,     // mode 3
};

TRegionKind ChooseRegion(const TControlGeometry& geometry);

// The fade between a control's normal and hot looks: 0 shows the normal look, 1 the hot one;
// every tick moves it by 0.2 towards its target. Counted in fifths so that it lands exactly on
// both ends (a sum of 0.2s drifts past them).
class TFadeSteps {
public:
    static constexpr int kFifths = 5;
    double Factor() const { return fifths_ / double(kFifths); }
    int Fifths() const { return fifths_; }
    void Set(int fifths) { fifths_ = fifths < 0 ? 0 : fifths > kFifths ? kFifths : fifths; }
    // One tick towards 1 (hot) or 0; false once the target is reached (the timer stops).
    bool Tick(bool towardsHot)
    {
        Set(fifths_ + (towardsHot ? 1 : -1));
        return towardsHot ? fifths_ < kFifths : fifths_ > 0;
    }
    // Between the ends: the two looks are mixed.
    bool Mixing() const { return fifths_ > 0 && fifths_ < kFifths; }

private:
    int fifths_ = 0;
};

// A record rectangle, or its fallback when the skin leaves it empty.
inline TRect RectOr(const TRect& r, const TRect& fallback) { return r.IsEmpty() ? fallback : r; }

// True when r is not empty and lies inside a picture of w x h: a record rectangle outside its
// picture draws nothing.
bool RectInsidePicture(const TRect& r, int32_t w, int32_t h);

} // namespace vt
