#pragma once
// A text a property row shows: either the row's own copy or a text that
// lives as long as the program (a page table's label or choice list, an
// image row's "Inserted"), which every row showing it shares. Sharing spares
// each row a heap string of its own, made when its page is built and freed
// with it.

#include <string>

namespace hexmoor::links {

class RowText {
public:
    RowText() = default;
    RowText(std::wstring own) : own_(std::move(own)) {}
    RowText(const wchar_t* own) : own_(own ? own : L"") {}
    // A text that outlives every row (never freed while the program runs).
    static RowText Lasting(const std::wstring& text) {
        RowText shared;
        shared.lasting_ = &text;
        return shared;
    }

    const std::wstring& Get() const { return lasting_ ? *lasting_ : own_; }

private:
    std::wstring own_;
    const std::wstring* lasting_ = nullptr;
};

} // namespace hexmoor::links
