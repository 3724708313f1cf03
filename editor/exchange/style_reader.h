// What every visual-style importer reads with: ini values of the chosen
// scheme (fields, colours, margins, offsets, fonts), part images from the
// style's bitmaps, and the storing of finished images into an element.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "editor/exchange/ini_text.h"
#include "editor/exchange/style_file.h"
#include "editor/exchange/style_image.h"
#include "model/font.h"
#include "model/twf_obj.h"

namespace hexmoor::exchange {

// Splits text into wanted fields at the delimiter (and at blanks when
// blanksSeparate); runs of separators count as one; the rest after the last
// wanted field is ignored; missing fields are empty. nullopt when the text
// is empty or no field is wanted.
std::optional<std::vector<std::u16string>> SplitFields(std::u16string_view text, int wanted, char16_t delimiter,
                                                       bool blanksSeparate);
// Leading blanks, a sign, then decimal digits; 0 without digits.
int ParseNumber(std::u16string_view text);

// "r g b" or "r,g,b" as ARGB 0xFFRRGGBB; 0xFF000000 when empty.
std::uint32_t ParseColor(std::u16string_view value);
// The same as a COLORREF 0x00BBGGRR; 0xFF000000 when empty.
std::uint32_t ParseColorRef(std::u16string_view value);

struct Margins {
    int left = 0, right = 0, top = 0, bottom = 0;
};
// "left, right, top, bottom".
Margins ParseSizingMargins(std::u16string_view value);
// "x, y"; nullopt when empty.
std::optional<std::pair<int, int>> ParseOffset(std::u16string_view value);
// "Face, points[, Bold]" over the default GUI font; nullopt when empty.
// The face name is cut at 31 characters.
std::optional<LOGFONT> ParseFont(std::u16string_view value);

// The tree's font facts: the default GUI font's record and the screen's
// vertical pixels per inch.
LOGFONT DefaultGuiLogFont();
int ScreenPixelsPerInchY();

// A named bitmap the import could not use.
struct SkippedImage {
    std::string section;
    std::string key;
    std::string reason; // "missing" or "refused"
};

// Bitmaps an import has decoded, by resource name, alpha rule and key
// colour: several importers read the same strip, and each decodes once.
using DecodedBitmaps = std::map<std::tuple<std::u16string, bool, std::uint32_t>, std::shared_ptr<const Pixels>>;

// Shared by the importers of one import.
struct ImportContext {
    const StyleFile* style = nullptr;
    const IniText* scheme = nullptr;
    std::vector<SkippedImage>* skipped = nullptr;
    DecodedBitmaps* decoded = nullptr; // optional
};

using Slot = std::optional<Pixels>;

class StyleReader {
public:
    StyleReader(const ImportContext& context, std::string section, CTwfObj* target)
        : context_(context), section_(std::move(section)), target_(target) {}

    const std::string& Section() const { return section_; }
    CTwfObj* Target() const { return target_; }

    // An empty section means the reader's own.
    std::u16string ReadKey(std::string_view section, std::string_view key) const;
    std::uint32_t ReadColor(std::string_view section, std::string_view key) const {
        return ParseColor(ReadKey(section, key));
    }
    std::uint32_t ReadColorRef(std::string_view section, std::string_view key) const {
        return ParseColorRef(ReadKey(section, key));
    }
    Margins ReadSizingMargins(std::string_view section) const {
        return ParseSizingMargins(ReadKey(section, "SizingMargins"));
    }
    std::optional<std::pair<int, int>> ReadOffset(std::string_view section) const {
        return ParseOffset(ReadKey(section, "Offset"));
    }
    // The number of a key's leading digits ("BorderSize"), 0 when absent.
    int ReadNumber(std::string_view section, std::string_view key) const { return ParseNumber(ReadKey(section, key)); }

    // The image strip a part names under key; nullopt when the part is drawn
    // by a fill, names no image, or its bitmap is missing or refused (the
    // last two are recorded as skipped).
    std::optional<Strip> LoadPartImage(std::string_view key, std::string_view section) const;

    // Stores slots first..first+count-1 under ids[i] as GDI+ images with the
    // margins and modes; empty slots are skipped. Returns the number stored.
    int StoreImages(std::vector<Slot>& slots, const std::vector<WORD>& ids, const Margins& margins, int count,
                    int first, int drawMode, int mrgDrawMode) const;
    // Stores one image under id into the target.
    void StoreImage(WORD id, Pixels image, const Margins& margins, int drawMode, int mrgDrawMode) const;

private:
    const ImportContext& context_;
    std::string section_;
    CTwfObj* target_;
};

} // namespace hexmoor::exchange
