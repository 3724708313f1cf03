#pragma once
// The Options pane's three pages as a model without windows: the image
// page (four margins, drawing mode, edge mode), the frame-image page and
// the region page (a drawing mode each), with the handlers of their
// controls. The element links reach the pages through links::OptionsPages;
// every change on a page goes back at once through the current link into
// the element and marks the skin modified. The windows (options_pages.h)
// mirror the fields through OptionsPagesView.

#include <optional>
#include <string>

#include "editor/links/link_env.h"

namespace hexmoor::shell {

enum class Margin { kTop, kLeft, kBottom, kRight };

struct ImagePageFields {
    int drawMode = 0; // the drop-down's selection
    int bottom = 0;
    int left = 0;
    int right = 0;
    int top = 0;
    int edgeMode = 0; // 0 "Stretch", 1 "Tile"
    int& Of(Margin m);
    int Of(Margin m) const;
};

// "width: W  height: H", the pages' size labels.
std::wstring SizeLabelText(int width, int height);

// What the pages' windows do for the model; tests record it.
class OptionsPagesView {
public:
    using Page = links::OptionsPages::Page;
    virtual ~OptionsPagesView() = default;
    virtual void EnableAll(Page page, bool enable) = 0;
    // Enables or disables the margin edits, the edge radio and the drop-down
    // of the image page and fills the drop-down with choices (none when
    // disabled).
    virtual void EnableImageControls(bool enable, std::initializer_list<const wchar_t*> choices) = 0;
    // Writes the fields into the controls; the controls' change
    // notifications store nothing while this runs.
    virtual void WriteImageFields(const ImagePageFields& fields) = 0;
    // The frame-image or region page's drop-down: its choices and selection.
    virtual void WriteDrawMode(Page page, std::initializer_list<const wchar_t*> choices, int selection) = 0;
    virtual void ShowImage(Page page, const CMrgBitmap* image) = 0;
    virtual void ShowRegion(const CImageRgn* region) = 0;
    virtual void SetSizeLabel(Page page, const std::wstring& text) = 0;
    // The drawing mode changed: the page and then its drop-down take the focus.
    virtual void FocusDrawMode(Page page) {}
    // The same when the page shows and its drop-down is enabled; false
    // otherwise.
    virtual bool FocusEnabledDrawMode(Page page) { return false; }
    // Which pages are shown (the others hidden).
    virtual void ShowPages(bool image, bool frameImage, bool region) = 0;
    // The page-shown flag changed or was set again (the panel paints with
    // the system colours while it is on).
    virtual void PageShownChanged(bool shown) {}
};

// Which pages a view mode shows: -1 none; 0 the image page, or the
// frame-image page for a frame side; 1 the region page. Other modes, and
// every mode but -1 without a current link, leave the pages as they are
// (nullopt).
struct ShownPages {
    bool image = false;
    bool frameImage = false;
    bool region = false;
    bool operator==(const ShownPages&) const = default;
};
std::optional<ShownPages> PagesForView(int mode, const links::CItemLinkObj* current);

class OptionsPagesModel : public links::OptionsPages {
public:
    void SetView(OptionsPagesView* view) { view_ = view; }

    // --- the links' side -----------------------------------------------------
    void SelectView(int mode) override;
    void EnableAllControls(Page page, bool enable) override;
    void EnableImageOptions(bool enable) override;
    void SetImagePreview(const CMrgBitmap* image) override;
    void LoadImageOptions(const MrgBitmapParams& params) override;
    MrgBitmapParams ImageOptionsFields() const override;
    void SetFrameImage(const CMrgBitmap* image, DWORD drawMode) override;
    DWORD FrameImageDrawMode() const override;
    void SetRegionPreview(const CImageRgn* region, DWORD drawMode) override;
    DWORD RegionDrawMode() const override;
    bool FocusImagePage() override;

    // --- the controls' side --------------------------------------------------
    // A margin's edit now reads text: stored through the current link for
    // the grid's selected row; the skin is marked modified.
    void MarginEdited(Margin margin, const std::wstring& text);
    // An up-down step (the notification's delta; the up-downs count down
    // from the top, so the value becomes value - delta). A result below 0
    // leaves the margin; otherwise the new value is stored and returned for
    // the edit.
    std::optional<int> MarginStepped(Margin margin, int delta);
    // Message 1126 from the margin editor: which 0 left, 1 top, 2 right, 3
    // bottom. The margin is stored and returned; other values change nothing.
    std::optional<Margin> MarginDragged(WPARAM which, int value);
    // The image page's drop-down: an image row stores the drawing mode, a
    // region row goes to the link's OnOptionsChanged.
    void ImageDrawModeChosen(int index);
    void EdgeModeClicked(int mode);
    // The frame-image or region page's drop-down.
    void SideDrawModeChosen(Page page, int index);

    const ImagePageFields& ImageFields() const { return image_; }
    // On after any view but -1 was selected while a link is current; off
    // after -1.
    bool PageShown() const { return pageShown_; }
    int FrameDrawMode() const { return frameDrawMode_; }
    int RegionDrawModeIndex() const { return regionDrawMode_; }

private:
    void WriteImageFields();
    void StoreMargin(Margin margin);

    OptionsPagesView* view_ = nullptr;
    ImagePageFields image_;
    int frameDrawMode_ = -1;
    int regionDrawMode_ = -1;
    bool pageShown_ = false;
};

} // namespace hexmoor::shell
