#include "model/image_rgn.h"

#include <cstring>

namespace platform = hexmoor::platform;

std::unique_ptr<CImageRgn> CImageRgn::Duplicate() const {
    return std::make_unique<CImageRgn>(platform::DuplicateRegion(region_.Get()), width_, height_);
}

std::vector<std::uint8_t> CImageRgn::GetRegionData() const {
    std::vector<std::uint8_t> data;
    if (region_ && !platform::RegionToData(region_.Get(), &data)) data.clear();
    return data;
}

bool CImageRgn::SetRegionData(std::span<const std::uint8_t> data) {
    region_ = platform::RegionFromData(data);
    return region_ != nullptr;
}

std::unique_ptr<CImageRgn> CreateEmptyImageRgn() {
    return std::make_unique<CImageRgn>(platform::CreateRectRegion(0, 0, 0, 0), 0, 0);
}

namespace {

void PutU32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) out.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
}

std::uint32_t GetU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

} // namespace

std::vector<std::uint8_t> EncodeRegionFile(const CImageRgn& region) {
    std::vector<std::uint8_t> data = region.GetRegionData();
    if (data.empty()) return {};
    std::vector<std::uint8_t> out;
    out.reserve(12 + data.size());
    PutU32(out, static_cast<std::uint32_t>(region.GetWidth()));
    PutU32(out, static_cast<std::uint32_t>(region.GetHeight()));
    PutU32(out, static_cast<std::uint32_t>(data.size()));
    out.insert(out.end(), data.begin(), data.end());
    return out;
}

std::unique_ptr<CImageRgn> DecodeRegionFile(std::span<const std::uint8_t> bytes, SIZE* refusedSize) {
    auto region = std::make_unique<CImageRgn>();
    if (bytes.size() < 8) return region;
    const auto width = static_cast<std::int32_t>(GetU32(bytes.data()));
    const auto height = static_cast<std::int32_t>(GetU32(bytes.data() + 4));
    if (!IsRegionCanvasSize(width, height)) {
        if (refusedSize) *refusedSize = SIZE{width, height};
        return region;
    }
    region->SetSize(width, height);
    if (bytes.size() < 12) return region;
    const std::uint64_t count = GetU32(bytes.data() + 8);
    if (count > bytes.size() - 12 || count > kMaxRegionDataBytes) return region;
    region->SetRegionData(bytes.subspan(12, static_cast<size_t>(count)));
    return region;
}
