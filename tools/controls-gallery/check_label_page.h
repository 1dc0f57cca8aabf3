// The gallery's check/radio boxes and labels in their main states.
#pragma once

#include <functional>
#include <string>

namespace vt {

class TForm;
class TspSkinData;

// Adds them to the right of the other controls (widening the form), each printing its clicks.
void AddCheckLabelPage(TForm& form, TspSkinData* sd, const std::function<void(const std::wstring&)>& print);

} // namespace vt
