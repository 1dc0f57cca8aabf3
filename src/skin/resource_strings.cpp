#include "skin/resource_strings.h"

#include "framework/base/form_loader.h"
#include "framework/base/form_reader.h"
#include "framework/base/strings.h"
#include "skin/skin_data.h"

#include <iterator>

namespace vt {

namespace {

// The texts this system shows come first; the rest serve dialogs and components of other
// applications built on the same skins.
constexpr TResStrDefault kDefaults[] = {
    {L"MI_MINCAPTION", L"Mi&nimize"},
    {L"MI_MAXCAPTION", L"Ma&ximize"},
    {L"MI_CLOSECAPTION", L"&Close"},
    {L"MI_RESTORECAPTION", L"&Restore"},
    {L"MI_MINTOTRAYCAPTION", L"Minimize to &Tray"},
    {L"MI_ROLLUPCAPTION", L"Ro&llUp"},
    {L"MINBUTTON_HINT", L"Minimize"},
    {L"MAXBUTTON_HINT", L"Maximize"},
    {L"CLOSEBUTTON_HINT", L"Close"},
    {L"TRAYBUTTON_HINT", L"Minimize to Tray"},
    {L"ROLLUPBUTTON_HINT", L"Roll Up"},
    {L"MENUBUTTON_HINT", L"System menu"},
    {L"RESTORE_HINT", L"Restore"},
    {L"EDIT_UNDO", L"Undo"},
    {L"EDIT_COPY", L"Copy"},
    {L"EDIT_CUT", L"Cut"},
    {L"EDIT_PASTE", L"Paste"},
    {L"EDIT_DELETE", L"Delete"},
    {L"EDIT_SELECTALL", L"Select All"},
    {L"MSG_BTN_OK", L"OK"},
    {L"MSG_BTN_CANCEL", L"Cancel"},
    {L"MSG_PREVIEWSKIN", L"Preview"},
    {L"MSG_PREVIEWBUTTON", L"Button"},
    {L"MSG_BTN_YES", L"&Yes"},
    {L"MSG_BTN_NO", L"&No"},
    {L"MSG_BTN_ABORT", L"&Abort"},
    {L"MSG_BTN_RETRY", L"&Retry"},
    {L"MSG_BTN_IGNORE", L"&Ignore"},
    {L"MSG_BTN_ALL", L"&All"},
    {L"MSG_BTN_NOTOALL", L"N&o to All"},
    {L"MSG_BTN_YESTOALL", L"Yes to &All"},
    {L"MSG_BTN_HELP", L"&Help"},
    {L"MSG_BTN_OPEN", L"&Open"},
    {L"MSG_BTN_SAVE", L"&Save"},
    {L"MSG_BTN_CLOSE", L"Close"},
    {L"MSG_BTN_BACK_HINT", L"Go to the last folder visited"},
    {L"MSG_BTN_UP_HINT", L"Up one level"},
    {L"MSG_BTN_NEWFOLDER_HINT", L"Create a new folder"},
    {L"MSG_BTN_VIEWMENU_HINT", L"View menu"},
    {L"MSG_BTN_STRETCH_HINT", L"Stretch the picture"},
    {L"MSG_FILENAME", L"File name:"},
    {L"MSG_FILETYPE", L"Files of type:"},
    {L"MSG_NEWFOLDER", L"New folder"},
    {L"MSG_LV_DETAILS", L"Details"},
    {L"MSG_LV_ICON", L"Large icons"},
    {L"MSG_LV_SMALLICON", L"Small icons"},
    {L"MSG_LV_LIST", L"List"},
    {L"MSG_LV_THUMBNAILS", L"Thumbnails"},
    {L"MSG_LV_BIGTHUMBNAILS", L"Large thumbnails"},
    {L"MSG_LV_VERYBIGTHUMBNAILS", L"Extra large thumbnails"},
    {L"MSG_OVERWRITE", L"The file already exists. Do you want to replace it?"},
    {L"MSG_CAP_WARNING", L"Warning"},
    {L"MSG_CAP_ERROR", L"Error"},
    {L"MSG_CAP_INFORMATION", L"Information"},
    {L"MSG_CAP_CONFIRM", L"Confirm"},
    {L"MSG_CAP_SHOWFLAG", L"Do not show this message again"},
    {L"CALC_CAP", L"Calculator"},
    {L"ERROR", L"Error"},
    {L"COLORGRID_CAP", L"Basic colors"},
    {L"CUSTOMCOLORGRID_CAP", L"Custom colors"},
    {L"ADDCUSTOMCOLORBUTTON_CAP", L"Add to custom colors"},
    {L"FONTDLG_COLOR", L"Color:"},
    {L"FONTDLG_NAME", L"Name:"},
    {L"FONTDLG_SIZE", L"Size:"},
    {L"FONTDLG_HEIGHT", L"Height:"},
    {L"FONTDLG_EXAMPLE", L"Example"},
    {L"FONTDLG_STYLE", L"Style:"},
    {L"FONTDLG_SCRIPT", L"Script:"},
    {L"DB_DELETE_QUESTION", L"Delete the record?"},
    {L"DB_MULTIPLEDELETE_QUESTION", L"Delete all selected records?"},
    {L"NODISKINDRIVE", L"There is no disk in the drive, or the drive is not ready"},
    {L"NOVALIDDRIVEID", L"Not a valid drive"},
    {L"FLV_NAME", L"Name"},
    {L"FLV_SIZE", L"Size"},
    {L"FLV_TYPE", L"Type"},
    {L"FLV_LOOKIN", L"Look in:"},
    {L"FLV_MODIFIED", L"Modified"},
    {L"FLV_ATTRIBUTES", L"Attributes"},
    {L"FLV_DISKSIZE", L"Disk size"},
    {L"FLV_FREESPACE", L"Free space"},
    {L"PRNDLG_NAME", L"Name:"},
    {L"PRNDLG_PRINTER", L"Printer"},
    {L"PRNDLG_PROPERTIES", L"Properties..."},
    {L"PRNDLG_TYPE", L"Type:"},
    {L"PRNDLG_STATUS", L"Status:"},
    {L"PRNDLG_WHERE", L"Where:"},
    {L"PRNDLG_COMMENT", L"Comment:"},
    {L"PRNDLG_PRINTRANGE", L"Print range"},
    {L"PRNDLG_COPIES", L"Copies"},
    {L"PRNDLG_NUMCOPIES", L"Number of copies:"},
    {L"PRNDLG_COLLATE", L"Collate"},
    {L"PRNDLG_ALL", L"All"},
    {L"PRNDLG_PAGES", L"Pages"},
    {L"PRNDLG_SELECTION", L"Selection"},
    {L"PRNDLG_PRINTTOFILE", L"Print to file"},
    {L"PRNDLG_FROM", L"from:"},
    {L"PRNDLG_TO", L"to:"},
    {L"PRNDLG_ORIENTATION", L"Orientation"},
    {L"PRNDLG_PAPER", L"Paper"},
    {L"PRNDLG_PORTRAIT", L"Portrait"},
    {L"PRNDLG_LANDSCAPE", L"Landscape"},
    {L"PRNDLG_SOURCE", L"Source:"},
    {L"PRNDLG_SIZE", L"Size:"},
    {L"PRNDLG_MARGINS", L"Margins (millimeters)"},
    {L"PRNDLG_MARGINS_INCHES", L"Margins (inches)"},
    {L"PRNDLG_LEFT", L"Left:"},
    {L"PRNDLG_RIGHT", L"Right:"},
    {L"PRNDLG_TOP", L"Top:"},
    {L"PRNDLG_BOTTOM", L"Bottom:"},
    {L"PRNDLG_WARNING", L"No printer is installed"},
    {L"FIND_NEXT", L"Find next"},
    {L"FIND_WHAT", L"Find what:"},
    {L"FIND_DIRECTION", L"Direction"},
    {L"FIND_DIRECTIONUP", L"Up"},
    {L"FIND_DIRECTIONDOWN", L"Down"},
    {L"FIND_MATCH_CASE", L"Match case"},
    {L"FIND_MATCH_WHOLE_WORD_ONLY", L"Match whole word only"},
    {L"FIND_REPLACE_WITH", L"Replace with:"},
    {L"FIND_REPLACE", L"Replace"},
    {L"FIND_REPLACE_All", L"Replace all"},
    {L"FIND_REPLACE_CLOSE", L"Close"},
    {L"MORECOLORS", L"More colors..."},
    {L"AUTOCOLOR", L"Automatic"},
    {L"CUSTOMCOLOR", L"Custom..."},
    {L"DBNAV_FIRST", L"First record"},
    {L"DBNAV_PRIOR", L"Prior record"},
    {L"DBNAV_NEXT", L"Next record"},
    {L"DBNAV_LAST", L"Last record"},
    {L"DBNAV_INSERT", L"Insert record"},
    {L"DBNAV_DELETE", L"Delete record"},
    {L"DBNAV_EDIT", L"Edit record"},
    {L"DBNAV_POST", L"Post edit"},
    {L"DBNAV_CANCEL", L"Cancel edit"},
    {L"DBNAV_REFRESH", L"Refresh data"},
};

} // namespace

std::span<const TResStrDefault> DefaultResStrings() { return kDefaults; }

String DefaultResStr(std::wstring_view resName)
{
    for (const TResStrDefault& d : kDefaults)
        if (SameText(d.Name, resName))
            return d.Text;
    return String();
}

TspResourceStrData::TspResourceStrData(TComponent* owner) : TComponent(owner)
{
    for (const TResStrDefault& d : kDefaults)
        FResStrs.Add(String(d.Name) + L"=" + d.Text);
}

String TspResourceStrData::GetResStr(std::wstring_view resName) const
{
    for (const String& line : FResStrs) {
        size_t eq = line.find(L'=');
        // A line without "=" has no text; its whole content is not a name to match.
        if (eq != String::npos && SameText(std::wstring_view(line).substr(0, eq), resName))
            return line.substr(eq + 1);
    }
    return String();
}

bool TspResourceStrData::SetProperty(const String& name, const TPropValue& value)
{
    if (SameText(name, L"ResStrings.Strings") || SameText(name, L"ResStrings")) {
        if (value.Kind != TValueKind::vkList)
            throw EReadError(L"Invalid property value");
        TStringList lines;
        for (const TPropValue& item : value.List)
            lines.Add(item.AsString());
        SetResStrings(lines);
        return true;
    }
    if (SameText(name, L"CharSet")) {
        int32_t v = value.AsInteger();
        if (v < 0 || v > 255)
            throw EReadError(L"Invalid property value");
        FCharSet = static_cast<TFontCharset>(v);
        return true;
    }
    return TComponent::SetProperty(name, value);
}

String SkinResStr(const TspSkinData* skinData, std::wstring_view resName)
{
    if (skinData)
        if (auto* strings = dynamic_cast<const TspResourceStrData*>(skinData->ResourceStrData()))
            return strings->GetResStr(resName);
    return DefaultResStr(resName);
}

String SkinResStrOrDefault(const TspSkinData* skinData, std::wstring_view resName)
{
    String s = SkinResStr(skinData, resName);
    return s.empty() ? DefaultResStr(resName) : s;
}

} // namespace vt
