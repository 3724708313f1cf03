// A bounded reader of the resource directory of a PE module held in memory.
// Visual styles are resource-only modules; we read them as bytes instead of
// loading them, so that a hostile file can only be refused. The whole
// directory is walked and checked when the module is opened: every offset
// and size must lie inside the file, the tree has exactly three levels (type,
// name, language), no directory is visited twice, and the entries and their
// names stay within caps that no real style comes near.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace hexmoor::exchange {

// A resource type or name asked for: a 16-bit id or a string (UTF-16 code
// units).
struct ResourceKey {
    bool isId = false;
    std::uint16_t id = 0;
    std::u16string name;

    static ResourceKey Id(std::uint16_t value) { return {true, value, {}}; }
    static ResourceKey Name(std::u16string_view text) { return {false, 0, std::u16string(text)}; }
    // Ids compare by value; names compare without regard to case.
    bool Matches(const ResourceKey& other) const;
};

// A resource type or name as the directory holds it: an id, or a string
// read in place. A string is kept once, in the file's bytes, however many
// entries name it.
struct ResourceName {
    bool isId = false;
    std::uint16_t id = 0;
    std::span<const std::uint8_t> text; // UTF-16 little-endian code units

    std::size_t Length() const { return text.size() / 2; }
    char16_t At(std::size_t i) const { return static_cast<char16_t>(text[2 * i] | (text[2 * i + 1] << 8)); }
    std::u16string ToString() const;
    // Ids compare by value; names compare without regard to case.
    bool Matches(const ResourceKey& key) const;
};

struct ResourceEntry {
    ResourceName type;
    ResourceName name;
    std::uint16_t language = 0;
    std::span<const std::uint8_t> data;
};

class ResourceModule {
public:
    // Files larger than this are refused outright.
    static constexpr std::uint64_t kMaxFileBytes = 256ull << 20;
    // Real styles hold a few thousand resources (one language each); a
    // directory with more entries than this is refused as damaged.
    static constexpr std::size_t kMaxEntries = 16384;
    // The type and name strings of all entries, each entry counting its own
    // (a lookup may compare them all), in UTF-16 code units; more is refused.
    static constexpr std::uint64_t kMaxNameUnits = 1ull << 20;

    // Checks the module and its whole resource directory; false when the
    // bytes are not a PE image with a sound resource directory within the
    // caps. The bytes must outlive the module.
    bool Open(std::span<const std::uint8_t> file);

    // The data of the first language of a resource; nullopt when the module
    // holds no such resource.
    std::optional<std::span<const std::uint8_t>> Find(const ResourceKey& type, const ResourceKey& name) const;

    // In directory order.
    const std::vector<ResourceEntry>& Entries() const { return entries_; }

private:
    std::vector<ResourceEntry> entries_;
    // Entry indexes ordered by type and name (case folded), directory order
    // kept among equals, so that a lookup is a binary search.
    std::vector<std::uint32_t> index_;
};

// Upper case of one UTF-16 code unit for the comparisons of names: ASCII and
// Latin-1 letters.
char16_t FoldUpper(char16_t c);
std::u16string ToUtf16(std::string_view ascii);

} // namespace hexmoor::exchange
