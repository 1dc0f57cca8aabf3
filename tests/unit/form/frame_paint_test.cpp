// Composing a whole frame: the four pictures sized around the client, the caption buttons drawn
// at their laid-out places, the inactive frame grey to the last pixel (buttons and caption text
// included), and nothing below the minimum size or without a skin.
#include "form/frame_paint.h"
#include "form/object_paint.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

#include <string>

namespace vt {
namespace {

// Writes every text as a solid block in its colour, so text shows in the pixels.
class TBlockText : public ITextRenderer {
public:
    TRect Measure(const std::wstring& text, const TRect& r, uint32_t) override
    {
        return Rect(r.Left, r.Top, r.Left + 7 * static_cast<int>(text.size()), r.Top + 14);
    }
    int DrawText(TspBitmap& target, const std::wstring&, const TRect& r, uint32_t, TColor colour) override
    {
        target.FillRect(r, ColorToPixel(colour, 255));
        ++Calls;
        return 14;
    }
    int FontHeight() const override { return 14; }
    int Calls = 0;
};

class FramePaint : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override
    {
        sd.BuildMode = true;
        sd.LoadFromFile(test::SourcePath(std::string("skins/") + GetParam() + "/skin.ini"));
        ASSERT_FALSE(sd.Empty);
        objects.CreateObjects(&sd);
        geometry.Skin = TFormSkinInfo::From(&sd);
        src.Skin = &sd;
        src.Caption.FormCaption = L"A caption";
        src.Caption.Renderer = [this](const TspCaptionFont&) { return &text; };
    }
    void Size(int w, int h)
    {
        geometry.Form.Width = w;
        geometry.Form.Height = h;
        geometry.FFormWidth = geometry.FFormHeight = 0;
    }
    TspSkinData sd{nullptr};
    TspSkinObjects objects;
    TspFrameGeometry geometry;
    TFramePaintSources src;
    TBlockText text;
    TFramePictures pictures;
};

// Tests the four pictures' sizes around the client and that the close button's look sits at its
// laid-out place on the top picture.
TEST_P(FramePaint, ComposesFourPicturesWithTheButtonsInPlace)
{
    Size(400, 300);
    ASSERT_TRUE(ComposeFrame(geometry, objects, src, pictures));
    const TRect cl = geometry.NewClRect;
    EXPECT_EQ(pictures.Top.Width(), 400);
    EXPECT_EQ(pictures.Top.Height(), cl.Top);
    EXPECT_EQ(pictures.Left.Width(), cl.Left);
    EXPECT_EQ(pictures.Left.Height(), cl.Height());
    EXPECT_EQ(pictures.Right.Width(), 400 - cl.Right);
    EXPECT_EQ(pictures.Bottom.Height(), 300 - cl.Bottom);
    EXPECT_GT(text.Calls, 0);  // the caption wrote its text

    auto* close = objects.Find<TspSkinStdButtonObject>(L"closebutton");
    ASSERT_NE(close, nullptr);
    const TRect r = close->ObjectRect;
    ASSERT_GT(r.Left, 200);  // flowed to the right end of a wider window
    TspBitmap expected;
    ASSERT_TRUE(RenderLook(close->Look(false), *close, &sd, r.Width(), r.Height(), expected));
    int differing = 0;
    for (int y = 0; y < r.Height(); ++y)
        for (int x = 0; x < r.Width(); ++x)
            differing += (pictures.Top.GetPixel(r.Left + x, r.Top + y) & 0xFFFFFF) != (expected.GetPixel(x, y) & 0xFFFFFF);
    EXPECT_EQ(differing, 0);
}

// Tests that an inactive frame is grey in every pixel of every picture, the buttons and the
// caption's text included.
TEST_P(FramePaint, InactiveFrameIsGreyEverywhere)
{
    Size(500, 260);
    src.FormActive = false;
    objects.Form.FormActive = false;
    ASSERT_TRUE(ComposeFrame(geometry, objects, src, pictures));
    int coloured = 0;
    for (const TspBitmap* p : {&pictures.Top, &pictures.Left, &pictures.Right, &pictures.Bottom})
        for (int y = 0; y < p->Height(); ++y)
            for (int x = 0; x < p->Width(); ++x) {
                const TspColor c = p->GetPixel(x, y);
                coloured += PixelR(c) != PixelG(c) || PixelG(c) != PixelB(c);
            }
    EXPECT_EQ(coloured, 0);
}

// Tests that nothing is composed below the minimum size or without a skin.
TEST_P(FramePaint, NothingBelowTheMinimumOrWithoutASkin)
{
    Size(geometry.GetMinWidth() - 1, 300);
    EXPECT_FALSE(ComposeFrame(geometry, objects, src, pictures));
    Size(300, 200);
    EXPECT_TRUE(ComposeFrame(geometry, objects, src, pictures));
    TspFrameGeometry bare;
    bare.Form.Width = 300;
    bare.Form.Height = 200;
    TFramePaintSources none;
    EXPECT_FALSE(ComposeFrame(bare, objects, none, pictures));
}

// Tests that an object a skin stretches past any picture's size is left out of the frame instead of
// failing the whole paint.
TEST_P(FramePaint, OutsizedObjectIsLeftOut)
{
    const size_t close = static_cast<size_t>(sd.GetIndex(L"closebutton"));
    auto* record = dynamic_cast<TspDataSkinObject*>(sd.ObjectList[close].get());
    ASSERT_NE(record, nullptr);
    record->SkinRect.Bottom = record->SkinRect.Top + 1000000;
    objects.CreateObjects(&sd);
    Size(400, 300);
    bool composed = false;
    EXPECT_NO_THROW(composed = ComposeFrame(geometry, objects, src, pictures));
    EXPECT_TRUE(composed);
    EXPECT_GT(text.Calls, 0);  // the rest is drawn
}

INSTANTIATE_TEST_SUITE_P(ShippedSkins, FramePaint, ::testing::Values("zozaziz", "carbonel", "velin"));

} // namespace
} // namespace vt
