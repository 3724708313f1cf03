#include "editor/shell/settings.h"

#include "framework/profile.h"

namespace hexmoor::shell {

void EditorSettings::Read(const fw::Profile& profile) {
    backgroundImageFile = profile.GetString(kSettingsSection, L"BackgroundImageFile", L"");
    backgroundColor = static_cast<unsigned>(profile.GetInt(kSettingsSection, L"BackgroundColor", 0xFFFFFF));
    backgroundImagePos = profile.GetInt(kSettingsSection, L"BackgroundImagePos", 0);
    showImage = profile.GetInt(kSettingsSection, L"ShowImage", 1);
    helpPath = profile.GetString(kSettingsSection, L"HelpPath", L"");
}

void EditorSettings::Write(const fw::Profile& profile) const {
    profile.WriteString(kSettingsSection, L"BackgroundImageFile", backgroundImageFile);
    profile.WriteInt(kSettingsSection, L"BackgroundColor", static_cast<int>(backgroundColor));
    profile.WriteInt(kSettingsSection, L"BackgroundImagePos", backgroundImagePos);
    profile.WriteInt(kSettingsSection, L"ShowImage", showImage);
}

} // namespace hexmoor::shell
