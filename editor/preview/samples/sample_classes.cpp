#include "editor/preview/samples/sample_classes.h"

#include <commctrl.h>

#include "editor/preview/samples/fill_apply.h"
#include "editor/preview/samples/sample_texts.h"
#include "framework/check_list_box.h"
#include "framework/dialog_tooltips.h"
#include "framework/min_splitter.h"
#include "resources/preview_samples_ids.h"
#include "runtime/logic/classifier.h"

namespace hexmoor::preview {

namespace {

int g_progressCounter = 0;

std::wstring Wide(const std::string& text) { return std::wstring(text.begin(), text.end()); }

class CDateTimeMonthCal : public CSampleDialog {
public:
    CDateTimeMonthCal() : CSampleDialog(TraitsOf(SampleId::kDateTimeMonthCal)) {}

protected:
    void Fill() override {} // the controls show their defaults (today)
};

class CTabs : public CSampleDialog {
public:
    CTabs() : CSampleDialog(TraitsOf(SampleId::kTabs)) {}

protected:
    void Fill() override {
        images_ = LoadSampleImages(IDB_SAMPLE_TABS, 14, RGB(212, 208, 200));
        ApplyFillPlan(Handle(), FillPlanFor(SampleId::kTabs), nullptr, images_.Get());
    }

private:
    win::ImageList images_;
};

class CListBoxScrollbar : public CSampleDialog {
public:
    CListBoxScrollbar() : CSampleDialog(TraitsOf(SampleId::kListBoxScrollbar)) {}

    bool CreateSample(HWND parent) override {
        if (!CSampleDialog::CreateSample(parent)) return false;
        checkList_.Bind(GetDlgItem(Handle(), IDC_SMP_1010));
        grip_ = CreateWindowExW(
            0, L"ScrollBar", nullptr, WS_CHILD | WS_VISIBLE | SBS_SIZEBOXBOTTOMRIGHTALIGN | SBS_SIZEGRIP, 0, 0, 16, 16,
            Handle(), reinterpret_cast<HMENU>(INT_PTR(IDC_SMP_GRIP)), fw::ResourceModule(), nullptr);
        RECT client{};
        GetClientRect(Handle(), &client);
        PlaceGrip(client.right, client.bottom);
        return true;
    }

protected:
    void OnSize(UINT, int cx, int cy) override { PlaceGrip(cx, cy); }
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        if ((msg == WM_HSCROLL || msg == WM_VSCROLL) && lp) {
            HWND bar = reinterpret_cast<HWND>(lp);
            const int pos = GetScrollPos(bar, SB_CTL);
            switch (LOWORD(wp)) {
            case SB_LINEUP: SetScrollPos(bar, SB_CTL, pos - 1, TRUE); break;
            case SB_LINEDOWN: SetScrollPos(bar, SB_CTL, pos + 1, TRUE); break;
            case SB_THUMBPOSITION: SetScrollPos(bar, SB_CTL, HIWORD(wp), TRUE); break;
            default: break;
            }
        }
        return CSampleDialog::WindowProc(msg, wp, lp);
    }
    void Fill() override { ApplyFillPlan(Handle(), FillPlanFor(SampleId::kListBoxScrollbar), &checkList_, nullptr); }
    void OnEveryShow() override {
        for (const CheckState& c : kEveryShowChecks) checkList_.SetCheck(c.item, c.state);
    }

private:
    void PlaceGrip(int cx, int cy) {
        if (grip_) SetWindowPos(grip_, nullptr, cx - 16, cy - 16, 16, 16, SWP_NOZORDER | SWP_NOACTIVATE);
    }
    fw::CheckListBox checkList_;
    HWND grip_ = nullptr; // a child: destroyed with the dialog
};

class CListTree : public CSampleDialog {
public:
    CListTree() : CSampleDialog(TraitsOf(SampleId::kListTree)) {}

protected:
    void Fill() override {
        colours_ = LoadSampleImages(IDB_SAMPLE_COLOURS, 16, RGB(192, 192, 192));
        colours2_ = LoadSampleImages(IDB_SAMPLE_COLOURS_2, 16, RGB(192, 192, 192));
        tree_ = LoadSampleImages(IDB_SAMPLE_TREE, 16, RGB(255, 255, 255));
        HWND small = GetDlgItem(Handle(), IDC_SMP_1019);
        SendMessageW(small, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(colours_.Get()));
        for (int i = 0; i < 12; ++i) {
            std::wstring name = Wide(ColourName(i));
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_IMAGE;
            item.iItem = i;
            item.iImage = i % 6;
            item.pszText = name.data();
            SendMessageW(small, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        }
        HWND colourList = GetDlgItem(Handle(), IDC_SMP_1004), textList = GetDlgItem(Handle(), IDC_SMP_1020);
        SendMessageW(colourList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(colours_.Get()));
        SendMessageW(textList, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(colours2_.Get()));
        for (HWND list : {colourList, textList})
            for (int c = 0; c < 3; ++c) {
                std::wstring header = Wide(HeaderText(c));
                LVCOLUMNW column{};
                column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
                column.fmt = LVCFMT_LEFT;
                column.cx = 70;
                column.pszText = header.data();
                column.iSubItem = c;
                SendMessageW(list, LVM_INSERTCOLUMNW, c, reinterpret_cast<LPARAM>(&column));
            }
        for (int c = 0; c < 3; ++c)
            for (int r = 0; r < 6; ++r) {
                std::wstring name = Wide(ColourName(r)), label = Wide(ListItemLabel(c));
                if (c == 0)
                    for (HWND list : {colourList, textList}) {
                        LVITEMW item{};
                        item.mask = LVIF_TEXT | LVIF_IMAGE;
                        item.iItem = r;
                        item.iImage = r;
                        item.pszText = name.data();
                        SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
                    }
                LVITEMW cell{};
                cell.iSubItem = c;
                cell.pszText = name.data();
                SendMessageW(colourList, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&cell));
                cell.pszText = label.data();
                SendMessageW(textList, LVM_SETITEMTEXTW, r, reinterpret_cast<LPARAM>(&cell));
            }
        SendMessageW(colourList, LVM_SETEXTENDEDLISTVIEWSTYLE, 0, LVS_EX_GRIDLINES | LVS_EX_TRACKSELECT);
        const struct {
            int id, image, selected;
        } trees[] = {{IDC_SMP_1011, 0, 1}, {IDC_SMP_1037, 0, 1}, {IDC_SMP_1038, 2, 2}};
        for (const auto& t : trees) {
            HWND tree = GetDlgItem(Handle(), t.id);
            SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(tree_.Get()));
            FillSampleTree(tree, t.image, t.selected);
        }
    }

private:
    win::ImageList colours_, colours2_, tree_;
};

class CSpinSliderProgress : public CSampleDialog {
public:
    CSpinSliderProgress() : CSampleDialog(TraitsOf(SampleId::kSpinSliderProgress)) {}
    bool CreateSample(HWND parent) override {
        if (!CSampleDialog::CreateSample(parent)) return false;
        SetTimer(Handle(), kTimer, 500, nullptr);
        return true;
    }

protected:
    void OnTimer(UINT_PTR id) override {
        if (id != kTimer) return;
        for (int bar : {IDC_SMP_1056, IDC_SMP_1058})
            SendDlgItemMessageW(Handle(), bar, PBM_SETPOS, g_progressCounter, 0);
        g_progressCounter = NextProgressValue(g_progressCounter);
    }
    void OnDestroy() override { KillTimer(Handle(), kTimer); }

private:
    static constexpr UINT_PTR kTimer = 1;
};

class CToolTips : public CSampleDialog {
public:
    CToolTips() : CSampleDialog(TraitsOf(SampleId::kToolTips)) {}
    bool CreateSample(HWND parent) override { return CSampleDialog::CreateSample(parent) && tips_.Create(Handle()); }
    const fw::DialogToolTips& Tips() const { return tips_; }

protected:
    bool OnNotify(NMHDR* hdr, LRESULT& result) override {
        if (!fw::IsToolTipTextRequest(hdr)) return false;
        if (hdr->code == TTN_NEEDTEXTA) {
            auto* info = reinterpret_cast<NMTTDISPINFOA*>(hdr);
            info->lpszText = info->szText;
            CopyTipText(info->szText, ToolTipText(fw::ToolTipControlId(hdr, info->uFlags)));
        } else {
            auto* info = reinterpret_cast<NMTTDISPINFOW*>(hdr);
            info->lpszText = info->szText;
            CopyTipText(info->szText, ToolTipText(fw::ToolTipControlId(hdr, info->uFlags)));
        }
        result = 0;
        return true;
    }

private:
    fw::DialogToolTips tips_;
};

class CSplitter : public CSampleDialog {
public:
    CSplitter() : CSampleDialog(TraitsOf(SampleId::kSplitter)) {}
    bool CreateSample(HWND parent) override {
        if (!CSampleDialog::CreateSample(parent)) return false;
        fw::SplitterOptions options;
        options.barSize = 7;
        const char* cls = hexmoor::rt::kSplitterWindowClass;
        options.className.assign(cls, cls + std::char_traits<char>::length(cls));
        if (!splitter_.Create(Handle(), 2, 2, 0xE900, options)) return false;
        for (int row = 0; row < 2; ++row)
            for (int column = 0; column < 2; ++column) {
                const bool tree = column == 0;
                const DWORD style =
                    WS_CHILD | WS_VISIBLE | WS_BORDER |
                    (tree ? (TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT) : (LVS_REPORT | LVS_SHAREIMAGELISTS));
                HWND pane = CreateWindowExW(0, tree ? WC_TREEVIEWW : WC_LISTVIEWW, nullptr, style, 0, 0, 10, 10,
                                            splitter_.Handle(), nullptr, fw::ResourceModule(), nullptr);
                if (!pane) return false;
                splitter_.SetPane(row, column, pane);
            }
        splitter_.SetColumnInfo(0, 200, 0);
        splitter_.SetRowInfo(0, 150, 0);
        PlaceSplitter();
        return true;
    }

protected:
    void OnSize(UINT, int, int) override { PlaceSplitter(); }
    void Fill() override {
        for (int i = 0; i < 2; ++i) {
            splitter_.SetColumnInfo(i, 100, 10);
            splitter_.SetRowInfo(i, 100, 10);
        }
        PlaceSplitter();
        colours_ = LoadSampleImages(IDB_SAMPLE_COLOURS, 16, RGB(192, 192, 192));
        tree_ = LoadSampleImages(IDB_SAMPLE_TREE, 16, RGB(255, 255, 255));
        for (int row = 0; row < 2; ++row) {
            HWND tree = splitter_.Pane(row, 0), list = splitter_.Pane(row, 1);
            SendMessageW(tree, TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(tree_.Get()));
            SendMessageW(list, LVM_SETIMAGELIST, LVSIL_SMALL, reinterpret_cast<LPARAM>(colours_.Get()));
            AddColourRows(list, 60, true);
            FillSampleTree(tree, 0, 1);
        }
    }

private:
    void PlaceSplitter() {
        if (!splitter_.Handle()) return;
        RECT client{};
        GetClientRect(Handle(), &client);
        SetWindowPos(splitter_.Handle(), nullptr, 0, 0, client.right, client.bottom, SWP_NOZORDER | SWP_NOACTIVATE);
        splitter_.RecalcLayout();
    }
    fw::MinSplitterWindow splitter_;
    win::ImageList colours_, tree_;
};

} // namespace

SampleTraits TraitsOf(SampleId sample) {
    SampleTraits t;
    t.id = sample;
    switch (sample) {
    case SampleId::kDialogPreview: t.templateId = IDD_SAMPLE_DIALOG; break;
    case SampleId::kEditCombobox:
        t.templateId = IDD_SAMPLE_EDIT_COMBOBOX;
        t.activateOnClick = true;
        break;
    case SampleId::kListBoxScrollbar: t.templateId = IDD_SAMPLE_LISTBOX_SCROLLBAR; break;
    case SampleId::kListTree:
        t.templateId = IDD_SAMPLE_LIST_TREE;
        t.dropClose = false;
        break;
    case SampleId::kStaticGroupButtonCheckRadio: t.templateId = IDD_SAMPLE_STATIC_BUTTONS; break;
    case SampleId::kSpinSliderProgress: t.templateId = IDD_SAMPLE_SPIN_SLIDER_PROGRESS; break;
    case SampleId::kTabs: t.templateId = IDD_SAMPLE_TABS; break;
    case SampleId::kToolTips:
        t.templateId = IDD_SAMPLE_TOOLTIPS;
        t.forwardKeys = false;
        break;
    case SampleId::kSplitter:
        t.templateId = IDD_SAMPLE_SPLITTER;
        t.forwardKeys = false;
        break;
    case SampleId::kDateTimeMonthCal: t.templateId = IDD_SAMPLE_DATE_TIME; break;
    default: t.id = SampleId::kNone; break;
    }
    return t;
}

std::unique_ptr<CSampleDialog> MakeSampleDialog(SampleId sample) {
    switch (sample) {
    case SampleId::kDialogPreview:
    case SampleId::kEditCombobox:
    case SampleId::kStaticGroupButtonCheckRadio: return std::make_unique<CSampleDialog>(TraitsOf(sample));
    case SampleId::kDateTimeMonthCal: return std::make_unique<CDateTimeMonthCal>();
    case SampleId::kTabs: return std::make_unique<CTabs>();
    case SampleId::kListBoxScrollbar: return std::make_unique<CListBoxScrollbar>();
    case SampleId::kListTree: return std::make_unique<CListTree>();
    case SampleId::kSpinSliderProgress: return std::make_unique<CSpinSliderProgress>();
    case SampleId::kToolTips: return std::make_unique<CToolTips>();
    case SampleId::kSplitter: return std::make_unique<CSplitter>();
    default: return nullptr;
    }
}

int ProgressCounter() { return g_progressCounter; }

} // namespace hexmoor::preview
