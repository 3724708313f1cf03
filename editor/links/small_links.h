#pragma once
// The small links: static text (a text colour per state), the size grip (one
// image), the four group nodes of the default tree (sliders, tabs, spins,
// progress bars: an empty page without state buttons), the user-data item (a
// row giving the block's size), folders and the empty nodes of the trees.

#include "editor/links/item_link.h"
#include "model/elements/grip_properties.h"
#include "model/elements/static_text_properties.h"

namespace hexmoor::links {

class CStaticTextLink : public CItemLinkObj {
public:
    CStaticTextLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    ~CStaticTextLink() override;
    const char* ClassName() const override { return "CStaticTextLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int mode) override;
    void FreePropertyItems() override;

    static constexpr WORD kNormalColorId = static_text_props::kTextColor;
    static constexpr WORD kDisabledColorId = static_text_props::kTextColorDisabled;

private:
    std::unique_ptr<CPropertyItem> MakeColorRow(WORD id);

    std::unique_ptr<CPropertyItem> normal_;
    std::unique_ptr<CPropertyItem> disabled_;
};

class CSBGripLink : public CItemLinkObj {
public:
    CSBGripLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    ~CSBGripLink() override;
    const char* ClassName() const override { return "CSBGripLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int mode) override;
    void ShowItemImage(CPropertyItem* row) override { ShowImageRowOnImagePage(row); }

    static constexpr WORD kGripImageId = grip_props::kImage;

private:
    // Made once and kept for the link's life; rebuilds refresh its text.
    std::unique_ptr<CPropertyItem> grip_;
};

// A group node: edits nothing, shows an empty page without state buttons.
class CGroupNodeLink : public CItemLinkObj {
public:
    CGroupNodeLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName, UINT captionId,
                   const char* className);
    const char* ClassName() const override { return className_; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int) override { return 1; }
    // The node holds nothing of its own: a reset leaves its element alone.
    BOOL ClearElementImages() override { return 1; }

private:
    UINT captionId_;
    const char* className_;
};

class CSSlidersLink : public CGroupNodeLink {
public:
    CSSlidersLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CSTabsLink : public CGroupNodeLink {
public:
    CSTabsLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CSSpinsLink : public CGroupNodeLink {
public:
    CSSpinsLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};
class CSProgressesLink : public CGroupNodeLink {
public:
    CSProgressesLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
};

class CUserDataLink : public CItemLinkObj {
public:
    CUserDataLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName);
    ~CUserDataLink() override;
    const char* ClassName() const override { return "CUserDataLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int mode) override;
    void FreePropertyItems() override;
    void ShowItemImage(CPropertyItem* row) override { ShowImageRowOnImagePage(row); }
    // Replaces the block with the bytes and refreshes the row; FALSE without
    // a user-data object.
    BOOL SetUserData(const void* data, UINT size);

private:
    void RefreshRow();
    std::unique_ptr<CPropertyItem> row_;
};

// "Data Size %u bytes".
std::wstring DataSizeText(UINT size);

class CFolderLink : public CItemLinkObj {
public:
    using CItemLinkObj::CItemLinkObj;
    const char* ClassName() const override { return "CFolderLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int) override { return 1; }
};

class CEmptyLink : public CItemLinkObj {
public:
    CEmptyLink(TreeItem item, WORD typeId, int controlId, SchemeName schemeName, std::wstring text);
    const char* ClassName() const override { return "CEmptyLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL FillPropertyPage(int state, void* context) override;
    BOOL BuildPropertyItems(int) override { return 1; }

private:
    std::wstring text_;
};

} // namespace hexmoor::links
