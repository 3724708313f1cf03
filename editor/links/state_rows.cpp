#include "editor/links/state_rows.h"

#include <utility>

#include "editor/links/page_rows.h"

namespace hexmoor::links {

std::vector<StateRowIndices> AddStateRows(PageTable& page, const std::vector<StateRow>& lines,
                                          const BuildOrder& order) {
    std::vector<StateRowIndices> made;
    for (const StateRow& line : lines) {
        StateRowIndices indices;
        indices.fill(kNoRow);
        const WORD base = line.baseIsNormal ? line.ids[0] : 0;
        for (int s = 0; s < kStateCount; ++s) {
            const WORD id = line.ids[static_cast<size_t>(s)];
            if (id == 0) continue;
            indices[static_cast<size_t>(s)] = static_cast<int>(page.rows.size());
            page.rows.push_back(rows::Make(line.label, line.kind, id, base));
            page.fills[static_cast<size_t>(s)].push_back(Row(indices[static_cast<size_t>(s)]));
        }
        made.push_back(indices);
    }
    auto build = [&](const StateRowIndices& indices, int state) {
        const int row = indices[static_cast<size_t>(state)];
        if (row != kNoRow) page.build.push_back(row);
    };
    if (order.walk == BuildOrder::kLineByLine) {
        for (const StateRowIndices& indices : made)
            for (int state : order.states) build(indices, state);
    } else {
        for (int state : order.states)
            for (const StateRowIndices& indices : made) build(indices, state);
    }
    return made;
}

void AddTextOffsets(PageTable& page, WORD hotPair, WORD pressedPair) {
    for (auto [state, pair] : {std::pair{1, hotPair}, std::pair{2, pressedPair}}) {
        const int row = static_cast<int>(page.rows.size());
        page.rows.push_back(rows::PairGroup(Text(IDS_LINK_TEXT_OFFSET), rows::OffsetPair(pair, kKindSigned, true, true),
                                            PairChildren::kWhenShown, GroupExpansion::kCollapsed));
        page.fills[static_cast<size_t>(state)].push_back(Row(row));
        page.fills[static_cast<size_t>(state)].push_back(Key(L"Text Offset", kKindSigned, pair));
    }
    page.pairCommit = PairCommit::kSelected;
}

ClearSpec RemoveOwnImages(const PageTable& page) {
    ClearSpec clear;
    clear.mode = ClearSpec::kSteps;
    for (int index : page.build) {
        const RowSpec& row = page.rows[static_cast<size_t>(index)];
        if (row.kind == kKindImage) clear.steps.push_back(rows::RemoveImage(row.id));
    }
    return clear;
}

} // namespace hexmoor::links
