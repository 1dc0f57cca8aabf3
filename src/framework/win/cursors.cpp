#include "framework/win/cursors.h"

#include <map>

namespace vt {

namespace {

// Never destroyed: windows may ask for cursors while the program exits.
std::map<TCursor, HCURSOR>& Installed()
{
    static auto* table = new std::map<TCursor, HCURSOR>;
    return *table;
}

HCURSOR SystemCursor(TCursor number)
{
    struct Standard {
        TCursor number;
        const wchar_t* id;
    };
    static const Standard standard[] = {
        {crDefault, IDC_ARROW},     {crArrow, IDC_ARROW},       {crCross, IDC_CROSS},
        {crIBeam, IDC_IBEAM},       {crSizeNESW, IDC_SIZENESW}, {crSizeNS, IDC_SIZENS},
        {crSizeNWSE, IDC_SIZENWSE}, {crSizeWE, IDC_SIZEWE},     {crUpArrow, IDC_UPARROW},
        {crHourGlass, IDC_WAIT},    {crNo, IDC_NO},             {crAppStart, IDC_APPSTARTING},
        {crHelp, IDC_HELP},         {crHandPoint, IDC_HAND},    {crSizeAll, IDC_SIZEALL},
    };
    for (const Standard& s : standard)
        if (s.number == number)
            return LoadCursorW(nullptr, s.id);
    return nullptr;
}

} // namespace

HCURSOR FindCursor(TCursor number)
{
    if (number == crNone)
        return nullptr;
    auto it = Installed().find(number);
    return it != Installed().end() ? it->second : SystemCursor(number);
}

HCURSOR CursorHandle(TCursor number)
{
    if (number == crNone)
        return nullptr;
    HCURSOR c = FindCursor(number);
    return c ? c : SystemCursor(crArrow);
}

void InstallCursor(TCursor number, HCURSOR cursor)
{
    if (cursor)
        Installed()[number] = cursor;
    else
        Installed().erase(number);
}

} // namespace vt
