#pragma once
// Asking the user for the name (and, when a custom control is added, the
// kind) of a new item, behind an interface so that scripts can answer.

#include <windows.h>
#include <commctrl.h>

#include <memory>
#include <optional>
#include <string>

namespace hexmoor::shell {

struct ItemNameAnswer {
    std::wstring name;
    int elementType = 0; // the chosen kind's element type (mode 1)
};

class ItemNameService {
public:
    virtual ~ItemNameService() = default;
    // mode 1 asks for a name and a kind, 0 and 2 for a name only, the
    // field showing `proposed`; nothing when the user cancels.
    virtual std::optional<ItemNameAnswer> Ask(HWND owner, int mode, const std::wstring& proposed,
                                              HIMAGELIST kindImages) = 0;
};

// The item-name dialog.
class DialogItemNames : public ItemNameService {
public:
    std::optional<ItemNameAnswer> Ask(HWND owner, int mode, const std::wstring& proposed,
                                      HIMAGELIST kindImages) override;
};

// The service the trees ask (the dialog unless a script put its own).
ItemNameService& ItemNames();
void SetItemNames(std::unique_ptr<ItemNameService> service);

} // namespace hexmoor::shell
