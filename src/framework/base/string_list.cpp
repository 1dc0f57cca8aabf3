#include "framework/base/string_list.h"

#include "framework/base/exceptions.h"
#include "framework/base/streams.h"

namespace vt {

namespace {

void Utf16UnitsToWide(const uint8_t* data, size_t size, bool bigEndian, String& out)
{
    size_t n = size / 2;
    out.reserve(n);
    for (size_t i = 0; i < n; ++i) {
        const uint8_t* p = data + i * 2;
        char32_t u = bigEndian ? (p[0] << 8 | p[1]) : (p[1] << 8 | p[0]);
        if constexpr (sizeof(wchar_t) == 4) {
            if (u >= 0xD800 && u <= 0xDBFF && i + 1 < n) {
                const uint8_t* q = p + 2;
                char32_t lo = bigEndian ? (q[0] << 8 | q[1]) : (q[1] << 8 | q[0]);
                if (lo >= 0xDC00 && lo <= 0xDFFF) {
                    out += static_cast<wchar_t>(0x10000 + ((u - 0xD800) << 10) + (lo - 0xDC00));
                    ++i;
                    continue;
                }
            }
            if (u >= 0xD800 && u <= 0xDFFF)
                u = 0xFFFD;
        }
        out += static_cast<wchar_t>(u);
    }
}

void PutUnit(std::vector<uint8_t>& out, char16_t u, bool bigEndian)
{
    uint8_t hi = static_cast<uint8_t>(u >> 8), lo = static_cast<uint8_t>(u & 0xFF);
    out.push_back(bigEndian ? hi : lo);
    out.push_back(bigEndian ? lo : hi);
}

} // namespace

TTextEncoding DetectTextEncoding(const uint8_t* data, size_t size, size_t& bomLength)
{
    if (size >= 3 && data[0] == 0xEF && data[1] == 0xBB && data[2] == 0xBF) {
        bomLength = 3;
        return TTextEncoding::teUtf8;
    }
    if (size >= 2 && data[0] == 0xFF && data[1] == 0xFE) {
        bomLength = 2;
        return TTextEncoding::teUtf16LE;
    }
    if (size >= 2 && data[0] == 0xFE && data[1] == 0xFF) {
        bomLength = 2;
        return TTextEncoding::teUtf16BE;
    }
    bomLength = 0;
    return TTextEncoding::teAnsi;
}

String DecodeText(const uint8_t* data, size_t size, TTextEncoding encoding)
{
    String out;
    switch (encoding) {
    case TTextEncoding::teAnsi:
        return AnsiToWide(std::string_view(reinterpret_cast<const char*>(data), size));
    case TTextEncoding::teUtf8:
        return Utf8ToWide(std::string_view(reinterpret_cast<const char*>(data), size));
    case TTextEncoding::teUtf16LE:
    case TTextEncoding::teUtf16BE:
        Utf16UnitsToWide(data, size, encoding == TTextEncoding::teUtf16BE, out);
        return out;
    }
    return out;
}

std::vector<uint8_t> EncodeText(std::wstring_view text, TTextEncoding encoding, bool bom)
{
    std::vector<uint8_t> out;
    switch (encoding) {
    case TTextEncoding::teAnsi: {
        std::string a = WideToAnsi(text);
        out.assign(a.begin(), a.end());
        break;
    }
    case TTextEncoding::teUtf8: {
        if (bom)
            out = {0xEF, 0xBB, 0xBF};
        std::string u = WideToUtf8(text);
        out.insert(out.end(), u.begin(), u.end());
        break;
    }
    case TTextEncoding::teUtf16LE:
    case TTextEncoding::teUtf16BE: {
        bool be = encoding == TTextEncoding::teUtf16BE;
        out.reserve(text.size() * 2 + 2);
        if (bom)
            PutUnit(out, 0xFEFF, be);
        for (wchar_t w : text) {
            auto c = static_cast<char32_t>(w);
            if (c >= 0x10000 && c <= 0x10FFFF) {
                c -= 0x10000;
                PutUnit(out, static_cast<char16_t>(0xD800 + (c >> 10)), be);
                PutUnit(out, static_cast<char16_t>(0xDC00 + (c & 0x3FF)), be);
            } else {
                PutUnit(out, static_cast<char16_t>(c > 0x10FFFF ? 0xFFFD : c), be);
            }
        }
        break;
    }
    }
    return out;
}

const String& TStrings::operator[](int index) const
{
    if (index < 0 || index >= Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    return items_[static_cast<size_t>(index)];
}

void TStrings::Put(int index, const String& s)
{
    (void)(*this)[index];
    items_[static_cast<size_t>(index)] = s;
    Changed();
}

int TStrings::Add(const String& s)
{
    items_.push_back(s);
    Changed();
    return Count() - 1;
}

void TStrings::Insert(int index, const String& s)
{
    if (index < 0 || index > Count())
        throw EListError(Format("List index out of bounds (%d)", index));
    items_.insert(items_.begin() + index, s);
    Changed();
}

void TStrings::Delete(int index)
{
    (void)(*this)[index];
    items_.erase(items_.begin() + index);
    Changed();
}

void TStrings::Clear()
{
    if (items_.empty())
        return;
    items_.clear();
    Changed();
}

void TStrings::AddStrings(const TStrings& other)
{
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    Changed();
}

void TStrings::Assign(const TStrings& other)
{
    if (&other == this)
        return;
    items_ = other.items_;
    encoding_ = other.encoding_;
    bom_ = other.bom_;
    Changed();
}

int TStrings::IndexOf(std::wstring_view s) const
{
    for (size_t i = 0; i < items_.size(); ++i)
        if (items_[i] == s)
            return static_cast<int>(i);
    return -1;
}

int TStrings::IndexOfName(std::wstring_view name) const
{
    for (size_t i = 0; i < items_.size(); ++i) {
        size_t eq = items_[i].find(L'=');
        if (eq != String::npos && SameText(std::wstring_view(items_[i]).substr(0, eq), name))
            return static_cast<int>(i);
    }
    return -1;
}

String TStrings::Values(std::wstring_view name) const
{
    int i = IndexOfName(name);
    if (i < 0)
        return {};
    const String& line = items_[static_cast<size_t>(i)];
    return line.substr(line.find(L'=') + 1);
}

String TStrings::Text() const
{
    size_t n = 0;
    for (const auto& s : items_)
        n += s.size() + 2;
    String out;
    out.reserve(n);
    for (const auto& s : items_) {
        out += s;
        out += L"\r\n";
    }
    return out;
}

void TStrings::SetText(std::wstring_view s)
{
    items_.clear();
    size_t start = 0, i = 0;
    while (i < s.size()) {
        wchar_t c = s[i];
        if (c == L'\r' || c == L'\n') {
            items_.emplace_back(s.substr(start, i - start));
            if (c == L'\r' && i + 1 < s.size() && s[i + 1] == L'\n')
                ++i;
            start = ++i;
        } else {
            ++i;
        }
    }
    if (start < s.size())
        items_.emplace_back(s.substr(start));
    Changed();
}

void TStrings::LoadFromBytes(const uint8_t* data, size_t size)
{
    size_t bom = 0;
    TTextEncoding e = DetectTextEncoding(data, size, bom);
    SetEncoding(e, bom > 0);
    SetText(DecodeText(data + bom, size - bom, e));
}

void TStrings::LoadFromStream(TStream& stream)
{
    int64_t left = stream.Size() - stream.Position();
    std::vector<uint8_t> bytes(static_cast<size_t>(left > 0 ? left : 0));
    if (!bytes.empty())
        stream.ReadBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
    LoadFromBytes(bytes.data(), bytes.size());
}

void TStrings::LoadFromFile(const std::wstring& fileName)
{
    std::vector<uint8_t> bytes = ReadFileBytes(fileName);
    LoadFromBytes(bytes.data(), bytes.size());
}

std::vector<uint8_t> TStrings::SaveToBytes() const
{
    String text = Text();
    // Text the ANSI page cannot hold goes out as UTF-8 with its mark rather than losing
    // characters to '?'; readers pick the encoding by the mark.
    if (encoding_ == TTextEncoding::teAnsi && AnsiToWide(WideToAnsi(text)) != text)
        return EncodeText(text, TTextEncoding::teUtf8, true);
    return EncodeText(text, encoding_, bom_);
}

void TStrings::SaveToStream(TStream& stream) const
{
    std::vector<uint8_t> bytes = SaveToBytes();
    stream.WriteBuffer(bytes.data(), static_cast<int64_t>(bytes.size()));
}

void TStrings::SaveToFile(const std::wstring& fileName) const
{
    std::vector<uint8_t> bytes = SaveToBytes();
    WriteFileBytes(fileName, bytes.data(), bytes.size());
}

void TStrings::Changed()
{
    if (OnChange)
        OnChange(*this);
}

} // namespace vt
