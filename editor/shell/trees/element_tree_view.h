#pragma once
// The tree view window of a tree pane, bound to the control: it paints
// through a buffer, and takes clicks on the default tree's check boxes
// (and Space) and on the colour-adjustment marks before the control does.
//
// It is bound through the framework's own window table rather than the
// common controls' subclassing, which looks a window property up on every
// message the tree gets (a server round trip under Wine): filling a tree
// sends several messages per item.

#include <windows.h>

#include "framework/buffered_paint.h"

namespace hexmoor::shell {

class CPanelTree;
class ElementTree;

class CElementTreeView : public fw::BufferedPaintWindow {
public:
    // Check boxes: a click on a box or Space toggles it and the element
    // takes the check; the model must outlive the window's binding.
    void WatchCheckBoxes(ElementTree* model) { checks_ = model; }
    // Left clicks on the colour-adjustment marks switch the item's branch
    // and leave the selection where it was.
    void WatchMarkClicks(CPanelTree* panel) { marks_ = panel; }

    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    // Enter: the property grid takes the focus with its first row selected
    // (the key goes on to the tree). Ctrl+Tab: the grid takes the focus;
    // Ctrl+Shift+Tab: the image options page. Both are consumed.
    bool PreTranslateMessage(MSG& msg) override;

private:
    // Every message after the check boxes have had theirs.
    LRESULT AfterCheckBoxes(UINT msg, WPARAM wp, LPARAM lp);

    ElementTree* checks_ = nullptr;
    CPanelTree* marks_ = nullptr;
};

} // namespace hexmoor::shell
