// The gallery's page of the up-down control and the skinned page control.
#pragma once

#include "framework/win/forms.h"

#include <functional>
#include <string>

namespace vt {

class TspSkinData;

// Adds an up-down and two page controls (a short one whose tabs overflow into the scroller, and
// one with close buttons) below the other controls, bound to sd, and below them a third in the
// controls' fixture skin; events are printed.
void AddPagesPage(TForm& form, TspSkinData* sd, const std::function<void(const std::wstring&)>& print);

} // namespace vt
