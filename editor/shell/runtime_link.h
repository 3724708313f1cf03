#pragma once
// Every call the shell makes into the skinning runtime goes through here.

#include <windows.h>

namespace hexmoor::shell::runtime {

// Start-up: plain Win32 host, explicit mode, the runtime's skin manager
// and this thread's controls manager.
void Start();
// Shut-down; safe to call more than once.
void Stop();
// The main frame carries a base skinned object without a skin.
void AttachFrame(HWND frame);
// Bitmap-drawn dialogs and buttons (start and about dialogs). False when
// the runtime's image services are not available; the dialog then keeps
// its ordinary look.
bool AttachImageDialog(HWND dialog, UINT bitmap);
bool AttachImageButton(HWND button, UINT normal, UINT pressed, UINT hot);
// Whether this build carries the runtime.
bool Linked();

} // namespace hexmoor::shell::runtime
