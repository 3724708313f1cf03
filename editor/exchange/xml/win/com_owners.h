#pragma once
// Owners of the COM values the XML service hands around: BSTR texts and
// VARIANTs (a SAFEARRAY put into a VARIANT goes with it). Interfaces are
// held in Microsoft::WRL::ComPtr.

#include <windows.h>
#include <oleauto.h>

#include <string>
#include <string_view>
#include <utility>

namespace hexmoor::exchange::xml {

class Bstr {
public:
    Bstr() = default;
    explicit Bstr(std::wstring_view text) : text_(SysAllocStringLen(text.data(), static_cast<UINT>(text.size()))) {}
    Bstr(const Bstr&) = delete;
    Bstr& operator=(const Bstr&) = delete;
    ~Bstr() { SysFreeString(text_); }

    BSTR Get() const { return text_; }
    // For an out parameter: frees what is held first.
    BSTR* Out() {
        SysFreeString(std::exchange(text_, nullptr));
        return &text_;
    }
    std::wstring Text() const { return text_ ? std::wstring(text_, SysStringLen(text_)) : std::wstring(); }
    bool IsNull() const { return text_ == nullptr; }

private:
    BSTR text_ = nullptr;
};

class Variant {
public:
    Variant() { VariantInit(&value_); }
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&value_); }

    VARIANT& Get() { return value_; }
    VARIANT* Out() {
        VariantClear(&value_);
        return &value_;
    }
    // A text value (VT_BSTR), taking a copy of the text. False when the copy
    // could not be allocated; the variant is then left empty, so that no
    // caller writes an empty text in its place.
    [[nodiscard]] static bool SetText(Variant& v, std::wstring_view text) {
        VariantClear(&v.value_);
        BSTR copy = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
        if (!copy) return false;
        v.value_.vt = VT_BSTR;
        v.value_.bstrVal = copy;
        return true;
    }
    std::wstring Text() const {
        return value_.vt == VT_BSTR && value_.bstrVal ? std::wstring(value_.bstrVal, SysStringLen(value_.bstrVal))
                                                      : std::wstring();
    }

private:
    VARIANT value_;
};

} // namespace hexmoor::exchange::xml
