#pragma once
// The editor's road of a visual-style import: read the file, refuse with a
// message what cannot be read, let the user choose the colour scheme in
// dialog 212 and import it into the skin with skinning switched off.
// Nothing in the skin changes unless the result is kImported.

#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class CTwfSkin;

namespace hexmoor::exchange {

struct StyleRoadHost {
    // Shows a message with an OK button.
    std::function<void(const std::wstring&)> message;
    // Switches skinning off (false) and on again (true).
    std::function<void(bool)> setSkinning;
};

enum class StyleRoadResult { kImported, kCancelled, kRefused };

StyleRoadResult ImportStyleFromFile(HWND owner, const std::wstring& path, CTwfSkin& skin, const StyleRoadHost& host);

} // namespace hexmoor::exchange
