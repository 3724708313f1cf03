#include "editor/exchange/import_parts.h"

namespace hexmoor::exchange::import_parts {

void CutFrames(const Strip& strip, const std::vector<int>& frames, std::vector<Slot>& slots, int first) {
    for (std::size_t i = 0; i < frames.size(); ++i) slots[first + i] = strip.Frame(frames[i]);
}

void OverlayGlyphs(const Strip& glyph, const std::vector<int>& frames, std::vector<Slot>& slots, int first) {
    for (std::size_t i = 0; i < frames.size(); ++i) {
        const auto g = glyph.Frame(frames[i]);
        Slot& slot = slots[first + i];
        if (g && slot) DrawCentered(slot->Edit(), g->View());
    }
}

void SetColors(const StyleReader& r, std::string_view section, std::string_view key, std::initializer_list<WORD> ids) {
    const COLORREF color = r.ReadColorRef(section, key);
    for (WORD id : ids) r.Target()->SetColor(id, color);
}

} // namespace hexmoor::exchange::import_parts
