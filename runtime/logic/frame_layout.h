#pragma once
// Layout of a skinned frame's non-client area as pure functions: the parts of
// each side laid end to end, the side and caption-button rectangles, where
// the caption text and icon go, the client rectangle the skinned borders
// leave, the whole non-client hit test and the minimum tracking size. The
// Win32 side gathers sizes and styles, calls these and draws what they say,
// so painting and hit testing read the same rectangles.

#include <array>
#include <cstdint>
#include <set>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::rt {

// Window style bits the layout reads (values of the Win32 headers).
namespace frame_style {
constexpr std::uint32_t kMaximizeBox = 0x00010000;
constexpr std::uint32_t kMinimizeBox = 0x00020000;
constexpr std::uint32_t kThickFrame = 0x00040000;
constexpr std::uint32_t kSysMenu = 0x00080000;
constexpr std::uint32_t kBorder = 0x00800000;
constexpr std::uint32_t kCaption = 0x00C00000;
constexpr std::uint32_t kMaximize = 0x01000000;
constexpr std::uint32_t kMinimize = 0x20000000;
constexpr std::uint32_t kExContextHelp = 0x00000400;
constexpr std::uint32_t kExLayoutRtl = 0x00400000;
} // namespace frame_style

// Non-client hit codes (the WM_NCHITTEST answers).
namespace hit {
constexpr int kError = -2;
constexpr int kNowhere = 0;
constexpr int kClient = 1;
constexpr int kCaption = 2;
constexpr int kSysMenu = 3;
constexpr int kMenu = 5;
constexpr int kMinButton = 8;
constexpr int kMaxButton = 9;
constexpr int kLeft = 10;
constexpr int kRight = 11;
constexpr int kTop = 12;
constexpr int kTopLeft = 13;
constexpr int kTopRight = 14;
constexpr int kBottom = 15;
constexpr int kBottomLeft = 16;
constexpr int kBottomRight = 17;
constexpr int kBorder = 18;
constexpr int kClose = 20;
constexpr int kHelp = 21;
} // namespace hit

// The four border sizes of a skinned frame (the side painters' thicknesses).
struct FrameBorders {
    int left = 0, top = 0, right = 0, bottom = 0;
    friend bool operator==(const FrameBorders&, const FrameBorders&) = default;
};

// --- sides ----------------------------------------------------------------

enum class Side { Top, Bottom, Left, Right };

constexpr bool IsHorizontal(Side s) { return s == Side::Top || s == Side::Bottom; }

// The side's rectangle in window coordinates (window top-left at 0,0).
Rect SideRect(Side side, Size window, const FrameBorders& b);

// Length the parts of a side must fill: the window width for the top and
// bottom, the height between them for the left and right.
int SideLength(Side side, Size window, const FrameBorders& b);

// Draw modes of a side part.
namespace part_mode {
constexpr unsigned kBlit = 0;
constexpr unsigned kStretch = 1;
constexpr unsigned kTile = 2;
} // namespace part_mode

// One image or region part of a side: its natural size and draw mode.
struct SidePart {
    int width = 0;
    int height = 0;
    unsigned mode = part_mode::kBlit;
};

// Where one part goes; `index` points into the parts given.
struct PlacedPart {
    std::size_t index = 0;
    Rect rect;
    friend bool operator==(const PlacedPart&, const PlacedPart&) = default;
};

// Lays the parts end to end from the side's top-left. Stretched and tiled
// parts share the spare length (side length - natural length): the first
// takes the share rounded half away from zero, the rest the share truncated.
// When the side is shorter than its parts, a stretch part no longer than the
// shortfall share cannot be drawn: it is dropped and the row closes up.
std::vector<PlacedPart> LayoutSideParts(Side side, const Rect& sideRect, int sideLength,
                                        const std::vector<SidePart>& parts);

// Which image keys of a side element are drawn: the active parts are the
// keys from 0 up to the first missing one (key 1000 itself, when present,
// ends that row as well); the inactive parts are every key above 1000, in
// key order, wherever the gaps are.
struct SideKeys {
    std::vector<int> active;
    std::vector<int> inactive;
};
SideKeys CollectSideKeys(const std::set<int>& presentKeys);

// --- caption buttons --------------------------------------------------------

enum CaptionButton : int { kMinimizeButton = 0, kMaximizeButton = 1, kCloseButton = 2, kHelpButton = 3, kNoButton = 4 };

struct CaptionButtonGeometry {
    Size size;
    Point offset;          // x from the near edge, y from the top
    Point minimizedOffset; // while the window is minimised (help has none)
};

struct CaptionButtonsInput {
    int windowWidth = 0;
    std::uint32_t style = 0;
    std::uint32_t exStyle = 0;
    bool alignLeft = false; // value 685 "Left"
    // Indexed by CaptionButton (minimize, maximize, close, help).
    std::array<CaptionButtonGeometry, 4> buttons{};
};

// The button's rectangle in window coordinates; empty when the window's
// styles give it no such button.
Rect CaptionButtonRect(int button, const CaptionButtonsInput& in);

// The button under a point in window coordinates (mirrored for
// right-to-left windows); kNoButton when none.
int HitTestCaptionButtons(Point p, const CaptionButtonsInput& in);

// --- right-to-left ------------------------------------------------------------

// A right-to-left frame shows its whole non-client area mirrored: what the
// layout puts at x shows at width - x (the left side's parts on the right
// edge, the caption buttons of "Right" alignment at the left).
Rect MirrorInWidth(const Rect& r, int width);

// The text box of the caption: the top side less the buttons and 2 pixels
// beside them.
Rect CaptionTextBox(const CaptionButtonsInput& in, const Rect& topRect, int topThickness);

// The image id a caption button shows: its state (0 normal, 1 hot, 2
// pressed) while the frame is active and the button available, its inactive
// image otherwise; minimise and maximise take the restore images while the
// window is minimised or maximised. Close and help fall back to their
// normal image when the inactive one is missing (`hasImage` says which ids
// the skin holds).
int CaptionButtonImageId(int button, int state, bool active, std::uint32_t style,
                         bool (*hasImage)(int id, const void* ctx), const void* ctx);

// --- caption text and icon ---------------------------------------------------

namespace caption_loc {
constexpr int kLeft = 0, kCenter = 1, kRight = 2, kUserOffset = 3; // value 484
constexpr int kIconWithText = 0, kIconUserOffset = 1;              // value 488
} // namespace caption_loc

struct CaptionTextInput {
    Rect box;
    int textLocation = caption_loc::kLeft;
    int iconLocation = caption_loc::kIconWithText;
    Point textOffset; // value 557
    Point iconOffset; // value 558
    int textWidth = 0;
    bool minimized = false;
    bool hasIcon = false;
    int cxFrame = 0, cyFrame = 0, cxSmallIcon = 16;
};

struct CaptionTextPlacement {
    Point text;
    Point icon;
    bool showIcon = false;
};

CaptionTextPlacement PlaceCaptionText(const CaptionTextInput& in);

// --- client area -------------------------------------------------------------

struct NcMetrics {
    int cxFrame = 4;    // SM_CXFRAME
    int cxDlgFrame = 3; // SM_CXDLGFRAME
    int cyCaption = 19; // SM_CYCAPTION
};

// The client rectangle under skinned borders. Version code 9 corrects the
// system's own answer (`defaultClient`, computed with the window's frame
// style) by the difference between the skinned borders and the system
// frame; other versions shrink the frameless answer by the borders. A
// right-to-left frame (drawn mirrored) takes the right border on the left
// and the left border on the right.
Rect SkinnedClientRect(const Rect& defaultClient, const FrameBorders& b, std::uint32_t style, std::uint32_t exStyle,
                       int versionCode, const NcMetrics& m);

// --- hit test ----------------------------------------------------------------

struct NcHitInput {
    Size window;
    FrameBorders borders;
    Rect client;      // window coordinates
    Rect menuBar;     // window coordinates; empty without a skinned bar
    Rect sysMenuIcon; // window coordinates; empty without one
    std::uint32_t style = 0;
    int sizingEdge = 4;            // how deep into a side sizing reaches (top side: from the window's top)
    int cornerLength = 16;         // how far along a side a corner reaches
    int captionButton = kNoButton; // from HitTestCaptionButtons
};

struct NcHitResult {
    int answer = hit::kNowhere;  // what WM_NCHITTEST returns
    int lastHit = hit::kNowhere; // what the frame remembers (HTCAPTION over a caption button)
};

// The whole non-client hit test from the skin's layout: sizing borders and
// corners with a thick frame, the caption and its icon, the menu bar and the
// caption buttons (answered HTCLIENT so the mouse reaches the frame as
// client messages).
NcHitResult SkinnedNcHitTest(Point p, const NcHitInput& in);

// Refines a code inside the shaped-border ring of a frame whose region is
// built from its sides: the corner of the point's quadrant, kept near the
// diagonal from top-left to bottom-right, else turned into the side it
// leans toward. HTNOWHERE counts as HTBORDER; other codes, and points
// outside the ring, keep their code. The caller tests the ring against the
// window region.
int RefineShapedBorderHit(int code, Point p, Size window, bool insideRing);

// --- minimum and maximum -------------------------------------------------------

struct MinMaxInput {
    Size window;
    Size client;
    int cxMin = 0;            // SM_CXMIN
    bool sideRegions = false; // region kind 3
    int leftRegionLength = 0, rightRegionLength = 0;
    FrameBorders borders;
    bool mdiChild = false;
};

struct MinMaxResult {
    Size minTrack;
    bool setMaxPosition = false;
    Point maxPosition;
};

// Raises the minimum tracking size to what the skinned frame needs and
// places a maximised top-level frame at (-4, -4).
MinMaxResult SkinnedMinMax(const MinMaxInput& in, Size currentMinTrack);

} // namespace hexmoor::rt
