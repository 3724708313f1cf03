#pragma once
// An element page as data. A page table lists the rows a page can show
// (with what differs when a fill, rather than a build, makes a row), which
// rows and export keys each state's page hands over and in what order, the
// rows a build makes and refreshes, the states the page offers and the
// policies of its commit, its clear, its image display and the element
// object it edits. One engine (page_link.h) runs every table.

#include <array>
#include <optional>
#include <vector>

#include "model/platform/types.h"

class CTwfObj;

namespace hexmoor::links {

// A text of the page: a string-table text, two of them joined by a blank,
// or a literal. An empty label is none.
struct Label {
    UINT id = 0;
    UINT second = 0;
    const wchar_t* literal = nullptr;

    bool IsSet() const { return id != 0 || literal != nullptr; }
};

constexpr Label Text(UINT id) { return Label{id, 0, nullptr}; }
constexpr Label Joined(UINT first, UINT second) { return Label{first, second, nullptr}; }
constexpr Label Literal(const wchar_t* text) { return Label{0, 0, text}; }

// A packed pair of 16-bit halves shown as two child rows (X and Y, Width and
// Height, cx and cy) and written back by the page itself.
struct PairSpec {
    WORD pairId = 0;
    Label first;
    Label second;
    int childKind = 1; // 1 digits only, or 8 a signed number
    // The children carry the pair's id as their id and base-state id (else 0).
    bool childrenCarryPairId = false;
    // Halves shown as signed 16-bit numbers (else 0 to 65535).
    bool isSigned = false;
};

// When a pair group gets its children during a fill.
enum class PairChildren {
    kAlways,    // before the group is handed over (a sink gets them too)
    kWhenShown, // only once the group stands in the grid
};

// What a fill does with a group's expansion after handing the group over.
enum class GroupExpansion {
    kReapply,   // a group the user had opened is opened again
    kCollapsed, // the group is shown closed (and is marked closed)
};

// When a fill sets a row's value text.
enum class FillText {
    kByKind,   // choice rows every fill, number rows in a group when made, others never
    kNever,    // only builds set it
    kOnCreate, // when the fill makes the row
    kAlways,   // on every fill
};

// An element field that a row edits in place of a map entry (kind 1).
struct FieldAccess {
    DWORD (*get)(const CTwfObj& object) = nullptr;
    void (*set)(CTwfObj& object, DWORD value) = nullptr;
};

// A key handed to an export sink for a value the grid shows as child rows.
struct ExportKey {
    const wchar_t* name = nullptr;
    int kind = 1;
    WORD id = 0;
};

inline constexpr int kNoRow = -1;
inline constexpr int kSameBaseId = -1;

struct RowSpec {
    Label label;
    int kind = 0;
    WORD id = 0;
    WORD baseId = 0;
    // The label and base-state id a fill gives the row when it makes it
    // (unset: the same as a build's).
    Label fillLabel;
    int fillBaseId = kSameBaseId;
    Label choices;
    int maximum = -1;
    // The row (a group, or a choice row made expandable) this row is a
    // child of; the parent owns it.
    int parent = kNoRow;
    // A group row: expandable; its children are the table's rows naming it
    // as parent, or the two children of its pair.
    bool expandable = false;
    FillText fillText = FillText::kByKind;
    // A pair shown as the row's two children. On a category row the
    // children always exist; on a choice row they exist while the row's
    // number equals pairEntry.
    std::optional<PairSpec> pair;
    int pairEntry = -1;
    PairChildren pairChildren = PairChildren::kAlways;
    GroupExpansion expansion = GroupExpansion::kReapply;
    // A choice row's key, handed over while the row holds pairEntry.
    ExportKey keyWhileHolding;
    FieldAccess field;
};

// One step of a state's page.
struct FillStep {
    enum Op {
        kRow,      // make if missing, register, hand over (a group with its children)
        kKey,      // hand an export key to the sink
        kPairStep, // show or drop the pair children of a choice row shown by its group
    };
    Op op = kRow;
    int row = kNoRow;
    ExportKey key;
};

constexpr FillStep Row(int row) { return FillStep{FillStep::kRow, row, {}}; }
constexpr FillStep Key(const wchar_t* name, int kind, WORD id) {
    return FillStep{FillStep::kKey, kNoRow, {name, kind, id}};
}
constexpr FillStep PairStep(int row) { return FillStep{FillStep::kPairStep, row, {}}; }

// The state buttons a page declares when it is shown after a selection.
struct StateDecl {
    enum Mode {
        kList,        // the listed states' buttons (the requested one falls back to 0)
        kNoneButGrid, // no button, the grid shown all the same (state 0 is filled)
        kHideAll,     // a node without rows: every fill in the grid hides the state
                      // bar, the grid and the options
    };
    Mode mode = kList;
    std::vector<int> states;
};

// What the page's clear (a reset of the element) does.
struct ClearStep {
    enum Op { kRemoveImage, kRemoveColor, kStoreZero };
    Op op;
    WORD id;
};

enum class LegacyClear {
    kNone,
    kMenuBar,  // the menu bar's layout fields of old files
    kClose,    // the close button's size and offset
    kRestore,  // the restore button's size and offset
    kMinimize, // the minimize button's size and offset
};

struct ClearSpec {
    enum Mode {
        kWholeElement, // the base's: every image, colour, number and the font
        kSteps,        // the steps, in order; the result is the last removal's
    };
    Mode mode = kWholeElement;
    std::vector<ClearStep> steps;
    LegacyClear legacy = LegacyClear::kNone;
};

// Which pairs a commit writes back.
enum class PairCommit {
    kNone,
    kAll,      // every pair group's two halves, whatever row was edited
    kSelected, // the pair whose id is the selected row's base-state id
};

// How a selected image row is shown on the image-options page.
enum class ImageDisplay {
    kNone,
    kCommon,       // options enabled, loaded by the row's text, then the preview
    kPreviewFirst, // the preview for any row; options only for image rows
};

// The element object the page edits, given the one its tree item stands for.
enum class PageTarget {
    kElement,
    kMenuBar, // a window frame's menu bar
    kTopSide, // a window frame's top side
};

struct PageTable {
    const char* className = "";
    Label element; // the caption's element name
    StateDecl states;
    std::vector<RowSpec> rows;
    std::array<std::vector<FillStep>, 5> fills;
    // The rows a build makes and refreshes, in order (a group with its
    // children).
    std::vector<int> build;
    PageTarget target = PageTarget::kElement;
    ImageDisplay image = ImageDisplay::kCommon;
    ClearSpec clear;
    PairCommit pairCommit = PairCommit::kNone;
    // The pair group whose pair follows the size of an image stored
    // through the link (kNoRow: none).
    int sizeFollowsImage = kNoRow;
};

} // namespace hexmoor::links
