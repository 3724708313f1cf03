#include "runtime/wnd/object_registry.h"

#include "runtime/wnd/tw_wnd.h"

#include <mutex>
#include <unordered_map>

namespace {

std::mutex g_lock;
std::unordered_map<HWND, CTWWnd*> g_objects[3];

std::unordered_map<HWND, CTWWnd*>& Record(WindowObjectRole role) { return g_objects[static_cast<int>(role)]; }

} // namespace

void RegisterWindowObject(HWND hwnd, CTWWnd* object, WindowObjectRole role) {
    if (!hwnd) return;
    const std::lock_guard<std::mutex> lock(g_lock);
    if (object)
        Record(role)[hwnd] = object;
    else
        Record(role).erase(hwnd);
}

void UnregisterWindowObject(HWND hwnd, const CTWWnd* object, WindowObjectRole role) {
    const std::lock_guard<std::mutex> lock(g_lock);
    auto& record = Record(role);
    const auto it = record.find(hwnd);
    if (it != record.end() && it->second == object) record.erase(it);
}

void ForgetWindowObject(const CTWWnd* object) {
    const std::lock_guard<std::mutex> lock(g_lock);
    for (auto& record : g_objects)
        std::erase_if(record, [object](const auto& entry) { return entry.second == object; });
}

CTWWnd* FindWindowObject(HWND hwnd, WindowObjectRole role) {
    if (!hwnd) return nullptr;
    const std::lock_guard<std::mutex> lock(g_lock);
    const auto& record = Record(role);
    const auto it = record.find(hwnd);
    return it == record.end() ? nullptr : it->second;
}

CTWWnd* GetSkinnedWindowObject(HWND hwnd) { return FindWindowObject(hwnd); }
CTWWnd* GetSkinnedFrameObject(HWND hwnd) { return FindWindowObject(hwnd, WindowObjectRole::Frame); }
CTWWnd* GetSkinnedMenuBarObject(HWND hwnd) { return FindWindowObject(hwnd, WindowObjectRole::MenuBar); }

int GetSkinnedWindowType(HWND hwnd) {
    CTWWnd* object = GetSkinnedWindowObject(hwnd);
    return object ? object->GetType() : -1;
}
