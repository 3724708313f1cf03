// Font facts of the native tree: a fixed default GUI font and 96 pixels per
// inch, so that native tests see the same numbers on every machine.
#include "editor/exchange/style_reader.h"

namespace hexmoor::exchange {

LOGFONT DefaultGuiLogFont() {
    LOGFONT font{};
    font.lfHeight = -11;
    font.lfWeight = 400;
    const char16_t face[] = u"MS Shell Dlg";
    for (std::size_t i = 0; face[i]; ++i) font.lfFaceName[i] = static_cast<WCHAR>(face[i]);
    return font;
}

int ScreenPixelsPerInchY() { return 96; }

} // namespace hexmoor::exchange
