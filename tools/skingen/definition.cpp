#include "definition.h"

#include "framework/base/string_list.h"
#include "framework/base/strings.h"
#include "skin/skin_records.h"

#include <stdexcept>

namespace skingen {

namespace {

std::wstring W(const std::string& s) { return vt::Utf8ToWide(s); }

} // namespace

std::string RectValue(vt::TRect r)
{
    if (r.Left < 0 || r.Top < 0 || r.Right < 0 || r.Bottom < 0)
        throw std::runtime_error("negative rectangle coordinates do not survive the reader");
    return std::to_string(r.Left) + "," + std::to_string(r.Top) + "," + std::to_string(r.Right) +
           "," + std::to_string(r.Bottom);
}

std::string PointValue(int x, int y)
{
    if (x < 0 || y < 0)
        throw std::runtime_error("negative point coordinates do not survive the reader");
    return std::to_string(x) + "," + std::to_string(y);
}

Values& Values::Set(const std::string& key, const std::string& v)
{
    values_[key] = v;
    return *this;
}

Definition::Definition() : skin_(nullptr) { skin_.BuildMode = true; }

void Definition::SetSection(const std::string& section, const Values& values, const std::vector<std::string>& omit)
{
    if (!sections_.insert(section).second)
        throw std::runtime_error("section written twice: " + section);
    for (const auto& [key, value] : values.All()) {
        stated_.WriteString(W(section), W(key), W(value));
        values_.emplace_back(section, key, value);
    }
    for (const std::string& key : omit)
        omitted_.emplace_back(section, key);
}

void Definition::AddRecordList(const std::string& listSection, vt::TspRecordList list,
                               const std::vector<Record>& records)
{
    stated_.WriteInteger(W(listSection), L"count", static_cast<int32_t>(records.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        const Record& r = records[i];
        const vt::TspRecordType* type = vt::FindRecordType(list, W(r.type));
        if (!type || !type->Create)
            throw std::runtime_error("[" + listSection + "] has no record type " + r.type);
        for (const Record& earlier : records)
            if (&earlier != &r && earlier.name == r.name)
                throw std::runtime_error("record name used twice: " + r.name);
        stated_.WriteString(W(listSection), W(std::to_string(i)), W(r.name + ":" + r.type));
    }
    for (const Record& r : records)
        SetSection(r.name, r.values, r.omit);
}

void Definition::Load()
{
    if (!stated_.SectionExists(L"SKINAREAS"))
        stated_.WriteInteger(L"SKINAREAS", L"count", 0);
    skin_.LoadDefinition(stated_);
}

std::string Definition::Text() const
{
    vt::TMemIniFile written;
    skin_.SaveToCustomIniFile(written);
    for (const auto& [section, key, value] : values_) {
        if (!written.ValueExists(W(section), W(key)))
            throw std::runtime_error("[" + section + "] has no key " + key);
        std::string back = vt::WideToUtf8(written.ReadString(W(section), W(key), L""));
        if (back != value)
            throw std::runtime_error("[" + section + "] " + key + "=" + value + " reads back as " + back);
    }
    for (const auto& [section, key] : omitted_)
        written.DeleteKey(W(section), W(key));
    vt::TStringList lines;
    written.GetStrings(lines);
    std::string s;
    for (const vt::String& line : lines)
        s += vt::WideToUtf8(line) + "\r\n";
    for (unsigned char c : s)
        if (c > 127)
            throw std::runtime_error("the definition must be plain ASCII");
    return s;
}

} // namespace skingen
