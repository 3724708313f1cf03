#include "model/hsl/hsl_arithmetic.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "model/hsl/hsl_batch_probe.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace hsl {

namespace {

// The largest and smallest of three 0..1 channels with the lightness and
// saturation they give; the plain conversion and the fused transform both
// start here. The extremes are found in this order on purpose (red against
// blue first), and saturation stays 0 for a grey.
struct ChannelSpread {
    double max;
    double min;
    double l;
    double s;
};

ChannelSpread SpreadOf(double r, double g, double b) {
    double max = r;
    if (r < b) max = b;
    if (g > max) max = g;
    double min = r;
    if (r > b) min = b;
    if (g < min) min = g;
    const double l = (max + min) / 2.0;
    double s = 0.0;
    if (max != min) {
        const double d = max - min;
        s = l < 0.5 ? d / (max + min) : d / (2.0 - max - min);
    }
    return ChannelSpread{max, min, l, s};
}

} // namespace

Hsl RgbToHsl(double red, double green, double blue) {
    const double r = red / 255.0;
    const double g = green / 255.0;
    const double b = blue / 255.0;
    const auto [max, min, l, s] = SpreadOf(r, g, b);
    double h = 0.0;
    if (max != min) {
        const double d = max - min;
        const double rc = (max - r) / d;
        const double gc = (max - g) / d;
        const double bc = (max - b) / d;
        // On ties a later test wins; the sectors agree there.
        double sector = 0.0;
        if (max == r) sector = bc - gc;
        if (max == g) sector = 2.0 + rc - bc;
        if (max == b) sector = 4.0 + gc - rc;
        h = 60.0 * sector;
        if (h < 0.0) h += 360.0;
    }
    return Hsl{h, 100.0 * s - 100.0, 200.0 * l - 100.0};
}

double HueToChannel(double hue, double p, double q) {
    double h = hue;
    if (h < 0.0) h += 360.0;
    h -= 360.0 * std::trunc(h / 360.0);
    // Hues below -360 are still negative here; wrap them into range as well.
    if (h < 0.0) h += 360.0;
    if (h < 60.0) return p + (q - p) * h / 60.0;
    if (h < 180.0) return q;
    if (h < 240.0) return p + (q - p) * (240.0 - h) / 60.0;
    return p;
}

Rgb HslToRgb(double hue, double saturation, double lightness) {
    const double s = (saturation + 100.0) / 100.0;
    const double l = (lightness + 100.0) / 200.0;
    if (s == 0.0) {
        const double grey = 255.0 * l;
        return Rgb{grey, grey, grey};
    }
    const double m = l <= 0.5 ? l : 1.0 - l;
    const double q = l + s * m;
    const double p = 2.0 * l - q;
    return Rgb{255.0 * HueToChannel(hue + 120.0, p, q), 255.0 * HueToChannel(hue, p, q),
               255.0 * HueToChannel(hue - 120.0, p, q)};
}

std::uint8_t ChannelToByte(double value) {
    // The trip through HSL leaves noise of about 1e-13 on a channel, often just
    // below a whole number (a grey of 60 comes back as 59.99999999999999,
    // lightness +100 adds 254.99999999999997). Truncating that noise would lower
    // channels by one unit, change greys under a hue shift and stop +100 short
    // of white; a tolerance far above the noise and far below any real fraction
    // keeps truncation for everything else (127.5 still gives 127).
    constexpr double kNoise = 1e-7;
    if (!(value > 0.0)) return 0; // also NaN
    value += kNoise;
    if (value >= 255.0) return 255;
    return static_cast<std::uint8_t>(static_cast<int>(value));
}

namespace {

// k / 255 for every byte value: the same doubles as dividing, without the
// division.
struct ByteFractions {
    double value[256];
    constexpr ByteFractions() : value() {
        for (int k = 0; k < 256; ++k) value[k] = k / 255.0;
    }
};
constexpr ByteFractions kByteFraction;

// A hue in degrees brought into [0, 360) (NaN stays NaN).
double WrapDegrees(double hue) {
    if (hue >= 0.0 && hue < 360.0) return hue;
    hue -= 360.0 * std::floor(hue / 360.0);
    if (hue >= 360.0) hue = 0.0; // a tiny negative hue rounds up to 360
    return hue;
}

// One channel for a hue already in [0, 360).
double WrappedHueToChannel(double hue, double p, double q) {
    constexpr double kPerDegree = 1.0 / 60.0;
    if (hue < 60.0) return p + (q - p) * (hue * kPerDegree);
    if (hue < 180.0) return q;
    if (hue < 240.0) return p + (q - p) * ((240.0 - hue) * kPerDegree);
    return p;
}

} // namespace

// The transform of one colour: RgbToHsl, the hue shift and saturation
// scale, HslToRgb and the lightness offset, fused into one pass with the
// usual 0..1 forms and with the hue wrapped once. It gives the same channels
// as composing those functions (the difference is rounding noise, which
// ChannelToByte absorbs) with two divisions in place of fourteen, which
// matters when every colour of a skin's images goes through it.
void AdjustChannels(std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue, const HSLValues& values) {
    const double r = kByteFraction.value[red];
    const double g = kByteFraction.value[green];
    const double b = kByteFraction.value[blue];
    const auto [max, min, l, s] = SpreadOf(r, g, b);
    double hue = 0.0;
    if (max != min) {
        const double d = max - min;
        // On ties blue wins over green over red; the sectors agree there.
        double sector;
        if (max == b) {
            sector = 4.0 + (r - g) / d;
        } else if (max == g) {
            sector = 2.0 + (b - r) / d;
        } else {
            sector = (g - b) / d;
        }
        hue = 60.0 * sector;
        if (hue < 0.0) hue += 360.0;
    }
    // The saturation change scales the colour's own saturation; no limit here.
    const double s1 = s * ((values.saturation + 100.0) * 0.01);
    double out_r, out_g, out_b;
    if (s1 == 0.0) {
        out_r = out_g = out_b = 255.0 * l;
    } else {
        const double m = l <= 0.5 ? l : 1.0 - l;
        const double q = l + s1 * m;
        const double p = 2.0 * l - q;
        const double h = WrapDegrees(values.hue + hue);
        const double h_red = h < 240.0 ? h + 120.0 : h - 240.0;
        const double h_blue = h >= 120.0 ? h - 120.0 : h + 240.0;
        out_r = 255.0 * WrappedHueToChannel(h_red, p, q);
        out_g = 255.0 * WrappedHueToChannel(h, p, q);
        out_b = 255.0 * WrappedHueToChannel(h_blue, p, q);
    }
    // Lightness is an offset after the conversion: 2.55 per unit.
    const double shift = values.lightness * 2.55;
    red = ChannelToByte(out_r + shift);
    green = ChannelToByte(out_g + shift);
    blue = ChannelToByte(out_b + shift);
}

std::uint32_t AdjustColorRef(std::uint32_t color, const HSLValues& values) {
    if (color == kInvertColor || values.KeepsColours()) return color;
    std::uint8_t red = color & 0xFF;
    std::uint8_t green = (color >> 8) & 0xFF;
    std::uint8_t blue = (color >> 16) & 0xFF;
    AdjustChannels(red, green, blue, values);
    return std::uint32_t{red} | std::uint32_t{green} << 8 | std::uint32_t{blue} << 16;
}

PixelAdjuster::PixelAdjuster(const HSLValues& values, BatchPath path, BlockMode block_mode)
    : values_(values),
      keep_colours_(values.KeepsColours()),
      batched_(!keep_colours_ && path != BatchPath::kScalar && BatchPathSupported(path) && BatchTakesValues(values)),
      path_(path),
      probe_(batched_ ? batch::ProbeFor(path) : nullptr),
      cache_(new CacheEntry[std::size_t{1} << kCacheBits]()),
      block_mode_(block_mode) {
    for (int a = 0; a < 256; ++a) {
        alpha_[a] = values.KeepsAlpha() ? static_cast<std::uint8_t>(a) : ChannelToByte(a * values.opacity / 100.0);
        alpha_bits_[a] = std::uint32_t{alpha_[a]} << 24;
    }
    static_assert(sizeof(CacheEntry) == 2 * sizeof(std::uint32_t) && kValid == batch::kProbeValid);
}

PixelAdjuster::~PixelAdjuster() = default;

std::uint32_t PixelAdjuster::AdjustRgb(std::uint32_t rgb) {
    if (keep_colours_) return rgb;
    const std::uint32_t key = rgb | kValid;
    CacheEntry& entry = cache_[(rgb * 0x9E3779B1u) >> (32 - kCacheBits)];
    if (entry.key == key) return entry.colour;
    std::uint8_t red = (rgb >> 16) & 0xFF;
    std::uint8_t green = (rgb >> 8) & 0xFF;
    std::uint8_t blue = rgb & 0xFF;
    AdjustChannels(red, green, blue, values_);
    entry.key = key;
    entry.colour = std::uint32_t{red} << 16 | std::uint32_t{green} << 8 | blue;
    return entry.colour;
}

std::uint32_t PixelAdjuster::AdjustPixel(std::uint32_t argb) {
    return std::uint32_t{alpha_[argb >> 24]} << 24 | AdjustRgb(argb & 0x00FFFFFFu);
}

void PixelAdjuster::AdjustRow(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, bool opaque_source) {
    RunState state;
    AdjustRow(src, dst, count, opaque_source, state);
}

void PixelAdjuster::AdjustRow(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, bool opaque_source,
                              RunState& state) {
    if (count == 0) return;
    if (opaque_source) {
        if (batched_) {
            AdjustRunBatched<true>(src, dst, count, state);
        } else {
            AdjustRun<true>(src, dst, count, state);
        }
    } else if (values_.IsNeutral()) {
        if (src != dst) std::memmove(dst, src, count * sizeof(std::uint32_t));
    } else if (batched_) {
        AdjustRunBatched<false>(src, dst, count, state);
    } else {
        AdjustRun<false>(src, dst, count, state);
    }
}

namespace {
// A block looked up in the cache whose misses exceed this share of its
// pixels sends the next kDirectBlocks blocks past the cache. On art whose
// colours rarely repeat the cache costs about a quarter more than computing
// every pixel; at this share the lookups save little either way.
constexpr std::size_t kDirectShareNum = 3;
constexpr std::size_t kDirectShareDen = 4;
constexpr int kDirectBlocks = 15;
} // namespace

std::size_t PixelAdjuster::DirectPixels(std::size_t left, std::size_t block) {
    switch (block_mode_) {
    case BlockMode::kCached: return 0;
    case BlockMode::kDirect: return left;
    case BlockMode::kAdaptive: break;
    }
    // Whole blocks while the count lasts, and the rest of the row with the
    // last of them.
    const std::size_t blocks =
        std::min<std::size_t>((left + block - 1) / block, static_cast<std::size_t>(direct_blocks_left_));
    direct_blocks_left_ -= static_cast<int>(blocks);
    return std::min(left, blocks * block);
}

void PixelAdjuster::CountBlockMisses(std::size_t misses, std::size_t count) {
    if (misses * kDirectShareDen > count * kDirectShareNum) direct_blocks_left_ = kDirectBlocks;
}

void PixelAdjuster::AdjustDirect(const std::uint32_t* in, std::uint32_t* out, std::size_t count, bool opaque) {
    // The kernel writes each pixel's alpha with its colour: for an opaque
    // source the result's; otherwise the source's, which the table then
    // turns into the result's where the opacity changes it (in may be out:
    // each pixel is read before its own result is written).
    if (opaque) {
        AdjustColours(in, out, count, values_, path_, 0, alpha_bits_[255]);
        return;
    }
    AdjustColours(in, out, count, values_, path_, 0xFF000000u, 0);
    if (!values_.KeepsAlpha()) {
        for (std::size_t i = 0; i < count; ++i) out[i] = alpha_bits_[out[i] >> 24] | (out[i] & 0x00FFFFFFu);
    }
}

template <class Index>
void PixelAdjuster::ComputeMisses(const std::uint32_t* missing, const Index* missing_at, std::size_t count,
                                  std::uint32_t* computed, std::uint32_t* out) {
    if (count == 0) return;
    AdjustColours(missing, computed, count, values_, path_);
    for (std::size_t k = 0; k < count; ++k) {
        out[missing_at[k]] |= computed[k];
        CacheEntry& entry = cache_[(missing[k] * 0x9E3779B1u) >> (32 - kCacheBits)];
        entry.key = missing[k] | kValid;
        entry.colour = computed[k];
    }
}

template <bool kOpaque>
void PixelAdjuster::AdjustRunBatched(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, RunState& state) {
    // Blocks of pixels in three steps: a pixel equal to the one before it
    // repeats that result, a colour found in the cache takes its entry, and
    // the colours left are computed together and then cached. src may be dst:
    // each pixel is read before its own result is written.
    constexpr std::size_t kBlock = 256;
    std::uint32_t missing[kBlock];
    std::uint32_t computed[kBlock];
    std::uint16_t missing_at[kBlock];
    bool repeats[kBlock];
    std::uint32_t last_in = state.valid ? state.last_in : ~(src[0] | (kOpaque ? 0xFF000000u : 0u));
    std::uint32_t last_out = state.valid ? state.last_out : 0;
    if (probe_) {
        AdjustRunProbed(src, dst, count, kOpaque, state, last_in, last_out);
        return;
    }
    for (std::size_t start = 0; start < count;) {
        const std::size_t n = count - start < kBlock ? count - start : kBlock;
        const std::uint32_t* in = src + start;
        std::uint32_t* out = dst + start;
        if (const std::size_t direct = DirectPixels(count - start, kBlock)) {
            // The last pixel is read before the run may overwrite it.
            last_in = in[direct - 1] | (kOpaque ? 0xFF000000u : 0u);
            AdjustDirect(in, out, direct, kOpaque);
            last_out = out[direct - 1];
            start += direct;
            continue;
        }
        std::size_t misses = 0;
        std::uint32_t previous = last_in;
        for (std::size_t i = 0; i < n; ++i) {
            const std::uint32_t p = kOpaque ? in[i] | 0xFF000000u : in[i];
            repeats[i] = p == previous;
            if (repeats[i]) continue;
            previous = p;
            const std::uint32_t rgb = p & 0x00FFFFFFu;
            const CacheEntry& entry = cache_[(rgb * 0x9E3779B1u) >> (32 - kCacheBits)];
            const std::uint32_t alpha = std::uint32_t{alpha_[p >> 24]} << 24;
            if (entry.key == (rgb | kValid)) {
                out[i] = alpha | entry.colour;
            } else {
                out[i] = alpha;
                missing[misses] = rgb;
                missing_at[misses] = static_cast<std::uint16_t>(i);
                ++misses;
            }
        }
        ComputeMisses(missing, missing_at, misses, computed, out);
        CountBlockMisses(misses, n);
        for (std::size_t i = 0; i < n; ++i) {
            if (repeats[i]) out[i] = i == 0 ? last_out : out[i - 1];
        }
        last_in = previous;
        last_out = out[n - 1];
        start += n;
    }
    state = RunState{last_in, last_out, true};
}

void PixelAdjuster::AdjustRunProbed(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, bool opaque,
                                    RunState& state, std::uint32_t last_in, std::uint32_t last_out) {
    // The same three steps as AdjustRunBatched, the first one done by the
    // path's probe many pixels at a time.
    constexpr std::size_t kBlock = 256;
    std::uint32_t missing[kBlock + 16];
    std::uint32_t missing_at[kBlock + 16];
    std::uint32_t repeats[kBlock + 16];
    std::uint32_t computed[kBlock];
    for (std::size_t start = 0; start < count;) {
        const std::size_t n = count - start < kBlock ? count - start : kBlock;
        std::uint32_t* out = dst + start;
        if (const std::size_t direct = DirectPixels(count - start, kBlock)) {
            // The last pixel is read before the run may overwrite it.
            last_in = src[start + direct - 1] | (opaque ? 0xFF000000u : 0u);
            AdjustDirect(src + start, out, direct, opaque);
            last_out = out[direct - 1];
            start += direct;
            continue;
        }
        batch::ProbeBlock block;
        block.in = src + start;
        block.out = out;
        block.count = n;
        block.cache = reinterpret_cast<const std::uint32_t*>(cache_.get());
        block.cache_bits = kCacheBits;
        block.alpha = alpha_bits_;
        block.previous = last_in;
        block.opaque = opaque;
        block.missing = missing;
        block.missing_at = missing_at;
        block.repeats = repeats;
        // The last pixel is read before the block may overwrite it.
        last_in = src[start + n - 1] | (opaque ? 0xFF000000u : 0u);
        probe_(block);
        ComputeMisses(missing, missing_at, block.missing_count, computed, out);
        CountBlockMisses(block.missing_count, n);
        // In order, so that a run takes the result its first pixel got; the
        // result is carried along a run rather than read back.
        std::uint32_t carried = last_out;
        std::uint32_t next = 0;
        for (std::size_t k = 0; k < block.repeat_count; ++k) {
            const std::uint32_t i = repeats[k];
            if (i != next) carried = out[i - 1];
            out[i] = carried;
            next = i + 1;
        }
        last_out = out[n - 1];
        start += n;
    }
    state = RunState{last_in, last_out, true};
}

template <bool kOpaque>
void PixelAdjuster::AdjustRun(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, RunState& state) {
    // Skin images are mostly runs of one pixel value (flat areas, gradient
    // rows): reuse the last result, four pixels at a time where SSE2 exists.
    auto adjust = [this](std::uint32_t p) { return AdjustPixel(kOpaque ? p | 0xFF000000u : p); };
    std::uint32_t last_in = state.valid ? state.last_in : ~src[0];
    std::uint32_t last_out = state.valid ? state.last_out : 0;
    std::size_t i = 0;
#if defined(__SSE2__)
    __m128i in4 = _mm_set1_epi32(static_cast<int>(last_in));
    __m128i out4 = _mm_set1_epi32(static_cast<int>(last_out));
    while (i + 4 <= count) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
        if (_mm_movemask_epi8(_mm_cmpeq_epi32(v, in4)) != 0xFFFF) {
            for (std::size_t k = i; k < i + 4; ++k) {
                const std::uint32_t p = src[k];
                if (p != last_in) {
                    last_in = p;
                    last_out = adjust(p);
                }
                dst[k] = last_out;
            }
            in4 = _mm_set1_epi32(static_cast<int>(last_in));
            out4 = _mm_set1_epi32(static_cast<int>(last_out));
        } else {
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), out4);
        }
        i += 4;
    }
#endif
    for (; i < count; ++i) {
        const std::uint32_t p = src[i];
        if (p != last_in) {
            last_in = p;
            last_out = adjust(p);
        }
        dst[i] = last_out;
    }
    state = RunState{last_in, last_out, true};
}

PixelAdjuster& ReusableAdjuster(const HSLValues& values) {
    thread_local std::unique_ptr<PixelAdjuster> adjuster;
    if (!adjuster || adjuster->Values() != values) adjuster = std::make_unique<PixelAdjuster>(values);
    return *adjuster;
}

bool IsValidView(const void* bits, int width, int height, std::ptrdiff_t stride) {
    if (width < 0 || height < 0) return false;
    if (width == 0 || height == 0) return true;
    if (bits == nullptr) return false;
    if (reinterpret_cast<std::uintptr_t>(bits) % alignof(std::uint32_t) != 0) return false;
    if (stride % static_cast<std::ptrdiff_t>(sizeof(std::uint32_t)) != 0) return false;
    const std::ptrdiff_t row_bytes = static_cast<std::ptrdiff_t>(width) * 4;
    return stride >= row_bytes || -stride >= row_bytes;
}

AdjustStatus AdjustPixels(const ConstPixelView& src, const PixelView& dst, PixelAdjuster& adjuster,
                          bool opaque_source) {
    if (!IsValidView(src.bits, src.width, src.height, src.stride)) return AdjustStatus::kBadSource;
    if (!IsValidView(dst.bits, dst.width, dst.height, dst.stride)) return AdjustStatus::kBadDestination;
    if (src.width == 0 || src.height == 0) return AdjustStatus::kDone;
    if (dst.width < src.width || dst.height < src.height) return AdjustStatus::kDestinationTooSmall;
    const auto* src_base = reinterpret_cast<const unsigned char*>(src.bits);
    auto* dst_base = reinterpret_cast<unsigned char*>(dst.bits);
    const std::ptrdiff_t row_bytes = static_cast<std::ptrdiff_t>(src.width) * 4;
    // Rows without gaps in both blocks, stored the same way up: one run over
    // all pixels in memory order (no restart at each row of a narrow image).
    if ((src.stride == row_bytes && dst.stride == row_bytes) ||
        (src.stride == -row_bytes && dst.stride == -row_bytes)) {
        const std::ptrdiff_t first_row = src.stride < 0 ? src.height - 1 : 0;
        adjuster.AdjustRow(reinterpret_cast<const std::uint32_t*>(src_base + first_row * src.stride),
                           reinterpret_cast<std::uint32_t*>(dst_base + first_row * dst.stride),
                           static_cast<std::size_t>(src.width) * static_cast<std::size_t>(src.height), opaque_source);
        return AdjustStatus::kDone;
    }
    // Otherwise row by row, in the order the source's rows lie in memory, so
    // that reading runs forward (narrow bottom-up images read backwards would
    // wait on memory at every row).
    PixelAdjuster::RunState state;
    for (int i = 0; i < src.height; ++i) {
        const int y = src.stride < 0 ? src.height - 1 - i : i;
        const auto* src_row = reinterpret_cast<const std::uint32_t*>(src_base + y * src.stride);
        auto* dst_row = reinterpret_cast<std::uint32_t*>(dst_base + y * dst.stride);
        adjuster.AdjustRow(src_row, dst_row, static_cast<std::size_t>(src.width), opaque_source, state);
    }
    return AdjustStatus::kDone;
}

AdjustStatus AdjustPixels(const ConstPixelView& src, const PixelView& dst, const HSLValues& values) {
    PixelAdjuster adjuster(values);
    return AdjustPixels(src, dst, adjuster);
}

void ComposeOnWhite(const PixelView& view) {
    if (!IsValidView(view.bits, view.width, view.height, view.stride)) return;
    auto* base = reinterpret_cast<unsigned char*>(view.bits);
    for (int y = 0; y < view.height; ++y) {
        auto* row = reinterpret_cast<std::uint32_t*>(base + y * view.stride);
        for (int x = 0; x < view.width; ++x) {
            const std::uint32_t p = row[x];
            const std::uint32_t a = p >> 24;
            if (a == 0xFF) continue;
            const std::uint32_t white = 255 * (255 - a);
            auto blend = [&](int shift) { return (((p >> shift) & 0xFF) * a + white + 127) / 255 << shift; };
            row[x] = 0xFF000000u | blend(16) | blend(8) | blend(0);
        }
    }
}

} // namespace hsl
