#include "framework/win/exception_funnel.h"

#include "framework/win/forms.h"

namespace vt {

void HandleCallbackException(TObject* sender)
{
    if (Application)
        Application->HandleException(sender);
}

} // namespace vt
