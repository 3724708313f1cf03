#include "model/file/system_colors.h"

#include <utility>

namespace {

// The table in force, null for the system's own colours.
const std::vector<COLORREF>* g_pinned = nullptr;

#ifndef _WIN32
// COLOR_* 0..30 of the classic Windows scheme.
constexpr COLORREF kClassic[] = {RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128),
                                 RGB(212, 208, 200), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
                                 RGB(0, 0, 0),       RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200),
                                 RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255), RGB(212, 208, 200),
                                 RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
                                 RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),
                                 RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240),
                                 RGB(192, 192, 192), RGB(49, 106, 197),  RGB(236, 233, 216)};
#endif

COLORREF SystemsOwnColor(int index) {
#ifdef _WIN32
    return GetSysColor(index);
#else
    if (index < 0 || index >= static_cast<int>(sizeof(kClassic) / sizeof(kClassic[0]))) return 0;
    return kClassic[index];
#endif
}

} // namespace

COLORREF SystemColor(int index) {
    if (!g_pinned) return SystemsOwnColor(index);
    if (index < 0 || static_cast<std::size_t>(index) >= g_pinned->size()) return 0;
    return (*g_pinned)[static_cast<std::size_t>(index)];
}

ScopedSystemColorTable::ScopedSystemColorTable(std::vector<COLORREF> table)
    : table_(std::move(table)), previous_(g_pinned) {
    g_pinned = &table_;
}

ScopedSystemColorTable::~ScopedSystemColorTable() { g_pinned = previous_; }
