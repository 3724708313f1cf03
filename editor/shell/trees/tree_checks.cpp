#include "editor/shell/trees/tree_checks.h"

#include <commctrl.h>

#include "base/win/dib.h"
#include "base/win/gdi.h"

namespace hexmoor::shell {

hexmoor::win::ImageList MakeCheckBoxImages() {
    constexpr int kSide = 16;
    constexpr COLORREF kClear = RGB(255, 0, 255);
    hexmoor::win::ImageList list(ImageList_Create(kSide, kSide, ILC_COLOR24 | ILC_MASK, 3, 1));
    if (!list) return list;
    hexmoor::win::MemoryDC dc(nullptr);
    hexmoor::win::Bitmap strip(hexmoor::win::CreateScreenBitmap(kSide * 3, kSide));
    if (!dc || !strip) return list;
    {
        hexmoor::win::SelectGuard select(dc.Get(), strip.Get());
        hexmoor::win::Brush clear(CreateSolidBrush(kClear));
        RECT all{0, 0, kSide * 3, kSide};
        FillRect(dc.Get(), &all, clear.Get());
        for (int i = 1; i < 3; ++i) {
            RECT box{i * kSide + 2, 2, i * kSide + kSide - 2, kSide - 2};
            DrawFrameControl(dc.Get(), &box, DFC_BUTTON, DFCS_BUTTONCHECK | DFCS_FLAT | (i == 2 ? DFCS_CHECKED : 0));
        }
    }
    ImageList_AddMasked(list.Get(), strip.Get(), kClear);
    return list;
}

} // namespace hexmoor::shell
