#pragma once
// The little a tree of items must do for the element trees: insert, delete,
// walk, texts and one integer of data per item. The product puts it on a
// comctl32 tree view; tests and window-less tools use the in-memory tree.

#include <cstdint>
#include <list>
#include <memory>
#include <string>

namespace hexmoor::shell {

struct TreeNode;
using TreeHandle = TreeNode*;

// Insert positions besides an item: first or last among the children.
inline TreeHandle const kInsertFirst = reinterpret_cast<TreeHandle>(std::uintptr_t{1});
inline TreeHandle const kInsertLast = nullptr;

class TreeStore {
public:
    virtual ~TreeStore() = default;
    // A new item under parent (null: top level) after `after` (an item,
    // kInsertFirst or kInsertLast), carrying data, without a check box. The
    // text is NUL-terminated (the control takes a pointer as it is).
    virtual TreeHandle Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon,
                              std::intptr_t data = 0) = 0;
    // Removes the item with its subtree.
    virtual void Delete(TreeHandle item) = 0;
    virtual TreeHandle Parent(TreeHandle item) const = 0;
    // First top-level item for null.
    virtual TreeHandle FirstChild(TreeHandle item) const = 0;
    virtual TreeHandle NextSibling(TreeHandle item) const = 0;
    virtual TreeHandle PrevSibling(TreeHandle item) const = 0;
    virtual std::wstring Text(TreeHandle item) const = 0;
    virtual void SetText(TreeHandle item, const std::wstring& text) = 0;
    virtual int Icon(TreeHandle item) const = 0;
    // The colour-adjustment mark shown with the icon (0, 1 or 2); an item
    // starts with 1.
    virtual void SetMark(TreeHandle item, int mark) = 0;
    virtual int Mark(TreeHandle item) const = 0;
    virtual std::intptr_t Data(TreeHandle item) const = 0;
    virtual void SetData(TreeHandle item, std::intptr_t data) = 0;
    // The item's check box (state image) shown or removed.
    virtual void SetCheckBox(TreeHandle item, bool shown) = 0;
    virtual bool HasCheckBox(TreeHandle item) const = 0;
    // The check of an item that shows a check box.
    virtual void SetChecked(TreeHandle item, bool checked) = 0;
    virtual bool IsChecked(TreeHandle item) const = 0;
};

// Items in memory, in sibling order.
class MemoryTree : public TreeStore {
public:
    MemoryTree();
    ~MemoryTree() override;
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

    std::size_t Count() const { return count_; }

private:
    std::unique_ptr<TreeNode> top_;
    std::size_t count_ = 0;
};

} // namespace hexmoor::shell
