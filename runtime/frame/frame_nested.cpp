// Frames inside a skinned frame, and the layered windows that float the
// semitransparent sides over the frame's borders.
#include "runtime/frame/frame_skin_wnd.h"

#include "base/win/gdi.h"
#include "base/win/rect.h"

#include <windowsx.h>

#include <algorithm>
#include <string>

#include "model/elements/wnd_frame.h"
#include "model/font.h"
#include "model/mrg_bitmap.h"
#include "model/twf_obj.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/draw/tw_draw.h"
#include "runtime/frame/layered_caption.h"
#include "runtime/logic/frame_host.h"
#include "runtime/logic/menu_bar_layout.h"
#include "runtime/logic/outline_drag.h"
#include "runtime/frame/frame_size.h"
#include "runtime/messages.h"
#include "runtime/regions.h"
#include "runtime/runtime_state.h"
#include "runtime/text/support_unicode.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"
#include "runtime/frame/frame_numbers.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::win;
using namespace hexmoor::rt::frame_numbers;

CTWFrameAlphaSide* CFrameSkinWnd::AlphaSide(Side side) const {
    switch (side) {
    case Side::Top: return alpha_[0].get();
    case Side::Bottom: return alpha_[1].get();
    case Side::Left: return alpha_[2].get();
    default: return alpha_[3].get();
    }
}

void CFrameSkinWnd::RegisterWithAncestors() {
    if (!hWnd_) return;
    HWND desktop = GetDesktopWindow();
    for (HWND ancestor = GetAncestor(hWnd_, GA_PARENT); ancestor && ancestor != desktop;
         ancestor = GetAncestor(ancestor, GA_PARENT)) {
        CFrameSkinWnd* frame = GetFrameSkinWnd(ancestor);
        if (frame && frame != this &&
            std::find(frame->childFrames_.begin(), frame->childFrames_.end(), hWnd_) == frame->childFrames_.end())
            frame->childFrames_.push_back(hWnd_);
    }
}

namespace {
BOOL CALLBACK CollectFrameChild(HWND child, LPARAM lp) {
    auto* list = reinterpret_cast<std::vector<HWND>*>(lp);
    if (GetFrameSkinWnd(child) && std::find(list->begin(), list->end(), child) == list->end()) list->push_back(child);
    return TRUE;
}
} // namespace

void CFrameSkinWnd::CollectChildFrames() {
    if (!hWnd_) return;
    // EnumChildWindows walks every descendant, not only direct children.
    EnumChildWindows(hWnd_, &CollectFrameChild, reinterpret_cast<LPARAM>(&childFrames_));
}

void CFrameSkinWnd::MoveChildFrames() {
    for (HWND child : std::vector<HWND>(childFrames_))
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(child)) frame->UpdateAlphaSides(-1, false);
}

void CFrameSkinWnd::ActivateChildFrames(bool active) {
    for (HWND child : std::vector<HWND>(childFrames_))
        if (CFrameSkinWnd* frame = GetFrameSkinWnd(child)) frame->SetAlphaSidesActive(active);
}

void CFrameSkinWnd::SetAlphaSidesActive(bool active) {
    for (auto& side : alpha_)
        if (side) side->SetActive(active);
}

void CFrameSkinWnd::PlaceAlphaSides() {
    for (auto& side : alpha_)
        if (side) side->PlaceInZOrder();
}

void CFrameSkinWnd::UpdateAlphaSides(int show, bool force) {
    for (auto& side : alpha_)
        if (side) side->UpdatePosition(show, force);
}

void CFrameSkinWnd::DrawSide(CTWDraw& draw, Side side, bool inactive, Point origin) const {
    const int index = side == Side::Top ? 0 : side == Side::Bottom ? 1 : side == Side::Left ? 2 : 3;
    if (!painters_[std::size_t(index)]) return;
    const SIZE w = WindowSize();
    painters_[std::size_t(index)]->Draw(draw, {w.cx, w.cy}, Borders(), inactive, origin, true);
}

HRGN CFrameSkinWnd::BuildSideOutline(Side side) const {
    const int index = side == Side::Top ? 0 : side == Side::Bottom ? 1 : side == Side::Left ? 2 : 3;
    if (!painters_[std::size_t(index)]) return nullptr;
    const SIZE w = WindowSize();
    return painters_[std::size_t(index)]->BuildRegion({w.cx, w.cy}, Borders());
}
