#include "model/file/system_colors.h"

#ifdef _WIN32

COLORREF SystemColor(int index) { return GetSysColor(index); }

#else

namespace {
// COLOR_* 0..30 of the classic Windows scheme.
constexpr COLORREF kClassic[] = {RGB(212, 208, 200), RGB(58, 110, 165),  RGB(10, 36, 106),   RGB(128, 128, 128),
                                 RGB(212, 208, 200), RGB(255, 255, 255), RGB(0, 0, 0),       RGB(0, 0, 0),
                                 RGB(0, 0, 0),       RGB(255, 255, 255), RGB(212, 208, 200), RGB(212, 208, 200),
                                 RGB(128, 128, 128), RGB(10, 36, 106),   RGB(255, 255, 255), RGB(212, 208, 200),
                                 RGB(128, 128, 128), RGB(128, 128, 128), RGB(0, 0, 0),       RGB(212, 208, 200),
                                 RGB(255, 255, 255), RGB(64, 64, 64),    RGB(212, 208, 200), RGB(0, 0, 0),
                                 RGB(255, 255, 225), RGB(181, 181, 181), RGB(0, 0, 128),     RGB(166, 202, 240),
                                 RGB(192, 192, 192), RGB(49, 106, 197),  RGB(236, 233, 216)};
} // namespace

COLORREF SystemColor(int index) {
    if (index < 0 || index >= static_cast<int>(sizeof(kClassic) / sizeof(kClassic[0]))) return 0;
    return kClassic[index];
}

#endif
