#include "fixture_skin.h"

#include "fixture_pictures.h"
#include "skin/control_records.h"
#include "skin/skin_data.h"

#include <memory>

namespace vt::test {

namespace {

using F = FixtureSkin;

template <class R> R& Add(TspSkinData& sd, const wchar_t* name, const wchar_t* type)
{
    auto record = std::make_unique<R>(name);
    record->TypeWord = type;
    R& r = *record;
    sd.CtrlList.push_back(std::move(record));
    return r;
}

void Button(TspDataSkinButtonControl& b, TMorphKind morph, bool masked)
{
    b.PictureIndex = 0;
    b.MaskPictureIndex = masked ? 1 : -1;
    b.SkinRect = F::kButtonRect;
    b.LTPoint = {4, 0};
    b.RTPoint = {36, 0};
    b.ClRect = {4, 3, 36, 17};
    b.ActiveSkinRect = {0, 20, 40, 40};
    b.DownSkinRect = {40, 20, 80, 40};
    b.FocusedSkinRect = {40, 0, 80, 20};
    b.DisabledSkinRect = {80, 0, 120, 20};
    b.AnimateSkinRect = {0, 40, 120, 60};
    b.FrameCount = 3;
    b.AnimateInterval = 40;
    b.Morphing = true;
    b.MorphKind = morph;
    b.ShowFocus = true;
    b.FontColor = 0x000000;
    b.ActiveFontColor = 0xFFFFFF;
    b.DownFontColor = 0xFFFFFF;
    b.DisabledFontColor = 0x808080;
    b.GlowLayerPictureIndex = masked ? 2 : -1;
    b.GlowLayerMaskPictureIndex = masked ? 3 : -1;
    b.GlowLayerOffsetLeft = b.GlowLayerOffsetRight = b.GlowLayerOffsetTop = b.GlowLayerOffsetBottom = 4;
    b.GlowLayerAlphaBlendValue = 200;
}

void Panel(TspDataSkinPanelControl& p, const TRect& rect)
{
    p.PictureIndex = 0;
    p.SkinRect = rect;
}

// The page control's pictures in a picture of their own, whatever number it gets.
void AddPageControlRecords(TspSkinData& sd)
{
    const int32_t index = static_cast<int32_t>(sd.FActivePictures.size());
    auto picture = SolidImage(120, 80, 0xFFFFFF);
    FillImage(*picture, {0, 0, 60, 40}, F::kTabFrame);
    FillImage(*picture, {4, 4, 56, 36}, F::kTabClient);
    FillImage(*picture, {60, 0, 100, 20}, F::kTabNormal);
    FillImage(*picture, {60, 20, 100, 44}, F::kTabActive);
    FillImage(*picture, {60, 44, 100, 64}, F::kTabHot);
    FillImage(*picture, {100, 0, 110, 20}, F::kTabsBG);
    FillImage(*picture, {0, 40, 12, 52}, F::kCloseNormal);
    FillImage(*picture, {12, 40, 24, 52}, F::kCloseHot);
    FillImage(*picture, {24, 40, 36, 52}, F::kCloseDown);
    // A diagonal in each close picture, so a shifted, turned or stretched copy shows.
    for (int look = 0; look < 3; ++look)
        for (int i = 2; i < 10; ++i)
            FillImage(*picture, Bounds(look * 12 + i, 40 + i, 1, 1), 0x000000);
    FillImage(*picture, {0, 60, 32, 76}, F::kUpDownFace);
    FillImage(*picture, {32, 60, 64, 76}, F::kUpDownHot);
    sd.FActivePicturesNames.Add(L"tabs.bmp");
    sd.FActivePictures.push_back(std::move(picture));

    auto& tab = Add<TspDataSkinTabControl>(sd, F::kTab, L"tab");
    tab.PictureIndex = index;
    tab.SkinRect = {0, 0, 60, 40};
    tab.ClRect = {4, 4, 56, 36};
    tab.LTPoint = {4, 4};
    tab.RTPoint = {56, 4};
    tab.LBPoint = {4, 36};
    tab.RBPoint = {56, 36};
    tab.TabRect = {60, 0, 100, 20};
    tab.ActiveTabRect = {60, 20, 100, 44};
    tab.MouseInTabRect = {60, 44, 100, 64};
    tab.TabLeftOffset = tab.TabRightOffset = 4;
    tab.TabsBGRect = {100, 0, 110, 20};
    tab.CloseButtonRect = {0, 40, 12, 52};
    tab.CloseButtonActiveRect = {12, 40, 24, 52};
    tab.CloseButtonDownRect = {24, 40, 36, 52};
    tab.FontColor = 0x000000;
    tab.ActiveFontColor = tab.FocusFontColor = 0x800000;
    tab.MouseInFontColor = 0x000080;
    tab.UpDown = F::kTabUpDown;

    auto& upDown = Add<TspDataSkinUpDownControl>(sd, F::kTabUpDown, L"updown");
    upDown.PictureIndex = index;
    upDown.SkinRect = {0, 60, 32, 76};
    upDown.UpButtonRect = {16, 0, 32, 16};
    upDown.DownButtonRect = {0, 0, 16, 16};
    upDown.ActiveUpButtonRect = {48, 60, 64, 76};
    upDown.ActiveDownButtonRect = {32, 60, 48, 76};
}

// The speed buttons' records: a menu button whose track part is its fixed right end.
void AddButtonRecords(TspSkinData& sd)
{
    auto& menu = Add<TspDataSkinMenuButtonControl>(sd, F::kMenuButton, L"menubutton");
    Button(menu, mkRightSlide, false);
    menu.TrackButtonRect = {36, 0, 40, 20};
}

// A framed check box record drawn from picture 0's free right-hand column: its normal and hot
// rectangles, and check images whose bottom-left pixel (white) is the transparent colour.
void AddCheckLabelRecords(TspSkinData& sd)
{
    TPixelImage& picture = *sd.FActivePictures[0];
    FillImage(picture, F::kCheckRect, F::kCheckNormal);
    FillImage(picture, F::kCheckActiveRect, F::kCheckHot);
    FillImage(picture, F::kCheckImage, F::kCheckMark);
    FillImage(picture, F::kUnCheckImage, 0x000000);
    FillImage(picture, Bounds(F::kCheckImage.Left, F::kCheckImage.Bottom - 1, 1, 1), 0xFFFFFF);
    FillImage(picture, Bounds(F::kUnCheckImage.Left, F::kUnCheckImage.Bottom - 1, 1, 1), 0xFFFFFF);

    auto& c = Add<TspDataSkinCheckRadioControl>(sd, F::kCheckBox, L"checkradio");
    c.PictureIndex = 0;
    c.SkinRect = F::kCheckRect;
    c.LTPoint = {2, 0};
    c.RTPoint = {38, 0};
    c.ClRect = {2, 0, 38, 20};
    c.ActiveSkinRect = F::kCheckActiveRect;
    c.CheckImageArea = {2, 3, 15, 16};
    c.TextArea = {16, 0, 38, 20};
    c.CheckImageRect = F::kCheckImage;
    c.UnCheckImageRect = F::kUnCheckImage;
    c.Morphing = true;
    c.MorphKind = mkDefault;
}

// The scroll bars' pictures and records (see FixtureSkin), in a picture of their own.
void AddScrollBarRecords(TspSkinData& sd)
{
    const int32_t index = static_cast<int32_t>(sd.FActivePictures.size());
    auto picture = SolidImage(240, 115, 0xFFFFFF);
    // Horizontal at (0, 0) and, with its own track, at (0, 95); vertical at (0, 20).
    for (int32_t top : {0, 95}) {
        FillImage(*picture, {0, top, 17, top + 17}, F::kBarDownButton);
        FillImage(*picture, {17, top, 63, top + 17}, top == 0 ? F::kBarTrack : F::kBarBothTrack);
        FillImage(*picture, {63, top, 80, top + 17}, F::kBarUpButton);
    }
    FillImage(*picture, {0, 20, 17, 37}, F::kBarDownButton);
    FillImage(*picture, {0, 37, 17, 73}, F::kBarTrack);
    FillImage(*picture, {0, 73, 17, 90}, F::kBarUpButton);
    // Hot and pressed buttons (17 x 17) for both kinds.
    FillImage(*picture, {80, 0, 97, 17}, F::kBarHot);
    FillImage(*picture, {97, 0, 114, 17}, F::kBarPressed);
    // Horizontal thumbs 30 x 17 at (150..240, 0), vertical 17 x 30 at (20..71, 40).
    const uint32_t looks[] = {F::kThumbMiddle, F::kThumbHot, F::kThumbDown};
    for (int32_t i = 0; i < 3; ++i) {
        FillImage(*picture, {150 + 30 * i, 0, 180 + 30 * i, 17}, F::kThumbEnd);
        FillImage(*picture, {154 + 30 * i, 0, 176 + 30 * i, 17}, looks[i]);
        FillImage(*picture, {20 + 17 * i, 40, 37 + 17 * i, 70}, F::kThumbEnd);
        FillImage(*picture, {20 + 17 * i, 44, 37 + 17 * i, 66}, looks[i]);
    }
    sd.FActivePicturesNames.Add(L"scrollbars.bmp");
    sd.FActivePictures.push_back(std::move(picture));

    auto bar = [&](const wchar_t* name, bool vertical, int32_t top) {
        auto& r = Add<TspDataSkinScrollBarControl>(sd, name, L"scrollbar");
        r.PictureIndex = index;
        r.StretchEffect = true;
        r.ActiveUpButtonRect = r.ActiveDownButtonRect = {80, 0, 97, 17};
        r.DownUpButtonRect = r.DownDownButtonRect = {97, 0, 114, 17};
        r.ThumbOffset1 = r.ThumbOffset2 = 4;
        r.ThumbStretchEffect = true;
        r.DownButtonRect = {0, 0, 17, 17};
        if (vertical) {
            r.SkinRect = {0, top, 17, top + 70};
            r.LTPoint = {0, 17};
            r.LBPoint = {0, 52};
            r.ClRect = {0, 17, 17, 53};
            r.TrackArea = {0, 17, 17, 53};
            r.UpButtonRect = {0, 53, 17, 70};
            r.ThumbRect = {20, 40, 37, 70};
            r.ActiveThumbRect = {37, 40, 54, 70};
            r.DownThumbRect = {54, 40, 71, 70};
        } else {
            r.SkinRect = {0, top, 80, top + 17};
            r.LTPoint = {17, 0};
            r.RTPoint = {62, 0};
            r.ClRect = {17, 0, 63, 17};
            r.TrackArea = {17, 0, 63, 17};
            r.UpButtonRect = {63, 0, 80, 17};
            r.ThumbRect = {150, 0, 180, 17};
            r.ActiveThumbRect = {180, 0, 210, 17};
            r.DownThumbRect = {210, 0, 240, 17};
        }
    };
    bar(F::kHScrollBar, false, 0);
    bar(F::kVScrollBar, true, 20);
    bar(F::kBothHScrollBar, false, 95);
}

} // namespace

void BuildFixtureSkin(TspSkinData& sd)
{
    sd.ClearAll();
    sd.SkinName = L"Controls fixture";
    sd.SkinAuthor = L"Vantrel tests";

    // Picture 0: every record's looks.
    auto picture = SolidImage(160, 100, 0xFFFFFF);
    FillImage(*picture, F::kButtonRect, F::kButtonEdge);
    FillImage(*picture, {4, 0, 36, 20}, F::kButtonMiddle);
    FillImage(*picture, {40, 0, 80, 20}, 0x4040FF);   // focused
    FillImage(*picture, {80, 0, 120, 20}, 0xA0A0A0);  // disabled
    FillImage(*picture, {0, 20, 40, 40}, 0xFF8000);   // hot
    FillImage(*picture, {40, 20, 80, 40}, 0x804000);  // down
    for (int i = 0; i < 3; ++i)                        // animation frames
        FillImage(*picture, {i * 40, 40, i * 40 + 40, 60}, 0x202020 + 0x303030 * static_cast<uint32_t>(i));
    FillImage(*picture, F::kPanelRect, F::kPanelFrame);
    FillImage(*picture, {4, 64, 36, 96}, F::kPanelClient);
    FillImage(*picture, F::kFixedRect, F::kFixedColour);
    FillImage(*picture, F::kVerticalRect, F::kVerticalEnd);
    FillImage(*picture, {70, 64, 90, 86}, F::kVerticalMiddle);

    // Picture 1: the button's mask (its corners cut) and the fixed record's (a notch).
    auto mask = SolidImage(40, 20, 0x000000);
    for (TRect corner : {TRect{0, 0, 2, 2}, TRect{38, 0, 40, 2}, TRect{0, 18, 2, 20}, TRect{38, 18, 40, 20}})
        FillImage(*mask, corner, 0xFFFFFF);
    // Pictures 2 and 3: the glow around a button and its mask.
    auto glow = SolidImage(48, 28, 0x80C0FF);
    auto glowMask = SolidImage(48, 28, 0x000000);
    FillImage(*glowMask, {4, 4, 44, 24}, 0xFFFFFF);
    auto fixedMask = SolidImage(30, 25, 0x000000);
    FillImage(*fixedMask, {20, 0, 30, 10}, 0xFFFFFF);

    for (const wchar_t* name :
        { L"controls.bmp", L"buttonmask.bmp", L"glow.bmp", L"glowmask.bmp", L"fixedmask.bmp" })
        sd.FActivePicturesNames.Add(name);
    sd.FActivePictures.push_back(std::move(picture));
    sd.FActivePictures.push_back(std::move(mask));
    sd.FActivePictures.push_back(std::move(glow));
    sd.FActivePictures.push_back(std::move(glowMask));
    sd.FActivePictures.push_back(std::move(fixedMask));

    Button(Add<TspDataSkinButtonControl>(sd, F::kButton, L"button"), mkGradient, true);
    Button(Add<TspDataSkinButtonControl>(sd, F::kPushButton, L"button"), mkPush, false);
    Button(Add<TspDataSkinButtonControl>(sd, F::kSlideButton, L"button"), mkLeftSlide, false);

    auto& panel = Add<TspDataSkinPanelControl>(sd, F::kPanel, L"panel");
    Panel(panel, F::kPanelRect);
    panel.LTPoint = {4, 4};
    panel.RTPoint = {36, 4};
    panel.LBPoint = {4, 36};
    panel.RBPoint = {36, 36};
    panel.ClRect = {4, 4, 36, 36};

    auto& fixed = Add<TspDataSkinPanelControl>(sd, F::kFixed, L"panel");
    Panel(fixed, F::kFixedRect);
    fixed.MaskPictureIndex = 4;
    fixed.ClRect = {2, 2, 28, 23};

    auto& vertical = Add<TspDataSkinPanelControl>(sd, F::kVertical, L"panel");
    Panel(vertical, F::kVerticalRect);
    vertical.LTPoint = {0, 4};
    vertical.LBPoint = {0, 26};
    vertical.ClRect = {0, 4, 20, 26};

    auto& bevel = Add<TspDataSkinBevel>(sd, F::kNotCustom, L"bevel");
    bevel.PictureIndex = 0;
    bevel.SkinRect = F::kPanelRect;
    bevel.CursorIndex = 0;
    AddPageControlRecords(sd);
    AddButtonRecords(sd);
    AddCheckLabelRecords(sd);
    AddScrollBarRecords(sd);
    sd.Empty = false;
}

std::wstring WriteFixtureSkin(const std::wstring& folder)
{
    return StoreFixtureSkin(folder, BuildFixtureSkin);
}

} // namespace vt::test
