// Moving branches of the custom trees: up and down among siblings, into a
// folder and beside an item (drag and drop), with the scheme renames a new
// container asks for and the sibling order the skin keeps.
#include "editor/shell/trees/element_tree.h"

#include "model/element_types.h"
#include "model/twf_skin.h"

namespace hexmoor::shell {

bool ElementTree::IsContainer(TreeHandle item) const {
    return item && (item == root_ || KeyOf(item).kind == kKindFolder);
}

bool ElementTree::Contains(TreeHandle branch, TreeHandle item) const {
    for (TreeHandle h = item; h; h = store_.Parent(h))
        if (h == branch) return true;
    return false;
}

// The tree store cannot move items: the branch is inserted again at its new
// place (same texts, icons, marks, records and boxes) and the old items go.
TreeHandle ElementTree::CopyBranch(TreeHandle item, TreeHandle parent, TreeHandle after) {
    TreeHandle made = store_.Insert(parent, after, store_.Text(item).c_str(), store_.Icon(item), store_.Data(item));
    store_.SetMark(made, store_.Mark(item));
    const bool box = store_.HasCheckBox(item);
    if (box) {
        store_.SetCheckBox(made, true);
        store_.SetChecked(made, store_.IsChecked(item));
    }
    // The record, with its link, goes with the item to its new place.
    if (Record* r = RecordOf(made)) {
        r->item = made;
        if (r->link) r->link->SetTreeItem(made);
    }
    if (const Record* r = RecordOf(item); r && r->key.kind == kKindFolder) {
        auto f = folderItems_.find(r->folderId);
        if (f != folderItems_.end() && f->second == item) f->second = made;
    }
    for (TreeHandle c = store_.FirstChild(item); c; c = store_.NextSibling(c)) CopyBranch(c, made, kInsertLast);
    return made;
}

// Gives an item that changes container the scheme name the new container
// asks for. Elements inside a moved folder keep theirs: they name their
// folder by number.
bool ElementTree::Rehome(TreeHandle item, TreeHandle container) {
    Record* r = RecordOf(item);
    CTwfSkin* skin = skin_();
    if (!r || !skin || !r->ownsObject) return true;
    const std::wstring old = r->scheme.Str();
    const std::wstring text = store_.Text(item);
    std::wstring prefix;
    WORD folder = 0;
    if (r->key.kind == kKindFolder) {
        prefix = container == root_ ? FolderPrefix() : SchemeOf(container) + L"\\";
    } else {
        folder = FolderNumberOf(container);
        prefix = folder ? L"<" + std::to_wstring(folder) + L">" : std::wstring();
    }
    std::wstring shown = text;
    for (int k = 1; skin->FindObject(r->type, prefix + shown); ++k) shown = text + std::to_wstring(k);
    const std::wstring renamed = prefix + shown;
    if (!skin->MoveObject(r->type, old, renamed)) return false;
    const WORD type = r->type;
    for (Record& rec : records_) {
        if (!rec.alive) continue;
        if (rec.type == type && rec.scheme == old) rec.scheme = renamed;
        // The folders inside a moved folder move with it.
        if (type == kElemFolder && rec.type == kElemFolder &&
            rec.scheme.Str().compare(0, old.size() + 1, old + L"\\") == 0) {
            std::wstring moved = renamed + rec.scheme.Str().substr(old.size());
            if (skin->MoveObject(kElemFolder, rec.scheme.Str(), moved)) rec.scheme = moved;
        }
        if (rec.link) rec.link->SetName(rec.scheme);
    }
    if (type != kElemFolder)
        if (CTwfObj* object = skin->FindObject(type, renamed)) object->SetFolderId(folder);
    store_.SetText(item, shown);
    return true;
}

TreeHandle ElementTree::Move(TreeHandle item, int direction, TreeHandle target) {
    if (mode_ == 0 || !item || item == root_ || !RecordOf(item)) return nullptr;
    TreeHandle parent = store_.Parent(item);
    TreeHandle after = kInsertLast;
    switch (direction) {
    case 0: { // up
        TreeHandle prev = store_.PrevSibling(item);
        if (!prev) return nullptr;
        TreeHandle before = store_.PrevSibling(prev);
        after = before ? before : kInsertFirst;
        break;
    }
    case 1: { // down
        TreeHandle next = store_.NextSibling(item);
        if (!next) return nullptr;
        after = next;
        break;
    }
    case -1: // into a container, last
        if (!IsContainer(target) || target == parent || Contains(item, target)) return nullptr;
        parent = target;
        break;
    case 2: // right after an item of a container
        if (!target || target == item || Contains(item, target) || !IsContainer(store_.Parent(target))) return nullptr;
        parent = store_.Parent(target);
        after = target;
        break;
    default: return nullptr;
    }
    // Only what sits in a container moves (not a frame's parts).
    if (!IsContainer(store_.Parent(item))) return nullptr;
    if (parent != store_.Parent(item) && !Rehome(item, parent)) return nullptr;
    removing_ = true;
    TreeHandle moved = CopyBranch(item, parent, after);
    store_.Delete(item);
    removing_ = false;
    RenumberSiblings(parent);
    Modified();
    return moved;
}

} // namespace hexmoor::shell
