#pragma once
// What an export or import reports: how much it carried, and on failure the
// file at fault with the first problem found.

#include <string>

namespace hexmoor::exchange::xml {

struct ExchangeCounts {
    int controls = 0; // control elements of the default controls
    int custom = 0;   // control elements of the custom controls
    int records = 0;  // Data, Color, Image, ImgOptions and RgnOptions records
    int images = 0;   // image files
    int regions = 0;  // region files
};

struct ExchangeProblem {
    std::wstring file;   // the file at fault (the XML file or one it names)
    std::wstring reason; // what is wrong with it, as a sentence without a full stop
};

struct ExchangeOutcome {
    bool ok = false;
    ExchangeCounts counts;
    ExchangeProblem problem; // when not ok
};

} // namespace hexmoor::exchange::xml
