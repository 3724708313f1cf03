#include "runtime/logic/menu_bar_layout.h"

#include <cwctype>

namespace hexmoor::rt {

int BarItemKind(int index, int count, const MdiBarState& mdi) {
    if (index < 0 || index >= count) return bar_kind::kNone;
    if (!mdi.maximizedChild) return bar_kind::kText;
    if (index == 0) return bar_kind::kChildIcon;
    if (index == count - 1) return bar_kind::kClose;
    if (index == count - 2 && mdi.childHasMaximizeBox) return bar_kind::kRestore;
    if (index == count - 3 && mdi.childHasMinimizeBox) return bar_kind::kMinimize;
    return bar_kind::kText;
}

int NextBarItem(int index, bool backwards, int count, bool maximizedChild, int heightItem) {
    if (count <= 0) return -1;
    const int last = maximizedChild ? count - 4 : count - 1;
    if (backwards) {
        int next = index - 1;
        if (next < 0) next = last;
        if (next == heightItem) --next;
        return next < 0 ? 0 : next;
    }
    int next = index + 1;
    if (next >= count || next == heightItem) next = 0;
    return next;
}

wchar_t MnemonicOf(std::wstring_view text) {
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != L'&') continue;
        if (text[i + 1] == L'&') {
            ++i; // a literal ampersand
            continue;
        }
        return static_cast<wchar_t>(std::towupper(text[i + 1]));
    }
    return 0;
}

int FindMnemonicItem(const std::vector<std::wstring>& texts, wchar_t key) {
    if (!key) return -1;
    const wchar_t upper = static_cast<wchar_t>(std::towupper(key));
    for (std::size_t i = 0; i < texts.size(); ++i)
        if (MnemonicOf(texts[i]) == upper) return static_cast<int>(i);
    return -1;
}

std::vector<Rect> LayoutBarItems(const BarLayoutInput& in) {
    const int count = static_cast<int>(in.itemWidths.size());
    std::vector<Rect> out(in.itemWidths.size());
    const int dx = in.itemOffset.x + in.leftGap + in.borders.left;
    const int dy = in.itemOffset.y + in.topGap + in.borders.top;
    int x = 0;
    for (int i = 0; i < count; ++i) {
        if (i == in.heightItem) continue;
        const int kind = BarItemKind(i, count, in.mdi);
        if (kind == bar_kind::kClose || kind == bar_kind::kRestore || kind == bar_kind::kMinimize) {
            const MdiButtonGeometry& g = in.mdiButtons[kind == bar_kind::kClose     ? 0
                                                       : kind == bar_kind::kRestore ? 1
                                                                                    : 2];
            const int right = in.window.cx - in.borders.right - g.offset.x;
            out[i] =
                Rect{right - g.size.cx, in.borders.top + g.offset.y, right, in.borders.top + g.offset.y + g.size.cy};
            continue;
        }
        Rect r{x + dx, dy, x + in.itemWidths[i] + dx, in.rowHeight + dy};
        x += in.itemWidths[i];
        if (!in.mdi.maximizedChild) {
            r.left += 10 * i;
            r.right += 10 * i + 10;
        } else if (kind != bar_kind::kChildIcon) {
            r.left += 10 * i - 10;
            r.right += 10 * i;
        }
        out[i] = r;
    }
    return out;
}

Rect BarRect(const Rect& client, int topThickness, int scrollBarWidth) {
    return {client.left, topThickness, client.right + scrollBarWidth, client.top};
}

int HitTestBarItems(const std::vector<Rect>& items, Point p, int heightItem) {
    for (std::size_t i = 0; i < items.size(); ++i)
        if (static_cast<int>(i) != heightItem && items[i].Contains(p)) return static_cast<int>(i);
    return -1;
}

int BarClientTopShift(int topGap, int bottomGap, int fileVersion) {
    return topGap + bottomGap - (fileVersion >= 522 ? 1 : 0);
}

int BarItemDrawState(int requested, bool disabled, bool greyed) {
    if (greyed) return 4;
    if (disabled) return 3;
    return requested;
}

bool MenuItemInfoLacksBitmap(int versionCode) { return versionCode == 5; }

std::size_t MenuItemInfoSize(int versionCode, std::size_t fullSize, std::size_t withoutBitmapSize) {
    return MenuItemInfoLacksBitmap(versionCode) ? withoutBitmapSize : fullSize;
}

} // namespace hexmoor::rt
