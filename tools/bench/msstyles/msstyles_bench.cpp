// msstyles [IN]: the import of a visual style's first scheme against the
// bare work the same run does for it: find and decode once each bitmap the
// scheme names. By default IN is a generated style with large strips.
// Prints the figures, then "ratio import-to-decode X.XX" as its last line.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "editor/exchange/style_conversion.h"
#include "model/gdiplus_init.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange;
using Clock = std::chrono::steady_clock;

namespace {

constexpr int kRounds = 9;

double Ms(Clock::time_point since) { return std::chrono::duration<double, std::milli>(Clock::now() - since).count(); }

// The bitmap resource names the scheme's image keys give.
std::set<std::u16string> NamedBitmaps(const IniText& scheme) {
    std::set<std::u16string> names;
    for (const auto& section : scheme.Sections()) {
        for (const auto& [key, value] : section.keys) {
            const std::u16string lower = ToLower(key);
            if (lower.find(u"imagefile") == std::u16string::npos || value.empty()) continue;
            std::u16string name = value;
            for (char16_t& c : name)
                if (c == u'.' || c == u'\\') c = u'_';
            names.insert(ToLower(name));
        }
    }
    return names;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const std::wstring path = argc > 1 ? argv[1] : HEXMOOR_BENCH_STYLE_W;
    CGdiPlusInit imaging;
    auto bytes = ReadStyleFile(path);
    StyleFile style;
    if (!bytes || style.Open(*bytes) != StyleFile::OpenResult::kOk || style.Schemes().empty()) {
        std::fprintf(stderr, "msstyles: cannot read the style\n");
        return 1;
    }
    IniText scheme;
    if (ReadSchemeText(style, style.Schemes().front().resource, &scheme) != SchemeText::kOk) {
        std::fprintf(stderr, "msstyles: cannot read the first scheme\n");
        return 1;
    }
    const auto names = NamedBitmaps(scheme);
    std::uint64_t pixels = 0;
    double decodeMs = 1e300, importMs = 1e300;
    for (int round = 0; round < kRounds; ++round) {
        // Bare work: find and decode each named bitmap once.
        auto start = Clock::now();
        pixels = 0;
        for (const std::u16string& name : names) {
            const auto dib = style.FindBitmap(name);
            Pixels decoded;
            if (dib && DecodeStyleBitmap(*dib, true, &decoded)) pixels += decoded.argb.size();
        }
        decodeMs = std::min(decodeMs, Ms(start));

        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        std::vector<SkippedImage> skipped;
        start = Clock::now();
        ImportScheme(skin, style, scheme, &skipped);
        importMs = std::min(importMs, Ms(start));
        // An import that skipped images did less than the bare work.
        if (!skipped.empty()) {
            std::fprintf(stderr, "msstyles: the import skipped %zu images (%s %s %s first)\n", skipped.size(),
                         skipped[0].section.c_str(), skipped[0].key.c_str(), skipped[0].reason.c_str());
            return 1;
        }
    }
    std::printf("style bytes %zu\n", bytes->size());
    std::printf("bitmaps %zu\n", names.size());
    std::printf("pixels %llu\n", static_cast<unsigned long long>(pixels));
    std::printf("decode ms %.2f\n", decodeMs);
    std::printf("import ms %.2f\n", importMs);
    std::printf("ratio import-to-decode %.2f\n", importMs / decodeMs);
    return 0;
}
