#include "editor/preview/view/skinned_windows.h"

#include "model/twf_skin.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/twf_api.h"
#include "runtime/wnd/tw_wnd.h"
#include "model/twf_manager.h"
#include "model/twf_obj.h"

namespace hexmoor::preview {

namespace {
CTwfSkin* CurrentSkin() {
    CTwfManager* manager = GetRuntimeSkinManager();
    return manager ? manager->GetMainSkin() : nullptr;
}
} // namespace

CTWWnd* SkinnedObject(HWND hwnd) { return hwnd ? GetSkinnedWindowObject(hwnd) : nullptr; }

void SwitchSkinOff(HWND hwnd) {
    if (CTWWnd* object = SkinnedObject(hwnd)) object->ApplySkin(FALSE, 0);
}

void ReapplySkinToControls(HWND root, const std::wstring& scheme, WORD type) {
    CTWControlsManager* manager = CurrentManager();
    CTwfSkin* skin = CurrentSkin();
    if (!manager || !skin) return;
    CTWControlsManager::WindowMap* windows = manager->GetTypeMap(type);
    if (!windows || !skin->FindObject(type, scheme)) return;
    // The map may change while objects reset: walk a copy of its handles.
    std::vector<HWND> handles;
    for (const auto& entry : *windows) handles.push_back(entry.first);
    for (HWND hwnd : handles) {
        if (hwnd != root && !IsChild(root, hwnd)) continue;
        CTWWnd* object = type == 2 ? GetSkinnedFrameObject(hwnd) : GetSkinnedWindowObject(hwnd);
        if (!object || !object->IsActive()) continue;
        if (type == 5) object->SetScrollBarSkin(object->GetTwfSkin(), scheme);
        object->Reset(scheme);
    }
}

bool ReapplySkinToAllControls(WORD type, bool enable) {
    CTWControlsManager* manager = CurrentManager();
    CTwfSkin* skin = CurrentSkin();
    if (!manager || !skin) return type == 0;
    std::vector<std::pair<WORD, HWND>> handles;
    if (type != 0) {
        CTWControlsManager::WindowMap* windows = manager->GetTypeMap(type);
        if (!windows) return false;
        for (const auto& entry : *windows) handles.emplace_back(type, entry.first);
    } else {
        for (const auto& [group, windows] : manager->GetTypeMaps())
            for (const auto& entry : windows) handles.emplace_back(group, entry.first);
    }
    for (const auto& [group, hwnd] : handles) {
        CTWWnd* object = group == 2 ? GetSkinnedFrameObject(hwnd) : GetSkinnedWindowObject(hwnd);
        if (!object || !object->IsActive()) continue;
        const std::wstring scheme = object->GetElementName();
        const CTwfObj* element = skin->FindObject(group, scheme);
        if (!element || !element->IsEnabled()) continue;
        object->InheritParentSkin(TRUE);
        if (group == 2)
            if (CTWWnd* bar = GetSkinnedMenuBarObject(hwnd)) bar->SetSkinObject(object->GetSkinObject());
        object->Enable(enable ? TRUE : FALSE);
        if (!scheme.empty()) object->Reset(scheme);
        object->ChangeSkin(1, FALSE);
    }
    return true;
}

} // namespace hexmoor::preview
