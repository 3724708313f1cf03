#include "editor/links/small_links.h"

#include "editor/links/link_strings.h"
#include "editor/links/page_link.h"
#include "model/elements/user_data.h"

namespace hexmoor::links {

// --- static text --------------------------------------------------------------

CStaticTextLink::CStaticTextLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)) {
    ExpectRows(2);
}

std::unique_ptr<CPropertyItem> CStaticTextLink::MakeColorRow(WORD id) {
    // The store's first block also holds the row map for both rows.
    MakeRowStore(0, 2);
    return MakeRow(RowText::Lasting(LastingLabelText(Text(IDS_LINK_TEXT_COLOR))), L"", kKindColor, L"", id, FALSE,
                   nullptr, kNormalColorId);
}

CStaticTextLink::~CStaticTextLink() { FreePropertyItems(); }

void CStaticTextLink::FreePropertyItems() {
    ForgetRows();
    normal_.reset();
    disabled_.reset();
}

BOOL CStaticTextLink::BuildPropertyItems(int mode) {
    if (mode == 2) {
        FreePropertyItems();
        return 1;
    }
    if (mode != 1) return 1;
    if (!object_) return 0;
    if (!normal_) normal_ = MakeColorRow(kNormalColorId);
    if (!disabled_) disabled_ = MakeColorRow(kDisabledColorId);
    normal_->SetValue(SharedColorText(object_->GetColor(kNormalColorId)));
    disabled_->SetValue(SharedColorText(object_->GetColor(kDisabledColorId)));
    RegisterPropertyItem(normal_.get());
    RegisterPropertyItem(disabled_.get());
    return 1;
}

BOOL CStaticTextLink::FillPropertyPage(int state, void* context) {
    SetElementCaption(LinkString(IDS_LINK_STATIC_TEXT));
    ClearPropertyList();
    BOOL result = 0;
    if (!DeclarePageStates(*this, &state, {0, 3}, &result)) return result;
    auto make = [&](std::unique_ptr<CPropertyItem>& row, WORD id) {
        if (!row) {
            row = MakeColorRow(id);
            row->SetValue(SharedColorText(object_ ? object_->GetColor(id) : 0));
        }
        RegisterPropertyItem(row.get());
        AddPropertyItem(row.get(), context, -1);
    };
    if (state == 0) make(normal_, kNormalColorId);
    if (state == 3) make(disabled_, kDisabledColorId);
    return 1;
}

// --- grip ---------------------------------------------------------------------

CSBGripLink::CSBGripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)) {}

CSBGripLink::~CSBGripLink() {
    ForgetRows();
    grip_.reset();
}

BOOL CSBGripLink::BuildPropertyItems(int mode) {
    if (mode != 1) return 1;
    if (!object_) return 0;
    if (!grip_) grip_ = MakeRow(LinkString(IDS_LINK_GRIP), L"", kKindImage, L"", kGripImageId, FALSE, nullptr, 0);
    grip_->SetValue(LinkString(object_->HasImage(kGripImageId) ? IDS_LINK_INSERTED : IDS_LINK_NO_IMAGE));
    RegisterPropertyItem(grip_.get());
    return 1;
}

BOOL CSBGripLink::FillPropertyPage(int state, void* context) {
    SetElementCaption(LinkString(IDS_LINK_GRIP));
    ClearPropertyList();
    BOOL result = 0;
    if (!DeclarePageStates(*this, &state, {0}, &result)) return result;
    if (state == 0) {
        if (!grip_) {
            grip_ = MakeRow(LinkString(IDS_LINK_GRIP), L"", kKindImage, L"", kGripImageId, FALSE, nullptr, 0);
            grip_->SetValue(
                LinkString(object_ && object_->HasImage(kGripImageId) ? IDS_LINK_INSERTED : IDS_LINK_NO_IMAGE));
        }
        RegisterPropertyItem(grip_.get());
        AddPropertyItem(grip_.get(), context, -1);
    }
    return 1;
}

// --- group nodes --------------------------------------------------------------

CGroupNodeLink::CGroupNodeLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName, UINT captionId,
                               const char* className)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)), captionId_(captionId), className_(className) {}

BOOL CGroupNodeLink::FillPropertyPage(int, void*) {
    SetElementCaption(LinkString(captionId_));
    ClearPropertyList();
    // The state bar belongs to the grid: an export must not hide the pane.
    if (GetOutputMode() == 0) ShowStateButtons(false, {0, 2, 1, 3, 4});
    return 1;
}

CSSlidersLink::CSSlidersLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CGroupNodeLink(item, typeId, controlId, std::move(schemeName), IDS_LINK_SLIDER_CONTROLS, "CSSlidersLink") {}
CSTabsLink::CSTabsLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CGroupNodeLink(item, typeId, controlId, std::move(schemeName), IDS_LINK_TAB_CONTROLS, "CSTabsLink") {}
CSSpinsLink::CSSpinsLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CGroupNodeLink(item, typeId, controlId, std::move(schemeName), IDS_LINK_SPIN_CONTROLS, "CSSpinsLink") {}
CSProgressesLink::CSProgressesLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CGroupNodeLink(item, typeId, controlId, std::move(schemeName), IDS_LINK_PROGRESS_BARS, "CSProgressesLink") {}

// --- user data ----------------------------------------------------------------

std::wstring DataSizeText(UINT size) { return L"Data Size " + std::to_wstring(size) + L" bytes"; }

CUserDataLink::CUserDataLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)) {}

CUserDataLink::~CUserDataLink() { FreePropertyItems(); }

void CUserDataLink::FreePropertyItems() {
    ForgetRows();
    row_.reset();
}

void CUserDataLink::RefreshRow() {
    if (!row_) row_ = MakeRow(LinkString(IDS_LINK_USER_DATA), L"", kKindUserData, L"", 0, FALSE, nullptr, 0);
    auto* data = dynamic_cast<CTwfUserData*>(object_);
    row_->SetData(data ? data->GetData() : nullptr);
    row_->SetValue(DataSizeText(data ? data->GetDataSize() : 0));
    RegisterPropertyItem(row_.get());
}

BOOL CUserDataLink::BuildPropertyItems(int mode) {
    if (mode == 2) {
        FreePropertyItems();
        return 1;
    }
    if (mode != 1) return 1;
    if (!object_) return 0;
    RefreshRow();
    return 1;
}

BOOL CUserDataLink::FillPropertyPage(int state, void* context) {
    SetElementCaption(LinkString(IDS_LINK_USER_DATA));
    ClearPropertyList();
    if ((state & kFirstShowFlag) && GetOutputMode() == 0) {
        ShowStateButtons(true, {});
        if (Links().host) Links().host->ShowPage(true);
    }
    RefreshRow();
    AddPropertyItem(row_.get(), context, -1);
    return 1;
}

BOOL CUserDataLink::SetUserData(const void* data, UINT size) {
    auto* userData = dynamic_cast<CTwfUserData*>(object_);
    if (!userData) return 0;
    userData->SetData(data, size);
    if (row_) {
        row_->SetData(userData->GetData());
        row_->SetValue(DataSizeText(userData->GetDataSize()));
    }
    return 1;
}

// --- folder and empty nodes ----------------------------------------------------

BOOL CFolderLink::FillPropertyPage(int, void*) {
    SetPropertiesCaption(LinkString(IDS_PROPERTIES));
    ClearPropertyList();
    if (GetOutputMode() == 0) ShowStateButtons(true, {});
    return 1;
}

CEmptyLink::CEmptyLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName, std::wstring text)
    : CItemLinkObj(item, typeId, controlId, std::move(schemeName)), text_(std::move(text)) {}

BOOL CEmptyLink::FillPropertyPage(int, void*) {
    SetElementCaption(text_);
    ClearPropertyList();
    if (GetOutputMode() == 0) ShowStateButtons(true, {});
    return 1;
}

} // namespace hexmoor::links
