#pragma once
// The four frame-side links. Each edits one side of a window frame: its
// numbered list of active images (keys 0, 1, ...), its numbered list of
// inactive images (keys 1001, 1002, ...), its numbered list of regions and
// its size (a number of the owner frame). Every list ends with an empty row
// labelled with the next number; giving it a value appends the next one.

#include "editor/links/item_link.h"
#include "model/elements/wnd_frame.h"

namespace hexmoor::links {

class CItemSideFrame : public CItemLinkObj {
public:
    CItemSideFrame(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    ~CItemSideFrame() override;

    BOOL OnOptionsChanged() override;
    BOOL CommitEditedValues(PropertyGridModel* grid) override;
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int mode) override;
    BOOL IsSideFrame() const override { return TRUE; }
    void FreePropertyItems() override;
    BOOL SetRegion(WORD key, ImageRgnPtr region) override;
    BOOL SetImage(WORD key, MrgBitmapPtr image) override;
    using CItemLinkObj::SetImage;
    void ShowItemImage(CPropertyItem* row) override;
    int FillInactiveState() override;
    BOOL ClearElementImages() override;
    std::optional<std::wstring> StoredRowText(const CPropertyItem& row) const override;

    CTwfSideFrame* Side() const { return dynamic_cast<CTwfSideFrame*>(object_); }
    CTwfWndFrame* OwnerFrame() const;
    // The rows (tests and tools).
    CPropertyItem* ActiveGroup() const { return activeGroup_.get(); }
    CPropertyItem* InactiveGroup() const { return inactiveGroup_.get(); }
    CPropertyItem* RegionsGroup() const { return regionsGroup_.get(); }
    CPropertyItem* SizeRow() const { return sizeRow_.get(); }

protected:
    virtual UINT CaptionId() const = 0;
    // The automatic size comes from the image's height (top and bottom) or
    // width (left and right).
    virtual bool SizeFromHeight() const = 0;
    bool SnapshotsWholeImageMap() const override { return true; }

private:
    void MakeGroups();
    CPropertyItem* AddNumbered(CPropertyItem* group, UINT labelId, int number, int kind, WORD id, WORD baseId,
                               RowText value);
    DWORD SizeNumber() const;

    std::unique_ptr<CPropertyItem> activeGroup_;
    CPropertyItem* activeTrailing_ = nullptr;
    std::unique_ptr<CPropertyItem> inactiveGroup_;
    CPropertyItem* inactiveTrailing_ = nullptr;
    std::unique_ptr<CPropertyItem> regionsGroup_;
    CPropertyItem* regionTrailing_ = nullptr;
    std::unique_ptr<CPropertyItem> sizeRow_;
};

class CTopSideFrame : public CItemSideFrame {
public:
    using CItemSideFrame::CItemSideFrame;
    const char* ClassName() const override { return "CTopSideFrame"; }
    CItemLinkObj* SetTwfObj(CTwfObj* object) override;
    WORD GetSidePropertyId() const override { return frame_props::kTopThickness; }

protected:
    UINT CaptionId() const override;
    bool SizeFromHeight() const override { return true; }
};

class CRightSideFrame : public CItemSideFrame {
public:
    using CItemSideFrame::CItemSideFrame;
    const char* ClassName() const override { return "CRightSideFrame"; }
    CItemLinkObj* SetTwfObj(CTwfObj* object) override;
    WORD GetSidePropertyId() const override { return frame_props::kRightThickness; }

protected:
    UINT CaptionId() const override;
    bool SizeFromHeight() const override { return false; }
};

class CBottomSideFrame : public CItemSideFrame {
public:
    using CItemSideFrame::CItemSideFrame;
    const char* ClassName() const override { return "CBottomSideFrame"; }
    CItemLinkObj* SetTwfObj(CTwfObj* object) override;
    WORD GetSidePropertyId() const override { return frame_props::kBottomThickness; }

protected:
    UINT CaptionId() const override;
    bool SizeFromHeight() const override { return true; }
};

class CLeftSideFrame : public CItemSideFrame {
public:
    using CItemSideFrame::CItemSideFrame;
    const char* ClassName() const override { return "CLeftSideFrame"; }
    CItemLinkObj* SetTwfObj(CTwfObj* object) override;
    WORD GetSidePropertyId() const override { return frame_props::kLeftThickness; }

protected:
    UINT CaptionId() const override;
    bool SizeFromHeight() const override { return false; }
};

} // namespace hexmoor::links
