#include "dialogs/skin_chooser_model.h"

#include <algorithm>

namespace vt {

namespace {

bool IsDotEntry(const String& name) { return name == L"." || name == L".."; }

// Sorts ignoring case (exact order between names that differ only in case, so the list does not
// depend on the enumeration order) and selects the last name equal to the default.
TSkinList Finish(std::vector<String> names, const String& defaultName)
{
    std::sort(names.begin(), names.end(), [](const String& a, const String& b) {
        const int c = CompareText(a, b);
        return c != 0 ? c < 0 : a < b;
    });
    TSkinList list;
    for (size_t i = 0; i < names.size(); ++i)
        if (SameText(names[i], defaultName))
            list.Selected = static_cast<int>(i);
    list.Names = std::move(names);
    return list;
}

} // namespace

String SkinsFolderOf(const String& folder, const String& programFolder)
{
    String f = folder.empty() ? programFolder : folder;
    if (f.empty() || (f.back() != L'\\' && f.back() != L'/'))
        f += L'\\';
    return f;
}

TSkinList ListSkinPackages(const std::vector<TFolderEntry>& entries, const String& ext,
                           const String& defaultSkin)
{
    const String wanted = L"." + LowerCase(ext);
    std::vector<String> names;
    for (const TFolderEntry& e : entries) {
        if (e.IsDirectory || IsDotEntry(e.Name))
            continue;
        if (LowerCase(ExtractFileExt(e.Name)) != wanted)
            continue;
        String name = e.Name.substr(0, e.Name.size() - wanted.size());
        // A file named only ".skn" has no skin name to show or rebuild its file name from.
        if (!name.empty())
            names.push_back(std::move(name));
    }
    return Finish(std::move(names), defaultSkin);
}

TSkinList ListSkinFolders(const std::vector<TFolderEntry>& entries, const String& defaultFolder)
{
    std::vector<String> names;
    for (const TFolderEntry& e : entries)
        if (e.IsDirectory && !IsDotEntry(e.Name))
            names.push_back(e.Name);
    return Finish(std::move(names), defaultFolder);
}

String PackageFileName(const String& folder, const String& name, const String& ext)
{
    return folder + name + L"." + ext;
}

String FolderSkinFileName(const String& folder, const String& name, const String& iniFileName)
{
    return folder + name + L"\\" + iniFileName;
}

} // namespace vt
