// Helpers shared by the tests: paths into the source tree and a scratch folder per test.
#pragma once

#include <atomic>
#include <filesystem>
#include <string>
#include <system_error>

#ifdef _WIN32
#include <process.h>
#define VT_TEST_GETPID _getpid
#else
#include <unistd.h>
#define VT_TEST_GETPID getpid
#endif

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

// A fresh, empty folder for one test; removed when the object goes. The name is made unique per
// process and object, since test runners start several test processes at once.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("vantrel-test-" + name + "-" + std::to_string(VT_TEST_GETPID()) + "-" +
                 std::to_string(Counter()++)))
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
    static std::atomic<int>& Counter()
    {
        static std::atomic<int> counter{0};
        return counter;
    }
    std::filesystem::path path_;
};

} // namespace vt::test
