#include "skin/skin_cursors.h"

namespace vt {

#ifndef _WIN32
ISkinCursorTable& DefaultSkinCursorTable()
{
    static TSkinCursorNames table;
    return table;
}
#endif

} // namespace vt
