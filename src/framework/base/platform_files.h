// The few file-system calls whose form differs between Windows and the native build: wide file
// names, 64-bit seeks and the path delimiter. platform_files_win.cpp and platform_files_host.cpp
// hold the two halves.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <string>

namespace vt {

// A path for std::filesystem from a file name as the application spells it.
std::filesystem::path FileSystemPath(const std::wstring& fileName);
// The file name as the application spells it, from a std::filesystem path.
std::wstring FromFileSystemPath(const std::filesystem::path& path);
// Moves to offset from whence (SEEK_SET, SEEK_CUR, SEEK_END); returns the new position.
int64_t SeekFile(std::FILE* file, int64_t offset, int whence);
// The delimiter new path parts are joined with.
wchar_t PathDelimiter();
// The folder of the running program's executable, with a trailing delimiter; empty when the
// system cannot tell.
std::wstring ProgramFolder();

} // namespace vt
