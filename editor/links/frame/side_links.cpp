#include "editor/links/frame/side_links.h"

#include <map>
#include <tuple>

#include "editor/links/grid_model.h"
#include "editor/links/link_strings.h"
#include "editor/links/page_link.h"
#include "editor/links/value_text.h"

namespace hexmoor::links {
namespace {

constexpr WORD kInactiveBase = 1001;

// A numbered row's label ("Image - 3"). Every side of every frame shows the
// same first few numbers, so their texts are kept for the program's life
// (per string provider, like the table labels) and shared by the rows; a
// higher number gets its own copy.
std::wstring NumberedText(UINT labelId, int number) { return LinkString(labelId) + L" - " + std::to_wstring(number); }

RowText NumberedLabel(UINT labelId, int number) {
    constexpr int kMostKept = 64;
    if (number < 0 || number >= kMostKept) return NumberedText(labelId, number);
    struct Key {
        unsigned generation;
        UINT id;
        int number;
        bool operator<(const Key& o) const {
            return std::tie(generation, id, number) < std::tie(o.generation, o.id, o.number);
        }
    };
    // Entries are never removed: rows keep pointing at them.
    static std::map<Key, std::wstring> texts;
    const Key key{LinkStringGeneration(), labelId, number};
    auto it = texts.find(key);
    if (it == texts.end()) it = texts.emplace(key, NumberedText(labelId, number)).first;
    return RowText::Lasting(it->second);
}

RowText SharedLabel(UINT labelId) { return RowText::Lasting(LastingLabelText(Text(labelId))); }

RowText PresenceText(bool present) { return SharedLabel(present ? IDS_LINK_INSERTED : IDS_LINK_NO_IMAGE); }

} // namespace

CItemSideFrame::CItemSideFrame(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)) {
    // Three groups with their arrays of children and trailing rows, and the
    // size row: the page of a side without images.
    ExpectRows(10);
}

CItemSideFrame::~CItemSideFrame() { FreePropertyItems(); }

CTwfWndFrame* CItemSideFrame::OwnerFrame() const {
    CTwfSideFrame* side = Side();
    return side ? side->GetParentFrame() : nullptr;
}

DWORD CItemSideFrame::SizeNumber() const {
    CTwfWndFrame* frame = OwnerFrame();
    return frame ? frame->GetNumber(GetSidePropertyId()) : 0;
}

void CItemSideFrame::FreePropertyItems() {
    ForgetRows();
    activeGroup_.reset();
    inactiveGroup_.reset();
    regionsGroup_.reset();
    sizeRow_.reset();
    activeTrailing_ = inactiveTrailing_ = regionTrailing_ = nullptr;
}

void CItemSideFrame::MakeGroups() {
    if (!activeGroup_)
        activeGroup_ = MakeRow(SharedLabel(IDS_LINK_IMAGES), L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    if (!inactiveGroup_)
        inactiveGroup_ = MakeRow(SharedLabel(IDS_LINK_IMAGES), L"", kKindCategory, L"", 1, TRUE, nullptr, 0);
}

CPropertyItem* CItemSideFrame::AddNumbered(CPropertyItem* group, UINT labelId, int number, int kind, WORD id,
                                           WORD baseId, RowText value) {
    auto row = MakeRow(NumberedLabel(labelId, number), std::move(value), kind, L"", id, FALSE, group, baseId);
    CPropertyItem* raw = row.get();
    group->AddChild(std::move(row));
    return raw;
}

BOOL CItemSideFrame::BuildPropertyItems(int mode) {
    if (mode == 2) {
        FreePropertyItems();
        return 1;
    }
    if (mode != 1) return 1;
    CTwfSideFrame* side = Side();
    if (!side) return 0;
    // Building over rows that still exist would list them twice.
    if (activeGroup_ || inactiveGroup_ || regionsGroup_ || sizeRow_) FreePropertyItems();
    MakeGroups();
    const ImageMap& images = side->GetImageMap();
    const int count = static_cast<int>(images.size());
    for (int k = 0; k <= 1000 + count; ++k) {
        if (!side->HasImage(static_cast<WORD>(k))) {
            if (k < 1000) k = 1000; // continue at 1001
            continue;
        }
        CPropertyItem* row;
        if (k <= 1000)
            row = AddNumbered(activeGroup_.get(), IDS_LINK_IMAGE, k, kKindImage, static_cast<WORD>(k),
                              static_cast<WORD>(k), PresenceText(true));
        else
            row = AddNumbered(inactiveGroup_.get(), IDS_LINK_IMAGE, k - kInactiveBase, kKindImage, static_cast<WORD>(k),
                              static_cast<WORD>(k - kInactiveBase), PresenceText(true));
        RegisterPropertyItem(row);
    }
    const int n = activeGroup_->ChildCount();
    activeTrailing_ = AddNumbered(activeGroup_.get(), IDS_LINK_IMAGE, n, kKindImage, static_cast<WORD>(n), 0, L"");
    const int m = inactiveGroup_->ChildCount();
    inactiveTrailing_ =
        AddNumbered(inactiveGroup_.get(), IDS_LINK_IMAGE, m, kKindImage, static_cast<WORD>(kInactiveBase + m), 0, L"");

    regionsGroup_ = MakeRow(SharedLabel(IDS_LINK_REGIONS), L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
    const int regionCount = static_cast<int>(side->GetRegionOptionsMap().size());
    for (int k = 0; k < regionCount; ++k)
        if (side->HasRegionOptions(static_cast<WORD>(k)))
            AddNumbered(regionsGroup_.get(), IDS_LINK_REGION, k, kKindRegion, static_cast<WORD>(k), 0,
                        PresenceText(true));
    const int r = regionsGroup_->ChildCount();
    regionTrailing_ = AddNumbered(regionsGroup_.get(), IDS_LINK_REGION, r, kKindRegion, static_cast<WORD>(r), 0, L"");

    sizeRow_ = MakeRow(SharedLabel(IDS_LINK_SIZE), L"", kKindNumber, L"", 0, FALSE, nullptr, 0);
    sizeRow_->SetIntValue(static_cast<int>(SizeNumber()));
    return 1;
}

BOOL CItemSideFrame::FillPropertyPage(int state, void* context) {
    SetElementCaption(LinkString(CaptionId()));
    ClearPropertyList();
    BOOL result = 0;
    if (!DeclarePageStates(*this, &state, {0, 3}, &result)) return result;
    if (state == 0) {
        MakeGroups();
        const int groupIndex = AddPropertyItem(activeGroup_.get(), context, -1);
        if (activeGroup_->ChildCount() == 0)
            activeTrailing_ = AddNumbered(activeGroup_.get(), IDS_LINK_IMAGE, 0, kKindImage, 0, 0, L"");
        ExpandListItem(groupIndex, activeGroup_->IsExpanded());
        CTwfWndFrame* frame = OwnerFrame();
        if (frame && frame->GetNumber(frame_props::kRegionShape) == frame_props::kRegionShapeUser) {
            if (!regionsGroup_)
                regionsGroup_ = MakeRow(SharedLabel(IDS_LINK_REGIONS), L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
            const int regionsIndex = AddPropertyItem(regionsGroup_.get(), context, -1);
            if (regionsGroup_->ChildCount() == 0)
                regionTrailing_ = AddNumbered(regionsGroup_.get(), IDS_LINK_REGION, 0, kKindRegion, 0, 0, L"");
            ExpandListItem(regionsIndex, regionsGroup_->IsExpanded());
        }
        if (!sizeRow_) sizeRow_ = MakeRow(SharedLabel(IDS_LINK_SIZE), L"", kKindNumber, L"", 0, FALSE, nullptr, 0);
        sizeRow_->SetIntValue(static_cast<int>(SizeNumber()));
        AddPropertyItem(sizeRow_.get(), context, -1);
    } else if (state == 3) {
        if (!inactiveGroup_)
            inactiveGroup_ =
                MakeRow(SharedLabel(IDS_LINK_IMAGES), L"", kKindCategory, L"", kInactiveBase, TRUE, nullptr, 0);
        AddPropertyItem(inactiveGroup_.get(), context, -1);
        if (inactiveGroup_->ChildCount() == 0)
            inactiveTrailing_ = AddNumbered(inactiveGroup_.get(), IDS_LINK_IMAGE, 0, kKindImage, kInactiveBase, 0, L"");
        ExpandListItem(FindListItem(inactiveGroup_.get()), inactiveGroup_->IsExpanded());
    }
    return 1;
}

BOOL CItemSideFrame::CommitEditedValues(PropertyGridModel*) {
    CTwfWndFrame* frame = OwnerFrame();
    if (sizeRow_ && frame && !sizeRow_->Value().empty())
        frame->SetNumber(GetSidePropertyId(), static_cast<DWORD>(ParseInt(sizeRow_->Value())));
    return 1;
}

std::optional<std::wstring> CItemSideFrame::StoredRowText(const CPropertyItem& row) const {
    if (&row == sizeRow_.get()) return std::to_wstring(static_cast<int>(SizeNumber()));
    return CItemLinkObj::StoredRowText(row);
}

BOOL CItemSideFrame::OnOptionsChanged() {
    CTwfSideFrame* side = Side();
    PropertyGridModel* grid = Links().grid;
    CPropertyItem* row = grid ? grid->Item(grid->GetSelectedIndex()) : nullptr;
    if (!side || !row || !Links().options) return 1;
    if (row->Kind() == kKindImage)
        side->SetImageOptions(row->Id(), 0, 0, Links().options->FrameImageDrawMode());
    else
        side->SetRegionOptions(row->Id(), nullptr, Links().options->RegionDrawMode());
    return 1;
}

void CItemSideFrame::ShowItemImage(CPropertyItem* row) {
    OptionsPages* pages = Links().options;
    CTwfSideFrame* side = Side();
    if (!pages || !row || !side) return;
    if (row->Kind() == kKindImage) {
        pages->EnableAllControls(OptionsPages::kFrameImagePage, true);
        const OptionsImage* options = side->GetImageOptions(row->Id());
        const CMrgBitmap* image = side->GetImage(row->Id());
        if (options && image)
            pages->SetFrameImage(image, options->DrawMode);
        else
            pages->SetFrameImage(nullptr, 0);
    } else if (row->Kind() == kKindRegion) {
        pages->EnableAllControls(OptionsPages::kRegionPage, true);
        const OptionsHrgn* options = side->GetRegionOptions(row->Id());
        if (options && options->HasRegion())
            pages->SetRegionPreview(options->GetRegionData(), options->DrawMode);
        else
            pages->SetRegionPreview(nullptr, 0);
    }
}

BOOL CItemSideFrame::SetImage(WORD key, MrgBitmapPtr image) {
    CTwfSideFrame* side = Side();
    if (!side || !image) return 0;
    MakeGroups();
    const bool inactive = key >= kInactiveBase;
    CPropertyItem* group = inactive ? inactiveGroup_.get() : activeGroup_.get();
    CPropertyItem*& trailing = inactive ? inactiveTrailing_ : activeTrailing_;
    if (!side->HasImage(key)) {
        const int index = FindListItem(trailing);
        if (trailing && trailing->Id() == key) RegisterPropertyItem(trailing);
        const int next = group->ChildCount();
        trailing = AddNumbered(group, IDS_LINK_IMAGE, next, kKindImage,
                               static_cast<WORD>(inactive ? kInactiveBase + next : next), 0, L"");
        if (index >= 0 && (!inactive || GetSelectedState() == 3)) AddPropertyItem(trailing, nullptr, index + 1);
    }
    const OptionsImage* existing = side->GetImageOptions(key);
    side->SetImageOptions(key, 0, 0, existing ? existing->DrawMode : 0);
    const int width = image->GetWidth();
    const int height = image->GetHeight();
    const BOOL result = CItemLinkObj::SetImage(key, std::move(image));
    CTwfWndFrame* frame = OwnerFrame();
    if (frame && frame->GetNumber(GetSidePropertyId()) == 0) {
        frame->SetNumber(GetSidePropertyId(), static_cast<DWORD>(SizeFromHeight() ? height : width));
        // The page shows the new size for the state the state bar checks.
        const int state = GetSelectedState();
        FillPropertyPage((state < 0 ? 0 : state) | kFirstShowFlag, nullptr);
    }
    return result;
}

BOOL CItemSideFrame::SetRegion(WORD key, ImageRgnPtr region) {
    CTwfSideFrame* side = Side();
    if (!side) return 0;
    if (!side->HasRegionOptions(key)) {
        if (!regionsGroup_)
            regionsGroup_ = MakeRow(SharedLabel(IDS_LINK_REGIONS), L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
        const int index = FindListItem(regionTrailing_);
        const int next = regionsGroup_->ChildCount();
        regionTrailing_ =
            AddNumbered(regionsGroup_.get(), IDS_LINK_REGION, next, kKindRegion, static_cast<WORD>(next), 0, L"");
        if (index >= 0) AddPropertyItem(regionTrailing_, nullptr, index + 1);
    }
    side->SetRegionOptions(key, std::move(region), 0);
    return 1;
}

int CItemSideFrame::FillInactiveState() {
    if (!activeGroup_ || !inactiveGroup_) return -1;
    CTwfSideFrame* side = Side();
    if (!side) return 0;
    const int count = static_cast<int>(side->GetImageMap().size());
    std::vector<WORD> inactiveKeys;
    for (const auto& [key, image] : side->GetImageMap())
        if (key > 1000) inactiveKeys.push_back(key);
    for (WORD key : inactiveKeys) side->RemoveImage(key, FALSE);
    // The old inactive rows go: the grid and the row map stop pointing at them.
    if (Links().grid && Links().grid->FindItemRow(inactiveGroup_.get()) >= 0) Links().grid->ClearProperties();
    for (int i = 0; i < inactiveGroup_->ChildCount(); ++i) UnregisterPropertyItem(inactiveGroup_->Child(i));
    inactiveGroup_->ClearChildren();
    inactiveTrailing_ = nullptr;
    int copied = 0;
    for (int k = 0; k <= 1000 + count; ++k) {
        if (k > 1000) break; // the inactive keys were removed above
        if (!side->HasImage(static_cast<WORD>(k))) {
            k = 1000;
            continue;
        }
        const WORD target = static_cast<WORD>(kInactiveBase + k);
        auto copy = std::make_shared<CMrgBitmap>(*side->GetImage(static_cast<WORD>(k)));
        const OptionsImage* options = side->GetImageOptions(static_cast<WORD>(k));
        side->SetImageOptions(target, 0, 0, options ? options->DrawMode : 0);
        CItemLinkObj::SetImage(target, std::move(copy));
        CPropertyItem* row = AddNumbered(inactiveGroup_.get(), IDS_LINK_IMAGE, k, kKindImage, target,
                                         static_cast<WORD>(k), PresenceText(side->HasImage(target)));
        RegisterPropertyItem(row);
        ++copied;
    }
    const int m = inactiveGroup_->ChildCount();
    inactiveTrailing_ =
        AddNumbered(inactiveGroup_.get(), IDS_LINK_IMAGE, m, kKindImage, static_cast<WORD>(kInactiveBase + m), 0, L"");
    RefreshPreview();
    const int selected = GetSelectedState();
    if (selected >= 0 && (selected & 1)) FillPropertyPage(3, nullptr);
    return copied;
}

BOOL CItemSideFrame::ClearElementImages() {
    CTwfSideFrame* side = Side();
    if (!side) return 0;
    std::vector<WORD> keys;
    for (const auto& [key, image] : side->GetImageMap()) keys.push_back(key);
    for (WORD key : keys) side->RemoveImage(key, FALSE);
    const int regionCount = static_cast<int>(side->GetRegionOptionsMap().size());
    for (int k = 0; k < regionCount; ++k)
        if (side->HasRegionOptions(static_cast<WORD>(k))) side->RemoveRegionOptions(static_cast<WORD>(k), FALSE);
    std::vector<WORD> regionKeys;
    for (const auto& [key, options] : side->GetRegionOptionsMap()) regionKeys.push_back(key);
    for (WORD key : regionKeys) side->RemoveRegionOptions(key, FALSE);
    side->SetLegacyThickness(0);
    return 1;
}

CItemLinkObj* CTopSideFrame::SetTwfObj(CTwfObj* object) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(object);
    return CItemLinkObj::SetTwfObj(frame ? frame->GetTopSide() : nullptr);
}
CItemLinkObj* CRightSideFrame::SetTwfObj(CTwfObj* object) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(object);
    return CItemLinkObj::SetTwfObj(frame ? frame->GetRightSide() : nullptr);
}
CItemLinkObj* CBottomSideFrame::SetTwfObj(CTwfObj* object) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(object);
    return CItemLinkObj::SetTwfObj(frame ? frame->GetBottomSide() : nullptr);
}
CItemLinkObj* CLeftSideFrame::SetTwfObj(CTwfObj* object) {
    auto* frame = dynamic_cast<CTwfWndFrame*>(object);
    return CItemLinkObj::SetTwfObj(frame ? frame->GetLeftSide() : nullptr);
}

UINT CTopSideFrame::CaptionId() const { return IDS_LINK_FRAME_TOP_SIDE; }
UINT CRightSideFrame::CaptionId() const { return IDS_LINK_FRAME_RIGHT_SIDE; }
UINT CBottomSideFrame::CaptionId() const { return IDS_LINK_FRAME_BOTTOM_SIDE; }
UINT CLeftSideFrame::CaptionId() const { return IDS_LINK_FRAME_LEFT_SIDE; }

} // namespace hexmoor::links
