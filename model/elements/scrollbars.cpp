#include "model/elements/scrollbars.h"

#include <array>
#include <utility>

namespace {

using IdPair = std::pair<WORD, WORD>; // (internal id, standalone id)

constexpr std::array<IdPair, 14> kHorzPairs = {{
    {814, 42},
    {841, 101},
    {815, 43},
    {816, 45},
    {817, 47},
    {818, 49},
    {819, 51},
    {820, 53},
    {821, 55},
    {822, 57},
    {823, 59},
    {824, 61},
    {825, 63},
    {826, 65},
}};

constexpr std::array<IdPair, 14> kVertPairs = {{
    {827, 76},
    {828, 77},
    {829, 79},
    {830, 81},
    {831, 83},
    {832, 85},
    {833, 87},
    {834, 89},
    {835, 91},
    {836, 93},
    {837, 94},
    {838, 96},
    {839, 98},
    {840, 100},
}};

// Internal bars' height, arrow width, width, arrow height.
constexpr std::array<WORD, 4> kDefaultSizeIds = {812, 813, 810, 811};
constexpr DWORD kDefaultSize = 16;

} // namespace

CTwfScrollbars::CTwfScrollbars() : CTwfObj(kElemScrollbars) { StoreDefaultSizes(); }

void CTwfScrollbars::StoreDefaultSizes() {
    for (WORD id : kDefaultSizeIds) StoreNumber(id, kDefaultSize);
}

BOOL CTwfScrollbars::Clear(DWORD enabled) {
    CTwfObj::Clear(enabled);
    StoreDefaultSizes();
    return TRUE;
}

void CTwfScrollbars::CopyStandaloneHorzToInternal() {
    for (const auto& [internal, standalone] : kHorzPairs) CopyImage(standalone, internal);
}

void CTwfScrollbars::CopyStandaloneVertToInternal() {
    for (const auto& [internal, standalone] : kVertPairs) CopyImage(standalone, internal);
}

void CTwfScrollbars::CopyInternalHorzToStandalone() {
    for (const auto& [internal, standalone] : kHorzPairs) CopyImage(internal, standalone);
}

void CTwfScrollbars::CopyInternalVertToStandalone() {
    for (const auto& [internal, standalone] : kVertPairs) CopyImage(internal, standalone);
}
