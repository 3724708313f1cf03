#pragma once
// Tooltips for every control of a dialog: one tooltip window owned by the
// dialog, each child window a tool named by its handle, and the texts asked
// of the dialog through the tooltip's text notifications.

#include <windows.h>
#include <commctrl.h>

namespace hexmoor::fw {

class DialogToolTips {
public:
    DialogToolTips() = default;
    ~DialogToolTips();
    DialogToolTips(const DialogToolTips&) = delete;
    DialogToolTips& operator=(const DialogToolTips&) = delete;

    // Creates the tooltip window and adds the dialog's child windows.
    bool Create(HWND dialog);
    HWND Handle() const { return tip_; }
    int ToolCount() const;

private:
    HWND tip_ = nullptr;
};

// The control id a text notification asks about: the id of the tool's
// window when the tool is named by its handle, else the tool's own id.
UINT ToolTipControlId(const NMHDR* hdr, UINT toolFlags);
// Whether a notification asks for a tip's text (ANSI or wide).
inline bool IsToolTipTextRequest(const NMHDR* hdr) { return hdr->code == TTN_NEEDTEXTA || hdr->code == TTN_NEEDTEXTW; }

} // namespace hexmoor::fw
