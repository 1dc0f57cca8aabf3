// Skin cursors by number: where the folder loader installs cursor file i under
// StartCursorIndex + i.
#pragma once

#include "skin/skin_data.h"

#include <map>
#include <string>

namespace vt {

// Remembers which file each number was given; the portable table, and a test double.
class TSkinCursorNames : public ISkinCursorTable {
public:
    void InstallCursor(int32_t number, const std::wstring& fileName) override { Files[number] = fileName; }
    std::map<int32_t, std::wstring> Files;
};

} // namespace vt
