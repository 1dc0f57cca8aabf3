#include "skin/skin_cursors_win.h"

#include <map>

namespace vt {

namespace {

class TWin32SkinCursors : public ISkinCursorTable {
public:
    // Cursors loaded from files stay alive for the process, as the platform's own table keeps
    // them; a newer load under the same number replaces the handle without destroying the old
    // one, which a window may still show.
    void InstallCursor(int32_t number, const std::wstring& fileName) override
    {
        HCURSOR c = LoadCursorFromFileW(fileName.c_str());
        if (c)
            cursors_[number] = c;
        else
            cursors_.erase(number);
    }
    HCURSOR Get(int32_t number) const
    {
        auto it = cursors_.find(number);
        return it == cursors_.end() ? nullptr : it->second;
    }

private:
    std::map<int32_t, HCURSOR> cursors_;
};

TWin32SkinCursors& Table()
{
    static TWin32SkinCursors table;
    return table;
}

} // namespace

ISkinCursorTable& DefaultSkinCursorTable() { return Table(); }

HCURSOR SkinCursor(int32_t number) { return Table().Get(number); }

} // namespace vt
