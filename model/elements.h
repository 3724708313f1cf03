// Every element class of the skin model.
#pragma once

#include "model/elements/combo_box.h"
#include "model/elements/plain_elements.h"
#include "model/elements/scrollbars.h"
#include "model/elements/user_data.h"
#include "model/elements/wnd_frame.h"
#include "model/twf_obj.h"
