#include "menu_fixture_skin.h"

#include "fixture_pictures.h"
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"

#include <algorithm>
#include <memory>

namespace vt::test {

namespace {

using F = MenuFixtureSkin;

// The small pictures are 10 high; each has the key colour at its bottom-left pixel.
void DrawCheck(TPixelImage& p, TPoint at, uint32_t rgb)
{
    for (int i = 1; i <= 8; ++i) {
        p.At(at.X + i, at.Y + i) = Px(rgb);
        p.At(at.X + 9 - i, at.Y + i) = Px(rgb);
    }
}

void DrawDot(TPixelImage& p, TPoint at, uint32_t rgb)
{
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            if ((2 * x - 9) * (2 * x - 9) + (2 * y - 9) * (2 * y - 9) <= 36)
                p.At(at.X + x, at.Y + y) = Px(rgb);
}

// A triangle pointing right, 5 wide and 8 high.
void DrawTriangle(TPixelImage& p, TPoint at, uint32_t rgb)
{
    for (int y = 1; y <= 8; ++y)
        for (int x = 0; x <= std::min(y - 1, 8 - y); ++x)
            p.At(at.X + 1 + x, at.Y + y) = Px(rgb);
}

std::unique_ptr<TPixelImage> FramePicture()
{
    auto frame = SolidImage(F::kFrameSize, F::kFrameSize, F::kFrameBorder);
    FillImage(*frame, F::kItemsRect, F::kFrameClient);
    return frame;
}

// Black keeps a pixel in the window's region; white cuts it.
std::unique_ptr<TPixelImage> FrameMask()
{
    const int last = F::kFrameSize - 1;
    auto mask = SolidImage(F::kFrameSize, F::kFrameSize, 0x000000);
    for (int y = 0; y < F::kCornerCut; ++y)
        for (int x = 0; x + y < F::kCornerCut; ++x)
            for (TPoint p : {TPoint{x, y}, TPoint{last - x, y}, TPoint{x, last - y}, TPoint{last - x, last - y}})
                mask->At(p.X, p.Y) = Px(0xFFFFFF);
    return mask;
}

std::unique_ptr<TPixelImage> ItemPicture()
{
    auto item = SolidImage(140, 64, F::kImageKey);
    FillImage(*item, F::kSkinRect, F::kItemNormal);
    FillImage(*item, F::kActiveSkinRect, F::kItemActive);
    FillImage(*item, F::kDividerRect, F::kDivider);
    FillImage(*item, F::kHeaderRect, F::kHeaderColour);
    const TRect& a = F::kAnimateSkinRect;
    const int fh = a.Height() / F::kFrameCount;
    for (int k = 0; k < F::kFrameCount; ++k)
        FillImage(*item, {a.Left, a.Top + k * fh, a.Right, a.Top + (k + 1) * fh}, F::kAnimation[k]);
    auto at = [](const TRect& r) { return TPoint{r.Left, r.Top}; };
    DrawCheck(*item, at(F::kCheckImageRect), F::kCheck);
    DrawCheck(*item, at(F::kActiveCheckImageRect), F::kActiveCheck);
    DrawDot(*item, at(F::kRadioImageRect), F::kRadio);
    DrawDot(*item, at(F::kActiveRadioImageRect), F::kActiveRadio);
    DrawTriangle(*item, at(F::kArrowImageRect), F::kArrow);
    DrawTriangle(*item, at(F::kActiveArrowImageRect), F::kActiveArrow);
    return item;
}

void PopupWindow(TspDataSkinPopupWindow& pw)
{
    const int far = F::kFrameSize - 10;
    pw.WindowPictureIndex = F::kFramePicture;
    pw.MaskPictureIndex = F::kFrameMask;
    pw.LTPoint = {10, 10};
    pw.RTPoint = {far, 10};
    pw.LBPoint = {10, far};
    pw.RBPoint = {far, far};
    pw.ItemsRect = F::kItemsRect;
    pw.ScrollMarkerColor = F::kScrollMarkerColor;
    pw.ScrollMarkerActiveColor = F::kScrollMarkerActiveColor;
    pw.LeftStretch = pw.TopStretch = pw.RightStretch = pw.BottomStretch = true;
    pw.StretchEffect = true;
}

void MenuItem(TspDataSkinMenuItem& mi)
{
    mi.ActivePictureIndex = F::kItemPicture;
    mi.SkinRect = F::kSkinRect;
    mi.ActiveSkinRect = F::kActiveSkinRect;
    mi.DividerRect = F::kDividerRect;
    mi.DividerLO = mi.DividerRO = F::kDividerOffset;
    mi.ItemLO = mi.ItemRO = F::kItemOffset;
    mi.TextRct = F::kTextRct;
    mi.FontName = L"Tahoma";
    mi.FontHeight = 14;
    mi.FontColor = F::kFontColor;
    mi.ActiveFontColor = F::kActiveFontColor;
    mi.UnEnabledFontColor = F::kUnEnabledFontColor;
    mi.StretchEffect = mi.DividerStretchEffect = true;
    mi.Morphing = true;
    mi.MorphKind = mkGradient;
    mi.AnimateSkinRect = F::kAnimateSkinRect;
    mi.FrameCount = F::kFrameCount;
    mi.AnimateInterval = F::kAnimateInterval;
    mi.InActiveTransparent = true;
    mi.CheckImageRect = F::kCheckImageRect;
    mi.ActiveCheckImageRect = F::kActiveCheckImageRect;
    mi.RadioImageRect = F::kRadioImageRect;
    mi.ActiveRadioImageRect = F::kActiveRadioImageRect;
    mi.ArrowImageRect = F::kArrowImageRect;
    mi.ActiveArrowImageRect = F::kActiveArrowImageRect;
}

void Header(TspDataSkinLabelControl& h)
{
    h.PictureIndex = F::kItemPicture;
    h.SkinRect = F::kHeaderRect;
    h.LTPoint = {F::kItemOffset, 0};
    h.RTPoint = {F::kHeaderRect.Width() - F::kItemOffset, 0};
    h.ClRect = {F::kItemOffset, 2, F::kHeaderRect.Width() - F::kItemOffset, F::kHeaderRect.Height() - 2};
    h.StretchEffect = true;
    h.FontName = L"Tahoma";
    h.FontHeight = 13;
    h.FontColor = F::kHeaderFontColor;
}

} // namespace

void BuildMenuFixtureSkin(TspSkinData& sd)
{
    sd.ClearAll();
    sd.SkinName = L"Menus fixture";
    sd.SkinAuthor = L"Vantrel tests";
    sd.SetEnableSkinEffects(true);

    for (const wchar_t* name : {L"menuframe.bmp", L"menuframemask.bmp", L"menuitem.bmp"})
        sd.FActivePicturesNames.Add(name);
    sd.FActivePictures.push_back(FramePicture());
    sd.FActivePictures.push_back(FrameMask());
    sd.FActivePictures.push_back(ItemPicture());

    // A fresh record: nothing of an earlier skin stays behind in keys the fixture leaves alone.
    sd.PopupWindow = std::make_unique<TspDataSkinPopupWindow>();
    PopupWindow(*sd.PopupWindow);

    auto item = std::make_unique<TspDataSkinMenuItem>(L"menuitem");
    item->TypeWord = L"menuitem";
    MenuItem(*item);
    sd.ObjectList.push_back(std::move(item));

    auto header = std::make_unique<TspDataSkinLabelControl>(F::kHeader);
    header->TypeWord = L"label";
    Header(*header);
    sd.CtrlList.push_back(std::move(header));
    sd.Empty = false;
}

std::wstring WriteMenuFixtureSkin(const std::wstring& folder)
{
    return StoreFixtureSkin(folder, BuildMenuFixtureSkin);
}

} // namespace vt::test
