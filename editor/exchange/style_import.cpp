#include "editor/exchange/style_import.h"

#include "editor/exchange/importers.h"
#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_skin.h"

namespace hexmoor::exchange {
namespace {

using Importer = void (*)(const ImportContext&, CTwfObj*);

struct Step {
    WORD type;
    Importer importer; // null: emptied and switched off
};

constexpr Step kSteps[] = {
    {kElemWndFrame, ImportWindowFrame},
    {kElemDialogFrame, ImportDialogFrame},
    {kElemButton, ImportButton},
    {kElemCheckBox, ImportCheckBox},
    {kElemRadioBox, ImportRadioBox},
    {kElemCheckButton, ImportCheckButton},
    {kElemGroupBox, ImportGroupBox},
    {kElemScrollbars, ImportScrollBar},
    {kElemGrip, ImportGrip},
    {kElemEdit, ImportEditBox},
    {kElemListBox, ImportListBox},
    {kElemComboBox, ImportComboBox},
    {kElemStaticText, ImportStaticText},
    {kElemTabCtrl, ImportTab},
    {kElemProgressBar, ImportProgressBar},
    {kElemSpinCtrl, ImportSpin},
    {kElemSlider, ImportSlider},
    {kElemSplitter, ImportSplitter},
    {kElemHeaderCtrl, ImportHeader},
    {kElemListView, ImportListView},
    {kElemTreeCtrl, ImportTreeView},
    {kElemToolBar, ImportToolBar},
    {kElemToolTip, ImportTooltip},
    {kElemStatusBar, ImportStatusBar},
    {kElemMenu, ImportMenu},
    {kElemDateTime, ImportDateTime},
    {kElemMonthCal, nullptr},
};

// Every section some importer reads; a scheme text holding none of them is
// not a colour scheme this import can read.
constexpr const char* kReadSections[] = {"SysMetrics",
                                         "Window.Caption",
                                         "Window.FrameBottom",
                                         "Window.FrameLeft",
                                         "Window.FrameRight",
                                         "Window.CloseButton",
                                         "Window.MaxButton",
                                         "Window.RestoreButton",
                                         "Window.MinButton",
                                         "Window.HelpButton",
                                         "Window.MDICloseButton",
                                         "Window.MDIRestoreButton",
                                         "Window.MDIMinButton",
                                         "Window.MinCaption",
                                         "Button.Pushbutton",
                                         "Button.Pushbutton(Normal)",
                                         "Button.Pushbutton(Hot)",
                                         "Button.Pushbutton(Pressed)",
                                         "Button.Pushbutton(Disabled)",
                                         "Button.Pushbutton(Defaulted)",
                                         "Button.Checkbox",
                                         "Button.Checkbox(Checkeddisabled)",
                                         "Button.Radiobutton",
                                         "Button.Radiobutton(Checkeddisabled)",
                                         "Button.Groupbox",
                                         "ScrollBar.ArrowBtn",
                                         "ScrollBar.ThumbBtnVert",
                                         "ScrollBar.ThumbBtnHorz",
                                         "ScrollBar.UpperTrackVert",
                                         "ScrollBar.UpperTrackHorz",
                                         "Status",
                                         "Status.Pane",
                                         "Status.Gripper",
                                         "Edit",
                                         "Edit.Edittext(ReadOnly)",
                                         "Edit.Edittext(Disabled)",
                                         "Listbox",
                                         "Combobox",
                                         "Combobox.DropDownButton",
                                         "Tab",
                                         "Tab.TabItem",
                                         "Tab.TopTabItem",
                                         "Tab.Pane",
                                         "Progress.Bar",
                                         "Progress.BarVert",
                                         "Progress.Chunk",
                                         "Progress.ChunkVert",
                                         "Spin.Downhorz",
                                         "Spin.Uphorz",
                                         "Spin.Up",
                                         "Spin.Down",
                                         "TrackBar.Thumb",
                                         "TrackBar.ThumbVert",
                                         "TrackBar.Track",
                                         "TrackBar.TrackVert",
                                         "Header.HeaderItem",
                                         "ListView",
                                         "TreeView",
                                         "TreeView.Glyph",
                                         "Toolbar",
                                         "Toolbar.Button",
                                         "Toolbar.Separator"};

std::wstring ToWide(std::u16string_view text) { return std::wstring(text.begin(), text.end()); }

void AddCounts(const CTwfObj& object, ImportCounts* counts) {
    counts->images += static_cast<int>(object.GetImageMap().size());
    counts->colors += static_cast<int>(object.GetColorMap().size());
    counts->numbers += static_cast<int>(object.GetNumberMap().size());
}

} // namespace

const std::vector<WORD>& ImportedElementTypes() {
    static const std::vector<WORD> types = [] {
        std::vector<WORD> out;
        for (const Step& s : kSteps) out.push_back(s.type);
        return out;
    }();
    return types;
}

SchemeText ReadSchemeText(const StyleFile& style, std::u16string_view resource, IniText* out) {
    const auto bytes = style.FindTextResource(resource);
    if (!bytes) return SchemeText::kMissing;
    IniText text(*bytes);
    bool readable = false;
    for (const char* section : kReadSections) readable = readable || text.HasSection(section);
    if (!readable) return SchemeText::kUnreadable;
    *out = std::move(text);
    return SchemeText::kOk;
}

StagedImport StageScheme(CTwfSkin& skin, const StyleFile& style, const IniText& scheme,
                         std::vector<SkippedImage>* skipped) {
    StagedImport staged;
    DecodedBitmaps decoded;
    PixelBudget budget;
    ImportContext context{&style, &scheme, skipped, &decoded, &budget};
    for (const Step& step : kSteps) {
        std::unique_ptr<CTwfObj> object = skin.CreateTwfObject(step.type);
        if (!object) continue;
        // A new element may come with defaults (system colours); the import
        // starts from an empty one.
        object->Clear(0);
        if (step.importer) {
            step.importer(context, object.get());
            object->SetEnabled(1);
        } else {
            object->SetEnabled(0);
        }
        staged.objects.push_back(std::move(object));
    }
    const IniText& themes = style.Themes();
    SkinInfo& info = staged.info;
    info.skinName = ToWide(themes.Get("Documentation", "ThemeName"));
    info.copyright = ToWide(themes.Get("Documentation", "Copyright"));
    info.author = ToWide(themes.Get("Documentation", "Author"));
    info.company = ToWide(themes.Get("Documentation", "Company"));
    info.url = ToWide(themes.Get("Documentation", "URL"));
    info.version = ToWide(themes.Get("Documentation", "Version"));
    info.lastUpdated = ToWide(themes.Get("Documentation", "LastUpdated"));
    info.description = ToWide(themes.Get("Documentation", "Description"));
    return staged;
}

void ApplyStagedImport(CTwfSkin& skin, StagedImport staged) {
    CTwfScheme* elements = skin.GetOrCreateScheme(L"");
    for (std::unique_ptr<CTwfObj>& object : staged.objects) {
        std::unique_ptr<CTwfObj>& place = (*elements)[object->GetType()];
        if (place) {
            // Refilled where it is: the trees, the grid and the sample
            // windows may hold it (or its sides). It keeps its place in the
            // tree and the flag its file stored; the staged object leaves
            // with the previous contents.
            object->SetOrder(place->GetOrder());
            object->SetFolderId(place->GetFolderId());
            object->SetStoredEnabled(place->GetStoredEnabled());
            place->SwapContents(*object);
        } else {
            place = std::move(object);
        }
    }
    skin.GetInfo() = std::move(staged.info);
}

void ImportScheme(CTwfSkin& skin, const StyleFile& style, const IniText& scheme, std::vector<SkippedImage>* skipped) {
    ApplyStagedImport(skin, StageScheme(skin, style, scheme, skipped));
}

ImportCounts CountImported(const CTwfSkin& skin) {
    ImportCounts counts;
    for (WORD type : ImportedElementTypes()) {
        const CTwfObj* object = skin.FindObject(type, L"");
        if (!object) continue;
        ++counts.elements;
        AddCounts(*object, &counts);
        if (const auto* frame = dynamic_cast<const CTwfWndFrame*>(object)) {
            for (int i = 0; i < 4; ++i) {
                const CTwfSideFrame* side = frame->GetSide(i);
                if (!side) continue;
                AddCounts(*side, &counts);
                for (const auto& [id, options] : side->GetRegionOptionsMap())
                    if (options.HasRegion()) ++counts.regions;
            }
            if (frame->GetMenuBar()) AddCounts(*frame->GetMenuBar(), &counts);
        }
    }
    return counts;
}

} // namespace hexmoor::exchange
