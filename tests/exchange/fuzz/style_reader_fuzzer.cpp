// Fuzz target for the visual-style reading core: any bytes, read as a style
// module, must open or be refused; every text resource goes through the ini
// parser, every bitmap through the capped decoder, and a scheme that reads
// is imported into a new skin.
#include <cstdint>
#include <cstdlib>

#include "editor/exchange/style_conversion.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The bytes also go straight through the ini parser and the decoder.
    IniText loose(std::span<const std::uint8_t>(data, size));
    (void)loose.Get("SysMetrics", "Btnface");
    Pixels pixels;
    if (DecodeStyleBitmap(std::span<const std::uint8_t>(data, size), true, &pixels)) {
        if (pixels.width < 1 || pixels.width > kMaxBitmapSide || pixels.height < 1 || pixels.height > kMaxBitmapSide)
            std::abort();
    }
    (void)ParseNamesBlock(std::span<const std::uint8_t>(data, size));

    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    const ConversionResult result = ConvertStyle(std::vector<std::uint8_t>(data, data + size), std::nullopt, skin);
    if (result.code != kConversionOk && result.code != kConversionDamaged && result.code != kConversionNoThemes &&
        result.code != kConversionNoScheme)
        std::abort();
    if (result.code == kConversionOk && result.counts.elements != 27) std::abort();
    return 0;
}
