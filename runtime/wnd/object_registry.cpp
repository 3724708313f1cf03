#include "runtime/wnd/object_registry.h"

#include <mutex>
#include <unordered_map>

namespace {

std::mutex g_lock;
std::unordered_map<HWND, CTWWnd*> g_objects;

} // namespace

void RegisterWindowObject(HWND hwnd, CTWWnd* object) {
    if (!hwnd) return;
    const std::lock_guard<std::mutex> lock(g_lock);
    if (object)
        g_objects[hwnd] = object;
    else
        g_objects.erase(hwnd);
}

void UnregisterWindowObject(HWND hwnd, const CTWWnd* object) {
    const std::lock_guard<std::mutex> lock(g_lock);
    const auto it = g_objects.find(hwnd);
    if (it != g_objects.end() && it->second == object) g_objects.erase(it);
}

void ForgetWindowObject(const CTWWnd* object) {
    const std::lock_guard<std::mutex> lock(g_lock);
    for (auto it = g_objects.begin(); it != g_objects.end();) {
        if (it->second == object)
            it = g_objects.erase(it);
        else
            ++it;
    }
}

CTWWnd* FindWindowObject(HWND hwnd) {
    if (!hwnd) return nullptr;
    const std::lock_guard<std::mutex> lock(g_lock);
    const auto it = g_objects.find(hwnd);
    return it == g_objects.end() ? nullptr : it->second;
}
