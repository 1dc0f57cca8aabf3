// The screen's cursor table: cursor numbers (TCursor) to cursor handles. The standard numbers
// (crArrow, crIBeam, ...) map to the system's cursors; other numbers are installed by whoever
// owns them (the skin registers its cursors from its start number on).
#pragma once

#include <windows.h>

namespace vt {

using TCursor = int;

inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crNone = -1;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crCross = -3;
inline constexpr TCursor crIBeam = -4;
inline constexpr TCursor crSizeNESW = -6;
inline constexpr TCursor crSizeNS = -7;
inline constexpr TCursor crSizeNWSE = -8;
inline constexpr TCursor crSizeWE = -9;
inline constexpr TCursor crUpArrow = -10;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crNo = -18;
inline constexpr TCursor crAppStart = -19;
inline constexpr TCursor crHelp = -20;
inline constexpr TCursor crHandPoint = -21;
inline constexpr TCursor crSizeAll = -22;
inline constexpr TCursor crSize = crSizeAll;

// The handle installed under number (a standard number's system cursor unless replaced), or
// null when there is none; crNone is always null (no cursor shown).
HCURSOR FindCursor(TCursor number);
// The handle for number, falling back to the default arrow for an unknown number.
HCURSOR CursorHandle(TCursor number);
// Installs a handle under number (null removes it, giving a standard number its system cursor
// back). The table does not destroy handles: a window may still show the one replaced.
void InstallCursor(TCursor number, HCURSOR cursor);

} // namespace vt
