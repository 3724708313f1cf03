#pragma once
// The size in pixels a dialog template asks for on this screen: its width
// and height in dialog units turned into pixels through the base units of
// the template's own font, as the dialog manager does when it makes the
// dialog. Lets a pane be laid out around a dialog before the dialog exists.

#include <windows.h>

#include <optional>
#include <span>
#include <string>

namespace hexmoor::shell {

struct DialogTemplateHead {
    int cx = 0, cy = 0;      // dialog units
    int pointSize = 0;       // 0: the template names no font
    std::wstring face;
};

// Reads the size and font of a DLGTEMPLATE or DLGTEMPLATEEX; nullopt for
// bytes too short or malformed.
std::optional<DialogTemplateHead> ReadDialogTemplateHead(std::span<const BYTE> bytes);

// Dialog units to pixels with the font's base units (average character
// width of the 52 letters, and the character height).
SIZE DialogUnitsToPixels(int cx, int cy, int baseX, int baseY);

// The pixel size of the dialog resource id in module; {0, 0} when it cannot
// be read.
SIZE DialogTemplatePixelSize(HINSTANCE module, UINT id);

} // namespace hexmoor::shell
