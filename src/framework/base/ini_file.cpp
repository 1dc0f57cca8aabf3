#include "framework/base/ini_file.h"

#include "framework/base/streams.h"
#include "framework/base/strings.h"

namespace vt {

TMemIniFile::TMemIniFile(const std::wstring& fileName) : fileName_(fileName)
{
    if (!FileExists(fileName))
        return;
    TStringList lines;
    lines.LoadFromFile(fileName);
    SetStrings(lines);
}

void TMemIniFile::Clear()
{
    sections_.clear();
    index_.clear();
}

void TMemIniFile::SetStrings(const TStrings& lines)
{
    Clear();
    encoding_ = lines.Encoding();
    bom_ = lines.WriteBOM();
    Section* current = nullptr;
    bool skipping = true;  // before the first header, and inside a repeated section
    for (const String& raw : lines) {
        std::wstring_view line = TrimView(raw);
        if (line.empty() || line[0] == L';')
            continue;
        if (line.front() == L'[' && line.back() == L']' && line.size() >= 2) {
            std::wstring_view name = TrimView(line.substr(1, line.size() - 2));
            if (FindSection(name)) {
                skipping = true;
            } else {
                current = &AddSection(name);
                skipping = false;
            }
            continue;
        }
        if (skipping)
            continue;
        Entry e;
        size_t eq = line.find(L'=');
        if (eq == std::wstring_view::npos) {
            e.key = String(line);
            e.hasValue = false;
        } else {
            e.key = String(TrimView(line.substr(0, eq)));
            e.value = String(TrimView(line.substr(eq + 1)));
        }
        current->entries.push_back(std::move(e));
    }
}

void TMemIniFile::GetStrings(TStrings& lines) const
{
    TStringList out;
    for (size_t i = 0; i < sections_.size(); ++i) {
        const Section& s = *sections_[i];
        if (i > 0)
            out.Add(String());
        out.Add(L"[" + s.name + L"]");
        for (const Entry& e : s.entries)
            out.Add(e.hasValue ? e.key + L"=" + e.value : e.key);
    }
    out.SetEncoding(encoding_, bom_);
    lines.Assign(out);
}

void TMemIniFile::UpdateFile() const
{
    TStringList lines;
    GetStrings(lines);
    lines.SaveToFile(fileName_);
}

const TMemIniFile::Section* TMemIniFile::FindSection(std::wstring_view name) const
{
    auto it = index_.find(UpperCase(name));
    return it == index_.end() ? nullptr : it->second;
}

TMemIniFile::Section* TMemIniFile::FindSection(std::wstring_view name)
{
    auto it = index_.find(UpperCase(name));
    return it == index_.end() ? nullptr : it->second;
}

TMemIniFile::Section& TMemIniFile::AddSection(std::wstring_view name)
{
    auto s = std::make_unique<Section>();
    s->name = String(name);
    Section* p = s.get();
    sections_.push_back(std::move(s));
    index_.emplace(UpperCase(name), p);
    return *p;
}

const TMemIniFile::Entry* TMemIniFile::FindEntry(const Section& s, std::wstring_view key)
{
    for (const Entry& e : s.entries)
        if (SameText(e.key, key))
            return &e;
    return nullptr;
}

bool TMemIniFile::SectionExists(std::wstring_view section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(std::wstring_view section, std::wstring_view key) const
{
    const Section* s = FindSection(section);
    const Entry* e = s ? FindEntry(*s, key) : nullptr;
    return e && e->hasValue;
}

void TMemIniFile::ReadSections(TStrings& out) const
{
    for (const auto& s : sections_)
        out.Add(s->name);
}

void TMemIniFile::ReadSection(std::wstring_view section, TStrings& keys) const
{
    if (const Section* s = FindSection(section))
        for (const Entry& e : s->entries)
            keys.Add(e.key);
}

int TMemIniFile::SectionKeyCount(std::wstring_view section) const
{
    const Section* s = FindSection(section);
    return s ? static_cast<int>(s->entries.size()) : 0;
}

String TMemIniFile::ReadString(std::wstring_view section, std::wstring_view key, std::wstring_view def) const
{
    const Section* s = FindSection(section);
    const Entry* e = s ? FindEntry(*s, key) : nullptr;
    if (!e || !e->hasValue)
        return String(def);
    if (valueLimit_ && e->value.size() > valueLimit_)
        return e->value.substr(0, valueLimit_);
    return e->value;
}

int32_t TMemIniFile::ReadInteger(std::wstring_view section, std::wstring_view key, int32_t def) const
{
    return StrToIntDef(ReadString(section, key, L""), def);
}

bool TMemIniFile::ReadBool(std::wstring_view section, std::wstring_view key, bool def) const
{
    return ReadInteger(section, key, def ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(std::wstring_view section, std::wstring_view key, std::wstring_view value)
{
    Section* s = FindSection(section);
    if (!s)
        s = &AddSection(section);
    for (Entry& e : s->entries) {
        if (SameText(e.key, key)) {
            e.value = String(value);
            e.hasValue = true;
            return;
        }
    }
    s->entries.push_back(Entry{String(key), String(value), true});
}

void TMemIniFile::WriteInteger(std::wstring_view section, std::wstring_view key, int32_t value)
{
    WriteString(section, key, IntToStr(value));
}

void TMemIniFile::WriteBool(std::wstring_view section, std::wstring_view key, bool value)
{
    WriteString(section, key, value ? L"1" : L"0");
}

void TMemIniFile::EraseSection(std::wstring_view section)
{
    Section* s = FindSection(section);
    if (!s)
        return;
    index_.erase(UpperCase(section));
    for (auto it = sections_.begin(); it != sections_.end(); ++it) {
        if (it->get() == s) {
            sections_.erase(it);
            break;
        }
    }
}

void TMemIniFile::DeleteKey(std::wstring_view section, std::wstring_view key)
{
    Section* s = FindSection(section);
    if (!s)
        return;
    for (auto it = s->entries.begin(); it != s->entries.end(); ++it) {
        if (SameText(it->key, key)) {
            s->entries.erase(it);
            return;
        }
    }
}

} // namespace vt
