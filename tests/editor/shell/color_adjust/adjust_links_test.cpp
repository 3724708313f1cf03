// The colour adjustment on the elements of real element trees (in memory)
// and a skin of the test's own: which elements a whole-skin adjustment takes
// in by their items' marks, what undoing gives back, the per-control mode,
// and how the links follow the trees and the skin.
#include "editor/shell/color_adjust/adjust_links.h"
#include "editor/shell/color_adjust/color_adjust_panel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <set>
#include <vector>

#include "model/element_types.h"
#include "model/elements/wnd_frame.h"
#include "model/gdiplus_init.h"
#include "model/platform/image.h"
#include "model/twf_skin.h"
#include "tests/editor/adjust_fakes.h"

namespace hexmoor::shell {
namespace {

using platform::ImagePixels;
using preview::AdjustState;
using preview::ColorAdjuster;
using preview::PropertyKind;

constexpr UINT kAddButton = 32823;
constexpr COLORREF kRed = RGB(200, 0, 0), kGreen = RGB(0, 160, 40);

// The ids each element's page shows: an image and two colours (a frame
// side's link takes its side's images and no colours: its two colours are
// never adjusted).
struct PageIds {
    WORD image, color, otherColor;
};
constexpr PageIds kButtonIds{22, 23, 25};
constexpr PageIds kMenuIds{437, 438, 440};
constexpr PageIds kSideIds{0, 900, 901};

ImagePixels Picture() {
    ImagePixels p{4, 3, std::vector<std::uint32_t>(12, 0xFF808080)};
    p.argb[5] = 0xFF204060;
    return p;
}

std::unique_ptr<CMrgBitmap> Bitmap(const ImagePixels& pixels) {
    MrgBitmapParams params;
    params.left = 1;
    params.drawMode = 1;
    return std::make_unique<CMrgBitmap>(platform::CreateBitmapFromPixels(pixels), params);
}

ImagePixels PixelsOf(const CTwfObj& obj, WORD id) {
    ImagePixels pixels;
    if (const CMrgBitmap* image = obj.GetImage(id)) image->ReadPixels(&pixels);
    return pixels;
}

// Every colour channel of every pixel within one unit.
bool Near(const ImagePixels& a, const ImagePixels& b) {
    if (a.width != b.width || a.height != b.height || a.argb.size() != b.argb.size()) return false;
    for (size_t i = 0; i < a.argb.size(); ++i)
        for (int s = 0; s < 24; s += 8)
            if (std::abs(static_cast<int>((a.argb[i] >> s) & 0xFF) - static_cast<int>((b.argb[i] >> s) & 0xFF)) > 1)
                return false;
    return true;
}

// The editor around the adjustment, with the trees' links.
class TreeHost : public preview::FakeHost {
public:
    explicit TreeHost(AdjustLinkSet& set) : set_(set) {}
    std::vector<preview::AdjustLink*> Links() override { return set_.Links(); }
    preview::AdjustLink* CurrentLink() override { return selected ? set_.LinkOf(selectedTree, selected) : nullptr; }
    const ElementTree* selectedTree = nullptr;
    TreeHandle selected = nullptr;

private:
    AdjustLinkSet& set_;
};

class AdjustLinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus.IsStarted());
        skin.InitNewSkin(L"Default");
        customButton = custom.AddCustomControl(custom.Root(), kAddButton);
        ASSERT_NE(customButton, nullptr);
        set.SetTrees({&defaults, &custom});
        // Everything in, but the default menu out and the custom button locked.
        defaults.SetMarkRecursive(defaults.Root(), 0, false);
        custom.SetMarkRecursive(custom.Root(), 0, false);
        defaults.SetMarkRecursive(Item(defaults, kElemMenu), 1, false);
        custom.ToggleLock(customButton);
        for (CTwfObj* obj : {Button(), Menu(), CustomButton(), TopSide()}) {
            ASSERT_NE(obj, nullptr);
            const PageIds ids = IdsOf(obj);
            obj->PutImage(ids.image, Bitmap(original));
            obj->SetColor(ids.color, kRed);
            obj->SetColor(ids.otherColor, kGreen);
        }
    }
    PageIds IdsOf(const CTwfObj* obj) {
        if (obj == TopSide()) return kSideIds;
        return obj == Menu() ? kMenuIds : kButtonIds;
    }
    TreeHandle Item(const ElementTree& tree, WORD type, int kind = -1) const {
        for (TreeHandle item : tree.Items())
            if (tree.TypeOf(item) == type && (kind < 0 || tree.KeyOf(item).kind == kind)) return item;
        return nullptr;
    }
    CTwfObj* Button() { return skin.FindObject(kElemButton, L"Default"); }
    CTwfObj* Menu() { return skin.FindObject(kElemMenu, L"Default"); }
    CTwfObj* CustomButton() { return skin.FindObject(custom.TypeOf(customButton), custom.SchemeOf(customButton)); }
    CTwfObj* TopSide() {
        auto* frame = dynamic_cast<CTwfWndFrame*>(skin.FindObject(kElemWndFrame, L"Default"));
        return frame ? frame->GetTopSide() : nullptr;
    }
    bool Untouched(CTwfObj* obj) {
        const PageIds ids = IdsOf(obj);
        return Near(PixelsOf(*obj, ids.image), original) && obj->GetColor(ids.color) == kRed &&
               obj->GetColor(ids.otherColor) == kGreen;
    }

    CGdiPlusInit gdiplus;
    const ImagePixels original = Picture();
    CTwfSkin skin;
    MemoryTree defaultStore, customStore;
    ElementTree defaults{defaultStore, 0, [this] { return &skin; }};
    ElementTree custom{customStore, 1, [this] { return &skin; }};
    TreeHandle customButton = nullptr;
    AdjustLinkSet set;
    TreeHost host{set};
};

TEST_F(AdjustLinksTest, WholeSkinAdjustsIncludedElementsAndUndoGivesEveryValueBack) {
    ColorAdjuster adjuster(host);
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));
    // Included: the default button, images and colours alike, and the
    // frame's top side (through its side item's link), its images.
    for (CTwfObj* obj : {Button(), TopSide()}) {
        const PageIds ids = IdsOf(obj);
        EXPECT_FALSE(Near(PixelsOf(*obj, ids.image), original));
        EXPECT_EQ(obj->GetImage(ids.image)->GetLeft(), 1);
    }
    EXPECT_NE(Button()->GetColor(kButtonIds.color), kRed);
    EXPECT_NE(Button()->GetColor(kButtonIds.otherColor), kGreen);
    // Left out and locked.
    EXPECT_TRUE(Untouched(Menu()));
    EXPECT_TRUE(Untouched(CustomButton()));

    // A second move recomputes from the unadjusted values, and undoing it
    // gives everything back.
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(-60, 20, 10, 100)));
    adjuster.Restore();
    for (CTwfObj* obj : {Button(), TopSide(), Menu(), CustomButton()}) EXPECT_TRUE(Untouched(obj));
}

TEST_F(AdjustLinksTest, PerControlModeAdjustsOnlyTheSelectedElementsTrackedProperty) {
    ColorAdjuster adjuster(host);
    adjuster.SetEditControl(true);
    host.selectedTree = &defaults;
    host.selected = Item(defaults, kElemButton);
    adjuster.TrackSelectedProperty(kButtonIds.color, PropertyKind::Color, false);
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));
    EXPECT_NE(Button()->GetColor(kButtonIds.color), kRed);
    EXPECT_EQ(Button()->GetColor(kButtonIds.otherColor), kGreen);
    EXPECT_TRUE(Near(PixelsOf(*Button(), kButtonIds.image), original));
    for (CTwfObj* obj : {TopSide(), Menu(), CustomButton()}) EXPECT_TRUE(Untouched(obj));
    adjuster.Restore();
    EXPECT_TRUE(Untouched(Button()));

    // A locked item's element is never adjusted, even when selected.
    host.selectedTree = &custom;
    host.selected = customButton;
    adjuster.TrackSelectedProperty(kButtonIds.image, PropertyKind::Image, false);
    EXPECT_FALSE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));
    EXPECT_TRUE(Untouched(CustomButton()));

    // The tracked element's item is deleted while another stays selected:
    // nothing is written to the element that went away, nor to the other.
    custom.ToggleLock(customButton);
    adjuster.TrackSelectedProperty(kButtonIds.color, PropertyKind::Color, false);
    ASSERT_EQ(adjuster.TrackedLink(), set.LinkOf(&custom, customButton));
    ASSERT_TRUE(custom.Delete(customButton));
    host.selectedTree = &defaults;
    host.selected = Item(defaults, kElemButton);
    EXPECT_FALSE(adjuster.ApplyHSL(HSLValues(60, 0, 0, 100)));
    EXPECT_TRUE(Untouched(Button()));
}

TEST_F(AdjustLinksTest, LinksFollowTheTreesMarksItemsAndSkin) {
    std::vector<preview::AdjustLink*> links = set.Links();
    // Each item's link once, in tree order: the default tree's first, each
    // frame side with a link of its own; items without a page have none.
    std::vector<CTwfObj*> objects;
    for (preview::AdjustLink* link : links) objects.push_back(link->GetTwfObj());
    auto at = [&](CTwfObj* obj) { return std::find(objects.begin(), objects.end(), obj) - objects.begin(); };
    ASSERT_LT(at(TopSide()), static_cast<long>(objects.size()));
    EXPECT_LT(at(TopSide()), at(Button()));
    EXPECT_LT(at(Button()), at(CustomButton()));
    EXPECT_EQ(std::set<preview::AdjustLink*>(links.begin(), links.end()).size(), links.size());
    // Every element kind has its page now; a group node edits nothing.
    ASSERT_NE(defaults.Find(L"Controls"), nullptr);
    EXPECT_EQ(set.LinkOf(&defaults, defaults.Find(L"Controls")), nullptr);
    // The views borrow the trees' links: the snapshot is the link's own.
    EXPECT_EQ(&set.LinkOf(&defaults, Item(defaults, kElemButton))->GetSnapshot(),
              &defaults.LinkOf(Item(defaults, kElemButton))->GetSnapshot());

    preview::AdjustLink* button = set.LinkOf(&defaults, Item(defaults, kElemButton));
    preview::AdjustLink* locked = set.LinkOf(&custom, customButton);
    ASSERT_NE(button, nullptr);
    ASSERT_NE(locked, nullptr);
    EXPECT_EQ(button->GetAdjustState(), AdjustState::Included);
    EXPECT_EQ(locked->GetAdjustState(), AdjustState::Locked);
    EXPECT_EQ(set.LinkOf(&defaults, Item(defaults, kElemMenu))->GetAdjustState(), AdjustState::Excluded);
    // The mark is read live from the tree.
    custom.ToggleLock(customButton);
    EXPECT_EQ(locked->GetAdjustState(), AdjustState::Included);

    // The snapshot is the one taken when the link was first handed out,
    // until it is renewed.
    Button()->SetColor(kButtonIds.color, kGreen);
    EXPECT_EQ(set.Links(), links);
    ASSERT_FALSE(button->GetSnapshot().colors.empty());
    auto colorIn = [](const preview::AdjustSnapshot& s, WORD id) {
        for (const auto& [i, c] : s.colors)
            if (i == id) return c;
        return COLORREF{0xFFFFFFFE};
    };
    EXPECT_EQ(colorIn(button->GetSnapshot(), kButtonIds.color), kRed);
    button->RenewSnapshot();
    EXPECT_EQ(colorIn(button->GetSnapshot(), kButtonIds.color), kGreen);
    // An edit between two sessions is what the next session starts from.
    Button()->SetColor(kButtonIds.color, RGB(1, 2, 3));
    set.EndSession();
    EXPECT_EQ(set.Links(), links);
    EXPECT_EQ(colorIn(button->GetSnapshot(), kButtonIds.color), RGB(1, 2, 3));

    // A removed item's link lets go of its element (a pointer kept to it
    // stays valid) and leaves the list.
    ASSERT_TRUE(custom.Delete(customButton));
    links = set.Links();
    EXPECT_EQ(std::find(links.begin(), links.end(), locked), links.end());
    EXPECT_EQ(locked->GetTwfObj(), nullptr);
    EXPECT_EQ(locked->GetAdjustState(), AdjustState::Excluded);
    EXPECT_TRUE(locked->GetSnapshot().images.empty());

    // A replaced skin: the snapshots go with the old elements.
    set.DetachAll();
    Button()->SetColor(kButtonIds.color, kRed);
    button = set.LinkOf(&defaults, Item(defaults, kElemButton));
    EXPECT_EQ(colorIn(button->GetSnapshot(), kButtonIds.color), kRed);
}

// An edit the grid makes between two slider moves is what the next move
// starts from: the shell's host takes the element's unadjusted values again.
TEST_F(AdjustLinksTest, AGridEditBetweenAdjustmentsIsNotUndoneByTheNextOne) {
    struct NoMessages : fw::MessageBoxService {
        int Show(HWND, const std::wstring&, const std::wstring&, UINT) override { return IDNO; }
    } messages;
    CShellAdjustHost shell(messages);
    custom.ToggleLock(customButton);
    shell.SetElementTrees({&defaults, &custom});
    ColorAdjuster adjuster(shell);
    ASSERT_TRUE(adjuster.ApplyHSL(HSLValues(120, 0, 0, 100)));
    adjuster.Keep();
    const COLORREF kept = Button()->GetColor(kButtonIds.color);
    // The grid sets a colour and tells the adjustment, as its commits do.
    Button()->SetColor(kButtonIds.color, RGB(1, 2, 3));
    shell.ElementEdited(Button());
    adjuster.Restore();
    EXPECT_EQ(Button()->GetColor(kButtonIds.color), RGB(1, 2, 3));
    // Elements the grid did not touch go back to what was kept.
    EXPECT_EQ(CustomButton()->GetColor(kButtonIds.color), kept);
}

} // namespace
} // namespace hexmoor::shell
