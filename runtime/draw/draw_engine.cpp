#include "runtime/draw/draw_engine.h"

#include <map>
#include <memory>
#include <mutex>

namespace {
struct Engines {
    std::mutex lock;
    std::map<DWORD, std::unique_ptr<CDrawEngine>> byThread;
};
Engines& All() {
    static Engines e;
    return e;
}
} // namespace

CDrawEngine::CDrawEngine() : scratch_(nullptr) {}

CDrawEngine* CreateThreadDrawEngine(DWORD threadId) {
    auto engine = std::make_unique<CDrawEngine>();
    if (!engine->IsValid()) return nullptr;
    auto& all = All();
    std::lock_guard<std::mutex> g(all.lock);
    auto& slot = all.byThread[threadId];
    slot = std::move(engine);
    return slot.get();
}

void DestroyThreadDrawEngine(DWORD threadId) {
    std::unique_ptr<CDrawEngine> doomed;
    auto& all = All();
    std::lock_guard<std::mutex> g(all.lock);
    const auto it = all.byThread.find(threadId);
    if (it == all.byThread.end()) return;
    doomed = std::move(it->second);
    all.byThread.erase(it);
}

CDrawEngine* GetThreadDrawEngine(DWORD threadId) {
    auto& all = All();
    std::lock_guard<std::mutex> g(all.lock);
    const auto it = all.byThread.find(threadId);
    return it == all.byThread.end() ? nullptr : it->second.get();
}
