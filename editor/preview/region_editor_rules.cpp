#include "editor/preview/region_editor_rules.h"

#include <cwctype>

namespace hexmoor::preview {

namespace {

std::wstring Lower(std::wstring text) {
    for (wchar_t& ch : text) ch = static_cast<wchar_t>(std::towlower(ch));
    return text;
}

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

COLORREF Rgb(int r, int g, int b) {
    return static_cast<COLORREF>(r & 0xFF) | (static_cast<COLORREF>(g & 0xFF) << 8) |
           (static_cast<COLORREF>(b & 0xFF) << 16);
}

} // namespace

std::wstring DefaultRegionFileName(const std::wstring& picturePath) {
    if (picturePath.size() <= 2) return {};
    const std::wstring lower = Lower(picturePath);
    return WithRegionExtension(lower.substr(FileNameStart(lower)));
}

std::wstring RegionPathFor(const std::wstring& path) {
    if (path.empty()) return {};
    return WithRegionExtension(Lower(path));
}

RegionKey RegionKeyFromSettings(const RegionSettingsValues& v) {
    RegionKey key;
    key.key = Rgb(v.baseRed, v.baseGreen, v.baseBlue);
    key.invert = v.invert;
    key.useUpperLeft = v.useUpperLeft;
    if (!v.rangeEnabled) {
        key.mode = RegionRange::Off;
        key.range = 0;
    } else if (v.destinationMode) {
        key.mode = RegionRange::Destination;
        key.range = Rgb(v.destRed, v.destGreen, v.destBlue);
    } else {
        key.mode = RegionRange::Tolerance;
        key.range = Rgb(v.tolRed, v.tolGreen, v.tolBlue);
    }
    return key;
}

} // namespace hexmoor::preview
