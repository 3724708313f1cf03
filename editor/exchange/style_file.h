// A visual-style file opened for import: its resource directory, the
// general ini text "THEMES_INI", the list of colour schemes from the names
// block "FILERESNAMES" and the style's description.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "editor/exchange/ini_text.h"
#include "editor/exchange/pe_resources.h"

namespace hexmoor::exchange {

// One scheme as the choice list shows it: the display text and the name of
// its ini resource, kept apart so that the display rule cannot lose a name.
struct SchemeName {
    std::u16string display;  // lower case, every "_ini" removed
    std::u16string resource; // the resource name as the block holds it
};

// The names block: UTF-16 names, each ended by a zero. Walked whole and
// bounded; empty names are skipped and a last name without its zero counts.
std::vector<SchemeName> ParseNamesBlock(std::span<const std::uint8_t> block);

// The description lines of the [Documentation] section, one per key.
std::u16string BuildThemeDescription(const IniText& themes);

// Messages, as the dialogs word them.
inline constexpr char16_t kDamagedModuleMessage[] =
    u"The loaded module is damaged or doesn\u2019t have required resources!";
inline constexpr char16_t kNoThemesIniMessage[] = u"Resource THEMES_INI not found!";
// "Resource NAME not found!"
std::u16string ResourceNotFoundMessage(std::u16string_view name);
// A scheme text holding none of the sections the import reads.
std::u16string SchemeUnreadableMessage(std::u16string_view name);

// The bytes of a file through the model's file layer; nullopt when it
// cannot be read or is longer than a style may be (it is then not read).
std::optional<std::vector<std::uint8_t>> ReadStyleFile(const std::wstring& path);

class StyleFile {
public:
    enum class OpenResult { kOk, kDamaged, kNoThemesIni };

    // Takes the file's bytes over and reads its directory, THEMES_INI and
    // the names block.
    OpenResult Open(std::vector<std::uint8_t> bytes);

    const ResourceModule& Module() const { return module_; }
    const IniText& Themes() const { return themes_; }
    const std::vector<SchemeName>& Schemes() const { return schemes_; }
    std::u16string Description() const { return BuildThemeDescription(themes_); }

    // The bytes of a "TEXTFILE" resource; nullopt when missing.
    std::optional<std::span<const std::uint8_t>> FindTextResource(std::u16string_view name) const;
    // The packed DIB of a bitmap resource; nullopt when missing.
    std::optional<std::span<const std::uint8_t>> FindBitmap(std::u16string_view name) const;

    // The resource name of a scheme given as the list shows it (or as its
    // resource name); the upper-cased text with "_INI" when no item matches.
    std::u16string ResourceForScheme(std::u16string_view shown) const;

private:
    std::vector<std::uint8_t> bytes_;
    ResourceModule module_;
    IniText themes_;
    std::vector<SchemeName> schemes_;
};

} // namespace hexmoor::exchange
