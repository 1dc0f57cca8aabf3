// The tab control's placement and look, shared by the native wrapper and the skinned geometry.
#pragma once

#include <cstdint>

namespace vt {

enum TTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle : uint8_t { tsTabs, tsButtons, tsFlatButtons };

constexpr bool IsSideTabs(TTabPosition p) { return p == tpLeft || p == tpRight; }

// The first index after from, going by step (1 or -1) within 0..count-1, whose tab shows(index);
// -1 for none.
template <class Shows> int NextShownTab(int from, int step, int count, Shows shows)
{
    for (int i = from + step; i >= 0 && i < count; i += step)
        if (shows(i))
            return i;
    return -1;
}

} // namespace vt
