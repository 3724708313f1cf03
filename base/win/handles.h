#pragma once
// Owners for the non-GDI handles the program releases itself: image lists,
// icons, global memory blocks, registry keys, menus and kernel handles
// (threads, events, files).

#include <windows.h>
#include <commctrl.h>

#include "base/unique_handle.h"

namespace hexmoor::win {

struct ImageListTraits {
    static HIMAGELIST Invalid() noexcept { return nullptr; }
    static void Close(HIMAGELIST list) noexcept { ::ImageList_Destroy(list); }
};
using ImageList = UniqueHandle<HIMAGELIST, ImageListTraits>;

// An icon or cursor made by CreateIconIndirect, CopyIcon or ExtractIcon
// (never a shared one from LoadIcon).
struct IconTraits {
    static HICON Invalid() noexcept { return nullptr; }
    static void Close(HICON icon) noexcept { ::DestroyIcon(icon); }
};
using Icon = UniqueHandle<HICON, IconTraits>;

struct GlobalMemoryTraits {
    static HGLOBAL Invalid() noexcept { return nullptr; }
    static void Close(HGLOBAL block) noexcept { ::GlobalFree(block); }
};
using GlobalMemory = UniqueHandle<HGLOBAL, GlobalMemoryTraits>;

// Thread, event, mutex and similar handles: null means none.
struct KernelHandleTraits {
    static HANDLE Invalid() noexcept { return nullptr; }
    static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};
using KernelHandle = UniqueHandle<HANDLE, KernelHandleTraits>;

// File handles from CreateFile: INVALID_HANDLE_VALUE means none.
struct FileHandleTraits {
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};
using FileHandle = UniqueHandle<HANDLE, FileHandleTraits>;

// Registry keys opened or created by the program (never a predefined root).
struct RegistryKeyTraits {
    static HKEY Invalid() noexcept { return nullptr; }
    static void Close(HKEY key) noexcept { ::RegCloseKey(key); }
};
using RegistryKey = UniqueHandle<HKEY, RegistryKeyTraits>;

// A menu loaded by the program and attached to no window (a window destroys
// the menu it shows).
struct MenuTraits {
    static HMENU Invalid() noexcept { return nullptr; }
    static void Close(HMENU menu) noexcept { ::DestroyMenu(menu); }
};
using Menu = UniqueHandle<HMENU, MenuTraits>;

// GlobalLock for the life of the object.
class GlobalLockScope {
public:
    explicit GlobalLockScope(HGLOBAL block) : block_(block), data_(block ? ::GlobalLock(block) : nullptr) {}
    ~GlobalLockScope() {
        if (data_) ::GlobalUnlock(block_);
    }
    GlobalLockScope(const GlobalLockScope&) = delete;
    GlobalLockScope& operator=(const GlobalLockScope&) = delete;
    void* Data() const { return data_; }

private:
    HGLOBAL block_;
    void* data_;
};

} // namespace hexmoor::win
