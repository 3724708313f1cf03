#pragma once
// The pages of the frame's buttons: the five caption buttons and the three
// MDI buttons of the menu bar share one shape, an image per state with a
// size and an offset pair on the normal page. Each button is one row of
// ids and texts; its page table is made from it.

#include "editor/links/page_table.h"

namespace hexmoor::links {

// Where a button's disabled image is shown.
enum class DisabledPage {
    kOffered,    // on the state bar's disabled page
    kExportOnly, // the state bar hides it; an export asks for it
    kNever,      // built and cleared with the others, never handed over
};

struct ButtonPageSpec {
    const char* className;
    UINT name;
    UINT imageLabel;
    WORD normal, pressed, hot;
    WORD disabled; // 0: the button has no disabled image
    DisabledPage disabledPage;
    // The size and offset pairs with their export keys; 0 for a button
    // without them.
    WORD size;
    const wchar_t* sizeKey;
    WORD offset;
    const wchar_t* offsetKey;
    PageTarget target;
    // Caption buttons: an image stored through the link sizes the button,
    // and a reset zeroes the pairs. MDI buttons: a reset zeroes the old
    // files' fields of the button instead and keeps the pairs.
    bool captionButton;
    LegacyClear legacy;
};

PageTable MakeButtonPage(const ButtonPageSpec& b);

} // namespace hexmoor::links
