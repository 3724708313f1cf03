#include "editor/links/grid_model.h"

#include <cstdlib>

#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "editor/links/value_text.h"

namespace hexmoor::links {

EditorKind EditorForKind(int kind) {
    switch (kind) {
    case kKindChoice: return EditorKind::kChoice;
    case kKindNumber:
    case kKindSigned:
    case kKindSize:
    case kKindFixed:
    case kKindLowHalf:
    case kKindHighHalf: return EditorKind::kEdit;
    case kKindColor: return EditorKind::kColor;
    case kKindCategory: return EditorKind::kNone;
    default: return EditorKind::kButton;
    }
}

CPropertyItem* PropertyGridModel::Item(int index) const {
    if (index < 0 || index >= Count()) return nullptr;
    return lines_[static_cast<size_t>(index)];
}

void PropertyGridModel::InsertLine(int index, CPropertyItem* row) {
    lines_.insert(lines_.begin() + index, row);
    if (openRow_ >= index) ++openRow_;
    if (view_) view_->LinesInserted(index, 1);
}

void PropertyGridModel::DeleteLines(int index, int count) {
    if (index < 0 || index >= Count() || count <= 0) return;
    if (count > Count() - index) count = Count() - index;
    lines_.erase(lines_.begin() + index, lines_.begin() + index + count);
    if (openRow_ >= index + count)
        openRow_ -= count;
    else if (openRow_ >= index)
        openRow_ = -1;
    if (view_) view_->LinesDeleted(index, count);
}

int PropertyGridModel::InsertItem(CPropertyItem* row, int index) {
    if (index < 0 || index > Count()) index = Count();
    InsertLine(index, row);
    return index;
}

void PropertyGridModel::ClearProperties() {
    if (openEditor_ != EditorKind::kNone && view_) view_->CommitOpenEditor();
    openEditor_ = EditorKind::kNone;
    // An empty list has no selected line.
    openRow_ = -1;
    lines_.clear();
    if (view_) view_->LinesReset();
}

int PropertyGridModel::VisibleDescendants(const CPropertyItem* row) const {
    int count = 0;
    for (int i = 0; i < row->ChildCount(); ++i) {
        const CPropertyItem* child = row->Child(i);
        ++count;
        if (child->IsExpandable() && child->IsExpanded()) count += VisibleDescendants(child);
    }
    return count;
}

int PropertyGridModel::ExpandItem(int index, bool expand) {
    CPropertyItem* row = Item(index);
    if (!row || !row->IsExpandable()) return 0;
    if (!expand) {
        // A group already collapsed has no visible descendants to remove.
        if (row->IsExpanded()) DeleteLines(index + 1, VisibleDescendants(row));
        row->SetExpanded(FALSE);
        return 0;
    }
    if (row->IsExpanded()) {
        // Expanding again would show the children twice: take them away first.
        DeleteLines(index + 1, VisibleDescendants(row));
    }
    int inserted = 0;
    for (int i = 0; i < row->ChildCount(); ++i) {
        CPropertyItem* child = row->Child(i);
        const int at = index + 1 + inserted;
        InsertLine(at, child);
        ++inserted;
        if (child->IsExpandable() && child->IsExpanded()) {
            child->SetExpanded(FALSE);
            inserted += ExpandItem(at, true);
        }
    }
    row->SetExpanded(TRUE);
    return inserted;
}

int PropertyGridModel::FindItemRow(const CPropertyItem* row) const {
    if (!row) return -1;
    for (size_t i = 0; i < lines_.size(); ++i)
        if (lines_[i] == row) return static_cast<int>(i);
    return -1;
}

void PropertyGridModel::InvalidateItem(const CPropertyItem* row) {
    const int index = FindItemRow(row);
    if (index >= 0 && view_) view_->InvalidateLine(index);
}

void PropertyGridModel::DropRowsOf(const void* owner) {
    for (const CPropertyItem* row : lines_) {
        if (row && row->Owner() == owner) {
            ClearProperties();
            openRow_ = -1;
            return;
        }
    }
}

void PropertyGridModel::SetSelectedIndex(int index) {
    openRow_ = Item(index) ? index : -1;
    edited_ = false;
    if (view_) view_->LineSelected(openRow_);
}

EditorKind PropertyGridModel::Select(int index) {
    CPropertyItem* row = Item(index);
    if (!row) return EditorKind::kNone;
    openEditor_ = EditorKind::kNone;
    openRow_ = index;
    edited_ = false;
    openEditor_ = EditorForKind(row->Kind());
    return openEditor_;
}

int PropertyGridModel::TabTarget(bool backward) const {
    const int count = Count();
    if (count == 0) return -1;
    if (backward) return openRow_ <= 0 ? count - 1 : openRow_ - 1;
    return openRow_ < 0 || openRow_ >= count - 1 ? 0 : openRow_ + 1;
}

namespace {

CItemLinkObj* Current() { return Links().current; }

} // namespace

void PropertyGridModel::CommitNumberValue(CPropertyItem* row, bool refresh) {
    const int n = ParseInt(row->Value());
    if (Current()) Current()->SetNumberValue(row->Id(), static_cast<DWORD>(n));
    SetDocumentModified();
    row->SetIntValue(n);
    if (refresh) {
        if (view_) view_->InvalidateAll();
        RefreshPreview();
    }
}

void PropertyGridModel::CommitFixedNumber(CPropertyItem* row, bool refresh) {
    const double x = ParseFixed(row->Value());
    if (Current()) Current()->SetNumberFixed(row->Id(), x);
    SetDocumentModified();
    row->SetValue(FixedText(x));
    if (refresh) {
        if (view_) view_->InvalidateAll();
        RefreshPreview();
    }
}

void PropertyGridModel::CommitHalfNumber(CPropertyItem* row, bool low, bool refresh) {
    // A half keeps 16 bits: the row shows what is stored.
    const WORD n = static_cast<WORD>(ParseInt(row->Value()));
    if (Current()) Current()->SetNumberHalf(row->Id(), n, low ? TRUE : FALSE);
    SetDocumentModified();
    row->SetIntValue(n);
    if (refresh) {
        if (view_) view_->InvalidateAll();
        RefreshPreview();
    }
}

void PropertyGridModel::CommitSignedNumber(CPropertyItem* row, const std::wstring& editText, bool refresh) {
    if (!IsWholeSignedText(editText)) return;
    const int n = ParseInt(editText);
    row->SetIntValue(n);
    if (row->Value() != editText && view_) {
        const bool modified = IsDocumentModified();
        view_->EditTextRewritten(row->Value());
        RestoreDocumentModified(modified);
    }
    if (Current()) Current()->CommitEditedValues(this);
    SetDocumentModified();
    if (refresh) {
        if (view_) view_->InvalidateAll();
        RefreshPreview();
    }
}

void PropertyGridModel::EditChanged(const std::wstring& typed) {
    CPropertyItem* row = OpenItem();
    if (!row) return;
    std::wstring text = typed;
    if (text == row->Value()) return;
    edited_ = true;
    if (!text.empty() && row->Maximum() >= 0 && ParseInt(text) > row->Maximum()) {
        text = std::to_wstring(row->Maximum());
        if (view_) {
            const bool modified = IsDocumentModified();
            view_->EditTextRewritten(text);
            RestoreDocumentModified(modified);
        }
    }
    row->SetValue(text);
    if (view_) view_->InvalidateLine(openRow_);
    switch (row->Kind()) {
    case kKindSize: CommitNumberValue(row, false); break;
    case kKindSigned: CommitSignedNumber(row, text, false); break;
    case kKindFixed: CommitFixedNumber(row, false); break;
    case kKindLowHalf:
    case kKindHighHalf: CommitHalfNumber(row, row->Kind() == kKindLowHalf, true); break;
    default:
        if (Current()) Current()->CommitEditedValues(this);
        break;
    }
    SetDocumentModified();
    RefreshPreview();
}

void PropertyGridModel::EditLeft(const std::wstring& text) {
    CPropertyItem* row = OpenItem();
    // Typing commits as it goes: the row may already hold the text it is
    // left with, and a text that could not be committed while typing (an
    // empty text, a lone "-") is committed now.
    if (row && (text != row->Value() || edited_)) {
        SetDocumentModified();
        row->SetValue(text);
        switch (row->Kind()) {
        case kKindSize: CommitNumberValue(row, false); break;
        case kKindSigned:
            if (text.empty() || text == L"-") {
                // Stored as "0" through the link's own commit, which writes
                // only this row's value (a half of a pair stays a half).
                row->SetValue(L"0");
                if (Current()) Current()->CommitEditedValues(this);
            } else {
                CommitSignedNumber(row, text, false);
            }
            break;
        case kKindFixed: CommitFixedNumber(row, false); break;
        case kKindLowHalf:
        case kKindHighHalf: CommitHalfNumber(row, row->Kind() == kKindLowHalf, true); break;
        default:
            if (Current()) Current()->CommitEditedValues(this);
            break;
        }
    }
    if (row && Current()) {
        if (auto stored = Current()->StoredRowText(*row)) row->SetValue(*stored);
        if (view_) view_->InvalidateLine(openRow_);
    }
    openEditor_ = EditorKind::kNone;
    edited_ = false;
}

void PropertyGridModel::ChoiceChosen(const std::wstring& text) {
    CPropertyItem* row = OpenItem();
    if (row && row->Kind() == kKindChoice) {
        row->SetValue(text);
        if (Current()) Current()->CommitEditedValues(this);
        SetDocumentModified();
    }
    RefreshPreview();
}

void PropertyGridModel::SetSelectedColor(COLORREF color) {
    if (color == 0xFFFFFFFEu) return;
    CPropertyItem* row = OpenItem();
    if (!row) return;
    if (CItemLinkObj* link = Current()) {
        link->SetColor(row->Id(), color);
        link->RenewSnapshot();
    }
    if (Links().colorAdjust) Links().colorAdjust->SetCurrentColor(color);
    SetDocumentModified();
    row->SetValue(ColorText(color));
    if (view_) view_->InvalidateAll();
    RefreshPreview();
}

// --- geometry ----------------------------------------------------------------

int DividerOrDefault(int divider, const RECT& item) { return divider != 0 ? divider : (item.right - item.left) / 2; }

RECT LabelCell(const RECT& item, int divider) {
    RECT r = item;
    r.right = divider + 1;
    return r;
}

RECT ValueCell(const RECT& item, int divider) {
    RECT r = item;
    r.left = divider;
    return r;
}

RECT LabelTextRect(const RECT& labelCell) {
    return RECT{labelCell.left + 3, labelCell.top + 3, labelCell.right - 3, labelCell.bottom + 3};
}

int LabelIndent(const CPropertyItem& row, int glyphWidth) {
    return row.IsExpandable() || row.Parent() ? glyphWidth + 2 : 0;
}

RECT ExpandGlyphRect(const CPropertyItem& row, const RECT& textRect, int glyphWidth) {
    int b = textRect.left + glyphWidth + 2;
    int p = b;
    for (const CPropertyItem* a = row.Parent(); a; a = a->Parent()) {
        p = b;
        if (a->IsExpandable()) b += glyphWidth / 2;
    }
    return RECT{textRect.left + (b - p), textRect.top, b, textRect.bottom};
}

bool NearDivider(int x, int divider) { return std::abs(x - divider) <= 5; }

int ClampDivider(int x, int left, int right) {
    if (x < left + 10) x = left + 10;
    if (x > right - 10) x = right - 10;
    return x;
}

RECT EditRect(const RECT& v) { return RECT{v.left + 2, v.top + 2, v.right, v.bottom}; }

RECT ButtonRect(const RECT& v) {
    RECT r{v.left, v.top + 2, v.right, v.bottom};
    if (v.right - v.left > 20) r.left = v.right - 20;
    return r;
}

RECT DropDownRect(const RECT& v) { return RECT{v.left, v.top, v.right, v.bottom + 300}; }

bool PointInRect(const RECT& r, int x, int y) { return x >= r.left && x < r.right && y >= r.top && y < r.bottom; }

} // namespace hexmoor::links
