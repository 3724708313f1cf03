// Validation of RGNDATA blocks, shared by both platforms.
#include <cstring>

#include "model/platform/region.h"

namespace hexmoor::platform {

bool IsValidRegionData(std::span<const std::uint8_t> data) {
    if (data.size() < sizeof(RGNDATAHEADER)) return false;
    RGNDATAHEADER header;
    std::memcpy(&header, data.data(), sizeof header);
    if (header.dwSize != sizeof(RGNDATAHEADER) || header.iType != RDH_RECTANGLES) return false;
    const std::uint64_t needed = sizeof(RGNDATAHEADER) + 16ull * header.nCount;
    return needed <= data.size();
}

} // namespace hexmoor::platform
