#include "editor/exchange/style_reader.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace hexmoor::exchange {

std::optional<std::vector<std::u16string>> SplitFields(std::u16string_view text, int wanted, char16_t delimiter,
                                                       bool blanksSeparate) {
    if (text.empty() || wanted < 1) return std::nullopt;
    const auto isSeparator = [&](char16_t c) {
        return c == delimiter || (blanksSeparate && (c == u' ' || c == u'\t'));
    };
    std::vector<std::u16string> fields(static_cast<std::size_t>(wanted));
    std::size_t done = 0;
    std::size_t i = 0;
    while (i < text.size() && isSeparator(text[i])) ++i;
    for (; i < text.size(); ++i) {
        if (isSeparator(text[i])) {
            if (!fields[done].empty() && ++done == fields.size()) return fields;
            continue;
        }
        fields[done].push_back(text[i]);
    }
    return fields;
}

int ParseNumber(std::u16string_view text) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    std::int64_t value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        value = value * 10 + (text[i] - u'0');
        if (value > std::numeric_limits<int>::max()) value = std::numeric_limits<int>::max();
    }
    return static_cast<int>(negative ? -value : value);
}

namespace {

bool ColorBytes(std::u16string_view value, std::uint32_t* r, std::uint32_t* g, std::uint32_t* b) {
    const auto fields = SplitFields(value, 3, u',', true);
    if (!fields) return false;
    *r = static_cast<std::uint32_t>(ParseNumber((*fields)[0])) & 0xFF;
    *g = static_cast<std::uint32_t>(ParseNumber((*fields)[1])) & 0xFF;
    *b = static_cast<std::uint32_t>(ParseNumber((*fields)[2])) & 0xFF;
    return true;
}

} // namespace

std::uint32_t ParseColor(std::u16string_view value) {
    std::uint32_t r, g, b;
    if (!ColorBytes(value, &r, &g, &b)) return 0xFF000000u;
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

std::uint32_t ParseColorRef(std::u16string_view value) {
    std::uint32_t r, g, b;
    if (!ColorBytes(value, &r, &g, &b)) return 0xFF000000u;
    return r | (g << 8) | (b << 16);
}

Margins ParseSizingMargins(std::u16string_view value) {
    Margins m;
    const auto fields = SplitFields(value, 4, u',', true);
    if (!fields) return m;
    m.left = ParseNumber((*fields)[0]);
    m.right = ParseNumber((*fields)[1]);
    m.top = ParseNumber((*fields)[2]);
    m.bottom = ParseNumber((*fields)[3]);
    return m;
}

std::optional<std::pair<int, int>> ParseOffset(std::u16string_view value) {
    const auto fields = SplitFields(value, 2, u',', true);
    if (!fields) return std::nullopt;
    return std::pair<int, int>(ParseNumber((*fields)[0]), ParseNumber((*fields)[1]));
}

std::optional<LOGFONT> ParseFont(std::u16string_view value) {
    const auto fields = SplitFields(value, 3, u',', false);
    if (!fields) return std::nullopt;
    LOGFONT font = DefaultGuiLogFont();
    // MulDiv rounding: halves away from zero.
    const std::int64_t points = ParseNumber((*fields)[1]);
    const std::int64_t product = points * ScreenPixelsPerInchY();
    const std::int64_t height = product >= 0 ? (product + 36) / 72 : -((-product + 36) / 72);
    font.lfHeight = static_cast<LONG>(-height);
    std::u16string_view face = (*fields)[0];
    // Blanks after the face name belong to the separator, not the name.
    while (!face.empty() && (face.back() == u' ' || face.back() == u'\t')) face.remove_suffix(1);
    const std::size_t length = std::min<std::size_t>(face.size(), LF_FACESIZE - 1);
    for (std::size_t i = 0; i < LF_FACESIZE; ++i) font.lfFaceName[i] = i < length ? static_cast<WCHAR>(face[i]) : 0;
    std::u16string style;
    for (char16_t c : ToLower((*fields)[2]))
        if (c != u' ' && c != u'\t') style.push_back(c);
    if (style == u"bold") font.lfWeight = 700;
    return font;
}

std::u16string StyleReader::ReadKey(std::string_view section, std::string_view key) const {
    return context_.scheme->Get(section.empty() ? std::string_view(section_) : section, key);
}

void StyleReader::Skip(std::string_view section, std::string_view key, const char* reason) const {
    if (context_.skipped) context_.skipped->push_back({std::string(section), std::string(key), reason});
}

DecodedBitmap StyleReader::Decode(std::u16string_view name, std::span<const std::uint8_t> dib,
                                  const StyleBitmapHeader& header, bool alpha, std::uint32_t keyColor) const {
    DecodedBitmaps local;
    DecodedBitmaps& cache = context_.decoded ? *context_.decoded : local;
    const std::u16string lower = ToLower(name);
    const auto take = [&](std::uint64_t pixels) { return !context_.budget || context_.budget->Take(pixels); };
    auto base = cache.find({lower, alpha, 0});
    if (base == cache.end()) {
        DecodedBitmap decoded;
        auto pixels = std::make_shared<Pixels>();
        if (!take(header.Area())) {
            decoded.refusal = kSkipOverBudget;
        } else if (!DecodeStyleBitmap(dib, alpha, pixels.get())) {
            if (context_.budget) context_.budget->Give(header.Area());
            decoded.refusal = kSkipRefused;
        } else {
            decoded.pixels = std::move(pixels);
        }
        base = cache.emplace(std::make_tuple(lower, alpha, std::uint32_t{0}), decoded).first;
    }
    if (keyColor == 0 || !base->second.pixels) return base->second;
    auto keyed = cache.find({lower, alpha, keyColor});
    if (keyed == cache.end()) {
        DecodedBitmap decoded = base->second;
        const Pixels& source = *base->second.pixels;
        // Keying changes nothing when the colour is not there: the keyed
        // bitmap is the decoded one.
        if (std::find(source.argb.begin(), source.argb.end(), keyColor) != source.argb.end()) {
            if (!take(header.Area())) {
                decoded = DecodedBitmap{nullptr, kSkipOverBudget};
            } else {
                auto copy = std::make_shared<Pixels>(source);
                MakeColorTransparent(*copy, keyColor);
                decoded.pixels = std::move(copy);
            }
        }
        keyed = cache.emplace(std::make_tuple(lower, alpha, keyColor), decoded).first;
    }
    return keyed->second;
}

std::optional<Strip> StyleReader::LoadPartImage(std::string_view key, std::string_view section) const {
    const std::string_view sec = section.empty() ? std::string_view(section_) : section;
    const std::u16string bgtype = ReadKey(sec, "Bgtype");
    if (!bgtype.empty() && ToLower(bgtype) != u"imagefile") return std::nullopt;
    std::u16string name = ReadKey(sec, key);
    if (name.empty()) return std::nullopt;
    for (char16_t& c : name)
        if (c == u'.' || c == u'\\') c = u'_';
    Strip strip;
    strip.vertical = ToLower(ReadKey(sec, "ImageLayout")) == u"vertical";
    strip.count = ParseNumber(ReadKey(sec, "ImageCount"));
    const auto dib = context_.style->FindBitmap(name);
    if (!dib) {
        Skip(sec, key, kSkipMissing);
        return std::nullopt;
    }
    // The caps and the budget are checked on the header before any pixel
    // is decoded.
    const std::optional<StyleBitmapHeader> header = ReadStyleBitmapHeader(*dib);
    if (!header) {
        Skip(sec, key, kSkipRefused);
        return std::nullopt;
    }
    // The caption keeps no alpha and is keyed by no colour.
    const bool caption = section_ == "Window.Caption";
    std::uint32_t keyColor = 0;
    if (!caption) {
        keyColor = ReadColor(sec, "TransparentColor");
        if (keyColor == 0xFF000000u) keyColor = 0xFFFF00FFu;
    }
    const DecodedBitmap decoded = Decode(name, *dib, *header, !caption && header->alpha, keyColor);
    if (!decoded.pixels) {
        Skip(sec, key, decoded.refusal ? decoded.refusal : kSkipRefused);
        return std::nullopt;
    }
    strip.pixels = decoded.pixels;
    strip.account = std::make_shared<StripAccount>();
    strip.account->budget = context_.budget;
    strip.account->onRefused = [skipped = context_.skipped, section = std::string(sec), part = std::string(key)] {
        if (skipped) skipped->push_back({section, part, kSkipOverBudget});
    };
    return strip;
}

void StyleReader::StoreImage(WORD id, const ImageCut& image, const Margins& m, int drawMode, int mrgDrawMode) const {
    auto bitmap = hexmoor::platform::CreateGdiplusBitmapFromPixels(image.View());
    if (!bitmap) return;
    MrgBitmapParams params;
    params.left = m.left;
    params.top = m.top;
    params.right = m.right;
    params.bottom = m.bottom;
    params.drawMode = drawMode;
    params.mrgDrawMode = mrgDrawMode;
    target_->PutImage(id, std::make_unique<CMrgBitmap>(std::move(bitmap), params));
}

int StyleReader::StoreImages(std::vector<Slot>& slots, const std::vector<WORD>& ids, const Margins& margins, int count,
                             int first, int drawMode, int mrgDrawMode) const {
    int stored = 0;
    for (int i = first; i < first + count; ++i) {
        if (i < 0 || static_cast<std::size_t>(i) >= slots.size() || static_cast<std::size_t>(i) >= ids.size()) break;
        if (!slots[i]) continue;
        StoreImage(ids[i], *slots[i], margins, drawMode, mrgDrawMode);
        slots[i].reset();
        ++stored;
    }
    return stored;
}

} // namespace hexmoor::exchange
