#pragma once

// Colour arithmetic of the hue/saturation/lightness adjustment, over plain
// data: COLORREF-style values (0x00BBGGRR) and rows of 32-bit ARGB pixels
// (0xAARRGGBB words, bytes B, G, R, A in memory). Windows code (GDI+, HBITMAP)
// locks its pixels and hands them to these functions.
//
// Every computation is in double precision and every conversion back to a
// channel truncates toward zero after holding the value in 0..255, allowing
// for rounding noise of the computation (ChannelToByte). Two rules
// make the adjustment safe to undo: hue, saturation and lightness of 0 keep
// colours exactly as they are (the trip through HSL would lower some channels
// by one unit), and an opacity of 100 keeps alpha; so neutral values are an
// exact identity. The "Invert Color" value 0xFFFFFFFF is never changed.

#include <cstddef>
#include <cstdint>
#include <memory>

#include "model/hsl/hsl_batch.h"
#include "model/hsl/hsl_values.h"

namespace hsl {

namespace batch {
struct ProbeBlock;
} // namespace batch

inline constexpr std::uint32_t kInvertColor = 0xFFFFFFFFu;

// HSL in the adjustment's offset form: hue in degrees [0, 360); saturation as
// 100*s - 100 (-100 grey .. 0 fully saturated); lightness as 200*l - 100
// (-100 black, 0 pure colours, +100 white); s and l the usual 0..1 values.
struct Hsl {
    double hue = 0.0;
    double saturation = 0.0;
    double lightness = 0.0;
};

struct Rgb {
    double red = 0.0;
    double green = 0.0;
    double blue = 0.0;
};

// Channels 0..255 in, offset-form HSL out.
Hsl RgbToHsl(double red, double green, double blue);
// Offset-form HSL in, channels out; not held in 0..255 (a saturation above
// the colour's range gives values outside it).
Rgb HslToRgb(double hue, double saturation, double lightness);
// One channel (0..1 when p and q are) for a hue in degrees.
double HueToChannel(double hue, double p, double q);

// Holds a channel in 0..255 and truncates it, treating a value within 1e-7
// below a whole number as that number (NaN gives 0).
std::uint8_t ChannelToByte(double value);

// Adjusts the colour channels of 0x00RRGGBB-ordered red, green and blue.
// Hue, saturation and lightness only; the caller decides identity cases.
void AdjustChannels(std::uint8_t& red, std::uint8_t& green, std::uint8_t& blue, const HSLValues& values);

// One COLORREF (0x00BBGGRR). The opacity is not used. The result's top byte
// is 0, except that "Invert Color" and colours under neutral hue, saturation
// and lightness come back exactly as given.
std::uint32_t AdjustColorRef(std::uint32_t color, const HSLValues& values);

// Per-pixel adjustment of 32-bit ARGB words. Keeps the results of the colours
// it has met, so that images of few colours (skin images are mostly flat
// areas and gradients) cost a lookup per pixel; the results are the same as
// computing each pixel on its own. One adjuster may serve any number of rows
// and images under the same values.
//
// Rows go through a vector path (AdjustColours) unless `path` is kScalar:
// the colours a block of pixels has not met yet are gathered and computed
// side by side. Every path gives the same pixels.
class PixelAdjuster {
public:
    // How the vector path treats a block of pixels: through the cache, past
    // it, or chosen block by block from how the blocks before fared (the
    // first two let tests check each way on the same pixels).
    enum class BlockMode { kAdaptive, kCached, kDirect };

    explicit PixelAdjuster(const HSLValues& values, BatchPath path = BestBatchPath(),
                           BlockMode block_mode = BlockMode::kAdaptive);
    ~PixelAdjuster();
    PixelAdjuster(const PixelAdjuster&) = delete;
    PixelAdjuster& operator=(const PixelAdjuster&) = delete;

    const HSLValues& Values() const { return values_; }

    std::uint32_t AdjustPixel(std::uint32_t argb);
    // src and dst may be the same row; otherwise they must not overlap. With
    // `opaque_source` every source pixel counts as fully opaque whatever its
    // fourth byte holds (a GDI bitmap has no alpha): the result's alpha is
    // that of 255 under the opacity.
    void AdjustRow(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, bool opaque_source = false);

    // The last pixel met and its result, carried from one row to the next of
    // a block so that a run crossing rows is not computed again.
    struct RunState {
        std::uint32_t last_in = 0;
        std::uint32_t last_out = 0;
        bool valid = false;
    };
    void AdjustRow(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, bool opaque_source,
                   RunState& state);

private:
    struct CacheEntry {
        std::uint32_t key;    // colour | kValid, 0 when empty
        std::uint32_t colour; // adjusted 0x00RRGGBB
    };
    static constexpr std::uint32_t kValid = 0x01000000u;
    static constexpr int kCacheBits = 12;

    std::uint32_t AdjustRgb(std::uint32_t rgb);

    template <bool kOpaque>
    void AdjustRun(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, RunState& state);
    // Computes the colours a block missed, ORs each result into its pixel
    // (which holds the alpha) and caches it.
    template <class Index>
    void ComputeMisses(const std::uint32_t* missing, const Index* missing_at, std::size_t count,
                       std::uint32_t* computed, std::uint32_t* out);
    // AdjustRunBatched with the cache looked up by the path's probe.
    void AdjustRunProbed(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, bool opaque, RunState& state,
                         std::uint32_t last_in, std::uint32_t last_out);
    template <bool kOpaque>
    void AdjustRunBatched(const std::uint32_t* src, std::uint32_t* dst, std::size_t count, RunState& state);
    // Computes every pixel through the vector path, without the cache.
    void AdjustDirect(const std::uint32_t* in, std::uint32_t* out, std::size_t count, bool opaque);
    // How many of the `left` pixels (blocks of `block`) go straight through
    // the vector path next, 0 for a block through the cache. A block
    // looked up in the cache whose colours mostly missed (art with smooth
    // gradients and noise meets few colours twice) sends the blocks after it
    // past the cache, whose lookups and bookkeeping would then cost more
    // than they save; every so often a block is looked up again, so that
    // art of few colours finds the cache again.
    std::size_t DirectPixels(std::size_t left, std::size_t block);
    void CountBlockMisses(std::size_t misses, std::size_t count);

    HSLValues values_;
    bool keep_colours_;
    bool batched_; // rows through the vector path
    BatchPath path_;
    void (*probe_)(batch::ProbeBlock& block); // the path's probe, or null
    std::uint8_t alpha_[256];
    std::uint32_t alpha_bits_[256]; // alpha_ in a pixel's top byte
    std::unique_ptr<CacheEntry[]> cache_;
    BlockMode block_mode_;
    int direct_blocks_left_ = 0; // blocks still to go past the cache
};

// An adjuster for these values kept per thread and reused while the values
// stay the same, so that the images of a whole skin share what one adjuster
// has computed. Valid until the next call on the same thread.
PixelAdjuster& ReusableAdjuster(const HSLValues& values);

// A block of 32-bit ARGB pixels: rows `stride` bytes apart (negative for
// bottom-up storage), `width` pixels used in each.
struct PixelView {
    std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

struct ConstPixelView {
    const std::uint32_t* bits = nullptr;
    int width = 0;
    int height = 0;
    std::ptrdiff_t stride = 0;
};

enum class AdjustStatus {
    kDone,
    kBadSource,           // null bits, negative size or rows shorter than the width
    kBadDestination,      // the same for the destination
    kDestinationTooSmall, // fewer rows or columns than the source
};

// Checks that a view's rows hold its width (an empty view is valid).
bool IsValidView(const void* bits, int width, int height, std::ptrdiff_t stride);

// Writes the adjusted pixels of src into the top-left src.width x src.height
// pixels of dst; nothing is written unless both views are valid and dst is
// at least as large as src.
AdjustStatus AdjustPixels(const ConstPixelView& src, const PixelView& dst, PixelAdjuster& adjuster,
                          bool opaque_source = false);
AdjustStatus AdjustPixels(const ConstPixelView& src, const PixelView& dst, const HSLValues& values);

// Composes every pixel of a valid view over opaque white in place: each
// channel becomes (c * a + 255 * (255 - a)) / 255 rounded to nearest, and
// the alpha 255.
void ComposeOnWhite(const PixelView& view);

} // namespace hsl
