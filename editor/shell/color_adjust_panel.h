#pragma once
// The "Color Adjustment" docking pane: the adjustment dialog in a panel,
// asked to settle a pending adjustment whenever the pane is shown or hidden.
// The element links, the property grid and the trees are reached through
// the shell's adjustment host; until they exist it adjusts no element.

#include <memory>
#include <vector>

#include "editor/preview/color_adjust_pane.h"
#include "editor/shell/panels.h"
#include "framework/services.h"

namespace hexmoor::shell {

class CShellAdjustHost : public preview::AdjustHost {
public:
    explicit CShellAdjustHost(fw::MessageBoxService& messages) : messages_(messages) {}
    std::vector<preview::AdjustLink*> Links() override { return {}; }
    preview::AdjustLink* CurrentLink() override { return nullptr; }
    void RefreshSkinnedWindows(WORD type) override;
    void InvalidateGrid() override {}
    void SetModified() override;
    void ShowAdjustedImage(preview::AdjustLink&, WORD, CMrgBitmap*) override {}
    void SetTreesAdjustMode(bool on) override;
    bool AskKeepChanges() override;
    // The trees that show the adjustment marks.
    void SetTrees(std::vector<CPanelTree*> trees) { trees_ = std::move(trees); }
    const std::vector<CPanelTree*>& Trees() const { return trees_; }

private:
    fw::MessageBoxService& messages_;
    std::vector<CPanelTree*> trees_;
};

class CPanelColorAdjustment : public CPanelBase {
public:
    explicit CPanelColorAdjustment(fw::MessageBoxService& messages);
    preview::ColorAdjustPane& Pane() { return *pane_; }
    // The default and custom trees: they show the adjustment marks while
    // this pane shows, and follow an adjustment of one control.
    void SetTrees(std::vector<CPanelTree*> trees);

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnShownChanged(bool shown) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CShellAdjustHost host_;
    std::unique_ptr<preview::ColorAdjustPane> pane_;
};

} // namespace hexmoor::shell
