// The skin definition as the container's writer produces it: every key of every record, in
// writer form, CR LF line ends, plain ASCII. Records state only the values that differ from the
// defaults; a key unknown to the record's class is a generator error.
#pragma once

#include "framework/base/types.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace skingen {

struct KeyDef {
    const char* key;
    char kind;
    const char* def;
};
using KeyList = std::vector<KeyDef>;

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
    // Lines of a section in the order added.
    void Add(const std::string& section, const std::string& key, const std::string& value);
    void AddValues(const std::string& section, const KeyList& keys, const Values& v,
                   const std::vector<std::string>& omit = {});
    // A [SKINOBJECTS] or [SKINCONTROLS] list, each entry followed by its record's section.
    void AddRecordList(const std::string& listSection, const std::vector<Record>& records,
                       bool controls);
    std::string Text() const;

private:
    std::vector<std::pair<std::string, std::vector<std::pair<std::string, std::string>>>> sections_;
};

const KeyList& FormInfoKeys();
const KeyList& PopupWindowKeys();
const KeyList& LayerFrameKeys();
const KeyList& HintWindowKeys();
const KeyList& SkinColorKeys();
// Every key a record of this type writes, base classes first; throws for an unknown type.
KeyList ObjectKeys(const std::string& type);
KeyList ControlKeys(const std::string& type);

} // namespace skingen
