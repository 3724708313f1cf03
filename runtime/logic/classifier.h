#pragma once
// The window classifier as a pure function: from a window's class name,
// style, accessibility role and the host framework kind to a control type
// code. The Win32 side gathers the facts; this decides.

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace hexmoor::rt {

struct WindowFacts {
    std::string_view className;
    std::uint32_t style = 0;
    int hostKind = 0;
    // Visual Basic 6 only: the window's top-level ancestor is the designer.
    bool topLevelIsVbDesigner = false;
    // List views only: the client area is exactly 30000 by 30000.
    bool clientIs30000Square = false;
};

// Answers the window's accessibility role, or nothing when its accessible
// object cannot be made. Asked at most once, and only when the class name
// alone does not decide.
using RoleQuery = std::function<std::optional<long>()>;

int ClassifyWindow(const WindowFacts& facts, const RoleQuery& role);

// The class of our own splitter windows (the test harness's, later the
// editor's): they publish their rows and columns through the splitter host
// interface and are skinned as splitters.
inline constexpr const char* kSplitterWindowClass = "HexmoorSplitter";

// The role Windows' built-in accessibility proxies report for the standard
// system classes, from class name and style; nothing for other classes. The
// test platform reports the client role for nearly every class, so the
// classifier asks the system only about classes this table does not know.
std::optional<long> KnownSystemRole(std::string_view className, std::uint32_t style);

// Case-insensitive comparison of ASCII class names.
bool ClassNameIs(std::string_view name, std::string_view expected);

} // namespace hexmoor::rt
