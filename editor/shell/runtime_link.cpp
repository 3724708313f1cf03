#include "editor/shell/runtime_link.h"

#include <vector>

#include "model/twf_error.h"
#include "model/twf_manager.h"
#include "runtime/twf_api.h"

namespace hexmoor::shell::runtime {

void Start() {
    SetHostFramework(0);
    SetExplicitMode(TRUE);
    InitSkinRuntime(0);
}

void Stop() { ShutdownSkinRuntime(); }

CTwfSkin* MainSkin() {
    CTwfManager* manager = GetRuntimeSkinManager();
    return manager ? manager->GetMainSkin() : nullptr;
}

int LoadMainSkin(const void* data, DWORD size) { return LoadSkinFromBuffer(data, size); }

int TakeOverMainSkin(CTwfSkin& loaded) {
    CTwfManager* manager = GetRuntimeSkinManager();
    if (!manager) return kTwfNothingToRead;
    // As the runtime's own loads do: no skinned window paints from the skin
    // while it changes, and the runtime counts it loaded afterwards.
    SetRuntimeSkinLoaded(FALSE);
    DisableSkinning();
    const int code = manager->TakeOverMainSkin(loaded);
    if (code != kTwfLoaded) return code;
    SetRuntimeSkinLoaded(TRUE);
    SetHostOwnsSkins(0);
    return code;
}

void SetSkinning(bool on) {
    if (on)
        EnableSkinning();
    else
        DisableSkinning();
}

void MarkNewSkinLoaded() {
    if (CTwfManager* manager = GetRuntimeSkinManager()) {
        manager->SetMainSkinLoaded(TRUE);
    }
    SetRuntimeSkinLoaded(TRUE);
}

void AttachFrame(HWND frame) { AttachBaseSkinnedObject(frame); }

struct ImageFace::Parts {
    ImageDialog dialog;
    std::vector<std::unique_ptr<ImageButton>> buttons;
};

ImageFace::ImageFace() : parts_(std::make_unique<Parts>()) {}

ImageFace::~ImageFace() {
    for (auto& b : parts_->buttons) b->Detach();
    parts_->dialog.Detach();
}

bool ImageFace::AttachDialog(HWND dialog, UINT bitmap) {
    if (!parts_->dialog.Attach(dialog)) return false;
    parts_->dialog.SetDrag(TRUE);
    return parts_->dialog.SetBitmap(static_cast<WORD>(bitmap), TRUE) != FALSE;
}

bool ImageFace::AttachButton(HWND button, UINT normal, UINT pressed, UINT hot) {
    if (!button) return false;
    auto b = std::make_unique<ImageButton>();
    if (!b->Attach(button)) return false;
    b->SetBitmaps(static_cast<WORD>(normal), static_cast<WORD>(pressed), static_cast<WORD>(hot), 0, 0, TRUE);
    parts_->buttons.push_back(std::move(b));
    return true;
}

} // namespace hexmoor::shell::runtime
