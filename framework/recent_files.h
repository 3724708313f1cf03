#pragma once
// The recent-file list: the newest first, at most a fixed number of entries,
// one entry per file (names compared without regard to case).

#include <cstddef>
#include <string>
#include <vector>

namespace hexmoor::fw {

class Profile;

class RecentFileList {
public:
    explicit RecentFileList(std::size_t capacity) : capacity_(capacity) {}

    std::size_t Capacity() const { return capacity_; }
    const std::vector<std::wstring>& Entries() const { return entries_; }
    // Puts the path first, removing an earlier entry for the same file.
    void Add(const std::wstring& entry);
    void Remove(std::size_t index);

    // The text of a menu item: "&1 name", with ampersands in the name
    // doubled so they show.
    static std::wstring MenuText(std::size_t index, const std::wstring& path);

#ifdef _WIN32
    // Replaces the items firstId..firstId+capacity-1 of a menu (or its
    // greyed placeholder firstId) with the entries; with no entries the
    // placeholder stays, greyed, under placeholderText.
    void FillMenu(void* menu, unsigned firstId, const std::wstring& placeholderText) const;
#endif

    // Kept as "File1".."FileN" in the "Recent File List" section.
    void Load(const Profile& profile);
    void Save(const Profile& profile) const;

private:
    std::size_t capacity_;
    std::vector<std::wstring> entries_;
};

} // namespace hexmoor::fw
