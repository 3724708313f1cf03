#pragma once
// The composition view in the middle of the editor: it owns one live sample
// of every kind of element (twelve sample dialogs and the sample MDI frame),
// made once, handed once to the skinning runtime and then only shown,
// hidden and centred; at most one shows at a time, centred over a
// background of a colour and an optional picture.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/geometry.h"
#include "base/win/gdi.h"
#include "editor/preview/view/sample_table.h"
#include "framework/window.h"

class CMrgBitmap;

namespace hexmoor::preview {

class CSampleDialog;
class CMDIFrameChild;

// The background settings the view shows.
struct BackgroundSettings {
    std::wstring imageFile;
    COLORREF colour = 0xFFFFFF;
    int position = 0; // 0 Center, 1 Stretch, 2 Tile
    int showImage = 1;
};
// Loads a background picture; null when it does not load.
using PictureLoader = std::function<std::unique_ptr<CMrgBitmap>(const std::wstring& path)>;

// Paints the background (colour, then the picture by position) into a DC of
// the client size.
void PaintBackground(HDC dc, Size client, COLORREF colour, const CMrgBitmap* picture, int position);

class CSkinComposView : public fw::Window {
public:
    CSkinComposView();
    ~CSkinComposView() override;

    // The view as a child of `parent` (client edge, clipping its children),
    // with every sample made, skinned and hidden. False when a sample
    // could not be made.
    bool CreateView(HWND parent, UINT id = 0xE900);

    // Shows the sample of an element type (hiding the others); the window
    // shown, or null for a type without a sample (then none shows).
    HWND ShowPreviewForElement(int type);
    // The sample of a type without showing it; null when the type has none.
    HWND PreviewForElement(int type) const;
    // The first visible sample in the hiding order, or null.
    HWND GetActivePreview() const;
    void CenterPreviews();
    // Takes the settings and repaints (the picture read again from its file).
    void UpdateBackground(const BackgroundSettings& settings);
    void SetPictureLoader(PictureLoader loader) { loader_ = std::move(loader); }
    // Redraws the skinned scroll bars of the six samples that have them,
    // combo boxes' drop-down lists included.
    void RefreshPreviewWindows();
    // The windows that redraw walks, in order.
    std::vector<HWND> ScrollBarRefreshWalk() const;
    // Tells every sample whether the editor's window is active, so that
    // their captions follow it.
    void SyncActivation(bool active);

    HWND SampleWindow(SampleId sample) const;
    CSampleDialog* SampleDialog(SampleId sample) const;
    CMDIFrameChild& Frame() const { return *frame_; }
    const BackgroundSettings& Background() const { return settings_; }
    bool HasPicture() const { return picture_ != nullptr; }

protected:
    void OnSize(UINT type, int cx, int cy) override;
    bool OnEraseBackground(HDC dc) override;
    bool OnPaint() override;
    void OnDestroy() override;

private:
    bool CreatePreviewDialogs();
    bool CreateFramePreview();
    void BuildBackground();
    Size ClientSize() const;

    std::unique_ptr<CMDIFrameChild> frame_;
    std::array<std::unique_ptr<CSampleDialog>, kSampleCount> dialogs_;
    BackgroundSettings settings_;
    std::unique_ptr<CMrgBitmap> picture_;
    win::Bitmap prepared_;
    PictureLoader loader_;
};

// The view of the running editor, set once its samples exist; null before.
CSkinComposView* ComposView();

// Walks one window tree: every skinned window served by the scroll-bar
// engine redraws from the skin, combo boxes' drop-down lists included.
void RefreshSkinnedTree(HWND hwnd);
// The windows that walk visits, in its order: a window, the drop-down list
// of a skinned combo box, then its children depth first.
std::vector<HWND> SkinnedTreeWalk(HWND hwnd);

} // namespace hexmoor::preview
