// Operations on one element of a tree: copying it into the custom-controls
// tree as a new custom control, and Clear, which empties the element's
// parts and shows the element again through the page that was shown.
#include <algorithm>

#include "editor/links/family.h"
#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/item_names.h"
#include "model/element_types.h"
#include "model/elements/frame_properties.h"
#include "model/twf_skin.h"

namespace hexmoor::shell {

namespace {} // namespace

ClearPlan ClearPlanFor(int kind) {
    switch (kind) {
    case 0: return {{1, 2, 3, 4, 5, 61, 6, 7, 8, 49, 0}, true, true};
    case 24:
    case 27:
    case 39:
    case 42:
    case 46: return {{kind + 1, kind + 2}, true, false};
    case 49: return {{55, 56, 57, 58, 49}, false, false};
    case 52: return {{1, 2, 3, 4}, true, false};
    case 53: return {{5, 8, 7, 6, 61}, false, false};
    case 5:
    case 6:
    case 7:
    case 8:
    case 55:
    case 56:
    case 57:
    case 58:
    case 61:
    case 62: return {{kind}, false, false};
    default: break;
    }
    const bool own = (kind >= 1 && kind <= 4) || (kind >= 9 && kind <= 11) || (kind >= 20 && kind <= 23) ||
                     kind == 25 || kind == 26 || (kind >= 28 && kind <= 32) || (kind >= 35 && kind <= 38) ||
                     kind == 40 || kind == 41 || (kind >= 43 && kind <= 45) || kind == 47 || kind == 48 || kind == 50 ||
                     kind == 51 || kind == 59 || kind == 60 || kind == 63 || (kind >= 65 && kind <= 70) || kind == 73 ||
                     kind == 74;
    if (own) return {{kind}, true, false};
    return {};
}

bool ElementTree::CanClear(TreeHandle item, const ElementResetter& resetter) const {
    const Record* r = RecordOf(item);
    if (!r || item == root_) return false;
    // The group roots offer Clear and have nothing to clear.
    if (r->key.kind >= kKindDefaultRoot && r->key.kind <= kKindDotNetGroup) return true;
    const ClearPlan plan = ClearPlanFor(r->key.kind);
    if (plan.kinds.empty() || !r->type) return false;
    // Every part the element has is reset through its item's link; a part
    // it does not have is skipped, but at least one part must be there.
    const std::vector<const Record*> parts = PartsToClear(*r, plan);
    return !parts.empty() && std::all_of(parts.begin(), parts.end(), [&](const Record* part) {
        return links::FamilyForKind(part->key.kind) && resetter.CanReset(part->key.kind);
    });
}

std::vector<const ElementTree::Record*> ElementTree::PartsToClear(const Record& r, const ClearPlan& plan) const {
    // The related parts carry the item's instance number.
    std::vector<const Record*> parts;
    for (int k : plan.kinds)
        for (const Record& rec : records_)
            if (rec.alive && rec.key.kind == k && rec.key.number == r.key.number && rec.type == r.type &&
                rec.scheme == r.scheme) {
                parts.push_back(&rec);
                break;
            }
    return parts;
}

bool ElementTree::ClearItem(TreeHandle item, ElementResetter& resetter) {
    const Record* r = RecordOf(item);
    if (!r || !CanClear(item, resetter)) return false;
    const ClearPlan plan = ClearPlanFor(r->key.kind);
    if (plan.kinds.empty()) return true; // a group root
    const WORD type = r->type;
    const std::wstring scheme = r->scheme.Str();
    const std::vector<const Record*> parts = PartsToClear(*r, plan);
    // The default tree switches the element off first; only an item with a
    // check box has a check to clear.
    if (mode_ == 0 && plan.uncheckFirst && store_.HasCheckBox(item)) SetItemCheck(item, 0);
    for (std::size_t i = 0; i < parts.size(); ++i)
        resetter.Reset(parts[i]->key.kind, type, scheme, EnsureLink(*parts[i]), i + 1 == parts.size());
    if (mode_ == 0) SyncCheckStates();
    Modified();
    // The item cleared stays the one shown: its page is filled again, not
    // the pages of the parts just reset.
    resetter.RefillPage();
    if (plan.refreshPreview) resetter.RefreshPreview();
    return true;
}

TreeHandle ElementTree::Duplicate(const ElementTree& from, TreeHandle source, TreeHandle target) {
    CTwfSkin* skin = skin_();
    if (!skin || mode_ != 1) return nullptr;
    auto isElement = [&](TreeHandle h) {
        const Record* rec = from.RecordOf(h);
        return rec && h != from.root_ && rec->type && rec->type != kElemFolder && rec->type != kElemUserData;
    };
    // A part stands for its element: walk up to the element's top item.
    TreeHandle top = source;
    while (top && isElement(from.store_.Parent(top))) top = from.store_.Parent(top);
    if (!isElement(top)) return nullptr;
    // Copied out: adding to this tree may move the records of `from`.
    const WORD type = from.RecordOf(top)->type;
    const std::wstring scheme = from.RecordOf(top)->scheme.Str();
    CTwfObj* original = skin->FindObject(type, scheme);
    if (!original) return nullptr;
    const Adder* adder =
        AdderForType(type, original->GetNumber(frame_props::kRegionShape) == frame_props::kRegionDefinedWindow);
    if (!adder) return nullptr;
    TreeHandle container = ContainerFor(target);
    const WORD folder = FolderNumberOf(container);
    const std::wstring prefix = folder ? L"<" + std::to_wstring(folder) + L">" : std::wstring();
    const std::wstring text = from.store_.Text(top);
    const std::wstring base = IsValidItemName(text) ? text : std::wstring(adder->name);
    std::wstring shown = base;
    for (int k = 1; skin->FindObject(adder->type, prefix + shown); ++k) shown = base + std::to_wstring(k);
    TreeHandle item = AddFromAdder(*adder, container, kInsertLast, shown, prefix + shown, false);
    if (!item) return nullptr;
    // Looked up again: adding an object may have moved the skin's storage.
    original = skin->FindObject(type, scheme);
    CTwfObj* copy = skin->FindObject(adder->type, prefix + shown);
    if (original && copy) original->CopyTo(copy);
    if (copy) {
        copy->SetEnabled(TRUE);
        copy->SetFolderId(folder);
    }
    // The copy's items show what it holds now.
    InvalidateLinks(item);
    RenumberSiblings(container);
    Modified();
    return item;
}

} // namespace hexmoor::shell
