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

// A named bitmap the import could not use, or used only in part.
struct SkippedImage {
    std::string section;
    std::string key;
    std::string reason; // one of the kSkip texts below
};

// Why, as the conversion tool prints it.
inline constexpr char kSkipMissing[] = "missing";        // the style holds no such bitmap
inline constexpr char kSkipRefused[] = "refused";        // it does not decode, or is over a bitmap's caps
inline constexpr char kSkipOverBudget[] = "over-budget"; // the import's pixel budget could not pay for it
// The window shape cut from it would need more rectangles than a region may
// have: the region options are kept without a region.
inline constexpr char kSkipRegionOverCap[] = "region-over-cap";

// A bitmap decoded by an import, or why it could not be.
struct DecodedBitmap {
    std::shared_ptr<const Pixels> pixels;
    const char* refusal = nullptr; // kSkipRefused or kSkipOverBudget when no pixels
};
// Bitmaps an import has decoded, by resource name (lower case), alpha rule
// and key colour (0: not keyed): several importers read the same strip, and
// each is decoded once. A keyed entry shares the unkeyed pixels when the key
// colour is not among them.
using DecodedBitmaps = std::map<std::tuple<std::u16string, bool, std::uint32_t>, DecodedBitmap>;

// Shared by the importers of one import.
struct ImportContext {
    const StyleFile* style = nullptr;
    const IniText* scheme = nullptr;
    std::vector<SkippedImage>* skipped = nullptr;
    DecodedBitmaps* decoded = nullptr; // optional: without it nothing is kept
    PixelBudget* budget = nullptr;     // optional: without it there is no limit
};

using Slot = std::optional<ImageCut>;

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
    // by a fill, names no image, or its bitmap is missing, refused or over
    // the budget (the last three are recorded as skipped). Images cut from
    // the strip are paid for from the import's budget; the first cut it
    // cannot pay for is recorded as skipped too.
    std::optional<Strip> LoadPartImage(std::string_view key, std::string_view section) const;
    // Records that the part under key of the reader's own section was
    // skipped, for the reason given.
    void Skip(std::string_view key, const char* reason) const { Skip(section_, key, reason); }

    // Stores slots first..first+count-1 under ids[i] as GDI+ images with the
    // margins and modes; empty slots are skipped. Returns the number stored.
    int StoreImages(std::vector<Slot>& slots, const std::vector<WORD>& ids, const Margins& margins, int count,
                    int first, int drawMode, int mrgDrawMode) const;
    // Stores one image under id into the target.
    void StoreImage(WORD id, const ImageCut& image, const Margins& margins, int drawMode, int mrgDrawMode) const;

private:
    void Skip(std::string_view section, std::string_view key, const char* reason) const;
    // The bitmap's pixels as the part reads them, decoded once per import.
    DecodedBitmap Decode(std::u16string_view name, std::span<const std::uint8_t> dib, const StyleBitmapHeader& header,
                         bool alpha, std::uint32_t keyColor) const;

    const ImportContext& context_;
    std::string section_;
    CTwfObj* target_;
};

} // namespace hexmoor::exchange
