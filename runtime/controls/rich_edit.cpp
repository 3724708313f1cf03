// Skinned rich edits: the skinned border and background only; the control
// paints its own text.
#include "runtime/controls/edit.h"

#include "runtime/messages.h"

using namespace hexmoor::rt;

LRESULT CTWRichEdit::OnReflectedCommand(BOOL*, ReflectRecord*) { return 0; }

void CTWRichEdit::RedrawNow(BOOL) {
    if (hWnd_) InvalidateRect(hWnd_, nullptr, FALSE);
}

LRESULT CTWRichEdit::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (Gated()) return Default();
    switch (msg) {
    case WM_ENABLE:
    case WM_MOVE:
    case WM_SIZE:
    case TWM_BACKGROUNDCHANGED:
    case TWM_REFRESHSKIN: {
        // The edit's handling of these, whatever the rich-edit flag says.
        const BOOL rich = richEdit_;
        richEdit_ = FALSE;
        const LRESULT result = CTWEdit::WindowProc(msg, wp, lp);
        richEdit_ = rich;
        return result;
    }
    default: return CTWWnd::WindowProc(msg, wp, lp);
    }
}
