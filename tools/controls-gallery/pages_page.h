// The gallery's up-down and page control.
#pragma once

#include <functional>
#include <string>

namespace vt {

class TForm;
class TspSkinData;

// Adds them below the other controls (making the form taller), each printing its events.
void AddPagesPage(TForm& form, TspSkinData* sd, const std::function<void(const std::wstring&)>& print);

} // namespace vt
