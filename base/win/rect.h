#pragma once
// Conversions between the plain rectangle and Win32's RECT, used only where
// code meets a Win32 call.

#include <windows.h>

#include "base/geometry.h"

namespace hexmoor {

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

} // namespace hexmoor
