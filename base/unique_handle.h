#pragma once
// One move-only owner for every handle the program releases itself: GDI
// objects, DCs, image lists, icons, global memory, kernel handles, and the
// native tree's stand-ins for them. Traits say which value means "none" and
// how a handle is released:
//   struct Traits { static Handle Invalid() noexcept; static void Close(Handle) noexcept; };

#include <cstddef>
#include <utility>

namespace hexmoor {

template <typename Handle, typename Traits>
class UniqueHandle {
public:
    UniqueHandle() = default;
    explicit UniqueHandle(Handle h) : h_(h) {}
    // Empty, as a null unique_ptr: lets "return nullptr;" read naturally.
    UniqueHandle(std::nullptr_t) {}
    ~UniqueHandle() { Reset(); }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    UniqueHandle(UniqueHandle&& other) noexcept : h_(std::exchange(other.h_, Traits::Invalid())) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) Reset(std::exchange(other.h_, Traits::Invalid()));
        return *this;
    }

    Handle Get() const { return h_; }
    // For handles that point at records (the native tree's stand-ins).
    Handle operator->() const { return h_; }
    explicit operator bool() const { return h_ != Traits::Invalid(); }
    friend bool operator==(const UniqueHandle& h, std::nullptr_t) { return !h; }
    // Gives the handle up without releasing it.
    Handle Release() { return std::exchange(h_, Traits::Invalid()); }
    // Releases the held handle (unless it is h itself) and holds h.
    void Reset(Handle h = Traits::Invalid()) {
        const Handle old = std::exchange(h_, h);
        if (old != Traits::Invalid() && old != h) Traits::Close(old);
    }

private:
    Handle h_ = Traits::Invalid();
};

} // namespace hexmoor
