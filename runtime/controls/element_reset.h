#pragma once
// The scheme change every skinned control shares: a new scheme name is
// stored and the element of that scheme is selected again in the skin the
// element came from. The caller then runs the base reset. The same step as
// ResetElementByName (control_gate.h), under the name some controls use.

#include <string>

class CTWWnd;

void ReselectElement(CTWWnd& object, const std::wstring& name);
