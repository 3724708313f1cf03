#pragma once
// A comctl32 toolbar of command buttons with small and large image sets
// (cold, hot, disabled) and optional text labels. Button enable and check
// states come from the command route at idle time.

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <string>
#include <vector>

#include "framework/command.h"
#include "framework/toolbar_images.h"
#include "framework/buffered_paint.h"

namespace hexmoor::fw {

struct ToolImageSet {
    UINT cold = 0, hot = 0, disabled = 0; // bitmap resources, one strip each
    int size = 16;                        // square images
};

struct ToolBarArgs {
    UINT id = 0;
    std::vector<unsigned> buttons; // command ids in order; 0 = separator
    ToolImageSet smallImages;
    ToolImageSet largeImages;
    COLORREF transparent = RGB(192, 192, 192);
};

class ToolBar : public BufferedPaintWindow {
public:
    bool CreateIn(HWND parent, const ToolBarArgs& args);

    // Both may be set before CreateIn: the bar then comes up that way.
    void SetLargeIcons(bool large);
    bool LargeIcons() const { return large_; }
    void EnableTextLabels(bool on);
    bool TextLabels() const { return labels_; }
    void SetBackground(COLORREF color);
    // Label colours of enabled and of disabled buttons (CLR_INVALID: the
    // control's own).
    void SetTextColors(COLORREF enabled, COLORREF disabled);

    // The height the bar wants at the given width.
    int Height() const;
    const std::vector<unsigned>& Buttons() const { return buttons_; }
    void UpdateButtons(const std::function<CommandState(unsigned)>& query);

protected:
    bool OnReflectedNotify(NMHDR* hdr, LRESULT& result) override;

private:
    void LoadImages();
    void Refit();
    void RedrawDisabledLabel(HDC dc, unsigned id, RECT button);
    std::vector<unsigned> buttons_;
    ToolImageSet smallSet_, largeSet_;
    COLORREF transparent_ = RGB(192, 192, 192);
    ToolbarImageLists lists_;
    bool large_ = false;
    bool labels_ = false;
    COLORREF background_ = CLR_INVALID;
    COLORREF text_ = CLR_INVALID;
    COLORREF disabledText_ = CLR_INVALID;
    std::vector<std::wstring> labelTexts_;
};

} // namespace hexmoor::fw
