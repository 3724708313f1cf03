// grid_bench [ITERATIONS]: how long the property grid takes to be filled
// with a 60-row page holding every row kind and painted, against a bare
// owner-drawn list box given the same texts, in the same run.
// Ends with "ratio grid-paint-to-bare X.XX".
#include <cstdio>
#include <cwchar>
#include <memory>
#include <string>
#include <vector>

#include "editor/links/item_link.h"
#include "editor/links/win/property_list.h"
#include "base/win/gdi.h"
#include "framework/window.h"
#include "tests/harness/capture.h"
#include "tests/harness/ink.h"

using namespace hexmoor;
using namespace hexmoor::links;

namespace {

constexpr int kRows = 60;
constexpr int kHeight = 1000;

// A page of 60 rows: every kind, two groups of children, one left open.
class BenchLink : public CItemLinkObj {
public:
    BenchLink() : CItemLinkObj(nullptr, 4, 0, L"Default") {
        const int kinds[] = {0, 1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13};
        int made = 0;
        for (int group = 0; group < 2; ++group) {
            auto g = MakeRow(L"Group " + std::to_wstring(group), L"", kKindCategory, L"", 0, TRUE, nullptr, 0);
            g->SetExpanded(group == 0 ? TRUE : FALSE);
            for (int c = 0; c < 4; ++c)
                g->AddChild(MakeRow(L"Child " + std::to_wstring(c), std::to_wstring(c), kKindSize, L"",
                                    static_cast<WORD>(900 + made++), FALSE, g.get(), 0));
            rows_.push_back(std::move(g));
        }
        for (int i = 0; rows_.size() + 4 < kRows; ++i) {
            const int kind = kinds[i % 12];
            std::wstring value = std::to_wstring(i * 7);
            if (kind == kKindChoice) value = L"Center";
            if (kind == kKindColor) value = L"RGB(10,20,30)";
            if (kind == kKindImage || kind == kKindRegion) value = L"Inserted";
            rows_.push_back(MakeRow(L"Property " + std::to_wstring(i), value, kind, L"Left|Center|Right",
                                    static_cast<WORD>(100 + i), FALSE, nullptr, static_cast<WORD>(100 + i)));
        }
    }
    ~BenchLink() override { ForgetRows(); }
    const char* ClassName() const override { return "BenchLink"; }
    BOOL OnOptionsChanged() override { return 1; }
    BOOL CommitEditedValues(PropertyGridModel*) override { return 1; }
    BOOL BuildPropertyItems(int) override { return 1; }
    BOOL FillPropertyPage(int, void* context) override {
        ClearPropertyList();
        for (auto& row : rows_) {
            const int index = AddPropertyItem(row.get(), context, -1);
            if (row->IsExpandable()) ExpandListItem(index, row->IsExpanded());
        }
        return 1;
    }
    // Every text the grid shows, in line order.
    std::vector<std::pair<std::wstring, std::wstring>> Texts() const {
        std::vector<std::pair<std::wstring, std::wstring>> texts;
        for (const auto& row : rows_) {
            texts.emplace_back(row->Label(), row->Value());
            if (row->IsExpanded())
                for (int c = 0; c < row->ChildCount(); ++c)
                    texts.emplace_back(row->Child(c)->Label(), row->Child(c)->Value());
        }
        return texts;
    }

private:
    std::vector<std::unique_ptr<CPropertyItem>> rows_;
};

// The baseline: an owner-drawn list box drawing the same two texts per line.
class BareList : public fw::Window {
public:
    bool CreateList(HWND parent) {
        fw::WindowArgs args;
        args.className = L"LISTBOX";
        args.style = WS_CHILD | WS_VISIBLE | WS_VSCROLL | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOTIFY |
                     LBS_NOINTEGRALHEIGHT;
        args.parent = parent;
        args.width = 400;
        args.height = kHeight;
        args.menuOrId = reinterpret_cast<HMENU>(static_cast<UINT_PTR>(1200));
        if (!Create(args)) return false;
        // The list measures its fixed line height while it is being created,
        // before this object is bound to it: the grid's line height is set
        // here, so both lists show the same lines (and both a scroll bar).
        SendMessageW(Handle(), LB_SETITEMHEIGHT, 0, 17);
        return true;
    }
    void Fill(const std::vector<std::pair<std::wstring, std::wstring>>& texts) {
        texts_ = &texts;
        SendMessageW(Handle(), LB_RESETCONTENT, 0, 0);
        for (size_t i = 0; i < texts.size(); ++i)
            SendMessageW(Handle(), LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(texts[i].first.c_str()));
    }

protected:
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) override {
        mis->itemHeight = 17;
        return true;
    }
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* dis) override {
        if (!texts_ || dis->itemID >= texts_->size()) return true;
        RECT r = dis->rcItem;
        FillRect(dis->hDC, &r, GetSysColorBrush(COLOR_WINDOW));
        SetBkMode(dis->hDC, TRANSPARENT);
        RECT label = r, value = r;
        label.right = value.left = (r.right - r.left) / 2;
        const auto& [l, v] = (*texts_)[dis->itemID];
        DrawTextW(dis->hDC, l.c_str(), -1, &label, DT_SINGLELINE);
        DrawTextW(dis->hDC, v.c_str(), -1, &value, DT_SINGLELINE);
        return true;
    }

private:
    const std::vector<std::pair<std::wstring, std::wstring>>* texts_ = nullptr;
};

// True when every line of the list that shows whole on the screen has ink in
// its label part (from labelLeft(line) to split(line)) and, when its value
// text is not empty, in its value part: a list that paints nothing, or
// paints every line blank, is not timed.
template <typename Split, typename LabelLeft>
bool PaintedEveryLine(HWND list, const std::vector<std::pair<std::wstring, std::wstring>>& texts, Split split,
                      LabelLeft labelLeft) {
    RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    const test::PixelBuffer shot = test::CaptureClient(list);
    const test::Colour window = GetSysColor(COLOR_WINDOW), grid = GetSysColor(COLOR_BTNSHADOW);
    const int lines = static_cast<int>(SendMessageW(list, LB_GETCOUNT, 0, 0));
    if (lines != static_cast<int>(texts.size())) return false;
    int checked = 0;
    for (int i = 0; i < lines; ++i) {
        RECT r{};
        SendMessageW(list, LB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
        if (r.bottom > shot.Height()) break;
        const int middle = split(r);
        const test::PixelRect label{labelLeft(i, r), static_cast<int>(r.top) + 1, middle, static_cast<int>(r.bottom)};
        const test::PixelRect value{middle + 1, static_cast<int>(r.top) + 1, static_cast<int>(r.right),
                                    static_cast<int>(r.bottom)};
        if (test::InkBounds(shot, label, {window, grid}).Width() <= 0) return false;
        if (!texts[i].second.empty() && test::InkBounds(shot, value, {window, grid}).Width() <= 0) return false;
        ++checked;
    }
    return checked > 0;
}

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&msg);
}

template <typename Fill>
double TimeFillAndPaint(HWND list, int iterations, Fill fill) {
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    Pump();
    QueryPerformanceCounter(&start);
    for (int i = 0; i < iterations; ++i) {
        fill();
        RedrawWindow(list, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW | RDW_ERASENOW);
    }
    QueryPerformanceCounter(&end);
    return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / iterations;
}

} // namespace

int wmain(int argc, wchar_t** argv) {
    const int iterations = argc > 1 ? _wtoi(argv[1]) : 1000;
    if (iterations < 1) {
        std::fputs("usage: grid_bench [ITERATIONS]\n", stderr);
        return 1;
    }
    fw::WindowArgs args;
    args.style = WS_POPUP | WS_VISIBLE;
    args.width = 820;
    args.height = kHeight;
    fw::Window parent;
    if (!parent.Create(args)) return 1;

    CPropertyList grid;
    grid.CreateGrid(parent.Handle(), 1100);
    MoveWindow(grid.Handle(), 0, 0, 400, kHeight, TRUE);
    ShowWindow(grid.Handle(), SW_SHOW);
    CTwfObj element(4);
    for (int i = 0; i < kRows; ++i) element.SetColor(static_cast<WORD>(100 + i), RGB(10, 20, 30));
    BenchLink link;
    link.SetTwfObj(&element);
    Links().current = &link;

    BareList bare;
    bare.CreateList(parent.Handle());
    MoveWindow(bare.Handle(), 410, 0, 400, kHeight, TRUE);
    const auto texts = link.Texts();

    // Warm both, then alternate the measured runs so that load on the
    // machine touches both alike.
    link.FillPropertyPage(0, nullptr);
    bare.Fill(texts);
    double gridTotal = 0, bareTotal = 0;
    const int rounds = 4;
    for (int round = 0; round < rounds; ++round) {
        gridTotal +=
            TimeFillAndPaint(grid.Handle(), iterations / rounds + 1, [&] { link.FillPropertyPage(0, nullptr); });
        bareTotal += TimeFillAndPaint(bare.Handle(), iterations / rounds + 1, [&] { bare.Fill(texts); });
    }
    // Where the time goes: filling alone, and painting alone with the page
    // unchanged.
    auto timeFill = [&](auto fill) {
        LARGE_INTEGER frequency, start, end;
        QueryPerformanceFrequency(&frequency);
        QueryPerformanceCounter(&start);
        for (int i = 0; i < iterations / 4 + 1; ++i) fill();
        QueryPerformanceCounter(&end);
        return double(end.QuadPart - start.QuadPart) * 1e6 / double(frequency.QuadPart) / (iterations / 4 + 1);
    };
    const double gridFill = timeFill([&] { link.FillPropertyPage(0, nullptr); });
    const double bareFill = timeFill([&] { bare.Fill(texts); });
    const double gridPaint = TimeFillAndPaint(grid.Handle(), iterations / 4 + 1, [] {});
    const double barePaint = TimeFillAndPaint(bare.Handle(), iterations / 4 + 1, [] {});
    // The figures count only when both lists drew every line's texts.
    const bool gridPainted = PaintedEveryLine(
        grid.Handle(), texts, [&](const RECT& r) { return DividerOrDefault(grid.Divider(), r); },
        [&](int i, const RECT& r) {
            const RECT text = LabelTextRect(LabelCell(r, DividerOrDefault(grid.Divider(), r)));
            return static_cast<int>(text.left) + LabelIndent(*grid.Model().Item(i), grid.GlyphWidth());
        });
    const bool barePainted = PaintedEveryLine(
        bare.Handle(), texts, [](const RECT& r) { return static_cast<int>(r.right - r.left) / 2; },
        [](int, const RECT& r) { return static_cast<int>(r.left); });
    std::printf("lines %d\n", grid.Model().Count());
    if (!gridPainted || !barePainted) {
        std::fprintf(stderr, "%s did not paint its lines' texts: no ratio\n", gridPainted ? "the bare list" : "the grid");
        Links().current = nullptr;
        return 2;
    }
    std::printf("grid fill %.1f us\n", gridFill);
    std::printf("bare fill %.1f us\n", bareFill);
    std::printf("grid paint %.1f us\n", gridPaint);
    std::printf("bare paint %.1f us\n", barePaint);
    std::printf("grid fill+paint %.1f us\n", gridTotal / rounds);
    std::printf("bare fill+paint %.1f us\n", bareTotal / rounds);
    std::printf("ratio grid-paint-to-bare %.2f\n", gridTotal / bareTotal);
    Links().current = nullptr;
    return 0;
}
