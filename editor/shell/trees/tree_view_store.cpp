#include "editor/shell/trees/tree_view_store.h"

#include <vector>

#include "editor/shell/trees/tree_images.h"

namespace hexmoor::shell {

TreeHandle TreeViewStore::Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon,
                                 std::intptr_t data) {
    TVINSERTSTRUCTW is{};
    is.hParent = parent ? ToItem(parent) : TVI_ROOT;
    is.hInsertAfter = after == kInsertFirst ? TVI_FIRST : after == kInsertLast ? TVI_LAST : ToItem(after);
    is.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
    is.item.lParam = static_cast<LPARAM>(data);
    is.item.pszText = const_cast<wchar_t*>(text);
    is.item.iImage = is.item.iSelectedImage = ItemImage(icon, 1);
    return FromItem(TreeView_InsertItem(tree_, &is));
}

void TreeViewStore::Delete(TreeHandle item) {
    if (item) TreeView_DeleteItem(tree_, ToItem(item));
}

TreeHandle TreeViewStore::Parent(TreeHandle item) const {
    return item ? FromItem(TreeView_GetParent(tree_, ToItem(item))) : nullptr;
}

TreeHandle TreeViewStore::FirstChild(TreeHandle item) const {
    return FromItem(item ? TreeView_GetChild(tree_, ToItem(item)) : TreeView_GetRoot(tree_));
}

TreeHandle TreeViewStore::NextSibling(TreeHandle item) const {
    return item ? FromItem(TreeView_GetNextSibling(tree_, ToItem(item))) : nullptr;
}

TreeHandle TreeViewStore::PrevSibling(TreeHandle item) const {
    return item ? FromItem(TreeView_GetPrevSibling(tree_, ToItem(item))) : nullptr;
}

std::wstring TreeViewStore::Text(TreeHandle item) const {
    if (!item) return {};
    // Texts are kept whole, however long.
    std::vector<wchar_t> buffer(256);
    for (;;) {
        TVITEMW tv{};
        tv.mask = TVIF_TEXT;
        tv.hItem = ToItem(item);
        tv.pszText = buffer.data();
        tv.cchTextMax = static_cast<int>(buffer.size());
        if (!TreeView_GetItem(tree_, &tv)) return {};
        std::wstring text(buffer.data());
        if (text.size() + 1 < buffer.size() || buffer.size() >= (1u << 20)) return text;
        buffer.resize(buffer.size() * 4);
    }
}

void TreeViewStore::SetText(TreeHandle item, const std::wstring& text) {
    TVITEMW tv{};
    tv.mask = TVIF_TEXT;
    tv.hItem = ToItem(item);
    tv.pszText = const_cast<wchar_t*>(text.c_str());
    TreeView_SetItem(tree_, &tv);
}

namespace {

int ImageOf(HWND tree, TreeHandle item) {
    TVITEMW tv{};
    tv.mask = TVIF_IMAGE;
    tv.hItem = TreeViewStore::ToItem(item);
    return item && TreeView_GetItem(tree, &tv) ? tv.iImage : ItemImage(0, 1);
}

} // namespace

int TreeViewStore::Icon(TreeHandle item) const { return IconOfImage(ImageOf(tree_, item)); }

int TreeViewStore::Mark(TreeHandle item) const { return MarkOfImage(ImageOf(tree_, item)); }

void TreeViewStore::SetMark(TreeHandle item, int mark) {
    if (!item) return;
    TVITEMW tv{};
    tv.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    tv.hItem = ToItem(item);
    tv.iImage = tv.iSelectedImage = ItemImage(Icon(item), mark);
    TreeView_SetItem(tree_, &tv);
}

std::intptr_t TreeViewStore::Data(TreeHandle item) const {
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = ToItem(item);
    return item && TreeView_GetItem(tree_, &tv) ? static_cast<std::intptr_t>(tv.lParam) : 0;
}

void TreeViewStore::SetData(TreeHandle item, std::intptr_t data) {
    TVITEMW tv{};
    tv.mask = TVIF_PARAM;
    tv.hItem = ToItem(item);
    tv.lParam = static_cast<LPARAM>(data);
    TreeView_SetItem(tree_, &tv);
}

void TreeViewStore::SetCheckBox(TreeHandle item, bool shown) {
    TVITEMW tv{};
    tv.mask = TVIF_STATE;
    tv.hItem = ToItem(item);
    tv.stateMask = TVIS_STATEIMAGEMASK;
    tv.state = shown ? INDEXTOSTATEIMAGEMASK(1) : 0;
    TreeView_SetItem(tree_, &tv);
}

bool TreeViewStore::HasCheckBox(TreeHandle item) const {
    return (TreeView_GetItemState(tree_, ToItem(item), TVIS_STATEIMAGEMASK) & TVIS_STATEIMAGEMASK) != 0;
}

// State image 1 is the empty box, 2 the checked one.
void TreeViewStore::SetChecked(TreeHandle item, bool checked) {
    if (!item || !HasCheckBox(item)) return;
    TVITEMW tv{};
    tv.mask = TVIF_STATE;
    tv.hItem = ToItem(item);
    tv.stateMask = TVIS_STATEIMAGEMASK;
    tv.state = INDEXTOSTATEIMAGEMASK(checked ? 2 : 1);
    TreeView_SetItem(tree_, &tv);
}

bool TreeViewStore::IsChecked(TreeHandle item) const {
    return item && (TreeView_GetItemState(tree_, ToItem(item), TVIS_STATEIMAGEMASK) >> 12) == 2;
}

} // namespace hexmoor::shell
