#pragma once
// The skinshot panel of edits and combo boxes: single-line edits normal,
// focused with three characters selected, disabled, read-only and password,
// a multi-line edit with both scroll bars, a rich edit, and combo boxes of
// the three styles with the drop-down list hot, dropped, focused and
// disabled, each put into its state through real messages.

#include "tools/skinshot/panel.h"

namespace skinshot {

Panel MakeEditsPanel(bool skinned);

} // namespace skinshot
