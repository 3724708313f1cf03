#pragma once
// The controls export: the document of a skin's control definitions and the
// image and region files it names, built from what the element links hand
// their export sink, and written to disk: the files first, then the document,
// which replaces the target only once it is complete.

#include <functional>
#include <string>
#include <vector>

#include "editor/exchange/xml/exchange_result.h"
#include "editor/exchange/xml/xml_tree.h"
#include "model/image_rgn.h"
#include "model/twf_obj.h"

class CTwfSkin;

namespace hexmoor::exchange::xml {

class ElementLinkSource;

// A file the document names, to be written beside it.
struct ExportFile {
    std::wstring relative; // the "File" value: folders and name joined by '\'
    MrgBitmapPtr image;    // encoded as PNG when a GDI+ image, as BMP otherwise
    ImageRgnPtr region;    // or a region, in the region file layout
};

struct ControlsExport {
    XmlDocument document;
    std::vector<ExportFile> files;
    ExchangeCounts counts;
};

// The document of the skin's name and of every link the source gives: the
// default scheme's links under "Controls", the custom controls' under
// "CustomControls" (one element per type and exact group name), frame sides
// from their side objects.
ControlsExport BuildControlsExport(const CTwfSkin& skin, ElementLinkSource& links);

// Turns a document into the bytes of an XML file; false when it cannot.
using XmlWriter = std::function<bool(const XmlDocument&, std::vector<std::uint8_t>*)>;

// Writes the image and region files below the folder of xmlPath, then the
// document to xmlPath. Stops at the first failure and names it; the target
// is then left as it was (files already written beside it stay).
ExchangeOutcome WriteControlsExport(const ControlsExport& exported, const std::wstring& xmlPath,
                                    const XmlWriter& writer);

} // namespace hexmoor::exchange::xml
