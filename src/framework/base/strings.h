// String helpers over std::wstring (UTF-16 on Windows, UTF-32 natively; both hold the same text).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vt {

using String = std::wstring;

std::string WideToUtf8(std::wstring_view s);
std::wstring Utf8ToWide(std::string_view s);
// Bytes in the Windows-1252 code page (the ANSI text of skin definitions) to wide text and back;
// characters outside the code page become '?'.
std::wstring AnsiToWide(std::string_view s);
std::string WideToAnsi(std::wstring_view s);

// ASCII-only case folding, as the definition's section and key names need.
wchar_t ToUpperAscii(wchar_t c);
std::wstring UpperCase(std::wstring_view s);
std::wstring LowerCase(std::wstring_view s);
bool SameText(std::wstring_view a, std::wstring_view b);
int CompareText(std::wstring_view a, std::wstring_view b);
// Without leading and trailing blanks and control characters; the view form refers into s.
std::wstring Trim(std::wstring_view s);
std::wstring_view TrimView(std::wstring_view s);

std::wstring IntToStr(int64_t v);
// Decimal, or hexadecimal with a leading "$" or "0x"; a sign is allowed. False when not a number
// or out of the 32-bit range.
bool TryStrToInt(std::wstring_view s, int32_t& out);
int32_t StrToIntDef(std::wstring_view s, int32_t def);
// Raises EConvertError with the platform's message for a bad value.
int32_t StrToInt(std::wstring_view s);

// printf-style formatting into a wide string (the format is narrow: "%d", "%s" takes char*,
// "%ls" takes wchar_t*).
std::wstring Format(const char* fmt, ...);

std::wstring ExtractFilePath(std::wstring_view path);  // with the trailing separator
std::wstring ExtractFileName(std::wstring_view path);
std::wstring ExtractFileExt(std::wstring_view path);   // with the dot
std::wstring ChangeFileExt(std::wstring_view path, std::wstring_view ext);
std::wstring IncludeTrailingPathDelimiter(std::wstring_view path);

// True when ch is the accelerator of caption: the character after a single "&" ("&&" is a
// literal ampersand), compared ignoring letter case.
bool IsAccel(wchar_t ch, std::wstring_view caption);

} // namespace vt
