#include "runtime/wnd/window_services.h"

#include <atomic>

namespace {

class NoServices final : public WindowServices {
public:
    void AddControl(HWND) override {}
    void SkinAsType(HWND, int) override {}
    void RemoveControl(HWND) override {}
    void SyncPopupMenus() override {}
    void FitFrameToClient(HWND) override {}
};

std::atomic<WindowServices*> g_services{nullptr};

} // namespace

void InstallWindowServices(WindowServices* services) { g_services.store(services); }

WindowServices& Services() {
    static NoServices none;
    WindowServices* installed = g_services.load();
    return installed ? *installed : none;
}
