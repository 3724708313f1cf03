#pragma once
// The editor's "Settings" section: the preview background and the help
// file. Exit writes the four background values back; "HelpPath" is only
// ever read, so a path set by hand survives.

#include <string>

namespace hexmoor::fw {
class Profile;
} // namespace hexmoor::fw

namespace hexmoor::shell {

struct EditorSettings {
    std::wstring backgroundImageFile;
    unsigned backgroundColor = 0xFFFFFF;
    int backgroundImagePos = 0;
    int showImage = 1;
    std::wstring helpPath;

    void Read(const fw::Profile& profile);
    void Write(const fw::Profile& profile) const;
};

inline constexpr wchar_t kSettingsSection[] = L"Settings";

} // namespace hexmoor::shell
