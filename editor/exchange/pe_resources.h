// A bounded reader of the resource directory of a PE module held in memory.
// Visual styles are resource-only modules; we read them as bytes instead of
// loading them, so that a hostile file can only be refused. The whole
// directory is walked and checked when the module is opened: every offset
// and size must lie inside the file, the tree has exactly three levels (type,
// name, language), and no directory is visited twice.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hexmoor::exchange {

// A resource type or name: a 16-bit id or a string (UTF-16 code units).
struct ResourceKey {
    bool isId = false;
    std::uint16_t id = 0;
    std::u16string name;

    static ResourceKey Id(std::uint16_t value) { return {true, value, {}}; }
    static ResourceKey Name(std::u16string_view text) { return {false, 0, std::u16string(text)}; }
    // Ids compare by value; names compare without regard to case.
    bool Matches(const ResourceKey& other) const;
};

struct ResourceEntry {
    ResourceKey type;
    ResourceKey name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;
};

class ResourceModule {
public:
    // Files larger than this are refused outright.
    static constexpr std::uint64_t kMaxFileBytes = 256ull << 20;

    // Checks the module and its whole resource directory; false when the
    // bytes are not a PE image with a sound resource directory. The bytes
    // must outlive the module.
    bool Open(std::span<const std::uint8_t> file);

    // The data of the first language of a resource; nullopt when the module
    // holds no such resource.
    std::optional<std::span<const std::uint8_t>> Find(const ResourceKey& type, const ResourceKey& name) const;

    const std::vector<ResourceEntry>& Entries() const { return entries_; }

private:
    std::vector<ResourceEntry> entries_;
};

// Upper case of one UTF-16 code unit for the comparisons of names: ASCII and
// Latin-1 letters.
char16_t FoldUpper(char16_t c);
std::u16string ToUtf16(std::string_view ascii);

} // namespace hexmoor::exchange
