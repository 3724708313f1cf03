// Shared by the skin-file tests: GDI+ started for the whole test program
// (image decoding needs it in the Windows tree), the generated fixture
// folder, and scratch files that remove themselves.
#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "model/gdiplus_init.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <unistd.h>
#endif

namespace skin_test {

inline CGdiPlusInit& Imaging() {
    static CGdiPlusInit init;
    return init;
}

inline std::filesystem::path FixtureDir() { return std::filesystem::path(HEXMOOR_TEST_DATA_DIR) / "skins"; }

inline std::string ReadText(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::filesystem::path& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

// A folder of its own under the system's temporary folder, removed at the end.
class ScratchDir {
public:
    explicit ScratchDir(const std::string& name)
        : path_(std::filesystem::temp_directory_path() /
                ("hexmoor-" + name + "-" + std::to_string(ProcessId()) + "-" + std::to_string(Counter()++))) {
        std::filesystem::remove_all(path_);
        std::filesystem::create_directories(path_);
    }
    ~ScratchDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path operator/(const std::string& leaf) const { return path_ / leaf; }

private:
    // Tests run as parallel processes: the process id keeps their folders apart.
    static unsigned long ProcessId() {
#ifdef _WIN32
        return GetCurrentProcessId();
#else
        return static_cast<unsigned long>(getpid());
#endif
    }
    static int& Counter() {
        static int n = 0;
        return n;
    }
    std::filesystem::path path_;
};

} // namespace skin_test
