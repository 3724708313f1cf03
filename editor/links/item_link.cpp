#include "editor/links/item_link.h"

#include <algorithm>
#include <cmath>

#include "editor/links/grid_model.h"
#include "editor/links/link_strings.h"
#include "editor/links/value_text.h"
#include "model/elements/wnd_frame.h"

namespace hexmoor::links {

CItemLinkObj::CItemLinkObj(TreeItem item, WORD typeId, int controlId, SchemeName schemeName, int custom)
    : controlId_(controlId), typeId_(typeId), treeItem_(item), name_(std::move(schemeName)), custom_(custom) {}

CItemLinkObj::~CItemLinkObj() {
    // Subclasses free their rows in their own destructors; this only makes
    // sure nothing keeps pointing at the link.
    if (Links().grid) Links().grid->DropRowsOf(this);
    if (Links().current == this) Links().current = nullptr;
}

CItemLinkObj* CItemLinkObj::SetTwfObj(CTwfObj* object) {
    object_ = object;
    return this;
}

std::wstring CItemLinkObj::ColorToText(COLORREF color) const { return ColorText(color); }

BOOL CItemLinkObj::SetRegion(WORD, ImageRgnPtr) { return 1; }

CMrgBitmap* CItemLinkObj::GetImage(WORD id) const { return object_ ? object_->GetImage(id) : nullptr; }

BOOL CItemLinkObj::SetGdiplusImage(WORD id, hexmoor::platform::GdiplusBitmapHandle image) {
    if (!object_) return 0;
    object_->SetGdiplusImage(id, std::move(image));
    return 1;
}

BOOL CItemLinkObj::SetImageBitmap(WORD id, HBITMAP bitmap) {
    if (!object_) return 0;
    object_->SetImageBitmap(id, bitmap);
    return 1;
}

BOOL CItemLinkObj::SetImage(WORD id, MrgBitmapPtr image) {
    if (!object_) return 0;
    object_->PutImage(id, std::move(image));
    return 1;
}

BOOL CItemLinkObj::SetColor(WORD id, COLORREF color) {
    if (!object_) return 0;
    object_->SetColor(id, color);
    return 1;
}

BOOL CItemLinkObj::SetNumber(WORD id, DWORD value) {
    if (!object_) return 0;
    object_->SetNumber(id, value);
    return 1;
}

BOOL CItemLinkObj::SetNumberValue(WORD id, DWORD value) { return SetNumber(id, value); }

BOOL CItemLinkObj::SetNumberHalf(WORD id, WORD value, BOOL low) {
    if (!object_) return 0;
    if (low)
        object_->SetNumberLow(id, value);
    else
        object_->SetNumberHigh(id, value);
    return 1;
}

BOOL CItemLinkObj::SetNumberFixed(WORD id, double value) {
    if (!object_) return 0;
    // Truncated toward zero, as a conversion to int; out-of-range values are
    // kept to the int range first so that the conversion is defined.
    auto toInt = [](double x) -> long long {
        if (!(x == x)) return 0;
        if (x > 2147483647.0) return 2147483647;
        if (x < -2147483648.0) return -2147483648LL;
        return static_cast<long long>(x);
    };
    const long long whole = toInt(value);
    const long long hundredths = toInt((value - static_cast<double>(whole)) * 100.0);
    const DWORD stored = (static_cast<DWORD>(whole) & 0xFFFFu) | ((static_cast<DWORD>(hundredths) & 0xFFFFu) << 16);
    object_->SetNumber(id, stored);
    return 1;
}

BOOL CItemLinkObj::ClearElementImages() {
    if (!object_) return 0;
    const bool defaultScheme = GetName().empty() || GetName() == L"Default";
    return object_->Clear(defaultScheme ? 0 : 1);
}

BOOL CItemLinkObj::SetFont(FontPtr font) {
    if (!object_) return 0;
    object_->SetFont(std::move(font));
    return 1;
}

std::optional<std::wstring> CItemLinkObj::StoredRowText(const CPropertyItem& row) const {
    if (!object_ || row.Id() == 0) return std::nullopt;
    const DWORD n = object_->GetNumber(row.Id());
    switch (row.Kind()) {
    case kKindSize: return std::to_wstring(static_cast<int>(n));
    case kKindLowHalf: return std::to_wstring(n & 0xFFFF);
    case kKindHighHalf: return std::to_wstring(n >> 16);
    case kKindFixed:
        return FixedText(static_cast<double>(static_cast<short>(n & 0xFFFF)) + static_cast<double>(n >> 16) / 100.0);
    default: return std::nullopt;
    }
}

namespace {
bool IdBefore(const std::pair<WORD, CPropertyItem*>& entry, WORD id) { return entry.first < id; }
} // namespace

void CItemLinkObj::RegisterPropertyItem(CPropertyItem* row) {
    if (!row) return;
    auto it = std::lower_bound(rowMap_.begin(), rowMap_.end(), row->Id(), IdBefore);
    if (it != rowMap_.end() && it->first == row->Id())
        it->second = row;
    else
        rowMap_.emplace(it, row->Id(), row);
}

CPropertyItem* CItemLinkObj::GetPropertyItem(WORD id) const {
    auto it = std::lower_bound(rowMap_.begin(), rowMap_.end(), id, IdBefore);
    return it != rowMap_.end() && it->first == id ? it->second : nullptr;
}

void CItemLinkObj::UnregisterPropertyItem(const CPropertyItem* row) {
    if (!row) return;
    for (int i = 0; i < row->ChildCount(); ++i) UnregisterPropertyItem(row->Child(i));
    std::erase_if(rowMap_, [row](const auto& entry) { return entry.second == row; });
}

int CItemLinkObj::AddPropertyItem(CPropertyItem* row, void* context, int position) {
    if (outputMode_ == 0) return Links().grid ? Links().grid->InsertItem(row, position) : -1;
    if (outputMode_ == 1 && sink_ && row) sink_->AddExportProperty(*this, *row, context, -1);
    return 0;
}

void CItemLinkObj::AddExportGroupKey(const std::wstring& key, int kind, WORD id, void* context) {
    if (outputMode_ == 1 && sink_) sink_->AddExportGroupKey(*this, key, kind, id, context);
}

void CItemLinkObj::ClearPropertyList() {
    if (outputMode_ == 0 && Links().grid) Links().grid->ClearProperties();
}

int CItemLinkObj::ExpandListItem(int index, BOOL expand) {
    if (outputMode_ != 0) return -1;
    return Links().grid ? Links().grid->ExpandItem(index, expand != 0) : 0;
}

int CItemLinkObj::FindListItem(const CPropertyItem* row) const {
    if (outputMode_ != 0 || !Links().grid) return -1;
    return Links().grid->FindItemRow(row);
}

void CItemLinkObj::RedrawListItem(const CPropertyItem* row) {
    if (FindListItem(row) >= 0) Links().grid->InvalidateItem(row);
}

int CItemLinkObj::GetListItemCount() const {
    if (outputMode_ != 0 || !Links().grid) return 0;
    return Links().grid->Count();
}

void CItemLinkObj::SetPropertiesCaption(const std::wstring& text) {
    if (outputMode_ == 0 && Links().host) Links().host->SetCaption(text);
}

void CItemLinkObj::SetElementCaption(const std::wstring& element) {
    SetPropertiesCaption(LinkString(IDS_PROPERTIES) + L" - " + element);
}

BOOL CItemLinkObj::IsStateShown(int state, BOOL* result) {
    PageHost* host = Links().host;
    const bool inRange = state >= 0 && state < kStateCount;
    if (host && inRange && host->IsStateButtonVisible(state)) return 1;
    if (!host && inRange) return 1;
    // Without a pane there is no checked state to fill again (that fill
    // would come back here): state 0 is filled directly, once.
    const BOOL fill = host ? SelectState(0) : FillPropertyPage(0, nullptr);
    if (result) *result = fill;
    return 0;
}

bool DeclarePageStates(CItemLinkObj& link, int* state, std::initializer_list<int> states, BOOL* result) {
    if ((*state & kFirstShowFlag) == 0) return true;
    *state &= ~kFirstShowFlag;
    if (!Links().host) {
        // A windowless fill: no buttons to show. A state the page does not
        // have falls back once to state 0 and the fill goes on with it.
        if (std::find(states.begin(), states.end(), *state) == states.end()) *state = 0;
        return true;
    }
    ShowStateButtons(true, states);
    return link.IsStateShown(*state, result) != 0;
}

std::unique_ptr<CPropertyItem> CItemLinkObj::MakeRow(RowText label, RowText value, int kind, RowText choices, WORD id,
                                                     BOOL expandable, CPropertyItem* parent, WORD baseId) {
    if (!rowStore_) rowStore_ = RowStore::Make(expectedRows_);
    auto row = rowStore_->MakeRow(std::move(label), std::move(value), kind, std::move(choices), id, expandable, parent,
                                  baseId);
    row->SetOwner(this);
    return row;
}

void* CItemLinkObj::MakeRowStore(std::size_t bytes, std::size_t mapEntries) {
    if (rowStore_) return nullptr;
    // The map's array first, then the raw memory, each at the alignment of
    // any type.
    constexpr std::size_t align = alignof(std::max_align_t);
    const std::size_t mapBytes = (mapEntries * sizeof(RowMapEntry) + align - 1) / align * align;
    rowStore_ = RowStore::Make(expectedRows_, mapBytes + bytes);
    auto* room = static_cast<unsigned char*>(rowStore_->Room());
    if (!room) return nullptr;
    if (mapEntries) mapRoom_ = LentRoom{room, mapBytes, false};
    return room + mapBytes;
}

void CItemLinkObj::ForgetRows() {
    if (Links().grid) Links().grid->DropRowsOf(this);
    rowMap_.clear();
}

void CItemLinkObj::RebuildRows() {
    ForgetRows();
    BuildPropertyItems(2);
    BuildPropertyItems(1);
}

void CItemLinkObj::FillAllStates(CPropertyItem* row) {
    if (!object_ || !row) return;
    if (row->Kind() != kKindImage && row->Kind() != kKindColor) return;
    // Base-state id 0 is shared by every row without a property of its own:
    // matching by it would overwrite unrelated images.
    if (row->BaseId() == 0) return;
    const WORD sourceId = row->Id();
    const WORD baseId = row->BaseId();
    const int kind = row->Kind();
    std::vector<WORD> targets;
    for (const auto& [id, target] : rowMap_)
        if (target && target->BaseId() == baseId && target->Id() != sourceId && target->Kind() == kind)
            targets.push_back(target->Id());
    if (kind == kKindColor) {
        const COLORREF color = object_->GetColor(sourceId);
        for (WORD id : targets) object_->SetColor(id, color);
    } else {
        const MrgBitmapPtr source = object_->GetImageShared(sourceId);
        if (!source) return;
        for (WORD id : targets) {
            if (CMrgBitmap* existing = object_->GetImage(id)) {
                existing->Release();
                *existing = *source;
            } else {
                SetImage(id, std::make_unique<CMrgBitmap>(*source));
            }
        }
    }
    PropertyGridModel* grid = outputMode_ == 0 ? Links().grid : nullptr;
    const int selected = grid ? grid->GetSelectedIndex() : -1;
    RebuildRows();
    FillPropertyPage(GetSelectedState(), nullptr);
    SetDocumentModified();
    if (grid && selected >= 0 && selected < grid->Count()) grid->SetSelectedIndex(selected);
    RefreshPreview();
}

void CItemLinkObj::ResetElement(BOOL refreshPreview) {
    PropertyGridModel* grid = outputMode_ == 0 ? Links().grid : nullptr;
    const int selected = grid ? grid->GetSelectedIndex() : -1;
    ClearElementImages();
    RebuildRows();
    FillPropertyPage(GetSelectedState(), nullptr);
    if (grid && selected >= 0 && selected < grid->Count()) grid->SetSelectedIndex(selected);
    if (refreshPreview) RefreshPreview();
}

void CItemLinkObj::LoadImageOptions(const CPropertyItem* row) {
    if (!row || !Links().options) return;
    const CMrgBitmap* image = GetImage(row->Id());
    if (!image) return;
    Links().options->LoadImageOptions(image->GetParams());
}

void CItemLinkObj::StoreImageField(const CPropertyItem* row, int MrgBitmapParams::*field) {
    if (!row || !Links().options) return;
    CMrgBitmap* image = GetImage(row->Id());
    if (!image) return;
    const int value = Links().options->ImageOptionsFields().*field;
    auto store = [&](CMrgBitmap& target) {
        MrgBitmapParams params = target.GetParams();
        params.*field = value;
        target.SetParams(params);
    };
    store(*image);
    if (Links().colorAdjust) {
        if (CMrgBitmap* work = Links().colorAdjust->WorkBitmap()) store(*work);
        Links().colorAdjust->ElementEdited(object_);
    }
}

void CItemLinkObj::StoreImageMarginTop(const CPropertyItem* row) { StoreImageField(row, &MrgBitmapParams::top); }
void CItemLinkObj::StoreImageMarginLeft(const CPropertyItem* row) { StoreImageField(row, &MrgBitmapParams::left); }
void CItemLinkObj::StoreImageMarginRight(const CPropertyItem* row) { StoreImageField(row, &MrgBitmapParams::right); }
void CItemLinkObj::StoreImageMarginBottom(const CPropertyItem* row) { StoreImageField(row, &MrgBitmapParams::bottom); }
void CItemLinkObj::StoreImageDrawMode(const CPropertyItem* row) { StoreImageField(row, &MrgBitmapParams::drawMode); }
void CItemLinkObj::StoreImageFillMode(const CPropertyItem* row) { StoreImageField(row, &MrgBitmapParams::mrgDrawMode); }

void CItemLinkObj::ShowImageRowOnImagePage(CPropertyItem* row) {
    OptionsPages* pages = Links().options;
    if (!pages || !row) return;
    pages->EnableAllControls(OptionsPages::kImagePage, true);
    const bool hasImage = !row->Value().empty() && row->Value() != LinkString(IDS_LINK_NO_IMAGE);
    pages->EnableImageOptions(hasImage);
    if (hasImage && Links().current) Links().current->LoadImageOptions(row);
    pages->SetImagePreview(GetImage(row->Id()));
}

BOOL CItemLinkObj::SnapshotLinkImages(int mode) {
    if (mode == snapshotState_) return 0;
    if ((mode == 0 || mode == 1) && Links().colorAdjust) Links().colorAdjust->FinishAdjustment();
    snapshotState_ = mode;
    FreeSnapshot();
    if (mode != 0) return 1;
    return CaptureSnapshot() ? 1 : 0;
}

bool CItemLinkObj::CaptureSnapshot() {
    FreeSnapshot();
    if (!object_) return false;
    // The arrays hold what is filled, never more: entries without an image
    // are not counted.
    if (SnapshotsWholeImageMap()) {
        auto* side = dynamic_cast<const CTwfSideFrame*>(object_);
        for (const auto& [id, image] : object_->GetImageMap()) {
            if (!image) continue;
            snapshot_.images.emplace_back(id, std::make_shared<const CMrgBitmap>(*image));
            if (const OptionsImage* options = side ? side->GetImageOptions(id) : nullptr)
                snapshot_.sideDrawModes.emplace_back(id, options->DrawMode);
        }
    } else {
        for (const auto& [id, row] : rowMap_) {
            if (!row) continue;
            if (row->Kind() == kKindColor) {
                snapshot_.colors.emplace_back(row->Id(), object_->GetColor(row->Id()));
            } else if (row->Kind() == kKindImage) {
                const CMrgBitmap* image = object_->GetImage(row->Id());
                snapshot_.images.emplace_back(row->Id(), image ? std::make_shared<const CMrgBitmap>(*image)
                                                               : std::make_shared<const CMrgBitmap>(DWORD{0}));
            }
        }
    }
    return !snapshot_.Empty();
}

void CItemLinkObj::FreeSnapshot() { snapshot_ = LinkSnapshot{}; }

void CItemLinkObj::RenewSnapshot() {
    if (Links().colorAdjust) Links().colorAdjust->ElementEdited(object_);
    if (snapshotState_ != 0) return;
    SnapshotLinkImages(1);
    SnapshotLinkImages(0);
}

} // namespace hexmoor::links
