// The Win32 side of the classifier: gathers a window's class name, style,
// framework facts and, only for classes the system-role table does not
// know, its accessibility role.
#include <windows.h>
#include <oleacc.h>

#include <string>

#include "runtime/logic/classifier.h"
#include "runtime/logic/control_types.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/runtime_state.h"

using namespace hexmoor::rt;

namespace {

// Defined here: the import library's IID can resolve to a thunk, and the
// query then fails.
const IID kIID_IAccessible = {0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

std::optional<long> AskAccessibleRole(HWND hwnd) {
    IAccessible* accessible = nullptr;
    if (FAILED(AccessibleObjectFromWindow(hwnd, DWORD(OBJID_CLIENT), kIID_IAccessible,
                                          reinterpret_cast<void**>(&accessible))) ||
        !accessible)
        return std::nullopt;
    VARIANT self;
    VariantInit(&self);
    self.vt = VT_I4;
    self.lVal = CHILDID_SELF;
    VARIANT role;
    VariantInit(&role);
    const HRESULT hr = accessible->get_accRole(self, &role);
    accessible->Release();
    if (FAILED(hr) || role.vt != VT_I4) {
        VariantClear(&role);
        return std::nullopt;
    }
    return role.lVal;
}

bool TopLevelIsVbDesigner(HWND hwnd) {
    HWND top = hwnd;
    const HWND desktop = GetDesktopWindow();
    for (HWND p = GetParent(top); p && p != desktop; p = GetParent(p)) top = p;
    char name[64] = {};
    GetClassNameA(top, name, sizeof name);
    return ClassNameIs(name, "wndclass_desked_gsk");
}

bool ClientIs30000Square(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    return r.right - r.left == 30000 && r.bottom - r.top == 30000;
}

} // namespace

int GetControlType(HWND hwnd, const char* className) {
    std::string cls;
    if (className) {
        cls = className;
    } else {
        char name[64] = {};
        GetClassNameA(hwnd, name, sizeof name);
        cls = name;
    }
    WindowFacts facts;
    facts.className = cls;
    facts.style = DWORD(GetWindowLongPtrW(hwnd, GWL_STYLE));
    facts.hostKind = State().hostFramework;
    facts.topLevelIsVbDesigner = facts.hostKind == host::kVisualBasic6 && TopLevelIsVbDesigner(hwnd);
    facts.clientIs30000Square = ClientIs30000Square(hwnd);
    return ClassifyWindow(facts, [&]() -> std::optional<long> {
        if (auto known = KnownSystemRole(cls, facts.style)) return known;
        return AskAccessibleRole(hwnd);
    });
}
