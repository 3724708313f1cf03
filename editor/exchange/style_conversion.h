// One whole visual-style import from the file's bytes, as the conversion
// tool and the editor's import command run it: open the style, pick the
// scheme, refuse what cannot be read before the skin changes, import.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "editor/exchange/style_import.h"

class CTwfSkin;

namespace hexmoor::exchange {

enum ConversionCode {
    kConversionOk = 0,
    kConversionDamaged = 2,
    kConversionNoThemes = 3,
    kConversionNoScheme = 4,
};

inline constexpr char16_t kNoSchemesMessage[] = u"The style lists no colour scheme!";

struct ConversionResult {
    int code = kConversionOk;
    std::u16string message;              // the refusal, as the dialogs word it
    std::vector<std::u16string> schemes; // as the choice list shows them
    std::u16string scheme;               // the chosen one, as shown
    ImportCounts counts;
    std::vector<SkippedImage> skipped;
};

// Reads the style and, when scheme (as the list shows it) or else the first
// listed scheme can be read, imports it into the skin. On any refusal the
// skin is left as it was.
ConversionResult ConvertStyle(std::vector<std::uint8_t> file, const std::optional<std::u16string>& scheme,
                              CTwfSkin& skin);

// The lines the conversion tool prints for a result (UTF-8).
std::string FormatConversion(const ConversionResult& result);

// What the editor tells the user after an import that skipped images: one
// line per skipped image (the first kReportedSkips of them) with the
// reason in words.
inline constexpr std::size_t kReportedSkips = 20;
std::u16string SkippedImagesReport(const std::vector<SkippedImage>& skipped);

std::string ToUtf8(std::u16string_view text);

} // namespace hexmoor::exchange
