// Speed of CreateRegionFromBitmap on a 2048 x 2048 picture of 16 shapes on
// white, beside the bare work in the same run: one pass finding the runs of
// non-white pixels and one ExtCreateRegion of all of them. Prints the
// rectangle counts, the best time of each over the rounds and last
// "ratio region-to-bare X.XX".
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

#include "base/win/gdi.h"
#include "model/region_from_pixels.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kSide = 2048;
constexpr std::uint32_t kWhite = 0xFFFFFFFF;

// Four rows of four shapes: discs, rings, diamonds and rectangles with holes,
// in several colours, so rows cross shapes with one, two or more runs.
hexmoor::platform::ImagePixels MakePicture() {
    hexmoor::platform::ImagePixels picture{kSide, kSide,
                                           std::vector<std::uint32_t>(static_cast<size_t>(kSide) * kSide, kWhite)};
    const int cell = kSide / 4;
    for (int shape = 0; shape < 16; ++shape) {
        const int cx = (shape % 4) * cell + cell / 2, cy = (shape / 4) * cell + cell / 2;
        const int radius = cell / 2 - 20 - 8 * (shape % 3);
        const std::uint32_t colour = 0xFF000000u | (0x3Fu * (shape % 4)) << 16 | (0x50u * (shape / 4)) << 8 | 0x20;
        for (int y = cy - radius; y < cy + radius; ++y) {
            for (int x = cx - radius; x < cx + radius; ++x) {
                const int dx = x - cx, dy = y - cy;
                bool inside = false;
                switch (shape % 4) {
                case 0: inside = dx * dx + dy * dy <= radius * radius; break;
                case 1:
                    inside = dx * dx + dy * dy <= radius * radius && dx * dx + dy * dy >= radius * radius / 4;
                    break;
                case 2: inside = std::abs(dx) + std::abs(dy) <= radius; break;
                case 3:
                    inside =
                        !(std::abs(dx) < radius / 3 && std::abs(dy) < radius / 2) && ((dx / 16 + dy / 16) % 2 == 0);
                    break;
                }
                if (inside) picture.argb[static_cast<size_t>(y) * kSide + x] = colour;
            }
        }
    }
    return picture;
}

// The bare work: the runs of non-white pixels, one region of them all.
HRGN BareRegion(const hexmoor::platform::ImagePixels& picture, DWORD* count) {
    std::vector<std::uint8_t> block(sizeof(RGNDATAHEADER));
    std::vector<RECT> rects;
    for (int y = 0; y < picture.height; ++y) {
        const std::uint32_t* row = picture.argb.data() + static_cast<size_t>(y) * picture.width;
        for (int x = 0; x < picture.width;) {
            if ((row[x] & 0xFFFFFF) == 0xFFFFFF) {
                ++x;
                continue;
            }
            const int start = x;
            while (x < picture.width && (row[x] & 0xFFFFFF) != 0xFFFFFF) ++x;
            rects.push_back(RECT{start, y, x, y + 1});
        }
    }
    RGNDATAHEADER header{sizeof header, RDH_RECTANGLES, static_cast<DWORD>(rects.size()),
                         static_cast<DWORD>(rects.size() * sizeof(RECT)), RECT{0, 0, picture.width, picture.height}};
    block.resize(sizeof header + header.nRgnSize);
    std::memcpy(block.data(), &header, sizeof header);
    std::memcpy(block.data() + sizeof header, rects.data(), header.nRgnSize);
    *count = header.nCount;
    return ::ExtCreateRegion(nullptr, static_cast<DWORD>(block.size()), reinterpret_cast<const RGNDATA*>(block.data()));
}

DWORD RegionRects(HRGN region) {
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    std::vector<std::uint8_t> data(size);
    if (!size || ::GetRegionData(region, size, reinterpret_cast<RGNDATA*>(data.data())) != size) return 0;
    return reinterpret_cast<const RGNDATAHEADER*>(data.data())->nCount;
}

} // namespace

int main(int argc, char** argv) {
    int rounds = 5;
    if (argc == 3 && std::strcmp(argv[1], "--rounds") == 0) rounds = std::max(1, std::atoi(argv[2]));
    const hexmoor::platform::ImagePixels picture = MakePicture();
    std::printf("picture %dx%d, 16 shapes\n", kSide, kSide);

    double best_region = 1e9, best_bare = 1e9;
    DWORD runs = 0, region_rects = 0, bare_rects = 0;
    bool equal = true;
    for (int round = 0; round < rounds; ++round) {
        const auto b0 = Clock::now();
        const hexmoor::win::Region bare(BareRegion(picture, &runs));
        const auto b1 = Clock::now();
        const auto r0 = Clock::now();
        std::unique_ptr<CImageRgn> region = CreateRegionFromBitmap(picture, RegionKey{});
        const auto r1 = Clock::now();
        if (!bare.Get() || !region || !region->GetHRgn()) {
            std::fprintf(stderr, "a region could not be made\n");
            return 1;
        }
        equal = equal && ::EqualRgn(bare.Get(), region->GetHRgn());
        bare_rects = RegionRects(bare.Get());
        region_rects = RegionRects(region->GetHRgn());
        best_bare = std::min(best_bare, std::chrono::duration<double>(b1 - b0).count());
        best_region = std::min(best_region, std::chrono::duration<double>(r1 - r0).count());
    }
    std::printf("runs %lu\n", static_cast<unsigned long>(runs));
    std::printf("region rects %lu (bare %lu), equal %s\n", static_cast<unsigned long>(region_rects),
                static_cast<unsigned long>(bare_rects), equal ? "yes" : "NO");
    std::printf("bare %.2f ms\n", best_bare * 1000);
    std::printf("region %.2f ms\n", best_region * 1000);
    std::printf("ratio region-to-bare %.2f\n", best_region / best_bare);
    return equal ? 0 : 1;
}
