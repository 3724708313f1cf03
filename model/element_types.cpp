#include "model/element_types.h"

#include <array>

namespace {

struct ElementKind {
    DWORD type;
    const wchar_t* name;
    bool hasClass;
    int indexEntry; // -1: none
};

// One row per element kind: its name, whether a skin can hold it (it has an
// element class) and the index-block entry its class owns.
constexpr std::array<ElementKind, 46> kKinds = {{
    {1, L"WINDOWID", false, -1},
    {2, L"WNDFRAMEID", true, 0},
    {3, L"EDITFIELDID", true, 2},
    {4, L"BUTTONID", true, 3},
    {5, L"SCROLLBARSID", true, 4},
    {6, L"CHECKBOXID", true, 5},
    {7, L"RADIOBOXID", true, 6},
    {8, L"GROUPBOXID", true, 7},
    {9, L"SLIDERID", true, 8},
    {10, L"TABCTRLID", true, 9},
    {11, L"TOOLBARID", true, 10},
    {12, L"STATUSBARID", true, 11},
    {13, L"COMBOBOXID", true, 12},
    {14, L"LISTBOXID", true, 13},
    {15, L"LISTVIEWID", true, 14},
    {16, L"MENUID", true, 15},
    {17, L"SPINCTRLID", true, 16},
    {18, L"PROGRESSBARID", true, 17},
    {19, L"TREECTRLID", true, 18},
    {20, L"HEADERCTRLID", true, 19},
    {21, L"STATICTEXTID", true, 20},
    {22, L"DATETIMECTRLID", true, 22},
    {23, L"MDICLIENTID", false, -1},
    {24, L"MDICHILDFRAMEID", false, -1},
    {25, L"DIALOGFRAMEID", true, 1},
    {26, L"STATICICONID", false, -1},
    {27, L"GRIPCTRLID", true, 24},
    {28, L"TOOLTIPCTRLID", true, 25},
    {29, L"FREEFORMID", false, -1},
    {30, L"STATICTEXTLABELID", false, -1},
    {31, L"MINIMIZEDFRAMEID", false, -1},
    {33, L"", true, 33},
    {34, L"SPLITTERID", true, 16},
    {35, L"WINDOWLAYERED", false, -1},
    {36, L"WINDOWREGIONID", false, -1},
    {37, L"NUMERICUPDOWNID", false, -1},
    {38, L"MONTHCALCTRLID", true, 26},
    {39, L"CHECKBUTTONID", true, 27},
    {40, L"TOOLSTRIPID", true, 28},
    {41, L"STATUSSTRIPID", true, 29},
    {42, L"DROPDOWNMENUID", true, 30},
    {43, L"MENUSTRIPID", true, 31},
    {44, L"", true, 32},
    {100, L"TRANSPARENTWINDOW", false, -1},
    {0xFFFFFFFF, L"WNDERROR", false, -1},
    {0, L"", false, -1},
}};

const ElementKind* FindKind(DWORD type) {
    for (const auto& kind : kKinds) {
        if (kind.type == type && (type != 0)) return &kind;
    }
    return nullptr;
}

} // namespace

std::wstring GetElementTypeName(DWORD type) {
    const ElementKind* kind = FindKind(type);
    return kind ? kind->name : L"";
}

bool HasElementClass(DWORD type) {
    const ElementKind* kind = FindKind(type);
    return kind && kind->hasClass;
}

int GetElementIndexEntry(DWORD type) {
    const ElementKind* kind = FindKind(type);
    return kind && kind->hasClass ? kind->indexEntry : -1;
}
