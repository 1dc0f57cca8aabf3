// The skin control base's decisions: resize modes, sizes, lookups, paint, skin change and bounds.
#include "controls/skin_control_model.h"
#include "support.h"

#include <gtest/gtest.h>

#include <memory>

namespace vt {
namespace {

TSkinRecordGeometry Geometry(TRect skinRect, TPoint lt, TPoint rt, TPoint lb, TPoint rb, TRect cl = {})
{
    TSkinRecordGeometry g;
    g.SkinRect = skinRect;
    g.LTPt = lt;
    g.RTPt = rt;
    g.LBPt = lb;
    g.RBPt = rb;
    g.ClRect = cl;
    return g;
}

// Tests the resize-mode rule: an empty rectangle leaves the size alone, both bottom-right values
// set stretch both ways, else the right-top point, else the left-bottom point, else fixed.
TEST(SkinControlModel, ResizeModeFollowsTheCornerPoints)
{
    const TRect r = Rect(0, 0, 60, 20);
    struct Case {
        TSkinRecordGeometry g;
        TResizeMode mode;
    } cases[] = {
        {Geometry(Rect(5, 5, 5, 30), {}, {}, {}, {}), rmNone},
        {Geometry(Rect(0, 0, 60, -1), {3, 3}, {50, 3}, {3, 15}, {50, 15}), rmNone},
        {Geometry(r, {3, 3}, {50, 3}, {3, 15}, {50, 15}), rmBoth},
        {Geometry(r, {}, {}, {}, {50, 0}), rmFixed},     // one bottom-right value is not enough
        {Geometry(r, {}, {50, 0}, {}, {0, 15}), rmHorizontal},
        {Geometry(r, {}, {0, 1}, {}, {}), rmHorizontal},
        {Geometry(r, {}, {}, {3, 15}, {}), rmVertical},
        {Geometry(r, {4, 4}, {}, {}, {}), rmFixed},
        {Geometry(r, {}, {}, {}, {}), rmFixed},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ResizeModeOf(c.g), c.mode) << c.g.SkinRect.Right << "," << c.g.SkinRect.Bottom;
}

// Tests CalcSkinSize for every mode: what the size becomes and how the geometry moves with it.
TEST(SkinControlModel, CalcSkinSizeKeepsOrPinsTheSizeByMode)
{
    const TRect skin = Rect(10, 20, 70, 40);  // 60 x 20
    const TRect cl = Rect(4, 3, 56, 17);
    struct Case {
        TSkinRecordGeometry g;
        int32_t w, h;
        int32_t wantW, wantH;
        TPoint rt, lb, rb;
        TRect newCl;
    } cases[] = {
        // Both ways: the size stays, right and bottom points and the client move.
        {Geometry(skin, {4, 3}, {56, 3}, {4, 17}, {56, 17}, cl), 100, 50, 100, 50,
         {96, 3}, {4, 47}, {96, 47}, Rect(4, 3, 96, 47)},
        // Horizontal: height pinned to the skin's.
        {Geometry(skin, {4, 0}, {56, 0}, {}, {}, cl), 100, 50, 100, 20,
         {96, 0}, {}, {}, Rect(4, 3, 96, 17)},
        // Vertical: width pinned.
        {Geometry(skin, {0, 3}, {}, {0, 17}, {}, cl), 100, 50, 60, 50,
         {}, {0, 47}, {}, Rect(4, 3, 56, 47)},
        // Fixed: the skin's size whatever was asked.
        {Geometry(skin, {}, {}, {}, {}, cl), 100, 50, 60, 20, {}, {}, {}, cl},
        // Empty rectangle: nothing changes.
        {Geometry(Rect(0, 0, 0, 0), {}, {}, {}, {}, cl), 100, 50, 100, 50, {}, {}, {}, cl},
    };
    for (const Case& c : cases) {
        TControlGeometry g;
        g.Assign(c.g);
        int32_t w = c.w, h = c.h;
        g.CalcSkinSize(w, h);
        SCOPED_TRACE(static_cast<int>(g.Mode));
        EXPECT_EQ(w, c.wantW);
        EXPECT_EQ(h, c.wantH);
        EXPECT_EQ(g.NewLTPoint, c.g.LTPt);
        EXPECT_EQ(g.NewRTPoint, c.rt);
        EXPECT_EQ(g.NewLBPoint, c.lb);
        EXPECT_EQ(g.NewRBPoint, c.rb);
        EXPECT_EQ(g.NewClRect, c.newCl);
    }

    TControlGeometry none;
    none.Assign(std::nullopt);
    int32_t w = 33, h = 44;
    none.CalcSkinSize(w, h);
    EXPECT_EQ(w, 33);
    EXPECT_EQ(h, 44);
}

// A container with hand-made records, as a loaded skin would hold them.
class RecordLookup : public ::testing::Test {
protected:
    void SetUp() override
    {
        sd.BuildMode = true;
        auto button = std::make_unique<TspDataSkinCustomControl>(L"button");
        button->SkinRect = Rect(0, 0, 60, 20);
        button->RTPoint = Point(50, 0);
        button->PictureIndex = 0;
        button->MaskPictureIndex = 7;  // beyond the active pictures
        button->CursorIndex = 2;
        button->StretchType = spstVert;
        sd.CtrlList.push_back(std::move(button));
        auto second = std::make_unique<TspDataSkinCustomControl>(L"button");
        second->SkinRect = Rect(0, 0, 10, 10);
        sd.CtrlList.push_back(std::move(second));
        sd.CtrlList.push_back(std::make_unique<TspDataSkinControl>(L"plain"));
        sd.FActivePictures.push_back(std::make_unique<TPixelImage>());
        sd.Empty = false;
    }

    TspSkinData sd{nullptr};
};

// Tests that lookups compare names exactly, take the first match, and treat an empty container,
// a missing container and a record of another kind as no record.
TEST_F(RecordLookup, FindsTheFirstRecordOfTheExactNameAndKind)
{
    auto found = FindControlRecord<TspDataSkinCustomControl>(&sd, L"button");
    ASSERT_TRUE(found);
    EXPECT_EQ(found.Index, 0);
    EXPECT_FALSE(FindControlRecord<TspDataSkinCustomControl>(&sd, L"Button"));
    EXPECT_FALSE(FindControlRecord<TspDataSkinCustomControl>(&sd, L"plain"));
    EXPECT_EQ(FindControlRecord(&sd, L"plain").Index, 2);
    EXPECT_FALSE(FindControlRecord(nullptr, L"button"));
    sd.Empty = true;
    EXPECT_FALSE(FindControlRecord<TspDataSkinCustomControl>(&sd, L"button"));
}

// Tests what a control copies: pictures only when their index is an active picture, and the
// window-less layer's fixed client stretch and missing mask.
TEST_F(RecordLookup, CopiesTheGeometryWithValidPicturesOnly)
{
    const auto& rec = static_cast<const TspDataSkinCustomControl&>(*sd.CtrlList[0]);
    TSkinRecordGeometry windowed = CopyRecordGeometry(sd, rec, true);
    EXPECT_EQ(windowed.Picture, 0);
    EXPECT_EQ(windowed.MaskPicture, -1);
    EXPECT_EQ(windowed.StretchType, spstVert);
    EXPECT_EQ(windowed.CursorIndex, 2);
    EXPECT_EQ(ResizeModeOf(windowed), rmHorizontal);

    TSkinRecordGeometry graphic = CopyRecordGeometry(sd, rec, false);
    EXPECT_EQ(graphic.StretchType, spstFull);
}

// Tests that the default skin's "button", with only its right-top point set, has its height
// pinned to the skin's and takes any width.
TEST(SkinControlModel, DefaultSkinButtonStretchesHorizontally)
{
    TspSkinData sd(nullptr);
    sd.BuildMode = true;
    sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_FALSE(sd.Empty);
    auto found = FindControlRecord<TspDataSkinCustomControl>(&sd, L"button");
    ASSERT_TRUE(found);
    TControlGeometry g;
    g.Assign(CopyRecordGeometry(sd, static_cast<const TspDataSkinCustomControl&>(*found.Record), true));
    EXPECT_EQ(g.Mode, rmHorizontal);
    int32_t w = 137, h = 90;
    g.CalcSkinSize(w, h);
    EXPECT_EQ(w, 137);
    EXPECT_EQ(h, g.Record.SkinRect.Height());
}

// Tests which look a paint draws and whether it blends over the parent.
TEST(SkinControlModel, PaintChoice)
{
    struct Case {
        TPaintInput in;
        TPaintLook look;
        bool blend;
    } cases[] = {
        {{0, 10, true, rmBoth, true, false, false, true}, TPaintLook::plNothing, false},
        {{10, 0, false, rmFixed, true, false, false, true}, TPaintLook::plNothing, false},
        {{10, 10, true, rmBoth, true, true, false, true}, TPaintLook::plSplitFrame, false},
        // The split frame needs the windowed layer, mode 1 and no blending.
        {{10, 10, true, rmBoth, false, true, false, true}, TPaintLook::plSkin, false},
        {{10, 10, true, rmHorizontal, true, true, false, true}, TPaintLook::plSkin, false},
        {{10, 10, true, rmBoth, true, true, true, true}, TPaintLook::plSkin, true},
        {{10, 10, false, rmFixed, true, false, false, true}, TPaintLook::plDefault, false},
        {{10, 10, false, rmFixed, true, false, true, true}, TPaintLook::plDefault, true},
        {{10, 10, false, rmFixed, true, false, true, false}, TPaintLook::plParentImage, false},
    };
    for (size_t i = 0; i < std::size(cases); ++i) {
        TPaintChoice c = ChoosePaint(cases[i].in);
        EXPECT_EQ(c.Look, cases[i].look) << i;
        EXPECT_EQ(c.BlendOverParent, cases[i].blend) << i;
    }
    EXPECT_DOUBLE_EQ(AlphaBlendFactor(255), 0.0);  // the control alone
    EXPECT_DOUBLE_EQ(AlphaBlendFactor(0), 1.0);    // the parent alone
}

TEST(SkinControlModel, SkinRectRenderByMode)
{
    EXPECT_EQ(ChooseSkinRectRender(rmNone, false), TSkinRectRender::srNothing);
    EXPECT_EQ(ChooseSkinRectRender(rmFixed, false), TSkinRectRender::srCopy);
    EXPECT_EQ(ChooseSkinRectRender(rmBoth, false), TSkinRectRender::srFramed);
    EXPECT_EQ(ChooseSkinRectRender(rmBoth, true), TSkinRectRender::srNothing);
    EXPECT_EQ(ChooseSkinRectRender(rmHorizontal, true), TSkinRectRender::srHorzBand);
    EXPECT_EQ(ChooseSkinRectRender(rmVertical, false), TSkinRectRender::srVertBand);
}

// Tests a control through three skins: one with a fixed-size record, one without the record
// (the default size applies only where positive), and the first again, which restores the skin
// size; and the cursor each skin gives.
TEST(SkinControlModel, SkinChangesResizeAndRestore)
{
    TSkinRecordGeometry fixed = Geometry(Rect(0, 0, 40, 24), {}, {}, {}, {}, Rect(2, 2, 38, 22));
    fixed.CursorIndex = 3;
    TControlGeometry g;
    TSkinChangeInput in;
    in.UseSkinCursor = true;
    in.StartCursorIndex = 100;
    in.DefaultWidth = 75;
    in.DefaultHeight = 0;
    in.Width = 90;
    in.Height = 30;

    g.Assign(fixed);
    TSkinChangePlan p = PlanSkinChange(g, in);
    ASSERT_TRUE(p.NewSize);
    EXPECT_EQ(*p.NewSize, Point(40, 24));
    EXPECT_EQ(p.Cursor, 103);
    EXPECT_FALSE(p.ApplyRegion);  // SetBounds applies it with the new size
    EXPECT_FALSE(p.Repaint);
    in.Width = 40;
    in.Height = 24;

    g.Assign(std::nullopt);
    p = PlanSkinChange(g, in);
    ASSERT_TRUE(p.NewSize);
    EXPECT_EQ(*p.NewSize, Point(75, 24));  // a zero default height keeps the height
    EXPECT_EQ(p.Cursor, -1);
    EXPECT_TRUE(p.ApplyRegion);
    EXPECT_TRUE(p.Repaint);
    in.Width = 75;

    g.Assign(fixed);
    p = PlanSkinChange(g, in);
    ASSERT_TRUE(p.NewSize);
    EXPECT_EQ(*p.NewSize, Point(40, 24));

    in.Width = 40;
    p = PlanSkinChange(g, in);
    EXPECT_FALSE(p.NewSize);
    EXPECT_TRUE(p.ApplyRegion);
    EXPECT_TRUE(p.Repaint);

    in.Layer = TControlLayer::clGraphicCustom;
    EXPECT_FALSE(PlanSkinChange(g, in).ApplyRegion);
    in.Layer = TControlLayer::clPlain;
    in.Width = 1;
    p = PlanSkinChange(g, in);
    EXPECT_FALSE(p.NewSize);  // the plain layers do not size themselves
    EXPECT_TRUE(p.Repaint);
    in.UseSkinCursor = false;
    EXPECT_FALSE(PlanSkinChange(g, in).Cursor);
}

// Tests SetBounds: a fixed record gives the skin size, a horizontal one pins the height, and
// without a record the request stands.
TEST(SkinControlModel, SetBoundsTakesTheSizeTheRecordAllows)
{
    const TRect current = Bounds(5, 6, 60, 20);
    TControlGeometry g;
    g.Assign(Geometry(Rect(0, 0, 60, 20), {}, {}, {}, {}, Rect(1, 1, 59, 19)));
    TBoundsPlan b = PlanSetBounds(g, current, Bounds(7, 8, 200, 90), true);
    EXPECT_EQ(b.Bounds, Bounds(7, 8, 60, 20));
    EXPECT_TRUE(b.SizeChanged);
    EXPECT_TRUE(b.ApplyRegion);
    EXPECT_EQ(g.NewClRect, Rect(1, 1, 59, 19));

    TSkinRecordGeometry band = Geometry(Rect(0, 0, 60, 20), {5, 0}, {55, 0}, {}, {});
    band.StretchEffect = true;
    g.Assign(band);
    b = PlanSetBounds(g, current, Bounds(7, 8, 200, 90), false);
    EXPECT_EQ(b.Bounds, Bounds(7, 8, 200, 20));
    EXPECT_FALSE(b.ApplyRegion);
    EXPECT_TRUE(b.CheckControlsBackground);

    b = PlanSetBounds(g, current, Bounds(9, 9, 60, 20), true);  // a move only
    EXPECT_FALSE(b.SizeChanged);
    EXPECT_FALSE(b.Repaint);
    EXPECT_EQ(b.Bounds, Bounds(9, 9, 60, 20));

    g.Assign(std::nullopt);
    b = PlanSetBounds(g, current, Bounds(1, 2, 300, 400), true);
    EXPECT_EQ(b.Bounds, Bounds(1, 2, 300, 400));
    EXPECT_FALSE(b.SizeChanged);
    EXPECT_FALSE(b.CheckControlsBackground);
}

// Tests that a region needs a record and a mask, and follows the mode.
TEST(SkinControlModel, RegionNeedsARecordAndAMask)
{
    TSkinRecordGeometry masked = Geometry(Rect(0, 0, 60, 20), {}, {}, {}, {});
    masked.MaskPicture = 1;
    struct Case {
        TPoint rt, lb, rb;
        TRegionKind kind;
    } cases[] = {
        {{}, {}, {}, TRegionKind::rkMask},
        {{50, 0}, {}, {}, TRegionKind::rkHorzBand},
        {{}, {0, 15}, {}, TRegionKind::rkVertBand},
        {{50, 0}, {0, 15}, {50, 15}, TRegionKind::rkFramed},
    };
    for (const Case& c : cases) {
        TSkinRecordGeometry r = masked;
        r.RTPt = c.rt;
        r.LBPt = c.lb;
        r.RBPt = c.rb;
        TControlGeometry g;
        g.Assign(r);
        EXPECT_EQ(ChooseRegion(g), c.kind);
    }
    TControlGeometry g;
    g.Assign(Geometry(Rect(0, 0, 60, 20), {}, {}, {}, {}));
    EXPECT_EQ(ChooseRegion(g), TRegionKind::rkNone);
    g.Assign(std::nullopt);
    EXPECT_EQ(ChooseRegion(g), TRegionKind::rkNone);
}

} // namespace
} // namespace vt
