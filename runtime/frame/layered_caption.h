#pragma once
// Caption text and icon for a layered side. GDI's own text and icon drawing
// leave the alpha byte of a 32-bit bitmap at 0, which a layered window shows
// as a hole with the colour added on top; here they are drawn so that their
// pixels carry alpha (premultiplied, as UpdateLayeredWindow takes them).

#include <windows.h>

#include <string_view>

namespace hexmoor::rt {

// Draws `text` on one line into the 32-bit DIB section selected into `dc`,
// in the box given in the DC's coordinates (a right-to-left DC's box is
// mirrored into the bitmap and the text read from the right), antialiased,
// in `colour` at alpha 254, with an ellipsis where it does not fit. False
// (nothing drawn) when the DC holds no 32-bit DIB section or GDI+ is not
// running.
bool DrawLayeredText(HDC dc, std::wstring_view text, const RECT& box, HFONT font, COLORREF colour);

// Draws `icon` scaled into `rect` (the DC's coordinates) of the 32-bit
// bitmap selected into `dc`, blended by the icon's own alpha, or, for an
// icon without alpha, opaque where its mask is black. False (nothing drawn)
// for an icon without colour image.
bool DrawLayeredIcon(HDC dc, HICON icon, const RECT& rect);

} // namespace hexmoor::rt
