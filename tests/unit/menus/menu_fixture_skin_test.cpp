// The menu fixture written as a folder skin and loaded back the normal way: every field the menus
// read, and every picture, survives the trip.
#include "menu_fixture_skin.h"
#include "menus/popup_level.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using F = test::MenuFixtureSkin;

#define EXPECT_SAME(field) EXPECT_EQ(got.field, want.field) << #field

void ExpectSamePopupWindow(const TspDataSkinPopupWindow& got, const TspDataSkinPopupWindow& want)
{
    EXPECT_SAME(WindowPictureIndex);
    EXPECT_SAME(MaskPictureIndex);
    EXPECT_SAME(LTPoint);
    EXPECT_SAME(RTPoint);
    EXPECT_SAME(LBPoint);
    EXPECT_SAME(RBPoint);
    EXPECT_SAME(ItemsRect);
    EXPECT_SAME(ScrollMarkerColor);
    EXPECT_SAME(ScrollMarkerActiveColor);
    EXPECT_SAME(CursorIndex);
    EXPECT_SAME(TopStretch);
    EXPECT_SAME(LeftStretch);
    EXPECT_SAME(RightStretch);
    EXPECT_SAME(BottomStretch);
    EXPECT_SAME(StretchEffect);
    EXPECT_SAME(StretchType);
}

void ExpectSameMenuItem(const TspDataSkinMenuItem& got, const TspDataSkinMenuItem& want)
{
    EXPECT_SAME(ActivePictureIndex);
    EXPECT_SAME(SkinRect);
    EXPECT_SAME(ActiveSkinRect);
    EXPECT_SAME(Morphing);
    EXPECT_SAME(MorphKind);
    EXPECT_SAME(DividerRect);
    EXPECT_SAME(DividerLO);
    EXPECT_SAME(DividerRO);
    EXPECT_SAME(ItemLO);
    EXPECT_SAME(ItemRO);
    EXPECT_SAME(FontName);
    EXPECT_SAME(FontHeight);
    EXPECT_SAME(FontStyle);
    EXPECT_SAME(FontColor);
    EXPECT_SAME(ActiveFontColor);
    EXPECT_SAME(UnEnabledFontColor);
    EXPECT_SAME(TextRct);
    EXPECT_SAME(ImageRct);
    EXPECT_SAME(StretchEffect);
    EXPECT_SAME(InActiveStretchEffect);
    EXPECT_SAME(DividerStretchEffect);
    EXPECT_SAME(AnimateSkinRect);
    EXPECT_SAME(FrameCount);
    EXPECT_SAME(AnimateInterval);
    EXPECT_SAME(InActiveAnimation);
    EXPECT_SAME(UseImageColor);
    EXPECT_SAME(ImageColor);
    EXPECT_SAME(ActiveImageColor);
    EXPECT_SAME(InActiveTransparent);
    EXPECT_SAME(CheckImageRect);
    EXPECT_SAME(ActiveCheckImageRect);
    EXPECT_SAME(RadioImageRect);
    EXPECT_SAME(ActiveRadioImageRect);
    EXPECT_SAME(ArrowImageRect);
    EXPECT_SAME(ActiveArrowImageRect);
}

void ExpectSameHeader(const TspDataSkinLabelControl& got, const TspDataSkinLabelControl& want)
{
    EXPECT_SAME(PictureIndex);
    EXPECT_SAME(SkinRect);
    EXPECT_SAME(LTPoint);
    EXPECT_SAME(RTPoint);
    EXPECT_SAME(ClRect);
    EXPECT_SAME(StretchEffect);
    EXPECT_SAME(FontName);
    EXPECT_SAME(FontHeight);
    EXPECT_SAME(FontColor);
}

#undef EXPECT_SAME

const TspDataSkinLabelControl* HeaderRecord(const TspSkinData& sd)
{
    const int index = sd.GetControlIndex(F::kHeader);
    return index < 0 ? nullptr
                     : dynamic_cast<const TspDataSkinLabelControl*>(sd.CtrlList[size_t(index)].get());
}

// Tests that the stored fixture loads back with the features the menus need: the masked frame,
// the item record with its frames and pictures, and the header record, each field as built.
TEST(MenuFixtureSkin, LoadsBackFromItsFolderAsBuilt)
{
    TspSkinData built(nullptr);
    test::BuildMenuFixtureSkin(built);
    ASSERT_FALSE(built.Empty);
    ASSERT_TRUE(built.EnableSkinEffects());

    test::ScratchDir dir("menufixture");
    TspSkinData loaded(nullptr);
    loaded.BuildMode = true;
    loaded.LoadFromFile(test::WriteMenuFixtureSkin(dir.Path().wstring()));
    ASSERT_FALSE(loaded.Empty);

    // The features themselves, so a fixture that lost one in the building fails here too.
    const TspDataSkinPopupWindow& pw = *loaded.PopupWindow;
    ASSERT_NE(MenuPicture(loaded, pw.WindowPictureIndex), nullptr);
    ASSERT_NE(MenuPicture(loaded, pw.MaskPictureIndex), nullptr);
    EXPECT_NE(pw.MaskPictureIndex, pw.WindowPictureIndex);
    const TspDataSkinMenuItem* item = MenuItemRecord(loaded);
    ASSERT_NE(item, nullptr);
    ASSERT_NE(MenuPicture(loaded, item->ActivePictureIndex), nullptr);
    EXPECT_EQ(item->FrameCount, F::kFrameCount);
    EXPECT_FALSE(item->CheckImageRect.IsEmpty());
    EXPECT_NE(item->ActiveCheckImageRect, item->CheckImageRect);
    EXPECT_TRUE(item->InActiveTransparent);
    EXPECT_EQ(item->MorphKind, mkGradient);
    const TspDataSkinLabelControl* header = HeaderRecord(loaded);
    ASSERT_NE(header, nullptr);
    EXPECT_NE(MenuPicture(loaded, header->PictureIndex), nullptr);

    ExpectSamePopupWindow(pw, *built.PopupWindow);
    ExpectSameMenuItem(*item, *MenuItemRecord(built));
    ExpectSameHeader(*header, *HeaderRecord(built));

    ASSERT_EQ(loaded.FActivePictures.size(), built.FActivePictures.size());
    for (size_t i = 0; i < built.FActivePictures.size(); ++i) {
        const TPixelImage& got = *loaded.FActivePictures[i];
        const TPixelImage& want = *built.FActivePictures[i];
        ASSERT_EQ(got.Width, want.Width) << i;
        ASSERT_EQ(got.Height, want.Height) << i;
        int differing = 0;
        for (size_t p = 0; p < want.Pixels.size(); ++p)
            differing += got.Pixels[p].R != want.Pixels[p].R || got.Pixels[p].G != want.Pixels[p].G
                || got.Pixels[p].B != want.Pixels[p].B;
        EXPECT_EQ(differing, 0) << "picture " << i;
    }
}

} // namespace
} // namespace vt
