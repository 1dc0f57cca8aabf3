#include "skin/skin_records.h"

#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/record_keys.h"

#include <iterator>
#include <vector>

namespace vt {

namespace {

// [SKINOBJECTS] type words. Record classes are added to these rows as they are built
// (RecordType<TspDataSkinMenuItem>(L"menuitem")).
const TspRecordType kObjectTypes[] = {
    {L"menuitem", {}},       {L"mainmenubaritem", {}}, {L"mainmenuitem", {}},
    {L"captionmenubutton", {}}, {L"captiontab", {}},   {L"stdbutton", {}},
    {L"mainmenubarbutton", {}}, {L"button", {}},       {L"caption", {}},
    {L"trackbar", {}},       {L"gauge", {}},           {L"framegauge", {}},
    {L"frameregulator", {}}, {L"label", {}},           {L"bitlabel", {}},
    {L"switch", {}},         {L"animate", {}},         {L"userobject", {}},
};

// [SKINCONTROLS] type words.
const TspRecordType kControlTypes[] = {
    {L"slider", {}},       {L"animate", {}},      {L"bevel", {}},        {L"updown", {}},
    {L"panel", {}},        {L"switch", {}},       {L"expanel", {}},      {L"grid", {}},
    {L"menubutton", {}},   {L"tab", {}},          {L"button", {}},       {L"mainmenubar", {}},
    {L"checkradio", {}},   {L"controlbar", {}},   {L"gauge", {}},        {L"memo", {}},
    {L"splitter", {}},     {L"edit", {}},         {L"trackbar", {}},     {L"checklistbox", {}},
    {L"label", {}},        {L"listbox", {}},      {L"stdlabel", {}},     {L"combobox", {}},
    {L"bitlabel", {}},     {L"scrollbar", {}},    {L"frameregulator", {}}, {L"spinedit", {}},
    {L"framegauge", {}},   {L"scrollbox", {}},    {L"treeview", {}},     {L"listview", {}},
    {L"richedit", {}},
};

std::vector<TspRecordType>& Table(TspRecordList list)
{
    static std::vector<TspRecordType> objects(std::begin(kObjectTypes), std::end(kObjectTypes));
    static std::vector<TspRecordType> controls(std::begin(kControlTypes), std::end(kControlTypes));
    // The built-in classes go in before anything else reads or replaces a row. The flag is set
    // first because registering comes back here.
    static bool builtIn = false;
    if (!builtIn) {
        builtIn = true;
        RegisterFormObjectRecords();
        RegisterControlRecords();
    }
    return list == TspRecordList::rlObjects ? objects : controls;
}

} // namespace

std::span<const TspRecordType> RecordTypes(TspRecordList list) { return Table(list); }

void RegisterRecordType(TspRecordList list, TspRecordType type)
{
    for (TspRecordType& t : Table(list)) {
        if (std::wstring_view(t.Word) == type.Word) {
            t = std::move(type);
            return;
        }
    }
    Table(list).push_back(std::move(type));
}

const TspRecordType* FindRecordType(TspRecordList list, std::wstring_view word)
{
    for (const TspRecordType& t : RecordTypes(list))
        if (word == t.Word)
            return &t;
    return nullptr;
}

std::unique_ptr<TspSkinRecord> CreateRecord(TspRecordList list, std::wstring_view word, const String& idName)
{
    const TspRecordType* t = FindRecordType(list, word);
    if (!t || !t->Create)
        return nullptr;
    std::unique_ptr<TspSkinRecord> r = t->Create(idName);
    r->TypeWord = String(word);
    return r;
}

String RecordTypeWord(TspRecordList list, const TspSkinRecord& record)
{
    for (const TspRecordType& t : RecordTypes(list))
        if (t.Class && *t.Class == typeid(record))
            return t.Word;
    return record.TypeWord;
}

// --- skin colours ----------------------------------------------------------------------------

template <class V> void TspSkinColors::Keys(V& v)
{
    v.Color(L"cbtnface", cBtnFace);
    v.Color(L"cbtntext", cBtnText);
    v.Color(L"cwindow", cWindow);
    v.Color(L"cwindowtext", cWindowText);
    v.Color(L"chighlight", cHighLight);
    v.Color(L"chighlighttext", cHighLightText);
    v.Color(L"cbtnhighlight", cBtnHighLight);
    v.Color(L"cbtnshadow", cBtnShadow);
    v.Color(L"c3dlight", c3DLight);
    v.Color(L"c3ddkshadow", c3DDkShadow);
}

void TspSkinColors::SetColorsToDefault()
{
    cBtnFace = clBtnFace;
    cBtnText = clBtnText;
    cWindow = clWindow;
    cWindowText = clWindowText;
    cHighLight = clHighlight;
    cHighLightText = clHighlightText;
    cBtnHighLight = clBtnHighlight;
    cBtnShadow = clBtnShadow;
    c3DLight = cl3DLight;
    c3DDkShadow = cl3DDkShadow;
}

void TspSkinColors::LoadFromFile(TMemIniFile& f) { LoadRecordKeys(*this, f, L"SKINCOLORS"); }

void TspSkinColors::SaveToFile(TMemIniFile& f) { SaveRecordKeys(*this, f, L"SKINCOLORS"); }

} // namespace vt
