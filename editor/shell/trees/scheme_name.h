// An element's scheme as its items hold it. Every part of an element shows
// the same scheme, so the parts share one immutable string: a record copies
// a reference, not the text, and making an item's record allocates nothing
// for it.

#pragma once

#include <memory>
#include <string>

namespace hexmoor::shell {

class SchemeName {
public:
    SchemeName() = default;
    // The text is moved into the one shared copy.
    SchemeName(std::wstring text)
        : text_(text.empty() ? nullptr : std::make_shared<const std::wstring>(std::move(text))) {}

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

} // namespace hexmoor::shell
