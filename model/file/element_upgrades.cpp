#include "model/file/element_upgrades.h"

#include <initializer_list>

#include "model/element_types.h"
#include "model/elements/scrollbars.h"
#include "model/file/system_colors.h"
#include "model/twf_obj.h"

namespace {

// A number that files below a version get set, whatever they held.
struct NumberBelow {
    WORD type;
    WORD belowVersion;
    WORD id;
    DWORD value;
};
constexpr NumberBelow kNumbersBelow[] = {
    {kElemButton, 531, 34, 0xFFFFFFFF},
    {kElemButton, 531, 35, 0x00010001},
    {kElemHeaderCtrl, 531, 384, 0xFFFFFFFF},
    {kElemHeaderCtrl, 531, 385, 0x00010001},
    {kElemCheckButton, 531, 679, 0xFFFFFFFF},
    {kElemCheckButton, 531, 680, 0x00010001},
    {kElemComboBox, 522, 658, 2},
    {kElemComboBox, 522, 660, 2},
    {kElemProgressBar, 522, 289, 2},
    {kElemProgressBar, 522, 291, 2},
    {kElemProgressBar, 522, 290, 2},
    {kElemProgressBar, 522, 292, 2},
    {kElemProgressBar, 522, 300, 2},
    {kElemProgressBar, 522, 302, 2},
    {kElemProgressBar, 522, 301, 2},
    {kElemProgressBar, 522, 303, 2},
};

// A colour that files below a version take from another colour (0 when the
// source is absent).
struct ColourCopyBelow {
    WORD type;
    WORD belowVersion;
    WORD dest;
    WORD source;
};
constexpr ColourCopyBelow kColourCopies[] = {
    {kElemCheckButton, 532, 805, 665}, {kElemCheckButton, 532, 806, 668}, {kElemCheckButton, 532, 807, 671},
    {kElemCheckButton, 532, 808, 674}, {kElemCheckButton, 532, 809, 677}, {kElemComboBox, 523, 352, 347},
};

// Colours set when a trigger colour is absent: a literal or a system colour.
struct ColourDefault {
    WORD id;
    int systemIndex; // -1: use literal
    COLORREF literal;
};
struct ColourDefaults {
    WORD type;
    WORD trigger;
    bool beforeRecord;
    std::initializer_list<ColourDefault> colours;
};
const ColourDefaults kColourDefaults[] = {
    {kElemListBox, 363, false, {{363, -1, 0xFFFFFF}}},
    {kElemListView,
     374,
     false,
     {{374, 8, 0}, {375, 17, 0}, {627, 14, 0}, {626, 13, 0}, {372, 22, 0}, {373, 22, 0}, {628, 26, 0}}},
    {kElemTreeCtrl, 612, false, {{612, 8, 0}, {613, 17, 0}, {614, 14, 0}, {615, 8, 0}, {616, 13, 0}, {617, 17, 0}}},
    {kElemMonthCal, 642, false, {{642, 8, 0}, {643, 9, 0}, {644, 17, 0}, {645, 2, 0}, {640, 13, 0}, {641, 14, 0}}},
    {kElemDateTime, 406, true, {{406, 8, 0}, {408, 17, 0}, {416, 13, 0}, {417, 14, 0}}},
};

// Whole numbers are set through their two words, as the editor does.
void SetNumberByWords(CTwfObj& element, WORD id, DWORD value) {
    element.SetNumberLow(id, static_cast<WORD>(value & 0xFFFF));
    element.SetNumberHigh(id, static_cast<WORD>(value >> 16));
}

void ApplyColourDefaults(CTwfObj& element, bool beforeRecord) {
    for (const ColourDefaults& row : kColourDefaults) {
        if (row.type != element.GetType() || row.beforeRecord != beforeRecord || element.HasColor(row.trigger))
            continue;
        for (const ColourDefault& c : row.colours) {
            element.SetColor(c.id, c.systemIndex < 0 ? c.literal : SystemColor(c.systemIndex));
        }
    }
}

} // namespace

void ApplyUpgradesBeforeRecord(CTwfObj& element, WORD) { ApplyColourDefaults(element, true); }

void ApplyUpgradesAfterRecord(CTwfObj& element, WORD version) {
    const WORD type = element.GetType();
    for (const NumberBelow& row : kNumbersBelow) {
        if (row.type == type && version < row.belowVersion) SetNumberByWords(element, row.id, row.value);
    }
    for (const ColourCopyBelow& row : kColourCopies) {
        if (row.type == type && version < row.belowVersion) element.SetColor(row.dest, element.GetColor(row.source));
    }
    ApplyColourDefaults(element, false);
    if (type == kElemListView && element.GetStoredEnabled() == 0) element.SetEnabled(1);
    if (type == kElemScrollbars && version < 768) {
        if (auto* bars = dynamic_cast<CTwfScrollbars*>(&element)) {
            bars->CopyStandaloneHorzToInternal();
            bars->CopyStandaloneVertToInternal();
        }
    }
}
