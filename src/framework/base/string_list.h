// TStrings and TStringList: ordered lists of strings with text conversion. Loading from bytes
// detects a byte-order mark (UTF-8, UTF-16 LE/BE, otherwise the ANSI code page) and splits lines
// on CR LF, LF or CR; saving writes CR LF after every line in the encoding the text came in.
#pragma once

#include "framework/base/strings.h"

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vt {

class TStream;

enum class TTextEncoding : uint8_t { teAnsi, teUtf8, teUtf16LE, teUtf16BE };

class TStrings {
public:
    virtual ~TStrings() = default;

    int Count() const { return static_cast<int>(items_.size()); }
    const String& operator[](int index) const;
    const String& Strings(int index) const { return (*this)[index]; }
    void Put(int index, const String& s);

    int Add(const String& s);
    void Insert(int index, const String& s);
    void Delete(int index);
    void Clear();
    void AddStrings(const TStrings& other);
    void Assign(const TStrings& other);
    // Exact, case-sensitive match; -1 for none.
    int IndexOf(std::wstring_view s) const;

    // "name=value" lines: the name part compares without regard to letter case.
    int IndexOfName(std::wstring_view name) const;
    String Values(std::wstring_view name) const;

    // Every line followed by CR LF.
    String Text() const;
    // Replaces the list with the lines of s (CR LF, LF or CR end a line; a final line break
    // does not add an empty line).
    void SetText(std::wstring_view s);

    // Decodes bytes by their byte-order mark and replaces the list with their lines.
    void LoadFromBytes(const uint8_t* data, size_t size);
    void LoadFromStream(TStream& stream);  // from the current position to the end
    void LoadFromFile(const std::wstring& fileName);
    // Encodes Text() in Encoding(), with a mark when WriteBOM() (ANSI never has one). ANSI text
    // with characters outside the code page is written as UTF-8 with a mark instead.
    std::vector<uint8_t> SaveToBytes() const;
    void SaveToStream(TStream& stream) const;
    void SaveToFile(const std::wstring& fileName) const;

    // The encoding found by the last load (ANSI for a list built in code) and whether the
    // source had a byte-order mark; saving reproduces both.
    TTextEncoding Encoding() const { return encoding_; }
    bool WriteBOM() const { return bom_; }
    void SetEncoding(TTextEncoding e, bool bom)
    {
        encoding_ = e;
        bom_ = bom && e != TTextEncoding::teAnsi;
    }

    std::function<void(TStrings&)> OnChange;

    const std::vector<String>& Items() const { return items_; }
    std::vector<String>::const_iterator begin() const { return items_.begin(); }
    std::vector<String>::const_iterator end() const { return items_.end(); }

protected:
    void Changed();
    std::vector<String> items_;

private:
    TTextEncoding encoding_ = TTextEncoding::teAnsi;
    bool bom_ = false;
};

class TStringList : public TStrings {
public:
    TStringList() = default;
    TStringList(std::initializer_list<String> lines)
    {
        for (const auto& l : lines)
            items_.push_back(l);
    }
};

// Text decoding shared with other readers: the encoding of a byte sequence by its mark, the
// length of that mark, and the conversion of the rest to wide text.
TTextEncoding DetectTextEncoding(const uint8_t* data, size_t size, size_t& bomLength);
String DecodeText(const uint8_t* data, size_t size, TTextEncoding encoding);
std::vector<uint8_t> EncodeText(std::wstring_view text, TTextEncoding encoding, bool bom);

} // namespace vt
