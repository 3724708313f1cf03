#pragma once
// The runtime's flat API: everything a host calls to start the runtime,
// choose how windows are picked, load skins, hand windows over, refresh
// them, switch skins on and off, tune effects and shut down.
//
// Results: 0 done, 1 refused (bad argument, runtime not initialised, window
// not skinned). The skin-load entries return the skin reader's result code
// (0 loaded, 1 nothing to read, 2 invalid or corrupted, 3 file error, 4
// version not supported); LoadSkinWithId returns 1 loaded, 0 failed.
// Window arguments must belong to the calling thread; the calling thread's
// controls manager is created on demand.

#include <windows.h>
#include <oleauto.h>

#include <string>

#include "runtime/image_button.h"
#include "runtime/image_dialog.h"

// Start-up and options (the options before InitSkinRuntime).
int SetHostFramework(int kind);
int SetExplicitMode(BOOL on);
int InitSkinRuntime(int defaultActive);
int CreateThreadManager();
int CreateThreadManagerFor(DWORD threadId);
int DestroyThreadManager();
int DestroyThreadManagerFor(DWORD threadId);

// Skins.
int LoadSkinFromFile(const wchar_t* path);
int LoadSkinFromModuleResource(HMODULE module, const wchar_t* resourceName);
int LoadSkinFromBuffer(const void* data, DWORD size);
int LoadSkinWithId(const wchar_t* path, WORD skinId);
int UnloadSkin();
int DisableSkinning();
int EnableSkinning();
int DisableSkinById(WORD skinId);
int RemoveSkinById(WORD skinId);
int GetSkinInfoStrings(const wchar_t* path, BSTR* name, BSTR* author, BSTR* lastUpdated, BSTR* email);
int GetUserDataSize(const wchar_t* name, DWORD* size);
int GetUserData(const wchar_t* name, void* buffer, DWORD size);
int GetUserDataOfSkin(WORD skinId, const wchar_t* name, void* buffer, DWORD size);

// Windows.
int ApplySkinToWindow(HWND window, WORD scope);
int RemoveSkinFromWindow(HWND window, WORD scope);
int RemoveSkinFromWindowTree(HWND window, WORD scope);
int ApplySkinToWindowsOfType(HWND sample);
int RemoveSkinFromWindowsOfType(HWND sample);
int SkinWindowAsType(HWND window, int controlType);
int AttachBaseSkinnedObject(HWND window);
int RefreshSkinnedWindows(int controlType);
int RefreshWindowSkin(HWND window);
int SetWindowColor(HWND window, WORD r, WORD g, WORD b);
int SetWindowSkinId(HWND window, WORD skinId);
int SetWindowCustomScheme(HWND window, const wchar_t* scheme, BOOL frame);
int SetWindowCustomSchemeOfSkin(HWND window, WORD skinId, const wchar_t* scheme, BOOL frame);
int SetWindowScrollBarScheme(HWND window, const wchar_t* scheme);
int SetWindowScrollBarSchemeOfSkin(HWND window, WORD skinId, const wchar_t* scheme);
int SetButtonEffect(HWND window, WORD kind, WORD steps, WORD pause);

// Colour adjustment of skin 1.
int AddColorModifier(WORD elementType, long id);
int AddSchemeColorModifier(const wchar_t* scheme, long id);
int SetColorModifierValues(long id, double hue, double saturation, double lightness, double opacity);
int RemoveColorModifier(long id);

// Shut-down: switches every skin off, unhooks and deletes every thread's
// controls manager, frees the skins (unless the host owns them), the skin
// manager, the skin table and GDI+.
int ShutdownSkinRuntime();

// Runtime globals a host writes: the skin manager (a host that installs its
// own sets host-owns-skins too, and keeps it), the skin-loaded word (0 while
// a manager is being swapped, 1 after) and the host-owns-skins byte.
class CTwfManager;
CTwfManager* GetRuntimeSkinManager();
void SetRuntimeSkinManager(CTwfManager* manager);
void SetRuntimeSkinLoaded(BOOL loaded);
void SetHostOwnsSkins(BYTE owns);

// The entry that does nothing (kept for hosts that call it).
int ReservedEntry();

// Called after a skin manager is installed; does nothing.
int AfterSkinLoaded(int unused);

// Text conversions in the ANSI code page, without a length limit.
std::string WideToAnsi(const wchar_t* text);
std::wstring AnsiToWide(const char* text);
