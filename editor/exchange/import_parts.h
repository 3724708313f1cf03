// Small pieces the element importers of the visual-style import share:
// plain margins, solid images, cutting strip frames into slots, drawing
// glyphs over them and setting one colour under several ids.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <string_view>
#include <vector>

#include "editor/exchange/style_reader.h"

namespace hexmoor::exchange::import_parts {

inline constexpr Margins kNoMargins{};
inline constexpr Margins kOneMargins{1, 1, 1, 1};

inline Pixels Solid(int width, int height, std::uint32_t argb) { return SolidImage(width, height, argb); }

inline std::vector<Slot> Slots(std::size_t count) { return std::vector<Slot>(count); }

// Frames of a strip into consecutive slots from first.
void CutFrames(const Strip& strip, const std::vector<int>& frames, std::vector<Slot>& slots, int first);

// Draws glyph frames onto slots first.. for the frames listed.
void OverlayGlyphs(const Strip& glyph, const std::vector<int>& frames, std::vector<Slot>& slots, int first);

// One colour of a section's key stored under each id.
void SetColors(const StyleReader& r, std::string_view section, std::string_view key, std::initializer_list<WORD> ids);

} // namespace hexmoor::exchange::import_parts
