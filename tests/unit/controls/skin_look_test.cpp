// The control base's pixels from the fixture skin: a record rectangle at the control's size in
// every mode, the split frame, the mask region; and the skin-change walk over a component tree.
#include "controls/skin_look.h"
#include "skin/skinned_element.h"
#include "fixture_skin.h"
#include "skin/skin_data.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using F = test::FixtureSkin;

uint32_t Rgb(const TspBitmap& b, int x, int y) { return b.GetPixel(x, y) & 0xFFFFFF; }

class SkinLook : public ::testing::Test {
protected:
    void SetUp() override { test::BuildFixtureSkin(sd_); }

    // The geometry of a fixture record moved to w x h, as a control of that size sees it.
    TControlGeometry At(const wchar_t* name, int32_t& w, int32_t& h, bool windowed = true)
    {
        TRecordLookup found = FindControlRecord<TspDataSkinCustomControl>(&sd_, name);
        EXPECT_TRUE(found) << name;
        TControlGeometry g;
        g.Assign(CopyRecordGeometry(sd_, static_cast<const TspDataSkinCustomControl&>(*found.Record), windowed));
        g.CalcSkinSize(w, h);
        return g;
    }
    TPixelView Picture(int i) const { return sd_.FActivePictures[static_cast<size_t>(i)]->View(); }

    TspSkinData sd_{nullptr};
};

// Tests that each resize mode composes the record's rectangle to the size its mode allows, with
// the fixed parts where they belong.
TEST_F(SkinLook, RenderSkinRectComposesEveryMode)
{
    struct Probe {
        int x, y;
        uint32_t rgb;
    };
    struct Case {
        const wchar_t* name;
        int32_t w, h;            // requested
        int32_t wantW, wantH;    // the image composed
        std::vector<Probe> probes;
    } cases[] = {
        {F::kButton, 100, 50, 100, 20,
         {{0, 0, F::kButtonEdge}, {3, 10, F::kButtonEdge}, {50, 10, F::kButtonMiddle}, {96, 19, F::kButtonEdge}}},
        {F::kFixed, 100, 50, 30, 25, {{0, 0, F::kFixedColour}, {29, 24, F::kFixedColour}}},
        {F::kVertical, 100, 80, 20, 80,
         {{0, 0, F::kVerticalEnd}, {10, 40, F::kVerticalMiddle}, {19, 77, F::kVerticalEnd}}},
        {F::kPanel, 90, 70, 90, 70,
         {{0, 0, F::kPanelFrame}, {45, 35, F::kPanelClient}, {88, 68, F::kPanelFrame}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::string(c.name, c.name + wcslen(c.name)));
        int32_t w = c.w, h = c.h;
        TControlGeometry g = At(c.name, w, h);
        TspBitmap out;
        ASSERT_TRUE(RenderSkinRect(out, Picture(0), g.Record.SkinRect, g, false, w, h));
        ASSERT_EQ(out.Width(), c.wantW);
        ASSERT_EQ(out.Height(), c.wantH);
        for (const Probe& p : c.probes)
            EXPECT_EQ(Rgb(out, p.x, p.y), p.rgb) << p.x << "," << p.y;
    }
}

// Tests that a mode-1 record with the split frame forced draws nothing through RenderSkinRect,
// and that the split frame draws the frame, and the client only when asked.
TEST_F(SkinLook, SplitFrameDrawsFrameAndOptionalClient)
{
    int32_t w = 90, h = 70;
    TControlGeometry g = At(F::kPanel, w, h);
    TspBitmap none;
    EXPECT_FALSE(RenderSkinRect(none, Picture(0), g.Record.SkinRect, g, true, w, h));

    for (bool background : {true, false}) {
        TspBitmap out;
        int topCalls = 0;
        ComposeSplitFrame(out, Picture(0), g, w, h, background, [&](TspBitmap& top) {
            ++topCalls;
            EXPECT_EQ(top.Width(), w);
            EXPECT_EQ(top.Height(), 4);
        });
        EXPECT_EQ(topCalls, 1);
        EXPECT_EQ(Rgb(out, 0, 0), F::kPanelFrame);
        EXPECT_EQ(Rgb(out, 2, 35), F::kPanelFrame);
        EXPECT_EQ(Rgb(out, 88, 35), F::kPanelFrame);
        EXPECT_EQ(Rgb(out, 45, 68), F::kPanelFrame);
        EXPECT_EQ(Rgb(out, 45, 35), background ? F::kPanelClient : 0u);
    }
}

bool Covers(const TRegion& r, int x, int y)
{
    for (const TRect& rect : r.Rects)
        if (rect.Contains(TPoint{x, y}))
            return true;
    return false;
}

// Tests the region of a masked mode-2 record at a wider size (the mask's corners stay at the
// corners), of a mode-0 record (the mask unscaled), and that no mask gives no region.
TEST_F(SkinLook, RegionFollowsTheMaskAtTheControlSize)
{
    int32_t w = 100, h = 50;
    TControlGeometry button = At(F::kButton, w, h);
    std::optional<TRegion> r = SkinRegion(button, Picture(button.Record.MaskPicture), w, h);
    ASSERT_TRUE(r);
    EXPECT_FALSE(Covers(*r, 0, 0));
    EXPECT_FALSE(Covers(*r, 99, 19));
    EXPECT_TRUE(Covers(*r, 2, 0));
    EXPECT_TRUE(Covers(*r, 97, 19));
    EXPECT_TRUE(Covers(*r, 50, 10));
    EXPECT_FALSE(Covers(*r, 50, 20));

    int32_t fw = 5, fh = 5;
    TControlGeometry fixed = At(F::kFixed, fw, fh);
    r = SkinRegion(fixed, Picture(fixed.Record.MaskPicture), fw, fh);
    ASSERT_TRUE(r);
    EXPECT_FALSE(Covers(*r, 25, 5));
    EXPECT_TRUE(Covers(*r, 25, 15));

    int32_t vw = 20, vh = 60;
    TControlGeometry vertical = At(F::kVertical, vw, vh);
    EXPECT_FALSE(SkinRegion(vertical, Picture(1), vw, vh)) << "a record without a mask";
    EXPECT_FALSE(SkinRegion(button, TPixelView{}, w, h));
}

// A component that counts the walk's calls and can free another component while it is called.
class TCountingElement : public TComponent, public ISkinnedElement {
public:
    TCountingElement(TComponent* owner, TspSkinData* sd) : TComponent(owner), sd_(sd) {}
    TspSkinData* SkinData() const override { return sd_; }
    void BeforeChangeSkinData() override { ++before; }
    void ChangeSkinData() override
    {
        ++changed;
        delete std::exchange(freeOnChange, nullptr);
    }
    int before = 0, changed = 0;
    TComponent* freeOnChange = nullptr;

private:
    TspSkinData* sd_;
};

// Tests that the walk reaches elements owned at any depth, filters by container (all for none),
// ignores other messages, and skips an element freed by an earlier call.
TEST(SkinChangeWalk, ReachesBoundElementsAtAnyDepth)
{
    TspSkinData a(nullptr), b(nullptr);
    TComponent form(nullptr);
    auto* onA = new TCountingElement(&form, &a);
    auto* holder = new TComponent(&form);
    auto* nestedOnA = new TCountingElement(holder, &a);
    auto* onB = new TCountingElement(&form, &b);
    auto* unbound = new TCountingElement(&form, nullptr);

    EXPECT_TRUE(DispatchSkinChange(form, SKINMSG_BEGIN_CHANGE, &a));
    EXPECT_EQ(onA->before + nestedOnA->before + onB->before + unbound->before, 2);
    EXPECT_EQ(nestedOnA->before, 1);

    EXPECT_TRUE(DispatchSkinChange(form, SKINMSG_CHANGED, nullptr));
    for (auto* e : {onA, nestedOnA, onB, unbound})
        EXPECT_EQ(e->changed, 1);
    EXPECT_FALSE(DispatchSkinChange(form, SKINMSG_CHANGE_DONE, nullptr));

    onA->freeOnChange = holder;
    ChangeSkinDataOf(form, &a);
    EXPECT_EQ(onA->changed, 2);
    EXPECT_EQ(onB->changed, 1);
}

} // namespace
} // namespace vt
