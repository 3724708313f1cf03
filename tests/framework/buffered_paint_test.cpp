#include "framework/buffered_paint.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include "base/win/gdi.h"
#include "base/win/handles.h"
#include "tests/harness/capture.h"
#include "tests/harness/test_window.h"

using namespace hexmoor;

namespace {

constexpr int kTreeWidth = 180;
constexpr int kTreeHeight = 200;
constexpr test::Colour kMagenta = test::MakeColour(255, 0, 255);

// Three 16 x 16 images of solid colours, masked like the editor's lists.
win::ImageList ColourImages() {
    win::ImageList list(ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 3, 1));
    const COLORREF colours[] = {RGB(200, 40, 40), RGB(40, 160, 40), RGB(40, 40, 200)};
    win::WindowDC screen(nullptr);
    for (COLORREF c : colours) {
        win::Bitmap image(CreateCompatibleBitmap(screen.Get(), 16, 16));
        win::MemoryDC dc(screen.Get());
        {
            win::SelectGuard select(dc.Get(), image.Get());
            win::Brush fill(CreateSolidBrush(RGB(255, 0, 255)));
            RECT all{0, 0, 16, 16};
            FillRect(dc.Get(), &all, fill.Get());
            win::Brush square(CreateSolidBrush(c));
            RECT inner{3, 3, 13, 13};
            FillRect(dc.Get(), &inner, square.Get());
        }
        ImageList_AddMasked(list.Get(), image.Get(), RGB(255, 0, 255));
    }
    return list;
}

// A tree with lines, buttons, icons and state images, partly expanded.
HWND MakeTree(HWND parent, int x, HIMAGELIST images) {
    HWND tree = CreateWindowExW(WS_EX_CLIENTEDGE, WC_TREEVIEWW, nullptr,
                                WS_CHILD | WS_VISIBLE | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT, x, 0,
                                kTreeWidth, kTreeHeight, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
    TreeView_SetImageList(tree, images, TVSIL_NORMAL);
    TreeView_SetImageList(tree, images, TVSIL_STATE);
    for (int g = 0; g < 3; ++g) {
        TVINSERTSTRUCTW ins{};
        ins.hParent = TVI_ROOT;
        ins.hInsertAfter = TVI_LAST;
        ins.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
        wchar_t text[32];
        wsprintfW(text, L"Group %d", g);
        ins.item.pszText = text;
        ins.item.iImage = ins.item.iSelectedImage = g;
        ins.item.state = INDEXTOSTATEIMAGEMASK(g % 3 + 1);
        ins.item.stateMask = TVIS_STATEIMAGEMASK;
        HTREEITEM group = TreeView_InsertItem(tree, &ins);
        for (int i = 0; i < 4; ++i) {
            ins.hParent = group;
            wsprintfW(text, L"Element %d.%d with a longer name", g, i);
            ins.item.iImage = ins.item.iSelectedImage = (g + i) % 3;
            TreeView_InsertItem(tree, &ins);
        }
        if (g != 1) TreeView_Expand(tree, group, TVE_EXPAND);
    }
    return tree;
}

// Covers the tree with magenta behind its back: its client area, or the whole
// window with the scroll bars.
void Scribble(HWND tree, bool wholeWindow = false) {
    win::WindowDC dc(tree, wholeWindow);
    win::Brush fill(CreateSolidBrush(RGB(255, 0, 255)));
    RECT area;
    GetClientRect(tree, &area);
    if (wholeWindow) {
        RECT window;
        GetWindowRect(tree, &window);
        area = {0, 0, window.right - window.left, window.bottom - window.top};
    }
    FillRect(dc.Get(), &area, fill.Get());
}

} // namespace

// The same tree painted by itself and through the buffer shows the same
// pixels, whole and when only part of it is repainted; the buffered paint
// touches nothing outside the part asked for.
TEST(BufferedPaint, TreeShowsTheControlsOwnPixelsInEveryPaint) {
    test::TestWindowArgs args;
    args.clientWidth = 2 * kTreeWidth + 20;
    args.clientHeight = kTreeHeight;
    test::TestWindow host(args);
    const win::ImageList images = ColourImages();
    HWND plain = MakeTree(host.Handle(), 0, images.Get());
    HWND buffered = MakeTree(host.Handle(), kTreeWidth + 20, images.Get());
    fw::BufferedPaintWindow binding;
    ASSERT_TRUE(binding.Attach(buffered));

    for (HWND tree : {plain, buffered}) {
        RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    }
    test::PumpMessages();
    const test::PixelBuffer reference = test::CaptureClient(plain);
    ASSERT_FALSE(reference.Empty());
    EXPECT_EQ(test::CountDifferences(test::CaptureClient(buffered), reference), 0);

    // A repaint of a band across the middle only.
    Scribble(buffered);
    RECT band{0, 60, kTreeWidth, 100};
    InvalidateRect(buffered, &band, TRUE);
    UpdateWindow(buffered);
    const test::PixelBuffer after = test::CaptureClient(buffered);
    int outsideKept = 0, outsideTotal = 0;
    for (int y = 0; y < after.Height(); ++y) {
        for (int x = 0; x < after.Width(); ++x) {
            const bool inside = y >= band.top && y < band.bottom && x >= band.left && x < band.right;
            if (inside) {
                ASSERT_EQ(after.At(x, y), reference.At(x, y)) << "at " << x << "," << y;
            } else {
                ++outsideTotal;
                if (after.At(x, y) == kMagenta) ++outsideKept;
            }
        }
    }
    EXPECT_EQ(outsideKept, outsideTotal);

    // An erase ahead of the paint, as a show makes: the paint draws the
    // background with the items.
    Scribble(buffered);
    RedrawWindow(buffered, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ERASENOW);
    UpdateWindow(buffered);
    EXPECT_EQ(test::CountDifferences(test::CaptureClient(buffered), reference), 0);
}

namespace {

constexpr int kShortTreeHeight = 100;

// A tree too small for its rows and their text: both scroll bars show.
HWND MakeScrollingTree(HWND parent, int x, HIMAGELIST images) {
    HWND tree = MakeTree(parent, x, images);
    SetWindowPos(tree, nullptr, 0, 0, kTreeWidth - 40, kShortTreeHeight, SWP_NOMOVE | SWP_NOZORDER);
    return tree;
}

test::TestWindowArgs HostArgs() {
    test::TestWindowArgs args;
    args.clientWidth = kTreeWidth;
    args.clientHeight = kTreeHeight;
    return args;
}

// A window holding one scrolling tree.
struct ScrollingTreeHost {
    test::TestWindow window{HostArgs()};
    win::ImageList images = ColourImages();
    HWND tree = MakeScrollingTree(window.Handle(), 0, images.Get());
};

// The middle of the vertical scroll bar, in the window's own coordinates.
POINT VerticalBarMiddle(HWND tree) {
    RECT window, client;
    GetWindowRect(tree, &window);
    GetClientRect(tree, &client);
    MapWindowPoints(tree, nullptr, reinterpret_cast<POINT*>(&client), 2);
    return {client.right - window.left + GetSystemMetrics(SM_CXVSCROLL) / 2,
            (client.top + client.bottom) / 2 - window.top};
}

// Repaints the client area only, as an item change does.
void RepaintClient(HWND tree) {
    RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    test::PumpMessages();
}

} // namespace

// Wine's tree view sets its scroll bars again, redrawing them, on every paint
// of its client area; Windows' leaves them to the non-client paint. Pinned so
// that the buffered paint's handling of the bars is known to be needed.
TEST(WineTreeView, RedrawsItsScrollBarsOnEveryClientPaint) {
    ScrollingTreeHost host;
    HWND tree = host.tree;
    ASSERT_TRUE(GetWindowLongPtrW(tree, GWL_STYLE) & WS_VSCROLL);
    RepaintClient(tree);

    Scribble(tree, true);
    RepaintClient(tree);
    const POINT bar = VerticalBarMiddle(tree);
    EXPECT_NE(test::CaptureWindow(tree).At(bar.x, bar.y), kMagenta);
}

// Through the buffer the tree's paint leaves its scroll bars alone while it
// does not change them; a paint that does change them redraws the tree whole,
// so the bars show what the tree set.
TEST(BufferedPaint, ScrollBarsAreRedrawnOnlyWhenThePaintChangesThem) {
    ScrollingTreeHost host;
    HWND tree = host.tree;
    fw::BufferedPaintWindow binding;
    ASSERT_TRUE(binding.Attach(tree));
    RedrawWindow(tree, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    test::PumpMessages();
    const test::PixelBuffer reference = test::CaptureWindow(tree);
    const test::PixelBuffer referenceClient = test::CaptureClient(tree);
    ASSERT_FALSE(reference.Empty());
    const POINT bar = VerticalBarMiddle(tree);
    ASSERT_NE(reference.At(bar.x, bar.y), kMagenta);

    // Unchanged bars stay as they were on the screen; the items are painted.
    Scribble(tree, true);
    RepaintClient(tree);
    EXPECT_EQ(test::CaptureWindow(tree).At(bar.x, bar.y), kMagenta);
    EXPECT_EQ(test::CountDifferences(test::CaptureClient(tree), referenceClient), 0);

    // Bars set behind the tree's back: its paint sets them again, and the
    // whole window is redrawn with them.
    SCROLLINFO moved{sizeof moved, SIF_RANGE | SIF_POS};
    moved.nMin = 0;
    moved.nMax = 3;
    moved.nPos = 2;
    SetScrollInfo(tree, SB_VERT, &moved, FALSE);
    Scribble(tree, true);
    RepaintClient(tree);
    EXPECT_EQ(test::CountDifferences(test::CaptureWindow(tree), reference), 0);

    // A tree with a child window (its label editor) paints the plain way,
    // bars included.
    SetWindowLongPtrW(tree, GWL_STYLE, GetWindowLongPtrW(tree, GWL_STYLE) | TVS_EDITLABELS);
    SetFocus(tree);
    HWND editor = TreeView_EditLabel(tree, TreeView_GetRoot(tree));
    ASSERT_NE(editor, nullptr);
    Scribble(tree, true);
    RepaintClient(tree);
    EXPECT_NE(test::CaptureWindow(tree).At(bar.x, bar.y), kMagenta);
    TreeView_EndEditLabelNow(tree, TRUE);
}
