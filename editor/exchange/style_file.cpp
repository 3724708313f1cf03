#include "editor/exchange/style_file.h"

#include "model/platform/file.h"

namespace hexmoor::exchange {
namespace {

const ResourceKey& TextFileType() {
    static const ResourceKey key = ResourceKey::Name(u"TEXTFILE");
    return key;
}

std::u16string ToUpper(std::u16string_view text) {
    std::u16string out(text);
    for (char16_t& c : out) c = FoldUpper(c);
    return out;
}

std::u16string DisplayName(std::u16string_view resource) {
    std::u16string lower = ToLower(resource);
    std::u16string out;
    for (std::size_t i = 0; i < lower.size();) {
        if (lower.compare(i, 4, u"_ini") == 0) {
            i += 4;
        } else {
            out.push_back(lower[i++]);
        }
    }
    return out;
}

} // namespace

std::vector<SchemeName> ParseNamesBlock(std::span<const std::uint8_t> block) {
    std::vector<SchemeName> names;
    std::u16string current;
    const std::size_t units = block.size() / 2;
    for (std::size_t i = 0; i <= units; ++i) {
        const char16_t c = i < units ? static_cast<char16_t>(block[2 * i] | (block[2 * i + 1] << 8)) : u'\0';
        if (c != u'\0') {
            current.push_back(c);
            continue;
        }
        if (!current.empty()) names.push_back({DisplayName(current), current});
        current.clear();
    }
    return names;
}

std::u16string BuildThemeDescription(const IniText& themes) {
    static constexpr const char* kKeys[] = {"Copyright",   "Author",      "Company",    "URL",
                                            "ThemeName",   "DisplayName", "ToolTip",    "Description",
                                            "LastUpdated", "Version",     "WmpSkinName"};
    std::u16string out;
    for (const char* key : kKeys) {
        if (!out.empty()) out += u"\r\n";
        out += ToUtf16(key);
        out += u": ";
        out += themes.Get("Documentation", key);
    }
    return out;
}

std::u16string ResourceNotFoundMessage(std::u16string_view name) {
    return u"Resource " + std::u16string(name) + u" not found!";
}

std::u16string SchemeUnreadableMessage(std::u16string_view name) {
    return u"Resource " + std::u16string(name) + u" holds no colour scheme that can be read!";
}

std::optional<std::vector<std::uint8_t>> ReadStyleFile(const std::wstring& path) {
    std::vector<std::uint8_t> bytes;
    if (hexmoor::platform::ReadFileBytes(path, &bytes, ResourceModule::kMaxFileBytes) !=
        hexmoor::platform::FileReadResult::kOk)
        return std::nullopt;
    return bytes;
}

StyleFile::OpenResult StyleFile::Open(std::vector<std::uint8_t> bytes) {
    bytes_ = std::move(bytes);
    themes_ = IniText();
    schemes_.clear();
    if (!module_.Open(bytes_)) return OpenResult::kDamaged;
    const auto themes = FindTextResource(u"THEMES_INI");
    if (!themes) return OpenResult::kNoThemesIni;
    themes_ = IniText(*themes);
    if (const auto names = module_.Find(ResourceKey::Name(u"FILERESNAMES"), ResourceKey::Id(1)))
        schemes_ = ParseNamesBlock(*names);
    return OpenResult::kOk;
}

std::optional<std::span<const std::uint8_t>> StyleFile::FindTextResource(std::u16string_view name) const {
    return module_.Find(TextFileType(), ResourceKey::Name(name));
}

std::optional<std::span<const std::uint8_t>> StyleFile::FindBitmap(std::u16string_view name) const {
    return module_.Find(ResourceKey::Id(2), ResourceKey::Name(name));
}

std::u16string StyleFile::ResourceForScheme(std::u16string_view shown) const {
    for (const SchemeName& s : schemes_)
        if (s.display == shown) return s.resource;
    for (const SchemeName& s : schemes_)
        if (EqualsNoCase(s.resource, shown)) return s.resource;
    return ToUpper(shown) + u"_INI";
}

} // namespace hexmoor::exchange
