// The gallery's page of skinned buttons.
#pragma once

#include "framework/win/forms.h"

#include <functional>

namespace vt {

class TspSkinData;

// Adds the buttons to form (widening it to make room) bound to sd; track lists each control and
// hooks its events.
void AddButtonPage(TForm& form, TspSkinData* sd, const std::function<void(TControl*, const wchar_t*)>& track);

} // namespace vt
