#pragma once
// The plain rectangle, size and point types of the editor's layout code are
// the runtime's: testable without windows, converted to RECT only at the
// Win32 boundary.

#include "runtime/logic/geometry.h"

namespace hexmoor::fw {

using Point = rt::Point;
using Size = rt::Size;
using Rect = rt::Rect;

} // namespace hexmoor::fw

#ifdef _WIN32
#include <windows.h>
namespace hexmoor::fw {
inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
} // namespace hexmoor::fw
#endif
