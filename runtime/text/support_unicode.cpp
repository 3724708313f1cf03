#include "runtime/text/support_unicode.h"

#include <commctrl.h>

#include <type_traits>
#include <vector>

#include "runtime/wnd/tw_wnd.h"

namespace {
thread_local HWND g_menuOwner = nullptr;

CUnicodeString FromAnsi(const std::vector<char>& buffer) { return CUnicodeString(buffer.data()); }
CUnicodeString FromWide(const std::vector<wchar_t>& buffer) { return CUnicodeString(buffer.data()); }

// Sends through the wide or the ANSI entry, by the character type.
template <class Char>
LRESULT SendAs(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if constexpr (std::is_same_v<Char, wchar_t>) {
        return SendMessageW(hwnd, msg, wp, lp);
    } else {
        return SendMessageA(hwnd, msg, wp, lp);
    }
}

// An item's text read the list-box way: its length message, then its text
// message into a buffer of that length; empty for a missing item.
template <class Char>
CUnicodeString ItemTextByLength(HWND hwnd, UINT lengthMsg, UINT textMsg, int index) {
    const LRESULT length = SendAs<Char>(hwnd, lengthMsg, WPARAM(index), 0);
    if (length < 1) return CUnicodeString(L"");
    std::vector<Char> buffer(size_t(length) + 1, Char(0));
    SendAs<Char>(hwnd, textMsg, WPARAM(index), reinterpret_cast<LPARAM>(buffer.data()));
    return CUnicodeString(buffer.data());
}
} // namespace

CSupportUnicode::CSupportUnicode(HWND hwnd, CTWWnd* owner)
    : hwnd_(hwnd), wide_((owner && owner->IsForceWide()) || IsWindowUnicode(hwnd)) {}

CSupportUnicode::CSupportUnicode(CTWWnd* owner) : CSupportUnicode(owner ? owner->GetSafeHwnd() : nullptr, owner) {}

size_t CSupportUnicode::GetWindowTextAW(CUnicodeString& out) const {
    if (wide_) {
        const int length = GetWindowTextLengthW(hwnd_) + 1;
        std::vector<wchar_t> buffer(size_t(length), L'\0');
        const int n = GetWindowTextW(hwnd_, buffer.data(), length);
        out = FromWide(buffer);
        return size_t(n > 0 ? n : 0);
    }
    const int length = GetWindowTextLengthA(hwnd_) + 1;
    std::vector<char> buffer(size_t(length), '\0');
    const int n = GetWindowTextA(hwnd_, buffer.data(), length);
    out = FromAnsi(buffer);
    return size_t(n > 0 ? n : 0);
}

CUnicodeString CSupportUnicode::GetText() const {
    CUnicodeString s;
    GetWindowTextAW(s);
    return s;
}

CUnicodeString CSupportUnicode::GetHeaderItemText(int index) const {
    if (wide_) {
        std::vector<wchar_t> buffer(512, L'\0');
        HDITEMW item{};
        item.mask = HDI_TEXT;
        item.pszText = buffer.data();
        item.cchTextMax = int(buffer.size());
        SendMessageW(hwnd_, HDM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
        return FromWide(buffer);
    }
    std::vector<char> buffer(256, '\0');
    HDITEMA item{};
    item.mask = HDI_TEXT;
    item.pszText = buffer.data();
    item.cchTextMax = int(buffer.size());
    SendMessageA(hwnd_, HDM_GETITEMA, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    return FromAnsi(buffer);
}

CUnicodeString CSupportUnicode::GetTabItemText(int index) const {
    if (wide_) {
        std::vector<wchar_t> buffer(256, L'\0');
        TCITEMW item{};
        item.mask = TCIF_TEXT;
        item.pszText = buffer.data();
        item.cchTextMax = int(buffer.size());
        SendMessageW(hwnd_, TCM_GETITEMW, WPARAM(index), reinterpret_cast<LPARAM>(&item));
        return FromWide(buffer);
    }
    std::vector<char> buffer(256, '\0');
    TCITEMA item{};
    item.mask = TCIF_TEXT;
    item.pszText = buffer.data();
    item.cchTextMax = int(buffer.size());
    SendMessageA(hwnd_, TCM_GETITEMA, WPARAM(index), reinterpret_cast<LPARAM>(&item));
    return FromAnsi(buffer);
}

CUnicodeString CSupportUnicode::GetEditLine(int line, int charIndex) const {
    const LRESULT length = SendMessageW(hwnd_, EM_LINELENGTH, WPARAM(charIndex), 0);
    if (length < 1) return CUnicodeString(L"");
    // EM_GETLINE takes the buffer size in its first word; leave room for it.
    const size_t units = size_t(length) + 2;
    if (wide_) {
        std::vector<wchar_t> buffer(units, L'\0');
        *reinterpret_cast<WORD*>(buffer.data()) = WORD(units - 1);
        const LRESULT n = SendMessageW(hwnd_, EM_GETLINE, WPARAM(line), reinterpret_cast<LPARAM>(buffer.data()));
        buffer[size_t(n >= 0 && size_t(n) < units ? n : 0)] = L'\0';
        return FromWide(buffer);
    }
    std::vector<char> buffer(units * 2, '\0');
    *reinterpret_cast<WORD*>(buffer.data()) = WORD(buffer.size() - 1);
    const LRESULT n = SendMessageA(hwnd_, EM_GETLINE, WPARAM(line), reinterpret_cast<LPARAM>(buffer.data()));
    buffer[size_t(n >= 0 && size_t(n) < buffer.size() ? n : 0)] = '\0';
    return FromAnsi(buffer);
}

CUnicodeString CSupportUnicode::GetMenuString(HMENU menu, UINT item, UINT flags) const {
    if (wide_) {
        std::vector<wchar_t> buffer(512, L'\0');
        ::GetMenuStringW(menu, item, buffer.data(), int(buffer.size()), flags);
        return FromWide(buffer);
    }
    std::vector<char> buffer(256, '\0');
    ::GetMenuStringA(menu, item, buffer.data(), int(buffer.size()), flags);
    return FromAnsi(buffer);
}

CUnicodeString CSupportUnicode::GetListBoxText(int index) const {
    return wide_ ? ItemTextByLength<wchar_t>(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index)
                 : ItemTextByLength<char>(hwnd_, LB_GETTEXTLEN, LB_GETTEXT, index);
}

CUnicodeString CSupportUnicode::GetComboItemText(int index) const {
    return wide_ ? ItemTextByLength<wchar_t>(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index)
                 : ItemTextByLength<char>(hwnd_, CB_GETLBTEXTLEN, CB_GETLBTEXT, index);
}

CUnicodeString CSupportUnicode::GetListViewItemText(int item, int subItem) const {
    if (wide_) {
        std::vector<wchar_t> buffer(1024, L'\0');
        LVITEMW lv{};
        lv.iSubItem = subItem;
        lv.pszText = buffer.data();
        lv.cchTextMax = int(buffer.size());
        if (SendMessageW(hwnd_, LVM_GETITEMTEXTW, WPARAM(item), reinterpret_cast<LPARAM>(&lv)) < 1)
            return CUnicodeString(L"");
        return FromWide(buffer);
    }
    std::vector<char> buffer(1024, '\0');
    LVITEMA lv{};
    lv.iSubItem = subItem;
    lv.pszText = buffer.data();
    lv.cchTextMax = int(buffer.size());
    if (SendMessageA(hwnd_, LVM_GETITEMTEXTA, WPARAM(item), reinterpret_cast<LPARAM>(&lv)) < 1)
        return CUnicodeString(L"");
    return FromAnsi(buffer);
}

CUnicodeString CSupportUnicode::GetStatusText(int pane, int* type) const {
    if (wide_) {
        const LRESULT length = SendMessageW(hwnd_, SB_GETTEXTLENGTHW, WPARAM(pane), 0);
        std::vector<wchar_t> buffer(size_t(LOWORD(length)) + 1, L'\0');
        const LRESULT answer = SendMessageW(hwnd_, SB_GETTEXTW, WPARAM(pane), reinterpret_cast<LPARAM>(buffer.data()));
        if (type) *type = HIWORD(answer);
        return FromWide(buffer);
    }
    const LRESULT length = SendMessageA(hwnd_, SB_GETTEXTLENGTHA, WPARAM(pane), 0);
    std::vector<char> buffer(size_t(LOWORD(length)) + 1, '\0');
    const LRESULT answer = SendMessageA(hwnd_, SB_GETTEXTA, WPARAM(pane), reinterpret_cast<LPARAM>(buffer.data()));
    if (type) *type = HIWORD(answer);
    return FromAnsi(buffer);
}

CUnicodeString CSupportUnicode::GetToolBarButtonText(int commandId) const {
    if (wide_) {
        const LRESULT length = SendMessageW(hwnd_, TB_GETBUTTONTEXTW, WPARAM(commandId), 0);
        if (length < 0) return CUnicodeString(L"");
        std::vector<wchar_t> buffer(size_t(length) + 1, L'\0');
        SendMessageW(hwnd_, TB_GETBUTTONTEXTW, WPARAM(commandId), reinterpret_cast<LPARAM>(buffer.data()));
        return FromWide(buffer);
    }
    const LRESULT length = SendMessageA(hwnd_, TB_GETBUTTONTEXTA, WPARAM(commandId), 0);
    if (length < 0) return CUnicodeString(L"");
    std::vector<char> buffer(size_t(length) + 1, '\0');
    SendMessageA(hwnd_, TB_GETBUTTONTEXTA, WPARAM(commandId), reinterpret_cast<LPARAM>(buffer.data()));
    return FromAnsi(buffer);
}

SIZE CSupportUnicode::GetTextExtent(HDC dc, const CUnicodeString& text) const {
    SIZE size{0, 0};
    if (wide_) {
        GetTextExtentPoint32W(dc, text.Str().c_str(), int(text.GetLength()), &size);
    } else {
        const char* ansi = text.GetAnsiString();
        GetTextExtentPoint32A(dc, ansi, int(strlen(ansi)), &size);
    }
    return size;
}

int CSupportUnicode::GetTextHeight(HDC dc) const {
    if (wide_) {
        TEXTMETRICW tm{};
        GetTextMetricsW(dc, &tm);
        return tm.tmHeight;
    }
    TEXTMETRICA tm{};
    GetTextMetricsA(dc, &tm);
    return tm.tmHeight;
}

int CSupportUnicode::DrawUnicodeText(HDC dc, const CUnicodeString& text, int count, RECT* rect, UINT format) const {
    return DrawTextW(dc, text.Str().c_str(), count, rect, format);
}

BOOL CSupportUnicode::ExtTextOutAW(HDC dc, int x, int y, UINT options, const RECT* rect, const CUnicodeString& text,
                                   const int* dx) const {
    if (wide_) return ExtTextOutW(dc, x, y, options, rect, text.Str().c_str(), UINT(text.GetLength()), dx);
    const char* ansi = text.GetAnsiString();
    return ExtTextOutA(dc, x, y, options, rect, ansi, UINT(strlen(ansi)), dx);
}

LONG_PTR CSupportUnicode::SetWindowLongAW(int index, LONG_PTR value) const {
    return wide_ ? SetWindowLongPtrW(hwnd_, index, value) : SetWindowLongPtrA(hwnd_, index, value);
}

LONG_PTR CSupportUnicode::GetWindowLongAW(int index) const {
    return wide_ ? GetWindowLongPtrW(hwnd_, index) : GetWindowLongPtrA(hwnd_, index);
}

LRESULT CSupportUnicode::CallWindowProcAW(WNDPROC proc, UINT msg, WPARAM wp, LPARAM lp) const {
    if (!proc) return wide_ ? DefWindowProcW(hwnd_, msg, wp, lp) : DefWindowProcA(hwnd_, msg, wp, lp);
    return wide_ ? CallWindowProcW(proc, hwnd_, msg, wp, lp) : CallWindowProcA(proc, hwnd_, msg, wp, lp);
}

HFONT CreateMenuFont() {
    LOGFONTW lf{};
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) return nullptr;
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&lf);
}

void SetMenuOwnerWindow(HWND hwnd) { g_menuOwner = hwnd; }
HWND GetMenuOwnerWindow() { return g_menuOwner; }
