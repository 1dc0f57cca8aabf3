#include "framework/base/exceptions.h"
#include "skin/skin_cursors.h"
#include "skin/skin_data.h"
#include "skin/stored_skin.h"
#include "skin_fixture.h"

#include <gtest/gtest.h>

namespace vt {
namespace {

using test::ScratchDir;

// Forms that log every message they get as "<form>:<message>".
struct Forms : ISkinFormRegistry {
    struct Form final : ISkinMessageSink {
        Forms* owner = nullptr;
        std::string name;
        TComponent* component = nullptr;
        void SendSkinMessage(uint32_t msg, TspSkinData* wParam, intptr_t lParam) override
        {
            EXPECT_EQ(lParam, kSkinMessageLParam);
            owner->log.push_back(name + ":" + std::to_string(msg));
            owner->lastSender = wParam;
        }
    };
    std::vector<std::unique_ptr<Form>> forms;
    std::vector<bool> layerFrame;
    std::vector<std::string> log;
    TspSkinData* lastSender = nullptr;

    Form& Add(const std::string& name, bool isLayerFrame = false, TComponent* component = nullptr)
    {
        forms.push_back(std::make_unique<Form>());
        forms.back()->owner = this;
        forms.back()->name = name;
        forms.back()->component = component;
        layerFrame.push_back(isLayerFrame);
        return *forms.back();
    }
    std::vector<TSkinFormEntry> SkinForms() override
    {
        std::vector<TSkinFormEntry> r;
        for (size_t i = 0; i < forms.size(); ++i)
            r.push_back({forms[i].get(), layerFrame[i]});
        return r;
    }
    ISkinMessageSink* FormSink(TComponent* c) override
    {
        for (auto& f : forms)
            if (f->component == c)
                return f.get();
        return nullptr;
    }
    std::string Messages() const
    {
        std::string s;
        for (const auto& m : log)
            s += (s.empty() ? "" : " ") + m;
        return s;
    }
};

class SkinDataTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        forms.Add("main");
        sd.SetFormRegistry(&forms);
        sd.SetCursorTable(&cursors);
    }
    test::ScopedTestRecords records;
    TspSkinData sd{nullptr};
    Forms forms;
    TSkinCursorNames cursors;
};

// Tests the folder loader: pictures, names, [FORMINFO] with its adjustments, areas, the record
// factory (unknown types skipped, duplicates kept), lookups and the broadcast of one load.
TEST_F(SkinDataTest, LoadsFolderSkin)
{
    ScratchDir dir("sd-folder");
    int loadEvents = 0;
    sd.OnLoadData = [&](TObject*) { ++loadEvents; };
    sd.LoadFromFile(test::WriteTestSkinFolder(dir));

    EXPECT_FALSE(sd.Empty);
    EXPECT_FALSE(sd.ChangeSkinDataProcess);
    EXPECT_EQ(loadEvents, 1);
    EXPECT_EQ(forms.Messages(), "main:1225 main:1226 main:1227");
    EXPECT_EQ(forms.lastSender, &sd);
    EXPECT_EQ(sd.SkinName, L"Testskin");
    EXPECT_EQ(sd.FPicture, test::MakePicture(40, 30, TPixelFormat::pf24bit));
    EXPECT_EQ(sd.FMask.Format, TPixelFormat::pf1bit);
    ASSERT_EQ(sd.FActivePictures.size(), 2u);
    EXPECT_EQ(*sd.FActivePictures[1], test::MakePicture(3, 7, TPixelFormat::pf8bit, 5));
    EXPECT_EQ(sd.ClRect, Rect(2, 29, 194, 144));
    EXPECT_EQ(sd.BorderW, 2);
    EXPECT_EQ(sd.StretchType, spstVert);
    EXPECT_EQ(sd.InActiveEffect, ieInvert);
    EXPECT_EQ(sd.BGPictureIndex, 1);
    EXPECT_EQ(sd.StartCursorIndex, 1);  // 0 in the file: raised to 1
    // A mask is named: an empty mask area becomes the client rectangle, and a hit-test point
    // with a 0 coordinate takes its frame corner (clamped into the client rectangle after).
    EXPECT_EQ(sd.MaskRectArea, sd.ClRect);
    EXPECT_EQ(sd.HitTestLTPoint, Point(10, 20));
    EXPECT_EQ(sd.LTPoint, Point(10, 29));
    EXPECT_EQ(sd.RBPoint, Point(30, 40));

    ASSERT_EQ(sd.AreaList.size(), 1u);
    EXPECT_EQ(sd.AreaList[0]->AreaRect, Rect(1, 2, 3, 4));
    EXPECT_TRUE(sd.AreaList[0]->UseAnchors && sd.AreaList[0]->AnchorTop && sd.AreaList[0]->AnchorBottom);
    EXPECT_FALSE(sd.AreaList[0]->AnchorLeft || sd.AreaList[0]->AnchorRight);

    ASSERT_EQ(sd.ObjectList.size(), 2u);  // "odd:nosuchtype" skipped, the next entry still loads
    EXPECT_EQ(sd.GetIndex(L"bar"), 1);
    auto* item = dynamic_cast<test::TTestRecord*>(sd.ObjectList[0].get());
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->Rect, Rect(1, 2, 3, 4));
    EXPECT_EQ(item->AlphaInits, 1);
    EXPECT_EQ(sd.CtrlList.size(), 3u);
    EXPECT_EQ(sd.GetControlIndex(L"button"), 0);  // two records share the name: the first wins
    EXPECT_EQ(sd.GetControlIndex(L"Button"), -1);
    EXPECT_EQ(sd.GetAreaIndex(L"area1"), 0);
    EXPECT_EQ(sd.GetAreaIndex(L"nothing"), -1);
}

// Tests that a definition without one of the required sections changes nothing and sends nothing.
TEST_F(SkinDataTest, FolderWithoutRequiredSectionIsIgnored)
{
    ScratchDir dir("sd-nosection");
    std::wstring def = test::TestDefinition();
    def.replace(def.find(L"[SKINCONTROLS]"), 14, L"[OTHER]");
    sd.LoadFromFile(test::WriteTestSkinFolder(dir, def));
    EXPECT_TRUE(sd.Empty);
    EXPECT_TRUE(forms.log.empty());
    sd.LoadFromFile(dir.File("no-such-file.ini"));
    EXPECT_TRUE(forms.log.empty());
}

// Tests cursor installation by number, and that build mode installs none and sends nothing.
TEST_F(SkinDataTest, CursorsAndBuildMode)
{
    ScratchDir dir("sd-cursors");
    std::wstring def = test::TestDefinition();
    def.replace(def.find(L"startcursorindex=0\r\ncursorscount=0"), 34,
                L"startcursorindex=5\r\ncursorscount=2\r\n0=a.cur\r\n1=b.cur");
    std::wstring path = test::WriteTestSkinFolder(dir, def);
    sd.LoadFromFile(path);
    ASSERT_EQ(cursors.Files.size(), 2u);
    EXPECT_EQ(cursors.Files[5], dir.File("a.cur"));
    EXPECT_EQ(cursors.Files[6], dir.File("b.cur"));

    TspSkinData build(nullptr);
    TSkinCursorNames none;
    build.SetFormRegistry(&forms);
    build.SetCursorTable(&none);
    build.BuildMode = true;
    forms.log.clear();
    build.LoadFromFile(path);
    EXPECT_FALSE(build.Empty);
    EXPECT_TRUE(none.Files.empty());
    EXPECT_TRUE(forms.log.empty());
}

// Tests the broadcast order: list order by default; the owner first when layered borders are
// off; last to first with layered borders and a layer frame picture; layer-frame windows never.
TEST(SkinDataBroadcast, OrderRules)
{
    TComponent ownerForm(nullptr);
    Forms forms;
    forms.Add("a");
    forms.Add("layer", true);
    forms.Add("owner", false, &ownerForm);
    forms.Add("c");
    auto* sd = new TspSkinData(&ownerForm);
    sd->SetFormRegistry(&forms);

    struct Case {
        bool layered;
        int32_t layerPicture;
        const char* expected;
    };
    const Case cases[] = {
        {true, -1, "a:1225 owner:1225 c:1225"},
        {true, 7, "c:1225 owner:1225 a:1225"},
        {false, 7, "owner:1225 a:1225 c:1225"},
        {false, -1, "owner:1225 a:1225 c:1225"},
    };
    for (const auto& c : cases) {
        sd->SetShowLayeredBorders(c.layered);
        sd->LayerFrame->PictureIndex = c.layerPicture;
        forms.log.clear();
        sd->SendSkinDataMessage(SKINMSG_BEGIN_CHANGE);
        EXPECT_EQ(forms.Messages(), c.expected) << c.layered << " " << c.layerPicture;
    }
    // The owner frees the container; nothing is broadcast on destruction.
    forms.log.clear();
}

// Tests the option broadcasts: only on a change, never while the description is loading, and
// never in build mode.
TEST_F(SkinDataTest, OptionBroadcasts)
{
    sd.SetSkinnableForm(true);  // unchanged
    sd.SetShowLayeredBorders(true);
    sd.SetAeroBlurEnabled(true);
    EXPECT_TRUE(forms.log.empty());
    sd.SetSkinnableForm(false);
    sd.SetShowLayeredBorders(false);
    sd.SetAeroBlurEnabled(false);
    EXPECT_EQ(forms.Messages(), "main:1294 main:1427 main:1428");
    forms.log.clear();
    sd.BeginLoading();
    sd.SetSkinnableForm(true);
    sd.SetShowLayeredBorders(true);
    sd.SetAeroBlurEnabled(true);
    EXPECT_TRUE(forms.log.empty());
    sd.Loaded();
    EXPECT_TRUE(sd.SkinnableForm());
    sd.SetResourceStrData(nullptr);
    EXPECT_EQ(forms.Messages(), "main:1274");
    forms.log.clear();
    sd.BuildMode = true;
    sd.SetSkinnableForm(false);
    EXPECT_TRUE(forms.log.empty());
}

// Tests ClearSkin: all three messages, an empty container, and the cleared lists and names.
TEST_F(SkinDataTest, ClearSkinEmptiesAndBroadcasts)
{
    ScratchDir dir("sd-clear");
    sd.LoadFromFile(test::WriteTestSkinFolder(dir));
    sd.LayerFrame->PictureIndex = 3;
    sd.PopupWindow->WindowPictureIndex = 2;
    forms.log.clear();
    sd.ClearSkin();
    EXPECT_EQ(forms.Messages(), "main:1225 main:1226 main:1227");
    EXPECT_TRUE(sd.Empty);
    EXPECT_TRUE(sd.FPicture.Empty());
    EXPECT_TRUE(sd.FPictureName.empty());
    EXPECT_TRUE(sd.ObjectList.empty() && sd.CtrlList.empty() && sd.AreaList.empty());
    EXPECT_TRUE(sd.FActivePictures.empty());
    EXPECT_EQ(sd.FActivePicturesNames.Count(), 0);
    EXPECT_EQ(sd.LayerFrame->PictureIndex, -1);
    EXPECT_EQ(sd.PopupWindow->WindowPictureIndex, -1);
    EXPECT_EQ(sd.SkinName, L"Testskin");  // [VERSION] strings stay until the next load
}

// Tests that saving writes the sections in order, the [FORMINFO] keys in the writer's order,
// record entries with the most derived type word and each record's own section after its entry
// (a second record of the same name rewrites that section, so it moves to the end).
TEST_F(SkinDataTest, SaveToCustomIniFileOrder)
{
    ScratchDir dir("sd-save");
    sd.LoadFromFile(test::WriteTestSkinFolder(dir));
    TMemIniFile f;
    f.WriteString(L"KEEP", L"me", L"1");
    sd.SaveToCustomIniFile(f);
    TStringList sections;
    f.ReadSections(sections);
    EXPECT_EQ(sections.Text(),
              L"KEEP\r\nVERSION\r\nPICTURES\r\nCURSORS\r\nFORMINFO\r\nPOPUPWINDOW\r\n"
              L"LAYERFRAME\r\nHINTWINDOW\r\nSKINAREAS\r\nSKINCOLORS\r\n"
              L"SKINOBJECTS\r\nitem\r\nbar\r\nSKINCONTROLS\r\ncheckbox\r\nbutton\r\n");
    EXPECT_EQ(f.ReadString(L"SKINOBJECTS", L"1", L""), L"bar:mainmenubaritem");
    EXPECT_EQ(f.ReadString(L"SKINAREAS", L"0", L""), L"area1:1,2,3,4;1,0,1,0,1");
    EXPECT_EQ(f.ReadString(L"FORMINFO", L"inactiveeffect", L""), L"ieinvert");
    TStringList keys;
    f.ReadSection(L"FORMINFO", keys);
    ASSERT_EQ(keys.Count(), 39);
    EXPECT_EQ(keys[0], L"lefttoppoint");
    EXPECT_EQ(keys[7], L"maskrectarea");
    EXPECT_EQ(keys[30], L"cursorindex");
    EXPECT_EQ(keys[38], L"mainmenubartransparent");
}

// Tests GlobalChangeFont: font records take the name and the height correction.
TEST_F(SkinDataTest, GlobalChangeFont)
{
    ScratchDir dir("sd-font");
    sd.LoadFromFile(test::WriteTestSkinFolder(dir));
    sd.GlobalChangeFont(L"Verdana", 2);
    auto* item = dynamic_cast<test::TTestRecord*>(sd.ObjectList[0].get());
    EXPECT_EQ(item->FontName, L"Verdana");
    EXPECT_EQ(item->FontHeight, 15);
    EXPECT_EQ(sd.HintWindow->FontName, L"Verdana");
    EXPECT_EQ(sd.HintWindow->FontHeight, 15);  // 13 for a skin without [HINTWINDOW]
}

// Tests the active picture list operations.
TEST_F(SkinDataTest, AddAndDeleteBitmaps)
{
    ScratchDir dir("sd-bitmaps");
    test::WriteTestSkinFolder(dir);
    sd.AddBitMap(dir.File("act0.bmp"));
    sd.AddBitMap(dir.File("act1.bmp"));
    EXPECT_EQ(sd.FActivePicturesNames.Text(), L"act0.bmp\r\nact1.bmp\r\n");
    sd.DeleteBitMap(0);
    EXPECT_EQ(sd.FActivePicturesNames.Text(), L"act1.bmp\r\n");
    EXPECT_EQ(sd.FActivePictures[0]->Width, 3);
    EXPECT_THROW(sd.DeleteBitMap(5), EListError);
    sd.AddSkinArea(L"z", Rect(1, 1, 2, 2), true, false, false, false, true);
    EXPECT_EQ(sd.GetAreaIndex(L"z"), 0);
}

} // namespace
} // namespace vt
