// libFuzzer target for what the controls import reads from outside: the
// format's value texts and "File" paths, and the import's reading of a
// document tree (built from the input as nested elements and attributes out
// of the format's own vocabulary, with fuzzed values), applied to a new skin
// when the plan is complete. The texts' invariants abort when broken.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "editor/exchange/xml/controls_import.h"
#include "editor/exchange/xml/xml_format.h"
#include "model/twf_skin.h"

using namespace hexmoor::exchange::xml;

namespace {

constexpr const wchar_t* kNames[] = {
    L"TarnwickSkin", L"Controls",   L"CustomControls", L"button",    L"wndframe",   L"NormalState",
    L"HotState",     L"ActiveState", L"InactiveState", L"topside",   L"leftside",   L"Data",
    L"Color",        L"Image",       L"ImgOptions",    L"RgnOptions", L"Unknown",
};
constexpr const wchar_t* kAttributes[] = {
    L"Id", L"GroupName", L"Value", L"RGB", L"File", L"ml", L"mr", L"mt", L"mb", L"DrawMode", L"MrgDrawMode", L"XOffset",
    L"YOffset",
};

class Input {
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool Done() const { return at_ >= size_; }
    std::uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    // A short text: a length byte, then one character per byte (bytes above
    // 0x7F reach into Latin-1 and, doubled, beyond).
    std::wstring Text() {
        const std::size_t length = Byte() % 24;
        std::wstring text;
        for (std::size_t i = 0; i < length && !Done(); ++i) {
            const std::uint8_t b = Byte();
            text.push_back(b == 0xFF ? static_cast<wchar_t>(0xD800 + Byte()) : static_cast<wchar_t>(b));
        }
        return text;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

void CheckTexts(const std::wstring& text) {
    if (const auto value = ParseHex(text)) {
        if (ParseHex(FormatHex(*value)) != value) std::abort();
    }
    if (const auto color = ParseRgb(text)) {
        if (ParseRgb(FormatRgb(*color)) != color) std::abort();
    }
    const FilePathCheck path = CheckRelativeFile(text);
    if (path.ok) {
        if (path.parts.empty()) std::abort();
        for (const std::wstring& part : path.parts)
            if (part.empty() || part == L".." || part.find_first_of(L":\\/") != std::wstring::npos) std::abort();
    }
    for (wchar_t c : SanitizeElementName(text)) {
        const bool kept = (c >= L'a' && c <= L'z') || (c >= L'0' && c <= L'9') || c == L'_' || c == L'-' || c == L'.';
        if (!kept) std::abort();
    }
    (void)ParseDeclarationVersion(text);
    (void)XmlSafeText(text);
}

void Fill(Input& in, XmlElement& element, int depth) {
    while (!in.Done()) {
        const std::uint8_t op = in.Byte();
        switch (op % 4) {
        case 0: return; // close
        case 1: {
            std::wstring value = in.Text();
            CheckTexts(value);
            element.SetAttribute(kAttributes[in.Byte() % std::size(kAttributes)], std::move(value));
            break;
        }
        default:
            if (depth < 8) Fill(in, element.AddChild(kNames[in.Byte() % std::size(kNames)]), depth + 1);
            break;
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    Input in(data, size);
    XmlDocument document;
    document.hasDeclaration = (in.Byte() & 1) == 0;
    document.declaration = in.Text();
    CheckTexts(document.declaration);
    document.root = XmlElement(in.Byte() % 8 == 0 ? kNames[in.Byte() % std::size(kNames)] : L"TarnwickSkin");
    Fill(in, document.root, 0);
    // Files named by the document are looked for beside the fuzzer's work
    // folder; what is found there is fuzz input too.
    ImportPlanResult planned = PlanControlsImport(document, L"./in.xml");
    if (planned.plan) {
        CTwfSkin skin;
        skin.InitNewSkin(L"Default");
        ApplyImportPlan(std::move(*planned.plan), skin);
    }
    return 0;
}
