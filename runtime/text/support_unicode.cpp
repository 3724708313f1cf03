#include "runtime/text/support_unicode.h"

#include <commctrl.h>

#include <atomic>
#include <vector>

namespace {
std::atomic<HWND> g_menuOwner{nullptr};

// The A and W forms of the calls and records the readers use, by character
// type, so that each reader is written once.
template <class Char>
struct Forms;

template <>
struct Forms<wchar_t> {
    using HeaderItem = HDITEMW;
    using TabItem = TCITEMW;
    using ListViewItem = LVITEMW;
    using TextMetric = TEXTMETRICW;
    static constexpr UINT kHeaderGetItem = HDM_GETITEMW;
    static constexpr UINT kTabGetItem = TCM_GETITEMW;
    static constexpr UINT kListViewGetItemText = LVM_GETITEMTEXTW;
    static constexpr UINT kStatusGetTextLength = SB_GETTEXTLENGTHW;
    static constexpr UINT kStatusGetText = SB_GETTEXTW;
    static constexpr UINT kToolBarGetButtonText = TB_GETBUTTONTEXTW;
    // Buffer sizes of the fixed-size reads, in characters.
    static constexpr size_t kHeaderUnits = 512;
    static constexpr size_t kMenuUnits = 512;
    static LRESULT Send(HWND h, UINT m, WPARAM w, LPARAM l) { return SendMessageW(h, m, w, l); }
    static int TextLength(HWND h) { return GetWindowTextLengthW(h); }
    static int Text(HWND h, wchar_t* b, int n) { return GetWindowTextW(h, b, n); }
    static int MenuString(HMENU m, UINT i, wchar_t* b, int n, UINT f) { return GetMenuStringW(m, i, b, n, f); }
    static BOOL Metrics(HDC dc, TextMetric* tm) { return GetTextMetricsW(dc, tm); }
};

template <>
struct Forms<char> {
    using HeaderItem = HDITEMA;
    using TabItem = TCITEMA;
    using ListViewItem = LVITEMA;
    using TextMetric = TEXTMETRICA;
    static constexpr UINT kHeaderGetItem = HDM_GETITEMA;
    static constexpr UINT kTabGetItem = TCM_GETITEMA;
    static constexpr UINT kListViewGetItemText = LVM_GETITEMTEXTA;
    static constexpr UINT kStatusGetTextLength = SB_GETTEXTLENGTHA;
    static constexpr UINT kStatusGetText = SB_GETTEXTA;
    static constexpr UINT kToolBarGetButtonText = TB_GETBUTTONTEXTA;
    static constexpr size_t kHeaderUnits = 256;
    static constexpr size_t kMenuUnits = 256;
    static LRESULT Send(HWND h, UINT m, WPARAM w, LPARAM l) { return SendMessageA(h, m, w, l); }
    static int TextLength(HWND h) { return GetWindowTextLengthA(h); }
    static int Text(HWND h, char* b, int n) { return GetWindowTextA(h, b, n); }
    static int MenuString(HMENU m, UINT i, char* b, int n, UINT f) { return GetMenuStringA(m, i, b, n, f); }
    static BOOL Metrics(HDC dc, TextMetric* tm) { return GetTextMetricsA(dc, tm); }
};

template <class Char>
using Buffer = std::vector<Char>;

template <class Char>
CUnicodeString FromBuffer(const Buffer<Char>& buffer) {
    return CUnicodeString(buffer.data());
}

// An item's text read through a record with a text pointer and its size
// (header, tab and list-view items): `message` fills the record's buffer.
// With `needAnswer`, an answer below 1 means no text.
template <class Char, class Item>
CUnicodeString ItemTextByRecord(HWND hwnd, UINT message, WPARAM index, Item item, size_t units, bool needAnswer) {
    Buffer<Char> buffer(units, Char(0));
    item.pszText = buffer.data();
    item.cchTextMax = int(buffer.size());
    const LRESULT answer = Forms<Char>::Send(hwnd, message, index, reinterpret_cast<LPARAM>(&item));
    if (needAnswer && answer < 1) return CUnicodeString(L"");
    return FromBuffer(buffer);
}

// An item's text read the list-box way: its length message, then its text
// message into a buffer of that length; empty for a missing item.
template <class Char>
CUnicodeString ItemTextByLength(HWND hwnd, UINT lengthMsg, UINT textMsg, int index) {
    const LRESULT length = Forms<Char>::Send(hwnd, lengthMsg, WPARAM(index), 0);
    if (length < 1) return CUnicodeString(L"");
    Buffer<Char> buffer(size_t(length) + 1, Char(0));
    Forms<Char>::Send(hwnd, textMsg, WPARAM(index), reinterpret_cast<LPARAM>(buffer.data()));
    return FromBuffer(buffer);
}

template <class Char>
size_t WindowText(HWND hwnd, CUnicodeString& out) {
    const int length = Forms<Char>::TextLength(hwnd) + 1;
    Buffer<Char> buffer(size_t(length), Char(0));
    const int n = Forms<Char>::Text(hwnd, buffer.data(), length);
    out = FromBuffer(buffer);
    return size_t(n > 0 ? n : 0);
}

template <class Char>
CUnicodeString HeaderItemText(HWND hwnd, int index) {
    typename Forms<Char>::HeaderItem item{};
    item.mask = HDI_TEXT;
    return ItemTextByRecord<Char>(hwnd, Forms<Char>::kHeaderGetItem, WPARAM(index), item, Forms<Char>::kHeaderUnits,
                                  false);
}

template <class Char>
CUnicodeString TabItemText(HWND hwnd, int index) {
    typename Forms<Char>::TabItem item{};
    item.mask = TCIF_TEXT;
    return ItemTextByRecord<Char>(hwnd, Forms<Char>::kTabGetItem, WPARAM(index), item, 256, false);
}

template <class Char>
CUnicodeString ListViewItemText(HWND hwnd, int index, int subItem) {
    typename Forms<Char>::ListViewItem item{};
    item.iSubItem = subItem;
    return ItemTextByRecord<Char>(hwnd, Forms<Char>::kListViewGetItemText, WPARAM(index), item, 1024, true);
}

// EM_GETLINE takes the buffer size in its first word; `units` leaves room
// for it and for the terminating zero.
template <class Char>
CUnicodeString EditLine(HWND hwnd, int line, size_t units) {
    Buffer<Char> buffer(units, Char(0));
    *reinterpret_cast<WORD*>(buffer.data()) = WORD(buffer.size() - 1);
    const LRESULT n = Forms<Char>::Send(hwnd, EM_GETLINE, WPARAM(line), reinterpret_cast<LPARAM>(buffer.data()));
    buffer[size_t(n >= 0 && size_t(n) < buffer.size() ? n : 0)] = Char(0);
    return FromBuffer(buffer);
}

template <class Char>
CUnicodeString MenuString(HMENU menu, UINT item, UINT flags) {
    Buffer<Char> buffer(Forms<Char>::kMenuUnits, Char(0));
    Forms<Char>::MenuString(menu, item, buffer.data(), int(buffer.size()), flags);
    return FromBuffer(buffer);
}

template <class Char>
CUnicodeString StatusText(HWND hwnd, int pane, int* type) {
    const LRESULT length = Forms<Char>::Send(hwnd, Forms<Char>::kStatusGetTextLength, WPARAM(pane), 0);
    Buffer<Char> buffer(size_t(LOWORD(length)) + 1, Char(0));
    const LRESULT answer =
        Forms<Char>::Send(hwnd, Forms<Char>::kStatusGetText, WPARAM(pane), reinterpret_cast<LPARAM>(buffer.data()));
    if (type) *type = HIWORD(answer);
    return FromBuffer(buffer);
}

template <class Char>
CUnicodeString ToolBarButtonText(HWND hwnd, int commandId) {
    const UINT message = Forms<Char>::kToolBarGetButtonText;
    const LRESULT length = Forms<Char>::Send(hwnd, message, WPARAM(commandId), 0);
    if (length < 0) return CUnicodeString(L"");
    Buffer<Char> buffer(size_t(length) + 1, Char(0));
    Forms<Char>::Send(hwnd, message, WPARAM(commandId), reinterpret_cast<LPARAM>(buffer.data()));
    return FromBuffer(buffer);
}

template <class Char>
int TextHeight(HDC dc) {
    typename Forms<Char>::TextMetric tm{};
    Forms<Char>::Metrics(dc, &tm);
    return tm.tmHeight;
}
} // namespace

CSupportUnicode::CSupportUnicode(HWND hwnd, bool forceWide) : hwnd_(hwnd), wide_(forceWide || IsWindowUnicode(hwnd)) {}

size_t CSupportUnicode::GetWindowTextAW(CUnicodeString& out) const {
    return wide_ ? WindowText<wchar_t>(hwnd_, out) : WindowText<char>(hwnd_, out);
}

CUnicodeString CSupportUnicode::GetText() const {
    CUnicodeString s;
    GetWindowTextAW(s);
    return s;
}

CUnicodeString CSupportUnicode::GetHeaderItemText(int index) const {
    return wide_ ? HeaderItemText<wchar_t>(hwnd_, index) : HeaderItemText<char>(hwnd_, index);
}

CUnicodeString CSupportUnicode::GetTabItemText(int index) const {
    return wide_ ? TabItemText<wchar_t>(hwnd_, index) : TabItemText<char>(hwnd_, index);
}

CUnicodeString CSupportUnicode::GetEditLine(int line, int charIndex) const {
    const LRESULT length = SendMessageW(hwnd_, EM_LINELENGTH, WPARAM(charIndex), 0);
    if (length < 1) return CUnicodeString(L"");
    const size_t units = size_t(length) + 2;
    // The ANSI form reads bytes: a multi-byte character takes two.
    return wide_ ? EditLine<wchar_t>(hwnd_, line, units) : EditLine<char>(hwnd_, line, units * 2);
}

CUnicodeString CSupportUnicode::GetMenuString(HMENU menu, UINT item, UINT flags) const {
    return wide_ ? MenuString<wchar_t>(menu, item, flags) : MenuString<char>(menu, item, flags);
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
    return wide_ ? ListViewItemText<wchar_t>(hwnd_, item, subItem) : ListViewItemText<char>(hwnd_, item, subItem);
}

CUnicodeString CSupportUnicode::GetStatusText(int pane, int* type) const {
    return wide_ ? StatusText<wchar_t>(hwnd_, pane, type) : StatusText<char>(hwnd_, pane, type);
}

CUnicodeString CSupportUnicode::GetToolBarButtonText(int commandId) const {
    return wide_ ? ToolBarButtonText<wchar_t>(hwnd_, commandId) : ToolBarButtonText<char>(hwnd_, commandId);
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

int CSupportUnicode::GetTextHeight(HDC dc) const { return wide_ ? TextHeight<wchar_t>(dc) : TextHeight<char>(dc); }

int CSupportUnicode::DrawUnicodeText(HDC dc, const CUnicodeString& text, int count, RECT* rect, UINT format) const {
    return DrawTextW(dc, text.Str().c_str(), count, rect, format);
}

int CSupportUnicode::DrawTextAW(HDC dc, const wchar_t* text, int count, RECT* rect, UINT format) const {
    if (!text) return 0;
    if (wide_) return DrawTextW(dc, text, count, rect, format);
    const size_t length = count < 0 ? wcslen(text) : size_t(count);
    const std::string ansi = hexmoor::rt::ToAnsi(text, length);
    return DrawTextA(dc, ansi.c_str(), int(ansi.size()), rect, format);
}

int CSupportUnicode::DrawTextAW(HDC dc, const char* text, int count, RECT* rect, UINT format) const {
    if (!text) return 0;
    if (!wide_) return DrawTextA(dc, text, count, rect, format);
    const size_t length = count < 0 ? strlen(text) : size_t(count);
    const std::wstring wide = hexmoor::rt::ToWide(text, length);
    return DrawTextW(dc, wide.c_str(), int(wide.size()), rect, format);
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

HFONT CreateMenuFont() {
    LOGFONTW lf{};
    if (!SystemParametersInfoW(SPI_GETICONTITLELOGFONT, sizeof lf, &lf, 0)) return nullptr;
    lf.lfWeight = FW_BOLD;
    return CreateFontIndirectW(&lf);
}

void SetMenuOwnerWindow(HWND hwnd) { g_menuOwner.store(hwnd); }
HWND GetMenuOwnerWindow() { return g_menuOwner.load(); }

bool IsMenuItemIndexValid(HMENU menu, int index) {
    if (!menu || index < 0) return false;
    const int count = GetMenuItemCount(menu);
    return count > 0 && index < count;
}
