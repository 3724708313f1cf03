#include "editor/exchange/style_conversion.h"

#include "base/utf8.h"

namespace hexmoor::exchange {

std::string ToUtf8(std::u16string_view text) { return hexmoor::ToUtf8(text); }

ConversionResult ConvertStyle(std::vector<std::uint8_t> file, const std::optional<std::u16string>& scheme,
                              CTwfSkin& skin) {
    ConversionResult result;
    StyleFile style;
    switch (style.Open(std::move(file))) {
    case StyleFile::OpenResult::kDamaged:
        result.code = kConversionDamaged;
        result.message = kDamagedModuleMessage;
        return result;
    case StyleFile::OpenResult::kNoThemesIni:
        result.code = kConversionNoThemes;
        result.message = kNoThemesIniMessage;
        return result;
    case StyleFile::OpenResult::kOk: break;
    }
    for (const SchemeName& s : style.Schemes()) result.schemes.push_back(s.display);
    std::u16string resource;
    if (scheme) {
        result.scheme = *scheme;
        resource = style.ResourceForScheme(*scheme);
    } else if (!style.Schemes().empty()) {
        result.scheme = style.Schemes().front().display;
        resource = style.Schemes().front().resource;
    } else {
        result.code = kConversionNoScheme;
        result.message = kNoSchemesMessage;
        return result;
    }
    IniText text;
    switch (ReadSchemeText(style, resource, &text)) {
    case SchemeText::kMissing:
        result.code = kConversionNoScheme;
        result.message = ResourceNotFoundMessage(resource);
        return result;
    case SchemeText::kUnreadable:
        result.code = kConversionNoScheme;
        result.message = SchemeUnreadableMessage(resource);
        return result;
    case SchemeText::kOk: break;
    }
    ImportScheme(skin, style, text, &result.skipped);
    result.counts = CountImported(skin);
    return result;
}

std::string FormatConversion(const ConversionResult& r) {
    if (r.code == kConversionDamaged || r.code == kConversionNoThemes) return "result " + std::to_string(r.code) + "\n";
    std::string out = "schemes ";
    for (std::size_t i = 0; i < r.schemes.size(); ++i) out += (i ? "," : "") + ToUtf8(r.schemes[i]);
    out += "\n";
    if (r.code != kConversionOk) return out + "result " + std::to_string(r.code) + "\n";
    out += "scheme " + ToUtf8(r.scheme) + "\n";
    out += "elements " + std::to_string(r.counts.elements) + "\n";
    out += "images " + std::to_string(r.counts.images) + "\n";
    out += "colors " + std::to_string(r.counts.colors) + "\n";
    out += "numbers " + std::to_string(r.counts.numbers) + "\n";
    out += "regions " + std::to_string(r.counts.regions) + "\n";
    out += "skipped " + std::to_string(r.skipped.size()) + "\n";
    for (const SkippedImage& s : r.skipped) out += "skip " + s.section + " " + s.key + " " + s.reason + "\n";
    return out + "result 0\n";
}

namespace {

std::u16string ReasonInWords(const std::string& reason) {
    if (reason == kSkipMissing) return u"the style holds no such bitmap";
    if (reason == kSkipRefused) return u"the bitmap is damaged or too large";
    if (reason == kSkipOverBudget) return u"over the memory an import may use";
    if (reason == kSkipRegionOverCap) return u"its window shape needs too many rectangles; imported without a shape";
    return std::u16string(reason.begin(), reason.end());
}

std::u16string Ascii(const std::string& text) { return std::u16string(text.begin(), text.end()); }

} // namespace

std::u16string SkippedImagesReport(const std::vector<SkippedImage>& skipped) {
    std::u16string out = u"The style was imported without some of its images:";
    for (std::size_t i = 0; i < skipped.size() && i < kReportedSkips; ++i) {
        const SkippedImage& s = skipped[i];
        out += u"\r\n" + Ascii(s.section) + u" " + Ascii(s.key) + u": " + ReasonInWords(s.reason);
    }
    if (skipped.size() > kReportedSkips)
        out += u"\r\nand " + Ascii(std::to_string(skipped.size() - kReportedSkips)) + u" more.";
    return out;
}

} // namespace hexmoor::exchange
