#include "framework/docking/dock_layout.h"

#include <gtest/gtest.h>

using namespace hexmoor::fw;
using hexmoor::Rect;

namespace {

enum { kTrees = 1, kCustom = 2, kUser = 3, kZoom = 4, kHsl = 5, kProps = 6, kOpts = 7 };

// The editor's arrangement: three trees as tabs over the zoomer on the left;
// colour adjustment, properties and options on the right.
DockLayout EditorLayout() {
    DockLayout l;
    l.AddPane(kTrees, DockSide::Left, 250, 600);
    l.AddPane(kCustom, DockSide::Left, 250, 600);
    l.AddPane(kUser, DockSide::Left, 250, 600);
    l.AddTab(kCustom, kTrees);
    l.AddTab(kUser, kTrees);
    l.AddPane(kZoom, DockSide::Left, 250, 250, true);
    l.AddPane(kHsl, DockSide::Right, 255, 250);
    l.AddPane(kProps, DockSide::Right, 255, 250);
    l.AddPane(kOpts, DockSide::Right, 255, 250);
    return l;
}

const Rect kArea{0, 0, 1000, 800};

const GroupGeometry* GroupOf(const LayoutGeometry& g, int pane) {
    for (const auto& gr : g.groups) {
        if (gr.activePane == pane) return &gr;
        for (const auto& t : gr.tabs)
            if (t.first == pane) return &gr;
    }
    return nullptr;
}

int Fixed(int) { return 60; }

} // namespace

TEST(DockLayout, EditorArrangementPutsEachPaneInItsPlace) {
    DockLayout l = EditorLayout();
    LayoutGeometry g = l.Compute(kArea, &Fixed);
    ASSERT_EQ(g.groups.size(), 5u);
    const GroupGeometry* trees = GroupOf(g, kTrees);
    const GroupGeometry* zoom = GroupOf(g, kZoom);
    ASSERT_TRUE(trees && zoom);
    EXPECT_EQ(trees, GroupOf(g, kUser));
    EXPECT_EQ(trees->tabs.size(), 3u);
    EXPECT_EQ(trees->activePane, kTrees);
    EXPECT_EQ(trees->side, DockSide::Left);
    EXPECT_LT(trees->rect.bottom, zoom->rect.top);
    // Heights in proportion 600 : 250 along the side.
    EXPECT_NEAR(double(trees->rect.Height()) / zoom->rect.Height(), 600.0 / 250.0, 0.05);
    const GroupGeometry* hsl = GroupOf(g, kHsl);
    const GroupGeometry* props = GroupOf(g, kProps);
    const GroupGeometry* opts = GroupOf(g, kOpts);
    ASSERT_TRUE(hsl && props && opts);
    EXPECT_LT(hsl->rect.bottom, props->rect.top);
    EXPECT_LT(props->rect.bottom, opts->rect.top);
    EXPECT_EQ(props->rect.right, kArea.right);
    EXPECT_EQ(trees->rect.left, kArea.left);
    EXPECT_EQ(trees->rect.Width(), 250);
    EXPECT_EQ(props->rect.Width(), 255);
    EXPECT_EQ(g.center.left, 254);
    EXPECT_EQ(g.center.right, 1000 - 259);
    // One splitter at each side's inner edge, one between each pair of groups.
    EXPECT_EQ(g.splitters.size(), 2u + 1u + 2u);
}

TEST(DockLayout, HidingPanesGivesTheirRoomToTheRestAndShowingBringsThemBack) {
    DockLayout l = EditorLayout();
    l.Show(kHsl, false);
    l.Show(kOpts, false);
    LayoutGeometry g = l.Compute(kArea, &Fixed);
    const GroupGeometry* props = GroupOf(g, kProps);
    ASSERT_TRUE(props);
    EXPECT_EQ(props->rect.top, 0);
    EXPECT_EQ(props->rect.bottom, 800);
    // A tab group shows its tabs only while two or more panes are visible.
    l.Show(kCustom, false);
    l.Show(kUser, false);
    g = l.Compute(kArea, &Fixed);
    EXPECT_TRUE(GroupOf(g, kTrees)->tabs.empty());
    // Nothing left on the right: the centre reaches the edge.
    l.Show(kProps, false);
    g = l.Compute(kArea, &Fixed);
    EXPECT_EQ(g.center.right, 1000);
    l.Show(kOpts, true);
    g = l.Compute(kArea, &Fixed);
    EXPECT_EQ(GroupOf(g, kOpts)->rect.right, 1000);
}

TEST(DockLayout, ShowingAHiddenTabMakesItTheFrontTab) {
    DockLayout l = EditorLayout();
    l.Show(kUser, false);
    l.Show(kUser, true);
    EXPECT_EQ(l.ActiveInGroupOf(kTrees), kUser);
    l.Show(kUser, false);
    EXPECT_EQ(l.ActiveInGroupOf(kTrees), kTrees);
}

TEST(DockLayout, SplittersMoveWithinLimits) {
    DockLayout l = EditorLayout();
    LayoutGeometry g = l.Compute(kArea, nullptr);
    SplitterGeometry leftEdge{}, between{};
    for (const auto& s : g.splitters) {
        if (s.side == DockSide::Left && s.groupIndex < 0) leftEdge = s;
        if (s.side == DockSide::Left && s.groupIndex == 0) between = s;
    }
    l.MoveSplitter(leftEdge, 50, kArea);
    EXPECT_EQ(GroupOf(l.Compute(kArea, nullptr), kTrees)->rect.Width(), 300);
    l.MoveSplitter(leftEdge, -1000, kArea);
    EXPECT_EQ(GroupOf(l.Compute(kArea, nullptr), kTrees)->rect.Width(), l.Metrics().minBreadth);
    int before = GroupOf(l.Compute(kArea, nullptr), kZoom)->rect.Height();
    l.MoveSplitter(between, 30, kArea);
    g = l.Compute(kArea, nullptr);
    EXPECT_EQ(GroupOf(g, kZoom)->rect.Height(), before - 30);
    l.MoveSplitter(between, 5000, kArea);
    g = l.Compute(kArea, nullptr);
    EXPECT_EQ(GroupOf(g, kZoom)->rect.Height(), l.Metrics().minExtent);
}

TEST(DockLayout, FloatedPaneDocksBackIntoItsGroup) {
    DockLayout l = EditorLayout();
    l.Float(kCustom, {100, 100, 400, 500});
    EXPECT_EQ(l.Mode(kCustom), PaneMode::Floating);
    EXPECT_EQ(GroupOf(l.Compute(kArea, &Fixed), kTrees)->tabs.size(), 2u);
    l.DockHome(kCustom);
    EXPECT_EQ(l.Mode(kCustom), PaneMode::Docked);
    EXPECT_EQ(GroupOf(l.Compute(kArea, &Fixed), kTrees)->tabs.size(), 3u);
    // A pane alone in its group comes back to the same place on its side.
    l.Float(kProps, {0, 0, 200, 200});
    l.DockHome(kProps);
    LayoutGeometry g = l.Compute(kArea, &Fixed);
    EXPECT_LT(GroupOf(g, kHsl)->rect.bottom, GroupOf(g, kProps)->rect.top);
    EXPECT_LT(GroupOf(g, kProps)->rect.bottom, GroupOf(g, kOpts)->rect.top);
}

TEST(DockLayout, DropTargetsFollowTheCursor) {
    DockLayout l = EditorLayout();
    LayoutGeometry g = l.Compute(kArea, nullptr);
    const GroupGeometry* props = GroupOf(g, kProps);
    DockTarget tab = l.HitTest(kArea, {props->rect.left + 30, props->rect.top + 5});
    EXPECT_EQ(tab.kind, DockTarget::Kind::Tab);
    DockTarget below = l.HitTest(kArea, {props->rect.left + 30, props->rect.bottom - 5});
    EXPECT_EQ(below.kind, DockTarget::Kind::Below);
    DockTarget none = l.HitTest(kArea, {500, 400});
    EXPECT_EQ(none.kind, DockTarget::Kind::None);
    l.Float(kOpts, {});
    l.DockAt(kOpts, tab);
    EXPECT_EQ(l.ActiveInGroupOf(kProps), kOpts);
    EXPECT_EQ(l.GroupMates(kProps).size(), 2u);
}

TEST(DockLayout, AutoHiddenPaneLeavesAStripAndSlidesOutOverTheCentre) {
    DockLayout l = EditorLayout();
    l.SetAutoHide(kProps, true); // not allowed for this pane
    EXPECT_EQ(l.Mode(kProps), PaneMode::Docked);
    l.SetAutoHide(kZoom, true);
    EXPECT_EQ(l.Mode(kZoom), PaneMode::AutoHidden);
    LayoutGeometry g = l.Compute(kArea, &Fixed);
    ASSERT_EQ(g.autoHideTabs.size(), 1u);
    EXPECT_EQ(g.autoHideTabs[0].rect.left, 0);
    EXPECT_EQ(GroupOf(g, kTrees)->rect.left, l.Metrics().strip);
    EXPECT_EQ(GroupOf(g, kTrees)->rect.bottom, 800);
    EXPECT_TRUE(g.slideOut.IsEmpty());
    l.SlideOut(kZoom);
    g = l.Compute(kArea, &Fixed);
    EXPECT_EQ(g.slidOutPane, kZoom);
    EXPECT_EQ(g.slideOut.left, l.Metrics().strip);
    EXPECT_EQ(g.slideOut.Width(), 250);
    l.SetAutoHide(kZoom, false);
    g = l.Compute(kArea, &Fixed);
    EXPECT_TRUE(g.autoHideTabs.empty());
    EXPECT_TRUE(GroupOf(g, kZoom));
}

TEST(DockLayout, SavedStateRoundTripsAndBadStatesAreRefused) {
    DockLayout a = EditorLayout();
    a.Show(kHsl, false);
    a.Float(kOpts, {10, 20, 300, 400});
    a.SetAutoHide(kZoom, true);
    std::wstring saved = a.Save();
    DockLayout b = EditorLayout();
    ASSERT_TRUE(b.Load(saved));
    EXPECT_EQ(b.Save(), saved);
    EXPECT_FALSE(b.IsVisible(kHsl));
    EXPECT_EQ(b.Mode(kOpts), PaneMode::Floating);
    EXPECT_EQ(b.FloatRect(kOpts), (Rect{10, 20, 300, 400}));
    EXPECT_EQ(b.Mode(kZoom), PaneMode::AutoHidden);

    DockLayout c = EditorLayout();
    const std::wstring before = c.Save();
    std::wstring unknownPane = saved;
    unknownPane.replace(unknownPane.find(L" pane 6 "), 8, L" pane 66 ");
    const std::wstring bad[] = {
        L"",
        L"dock2",
        L"dock1 side 0",
        saved.substr(0, saved.size() / 2),
        unknownPane,
        L"dock1 side 0 250 1 group 600 1 2 1 1 side 1 0 0 side 2 0 0 side 3 0 0", // one pane twice
        L"dock1 side 0 99999999 0 side 1 0 0 side 2 0 0 side 3 0 0",
    };
    for (const auto& text : bad) {
        EXPECT_FALSE(c.Load(text)) << std::string(text.begin(), text.end());
        EXPECT_EQ(c.Save(), before);
    }
}

TEST(DockLayout, DropHintCoversWhereThePaneWouldGo) {
    DockLayout l = EditorLayout();
    LayoutGeometry g = l.Compute(kArea, nullptr);
    const GroupGeometry* props = GroupOf(g, kProps);
    DockTarget tab{DockTarget::Kind::Tab, DockSide::Right, props->groupIndex};
    EXPECT_EQ(l.TargetRect(kArea, tab), props->rect);
    DockTarget below{DockTarget::Kind::Below, DockSide::Right, props->groupIndex};
    Rect lower = l.TargetRect(kArea, below);
    EXPECT_EQ(lower.bottom, props->rect.bottom);
    EXPECT_EQ(lower.top, (props->rect.top + props->rect.bottom) / 2);
    DockTarget edge{DockTarget::Kind::SideEdge, DockSide::Bottom, 0};
    EXPECT_EQ(l.TargetRect(kArea, edge), (Rect{0, 800 - 250, 1000, 800})); // an empty side's default breadth
    EXPECT_TRUE(l.TargetRect(kArea, DockTarget{}).IsEmpty());
}
