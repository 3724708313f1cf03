// Native regions: the RGNDATA rectangle list behind HRGN.
#include <cstring>

#include "model/platform/native/records.h"
#include "model/platform/region.h"

namespace hexmoor::platform {

template <>
void NativeHandleTraits<HRGN>::Close(HRGN region) noexcept {
    delete region;
}

RegionHandle RegionFromData(std::span<const std::uint8_t> data) {
    if (!IsValidRegionData(data)) return nullptr;
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof header);
    RegionHandle region(new HRGN__{});
    region->rects.resize(header.nCount);
    if (header.nCount) std::memcpy(region->rects.data(), data.data() + sizeof header, header.nCount * sizeof(RECT));
    return region;
}

bool RegionToData(HRGN region, std::vector<std::uint8_t>* out) {
    if (!region || !out) return false;
    RGNDATAHEADER header{};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(region->rects.size());
    header.nRgnSize = static_cast<DWORD>(region->rects.size() * sizeof(RECT));
    bool first = true;
    for (const RECT& r : region->rects) {
        if (first) {
            header.rcBound = r;
            first = false;
            continue;
        }
        if (r.left < header.rcBound.left) header.rcBound.left = r.left;
        if (r.top < header.rcBound.top) header.rcBound.top = r.top;
        if (r.right > header.rcBound.right) header.rcBound.right = r.right;
        if (r.bottom > header.rcBound.bottom) header.rcBound.bottom = r.bottom;
    }
    out->resize(sizeof header + header.nRgnSize);
    std::memcpy(out->data(), &header, sizeof header);
    if (header.nRgnSize) std::memcpy(out->data() + sizeof header, region->rects.data(), header.nRgnSize);
    return true;
}

RegionHandle CreateRectRegion(LONG left, LONG top, LONG right, LONG bottom) {
    RegionHandle region(new HRGN__{});
    if (right > left && bottom > top) region->rects.push_back(RECT{left, top, right, bottom});
    return region;
}

RegionHandle DuplicateRegion(HRGN region) {
    if (!region) return nullptr;
    return RegionHandle(new HRGN__{region->rects});
}

bool CombineRegionOr(RegionHandle& region, HRGN part) {
    if (!region || !part) return false;
    // The rectangle list stands for the union of its rectangles.
    region->rects.insert(region->rects.end(), part->rects.begin(), part->rects.end());
    return true;
}

} // namespace hexmoor::platform
