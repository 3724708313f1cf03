// Result codes of the skin loaders and the error record raised inside the
// reader, turned into a result code before a loader returns.
#pragma once

#include "model/platform/types.h"

enum TwfResult : int {
    kTwfLoaded = 0,        // loaded
    kTwfNothingToRead = 1, // no file object, no path, or no skin to load into
    kTwfCorrupt = 2,       // invalid or corrupted: bad header, missing data, cannot open
    kTwfFileError = 3,     // the file layer failed while reading
    kTwfBadVersion = 4,    // version not supported
};

struct TwfError {
    DWORD code;
};
