// The flat API: start-up, options, skin loading and switching, handing
// windows over, effects and shut-down.
#include "runtime/twf_api.h"

#include <algorithm>
#include <cstring>

#include "model/elements/user_data.h"
#include "model/gdiplus_init.h"
#include "base/win/uxtheme.h"
#include "model/twf_manager.h"
#include "model/twf_skin.h"
#include "runtime/logic/control_types.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/text/unicode_string.h"

using namespace hexmoor::rt;

namespace {

void DeleteControlsManagers(CListOfCtrlManagers* list) { delete list; }

std::wstring Wide(const wchar_t* text) { return text ? std::wstring(text) : std::wstring(); }

void AfterLoadSuccess() {
    State().skinLoaded = TRUE;
    State().hostOwnsSkins = 0;
}

template <typename Load>
int LoadMainSkin(Load load) {
    CTwfManager* manager = SkinManager();
    if (!manager) return 1;
    State().skinLoaded = FALSE;
    SetSkinActive(FALSE, 1);
    const int code = load(manager);
    if (code == 0) {
        AfterLoadSuccess();
        AfterSkinLoaded(0);
        return 0;
    }
    SetSkinActive(FALSE, 1);
    return code;
}

CTwfObj* UserDataElement(CTwfSkin* skin, const wchar_t* name) {
    if (!skin || !name) return nullptr;
    return skin->FindObject(kElemUserData, skin->ResolveSchemeName(name, 1));
}

int CopyUserData(CTwfSkin* skin, const wchar_t* name, void* buffer, DWORD size) {
    auto* data = dynamic_cast<CTwfUserData*>(UserDataElement(skin, name));
    if (data && buffer && data->GetData())
        std::memcpy(buffer, data->GetData(), std::min<size_t>(data->GetDataSize(), size));
    return 0;
}

CTWWnd* ObjectOf(HWND hwnd) { return hwnd ? GetSkinnedWindowObject(hwnd) : nullptr; }

} // namespace

// --- start-up and options ------------------------------------------------------

int SetHostFramework(int kind) {
    if (unsigned(kind) > 3) return 1;
    State().hostFramework = kind;
    return 0;
}

int SetExplicitMode(BOOL on) {
    const bool changed = !State().explicitMode != !on;
    State().explicitMode = on;
    // The running managers' hooks follow: ordinary mode needs one more.
    if (changed) CListOfCtrlManagers::UpdateHooks();
    return 0;
}

int InitSkinRuntime(int defaultActive) {
    RuntimeState& state = State();
    if (state.skinManager) return 1;
    state.skinTable.assign(1, SkinTableEntry{1, FALSE});
    state.skinManager = CreateSkinManager();
    if (!state.skinManager) return 1;
    state.skinManager->SetControlsManagers(
        CTwfManager::ControlsManagersPtr(new CListOfCtrlManagers, &DeleteControlsManagers));
    state.skinManager->CreateMainSkin(L"Default");
    CListOfCtrlManagers::GetManager(GetCurrentThreadId(), FALSE);
    state.defaultActive = defaultActive;
    if (VersionCode() == 7) state.themeBound = LoadUxTheme() != FALSE;
    state.gdiplus = std::make_unique<CGdiPlusInit>();
    return 0;
}

int CreateThreadManager() { return CreateThreadManagerFor(GetCurrentThreadId()); }

int CreateThreadManagerFor(DWORD threadId) {
    if (!SkinManager()) return 1;
    CListOfCtrlManagers::GetManager(threadId, FALSE);
    return 0;
}

int DestroyThreadManager() { return DestroyThreadManagerFor(GetCurrentThreadId()); }

int DestroyThreadManagerFor(DWORD threadId) {
    if (!SkinManager()) return 1;
    CListOfCtrlManagers::GetManager(threadId, TRUE);
    return 0;
}

// --- skins -----------------------------------------------------------------------

int LoadSkinFromFile(const wchar_t* path) {
    if (!path || !SkinManager()) return 1;
    const std::wstring p(path);
    return LoadMainSkin([&](CTwfManager* m) { return m->LoadMainSkinFromPath(p); });
}

int LoadSkinFromModuleResource(HMODULE module, const wchar_t* resourceName) {
    if (!resourceName) return 1;
    if (!SkinManager()) return 1;
    return LoadMainSkin([&](CTwfManager* m) {
        HRSRC resource = FindResourceW(module, resourceName, RT_RCDATA);
        if (!resource) resource = FindResourceW(module, resourceName, L"TWF");
        return resource ? m->LoadMainSkinFromResource(module, resource) : 2;
    });
}

int LoadSkinFromBuffer(const void* data, DWORD size) {
    if (!data || !size || !SkinManager()) return 1;
    return LoadMainSkin([&](CTwfManager* m) { return m->LoadMainSkinFromMemory(data, size); });
}

int LoadSkinWithId(const wchar_t* path, WORD skinId) {
    if (!path) return 0;
    CTwfManager* manager = SkinManager();
    State().skinLoaded = FALSE;
    if (manager && manager->LoadSkin(skinId, path)) {
        State().skinTable.push_back({skinId, FALSE});
        AfterLoadSuccess();
        return 1;
    }
    SetSkinActive(FALSE, 1);
    return 0;
}

int UnloadSkin() {
    SetSkinActive(FALSE, 1);
    if (CTwfManager* manager = SkinManager())
        if (CTwfSkin* skin = manager->GetMainSkin()) skin->Reset();
    return 0;
}

int DisableSkinning() {
    SetSkinActive(FALSE, 1);
    return 0;
}

int EnableSkinning() {
    SetSkinActive(TRUE, 1);
    return 0;
}

int DisableSkinById(WORD skinId) {
    if (CTwfManager* manager = SkinManager())
        if (manager->GetSkin(skinId)) SetSkinActive(FALSE, skinId);
    return 0;
}

int RemoveSkinById(WORD skinId) {
    CTwfManager* manager = SkinManager();
    if (skinId == 1 || !manager || !manager->GetSkin(skinId)) return 0;
    SetSkinActive(FALSE, skinId);
    if (CTWControlsManager* threadManager = CurrentManager()) {
        for (CTWWnd* object : threadManager->Objects()) {
            if (object->GetSkinId() != skinId) continue;
            object->SetExplicitSkin(nullptr);
            object->SetSkinId(1);
            if (IsSkinActive(1)) {
                object->InheritParentSkin(TRUE);
                object->Enable(TRUE);
                if (!object->GetElementName().empty()) object->Reset(object->GetElementName());
                object->ChangeSkin(0, TRUE);
            } else {
                // The skin is about to be deleted: keep no pointer into it.
                // Switching skin 1 on binds the window to it again.
                object->SetSkinObject(nullptr);
                object->SetScrollBarElement(nullptr);
                object->DropCachedGdiObjects();
            }
        }
    }
    auto& table = State().skinTable;
    table.erase(std::remove_if(table.begin(), table.end(), [&](const SkinTableEntry& e) { return e.skinId == skinId; }),
                table.end());
    manager->RemoveSkin(skinId);
    return 0;
}

int GetSkinInfoStrings(const wchar_t* path, BSTR* name, BSTR* author, BSTR* lastUpdated, BSTR* email) {
    CTwfManager* manager = SkinManager();
    std::unique_ptr<CTwfSkin> temporary;
    const CTwfSkin* skin = nullptr;
    if (!path && manager && manager->GetMainSkinLoaded()) {
        skin = manager->GetMainSkin();
    } else {
        if (!path) return 1;
        temporary = std::make_unique<CTwfSkin>();
        temporary->InitNewSkin(L"Default");
        temporary->SetPath(path);
        if (temporary->LoadSkinFromPath(TRUE) != 0) return 1;
        skin = temporary.get();
    }
    if (!skin) return 1;
    const SkinInfo& info = skin->GetInfo();
    auto out = [](BSTR* target, const std::wstring& text) {
        if (!target) return;
        const std::wstring cut = text.substr(0, 255);
        *target = cut.empty() ? nullptr : SysAllocStringLen(cut.c_str(), UINT(cut.size()));
    };
    out(name, info.skinName);
    out(author, info.author);
    out(lastUpdated, info.lastUpdated);
    out(email, info.email);
    return 0;
}

int GetUserDataSize(const wchar_t* name, DWORD* size) {
    if (!size) return 0;
    *size = 0;
    CTwfManager* manager = SkinManager();
    if (!manager) return 0;
    if (auto* data = dynamic_cast<CTwfUserData*>(UserDataElement(manager->GetMainSkin(), name)))
        *size = data->GetDataSize();
    return 0;
}

int GetUserData(const wchar_t* name, void* buffer, DWORD size) {
    CTwfManager* manager = SkinManager();
    return manager ? CopyUserData(manager->GetMainSkin(), name, buffer, size) : 0;
}

int GetUserDataOfSkin(WORD skinId, const wchar_t* name, void* buffer, DWORD size) {
    CTwfManager* manager = SkinManager();
    return manager ? CopyUserData(manager->GetSkin(skinId), name, buffer, size) : 0;
}

// --- windows ---------------------------------------------------------------------

int ApplySkinToWindow(HWND window, WORD scope) {
    if (CTWControlsManager* manager = CurrentManager()) manager->SetWindowSkinTree(window, scope, TRUE, FALSE);
    return 0;
}

int RemoveSkinFromWindow(HWND window, WORD scope) {
    if (CTWControlsManager* manager = CurrentManager()) manager->SetWindowSkinTree(window, scope, FALSE, FALSE);
    return 0;
}

int RemoveSkinFromWindowTree(HWND window, WORD scope) {
    if (CTWControlsManager* manager = CurrentManager()) manager->SetWindowSkinTree(window, scope, FALSE, TRUE);
    return 0;
}

int ApplySkinToWindowsOfType(HWND sample) {
    SetSkinOnWindowsOfType(sample, TRUE);
    return 0;
}

int RemoveSkinFromWindowsOfType(HWND sample) {
    SetSkinOnWindowsOfType(sample, FALSE);
    return 0;
}

int SkinWindowAsType(HWND window, int controlType) {
    CTWControlsManager* manager = CurrentManager();
    if (!SkinManager() || !manager) return 0;
    manager->SkinAsType(window, controlType);
    return 0;
}

int AttachBaseSkinnedObject(HWND window) {
    CTWControlsManager* manager = CurrentManager();
    if (!window || !manager || GetSkinnedWindowObject(window)) return 0;
    auto factory = std::make_unique<CCMControl>(ctype::kWindow);
    if (!factory->CreateObject(window)) return 0;
    factory->GetObject()->InitMode(nullptr);
    manager->Register(std::move(factory), window, ElementIdOfNewObject, nullptr);
    if (CTWWnd* frame = GetSkinnedFrameObject(window)) frame->ApplySkin(FALSE, 0);
    return 0;
}

int RefreshSkinnedWindows(int controlType) {
    CTWControlsManager* manager = CListOfCtrlManagers::Find(GetCurrentThreadId());
    if (!manager) return 1;
    if (controlType) {
        const auto* map = manager->GetTypeMap(WORD(controlType));
        if (!map || map->empty()) return 1;
    }
    return manager->RefreshControls(controlType) ? 0 : 1;
}

int RefreshWindowSkin(HWND window) {
    CTWWnd* object = ObjectOf(window);
    if (!object) return 1;
    object->ChangeSkin(0, TRUE);
    return 0;
}

int SetWindowColor(HWND window, WORD r, WORD g, WORD b) {
    if (!window || r > 255 || g > 255 || b > 255) return 1;
    CTWWnd* object = ObjectOf(window);
    if (!object) return 1;
    object->SetCustomColor(RGB(r, g, b));
    object->RedrawNow(FALSE);
    return 0;
}

namespace {
struct SkinIdArgs {
    CTwfSkin* skin;
    WORD id;
};

BOOL CALLBACK SetChildSkinIdProc(HWND child, LPARAM lp) {
    const auto* a = reinterpret_cast<const SkinIdArgs*>(lp);
    CTWWnd* o = GetSkinnedWindowObject(child);
    if (!o) return TRUE;
    CTwfObj* e = a->skin->FindObject(WORD(o->GetType()), o->GetElementName());
    o->SetSkinId(a->id);
    o->SetSkinObject(e);
    o->SetScrollBarSkin(a->skin, L"Default");
    o->DropCachedGdiObjects();
    o->ChangeSkin(1, TRUE);
    return TRUE;
}
} // namespace

int SetWindowSkinId(HWND window, WORD skinId) {
    CTwfManager* manager = SkinManager();
    CTwfSkin* skin = manager ? manager->GetSkin(skinId) : nullptr;
    CTWWnd* object = ObjectOf(window);
    if (!skin || !object) return 0;
    CTwfObj* element = skin->FindObject(WORD(object->GetType()), object->GetElementName());
    SetSkinTableOn(skinId, TRUE);
    object->SetSkinObject(element);
    object->SetScrollBarSkin(skin, L"Default");
    object->SetSkinId(skinId);
    object->SetExplicitSkin(skin);
    object->DropCachedGdiObjects();
    object->Reset(object->GetElementName());
    object->ChangeSkin(0, TRUE);
    if (CTWWnd* frame = GetSkinnedFrameObject(window)) {
        frame->SetSkinId(skinId);
        frame->SetExplicitSkin(skin);
        if (CTWWnd* menuBar = GetSkinnedMenuBarObject(window)) {
            menuBar->SetSkinId(skinId);
            menuBar->SetExplicitSkin(skin);
        }
        frame->DropCachedGdiObjects();
        frame->Reset(object->GetElementName());
        frame->ChangeSkin(1, TRUE);
    }
    SkinIdArgs args{skin, skinId};
    EnumChildWindows(window, &SetChildSkinIdProc, reinterpret_cast<LPARAM>(&args));
    return 0;
}

int SetWindowCustomScheme(HWND window, const wchar_t* scheme, BOOL frame) {
    CTwfManager* manager = SkinManager();
    CTwfSkin* skin = manager ? manager->GetMainSkin() : nullptr;
    CTWWnd* target = frame ? GetSkinnedFrameObject(window) : ObjectOf(window);
    if (!manager || !skin || !target) return 1;
    const std::wstring resolved = skin->ResolveSchemeName(Wide(scheme), 0);
    if (resolved != target->GetElementName()) target->Reset(resolved);
    if (target->GetType() == ctype::kDialog) {
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            CTWWnd* o = GetSkinnedWindowObject(child);
            if (o && o->GetType() == ctype::kGroupBox) {
                o->WindowProc(TWM_REFRESHSKIN, 0, 0);
                o->ChangeSkin(0, TRUE);
            }
        }
    }
    return 0;
}

int SetWindowCustomSchemeOfSkin(HWND window, WORD skinId, const wchar_t* scheme, BOOL frame) {
    CTwfManager* manager = SkinManager();
    CTWWnd* target = frame ? GetSkinnedFrameObject(window) : ObjectOf(window);
    CTwfSkin* skin = manager ? manager->GetSkin(skinId) : nullptr;
    if (!target || !skin) return 0;
    target->SetSkinId(skinId);
    target->SetExplicitSkin(skin);
    const std::wstring resolved = skin->ResolveSchemeName(Wide(scheme), 0);
    if (CTwfObj* element = skin->FindObject(WORD(target->GetType()), resolved)) {
        target->SetSkinObject(element);
        target->Reset(resolved);
        SetSkinTableOn(skinId, TRUE);
    }
    return 0;
}

namespace {
int SetScrollScheme(CTWWnd* object, CTwfSkin* skin, const wchar_t* scheme) {
    if (!object || !skin) return 0;
    const std::wstring resolved = skin->ResolveSchemeName(Wide(scheme), 0);
    if (CTwfObj* element = skin->FindObject(5, resolved)) object->SetScrollBarElement(element);
    return 0;
}
} // namespace

int SetWindowScrollBarScheme(HWND window, const wchar_t* scheme) {
    CTWWnd* object = ObjectOf(window);
    return SetScrollScheme(object, object ? object->GetTwfSkin() : nullptr, scheme);
}

int SetWindowScrollBarSchemeOfSkin(HWND window, WORD skinId, const wchar_t* scheme) {
    CTwfManager* manager = SkinManager();
    return SetScrollScheme(ObjectOf(window), manager ? manager->GetSkin(skinId) : nullptr, scheme);
}

int SetButtonEffect(HWND window, WORD kind, WORD steps, WORD pause) {
    if (short(pause) < 1 || steps < 5 || steps > 100) return 1;
    FadeRecord record;
    record.window = window;
    record.low = 0.0f;
    record.high = 1.0f;
    record.current = 0.0f;
    record.step = 1.0f / float(steps);
    record.pause = pause == 1 ? 2 : pause;
    if (window) {
        CTWWnd* object = ObjectOf(window);
        if (!object) return 1;
        const int type = object->GetType();
        if (type != 4 && type != 7 && type != 6 && type != 39) return 1;
        object->SetFadeEffect(record);
        return 0;
    }
    CTwfManager* manager = SkinManager();
    if (kind > 3 || !manager || !manager->GetMainSkinLoaded()) return 1;
    auto matches = [kind](int type) {
        switch (kind) {
        case 0: return type == 4 || type == 7 || type == 6 || type == 39;
        case 1: return type == 4;
        case 2: return type == 7;
        default: return type == 6 || type == 39;
        }
    };
    if (CTWControlsManager* threadManager = CurrentManager()) {
        for (CTWWnd* object : threadManager->Objects()) {
            if (!matches(object->GetType())) continue;
            FadeRecord own = record;
            own.window = object->GetSafeHwnd();
            object->SetFadeEffect(own);
        }
    }
    State().buttonEffects[kind].record = record;
    State().buttonEffects[kind].given = TRUE;
    return 0;
}

// --- colour adjustment -----------------------------------------------------------

namespace {
CTwfSkin* MainSkin() {
    CTwfManager* manager = SkinManager();
    return manager ? manager->GetMainSkin() : nullptr;
}
} // namespace

int AddColorModifier(WORD elementType, long id) {
    if (CTwfSkin* skin = MainSkin()) skin->AddHSLModifier(elementType, id);
    return 0;
}

int AddSchemeColorModifier(const wchar_t* scheme, long id) {
    if (CTwfSkin* skin = MainSkin()) skin->AddSchemeHSLModifier(Wide(scheme), id);
    return 0;
}

int SetColorModifierValues(long id, double hue, double saturation, double lightness, double opacity) {
    CTwfSkin* skin = MainSkin();
    if (!skin) return 0;
    skin->ApplyHSL(id, hue, saturation, lightness, opacity);
    if (CTWControlsManager* manager = CListOfCtrlManagers::Find(GetCurrentThreadId())) {
        const WORD type = skin->GetHSLModifierElement(id);
        if (type != 0xFFFF) manager->RefreshControls(type);
    }
    return 0;
}

int RemoveColorModifier(long id) {
    if (CTwfSkin* skin = MainSkin()) skin->RemoveHSLModifier(id);
    return 0;
}

// --- shut-down ---------------------------------------------------------------------

int ShutdownSkinRuntime() {
    RuntimeState& state = State();
    if (!state.skinManager) return 1;
    const std::vector<SkinTableEntry> table = state.skinTable;
    for (const SkinTableEntry& e : table) {
        if (!e.on) continue;
        SetSkinActive(FALSE, e.skinId);
        RefreshSkinnedWindows(0);
    }
    if (CTWControlsManager* manager = CListOfCtrlManagers::Find(GetCurrentThreadId())) manager->RemoveAllControls();
    if (!state.hostOwnsSkins) state.skinManager->RemoveAllSkins();
    // Every thread's manager goes: hooks removed, objects detached.
    CListOfCtrlManagers::RemoveAll();
    // A manager whose skins the host owns is the host's to delete (deleting
    // a manager deletes the skins it still holds).
    if (!state.hostOwnsSkins) DeleteSkinManager(state.skinManager);
    state.skinManager = nullptr;
    // Only the reference the runtime took: the host may still hold its own.
    if (state.themeBound) UnloadUxTheme();
    state.themeBound = false;
    state.skinTable.clear();
    state.gdiplus.reset();
    return 0;
}

int ReservedEntry() { return 0; }

CTwfManager* GetRuntimeSkinManager() { return State().skinManager; }

void SetRuntimeSkinManager(CTwfManager* manager) {
    if (manager && !manager->GetControlsManagers())
        manager->SetControlsManagers(
            CTwfManager::ControlsManagersPtr(new CListOfCtrlManagers, &DeleteControlsManagers));
    State().skinManager = manager;
}

void SetRuntimeSkinLoaded(BOOL loaded) { State().skinLoaded = loaded; }

void SetHostOwnsSkins(BYTE owns) { State().hostOwnsSkins = owns; }

int AfterSkinLoaded(int) { return 1; }

std::string WideToAnsi(const wchar_t* text) { return text ? ToAnsi(text, wcslen(text)) : std::string(); }

std::wstring AnsiToWide(const char* text) { return text ? ToWide(text, strlen(text)) : std::wstring(); }
