#pragma once
// The controls XML file's names and value texts, free of any XML service:
// control, state and side element names, the hexadecimal and decimal
// attribute texts, the declaration's version, the "Desc" texts, the image
// and region file names, and the checks on what comes from outside (names
// that become element names or file-name parts, "File" paths, group names).

#include <cstdint>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/platform/types.h"

namespace hexmoor::exchange::xml {

// The exchange format this editor writes: 1.0 (major in the high byte).
inline constexpr WORD kFormatVersion = 0x0100;

inline constexpr wchar_t kRootName[] = L"TarnwickSkin";
inline constexpr wchar_t kControlsName[] = L"Controls";
inline constexpr wchar_t kCustomControlsName[] = L"CustomControls";
inline constexpr wchar_t kNameAttribute[] = L"Name";
inline constexpr wchar_t kIdAttribute[] = L"Id";
inline constexpr wchar_t kGroupNameAttribute[] = L"GroupName";
// The records' attributes.
inline constexpr wchar_t kDescAttribute[] = L"Desc";
inline constexpr wchar_t kValueAttribute[] = L"Value";
inline constexpr wchar_t kRgbAttribute[] = L"RGB";
inline constexpr wchar_t kFileAttribute[] = L"File";
inline constexpr wchar_t kMarginLeftAttribute[] = L"ml";
inline constexpr wchar_t kMarginRightAttribute[] = L"mr";
inline constexpr wchar_t kMarginTopAttribute[] = L"mt";
inline constexpr wchar_t kMarginBottomAttribute[] = L"mb";
inline constexpr wchar_t kDrawModeAttribute[] = L"DrawMode";
inline constexpr wchar_t kMrgDrawModeAttribute[] = L"MrgDrawMode";
inline constexpr wchar_t kXOffsetAttribute[] = L"XOffset";
inline constexpr wchar_t kYOffsetAttribute[] = L"YOffset";
inline constexpr wchar_t kDataRecord[] = L"Data";
inline constexpr wchar_t kColorRecord[] = L"Color";
inline constexpr wchar_t kImageRecord[] = L"Image";
inline constexpr wchar_t kImgOptionsRecord[] = L"ImgOptions";
inline constexpr wchar_t kRgnOptionsRecord[] = L"RgnOptions";
// The scheme name of the default controls' links.
inline constexpr wchar_t kDefaultSchemeName[] = L"Default";

// A state element: its name, the state index its records belong to and the
// letter that index gives in file names.
struct StateElement {
    const wchar_t* name;
    int index;
};
// The five control states in the order they are written.
inline constexpr StateElement kControlStates[5] = {
    {L"NormalState", 0}, {L"PressedState", 2}, {L"HotState", 1}, {L"DisableState", 3}, {L"FocusedState", 4}};
// A frame side's two states: active images are numbered up to 1000, inactive
// ones above.
inline constexpr StateElement kActiveState = {L"ActiveState", 0};
inline constexpr StateElement kInactiveState = {L"InactiveState", 3};
inline constexpr WORD kLastActiveSideNumber = 1000;
// Any of the seven state names (the reader treats them alike).
bool IsStateElementName(std::wstring_view name);

// Frame sides by the model's index: 0 top, 1 right, 2 bottom, 3 left.
inline constexpr int kSideCount = 4;
const wchar_t* SideElementName(int side);
std::optional<int> SideFromElementName(std::wstring_view name);
// The window frame's number that holds a side's size (its thickness, in
// frame_props), and back.
WORD SideSizeId(int side);
std::optional<int> SideFromSizeId(WORD id);
bool IsSideSizeId(WORD id);
// The MDI buttons' images and numbers, kept in the frame's menu-bar object
// although the file carries them under the window frame.
bool IsMenuBarButtonId(WORD id);

// --- names -------------------------------------------------------------------

// The element type's name, lower-cased, less its last two characters when it
// is longer than three ("BUTTONID" -> button); "" for a type without a name.
std::wstring TrimmedTypeName(WORD type);
// A custom control's name from its scheme name: everything up to and
// including the first '>' goes (the folder number); the whole name without one.
std::wstring GroupNameFromScheme(std::wstring_view scheme);
// The control element's name: the trimmed type name, for a custom control
// with "_" and the group name, lower-cased and made a valid XML name.
std::wstring ControlElementName(WORD type, const std::wstring& groupName);
// Lower-cases ASCII letters and replaces every character other than a-z,
// 0-9, '_', '-' and '.' with '_'; a name that would not start with a letter
// or '_' gets one '_' in front.
std::wstring SanitizeElementName(std::wstring_view name);
// "Desc" of a row: its label with blanks as '_', lower-cased.
std::wstring DescFromLabel(std::wstring_view label);
// A custom control's records carry its group name before their desc.
std::wstring CustomDesc(const std::wstring& groupName, const std::wstring& desc);
// Text an XML document can carry: characters XML 1.0 does not allow (most
// control characters, unpaired surrogates, U+FFFE and U+FFFF) become U+FFFD.
std::wstring XmlSafeText(std::wstring_view text);
// A name a custom control may have: not empty, not "Default", none of '<',
// '>' and '\' (they build scheme and folder paths).
bool IsValidGroupName(const std::wstring& name);

// --- value texts -------------------------------------------------------------

// Lower-case hexadecimal without prefix or leading zeros (0 is "0"); values
// with bit 31 set give eight digits.
std::wstring FormatHex(DWORD value);
// 1 to 8 significant hexadecimal digits (either case, leading zeros and
// surrounding blanks allowed); nothing for any other text.
std::optional<DWORD> ParseHex(std::wstring_view text);
// A colour as 0xRRGGBB in FormatHex's form; "Invert Color" (0xFFFFFFFF),
// which has no 0xRRGGBB, is written ffffffff.
std::wstring FormatRgb(COLORREF color);
// The reverse: ffffffff is "Invert Color"; any other value keeps its low 24
// bits, swapped into a COLORREF.
std::optional<COLORREF> ParseRgb(std::wstring_view text);
// A signed decimal number within 32 bits (surrounding blanks allowed).
std::optional<std::int32_t> ParseSigned(std::wstring_view text);
// A property, type or side-image id: decimal 0 to 65535.
std::optional<WORD> ParseId(std::wstring_view text);
// The declaration's data text, as written: version="1.0".
std::wstring DeclarationData(WORD version);
// The version pseudo-attribute of a declaration's data text: the decimal
// numbers before and after its first '.', each modulo 256, major in the high
// byte. Nothing when the text has no version or it starts with no digit.
std::optional<WORD> ParseDeclarationVersion(std::wstring_view data);

// True when the bytes of an XML file hold "<!DOCTYPE" in UTF-8 (or any
// ASCII-based encoding) or in UTF-16 of either byte order. A controls file
// never has a document type; refusing one before any parser sees it keeps
// entity expansion out, whatever the XML service allows.
bool MentionsDocumentType(std::span<const std::uint8_t> bytes);
// Why such a document is refused.
inline constexpr wchar_t kDocumentTypeRefusal[] =
    L"the file has a document type declaration, which a controls file never has";

// --- files -------------------------------------------------------------------

// A text made fit to be part of a file name: characters no Windows file name
// may hold (control characters and \ / : * ? " < > |) become '_', and it is
// cut to 80 characters.
std::wstring SanitizeFileNamePart(std::wstring_view text);
// "n", "h", "p", "d", "f" for states 0 to 4; "" for any other.
const wchar_t* StateLetter(int state);
// type name; "_" desc (made fit for a file name) when not empty; "_n_" and
// the like for the state; the id; the extension (with its dot).
std::wstring MakeControlFileName(WORD type, WORD id, int state, const std::wstring& desc, const wchar_t* extension);
// The folder of a type's files, relative to the XML file's folder:
// "button", or "CustomControls\button" for custom controls.
std::wstring FolderPartFor(WORD type, bool custom);

// Hands out relative file paths that differ from every earlier one, also
// when compared without case (as Windows compares them): a path already
// given gets "_2", "_3"... before its extension.
class UniqueFileNames {
public:
    std::wstring Claim(const std::wstring& relative);

private:
    std::set<std::wstring> taken_; // case-folded
};

// The check of a "File" value from a document: relative, inside the XML
// file's folder, naming no device. On success `parts` holds its folder and
// file names in order.
struct FilePathCheck {
    bool ok = false;
    std::vector<std::wstring> parts;
    std::wstring problem; // why it is refused
};
FilePathCheck CheckRelativeFile(std::wstring_view file);
// The folder part of a path: up to and including its last separator ("" when
// it has none).
std::wstring FolderOf(const std::wstring& path);
// The folder joined with checked parts by this system's separator.
std::wstring JoinUnder(const std::wstring& folder, const std::vector<std::wstring>& parts);

} // namespace hexmoor::exchange::xml
