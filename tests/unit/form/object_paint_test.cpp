// Composing objects into pixels: a look copied and stretched from its picture, a half-way morph
// between two looks, the plain no-skin button, a stretched caption keeping its corner segments,
// and caption text with its light, shadow and effect in place.
#include "form/object_paint.h"
#include "form/skin_object_list.h"
#include "raster/compose.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vt {
namespace {

class DefaultSkinPaint : public ::testing::Test {
protected:
    DefaultSkinPaint()
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath("skins/zozaziz/skin.ini"));
        objects.CreateObjects(&sd);
    }
    template <class T = TspSkinStdButtonObject> T& Obj(const wchar_t* name) { return *objects.Find<T>(name); }
    TspColor PicturePixel(int index, int x, int y) const { return Word(sd.FActivePictures[index]->At(x, y)); }
    static TspColor Word(const TPixel& p) { return MakePixel(p.R, p.G, p.B, p.A); }
    TspSkinData sd{nullptr};
    TspSkinObjects objects;
};

// Tests a plain copy (stretched to the object), the morph half-way between the normal and the
// hot look, and that a look without a usable picture draws nothing.
TEST_F(DefaultSkinPaint, RendersCopiedAndMorphedLooks)
{
    auto& close = Obj(L"closebutton");
    objects.Form.EnableSkinEffects = false;
    TspBitmap out;
    const TspObjectLook normal = close.Look(true);
    ASSERT_EQ(normal.Source, TspLookSource::ActivePicture);
    ASSERT_TRUE(RenderLook(normal, close, &sd, normal.Rect.Width(), normal.Rect.Height(), out));
    for (TPoint p : {Point(0, 0), Point(normal.Rect.Width() / 2, normal.Rect.Height() / 2)})
        EXPECT_EQ(out.GetPixel(p.X, p.Y) & 0xFFFFFF,
                  PicturePixel(close.ActivePictureIndex, normal.Rect.Left + p.X, normal.Rect.Top + p.Y) & 0xFFFFFF);
    ASSERT_TRUE(RenderLook(normal, close, &sd, 2 * normal.Rect.Width(), normal.Rect.Height(), out));
    EXPECT_EQ(out.Width(), 2 * normal.Rect.Width());

    // Half-way: every channel of the middle pixel lies between the two looks.
    TspObjectLook morph;
    morph.Source = TspLookSource::ActivePicture;
    morph.Morph = true;
    morph.MorphFrom = close.SkinRect;
    morph.MorphTo = close.ActiveSkinRect;
    morph.MorphKf = 0.6;
    ASSERT_TRUE(RenderLook(morph, close, &sd, close.SkinRect.Width(), close.SkinRect.Height(), out));
    const int x = close.SkinRect.Width() / 2, y = close.SkinRect.Height() / 2;
    const TspColor a = PicturePixel(close.ActivePictureIndex, close.SkinRect.Left + x, close.SkinRect.Top + y);
    const TspColor b = PicturePixel(close.ActivePictureIndex, close.ActiveSkinRect.Left + x, close.ActiveSkinRect.Top + y);
    ASSERT_NE(a & 0xFFFFFF, b & 0xFFFFFF) << "the close button's two looks differ in the middle";
    const TspColor m = out.GetPixel(x, y);
    for (int shift : {0, 8, 16}) {
        const int ca = (a >> shift) & 0xFF, cb = (b >> shift) & 0xFF, cm = (m >> shift) & 0xFF;
        EXPECT_GE(cm, std::min(ca, cb) - 1);
        EXPECT_LE(cm, std::max(ca, cb) + 1);
    }

    TspObjectLook missing = normal;
    missing.Source = TspLookSource::RollUpPicture;  // the default skin has no roll-up picture
    EXPECT_FALSE(RenderLook(missing, close, &sd, 10, 10, out));
    EXPECT_FALSE(RenderLook(TspObjectLook{}, close, &sd, 10, 10, out));
    EXPECT_FALSE(RenderLook(normal, close, nullptr, 10, 10, out));
}

// Tests the plain no-skin button: its fill, its frame when hot, and the glyph in the middle.
TEST(ObjectPaint, RendersThePlainButton)
{
    TspSkinObjects objects;
    objects.CreateObjects(nullptr);
    auto* close = objects.Find<TspSkinStdButtonObject>(objects.ObjectList.front()->IDName);
    ASSERT_NE(close, nullptr);
    TspObjectLook look;
    look.Source = TspLookSource::DefaultLook;
    look.DefaultFill = kDefaultButtonHotFill;
    look.DefaultFrame = true;
    look.Glyph = TspDefaultGlyph::Close;
    look.GlyphColour = clBlack;
    TspBitmap out;
    ASSERT_TRUE(RenderLook(look, *close, nullptr, 17, 17, out));
    EXPECT_EQ(out.GetPixel(0, 0), ColorToPixel(kDefaultButtonFrame, 255));
    EXPECT_EQ(out.GetPixel(2, 14), ColorToPixel(kDefaultButtonHotFill, 255));
    int glyph = 0;
    for (int y = 0; y < 17; ++y)
        for (int x = 0; x < 17; ++x)
            glyph += out.GetPixel(x, y) == ColorToPixel(clBlack, 255);
    EXPECT_GT(glyph, 8);
    look.DefaultFrame = false;
    ASSERT_TRUE(RenderLook(look, *close, nullptr, 17, 17, out));
    EXPECT_EQ(out.GetPixel(0, 0), ColorToPixel(kDefaultButtonHotFill, 255));
}

// Tests that a caption stretched with the frame keeps the frame picture's columns at both ends
// (outside the corner points) and stretches only the middle.
TEST_F(DefaultSkinPaint, StretchedCaptionKeepsItsCornerSegments)
{
    auto& caption = Obj<TspSkinCaptionObject>(L"caption");
    const TRect s = caption.SkinRect;
    caption.ObjectRect = Rect(s.Left, s.Top, s.Right + 300, s.Bottom);
    TObjectPaintSources src;
    src.Skin = &sd;
    src.CanStretchFrame = true;
    TspBitmap out;
    ASSERT_TRUE(RenderCaptionBackground(caption, true, src, out));
    ASSERT_EQ(out.Width(), s.Width() + 300);
    ASSERT_EQ(out.Height(), s.Height());
    const int left = std::max(sd.LTPoint.X - s.Left, 0), right = std::max(s.Right - sd.RTPoint.X, 0);
    ASSERT_GT(left + right, 0);
    for (int y = 0; y < s.Height(); y += 7) {
        for (int x = 0; x < left; ++x)
            EXPECT_EQ(out.GetPixel(x, y) & 0xFFFFFF, Word(sd.FPicture.At(s.Left + x, s.Top + y)) & 0xFFFFFF);
        for (int x = 0; x < right; ++x)
            EXPECT_EQ(out.GetPixel(out.Width() - right + x, y) & 0xFFFFFF,
                      Word(sd.FPicture.At(sd.RTPoint.X + x, s.Top + y)) & 0xFFFFFF);
    }
    // Without a stretchable frame the whole rectangle is simply stretched: the right end moves.
    src.CanStretchFrame = false;
    ASSERT_TRUE(RenderCaptionBackground(caption, true, src, out));
    EXPECT_EQ(out.Width(), s.Width() + 300);
    // On the frame image, without an active look, the caption draws no background.
    src.CanStretchFrame = true;
    EXPECT_FALSE(RenderCaptionBackground(caption, false, src, out));
}

// Records the text calls.
class TRecordingText : public ITextRenderer {
public:
    struct Call {
        std::wstring Text;
        TRect Rect;
        TColor Colour;
    };
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t) override
    {
        return Rect(r.Left, r.Top, r.Left + 7 * static_cast<int>(text.size()), r.Top + 16);
    }
    int DrawText(TspBitmap&, const std::wstring& text, const TRect& r, uint32_t, TColor colour) override
    {
        Calls.push_back({text, r, colour});
        return 16;
    }
    int FontHeight() const override { return 14; }
    std::vector<Call> Calls;
};

// Tests that the light copy goes one pixel up-left, the shadow one down-right, and the text last
// in the font's colour; a plan that draws nothing writes nothing.
TEST_F(DefaultSkinPaint, DrawsCaptionTextWithLightAndShadow)
{
    auto& caption = Obj<TspSkinCaptionObject>(L"caption");
    TspCaptionTextPlan plan;
    plan.Draw = true;
    plan.Text = L"Title";
    plan.TextRect = Rect(40, 6, 75, 22);
    plan.Font.Colour = 0x112233;
    plan.Light = plan.Shadow = true;
    plan.LightColour = 0xFFFFFF;
    plan.ShadowColour = 0x000000;
    TspBitmap target;
    target.SetSize(200, 29);
    TRecordingText text;
    DrawCaptionText(caption, plan, &sd, text, target);
    ASSERT_EQ(text.Calls.size(), 3u);
    EXPECT_EQ(text.Calls[0].Rect, plan.TextRect.Offset(-1, -1));
    EXPECT_EQ(text.Calls[0].Colour, 0xFFFFFFu);
    EXPECT_EQ(text.Calls[1].Rect, plan.TextRect.Offset(1, 1));
    EXPECT_EQ(text.Calls[2].Rect, plan.TextRect);
    EXPECT_EQ(text.Calls[2].Colour, 0x112233u);
    text.Calls.clear();
    plan.Draw = false;
    DrawCaptionText(caption, plan, &sd, text, target);
    EXPECT_TRUE(text.Calls.empty());
}

} // namespace
} // namespace vt
