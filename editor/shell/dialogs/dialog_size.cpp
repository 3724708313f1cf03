#include "editor/shell/dialogs/dialog_size.h"

#include <cstring>

#include "base/win/gdi.h"

namespace hexmoor::shell {

namespace {

// Reads little-endian values and sz_Or_Ord fields from the template.
class TemplateReader {
public:
    explicit TemplateReader(std::span<const BYTE> bytes) : bytes_(bytes) {}
    bool Word(WORD* out) {
        if (at_ + 2 > bytes_.size()) return false;
        *out = static_cast<WORD>(bytes_[at_] | (bytes_[at_ + 1] << 8));
        at_ += 2;
        return true;
    }
    bool Skip(std::size_t n) {
        if (at_ + n > bytes_.size()) return false;
        at_ += n;
        return true;
    }
    // A 0x0000 (none), 0xFFFF + ordinal, or a NUL-ended UTF-16 string.
    bool SkipNameOrOrdinal() {
        WORD first = 0;
        if (!Word(&first)) return false;
        if (first == 0) return true;
        if (first == 0xFFFF) return Skip(2);
        WORD c = first;
        while (c != 0)
            if (!Word(&c)) return false;
        return true;
    }
    bool String(std::wstring* out) {
        WORD c = 0;
        for (;;) {
            if (!Word(&c)) return false;
            if (c == 0) return true;
            out->push_back(static_cast<wchar_t>(c));
        }
    }

private:
    std::span<const BYTE> bytes_;
    std::size_t at_ = 0;
};

} // namespace

std::optional<DialogTemplateHead> ReadDialogTemplateHead(std::span<const BYTE> bytes) {
    TemplateReader r(bytes);
    WORD version = 0, signature = 0, count = 0, x = 0, y = 0, cx = 0, cy = 0;
    DWORD style = 0;
    if (!r.Word(&version) || !r.Word(&signature)) return std::nullopt;
    const bool extended = version == 1 && signature == 0xFFFF;
    if (extended) {
        // helpID, exStyle, style.
        WORD low = 0, high = 0;
        if (!r.Skip(8) || !r.Word(&low) || !r.Word(&high)) return std::nullopt;
        style = low | (DWORD{high} << 16);
    } else {
        // The two words read were the style; then the extended style.
        style = version | (DWORD{signature} << 16);
        if (!r.Skip(4)) return std::nullopt;
    }
    if (!r.Word(&count) || !r.Word(&x) || !r.Word(&y) || !r.Word(&cx) || !r.Word(&cy)) return std::nullopt;
    DialogTemplateHead head;
    head.cx = static_cast<short>(cx);
    head.cy = static_cast<short>(cy);
    if (!r.SkipNameOrOrdinal() || !r.SkipNameOrOrdinal()) return std::nullopt; // menu, class
    std::wstring title;
    if (!r.String(&title)) return std::nullopt;
    if (style & (DS_SETFONT | DS_SHELLFONT)) {
        WORD points = 0;
        if (!r.Word(&points)) return std::nullopt;
        if (extended && !r.Skip(4)) return std::nullopt; // weight, italic, charset
        if (!r.String(&head.face)) return std::nullopt;
        head.pointSize = points;
    }
    return head;
}

SIZE DialogUnitsToPixels(int cx, int cy, int baseX, int baseY) {
    return SIZE{MulDiv(cx, baseX, 4), MulDiv(cy, baseY, 8)};
}

SIZE DialogTemplatePixelSize(HINSTANCE module, UINT id) {
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), MAKEINTRESOURCEW(5)); // RT_DIALOG
    HGLOBAL loaded = found ? LoadResource(module, found) : nullptr;
    const auto* data = loaded ? static_cast<const BYTE*>(LockResource(loaded)) : nullptr;
    if (!data) return SIZE{};
    const auto head = ReadDialogTemplateHead({data, SizeofResource(module, found)});
    if (!head) return SIZE{};
    win::WindowDC screen(nullptr);
    win::Font font;
    if (head->pointSize > 0)
        font.Reset(CreateFontW(-MulDiv(head->pointSize, GetDeviceCaps(screen.Get(), LOGPIXELSY), 72), 0, 0, 0,
                               FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, head->face.c_str()));
    win::SelectGuard select(screen.Get(), font ? static_cast<HGDIOBJ>(font.Get()) : GetStockObject(SYSTEM_FONT));
    TEXTMETRICW metrics{};
    SIZE letters{};
    static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    if (!GetTextMetricsW(screen.Get(), &metrics) || !GetTextExtentPoint32W(screen.Get(), kLetters, 52, &letters))
        return SIZE{};
    return DialogUnitsToPixels(head->cx, head->cy, (letters.cx / 26 + 1) / 2, metrics.tmHeight);
}

} // namespace hexmoor::shell
