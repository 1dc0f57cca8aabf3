#include "definition.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace skingen {

namespace {
#include "record_keys.inc"

const KeyList kFormInfo = {
    {"lefttoppoint", 'p', "0,0"},       {"righttoppoint", 'p', "0,0"},
    {"leftbottompoint", 'p', "0,0"},    {"rightbottompoint", 'p', "0,0"},
    {"clientrect", 'r', "0,0,0,0"},     {"bgpictureindex", 'i', "-1"},
    {"mdibgpictureindex", 'i', "-1"},   {"maskrectarea", 'r', "0,0,0,0"},
    {"leftstretch", 'b', "0"},          {"rightstretch", 'b', "0"},
    {"topstretch", 'b', "0"},           {"bottomstretch", 'b', "0"},
    {"stretcheffect", 'b', "0"},        {"stretchtype", 't', "stfull"},
    {"mdibgstretcheffect", 'b', "0"},   {"mdibgstretchtype", 't', "stfull"},
    {"buttonsrect", 'r', "0,0,0,0"},    {"captionrect", 'r', "0,0,0,0"},
    {"buttonsoffset", 'i', "0"},        {"buttonsinleft", 'b', "0"},
    {"hittestlefttoppoint", 'p', "0,0"}, {"hittestrighttoppoint", 'p', "0,0"},
    {"hittestleftbottompoint", 'p', "0,0"}, {"hittestrightbottompoint", 'p', "0,0"},
    {"rollupleftpoint", 'p', "0,0"},    {"rolluprightpoint", 'p', "0,0"},
    {"mainmenurect", 'r', "0,0,0,0"},   {"iconrect", 'r', "0,0,0,0"},
    {"mainmenupopupup", 'b', "0"},      {"borderwidth", 'i', "0"},
    {"cursorindex", 'i', "-1"},         {"autorenderinginactiveimage", 'b', "0"},
    {"inactiveeffect", 'w', "iebrightness"}, {"formminwidth", 'i', "0"},
    {"formminheight", 'i', "0"},        {"sizegriparea", 'r', "0,0,0,0"},
    {"statusbarname", 's', ""},         {"mditabstransparent", 'b', "0"},
    {"mainmenubartransparent", 'b', "0"},
};

const KeyList kSkinColors = {
    {"cbtnface", 'c', "0"},  {"cbtntext", 'c', "0"},       {"cwindow", 'c', "0"},
    {"cwindowtext", 'c', "0"}, {"chighlight", 'c', "0"},   {"chighlighttext", 'c', "0"},
    {"cbtnhighlight", 'c', "0"}, {"cbtnshadow", 'c', "0"}, {"c3dlight", 'c', "0"},
    {"c3ddkshadow", 'c', "0"},
};

KeyList Concat(std::initializer_list<const KeyList*> parts)
{
    KeyList out;
    for (const KeyList* p : parts)
        out.insert(out.end(), p->begin(), p->end());
    return out;
}

// The caption's writer puts its text keys first, then the rest in reading order.
KeyList CaptionWriterOrder()
{
    static const char* first[] = {"defaultcaption", "textrect",     "fontname",        "fontheight",
                                  "fontstyle",      "fontcolor",    "activefontcolor", "alignment",
                                  "shadow",         "shadowcolor",  "activeshadowcolor", "light",
                                  "lightcolor",     "activelightcolor"};
    KeyList out;
    for (const char* k : first)
        for (const KeyDef& d : kCaption)
            if (std::string(d.key) == k)
                out.push_back(d);
    for (const KeyDef& d : kCaption)
        if (std::none_of(std::begin(first), std::end(first),
                         [&](const char* k) { return std::string(d.key) == k; }))
            out.push_back(d);
    return out;
}

} // namespace

std::string RectValue(vt::TRect r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0)
        throw std::runtime_error("negative rectangle coordinates do not survive the reader");
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
}

std::string PointValue(int x, int y)
{
    if (x < 0 || y < 0)
        throw std::runtime_error("negative point coordinates do not survive the reader");
    return std::to_string(x) + "," + std::to_string(y);
}

Values& Values::Set(const std::string& key, const std::string& v)
{
    values_[key] = v;
    return *this;
}

void Definition::Add(const std::string& section, const std::string& key, const std::string& value)
{
    for (auto& [name, lines] : sections_)
        if (name == section) {
            lines.emplace_back(key, value);
            return;
        }
    sections_.push_back({section, {{key, value}}});
}

void Definition::AddValues(const std::string& section, const KeyList& keys, const Values& v,
                           const std::vector<std::string>& omit)
{
    for (const auto& existing : sections_)
        if (existing.first == section)
            throw std::runtime_error("section written twice: " + section);
    std::set<std::string> known;
    for (const KeyDef& d : keys)
        known.insert(d.key);
    for (const auto& [key, value] : v.All())
        if (!known.count(key))
            throw std::runtime_error("[" + section + "] has no key " + key);
    for (const KeyDef& d : keys) {
        if (std::find(omit.begin(), omit.end(), d.key) != omit.end())
            continue;
        auto it = v.All().find(d.key);
        if (d.kind == 'l') {
            // A line-form list writes its count under "<key>linecount"; the skins hold none.
            if (it != v.All().end())
                throw std::runtime_error("[" + section + "] " + d.key + ": line lists are not supported");
            Add(section, std::string(d.key) + "linecount", "0");
            continue;
        }
        Add(section, d.key, it != v.All().end() ? it->second : d.def);
    }
}

void Definition::AddRecordList(const std::string& listSection, const std::vector<Record>& records,
                               bool controls)
{
    Add(listSection, "count", std::to_string(records.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        Add(listSection, std::to_string(i), r.name + ":" + r.type);
        for (const Record& earlier : records)
            if (&earlier != &r && earlier.name == r.name)
                throw std::runtime_error("record name used twice: " + r.name);
    }
    // Each record's section follows the whole list: sections cannot interleave in INI text.
    for (const Record& r : records)
        AddValues(r.name, controls ? ControlKeys(r.type) : ObjectKeys(r.type), r.values, r.omit);
}

std::string Definition::Text() const
{
    std::string s;
    for (const auto& [name, lines] : sections_) {
        if (!s.empty())
            s += "\r\n";
        s += "[" + name + "]\r\n";
        for (const auto& [k, v] : lines)
            s += k + "=" + v + "\r\n";
    }
    for (unsigned char c : s)
        if (c > 127)
            throw std::runtime_error("the definition must be plain ASCII");
    return s;
}

const KeyList& FormInfoKeys() { return kFormInfo; }
const KeyList& PopupWindowKeys() { return kPopupWindow; }
const KeyList& LayerFrameKeys() { return kLayerFrame; }
const KeyList& HintWindowKeys() { return kHintWindow; }
const KeyList& SkinColorKeys() { return kSkinColors; }

KeyList ObjectKeys(const std::string& type)
{
    if (type == "caption") {
        static const KeyList caption = CaptionWriterOrder();
        return Concat({&kObjectBase, &caption});
    }
    if (type == "stdbutton" || type == "mainmenubarbutton")
        return Concat({&kObjectBase, &kObjectButton, &kStdButton});
    if (type == "button")
        return Concat({&kObjectBase, &kObjectButton});
    if (type == "captionmenubutton")
        return Concat({&kObjectBase, &kObjectButton, &kCaptionMenuButton});
    if (type == "captiontab")
        return Concat({&kObjectBase, &kObjectButton, &kCaptionTab});
    if (type == "menuitem")
        return Concat({&kObjectBase, &kMenuItem});
    if (type == "mainmenuitem" || type == "mainmenubaritem")
        return Concat({&kObjectBase, &kMainMenuItem});
    if (type == "label")
        return Concat({&kObjectBase, &kObjectLabel});
    if (type == "userobject")
        return kUserObject;
    throw std::runtime_error("unknown object type " + type);
}

KeyList ControlKeys(const std::string& type)
{
    const KeyList* base = &kControlBase;
    const KeyList* custom = &kCustomControl;
    static const std::map<std::string, std::vector<const KeyList*>> customTypes = {
        {"button", {&kButton}},         {"menubutton", {&kButton, &kMenuButton}},
        {"checkradio", {&kCheckRadio}}, {"label", {&kLabel}},
        {"bitlabel", {&kBitLabel}},     {"edit", {&kEdit}},
        {"memo", {&kEdit, &kMemo}},     {"spinedit", {&kSpinEdit}},
        {"listbox", {&kListBox}},       {"checklistbox", {&kListBox, &kCheckListBox}},
        {"combobox", {&kComboBox}},     {"scrollbar", {&kScrollBar}},
        {"updown", {&kUpDown}},         {"trackbar", {&kTrackBar}},
        {"gauge", {&kGauge}},           {"splitter", {&kSplitter}},
        {"panel", {&kPanel}},           {"expanel", {&kExPanel}},
        {"scrollbox", {&kScrollBox}},   {"controlbar", {&kControlBar}},
    };
    static const std::map<std::string, std::vector<const KeyList*>> plainTypes = {
        {"tab", {&kTab}},           {"mainmenubar", {&kMainMenuBar}}, {"grid", {&kGrid}},
        {"treeview", {&kTreeView}}, {"listview", {&kListView}},       {"richedit", {&kRichEdit}},
        {"slider", {&kSlider}},     {"bevel", {&kBevel}},             {"stdlabel", {&kStdLabel}},
        {"framegauge", {&kFrameControl}}, {"animate", {&kFrameControl}},
        {"switch", {&kFrameControl}}, {"frameregulator", {&kFrameControl, &kFrameRegulator}},
    };
    KeyList out = *base;
    if (auto it = customTypes.find(type); it != customTypes.end()) {
        out.insert(out.end(), custom->begin(), custom->end());
        for (const KeyList* k : it->second)
            out.insert(out.end(), k->begin(), k->end());
        return out;
    }
    if (auto it = plainTypes.find(type); it != plainTypes.end()) {
        for (const KeyList* k : it->second)
            out.insert(out.end(), k->begin(), k->end());
        return out;
    }
    throw std::runtime_error("unknown control type " + type);
}

} // namespace skingen
