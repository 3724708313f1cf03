// System colours used as defaults when old skin files lack a colour. The
// Windows tree asks the system; the native tree uses the classic defaults.
#pragma once

#include <vector>

#include "model/platform/types.h"

// The colour of a COLOR_* index; 0 outside the known range.
COLORREF SystemColor(int index);

// While it lives, SystemColor answers from the given table (index i is entry
// i; indexes outside it give 0) instead of the system, so that the colours an
// old file receives can be checked against known values. The table is
// process-wide: meant for a test that loads skins on one thread.
class ScopedSystemColorTable {
public:
    explicit ScopedSystemColorTable(std::vector<COLORREF> table);
    ~ScopedSystemColorTable();
    ScopedSystemColorTable(const ScopedSystemColorTable&) = delete;
    ScopedSystemColorTable& operator=(const ScopedSystemColorTable&) = delete;

private:
    std::vector<COLORREF> table_;
    const std::vector<COLORREF>* previous_;
};
