#pragma once
// The controls XML exchange of one command: export the skin's control
// definitions to an XML file with its image and region files, or read one
// back. The thread has COM initialised and GDI+ started.

#include <string>

#include "editor/exchange/xml/controls_import.h"
#include "editor/exchange/xml/exchange_result.h"

class CTwfSkin;

namespace hexmoor::exchange::xml {

class ElementLinkSource;

class CControlsImportExport {
public:
    explicit CControlsImportExport(CTwfSkin& skin) : skin_(skin) {}

    // Writes what every link of the source shows to path. The first failure
    // (a folder, an image or the document) stops it; the file at path is
    // then left as it was.
    ExchangeOutcome ExportControls(const std::wstring& path, ElementLinkSource& links);
    // Reads path and every file it names into a plan; the skin is not touched.
    ImportPlanResult ReadImport(const std::wstring& path);
    // ReadImport, then the plan applied to the skin when it is complete.
    ExchangeOutcome ImportControls(const std::wstring& path);

private:
    CTwfSkin& skin_;
};

} // namespace hexmoor::exchange::xml
