// An element's scheme as its tree items and their links hold it. Every part
// of an element shows the same scheme, so the parts and their links share one
// immutable string: a record or a link copies a reference, not the text, and
// making an item's record or link allocates nothing for it.

#pragma once

#include <memory>
#include <string>

namespace hexmoor::links {

class SchemeName {
public:
    SchemeName() = default;
    // The text is moved into the one shared copy.
    SchemeName(std::wstring text)
        : text_(text.empty() ? nullptr : std::make_shared<const std::wstring>(std::move(text))) {}
    SchemeName(const wchar_t* text) : SchemeName(std::wstring(text ? text : L"")) {}

    const std::wstring& Str() const { return text_ ? *text_ : Empty(); }
    operator const std::wstring&() const { return Str(); }
    bool operator==(const std::wstring& other) const { return Str() == other; }

private:
    static const std::wstring& Empty() {
        static const std::wstring empty;
        return empty;
    }
    std::shared_ptr<const std::wstring> text_;
};

} // namespace hexmoor::links
