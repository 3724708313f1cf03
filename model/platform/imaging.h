// Whether the image library can decode and encode images right now. In the
// Windows tree that is while at least one GDI+ start-up has succeeded and
// not been shut down (CGdiPlusInit); the native tree's images are always
// available.
#pragma once

namespace hexmoor::platform {

bool ImagingAvailable();

} // namespace hexmoor::platform
