// trees_bench [SCALE]: the element trees' fill and clear against a bare tree
// view doing the same inserts and deletes (texts, parents, icons), measured
// in the same run; prints "ratio tree-fill-to-bare X.XX" and "ratio
// tree-clear-to-bare X.XX". An item's link is made and its page built the
// first time the link is asked for, not by the fill: the bench asks every
// item of the custom tree for its link after each fill (full pages for
// every kind that has a page table) and prints that time too, against the
// bare fill, as "links first use". No ratio is printed when no link built a
// page.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "editor/shell/trees/element_tree.h"
#include "editor/shell/trees/tree_view_store.h"
#include "model/elements/frame_properties.h"
#include "model/element_types.h"
#include "model/twf_skin.h"
#include "resources/command_ids.h"

using namespace hexmoor::shell;
using Clock = std::chrono::steady_clock;

namespace {

double Seconds(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

HWND MakeTree(HWND parent) {
    return CreateWindowExW(0, WC_TREEVIEWW, nullptr, WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES, 0, 0, 300,
                           600, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
}

// The skin: folders up to three deep, custom controls of every addable
// kind spread over them, user data at the top of its tree.
void BuildSkin(CTwfSkin& skin, double scale) {
    const int folders = std::max(3, static_cast<int>(100 * scale));
    const int controls = std::max(22, static_cast<int>(5000 * scale));
    const int userData = std::max(5, static_cast<int>(500 * scale));
    std::vector<std::wstring> paths;
    for (int i = 0; i < folders; ++i) {
        std::wstring path;
        if (i % 3 == 0 || paths.empty())
            path = std::wstring(kCustomSchemePrefix) + L"F" + std::to_wstring(i);
        else
            path = paths[static_cast<std::size_t>(i - 1)] + L"\\F" + std::to_wstring(i);
        paths.push_back(path);
        CTwfObj* f = skin.GetOrCreateObject(kElemFolder, path);
        f->SetFolderId(static_cast<WORD>(i + 1));
        f->SetOrder(static_cast<WORD>(i));
    }
    std::vector<const Adder*> kinds;
    for (const Adder& a : Adders())
        if (a.command) kinds.push_back(&a);
    for (int i = 0; i < controls; ++i) {
        const Adder* a = kinds[static_cast<std::size_t>(i) % kinds.size()];
        const WORD folder = static_cast<WORD>(i % folders + 1);
        const std::wstring scheme = L"<" + std::to_wstring(folder) + L">" + a->name + std::to_wstring(i);
        CTwfObj* o = skin.GetOrCreateObject(a->type, scheme);
        if (!o) continue;
        o->SetFolderId(folder);
        o->SetOrder(static_cast<WORD>(i));
        if (a->command == ID_ADD_REGION_DEFINED)
            o->SetNumber(frame_props::kRegionShape, frame_props::kRegionDefinedWindow);
    }
    for (int i = 0; i < userData; ++i) skin.GetOrCreateObject(kElemUserData, L"Data" + std::to_wstring(i));
}

struct Item {
    std::wstring text;
    int parent; // index into the list, -1 for the top
    int icon;
};

void Collect(const TreeStore& store, TreeHandle h, int parent, std::vector<Item>& out) {
    for (TreeHandle c = store.FirstChild(h); c; c = store.NextSibling(c)) {
        out.push_back({store.Text(c), parent, store.Icon(c)});
        Collect(store, c, static_cast<int>(out.size()) - 1, out);
    }
}

} // namespace

int main(int argc, char** argv) {
    const double scale = argc > 1 ? std::atof(argv[1]) : 1.0;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    HWND host = CreateWindowExW(0, L"STATIC", L"trees_bench", WS_OVERLAPPEDWINDOW, 0, 0, 640, 640, nullptr, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    if (!host) {
        std::fprintf(stderr, "trees_bench: no window (is there a display?)\n");
        return 1;
    }
    CTwfSkin skin;
    skin.InitNewSkin(L"Default");
    BuildSkin(skin, scale);

    double linksBest = 1e9, fillBest = 1e9, clearBest = 1e9, bareFillBest = 1e9, bareClearBest = 1e9;
    std::size_t itemCount = 0, builtLinks = 0;
    for (int round = 0; round < 3; ++round) {
        HWND customTree = MakeTree(host), userTree = MakeTree(host), bareTree = MakeTree(host);
        TreeViewStore customStore(customTree), userStore(userTree);
        ElementTree custom(customStore, 1, [&] { return &skin; });
        ElementTree user(userStore, 2, [&] { return &skin; });

        auto t0 = Clock::now();
        custom.FillFromSkin();
        user.FillFromSkin();
        auto t1 = Clock::now();
        std::vector<Item> items;
        Collect(customStore, nullptr, -1, items);
        Collect(userStore, nullptr, -1, items);
        itemCount = items.size();
        const std::vector<TreeHandle> customItems = custom.Items();
        builtLinks = 0;
        auto l0 = Clock::now();
        for (TreeHandle item : customItems)
            if (const hexmoor::links::CItemLinkObj* link = custom.LinkOf(item); link && !link->RowMap().empty())
                ++builtLinks;
        auto l1 = Clock::now();
        linksBest = std::min(linksBest, Seconds(l0, l1));
        auto t2 = Clock::now();
        custom.Clear();
        user.Clear();
        auto t3 = Clock::now();

        // The same items in a bare tree view: inserted, then deleted the
        // way the trees delete them (each top item under the roots).
        std::vector<HTREEITEM> made(items.size());
        auto b0 = Clock::now();
        for (std::size_t i = 0; i < items.size(); ++i) {
            TVINSERTSTRUCTW is{};
            is.hParent = items[i].parent < 0 ? TVI_ROOT : made[static_cast<std::size_t>(items[i].parent)];
            is.hInsertAfter = TVI_LAST;
            is.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
            is.item.pszText = const_cast<wchar_t*>(items[i].text.c_str());
            is.item.iImage = is.item.iSelectedImage = items[i].icon;
            is.item.lParam = static_cast<LPARAM>(i + 1);
            made[i] = TreeView_InsertItem(bareTree, &is);
        }
        auto b1 = Clock::now();
        for (HTREEITEM root = TreeView_GetRoot(bareTree); root; root = TreeView_GetNextSibling(bareTree, root))
            while (HTREEITEM c = TreeView_GetChild(bareTree, root)) TreeView_DeleteItem(bareTree, c);
        auto b2 = Clock::now();

        fillBest = std::min(fillBest, Seconds(t0, t1));
        clearBest = std::min(clearBest, Seconds(t2, t3));
        bareFillBest = std::min(bareFillBest, Seconds(b0, b1));
        bareClearBest = std::min(bareClearBest, Seconds(b1, b2));
        DestroyWindow(customTree);
        DestroyWindow(userTree);
        DestroyWindow(bareTree);
    }
    std::printf("items %zu, links with built pages %zu\n", itemCount, builtLinks);
    if (builtLinks == 0) {
        std::fprintf(stderr, "trees_bench: no link built its page\n");
        return 1;
    }
    std::printf("tree-fill %.4f s, bare-fill %.4f s\n", fillBest, bareFillBest);
    std::printf("tree-clear %.4f s, bare-clear %.4f s\n", clearBest, bareClearBest);
    std::printf("links first use %.4f s (%.2f of the bare fill)\n", linksBest,
                linksBest / std::max(bareFillBest, 1e-9));
    std::printf("ratio tree-fill-to-bare %.2f\n", fillBest / std::max(bareFillBest, 1e-9));
    std::printf("ratio tree-clear-to-bare %.2f\n", clearBest / std::max(bareClearBest, 1e-9));
    DestroyWindow(host);
    return 0;
}
