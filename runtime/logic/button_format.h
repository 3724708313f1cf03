#pragma once
// The button and static rules as plain functions: text formats and content
// alignment from the style bits, the glyph box of check boxes and radios,
// the content placement with its hot and pressed offsets, and the choice of
// image and colour ids by kind, check state and look.

#include <utility>

#include "base/geometry.h"

namespace hexmoor::rt::button {

// DrawText flags and style bits used here (the published values).
namespace dt {
constexpr unsigned kTop = 0x0, kLeft = 0x0, kCenter = 0x1, kRight = 0x2, kVCenter = 0x4, kBottom = 0x8;
constexpr unsigned kWordBreak = 0x10, kSingleLine = 0x20, kExpandTabs = 0x40, kNoClip = 0x100;
constexpr unsigned kNoPrefix = 0x800, kPathEllipsis = 0x4000, kEndEllipsis = 0x8000;
constexpr unsigned kEditControl = 0x2000, kWordEllipsis = 0x40000;
} // namespace dt

namespace bs {
constexpr unsigned kLeftText = 0x20, kIcon = 0x40, kBitmap = 0x80;
constexpr unsigned kLeft = 0x100, kRight = 0x200, kCenter = 0x300, kTop = 0x400, kBottom = 0x800, kVCenter = 0xC00;
constexpr unsigned kMultiLine = 0x2000;
} // namespace bs

// Push-button rules: BS_LEFT/RIGHT/CENTER and BS_TOP/BOTTOM/VCENTER compared
// as whole two-bit fields.
unsigned ButtonTextFormat(unsigned style);
unsigned ButtonAlignment(unsigned style);
// Check box and radio: left unless BS_CENTER or BS_RIGHT.
unsigned CheckTextFormat(unsigned style);
unsigned CheckAlignment(unsigned style);
// Static text.
unsigned StaticTextFormat(unsigned style);
unsigned StaticAlignment(unsigned style);
// Whether a static's caption drawn straight into the whole box lands where
// measuring it and placing the measured box would: text at the top, flush
// left or right, with no ellipsis (ellipses and centring depend on the box
// the text is drawn in).
bool StaticCaptionDrawsInPlace(unsigned style);

// The 13 x 13 glyph of a check box or radio, at the left edge of the
// content (right edge with BS_LEFTTEXT) and centred vertically; the content
// loses the glyph and two pixels on that side.
struct GlyphPlacement {
    Rect glyph;
    Rect content;
};
GlyphPlacement PlaceGlyph(const Rect& content, bool leftText);

// A content offset number: x in the low word, y in the high word, each a
// signed 16-bit value (the editor stores -2 as 0xFFFE).
Point ContentOffset(unsigned long number);

// Image box and text box of a button's content: both aligned in `content`
// by `alignment`, then moved by the offset of the visual state (1 hot,
// 2 pressed).
struct ContentBoxes {
    Rect image;
    Rect text;
};
ContentBoxes PlaceContent(const Rect& content, unsigned alignment, Size image, Size text, int visualState,
                          Point hotOffset, Point pressedOffset);

// Looks of a skinned button (the order of the element's property rows).
enum class Look { Normal, Pressed, Hot, Disabled, Focused, None };

// Look of a check box, radio or push-like button: the focus shows in state
// 0 only (disabled when the window is), state 1 hot, state 2 pressed.
Look CheckLook(int visualState, bool focused, bool enabled);

// Kinds with an image table: 4 push button, 6 check box, 7 radio, 39
// push-like button. Check: 0 unchecked, 1 checked, 2 indeterminate (check
// box only; other kinds read 2 as checked). 0 when the kind has no id.
int ImageId(int kind, int check, Look look);
int ColourId(int kind, int check, Look look);

// The push button's face image: focus in state 0 shows the focused face;
// the default button shows the focused face too, unless another push
// button has the focus; disabled state 0 shows the disabled face.
struct PushFaceInput {
    int visualState = 0;
    bool focused = false;
    bool enabled = true;
    bool isDefault = false;
    bool otherPushButtonFocused = false;
};
int PushButtonImageId(const PushFaceInput& in);
int PushButtonColourId(int visualState, bool focused, bool enabled);

} // namespace hexmoor::rt::button
