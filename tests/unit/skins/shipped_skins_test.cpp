// The shipped skins: the default skin's documented facts, the names every skin must share, and
// that every rectangle a record names lies inside the picture it is cut from.
#include "default_frame.h"
#include "framework/base/ini_file.h"
#include "framework/base/string_list.h"
#include "framework/base/strings.h"
#include "skin/form_records.h"
#include "skin/skin_data.h"
#include "skin/skin_inspect.h"
#include "skin/skin_records.h"
#include "support.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <set>

namespace vt {
namespace {

const char* const kSkins[] = {"zozaziz", "carbonel", "velin"};

std::wstring Definition(const std::string& skin) { return test::SourcePath("skins/" + skin + "/skin.ini"); }

// A container loaded from a skin folder without broadcasting.
void LoadSkin(TspSkinData& data, const std::string& skin)
{
    data.BuildMode = true;
    data.LoadFromFile(Definition(skin));
    ASSERT_FALSE(data.Empty) << skin;
}

class ShippedSkins : public ::testing::Test {
protected:
    void Load(const std::string& skin) { LoadSkin(sd, skin); }

    TspSkinData sd{nullptr};
};

TEST_F(ShippedSkins, DefaultSkinHasTheDocumentedGeometryPicturesAndRecords)
{
    Load("zozaziz");
    EXPECT_EQ(sd.SkinName, L"Zozaziz");
    EXPECT_EQ(sd.ClRect, Rect(2, 29, 194, 144));
    EXPECT_EQ(sd.BorderW, 2);
    EXPECT_EQ(sd.HitTestLTPoint, Point(5, 6));
    EXPECT_TRUE(sd.AutoRenderingInActiveImage);
    EXPECT_EQ(sd.InActiveEffect, ieGrayScale);
    EXPECT_EQ(sd.FormMinHeight, 0);

    EXPECT_EQ(sd.FPicture.Width, 196);
    EXPECT_EQ(sd.FPicture.Height, 146);
    EXPECT_EQ(sd.FPicture.Format, TPixelFormat::pf24bit);
    EXPECT_TRUE(sd.FInActivePicture.Empty());
    EXPECT_EQ(sd.FMask.Width, 196);
    EXPECT_EQ(sd.FMask.Height, 146);
    EXPECT_EQ(sd.FMask.Format, TPixelFormat::pf1bit);
    EXPECT_TRUE(sd.FRollUpPicture.Empty());
    EXPECT_TRUE(sd.FRollUpMask.Empty());
    ASSERT_EQ(sd.FActivePictures.size(), 15u);

    EXPECT_EQ(sd.ObjectList.size(), 13u);
    EXPECT_EQ(sd.CtrlList.size(), 70u);
    EXPECT_TRUE(sd.AreaList.empty());
    EXPECT_EQ(sd.GetControlIndex(L"button"), 0);
    EXPECT_EQ(sd.GetControlIndex(L"Button"), -1);
    EXPECT_EQ(sd.GetControlIndex(L"hupdown"), 27);
    EXPECT_EQ(sd.GetIndex(L"MAINMENUITEM"), -1);
    EXPECT_EQ(sd.GetIndex(L"dialogclosebutton"), -1);
    for (const char* name : {"captiontab", "menuitem", "captionmenubutton"})
        EXPECT_GE(sd.GetIndex(Utf8ToWide(name)), 0) << name;
    for (const char* name : {"checkbox", "radiobox", "tab", "combobox", "listbox", "memo", "label", "edit",
                             "hscrollbar", "vscrollbar", "bothhscrollbar", "vupdown", "resizebutton",
                             "resizetoolbutton", "toolbutton", "mainmenubar", "panel"})
        EXPECT_GE(sd.GetControlIndex(Utf8ToWide(name)), 0) << name;
    // Optional looks the engine would prefer over the documented fall-backs are absent.
    for (const char* name : {"officequickbutton", "menuheader", "combobutton", "editbutton"})
        EXPECT_EQ(sd.GetControlIndex(Utf8ToWide(name)), -1) << name;

    // Quoted picture sizes: popup frame, layered frame and its mask, the button mask.
    EXPECT_EQ(sd.FActivePictures[2]->Width, 100);
    EXPECT_EQ(sd.FActivePictures[2]->Height, 100);
    for (int i : {7, 8}) {
        EXPECT_EQ(sd.FActivePictures[i]->Width, 178) << i;
        EXPECT_EQ(sd.FActivePictures[i]->Height, 153) << i;
    }
    EXPECT_EQ(sd.FActivePictures[5]->Width, 86);
    EXPECT_EQ(sd.FActivePictures[5]->Height, 27);
}

TEST_F(ShippedSkins, DefaultSkinHasCloseMaximizeMinimizeAndSystemMenuButtonsButNoRollUp)
{
    TMemIniFile ini(Definition("zozaziz"));
    std::multiset<String> commands;
    int n = ini.ReadInteger(L"SKINOBJECTS", L"count", 0);
    for (int i = 0; i < n; ++i) {
        String entry = ini.ReadString(L"SKINOBJECTS", std::to_wstring(i), L"");
        size_t colon = entry.find(L':');
        ASSERT_NE(colon, String::npos) << i;
        if (entry.substr(colon + 1) == L"stdbutton")
            commands.insert(ini.ReadString(entry.substr(0, colon), L"command", L"cmdefault"));
    }
    EXPECT_EQ(commands, (std::multiset<String>{L"cmclose", L"cmmaximize", L"cmminimize", L"cmsysmenu"}));

    // The same through the loaded records: the maximize button has its restore looks.
    Load("zozaziz");
    std::multiset<int> loaded;
    for (const auto& r : sd.ObjectList)
        if (auto* b = dynamic_cast<TspDataSkinStdButton*>(r.get()); b && r->TypeWord == L"stdbutton") {
            loaded.insert(b->Command);
            EXPECT_TRUE(b->SkinRectInAPicture) << WideToUtf8(r->IDName);
            if (b->Command == cmMaximize) {
                EXPECT_FALSE(b->RestoreRect.IsEmpty());
            }
        }
    EXPECT_EQ(loaded, (std::multiset<int>{cmClose, cmMaximize, cmMinimize, cmSysMenu}));
}

// The definition is the container writer's text: plain ASCII, CR LF after every line, no
// byte-order mark, no negative coordinate in a rectangle or point, and no rightstretch in [tab].
TEST_F(ShippedSkins, DefinitionsAreInWriterForm)
{
    for (const char* skin : kSkins) {
        SCOPED_TRACE(skin);
        std::ifstream in(std::string(VANTREL_SOURCE_DIR) + "/skins/" + skin + "/skin.ini", std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        ASSERT_GT(text.size(), 2u);
        EXPECT_EQ(text.substr(text.size() - 2), "\r\n");
        for (size_t i = 0; i < text.size(); ++i) {
            unsigned char c = static_cast<unsigned char>(text[i]);
            ASSERT_LT(c, 128) << "byte " << i;
            if (c == '\n') {
                ASSERT_TRUE(i > 0 && text[i - 1] == '\r') << "byte " << i;
            }
            if (c == '\r') {
                ASSERT_TRUE(i + 1 < text.size() && text[i + 1] == '\n') << "byte " << i;
            }
        }
        size_t tab = text.find("\r\n[tab]\r\n");
        ASSERT_NE(tab, std::string::npos);
        size_t next = text.find("\r\n[", tab + 2);
        EXPECT_EQ(text.substr(tab, next - tab).find("rightstretch"), std::string::npos);
        TMemIniFile ini(Definition(skin));
        EXPECT_EQ(ini.ReadString(L"captiontab", L"topposition", L""), L"-1");
    }
}

// Loading a skin and saving it again gives its definition back: every key of every record is
// present, in writer form and order. The one difference is [tab], which has no rightstretch
// key and is saved with rightstretch=0.
TEST_F(ShippedSkins, SavingALoadedSkinReproducesItsDefinition)
{
    for (const char* skin : kSkins) {
        SCOPED_TRACE(skin);
        TspSkinData data{nullptr};
        LoadSkin(data, skin);
        TMemIniFile saved;
        data.SaveToCustomIniFile(saved);
        TStringList savedLines, fileLines;
        saved.GetStrings(savedLines);
        fileLines.LoadFromFile(Definition(skin));
        int tab = fileLines.IndexOf(L"[tab]");
        ASSERT_GE(tab, 0);
        int rightStretch = -1;
        for (int i = savedLines.IndexOf(L"[tab]"); i >= 0 && i < savedLines.Count() && rightStretch < 0; ++i)
            if (savedLines[i] == L"rightstretch=0")
                rightStretch = i;
        ASSERT_GT(rightStretch, 0);
        ASSERT_EQ(savedLines.Count(), fileLines.Count() + 1);
        for (int i = 0, j = 0; i < savedLines.Count(); ++i) {
            if (i == rightStretch)
                continue;
            ASSERT_EQ(WideToUtf8(savedLines[i]), WideToUtf8(fileLines[j])) << "line " << j + 1;
            ++j;
        }
    }
}

// Every skin keeps the default skin's record names and order and its frame geometry, so the
// application looks the same elements up whichever skin is loaded.
TEST_F(ShippedSkins, AllSkinsShareRecordNamesAndFrameGeometry)
{
    Load("zozaziz");
    std::vector<String> objects, controls;
    for (const auto& r : sd.ObjectList)
        objects.push_back(r->IDName);
    for (const auto& r : sd.CtrlList)
        controls.push_back(r->IDName);
    for (const char* skin : {"carbonel", "velin"}) {
        SCOPED_TRACE(skin);
        TspSkinData other{nullptr};
        LoadSkin(other, skin);
        EXPECT_EQ(other.ClRect, sd.ClRect);
        EXPECT_EQ(other.BorderW, sd.BorderW);
        EXPECT_EQ(other.FActivePictures.size(), sd.FActivePictures.size());
        std::vector<String> o, c;
        for (const auto& r : other.ObjectList)
            o.push_back(r->IDName);
        for (const auto& r : other.CtrlList)
            c.push_back(r->IDName);
        EXPECT_EQ(o, objects);
        EXPECT_EQ(c, controls);
    }
}

TRect ReadRectOrEmpty(const TMemIniFile& ini, const String& section, const wchar_t* key)
{
    String v = ini.ReadString(section, key, L"0,0,0,0");
    int32_t f[4] = {};
    int k = 0;
    for (wchar_t ch : v) {
        if (ch == L',')
            ++k;
        else if (k < 4 && ch >= L'0' && ch <= L'9')
            f[k] = f[k] * 10 + (ch - L'0');
    }
    return Rect(f[0], f[1], f[2], f[3]);
}

// Keys whose rectangle is cut from the record's picture (not placed relative to the element).
const wchar_t* const kPictureRectKeys[] = {
    L"skinrect", L"activeskinrect", L"inactiveskinrect", L"downrect", L"downskinrect",
    L"disabledskinrect", L"focusedskinrect", L"restorerect", L"restoreactiverect", L"restoredownrect",
    L"dividerrect", L"tabrect", L"activetabrect", L"focustabrect", L"mouseintabrect", L"itemrect",
    L"activeitemrect", L"focusitemrect", L"thumbrect", L"activethumbrect", L"downthumbrect",
    L"activeupbuttonrect", L"downupbuttonrect", L"activedownbuttonrect", L"downdownbuttonrect",
    L"checkimagerect", L"uncheckimagerect", L"activecheckimagerect", L"activeuncheckimagerect",
    L"unenabledcheckimagerect", L"unenableduncheckimagerect", L"grayedcheckimagerect",
    L"activegrayedcheckimagerect", L"activebuttonrect", L"unenabledbuttonrect", L"progressrect",
    L"gripperrect", L"closebuttonrect", L"closebuttonactiverect", L"closebuttondownrect",
    L"fixedcellrect", L"selectcellrect", L"focuscellrect", L"expandimagerect", L"noexpandimagerect",
    L"hrulerrect", L"hthumbrect", L"vrulerrect", L"vthumbrect", L"hgriprect"};

TEST_F(ShippedSkins, EveryPictureRectangleLiesInsideItsPicture)
{
    for (const char* skin : kSkins) {
        SCOPED_TRACE(skin);
        TspSkinData data{nullptr};
        LoadSkin(data, skin);
        TMemIniFile ini(Definition(skin));
        int checked = 0;
        auto check = [&](const String& section, const String& list) {
            bool object = list == L"SKINOBJECTS";
            int index = ini.ReadInteger(section, object ? L"activepictureindex" : L"pictureindex", -1);
            bool inPicture = !object || ini.ReadBool(section, L"skinrectinapicture", false);
            for (const wchar_t* key : kPictureRectKeys) {
                TRect r = ReadRectOrEmpty(ini, section, key);
                if (r.IsEmpty())
                    continue;
                // A caption cut from the frame picture keeps its other looks in the active picture.
                const TPixelImage* pic = nullptr;
                if (String(key) == L"skinrect" && !inPicture)
                    pic = &data.FPicture;
                else if (index >= 0 && index < int(data.FActivePictures.size()))
                    pic = data.FActivePictures[size_t(index)].get();
                ASSERT_NE(pic, nullptr) << WideToUtf8(section) << " " << WideToUtf8(key);
                EXPECT_TRUE(r.Left >= 0 && r.Top >= 0 && r.Right <= pic->Width && r.Bottom <= pic->Height)
                    << WideToUtf8(section) << " " << WideToUtf8(key);
                ++checked;
            }
        };
        for (const wchar_t* list : {L"SKINOBJECTS", L"SKINCONTROLS"}) {
            int n = ini.ReadInteger(list, L"count", 0);
            for (int i = 0; i < n; ++i) {
                String entry = ini.ReadString(list, std::to_wstring(i), L"");
                check(entry.substr(0, entry.find(L':')), list);
            }
        }
        EXPECT_GT(checked, 150);
        // Masks drawn at their own origin must cover the looks they shape.
        auto size = [&](int i) { return Point(data.FActivePictures[size_t(i)]->Width, data.FActivePictures[size_t(i)]->Height); };
        EXPECT_EQ(size(5), Point(86, 27));
        EXPECT_EQ(size(9), Point(35, 21));
        for (int i : {1, 6, 10})
            EXPECT_EQ(size(i), Point(44, 22)) << i;
        TRect quick = ReadRectOrEmpty(ini, L"resizetoolbutton", L"skinrect");
        EXPECT_EQ(size(14), Point(quick.Width(), quick.Height()));
    }
}

// Each skin builds a package that loads back with the same pictures.
TEST_F(ShippedSkins, SkinsPackAndLoadBackUnchanged)
{
    test::ScratchDir dir("shipped-skins");
    for (const char* skin : kSkins) {
        SCOPED_TRACE(skin);
        TspSkinData folder{nullptr};
        LoadSkin(folder, skin);
        std::wstring package = dir.File(std::string(skin) + ".skn");
        std::string out;
        ASSERT_EQ(SkinpackPack(test::SourcePath("skins/" + std::string(skin)), package, out), 0) << out;
        TspSkinData packed{nullptr};
        packed.BuildMode = true;
        packed.LoadFromCompressedFile(package);
        ASSERT_FALSE(packed.Empty);
        EXPECT_EQ(packed.FPicture, folder.FPicture);
        EXPECT_EQ(packed.FMask, folder.FMask);
        ASSERT_EQ(packed.FActivePictures.size(), folder.FActivePictures.size());
        for (size_t i = 0; i < packed.FActivePictures.size(); ++i)
            EXPECT_EQ(*packed.FActivePictures[i], *folder.FActivePictures[i]) << i;
        EXPECT_EQ(packed.CtrlList.size(), folder.CtrlList.size());
        std::string check;
        EXPECT_EQ(SkinpackCheck(package, check), 0) << check;
    }
}

} // namespace

test::TDefaultFrame test::LoadDefaultFrame()
{
    TspSkinData sd{nullptr};
    LoadSkin(sd, "zozaziz");
    return {sd.FPicture, sd.FMask, sd.LTPoint, sd.RTPoint, sd.LBPoint, sd.RBPoint, sd.ClRect,
            sd.LeftStretch, sd.TopStretch, sd.RightStretch, sd.BottomStretch};
}

} // namespace vt
