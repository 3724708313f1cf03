#pragma once
// The context menus the application registers by name; each shows the
// first popup of its menu resource.
#include "command_ids.h"

#define IDR_ADD_CUSTOM_MENU 150
#define IDR_PROPERTY_CONTEXT_MENU 205
#define IDR_TREE_ITEM_MENU 193
#define IDR_USER_DATA_MENU 211
#define IDR_SCROLLBAR_MENU 240
