#include "runtime/logic/frame_host.h"

#include "runtime/logic/classifier.h"
#include "runtime/logic/control_types.h"

namespace hexmoor::rt {

int FrameHostKind(int runtimeKind, std::string_view className) {
    return ClassNameIs(className, "#32770") ? host::kWin32 : runtimeKind;
}

FrameSwitchSteps FrameSwitchPlan(int hostKind, bool on) {
    FrameSwitchSteps steps;
    if (on) {
        const bool vb = hostKind == host::kVisualBasic6;
        steps.refitToClient = !vb;
        steps.keepWindowSize = vb;
        steps.deferredSize = vb;
    }
    if (hostKind == host::kDelphi) steps.flatScrollBars = on ? -1 : 1;
    return steps;
}

bool ResetKeepsWindowSize(int hostKind, int regionKind) {
    return hostKind == host::kVisualBasic6 && (regionKind == 3 || regionKind == 4);
}

bool FrameGrowsForChild(int versionCode, std::string_view childClass, Size childClient, Size frameClient) {
    constexpr std::string_view kPrefix = "DirectUIHWND";
    if (versionCode != 9 || childClass.size() < kPrefix.size()) return false;
    if (!ClassNameIs(childClass.substr(0, kPrefix.size()), kPrefix)) return false;
    return childClient.cx > frameClient.cx || childClient.cy > frameClient.cy;
}

} // namespace hexmoor::rt
