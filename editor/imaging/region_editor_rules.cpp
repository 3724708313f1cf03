#include "editor/imaging/region_editor_rules.h"

#include <cwctype>

namespace hexmoor::preview {

namespace {

// Index where the file name starts (after the last '\' or '/').
std::size_t FileNameStart(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? 0 : slash + 1;
}

// The path with the file name's extension replaced by ".rgn"; a leading dot
// of the file name (".hidden") is not an extension.
std::wstring WithRegionExtension(const std::wstring& path) {
    const std::size_t nameStart = FileNameStart(path);
    const std::size_t dot = path.find_last_of(L'.');
    if (dot != std::wstring::npos && dot > nameStart) return path.substr(0, dot) + L".rgn";
    return path + L".rgn";
}

} // namespace

std::wstring ToLower(std::wstring text) {
    for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towlower(ch));
    return text;
}

COLORREF RgbFromChannels(int red, int green, int blue) {
    return static_cast<COLORREF>(red & 0xFF) | (static_cast<COLORREF>(green & 0xFF) << 8) |
           (static_cast<COLORREF>(blue & 0xFF) << 16);
}

std::wstring DefaultRegionFileName(const std::wstring& picturePath) {
    if (picturePath.size() <= 2) return {};
    const std::wstring lower = ToLower(picturePath);
    return WithRegionExtension(lower.substr(FileNameStart(lower)));
}

std::wstring RegionPathFor(const std::wstring& path) {
    if (path.empty()) return {};
    return WithRegionExtension(ToLower(path));
}

RegionKey RegionKeyFromSettings(const RegionSettingsValues& v) {
    RegionKey key;
    key.key = RgbFromChannels(v.baseRed, v.baseGreen, v.baseBlue);
    key.invert = v.invert;
    key.useUpperLeft = v.useUpperLeft;
    if (!v.rangeEnabled) {
        key.mode = RegionRange::Off;
        key.range = 0;
    } else if (v.destinationMode) {
        key.mode = RegionRange::Destination;
        key.range = RgbFromChannels(v.destRed, v.destGreen, v.destBlue);
    } else {
        key.mode = RegionRange::Tolerance;
        key.range = RgbFromChannels(v.tolRed, v.tolGreen, v.tolBlue);
    }
    return key;
}

} // namespace hexmoor::preview
