#include "editor/shell/trees/tree_store.h"

#include <algorithm>

namespace hexmoor::shell {

struct TreeNode {
    TreeNode* parent = nullptr;
    std::list<std::unique_ptr<TreeNode>> children;
    std::wstring text;
    int icon = 0;
    int mark = 1;
    std::intptr_t data = 0;
    bool checkBox = false;
    bool checked = false;
};

namespace {

std::list<std::unique_ptr<TreeNode>>::iterator Find(std::list<std::unique_ptr<TreeNode>>& list, TreeHandle item) {
    return std::find_if(list.begin(), list.end(), [item](const auto& n) { return n.get() == item; });
}

std::size_t CountOf(const TreeNode& node) {
    std::size_t n = 1;
    for (const auto& c : node.children) n += CountOf(*c);
    return n;
}

} // namespace

MemoryTree::MemoryTree() : top_(std::make_unique<TreeNode>()) {}
MemoryTree::~MemoryTree() = default;

TreeHandle MemoryTree::Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon, std::intptr_t data) {
    TreeNode* owner = parent ? parent : top_.get();
    auto node = std::make_unique<TreeNode>();
    node->parent = owner;
    node->text = text;
    node->icon = icon;
    node->data = data;
    TreeHandle made = node.get();
    auto& list = owner->children;
    if (after == kInsertFirst) {
        list.push_front(std::move(node));
    } else {
        auto at = after == kInsertLast ? list.end() : Find(list, after);
        if (at != list.end()) ++at;
        list.insert(at, std::move(node));
    }
    ++count_;
    return made;
}

void MemoryTree::Delete(TreeHandle item) {
    if (!item || !item->parent) return;
    auto& list = item->parent->children;
    auto at = Find(list, item);
    if (at == list.end()) return;
    count_ -= CountOf(**at);
    list.erase(at);
}

TreeHandle MemoryTree::Parent(TreeHandle item) const {
    return item && item->parent != top_.get() ? item->parent : nullptr;
}

TreeHandle MemoryTree::FirstChild(TreeHandle item) const {
    const TreeNode* owner = item ? item : top_.get();
    return owner->children.empty() ? nullptr : owner->children.front().get();
}

TreeHandle MemoryTree::NextSibling(TreeHandle item) const {
    if (!item || !item->parent) return nullptr;
    auto& list = item->parent->children;
    auto at = Find(list, item);
    if (at == list.end() || ++at == list.end()) return nullptr;
    return at->get();
}

TreeHandle MemoryTree::PrevSibling(TreeHandle item) const {
    if (!item || !item->parent) return nullptr;
    auto& list = item->parent->children;
    auto at = Find(list, item);
    if (at == list.begin() || at == list.end()) return nullptr;
    return std::prev(at)->get();
}

std::wstring MemoryTree::Text(TreeHandle item) const { return item ? item->text : std::wstring(); }
void MemoryTree::SetText(TreeHandle item, const std::wstring& text) {
    if (item) item->text = text;
}
int MemoryTree::Icon(TreeHandle item) const { return item ? item->icon : 0; }

void MemoryTree::SetMark(TreeHandle item, int mark) {
    if (item) item->mark = mark;
}

int MemoryTree::Mark(TreeHandle item) const { return item ? item->mark : 1; }
std::intptr_t MemoryTree::Data(TreeHandle item) const { return item ? item->data : 0; }
void MemoryTree::SetData(TreeHandle item, std::intptr_t data) {
    if (item) item->data = data;
}
void MemoryTree::SetCheckBox(TreeHandle item, bool shown) {
    if (!item) return;
    item->checkBox = shown;
    item->checked = false;
}
bool MemoryTree::HasCheckBox(TreeHandle item) const { return item && item->checkBox; }
void MemoryTree::SetChecked(TreeHandle item, bool checked) {
    if (item && item->checkBox) item->checked = checked;
}
bool MemoryTree::IsChecked(TreeHandle item) const { return item && item->checkBox && item->checked; }

} // namespace hexmoor::shell
