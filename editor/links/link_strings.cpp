#include "editor/links/link_strings.h"

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
};

constexpr UINT kIds[] = {
    kStrImage,           kStrProperties,     kStrInserted,      kStrNoImage,    kStrFrameTopSide,
    kStrFrameBottomSide, kStrFrameRightSide, kStrFrameLeftSide, kStrGrip,       kStrSliderControls,
    kStrTabControls,     kStrProgressBars,   kStrSpinControls,  kStrImages,     kStrRegions,
    kStrRegion,          kStrSize,           kStrTextColor,     kStrStaticText, kStrUserData,
};
static_assert(sizeof(kIds) / sizeof(kIds[0]) == sizeof(kTable) / sizeof(kTable[0]));

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
    *count = sizeof(kIds) / sizeof(kIds[0]);
    return kIds;
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
