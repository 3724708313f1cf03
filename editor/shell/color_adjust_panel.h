#pragma once
// The "Color Adjustment" docking pane: the adjustment dialog in a panel,
// asked to settle a pending adjustment whenever the pane is shown or hidden.
// The pane starts hidden, so the dialog is made when the panel first shows
// on screen (or when it is asked for), not at start-up.
// The element links, the property grid and the trees are reached through
// the shell's adjustment host; until they exist it adjusts no element.

#include <memory>

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
    void SetTreesAdjustMode(bool) override {}
    bool AskKeepChanges() override;

private:
    fw::MessageBoxService& messages_;
};

class CPanelColorAdjustment : public CPanelBase {
public:
    explicit CPanelColorAdjustment(fw::MessageBoxService& messages);
    // The dialog, made first if it does not exist yet.
    preview::ColorAdjustPane& Pane();

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Makes the dialog over the panel's client area once.
    void EnsurePane();

    CShellAdjustHost host_;
    std::unique_ptr<preview::ColorAdjustPane> pane_;
};

} // namespace hexmoor::shell
