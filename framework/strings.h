#pragma once
// Typed access to the string table.

#include <string>

namespace hexmoor::fw {

// The text of a string-table entry; empty when there is none.
std::wstring LoadText(unsigned id);

// For command prompts kept as "status prompt\ntooltip".
std::wstring PromptPart(const std::wstring& text);
std::wstring TooltipPart(const std::wstring& text);

} // namespace hexmoor::fw
