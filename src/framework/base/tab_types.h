// The tab control's placement and look, shared by the native wrapper and the skinned geometry.
#pragma once

#include <cstdint>

namespace vt {

enum TTabPosition : uint8_t { tpTop, tpBottom, tpLeft, tpRight };
enum TTabStyle : uint8_t { tsTabs, tsButtons, tsFlatButtons };

constexpr bool IsSideTabs(TTabPosition p) { return p == tpLeft || p == tpRight; }

} // namespace vt
