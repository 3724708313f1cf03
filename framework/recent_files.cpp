#include "framework/recent_files.h"

#include <algorithm>
#include <cwctype>

#ifdef _WIN32
#include <windows.h>

#include "framework/profile.h"
#endif

namespace hexmoor::fw {

namespace {

bool SameFile(const std::wstring& a, const std::wstring& b) {
    return a.size() == b.size() &&
           std::equal(a.begin(), a.end(), b.begin(), [](wchar_t x, wchar_t y) { return towlower(x) == towlower(y); });
}

constexpr wchar_t kSection[] = L"Recent File List";

} // namespace

void RecentFileList::Add(const std::wstring& entry) {
    // The path may be one of the list's own entries: it is copied before
    // the list changes under it.
    const std::wstring path = entry;
    if (path.empty() || capacity_ == 0) return;
    std::erase_if(entries_, [&](const std::wstring& e) { return SameFile(e, path); });
    entries_.insert(entries_.begin(), path);
    if (entries_.size() > capacity_) entries_.resize(capacity_);
}

void RecentFileList::Remove(std::size_t index) {
    if (index < entries_.size()) entries_.erase(entries_.begin() + static_cast<std::ptrdiff_t>(index));
}

std::wstring RecentFileList::MenuText(std::size_t index, const std::wstring& path) {
    std::wstring shown;
    for (wchar_t c : path) {
        shown += c;
        if (c == L'&') shown += L'&';
    }
    return L"&" + std::to_wstring(index + 1) + L" " + shown;
}

#ifdef _WIN32
void RecentFileList::Load(const Profile& profile) {
    entries_.clear();
    for (std::size_t i = 0; i < capacity_; ++i) {
        std::wstring path = profile.GetString(kSection, L"File" + std::to_wstring(i + 1), L"");
        if (!path.empty()) entries_.push_back(path);
    }
}

void RecentFileList::FillMenu(void* menuHandle, unsigned firstId, const std::wstring& placeholderText) const {
    HMENU menu = static_cast<HMENU>(menuHandle);
    // Where the list goes: the position of its first item now.
    int at = -1;
    for (int i = GetMenuItemCount(menu) - 1; i >= 0; --i) {
        UINT id = GetMenuItemID(menu, i);
        if (id >= firstId && id < firstId + capacity_) {
            at = i;
            DeleteMenu(menu, static_cast<UINT>(i), MF_BYPOSITION);
        }
    }
    if (at < 0) return;
    if (entries_.empty()) {
        InsertMenuW(menu, static_cast<UINT>(at), MF_BYPOSITION | MF_STRING | MF_GRAYED, firstId,
                    placeholderText.c_str());
        return;
    }
    for (std::size_t i = 0; i < entries_.size(); ++i)
        InsertMenuW(menu, static_cast<UINT>(at) + static_cast<UINT>(i), MF_BYPOSITION | MF_STRING,
                    firstId + static_cast<unsigned>(i), MenuText(i, entries_[i]).c_str());
}

void RecentFileList::Save(const Profile& profile) const {
    for (std::size_t i = 0; i < capacity_; ++i)
        profile.WriteString(kSection, L"File" + std::to_wstring(i + 1), i < entries_.size() ? entries_[i] : L"");
}
#endif

} // namespace hexmoor::fw
