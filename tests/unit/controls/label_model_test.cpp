// The label's rules: its size with and without UseSkinSize, the automatic width, the look it
// paints with the caption's rectangle, and the caption's place by alignment.
#include "controls/label_model.h"
#include "raster/caption.h"
#include "support.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

// The shipped skins' label: 100 x 18, stretched horizontally (mode 2).
TControlGeometry Record(TPoint rt, TPoint lb = {}, TPoint rb = {})
{
    TSkinRecordGeometry r;
    r.SkinRect = Rect(40, 30, 140, 48);
    r.LTPt = {6, 0};
    r.RTPt = rt;
    r.LBPt = lb;
    r.RBPt = rb;
    r.ClRect = Rect(6, 0, 94, 18);
    TControlGeometry g;
    g.Assign(r);
    return g;
}
TControlGeometry Band() { return Record({94, 0}); }
TControlGeometry Framed() { return Record({94, 0}, {0, 14}, {94, 14}); }
TControlGeometry Fixed() { return Record({}); }
TControlGeometry None()
{
    TControlGeometry g;
    g.Assign(std::nullopt);
    return g;
}

// Tests the size rule: with UseSkinSize (or a four-corner record) the skin's, which pins a band's
// height and a fixed record's size; otherwise any size, the right corner and client rectangle
// following the width.
TEST(LabelModel, SizeRuleWithAndWithoutUseSkinSize)
{
    struct Case {
        const char* what;
        TControlGeometry g;
        bool useSkinSize;
        int32_t w, h;
        int32_t wantW, wantH;
        TRect clRect;
        TPoint rt;
    } cases[] = {
        {"band, skin size", Band(), true, 150, 30, 150, 18, Rect(6, 0, 144, 18), {144, 0}},
        {"band, free size", Band(), false, 150, 30, 150, 30, Rect(6, 0, 144, 18), {144, 0}},
        {"band, free and narrower", Band(), false, 60, 10, 60, 10, Rect(6, 0, 54, 18), {54, 0}},
        {"fixed, skin size", Fixed(), true, 150, 30, 100, 18, Rect(6, 0, 94, 18), {0, 0}},
        {"fixed, free size", Fixed(), false, 150, 30, 150, 30, Rect(6, 0, 144, 18), {50, 0}},
        {"four corners keep the skin rule", Framed(), false, 150, 30, 150, 30, Rect(6, 0, 144, 30), {144, 0}},
        {"no record", None(), false, 150, 30, 150, 30, Rect(0, 0, 0, 0), {0, 0}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t w = c.w, h = c.h;
        LabelCalcSkinSize(c.g, c.useSkinSize, w, h);
        EXPECT_EQ(w, c.wantW);
        EXPECT_EQ(h, c.wantH);
        EXPECT_EQ(c.g.NewClRect, c.clRect);
        EXPECT_EQ(c.g.NewRTPoint, c.rt);
    }
}

// Tests the width change AutoSize applies: the caption + 4 against the width without a record
// (growing or shrinking), against the moved client rectangle with one, and none for a fixed
// record, which also turns AutoSize off.
TEST(LabelModel, AutoSizeDeltaFollowsTheCaption)
{
    struct Case {
        const char* what;
        TControlGeometry g;
        int32_t width, caption;
        int32_t delta;
        bool allows;
    } cases[] = {
        {"no record, wider caption", None(), 75, 100, 29, true},
        {"no record, shorter caption", None(), 75, 30, -41, true},
        {"band at 150 (client 138)", Band(), 150, 200, 62, true},
        {"band, shorter caption", Band(), 150, 100, -38, true},
        {"fixed record", Fixed(), 150, 200, 0, false},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t w = c.width, h = 18;
        LabelCalcSkinSize(c.g, false, w, h);
        EXPECT_EQ(LabelAutoSizeDelta(c.g, c.caption, c.width), c.delta);
        EXPECT_EQ(LabelRecordAllowsAutoSize(c.g), c.allows);
    }
}

// Tests which look a label paints and the rectangle its caption goes in.
TEST(LabelModel, LookAndCaptionRectangle)
{
    struct Case {
        const char* what;
        TControlGeometry g;
        TLabelLookInput in;
        TLabelLookChoice want;
    } cases[] = {
        {"transparent with a record", Band(), {150, 30, true, false}, {TLabelLook::llParentImage, Rect(0, 0, 150, 30)}},
        {"transparent without one", None(), {150, 30, true, true}, {TLabelLook::llParentImage, Rect(0, 0, 150, 30)}},
        {"default", None(), {150, 30, false, true}, {TLabelLook::llDefault, Rect(3, 3, 147, 27)}},
        {"skin size", Band(), {150, 18, false, true}, {TLabelLook::llSkinRect, Rect(6, 0, 144, 18)}},
        {"free size: client grown at the bottom", Band(), {150, 30, false, false},
         {TLabelLook::llFramedFromClient, Rect(6, 0, 144, 30)}},
        {"four corners", Framed(), {150, 30, false, false}, {TLabelLook::llSkinRect, Rect(6, 0, 144, 30)}},
    };
    for (Case& c : cases) {
        SCOPED_TRACE(c.what);
        int32_t w = c.in.Width, h = c.in.Height;
        LabelCalcSkinSize(c.g, c.in.UseSkinSize, w, h);
        TLabelLookChoice got = ChooseLabelLook(c.g, c.in);
        EXPECT_EQ(got.Look, c.want.Look);
        EXPECT_EQ(got.Caption, c.want.Caption);
    }
}

// Tests the caption's place: centred vertically (a pixel higher for an odd font height), flush
// left, flush right with the rectangle's right edge, or centred; and the matching text formats.
TEST(LabelModel, CaptionPlaceByAlignmentAndFontHeight)
{
    const TRect r = Rect(6, 0, 144, 18);
    struct Case {
        TAlignment a;
        int32_t fontHeight;
        TPoint want;
        uint32_t format;
    } cases[] = {
        {taLeftJustify, 14, {6, 3}, 0},
        {taLeftJustify, 13, {6, 2}, 0},
        {taLeftJustify, -13, {6, 2}, 0},
        {taRightJustify, 14, {104, 3}, dt::Right},
        {taCenter, 14, {55, 3}, dt::Center},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.a) << " " << c.fontHeight);
        EXPECT_EQ(LabelCaptionPos(r, {40, 13}, c.fontHeight, c.a), c.want);
        EXPECT_EQ(LabelAlignmentFormat(c.a), c.format);
    }
}

// Tests the default look's frame colours for each border style.
TEST(LabelModel, FrameColoursByBorderStyle)
{
    EXPECT_EQ(LabelFrameColours(bvFrame), std::make_optional(std::pair{clBtnShadow, clBtnShadow}));
    EXPECT_EQ(LabelFrameColours(bvRaised), std::make_optional(std::pair{clBtnHighlight, clBtnShadow}));
    EXPECT_EQ(LabelFrameColours(bvLowered), std::make_optional(std::pair{clBtnShadow, clBtnHighlight}));
    EXPECT_EQ(LabelFrameColours(bvNone), std::nullopt);
}

} // namespace
} // namespace vt
