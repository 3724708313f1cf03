// An element's scheme as its tree items and their links hold it. Every part
// of an element shows the same scheme, so the parts and their links share one
// immutable text: a record or a link copies a reference, not the text, and
// making an item's record or link allocates nothing for it. The text and its
// reference count are one allocation, so an element's scheme costs one block,
// made with the element's first item and freed with its last holder.

#pragma once

#include <algorithm>
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace hexmoor::links {

class SchemeName {
public:
    SchemeName() = default;
    SchemeName(std::wstring_view text) : size_(text.size()) {
        if (text.empty()) return;
        std::shared_ptr<wchar_t[]> chars = std::make_shared<wchar_t[]>(text.size());
        std::copy(text.begin(), text.end(), chars.get());
        text_ = std::move(chars);
    }
    SchemeName(const std::wstring& text) : SchemeName(std::wstring_view(text)) {}
    SchemeName(const wchar_t* text) : SchemeName(std::wstring_view(text ? text : L"")) {}

    std::wstring_view View() const { return text_ ? std::wstring_view(text_.get(), size_) : std::wstring_view(); }
    operator std::wstring_view() const { return View(); }
    // A copy of the text, for an interface that takes a std::wstring.
    std::wstring Str() const { return std::wstring(View()); }
    bool empty() const { return size_ == 0; }
    bool operator==(std::wstring_view other) const { return View() == other; }

private:
    std::shared_ptr<const wchar_t[]> text_;
    std::size_t size_ = 0;
};

} // namespace hexmoor::links
