// Font facts of the Windows tree: the stock GUI font and the screen's
// vertical resolution.
#include "editor/exchange/style_reader.h"

#include "base/win/gdi.h"

namespace hexmoor::exchange {

LOGFONT DefaultGuiLogFont() {
    LOGFONT font{};
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof(font), &font);
    return font;
}

int ScreenPixelsPerInchY() {
    hexmoor::win::WindowDC screen(nullptr);
    return screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : 96;
}

} // namespace hexmoor::exchange
