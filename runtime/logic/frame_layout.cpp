#include "runtime/logic/frame_layout.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "runtime/logic/align.h"

namespace hexmoor::rt {

// --- sides ----------------------------------------------------------------

Rect SideRect(Side side, Size w, const FrameBorders& b) {
    switch (side) {
    case Side::Top: return {0, 0, w.cx, b.top};
    case Side::Bottom: return {0, w.cy - b.bottom, w.cx, w.cy};
    case Side::Left: return {0, b.top, b.left, w.cy - b.bottom};
    case Side::Right: return {w.cx - b.right, b.top, w.cx, w.cy - b.bottom};
    }
    return {};
}

int SideLength(Side side, Size w, const FrameBorders& b) { return IsHorizontal(side) ? w.cx : w.cy - b.top - b.bottom; }

namespace {

// Rounds half away from zero.
int RoundAway(double q) { return static_cast<int>(q < 0 ? std::ceil(q - 0.5) : std::floor(q + 0.5)); }

} // namespace

std::vector<PlacedPart> LayoutSideParts(Side side, const Rect& sideRect, int sideLength,
                                        const std::vector<SidePart>& parts) {
    const bool horizontal = IsHorizontal(side);
    long long natural = 0;
    int stretchCount = 0;
    for (const SidePart& p : parts) {
        natural += horizontal ? p.width : p.height;
        if (p.mode != part_mode::kBlit) ++stretchCount;
    }
    const double share = stretchCount ? double(sideLength - natural) / stretchCount : 0.0;

    std::vector<PlacedPart> placed;
    int x = sideRect.left, y = sideRect.top;
    bool firstStretch = true;
    for (std::size_t i = 0; i < parts.size(); ++i) {
        const SidePart& p = parts[i];
        int extra = 0;
        if (p.mode != part_mode::kBlit) {
            extra = firstStretch ? RoundAway(share) : static_cast<int>(share);
            firstStretch = false;
        }
        Rect r{x, y, x + p.width, y + p.height};
        if (p.mode != part_mode::kBlit) {
            (horizontal ? r.right : r.bottom) += extra;
            // A side shorter than its parts keeps only the stretch parts
            // longer than their (negative) share.
            const int own = horizontal ? p.width : p.height;
            const bool canStretch = sideLength >= natural || own > std::abs(extra);
            if (!canStretch) continue;
        }
        placed.push_back({i, r});
        if (horizontal)
            x = r.right;
        else
            y = r.bottom;
    }
    return placed;
}

SideKeys CollectSideKeys(const std::set<int>& presentKeys) {
    SideKeys keys;
    for (int k = 0; k < 1000 && presentKeys.count(k); ++k) keys.active.push_back(k);
    if (presentKeys.count(1000)) keys.active.push_back(1000);
    for (auto it = presentKeys.upper_bound(1000); it != presentKeys.end(); ++it) keys.inactive.push_back(*it);
    return keys;
}

// --- caption buttons --------------------------------------------------------

namespace {

bool ButtonExists(int button, std::uint32_t style, std::uint32_t exStyle) {
    using namespace frame_style;
    switch (button) {
    case kCloseButton: return (style & kSysMenu) != 0;
    case kMinimizeButton:
    case kMaximizeButton: return (style & kSysMenu) && (style & (kMinimizeBox | kMaximizeBox));
    case kHelpButton: return (exStyle & kExContextHelp) != 0;
    default: return false;
    }
}

bool IsMinimized(std::uint32_t style) { return (style & frame_style::kMinimize) != 0; }

} // namespace

Rect CaptionButtonRect(int button, const CaptionButtonsInput& in) {
    if (button < 0 || button >= kNoButton || !ButtonExists(button, in.style, in.exStyle)) return {};
    const CaptionButtonGeometry& g = in.buttons[button];
    const bool minimized = IsMinimized(in.style);
    const Point offset = minimized && button != kHelpButton ? g.minimizedOffset : g.offset;
    const int left = in.alignLeft && !minimized ? offset.x : in.windowWidth - g.size.cx - offset.x;
    const Rect r = Rect::XYWH(left, offset.y, g.size.cx, g.size.cy);
    return r.IsEmpty() ? Rect{} : r;
}

int HitTestCaptionButtons(Point p, const CaptionButtonsInput& in) {
    // The pixel column a mirrored frame shows at x is column width - 1 - x of its layout.
    if (in.exStyle & frame_style::kExLayoutRtl) p.x = in.windowWidth - 1 - p.x;
    if ((in.style & frame_style::kMinimizeBox) && CaptionButtonRect(kMinimizeButton, in).Contains(p))
        return kMinimizeButton;
    if ((in.style & frame_style::kMaximizeBox) && CaptionButtonRect(kMaximizeButton, in).Contains(p))
        return kMaximizeButton;
    if (CaptionButtonRect(kCloseButton, in).Contains(p)) return kCloseButton;
    if (CaptionButtonRect(kHelpButton, in).Contains(p)) return kHelpButton;
    return kNoButton;
}

Rect CaptionTextBox(const CaptionButtonsInput& in, const Rect& topRect, int topThickness) {
    const bool minimized = IsMinimized(in.style);
    const bool left = in.alignLeft && !minimized;
    int limit = left ? topRect.left : topRect.right;
    for (int button : {kCloseButton, kMaximizeButton, kMinimizeButton, kHelpButton}) {
        const Rect r = CaptionButtonRect(button, in);
        if (r.IsEmpty()) continue;
        if (!left)
            limit = std::min(limit, r.left);
        else
            limit = button == kCloseButton ? r.right : std::max(limit, r.right);
    }
    Rect box = topRect;
    if (!minimized) box.bottom = topRect.top + topThickness;
    if (left)
        box.left = limit + 2;
    else
        box.right = limit - 2;
    return box;
}

int CaptionButtonImageId(int button, int state, bool active, std::uint32_t style,
                         bool (*hasImage)(int id, const void* ctx), const void* ctx) {
    using namespace frame_style;
    auto byState = [state](int normal, int pressed, int hot) {
        return state == 2 ? pressed : state == 1 ? hot : normal;
    };
    switch (button) {
    case kCloseButton:
    case kHelpButton: {
        const int base = button == kCloseButton ? 456 : 472; // normal, pressed, hot, inactive
        if (active) return byState(base, base + 1, base + 2);
        return hasImage && !hasImage(base + 3, ctx) ? base : base + 3;
    }
    case kMinimizeButton: {
        const bool available = active && (style & kMinimizeBox);
        if (style & kMinimize) return available ? byState(466, 467, 468) : 469;
        return available ? byState(463, 464, 465) : 471;
    }
    case kMaximizeButton: {
        const bool available = active && (style & kMaximizeBox);
        if (style & kMaximize) return available ? byState(466, 467, 468) : 469;
        return available ? byState(460, 461, 462) : 470;
    }
    default: return 0;
    }
}

// --- caption text and icon ---------------------------------------------------

CaptionTextPlacement PlaceCaptionText(const CaptionTextInput& in) {
    using namespace caption_loc;
    const int textLoc = in.minimized ? kLeft : in.textLocation;
    const int iconLoc = in.minimized ? kIconWithText : in.iconLocation;
    CaptionTextPlacement out;
    switch (textLoc) {
    case kCenter: out.text = {in.box.left + (in.box.Width() - in.textWidth) / 2, in.box.top + in.cyFrame}; break;
    case kRight: out.text = {in.box.right - in.textWidth, in.box.top + in.cyFrame}; break;
    case kUserOffset: out.text = in.textOffset; break;
    default: out.text = {in.box.left + in.cxFrame, in.box.top + in.cyFrame}; break;
    }
    if (!in.hasIcon) return out;
    out.showIcon = true;
    const int step = in.cxSmallIcon + 2;
    if (iconLoc == kIconUserOffset) {
        out.icon = in.iconOffset;
        return out;
    }
    if (textLoc == kCenter) out.text.x -= step / 2;
    if (textLoc == kRight) out.text.x -= step;
    out.icon = out.text;
    out.text.x += step;
    return out;
}

// --- right-to-left -------------------------------------------------------------

Rect MirrorInWidth(const Rect& r, int width) { return {width - r.right, r.top, width - r.left, r.bottom}; }

// --- client area -------------------------------------------------------------

Rect SkinnedClientRect(const Rect& d, const FrameBorders& b, std::uint32_t style, std::uint32_t exStyle,
                       int versionCode, const NcMetrics& m) {
    Rect r = d;
    const bool rtl = (exStyle & frame_style::kExLayoutRtl) != 0;
    if (versionCode != 9) {
        r.left += rtl ? b.right : b.left;
        r.top += b.top;
        r.right -= rtl ? b.left : b.right;
        r.bottom -= b.bottom;
        return r;
    }
    const int f = (style & frame_style::kThickFrame) ? m.cxFrame : (style & frame_style::kBorder) ? m.cxDlgFrame : 0;
    if (rtl) {
        r.left += b.right - f;
        r.right += f - b.left;
    } else {
        r.left += b.left - f;
        r.right += f - b.right;
    }
    if ((style & frame_style::kCaption) == frame_style::kCaption)
        r.top += b.top - f - m.cyCaption;
    else
        r.top += b.top - f + 1;
    r.bottom += f - b.bottom;
    return r;
}

// --- hit test ----------------------------------------------------------------

NcHitResult SkinnedNcHitTest(Point p, const NcHitInput& in) {
    const int W = in.window.cx, H = in.window.cy;
    const FrameBorders& b = in.borders;
    auto answer = [](int code) { return NcHitResult{code, code}; };
    if (!Rect{0, 0, W, H}.Contains(p)) return answer(hit::kNowhere);
    if (in.captionButton != kNoButton) return {hit::kClient, hit::kCaption};
    if (in.menuBar.Contains(p)) return {hit::kClient, hit::kMenu};
    if (in.client.Contains(p)) return answer(hit::kClient);

    if (in.style & frame_style::kThickFrame) {
        const int corner = in.cornerLength;
        const bool nearTop = p.y < corner, nearBottom = p.y >= H - corner;
        const bool nearLeft = p.x < corner, nearRight = p.x >= W - corner;
        if (p.x < b.left) return answer(nearTop ? hit::kTopLeft : nearBottom ? hit::kBottomLeft : hit::kLeft);
        if (p.x >= W - b.right) return answer(nearTop ? hit::kTopRight : nearBottom ? hit::kBottomRight : hit::kRight);
        if (p.y >= H - b.bottom)
            return answer(nearLeft ? hit::kBottomLeft : nearRight ? hit::kBottomRight : hit::kBottom);
        if (p.y < std::min(in.sizingEdge, b.top))
            return answer(nearLeft ? hit::kTopLeft : nearRight ? hit::kTopRight : hit::kTop);
    }
    if (p.y < b.top) return answer(in.sysMenuIcon.Contains(p) ? hit::kSysMenu : hit::kCaption);
    return answer(hit::kBorder);
}

namespace {

// Whether the point lies within `half` pixels of the segment (0,0)-(W,H).
bool NearDiagonal(Point p, Size w, double half) {
    const double lx = w.cx, ly = w.cy;
    const double len2 = lx * lx + ly * ly;
    double t = len2 > 0 ? (p.x * lx + p.y * ly) / len2 : 0.0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = p.x - t * lx, dy = p.y - t * ly;
    return dx * dx + dy * dy <= half * half;
}

} // namespace

int RefineShapedBorderHit(int code, Point p, Size w, bool insideRing) {
    if (code == hit::kNowhere) code = hit::kBorder;
    if (code != hit::kBorder && code != hit::kCaption) return code;
    if (!insideRing) return code;
    const int corner = GetCornerHitCode(Rect{0, 0, w.cx, w.cy}, p.x, p.y);
    if (corner == hit::kError) return code;
    if (NearDiagonal(p, w, 15.0)) return corner;
    const bool below = p.y > MapLinear(0, 0, w.cx, w.cy, p.x);
    switch (corner) {
    case hit::kTopLeft: return below ? hit::kLeft : hit::kTop;
    case hit::kTopRight: return below ? hit::kRight : hit::kTop;
    case hit::kBottomLeft: return below ? hit::kLeft : hit::kBottomLeft;
    default: return below ? hit::kRight : hit::kBottomRight;
    }
}

// --- minimum and maximum -------------------------------------------------------

MinMaxResult SkinnedMinMax(const MinMaxInput& in, Size current) {
    MinMaxResult out;
    int minW = in.cxMin + in.window.cx - in.client.cx;
    int minH = in.window.cy - in.client.cy;
    if (in.sideRegions) minH = std::max(in.leftRegionLength, in.rightRegionLength) + in.borders.top + in.borders.bottom;
    out.minTrack = {std::max(current.cx, minW), std::max(current.cy, minH)};
    if (!in.mdiChild) {
        out.setMaxPosition = true;
        out.maxPosition = {-4, -4};
    }
    return out;
}

} // namespace hexmoor::rt
