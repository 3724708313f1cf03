#pragma once
// The skinned menu bar's layout as pure functions: what each bar item is
// (text, a maximised MDI child's icon or one of its buttons), which item the
// arrow keys move to, mnemonics, and every item's rectangle from our own
// one-row layout (text extents in the bar font, 10 pixels more per item).

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "runtime/logic/frame_layout.h"
#include "base/geometry.h"

namespace hexmoor::rt {

// Item kinds; 0 is also the whole bar's background in the drawing protocol.
namespace bar_kind {
constexpr int kNone = 0;
constexpr int kBackground = 0;
constexpr int kChildIcon = 1;
constexpr int kText = 2;
constexpr int kClose = 3;
constexpr int kRestore = 5;
constexpr int kMinimize = 6;
} // namespace bar_kind

// The active MDI child as the bar sees it.
struct MdiBarState {
    bool maximizedChild = false;
    bool childHasMaximizeBox = false;
    bool childHasMinimizeBox = false;
};

// With a maximised child: item 0 its icon, the last item close, the second
// last restore (with a maximise box), the third last minimise (with a
// minimise box); every other item text. Out of range: kNone.
int BarItemKind(int index, int count, const MdiBarState& mdi);

// The next item for Left (backwards) and Right: wraps round, skips the
// height item, and with a maximised child never lands on its buttons.
int NextBarItem(int index, bool backwards, int count, bool maximizedChild, int heightItem);

// The upper-cased character after the first lone '&' ("&&" is a literal
// ampersand); 0 when the text has none.
wchar_t MnemonicOf(std::wstring_view text);

// The first item whose mnemonic is the key (compared upper-cased), or -1.
int FindMnemonicItem(const std::vector<std::wstring>& texts, wchar_t key);

struct MdiButtonGeometry {
    Size size;    // values 649 / 650 / 651
    Point offset; // values 646 / 647 / 648: x from the right edge, y down from the top side
};

struct BarLayoutInput {
    Size window;
    FrameBorders borders;
    int leftGap = 0;  // value 653
    int topGap = 0;   // value 654
    Point itemOffset; // value 657
    int rowHeight = 0;
    // Natural width of each item (text extent plus padding; the child icon's
    // width for kind 1); the height item's width is ignored.
    std::vector<int> itemWidths;
    int heightItem = -1;
    MdiBarState mdi;
    // close, restore, minimise
    std::array<MdiButtonGeometry, 3> mdiButtons{};
};

// Every item's rectangle in window coordinates; the height item's is empty.
std::vector<Rect> LayoutBarItems(const BarLayoutInput& in);

// The bar's rectangle in window coordinates: the client's left and right
// (widened by a skinned vertical scroll bar) from the top side down to the
// client's top.
Rect BarRect(const Rect& clientInWindow, int topThickness, int scrollBarWidth);

// How far the bar moves the client area's top below the row the system
// reserves: the bar's top and bottom gaps (values 654 and 656), one pixel
// less for skins written as file version 522 or later.
int BarClientTopShift(int topGap, int bottomGap, int fileVersion);

// The first item (other than the height item) containing the point, or -1.
int HitTestBarItems(const std::vector<Rect>& items, Point p, int heightItem);

// The state a bar item is drawn in: the requested one (0 normal, 1 hot,
// 2 pressed), replaced by 3 for a disabled and 4 for a greyed item (greyed
// wins when the menu says both).
int BarItemDrawState(int requested, bool disabled, bool greyed);

// Whether the system knows the menu-item record only without its trailing
// bitmap field (Windows NT 4, version code 5), and so the size of the record
// handed to it.
bool MenuItemInfoLacksBitmap(int versionCode);
std::size_t MenuItemInfoSize(int versionCode, std::size_t fullSize, std::size_t withoutBitmapSize);

} // namespace hexmoor::rt
