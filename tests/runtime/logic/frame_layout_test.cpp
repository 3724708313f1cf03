// The skinned frame's non-client layout: side parts, side and caption-button
// rectangles, caption text and icon, the client rectangle, the hit test and
// the minimum tracking size.
#include <gtest/gtest.h>

#include "runtime/logic/frame_layout.h"

using namespace hexmoor;
using namespace hexmoor::rt;

namespace {

std::vector<int> Widths(const std::vector<PlacedPart>& placed) {
    std::vector<int> w;
    for (const PlacedPart& p : placed) w.push_back(p.rect.Width());
    return w;
}

} // namespace

TEST(SideLayout, StretchPartsShareTheSpareLengthFirstRoundedRestTruncated) {
    // Natural length 17: blit 10, stretch 0, tile 1, stretch 3, blit 3.
    const std::vector<SidePart> parts{{10, 5, part_mode::kBlit},
                                      {0, 5, part_mode::kStretch},
                                      {1, 5, part_mode::kTile},
                                      {3, 5, part_mode::kStretch},
                                      {3, 5, part_mode::kBlit}};
    struct Case {
        int length;
        std::vector<int> widths;
    } cases[] = {
        {27, {10, 0 + 3, 1 + 3, 3 + 3, 3}}, // 10 spare: 3, 3, 3
        {28, {10, 0 + 4, 1 + 3, 3 + 3, 3}}, // 11 spare: 4, 3, 3
        {17, {10, 0, 1, 3, 3}},             // exactly natural
    };
    for (const Case& c : cases) {
        const auto placed = LayoutSideParts(Side::Top, Rect{0, 0, c.length, 5}, c.length, parts);
        ASSERT_EQ(placed.size(), 5u);
        EXPECT_EQ(Widths(placed), c.widths) << "length " << c.length;
        int sum = 0;
        for (int w : c.widths) sum += w;
        EXPECT_EQ(placed.back().rect.right, sum) << "parts end to end from the side's start";
        for (std::size_t i = 1; i < placed.size(); ++i) EXPECT_EQ(placed[i].rect.left, placed[i - 1].rect.right);
    }
}

TEST(SideLayout, VerticalSidesRunDownFromTheSideTop) {
    const std::vector<SidePart> parts{{6, 4, part_mode::kBlit}, {6, 2, part_mode::kStretch}, {6, 4, part_mode::kBlit}};
    const Rect side = SideRect(Side::Right, {200, 100}, {6, 30, 6, 8});
    EXPECT_EQ(side, (Rect{194, 30, 200, 92}));
    const auto placed = LayoutSideParts(Side::Right, side, SideLength(Side::Right, {200, 100}, {6, 30, 6, 8}), parts);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0].rect, (Rect{194, 30, 200, 34}));
    EXPECT_EQ(placed[1].rect, (Rect{194, 34, 200, 88}));
    EXPECT_EQ(placed[2].rect, (Rect{194, 88, 200, 92}));
}

TEST(SideLayout, PartsThatCannotStretchVanishAndTheRowClosesUp) {
    // natural 40 on a side of 20: each of the two stretch parts gets -10.
    const std::vector<SidePart> parts{{15, 5, part_mode::kBlit},
                                      {8, 5, part_mode::kStretch},  // 8 <= 10: vanishes
                                      {12, 5, part_mode::kStretch}, // 12 > 10: drawn 2 wide
                                      {5, 5, part_mode::kBlit}};
    const auto placed = LayoutSideParts(Side::Bottom, Rect{0, 50, 20, 55}, 20, parts);
    ASSERT_EQ(placed.size(), 3u);
    EXPECT_EQ(placed[0], (PlacedPart{0, {0, 50, 15, 55}}));
    EXPECT_EQ(placed[1], (PlacedPart{2, {15, 50, 17, 55}}));
    EXPECT_EQ(placed[2], (PlacedPart{3, {17, 50, 22, 55}}));
}

TEST(SideRects, EachSideInWindowCoordinates) {
    const Size w{300, 200};
    const FrameBorders b{5, 25, 7, 9};
    EXPECT_EQ(SideRect(Side::Top, w, b), (Rect{0, 0, 300, 25}));
    EXPECT_EQ(SideRect(Side::Bottom, w, b), (Rect{0, 191, 300, 200}));
    EXPECT_EQ(SideRect(Side::Left, w, b), (Rect{0, 25, 5, 191}));
    EXPECT_EQ(SideRect(Side::Right, w, b), (Rect{293, 25, 300, 191}));
    EXPECT_EQ(SideLength(Side::Top, w, b), 300);
    EXPECT_EQ(SideLength(Side::Left, w, b), 166);
}

TEST(SideKeys, ActiveRunEndsAtTheFirstGapInactiveKeysAreAllKept) {
    struct Case {
        std::set<int> keys;
        std::vector<int> active, inactive;
    } cases[] = {
        {{0, 1, 2, 1001, 1002}, {0, 1, 2}, {1001, 1002}},
        {{0, 1, 3, 1001}, {0, 1}, {1001}},                // a gap ends the active row
        {{1001, 1003}, {}, {1001, 1003}},                 // no active images: the last inactive one is kept
        {{0, 1005, 1002, 1009}, {0}, {1002, 1005, 1009}}, // sparse inactive keys, in key order
        {{}, {}, {}},
    };
    for (const Case& c : cases) {
        const SideKeys k = CollectSideKeys(c.keys);
        EXPECT_EQ(k.active, c.active);
        EXPECT_EQ(k.inactive, c.inactive);
    }
}

namespace {

CaptionButtonsInput Buttons(std::uint32_t style, std::uint32_t ex = 0, bool left = false) {
    CaptionButtonsInput in;
    in.windowWidth = 300;
    in.style = style;
    in.exStyle = ex;
    in.alignLeft = left;
    in.buttons[kMinimizeButton] = {{20, 18}, {70, 4}, {40, 2}};
    in.buttons[kMaximizeButton] = {{20, 18}, {48, 4}, {22, 2}};
    in.buttons[kCloseButton] = {{22, 18}, {4, 4}, {2, 2}};
    in.buttons[kHelpButton] = {{16, 16}, {94, 5}, {0, 0}};
    return in;
}

constexpr std::uint32_t kOverlapped = 0x00CF0000; // caption, system menu, thick frame, both boxes

} // namespace

TEST(CaptionButtons, RectanglesByAlignmentStyleAndMinimisedState) {
    using namespace frame_style;
    struct Case {
        const char* what;
        CaptionButtonsInput in;
        Rect min, max, close, help;
    } cases[] = {
        {"right", Buttons(kOverlapped), {210, 4, 230, 22}, {232, 4, 252, 22}, {274, 4, 296, 22}, {}},
        {"left", Buttons(kOverlapped, 0, true), {70, 4, 90, 22}, {48, 4, 68, 22}, {4, 4, 26, 22}, {}},
        {"minimised: right and minimised offsets",
         Buttons(kOverlapped | kMinimize, 0, true),
         {240, 2, 260, 20},
         {258, 2, 278, 20},
         {276, 2, 298, 20},
         {}},
        {"help",
         Buttons(kOverlapped, kExContextHelp),
         {210, 4, 230, 22},
         {232, 4, 252, 22},
         {274, 4, 296, 22},
         {190, 5, 206, 21}},
        {"no system menu: nothing but help",
         Buttons(kOverlapped & ~kSysMenu, kExContextHelp),
         {},
         {},
         {},
         {190, 5, 206, 21}},
        {"no boxes: close only", Buttons(kCaption | kSysMenu), {}, {}, {274, 4, 296, 22}, {}},
        {"one box gives both",
         Buttons(kCaption | kSysMenu | kMinimizeBox),
         {210, 4, 230, 22},
         {232, 4, 252, 22},
         {274, 4, 296, 22},
         {}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CaptionButtonRect(kMinimizeButton, c.in), c.min) << c.what;
        EXPECT_EQ(CaptionButtonRect(kMaximizeButton, c.in), c.max) << c.what;
        EXPECT_EQ(CaptionButtonRect(kCloseButton, c.in), c.close) << c.what;
        EXPECT_EQ(CaptionButtonRect(kHelpButton, c.in), c.help) << c.what;
    }
}

TEST(CaptionButtons, HitOrderBoxStylesAndRightToLeftMirror) {
    using namespace frame_style;
    const auto in = Buttons(kOverlapped, kExContextHelp);
    EXPECT_EQ(HitTestCaptionButtons({215, 10}, in), kMinimizeButton);
    EXPECT_EQ(HitTestCaptionButtons({240, 10}, in), kMaximizeButton);
    EXPECT_EQ(HitTestCaptionButtons({280, 10}, in), kCloseButton);
    EXPECT_EQ(HitTestCaptionButtons({195, 10}, in), kHelpButton);
    EXPECT_EQ(HitTestCaptionButtons({150, 10}, in), kNoButton);
    EXPECT_EQ(HitTestCaptionButtons({296, 10}, in), kNoButton) << "right edge is exclusive";
    // The greyed maximise button of a window with only a minimise box is drawn but never hit.
    const auto minOnly = Buttons(kCaption | kSysMenu | kMinimizeBox);
    EXPECT_EQ(HitTestCaptionButtons({240, 10}, minOnly), kNoButton);
    EXPECT_EQ(HitTestCaptionButtons({215, 10}, minOnly), kMinimizeButton);
    // Right to left: the point is mirrored, so the close button is found at the left.
    const auto rtl = Buttons(kOverlapped, kExLayoutRtl);
    EXPECT_EQ(HitTestCaptionButtons({300 - 280, 10}, rtl), kCloseButton);
    EXPECT_EQ(HitTestCaptionButtons({300 - 215, 10}, rtl), kMinimizeButton);
    EXPECT_EQ(HitTestCaptionButtons({280, 10}, rtl), kNoButton);
    // Every button is hit exactly where it shows (its mirrored rectangle):
    // first column in, the column past its end out.
    for (int button : {kMinimizeButton, kMaximizeButton, kCloseButton}) {
        const Rect shown = MirrorInWidth(CaptionButtonRect(button, rtl), 300);
        EXPECT_EQ(HitTestCaptionButtons({shown.left, 10}, rtl), button) << button;
        EXPECT_EQ(HitTestCaptionButtons({shown.right - 1, 10}, rtl), button) << button;
        EXPECT_NE(HitTestCaptionButtons({shown.right, 10}, rtl), button) << button;
        EXPECT_NE(HitTestCaptionButtons({shown.left - 1, 10}, rtl), button) << button;
    }
}

TEST(CaptionButtons, TextBoxStopsTwoPixelsShortOfTheButtons) {
    using namespace frame_style;
    const Rect top{0, 0, 300, 30};
    EXPECT_EQ(CaptionTextBox(Buttons(kOverlapped), top, 30), (Rect{0, 0, 208, 30}));
    EXPECT_EQ(CaptionTextBox(Buttons(kOverlapped, kExContextHelp), top, 30), (Rect{0, 0, 188, 30}));
    EXPECT_EQ(CaptionTextBox(Buttons(kOverlapped, 0, true), top, 30), (Rect{92, 0, 300, 30}));
    EXPECT_EQ(CaptionTextBox(Buttons(kCaption), top, 30), (Rect{0, 0, 298, 30})) << "no buttons";
    EXPECT_EQ(CaptionTextBox(Buttons(kOverlapped | kMinimize, 0, true), top, 30), (Rect{0, 0, 238, 30}))
        << "a minimised window aligns right";
}

TEST(CaptionButtons, ImageByButtonStateActivationAndWindowState) {
    using namespace frame_style;
    const std::uint32_t normal = kOverlapped;
    struct Case {
        int button, state;
        bool active;
        std::uint32_t style;
        int id;
    } cases[] = {
        {kCloseButton, 0, true, normal, 456},
        {kCloseButton, 2, true, normal, 457},
        {kCloseButton, 1, true, normal, 458},
        {kCloseButton, 1, false, normal, 459},
        {kHelpButton, 0, true, normal, 472},
        {kHelpButton, 2, true, normal, 473},
        {kHelpButton, 1, true, normal, 474},
        {kHelpButton, 0, false, normal, 475},
        {kMinimizeButton, 0, true, normal, 463},
        {kMinimizeButton, 2, true, normal, 464},
        {kMinimizeButton, 1, true, normal, 465},
        {kMinimizeButton, 0, false, normal, 471},
        {kMinimizeButton, 0, true, normal & ~kMinimizeBox, 471},
        {kMinimizeButton, 0, true, normal | kMinimize, 466},
        {kMinimizeButton, 2, true, normal | kMinimize, 467},
        {kMinimizeButton, 1, true, normal | kMinimize, 468},
        {kMinimizeButton, 0, false, normal | kMinimize, 469},
        {kMaximizeButton, 0, true, normal, 460},
        {kMaximizeButton, 2, true, normal, 461},
        {kMaximizeButton, 1, true, normal, 462},
        {kMaximizeButton, 0, false, normal, 470},
        {kMaximizeButton, 0, true, normal & ~kMaximizeBox, 470},
        {kMaximizeButton, 0, true, normal | kMaximize, 466},
        {kMaximizeButton, 2, true, normal | kMaximize, 467},
        {kMaximizeButton, 1, true, normal | kMaximize, 468},
        {kMaximizeButton, 0, false, normal | kMaximize, 469},
    };
    for (const Case& c : cases)
        EXPECT_EQ(CaptionButtonImageId(c.button, c.state, c.active, c.style, nullptr, nullptr), c.id)
            << c.button << " state " << c.state << " active " << c.active;
    // Without an inactive image close and help show their normal one.
    auto none = [](int, const void*) { return false; };
    EXPECT_EQ(CaptionButtonImageId(kCloseButton, 0, false, normal, none, nullptr), 456);
    EXPECT_EQ(CaptionButtonImageId(kHelpButton, 0, false, normal, none, nullptr), 472);
}

TEST(CaptionText, OriginOfTextAndIconForEachLocation) {
    using namespace caption_loc;
    struct Case {
        int text, icon;
        bool hasIcon, minimized;
        Point textAt, iconAt;
    } cases[] = {
        {kLeft, kIconWithText, false, false, {14, 24}, {}},
        {kLeft, kIconWithText, true, false, {14 + 18, 24}, {14, 24}},
        {kCenter, kIconWithText, false, false, {10 + 70, 24}, {}},
        {kCenter, kIconWithText, true, false, {80 - 9 + 18, 24}, {80 - 9, 24}},
        {kRight, kIconWithText, false, false, {150, 24}, {}},
        {kRight, kIconWithText, true, false, {150, 24}, {150 - 18, 24}},
        {kUserOffset, kIconWithText, true, false, {33 + 18, 7}, {33, 7}},
        {kLeft, kIconUserOffset, true, false, {14, 24}, {5, 6}},
        {kRight, kIconUserOffset, true, true, {14 + 18, 24}, {14, 24}}, // minimised: left, with text
    };
    for (const Case& c : cases) {
        CaptionTextInput in;
        in.box = {10, 20, 250, 40};
        in.textLocation = c.text;
        in.iconLocation = c.icon;
        in.textOffset = {33, 7};
        in.iconOffset = {5, 6};
        in.textWidth = 100;
        in.hasIcon = c.hasIcon;
        in.minimized = c.minimized;
        in.cxFrame = 4;
        in.cyFrame = 4;
        in.cxSmallIcon = 16;
        const CaptionTextPlacement p = PlaceCaptionText(in);
        EXPECT_EQ(p.text, c.textAt) << c.text << "/" << c.icon;
        EXPECT_EQ(p.showIcon, c.hasIcon);
        if (c.hasIcon) {
            EXPECT_EQ(p.icon, c.iconAt) << c.text << "/" << c.icon;
        }
    }
}

TEST(SkinnedClientRect, ByVersionStyleAndLayout) {
    using namespace frame_style;
    const NcMetrics m{4, 3, 19};
    const FrameBorders b{6, 30, 8, 10};
    // The system's answer for a 400 x 300 window at 0,0 with its own frame.
    struct Case {
        const char* what;
        Rect defaultClient;
        std::uint32_t style, ex;
        int version;
        Rect expected;
    } cases[] = {
        {"thick frame with caption", {4, 23, 396, 296}, kOverlapped, 0, 9, {6, 30, 392, 290}},
        {"caption and menu row", {4, 23 + 20, 396, 296}, kOverlapped, 0, 9, {6, 50, 392, 290}},
        {"dialog frame", {3, 22, 397, 297}, kCaption | kSysMenu, 0, 9, {6, 30, 392, 290}},
        {"right to left swaps left and right borders",
         {4, 23, 396, 296},
         kOverlapped,
         kExLayoutRtl,
         9,
         {8, 30, 394, 290}},
        {"no caption", {4, 4, 396, 296}, kThickFrame, 0, 9, {6, 31, 392, 290}},
        {"older systems shrink the frameless rectangle", {0, 0, 400, 300}, kOverlapped, 0, 7, {6, 30, 392, 290}},
        // The mirrored frame draws the right side on the left, so the
        // client area must leave the right border's width there.
        {"older systems, right to left", {0, 0, 400, 300}, kOverlapped, kExLayoutRtl, 7, {8, 30, 394, 290}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SkinnedClientRect(c.defaultClient, b, c.style, c.ex, c.version, m), c.expected) << c.what;
}

namespace {

NcHitInput HitInput(std::uint32_t style) {
    NcHitInput in;
    in.window = {400, 300};
    in.borders = {6, 30, 8, 10};
    in.client = {6, 50, 392, 290};
    in.menuBar = {6, 30, 392, 50};
    in.sysMenuIcon = {10, 8, 26, 24};
    in.style = style;
    in.sizingEdge = 4;
    in.cornerLength = 16;
    return in;
}

} // namespace

TEST(NcHitTest, BordersCornersCaptionBarAndButtons) {
    using namespace frame_style;
    struct Case {
        const char* what;
        std::uint32_t style;
        Point p;
        int button;
        int answer, last;
    } cases[] = {
        {"client", kOverlapped, {200, 100}, kNoButton, hit::kClient, hit::kClient},
        {"outside", kOverlapped, {400, 100}, kNoButton, hit::kNowhere, hit::kNowhere},
        {"left side", kOverlapped, {2, 100}, kNoButton, hit::kLeft, hit::kLeft},
        {"right side", kOverlapped, {395, 100}, kNoButton, hit::kRight, hit::kRight},
        {"bottom side", kOverlapped, {200, 295}, kNoButton, hit::kBottom, hit::kBottom},
        {"top edge", kOverlapped, {200, 2}, kNoButton, hit::kTop, hit::kTop},
        {"top-left from the top", kOverlapped, {10, 1}, kNoButton, hit::kTopLeft, hit::kTopLeft},
        {"top-left from the left", kOverlapped, {1, 12}, kNoButton, hit::kTopLeft, hit::kTopLeft},
        {"top-right", kOverlapped, {398, 3}, kNoButton, hit::kTopRight, hit::kTopRight},
        {"bottom-left", kOverlapped, {3, 295}, kNoButton, hit::kBottomLeft, hit::kBottomLeft},
        {"bottom-right", kOverlapped, {390, 298}, kNoButton, hit::kBottomRight, hit::kBottomRight},
        {"caption", kOverlapped, {200, 15}, kNoButton, hit::kCaption, hit::kCaption},
        {"system menu icon", kOverlapped, {15, 15}, kNoButton, hit::kSysMenu, hit::kSysMenu},
        {"caption button", kOverlapped, {280, 10}, kCloseButton, hit::kClient, hit::kCaption},
        {"menu bar", kOverlapped, {100, 40}, kNoButton, hit::kClient, hit::kMenu},
        {"fixed frame: side is a border", kCaption | kSysMenu, {2, 100}, kNoButton, hit::kBorder, hit::kBorder},
        {"fixed frame: top edge is caption", kCaption | kSysMenu, {200, 1}, kNoButton, hit::kCaption, hit::kCaption},
    };
    for (const Case& c : cases) {
        NcHitInput in = HitInput(c.style);
        in.captionButton = c.button;
        const NcHitResult r = SkinnedNcHitTest(c.p, in);
        EXPECT_EQ(r.answer, c.answer) << c.what;
        EXPECT_EQ(r.lastHit, c.last) << c.what;
    }
}

TEST(NcHitTest, ShapedBorderRingRefinesByQuadrantAndDiagonal) {
    const Size w{200, 100};
    struct Case {
        const char* what;
        int code;
        Point p;
        bool inRing;
        int expected;
    } cases[] = {
        {"outside the ring keeps the code", hit::kCaption, {50, 5}, false, hit::kCaption},
        {"nowhere becomes border outside the ring", hit::kNowhere, {50, 5}, false, hit::kBorder},
        {"other codes stay", hit::kLeft, {2, 50}, true, hit::kLeft},
        {"on the diagonal: the corner", hit::kBorder, {4, 3}, true, hit::kTopLeft},
        {"top-left quadrant above the diagonal: top", hit::kCaption, {60, 3}, true, hit::kTop},
        {"top-left quadrant below the diagonal: left", hit::kBorder, {3, 40}, true, hit::kLeft},
        {"top-right quadrant above: top", hit::kBorder, {190, 3}, true, hit::kTop},
        {"bottom-left below: left", hit::kBorder, {3, 97}, true, hit::kLeft},
        {"bottom-right on the diagonal: corner", hit::kBorder, {196, 97}, true, hit::kBottomRight},
        {"bottom-right above: stays the corner", hit::kBorder, {196, 55}, true, hit::kBottomRight},
        {"on the centre line keeps its code", hit::kBorder, {100, 3}, true, hit::kBorder},
    };
    for (const Case& c : cases) EXPECT_EQ(RefineShapedBorderHit(c.code, c.p, w, c.inRing), c.expected) << c.what;
}

TEST(MinMax, RaisesTheMinimumAndPlacesMaximisedTopLevelFrames) {
    MinMaxInput in;
    in.window = {400, 300};
    in.client = {386, 240};
    in.cxMin = 112;
    in.borders = {6, 50, 8, 10};
    MinMaxResult r = SkinnedMinMax(in, {100, 20});
    EXPECT_EQ(r.minTrack, (Size{126, 60}));
    EXPECT_TRUE(r.setMaxPosition);
    EXPECT_EQ(r.maxPosition, (Point{-4, -4}));
    EXPECT_EQ(SkinnedMinMax(in, {500, 400}).minTrack, (Size{500, 400})) << "only ever raised";
    in.sideRegions = true;
    in.leftRegionLength = 90;
    in.rightRegionLength = 120;
    EXPECT_EQ(SkinnedMinMax(in, {0, 0}).minTrack, (Size{126, 180}));
    in.mdiChild = true;
    EXPECT_FALSE(SkinnedMinMax(in, {0, 0}).setMaxPosition);
}

TEST(RightToLeft, RectanglesMirrorWithinTheWidth) {
    EXPECT_EQ(MirrorInWidth({4, 3, 24, 21}, 300), (Rect{276, 3, 296, 21}));
    EXPECT_EQ(MirrorInWidth({0, 0, 300, 10}, 300), (Rect{0, 0, 300, 10}));
    EXPECT_EQ(MirrorInWidth(MirrorInWidth({7, 1, 9, 2}, 50), 50), (Rect{7, 1, 9, 2}));
}
