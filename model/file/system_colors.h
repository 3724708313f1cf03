// System colours used as defaults when old skin files lack a colour. The
// Windows tree asks the system; the native tree uses the classic defaults.
#pragma once

#include "model/platform/types.h"

COLORREF SystemColor(int index);
