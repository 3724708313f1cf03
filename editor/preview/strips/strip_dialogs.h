#pragma once
// The two .NET strip samples: the menu strip with its drop-down menus, and
// the tool strip over the status strip. The runtime skins the dialogs, but
// has no skinned strip: every showing and hiding switches it off for the
// strip windows, whose own paint then shows the strips from the skin.

#include "editor/preview/samples/sample_dialog.h"
#include "editor/preview/strips/strip_windows.h"

namespace hexmoor::preview {

class CStripDlg : public CSampleDialog {
public:
    CStripDlg();
    bool CreateSample(HWND parent) override;
    CStaticMenuStrip& MenuStrip() { return menu_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Fill() override {}

private:
    CStaticMenuStrip menu_;
};

class CStripDlg2 : public CSampleDialog {
public:
    CStripDlg2();
    bool CreateSample(HWND parent) override;
    CStaticStatusStrip& StatusStrip() { return status_; }
    CStaticToolStrip& ToolStrip() { return tool_; }

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    void Fill() override {}

private:
    CStaticStatusStrip status_;
    CStaticToolStrip tool_;
};

} // namespace hexmoor::preview
