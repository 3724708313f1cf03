#pragma once
// The sample MDI frame: a small MDI frame with menu bar, toolbar, status
// bar and MDI children, skinned like the other samples. Its menu makes
// further children and closes the active one; each new child is handed to
// the runtime on its own. It cannot be closed.

#include <windows.h>

#include <memory>
#include <vector>

#include "framework/mdi_frame.h"

namespace hexmoor::preview {

class CMDIFrameChild : public fw::MdiFrameWindow {
public:
    CMDIFrameChild();
    ~CMDIFrameChild() override;

    // Creates the frame hidden from resource 129 over `view`, with two
    // children, at (0, 0, 400, 400); the frame and its children skinned.
    bool CreateFramePreview(HWND view);
    // A new child (resource 128, a menu 129 of its own), skinned, 300 x 200
    // unless maximised; null when it could not be made.
    HWND CreateChild();
    HWND ToolBar() const { return toolbar_; }
    HWND StatusBar() const { return status_; }
    // Every child ever made (closed ones stay listed, their windows gone).
    std::size_t ChildrenMade() const { return children_.size(); }

protected:
    int OnCreateFrame(CREATESTRUCTW* cs) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void BindCommands();
    void UpdateToolBar();

    HWND toolbar_ = nullptr;
    HWND status_ = nullptr;
    std::vector<std::unique_ptr<fw::MdiChildWindow>> children_;
};

// The toolbar's buttons in order (0 a separator), and the status bar's
// indicator panes after its stretching first pane.
extern const unsigned kSampleToolbarButtons[8];

} // namespace hexmoor::preview
