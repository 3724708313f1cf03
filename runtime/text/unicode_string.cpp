#include "runtime/text/unicode_string.h"

#include <algorithm>
#include <cstring>
#include <cwchar>
#include <cwctype>
#include <vector>

#include "runtime/text/support_unicode.h"

namespace hexmoor::rt {

std::string ToAnsi(const wchar_t* text, size_t length) {
    if (!text || length == 0) return {};
    const int units = int(std::min<size_t>(length, size_t(INT_MAX)));
    const int bytes = WideCharToMultiByte(CP_ACP, 0, text, units, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0) return {};
    std::string out(size_t(bytes), '\0');
    WideCharToMultiByte(CP_ACP, 0, text, units, out.data(), bytes, nullptr, nullptr);
    return out;
}

std::wstring ToWide(const char* text, size_t length) {
    if (!text || length == 0) return {};
    const int bytes = int(std::min<size_t>(length, size_t(INT_MAX)));
    const int units = MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0);
    if (units <= 0) return {};
    std::wstring out(size_t(units), L'\0');
    MultiByteToWideChar(CP_ACP, 0, text, bytes, out.data(), units);
    return out;
}

} // namespace hexmoor::rt

using hexmoor::rt::ToAnsi;
using hexmoor::rt::ToWide;

namespace {
std::wstring Widen(const char* text) { return text ? ToWide(text, std::strlen(text)) : std::wstring(); }
std::wstring Widen(char c) { return ToWide(&c, 1); }
int Sign(int v) { return v < 0 ? -1 : (v > 0 ? 1 : 0); }
} // namespace

CUnicodeString::CUnicodeString(const wchar_t* text) { *this = text; }
CUnicodeString::CUnicodeString(const char* text) { *this = text; }
CUnicodeString::CUnicodeString(const std::wstring& text) { Assign(text); }
CUnicodeString::CUnicodeString(size_t byteLength, const wchar_t* buffer) {
    if (buffer) Assign(std::wstring(buffer, byteLength / 2));
}
CUnicodeString::CUnicodeString(const CUnicodeString& other) {
    if (!other.IsEmpty()) Assign(other.text_);
}

void CUnicodeString::Assign(std::wstring text) {
    text_ = std::move(text);
    hasBuffer_ = true;
    ansi_.clear();
}

CUnicodeString& CUnicodeString::operator=(const CUnicodeString& other) {
    if (this != &other) {
        Empty();
        if (other.hasBuffer_) Assign(other.text_);
    }
    return *this;
}

CUnicodeString& CUnicodeString::operator=(const wchar_t* text) {
    if (!text) {
        Empty();
    } else {
        Assign(text);
    }
    return *this;
}

CUnicodeString& CUnicodeString::operator=(const char* text) {
    if (!text) {
        Empty();
    } else {
        Assign(Widen(text));
    }
    return *this;
}

CUnicodeString& CUnicodeString::operator=(wchar_t c) {
    Assign(std::wstring(1, c));
    return *this;
}
CUnicodeString& CUnicodeString::operator=(char c) {
    Assign(Widen(c));
    return *this;
}

CUnicodeString& CUnicodeString::operator+=(const CUnicodeString& other) {
    Assign(text_ + other.text_);
    return *this;
}
CUnicodeString& CUnicodeString::operator+=(const wchar_t* text) {
    if (text) Assign(text_ + text);
    return *this;
}
CUnicodeString& CUnicodeString::operator+=(const char* text) {
    if (text) Assign(text_ + Widen(text));
    return *this;
}
CUnicodeString& CUnicodeString::operator+=(wchar_t c) {
    Assign(text_ + c);
    return *this;
}
CUnicodeString& CUnicodeString::operator+=(char c) {
    Assign(text_ + Widen(c));
    return *this;
}

void CUnicodeString::Empty() {
    text_.clear();
    text_.shrink_to_fit();
    hasBuffer_ = false;
    ansi_.clear();
}

void CUnicodeString::SetAt(size_t index, wchar_t c) {
    if (index < text_.size()) {
        text_[index] = c;
        ansi_.clear();
    }
}

void CUnicodeString::SetAt(size_t index, char c) {
    const std::wstring w = Widen(c);
    if (!w.empty()) SetAt(index, w[0]);
}

wchar_t* CUnicodeString::GetBufferSetLength(size_t units) {
    Assign(std::wstring(units, L'\0'));
    return text_.data();
}

const char* CUnicodeString::GetAnsiString() const {
    ansi_ = ToAnsi(text_.c_str(), text_.size());
    return ansi_.c_str();
}

int CUnicodeString::Compare(const wchar_t* text) const { return Sign(text_.compare(text ? text : L"")); }
int CUnicodeString::Compare(const char* text) const { return Sign(text_.compare(Widen(text))); }
int CUnicodeString::CompareNoCase(const wchar_t* text) const {
    return Sign(_wcsicmp(text_.c_str(), text ? text : L""));
}
int CUnicodeString::Collate(const wchar_t* text) const { return Sign(wcscoll(text_.c_str(), text ? text : L"")); }
int CUnicodeString::CollateNoCase(const wchar_t* text) const {
    return Sign(_wcsicoll(text_.c_str(), text ? text : L""));
}

int CUnicodeString::Find(const wchar_t* needle, int start) const {
    if (!needle || start < 0 || size_t(start) > text_.size()) return -1;
    const size_t at = text_.find(needle, size_t(start));
    if (at == std::wstring::npos || (*needle == L'\0' && size_t(start) == text_.size())) return -1;
    return int(at);
}
int CUnicodeString::Find(const char* needle, int start) const {
    if (!needle) return -1;
    const std::wstring w = Widen(needle);
    return Find(w.c_str(), start);
}
int CUnicodeString::Find(wchar_t c, int start) const {
    if (start < 0 || size_t(start) >= text_.size()) return -1;
    const size_t at = text_.find(c, size_t(start));
    return at == std::wstring::npos ? -1 : int(at);
}
int CUnicodeString::Find(char c, int start) const {
    const std::wstring w = Widen(c);
    return w.empty() ? -1 : Find(w[0], start);
}
int CUnicodeString::ReverseFind(wchar_t c) const {
    const size_t at = text_.rfind(c);
    return at == std::wstring::npos ? -1 : int(at);
}
int CUnicodeString::FindOneOf(const wchar_t* set) const {
    if (!set) return -1;
    const size_t at = text_.find_first_of(set);
    return at == std::wstring::npos ? -1 : int(at);
}
int CUnicodeString::FindOneOf(const char* set) const {
    const std::wstring w = Widen(set);
    return FindOneOf(w.c_str());
}

size_t CUnicodeString::Insert(size_t index, const wchar_t* text) {
    if (text) {
        std::wstring t = text_;
        t.insert(std::min(index, t.size()), text);
        Assign(std::move(t));
    }
    return text_.size();
}
size_t CUnicodeString::Insert(size_t index, wchar_t c) {
    const wchar_t s[2] = {c, 0};
    return Insert(index, s);
}
size_t CUnicodeString::Insert(size_t index, char c) { return Insert(index, Widen(c).c_str()); }

size_t CUnicodeString::Delete(size_t index, size_t count) {
    if (index < text_.size()) {
        std::wstring t = text_;
        t.erase(index, count);
        Assign(std::move(t));
    }
    return text_.size();
}

size_t CUnicodeString::Remove(wchar_t c) {
    const size_t before = text_.size();
    std::wstring t = text_;
    t.erase(std::remove(t.begin(), t.end(), c), t.end());
    if (hasBuffer_) Assign(std::move(t));
    return before - text_.size();
}

void CUnicodeString::MakeUpper() {
    for (wchar_t& c : text_) c = wchar_t(towupper(c));
    ansi_.clear();
}
void CUnicodeString::MakeLower() {
    for (wchar_t& c : text_) c = wchar_t(towlower(c));
    ansi_.clear();
}
void CUnicodeString::MakeReverse() {
    std::reverse(text_.begin(), text_.end());
    ansi_.clear();
}

void CUnicodeString::TrimLeft() {
    size_t i = 0;
    while (i < text_.size() && iswspace(text_[i])) ++i;
    if (i) Assign(text_.substr(i));
}
void CUnicodeString::TrimRight() {
    size_t n = text_.size();
    while (n > 0 && iswspace(text_[n - 1])) --n;
    if (n != text_.size()) Assign(text_.substr(0, n));
}
void CUnicodeString::TrimLeft(const wchar_t* set) {
    if (!set) return;
    const size_t i = text_.find_first_not_of(set);
    Assign(i == std::wstring::npos ? std::wstring() : text_.substr(i));
}
void CUnicodeString::TrimRight(const wchar_t* set) {
    if (!set) return;
    const size_t i = text_.find_last_not_of(set);
    Assign(i == std::wstring::npos ? std::wstring() : text_.substr(0, i + 1));
}
void CUnicodeString::TrimLeft(wchar_t c) {
    const wchar_t s[2] = {c, 0};
    TrimLeft(s);
}
void CUnicodeString::TrimRight(wchar_t c) {
    const wchar_t s[2] = {c, 0};
    TrimRight(s);
}

CUnicodeString CUnicodeString::Left(size_t count) const { return CUnicodeString(text_.substr(0, count)); }
CUnicodeString CUnicodeString::Right(size_t count) const {
    return CUnicodeString(count >= text_.size() ? text_ : text_.substr(text_.size() - count));
}
CUnicodeString CUnicodeString::Mid(size_t index, size_t count) const {
    if (index >= text_.size()) return CUnicodeString(std::wstring());
    return CUnicodeString(text_.substr(index, count));
}
void CUnicodeString::TrimLeft(const char* set) {
    if (set) TrimLeft(CUnicodeString(set).Str().c_str());
}
void CUnicodeString::TrimRight(const char* set) {
    if (set) TrimRight(CUnicodeString(set).Str().c_str());
}
void CUnicodeString::TrimLeft(char c) {
    const char s[2] = {c, '\0'};
    TrimLeft(s);
}
void CUnicodeString::TrimRight(char c) {
    const char s[2] = {c, '\0'};
    TrimRight(s);
}

CUnicodeString CUnicodeString::SpanIncluding(const char* set) const {
    return set ? SpanIncluding(CUnicodeString(set).Str().c_str()) : Left(0);
}
CUnicodeString CUnicodeString::SpanExcluding(const char* set) const {
    return set ? SpanExcluding(CUnicodeString(set).Str().c_str()) : Left(0);
}

CUnicodeString CUnicodeString::SpanIncluding(const wchar_t* set) const {
    return Left(set ? wcsspn(text_.c_str(), set) : 0);
}
CUnicodeString CUnicodeString::SpanExcluding(const wchar_t* set) const {
    return Left(set ? wcscspn(text_.c_str(), set) : text_.size());
}

void CUnicodeString::FormatV(const wchar_t* format, va_list args) {
    if (!format) {
        Empty();
        return;
    }
    std::vector<wchar_t> buffer(kWideFormatUnits, L'\0');
    const int n = _vsnwprintf(buffer.data(), buffer.size() - 1, format, args);
    // A result that does not fit is cut at the bound; the buffer always ends
    // with a terminator.
    buffer.back() = L'\0';
    (void)n;
    Assign(std::wstring(buffer.data()));
}

void CUnicodeString::Format(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CUnicodeString::Format(const char* format, ...) {
    if (!format) {
        Empty();
        return;
    }
    std::vector<char> buffer(kAnsiFormatBytes, '\0');
    va_list args;
    va_start(args, format);
    _vsnprintf(buffer.data(), buffer.size() - 1, format, args);
    va_end(args);
    buffer.back() = '\0';
    Assign(Widen(buffer.data()));
}

void CUnicodeString::FormatSystemMessage(const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    FormatMessageV(format, &args);
    va_end(args);
}

void CUnicodeString::FormatSystemMessage(UINT formatId, ...) {
    CUnicodeString format;
    va_list args;
    va_start(args, formatId);
    if (format.LoadFromTable(formatId)) {
        FormatMessageV(format.GetBuffer(), &args);
    } else {
        Empty();
    }
    va_end(args);
}

void CUnicodeString::FormatMessageV(const wchar_t* format, va_list* args) {
    if (!format) {
        Empty();
        return;
    }
    wchar_t* out = nullptr;
    const DWORD n = FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_STRING, format, 0, 0,
                                   reinterpret_cast<wchar_t*>(&out), 0, args);
    if (n && out) {
        Assign(std::wstring(out, n));
    } else {
        Empty();
    }
    if (out) LocalFree(out);
}

bool CUnicodeString::LoadFromTable(UINT id, HINSTANCE module) {
    if (!module) module = GetModuleHandleW(nullptr);
    // Grow by 1024 units until the text fits with room to spare.
    for (size_t size = 1024; size <= 1024 * 64; size += 1024) {
        std::vector<wchar_t> buffer(size, L'\0');
        const int n = LoadStringW(module, id, buffer.data(), int(size));
        if (n <= 0) {
            Empty();
            return false;
        }
        if (size_t(n) + 2 <= size) {
            Assign(std::wstring(buffer.data(), size_t(n)));
            return true;
        }
    }
    return false;
}

BSTR CUnicodeString::AllocSysString() const {
    return SysAllocStringLen(text_.c_str(), UINT(std::min<size_t>(text_.size(), UINT_MAX)));
}

CUnicodeString operator+(const CUnicodeString& a, const CUnicodeString& b) {
    CUnicodeString r(a.Str());
    r += b;
    return r;
}
CUnicodeString operator+(const CUnicodeString& a, const wchar_t* b) {
    CUnicodeString r(a.Str());
    r += b;
    return r;
}
CUnicodeString operator+(const wchar_t* a, const CUnicodeString& b) {
    CUnicodeString r(a ? a : L"");
    r += b;
    return r;
}
CUnicodeString::CountedView CUnicodeString::GetCountedView() const {
    const size_t bytes = std::min<size_t>(text_.size() * sizeof(wchar_t), 0xFFFE);
    return {USHORT(bytes), USHORT(bytes), GetBuffer()};
}

CUnicodeString operator+(wchar_t a, const CUnicodeString& b) {
    CUnicodeString r;
    r = a;
    r += b;
    return r;
}

CUnicodeString operator+(const CUnicodeString& a, const char* b) {
    CUnicodeString r(a.Str());
    r += b;
    return r;
}

CUnicodeString operator+(const char* a, const CUnicodeString& b) {
    CUnicodeString r(a);
    r += b;
    return r;
}

CUnicodeString operator+(const CUnicodeString& a, char b) {
    CUnicodeString r(a.Str());
    r += b;
    return r;
}

CUnicodeString operator+(char a, const CUnicodeString& b) {
    CUnicodeString r;
    r = a;
    r += b;
    return r;
}

CUnicodeString operator+(const CUnicodeString& a, wchar_t b) {
    CUnicodeString r(a.Str());
    r += b;
    return r;
}
bool operator==(const CUnicodeString& a, const CUnicodeString& b) { return a.Str() == b.Str(); }
bool operator==(const CUnicodeString& a, const wchar_t* b) { return b && a.Str() == b; }
bool operator==(const CUnicodeString& a, const char* b) { return b && a.Str() == Widen(b); }

CWindowText::CWindowText(HWND hwnd) { CSupportUnicode(hwnd).GetWindowTextAW(*this); }
