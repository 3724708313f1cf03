// Element kinds: the 16-bit element type ids shared by the skin file, the
// scheme maps, the runtime's window classifier and the editor, with their
// names and the entry each element class owns in the skin file's index block.
#pragma once

#include <string>

#include "model/platform/types.h"

enum ElementType : WORD {
    kElemWindow = 1,
    kElemWndFrame = 2,
    kElemEdit = 3,
    kElemButton = 4,
    kElemScrollbars = 5,
    kElemCheckBox = 6,
    kElemRadioBox = 7,
    kElemGroupBox = 8,
    kElemSlider = 9,
    kElemTabCtrl = 10,
    kElemToolBar = 11,
    kElemStatusBar = 12,
    kElemComboBox = 13,
    kElemListBox = 14,
    kElemListView = 15,
    kElemMenu = 16,
    kElemSpinCtrl = 17,
    kElemProgressBar = 18,
    kElemTreeCtrl = 19,
    kElemHeaderCtrl = 20,
    kElemStaticText = 21,
    kElemDateTime = 22,
    kElemMdiClient = 23,
    kElemMdiChildFrame = 24,
    kElemDialogFrame = 25,
    kElemStaticIcon = 26,
    kElemGrip = 27,
    kElemToolTip = 28,
    kElemFreeForm = 29,
    kElemStaticTextLabel = 30,
    kElemMinimizedFrame = 31,
    kElemFolder = 33,
    kElemSplitter = 34,
    kElemWindowLayered = 35,
    kElemWindowRegion = 36,
    kElemNumericUpDown = 37,
    kElemMonthCal = 38,
    kElemCheckButton = 39,
    kElemToolStrip = 40,
    kElemStatusStrip = 41,
    kElemDropDownMenu = 42,
    kElemMenuStrip = 43,
    kElemUserData = 44,
    kElemTransparentWindow = 100,
};

// The type id the runtime uses for windows it reports as an error.
constexpr DWORD kElemError = 0xFFFFFFFF;

// Size of the skin file's index block: 35 entries of {u16 type, u32 offset}.
constexpr int kIndexEntryCount = 35;
constexpr int kIndexEntrySize = 6;
constexpr int kIndexBlockSize = kIndexEntryCount * kIndexEntrySize; // 210

// The name of an element kind ("BUTTONID"...), "WNDERROR" for 0xFFFFFFFF,
// and an empty string for every id the table does not name.
std::wstring GetElementTypeName(DWORD type);

// True when the kind has an element class (the factory can make it).
bool HasElementClass(DWORD type);

// The index-block entry (0..34) owned by the kind's element class, or -1 when
// the class owns none or the kind has no class. Spin control and splitter
// share entry 16.
int GetElementIndexEntry(DWORD type);
