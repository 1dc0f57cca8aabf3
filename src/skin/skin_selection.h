// Loading a skin package the user chose. The application's container must never be cleared by a
// package that turns out to be bad, so the file is read once, decoded into a scratch container
// that tells no window, and only a package that really loads goes, from the same bytes, into the
// application's container. The container's own loads keep their documented behaviour.
#pragma once

#include "framework/base/exceptions.h"

#include <string>

namespace vt {

class TspSkinData;

// Names the file and why it was refused; the target was left as it was.
VT_DECLARE_EXCEPTION(ESkinSelectionError, Exception);

// Loads the package fileName into target, broadcasting one skin change; raises
// ESkinSelectionError without touching target when the file cannot be read, is not a package this
// program reads (a file or body version above 3 included) or fails to decode.
void LoadSelectedSkin(TspSkinData& target, const std::wstring& fileName);

} // namespace vt
