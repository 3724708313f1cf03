#pragma once
// What the element links reach outside themselves, as small interfaces so
// that links and the grid model run without windows (tests and tools give
// fakes): the properties pane (caption, state bar), the export sink, the
// preview, the colour-adjustment dialog and the option pages. One set per
// process, as the editor has one grid and one properties pane.

#include <initializer_list>
#include <span>
#include <string>

#include "model/mrg_bitmap.h"
#include "model/platform/types.h"

class CImageRgn;
class CTwfObj;

namespace hexmoor::links {

class CItemLinkObj;
class CPropertyItem;
class PropertyGridModel;

// The element states of the state bar: 0 normal, 1 highlighted, 2 pressed,
// 3 disabled, 4 focused.
inline constexpr int kStateCount = 5;
// Added to the state of a page fill when the page is shown for the first time
// after a selection: the page then declares its state buttons.
inline constexpr int kFirstShowFlag = 0x100;

// The properties pane.
class PageHost {
public:
    virtual ~PageHost() = default;
    virtual void SetCaption(const std::wstring& text) = 0;
    virtual bool IsStateButtonVisible(int state) const = 0;
    virtual void SetStateButtonVisible(int state, bool visible) = 0;
    // The checked state button, -1 when none.
    virtual int CheckedState() const = 0;
    virtual void CheckState(int state) = 0;
    // Shows or hides the state bar and the grid together.
    virtual void ShowPage(bool show) = 0;
    // Hides the three option pages.
    virtual void HideOptionsPages() {}
    // Gives the grid the keyboard focus.
    virtual void FocusGrid() {}
    // Ctrl+Tab: the focus goes to the active element tree (or, for an image
    // row whose drawing-mode control is enabled, to the image page).
    virtual void FocusTree(bool preferImagePage) {}
    // ',' and '.': the previous or next visible state.
    virtual void SelectNextState(bool forward) {}
};

// Where the rows go in output mode 1 (the XML exporter).
class ExportSink {
public:
    virtual ~ExportSink() = default;
    // Writes the row and then its children.
    virtual void AddExportProperty(CItemLinkObj& link, const CPropertyItem& row, void* context, int position) = 0;
    // A value without a row of its own, named by key; by default handed on as
    // a temporary row (label key, empty value, not a group, base id 0).
    virtual void AddExportGroupKey(CItemLinkObj& link, const std::wstring& key, int kind, WORD id, void* context);
};

// The live preview. Until the preview issue a refresh only redraws the
// skinned windows.
class PreviewSink {
public:
    virtual ~PreviewSink() = default;
    virtual void RefreshPreview() = 0;
    // The runtime's refresh of the skinned windows of one element type.
    virtual void RefreshSkinnedWindows(WORD elementType) = 0;
};

// The colour-adjustment dialog.
class ColorAdjustListener {
public:
    virtual ~ColorAdjustListener() = default;
    virtual void FinishAdjustment() {}
    virtual void TrackSelectedProperty(WORD id, int kind, int flag) {}
    virtual void SetCurrentColor(COLORREF color) {}
    // The dialog's working copy of the image under adjustment, or null.
    virtual CMrgBitmap* WorkBitmap() { return nullptr; }
    // The grid changed an element's images or colours: what the adjustment
    // keeps of the element's unadjusted values is taken again, so that the
    // next adjustment does not undo the edit.
    virtual void ElementEdited(const CTwfObj* element) {}
};

// The option pages (image, frame image, region). Their fields belong to the
// options issue; the links only hand values over.
class OptionsPages {
public:
    enum Page { kImagePage = 0, kFrameImagePage = 1, kRegionPage = 2 };
    virtual ~OptionsPages() = default;
    // Shows the page for the selected row: 0 an image row, 1 a region row,
    // -1 none.
    virtual void SelectView(int mode) {}
    virtual void EnableAllControls(Page page, bool enable) {}
    virtual void EnableImageOptions(bool enable) {}
    virtual void SetImagePreview(const CMrgBitmap* image) {}
    // The image page's fields from an image's six parameters.
    virtual void LoadImageOptions(const MrgBitmapParams& params) {}
    // The image page's fields as they stand (margins, the drawing-mode
    // drop-down's selection as drawMode, the edge mode as mrgDrawMode).
    virtual MrgBitmapParams ImageOptionsFields() const { return {}; }
    // The frame-image page: drawing mode (0 blit, 1 stretch, 2 tile) and preview.
    virtual void SetFrameImage(const CMrgBitmap* image, DWORD drawMode) {}
    virtual DWORD FrameImageDrawMode() const { return 0; }
    // The region page: region (null clears) and drawing mode.
    virtual void SetRegionPreview(const CImageRgn* region, DWORD drawMode) {}
    virtual DWORD RegionDrawMode() const { return 0; }
    // Whether the region page's drawing mode can be chosen.
    virtual void EnableRegionDrawMode(bool enable) {}
    // Ctrl+Tab on an image row: the focus goes to the shown image page's
    // drawing-mode drop-down when that is enabled; false when it is not.
    virtual bool FocusImagePage() { return false; }
};

// What the links ask of the editor beyond its panes.
class EditorServices {
public:
    virtual ~EditorServices() = default;
    // A message box with an OK button.
    virtual void ShowMessage(const std::wstring& text) {}
    // Whether the runtime draws per-pixel-alpha frames with hardware help.
    virtual bool AlphaFramesAccelerated() const { return true; }
};

struct LinkEnv {
    PropertyGridModel* grid = nullptr;
    PageHost* host = nullptr;
    CItemLinkObj* current = nullptr;
    bool* modified = nullptr;
    PreviewSink* preview = nullptr;
    ColorAdjustListener* colorAdjust = nullptr;
    OptionsPages* options = nullptr;
    EditorServices* services = nullptr;
};

LinkEnv& Links();

// The current element link, or null.
inline CItemLinkObj* CurrentLink() { return Links().current; }

// Sets the document-modified flag.
void SetDocumentModified();
// Reads it (false without a flag).
bool IsDocumentModified();
// Puts the flag back to a value saved before a programmatic change.
void RestoreDocumentModified(bool value);
void RefreshPreview();
// The image options page shows the link's element image under the property
// id of the grid's selected row (no image without a selected row or an
// element). Nothing without options pages.
void ShowSelectedPropertyImage(const CItemLinkObj& link);

// The state bar, as the links use it.
// The listed states get show, every other state its opposite; the page is
// shown while at least one button is visible (else it and the option pages
// are hidden). Nothing without a properties pane.
void ShowStateButtons(bool show, std::span<const int> states);
inline void ShowStateButtons(bool show, std::initializer_list<int> states) {
    ShowStateButtons(show, std::span<const int>(states.begin(), states.size()));
}
// The checked state, -1 when none.
int GetSelectedState();
// Checks the state's button and, with a current link, fills its page for the
// checked state; the grid then selects row 0. Returns the fill's result (0
// without a current link).
BOOL SelectState(int state);

} // namespace hexmoor::links
