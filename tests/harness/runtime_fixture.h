#pragma once
// A started runtime with a synthetic main skin for tests of real windows,
// and helpers to hand the runtime test objects of our own.

#include <gtest/gtest.h>
#include <windows.h>

#include <memory>

#include "model/twf_manager.h"
#include "model/twf_skin.h"
#include "runtime/manager/controls_manager.h"
#include "runtime/twf_api.h"
#include "tests/harness/synthetic_skin.h"
#include "tests/harness/test_window.h"

namespace hexmoor::test {

class RuntimeTest : public ::testing::Test {
protected:
    void StartRuntime(bool explicitMode, int defaultActive = 0) {
        SetHostFramework(0);
        SetExplicitMode(explicitMode ? TRUE : FALSE);
        ASSERT_EQ(InitSkinRuntime(defaultActive), 0);
        skin_ = std::make_unique<SyntheticSkin>(GetRuntimeSkinManager()->GetMainSkin());
    }
    void TearDown() override {
        ShutdownSkinRuntime();
        SetExplicitMode(FALSE);
        PumpMessages();
    }
    SyntheticSkin& Skin() { return *skin_; }
    void SkinLoaded() { MarkMainSkinLoaded(GetRuntimeSkinManager()); }

    // Attach by type: registers an object of our own class for the window
    // with the calling thread's manager under the element id, exactly as a
    // factory's object would be (skin inherited, frame, enabling). The real
    // factories are reached with SkinWindowAsType.
    template <typename T>
    T* Attach(HWND hwnd, WORD elementId) {
        auto factory = std::make_unique<TestFactory>();
        auto object = std::make_unique<T>();
        T* raw = object.get();
        factory->SetObject(std::move(object));
        CurrentManager()->Register(std::move(factory), hwnd, elementId, nullptr);
        return raw;
    }

private:
    struct TestFactory : CCMCore {
        CTWWnd* CreateObject(HWND) override { return nullptr; }
    };
    std::unique_ptr<SyntheticSkin> skin_;
};

// Runs queued messages until none are left.
inline void Pump() { PumpMessages(); }

} // namespace hexmoor::test
