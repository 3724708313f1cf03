#include "runtime/logic/layered_companion.h"

namespace hexmoor::rt {

namespace {
bool EqualsNoCase(std::wstring_view a, std::wstring_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        wchar_t x = a[i], y = b[i];
        if (x >= L'A' && x <= L'Z') x = wchar_t(x - L'A' + L'a');
        if (y >= L'A' && y <= L'Z') y = wchar_t(y - L'A' + L'a');
        if (x != y) return false;
    }
    return true;
}
} // namespace

bool CompanionShowsChild(std::wstring_view className, unsigned long style) {
    if (EqualsNoCase(className, L"Static")) return false;
    return (style & 0x3) != 0x3;
}

std::vector<Rect> CompanionRegionRects(const std::vector<CompanionChild>& children) {
    std::vector<Rect> rects;
    for (const CompanionChild& c : children)
        if (CompanionShowsChild(c.className, c.style) && !c.rect.IsEmpty()) rects.push_back(c.rect);
    return rects;
}

} // namespace hexmoor::rt
