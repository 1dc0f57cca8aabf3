// The skin definition, written by the container itself: skingen states each section's values,
// the container (TspSkinData and its record classes) reads them as a skin load would and writes
// the whole definition with SaveToCustomIniFile, every key of every record in writer form, CR LF
// line ends, plain ASCII. Sections state only the values that differ from the defaults; a value
// that does not come back unchanged (a key unknown to the record's class, a value its reader
// changes) is a generator error.
#pragma once

#include "framework/base/ini_file.h"
#include "framework/base/types.h"
#include "skin/skin_data.h"

#include <map>
#include <set>
#include <string>
#include <tuple>
#include <vector>

namespace skingen {

std::string RectValue(vt::TRect r);
std::string PointValue(int x, int y);

class Values {
public:
    Values& Set(const std::string& key, const std::string& v);
    Values& Set(const std::string& key, const char* v) { return Set(key, std::string(v)); }
    Values& Set(const std::string& key, int v) { return Set(key, std::to_string(v)); }
    Values& Set(const std::string& key, bool v) { return Set(key, std::string(v ? "1" : "0")); }
    Values& Set(const std::string& key, vt::TRect r) { return Set(key, RectValue(r)); }
    Values& Point(const std::string& key, int x, int y) { return Set(key, PointValue(x, y)); }
    const std::map<std::string, std::string>& All() const { return values_; }

private:
    std::map<std::string, std::string> values_;
};

struct Record {
    std::string name;
    std::string type;
    Values values;
    std::vector<std::string> omit;  // keys left out of the section on purpose
};

class Definition {
public:
    Definition();

    // The container: the version, picture and cursor fields are set on it directly.
    vt::TspSkinData& Skin() { return skin_; }
    // Values of a section the container reads ([FORMINFO], [POPUPWINDOW], ...).
    void SetSection(const std::string& section, const Values& values, const std::vector<std::string>& omit = {});
    // A [SKINOBJECTS] or [SKINCONTROLS] list and its records' sections.
    void AddRecordList(const std::string& listSection, vt::TspRecordList list, const std::vector<Record>& records);
    // Reads every section into the container; fields set on Skin() afterwards stay as set.
    void Load();
    // The definition as the container writes it, checked against the stated values.
    std::string Text() const;

private:
    vt::TspSkinData skin_;
    vt::TMemIniFile stated_;
    std::set<std::string> sections_;
    std::vector<std::tuple<std::string, std::string, std::string>> values_;
    std::vector<std::pair<std::string, std::string>> omitted_;
};

} // namespace skingen
