#pragma once
// The generated styles and the outputs expected of them, read whole.
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace style_fixtures {

// The path of a generated file.
inline std::string Path(const std::string& name) { return std::string(HEXMOOR_STYLE_FIXTURES) + "/" + name; }

inline std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {});
}

inline std::string ReadText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace style_fixtures
