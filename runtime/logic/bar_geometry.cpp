#include "runtime/logic/bar_geometry.h"

#include <algorithm>

#include "runtime/logic/align.h"

namespace hexmoor::rt::bars {

namespace {
// DrawText flags, as the Windows headers define them (this file builds in
// both trees).
constexpr unsigned kDtCenter = 0x1, kDtVCenter = 0x4, kDtWordBreak = 0x10, kDtSingleLine = 0x20;

// PAGE_* bits.
constexpr std::uint32_t kPageNoAccess = 0x01, kPageReadOnly = 0x02, kPageReadWrite = 0x04, kPageWriteCopy = 0x08,
                        kPageExecuteRead = 0x20, kPageExecuteReadWrite = 0x40, kPageExecuteWriteCopy = 0x80,
                        kPageGuard = 0x100;
} // namespace

ButtonFace ToolbarButtonFace(const ButtonFaceInput& in) {
    ButtonFace face;
    const bool hot = in.hot && in.enabled;
    face.arrow = !in.enabled ? ArrowColour::kGray : ArrowColour::kText;
    if (in.indeterminate) {
        face.frame = true;
        return face;
    }
    if (hot) face.arrow = ArrowColour::kBlack;
    if (!hot && !in.checked) {
        face.image = in.enabled ? tb::kNormal : tb::kDisabled;
        face.imageRect = in.rect;
        return face;
    }
    face.image = tb::kHot;
    face.imageRect = in.rect;
    if (!in.leftDown || !in.rect.Contains(in.cursor)) return face;
    if (in.dropDown) {
        const Rect zone = PressedZone(in.rect);
        if (in.cursor.x < zone.right) {
            face.image = tb::kPressed;
            face.imageRect = zone;
        }
        return face;
    }
    face.image = tb::kPressed;
    return face;
}

Rect PressedZone(const Rect& button) {
    return {button.left, button.top, std::max(button.left, button.right - kArrowZone), button.bottom};
}

DropDownArrow DropDownArrowAt(const Rect& button) {
    const int cy = (button.top + button.bottom) / 2;
    const int r = button.right;
    return {{{r - 9, cy - 1}, {r - 4, cy - 1}}, {{r - 8, cy}, {r - 5, cy}}, {r - 7, cy + 1}};
}

ContentPlace ToolbarButtonContent(const ContentInput& in) {
    const Rect imageRect =
        in.listStyle ? in.button.Offset(2, 0) : CenterSizeInRect(in.button, in.iconWidth, in.iconHeight);
    ContentPlace place;
    place.image = {imageRect.left, in.hasText ? in.button.top + 3 : imageRect.top + 1};
    place.text = in.button;
    if (in.listStyle) {
        place.text.left = place.image.x + in.iconWidth + 2;
        place.format = kDtVCenter | kDtSingleLine;
    } else {
        place.text.top = in.button.top + in.iconHeight + 5;
        place.format = kDtCenter | kDtVCenter | kDtWordBreak;
    }
    return place;
}

Rect ToolbarClientRect(const ToolbarBorderInput& in) {
    Rect r = in.client;
    if (in.centre) {
        if (in.vb6Host) {
            if (r.top < 1) {
                r.bottom -= 1;
                r.top += 1;
            }
        } else if (r.Height() > 0) {
            const int space = r.top - in.windowY;
            r.top = in.windowY + space / 2;
            r.bottom = in.windowCy - space + in.windowY + space / 2;
        }
    }
    return NarrowBySides(r, in.leftBorder, in.rightBorder);
}

Rect NarrowBySides(const Rect& client, int left, int right) {
    Rect r = client;
    r.left += left;
    r.right -= right;
    if (r.right < r.left) r.right = r.left;
    return r;
}

Rect StatusGripBox(const Rect& client, int cxVScroll, int cxBorder) {
    return {client.right - cxVScroll - cxBorder, client.top, client.right, client.bottom};
}

PanePlace StatusPaneContent(const Rect& pane, bool hasIcon, int iconWidth, int iconHeight) {
    PanePlace place;
    Rect r = pane;
    r.left += 1;
    if (hasIcon) {
        r.left += 2;
        place.icon = {r.left, CenterSizeInRect(r, iconWidth, iconHeight).top};
        r.left += iconWidth;
    }
    r.left += 2;
    r.right -= 2;
    place.text = r;
    return place;
}

int HostPaneListSteps(int pane, int paneCount) {
    if (pane < 0 || pane > paneCount - 2) return -1;
    return pane + 1;
}

bool IsReadableProtection(std::uint32_t protect) {
    if (protect & (kPageGuard | kPageNoAccess)) return false;
    return (protect & (kPageReadOnly | kPageReadWrite | kPageWriteCopy | kPageExecuteRead | kPageExecuteReadWrite |
                       kPageExecuteWriteCopy)) != 0;
}

} // namespace hexmoor::rt::bars
