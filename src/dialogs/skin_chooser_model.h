// The skin chooser's portable half: which entries of a folder listing become skins, in which
// order, which one starts selected, and the file names a choice gives. The dialog window feeds it
// the folder's entries and shows the names.
//
//   SkinsFolderOf        the folder listed, with its trailing "\"
//   ListSkinPackages     package mode: files with the extension, listed without it
//   ListSkinFolders      folder mode: the sub-folders
//   PackageFileName / FolderSkinFileName   the file a chosen name stands for
#pragma once

#include "framework/base/folders.h"
#include "framework/base/strings.h"

#include <vector>

namespace vt {

// The names to show, sorted ignoring case, and the index to select: the last name equal to the
// default ignoring case, else 0.
struct TSkinList {
    std::vector<String> Names;
    int Selected = 0;
};

// The folder to list: folder, or the program's own when it is empty, ending in "\".
String SkinsFolderOf(const String& folder, const String& programFolder);

// Files (not directories, "." or "..") whose extension in lower case is "." + ext in lower case,
// each named without that extension; the extension is taken off the end only.
TSkinList ListSkinPackages(const std::vector<TFolderEntry>& entries, const String& ext,
                           const String& defaultSkin);
// Directories other than "." and "..".
TSkinList ListSkinFolders(const std::vector<TFolderEntry>& entries, const String& defaultFolder);

// folder + name + "." + ext: the extension is the caller's, not the one found on disk.
String PackageFileName(const String& folder, const String& name, const String& ext);
// folder + name + "\" + iniFileName.
String FolderSkinFileName(const String& folder, const String& name, const String& iniFileName);

} // namespace vt
