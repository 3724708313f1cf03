#pragma once
// The system clipboard for the grid's image rows: a plain bitmap, or a
// "MARGIN_BITMAP" block carrying the image's margins and modes.

#include <windows.h>

#include <memory>

#include "editor/links/grid_clipboard.h"

namespace hexmoor::links {

class SystemImageClipboard : public ImageClipboard {
public:
    explicit SystemImageClipboard(HWND owner) : owner_(owner) {}
    bool CopyImage(const CMrgBitmap& image, bool withMargins) override;
    std::unique_ptr<CMrgBitmap> PasteImage(bool withMargins) override;

private:
    HWND owner_;
};

} // namespace hexmoor::links
