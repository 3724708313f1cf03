#include "editor/links/page_link.h"

#include <cstdint>
#include <unordered_map>

#include "editor/links/grid_model.h"
#include "editor/links/link_strings.h"
#include "editor/links/value_text.h"
#include "model/elements/wnd_frame.h"
#include "resources/property_grid_ids.h"

namespace hexmoor::links {

std::wstring LabelText(const Label& label) {
    if (label.literal) return label.literal;
    if (label.id == 0) return {};
    std::wstring text = LinkString(label.id);
    if (label.second != 0) text += L" " + LinkString(label.second);
    return text;
}

const std::wstring& LastingLabelText(const Label& label) {
    struct Key {
        unsigned generation;
        UINT id;
        UINT second;
        const wchar_t* literal;
        bool operator==(const Key&) const = default;
    };
    struct KeyHash {
        std::size_t operator()(const Key& k) const {
            std::uint64_t h = reinterpret_cast<std::uintptr_t>(k.literal);
            for (std::uint64_t part : {std::uint64_t{k.id}, std::uint64_t{k.second}, std::uint64_t{k.generation}})
                h = h * 1000003u + part;
            return static_cast<std::size_t>(h ^ (h >> 32));
        }
    };
    // Entries are never removed: rows keep pointing at them. The texts of
    // every provider installed stay, a few hundred short strings each.
    static std::unordered_map<Key, std::wstring, KeyHash> texts;
    const Key key{label.literal ? 0u : LinkStringGeneration(), label.id, label.second, label.literal};
    auto it = texts.find(key);
    if (it == texts.end()) it = texts.emplace(key, LabelText(label)).first;
    return it->second;
}

// The text of a colour, shared by the rows that show it: skins use few
// colours, so the texts of the first few thousand are kept for the
// program's life; a row showing any other gets its own copy.
RowText SharedColorText(COLORREF color) {
    constexpr std::size_t kMostKept = 4096;
    static std::unordered_map<COLORREF, std::wstring> texts;
    auto it = texts.find(color);
    if (it != texts.end()) return RowText::Lasting(it->second);
    if (texts.size() >= kMostKept) return ColorText(color);
    return RowText::Lasting(texts.emplace(color, ColorText(color)).first->second);
}

namespace {

FillText Resolved(const RowSpec& spec) {
    if (spec.fillText != FillText::kByKind) return spec.fillText;
    if (spec.kind == kKindChoice) return FillText::kAlways;
    if (spec.kind == kKindSize && spec.parent != kNoRow) return FillText::kOnCreate;
    return FillText::kNever;
}

bool IsPairGroup(const RowSpec& spec) { return spec.pair && spec.kind == kKindCategory; }
bool IsChoicePair(const RowSpec& spec) { return spec.pair && spec.kind == kKindChoice; }
// A group whose children are rows of the table.
bool HasTableChildren(const RowSpec& spec) { return spec.expandable && !spec.pair; }

} // namespace

CPageLink::CPageLink(const PageTable& table, TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)), table_(table) {
    // Every table row, the two halves of every pair and the array of
    // children of every group can stand at once.
    size_t places = table.rows.size();
    for (const RowSpec& row : table.rows) {
        if (row.pair) places += 2;
        if (IsPairGroup(row) || HasTableChildren(row)) ++places;
    }
    ExpectRows(places);
    // The slots and the row map share the rows' first block (a row map
    // holds at most one entry per table row).
    if (const size_t count = table.rows.size()) {
        auto* first = static_cast<Slot*>(MakeRowStore(count * sizeof(Slot), count));
        std::uninitialized_value_construct_n(first, count);
        slots_ = {first, count};
    }
}

CPageLink::~CPageLink() {
    FreePropertyItems();
    std::destroy(slots_.begin(), slots_.end());
}

CPropertyItem* CPageLink::Row(int index) const {
    return index >= 0 && index < static_cast<int>(slots_.size()) ? slots_[static_cast<size_t>(index)].row : nullptr;
}

int CPageLink::IndexOf(const CPropertyItem* row) const {
    if (!row) return kNoRow;
    for (size_t i = 0; i < slots_.size(); ++i)
        if (slots_[i].row == row) return static_cast<int>(i);
    return kNoRow;
}

CItemLinkObj* CPageLink::SetTwfObj(CTwfObj* object) {
    // A part of a window frame is bound through its frame; anything else
    // (no object, or not a frame) binds nothing.
    auto* frame = dynamic_cast<CTwfWndFrame*>(object);
    switch (table_.target) {
    case PageTarget::kElement: return CItemLinkObj::SetTwfObj(object);
    case PageTarget::kMenuBar: return CItemLinkObj::SetTwfObj(frame ? frame->GetMenuBar() : nullptr);
    case PageTarget::kTopSide: return CItemLinkObj::SetTwfObj(frame ? frame->GetTopSide() : nullptr);
    }
    return this;
}

void CPageLink::FreePropertyItems() {
    ForgetRows();
    for (Slot& slot : slots_) {
        slot.row = nullptr;
        slot.owned.reset();
    }
}

// --- values ----------------------------------------------------------------------

std::wstring CPageLink::PairHalfText(const PairSpec& pair, bool low) const {
    const DWORD n = object_ ? object_->GetNumber(pair.pairId) : 0;
    const WORD half = static_cast<WORD>(low ? n & 0xFFFF : n >> 16);
    return pair.isSigned ? std::to_wstring(static_cast<short>(half)) : std::to_wstring(half);
}

RowText CPageLink::ValueText(int index) const {
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    const CTwfObj* o = object_;
    switch (spec.kind) {
    case kKindImage:
        return RowText::Lasting(
            LastingLabelText(Text(o && o->HasImage(spec.id) ? IDS_LINK_INSERTED : IDS_LINK_NO_IMAGE)));
    case kKindColor: return SharedColorText(o ? o->GetColor(spec.id) : 0);
    case kKindSize: return std::to_wstring(static_cast<int>(o ? o->GetNumber(spec.id) : 0));
    case kKindChoice:
        return GetChoiceText(LastingLabelText(spec.choices), static_cast<int>(o ? o->GetNumber(spec.id) : 0));
    case kKindFont:
        if (o && o->GetFont()) return o->GetFont()->GetLogFontRef().lfFaceName;
        return L"Default Font";
    case kKindRegion: {
        auto* side = dynamic_cast<const CTwfSideFrame*>(o);
        return RowText::Lasting(
            LastingLabelText(Text(side && side->HasRegionOptions(spec.id) ? IDS_LINK_REGION : IDS_LINK_NO_REGION)));
    }
    case kKindNumber:
        if (spec.field.get) return std::to_wstring(static_cast<int>(o ? spec.field.get(*o) : 0));
        return {};
    default: return {};
    }
}

bool CPageLink::Holds(int index) const {
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    const DWORD n = object_ ? object_->GetNumber(spec.id) : 0;
    return static_cast<int>(n) == spec.pairEntry;
}

std::optional<std::wstring> CPageLink::StoredRowText(const CPropertyItem& row) const {
    if (const CPropertyItem* parent = row.Parent()) {
        const int p = IndexOf(parent);
        if (p != kNoRow && table_.rows[static_cast<size_t>(p)].pair) {
            const int child = parent->IndexOfChild(&row);
            if (child == 0 || child == 1) return PairHalfText(*table_.rows[static_cast<size_t>(p)].pair, child == 0);
        }
    }
    const int i = IndexOf(&row);
    if (i != kNoRow && table_.rows[static_cast<size_t>(i)].field.get) return ValueText(i).Get();
    return CItemLinkObj::StoredRowText(row);
}

// --- making rows -------------------------------------------------------------------

CPropertyItem* CPageLink::Ensure(int index, bool byFill) {
    if (CPropertyItem* row = Row(index)) return row;
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    if (spec.parent != kNoRow) {
        // A child is made with its siblings when its group first gets them.
        Ensure(spec.parent, byFill);
        EnsureChildren(spec.parent, byFill);
        return Row(index);
    }
    const Label& label = byFill && spec.fillLabel.IsSet() ? spec.fillLabel : spec.label;
    const WORD base = byFill && spec.fillBaseId != kSameBaseId ? static_cast<WORD>(spec.fillBaseId) : spec.baseId;
    std::unique_ptr<CPropertyItem> row = MakeTableRow(label, RowText(), spec, nullptr, base);
    if (byFill && Resolved(spec) != FillText::kNever) row->SetValue(ValueText(index));
    Slot& slot = slots_[static_cast<size_t>(index)];
    slot.row = row.get();
    slot.owned = std::move(row);
    return slot.row;
}

void CPageLink::EnsureChildren(int index, bool byFill) {
    CPropertyItem* group = Row(index);
    if (!group || group->ChildCount() > 0) return;
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    if (IsPairGroup(spec)) {
        AddPairChildren(*group, *spec.pair);
        return;
    }
    int count = 0;
    for (const RowSpec& child : table_.rows) count += child.parent == index ? 1 : 0;
    group->ReserveChildren(count);
    for (size_t j = 0; j < table_.rows.size(); ++j) {
        const RowSpec& child = table_.rows[j];
        if (child.parent != index) continue;
        const Label& label = byFill && child.fillLabel.IsSet() ? child.fillLabel : child.label;
        const WORD base =
            byFill && child.fillBaseId != kSameBaseId ? static_cast<WORD>(child.fillBaseId) : child.baseId;
        auto row = MakeTableRow(label, RowText(), child, group, base);
        slots_[j].row = row.get();
        if (byFill && Resolved(child) != FillText::kNever) row->SetValue(ValueText(static_cast<int>(j)));
        group->AddChild(std::move(row));
    }
}

std::unique_ptr<CPropertyItem> CPageLink::MakeTableRow(const Label& label, RowText value, const RowSpec& spec,
                                                       CPropertyItem* parent, WORD baseId) {
    auto row = MakeRow(RowText::Lasting(LastingLabelText(label)), std::move(value), spec.kind,
                       RowText::Lasting(LastingLabelText(spec.choices)), spec.id, spec.expandable, parent, baseId);
    row->SetMaximum(spec.maximum);
    return row;
}

void CPageLink::AddPairChildren(CPropertyItem& row, const PairSpec& pair) {
    const WORD id = pair.childrenCarryPairId ? pair.pairId : 0;
    row.ReserveChildren(2);
    for (bool low : {true, false}) {
        RowSpec half;
        half.kind = pair.childKind;
        half.id = id;
        row.AddChild(MakeTableRow(low ? pair.first : pair.second, PairHalfText(pair, low), half, &row, id));
    }
}

void CPageLink::RefreshPairChildren(CPropertyItem& row, const PairSpec& pair) {
    for (int c = 0; c < row.ChildCount() && c < 2; ++c) row.Child(c)->SetValue(PairHalfText(pair, c == 0));
}

void CPageLink::DropChildren(CPropertyItem& row) {
    const int line = FindListItem(&row);
    if (line >= 0 && row.IsExpanded()) ExpandListItem(line, FALSE);
    // The grid may still show a child (the row closed elsewhere): it lets go
    // of this link's rows before they go.
    for (int c = 0; c < row.ChildCount(); ++c)
        if (FindListItem(row.Child(c)) >= 0) Links().grid->DropRowsOf(this);
    row.ClearChildren();
    row.SetExpanded(FALSE);
    row.SetExpandable(FALSE);
}

void CPageLink::RegisterRow(int index) {
    CPropertyItem* row = Row(index);
    if (row && row->Id() != 0) RegisterPropertyItem(row);
}

// --- fill ---------------------------------------------------------------------------

void CPageLink::SyncChoicePair(int index, bool byFill, void* context) {
    CPropertyItem* row = Row(index);
    if (!row) return;
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    if (!Holds(index)) {
        if (row->ChildCount() > 0 || row->IsExpandable()) DropChildren(*row);
        return;
    }
    if (byFill && spec.keyWhileHolding.name)
        AddExportGroupKey(spec.keyWhileHolding.name, spec.keyWhileHolding.kind, spec.keyWhileHolding.id, context);
    // A fill shows the children where they can be seen: to a sink, or in the
    // grid under a row the grid shows.
    if (byFill && GetOutputMode() != 1 && FindListItem(row) < 0) return;
    row->SetExpandable(TRUE);
    if (row->ChildCount() == 0)
        AddPairChildren(*row, *spec.pair);
    else if (!byFill)
        RefreshPairChildren(*row, *spec.pair);
    if (byFill) {
        const int line = FindListItem(row);
        if (line >= 0) ExpandListItem(line, row->IsExpanded());
    } else {
        RedrawListItem(row);
    }
}

void CPageLink::FillRow(int index, void* context) {
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    CPropertyItem* row = Ensure(index, true);
    if (Resolved(spec) == FillText::kAlways) row->SetValue(ValueText(index));
    if (HasTableChildren(spec)) {
        EnsureChildren(index, true);
        for (size_t j = 0; j < table_.rows.size(); ++j) {
            if (table_.rows[j].parent != index || !slots_[j].row) continue;
            if (Resolved(table_.rows[j]) == FillText::kAlways) slots_[j].row->SetValue(ValueText(static_cast<int>(j)));
            RegisterRow(static_cast<int>(j));
        }
    }
    if (IsPairGroup(spec) && spec.pairChildren == PairChildren::kAlways) EnsureChildren(index, true);
    // A group shown closed is marked closed, so that the grid's next click
    // on its glyph opens it instead of removing lines below it.
    if (spec.expandable && spec.expansion == GroupExpansion::kCollapsed) row->SetExpanded(FALSE);
    RegisterRow(index);
    AddPropertyItem(row, context, -1);
    if (IsPairGroup(spec) && spec.pairChildren == PairChildren::kWhenShown && FindListItem(row) >= 0)
        EnsureChildren(index, true);
    if (spec.expandable && spec.expansion == GroupExpansion::kReapply) {
        const int line = FindListItem(row);
        if (line >= 0) ExpandListItem(line, row->IsExpanded());
    }
    if (IsChoicePair(spec)) SyncChoicePair(index, true, context);
}

BOOL CPageLink::FillPropertyPage(int state, void* context) {
    SetElementCaption(LabelText(table_.element));
    ClearPropertyList();
    if (table_.states.mode == StateDecl::kHideAll) {
        // Whatever state is asked for; an export is handed nothing and
        // leaves the pane as it is.
        if (GetOutputMode() == 0) ShowStateButtons(false, {0, 1, 2, 3, 4});
        return 1;
    }
    if (state & kFirstShowFlag) {
        state &= ~kFirstShowFlag;
        BOOL result = 0;
        if (table_.states.mode == StateDecl::kList) {
            ShowStateButtons(true, table_.states.states);
        } else {
            ShowStateButtons(true, std::span<const int>());
            if (Links().host) Links().host->ShowPage(true);
        }
        if (!IsStateShown(state, &result)) return result;
    }
    if (state < 0 || state >= kStateCount) return 1;
    for (const FillStep& step : table_.fills[static_cast<size_t>(state)]) {
        switch (step.op) {
        case FillStep::kRow: FillRow(step.row, context); break;
        case FillStep::kKey: AddExportGroupKey(step.key.name, step.key.kind, step.key.id, context); break;
        case FillStep::kPairStep: SyncChoicePair(step.row, true, context); break;
        }
    }
    return 1;
}

// --- build --------------------------------------------------------------------------

void CPageLink::BuildRow(int index) {
    const RowSpec& spec = table_.rows[static_cast<size_t>(index)];
    CPropertyItem* row = Ensure(index, false);
    if (spec.kind != kKindCategory) row->SetValue(ValueText(index));
    RegisterRow(index);
    if (HasTableChildren(spec)) {
        EnsureChildren(index, false);
        for (size_t j = 0; j < table_.rows.size(); ++j)
            if (table_.rows[j].parent == index) BuildRow(static_cast<int>(j));
    }
    if (IsPairGroup(spec)) {
        if (row->ChildCount() == 0)
            AddPairChildren(*row, *spec.pair);
        else
            RefreshPairChildren(*row, *spec.pair);
    }
    if (IsChoicePair(spec)) SyncChoicePair(index, false, nullptr);
}

BOOL CPageLink::BuildPropertyItems(int mode) {
    if (mode == 2) {
        FreePropertyItems();
        return 1;
    }
    if (mode != 1) return 1;
    if (!object_) return 0;
    ReserveRowMap(table_.rows.size());
    for (int index : table_.build) BuildRow(index);
    return 1;
}

// --- commit ---------------------------------------------------------------------------

void CPageLink::CommitPair(const CPropertyItem& group, const PairSpec& pair) {
    if (!object_) return;
    const CPropertyItem* low = group.Child(0);
    const CPropertyItem* high = group.Child(1);
    // An empty text leaves its half as it is; only the low 16 bits of the
    // number are kept.
    if (low && !low->Value().empty()) object_->SetNumberLow(pair.pairId, static_cast<WORD>(ParseInt(low->Value())));
    if (high && !high->Value().empty()) object_->SetNumberHigh(pair.pairId, static_cast<WORD>(ParseInt(high->Value())));
}

BOOL CPageLink::CommitEditedValues(PropertyGridModel* grid) {
    if (!grid) grid = Links().grid;
    const CPropertyItem* selected = grid ? grid->Item(grid->GetSelectedIndex()) : nullptr;
    const size_t count = table_.rows.size();
    for (size_t i = 0; i < count; ++i) {
        const RowSpec& spec = table_.rows[i];
        if (!IsPairGroup(spec) || !slots_[i].row) continue;
        const bool chosen = table_.pairCommit == PairCommit::kAll ||
                            (table_.pairCommit == PairCommit::kSelected && selected && selected->BaseId() != 0 &&
                             selected->BaseId() == spec.pair->pairId);
        if (chosen) CommitPair(*slots_[i].row, *spec.pair);
    }
    for (size_t i = 0; i < count; ++i) {
        const RowSpec& spec = table_.rows[i];
        if (spec.field.set && slots_[i].row && object_ && !slots_[i].row->Value().empty())
            spec.field.set(*object_, static_cast<DWORD>(ParseInt(slots_[i].row->Value())));
    }
    std::vector<bool> held(count, false);
    for (size_t i = 0; i < count; ++i)
        if (IsChoicePair(table_.rows[i])) held[i] = Holds(static_cast<int>(i));
    for (size_t i = 0; i < count; ++i) {
        const RowSpec& spec = table_.rows[i];
        if (spec.kind != kKindChoice || !slots_[i].row || !object_) continue;
        // A text the list does not hold leaves the number as it is.
        const int choice = GetChoiceIndex(slots_[i].row->Choices(), slots_[i].row->Value());
        if (choice != -1) object_->StoreNumber(spec.id, static_cast<DWORD>(choice));
    }
    for (size_t i = 0; i < count; ++i) {
        const RowSpec& spec = table_.rows[i];
        CPropertyItem* row = slots_[i].row;
        if (!IsChoicePair(spec) || !row) continue;
        const bool holds = Holds(static_cast<int>(i));
        if (holds && !held[i]) {
            // Just chosen: the children show what the pair stores.
            row->SetExpandable(TRUE);
            if (row->ChildCount() == 0) AddPairChildren(*row, *spec.pair);
            RedrawListItem(row);
        } else if (holds) {
            if (row->ChildCount() == 0) return 0;
            CommitPair(*row, *spec.pair);
        } else if (row->ChildCount() > 0 || row->IsExpandable()) {
            DropChildren(*row);
        }
    }
    return 1;
}

// --- images and clearing ----------------------------------------------------------------

BOOL CPageLink::SetImage(WORD id, MrgBitmapPtr image) {
    const int width = image ? image->GetWidth() : 0;
    const int height = image ? image->GetHeight() : 0;
    if (!CItemLinkObj::SetImage(id, std::move(image))) return 0;
    const int group = table_.sizeFollowsImage;
    if (group == kNoRow || !table_.rows[static_cast<size_t>(group)].pair) return 1;
    // The button takes the size of the image it now shows.
    const WORD pairId = table_.rows[static_cast<size_t>(group)].pair->pairId;
    object_->SetNumberLow(pairId, static_cast<WORD>(width));
    object_->SetNumberHigh(pairId, static_cast<WORD>(height));
    if (CPropertyItem* row = Row(group)) RefreshPairChildren(*row, *table_.rows[static_cast<size_t>(group)].pair);
    return 1;
}

void CPageLink::ShowItemImage(CPropertyItem* row) {
    if (!row) return;
    switch (table_.image) {
    case ImageDisplay::kNone: return;
    case ImageDisplay::kCommon: ShowImageRowOnImagePage(row); return;
    case ImageDisplay::kPreviewFirst: {
        OptionsPages* pages = Links().options;
        if (!pages) return;
        pages->SetImagePreview(GetImage(row->Id()));
        if (row->Kind() != kKindImage) return;
        pages->EnableAllControls(OptionsPages::kImagePage, true);
        const bool hasImage = !row->Value().empty() && row->Value() != LinkString(IDS_LINK_NO_IMAGE);
        pages->EnableImageOptions(hasImage);
        if (hasImage && Links().current) Links().current->LoadImageOptions(row);
        return;
    }
    }
}

BOOL CPageLink::ClearElementImages() {
    if (table_.clear.mode == ClearSpec::kWholeElement) return CItemLinkObj::ClearElementImages();
    if (!object_) return 0;
    CTwfMenuBar* bar = dynamic_cast<CTwfMenuBar*>(object_);
    if (auto* frame = dynamic_cast<CTwfWndFrame*>(object_)) bar = frame->GetMenuBar();
    if (bar) {
        switch (table_.clear.legacy) {
        case LegacyClear::kNone: break;
        case LegacyClear::kMenuBar: bar->ClearLegacyBar(); break;
        case LegacyClear::kClose: bar->ClearLegacyClose(); break;
        case LegacyClear::kRestore: bar->ClearLegacyRestore(); break;
        case LegacyClear::kMinimize: bar->ClearLegacyMinimize(); break;
        }
    }
    BOOL result = 1;
    for (const ClearStep& step : table_.clear.steps) {
        switch (step.op) {
        case ClearStep::kRemoveImage: result = object_->RemoveImage(step.id, FALSE); break;
        case ClearStep::kRemoveColor: result = object_->RemoveColor(step.id); break;
        case ClearStep::kStoreZero: object_->SetNumber(step.id, 0); break;
        }
    }
    return result;
}

} // namespace hexmoor::links
