#include "framework/base/strings.h"

#include "framework/base/exceptions.h"
#include "framework/base/platform_files.h"

#include <cstdarg>
#include <cstdio>
#include <cwctype>
#include <limits>
#include <vector>

namespace vt {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

void AppendWide(std::wstring& out, char32_t c)
{
    if constexpr (sizeof(wchar_t) == 2) {
        if (c >= 0x10000) {
            c -= 0x10000;
            out += static_cast<wchar_t>(0xD800 + (c >> 10));
            out += static_cast<wchar_t>(0xDC00 + (c & 0x3FF));
            return;
        }
    }
    out += static_cast<wchar_t>(c);
}

// Windows-1252 in 0x80..0x9F; the rest of the page equals Latin-1. Zero marks an unused byte.
constexpr char16_t kCp1252High[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178};

} // namespace

std::string WideToUtf8(std::wstring_view s)
{
    std::string out;
    out.reserve(s.size());
    for (size_t i = 0; i < s.size(); ++i) {
        char32_t c = static_cast<char32_t>(s[i]);
        if constexpr (sizeof(wchar_t) == 2) {
            if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size()) {
                char32_t lo = static_cast<char32_t>(s[i + 1]);
                if (lo >= 0xDC00 && lo <= 0xDFFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (lo - 0xDC00);
                    ++i;
                }
            }
        }
        if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            c = kReplacement;
        AppendUtf8(out, c);
    }
    return out;
}

std::wstring Utf8ToWide(std::string_view s)
{
    std::wstring out;
    out.reserve(s.size());
    size_t i = 0;
    while (i < s.size()) {
        unsigned char b = static_cast<unsigned char>(s[i]);
        int extra = b < 0x80 ? 0 : (b >> 5) == 6 ? 1 : (b >> 4) == 14 ? 2 : (b >> 3) == 30 ? 3 : -1;
        if (extra < 0 || i + extra >= s.size() + (extra == 0 ? 1 : 0)) {
            AppendWide(out, kReplacement);
            ++i;
            continue;
        }
        char32_t c = extra == 0 ? b : (b & (0x3F >> extra));
        bool ok = true;
        for (int k = 1; k <= extra; ++k) {
            unsigned char cb = static_cast<unsigned char>(s[i + k]);
            if ((cb & 0xC0) != 0x80) {
                ok = false;
                break;
            }
            c = (c << 6) | (cb & 0x3F);
        }
        static constexpr char32_t kMin[4] = {0, 0x80, 0x800, 0x10000};
        if (!ok || c < kMin[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
            AppendWide(out, kReplacement);
            ++i;
            continue;
        }
        AppendWide(out, c);
        i += static_cast<size_t>(extra) + 1;
    }
    return out;
}

std::wstring AnsiToWide(std::string_view s)
{
    std::wstring out;
    out.reserve(s.size());
    for (char ch : s) {
        unsigned char b = static_cast<unsigned char>(ch);
        char16_t c = (b >= 0x80 && b < 0xA0) ? kCp1252High[b - 0x80] : b;
        out += static_cast<wchar_t>(c ? c : b);
    }
    return out;
}

std::string WideToAnsi(std::wstring_view s)
{
    std::string out;
    out.reserve(s.size());
    for (wchar_t w : s) {
        auto c = static_cast<char32_t>(w);
        if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
            out += static_cast<char>(c);
            continue;
        }
        char mapped = '?';
        for (int i = 0; i < 32; ++i) {
            if (kCp1252High[i] != 0 && kCp1252High[i] == c) {
                mapped = static_cast<char>(0x80 + i);
                break;
            }
        }
        out += mapped;
    }
    return out;
}

wchar_t ToUpperAscii(wchar_t c) { return (c >= L'a' && c <= L'z') ? c - (L'a' - L'A') : c; }

std::wstring UpperCase(std::wstring_view s)
{
    std::wstring r(s);
    for (auto& c : r)
        c = ToUpperAscii(c);
    return r;
}

std::wstring LowerCase(std::wstring_view s)
{
    std::wstring r(s);
    for (auto& c : r)
        if (c >= L'A' && c <= L'Z')
            c += L'a' - L'A';
    return r;
}

int CompareText(std::wstring_view a, std::wstring_view b)
{
    size_t n = a.size() < b.size() ? a.size() : b.size();
    for (size_t i = 0; i < n; ++i) {
        wchar_t ca = ToUpperAscii(a[i]), cb = ToUpperAscii(b[i]);
        if (ca != cb)
            return ca < cb ? -1 : 1;
    }
    return a.size() == b.size() ? 0 : (a.size() < b.size() ? -1 : 1);
}

bool SameText(std::wstring_view a, std::wstring_view b)
{
    return a.size() == b.size() && CompareText(a, b) == 0;
}

std::wstring_view TrimView(std::wstring_view s)
{
    size_t b = 0, e = s.size();
    while (b < e && s[b] <= L' ')
        ++b;
    while (e > b && s[e - 1] <= L' ')
        --e;
    return s.substr(b, e - b);
}

std::wstring Trim(std::wstring_view s) { return std::wstring(TrimView(s)); }

std::wstring IntToStr(int64_t v) { return std::to_wstring(v); }

bool TryStrToInt(std::wstring_view s, int32_t& out)
{
    size_t i = 0;
    while (i < s.size() && s[i] == L' ')
        ++i;
    bool neg = false;
    if (i < s.size() && (s[i] == L'-' || s[i] == L'+')) {
        neg = s[i] == L'-';
        ++i;
    }
    int base = 10;
    if (i < s.size() && s[i] == L'$') {
        base = 16;
        ++i;
    } else if (i + 1 < s.size() && s[i] == L'0' && (s[i + 1] == L'x' || s[i + 1] == L'X')) {
        base = 16;
        i += 2;
    }
    if (i >= s.size())
        return false;
    int64_t v = 0;
    for (; i < s.size(); ++i) {
        wchar_t c = s[i];
        int d;
        if (c >= L'0' && c <= L'9')
            d = c - L'0';
        else if (base == 16 && c >= L'a' && c <= L'f')
            d = c - L'a' + 10;
        else if (base == 16 && c >= L'A' && c <= L'F')
            d = c - L'A' + 10;
        else
            return false;
        v = v * base + d;
        // Hexadecimal may spell the full 32-bit pattern ($FFFFFFFF is -1).
        if (v > (base == 16 ? 0xFFFFFFFFLL : 0x80000000LL))
            return false;
    }
    if (base == 16 && !neg) {
        out = static_cast<int32_t>(static_cast<uint32_t>(v));
        return true;
    }
    if (neg)
        v = -v;
    if (v < std::numeric_limits<int32_t>::min() || v > std::numeric_limits<int32_t>::max())
        return false;
    out = static_cast<int32_t>(v);
    return true;
}

int32_t StrToIntDef(std::wstring_view s, int32_t def)
{
    int32_t v;
    return TryStrToInt(s, v) ? v : def;
}

int32_t StrToInt(std::wstring_view s)
{
    int32_t v;
    if (!TryStrToInt(s, v))
        throw EConvertError(L"'" + std::wstring(s) + L"' is not a valid integer value");
    return v;
}

std::wstring Format(const char* fmt, ...)
{
    va_list ap;
    va_start(ap, fmt);
    va_list ap2;
    va_copy(ap2, ap);
    int n = std::vsnprintf(nullptr, 0, fmt, ap);
    va_end(ap);
    std::string buf(n > 0 ? static_cast<size_t>(n) : 0, '\0');
    if (n > 0)
        std::vsnprintf(buf.data(), buf.size() + 1, fmt, ap2);
    va_end(ap2);
    return Utf8ToWide(buf);
}

namespace {
bool IsDelimiter(wchar_t c) { return c == L'\\' || c == L'/' || c == L':'; }
size_t LastDelimiter(std::wstring_view p)
{
    for (size_t i = p.size(); i > 0; --i)
        if (IsDelimiter(p[i - 1]))
            return i;
    return 0;
}
} // namespace

std::wstring ExtractFilePath(std::wstring_view path)
{
    return std::wstring(path.substr(0, LastDelimiter(path)));
}

std::wstring ExtractFileName(std::wstring_view path)
{
    return std::wstring(path.substr(LastDelimiter(path)));
}

std::wstring ExtractFileExt(std::wstring_view path)
{
    size_t start = LastDelimiter(path);
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < start)
        return {};
    return std::wstring(path.substr(dot));
}

std::wstring ChangeFileExt(std::wstring_view path, std::wstring_view ext)
{
    size_t start = LastDelimiter(path);
    size_t dot = path.rfind(L'.');
    if (dot == std::wstring_view::npos || dot < start)
        dot = path.size();
    return std::wstring(path.substr(0, dot)) + std::wstring(ext);
}

std::wstring IncludeTrailingPathDelimiter(std::wstring_view path)
{
    std::wstring r(path);
    if (r.empty() || (r.back() != L'\\' && r.back() != L'/'))
        r += PathDelimiter();
    return r;
}

bool IsAccel(wchar_t ch, std::wstring_view caption)
{
    for (size_t i = 0; i + 1 < caption.size(); ++i) {
        if (caption[i] != L'&')
            continue;
        ++i;  // the character after the "&"; a second "&" is a literal one
        if (caption[i] != L'&')
            return std::towupper(static_cast<wint_t>(caption[i])) ==
                   std::towupper(static_cast<wint_t>(ch));
    }
    return false;
}

} // namespace vt
