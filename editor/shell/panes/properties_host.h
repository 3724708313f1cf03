#pragma once
// The properties pane as the element links see it (caption, state bar,
// page), and the editor-wide wiring of the links: the grid, the document-
// modified flag and the preview refresh.

#include <string>

#include "editor/links/link_env.h"

namespace hexmoor::shell {

class CPanelProperties;

class PropertiesHost : public links::PageHost {
public:
    explicit PropertiesHost(CPanelProperties& panel) : panel_(panel) {}
    void SetCaption(const std::wstring& text) override;
    bool IsStateButtonVisible(int state) const override;
    void SetStateButtonVisible(int state, bool visible) override;
    int CheckedState() const override;
    void CheckState(int state) override;
    void ShowPage(bool show) override;
    void HideOptionsPages() override;
    void FocusGrid() override;
    void FocusTree(bool preferImagePage) override;
    void SelectNextState(bool forward) override;

private:
    CPanelProperties& panel_;
};

// Until the preview issue, a refresh redraws the skinned windows.
class RuntimePreview : public links::PreviewSink {
public:
    void RefreshPreview() override;
    void RefreshSkinnedWindows(WORD elementType) override;
};

} // namespace hexmoor::shell
