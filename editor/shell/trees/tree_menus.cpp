#include "editor/shell/trees/tree_menus.h"

#include <algorithm>
#include <string>

#include "editor/shell/trees/element_tree.h"
#include "resources/command_ids.h"
#include "resources/context_menus_ids.h"

namespace hexmoor::shell {

bool IsClearableKind(int kind) {
    return (kind >= 0 && kind <= 11) || (kind >= 20 && kind <= 32) || (kind >= 35 && kind <= 53) ||
           (kind >= 55 && kind <= 63) || (kind >= 65 && kind <= 70) || kind == 73 || kind == 74 ||
           (kind >= kKindDefaultRoot && kind <= kKindDotNetGroup);
}

TreeMenuChoice ChooseTreeMenu(int mode, int kind, int parentKind, bool hasParent) {
    const bool clearable = IsClearableKind(kind);
    if (kind == kKindDefaultRoot) return {};
    if (kind == kKindUserDataRoot) return {IDR_USER_DATA_MENU, {ID_TREE_RENAME_UD, ID_TREE_DELETE_UD}};
    if (kind == kKindFolder || kind == kKindCustomRoot)
        return {mode == 2 ? static_cast<UINT>(IDR_USER_DATA_MENU) : static_cast<UINT>(IDR_ADD_CUSTOM_MENU), {}};
    if (kind >= 1 && kind <= 4) return {IDR_PROPERTY_CONTEXT_MENU, {}};
    // A scroll bar offers the fill from the other family's bar of its
    // orientation.
    const struct {
        int kind;
        UINT fill;
    } bars[] = {{47, ID_FILL_FROM_INTERNAL_HSCROLL},
                {48, ID_FILL_FROM_INTERNAL_VSCROLL},
                {73, ID_FILL_FROM_STANDALONE_HSCROLL},
                {74, ID_FILL_FROM_STANDALONE_VSCROLL}};
    for (const auto& b : bars) {
        if (b.kind != kind) continue;
        TreeMenuChoice choice{IDR_SCROLLBAR_MENU, {}};
        for (UINT fill : {ID_FILL_FROM_STANDALONE_HSCROLL, ID_FILL_FROM_STANDALONE_VSCROLL,
                          ID_FILL_FROM_INTERNAL_HSCROLL, ID_FILL_FROM_INTERNAL_VSCROLL})
            if (fill != b.fill) choice.leftOut.push_back(fill);
        return choice;
    }
    const bool inContainer = hasParent && (parentKind == kKindFolder || parentKind == kKindCustomRoot ||
                                           (mode != 0 && parentKind == kKindUserDataRoot));
    if (inContainer)
        return {IDR_TREE_ITEM_MENU, clearable ? std::vector<UINT>{} : std::vector<UINT>{ID_TREE_CLEAR_ITEM}};
    if (!clearable) return {};
    return {IDR_PROPERTY_CONTEXT_MENU, {ID_CONTEXT_FILL_INACTIVE}};
}

const wchar_t* TreeMenuName(UINT menu) {
    switch (menu) {
    case IDR_ADD_CUSTOM_MENU: return L"Add Custom Controls";
    case IDR_PROPERTY_CONTEXT_MENU: return L"Clear, FillNA";
    case IDR_TREE_ITEM_MENU: return L"Rename, Delete, Clear";
    case IDR_USER_DATA_MENU: return L"User Data";
    case IDR_SCROLLBAR_MENU: return L"Scrollbar";
    default: return nullptr;
    }
}

HMENU CopyMenuWithout(HMENU popup, const std::vector<UINT>& leftOut) {
    HMENU copy = CreatePopupMenu();
    if (!copy || !popup) return copy;
    bool lastWasSeparator = true; // no separator first
    const int count = GetMenuItemCount(popup);
    for (int i = 0; i < count; ++i) {
        wchar_t text[128]{};
        MENUITEMINFOW mii{};
        mii.cbSize = sizeof mii;
        mii.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING | MIIM_SUBMENU;
        mii.dwTypeData = text;
        mii.cch = static_cast<UINT>(std::size(text));
        if (!GetMenuItemInfoW(popup, static_cast<UINT>(i), TRUE, &mii) || mii.hSubMenu) continue;
        const bool separator = (mii.fType & MFT_SEPARATOR) != 0;
        if (separator) {
            if (!lastWasSeparator) AppendMenuW(copy, MF_SEPARATOR, 0, nullptr);
            lastWasSeparator = true;
            continue;
        }
        if (std::find(leftOut.begin(), leftOut.end(), mii.wID) != leftOut.end()) continue;
        AppendMenuW(copy, MF_STRING, mii.wID, text);
        lastWasSeparator = false;
    }
    // No separator last.
    const int made = GetMenuItemCount(copy);
    if (made > 0 && (GetMenuState(copy, static_cast<UINT>(made - 1), MF_BYPOSITION) & MF_SEPARATOR))
        DeleteMenu(copy, static_cast<UINT>(made - 1), MF_BYPOSITION);
    return copy;
}

} // namespace hexmoor::shell
