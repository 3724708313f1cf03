#pragma once
// One controls manager per GUI thread: its hooks skin windows as they are
// created (or only those handed over, in explicit mode) and forget them when
// they are destroyed; it holds the thread's skinned windows by element id.

#include <windows.h>

#include <map>
#include <memory>
#include <vector>

#include "runtime/manager/factories.h"
#include "runtime/manager/hook_mgr.h"
#include "runtime/window_rects.h"
#include "runtime/wnd/object_registry.h"

class CTwfSkin;

class CTWControlsManager : public CHookMgr<CTWControlsManager> {
public:
    CTWControlsManager();
    ~CTWControlsManager() override;

    static CTWControlsManager* ForCurrentThread();

    // Start hooks the manager's thread, which need not be the calling one.
    int Start(DWORD threadId);
    void Stop();
    // Installs the hooks the current mode needs (see the explicit mode).
    void UpdateHooks();

    void OnCallWndProcRet(const MSG* msg, LRESULT result) override;
    BOOL OnCBT(int code, WPARAM wp, LPARAM lp) override;

    // Classifies, builds, registers and attaches the window's object; null
    // when nothing was added.
    virtual CCMCore* AddControl(HWND hwnd, const char* className);
    BOOL RemoveControl(HWND hwnd);
    // Skins the window as the given control type (SkinWindowAsType): an
    // object of another type goes first; disallowed types change nothing.
    void SkinAsType(HWND hwnd, int controlType);
    void RemoveAllControls();
    int FindFactoryIndex(const CCMCore* factory) const;

    CCMCore* AddWindowTree(HWND hwnd, BOOL children, int typeFilter);
    void RemoveWindowTree(HWND hwnd, BOOL children, int typeFilter);
    BOOL SetWindowSkinTree(HWND hwnd, WORD scope, BOOL on, BOOL removeObjects);
    BOOL RefreshControls(int type);
    void AttachFrame(HWND hwnd, CTwfSkin* skin);

    // What Register does besides registering, attaching, inheriting the
    // parent's skin and attaching the frame.
    enum class RegisterSteps {
        // Everything AddControl does: shell bands stay inactive, button
        // effects, the MDI client's and numeric up-down's elements, switched
        // on when active with an enabled element, class style.
        kControl,
        // SkinWindowAsType: switched on when default active or active, class
        // style.
        kChosenType,
    };
    // Registers a factory that already holds its object (SkinWindowAsType,
    // AttachBaseSkinnedObject, AddControl). Null, with nothing registered and
    // the object deleted, when the object cannot attach to the window.
    CCMCore* Register(std::unique_ptr<CCMCore> factory, HWND hwnd, WORD elementId, const char* className,
                      RegisterSteps steps = RegisterSteps::kControl);

    // The per-type window maps and the factories in registration order.
    using WindowMap = std::map<HWND, CCMCore*>;
    WindowMap* GetTypeMap(WORD elementId);
    const std::map<WORD, WindowMap>& GetTypeMaps() const { return typeMaps_; }
    const std::vector<std::unique_ptr<CCMCore>>& GetFactories() const { return factories_; }
    // Every object of the thread, in factory order (the frame's before its window's).
    std::vector<CTWWnd*> Objects() const;

private:
    void InitTypeMaps();
    void ApplyButtonEffect(CTWWnd* object, HWND hwnd);
    std::unique_ptr<CCMCore> TakeFactory(CCMCore* factory);
    void DropFactory(WORD elementId, HWND hwnd);

    std::map<WORD, WindowMap> typeMaps_;
    std::vector<std::unique_ptr<CCMCore>> factories_;
    HMODULE user32_ = nullptr;
    DWORD threadId_ = 0;
};

// The process's controls managers by thread id; owned by the skin manager.
class CListOfCtrlManagers {
public:
    ~CListOfCtrlManagers();
    // Remove: stops and deletes the thread's manager (null in both cases).
    // Otherwise the thread's manager, made (with its hooks and drawing
    // engine) when the thread has none.
    static CTWControlsManager* GetManager(DWORD threadId, BOOL remove);
    // The thread's manager without making one.
    static CTWControlsManager* Find(DWORD threadId);
    // Unhooks and deletes every thread's manager.
    static void RemoveAll();
    // Every manager's hooks to what the current mode needs.
    static void UpdateHooks();

    std::map<DWORD, std::unique_ptr<CTWControlsManager>> managers;
};

// GetControlType: the classifier's code for a window.
int GetControlType(HWND hwnd, const char* className);

// The calling thread's manager, made on demand; null without skin manager.
CTWControlsManager* CurrentManager();

// Turning skin on and off for one skin id over the calling thread's windows,
// and the same for the windows of a sample's type.
BOOL SetSkinActive(BOOL on, WORD skinId);
void SetSkinOnWindowsOfType(HWND sample, BOOL on);
