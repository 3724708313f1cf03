#include "runtime/logic/button_format.h"

#include <cstdint>

#include "runtime/logic/align.h"

namespace hexmoor::rt::button {

namespace {
unsigned VerticalFormat(unsigned style) {
    switch (style & 0xC00) {
    case bs::kTop: return dt::kTop;
    case bs::kBottom: return dt::kBottom;
    default: return dt::kVCenter;
    }
}
unsigned LineFormat(unsigned style) {
    return (style & bs::kMultiLine) ? dt::kWordBreak | dt::kEditControl : dt::kSingleLine;
}
unsigned RowShift(unsigned style) {
    switch (style & 0xC00) {
    case bs::kTop: return 0;
    case bs::kBottom: return 8;
    default: return 4;
    }
}
} // namespace

unsigned ButtonTextFormat(unsigned style) {
    unsigned horizontal = dt::kCenter;
    if ((style & 0x300) == bs::kLeft) horizontal = dt::kLeft;
    if ((style & 0x300) == bs::kRight) horizontal = dt::kRight;
    return VerticalFormat(style) | horizontal | LineFormat(style);
}

unsigned ButtonAlignment(unsigned style) {
    unsigned column = 2;
    if ((style & 0x300) == bs::kLeft) column = 1;
    if ((style & 0x300) == bs::kRight) column = 4;
    return column << RowShift(style);
}

unsigned CheckTextFormat(unsigned style) {
    unsigned horizontal = dt::kLeft;
    if ((style & 0x300) == bs::kCenter) horizontal = dt::kCenter;
    if ((style & 0x300) == bs::kRight) horizontal = dt::kRight;
    return VerticalFormat(style) | horizontal | LineFormat(style);
}

unsigned CheckAlignment(unsigned style) {
    unsigned column = 1;
    if ((style & 0x300) == bs::kCenter) column = 2;
    if ((style & 0x300) == bs::kRight) column = 4;
    return column << RowShift(style);
}

unsigned StaticTextFormat(unsigned style) {
    unsigned f = dt::kNoClip;
    if (style & 0x80) f |= dt::kNoPrefix;
    if (style & 0x2000) f |= dt::kEditControl;
    if ((style & 0x0C) < 0x0C) f |= dt::kWordBreak;
    if (style & 0x200) f |= dt::kSingleLine | dt::kVCenter;
    if ((style & 0xC000) == 0xC000) f |= dt::kWordEllipsis;
    if (style & 0x8000) f |= dt::kPathEllipsis;
    if (style & 0x4000) f |= dt::kEndEllipsis;
    if (style & 0x1)
        f |= dt::kCenter;
    else if (style & 0x2)
        f |= dt::kRight;
    return f;
}

unsigned StaticAlignment(unsigned style) {
    const unsigned shift = (style & 0x200) ? 4 : 0;
    unsigned column = 1;
    if (style & 0x1)
        column = 2;
    else if (style & 0x2)
        column = 4;
    return column << shift;
}

bool StaticCaptionDrawsInPlace(unsigned style) {
    const bool centred = (style & 0x1) != 0, centredVertically = (style & 0x200) != 0;
    const bool ellipsis = (style & 0xC000) != 0;
    return !centred && !centredVertically && !ellipsis;
}

GlyphPlacement PlaceGlyph(const Rect& content, bool leftText) {
    GlyphPlacement g;
    g.glyph = AlignRectInBox(content, Rect{0, 0, 13, 13}, leftText ? 0x040u : 0x010u);
    g.content = content;
    if (leftText)
        g.content.right -= 15;
    else
        g.content.left += 15;
    return g;
}

Point ContentOffset(unsigned long number) {
    const auto x = std::int16_t(std::uint16_t(number & 0xFFFF));
    const auto y = std::int16_t(std::uint16_t((number >> 16) & 0xFFFF));
    return {x, y};
}

ContentBoxes PlaceContent(const Rect& content, unsigned alignment, Size image, Size text, int visualState,
                          Point hotOffset, Point pressedOffset) {
    ContentLayout layout;
    layout.firstCode = alignment;
    layout.secondCode = alignment;
    layout.firstWidth = image.cx;
    layout.firstHeight = image.cy;
    layout.secondWidth = text.cx;
    layout.secondHeight = text.cy;
    auto [imageBox, textBox] = AlignTwoRectsInBox(content, layout);
    Point move{};
    if (visualState == 2) move = pressedOffset;
    if (visualState == 1) move = hotOffset;
    return {imageBox.Offset(move.x, move.y), textBox.Offset(move.x, move.y)};
}

Look CheckLook(int visualState, bool focused, bool enabled) {
    if (visualState == 0) {
        if (!enabled) return Look::Disabled;
        return focused ? Look::Focused : Look::Normal;
    }
    if (visualState == 1) return Look::Hot;
    if (visualState == 2) return Look::Pressed;
    return Look::None;
}

namespace {
// Rows: normal, pressed, hot, disabled, focused. Columns: unchecked,
// checked, indeterminate.
struct Table {
    int images[5][3];
    int colours[5][3];
};
constexpr Table kPush{{{22, 22, 22}, {24, 24, 24}, {26, 26, 26}, {28, 28, 28}, {30, 30, 30}},
                      {{23, 23, 23}, {25, 25, 25}, {27, 27, 27}, {29, 29, 29}, {32, 32, 32}}};
constexpr Table kCheck{{{109, 110, 124}, {112, 113, 125}, {115, 116, 126}, {118, 119, 127}, {121, 122, 128}},
                       {{111, 111, 111}, {114, 114, 114}, {117, 117, 117}, {120, 120, 120}, {123, 123, 123}}};
constexpr Table kRadio{{{133, 134, 134}, {136, 137, 137}, {139, 140, 140}, {142, 143, 143}, {145, 146, 146}},
                       {{135, 135, 135}, {138, 138, 138}, {141, 141, 141}, {144, 144, 144}, {147, 147, 147}}};
constexpr Table kPushLike{{{663, 664, 664}, {666, 667, 667}, {669, 670, 670}, {672, 673, 673}, {675, 676, 676}},
                          {{665, 805, 805}, {668, 806, 806}, {671, 807, 807}, {674, 808, 808}, {677, 809, 809}}};

const Table* TableOf(int kind) {
    switch (kind) {
    case 4: return &kPush;
    case 6: return &kCheck;
    case 7: return &kRadio;
    case 39: return &kPushLike;
    default: return nullptr;
    }
}

int Lookup(int kind, int check, Look look, bool colour) {
    const Table* t = TableOf(kind);
    if (!t || look == Look::None) return 0;
    const int row = int(look);
    const int column = check < 0 ? 0 : check > 2 ? 1 : check;
    return colour ? t->colours[row][column] : t->images[row][column];
}
} // namespace

int ImageId(int kind, int check, Look look) { return Lookup(kind, check, look, false); }
int ColourId(int kind, int check, Look look) { return Lookup(kind, check, look, true); }

int PushButtonImageId(const PushFaceInput& in) {
    if (in.focused && in.visualState == 0) return 30;
    if (in.visualState == 0) {
        if (in.isDefault && in.enabled) return in.otherPushButtonFocused ? 22 : 30;
        return in.enabled ? 22 : 28;
    }
    if (in.visualState == 1) return 26;
    if (in.visualState == 2) return 24;
    return 0;
}

int PushButtonColourId(int visualState, bool focused, bool enabled) {
    if (!enabled) return 29;
    if (focused && visualState == 0) return 32;
    if (visualState == 0) return 23;
    if (visualState == 1) return 27;
    if (visualState == 2) return 25;
    return 0;
}

} // namespace hexmoor::rt::button
