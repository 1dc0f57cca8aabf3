#include "skin/skin_cursors_win.h"

#include "framework/win/cursors.h"

namespace vt {

namespace {

// Skin cursors go into the screen's cursor table, where a control's Cursor number finds them.
class TWin32SkinCursors : public ISkinCursorTable {
public:
    // Cursors loaded from files stay alive for the process, as the table keeps them; a newer
    // load under the same number replaces the handle without destroying the old one, which a
    // window may still show. A file that does not load leaves the number without a cursor.
    void InstallCursor(int32_t number, const std::wstring& fileName) override
    {
        vt::InstallCursor(number, LoadCursorFromFileW(fileName.c_str()));
    }
};

} // namespace

ISkinCursorTable& DefaultSkinCursorTable()
{
    static TWin32SkinCursors table;
    return table;
}

HCURSOR SkinCursor(int32_t number) { return FindCursor(number); }

} // namespace vt
