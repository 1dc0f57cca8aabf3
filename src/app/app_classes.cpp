#include "app/app_classes.h"

#include "controls/button_win.h"
#include "controls/check_radio_win.h"
#include "controls/combo_box_win.h"
#include "controls/edit_win.h"
#include "controls/list_box_win.h"
#include "controls/memo_win.h"
#include "controls/page_control_win.h"
#include "controls/scroll_bar_win.h"
#include "dialogs/skin_chooser_win.h"
#include "form/dynamic_skin_form_win.h"
#include "menus/skin_popup_menu_win.h"
#include "raster/raster_classes.h"
#include "skin/skin_classes.h"

namespace vt {

void RegisterAppClasses()
{
    RegisterRasterClasses();
    RegisterSkinClasses();
    RegisterSkinMenuClasses();
    RegisterFormClasses();
    RegisterPageControlClasses();
    RegisterButtonClasses();
    RegisterCheckLabelClasses();
    RegisterScrollBarClasses();
    RegisterListBoxClasses();
    RegisterMemoClasses();
    RegisterComboBoxClasses();
    RegisterEditClasses();
    RegisterDialogClasses();
}

} // namespace vt
