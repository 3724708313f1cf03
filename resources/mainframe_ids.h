#pragma once
// The main frame's resource family: menu, accelerators, icon and title all
// share id 128.
#include "app_ids.h"
#include "command_ids.h"

#define IDR_PROPERTY_CONTEXT_MENU   205
