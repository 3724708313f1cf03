#pragma once
// The pages of the buttons and common controls besides the push button
// (button_link.h): edit, check box, radio box, push-like check button,
// group box, the two sliders, the two tab controls, toolbar, status bar,
// combo box, list box, tooltip, tree view, splitter, list view, date-time
// picker and month calendar. Each is a page table run by the page engine;
// the classes only hand over their table (the trees, the commands and
// pagedump name them).

#include "editor/links/page_link.h"

namespace hexmoor::links {

// A page class that is its table and nothing else. (The parameter is not
// named Table: the base's Table() would hide it.)
template <const PageTable& (*PageOf)()>
class CTablePage : public CPageLink {
public:
    CTablePage(TreeItem item, WORD typeId, int controlId, SchemeName schemeName)
        : CPageLink(PageOf(), item, typeId, controlId, std::move(schemeName)) {}
};

const PageTable& EditPage();
const PageTable& CheckBoxPage();
const PageTable& RadioBoxPage();
const PageTable& CheckButtonPage();
const PageTable& GroupBoxPage();
const PageTable& HorizontalSliderPage();
const PageTable& VerticalSliderPage();
const PageTable& HorizontalTabPage();
const PageTable& VerticalTabPage();
const PageTable& ToolBarPage();
const PageTable& StatusBarPage();
const PageTable& ComboBoxPage();
const PageTable& ListBoxPage();
const PageTable& ToolTipPage();
const PageTable& TreeViewPage();
const PageTable& SplitterPage();
const PageTable& ListViewPage();
const PageTable& DateTimePage();
const PageTable& MonthCalPage();

class CEditLink : public CTablePage<&EditPage> {
public:
    using CTablePage::CTablePage;
};
class CCheckLink : public CTablePage<&CheckBoxPage> {
public:
    using CTablePage::CTablePage;
};
class CRadioLink : public CTablePage<&RadioBoxPage> {
public:
    using CTablePage::CTablePage;
};
class CCheckButtonLink : public CTablePage<&CheckButtonPage> {
public:
    using CTablePage::CTablePage;
};
class CGroupLink : public CTablePage<&GroupBoxPage> {
public:
    using CTablePage::CTablePage;
};
class CSliderHLink : public CTablePage<&HorizontalSliderPage> {
public:
    using CTablePage::CTablePage;
};
class CSliderVLink : public CTablePage<&VerticalSliderPage> {
public:
    using CTablePage::CTablePage;
};
class CTabHLink : public CTablePage<&HorizontalTabPage> {
public:
    using CTablePage::CTablePage;
};
class CTabVLink : public CTablePage<&VerticalTabPage> {
public:
    using CTablePage::CTablePage;
};
class CToolBrLink : public CTablePage<&ToolBarPage> {
public:
    using CTablePage::CTablePage;
};
class CStatusLink : public CTablePage<&StatusBarPage> {
public:
    using CTablePage::CTablePage;
};
class CComboBoxLink : public CTablePage<&ComboBoxPage> {
public:
    using CTablePage::CTablePage;
};
class CListBoxLink : public CTablePage<&ListBoxPage> {
public:
    using CTablePage::CTablePage;
};
class CToolTipLink : public CTablePage<&ToolTipPage> {
public:
    using CTablePage::CTablePage;
};
class CTreeViewLink : public CTablePage<&TreeViewPage> {
public:
    using CTablePage::CTablePage;
};
class CSplitterLink : public CTablePage<&SplitterPage> {
public:
    using CTablePage::CTablePage;
};
class CListViewLink : public CTablePage<&ListViewPage> {
public:
    using CTablePage::CTablePage;
};
class CDateTimeLink : public CTablePage<&DateTimePage> {
public:
    using CTablePage::CTablePage;
};
class CMonthCalLink : public CTablePage<&MonthCalPage> {
public:
    using CTablePage::CTablePage;
};

} // namespace hexmoor::links
