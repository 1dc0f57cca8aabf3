// The record rules beyond plain key reading: word fallbacks, derived values, alpha images, and the
// shipped default skin's records.
#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vt::test {
namespace {

std::wstring Skin(const std::wstring& objects, const std::wstring& controls,
                  const std::wstring& sections, const std::wstring& pictures = L"")
{
    return L"[VERSION]\r\n[PICTURES]\r\n" + pictures + L"[FORMINFO]\r\n[SKINOBJECTS]\r\n" +
        objects + L"[SKINCONTROLS]\r\n" + controls + sections;
}

class TSkinFolder {
public:
    TSkinFolder() : dir_("records-rules"), data_(nullptr)
    {
        data_.BuildMode = true;
    }
    TspSkinData& Load(const std::wstring& definition)
    {
        TStringList lines;
        lines.SetText(definition);
        lines.SaveToFile(dir_.File("skin.ini"));
        data_.LoadFromFile(dir_.File("skin.ini"));
        return data_;
    }
    const ScratchDir& Dir() const { return dir_; }
    TspSkinData& Data() { return data_; }
    template <class T> T& Object(int i) { return dynamic_cast<T&>(*data_.ObjectList.at(i)); }
    template <class T> T& Control(int i) { return dynamic_cast<T&>(*data_.CtrlList.at(i)); }

private:
    ScratchDir dir_;
    TspSkinData data_;
};

// Tests that the record words read exactly (case-sensitive) and fall back to their documented
// value for any other word.
TEST(RecordRules, EnumerationWordsFallBackOnAnyOtherWord)
{
    TSkinFolder f;
    f.Load(Skin(
        L"count=6\r\n0=a:stdbutton\r\n1=b:stdbutton\r\n2=c:gauge\r\n3=d:frameregulator\r\n"
        L"4=e:frameregulator\r\n5=f:framegauge\r\n",
        L"count=1\r\n0=g:frameregulator\r\n",
        L"[a]\r\ncommand=cmMaximize\r\n[b]\r\ncommand=cmsysmenu\r\n[c]\r\nkind=GKHORIZONTAL\r\n"
        L"[d]\r\nkind=rkhorizontal\r\n[e]\r\nkind=round\r\n[f]\r\nframesplacement=\r\n"
        L"[g]\r\nkind=rkround\r\nframesplacement=fphorizontal\r\n"));
    EXPECT_EQ(f.Object<TspDataSkinStdButton>(0).Command, cmMinimizeToTray);
    EXPECT_EQ(f.Object<TspDataSkinStdButton>(1).Command, cmSysMenu);
    EXPECT_EQ(f.Object<TspDataSkinGauge>(2).Kind, gkVertical);
    EXPECT_EQ(f.Object<TspDataSkinFrameRegulatorObject>(3).Kind, rkHorizontal);
    EXPECT_EQ(f.Object<TspDataSkinFrameRegulatorObject>(4).Kind, rkVertical);
    EXPECT_EQ(f.Object<TspDataSkinFrameGaugeObject>(5).FramesPlacement, fpVertical);
    EXPECT_EQ(f.Control<TspDataSkinFrameRegulator>(0).Kind, rkRound);
    EXPECT_EQ(f.Control<TspDataSkinFrameRegulator>(0).FramesPlacement, fpHorizontal);
}

// Tests the restore hint a standard button or animation derives from its hint and command.
TEST(RecordRules, RestoreHintFollowsHintAndCommand)
{
    struct Case {
        const wchar_t* type;
        const wchar_t* keys;
        const wchar_t* restoreHint;
    } cases[] = {
        {L"stdbutton", L"hint=Maximize\r\ncommand=cmmaximize\r\n", L"Restore"},
        {L"stdbutton", L"hint=Minimize\r\ncommand=cmminimize\r\n", L"Restore"},
        {L"stdbutton", L"hint=Roll Up\r\ncommand=cmrollup\r\n", L"Restore"},
        {L"stdbutton", L"hint=RollUp\r\ncommand=cmrollup\r\n", L"Restore"},
        {L"animate", L"hint=Maximize\r\ncommand=cmmaximize\r\n", L"Restore"},
        {L"stdbutton", L"hint=Maximize\r\ncommand=cmclose\r\n", L""},
        {L"stdbutton", L"hint=maximize\r\ncommand=cmmaximize\r\n", L""},
        {L"stdbutton", L"hint=Maximize\r\ncommand=cmmaximize\r\nrestorehint=Back\r\n", L"Back"},
        {L"mainmenubarbutton", L"hint=Minimize\r\ncommand=cmminimize\r\n", L"Restore"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.keys)));
        TSkinFolder f;
        auto& r = *f.Load(Skin(L"count=1\r\n0=x:" + std::wstring(c.type) + L"\r\n", L"",
                               L"[x]\r\n" + std::wstring(c.keys)))
                       .ObjectList.at(0);
        if (auto* b = dynamic_cast<TspDataSkinStdButton*>(&r)) {
            EXPECT_EQ(b->RestoreHint, c.restoreHint);
        } else {
            EXPECT_EQ(dynamic_cast<TspDataSkinAnimate&>(r).RestoreHint, c.restoreHint);
        }
    }
}

// Tests the values records derive or overrule after reading: the menu item's active state images,
// the user object's three keys, the frame count floor (regulators too), signed integers.
TEST(RecordRules, DerivedValuesAfterReading)
{
    TSkinFolder f;
    f.Load(Skin(L"count=3\r\n0=m:menuitem\r\n1=u:userobject\r\n2=t:captiontab\r\n",
                L"count=4\r\n0=a:animate\r\n1=b:switch\r\n2=h:updown\r\n3=r:frameregulator\r\n",
                L"[m]\r\ncheckimagerect=1,2,3,4\r\nactivecheckimagerect=0,0,0,0\r\n"
                L"radioimagerect=5,6,7,8\r\n"
                L"activeradioimagerect=9,9,20,20\r\narrowimagerect=1,1,2,2\r\n"
                L"[u]\r\nactiveskinrect=1,2,3,4\r\nhint=x\r\nskinrect=5,6,7,8\r\nrollup=1\r\n"
                L"[t]\r\ntopposition=-1\r\n"
                L"[a]\r\nframescount=0\r\n[b]\r\nframescount=-4\r\n[r]\r\nframescount=-5\r\n"
                L"[h]\r\nclientrect=1,2,30,40\r\nlefttoppoint=3,4\r\nskinrect=1,1,9,9\r\n"));
    auto& m = f.Object<TspDataSkinMenuItem>(0);
    EXPECT_EQ(m.ActiveCheckImageRect, Rect(1, 2, 3, 4));
    EXPECT_EQ(m.ActiveRadioImageRect, Rect(9, 9, 20, 20));
    EXPECT_EQ(m.ActiveArrowImageRect, Rect(1, 1, 2, 2));
    auto& u = f.Object<TspDataUserObject>(1);
    EXPECT_EQ(u.ActiveSkinRect, TRect{});
    EXPECT_EQ(u.Hint, L"");
    EXPECT_EQ(u.SkinRect, Rect(5, 6, 7, 8));
    EXPECT_TRUE(u.RollUp);
    EXPECT_EQ(f.Object<TspDataSkinCaptionTab>(2).TopPosition, -1);
    EXPECT_EQ(f.Control<TspDataSkinFrameControl>(0).FramesCount, 1);
    EXPECT_EQ(f.Control<TspDataSkinFrameControl>(1).FramesCount, 1);
    EXPECT_EQ(f.Control<TspDataSkinFrameRegulator>(3).FramesCount, 1);
    auto& h = f.Control<TspDataSkinUpDownControl>(2);
    EXPECT_EQ(h.ClRect, TRect{});
    EXPECT_EQ(h.LTPoint, TPoint{});
    EXPECT_EQ(h.SkinRect, Rect(1, 1, 9, 9));
}

// Tests that a malformed rectangle in a record aborts the load with the conversion error and
// leaves the container empty.
TEST(RecordRules, MalformedRectangleAbortsTheLoad)
{
    TSkinFolder f;
    EXPECT_THROW(f.Load(Skin(L"count=1\r\n0=c:caption\r\n", L"", L"[c]\r\ntextrect=1,2\r\n")),
                 EConvertError);
    EXPECT_THROW(f.Load(Skin(L"", L"count=1\r\n0=b:button\r\n", L"[b]\r\nskinrect=\r\n")),
                 EConvertError);
    EXPECT_THROW(f.Load(Skin(L"", L"count=1\r\n0=p:panel\r\n", L"[p]\r\nlefttoppoint=x,1\r\n")),
                 EConvertError);
}

// A 6 x 4 picture with a distinct colour per pixel and a grey mask of the same size.
TPixelImage Picture()
{
    TPixelImage p;
    p.Width = 6;
    p.Height = 4;
    p.Pixels.resize(24);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 6; ++x)
            p.At(x, y) = {uint8_t(10 * x + 5), uint8_t(40 * y + 3), 200, 255};
    return p;
}

TPixelImage Mask(int w, int h)
{
    TPixelImage m;
    m.Width = w;
    m.Height = h;
    m.Pixels.resize(size_t(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            m.At(x, y) = {uint8_t(50 * x), uint8_t(50 * x + 1), uint8_t(60 * y), 255};
    return m;
}

std::wstring WithPictures(TSkinFolder& f)
{
    SaveBitmapToFile(f.Dir().File("pic.bmp"), Picture());
    SaveBitmapToFile(f.Dir().File("mask.bmp"), Mask(6, 4));
    SaveBitmapToFile(f.Dir().File("small.bmp"), Mask(2, 1));
    return L"activepicturescount=3\r\n0=pic.bmp\r\n1=mask.bmp\r\n2=small.bmp\r\n";
}

// Tests the alpha images of the button family: the rectangle's colours, the alpha from the mask's
// mean drawn at the image's origin and premultiplied; opaque without a usable mask; absent for an
// empty rectangle or a missing picture.
TEST(RecordRules, AlphaImagesTakeTheirAlphaFromTheMask)
{
    TSkinFolder f;
    const std::wstring pictures = WithPictures(f);
    f.Load(
        Skin(L"count=2\r\n0=m:captionmenubutton\r\n1=n:captionmenubutton\r\n", L"",
             L"[m]\r\nactivepictureindex=0\r\nskinrect=1,1,4,3\r\nalphamaskpictureindex=1\r\n"
             L"activeskinrect=0,0,2,2\r\nalphamaskactivepictureindex=-1\r\n"
             L"downrect=2,0,5,2\r\nalphamaskinactivepictureindex=2\r\ninactiveskinrect=2,2,2,3\r\n"
             L"[n]\r\nactivepictureindex=3\r\nskinrect=1,1,4,3\r\n",
             pictures));
    auto& m = f.Object<TspDataSkinCaptionMenuButton>(0);
    ASSERT_TRUE(m.FAlphaNormalImage);
    ASSERT_EQ(m.FAlphaNormalImage->Width(), 3);
    ASSERT_EQ(m.FAlphaNormalImage->Height(), 2);
    const TPixelImage pic = Picture(), mask = Mask(6, 4);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x) {
            const TPixel& s = pic.At(1 + x, 1 + y);
            const TPixel& k = mask.At(x, y);
            const int a = (k.R + k.G + k.B + 1) / 3;
            auto pre = [&](int c) { return int(std::lround(a * c / 255.0)); };
            EXPECT_EQ(m.FAlphaNormalImage->GetPixel(x, y),
                      MakePixel(pre(s.R), pre(s.G), pre(s.B), a))
                << x << "," << y;
        }
    ASSERT_TRUE(m.FAlphaActiveImage);
    EXPECT_EQ(m.FAlphaActiveImage->GetPixel(1, 1), MakePixel(200, 43, 15, 255));
    // The down image uses the active mask (none here): opaque.
    ASSERT_TRUE(m.FAlphaDownImage);
    EXPECT_EQ(PixelA(m.FAlphaDownImage->GetPixel(2, 1)), 255);
    EXPECT_FALSE(m.FAlphaInActiveImage);
    auto& n = f.Object<TspDataSkinCaptionMenuButton>(1);
    EXPECT_FALSE(n.FAlphaNormalImage);
}

// Tests that an image rectangle too large for a bitmap fails the load with a clear error instead
// of allocating it, and leaves the container empty.
TEST(RecordRules, HugeImageRectangleFailsTheLoad)
{
    TSkinFolder f;
    const std::wstring pictures = WithPictures(f);
    EXPECT_THROW(
        f.Load(Skin(L"count=1\r\n0=m:captionmenubutton\r\n", L"",
                    L"[m]\r\nactivepictureindex=0\r\nskinrect=0,0,2000000000,2000000000\r\n",
                    pictures)),
        EOutOfResources);
    EXPECT_THROW(f.Load(Skin(L"count=1\r\n0=m:captionmenubutton\r\n", L"",
                             L"[m]\r\nactivepictureindex=0\r\nskinrect=0,0,40000,2\r\n", pictures)),
                 EOutOfResources);
    EXPECT_TRUE(f.Data().Empty);
    EXPECT_TRUE(f.Data().ObjectList.empty());
}

// Tests that pixels beyond a mask smaller than the image are transparent, and that the caption
// tab takes the inactive mask for its normal image and the plain mask for the selected one.
TEST(RecordRules, CaptionTabMasksAndSmallMasks)
{
    TSkinFolder f;
    const std::wstring pictures = WithPictures(f);
    f.Load(Skin(L"count=1\r\n0=t:captiontab\r\n", L"",
                L"[t]\r\nactivepictureindex=0\r\nskinrect=0,0,3,2\r\ndownrect=0,0,3,2\r\n"
                L"alphamaskpictureindex=1\r\nalphamaskinactivepictureindex=2\r\ninactiveskinrect=0,"
                L"0,3,2\r\n",
                pictures));
    auto& t = f.Object<TspDataSkinCaptionTab>(0);
    ASSERT_TRUE(t.FAlphaNormalImage && t.FAlphaDownImage);
    EXPECT_EQ(PixelA(t.FAlphaNormalImage->GetPixel(1, 0)), (50 + 51 + 0 + 1) / 3);
    EXPECT_EQ(t.FAlphaNormalImage->GetPixel(2, 0), 0u);
    EXPECT_EQ(t.FAlphaNormalImage->GetPixel(0, 1), 0u);
    EXPECT_EQ(PixelA(t.FAlphaDownImage->GetPixel(0, 1)), 20);
    EXPECT_FALSE(t.FAlphaInActiveImage);
}

// Tests that buttons carry alpha images only on a full-border layered frame, and that the layer
// frame builds its masked pictures.
TEST(RecordRules, ButtonImagesFollowTheLayerFrame)
{
    for (bool fullBorder : {false, true}) {
        SCOPED_TRACE(fullBorder);
        TSkinFolder f;
        const std::wstring pictures = WithPictures(f);
        f.Load(
            Skin(L"count=2\r\n0=s:stdbutton\r\n1=b:button\r\n", L"",
                 L"[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=1\r\nfullborder=" +
                     std::wstring(fullBorder ? L"1" : L"0") +
                     L"\r\ninactivepictureindex=0\r\n"
                     L"[s]\r\nactivepictureindex=0\r\nskinrect=0,0,2,2\r\nrestorerect=1,1,3,3\r\n"
                     L"[b]\r\nactivepictureindex=0\r\nskinrect=0,0,2,2\r\n",
                 pictures));
        auto& s = f.Object<TspDataSkinStdButton>(0);
        EXPECT_EQ(bool(s.FAlphaNormalImage), fullBorder);
        EXPECT_EQ(bool(s.FAlphaRestoreNormalImage), fullBorder);
        EXPECT_EQ(bool(f.Object<TspDataSkinButton>(1).FAlphaNormalImage), fullBorder);
    }
    TSkinFolder f;
    const std::wstring pictures = WithPictures(f);
    TspSkinData& d = f.Load(
        Skin(L"", L"", L"[LAYERFRAME]\r\npictureindex=0\r\nmaskpictureindex=1\r\n", pictures));
    auto& layer = *d.LayerFrame;
    ASSERT_TRUE(layer.FSourceBitmap);
    EXPECT_EQ(layer.FSourceBitmap->Width(), 6);
    EXPECT_EQ(PixelA(layer.FSourceBitmap->GetPixel(2, 1)), (100 + 101 + 60 + 1) / 3);
    EXPECT_EQ(PixelR(layer.FSourceBitmap->GetPixel(2, 1)), 200);  // straight, not premultiplied
    EXPECT_TRUE(layer.FSourceBitmap->FAlphaBlend);
    EXPECT_FALSE(layer.FSourceInActiveBitMap);
    d.ClearSkin();
    EXPECT_FALSE(layer.FSourceBitmap);
}

// Tests documented facts of the shipped default skin's records.
TEST(RecordRules, DefaultSkinRecords)
{
    TspSkinData d(nullptr);
    d.BuildMode = true;
    d.LoadFromFile(SourcePath("skins/zozaziz/skin.ini"));
    ASSERT_FALSE(d.Empty);
    auto& menuButton = dynamic_cast<TspDataSkinCaptionMenuButton&>(
        *d.ObjectList.at(d.GetIndex(L"captionmenubutton")));
    EXPECT_EQ(menuButton.LeftOffset, 10);
    EXPECT_EQ(menuButton.RightOffset, 15);
    EXPECT_EQ(menuButton.TopPosition, 1);
    EXPECT_EQ(menuButton.ClRect, Rect(4, 2, 22, 17));
    EXPECT_EQ(menuButton.AlphaMaskPictureIndex, 9);
    EXPECT_EQ(menuButton.AlphaMaskActivePictureIndex, 9);
    EXPECT_EQ(menuButton.AlphaMaskInActivePictureIndex, 9);
    for (auto* image : {&menuButton.FAlphaNormalImage, &menuButton.FAlphaActiveImage,
                        &menuButton.FAlphaDownImage, &menuButton.FAlphaInActiveImage}) {
        ASSERT_TRUE(*image);
        EXPECT_EQ((*image)->Width(), 35);
        EXPECT_EQ((*image)->Height(), 21);
    }
    EXPECT_EQ(dynamic_cast<TspDataSkinCaptionTab&>(*d.ObjectList.at(d.GetIndex(L"captiontab")))
                  .TopPosition,
              -1);
    EXPECT_FALSE(d.LayerFrame->FullBorder);
    for (auto& r : d.ObjectList) {
        if (auto* b = dynamic_cast<TspDataSkinStdButton*>(r.get())) {
            EXPECT_FALSE(b->FAlphaNormalImage);
        }
    }
    auto& button =
        dynamic_cast<TspDataSkinButtonControl&>(*d.CtrlList.at(d.GetControlIndex(L"button")));
    EXPECT_EQ(button.PictureIndex, 4);
    EXPECT_EQ(button.MaskPictureIndex, 5);
    EXPECT_EQ(button.SkinRect, Rect(3, 352, 89, 379));
    EXPECT_EQ(button.ClRect, Rect(4, 4, 81, 22));
    EXPECT_EQ(button.DisabledFontColor, 12500670);
    EXPECT_EQ(button.AnimateInterval, 20);
    EXPECT_TRUE(button.FocusedSkinRect.IsEmpty());
    auto& tab = dynamic_cast<TspDataSkinTabControl&>(*d.CtrlList.at(d.GetControlIndex(L"tab")));
    EXPECT_FALSE(tab.RightStretch);
    EXPECT_EQ(d.GetControlIndex(tab.UpDown), d.GetControlIndex(L"hupdown"));
    EXPECT_NE(d.GetControlIndex(L"hupdown"), -1);
    TMemIniFile out;
    d.SaveToCustomIniFile(out);
    EXPECT_EQ(out.ReadString(L"tab", L"rightstretch", L"<missing>"), L"0");
}

// Tests that each shipped skin's definition is written back section for section, key for key, as
// it stands; only the tab record gains the right-stretch key the definitions leave out.
TEST(RecordRules, ShippedSkinsSaveBackAsWritten)
{
    for (const char* name : {"zozaziz", "carbonel", "velin"}) {
        SCOPED_TRACE(name);
        const std::wstring file = SourcePath(std::string("skins/") + name + "/skin.ini");
        TspSkinData d(nullptr);
        d.BuildMode = true;
        d.LoadFromFile(file);
        ASSERT_FALSE(d.Empty);
        TMemIniFile original(file), saved;
        d.SaveToCustomIniFile(saved);
        TStringList sections;
        original.ReadSections(sections);
        for (const String& section : sections) {
            SCOPED_TRACE(testing::PrintToString(section));
            TStringList keys, savedKeys;
            original.ReadSection(section, keys);
            saved.ReadSection(section, savedKeys);
            if (section == L"tab") {
                ASSERT_EQ(keys.IndexOf(L"rightstretch"), -1);
                keys.Insert(keys.IndexOf(L"topstretch") + 1, L"rightstretch");
            }
            ASSERT_EQ(savedKeys.Text(), keys.Text());
            for (const String& key : keys)
                EXPECT_EQ(saved.ReadString(section, key, L"<missing>"),
                          original.ReadString(section, key, L"0")) << testing::PrintToString(key);
        }
    }
}

} // namespace
} // namespace vt::test
