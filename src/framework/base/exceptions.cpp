#include "framework/base/exceptions.h"

#include "framework/base/strings.h"

namespace vt {

Exception::Exception(std::wstring message)
    : message_(std::move(message)), utf8_(WideToUtf8(message_))
{
}

} // namespace vt
