#pragma once
// The logic of the custom-controls and user-data trees on any TreeStore:
// item keys with instance numbers, folders and their scheme paths, custom
// controls from the adder table, user data, filling from a loaded skin,
// clearing, deleting and renaming. The skin's objects are created, moved
// and removed here; what a selected item shows goes to a PageSink.

#include <windows.h>

#include <compare>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "editor/links/item_link.h"
#include "editor/links/scheme_name.h"
#include "editor/shell/trees/tree_store.h"

class CTwfObj;
class CTwfSkin;

namespace hexmoor::shell {

using links::SchemeName;

// Kind codes of the items (an element's kind is its key base / 100).
inline constexpr int kKindFrame = 0;
inline constexpr int kKindRegionDefined = 60;
inline constexpr int kKindUserData = 71;
inline constexpr int kKindFolder = 72;
inline constexpr int kKindDefaultRoot = 80;
inline constexpr int kKindWindowsGroup = 81;
inline constexpr int kKindDotNetGroup = 84;
inline constexpr int kKindCustomRoot = 85;
inline constexpr int kKindUserDataRoot = -123;

// The icons of folders and user data.
inline constexpr int kFolderIcon = 1;
inline constexpr int kUserDataIcon = 49;

// An item's key: its kind and its instance number kept apart, so that no
// number of items of one kind can run into the next kind's keys. Only this
// type derives a kind from a key.
struct ItemKey {
    int kind = 0;
    unsigned number = 0;
    auto operator<=>(const ItemKey&) const = default;
};

// Instance numbers per kind: the lowest free number first, handed back on
// delete.
class InstanceNumbers {
public:
    unsigned Take(int kind);
    void Release(int kind, unsigned number);
    bool InUse(int kind, unsigned number) const;

private:
    // The numbers of a kind as flags (number n at n - 1), so that a tree of
    // thousands of items keeps its numbers in a few blocks, not a node each.
    struct Used {
        std::vector<bool> taken;
        std::size_t count = 0; // flags set
    };
    std::map<int, Used> used_;
};

// What the property grid is asked to show for a selected item.
struct SelectedElement {
    ItemKey key;
    WORD type = 0;
    std::wstring scheme;
    std::wstring caption;
    // The item's link (the tree owns it), null for a kind without one.
    links::CItemLinkObj* link = nullptr;
};

class PageSink {
public:
    virtual ~PageSink() = default;
    virtual void ShowElement(const SelectedElement& element) = 0;
    virtual void ClearPage() = 0;
};

// Resets one part of an element for Clear: the part is named by the kind
// of the item that shows it (a frame's sides and buttons are parts of one
// frame element). The page is not refilled here: Clear refills the page of
// the item it was given once, at the end.
class ElementResetter {
public:
    virtual ~ElementResetter() = default;
    // Whether parts of this kind can be reset (their link class exists).
    virtual bool CanReset(int kind) const = 0;
    // link: the link of the part's item, which empties it.
    virtual void Reset(int kind, WORD type, const std::wstring& scheme, links::CItemLinkObj* link,
                       bool refreshPreview) = 0;
    // Shows the changed element again through the page that is shown.
    virtual void RefillPage() = 0;
    // A frame's Clear also redraws the whole preview.
    virtual void RefreshPreview() {}
};

// What Clear on an item of a kind does: the related kinds reset in order
// (the last one refreshes the preview), whether the default tree clears
// the item's check first, and whether the preview is refreshed after.
struct ClearPlan {
    std::vector<int> kinds;
    bool uncheckFirst = false;
    bool refreshPreview = false;
};
// Empty kinds for a kind that Clear leaves alone (group roots included).
ClearPlan ClearPlanFor(int kind);

// One adder of the custom-controls tree: the command that adds it, the
// element type, the requested name and the items it makes.
struct AdderPart {
    int kind;
    const wchar_t* text; // null: the item's own name
    int icon;
    int parent; // index of the part it hangs under, -1 for the top item
};
struct Adder {
    UINT command;
    WORD type;
    const wchar_t* name;
    std::vector<AdderPart> parts; // parts[0] is the top item
};
const std::vector<Adder>& Adders();
const Adder* AdderForCommand(UINT command);
// The adder that re-creates a stored element of this type; null for types
// that get no custom item (menus, date-time pickers, strips, user data...).
const Adder* AdderForType(WORD type, bool regionDefined);

class ElementTree {
public:
    // mode 0 default controls (built whole at once, scheme "Default"),
    // 1 custom controls, 2 user data.
    ElementTree(TreeStore& store, int mode, std::function<CTwfSkin*()> skin);

    TreeHandle Root() const { return root_; }
    int Mode() const { return mode_; }

    // Adding by command (under `parent`, a folder or the root; an element
    // item adds beside itself in its folder).
    TreeHandle AddFolder(TreeHandle parent, const std::wstring& name = L"Folder");
    // A name the user gave (an invalid one adds nothing) is kept, a number
    // appended while it is taken.
    TreeHandle AddUserData(TreeHandle parent, const std::wstring& name = L"UserData");
    TreeHandle AddCustomControl(TreeHandle parent, UINT command);
    // The adder's control under the name the user gave.
    TreeHandle AddCustomControl(TreeHandle parent, UINT command, const std::wstring& name);
    // A custom control of the element type (60: region-defined frame) with
    // the name the user gave; null for a type without an adder.
    TreeHandle AddCustomControlNamed(TreeHandle parent, WORD type, const std::wstring& name);

    // Rebuilds the items from the skin's stored folders and elements (the
    // default tree keeps its shape and takes its checks from the skin);
    // the links the items have are bound again and their rows freed, to be
    // built afresh from the new elements.
    void FillFromSkin();
    // The link of an item, from the family table's row for its kind, bound
    // to what the item shows and with its rows built from it; null for a
    // kind without one. An item's link is made the first time it is asked
    // for (selection, export, adjustment, Clear) and lives as long as the
    // item: filling a tree of thousands of items makes no link at all.
    links::CItemLinkObj* LinkOf(TreeHandle item) const;
    // Binds the links still without an element to the element their item
    // shows, where the skin has made it since (an export walks them all).
    void BindUnboundLinks();
    // The same, for a borrower that may outlive the item: it finds the link
    // gone rather than dangling.
    std::weak_ptr<links::CItemLinkObj> WeakLinkOf(TreeHandle item) const;
    // Check boxes: every item that shows one takes its element's enabled
    // flag.
    void SyncCheckStates();
    // how 0 clears the item's check, 1 sets it, -1 keeps what it shows;
    // the element then takes the check as its enabled flag (an item
    // without an element passes it to its children's). Answers the check.
    bool SetItemCheck(TreeHandle item, int how);
    // Called with the element type whose enabled flag a check changed.
    void SetOnCheck(std::function<void(WORD, bool)> f) { onCheck_ = std::move(f); }
    // Removes every item below the root with its key and link, never a skin
    // object. The default tree keeps its items: their links let go of their
    // elements and rows, as the skin behind them is about to be replaced.
    void Clear();
    // Removes the item, its subtree and their skin objects.
    bool Delete(TreeHandle item);
    // Renames an element or a folder; false (nothing changed) for an empty
    // name, "Default", '<', '>' or '\', the same text, or a taken name.
    bool Rename(TreeHandle item, const std::wstring& text);
    // Moves an item with its subtree (custom trees): direction 0 up, 1 down
    // among its siblings, -1 into `target` (a folder or the root) as its
    // last child, 2 right after `target` in target's container. A branch
    // that changes container is renamed there (a number appended while the
    // name is taken); elements take the folder's number. Answers the moved
    // item (a new handle), null when nothing moved.
    TreeHandle Move(TreeHandle item, int direction, TreeHandle target = nullptr);
    bool IsContainer(TreeHandle item) const;
    // Copies the element shown by `source` (an item of `from`, this tree or
    // another; a part stands for its whole element) into the container of
    // `target` as a new custom control named with the element's text (made
    // unique), its skin object a copy of the source's, enabled. Answers the
    // new item, null when the source has no element a custom control can
    // be made of.
    TreeHandle Duplicate(const ElementTree& from, TreeHandle source, TreeHandle target);
    // Clear on an item: resets the related parts of its element through
    // the resetter, then refills the page once through the item shown.
    // False (nothing done) when a part to reset cannot be reset.
    bool ClearItem(TreeHandle item, ElementResetter& resetter);
    // Whether Clear is offered on the item and every part it resets can be
    // reset (group roots: offered, nothing to do).
    bool CanClear(TreeHandle item, const ElementResetter& resetter) const;
    // The selection: the item's element to the sink, or an empty page.
    void Select(TreeHandle item);

    // Colour-adjustment marks: each item is in state 1 (left out of an
    // adjustment, the start), 0 (taken in) or 2 (locked: left out whatever
    // its branch is set to).
    int MarkOf(TreeHandle item) const;
    // Every item below the root, parents before their children, in the
    // order the tree shows them.
    std::vector<TreeHandle> Items() const;
    // The state to the item (kept at 2 when locked, unless forced) and then
    // to every item below it by the same rule. -1 only asks the observer
    // to show each item's state again.
    void SetMarkRecursive(TreeHandle item, int state, bool force);
    // A click on the item's mark: its branch switches between 0 and 1; a
    // locked item stays. Nothing while an adjustment runs. False when the
    // click changed nothing.
    bool ClickMark(TreeHandle item);
    // Locks the item's branch, or unlocks it (state 0) when it is locked.
    void ToggleLock(TreeHandle item);
    // While an adjustment runs the marks cannot be clicked.
    void SetColorAdjustMode(bool on);
    bool ColorAdjustMode() const { return colorAdjust_; }
    // Called with each item whose state was set (to draw its mark).
    void SetOnMark(std::function<void(TreeHandle, int)> f) { onMark_ = std::move(f); }

    bool CanRename(TreeHandle item) const;
    ItemKey KeyOf(TreeHandle item) const;
    std::wstring SchemeOf(TreeHandle item) const;
    WORD TypeOf(TreeHandle item) const;
    TreeHandle FolderItemById(WORD id) const;
    TreeHandle Find(const std::wstring& path) const; // texts below the root, '/'-joined

    // An item a line, indented two blanks per level, with its kind (and
    // "on" or "off" where it shows a check box).
    std::vector<std::wstring> Dump() const;

    void SetPageSink(PageSink* sink) { sink_ = sink; }
    // Called on every change of the skin (the document-modified flag).
    void SetOnModified(std::function<void()> f) { onModified_ = std::move(f); }
    const InstanceNumbers& Numbers() const { return numbers_; }

private:
    struct Record {
        ItemKey key;
        WORD type = 0;
        SchemeName scheme; // shared by the element's parts
        bool ownsNumber = false;
        bool ownsObject = false;
        WORD folderId = 0; // a folder's own number
        bool alive = false;
        int mark = 1;
        TreeHandle item = nullptr;
        // The item's link, made on first demand and bound to the element the
        // item shows; its rows are built until a fill frees them. The grid,
        // the export and the colour adjustment borrow it.
        mutable std::shared_ptr<links::CItemLinkObj> link;
        mutable bool linkMade = false;
        mutable bool linkBuilt = false;
    };

    TreeHandle Insert(TreeHandle parent, TreeHandle after, const wchar_t* text, int icon, Record r);
    // The records of the parts a Clear of r's item resets, in the plan's
    // order; parts the element has not are left out.
    std::vector<const Record*> PartsToClear(const Record& r, const ClearPlan& plan) const;
    // The record's link, made, bound and built first where it is not.
    links::CItemLinkObj* EnsureLink(const Record& r) const;
    // Binds the link to the element its item shows (null when the skin has
    // none).
    void BindLink(const Record& r) const;
    // Binds every made link of the element's items again (its object was
    // made).
    void BindLinksOf(WORD type, std::wstring_view scheme);
    // The made links of the items below `top` (inclusive; null: every
    // item) are bound again and their rows freed, to be built on demand.
    void InvalidateLinks(TreeHandle top = nullptr);
    const Record* RecordOf(TreeHandle item) const;
    Record* RecordOf(TreeHandle item);
    TreeHandle ContainerFor(TreeHandle item) const;
    WORD FolderNumberOf(TreeHandle container) const;
    std::wstring FolderPrefix() const;
    // Filling (element_tree_fill.cpp): the items to make are planned as
    // nodes first (node 0 the root), then made.
    struct FillPlan;
    // The node of an item that was there before the fill.
    int PlanNodeOf(FillPlan& plan, TreeHandle item) const;
    // The node's children that were there, read once with their stored order.
    void ReadPlannedChildren(FillPlan& plan, int node) const;
    void PlaceChild(FillPlan& plan, int parent, WORD order, int child) const;
    // The node of the folder with that number: 0 for the root, -1 for none.
    int PlannedFolderById(FillPlan& plan, WORD id) const;
    // The node of the folder the scheme names, its missing levels planned.
    int PlanFolderPath(FillPlan& plan, const std::wstring& scheme);
    void MakePlanned(FillPlan& plan);
    void RenumberSiblings(TreeHandle parent);
    void BuildDefaultTree();
    TreeHandle InsertParts(const std::vector<AdderPart>& parts, WORD type, TreeHandle parent, TreeHandle after,
                           const wchar_t* display, int topIcon, const SchemeName& scheme, bool owner,
                           unsigned number = 0); // 0: the kind's next free number
    TreeHandle AddCustomControl(TreeHandle parent, const Adder& adder, const std::wstring& name);
    // object: the element's object when the caller holds it already.
    TreeHandle AddFromAdder(const Adder& adder, TreeHandle parent, TreeHandle after, const std::wstring& display,
                            const std::wstring& scheme, bool filling, CTwfObj* object = nullptr);
    void Forget(TreeHandle item);
    TreeHandle CopyBranch(TreeHandle item, TreeHandle parent, TreeHandle after);
    bool Contains(TreeHandle branch, TreeHandle item) const;
    bool Rehome(TreeHandle item, TreeHandle container);
    void Modified();

    TreeStore& store_;
    int mode_;
    std::function<CTwfSkin*()> skin_;
    TreeHandle root_ = nullptr;
    std::vector<Record> records_;
    std::map<WORD, TreeHandle> folderItems_; // folder number -> its item
    InstanceNumbers numbers_;
    WORD nextFolderId_ = 1;
    PageSink* sink_ = nullptr;
    // Set while items are taken away: the selection moving through them
    // shows nothing (the page is reset once at the end).
    bool removing_ = false;
    std::function<void()> onModified_;
    std::function<void(WORD, bool)> onCheck_;
    std::function<void(TreeHandle, int)> onMark_;
    bool colorAdjust_ = false;
};

// Whether a click at x (tree client coordinates) falls on an item's mark:
// 16 pixels from the indent times the item's depth, less the horizontal
// scroll position, after the item's state image (its width; 0 when it
// shows none).
bool IsOnMark(int x, int indent, int depth, int scroll, int stateImageWidth);

} // namespace hexmoor::shell
