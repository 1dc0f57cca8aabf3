// TMemIniFile: an INI document held in memory, read from lines or a file and written back.
// Parsing rules: lines are trimmed of characters up to 32; empty lines and ";" comments are
// skipped; "[name]" opens a section and a repeated section's lines are ignored (the first wins);
// lines before the first section are ignored; "key=value" splits at the first "=" with blanks
// trimmed around it, a line without "=" is a key without a value that reads as missing; the
// first of two equal keys wins; section and key names ignore letter case, values keep it.
#pragma once

#include "framework/base/string_list.h"

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

namespace vt {

class TMemIniFile {
public:
    TMemIniFile() = default;
    // Reads the file when it exists; a missing file gives an empty document that UpdateFile
    // creates.
    explicit TMemIniFile(const std::wstring& fileName);

    const std::wstring& FileName() const { return fileName_; }
    void SetFileName(const std::wstring& fileName) { fileName_ = fileName; }
    // The platform's profile functions cut values at this many characters (0: no limit).
    void SetValueLimit(size_t limit) { valueLimit_ = limit; }

    void Clear();
    void SetStrings(const TStrings& lines);
    // The document as lines: each section's header, its keys, an empty line between sections.
    void GetStrings(TStrings& lines) const;
    // Writes the document to FileName() in the encoding it was read in.
    void UpdateFile() const;

    bool SectionExists(std::wstring_view section) const;
    bool ValueExists(std::wstring_view section, std::wstring_view key) const;
    void ReadSections(TStrings& out) const;
    void ReadSection(std::wstring_view section, TStrings& keys) const;
    // Lines with a key in the section (0 when it is missing); bounds counted lists.
    int SectionKeyCount(std::wstring_view section) const;

    String ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view def) const;
    int32_t ReadInteger(std::wstring_view section, std::wstring_view key, int32_t def) const;
    bool ReadBool(std::wstring_view section, std::wstring_view key, bool def) const;
    void WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value);
    void WriteInteger(std::wstring_view section, std::wstring_view key, int32_t value);
    void WriteBool(std::wstring_view section, std::wstring_view key, bool value);
    void EraseSection(std::wstring_view section);
    void DeleteKey(std::wstring_view section, std::wstring_view key);

private:
    struct Entry {
        String key;
        String value;
        bool hasValue = true;
    };
    struct Section {
        String name;
        std::vector<Entry> entries;
    };

    const Section* FindSection(std::wstring_view name) const;
    Section* FindSection(std::wstring_view name);
    Section& AddSection(std::wstring_view name);
    static const Entry* FindEntry(const Section& s, std::wstring_view key);

    std::wstring fileName_;
    size_t valueLimit_ = 0;
    TTextEncoding encoding_ = TTextEncoding::teAnsi;
    bool bom_ = false;
    std::vector<std::unique_ptr<Section>> sections_;
    std::unordered_map<String, Section*> index_;  // by upper-case name
};

} // namespace vt
