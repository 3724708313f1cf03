#include "editor/shell/runtime_link.h"

// The runtime library is not part of this build yet: none of these calls
// reaches it, and Linked() says so.

namespace hexmoor::shell::runtime {

void Start() {}
void Stop() {}
void AttachFrame(HWND) {}
bool AttachImageDialog(HWND, UINT) { return false; }
bool AttachImageButton(HWND, UINT, UINT, UINT) { return false; }
bool Linked() { return false; }

} // namespace hexmoor::shell::runtime
