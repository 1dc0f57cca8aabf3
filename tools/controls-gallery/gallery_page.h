// What each of the gallery's pages of controls is given: the form, the gallery's container, a
// hook that lists a control (printed with its screen rectangle at start) and the event printer.
#pragma once

#include <functional>
#include <string>

namespace vt {

class TControl;
class TForm;
class TspSkinData;

struct TGalleryPage {
    TForm& Form;
    TspSkinData* Skin;
    std::function<void(TControl&)> List;
    std::function<void(const std::wstring&)> Print;
};

} // namespace vt
