#include "editor/links/link_strings.h"

#include <vector>

namespace hexmoor::links {
namespace {

struct Entry {
    UINT id;
    const wchar_t* text;
};

constexpr Entry kTable[] = {
    {IDS_LINK_IMAGE, L"Image"},
    {IDS_PROPERTIES, L"Properties"},
    {IDS_LINK_INSERTED, L"Inserted"},
    {IDS_LINK_NO_IMAGE, L"No image"},
    {IDS_LINK_FRAME_TOP_SIDE, L"Frame Top Side"},
    {IDS_LINK_FRAME_BOTTOM_SIDE, L"Frame Bottom Side"},
    {IDS_LINK_FRAME_RIGHT_SIDE, L"Frame Right Side"},
    {IDS_LINK_FRAME_LEFT_SIDE, L"Frame Left Side"},
    {IDS_LINK_GRIP, L"Grip"},
    {IDS_LINK_SLIDER_CONTROLS, L"Slider Controls"},
    {IDS_LINK_TAB_CONTROLS, L"Tab Controls"},
    {IDS_LINK_PROGRESS_BARS, L"Progress Bars"},
    {IDS_LINK_SPIN_CONTROLS, L"Spin Controls"},
    {IDS_LINK_IMAGES, L"Images"},
    {IDS_LINK_REGIONS, L"Regions"},
    {IDS_LINK_REGION, L"Region"},
    {IDS_LINK_SIZE, L"Size"},
    {IDS_LINK_TEXT_COLOR, L"Text Color"},
    {IDS_LINK_STATIC_TEXT, L"Static Text"},
    {IDS_LINK_USER_DATA, L"User Data"},
    {IDS_LINK_TILE, L"Tile"},
    {IDS_LINK_STRETCH, L"Stretch"},
    {IDS_LINK_BLIT, L"Blit"},
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
