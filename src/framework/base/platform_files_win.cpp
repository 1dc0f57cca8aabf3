#include "framework/base/platform_files.h"
#include "framework/base/streams.h"
#include "framework/base/strings.h"

#include <windows.h>

#include <cstring>

namespace vt {

std::filesystem::path FileSystemPath(const std::wstring& fileName)
{
    return std::filesystem::path(fileName);
}

std::wstring FromFileSystemPath(const std::filesystem::path& path)
{
    return path.wstring();
}

std::FILE* OpenFileW(const std::wstring& fileName, const char* mode)
{
    std::wstring wmode(mode, mode + std::strlen(mode));
    return _wfopen(fileName.c_str(), wmode.c_str());
}

int64_t SeekFile(std::FILE* file, int64_t offset, int whence)
{
    _fseeki64(file, offset, whence);
    return _ftelli64(file);
}

wchar_t PathDelimiter()
{
    return L'\\';
}

std::wstring ProgramFolder()
{
    // The name is cut to the buffer without an error on some systems: grow until it fits.
    std::wstring name(MAX_PATH, L'\0');
    for (;;) {
        DWORD length = GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size()));
        if (length == 0)
            return {};
        if (length < name.size() - 1) {
            name.resize(length);
            break;
        }
        if (name.size() >= 32768)
            return {};
        name.resize(name.size() * 2);
    }
    return ExtractFilePath(name);
}

} // namespace vt
