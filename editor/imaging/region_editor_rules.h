#pragma once
// The region editor's rules that need no window: file names for region
// files, and the key that the settings form's values make.

#include <string>

#include "model/region_from_pixels.h"

namespace hexmoor::preview {

// The default name offered when saving a region for a picture: the picture's
// file name (no folder), lower case, with its extension replaced by ".rgn"
// (".rgn" appended when it has none). Empty for a path of two characters or
// fewer.
std::wstring DefaultRegionFileName(const std::wstring& picturePath);

// A chosen region path, lower case, with the file name's extension replaced
// by "rgn" or ".rgn" appended; dots in folder names are left alone.
std::wstring RegionPathFor(const std::wstring& path);

// Lower case, character by character.
std::wstring ToLower(std::wstring text);
// A COLORREF from the low 8 bits of each channel.
COLORREF RgbFromChannels(int red, int green, int blue);

// The values of the region editor's settings form.
struct RegionSettingsValues {
    int baseRed = 255, baseGreen = 255, baseBlue = 255;
    int destRed = 255, destGreen = 255, destBlue = 255;
    int tolRed = 10, tolGreen = 10, tolBlue = 10;
    bool useUpperLeft = false;
    bool invert = false;
    bool rangeEnabled = false;
    bool destinationMode = true; // "Destination color" chosen; else "+ / - values"
};

// The key "Update" builds the region with. Colours take the low 8 bits of
// each field. A disabled range is an exact match of the key colour, whatever
// mode is chosen.
RegionKey RegionKeyFromSettings(const RegionSettingsValues& values);

} // namespace hexmoor::preview
