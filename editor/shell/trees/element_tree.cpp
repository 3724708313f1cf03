#include "editor/shell/trees/element_tree.h"

#include <algorithm>

#include "editor/links/family.h"
#include "editor/shell/trees/item_names.h"
#include "model/element_types.h"
#include "model/elements/frame_properties.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

namespace hexmoor::shell {

namespace {

// The element type the name dialog gives a region-defined frame.
constexpr WORD kRegionDefinedType = 60;

bool StartsWith(std::wstring_view s, std::wstring_view p) { return s.substr(0, p.size()) == p; }

} // namespace

unsigned InstanceNumbers::Take(int kind) {
    Used& used = used_[kind];
    // No gap: the next number after the highest.
    std::size_t at = used.taken.size();
    if (used.count != at)
        at = static_cast<std::size_t>(std::find(used.taken.begin(), used.taken.end(), false) - used.taken.begin());
    if (at == used.taken.size())
        used.taken.push_back(true);
    else
        used.taken[at] = true;
    ++used.count;
    return static_cast<unsigned>(at + 1);
}

void InstanceNumbers::Release(int kind, unsigned number) {
    auto it = used_.find(kind);
    if (it == used_.end() || number == 0 || number > it->second.taken.size() || !it->second.taken[number - 1]) return;
    it->second.taken[number - 1] = false;
    --it->second.count;
}

bool InstanceNumbers::InUse(int kind, unsigned number) const {
    auto it = used_.find(kind);
    return it != used_.end() && number != 0 && number <= it->second.taken.size() && it->second.taken[number - 1];
}

const std::vector<Adder>& Adders() {
    static const std::vector<Adder> adders = {
        {ID_ADD_FRAME_WINDOW,
         kElemWndFrame,
         L"CustomFrame",
         {{kKindFrame, nullptr, 2, -1},
          {52, L"Frame Sides", 3, 0},
          {1, L"Top Side", 4, 1},
          {3, L"Bottom Side", 5, 1},
          {4, L"Left Side", 6, 1},
          {2, L"Right Side", 7, 1},
          {53, L"Caption Buttons", 8, 0},
          {5, L"Close Button", 9, 6},
          {7, L"Maximize Button", 10, 6},
          {8, L"Restore Button", 12, 6},
          {6, L"Minimize Button", 11, 6},
          {61, L"Help Button", 13, 6},
          {49, L"Menubar", 14, 0},
          {55, L"Close Button", 9, 12},
          {58, L"Restore Button", 12, 12},
          {56, L"Minimize Button", 11, 12},
          {62, L"Minimized Frame", 15, 0}}},
        {ID_ADD_REGION_DEFINED, kElemWndFrame, L"RegionDefined", {{kKindRegionDefined, nullptr, 2, -1}}},
        {ID_ADD_DIALOG_BACKGROUND, kElemDialogFrame, L"CustomDialog", {{9, nullptr, 16, -1}}},
        {ID_ADD_BUTTON, kElemButton, L"CustomButton", {{11, nullptr, 17, -1}}},
        {ID_ADD_CHECK_BOX, kElemCheckBox, L"CustomCheckBox", {{21, nullptr, 18, -1}}},
        {ID_ADD_RADIO_BUTTON, kElemRadioBox, L"CustomRadio", {{22, nullptr, 19, -1}}},
        {ID_ADD_GROUP_BOX, kElemGroupBox, L"CustomGroupBox", {{23, nullptr, 20, -1}}},
        {ID_ADD_SCROLLBARS,
         kElemScrollbars,
         L"CustomScrollBars",
         {{46, nullptr, 21, -1},
          {47, L"Standalone HScrollbar", 22, 0},
          {48, L"Standalone VScrollbar", 23, 0},
          {73, L"Internal HScrollbar", 51, 0},
          {74, L"Internal VScrollbar", 52, 0}}},
        {ID_ADD_EDIT, kElemEdit, L"CustomEdit", {{10, nullptr, 25, -1}}},
        {ID_ADD_LIST_BOX, kElemListBox, L"CustomListbox", {{35, nullptr, 26, -1}}},
        {ID_ADD_COMBO_BOX, kElemComboBox, L"CustomCombobox", {{32, nullptr, 27, -1}}},
        {ID_ADD_STATIC_TEXT, kElemStaticText, L"CustomStatic", {{51, nullptr, 28, -1}}},
        {ID_ADD_TAB_CONTROLS,
         kElemTabCtrl,
         L"CustomTab",
         {{27, nullptr, 29, -1}, {28, L"Horizontal Tab Control", 29, 0}, {29, L"Vertical Tab Control", 30, 0}}},
        {ID_ADD_PROGRESS_BARS,
         kElemProgressBar,
         L"CustomProgress",
         {{39, nullptr, 31, -1}, {40, L"Horizontal Progress Bar", 31, 0}, {41, L"Vertical Progress Bar", 32, 0}}},
        {ID_ADD_SPIN_CONTROLS,
         kElemSpinCtrl,
         L"CustomSpin",
         {{42, nullptr, 33, -1}, {43, L"Horizontal Spin Control", 34, 0}, {44, L"Vertical Spin Control", 33, 0}}},
        {ID_ADD_SLIDERS,
         kElemSlider,
         L"CustomSliders",
         {{24, nullptr, 35, -1}, {25, L"Horizontal Slider", 35, 0}, {26, L"Vertical Slider", 36, 0}}},
        {ID_ADD_HEADER, kElemHeaderCtrl, L"CustomHeader", {{37, nullptr, 38, -1}}},
        {ID_ADD_LIST_CONTROL, kElemListView, L"CustomListControl", {{36, nullptr, 39, -1}}},
        {ID_ADD_TREE_CONTROL, kElemTreeCtrl, L"CustomTreeControl", {{38, nullptr, 40, -1}}},
        {ID_ADD_TOOLBAR, kElemToolBar, L"CustomToolbar", {{30, nullptr, 41, -1}}},
        {ID_ADD_STATUS_BAR, kElemStatusBar, L"CustomStatusbar", {{31, nullptr, 43, -1}}},
        {ID_ADD_CHECK_BUTTON, kElemCheckButton, L"CustomCheckButton", {{66, nullptr, 48, -1}}},
        // Kinds that only come back from a stored skin.
        {0, kElemGrip, L"Grip", {{20, nullptr, 24, -1}}},
        {0, kElemToolTip, L"Tooltip", {{59, nullptr, 42, -1}}},
        {0, kElemSplitter, L"Splitter", {{63, nullptr, 37, -1}}},
    };
    return adders;
}

const Adder* AdderForCommand(UINT command) {
    for (const Adder& a : Adders())
        if (command && a.command == command) return &a;
    return nullptr;
}

const Adder* AdderForType(WORD type, bool regionDefined) {
    if (type == kElemWndFrame) return AdderForCommand(regionDefined ? ID_ADD_REGION_DEFINED : ID_ADD_FRAME_WINDOW);
    for (const Adder& a : Adders())
        if (a.type == type) return &a;
    return nullptr;
}

ElementTree::ElementTree(TreeStore& store, int mode, std::function<CTwfSkin*()> skin)
    : store_(store), mode_(mode), skin_(std::move(skin)) {
    Record root;
    root.key = {mode_ == 0 ? kKindDefaultRoot : mode_ == 1 ? kKindCustomRoot : kKindUserDataRoot, 0};
    root_ = Insert(nullptr, kInsertLast,
                   mode_ == 0   ? L"Default Controls"
                   : mode_ == 1 ? L"Custom Controls"
                                : L"User Data",
                   0, std::move(root));
    store_.SetCheckBox(root_, false);
    if (mode_ == 0) BuildDefaultTree();
}

TreeHandle ElementTree::Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon, Record r) {
    // An item's data is its record's place in the table, counted from 1.
    const std::size_t index = records_.size();
    records_.push_back(std::move(r));
    records_.back().alive = true;
    const int mark = records_.back().mark;
    TreeHandle item = store_.Insert(parent, after, text, icon, static_cast<std::intptr_t>(index + 1));
    records_[index].item = item;
    if (mark != 1) store_.SetMark(item, mark);
    return item;
}

links::CItemLinkObj* ElementTree::EnsureLink(const Record& r) const {
    if (!r.linkMade) {
        r.linkMade = true;
        // The roots and the default tree's groups are empty nodes under
        // fixed names; every other item's link edits its element under its
        // scheme.
        const int kind = r.key.kind;
        SchemeName name = r.scheme; // the record's text, shared
        if (kind == kKindDefaultRoot) name = L"TarnwickControls";
        if (kind == kKindCustomRoot) name = L"CustomControls";
        if (kind > kKindDefaultRoot && kind <= kKindDotNetGroup) {
            static const wchar_t* const kGroups[] = {L"WindowsGroup", L"ControlsGroup", L"CommonControlsGroup",
                                                     L"DotNetControlsGroup"};
            name = kGroups[kind - kKindDefaultRoot - 1];
        }
        r.link = links::MakeLinkForKind(kind, r.item, name);
        if (!r.link) return nullptr;
        if ((kind > kKindDefaultRoot && kind <= kKindDotNetGroup) || kind == kKindFolder) r.link->SetGroupNode(1);
        if (mode_ == 1 && r.type != 0 && kind != kKindFolder) r.link->SetCustom(1);
        BindLink(r);
    }
    if (r.link && !r.linkBuilt) {
        r.linkBuilt = true;
        // An element made since the link was bound (a default element the
        // skin lacked) is bound now.
        if (r.type && !r.link->GetTwfObj()) BindLink(r);
        r.link->BuildPropertyItems(1);
    }
    return r.link.get();
}

void ElementTree::BindLink(const Record& r) const {
    if (!r.link) return;
    CTwfSkin* skin = r.type ? skin_() : nullptr;
    r.link->SetTwfObj(skin ? skin->FindObject(r.type, r.scheme.Str()) : nullptr);
}

void ElementTree::BindLinksOf(WORD type, std::wstring_view scheme) {
    for (Record& r : records_)
        if (r.alive && r.link && r.type == type && r.scheme == scheme) BindLink(r);
}

void ElementTree::InvalidateLinks(TreeHandle top) {
    auto invalidate = [this](Record& r) {
        if (!r.link) return;
        BindLink(r);
        r.link->BuildPropertyItems(2);
        r.linkBuilt = false;
    };
    if (!top) {
        for (Record& r : records_)
            if (r.alive) invalidate(r);
        return;
    }
    std::vector<TreeHandle> stack{top};
    while (!stack.empty()) {
        TreeHandle h = stack.back();
        stack.pop_back();
        if (Record* r = RecordOf(h)) invalidate(*r);
        for (TreeHandle c = store_.FirstChild(h); c; c = store_.NextSibling(c)) stack.push_back(c);
    }
}

void ElementTree::BindUnboundLinks() {
    for (Record& r : records_)
        if (r.alive && r.link && r.type && !r.link->GetTwfObj()) BindLink(r);
}

links::CItemLinkObj* ElementTree::LinkOf(TreeHandle item) const {
    const Record* r = RecordOf(item);
    return r ? EnsureLink(*r) : nullptr;
}

std::weak_ptr<links::CItemLinkObj> ElementTree::WeakLinkOf(TreeHandle item) const {
    const Record* r = RecordOf(item);
    if (!r) return {};
    EnsureLink(*r);
    return r->link;
}

const ElementTree::Record* ElementTree::RecordOf(TreeHandle item) const {
    if (!item) return nullptr;
    const std::intptr_t id = store_.Data(item);
    if (id < 1 || static_cast<std::size_t>(id) > records_.size()) return nullptr;
    const Record& r = records_[static_cast<std::size_t>(id - 1)];
    return r.alive ? &r : nullptr;
}

ElementTree::Record* ElementTree::RecordOf(TreeHandle item) {
    return const_cast<Record*>(static_cast<const ElementTree*>(this)->RecordOf(item));
}

ItemKey ElementTree::KeyOf(TreeHandle item) const {
    const Record* r = RecordOf(item);
    return r ? r->key : ItemKey{};
}

std::wstring ElementTree::SchemeOf(TreeHandle item) const {
    const Record* r = RecordOf(item);
    return r ? r->scheme.Str() : std::wstring();
}

WORD ElementTree::TypeOf(TreeHandle item) const {
    const Record* r = RecordOf(item);
    return r ? r->type : 0;
}

void ElementTree::Modified() {
    if (onModified_) onModified_();
}

// The folder or root an addition goes into: the item itself when it is a
// folder or the root, else the container of the item.
TreeHandle ElementTree::ContainerFor(TreeHandle item) const {
    while (item && item != root_ && KeyOf(item).kind != kKindFolder) item = store_.Parent(item);
    return item ? item : root_;
}

WORD ElementTree::FolderNumberOf(TreeHandle container) const {
    if (!container || container == root_) return 0;
    CTwfSkin* skin = skin_();
    CTwfObj* folder = skin ? skin->FindObject(kElemFolder, SchemeOf(container)) : nullptr;
    return folder ? folder->GetFolderId() : 0;
}

std::wstring ElementTree::FolderPrefix() const { return mode_ == 1 ? kCustomSchemePrefix : kUserDataSchemePrefix; }

TreeHandle ElementTree::FolderItemById(WORD id) const {
    if (id == 0) return root_;
    auto it = folderItems_.find(id);
    return it == folderItems_.end() ? nullptr : it->second;
}

void ElementTree::RenumberSiblings(TreeHandle parent) {
    CTwfSkin* skin = skin_();
    if (!skin) return;
    WORD order = 0;
    for (TreeHandle c = store_.FirstChild(parent); c; c = store_.NextSibling(c)) {
        const Record* r = RecordOf(c);
        if (!r || !r->ownsObject) continue;
        if (CTwfObj* o = skin->FindObject(r->type, r->scheme.Str())) o->SetOrder(++order);
    }
}

TreeHandle ElementTree::AddFolder(TreeHandle parent, const std::wstring& name) {
    CTwfSkin* skin = skin_();
    if (!skin || mode_ == 0 || !IsValidItemName(name)) return nullptr;
    TreeHandle container = ContainerFor(parent);
    const std::wstring prefix = container == root_ ? FolderPrefix() : SchemeOf(container) + L"\\";
    std::wstring shown = name;
    for (int k = 1; skin->FindObject(kElemFolder, prefix + shown); ++k) shown = name + std::to_wstring(k);
    Record r;
    r.key = {kKindFolder, numbers_.Take(kKindFolder)};
    r.type = kElemFolder;
    r.scheme = prefix + shown;
    r.ownsNumber = r.ownsObject = true;
    CTwfObj* object = skin->GetOrCreateObject(kElemFolder, r.scheme.Str());
    if (!object) return nullptr;
    r.folderId = nextFolderId_++;
    object->SetFolderId(r.folderId);
    const WORD folderId = r.folderId;
    TreeHandle item = Insert(container, kInsertLast, shown.c_str(), kFolderIcon, std::move(r));
    folderItems_[folderId] = item;
    RenumberSiblings(container);
    Modified();
    return item;
}

TreeHandle ElementTree::AddUserData(TreeHandle parent, const std::wstring& name) {
    CTwfSkin* skin = skin_();
    if (!skin || mode_ != 2 || !IsValidItemName(name)) return nullptr;
    TreeHandle container = ContainerFor(parent);
    const WORD folder = FolderNumberOf(container);
    const std::wstring prefix = folder ? L"<" + std::to_wstring(folder) + L">" : std::wstring();
    std::wstring shown = name;
    for (int k = 1; skin->FindObject(kElemUserData, prefix + shown); ++k) shown = name + std::to_wstring(k);
    Record r;
    r.key = {kKindUserData, numbers_.Take(kKindUserData)};
    r.type = kElemUserData;
    r.scheme = prefix + shown;
    r.ownsNumber = r.ownsObject = true;
    CTwfObj* object = skin->GetOrCreateObject(kElemUserData, r.scheme.Str());
    if (!object) return nullptr;
    object->SetFolderId(folder);
    TreeHandle item = Insert(container, kInsertLast, shown.c_str(), kUserDataIcon, std::move(r));
    RenumberSiblings(container);
    Modified();
    return item;
}

TreeHandle ElementTree::AddCustomControl(TreeHandle parent, UINT command) {
    const Adder* adder = AdderForCommand(command);
    return adder ? AddCustomControl(parent, *adder, adder->name) : nullptr;
}

TreeHandle ElementTree::AddCustomControl(TreeHandle parent, UINT command, const std::wstring& name) {
    const Adder* adder = AdderForCommand(command);
    return adder ? AddCustomControl(parent, *adder, name) : nullptr;
}

TreeHandle ElementTree::AddCustomControlNamed(TreeHandle parent, WORD type, const std::wstring& name) {
    const Adder* adder =
        type == kRegionDefinedType ? AdderForCommand(ID_ADD_REGION_DEFINED) : AdderForType(type, false);
    return adder ? AddCustomControl(parent, *adder, name) : nullptr;
}

TreeHandle ElementTree::AddCustomControl(TreeHandle parent, const Adder& a, const std::wstring& name) {
    CTwfSkin* skin = skin_();
    const Adder* adder = &a;
    if (!skin || mode_ != 1 || !IsValidItemName(name)) return nullptr;
    TreeHandle container = ContainerFor(parent);
    const WORD folder = FolderNumberOf(container);
    const std::wstring prefix = folder ? L"<" + std::to_wstring(folder) + L">" : std::wstring();
    // A name already taken gets a number: two items never share an object.
    std::wstring shown = name;
    for (int k = 1; skin->FindObject(adder->type, prefix + shown); ++k) shown = name + std::to_wstring(k);
    TreeHandle item = AddFromAdder(*adder, container, kInsertLast, shown, prefix + shown, false);
    if (!item) return nullptr;
    if (CTwfObj* o = skin->FindObject(adder->type, prefix + shown)) o->SetFolderId(folder);
    RenumberSiblings(container);
    Modified();
    return item;
}

TreeHandle ElementTree::AddFromAdder(const Adder& adder, TreeHandle parent, TreeHandle after,
                                     const std::wstring& display, const std::wstring& scheme, bool filling,
                                     CTwfObj* object) {
    CTwfSkin* skin = skin_();
    if (!object) object = skin->FindObject(adder.type, scheme);
    if (!object) object = skin->GetOrCreateObject(adder.type, scheme, 0);
    if (!object) return nullptr;
    object->SetEnabled(TRUE);
    // A new region-defined frame says so at once: without its kind it
    // would come back from the file as an ordinary frame.
    if (!filling && adder.parts[0].kind == kKindRegionDefined)
        object->SetNumber(frame_props::kRegionShape, frame_props::kRegionDefinedWindow);
    return InsertParts(adder.parts, adder.type, parent, after, display.c_str(), adder.parts[0].icon, scheme, true);
}

// An element's items: the top item and its parts, sharing one instance
// number; only the top item owns the number (and, when `owner`, the object).
TreeHandle ElementTree::InsertParts(const std::vector<AdderPart>& parts, WORD type, TreeHandle parent, TreeHandle after,
                                    const wchar_t* display, int topIcon, const SchemeName& scheme, bool owner,
                                    unsigned number) {
    if (number == 0) number = numbers_.Take(parts[0].kind);
    // Each part's record follows the one before: a part's parent is found
    // from the record of the part it hangs under.
    const std::size_t first = records_.size();
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const AdderPart& p = parts[i];
        Record r;
        r.key = {p.kind, number};
        r.type = type;
        r.scheme = scheme;
        r.ownsNumber = i == 0;
        r.ownsObject = owner && i == 0;
        TreeHandle under = p.parent < 0 ? parent : records_[first + static_cast<std::size_t>(p.parent)].item;
        TreeHandle made = Insert(under, p.parent < 0 ? after : kInsertLast, p.text ? p.text : display,
                                 i == 0 ? topIcon : p.icon, std::move(r));
        // Only an element's top item carries its check box (a new item has
        // none).
        if (i == 0 && mode_ == 0) store_.SetCheckBox(made, true);
    }
    return records_[first].item;
}

void ElementTree::Forget(TreeHandle item) {
    for (TreeHandle c = store_.FirstChild(item); c; c = store_.NextSibling(c)) Forget(c);
    Record* r = RecordOf(item);
    if (!r) return;
    if (r->ownsNumber) numbers_.Release(r->key.kind, r->key.number);
    if (r->key.kind == kKindFolder) {
        auto f = folderItems_.find(r->folderId);
        if (f != folderItems_.end() && f->second == item) folderItems_.erase(f);
    }
    *r = Record{};
}

void ElementTree::Clear() {
    // The default tree keeps its items: the same elements in every skin.
    // Their links let go of the elements of the skin that goes.
    if (mode_ == 0) {
        if (sink_) sink_->ClearPage();
        for (Record& r : records_) {
            if (!r.link) continue;
            r.link->BuildPropertyItems(2);
            r.link->SetTwfObj(nullptr);
            r.linkBuilt = false;
        }
        return;
    }
    // Items and keys only: the skin keeps every object (an import or a load
    // refills the tree from it).
    // Every item below the root goes: their records and numbers at once.
    removing_ = true;
    records_.resize(1); // the root's record is the first
    folderItems_.clear();
    numbers_ = InstanceNumbers();
    while (TreeHandle c = store_.FirstChild(root_)) store_.Delete(c);
    removing_ = false;
    if (sink_) sink_->ClearPage();
}

bool ElementTree::Delete(TreeHandle item) {
    if (mode_ == 0 || !item || item == root_ || !RecordOf(item)) return false;
    // The page lets go of its links before their elements go.
    if (sink_) sink_->ClearPage();
    CTwfSkin* skin = skin_();
    std::vector<TreeHandle> stack{item};
    while (!stack.empty()) {
        TreeHandle h = stack.back();
        stack.pop_back();
        const Record* r = RecordOf(h);
        if (skin && r && r->ownsObject) skin->RemoveObject(r->type, r->scheme.Str());
        for (TreeHandle c = store_.FirstChild(h); c; c = store_.NextSibling(c)) stack.push_back(c);
    }
    removing_ = true;
    Forget(item);
    store_.Delete(item);
    removing_ = false;
    if (sink_) sink_->ClearPage();
    Modified();
    return true;
}

bool ElementTree::CanRename(TreeHandle item) const {
    const Record* r = RecordOf(item);
    return r && item != root_ && r->ownsObject;
}

bool ElementTree::Rename(TreeHandle item, const std::wstring& text) {
    Record* r = RecordOf(item);
    CTwfSkin* skin = skin_();
    if (!skin || !CanRename(item) || !IsValidItemName(text) || text == store_.Text(item)) return false;
    const std::wstring old = r->scheme.Str();
    std::wstring renamed;
    if (r->key.kind == kKindFolder) {
        auto slash = old.find_last_of(L'\\');
        renamed = old.substr(0, slash + 1) + text;
    } else {
        auto bracket = old.find(L'>');
        renamed = (bracket == std::wstring::npos ? std::wstring() : old.substr(0, bracket + 1)) + text;
    }
    if (skin->FindObject(r->type, renamed)) return false;
    if (!skin->MoveObject(r->type, old, renamed)) return false;
    const WORD type = r->type;
    for (Record& rec : records_) {
        if (!rec.alive) continue;
        if (rec.type == type && rec.scheme == old) rec.scheme = renamed;
        // The folders inside a renamed folder move with it.
        if (type == kElemFolder && rec.type == kElemFolder && StartsWith(rec.scheme, old + L"\\")) {
            std::wstring moved = renamed + rec.scheme.Str().substr(old.size());
            if (skin->MoveObject(kElemFolder, rec.scheme.Str(), moved)) rec.scheme = moved;
        }
        if (rec.link) rec.link->SetName(rec.scheme);
    }
    store_.SetText(item, text);
    Modified();
    return true;
}

void ElementTree::Select(TreeHandle item) {
    if (!sink_ || removing_) return;
    Record* r = RecordOf(item);
    if (!r) {
        sink_->ClearPage();
        return;
    }
    links::CItemLinkObj* link = EnsureLink(*r);
    // An element made since the link was built (a default element the skin
    // lacked) is bound now, and the page built from it.
    if (link && r->type && !link->GetTwfObj()) {
        BindLink(*r);
        if (link->GetTwfObj()) link->RebuildRows();
    }
    sink_->ShowElement({r->key, r->type, r->scheme.Str(), store_.Text(item), link});
}

TreeHandle ElementTree::Find(const std::wstring& path) const {
    TreeHandle at = root_;
    std::size_t start = 0;
    while (at && start < path.size()) {
        std::size_t end = path.find(L'/', start);
        if (end == std::wstring::npos) end = path.size();
        const std::wstring part = path.substr(start, end - start);
        start = end + 1;
        TreeHandle next = nullptr;
        for (TreeHandle c = store_.FirstChild(at); c && !next; c = store_.NextSibling(c))
            if (store_.Text(c) == part) next = c;
        at = next;
    }
    return at;
}

std::vector<std::wstring> ElementTree::Dump() const {
    std::vector<std::wstring> lines;
    struct Walk {
        const ElementTree& t;
        std::vector<std::wstring>& out;
        void operator()(TreeHandle h, int depth) const {
            // A check box shows as "on" or "off" after the kind.
            const std::wstring check =
                t.store_.HasCheckBox(h) ? (t.store_.IsChecked(h) ? L" on" : L" off") : std::wstring();
            out.push_back(std::wstring(static_cast<std::size_t>(depth) * 2, L' ') + t.store_.Text(h) + L" [" +
                          std::to_wstring(t.KeyOf(h).kind) + L"]" + check);
            for (TreeHandle c = t.store_.FirstChild(h); c; c = t.store_.NextSibling(c)) (*this)(c, depth + 1);
        }
    };
    Walk{*this, lines}(root_, 0);
    return lines;
}

} // namespace hexmoor::shell
