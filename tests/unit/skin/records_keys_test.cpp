// Loading and saving every record class through the container: keys, defaults, order, type words
// and the global font change.
#include "record_key_table.h"
#include "skin/skin_data.h"
#include "support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cwchar>
#include <set>
#include <utility>

namespace vt::test {
namespace {

using TKeyValues = std::vector<std::pair<String, String>>;

// A definition with one record of the given type named "rec", whose section holds body.
std::wstring Definition(const TRecordCase& c, const std::wstring& body)
{
    const std::wstring entry = L"count=1\r\n0=rec:" + std::wstring(c.Type) + L"\r\n";
    const bool objects = c.List == TspRecordList::rlObjects;
    return L"[VERSION]\r\nskinname=Keys\r\n[PICTURES]\r\n[FORMINFO]\r\n"
           L"[SKINOBJECTS]\r\n" + (objects ? entry : L"count=0\r\n") +
           L"[SKINCONTROLS]\r\n" + (objects ? L"count=0\r\n" : entry) + L"[rec]\r\n" + body;
}

class TLoadedSkin {
public:
    explicit TLoadedSkin(const std::wstring& definition) : dir_("records-keys"), data_(nullptr)
    {
        data_.BuildMode = true;
        TStringList lines;
        lines.SetText(definition);
        lines.SaveToFile(dir_.File("skin.ini"));
        data_.LoadFromFile(dir_.File("skin.ini"));
    }
    TspSkinData& Data() { return data_; }
    TspSkinRecord& Record(TspRecordList list)
    {
        auto& l = list == TspRecordList::rlObjects ? data_.ObjectList : data_.CtrlList;
        EXPECT_EQ(l.size(), 1u);
        return *l.at(0);
    }
    TMemIniFile Saved()
    {
        TMemIniFile out;
        data_.SaveToCustomIniFile(out);
        return out;
    }

private:
    ScratchDir dir_;
    TspSkinData data_;
};

TKeyValues SectionValues(const TMemIniFile& f, const std::wstring& section)
{
    TStringList keys;
    f.ReadSection(section, keys);
    TKeyValues kv;
    for (const String& k : keys)
        kv.emplace_back(k, f.ReadString(section, k, L"<missing>"));
    return kv;
}

std::vector<const TKeyRow*> Rows(const TRecordCase& c)
{
    std::vector<const TKeyRow*> rows;
    for (auto table : c.Tables)
        for (const TKeyRow& r : table)
            rows.push_back(&r);
    return rows;
}

// A value unlike every default, distinct per row where the syntax allows.
String NonDefault(TSyntax s, int n)
{
    switch (s) {
    case kString: return L"Text" + IntToStr(n);
    case kInteger:
    case kColour: return IntToStr(1000 + n);
    case kBoolean: return L"1";
    case kRect: return RectToStr({n + 1, n + 2, n + 3, n + 4});
    case kPoint: return PointToStr({n + 1, n + 2});
    case kStyles: return L"fsbold,fsunderline";
    case kAlignment: return L"taleftjustify";
    case kStretch: return L"stvert";
    case kMorph: return L"mkpush";
    case kCommand: return L"cmrollup";
    case kGaugeKind: return L"gkvertical";
    case kPlacement: return L"fpvertical";
    case kRegulatorKind: return L"rkhorizontal";
    case kLines: return L"A|B";
    }
    return String();
}

// What a record keeps of a value it was given: a few records overrule their own keys.
String Kept(const TRecordCase& c, const TKeyRow& row, const String& given)
{
    const std::wstring_view type = c.Type, key = row.Key;
    const bool objects = c.List == TspRecordList::rlObjects;
    if (objects && (type == L"bitlabel" || type == L"animate") && key == L"morphing")
        return L"0";
    if (!objects && type == L"updown") {
        if (key == L"clientrect")
            return L"0,0,0,0";
        if (key.ends_with(L"point"))
            return L"0,0";
    }
    return given;
}

// The section a record writes for the given field texts, key for key.
TKeyValues ExpectedSection(const TRecordCase& c, const std::vector<const TKeyRow*>& rows,
                           const std::vector<String>& values)
{
    TKeyValues kv;
    for (size_t i = 0; i < rows.size(); ++i) {
        const String key = rows[i]->Key;
        if (rows[i]->Syntax == kLines) {
            String text = values[i];
            TStringList items;
            for (size_t start = 0; !text.empty() && start <= text.size();) {
                size_t bar = std::min(text.find(L'|', start), text.size());
                items.Add(text.substr(start, bar - start));
                start = bar + 1;
            }
            kv.emplace_back(key + L"linecount", IntToStr(items.Count()));
            for (int j = 0; j < items.Count(); ++j)
                kv.emplace_back(key + L"line" + IntToStr(j), items[j]);
        } else {
            kv.emplace_back(key, values[i]);
        }
    }
    // The caption's writer keeps its two shadow colours together.
    if (c.List == TspRecordList::rlObjects && std::wstring_view(c.Type) == L"caption") {
        auto at = [&](const wchar_t* k) {
            return std::find_if(kv.begin(), kv.end(), [&](auto& p) { return p.first == k; });
        };
        auto active = *at(L"activeshadowcolor");
        kv.erase(at(L"activeshadowcolor"));
        kv.insert(at(L"shadowcolor") + 1, active);
    }
    return kv;
}

std::wstring SectionBody(const std::vector<const TKeyRow*>& rows, const std::vector<String>& values)
{
    std::wstring body;
    for (size_t i = 0; i < rows.size(); ++i) {
        if (rows[i]->Syntax == kLines)
            body += String(rows[i]->Key) + L"linecount=2\r\n" + rows[i]->Key + L"line0=A\r\n" +
                rows[i]->Key + L"line1=B\r\n";
        else
            body += String(rows[i]->Key) + L"=" + values[i] + L"\r\n";
    }
    return body;
}

std::string Name(const TRecordCase& c)
{
    std::wstring w =
        std::wstring(c.List == TspRecordList::rlObjects ? L"object " : L"control ") + c.Type;
    return std::string(w.begin(), w.end());
}

// Tests that every key set to a value unlike its default reaches its field, and that saving writes
// the section back key for key in order, under the most derived class's type word.
TEST(RecordKeys, EveryKeyLoadsIntoItsFieldAndSavesBackInOrder)
{
    for (const TRecordCase& c : RecordCases()) {
        SCOPED_TRACE(Name(c));
        const auto rows = Rows(c);
        std::vector<String> given, kept;
        for (size_t i = 0; i < rows.size(); ++i) {
            given.push_back(NonDefault(rows[i]->Syntax, static_cast<int>(i)));
            kept.push_back(Kept(c, *rows[i], given.back()));
        }
        TLoadedSkin skin(Definition(c, SectionBody(rows, given)));
        TspSkinRecord& r = skin.Record(c.List);
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i]->Field(r), kept[i])
                << "key " << std::string(rows[i]->Key, rows[i]->Key + wcslen(rows[i]->Key));

        TMemIniFile out = skin.Saved();
        EXPECT_EQ(SectionValues(out, L"rec"), ExpectedSection(c, rows, kept));
        const wchar_t* list = c.List == TspRecordList::rlObjects ? L"SKINOBJECTS" : L"SKINCONTROLS";
        EXPECT_EQ(out.ReadString(list, L"0", L""), L"rec:" + String(c.Type));
    }
}

// Tests that a section without any of its keys gives every field its default, and saving writes
// the defaults.
TEST(RecordKeys, MissingKeysGiveEveryDefault)
{
    for (const TRecordCase& c : RecordCases()) {
        SCOPED_TRACE(Name(c));
        const auto rows = Rows(c);
        TLoadedSkin skin(Definition(c, L"unrelated=1\r\n"));
        TspSkinRecord& r = skin.Record(c.List);
        std::vector<String> defaults;
        for (const TKeyRow* row : rows) {
            defaults.push_back(row->Default);
            EXPECT_EQ(row->Field(r), row->Default)
                << std::string(row->Key, row->Key + wcslen(row->Key));
        }
        EXPECT_EQ(SectionValues(skin.Saved(), L"rec"), ExpectedSection(c, rows, defaults));
    }
}

// The window records, read from and written to their fixed sections.
struct TWindowCase {
    const wchar_t* Section;
    std::span<const TKeyRow> Rows;
    TspSkinRecord& (*Record)(TspSkinData&);
};

const TWindowCase kWindowCases[] = {
    {L"POPUPWINDOW", kDataSkinPopupWindowKeys,
     [](TspSkinData& d) -> TspSkinRecord& { return *d.PopupWindow; }},
    {L"LAYERFRAME", kDataSkinLayerFrameKeys,
     [](TspSkinData& d) -> TspSkinRecord& { return *d.LayerFrame; }},
    {L"HINTWINDOW", kDataSkinHintWindowKeys,
     [](TspSkinData& d) -> TspSkinRecord& { return *d.HintWindow; }},
};

std::wstring WindowDefinition(const std::wstring& sections)
{
    return L"[VERSION]\r\n[PICTURES]\r\n[FORMINFO]\r\n[SKINOBJECTS]\r\n[SKINCONTROLS]\r\n" +
        sections;
}

// Tests that the popup window, layer frame and hint window read every key of their sections and
// write them back in order, and take their defaults when the sections are missing.
TEST(RecordKeys, WindowRecordsReadAndWriteTheirSections)
{
    for (const TWindowCase& w : kWindowCases) {
        SCOPED_TRACE(std::string(w.Section, w.Section + wcslen(w.Section)));
        std::vector<const TKeyRow*> rows;
        std::vector<String> given, defaults;
        for (const TKeyRow& r : w.Rows) {
            rows.push_back(&r);
            given.push_back(NonDefault(r.Syntax, static_cast<int>(rows.size())));
            defaults.push_back(r.Default);
        }
        TRecordCase plain{w.Section, TspRecordList::rlObjects, {}};
        {
            TLoadedSkin skin(WindowDefinition(L"[" + std::wstring(w.Section) + L"]\r\n" +
                                              SectionBody(rows, given)));
            for (size_t i = 0; i < rows.size(); ++i)
                EXPECT_EQ(rows[i]->Field(w.Record(skin.Data())), given[i]);
            EXPECT_EQ(SectionValues(skin.Saved(), w.Section), ExpectedSection(plain, rows, given));
        }
        TLoadedSkin empty(WindowDefinition(L""));
        for (size_t i = 0; i < rows.size(); ++i)
            EXPECT_EQ(rows[i]->Field(w.Record(empty.Data())), defaults[i]);
        EXPECT_EQ(SectionValues(empty.Saved(), w.Section), ExpectedSection(plain, rows, defaults));
    }
}

// Tests that the global font change reaches exactly the font-carrying classes the container
// lists (subclasses included), both fonts of the grid and the list box, and the hint window.
TEST(RecordKeys, GlobalChangeFontChangesExactlyTheListedClasses)
{
    const std::set<std::wstring> objects = {L"captionmenubutton", L"captiontab",      L"label",
                                            L"menuitem",          L"mainmenubaritem", L"caption"};
    const std::set<std::wstring> controls = {
        L"treeview", L"listview", L"richedit",   L"tab",         L"combobox",
        L"spinedit", L"edit",     L"memo",       L"stdlabel",    L"label",
        L"gauge",    L"button",   L"menubutton", L"checkradio",  L"panel",
        L"expanel",  L"grid",     L"listbox",    L"checklistbox"};
    for (const TRecordCase& c : RecordCases()) {
        SCOPED_TRACE(Name(c));
        TLoadedSkin skin(
            Definition(c,
                       L"fontname=Verdana\r\nfontheight=11\r\ncaptionfontname=Verdana\r\n"
                       L"captionfontheight=11\r\nfixedfontname=Verdana\r\nfixedfontheight=11\r\n"));
        skin.Data().GlobalChangeFont(L"Arial", 2);
        const auto& listed = c.List == TspRecordList::rlObjects ? objects : controls;
        const bool changes = listed.count(c.Type) > 0;
        int fontKeys = 0;
        for (const TKeyRow* row : Rows(c)) {
            const std::wstring_view key = row->Key;
            if (key.ends_with(L"fontname")) {
                ++fontKeys;
                EXPECT_EQ(row->Field(skin.Record(c.List)), changes ? L"Arial" : L"Verdana");
            } else if (key.ends_with(L"fontheight")) {
                EXPECT_EQ(row->Field(skin.Record(c.List)), changes ? L"13" : L"11");
            }
        }
        if (changes) {
            EXPECT_GT(fontKeys, 0);
        }
    }
    TLoadedSkin skin(WindowDefinition(L"[HINTWINDOW]\r\nfontname=Verdana\r\nfontheight=11\r\n"));
    skin.Data().GlobalChangeFont(L"Arial", -1);
    EXPECT_EQ(skin.Data().HintWindow->FontName, L"Arial");
    EXPECT_EQ(skin.Data().HintWindow->FontHeight, 10);
}

} // namespace
} // namespace vt::test
