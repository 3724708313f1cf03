#include "editor/links/link_strings.h"

#include <vector>

namespace hexmoor::links {
namespace {

struct Entry {
    UINT id;
    const wchar_t* text;
};

constexpr Entry kTable[] = {
    {kStrImage, L"Image"},
    {kStrProperties, L"Properties"},
    {kStrInserted, L"Inserted"},
    {kStrNoImage, L"No image"},
    {kStrFrameTopSide, L"Frame Top Side"},
    {kStrFrameBottomSide, L"Frame Bottom Side"},
    {kStrFrameRightSide, L"Frame Right Side"},
    {kStrFrameLeftSide, L"Frame Left Side"},
    {kStrGrip, L"Grip"},
    {kStrSliderControls, L"Slider Controls"},
    {kStrTabControls, L"Tab Controls"},
    {kStrProgressBars, L"Progress Bars"},
    {kStrSpinControls, L"Spin Controls"},
    {kStrImages, L"Images"},
    {kStrRegions, L"Regions"},
    {kStrRegion, L"Region"},
    {kStrSize, L"Size"},
    {kStrTextColor, L"Text Color"},
    {kStrStaticText, L"Static Text"},
    {kStrUserData, L"User Data"},
    {kStrTile, L"Tile"},
    {kStrStretch, L"Stretch"},
    {kStrBlit, L"Blit"},
};

LinkStringProvider& Provider() {
    static LinkStringProvider provider;
    return provider;
}

} // namespace

std::wstring BuiltInLinkString(UINT id) {
    for (const Entry& e : kTable)
        if (e.id == id) return e.text;
    return {};
}

const UINT* BuiltInLinkStringIds(size_t* count) {
    static const std::vector<UINT> ids = [] {
        std::vector<UINT> all;
        for (const Entry& e : kTable) all.push_back(e.id);
        return all;
    }();
    *count = ids.size();
    return ids.data();
}

std::wstring LinkString(UINT id) {
    if (Provider()) {
        std::wstring text = Provider()(id);
        if (!text.empty()) return text;
    }
    return BuiltInLinkString(id);
}

void SetLinkStringProvider(LinkStringProvider provider) { Provider() = std::move(provider); }

} // namespace hexmoor::links
