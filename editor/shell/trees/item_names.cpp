#include "editor/shell/trees/item_names.h"

namespace hexmoor::shell {

namespace {

constexpr ElementKindChoice kKinds[] = {
    {L"Frame Window", 2, 2},    {L"Dialog Background", 25, 16},
    {L"Region Defined", 60, 2}, {L"Button", 4, 17},
    {L"Check Box", 6, 18},      {L"Radio Button", 7, 19},
    {L"Group Box", 8, 20},      {L"Push-like Radio and Check Box", 39, 48},
    {L"Scrollbars", 5, 21},     {L"Edit", 3, 25},
    {L"List Box", 14, 26},      {L"Combo Box", 13, 27},
    {L"Static Text", 21, 28},   {L"Tab Controls", 10, 29},
    {L"Progress Bars", 18, 31}, {L"Spin Controls", 17, 33},
    {L"Sliders", 9, 35},        {L"Header", 20, 38},
    {L"List Control", 15, 39},  {L"Tree Control", 19, 40},
    {L"Toolbar", 11, 41},       {L"Status Bar", 12, 43},
};

struct Prefix {
    int type;
    const wchar_t* name;
};

constexpr Prefix kPrefixes[] = {
    {2, L"CustomFrame"},        {3, L"CustomEdit"},         {4, L"CustomButton"},     {5, L"CustomScrollBars"},
    {6, L"CustomCheckBox"},     {7, L"CustomRadio"},        {8, L"CustomGroupBox"},   {9, L"CustomSliders"},
    {10, L"CustomTab"},         {11, L"CustomToolbar"},     {12, L"CustomStatusbar"}, {13, L"CustomCombobox"},
    {14, L"CustomListbox"},     {15, L"CustomListControl"}, {17, L"CustomSpin"},      {18, L"CustomProgress"},
    {19, L"CustomTreeControl"}, {20, L"CustomHeader"},      {21, L"CustomStatic"},    {25, L"CustomDialog"},
    {39, L"CustomCheckButton"}, {60, L"RegionDefined"},
};

} // namespace

std::span<const ElementKindChoice> CustomControlKinds() { return kKinds; }

std::wstring GetCustomNamePrefix(int elementType) {
    for (const auto& p : kPrefixes)
        if (p.type == elementType) return p.name;
    return {};
}

bool IsValidItemName(const std::wstring& name) {
    return !name.empty() && name != L"Default" && name.find_first_of(L"<>\\") == std::wstring::npos;
}

} // namespace hexmoor::shell
