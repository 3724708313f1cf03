#include "runtime/logic/static_lines.h"

namespace hexmoor::rt::statics {

EtchedLine EtchedLineOf(unsigned style) {
    constexpr unsigned kTypeMask = 0x1F, kEtchedHorz = 0x10, kEtchedVert = 0x11;
    switch (style & kTypeMask) {
    case kEtchedHorz: return EtchedLine::Horizontal;
    case kEtchedVert: return EtchedLine::Vertical;
    default: return EtchedLine::None;
    }
}

Rect GroupBoxCaptionGap(const Rect& client, Size caption, bool rightAligned) {
    if (caption.cx <= 0) return {};
    const int left = client.left + kCaptionInset, right = client.right - kCaptionInset;
    if (rightAligned) return {right - caption.cx - 3, client.top, right + 3, client.top + caption.cy};
    return {left - 3, client.top, left + caption.cx + 3, client.top + caption.cy};
}

Rect GroupBoxFrame(const Rect& client, int captionHeight) {
    Rect r = client;
    r.top += captionHeight / 2;
    return r;
}

} // namespace hexmoor::rt::statics
