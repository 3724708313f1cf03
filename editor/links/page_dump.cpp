#include "editor/links/page_dump.h"

#include <memory>

#include "base/utf8.h"
#include "editor/links/edit_rules.h"
#include "editor/links/family.h"
#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"
#include "editor/links/value_text.h"
#include "model/twf_skin.h"

namespace hexmoor::links {
namespace {

std::string Utf8(const std::wstring& text) { return ToUtf8(std::wstring_view(text)); }

std::string Quoted(const std::wstring& text) {
    std::string out = "\"";
    for (char c : Utf8(text)) {
        if (c == '"' || c == '\\') out.push_back('\\');
        out.push_back(c);
    }
    out.push_back('"');
    return out;
}

void DumpRow(const CPropertyItem& row, int depth, std::string& out) {
    out.append(static_cast<size_t>(depth) * 2, ' ');
    out += "row " + std::to_string(row.Kind()) + " " + std::to_string(row.Id()) + " " + std::to_string(row.BaseId()) +
           " " + Quoted(row.Label()) + " " + Quoted(row.Value());
    if (row.Kind() == kKindChoice || !row.Choices().empty()) out += " choices=" + Quoted(row.Choices());
    if (row.IsExpandable()) out += row.IsExpanded() ? " expanded" : " collapsed";
    out += "\n";
    for (int i = 0; i < row.ChildCount(); ++i) DumpRow(*row.Child(i), depth + 1, out);
}

// The properties pane without windows: caption, five state buttons.
class DumpHost : public PageHost {
public:
    void Reset() {
        for (bool& v : visible_) v = true;
        checked_ = 0;
        caption_.clear();
    }
    void SetCaption(const std::wstring& text) override { caption_ = text; }
    bool IsStateButtonVisible(int state) const override { return state >= 0 && state < kStateCount && visible_[state]; }
    void SetStateButtonVisible(int state, bool visible) override {
        if (state >= 0 && state < kStateCount) visible_[state] = visible;
    }
    int CheckedState() const override { return checked_; }
    void CheckState(int state) override { checked_ = state; }
    void ShowPage(bool) override {}
    const std::wstring& Caption() const { return caption_; }
    std::string Buttons() const {
        std::string list;
        for (int s = 0; s < kStateCount; ++s) {
            if (!visible_[s]) continue;
            if (!list.empty()) list += ",";
            list += std::to_string(s);
        }
        return list;
    }

private:
    bool visible_[kStateCount] = {true, true, true, true, true};
    int checked_ = 0;
    std::wstring caption_;
};

class DumpSink : public ExportSink {
public:
    explicit DumpSink(std::string& out) : out_(out) {}
    void AddExportProperty(CItemLinkObj&, const CPropertyItem& row, void*, int) override { DumpRow(row, 0, out_); }
    void AddExportGroupKey(CItemLinkObj&, const std::wstring& key, int kind, WORD id, void*) override {
        out_ += "key " + Quoted(key) + " " + std::to_string(kind) + " " + std::to_string(id) + "\n";
    }

private:
    std::string& out_;
};

// Installs a grid model and a host for the time of one run and puts back
// what was there.
class DumpEnv {
public:
    DumpEnv() : saved_(Links()) {
        Links().grid = &grid_;
        Links().host = &host_;
        Links().current = nullptr;
        Links().modified = &modified_;
        Links().options = nullptr;
        Links().colorAdjust = nullptr;
        Links().preview = nullptr;
    }
    ~DumpEnv() { Links() = saved_; }
    PropertyGridModel& Grid() { return grid_; }
    DumpHost& Host() { return host_; }

private:
    LinkEnv saved_;
    PropertyGridModel grid_;
    DumpHost host_;
    bool modified_ = false;
};

std::shared_ptr<CItemLinkObj> MakeBoundLink(CTwfSkin& skin, const LinkFamily& family, const std::wstring& scheme,
                                            CTwfObj* object) {
    std::shared_ptr<CItemLinkObj> link = family.make(nullptr, family.type, family.controlId, scheme);
    link->SetTwfObj(object);
    link->BuildPropertyItems(2);
    link->BuildPropertyItems(1);
    return link;
}

std::vector<std::wstring> SplitPath(const std::wstring& path) {
    std::vector<std::wstring> parts;
    size_t start = 0;
    for (;;) {
        const size_t slash = path.find(L'/', start);
        parts.push_back(path.substr(start, slash == std::wstring::npos ? std::wstring::npos : slash - start));
        if (slash == std::wstring::npos) break;
        start = slash + 1;
    }
    return parts;
}

} // namespace

int FindPathLine(PropertyGridModel& grid, const std::wstring& path) {
    const std::vector<std::wstring> parts = SplitPath(path);
    int line = -1;
    for (int i = 0; i < grid.Count(); ++i) {
        const CPropertyItem* row = grid.Item(i);
        if (row && !row->Parent() && row->Label() == parts[0]) {
            line = i;
            break;
        }
    }
    for (size_t p = 1; p < parts.size() && line >= 0; ++p) {
        CPropertyItem* group = grid.Item(line);
        if (!group->IsExpandable()) return -1;
        if (!group->IsExpanded()) grid.ExpandItem(line, true);
        int found = -1;
        for (int c = 0; c < group->ChildCount(); ++c)
            if (group->Child(c)->Label() == parts[p]) {
                found = grid.FindItemRow(group->Child(c));
                break;
            }
        line = found;
    }
    return line;
}

namespace {

struct OpenedRow {
    std::shared_ptr<CItemLinkObj> link;
    int line = -1;
};

RowRoadResult OpenRow(CTwfSkin& skin, const RowAddress& address, DumpEnv& env, OpenedRow* opened) {
    const LinkFamily* family = FamilyByClass(address.className);
    if (!family || family->type != address.type) return RowRoadResult::kNoSuchLink;
    CTwfObj* object = skin.FindObject(address.type, address.scheme);
    if (!object) return RowRoadResult::kNoSuchLink;
    opened->link = MakeBoundLink(skin, *family, address.scheme, object);
    Links().current = opened->link.get();
    env.Host().Reset();
    env.Host().CheckState(address.state);
    opened->link->FillPropertyPage(address.state | kFirstShowFlag, nullptr);
    opened->line = FindPathLine(env.Grid(), address.path);
    if (opened->line < 0) return RowRoadResult::kNoSuchRow;
    env.Grid().SetSelectedIndex(opened->line);
    return RowRoadResult::kDone;
}

} // namespace

bool CanFillAllStates(const CItemLinkObj* link, const PropertyGridModel* grid) {
    if (!link || !grid) return false;
    return IsEditCommandEnabled(EditCommand::kFillAllStates,
                                GatherRowFacts(link, grid->Item(grid->GetSelectedIndex())));
}

bool RunFillAllStates(CItemLinkObj* link, PropertyGridModel* grid) {
    if (!CanFillAllStates(link, grid)) return false;
    link->FillAllStates(grid->Item(grid->GetSelectedIndex()));
    return true;
}

RowRoadResult SetRowText(CTwfSkin& skin, const RowAddress& address, const std::wstring& text) {
    DumpEnv env;
    OpenedRow opened;
    const RowRoadResult found = OpenRow(skin, address, env, &opened);
    if (found != RowRoadResult::kDone) return found;
    PropertyGridModel& grid = env.Grid();
    const CPropertyItem* row = grid.Item(opened.line);
    switch (grid.Select(opened.line)) {
    case EditorKind::kEdit:
        grid.EditChanged(text);
        grid.EditLeft(text);
        break;
    case EditorKind::kChoice: {
        const std::vector<std::wstring> choices = SplitChoices(row->Choices());
        bool listed = false;
        for (const std::wstring& c : choices) listed = listed || c == text;
        if (!listed) return RowRoadResult::kNoSuchRow;
        grid.ChoiceChosen(text);
        grid.CloseEditor();
        break;
    }
    case EditorKind::kColor: {
        const bool invert = text.find(L"RGB") == std::wstring::npos;
        grid.SetSelectedColor(ParseColorText(text, invert));
        grid.CloseEditor();
        break;
    }
    default: return RowRoadResult::kUnsupported;
    }
    return RowRoadResult::kDone;
}

RowRoadResult FillRowAllStates(CTwfSkin& skin, const RowAddress& address) {
    DumpEnv env;
    OpenedRow opened;
    const RowRoadResult found = OpenRow(skin, address, env, &opened);
    if (found != RowRoadResult::kDone) return found;
    RunFillAllStates(opened.link.get(), &env.Grid());
    return RowRoadResult::kDone;
}

std::string DumpPages(CTwfSkin& skin, bool withExport) {
    DumpEnv env;
    std::string out;
    for (const auto& [scheme, elements] : skin.GetSchemes()) {
        for (const auto& [type, object] : elements) {
            for (const LinkFamily* family : FamiliesForType(type)) {
                std::shared_ptr<CItemLinkObj> link = MakeBoundLink(skin, *family, scheme, object.get());
                Links().current = link.get();
                env.Host().Reset();
                out += "link " + Utf8(scheme) + " " + std::to_string(type) + " " + family->className + "\n";
                for (int s = 0; s < kStateCount; ++s) {
                    env.Host().CheckState(s);
                    link->FillPropertyPage(s | kFirstShowFlag, nullptr);
                    out += "state " + std::to_string(s) + " shown=" + std::to_string(env.Host().CheckedState()) +
                           " caption=" + Quoted(env.Host().Caption()) + " buttons=" + env.Host().Buttons() + "\n";
                    PropertyGridModel& grid = env.Grid();
                    for (int i = 0; i < grid.Count(); ++i)
                        if (grid.Item(i) && !grid.Item(i)->Parent()) DumpRow(*grid.Item(i), 0, out);
                }
                if (withExport) {
                    DumpSink sink(out);
                    link->SetExportSink(&sink);
                    link->SetOutputMode(1);
                    for (int s : {0, 2, 1, 3, 4}) {
                        out += "export " + std::to_string(s) + "\n";
                        link->FillPropertyPage(s, nullptr);
                    }
                    link->SetOutputMode(0);
                    link->SetExportSink(nullptr);
                }
                env.Grid().ClearProperties();
                Links().current = nullptr;
            }
        }
    }
    return out;
}

} // namespace hexmoor::links
