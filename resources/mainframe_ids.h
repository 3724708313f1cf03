#pragma once
// The main frame's resource family: menu, accelerators, icon and title all
// share id 128.
#include "app_ids.h"
#include "command_ids.h"
// The context menus the frame shows are a family of their own.
#include "context_menus_ids.h"
