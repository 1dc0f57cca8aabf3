#include "skin/skin_records.h"

#include "skin/control_records.h"
#include "skin/form_records.h"
#include "skin/record_keys.h"

#include <vector>

namespace vt {

namespace {

std::vector<TspRecordType>& Table(TspRecordList list)
{
    // [SKINOBJECTS] type words and their record classes, in the definition's documented order.
    // Built on first use, so a lookup from another file's start-up code finds them in place.
    static std::vector<TspRecordType> objects = {
        RecordType<TspDataSkinMenuItem>(L"menuitem"),
        RecordType<TspDataSkinMainMenuBarItem>(L"mainmenubaritem"),
        RecordType<TspDataSkinMainMenuItem>(L"mainmenuitem"),
        RecordType<TspDataSkinCaptionMenuButton>(L"captionmenubutton"),
        RecordType<TspDataSkinCaptionTab>(L"captiontab"),
        RecordType<TspDataSkinStdButton>(L"stdbutton"),
        RecordType<TspDataSkinMainMenuBarButton>(L"mainmenubarbutton"),
        RecordType<TspDataSkinButton>(L"button"),
        RecordType<TspDataSkinCaption>(L"caption"),
        RecordType<TspDataSkinTrackBar>(L"trackbar"),
        RecordType<TspDataSkinGauge>(L"gauge"),
        RecordType<TspDataSkinFrameGaugeObject>(L"framegauge"),
        RecordType<TspDataSkinFrameRegulatorObject>(L"frameregulator"),
        RecordType<TspDataSkinLabel>(L"label"),
        RecordType<TspDataSkinBitLabel>(L"bitlabel"),
        RecordType<TspDataSkinSwitch>(L"switch"),
        RecordType<TspDataSkinAnimate>(L"animate"),
        RecordType<TspDataUserObject>(L"userobject"),
    };
    // [SKINCONTROLS] type words and their record classes.
    static std::vector<TspRecordType> controls = {
        RecordType<TspDataSkinSlider>(L"slider"),
        RecordType<TspDataSkinAnimateControl>(L"animate"),
        RecordType<TspDataSkinBevel>(L"bevel"),
        RecordType<TspDataSkinUpDownControl>(L"updown"),
        RecordType<TspDataSkinPanelControl>(L"panel"),
        RecordType<TspDataSkinSwitchControl>(L"switch"),
        RecordType<TspDataSkinExPanelControl>(L"expanel"),
        RecordType<TspDataSkinGridControl>(L"grid"),
        RecordType<TspDataSkinMenuButtonControl>(L"menubutton"),
        RecordType<TspDataSkinTabControl>(L"tab"),
        RecordType<TspDataSkinButtonControl>(L"button"),
        RecordType<TspDataSkinMainMenuBar>(L"mainmenubar"),
        RecordType<TspDataSkinCheckRadioControl>(L"checkradio"),
        RecordType<TspDataSkinControlBar>(L"controlbar"),
        RecordType<TspDataSkinGaugeControl>(L"gauge"),
        RecordType<TspDataSkinMemoControl>(L"memo"),
        RecordType<TspDataSkinSplitterControl>(L"splitter"),
        RecordType<TspDataSkinEditControl>(L"edit"),
        RecordType<TspDataSkinTrackBarControl>(L"trackbar"),
        RecordType<TspDataSkinCheckListBox>(L"checklistbox"),
        RecordType<TspDataSkinLabelControl>(L"label"),
        RecordType<TspDataSkinListBox>(L"listbox"),
        RecordType<TspDataSkinStdLabelControl>(L"stdlabel"),
        RecordType<TspDataSkinComboBox>(L"combobox"),
        RecordType<TspDataSkinBitLabelControl>(L"bitlabel"),
        RecordType<TspDataSkinScrollBarControl>(L"scrollbar"),
        RecordType<TspDataSkinFrameRegulator>(L"frameregulator"),
        RecordType<TspDataSkinSpinEditControl>(L"spinedit"),
        RecordType<TspDataSkinFrameGauge>(L"framegauge"),
        RecordType<TspDataSkinScrollBoxControl>(L"scrollbox"),
        RecordType<TspDataSkinTreeView>(L"treeview"),
        RecordType<TspDataSkinListView>(L"listview"),
        RecordType<TspDataSkinRichEdit>(L"richedit"),
    };
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
