// Button and static rules: formats, alignment, glyph box, content placement,
// image and colour choice.
#include <gtest/gtest.h>

#include "runtime/logic/button_format.h"

using namespace hexmoor;
using namespace hexmoor::rt;
using namespace hexmoor::rt::button;

TEST(ButtonFormat, TextFormatsFromTheStyleFields) {
    struct Case {
        unsigned style, push, check;
    } cases[] = {
        {0, dt::kCenter | dt::kVCenter | dt::kSingleLine, dt::kLeft | dt::kVCenter | dt::kSingleLine},
        {bs::kLeft | bs::kTop, dt::kLeft | dt::kTop | dt::kSingleLine, dt::kLeft | dt::kTop | dt::kSingleLine},
        {bs::kRight | bs::kBottom, dt::kRight | dt::kBottom | dt::kSingleLine,
         dt::kRight | dt::kBottom | dt::kSingleLine},
        {bs::kCenter | bs::kVCenter, dt::kCenter | dt::kVCenter | dt::kSingleLine,
         dt::kCenter | dt::kVCenter | dt::kSingleLine},
        {bs::kMultiLine, dt::kCenter | dt::kVCenter | dt::kWordBreak | dt::kEditControl,
         dt::kLeft | dt::kVCenter | dt::kWordBreak | dt::kEditControl},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonTextFormat(c.style), c.push) << std::hex << c.style;
        EXPECT_EQ(CheckTextFormat(c.style), c.check) << std::hex << c.style;
    }
}

TEST(ButtonFormat, AlignmentGrid) {
    struct Case {
        unsigned style, push, check;
    } cases[] = {
        {0, 0x020, 0x010},
        {bs::kLeft | bs::kTop, 0x001, 0x001},
        {bs::kRight | bs::kBottom, 0x400, 0x400},
        {bs::kCenter | bs::kTop, 0x002, 0x002},
        {bs::kVCenter | bs::kRight, 0x040, 0x040},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ButtonAlignment(c.style), c.push) << std::hex << c.style;
        EXPECT_EQ(CheckAlignment(c.style), c.check) << std::hex << c.style;
    }
}

TEST(StaticFormat, FlagsAndAlignment) {
    EXPECT_EQ(StaticTextFormat(0), dt::kNoClip | dt::kWordBreak);
    EXPECT_EQ(StaticTextFormat(0x0C), dt::kNoClip); // SS_SIMPLE-like: no word break
    EXPECT_EQ(StaticTextFormat(0x200 | 0x1),
              dt::kNoClip | dt::kWordBreak | dt::kSingleLine | dt::kVCenter | dt::kCenter);
    EXPECT_EQ(StaticTextFormat(0x80 | 0x2000 | 0x2),
              dt::kNoClip | dt::kWordBreak | dt::kNoPrefix | dt::kEditControl | dt::kRight);
    // SS_WORDELLIPSIS yields all three ellipsis flags.
    EXPECT_EQ(StaticTextFormat(0xC000),
              dt::kNoClip | dt::kWordBreak | dt::kWordEllipsis | dt::kPathEllipsis | dt::kEndEllipsis);
    EXPECT_EQ(StaticTextFormat(0x4000), dt::kNoClip | dt::kWordBreak | dt::kEndEllipsis);
    EXPECT_EQ(StaticAlignment(0), 0x001u);
    EXPECT_EQ(StaticAlignment(0x1 | 0x200), 0x020u);
    EXPECT_EQ(StaticAlignment(0x2), 0x004u);
}

TEST(StaticFormat, CaptionDrawsInPlaceOnlyAtTheTopFlushLeftOrRightWithoutEllipsis) {
    const struct {
        unsigned style;
        bool inPlace;
    } cases[] = {
        {0x0, true},           // SS_LEFT
        {0x2, true},           // SS_RIGHT
        {0xC, true},           // SS_LEFTNOWORDWRAP
        {0x80 | 0x2000, true}, // SS_NOPREFIX | SS_EDITCONTROL
        {0x1, false},          // SS_CENTER
        {0xB, false},          // SS_SIMPLE carries the centre bit
        {0x200, false},        // SS_CENTERIMAGE
        {0x2 | 0x200, false},  // right and centred vertically
        {0x4000, false},       // SS_ENDELLIPSIS
        {0x8000, false},       // SS_PATHELLIPSIS
        {0xC000 | 0x2, false}, // SS_WORDELLIPSIS, right
    };
    for (const auto& c : cases) EXPECT_EQ(StaticCaptionDrawsInPlace(c.style), c.inPlace) << std::hex << c.style;
}

TEST(ButtonGlyph, GlyphBoxAndReducedContent) {
    const Rect content{2, 1, 102, 21};
    GlyphPlacement g = PlaceGlyph(content, false);
    EXPECT_EQ(g.glyph, (Rect{2, 4, 15, 17}));
    EXPECT_EQ(g.content, (Rect{17, 1, 102, 21}));
    g = PlaceGlyph(content, true); // BS_LEFTTEXT: glyph at the right edge
    EXPECT_EQ(g.glyph, (Rect{89, 4, 102, 17}));
    EXPECT_EQ(g.content, (Rect{2, 1, 87, 21}));
}

TEST(ButtonContent, OffsetsAreSignedHalves) {
    EXPECT_EQ(ContentOffset(0), (Point{0, 0}));
    EXPECT_EQ(ContentOffset(0x00020001), (Point{1, 2}));
    EXPECT_EQ(ContentOffset(0xFFFEFFFE), (Point{-2, -2})); // stored -2 must not move 65,534 pixels
    EXPECT_EQ(ContentOffset(0x0003FFFF), (Point{-1, 3}));
}

TEST(ButtonContent, PlacementMovesByTheStatesOffset) {
    const Rect content{2, 1, 98, 29};
    const Size image{0, 0}, text{40, 12};
    const Point hot{1, 1}, pressed{-2, 3};
    EXPECT_EQ(PlaceContent(content, 0x020, image, text, 0, hot, pressed).text, (Rect{30, 9, 70, 21}));
    EXPECT_EQ(PlaceContent(content, 0x020, image, text, 1, hot, pressed).text, (Rect{31, 10, 71, 22}));
    EXPECT_EQ(PlaceContent(content, 0x020, image, text, 2, hot, pressed).text, (Rect{28, 12, 68, 24}));
    const ContentBoxes bitmap = PlaceContent(content, 0x001, {16, 16}, {0, 0}, 2, hot, pressed);
    EXPECT_EQ(bitmap.image, (Rect{0, 4, 16, 20}));
}

TEST(ButtonImages, EveryKindCheckAndLook) {
    struct Case {
        int kind, check;
        Look look;
        int image, colour;
    } cases[] = {
        {4, 0, Look::Normal, 22, 23},      {4, 1, Look::Pressed, 24, 25},    {4, 0, Look::Hot, 26, 27},
        {4, 0, Look::Disabled, 28, 29},    {4, 0, Look::Focused, 30, 32},    {6, 0, Look::Normal, 109, 111},
        {6, 1, Look::Normal, 110, 111},    {6, 2, Look::Normal, 124, 111},   {6, 1, Look::Pressed, 113, 114},
        {6, 2, Look::Hot, 126, 117},       {6, 0, Look::Disabled, 118, 120}, {6, 2, Look::Focused, 128, 123},
        {7, 0, Look::Normal, 133, 135},    {7, 1, Look::Pressed, 137, 138},  {7, 1, Look::Hot, 140, 141},
        {7, 0, Look::Disabled, 142, 144},  {7, 1, Look::Focused, 146, 147},  {39, 0, Look::Normal, 663, 665},
        {39, 1, Look::Normal, 664, 805},   {39, 1, Look::Hot, 670, 807},     {39, 1, Look::Pressed, 667, 806},
        {39, 1, Look::Disabled, 673, 808}, {39, 1, Look::Focused, 676, 809}, {39, 0, Look::Focused, 675, 677},
        {5, 0, Look::Normal, 0, 0},        {6, 0, Look::None, 0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ImageId(c.kind, c.check, c.look), c.image) << c.kind << "/" << c.check << "/" << int(c.look);
        EXPECT_EQ(ColourId(c.kind, c.check, c.look), c.colour) << c.kind << "/" << c.check << "/" << int(c.look);
    }
}

TEST(ButtonImages, LookOfTheVisualState) {
    EXPECT_EQ(CheckLook(0, false, true), Look::Normal);
    EXPECT_EQ(CheckLook(0, true, true), Look::Focused);
    EXPECT_EQ(CheckLook(0, true, false), Look::Disabled);
    EXPECT_EQ(CheckLook(1, true, true), Look::Hot);
    EXPECT_EQ(CheckLook(2, false, true), Look::Pressed);
    EXPECT_EQ(CheckLook(3, false, true), Look::None);
}

TEST(ButtonImages, DefaultPushButtonRule) {
    struct Case {
        PushFaceInput in;
        int image;
    } cases[] = {
        {{0, false, true, false, false}, 22}, {{0, true, true, false, false}, 30},
        {{0, false, true, true, false}, 30},  {{0, false, true, true, true}, 22},
        {{0, false, false, true, false}, 28}, {{0, false, false, false, false}, 28},
        {{1, false, true, true, false}, 26},  {{2, true, true, false, false}, 24},
    };
    for (const auto& c : cases) EXPECT_EQ(PushButtonImageId(c.in), c.image);
    EXPECT_EQ(PushButtonColourId(0, true, false), 29);
    EXPECT_EQ(PushButtonColourId(0, true, true), 32);
    EXPECT_EQ(PushButtonColourId(1, false, true), 27);
    EXPECT_EQ(PushButtonColourId(2, false, true), 25);
}
