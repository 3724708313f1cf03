#pragma once
// The property grid without its window: the rows it shows (pointers into the
// current link's rows, never owned), expanding and collapsing groups, the
// selected and open row, which in-place editor a row gets, how a typed or
// chosen value is committed through the current link, Tab wrapping and the
// geometry of a drawn row. The grid window mirrors this model in an
// owner-drawn list box (one list line per model row) and opens the editors
// the model asks for.

#include <string>
#include <vector>

#include "editor/links/property_item.h"
#include "model/platform/types.h"

namespace hexmoor::links {

enum class EditorKind { kNone, kChoice, kColor, kEdit, kButton };

// The editor a row of the kind opens.
EditorKind EditorForKind(int kind);

// What the window does when the model changes.
class GridView {
public:
    virtual ~GridView() = default;
    virtual void LinesInserted(int index, int count) {}
    virtual void LinesDeleted(int index, int count) {}
    virtual void LinesReset() {}
    // An open editor is to commit and close (it is sent its kill focus).
    virtual void CommitOpenEditor() {}
    virtual void InvalidateLine(int index) {}
    virtual void InvalidateAll() {}
    // The list box's selection follows the model.
    virtual void LineSelected(int index) {}
    // The edit shows a text the model rewrote (clamped or reformatted).
    virtual void EditTextRewritten(const std::wstring& text) {}
};

class PropertyGridModel {
public:
    void SetView(GridView* view) { view_ = view; }

    // --- lines ---------------------------------------------------------------
    // Inserts the row at index (-1 appends); returns its index.
    int InsertItem(CPropertyItem* row, int index);
    // Commits and closes an open editor, then empties the list.
    void ClearProperties();
    // Expands (inserting the children, nested expanded groups too) or
    // collapses (removing every visible descendant) the group at index;
    // returns the number of lines inserted (0 when collapsing, for a line
    // without a row or a row that is not a group).
    int ExpandItem(int index, bool expand);
    int FindItemRow(const CPropertyItem* row) const;
    int Count() const { return static_cast<int>(lines_.size()); }
    CPropertyItem* Item(int index) const;
    // Redraws the line showing the row, if any.
    void InvalidateItem(const CPropertyItem* row);
    // Empties the list when it shows any row of this owner (a link about to
    // free its rows).
    void DropRowsOf(const void* owner);

    // --- selection and editors -----------------------------------------------
    int GetSelectedIndex() const { return openRow_; }
    // Selects the line without opening an editor.
    void SetSelectedIndex(int index);
    // The selection moved to index: the open editor closes and the row's
    // editor is the one to open (kNone for a category or no row).
    EditorKind Select(int index);
    EditorKind OpenEditor() const { return openEditor_; }
    void CloseEditor() {
        openEditor_ = EditorKind::kNone;
        edited_ = false;
    }
    CPropertyItem* OpenItem() const { return Item(openRow_); }
    // The line Tab (or Shift+Tab) moves to, wrapping at either end.
    int TabTarget(bool backward) const;

    // --- commits (the open row, through the current link) --------------------
    // Every change of the edit's text.
    void EditChanged(const std::wstring& text);
    // The edit loses the focus with this text; the row then shows what the
    // element stores.
    void EditLeft(const std::wstring& text);
    // A choice row's drop-down confirmed this entry.
    void ChoiceChosen(const std::wstring& text);
    // The colour drop-down confirmed this colour (0xFFFFFFFE: nothing chosen).
    void SetSelectedColor(COLORREF color);

    // The commit operations by kind, reading the row's value text.
    void CommitNumberValue(CPropertyItem* row, bool refresh);
    void CommitFixedNumber(CPropertyItem* row, bool refresh);
    void CommitHalfNumber(CPropertyItem* row, bool low, bool refresh);
    // Reads the edit's text: nothing for a text that is not a whole number.
    void CommitSignedNumber(CPropertyItem* row, const std::wstring& editText, bool refresh);

private:
    void InsertLine(int index, CPropertyItem* row);
    void DeleteLines(int index, int count);
    int VisibleDescendants(const CPropertyItem* row) const;

    std::vector<CPropertyItem*> lines_;
    int openRow_ = -1;
    EditorKind openEditor_ = EditorKind::kNone;
    // The open editor's text was changed since the row was selected.
    bool edited_ = false;
    GridView* view_ = nullptr;
};

// --- geometry of a drawn row (client pixels) ---------------------------------
// The divider: half the row's width until it is placed.
int DividerOrDefault(int divider, const RECT& item);
RECT LabelCell(const RECT& item, int divider);
RECT ValueCell(const RECT& item, int divider);
// The label's text rectangle before the indent of grouped rows.
RECT LabelTextRect(const RECT& labelCell);
// The indent of a group row or a child row: glyph width + 2.
int LabelIndent(const CPropertyItem& row, int glyphWidth);
// The expand glyph's hit rectangle of a row, from its unindented text rectangle.
RECT ExpandGlyphRect(const CPropertyItem& row, const RECT& textRect, int glyphWidth);
// True when x is within 5 pixels of the divider.
bool NearDivider(int x, int divider);
// A dragged divider stays 10 pixels inside either edge.
int ClampDivider(int x, int left, int right);
// Where the editors sit over a value cell.
RECT EditRect(const RECT& valueCell);
RECT ButtonRect(const RECT& valueCell);
RECT DropDownRect(const RECT& valueCell);
bool PointInRect(const RECT& rect, int x, int y);

} // namespace hexmoor::links
