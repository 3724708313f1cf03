#pragma once
// The element trees' item store on a comctl32 tree view. An item's image
// index carries its icon and its mark (tree_images.h).

#include <windows.h>
#include <commctrl.h>

#include "editor/shell/trees/tree_store.h"

namespace hexmoor::shell {

class TreeViewStore : public TreeStore {
public:
    explicit TreeViewStore(HWND tree = nullptr) : tree_(tree) {}
    void SetWindow(HWND tree) { tree_ = tree; }
    HWND Window() const { return tree_; }

    static HTREEITEM ToItem(TreeHandle h) { return reinterpret_cast<HTREEITEM>(h); }
    static TreeHandle FromItem(HTREEITEM h) { return reinterpret_cast<TreeHandle>(h); }

    TreeHandle Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon,
                      std::intptr_t data = 0) override;
    void Delete(TreeHandle item) override;
    TreeHandle Parent(TreeHandle item) const override;
    TreeHandle FirstChild(TreeHandle item) const override;
    TreeHandle NextSibling(TreeHandle item) const override;
    TreeHandle PrevSibling(TreeHandle item) const override;
    std::wstring Text(TreeHandle item) const override;
    void SetText(TreeHandle item, const std::wstring& text) override;
    int Icon(TreeHandle item) const override;
    void SetMark(TreeHandle item, int mark) override;
    int Mark(TreeHandle item) const override;
    std::intptr_t Data(TreeHandle item) const override;
    void SetData(TreeHandle item, std::intptr_t data) override;
    void SetCheckBox(TreeHandle item, bool shown) override;
    bool HasCheckBox(TreeHandle item) const override;
    void SetChecked(TreeHandle item, bool checked) override;
    bool IsChecked(TreeHandle item) const override;

private:
    HWND tree_;
};

} // namespace hexmoor::shell
