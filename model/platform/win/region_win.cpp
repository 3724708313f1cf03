// Windows regions: GDI HRGN handles.
#include "model/platform/region.h"

namespace hexmoor::platform {

RegionHandle RegionFromData(std::span<const std::uint8_t> data) {
    // Checked first: ExtCreateRegion may read past a short block.
    if (!IsValidRegionData(data)) return nullptr;
    const auto* header = reinterpret_cast<const RGNDATAHEADER*>(data.data());
    const DWORD size = static_cast<DWORD>(sizeof(RGNDATAHEADER) + 16ull * header->nCount);
    return RegionHandle(::ExtCreateRegion(nullptr, size, reinterpret_cast<const RGNDATA*>(data.data())));
}

bool RegionToData(HRGN region, std::vector<std::uint8_t>* out) {
    if (!region || !out) return false;
    const DWORD size = ::GetRegionData(region, 0, nullptr);
    if (size == 0) return false;
    out->assign(size, 0);
    return ::GetRegionData(region, size, reinterpret_cast<RGNDATA*>(out->data())) == size;
}

RegionHandle CreateRectRegion(LONG left, LONG top, LONG right, LONG bottom) {
    return RegionHandle(::CreateRectRgn(left, top, right, bottom));
}

RegionHandle DuplicateRegion(HRGN region) {
    if (!region) return nullptr;
    RegionHandle copy(::CreateRectRgn(0, 0, 0, 0));
    if (!copy || ::CombineRgn(copy.Get(), region, nullptr, RGN_COPY) == ERROR) return nullptr;
    return copy;
}

bool CombineRegionOr(RegionHandle& region, HRGN part) {
    if (!region || !part) return false;
    return ::CombineRgn(region.Get(), region.Get(), part, RGN_OR) != ERROR;
}

} // namespace hexmoor::platform
