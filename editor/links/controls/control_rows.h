#pragma once
// Shorthands for the control pages' tables: rows appended with their table
// index handed back, and the "Borders" group with its width rows.

#include <initializer_list>
#include <vector>

#include "editor/links/page_rows.h"

namespace hexmoor::links::rows {

// The normal, pressed, highlighted, disabled and focused states: the order
// in which the controls' property blocks run and their builds go.
inline constexpr int kBlockOrder[] = {0, 2, 1, 3, 4};

// A page table begun: its class, the element name of its caption and the
// states its state bar offers.
inline PageTable NewPage(const char* className, UINT element, std::vector<int> states) {
    PageTable page;
    page.className = className;
    page.element = Text(element);
    page.states = {StateDecl::kList, std::move(states)};
    return page;
}

// Appends the row to the table and returns its index.
inline int Add(PageTable& page, RowSpec row) {
    page.rows.push_back(std::move(row));
    return static_cast<int>(page.rows.size()) - 1;
}

struct BorderRow {
    UINT label;
    WORD id;
};

// Appends a "Borders" group and its width rows (numbers the grid stores,
// each its own base-state id), in the order given; returns the group's
// index.
inline int AddBorders(PageTable& page, std::initializer_list<BorderRow> borders) {
    const int group = Add(page, Group(Text(IDS_LINK_BORDERS)));
    for (const BorderRow& b : borders) Add(page, Number(Text(b.label), b.id, b.id, group));
    return group;
}

// The usual four, top, bottom, left, right.
inline int AddFourBorders(PageTable& page, WORD top, WORD bottom, WORD left, WORD right) {
    return AddBorders(page, {{IDS_LINK_TOP_BORDER, top},
                             {IDS_LINK_BOTTOM_BORDER, bottom},
                             {IDS_LINK_LEFT_BORDER, left},
                             {IDS_LINK_RIGHT_BORDER, right}});
}

// A choice between "False" (0) and "True" (1).
inline RowSpec FalseTrue(Label label, WORD id) { return Choice(label, id, Literal(L"False|True")); }

} // namespace hexmoor::links::rows
