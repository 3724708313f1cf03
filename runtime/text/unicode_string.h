#pragma once
// The runtime's own UTF-16 string: window and control texts are kept wide
// whatever the form of the window they came from. ANSI text is converted
// with the process's ANSI code page. Lengths are size_t; formatting is
// bounded and truncates rather than overflowing.

#include <windows.h>
#include <oleauto.h>

#include <cstdarg>
#include <string>

class CUnicodeString {
public:
    CUnicodeString() = default;
    CUnicodeString(const wchar_t* text);      // NOLINT: implicit like the text it holds
    CUnicodeString(const char* text);         // NOLINT
    CUnicodeString(const std::wstring& text); // NOLINT
    // A counted wide string given as a byte length and a buffer.
    CUnicodeString(size_t byteLength, const wchar_t* buffer);
    CUnicodeString(const CUnicodeString& other);
    CUnicodeString(CUnicodeString&& other) noexcept = default;
    virtual ~CUnicodeString() = default;

    CUnicodeString& operator=(const CUnicodeString& other);
    CUnicodeString& operator=(CUnicodeString&& other) noexcept = default;
    CUnicodeString& operator=(const wchar_t* text); // null empties
    CUnicodeString& operator=(const char* text);
    CUnicodeString& operator=(wchar_t c);
    CUnicodeString& operator=(char c);

    CUnicodeString& operator+=(const CUnicodeString& other);
    CUnicodeString& operator+=(const wchar_t* text);
    CUnicodeString& operator+=(const char* text);
    CUnicodeString& operator+=(wchar_t c);
    CUnicodeString& operator+=(char c);

    // The wide buffer; null for a string that was never assigned.
    const wchar_t* GetBuffer() const { return hasBuffer_ ? text_.c_str() : nullptr; }
    operator const wchar_t*() const { return GetBuffer(); } // NOLINT
    size_t GetLength() const { return text_.size(); }
    bool IsEmpty() const { return text_.empty(); }
    void Empty();
    // 0 at or beyond the length.
    wchar_t GetAt(size_t index) const { return index < text_.size() ? text_[index] : L'\0'; }
    void SetAt(size_t index, wchar_t c);
    void SetAt(size_t index, char c);
    // Drops the text and returns a zero-filled buffer of n units that the
    // caller fills (the length becomes n).
    wchar_t* GetBufferSetLength(size_t units);
    // ANSI copy of the text, kept until the next call or the string's end.
    const char* GetAnsiString() const;
    const std::wstring& Str() const { return text_; }

    // Comparison: ordinal (-1, 0, 1), case-insensitive, collated.
    int Compare(const wchar_t* text) const;
    int Compare(const char* text) const;
    int CompareNoCase(const wchar_t* text) const;
    int Collate(const wchar_t* text) const;
    int CollateNoCase(const wchar_t* text) const;

    // Searching: -1 when absent or when start lies beyond the length.
    int Find(const wchar_t* needle, int start = 0) const;
    int Find(const char* needle, int start = 0) const;
    int Find(wchar_t c, int start = 0) const;
    int Find(char c, int start = 0) const;
    int ReverseFind(wchar_t c) const;
    int FindOneOf(const wchar_t* set) const;
    int FindOneOf(const char* set) const;

    // Editing (index clamped to the length); returns the new length.
    size_t Insert(size_t index, const wchar_t* text);
    size_t Insert(size_t index, wchar_t c);
    size_t Insert(size_t index, char c);
    size_t Delete(size_t index, size_t count = 1);
    size_t Remove(wchar_t c);
    void MakeUpper();
    void MakeLower();
    void MakeReverse();

    void TrimLeft();
    void TrimRight();
    void TrimLeft(const wchar_t* set);
    void TrimRight(const wchar_t* set);
    void TrimLeft(wchar_t c);
    void TrimRight(wchar_t c);
    // ANSI sets and characters are converted first.
    void TrimLeft(const char* set);
    void TrimRight(const char* set);
    void TrimLeft(char c);
    void TrimRight(char c);

    CUnicodeString Left(size_t count) const;
    CUnicodeString Right(size_t count) const;
    CUnicodeString Mid(size_t index, size_t count) const;
    CUnicodeString SpanIncluding(const wchar_t* set) const;
    CUnicodeString SpanExcluding(const wchar_t* set) const;
    CUnicodeString SpanIncluding(const char* set) const;
    CUnicodeString SpanExcluding(const char* set) const;

    // printf-style formatting into a bounded buffer (2048 units wide, 1024
    // bytes ANSI); a longer result is cut at the bound.
    void Format(const wchar_t* format, ...);
    void Format(const char* format, ...);
    void FormatV(const wchar_t* format, va_list args);
    // FormatMessage with the text as its format (inserts %1, %2...).
    void FormatSystemMessage(const wchar_t* format, ...);
    // The same with the format taken from the string table of the current
    // module; empty when the id has no text.
    void FormatSystemMessage(UINT formatId, ...);
    // A string-table text of the current module; false when absent.
    bool LoadFromTable(UINT id, HINSTANCE module = nullptr);

    BSTR AllocSysString() const;

    // A counted view of the text {byte length, byte length, buffer}, the
    // layout of the system's counted wide strings. The byte lengths stop at
    // the largest even 16-bit count; the buffer stays the string's own.
    struct CountedView {
        USHORT length;
        USHORT maximumLength;
        const wchar_t* buffer;
    };
    CountedView GetCountedView() const;

    static constexpr size_t kWideFormatUnits = 2048;
    static constexpr size_t kAnsiFormatBytes = 1024;

private:
    void Assign(std::wstring text);
    void FormatMessageV(const wchar_t* format, va_list* args);
    std::wstring text_;
    bool hasBuffer_ = false;
    mutable std::string ansi_;
};

CUnicodeString operator+(const CUnicodeString& a, const CUnicodeString& b);
CUnicodeString operator+(const CUnicodeString& a, const wchar_t* b);
CUnicodeString operator+(const wchar_t* a, const CUnicodeString& b);
CUnicodeString operator+(const CUnicodeString& a, wchar_t b);
CUnicodeString operator+(wchar_t a, const CUnicodeString& b);
CUnicodeString operator+(const CUnicodeString& a, const char* b);
CUnicodeString operator+(const char* a, const CUnicodeString& b);
CUnicodeString operator+(const CUnicodeString& a, char b);
CUnicodeString operator+(char a, const CUnicodeString& b);
bool operator==(const CUnicodeString& a, const CUnicodeString& b);
bool operator==(const CUnicodeString& a, const wchar_t* b);
bool operator==(const CUnicodeString& a, const char* b);

// A window's caption, read in the form that fits the window.
class CWindowText : public CUnicodeString {
public:
    explicit CWindowText(HWND hwnd);
};

namespace hexmoor::rt {
// ANSI code page conversions without a length limit.
std::string ToAnsi(const wchar_t* text, size_t length);
std::wstring ToWide(const char* text, size_t length);
} // namespace hexmoor::rt
