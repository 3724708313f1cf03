#pragma once
// The page listing of pagedump: every element link of a skin, state by
// state, as the property grid would show it, and what an export sink would
// get. Also the two roads pagedump drives: typing a text into a row through
// the grid's commit road, and "Fill all states" as Ctrl+W runs it.

#include <string>
#include <vector>

#include "model/platform/types.h"

class CTwfSkin;

namespace hexmoor::links {

class CItemLinkObj;
class PropertyGridModel;

// Where a row is: its scheme, element type, link class, state and the path
// of labels from a top-level row down, joined with '/'.
struct RowAddress {
    std::wstring scheme;
    WORD type = 0;
    std::string className;
    int state = 0;
    std::wstring path;
};

enum class RowRoadResult { kDone, kNoSuchRow, kNoSuchLink, kUnsupported };

// Types text into the row: the row is selected (its editor opens), the text
// goes through the editor's commit (an edit's change and leaving, a choice,
// a colour text) and the editor closes.
RowRoadResult SetRowText(CTwfSkin& skin, const RowAddress& address, const std::wstring& text);
// Selects the row and runs the "Fill all states" command when its rule
// allows it (a colour or image row with a base-state id other than 0).
RowRoadResult FillRowAllStates(CTwfSkin& skin, const RowAddress& address);

// Finds the row at a '/'-joined path of labels among the grid's lines,
// opening groups on the way as a click on their glyph would; its line index
// or -1.
int FindPathLine(PropertyGridModel& grid, const std::wstring& path);

// The listing (UTF-8, lines ending in \n).
std::string DumpPages(CTwfSkin& skin, bool withExport);

// The "Fill all states" command's rule (ID_EDIT_FILL_ALL_STATES, Ctrl+W, the grid's
// menu): a current link and a selected colour row, or image row holding an
// image, whose base-state id is not 0.
bool CanFillAllStates(const CItemLinkObj* link, const PropertyGridModel* grid);
// Runs the command when its rule allows; true when it ran.
bool RunFillAllStates(CItemLinkObj* link, PropertyGridModel* grid);

} // namespace hexmoor::links
