#pragma once
// The skinshot panel of popup menus: one open popup (normal, disabled,
// separator, submenu, checked and radio-checked items) taken four times
// inside its menu loop, with item 0 hot, the submenu item hot, the disabled
// item highlighted and item 0 pressed.

#include "tools/skinshot/panel.h"

namespace skinshot {

// An empty picture when the popup could not be opened.
Panel MakeMenuPanel(bool skinned);

} // namespace skinshot
