// Small skins for the tests: pictures, a definition, a folder and package bytes built in memory.
#pragma once

#include "framework/base/ini_file.h"
#include "framework/base/streams.h"
#include "framework/base/string_list.h"
#include "skin/bmp_codec.h"
#include "skin/skin_data.h"
#include "skin/skin_forms.h"
#include "skin/skin_records.h"
#include "skin/zlib_streams.h"
#include "support.h"

#include <cstring>
#include <string>
#include <vector>

namespace vt::test {

inline TPixelImage MakePicture(int w, int h, TPixelFormat format, uint8_t seed = 0)
{
    TPixelImage p;
    p.Width = w;
    p.Height = h;
    p.Format = format;
    p.Pixels.resize(static_cast<size_t>(w) * h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            TPixel& px = p.At(x, y);
            int bits = static_cast<int>(format);
            if (bits <= 8) {
                int levels = 1 << bits;
                uint8_t v = static_cast<uint8_t>((x * 3 + y + seed) % levels * 255 / (levels - 1));
                px = {v, uint8_t(255 - v), v, 255};
            } else {
                px = {uint8_t(x * 7 + seed), uint8_t(y * 13), uint8_t(x ^ y ^ seed),
                      uint8_t(format == TPixelFormat::pf32bit ? (x * y) & 0xFF : 255)};
            }
        }
    return p;
}

inline std::vector<uint8_t> BitmapBytes(const TPixelImage& p)
{
    TMemoryStream m;
    WriteBitmap(m, p);
    return m.TakeBytes();
}

// A record that keeps one rectangle and one string: enough for the container's lists.
class TTestRecord : public TspSkinRecord {
public:
    using TspSkinRecord::TspSkinRecord;
    void LoadFromFile(TMemIniFile& f) override
    {
        Rect = StrToRect(f.ReadString(IDName, L"skinrect", L"0,0,0,0"));
        FontName = f.ReadString(IDName, L"fontname", L"");
        FontHeight = f.ReadInteger(IDName, L"fontheight", 0);
        ++Loads;
    }
    void SaveToFile(TMemIniFile& f) override
    {
        f.EraseSection(IDName);
        f.WriteString(IDName, L"skinrect", RectToStr(Rect));
        f.WriteString(IDName, L"fontname", FontName);
        f.WriteInteger(IDName, L"fontheight", FontHeight);
    }
    void InitAlphaImages(TspSkinData&) override { ++AlphaInits; }
    void ChangeFont(const String& name, int32_t correction) override
    {
        FontName = name;
        FontHeight += correction;
    }
    TRect Rect;
    String FontName;
    int32_t FontHeight = 0;
    int Loads = 0;
    int AlphaInits = 0;
};
class TTestMenuItem : public TTestRecord {
    using TTestRecord::TTestRecord;
};
class TTestMainMenuItem : public TTestRecord {
    using TTestRecord::TTestRecord;
};
class TTestMainMenuBarItem : public TTestMainMenuItem {
    using TTestMainMenuItem::TTestMainMenuItem;
};

// Gives a few type words the test record class for the life of the object, then puts back the
// rows it replaced (the real record classes share the table within this test program).
class ScopedTestRecords {
public:
    ScopedTestRecords()
    {
        Use(TspRecordList::rlObjects, RecordType<TTestMenuItem>(L"menuitem"));
        Use(TspRecordList::rlObjects, RecordType<TTestMainMenuItem>(L"mainmenuitem"));
        Use(TspRecordList::rlObjects, RecordType<TTestMainMenuBarItem>(L"mainmenubaritem"));
        Use(TspRecordList::rlControls, RecordType<TTestRecord>(L"button"));
        Use(TspRecordList::rlControls, RecordType<TTestRecord>(L"checkradio"));
    }
    ~ScopedTestRecords()
    {
        for (auto& [list, row] : saved_)
            RegisterRecordType(list, row);
    }
    ScopedTestRecords(const ScopedTestRecords&) = delete;
    ScopedTestRecords& operator=(const ScopedTestRecords&) = delete;

private:
    void Use(TspRecordList list, TspRecordType row)
    {
        if (const TspRecordType* old = FindRecordType(list, row.Word))
            saved_.emplace_back(list, *old);
        RegisterRecordType(list, std::move(row));
    }
    std::vector<std::pair<TspRecordList, TspRecordType>> saved_;
};

// The definition of the test skin: every section the loaders need, a few records and areas.
inline std::wstring TestDefinition()
{
    return L"[VERSION]\r\nver=2\r\nskinname=Testskin\r\nskinauthor=Team\r\n"
           L"[PICTURES]\r\npicture=main.bmp\r\ninactivepicture=\r\nmask=mask.bmp\r\n"
           L"rolluppicture=\r\nrollupmask=\r\nactivepicturescount=2\r\n0=act0.bmp\r\n1=act1.bmp\r\n"
           L"[CURSORS]\r\nstartcursorindex=0\r\ncursorscount=0\r\n"
           L"[FORMINFO]\r\nlefttoppoint=10,20\r\nrighttoppoint=30,20\r\nleftbottompoint=10,40\r\n"
           L"rightbottompoint=30,40\r\nclientrect=2,29,194,144\r\nborderwidth=2\r\n"
           L"stretchtype=stvert\r\ninactiveeffect=ieinvert\r\nbgpictureindex=1\r\n"
           L"hittestlefttoppoint=0,5\r\nmaskrectarea=0,0,0,0\r\nstatusbarname=status\r\n"
           L"[SKINAREAS]\r\ncount=1\r\n0=area1:1,2,3,4;1,0,1,0,1\r\n"
           L"[SKINOBJECTS]\r\ncount=3\r\n0=item:menuitem\r\n1=odd:nosuchtype\r\n2=bar:mainmenubaritem\r\n"
           L"[item]\r\nskinrect=1,2,3,4\r\nfontname=Tahoma\r\nfontheight=13\r\n"
           L"[bar]\r\nskinrect=5,6,7,8\r\n"
           L"[SKINCONTROLS]\r\ncount=3\r\n0=button:button\r\n1=checkbox:checkradio\r\n2=button:checkradio\r\n"
           L"[button]\r\nskinrect=9,9,9,9\r\n";
}

// Writes the test skin's folder and returns the definition file's path.
inline std::wstring WriteTestSkinFolder(const ScratchDir& dir, const std::wstring& definition = TestDefinition())
{
    SaveBitmapToFile(dir.File("main.bmp"), MakePicture(40, 30, TPixelFormat::pf24bit));
    SaveBitmapToFile(dir.File("mask.bmp"), MakePicture(40, 30, TPixelFormat::pf1bit));
    SaveBitmapToFile(dir.File("act0.bmp"), MakePicture(9, 5, TPixelFormat::pf32bit, 3));
    SaveBitmapToFile(dir.File("act1.bmp"), MakePicture(3, 7, TPixelFormat::pf8bit, 5));
    TStringList lines;
    lines.SetText(definition);
    lines.SaveToFile(dir.File("skin.ini"));
    return dir.File("skin.ini");
}

// A form list of one window that records the skin messages it is sent.
struct SkinMessageLog : ISkinFormRegistry, ISkinMessageSink {
    std::vector<uint32_t> messages;
    void SendSkinMessage(uint32_t msg, TspSkinData*, intptr_t) override { messages.push_back(msg); }
    std::vector<TSkinFormEntry> SkinForms() override { return {{this, false}}; }
    ISkinMessageSink* FormSink(TComponent*) override { return nullptr; }
};

// Little-endian helpers for hand-built package bytes.
inline void Put32(std::vector<uint8_t>& v, int32_t x)
{
    for (int i = 0; i < 4; ++i)
        v.push_back(static_cast<uint8_t>(static_cast<uint32_t>(x) >> (8 * i)));
}

inline std::vector<uint8_t> Deflate(const std::vector<uint8_t>& body)
{
    TMemoryStream m;
    CompressBytes(body.data(), body.size(), m);
    return m.TakeBytes();
}

inline std::vector<uint8_t> PackageFile(const std::vector<uint8_t>& zlibBytes, int32_t version = 2)
{
    std::vector<uint8_t> f;
    Put32(f, version);
    Put32(f, static_cast<int32_t>(zlibBytes.size()));
    f.insert(f.end(), zlibBytes.begin(), zlibBytes.end());
    return f;
}

// A body: version, five slots (empty unless given), active pictures, definition text.
inline std::vector<uint8_t> Body(int32_t version, const std::vector<uint8_t>& mainBmp,
                                 const std::vector<std::vector<uint8_t>>& active, const std::string& text)
{
    std::vector<uint8_t> b;
    Put32(b, version);
    auto slot = [&](const std::vector<uint8_t>& bmp) {
        b.push_back(bmp.empty() ? 1 : 0);
        b.insert(b.end(), bmp.begin(), bmp.end());
    };
    slot(mainBmp);
    if (version == 2 || version == 3)
        slot({});
    slot({});
    if (version == 1 || version == 2) {
        slot({});
        slot({});
    }
    Put32(b, static_cast<int32_t>(active.size()));
    for (const auto& a : active)
        b.insert(b.end(), a.begin(), a.end());
    b.insert(b.end(), text.begin(), text.end());
    return b;
}

inline std::string MinimalDefinitionText()
{
    return "[VERSION]\r\nskinname=Tiny\r\n[PICTURES]\r\n[FORMINFO]\r\nclientrect=1,2,3,4\r\n"
           "[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n";
}

} // namespace vt::test
