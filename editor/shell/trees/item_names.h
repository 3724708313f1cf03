#pragma once
// What the item-name dialog offers and accepts: the element kinds of a new
// custom control, the name each kind proposes, and the name rule.

#include <span>
#include <string>

namespace hexmoor::shell {

struct ElementKindChoice {
    const wchar_t* text;
    int elementType;
    int image; // in the tree's normal image list
};

std::span<const ElementKindChoice> CustomControlKinds();

// The proposed name for a kind ("" for kinds without one).
std::wstring GetCustomNamePrefix(int elementType);

// A name is accepted when it is not empty, is not "Default" and holds none
// of '<', '>' and '\\' (those build scheme and folder paths).
bool IsValidItemName(const std::wstring& name);

} // namespace hexmoor::shell
