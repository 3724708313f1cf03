#pragma once
// Pages whose rows each show one property per state (the .NET strips, the
// scroll bars, the spin controls): a page is written as the lines of its
// table, a label and kind with the property id it edits in each state, and
// these helpers turn the lines into the page table's rows, its state fills,
// its build list and its own-id clear, and add the text offsets of the
// pages that have them.

#include <array>
#include <vector>

#include "editor/links/link_env.h"
#include "editor/links/page_table.h"

namespace hexmoor::links {

// One line: the id the row edits in each state (normal, highlighted,
// pressed, disabled, focused; 0 where the state does not show it).
struct StateRow {
    Label label;
    int kind;
    std::array<WORD, kStateCount> ids;
    // The base-state id of every state's row: the normal-state id, so that
    // "Fill all states" copies across the line; else 0 (no such copies).
    bool baseIsNormal = false;
};

// The order in which a build visits the rows.
struct BuildOrder {
    enum Walk {
        kLineByLine,   // each line's states, then the next line
        kStateByState, // each state's lines, then the next state
    };
    Walk walk = kLineByLine;
    std::array<int, kStateCount> states = {0, 1, 2, 3, 4};
};

// The table indices of a line's rows, by state (kNoRow where none).
using StateRowIndices = std::array<int, kStateCount>;

// Appends the lines' rows to the page, appends each state's rows to that
// state's fill in line order and to the build in the given order; returns
// the indices of every line's rows.
std::vector<StateRowIndices> AddStateRows(PageTable& page, const std::vector<StateRow>& lines,
                                          const BuildOrder& order = {});

// The "Text Offset" groups of the highlighted and the pressed state, each
// after that state's rows: signed X and Y halves of the pair that the page
// writes back, made once the grid shows the group, shown closed; an export
// gets the pair's key whether or not the grid ever showed the group.
void AddTextOffsets(PageTable& page, WORD hotPair, WORD pressedPair);

// The clear that removes the page's own images, in build order (the result
// is the last removal's); numbers, colours and other ids stay.
ClearSpec RemoveOwnImages(const PageTable& page);

} // namespace hexmoor::links
