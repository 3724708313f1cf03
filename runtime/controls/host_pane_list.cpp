#include "runtime/controls/host_pane_list.h"

#include <cstring>

#include "runtime/logic/bar_geometry.h"

namespace hexmoor::rt {

namespace {
bool QueryRegion(std::uintptr_t at, bars::MemoryRegion& out) {
    MEMORY_BASIC_INFORMATION info{};
    if (VirtualQuery(reinterpret_cast<const void*>(at), &info, sizeof(info)) != sizeof(info)) return false;
    out.base = reinterpret_cast<std::uintptr_t>(info.BaseAddress);
    out.size = info.RegionSize;
    out.committed = info.State == MEM_COMMIT;
    out.protect = info.Protect;
    return true;
}
} // namespace

bool IsReadableMemory(std::uintptr_t address, std::uintptr_t length) {
    return bars::IsRangeReadable(address, length, &QueryRegion);
}

std::wstring ReadHostPaneText(std::uintptr_t head, int steps) {
    std::uintptr_t at = head;
    for (int i = 0; i < steps; ++i) {
        if (!IsReadableMemory(at, sizeof(HostPaneEntry))) return {};
        HostPaneEntry entry{};
        std::memcpy(&entry, reinterpret_cast<const void*>(at), sizeof(entry));
        at = reinterpret_cast<std::uintptr_t>(entry.next);
    }
    if (!IsReadableMemory(at, sizeof(HostPaneEntry))) return {};
    HostPaneEntry entry{};
    std::memcpy(&entry, reinterpret_cast<const void*>(at), sizeof(entry));
    const auto text = reinterpret_cast<std::uintptr_t>(entry.text);
    // Characters are read region by region: each region is confirmed once.
    std::wstring out;
    std::uintptr_t readableEnd = 0;
    for (size_t n = 0; n <= kMaxHostPaneText; ++n) {
        const std::uintptr_t c = text + n * sizeof(wchar_t);
        if (c < text) return {};
        if (c + sizeof(wchar_t) > readableEnd) {
            if (!IsReadableMemory(c, sizeof(wchar_t))) return {};
            bars::MemoryRegion region;
            if (!QueryRegion(c + sizeof(wchar_t) - 1, region)) return {};
            readableEnd = region.base + region.size;
        }
        wchar_t ch = 0;
        std::memcpy(&ch, reinterpret_cast<const void*>(c), sizeof(ch));
        if (ch == 0) return out;
        out.push_back(ch);
    }
    return {};
}

} // namespace hexmoor::rt
