#include "model/gdiplus_init.h"
#include "model/platform/imaging.h"

namespace hexmoor::platform {
bool ImagingAvailable() { return true; }
} // namespace hexmoor::platform

// The native tree has no GDI+: its images are always available.
CGdiPlusInit::CGdiPlusInit(unsigned int) : started_(true) {}
CGdiPlusInit::~CGdiPlusInit() = default;
