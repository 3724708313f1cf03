#include "model/region_from_pixels.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "model/platform/region.h"

namespace platform = hexmoor::platform;

namespace {

std::array<int, 3> Channels(COLORREF colour) {
    return {static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
            static_cast<int>((colour >> 16) & 0xFF)};
}

COLORREF ColorRefFromArgb(std::uint32_t argb) {
    return ((argb >> 16) & 0xFF) | (argb & 0xFF00) | ((argb & 0xFF) << 16);
}

// Gathers run rectangles in an RGNDATA block and turns every full block into
// a region joined to the result.
class RegionBuilder {
public:
    RegionBuilder() { Reset(); }

    bool Add(LONG left, LONG top, LONG right, LONG bottom) {
        rects_.push_back(RECT{left, top, right, bottom});
        if (rects_.size() < kRegionRectsPerBlock) return true;
        return Flush();
    }

    // Turns the remaining rectangles (possibly none) into a region, joins it
    // and hands the whole region over.
    platform::RegionHandle Finish() {
        if (!Flush()) return nullptr;
        return std::move(result_);
    }

private:
    void Reset() { rects_.clear(); }

    bool Flush() {
        if (!rects_.empty() || !result_) {
            platform::RegionHandle block = platform::RegionFromData(BlockData());
            if (!block) return false;
            if (!result_) {
                result_ = std::move(block);
            } else if (!platform::CombineRegionOr(result_, block.Get())) {
                return false;
            }
        }
        Reset();
        return true;
    }

    std::span<const std::uint8_t> BlockData() {
        RGNDATAHEADER header{};
        header.dwSize = sizeof header;
        header.iType = RDH_RECTANGLES;
        header.nCount = static_cast<DWORD>(rects_.size());
        header.nRgnSize = static_cast<DWORD>(rects_.size() * sizeof(RECT));
        header.rcBound = RECT{0, 0, 0, 0};
        if (!rects_.empty()) {
            header.rcBound = rects_.front();
            for (const RECT& r : rects_) {
                header.rcBound.left = std::min(header.rcBound.left, r.left);
                header.rcBound.right = std::max(header.rcBound.right, r.right);
                header.rcBound.bottom = std::max(header.rcBound.bottom, r.bottom);
            }
        }
        data_.resize(sizeof header + header.nRgnSize);
        std::memcpy(data_.data(), &header, sizeof header);
        if (!rects_.empty()) std::memcpy(data_.data() + sizeof header, rects_.data(), header.nRgnSize);
        return data_;
    }

    std::vector<RECT> rects_;
    std::vector<std::uint8_t> data_;
    platform::RegionHandle result_;
};

} // namespace

ChannelBands ComputeChannelBands(COLORREF key, const RegionKey& options) {
    const std::array<int, 3> k = Channels(key);
    const std::array<int, 3> c = Channels(options.mode == RegionRange::Off ? 0 : options.range);
    const bool between = options.mode == RegionRange::Destination && !options.useUpperLeft;
    ChannelBands bands;
    for (int i = 0; i < 3; ++i) {
        const int low = between ? std::min(k[i], c[i]) : std::max(k[i] - c[i], 0);
        const int high = between ? std::max(k[i], c[i]) : std::min(k[i] + c[i], 255);
        bands.low[i] = static_cast<std::uint8_t>(low);
        bands.high[i] = static_cast<std::uint8_t>(high);
    }
    return bands;
}

std::unique_ptr<CImageRgn> CreateRegionFromBitmap(const platform::ImagePixels& pixels, const RegionKey& key) {
    const int width = pixels.width;
    const int height = pixels.height;
    if (width < 0 || height < 0 ||
        static_cast<std::uint64_t>(width) * static_cast<std::uint64_t>(height) != pixels.argb.size()) {
        return nullptr;
    }
    const COLORREF keyColour = key.useUpperLeft && !pixels.argb.empty() ? ColorRefFromArgb(pixels.argb[0]) : key.key;
    const ChannelBands bands = ComputeChannelBands(keyColour, key);
    const bool keepMatching = key.invert;

    RegionBuilder builder;
    const std::uint32_t* row = pixels.argb.data();
    for (int y = 0; y < height; ++y, row += width) {
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && bands.Matches(row[x]) == keepMatching) ++x;
            if (x > start && !builder.Add(start, y, x, y + 1)) return nullptr;
            ++x; // past the pixel that ended the run
        }
    }
    platform::RegionHandle region = builder.Finish();
    if (!region) return nullptr;
    return std::make_unique<CImageRgn>(std::move(region), width, height);
}

std::unique_ptr<CImageRgn> CreateRegionFromBitmap(HBITMAP source, const RegionKey& key) {
    platform::ImagePixels pixels;
    if (!source || !platform::ReadBitmapPixels(source, &pixels)) return nullptr;
    return CreateRegionFromBitmap(pixels, key);
}
