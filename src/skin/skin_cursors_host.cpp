#include "skin/skin_cursors.h"

namespace vt {

// The native build has no cursors to load; the table remembers the file of each number.
ISkinCursorTable& DefaultSkinCursorTable()
{
    static TSkinCursorNames table;
    return table;
}

} // namespace vt
