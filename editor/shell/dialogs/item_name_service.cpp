#include "editor/shell/dialogs/item_name_service.h"

#include "editor/shell/dialogs/dialogs.h"

namespace hexmoor::shell {

namespace {

std::unique_ptr<ItemNameService>& Current() {
    static std::unique_ptr<ItemNameService> service = std::make_unique<DialogItemNames>();
    return service;
}

} // namespace

std::optional<ItemNameAnswer> DialogItemNames::Ask(HWND owner, int mode, const std::wstring& proposed,
                                                   HIMAGELIST kindImages) {
    CAskForNameDlg dialog(kindImages);
    dialog.SetChooseKind(mode);
    dialog.SetItemName(proposed);
    if (dialog.DoModal(owner) != IDOK) return std::nullopt;
    return ItemNameAnswer{dialog.GetItemName(), dialog.GetElementType()};
}

ItemNameService& ItemNames() { return *Current(); }

void SetItemNames(std::unique_ptr<ItemNameService> service) {
    Current() = service ? std::move(service) : std::make_unique<DialogItemNames>();
}

} // namespace hexmoor::shell
