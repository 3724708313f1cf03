#pragma once
// The "Color Adjustment" docking pane: the adjustment dialog in a panel,
// asked to settle a pending adjustment whenever the pane is shown or hidden.
// It adjusts the elements of the default and custom trees through their
// adjustment links; the grid's row selections and colour choices reach it
// through the links' colour-adjustment listener. The pane starts hidden, so
// the dialog is made when the panel first shows on screen (or when it is
// asked for), not at start-up.

#include <functional>
#include <memory>
#include <vector>

#include "editor/links/link_env.h"
#include "editor/imaging/color_adjust_pane.h"
#include "editor/shell/color_adjust/adjust_links.h"
#include "editor/shell/panes/panels.h"
#include "framework/services.h"

namespace hexmoor::shell {

class CShellAdjustHost : public preview::AdjustHost {
public:
    explicit CShellAdjustHost(fw::MessageBoxService& messages) : messages_(messages) {}
    std::vector<preview::AdjustLink*> Links() override { return links_.Links(); }
    // The view of the grid's current link (the selected item's).
    preview::AdjustLink* CurrentLink() override;
    void RefreshSkinnedWindows(WORD type) override;
    void InvalidateGrid() override;
    void SetModified() override;
    // The options page shows the adjusted image when it shows that element.
    void ShowAdjustedImage(preview::AdjustLink& link, WORD id, CMrgBitmap* image) override;
    void SetTreesAdjustMode(bool on) override;
    bool AskKeepChanges() override;
    // The trees that show the adjustment marks.
    void SetTrees(std::vector<CPanelTree*> trees);
    const std::vector<CPanelTree*>& Trees() const { return trees_; }
    // Trees without panels (tests, tools).
    void SetElementTrees(std::vector<const ElementTree*> trees) { links_.SetTrees(std::move(trees)); }
    // The skin is replaced or reset: the links let go of their elements.
    void DetachLinks() { links_.DetachAll(); }
    // The pane was hidden: the next adjustment starts from the elements'
    // values as they are then.
    void EndSession() { links_.EndSession(); }
    // The grid edited the element: its link keeps the edited values as the
    // unadjusted ones.
    void ElementEdited(const CTwfObj* element) {
        for (ElementAdjustLink* link : links_.LinksOfObject(element)) link->RenewSnapshot();
    }
    AdjustLinkSet& LinkSet() { return links_; }

private:
    fw::MessageBoxService& messages_;
    AdjustLinkSet links_;
    std::vector<CPanelTree*> trees_;
};

// What the element links and the grid tell the adjustment: row selections,
// colour choices, the end of an adjustment and the work copy of the image.
class AdjustListener : public links::ColorAdjustListener {
public:
    AdjustListener(preview::ColorAdjuster& adjuster, CShellAdjustHost& host) : adjuster_(adjuster), host_(host) {}
    void FinishAdjustment() override { adjuster_.FinishAdjustment(); }
    void TrackSelectedProperty(WORD id, int kind, int flag) override;
    void SetCurrentColor(COLORREF color) override { adjuster_.SetCurrentColor(color); }
    CMrgBitmap* WorkBitmap() override { return adjuster_.GetWorkBitmap(); }
    void ElementEdited(const CTwfObj* element) override { host_.ElementEdited(element); }

private:
    preview::ColorAdjuster& adjuster_;
    CShellAdjustHost& host_;
};

class CPanelColorAdjustment : public CPanelBase {
public:
    explicit CPanelColorAdjustment(fw::MessageBoxService& messages);
    ~CPanelColorAdjustment() override;
    // The dialog, made first if it does not exist yet.
    preview::ColorAdjustPane& Pane();
    // The default and custom trees: they show the adjustment marks while
    // this pane shows, and follow an adjustment of one control.
    void SetTrees(std::vector<CPanelTree*> trees);
    // Before the skin is replaced or reset.
    void SkinChanging();

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnDestroy() override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnShownChanged(bool shown) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // Makes the dialog over the panel's client area once.
    void EnsurePane();

    CShellAdjustHost host_;
    std::unique_ptr<preview::ColorAdjustPane> pane_;
    std::unique_ptr<AdjustListener> listener_;
};

} // namespace hexmoor::shell
