#include "runtime/scroll/subclass_wnd.h"

void SuspendSkinScrollbars(HWND, BOOL) {
    // The scroll-bar engine keeps its per-window state under "TwfSB"; while
    // no engine serves a window there is nothing to suspend or resume.
}
