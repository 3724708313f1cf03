// The default-controls tree: the fixed set of elements of the scheme
// "Default" in four groups, and the check boxes that show and set each
// element's enabled flag.
#include "editor/shell/trees/element_tree.h"

#include "model/element_types.h"
#include "model/twf_skin.h"

namespace hexmoor::shell {

namespace {

constexpr wchar_t kDefaultScheme[] = L"Default";
constexpr int kGroupIcon = 1;

struct DefaultElement {
    WORD type;
    int kind;
    const wchar_t* text;
    int icon;
};

struct DefaultGroup {
    int kind;
    const wchar_t* text;
    std::vector<DefaultElement> elements;
};

const std::vector<DefaultGroup>& DefaultGroups() {
    static const std::vector<DefaultGroup> groups = {
        {81,
         L"Windows",
         {{kElemWndFrame, kKindFrame, L"Window Frame", 2}, {kElemDialogFrame, 9, L"Dialog Background", 16}}},
        {82,
         L"Controls",
         {{kElemButton, 11, L"Button", 17},
          {kElemCheckBox, 21, L"Check Box", 18},
          {kElemRadioBox, 22, L"Radio Button", 19},
          {kElemCheckButton, 66, L"Push-like Radio and Check Box", 48},
          {kElemGroupBox, 23, L"Group Box", 20},
          {kElemScrollbars, 46, L"Scrollbars", 21},
          {kElemGrip, 20, L"Grip", 24},
          {kElemEdit, 10, L"Edit", 25},
          {kElemListBox, 35, L"List Box", 26},
          {kElemComboBox, 32, L"Combo Box", 27},
          {kElemStaticText, 51, L"Static Text", 28}}},
        {83,
         L"Common Controls",
         {{kElemTabCtrl, 27, L"Tab Controls", 29},
          {kElemProgressBar, 39, L"Progress Bars", 31},
          {kElemSpinCtrl, 42, L"Spin Controls", 33},
          {kElemSlider, 24, L"Slider Controls", 35},
          {kElemSplitter, 63, L"Splitter Control", 37},
          {kElemHeaderCtrl, 37, L"Header", 38},
          {kElemListView, 36, L"List Control", 39},
          {kElemTreeCtrl, 38, L"Tree Control", 40},
          {kElemToolBar, 30, L"Toolbar", 41},
          {kElemToolTip, 59, L"Tooltip", 42},
          {kElemStatusBar, 31, L"Status Bar", 43},
          {kElemMenu, 50, L"Menu", 44},
          {kElemDateTime, 45, L"Datetime Picker", 47},
          {kElemMonthCal, 65, L"MonthCalendar Control", 46}}},
        {kKindDotNetGroup,
         L".NET Controls",
         {{kElemMenuStrip, 70, L"MenuStrip Control", 14},
          {kElemToolStrip, 67, L"ToolStrip Control", 41},
          {kElemStatusStrip, 68, L"StatusStrip Control", 43},
          {kElemDropDownMenu, 69, L"DropDownMenu", 44}}},
    };
    return groups;
}

} // namespace

void ElementTree::BuildDefaultTree() {
    // Every default element is under the one scheme, its text shared.
    const SchemeName defaultScheme(kDefaultScheme);
    for (const DefaultGroup& g : DefaultGroups()) {
        Record group;
        group.key = {g.kind, numbers_.Take(g.kind)};
        TreeHandle groupItem = Insert(root_, kInsertLast, g.text, kGroupIcon, std::move(group));
        store_.SetCheckBox(groupItem, false);
        for (const DefaultElement& e : g.elements) {
            // The parts of a compound element are those of its adder; a kind
            // the adders do not make is one item.
            const Adder* adder = AdderForType(e.type, false);
            const std::vector<AdderPart> single = {{e.kind, nullptr, e.icon, -1}};
            const std::vector<AdderPart>& parts = adder && adder->parts[0].kind == e.kind ? adder->parts : single;
            InsertParts(parts, e.type, groupItem, kInsertLast, e.text, e.icon, defaultScheme, false);
        }
    }
}

void ElementTree::SyncCheckStates() {
    CTwfSkin* skin = skin_();
    std::vector<TreeHandle> stack{root_};
    while (!stack.empty()) {
        TreeHandle h = stack.back();
        stack.pop_back();
        for (TreeHandle c = store_.FirstChild(h); c; c = store_.NextSibling(c)) stack.push_back(c);
        const Record* r = RecordOf(h);
        if (!r || !r->type || !store_.HasCheckBox(h)) continue;
        CTwfObj* object = skin ? skin->FindObject(r->type, r->scheme.Str()) : nullptr;
        store_.SetChecked(h, object && object->IsEnabled());
    }
}

bool ElementTree::SetItemCheck(TreeHandle item, int how) {
    const Record* r = RecordOf(item);
    if (!r) return false;
    if (store_.HasCheckBox(item) && how >= 0) store_.SetChecked(item, how > 0);
    const bool check = store_.IsChecked(item);
    CTwfSkin* skin = skin_();
    if (!skin) return check;
    auto enable = [&](const Record& rec) {
        CTwfObj* object = skin->FindObject(rec.type, rec.scheme.Str());
        if (!object) {
            object = skin->GetOrCreateObject(rec.type, rec.scheme.Str(), 0);
            if (object) BindLinksOf(rec.type, rec.scheme);
        }
        if (!object || (object->IsEnabled() != 0) == check) return;
        object->SetEnabled(check ? TRUE : FALSE);
        Modified();
        if (onCheck_) onCheck_(rec.type, check);
    };
    if (r->type) {
        enable(*r);
    } else {
        for (TreeHandle c = store_.FirstChild(item); c; c = store_.NextSibling(c))
            if (const Record* child = RecordOf(c); child && child->type) enable(*child);
    }
    return check;
}

} // namespace hexmoor::shell
