#include "editor/exchange/win/style_import_road.h"

#include "editor/exchange/style_conversion.h"
#include "editor/exchange/win/select_style_dialog.h"
#include "model/twf_skin.h"

namespace hexmoor::exchange {
namespace {

std::wstring Wide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

} // namespace

StyleRoadResult ImportStyleFromFile(HWND owner, const std::wstring& path, CTwfSkin& skin, const StyleRoadHost& host) {
    StyleFile style;
    auto bytes = ReadStyleFile(path);
    const StyleFile::OpenResult opened = bytes ? style.Open(std::move(*bytes)) : StyleFile::OpenResult::kDamaged;
    if (opened == StyleFile::OpenResult::kDamaged) {
        host.message(Wide(kDamagedModuleMessage));
        return StyleRoadResult::kRefused;
    }
    if (opened == StyleFile::OpenResult::kNoThemesIni) {
        host.message(Wide(kNoThemesIniMessage));
        return StyleRoadResult::kRefused;
    }
    CSelectMSstyles dialog(style.Schemes(), style.Description());
    dialog.DoModal(owner);
    if (dialog.Selected().empty()) return StyleRoadResult::kCancelled;
    IniText scheme;
    switch (ReadSchemeText(style, dialog.Selected(), &scheme)) {
    case SchemeText::kMissing:
        host.message(Wide(ResourceNotFoundMessage(dialog.Selected())));
        return StyleRoadResult::kRefused;
    case SchemeText::kUnreadable:
        host.message(Wide(SchemeUnreadableMessage(dialog.Selected())));
        return StyleRoadResult::kRefused;
    case SchemeText::kOk: break;
    }
    // Everything that can fail or run out of memory happens before the skin
    // or the views change: an exception here leaves them as they were.
    std::vector<SkippedImage> skipped;
    StagedImport staged = StageScheme(skin, style, scheme, &skipped);
    // The skin the import goes into: a new one when none is loaded.
    if (!skin.IsLoaded() && host.createNewFile) host.createNewFile(NewFileForStyle(path));
    // Skinning stays off while the skin's objects are emptied and refilled,
    // and no tree item or grid row shows one meanwhile.
    host.setSkinning(false);
    skin.SetCompressedFlag(0);
    if (host.clearViews) host.clearViews();
    ApplyStagedImport(skin, std::move(staged));
    host.setSkinning(true);
    if (host.fillViews) host.fillViews();
    if (!skipped.empty()) host.message(Wide(SkippedImagesReport(skipped)));
    return StyleRoadResult::kImported;
}

std::wstring NewFileForStyle(const std::wstring& stylePath) {
    wchar_t temp[MAX_PATH + 1]{};
    const DWORD n = GetTempPathW(MAX_PATH + 1, temp);
    std::wstring folder(temp, n <= MAX_PATH ? n : 0);
    if (!folder.empty() && folder.back() != L'\\') folder += L'\\';
    std::wstring name = stylePath.substr(stylePath.find_last_of(L"\\/") + 1);
    if (auto dot = name.find_last_of(L'.'); dot != std::wstring::npos && dot > 0) name.resize(dot);
    if (name.empty()) name = L"Imported";
    return folder + name + L".twf";
}

} // namespace hexmoor::exchange
