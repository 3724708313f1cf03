#pragma once
// Skins built in memory for tests: solid-colour images per element and
// property id, images whose nine parts carry distinct colours, and the
// switches that make the runtime treat the skin as loaded.

#include <windows.h>

#include <string>

#include "model/mrg_bitmap.h"

class CTwfManager;
class CTwfObj;
class CTwfSkin;

namespace hexmoor::test {

// A w x h 32-bit DIB section of one colour; the caller deletes it.
HBITMAP MakeSolidBitmap(int width, int height, COLORREF colour);

// Colours of the nine parts of an image cut by its margins.
struct NineColours {
    COLORREF topLeft, top, topRight;
    COLORREF left, centre, right;
    COLORREF bottomLeft, bottom, bottomRight;
};
// Nine colours apart from one another and from the system's greys, for
// telling in a capture which part of an image landed where.
inline constexpr NineColours kDistinctNineColours{RGB(200, 0, 0),   RGB(0, 200, 0),   RGB(0, 0, 200),
                                                  RGB(200, 200, 0), RGB(0, 200, 200), RGB(200, 0, 200),
                                                  RGB(90, 0, 0),    RGB(0, 90, 0),    RGB(0, 0, 90)};
// A w x h image whose nine parts (cut by the margins) are filled with the
// given colours; the caller deletes it.
HBITMAP MakeNinePartBitmap(int width, int height, const MrgBitmapParams& margins, const NineColours& colours);

class SyntheticSkin {
public:
    explicit SyntheticSkin(CTwfSkin* skin) : skin_(skin) {}

    // The element of the type in the scheme, created and switched on.
    CTwfObj* Element(WORD type, const std::wstring& scheme = L"");
    // A solid image under the property id (8 x 8 unless given).
    void SolidImage(WORD type, WORD id, COLORREF colour, int width = 8, int height = 8,
                    const MrgBitmapParams& params = {});
    void NinePartImage(WORD type, WORD id, int width, int height, const MrgBitmapParams& params,
                       const NineColours& colours);

    CTwfSkin* Skin() const { return skin_; }

private:
    CTwfSkin* skin_;
};

// Marks the runtime's main skin as loaded (as a successful load would).
void MarkMainSkinLoaded(CTwfManager* manager);

} // namespace hexmoor::test
