#include "editor/links/property_item.h"

namespace hexmoor::links {

CPropertyItem::CPropertyItem(RowText label, RowText value, int kind, RowText choices, WORD id, BOOL expandable,
                             CPropertyItem* parent, WORD baseId)
    : label_(std::move(label)),
      value_(std::move(value)),
      kind_(kind),
      choices_(std::move(choices)),
      id_(id),
      parent_(parent),
      expandable_(expandable),
      baseId_(baseId) {
    if (parent_) owner_ = parent_->owner_;
}

CPropertyItem::~CPropertyItem() = default;

void* CPropertyItem::operator new(std::size_t size) { return TakeRowMemory(nullptr, size); }

void CPropertyItem::operator delete(void* row) noexcept { GiveRowMemory(row); }

int CPropertyItem::AddChild(std::unique_ptr<CPropertyItem>&& child) {
    if (!expandable_ || !child) return -1;
    child->parent_ = this;
    child->owner_ = owner_;
    children_.push_back(std::move(child));
    return static_cast<int>(children_.size()) - 1;
}

int CPropertyItem::AddChild(CPropertyItem* child) {
    if (!expandable_ || !child) return -1;
    return AddChild(std::unique_ptr<CPropertyItem>(child));
}

std::unique_ptr<CPropertyItem> CPropertyItem::TakeChild(int index) {
    if (index < 0 || index >= ChildCount()) return nullptr;
    std::unique_ptr<CPropertyItem> child = std::move(children_[static_cast<size_t>(index)]);
    children_.erase(children_.begin() + index);
    return child;
}

CPropertyItem* CPropertyItem::Child(int index) const {
    if (index < 0 || index >= ChildCount()) return nullptr;
    return children_[static_cast<size_t>(index)].get();
}

int CPropertyItem::IndexOfChild(const CPropertyItem* child) const {
    for (size_t i = 0; i < children_.size(); ++i)
        if (children_[i].get() == child) return static_cast<int>(i);
    return -1;
}

std::wstring CPropertyItem::SetIntValue(int value) {
    value_ = std::to_wstring(value);
    return value_.Get();
}

int CPropertyItem::Depth() const {
    int depth = 0;
    for (const CPropertyItem* p = parent_; p; p = p->parent_) ++depth;
    return depth;
}

std::vector<std::wstring> SplitChoices(const std::wstring& list) {
    std::vector<std::wstring> entries;
    size_t start = 0;
    for (size_t bar = list.find(L'|'); bar != std::wstring::npos; bar = list.find(L'|', start)) {
        entries.push_back(list.substr(start, bar - start));
        start = bar + 1;
    }
    if (!entries.empty()) entries.push_back(list.substr(start));
    return entries;
}

int GetChoiceIndex(const std::wstring& list, const std::wstring& value) {
    const std::vector<std::wstring> entries = SplitChoices(list);
    for (size_t i = 0; i < entries.size(); ++i)
        if (entries[i] == value) return static_cast<int>(i);
    return -1;
}

std::wstring GetChoiceText(const std::wstring& list, int index) {
    const std::vector<std::wstring> entries = SplitChoices(list);
    if (index < 0 || index >= static_cast<int>(entries.size())) return {};
    return entries[static_cast<size_t>(index)];
}

} // namespace hexmoor::links
