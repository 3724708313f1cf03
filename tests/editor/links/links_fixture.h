#pragma once
// A window-free setting for link tests: a grid model, a properties pane that
// records what it is asked, a modified flag and a preview counter, installed
// in the process-wide link environment for the test's time.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "editor/links/grid_model.h"
#include "editor/links/item_link.h"
#include "editor/links/link_env.h"
#include "model/platform/image.h"

namespace links_test {

using namespace hexmoor::links;

class FakeHost : public PageHost {
public:
    void SetCaption(const std::wstring& text) override {
        caption = text;
        ++calls;
    }
    bool IsStateButtonVisible(int state) const override { return state >= 0 && state < 5 && visible[state]; }
    void SetStateButtonVisible(int state, bool v) override {
        visible[state] = v;
        ++calls;
    }
    int CheckedState() const override { return checked; }
    void CheckState(int state) override {
        checked = state;
        ++calls;
    }
    void ShowPage(bool show) override {
        pageShown = show;
        ++calls;
    }
    void FocusTree(bool preferImagePage) override { treeFocused.push_back(preferImagePage); }
    void FocusGrid() override { ++gridFocused; }
    void SelectNextState(bool forward) override { stateSteps.push_back(forward); }
    std::vector<bool> treeFocused;
    int gridFocused = 0;
    std::vector<bool> stateSteps;
    std::wstring caption;
    bool visible[5] = {true, true, true, true, true};
    int checked = 0;
    bool pageShown = true;
    int calls = 0;
};

class CountingPreview : public PreviewSink {
public:
    void RefreshPreview() override { ++refreshes; }
    void RefreshSkinnedWindows(WORD type) override { refreshedTypes.push_back(type); }
    int refreshes = 0;
    std::vector<WORD> refreshedTypes;
};

class LinksTest : public ::testing::Test {
protected:
    void SetUp() override {
        saved_ = Links();
        Links() = LinkEnv{};
        Links().grid = &grid;
        Links().host = &host;
        Links().modified = &modified;
        Links().preview = &preview;
    }
    void TearDown() override { Links() = saved_; }

    // Makes the link current and fills its page as a tree selection does.
    BOOL Show(CItemLinkObj& link, int state) {
        Links().current = &link;
        host.CheckState(state);
        return link.FillPropertyPage(state | kFirstShowFlag, nullptr);
    }
    // Shows the page in each of the five states, opens every group and
    // commits every row (running Fill all states on it too, with fillAll),
    // as a designer walking the whole page would; each commit must succeed.
    void CommitEveryRowOfEveryState(CItemLinkObj& link, const std::string& name, bool fillAll) {
        for (int s = 0; s < 5; ++s) {
            Show(link, s);
            for (int i = 0; i < grid.Count(); ++i)
                if (grid.Item(i)->IsExpandable()) grid.ExpandItem(i, true);
            for (int i = 0; i < grid.Count(); ++i) {
                grid.SetSelectedIndex(i);
                EXPECT_EQ(link.CommitEditedValues(&grid), 1) << name << " state " << s;
                if (fillAll) link.FillAllStates(grid.Item(i));
            }
        }
    }
    std::vector<std::wstring> Labels() const {
        std::vector<std::wstring> labels;
        for (int i = 0; i < grid.Count(); ++i) labels.push_back(grid.Item(i)->Label());
        return labels;
    }

    PropertyGridModel grid;
    FakeHost host;
    bool modified = false;
    CountingPreview preview;

private:
    LinkEnv saved_;
};

inline MrgBitmapPtr TestImage(int width, int height, std::uint32_t argb = 0xFF336699u) {
    hexmoor::platform::ImagePixels pixels;
    pixels.width = width;
    pixels.height = height;
    pixels.argb.assign(static_cast<size_t>(width) * height, argb);
    return std::make_shared<CMrgBitmap>(hexmoor::platform::CreateBitmapFromPixels(pixels), MrgBitmapParams{});
}

} // namespace links_test
