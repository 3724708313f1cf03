// The canonical listing of a skin: a plain-text, fully ordered account of
// everything a skin file carries (information strings, schemes, elements
// and every entry), used by skindump and by tests to compare skins.
#pragma once

#include <string>

class CTwfSkin;

// Lines in this order: "result N", "version N", "info K TEXT" (K = 1..9;
// just "info K" when the text is empty), "compressed N"; then per scheme
// sorted by name "scheme NAME" and per element sorted by type
// "  element TYPE enabled=E folder=F order=O" with its entries indented two
// more spaces (colours, numbers, values, images, font; a combo box's arrow
// width; a user-data block); a window frame lists its sides and menu bar
// after its own entries. Hexadecimal is upper case.
std::string SkinListing(const CTwfSkin& skin, int result);
