#pragma once
// The Options pane's three pages as child forms from templates 137, 167 and
// 162, mirroring OptionsPagesModel: the image page with its margin editor,
// the frame-image page with an image view and the region page with a
// region view, each with its size label below the preview.

#include <windows.h>

#include <array>
#include <functional>
#include <memory>

#include "editor/imaging/image_control.h"
#include "editor/imaging/preview_views.h"
#include "editor/shell/panes/options_model.h"
#include "framework/dialog.h"

namespace hexmoor::shell {

// Message from the margin editor when a dragged margin is released: wParam
// the margin (0 left, 1 top, 2 right, 3 bottom), lParam the value.
inline constexpr UINT kMarginDraggedMessage = 1126;

class COptionsPage : public fw::Dialog {
public:
    COptionsPage(UINT templateId, links::OptionsPages::Page page, OptionsPagesModel& model);
    // Creates the page hidden in parent, its preview in place of the
    // template's slot and its size label below, all controls disabled.
    bool CreatePage(HWND parent);
    links::OptionsPages::Page PageKind() const { return page_; }
    HWND SizeLabel() const { return label_; }
    // True while the model's fields are written into the controls: their
    // change notifications then store nothing.
    bool Writing() const { return writing_; }
    void BeginWrite() { writing_ = true; }
    void EndWrite() { writing_ = false; }

protected:
    virtual HWND CreatePreview(const RECT& slot) = 0;
    virtual HWND PreviewWindow() const = 0;
    void OnOK() override {}
    void OnCancel() override {}
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool PreTranslateMessage(MSG& msg) override;

    OptionsPagesModel& model_;

private:
    links::OptionsPages::Page page_;
    HWND label_ = nullptr;
    bool writing_ = false;
};

class COptionsImage : public COptionsPage {
public:
    explicit COptionsImage(OptionsPagesModel& model);
    preview::MrgBitmapControl& Preview() { return preview_; }

protected:
    HWND CreatePreview(const RECT& slot) override;
    HWND PreviewWindow() const override { return preview_.Handle(); }
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void WriteMargin(Margin margin, int value);
    preview::MrgBitmapControl preview_;
};

class COptionsImageFrame : public COptionsPage {
public:
    explicit COptionsImageFrame(OptionsPagesModel& model);
    preview::PreviewImage& Preview() { return preview_; }

protected:
    HWND CreatePreview(const RECT& slot) override;
    HWND PreviewWindow() const override { return preview_.Handle(); }

private:
    preview::PreviewImage preview_;
};

class COptionsRegion : public COptionsPage {
public:
    explicit COptionsRegion(OptionsPagesModel& model);
    preview::PreviewRegion& Preview() { return preview_; }

protected:
    HWND CreatePreview(const RECT& slot) override;
    HWND PreviewWindow() const override { return preview_.Handle(); }

private:
    preview::PreviewRegion preview_;
};

// The three pages with their model, as the Options panel holds them. While
// created, the model is the links' options pages.
class OptionsPagesSet : public OptionsPagesView {
public:
    OptionsPagesSet();
    ~OptionsPagesSet() override;
    // Installs the model; the pages themselves are made when first needed
    // (the first time the model writes to or shows one), since they start
    // hidden.
    bool Create(HWND panel);
    // Each page at (0, 7) over the panel's client area.
    void Layout(int cx, int cy);
    OptionsPagesModel& Model() { return model_; }
    COptionsImage& ImagePage() {
        EnsurePages();
        return image_;
    }
    COptionsImageFrame& FrameImagePage() {
        EnsurePages();
        return frame_;
    }
    COptionsRegion& RegionPage() {
        EnsurePages();
        return region_;
    }
    // Told whenever the model's page-shown flag is set (the panel's colours).
    void SetOnPageShown(std::function<void(bool)> f) { onPageShown_ = std::move(f); }
    // Told once, when the pages have been made.
    void SetOnPagesMade(std::function<void()> f) { onPagesMade_ = std::move(f); }
    void PageShownChanged(bool shown) override {
        if (onPageShown_) onPageShown_(shown);
    }

    // OptionsPagesView.
    void EnableAll(Page page, bool enable) override;
    void EnableImageControls(bool enable, std::initializer_list<const wchar_t*> choices) override;
    void WriteImageFields(const ImagePageFields& fields) override;
    void WriteDrawMode(Page page, std::initializer_list<const wchar_t*> choices, int selection) override;
    void ShowImage(Page page, const CMrgBitmap* image) override;
    void ShowRegion(const CImageRgn* region) override;
    void SetSizeLabel(Page page, const std::wstring& text) override;
    void FocusDrawMode(Page page) override;
    bool FocusEnabledDrawMode(Page page) override;
    void ShowPages(bool image, bool frameImage, bool region) override;

private:
    COptionsPage& PageOf(Page page);
    // Makes the three pages over the panel once, laid out to its size.
    void EnsurePages();

    OptionsPagesModel model_;
    COptionsImage image_;
    COptionsImageFrame frame_;
    COptionsRegion region_;
    bool installed_ = false;
    HWND panel_ = nullptr;
    std::function<void(bool)> onPageShown_;
    std::function<void()> onPagesMade_;
};

} // namespace hexmoor::shell
