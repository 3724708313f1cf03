#include "runtime/manager/controls_manager.h"

#include "runtime/frame/frame_skin_wnd.h"
#include "runtime/frame/mdi_skin_wnd.h"
#include "runtime/wnd/object_registry.h"

#include <algorithm>
#include <cstring>

#include "model/twf_manager.h"
#include "model/twf_obj.h"
#include "model/twf_skin.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/draw/draw_engine.h"
#include "runtime/logic/classifier.h"
#include "runtime/logic/control_types.h"
#include "runtime/messages.h"
#include "runtime/runtime_state.h"
#include "runtime/window_helpers.h"
#include "runtime/window_rects.h"

using namespace hexmoor::rt;

using UpdateLayeredWindowFn = BOOL(WINAPI*)(HWND, HDC, POINT*, SIZE*, HDC, POINT*, COLORREF, BLENDFUNCTION*, DWORD);
UpdateLayeredWindowFn UpdateLayeredWindowProc = nullptr;

namespace {

// Element ids with a per-type window map, in the order they are entered.
constexpr WORD kTypeMapIds[] = {kElemWindow,
                                kElemWndFrame,
                                kElemDialogFrame,
                                kElemEdit,
                                kElemButton,
                                kElemScrollbars,
                                kElemCheckBox,
                                kElemRadioBox,
                                kElemGroupBox,
                                kElemSlider,
                                kElemTabCtrl,
                                kElemToolBar,
                                kElemStatusBar,
                                kElemComboBox,
                                kElemListBox,
                                kElemListView,
                                kElemMenu,
                                kElemSpinCtrl,
                                kElemProgressBar,
                                kElemTreeCtrl,
                                kElemHeaderCtrl,
                                kElemStaticText,
                                kElemDateTime,
                                kElemMonthCal,
                                kElemMdiClient,
                                kElemStaticIcon,
                                kElemGrip,
                                kElemToolTip,
                                kElemTransparentWindow,
                                kElemSplitter,
                                kElemWindowLayered,
                                kElemCheckButton,
                                kElemToolStrip,
                                kElemStatusStrip,
                                kElemDropDownMenu,
                                kElemMenuStrip};

bool HasFrameStyleOrDockBar(HWND hwnd) {
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    return (style & WS_DLGFRAME) || (style & WS_THICKFRAME) || GetPropA(hwnd, "DockBarProp");
}

std::string ClassNameOf(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

// Class-style bits the runtime set on a window class, so that switching them
// off again never clears bits the class had of its own.
std::map<ULONG_PTR, DWORD>& AddedClassBits() {
    static std::map<ULONG_PTR, DWORD> bits;
    return bits;
}

void SetClassStyleBits(HWND hwnd, DWORD bits, bool on) {
    const ULONG_PTR atom = GetClassLongPtrW(hwnd, GCW_ATOM);
    const DWORD style = DWORD(GetClassLongPtrW(hwnd, GCL_STYLE));
    DWORD& added = AddedClassBits()[atom];
    if (on) {
        const DWORD missing = bits & ~style;
        if (missing) {
            SetClassLongPtrW(hwnd, GCL_STYLE, LONG_PTR(style | missing));
            added |= missing;
        }
    } else {
        const DWORD ours = bits & added & style;
        if (ours) SetClassLongPtrW(hwnd, GCL_STYLE, LONG_PTR(style & ~ours));
        added &= ~(bits & added);
    }
}

} // namespace

void SetWindowClassStyle(HWND hwnd, DWORD bits, bool on) { SetClassStyleBits(hwnd, bits, on); }

// --- lookups ------------------------------------------------------------------

CTWWnd* GetSkinnedWindowObject(HWND hwnd) { return FindWindowObject(hwnd); }
CTWWnd* GetSkinnedFrameObject(HWND hwnd) { return FindWindowObject(hwnd, WindowObjectRole::Frame); }
CTWWnd* GetSkinnedMenuBarObject(HWND hwnd) {
    return hwnd ? static_cast<CTWWnd*>(GetPropA(hwnd, kMenuBarObjectProp)) : nullptr;
}
int GetSkinnedWindowType(HWND hwnd) {
    CTWWnd* object = GetSkinnedWindowObject(hwnd);
    return object ? object->GetType() : -1;
}

void RectScreenToClient(RECT* rect, HWND hwnd) { MapRectCorners(rect, hwnd, false); }

// --- the list of managers -----------------------------------------------------

namespace {
CListOfCtrlManagers* List() {
    CTwfManager* manager = SkinManager();
    return manager ? manager->GetControlsManagers() : nullptr;
}
} // namespace

CListOfCtrlManagers::~CListOfCtrlManagers() {
    for (auto& [id, manager] : managers) {
        manager->Stop();
        manager.reset();
        DestroyThreadDrawEngine(id);
    }
}

CTWControlsManager* CListOfCtrlManagers::Find(DWORD threadId) {
    CListOfCtrlManagers* list = List();
    if (!list) return nullptr;
    const auto it = list->managers.find(threadId);
    return it == list->managers.end() ? nullptr : it->second.get();
}

CTWControlsManager* CListOfCtrlManagers::GetManager(DWORD threadId, BOOL remove) {
    CListOfCtrlManagers* list = List();
    if (!list) return nullptr;
    const auto it = list->managers.find(threadId);
    if (remove) {
        if (it != list->managers.end()) {
            std::unique_ptr<CTWControlsManager> manager = std::move(it->second);
            list->managers.erase(it);
            manager->Stop();
            manager.reset();
            DestroyThreadDrawEngine(threadId);
        }
        return nullptr;
    }
    if (it != list->managers.end()) return it->second.get();
    auto manager = std::make_unique<CTWControlsManager>();
    CTWControlsManager* raw = manager.get();
    list->managers[threadId] = std::move(manager);
    CreateThreadDrawEngine(threadId);
    raw->Start(threadId);
    return raw;
}

void CListOfCtrlManagers::UpdateHooks() {
    if (CListOfCtrlManagers* list = List())
        for (auto& [id, manager] : list->managers) manager->UpdateHooks();
}

void CListOfCtrlManagers::RemoveAll() {
    CListOfCtrlManagers* list = List();
    if (!list) return;
    // Every thread's manager: hooks removed, objects detached and deleted.
    while (!list->managers.empty()) GetManager(list->managers.begin()->first, TRUE);
}

CTWControlsManager* CurrentManager() { return CListOfCtrlManagers::GetManager(GetCurrentThreadId(), FALSE); }

// --- manager ------------------------------------------------------------------

CTWControlsManager::CTWControlsManager() = default;

CTWControlsManager::~CTWControlsManager() {
    // Frames stand before their windows' factories: detach in that order.
    for (auto& factory : factories_) factory->DetachObject();
    factories_.clear();
    typeMaps_.clear();
    UnhookAll();
}

CTWControlsManager* CTWControlsManager::ForCurrentThread() { return CListOfCtrlManagers::Find(GetCurrentThreadId()); }

void CTWControlsManager::InitTypeMaps() {
    for (WORD id : kTypeMapIds) typeMaps_[id];
}

CTWControlsManager::WindowMap* CTWControlsManager::GetTypeMap(WORD elementId) {
    const auto it = typeMaps_.find(elementId);
    return it == typeMaps_.end() ? nullptr : &it->second;
}

int CTWControlsManager::Start(DWORD threadId) {
    InitTypeMaps();
    State().alphaSupport = QueryAlphaSupport();
    AlphaFramesAccelerated = State().alphaSupport;
    if (VersionCode() >= 6 && !user32_) {
        user32_ = LoadLibraryW(L"USER32.DLL");
        if (user32_)
            UpdateLayeredWindowProc = reinterpret_cast<UpdateLayeredWindowFn>(
                reinterpret_cast<void*>(GetProcAddress(user32_, "UpdateLayeredWindow")));
    }
    threadId_ = threadId;
    UpdateHooks();
    return 1;
}

void CTWControlsManager::UpdateHooks() {
    // Menus, tooltips and scroll bars are taken at creation (CBT) in every
    // mode. The hook after the window procedure serves ordinary mode only
    // (OnCallWndProcRet does nothing in explicit mode), and the one before it
    // has no work at all. Every message hook makes each message the thread
    // sends pass the hook chain, three trips to the window server under Wine;
    // an unneeded one is not installed.
    int mask = 1 << kCbt;
    if (!State().explicitMode) mask |= 1 << kCallWndProcRet;
    InstallHooks(mask, "", threadId_);
}

void CTWControlsManager::Stop() {
    UnhookAll();
    if (user32_) {
        FreeLibrary(user32_);
        user32_ = nullptr;
    }
}

BOOL CTWControlsManager::OnCBT(int code, WPARAM wp, LPARAM) {
    if (code != HCBT_CREATEWND) return FALSE;
    const HWND hwnd = reinterpret_cast<HWND>(wp);
    const std::string cls = ClassNameOf(hwnd);
    if (ClassNameIs(cls, "#32768") || ClassNameIs(cls, "tooltips_class32") || ClassNameIs(cls, "ScrollBar"))
        AddControl(hwnd, nullptr);
    return FALSE;
}

void CTWControlsManager::OnCallWndProcRet(const MSG* msg, LRESULT) {
    if (State().explicitMode) return;
    if (msg->message == WM_CREATE) {
        AddControl(msg->hwnd, nullptr);
    } else if (msg->message == WM_NCDESTROY) {
        RemoveControl(msg->hwnd);
    }
}

CCMCore* CTWControlsManager::AddControl(HWND hwnd, const char* className) {
    if (!hwnd || GetSkinnedWindowObject(hwnd)) return nullptr;
    const std::string cls = className ? std::string(className) : ClassNameOf(hwnd);
    const int code = GetControlType(hwnd, cls.c_str());
    if (code == ctype::kNever) return nullptr;
    std::unique_ptr<CCMControl> factory = CreateControlFactory(code);
    if (!factory) return nullptr;
    CTWWnd* object = factory->CreateObject(hwnd);
    if (!object) return nullptr;
    object->InitMode(cls.c_str());
    return Register(std::move(factory), hwnd, ElementIdOfNewObject, cls.c_str());
}

CCMCore* CTWControlsManager::Register(std::unique_ptr<CCMCore> factory, HWND hwnd, WORD elementId,
                                      const char* className, RegisterSteps steps) {
    CTWWnd* object = factory->GetObject();
    if (!object) return nullptr;
    // An object that cannot attach (the window is gone) is never kept: it
    // would stay registered, windowless, until the thread's manager goes.
    if (!object->Attach(hwnd, elementId)) return nullptr;
    const std::string cls = className ? className : ClassNameOf(hwnd);
    CCMCore* raw = factory.get();
    typeMaps_[elementId][hwnd] = raw;
    factories_.push_back(std::move(factory));
    const bool control = steps == RegisterSteps::kControl;
    const int type = object->GetType();

    if (control) {
        static constexpr const char* kShellBands[] = {"UniversalSearchBand", "TravelBand",       "Address Band Root",
                                                      "QuickFilterBand",     "QueryBuilderBand", "NamespaceTreeControl",
                                                      "Breadcrumb Parent"};
        for (const char* band : kShellBands)
            if (cls == band) object->SetActive(FALSE, 1);
        ApplyButtonEffect(object, hwnd);
    }

    CTwfSkin* skin = object->InheritParentSkin(TRUE);
    if (control && skin && (type == ctype::kMdiClient || type == ctype::kNumericUpDown)) {
        // An MDI client is drawn with the frame element, a numeric up-down
        // with the edit element.
        object->SetSkin(skin, type == ctype::kMdiClient ? kElemWndFrame : kElemEdit, object->GetElementName());
        object->SetScrollBarSkin(skin, L"Default");
    }
    if (elementId != kElemWindowLayered && !ClassNameIs(cls, "VideoRenderer")) AttachFrame(hwnd, skin);

    CTwfManager* manager = SkinManager();
    const bool loaded = manager && manager->GetMainSkinLoaded();
    bool start = false;
    if (loaded && control && object->IsActive()) {
        CTwfObj* element = object->GetSkinObject();
        start = object->GetSkinId() && element && element->GetEnabled() && IsSkinActive(object->GetSkinId());
    } else if (loaded && !control) {
        start = (State().defaultActive || object->IsActive()) && IsSkinActive(object->GetSkinId());
    }
    if (start) {
        object->Enable(TRUE);
        PostMessageW(hwnd, TWM_STARTSKIN, 0, 0);
    }
    if (type != ctype::kWindow) SetClassStyleBits(hwnd, CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW, loaded);
    return raw;
}

void CTWControlsManager::ApplyButtonEffect(CTWWnd* object, HWND hwnd) {
    // The record of the object's kind, else the all-kinds one.
    auto& effects = State().buttonEffects;
    const int type = object->GetType();
    const bool push = type == ctype::kButton, radio = type == ctype::kRadio;
    const bool check = type == ctype::kCheckBox || type == ctype::kCheckButton;
    ButtonEffect* effect = nullptr;
    if (push && effects[kEffectPush].given)
        effect = &effects[kEffectPush];
    else if (radio && effects[kEffectRadio].given)
        effect = &effects[kEffectRadio];
    else if (check && effects[kEffectCheck].given)
        effect = &effects[kEffectCheck];
    else if ((push || radio || check) && effects[kEffectAll].given)
        effect = &effects[kEffectAll];
    if (!effect) return;
    effect->record.window = hwnd;
    object->SetFadeEffect(effect->record);
}

std::unique_ptr<CCMCore> CTWControlsManager::TakeFactory(CCMCore* factory) {
    const auto it = std::find_if(factories_.begin(), factories_.end(),
                                 [factory](const std::unique_ptr<CCMCore>& f) { return f.get() == factory; });
    if (it == factories_.end()) return nullptr;
    std::unique_ptr<CCMCore> owned = std::move(*it);
    factories_.erase(it);
    return owned;
}

void CTWControlsManager::DropFactory(WORD elementId, HWND hwnd) {
    WindowMap* map = GetTypeMap(elementId);
    if (!map) return;
    const auto it = map->find(hwnd);
    if (it == map->end()) return;
    CCMCore* factory = it->second;
    map->erase(it);
    std::unique_ptr<CCMCore> owned = TakeFactory(factory);
    if (!owned) return;
    owned->DetachObject();
    owned->DestroyObject();
}

BOOL CTWControlsManager::RemoveControl(HWND hwnd) {
    const int type = GetSkinnedWindowType(hwnd);
    if (type < 0 || type > 254) return FALSE;
    WindowMap* map = GetTypeMap(WORD(type));
    if (!map || map->find(hwnd) == map->end()) return FALSE;
    // The window's procedures come off in the reverse order they went on:
    // the object's scroll-bar helper (put on when the object switched on,
    // after its frame and the frame's menu bar), then the frame with its
    // bar, then the object itself. Each then gives back exactly the
    // procedure it replaced.
    if (CTWWnd* object = GetSkinnedWindowObject(hwnd)) object->DestroyScrollHelper();
    const DWORD style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    if ((style & WS_DLGFRAME) || (style & WS_THICKFRAME)) DropFactory(kElemWndFrame, hwnd);
    DropFactory(WORD(type), hwnd);
    return TRUE;
}

void CTWControlsManager::RemoveAllControls() {
    std::vector<HWND> windows;
    for (const auto& [id, map] : typeMaps_)
        for (const auto& [hwnd, factory] : map) windows.push_back(hwnd);
    for (HWND hwnd : windows) RemoveControl(hwnd);
    // Whatever is left (objects whose window is already gone) goes too.
    for (auto& factory : factories_) factory->DetachObject();
    factories_.clear();
    for (auto& [id, map] : typeMaps_) map.clear();
}

int CTWControlsManager::FindFactoryIndex(const CCMCore* factory) const {
    for (size_t i = 0; i < factories_.size(); ++i)
        if (factories_[i].get() == factory) return int(i);
    return -1;
}

std::vector<CTWWnd*> CTWControlsManager::Objects() const {
    std::vector<CTWWnd*> out;
    for (const auto& f : factories_)
        if (f->GetObject()) out.push_back(f->GetObject());
    return out;
}

namespace {
// One walk over a window tree: every window of the filter's kind (any kind
// for -1) is added or forgotten.
struct TreeWalk {
    CTWControlsManager* manager;
    bool add;
    int filter;
};

CCMCore* VisitWindow(const TreeWalk& walk, HWND hwnd) {
    if (walk.filter != -1 && walk.filter != GetControlType(hwnd, nullptr)) return nullptr;
    if (walk.add) return walk.manager->AddControl(hwnd, nullptr);
    walk.manager->RemoveControl(hwnd);
    return nullptr;
}

BOOL CALLBACK ChildWindowEnumProc(HWND child, LPARAM lp) {
    VisitWindow(*reinterpret_cast<const TreeWalk*>(lp), child);
    return TRUE;
}

// The window itself, then (with children) every descendant; returns the
// window's own factory when it was added.
CCMCore* WalkTree(const TreeWalk& walk, HWND hwnd, bool children) {
    CCMCore* factory = VisitWindow(walk, hwnd);
    if (children) EnumChildWindows(hwnd, &ChildWindowEnumProc, reinterpret_cast<LPARAM>(&walk));
    return factory;
}
} // namespace

CCMCore* CTWControlsManager::AddWindowTree(HWND hwnd, BOOL children, int typeFilter) {
    return WalkTree({this, true, typeFilter}, hwnd, children != FALSE);
}

void CTWControlsManager::RemoveWindowTree(HWND hwnd, BOOL children, int typeFilter) {
    WalkTree({this, false, typeFilter}, hwnd, children != FALSE);
}

BOOL CTWControlsManager::SetWindowSkinTree(HWND hwnd, WORD scope, BOOL on, BOOL removeObjects) {
    if (!SkinManager()) return FALSE;
    CTWWnd* object = GetSkinnedWindowObject(hwnd);
    if (on && !object) {
        CCMCore* factory = AddWindowTree(hwnd, scope != 0, -1);
        object = factory ? factory->GetObject() : GetSkinnedWindowObject(hwnd);
    }
    // A list view switched off alone keeps its object and only stops its
    // own drawing; every other case switches through ApplySkin.
    auto* listView = GetControlType(hwnd, nullptr) == kElemListView ? dynamic_cast<CTWListCtrl*>(object) : nullptr;
    if (listView && !on && scope == 0) {
        listView->SetKeepObject(TRUE);
        SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
        InvalidateRect(hwnd, nullptr, TRUE);
        return TRUE;
    }
    if (object) object->ApplySkin(on, scope);
    if (listView) listView->SetKeepObject(FALSE);
    if (!on && (removeObjects || State().explicitMode)) RemoveWindowTree(hwnd, scope != 0, -1);
    return object != nullptr;
}

BOOL CTWControlsManager::RefreshControls(int type) {
    if (!SkinManager()) return FALSE;
    std::vector<CTWWnd*> targets;
    if (type) {
        WindowMap* map = GetTypeMap(WORD(type));
        if (!map) return FALSE;
        for (const auto& [hwnd, factory] : *map)
            if (factory->GetObject()) targets.push_back(factory->GetObject());
    } else {
        targets = Objects();
    }
    for (CTWWnd* object : targets)
        if (object->IsActive()) object->ChangeSkin(0, TRUE);
    return TRUE;
}

void CTWControlsManager::AttachFrame(HWND hwnd, CTwfSkin* skin) {
    CTWWnd* object = GetSkinnedWindowObject(hwnd);
    if (!HasFrameStyleOrDockBar(hwnd) || !object || GetSkinnedFrameObject(hwnd)) return;
    std::unique_ptr<CFrameSkinWnd> frame;
    if (ClassNameIs(ClassNameOf(GetParent(hwnd)), "mdiclient"))
        frame = std::make_unique<CMDIChildSkinWnd>(hwnd);
    else
        frame = std::make_unique<CFrameSkinWnd>(hwnd);
    CFrameSkinWnd* raw = frame.get();
    if (!skin) skin = object->GetTwfSkin();
    if (!skin && SkinManager()) skin = SkinManager()->GetMainSkin();
    if (skin) {
        if (const WORD id = GetSkinIdOfSkin(skin)) raw->SetSkinId(id);
        raw->SetSkin(skin, 2, raw->GetElementName());
    }
    raw->Attach(hwnd, 2);
    raw->InitMode(nullptr);
    auto factory = std::make_unique<CCMFrame>();
    factory->SetObject(std::move(frame));
    typeMaps_[2][hwnd] = factory.get();
    // The frame's factory goes just before the window's own (the last one).
    factories_.insert(factories_.empty() ? factories_.end() : factories_.end() - 1, std::move(factory));
    raw->SetActive(object->IsActive(), object->GetScope());
    raw->RegisterWithAncestors();
    raw->CollectChildFrames();
    if ((State().defaultActive || object->IsActive()) && IsSkinActive(object->GetSkinId())) raw->Enable(TRUE);
    // Asked first: under Wine a release costs several server round trips even
    // when nothing is captured.
    if (GetCapture()) ReleaseCapture();
}

// --- switching skins ------------------------------------------------------------

BOOL SetSkinActive(BOOL on, WORD skinId) {
    CTwfManager* skins = SkinManager();
    if (!skins || !skins->GetMainSkinLoaded()) return FALSE;
    CTWControlsManager* manager = CurrentManager();
    CTwfSkin* skin = skinId == 1 ? skins->GetMainSkin() : skins->GetSkin(skinId);
    if (!manager || !skin || !skin->IsLoaded()) return FALSE;
    SetSkinTableOn(skinId, on);
    for (CTWWnd* object : manager->Objects()) {
        if (object->GetSkinId() != skinId || object->GetType() == ctype::kWindow) continue;
        if (!State().defaultActive && !object->IsActive()) continue;
        if (!on) {
            if (!object->IsActive()) continue;
            object->SetSkinObject(nullptr);
            object->Enable(FALSE);
            object->ChangeSkin(0, TRUE);
        } else {
            object->InheritParentSkin(TRUE);
            if (object->IsActive()) object->Enable(TRUE);
            if (!object->GetElementName().empty()) object->Reset(object->GetElementName());
            object->ChangeSkin(0, TRUE);
        }
    }
    return TRUE;
}

namespace {
BOOL CALLBACK TopWindowOfTypeProc(HWND top, LPARAM lp) {
    WalkTree(*reinterpret_cast<const TreeWalk*>(lp), top, true);
    return TRUE;
}
} // namespace

void SetSkinOnWindowsOfType(HWND sample, BOOL on) {
    CTWControlsManager* manager = CurrentManager();
    if (!manager) return;
    if (State().explicitMode) {
        const TreeWalk walk{manager, on != FALSE, GetControlType(sample, nullptr)};
        EnumThreadWindows(GetCurrentThreadId(), &TopWindowOfTypeProc, reinterpret_cast<LPARAM>(&walk));
    }
    const int type = GetSkinnedWindowType(sample);
    CTWControlsManager::WindowMap* map = type >= 0 ? manager->GetTypeMap(WORD(type)) : nullptr;
    if (!map) return;
    std::vector<CTWWnd*> objects;
    for (const auto& [hwnd, factory] : *map)
        if (factory->GetObject()) objects.push_back(factory->GetObject());
    for (CTWWnd* object : objects) object->ApplySkin(on, 0);
}
