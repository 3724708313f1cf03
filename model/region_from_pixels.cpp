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

// Gathers the runs row by row. A row whose runs are those of the band above
// it widens that band instead of adding rectangles (the banded form the
// system keeps regions in), so the rectangles are sorted and banded when
// the region is made. Gathering stops once they pass the cap.
class RegionBuilder {
public:
    void BeginRow(LONG y) {
        y_ = y;
        rowStart_ = rects_.size();
    }
    void Add(LONG left, LONG right) { rects_.push_back(RECT{left, y_, right, y_ + 1}); }
    // False once the region needs more rectangles than the cap.
    bool EndRow() {
        const std::size_t rowCount = rects_.size() - rowStart_;
        const std::size_t bandCount = rowStart_ - bandStart_;
        bool merged = false;
        if (rowCount > 0 && rowCount == bandCount && rects_[bandStart_].bottom == y_) {
            merged = true;
            for (std::size_t i = 0; i < rowCount && merged; ++i) {
                merged = rects_[bandStart_ + i].left == rects_[rowStart_ + i].left &&
                         rects_[bandStart_ + i].right == rects_[rowStart_ + i].right;
            }
        }
        if (merged) {
            for (std::size_t i = bandStart_; i < rowStart_; ++i) rects_[i].bottom = y_ + 1;
            rects_.resize(rowStart_);
        } else if (rowCount > 0) {
            bandStart_ = rowStart_;
        }
        return rects_.size() <= kMaxRegionRects;
    }

    // The region of every rectangle gathered (an empty one for none). Some
    // systems add a data block's rectangles to the region one by one, each
    // at the cost of the region so far (Wine took 79 s for 32,768): the
    // region is made of blocks of a few rectangles, and blocks are joined
    // two equal halves at a time, so that every rectangle is copied only as
    // often as the halves double.
    platform::RegionHandle Finish() const {
        if (rects_.empty()) return Block(0, 0);
        struct Part {
            platform::RegionHandle region;
            std::size_t blocks;
        };
        std::vector<Part> parts;
        for (std::size_t first = 0; first < rects_.size(); first += kBlockRects) {
            Part part{Block(first, std::min(kBlockRects, rects_.size() - first)), 1};
            if (!part.region) return nullptr;
            parts.push_back(std::move(part));
            while (parts.size() >= 2 && parts[parts.size() - 2].blocks == parts.back().blocks) {
                if (!Join(parts)) return nullptr;
            }
        }
        while (parts.size() >= 2) {
            if (!Join(parts)) return nullptr;
        }
        return std::move(parts.front().region);
    }

private:
    static constexpr std::size_t kBlockRects = 32;

    // The region of count rectangles from first.
    platform::RegionHandle Block(std::size_t first, std::size_t count) const {
        RGNDATAHEADER header{};
        header.dwSize = sizeof header;
        header.iType = RDH_RECTANGLES;
        header.nCount = static_cast<DWORD>(count);
        header.nRgnSize = static_cast<DWORD>(count * sizeof(RECT));
        header.rcBound = RECT{0, 0, 0, 0};
        for (std::size_t i = first; i < first + count; ++i) {
            const RECT& r = rects_[i];
            if (i == first) {
                header.rcBound = r;
                continue;
            }
            header.rcBound.left = std::min(header.rcBound.left, r.left);
            header.rcBound.top = std::min(header.rcBound.top, r.top);
            header.rcBound.right = std::max(header.rcBound.right, r.right);
            header.rcBound.bottom = std::max(header.rcBound.bottom, r.bottom);
        }
        std::uint8_t data[sizeof(RGNDATAHEADER) + kBlockRects * sizeof(RECT)];
        std::memcpy(data, &header, sizeof header);
        if (count) std::memcpy(data + sizeof header, rects_.data() + first, count * sizeof(RECT));
        return platform::RegionFromData(std::span<const std::uint8_t>(data, sizeof header + count * sizeof(RECT)));
    }

    // Joins the last part into the one before it.
    template <typename Parts>
    static bool Join(Parts& parts) {
        auto last = std::move(parts.back());
        parts.pop_back();
        if (!platform::CombineRegionOr(parts.back().region, last.region.Get())) return false;
        parts.back().blocks += last.blocks;
        return true;
    }

    std::vector<RECT> rects_;
    std::size_t bandStart_ = 0; // the first rectangle of the last band
    std::size_t rowStart_ = 0;  // the first rectangle of the row being read
    LONG y_ = 0;
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

std::unique_ptr<CImageRgn> CreateRegionFromBitmap(const platform::ImagePixels& pixels, const RegionKey& key,
                                                  bool* overCap) {
    if (overCap) *overCap = false;
    if (pixels.width < 0 || pixels.height < 0 ||
        static_cast<std::uint64_t>(pixels.width) * static_cast<std::uint64_t>(pixels.height) != pixels.argb.size()) {
        return nullptr;
    }
    return CreateRegionFromBitmap(platform::ImagePixelsView{pixels.argb.data(), pixels.width, pixels.height,
                                                            static_cast<std::size_t>(pixels.width)},
                                  key, overCap);
}

std::unique_ptr<CImageRgn> CreateRegionFromBitmap(const platform::ImagePixelsView& pixels, const RegionKey& key,
                                                  bool* overCap) {
    if (overCap) *overCap = false;
    const int width = pixels.width;
    const int height = pixels.height;
    if (width < 0 || height < 0 || (!pixels.first && width > 0 && height > 0)) return nullptr;
    const bool empty = width == 0 || height == 0;
    const COLORREF keyColour = key.useUpperLeft && !empty ? ColorRefFromArgb(pixels.first[0]) : key.key;
    const ChannelBands bands = ComputeChannelBands(keyColour, key);
    const bool keepMatching = key.invert;

    RegionBuilder builder;
    for (int y = 0; y < height; ++y) {
        const std::uint32_t* row = pixels.Row(y);
        builder.BeginRow(y);
        int x = 0;
        while (x < width) {
            const int start = x;
            while (x < width && bands.Matches(row[x]) == keepMatching) ++x;
            if (x > start) builder.Add(start, x);
            ++x; // past the pixel that ended the run
        }
        if (!builder.EndRow()) {
            if (overCap) *overCap = true;
            return nullptr;
        }
    }
    platform::RegionHandle region = builder.Finish();
    if (!region) return nullptr;
    return std::make_unique<CImageRgn>(std::move(region), width, height);
}

std::unique_ptr<CImageRgn> CreateRegionFromBitmap(HBITMAP source, const RegionKey& key, bool* overCap) {
    if (overCap) *overCap = false;
    platform::ImagePixels pixels;
    if (!source || !platform::ReadBitmapPixels(source, &pixels)) return nullptr;
    return CreateRegionFromBitmap(pixels, key, overCap);
}
