// Listing a folder's entries, for choosers that offer the files found in one folder.
#pragma once

#include <string>
#include <vector>

namespace vt {

struct TFolderEntry {
    std::wstring Name;
    bool IsDirectory = false;
};

struct TFolderListing {
    // In the order the file system gives them, without "." and "..".
    std::vector<TFolderEntry> Entries;
    // Why the folder could not be listed (or was listed only in part); empty when it was.
    std::wstring Error;
};

// The entries directly inside folder. Never throws for a missing or unreadable folder: the
// listing is then empty (or holds what was read before the failure) and Error says why.
TFolderListing ListFolder(const std::wstring& folder);

} // namespace vt
