#pragma once
// The editor's road of a visual-style import: read the file, refuse with a
// message what cannot be read, let the user choose the colour scheme in
// dialog 212, fill the imported elements aside, and only then, with
// skinning switched off and the trees emptied, refill the skin's own
// element objects with them; then refill the trees and report the images
// that were skipped. Nothing in the skin changes unless the result is
// kImported (an exception on the way leaves it as it was).

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
    // The trees and the grid emptied before the import (the skin's objects
    // stay) and refilled, expanded and re-skinned after it, whether or not
    // the import went through.
    std::function<void()> clearViews;
    std::function<void()> fillViews;
    // Called when nothing was opened or created since start-up, with the
    // temporary file the import makes its skin in (the new-file road).
    std::function<void(const std::wstring&)> createNewFile;
};

// Where an import into a skin that has no file yet makes its file: the
// temporary folder, the style's own name, ".twf".
std::wstring NewFileForStyle(const std::wstring& stylePath);

enum class StyleRoadResult { kImported, kCancelled, kRefused };

StyleRoadResult ImportStyleFromFile(HWND owner, const std::wstring& path, CTwfSkin& skin, const StyleRoadHost& host);

} // namespace hexmoor::exchange
