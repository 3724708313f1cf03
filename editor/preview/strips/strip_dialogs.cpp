#include "editor/preview/strips/strip_dialogs.h"

#include "editor/preview/view/skinned_windows.h"
#include "resources/strip_samples_ids.h"

namespace hexmoor::preview {

namespace {
SampleTraits StripTraits(SampleId id) {
    SampleTraits t;
    t.id = id;
    t.templateId = IDD_STRIP_SAMPLE;
    t.dropClose = false;
    return t;
}
} // namespace

CStripDlg::CStripDlg() : CSampleDialog(StripTraits(SampleId::kStripMenu)) {}

bool CStripDlg::CreateSample(HWND parent) {
    if (!CSampleDialog::CreateSample(parent)) return false;
    RECT client{};
    GetClientRect(Handle(), &client);
    menu_.CreateStrip(Handle(), IDC_STRIP_MENU, client);
    return true;
}

LRESULT CStripDlg::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SHOWWINDOW) SwitchSkinOff(menu_.Handle());
    return CSampleDialog::WindowProc(msg, wp, lp);
}

CStripDlg2::CStripDlg2() : CSampleDialog(StripTraits(SampleId::kStripTool)) {}

bool CStripDlg2::CreateSample(HWND parent) {
    if (!CSampleDialog::CreateSample(parent)) return false;
    RECT client{};
    GetClientRect(Handle(), &client);
    status_.CreateStrip(Handle(), IDC_STRIP_STATUS, {client.left, client.bottom - 44, client.right, client.bottom});
    tool_.CreateStrip(Handle(), IDC_STRIP_TOOL, {client.left, client.top, client.right, 123});
    return true;
}

LRESULT CStripDlg2::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_SHOWWINDOW) {
        SwitchSkinOff(status_.Handle());
        SwitchSkinOff(tool_.Handle());
    }
    return CSampleDialog::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::preview
