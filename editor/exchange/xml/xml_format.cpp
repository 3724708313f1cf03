#include "editor/exchange/xml/xml_format.h"

#include <cwctype>

#include "model/element_types.h"
#include "model/elements/frame_properties.h"

namespace hexmoor::exchange::xml {
namespace {

constexpr const wchar_t* kSideNames[kSideCount] = {L"topside", L"rightside", L"bottomside", L"leftside"};
constexpr WORD kSideSizeIds[kSideCount] = {frame_props::kTopThickness, frame_props::kRightThickness,
                                           frame_props::kBottomThickness, frame_props::kLeftThickness};

wchar_t AsciiLower(wchar_t c) { return c >= L'A' && c <= L'Z' ? static_cast<wchar_t>(c - L'A' + L'a') : c; }

bool IsBlank(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

std::wstring_view Trim(std::wstring_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

int HexDigit(wchar_t c) {
    if (c >= L'0' && c <= L'9') return c - L'0';
    if (c >= L'a' && c <= L'f') return c - L'a' + 10;
    if (c >= L'A' && c <= L'F') return c - L'A' + 10;
    return -1;
}

// Windows folds case over the whole of Unicode; towlower is close enough
// for telling two of our own file names apart.
std::wstring FoldCase(const std::wstring& text) {
    std::wstring folded = text;
    for (wchar_t& c : folded) c = static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
    return folded;
}

bool IsReservedDeviceName(std::wstring_view part) {
    // "CON", "nul.txt", "COM1 " and the like open a device wherever they stand.
    std::wstring base;
    for (wchar_t c : part) {
        if (c == L'.') break;
        base.push_back(AsciiLower(c));
    }
    while (!base.empty() && base.back() == L' ') base.pop_back();
    static constexpr const wchar_t* kDevices[] = {L"con", L"prn", L"aux", L"nul", L"conin$", L"conout$"};
    for (const wchar_t* d : kDevices)
        if (base == d) return true;
    if (base.size() == 4 && (base.compare(0, 3, L"com") == 0 || base.compare(0, 3, L"lpt") == 0))
        return base[3] >= L'0' && base[3] <= L'9';
    return false;
}

bool IsForbiddenInFileName(wchar_t c) {
    return c < 0x20 || c == L'\\' || c == L'/' || c == L':' || c == L'*' || c == L'?' || c == L'"' || c == L'<' ||
           c == L'>' || c == L'|';
}

} // namespace

bool IsStateElementName(std::wstring_view name) {
    for (const StateElement& s : kControlStates)
        if (name == s.name) return true;
    return name == kActiveState.name || name == kInactiveState.name;
}

const wchar_t* SideElementName(int side) { return side >= 0 && side < kSideCount ? kSideNames[side] : L""; }

std::optional<int> SideFromElementName(std::wstring_view name) {
    for (int i = 0; i < kSideCount; ++i)
        if (name == kSideNames[i]) return i;
    return std::nullopt;
}

WORD SideSizeId(int side) { return side >= 0 && side < kSideCount ? kSideSizeIds[side] : 0; }

std::optional<int> SideFromSizeId(WORD id) {
    for (int i = 0; i < kSideCount; ++i)
        if (id == kSideSizeIds[i]) return i;
    return std::nullopt;
}

bool IsSideSizeId(WORD id) { return SideFromSizeId(id).has_value(); }

bool IsMenuBarButtonId(WORD id) {
    using namespace frame_props;
    return (id >= kMdiCloseNormal && id <= kMdiCloseDisabled) || (id >= kMdiMinimizeNormal && id <= kMdiRestoreHot) ||
           (id >= kMdiCloseOffset && id <= kMdiMinimizeSize);
}

std::wstring TrimmedTypeName(WORD type) {
    std::wstring name = GetElementTypeName(type);
    for (wchar_t& c : name) c = AsciiLower(c);
    if (name.size() > 3) name.resize(name.size() - 2);
    return name;
}

std::wstring GroupNameFromScheme(std::wstring_view scheme) {
    const std::size_t close = scheme.find(L'>');
    return std::wstring(close == std::wstring_view::npos ? scheme : scheme.substr(close + 1));
}

std::wstring SanitizeElementName(std::wstring_view name) {
    std::wstring out;
    out.reserve(name.size() + 1);
    for (wchar_t c : name) {
        c = AsciiLower(c);
        const bool kept = (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'_' || c == L'-' || c == L'.';
        out.push_back(kept ? c : L'_');
    }
    if (out.empty() || !((out[0] >= L'a' && out[0] <= L'z') || out[0] == L'_')) out.insert(out.begin(), L'_');
    return out;
}

std::wstring ControlElementName(WORD type, const std::wstring& groupName) {
    std::wstring name = TrimmedTypeName(type);
    if (!groupName.empty()) name += L"_" + groupName;
    return SanitizeElementName(name);
}

std::wstring DescFromLabel(std::wstring_view label) {
    std::wstring desc(label);
    for (wchar_t& c : desc) c = c == L' ' ? L'_' : static_cast<wchar_t>(std::towlower(static_cast<std::wint_t>(c)));
    return desc;
}

std::wstring CustomDesc(const std::wstring& groupName, const std::wstring& desc) { return groupName + L"_" + desc; }

std::wstring XmlSafeText(std::wstring_view text) {
    std::wstring out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const std::uint32_t c = static_cast<std::uint32_t>(text[i]);
        const bool isHigh = c >= 0xD800 && c <= 0xDBFF, isLow = c >= 0xDC00 && c <= 0xDFFF;
        if (isHigh && i + 1 < text.size()) {
            const std::uint32_t next = static_cast<std::uint32_t>(text[i + 1]);
            if (next >= 0xDC00 && next <= 0xDFFF) {
                out.push_back(text[i]);
                out.push_back(text[++i]);
                continue;
            }
        }
        const bool allowed = c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) ||
                             (c >= 0xE000 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0x10FFFF);
        out.push_back(allowed && !isHigh && !isLow ? text[i] : static_cast<wchar_t>(0xFFFD));
    }
    return out;
}

bool IsValidGroupName(const std::wstring& name) {
    return !name.empty() && name != kDefaultSchemeName && name.find_first_of(L"<>\\") == std::wstring::npos;
}

std::wstring FormatHex(DWORD value) {
    static constexpr wchar_t kDigits[] = L"0123456789abcdef";
    std::wstring text;
    do {
        text.insert(text.begin(), kDigits[value & 0xF]);
        value >>= 4;
    } while (value != 0);
    return text;
}

std::optional<DWORD> ParseHex(std::wstring_view text) {
    text = Trim(text);
    if (text.empty()) return std::nullopt;
    DWORD value = 0;
    int significant = 0;
    for (wchar_t c : text) {
        const int digit = HexDigit(c);
        if (digit < 0) return std::nullopt;
        if (significant > 0 || digit != 0) ++significant;
        if (significant > 8) return std::nullopt;
        value = (value << 4) | static_cast<DWORD>(digit);
    }
    return value;
}

std::wstring FormatRgb(COLORREF color) {
    if (color == 0xFFFFFFFF) return FormatHex(color);
    const DWORD rgb =
        (static_cast<DWORD>(GetRValue(color)) << 16) | (static_cast<DWORD>(GetGValue(color)) << 8) | GetBValue(color);
    return FormatHex(rgb);
}

std::optional<COLORREF> ParseRgb(std::wstring_view text) {
    const std::optional<DWORD> value = ParseHex(text);
    if (!value) return std::nullopt;
    if (*value == 0xFFFFFFFF) return COLORREF{0xFFFFFFFF};
    return RGB(static_cast<BYTE>(*value >> 16), static_cast<BYTE>(*value >> 8), static_cast<BYTE>(*value));
}

std::optional<std::int32_t> ParseSigned(std::wstring_view text) {
    text = Trim(text);
    bool negative = false;
    if (!text.empty() && (text.front() == L'-' || text.front() == L'+')) {
        negative = text.front() == L'-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.size() > 12) return std::nullopt;
    std::int64_t value = 0;
    for (wchar_t c : text) {
        if (c < L'0' || c > L'9') return std::nullopt;
        value = value * 10 + (c - L'0');
    }
    if (negative) value = -value;
    if (value < INT32_MIN || value > INT32_MAX) return std::nullopt;
    return static_cast<std::int32_t>(value);
}

std::optional<WORD> ParseId(std::wstring_view text) {
    const std::optional<std::int32_t> value = ParseSigned(text);
    if (!value || *value < 0 || *value > 0xFFFF) return std::nullopt;
    return static_cast<WORD>(*value);
}

std::wstring DeclarationData(WORD version) {
    return L"version=\"" + std::to_wstring(version >> 8) + L"." + std::to_wstring(version & 0xFF) + L"\"";
}

std::optional<WORD> ParseDeclarationVersion(std::wstring_view data) {
    // Pseudo-attributes: name, optional blanks, '=', optional blanks, a
    // quoted value; "version" is the one wanted.
    std::size_t i = 0;
    while (i < data.size()) {
        while (i < data.size() && IsBlank(data[i])) ++i;
        const std::size_t nameStart = i;
        while (i < data.size() && !IsBlank(data[i]) && data[i] != L'=') ++i;
        const std::wstring_view name = data.substr(nameStart, i - nameStart);
        while (i < data.size() && IsBlank(data[i])) ++i;
        if (i >= data.size() || data[i] != L'=') return std::nullopt;
        ++i;
        while (i < data.size() && IsBlank(data[i])) ++i;
        if (i >= data.size() || (data[i] != L'"' && data[i] != L'\'')) return std::nullopt;
        const wchar_t quote = data[i++];
        const std::size_t end = data.find(quote, i);
        if (end == std::wstring_view::npos) return std::nullopt;
        const std::wstring_view value = data.substr(i, end - i);
        i = end + 1;
        if (name != L"version") continue;
        unsigned major = 0, minor = 0;
        std::size_t k = 0;
        if (value.empty() || value[0] < L'0' || value[0] > L'9') return std::nullopt;
        for (; k < value.size() && value[k] >= L'0' && value[k] <= L'9'; ++k)
            major = (major * 10 + (value[k] - L'0')) % 256;
        const std::size_t dot = value.find(L'.');
        if (dot != std::wstring_view::npos)
            for (k = dot + 1; k < value.size() && value[k] >= L'0' && value[k] <= L'9'; ++k)
                minor = (minor * 10 + (value[k] - L'0')) % 256;
        return static_cast<WORD>((major << 8) | minor);
    }
    return std::nullopt;
}

bool MentionsDocumentType(std::span<const std::uint8_t> bytes) {
    static constexpr char kMark[] = "<!DOCTYPE";
    constexpr std::size_t kLength = sizeof kMark - 1;
    // Width 1: UTF-8 and its kin; width 2 at offsets 0 and 1: UTF-16 in
    // either byte order, the other byte of each unit zero.
    for (std::size_t width : {std::size_t{1}, std::size_t{2}}) {
        for (std::size_t start = 0; start < width; ++start) {
            for (std::size_t at = start; at + kLength * width <= bytes.size(); at += width) {
                std::size_t k = 0;
                while (k < kLength && bytes[at + k * width] == static_cast<std::uint8_t>(kMark[k])) {
                    const std::size_t other = start == 0 ? at + k * width + 1 : at + k * width - 1;
                    if (width == 2 && bytes[other] != 0) break;
                    ++k;
                }
                if (k == kLength) return true;
            }
        }
    }
    return false;
}

std::wstring SanitizeFileNamePart(std::wstring_view text) {
    std::wstring out(text.substr(0, 80));
    for (wchar_t& c : out)
        if (IsForbiddenInFileName(c)) c = L'_';
    return out;
}

const wchar_t* StateLetter(int state) {
    static constexpr const wchar_t* kLetters[] = {L"n", L"h", L"p", L"d", L"f"};
    return state >= 0 && state < 5 ? kLetters[state] : L"";
}

std::wstring MakeControlFileName(WORD type, WORD id, int state, const std::wstring& desc, const wchar_t* extension) {
    std::wstring name = TrimmedTypeName(type);
    if (!desc.empty()) name += L"_" + SanitizeFileNamePart(desc);
    if (*StateLetter(state)) name += L"_" + std::wstring(StateLetter(state)) + L"_";
    name += std::to_wstring(id);
    name += extension;
    return name;
}

std::wstring FolderPartFor(WORD type, bool custom) {
    const std::wstring folder = TrimmedTypeName(type);
    return custom ? std::wstring(kCustomControlsName) + L"\\" + folder : folder;
}

std::wstring UniqueFileNames::Claim(const std::wstring& relative) {
    if (taken_.insert(FoldCase(relative)).second) return relative;
    const std::size_t slash = relative.find_last_of(L'\\');
    std::size_t dot = relative.find_last_of(L'.');
    if (dot == std::wstring::npos || (slash != std::wstring::npos && dot < slash)) dot = relative.size();
    for (int n = 2;; ++n) {
        std::wstring candidate = relative.substr(0, dot) + L"_" + std::to_wstring(n) + relative.substr(dot);
        if (taken_.insert(FoldCase(candidate)).second) return candidate;
    }
}

FilePathCheck CheckRelativeFile(std::wstring_view file) {
    FilePathCheck check;
    if (file.empty()) {
        check.problem = L"the file name is empty";
        return check;
    }
    if (file.size() > 1024) {
        check.problem = L"the file name is too long";
        return check;
    }
    if (file.find(L':') != std::wstring_view::npos) {
        check.problem = L"the file name names a drive or a stream";
        return check;
    }
    if (file.front() == L'\\' || file.front() == L'/') {
        check.problem = L"the file name is not relative to the XML file's folder";
        return check;
    }
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = file.find_first_of(L"\\/", start);
        const std::wstring_view part =
            file.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
        if (part.empty()) {
            check.problem = L"the file name has an empty folder name";
            return check;
        }
        if (part == L"..") {
            check.problem = L"the file name leaves the XML file's folder";
            return check;
        }
        for (wchar_t c : part)
            if (IsForbiddenInFileName(c)) {
                check.problem = L"the file name holds characters no file name may hold";
                return check;
            }
        if (part.back() == L'.' || part.back() == L' ') {
            if (part != L".") {
                check.problem = L"the file name has a part ending in a dot or a blank";
                return check;
            }
        } else if (IsReservedDeviceName(part)) {
            check.problem = L"the file name names a device";
            return check;
        }
        if (part != L".") check.parts.emplace_back(part);
        if (end == std::wstring_view::npos) break;
        start = end + 1;
    }
    if (check.parts.empty()) {
        check.problem = L"the file name names no file";
        return check;
    }
    check.ok = true;
    return check;
}

std::wstring FolderOf(const std::wstring& path) {
    const std::size_t slash = path.find_last_of(L"\\/");
    return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

std::wstring JoinUnder(const std::wstring& folder, const std::vector<std::wstring>& parts) {
#ifdef _WIN32
    constexpr wchar_t kSeparator = L'\\';
#else
    constexpr wchar_t kSeparator = L'/';
#endif
    std::wstring path = folder;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        if (i > 0) path.push_back(kSeparator);
        path += parts[i];
    }
    return path;
}

} // namespace hexmoor::exchange::xml
