#include "runtime/controls/element_reset.h"

#include "runtime/controls/control_gate.h"

void ReselectElement(CTWWnd& object, const std::wstring& name) { ResetElementByName(object, name); }
