// Exceptions that carry a user-readable message (shown by the application's error box).
#pragma once

#include <stdexcept>
#include <string>

namespace vt {

class Exception : public std::exception {
public:
    explicit Exception(std::wstring message);
    const std::wstring& Message() const { return message_; }
    // UTF-8 form of the message, for std::exception users.
    const char* what() const noexcept override { return utf8_.c_str(); }

private:
    std::wstring message_;
    std::string utf8_;
};

#define VT_DECLARE_EXCEPTION(Name, Base)                                                           \
    class Name : public Base {                                                                     \
    public:                                                                                        \
        using Base::Base;                                                                          \
    }

VT_DECLARE_EXCEPTION(EConvertError, Exception);
VT_DECLARE_EXCEPTION(EStreamError, Exception);
VT_DECLARE_EXCEPTION(EReadError, EStreamError);
VT_DECLARE_EXCEPTION(EWriteError, EStreamError);
VT_DECLARE_EXCEPTION(EFOpenError, EStreamError);
VT_DECLARE_EXCEPTION(EFCreateError, EStreamError);
VT_DECLARE_EXCEPTION(EInvalidGraphic, Exception);
VT_DECLARE_EXCEPTION(EListError, Exception);
VT_DECLARE_EXCEPTION(EOutOfResources, Exception);
// An operation the object cannot do in its present state (focusing a hidden control, ...).
VT_DECLARE_EXCEPTION(EInvalidOperation, Exception);

} // namespace vt
