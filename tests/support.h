// Helpers shared by the tests: paths into the source tree and a scratch folder per test.
#pragma once

#include <filesystem>
#include <string>

namespace vt::test {

// A path inside the source tree, usable by the code under test on this platform (under Wine the
// Linux tree is reached through drive Z:).
inline std::wstring SourcePath(const std::string& relative)
{
    std::filesystem::path p = std::filesystem::path(VANTREL_SOURCE_DIR) / relative;
#ifdef _WIN32
    std::wstring w = L"Z:" + p.wstring();
    for (auto& c : w)
        if (c == L'/')
            c = L'\\';
    return w;
#else
    return p.wstring();
#endif
}

// A fresh, empty folder for one test; removed when the object goes.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() / ("vantrel-test-" + name))
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::wstring File(const std::string& name) const { return (path_ / name).wstring(); }

private:
    std::filesystem::path path_;
};

} // namespace vt::test
