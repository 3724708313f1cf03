#include "tests/harness/synthetic_skin.h"

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/twf_api.h"

namespace hexmoor::test {

namespace {
HBITMAP MakeDib(int width, int height, void** bits) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = height; // bottom-up, the usual form of a DIB
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    return CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, bits, nullptr, 0);
}

DWORD Pixel(COLORREF c) {
    return 0xFF000000u | (DWORD(GetRValue(c)) << 16) | (DWORD(GetGValue(c)) << 8) | GetBValue(c);
}
} // namespace

HBITMAP MakeSolidBitmap(int width, int height, COLORREF colour) {
    void* bits = nullptr;
    HBITMAP dib = MakeDib(width, height, &bits);
    if (!dib) return nullptr;
    auto* px = static_cast<DWORD*>(bits);
    for (int i = 0; i < width * height; ++i) px[i] = Pixel(colour);
    return dib;
}

HBITMAP MakeNinePartBitmap(int width, int height, const MrgBitmapParams& m, const NineColours& c) {
    void* bits = nullptr;
    HBITMAP dib = MakeDib(width, height, &bits);
    if (!dib) return nullptr;
    auto* px = static_cast<DWORD*>(bits);
    for (int y = 0; y < height; ++y) {
        const int row = y < m.top ? 0 : (y >= height - m.bottom ? 2 : 1);
        for (int x = 0; x < width; ++x) {
            const int column = x < m.left ? 0 : (x >= width - m.right ? 2 : 1);
            const COLORREF table[3][3] = {
                {c.topLeft, c.top, c.topRight}, {c.left, c.centre, c.right}, {c.bottomLeft, c.bottom, c.bottomRight}};
            px[(height - 1 - y) * width + x] = Pixel(table[row][column]);
        }
    }
    return dib;
}

CTwfObj* SyntheticSkin::Element(WORD type, const std::wstring& scheme) {
    CTwfObj* element = skin_->GetOrCreateObject(type, scheme);
    if (element) element->SetEnabled(1);
    return element;
}

void SyntheticSkin::SolidImage(WORD type, WORD id, COLORREF colour, int width, int height, const MrgBitmapParams& p) {
    CTwfObj* element = Element(type);
    if (!element) return;
    HBITMAP bitmap = MakeSolidBitmap(width, height, colour);
    element->RemoveImage(id);
    element->SetImageFromSource(id, bitmap, DWORD(p.left), DWORD(p.top), DWORD(p.right), DWORD(p.bottom),
                                DWORD(p.drawMode), DWORD(p.mrgDrawMode));
    DeleteObject(bitmap);
}

void SyntheticSkin::NinePartImage(WORD type, WORD id, int width, int height, const MrgBitmapParams& p,
                                  const NineColours& colours) {
    CTwfObj* element = Element(type);
    if (!element) return;
    HBITMAP bitmap = MakeNinePartBitmap(width, height, p, colours);
    element->RemoveImage(id);
    element->SetImageFromSource(id, bitmap, DWORD(p.left), DWORD(p.top), DWORD(p.right), DWORD(p.bottom),
                                DWORD(p.drawMode), DWORD(p.mrgDrawMode));
    DeleteObject(bitmap);
}

void MarkMainSkinLoaded(CTwfManager* manager) {
    if (!manager) return;
    manager->SetMainSkinLoaded(TRUE);
    if (CTwfSkin* skin = manager->GetMainSkin()) skin->SetLoadedFlag(1);
    SetRuntimeSkinLoaded(TRUE);
}

} // namespace hexmoor::test
