#include "framework/base/platform_files.h"
#include "framework/base/streams.h"
#include "framework/base/strings.h"

namespace vt {

// File names are kept as UTF-16 everywhere; the native file system takes UTF-8.
std::filesystem::path FileSystemPath(const std::wstring& fileName)
{
    return std::filesystem::path(WideToUtf8(fileName));
}

std::wstring FromFileSystemPath(const std::filesystem::path& path)
{
    return Utf8ToWide(path.string());
}

std::FILE* OpenFileW(const std::wstring& fileName, const char* mode)
{
    return std::fopen(WideToUtf8(fileName).c_str(), mode);
}

int64_t SeekFile(std::FILE* file, int64_t offset, int whence)
{
    fseeko(file, offset, whence);
    return ftello(file);
}

wchar_t PathDelimiter()
{
    return L'/';
}

std::wstring ProgramFolder()
{
    std::error_code error;
    std::filesystem::path exe = std::filesystem::read_symlink("/proc/self/exe", error);
    if (error)
        return {};
    return IncludeTrailingPathDelimiter(FromFileSystemPath(exe.parent_path()));
}

} // namespace vt
