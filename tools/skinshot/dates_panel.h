#pragma once
// The skinshot panel of dates: date-time pickers (normal, focused, disabled,
// with a check box and a date, without a date, the drop-down button pressed,
// spinning) and month calendars (normal, week numbers, the previous button
// pressed, disabled, a selected range, and a picker's open drop-down).

#include "tools/skinshot/panel.h"

namespace skinshot {

// Builds the panel, hands it to the runtime when `skinned` and takes every
// item in its state. An empty picture when the panel could not be made.
Panel MakeDatesPanel(bool skinned);

} // namespace skinshot
