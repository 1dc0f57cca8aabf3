#include "framework/base/folders.h"

#include "framework/base/platform_files.h"
#include "framework/base/strings.h"

#include <filesystem>
#include <system_error>

namespace vt {

namespace fs = std::filesystem;

TFolderListing ListFolder(const std::wstring& folder)
{
    TFolderListing listing;
    auto fail = [&](const std::error_code& error) {
        listing.Error = Utf8ToWide(error.message());
        return listing;
    };
    std::error_code error;
    fs::directory_iterator it(FileSystemPath(folder), error);
    if (error)
        return fail(error);
    for (; it != fs::directory_iterator(); it.increment(error)) {
        if (error)
            return fail(error);
        const fs::directory_entry& entry = *it;
        // An entry that vanished or cannot be examined is listed as a file; its name is still
        // worth showing.
        std::error_code statusError;
        bool directory = entry.is_directory(statusError);
        listing.Entries.push_back({FromFileSystemPath(entry.path().filename()), directory && !statusError});
    }
    if (error)
        return fail(error);
    return listing;
}

} // namespace vt
