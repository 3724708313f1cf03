#pragma once
// The docking model, free of windows: which pane sits on which side of the
// frame, in which group (panes of one group share its place as tabs), which
// panes float or hide at the edge, and the geometry all of that gives in a
// client area. The dock manager turns the geometry into window positions.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/geometry.h"

namespace hexmoor::fw {

enum class DockSide { Left = 0, Right = 1, Top = 2, Bottom = 3 };
enum class PaneMode { Docked, Floating, AutoHidden };

struct DockMetrics {
    int caption = 20;    // caption bar height
    int tab = 22;        // tab strip height (groups with 2+ visible panes)
    int splitter = 4;    // splitter thickness
    int strip = 22;      // auto-hide strip thickness
    int button = 16;     // caption buttons (close, pin)
    int minBreadth = 40; // narrowest docked side
    int minExtent = 40;  // shortest group
    int minCenter = 60;  // what the sides leave to the view at least
};

struct GroupGeometry {
    DockSide side = DockSide::Left;
    int groupIndex = 0;
    Rect rect;        // whole group, area coordinates
    Rect caption;     // relative to rect
    Rect closeButton; // relative to rect
    Rect pinButton;   // relative to rect; empty when the pane cannot hide
    Rect content;     // relative to rect
    int activePane = 0;
    std::vector<std::pair<int, Rect>> tabs; // pane id, rect relative to rect
};

struct SplitterGeometry {
    Rect rect;
    DockSide side = DockSide::Left;
    int groupIndex = -1;  // -1: between the side and the centre; k: below group k
    bool vertical = true; // true: drags left-right
};

struct AutoHideTab {
    int pane = 0;
    DockSide side = DockSide::Left;
    Rect rect;
};

struct LayoutGeometry {
    Rect center;
    std::vector<GroupGeometry> groups;
    std::vector<SplitterGeometry> splitters;
    std::vector<AutoHideTab> autoHideTabs;
    int slidOutPane = 0;
    Rect slideOut; // the slid-out auto-hide pane, area coordinates
};

// Where a dragged pane would go when dropped.
struct DockTarget {
    enum class Kind { None, SideEdge, Tab, Above, Below } kind = Kind::None;
    DockSide side = DockSide::Left;
    int groupIndex = -1;
};

class DockLayout {
public:
    explicit DockLayout(DockMetrics metrics = {}) : metrics_(metrics) {}

    const DockMetrics& Metrics() const { return metrics_; }

    // Building the default arrangement.
    // A new group at the end of a side.
    void AddPane(int id, DockSide side, int breadth, int extent, bool canAutoHide = false);
    // Joins the group of another pane as a tab (not made active).
    void AddTab(int id, int withPane);
    // Moves a docked pane into its own group just above or below the group
    // of target.
    void DockNextTo(int id, int target, bool below, int extent);

    bool Has(int id) const;
    std::vector<int> PaneIds() const;
    bool IsVisible(int id) const;
    void Show(int id, bool show);
    PaneMode Mode(int id) const;
    std::optional<DockSide> SideOf(int id) const;
    // The pane shown in front of its group.
    void Activate(int id);
    int ActiveInGroupOf(int id) const;
    // The visible panes that share the group of id, in tab order.
    std::vector<int> GroupMates(int id) const;

    void Float(int id, Rect screenRect);
    Rect FloatRect(int id) const;
    void SetFloatRect(int id, Rect screenRect);
    // Back where the pane was docked before it floated or hid.
    void DockHome(int id);
    void DockAt(int id, const DockTarget& target);

    bool CanAutoHide(int id) const;
    void SetAutoHide(int id, bool hide);
    void SlideOut(int id) { slidOut_ = id; }
    int SlidOut() const { return slidOut_; }

    // A tab's length for a pane (auto-hide tabs and group tabs); null gives
    // every tab its default length.
    using TabLength = std::function<int(int pane)>;
    LayoutGeometry Compute(Rect area, const TabLength& tabLength) const;
    void MoveSplitter(const SplitterGeometry& splitter, int delta, Rect area);
    DockTarget HitTest(Rect area, Point p, int edge = 32) const;
    // Where a pane dropped on the target would roughly sit (for the hint
    // shown while dragging); empty for no target.
    Rect TargetRect(Rect area, const DockTarget& target) const;

    std::wstring Save() const;
    // Takes a saved state when it names exactly this layout's panes and is
    // well formed; otherwise leaves the layout as it is and returns false.
    bool Load(const std::wstring& text);

private:
    struct Group {
        std::vector<int> panes;
        int active = 0;
        int extent = 200;
    };
    struct SideState {
        std::vector<Group> groups;
        int breadth = 250;
    };
    struct Pane {
        int id = 0;
        bool visible = true;
        bool canAutoHide = false;
        PaneMode mode = PaneMode::Docked;
        Rect floatRect;
        DockSide homeSide = DockSide::Left; // docked side, or where to return
        int homeIndex = 0;
        int homeTabWith = 0;
        int autoHideBreadth = 250;
    };

    Pane* Find(int id);
    const Pane* Find(int id) const;
    // Side and group index of a docked pane.
    bool Locate(int id, int& side, int& group) const;
    // Remembers where a pane sat (side, group and a tab neighbour) so that
    // docking it again puts it back there.
    void RememberHome(Pane& pane, int side, int group) const;
    void RemoveFromGroup(int id);
    bool GroupVisible(const Group& g) const;
    int VisibleActive(const Group& g) const;
    bool SideVisible(int side) const;
    std::vector<int> VisibleGroups(int side) const;

    // The steps of Compute, each a pure function of the layout's state.
    // Strips and tabs of the auto-hidden panes along the outer edges; returns
    // the area left inside the strips.
    Rect LayAutoHideStrips(Rect area, const TabLength& tabLength, std::vector<AutoHideTab>& tabs) const;
    struct SideRects {
        Rect side[4]; // by DockSide
        Rect center;
    };
    // Each side's breadth and rectangle, and the centre they leave.
    SideRects LaySides(Rect inner) const;
    // One side's visible groups and splitters inside its rectangle.
    void LayGroups(int side, Rect sideRect, const TabLength& tabLength, LayoutGeometry& out) const;
    // One group's caption, buttons, tabs and content.
    GroupGeometry LayGroup(int side, int groupIndex, Rect rect, const TabLength& tabLength) const;
    // The slid-out auto-hide pane over the centre, next to its strip.
    void LaySlideOut(Rect inner, LayoutGeometry& out) const;

    DockMetrics metrics_;
    SideState sides_[4];
    std::vector<Pane> panes_;
    int slidOut_ = 0;
};

} // namespace hexmoor::fw
