#pragma once
// The editor's two roads of the controls XML exchange, after their file
// dialogs. The export writes the file; the import reads the file and every
// file it names before anything changes, and only then empties the trees,
// writes the skin with skinning switched off and refills them. A file that
// cannot be written or read whole gives one message naming it and the first
// problem; the skin and the editor then stay as they were.

#include <functional>
#include <string>

#include "editor/exchange/xml/exchange_result.h"

class CTwfSkin;

namespace hexmoor::exchange::xml {

class ElementLinkSource;

struct XmlRoadHost {
    // Shows a message with an OK button.
    std::function<void(const std::wstring&)> message;
    // Switches skinning off (false) and on again (true).
    std::function<void(bool)> setSkinning;
    // The trees and the grid emptied before the skin changes (its objects
    // stay) and refilled after it, every link's rows built again.
    std::function<void()> clearViews;
    std::function<void()> fillViews;
    // Marks the document modified.
    std::function<void()> markModified;
};

// "Cannot export to PATH:" or "Cannot import PATH:", then the file at fault
// (when it is another) and the problem.
std::wstring ExchangeFailureText(bool exporting, const std::wstring& path, const ExchangeProblem& problem);

// True when the file was written.
bool ExportControlsToFile(const std::wstring& path, CTwfSkin& skin, ElementLinkSource& links, const XmlRoadHost& host);
// True when the file was imported.
bool ImportControlsFromFile(const std::wstring& path, CTwfSkin& skin, const XmlRoadHost& host);

} // namespace hexmoor::exchange::xml
