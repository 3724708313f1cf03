#pragma once
// Every call the shell makes into the skinning runtime goes through here.

#include <windows.h>

#include <memory>

class CTwfSkin;

namespace hexmoor::shell::runtime {

// Start-up: plain Win32 host, explicit mode (only windows handed over are
// skinned), then the runtime's skin manager with skin 1 "Default" and this
// thread's controls manager.
void Start();
// Shut-down; a second call finds the runtime stopped and does nothing.
void Stop();
// The skin the editor edits: skin 1 of the runtime's manager, or null.
CTwfSkin* MainSkin();
// Loads skin 1 from a file's bytes; the reader's result code.
int LoadMainSkin(const void* data, DWORD size);
// Skin 1 takes over a skin loaded on its own, with the runtime's flags as
// after a load of the same file; the reader's result code.
int TakeOverMainSkin(CTwfSkin& loaded);
// Skinning of the sample windows switched off and on around a skin change.
void SetSkinning(bool on);
// A new file: the main skin counts as loaded for the runtime and its manager.
void MarkNewSkinLoaded();

// The main frame carries a base skinned object without a skin.
void AttachFrame(HWND frame);

// The bitmap face of the start and about dialogs: the dialog drawn from
// one bitmap (and dragged by its background), each button from three.
// Owned by its dialog; lives as long as the dialog object.
class ImageFace {
public:
    ImageFace();
    ~ImageFace();
    ImageFace(const ImageFace&) = delete;
    ImageFace& operator=(const ImageFace&) = delete;

    bool AttachDialog(HWND dialog, UINT bitmap);
    bool AttachButton(HWND button, UINT normal, UINT pressed, UINT hot);

private:
    struct Parts;
    std::unique_ptr<Parts> parts_;
};

} // namespace hexmoor::shell::runtime
