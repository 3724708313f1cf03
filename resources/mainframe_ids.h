#pragma once
// The main frame's resource family: menu, accelerators, icon and title all
// share id 128.
#include "app_ids.h"
#include "command_ids.h"
// The context menus the frame shows are a family of their own.
#include "context_menus_ids.h"

// The dock ids of the seven panes (the frame's docking bars).
#define IDW_PANE_PROPERTIES 32771
#define IDW_PANE_DEFAULT_CONTROLS 32772
#define IDW_PANE_ZOOMER 32856
#define IDW_PANE_CUSTOM_CONTROLS 32872
#define IDW_PANE_USER_DATA 32873
#define IDW_PANE_OPTIONS 61248
#define IDW_PANE_COLOR_ADJUSTMENT 297
