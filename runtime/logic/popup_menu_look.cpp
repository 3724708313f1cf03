#include "runtime/logic/popup_menu_look.h"

#include <algorithm>

namespace hexmoor::rt::popup {

Look LookOf(int drawnState, bool hasSubmenu) {
    Look look;
    switch (drawnState) {
    case state::kHot: look = {id::kImageHot, id::kTextHot, id::kArrowHot}; break;
    case state::kPressed: look = {id::kImagePressed, id::kTextPressed, 0}; break;
    case state::kDisabled:
    case state::kGrayed: look = {id::kImageDisabled, id::kTextDisabled, id::kArrowDisabled}; break;
    case state::kDisabledHot: look = {id::kImageHot, id::kTextDisabled, id::kArrowDisabled}; break;
    default: look = {id::kImageNormal, id::kTextNormal, id::kArrowNormal}; break;
    }
    if (!hasSubmenu) look.arrow = 0;
    return look;
}

int DrawnState(int requested, const ItemFlags& flags) {
    if (flags.separator) return state::kNormal;
    if (flags.disabled || flags.grayed) {
        if (requested != state::kNormal) return state::kDisabledHot;
        return flags.grayed ? state::kGrayed : state::kDisabled;
    }
    if (requested == state::kPressed && flags.submenu) return state::kHot;
    return std::clamp(requested, int(state::kNormal), int(state::kPressed));
}

ItemBoxes LayoutItem(const Rect& item, Size check, int arrowWidth, bool rightToLeft) {
    ItemBoxes boxes;
    const int top = item.top + (item.Height() - check.cy) / 2;
    const int nearGap = check.cx + 2;
    constexpr int kAcceleratorGap = 5;
    if (!rightToLeft) {
        boxes.check = Rect::XYWH(item.left + 1, top, check.cx, check.cy);
        boxes.text = {item.left + nearGap, item.top, item.right, item.bottom};
        boxes.arrow = {item.right - arrowWidth, item.top, item.right, item.bottom};
    } else {
        boxes.check = Rect::XYWH(item.right - 1 - check.cx, top, check.cx, check.cy);
        boxes.text = {item.left, item.top, item.right - nearGap, item.bottom};
        boxes.arrow = {item.left, item.top, item.left + arrowWidth, item.bottom};
    }
    boxes.accelerator = {boxes.text.left + kAcceleratorGap, item.top, boxes.text.right - kAcceleratorGap, item.bottom};
    if (boxes.accelerator.right < boxes.accelerator.left) boxes.accelerator.right = boxes.accelerator.left;
    if (boxes.text.right < boxes.text.left) boxes.text.right = boxes.text.left;
    return boxes;
}

std::pair<std::wstring, std::wstring> SplitAtTab(const std::wstring& text) {
    const std::size_t tab = text.find(L'\t');
    if (tab == std::wstring::npos) return {text, std::wstring()};
    return {text.substr(0, tab), text.substr(tab + 1)};
}

Insets BorderInsets(long left, long top, long right, long bottom, bool rightToLeft) {
    auto clamp = [](long v) { return int(std::clamp(v, 0L, 10000L)); };
    Insets insets{clamp(left), clamp(top), clamp(right), clamp(bottom)};
    if (rightToLeft) std::swap(insets.left, insets.right);
    return insets;
}

} // namespace hexmoor::rt::popup
