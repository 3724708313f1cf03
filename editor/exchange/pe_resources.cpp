#include "editor/exchange/pe_resources.h"

#include <algorithm>
#include <unordered_set>

namespace hexmoor::exchange {
namespace {

std::uint16_t U16(std::span<const std::uint8_t> b, std::uint64_t at) {
    return static_cast<std::uint16_t>(b[at] | (b[at + 1] << 8));
}
std::uint32_t U32(std::span<const std::uint8_t> b, std::uint64_t at) {
    return static_cast<std::uint32_t>(b[at]) | (static_cast<std::uint32_t>(b[at + 1]) << 8) |
           (static_cast<std::uint32_t>(b[at + 2]) << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
}
bool Fits(std::uint64_t offset, std::uint64_t size, std::uint64_t limit) {
    return offset <= limit && size <= limit - offset;
}

struct Section {
    std::uint32_t virtualAddress = 0;
    std::uint32_t virtualSize = 0;
    std::uint32_t rawSize = 0;
    std::uint32_t rawOffset = 0;
};

// Walks the resource tree. Offsets inside it are relative to the start of
// the resource block; all of them must land inside that block. Every
// directory entry looked at counts: a real style needs at most three per
// resource (its type, its name and its language), so a tree that needs more
// than three times the entry cap is refused before it can cost much.
class DirectoryWalker {
public:
    DirectoryWalker(std::span<const std::uint8_t> file, std::span<const std::uint8_t> block,
                    const std::vector<Section>& sections, std::vector<ResourceEntry>* out)
        : file_(file), block_(block), sections_(sections), out_(out) {}

    bool Walk(std::uint32_t offset, int level, const ResourceName& type, const ResourceName& name) {
        if (!Fits(offset, 16, block_.size())) return false;
        if (!visited_.insert(offset).second) return false; // a loop or a shared node
        const std::uint32_t count = static_cast<std::uint32_t>(U16(block_, offset + 12)) + U16(block_, offset + 14);
        const std::uint64_t first = static_cast<std::uint64_t>(offset) + 16;
        if (!Fits(first, static_cast<std::uint64_t>(count) * 8, block_.size())) return false;
        examined_ += count;
        if (examined_ > kMaxExamined) return false;
        for (std::uint32_t i = 0; i < count; ++i) {
            const std::uint64_t at = first + static_cast<std::uint64_t>(i) * 8;
            ResourceName key;
            if (!ReadKey(U32(block_, at), &key)) return false;
            const std::uint32_t target = U32(block_, at + 4);
            const bool isDirectory = (target & 0x80000000u) != 0;
            const std::uint32_t targetOffset = target & 0x7FFFFFFFu;
            if (level < 2) {
                if (!isDirectory) return false; // type and name levels lead to directories
                if (!Walk(targetOffset, level + 1, level == 0 ? key : type, level == 1 ? key : name)) return false;
            } else {
                if (isDirectory || !key.isId) return false; // the language level leads to data
                if (!AddData(targetOffset, type, name, key.id)) return false;
            }
        }
        return true;
    }

private:
    static constexpr std::uint64_t kMaxExamined = 3ull * ResourceModule::kMaxEntries;

    // A string key stays where it is in the block.
    bool ReadKey(std::uint32_t raw, ResourceName* key) const {
        if (!(raw & 0x80000000u)) {
            if (raw > 0xFFFF) return false;
            *key = ResourceName{true, static_cast<std::uint16_t>(raw), {}};
            return true;
        }
        const std::uint32_t at = raw & 0x7FFFFFFFu;
        if (!Fits(at, 2, block_.size())) return false;
        const std::uint16_t length = U16(block_, at);
        if (!Fits(static_cast<std::uint64_t>(at) + 2, static_cast<std::uint64_t>(length) * 2, block_.size()))
            return false;
        *key = ResourceName{false, 0, block_.subspan(at + 2, 2ull * length)};
        return true;
    }

    bool AddData(std::uint32_t offset, const ResourceName& type, const ResourceName& name, std::uint16_t language) {
        if (!Fits(offset, 16, block_.size())) return false;
        if (!visited_.insert(offset).second) return false;
        if (out_->size() >= ResourceModule::kMaxEntries) return false;
        nameUnits_ += type.Length() + name.Length();
        if (nameUnits_ > ResourceModule::kMaxNameUnits) return false;
        const std::uint32_t rva = U32(block_, offset);
        const std::uint32_t size = U32(block_, offset + 4);
        for (const Section& s : sections_) {
            if (rva < s.virtualAddress) continue;
            const std::uint64_t inSection = rva - s.virtualAddress;
            if (inSection >= std::max(s.virtualSize, s.rawSize)) continue;
            // The data must be stored in the file, not only reserved in memory.
            if (!Fits(inSection, size, s.rawSize)) return false;
            const std::uint64_t fileOffset = static_cast<std::uint64_t>(s.rawOffset) + inSection;
            if (!Fits(fileOffset, size, file_.size())) return false;
            out_->push_back({type, name, language, file_.subspan(fileOffset, size)});
            return true;
        }
        return false;
    }

    std::span<const std::uint8_t> file_;
    std::span<const std::uint8_t> block_;
    const std::vector<Section>& sections_;
    std::vector<ResourceEntry>* out_;
    std::unordered_set<std::uint32_t> visited_;
    std::uint64_t examined_ = 0;
    std::uint64_t nameUnits_ = 0;
};

// The order of the lookup index: ids before strings, ids by value, strings
// by their case-folded code units. Works on both kinds of name through their
// Length and At.
struct QueryName {
    const ResourceKey& key;
    bool isId() const { return key.isId; }
    std::uint16_t id() const { return key.id; }
    std::size_t Length() const { return key.name.size(); }
    char16_t At(std::size_t i) const { return key.name[i]; }
};
struct StoredName {
    const ResourceName& name;
    bool isId() const { return name.isId; }
    std::uint16_t id() const { return name.id; }
    std::size_t Length() const { return name.Length(); }
    char16_t At(std::size_t i) const { return name.At(i); }
};

template <typename A, typename B>
int CompareNames(const A& a, const B& b) {
    if (a.isId() != b.isId()) return a.isId() ? -1 : 1;
    if (a.isId()) return a.id() < b.id() ? -1 : (a.id() > b.id() ? 1 : 0);
    const std::size_t n = std::min(a.Length(), b.Length());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t x = FoldUpper(a.At(i)), y = FoldUpper(b.At(i));
        if (x != y) return x < y ? -1 : 1;
    }
    return a.Length() < b.Length() ? -1 : (a.Length() > b.Length() ? 1 : 0);
}

} // namespace

char16_t FoldUpper(char16_t c) {
    if (c >= u'a' && c <= u'z') return static_cast<char16_t>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<char16_t>(c - 32);
    return c;
}

std::u16string ToUtf16(std::string_view ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::u16string ResourceName::ToString() const {
    std::u16string out(Length(), u'\0');
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = At(i);
    return out;
}

bool ResourceName::Matches(const ResourceKey& key) const {
    return CompareNames(StoredName{*this}, QueryName{key}) == 0;
}

bool ResourceKey::Matches(const ResourceKey& other) const {
    if (isId != other.isId) return false;
    if (isId) return id == other.id;
    if (name.size() != other.name.size()) return false;
    for (std::size_t i = 0; i < name.size(); ++i)
        if (FoldUpper(name[i]) != FoldUpper(other.name[i])) return false;
    return true;
}

bool ResourceModule::Open(std::span<const std::uint8_t> file) {
    entries_.clear();
    index_.clear();
    if (file.size() > kMaxFileBytes || file.size() < 64) return false;
    if (file[0] != 'M' || file[1] != 'Z') return false;
    const std::uint32_t pe = U32(file, 0x3C);
    if (!Fits(pe, 24, file.size())) return false;
    if (U32(file, pe) != 0x00004550u) return false; // "PE\0\0"
    const std::uint16_t sectionCount = U16(file, pe + 6);
    const std::uint16_t optionalSize = U16(file, pe + 20);
    const std::uint64_t optional = static_cast<std::uint64_t>(pe) + 24;
    if (!Fits(optional, optionalSize, file.size()) || optionalSize < 2) return false;
    const std::uint16_t magic = U16(file, optional);
    std::uint64_t countAt = 0;
    if (magic == 0x10B) {
        countAt = 92;
    } else if (magic == 0x20B) {
        countAt = 108;
    } else {
        return false;
    }
    if (optionalSize < countAt + 4) return false;
    const std::uint32_t directoryCount = U32(file, optional + countAt);
    // The resource directory is the third data directory.
    if (directoryCount < 3 || optionalSize < countAt + 4 + 3 * 8) return false;
    const std::uint32_t resourceRva = U32(file, optional + countAt + 4 + 16);
    const std::uint32_t resourceSize = U32(file, optional + countAt + 4 + 20);
    if (resourceRva == 0 || resourceSize == 0) return false;

    const std::uint64_t table = optional + optionalSize;
    if (!Fits(table, static_cast<std::uint64_t>(sectionCount) * 40, file.size())) return false;
    std::vector<Section> sections;
    for (std::uint16_t i = 0; i < sectionCount; ++i) {
        const std::uint64_t at = table + 40ull * i;
        Section s{U32(file, at + 12), U32(file, at + 8), U32(file, at + 16), U32(file, at + 20)};
        if (s.rawSize && !Fits(s.rawOffset, s.rawSize, file.size())) return false;
        sections.push_back(s);
    }
    // The block holding the directory: from its start to the end of the
    // section's stored bytes (the directory size alone may leave the data out).
    std::span<const std::uint8_t> block;
    for (const Section& s : sections) {
        if (resourceRva < s.virtualAddress) continue;
        const std::uint64_t inSection = resourceRva - s.virtualAddress;
        if (inSection >= s.rawSize) continue;
        block = file.subspan(s.rawOffset + inSection, s.rawSize - inSection);
        break;
    }
    if (block.empty()) return false;
    DirectoryWalker walker(file, block, sections, &entries_);
    if (!walker.Walk(0, 0, {}, {})) {
        entries_.clear();
        return false;
    }
    index_.resize(entries_.size());
    for (std::uint32_t i = 0; i < index_.size(); ++i) index_[i] = i;
    std::stable_sort(index_.begin(), index_.end(), [this](std::uint32_t a, std::uint32_t b) {
        const ResourceEntry& x = entries_[a];
        const ResourceEntry& y = entries_[b];
        const int byType = CompareNames(StoredName{x.type}, StoredName{y.type});
        if (byType != 0) return byType < 0;
        return CompareNames(StoredName{x.name}, StoredName{y.name}) < 0;
    });
    return true;
}

std::optional<std::span<const std::uint8_t>> ResourceModule::Find(const ResourceKey& type,
                                                                  const ResourceKey& name) const {
    // The first entry not ordered before (type, name); the stable order keeps
    // the first language of the directory first.
    const auto it = std::partition_point(index_.begin(), index_.end(), [&](std::uint32_t i) {
        const ResourceEntry& e = entries_[i];
        const int byType = CompareNames(StoredName{e.type}, QueryName{type});
        if (byType != 0) return byType < 0;
        return CompareNames(StoredName{e.name}, QueryName{name}) < 0;
    });
    if (it == index_.end()) return std::nullopt;
    const ResourceEntry& found = entries_[*it];
    if (!found.type.Matches(type) || !found.name.Matches(name)) return std::nullopt;
    return found.data;
}

} // namespace hexmoor::exchange
