#include "runtime/manager/factories.h"

#include <array>

#include "runtime/frame/alpha_window_layered.h"
#include "runtime/frame/mdi_skin_wnd.h"
#include "runtime/controls/check_box.h"
#include "runtime/controls/check_button.h"
#include "runtime/wnd/color_dialog.h"
#include "runtime/controls/group_box.h"
#include "runtime/controls/progress.h"
#include "runtime/controls/slider.h"
#include "runtime/controls/spin_ctrl.h"
#include "runtime/controls/static_icon.h"
#include "runtime/controls/static_text.h"
#include "runtime/controls/combo_box.h"
#include "runtime/controls/date_time.h"
#include "runtime/controls/month_cal.h"
#include "runtime/controls/edit.h"
#include "runtime/controls/list_box.h"
#include "runtime/controls/list_ctrl.h"
#include "runtime/controls/tree_ctrl.h"
#include "runtime/controls/popup_menu.h"
#include "runtime/controls/push_button.h"
#include "runtime/controls/scroll_bar_ctrl.h"
#include "runtime/controls/header_ctrl.h"
#include "runtime/controls/small_controls.h"
#include "runtime/controls/tab_ctrl.h"
#include "runtime/controls/status_bar.h"
#include "runtime/controls/tool_bar.h"
#include "runtime/logic/control_types.h"
#include "runtime/wnd/transparent_window.h"
#include "runtime/wnd/tw_dialog.h"

using namespace hexmoor::rt;

WORD ElementIdOfNewObject = 0;

namespace {

using Creator = std::unique_ptr<CTWWnd> (*)(HWND);

struct Kind {
    int code;
    WORD elementId;
    Creator create; // null: the kind's skinned class is not part of the runtime yet
};

std::unique_ptr<CTWWnd> MakePlain(HWND) { return std::make_unique<CTWWnd>(); }
std::unique_ptr<CTWWnd> MakeDialog(HWND hwnd) { return CreateDialogObject(IsChooseColorDialog(hwnd) ? 1 : 0); }
std::unique_ptr<CTWWnd> MakeTransparent(HWND) { return std::make_unique<CSTransparentWindow>(); }
std::unique_ptr<CTWWnd> MakeMdiClient(HWND) { return std::make_unique<CMDISkinWnd>(); }
std::unique_ptr<CTWWnd> MakeScrollBar(HWND) { return std::make_unique<CTWScrollBarCtrl>(); }
std::unique_ptr<CTWWnd> MakeButton(HWND) { return std::make_unique<CTWButton>(); }
std::unique_ptr<CTWWnd> MakeCheckBox(HWND) { return std::make_unique<CTWCheckBox>(); }
std::unique_ptr<CTWWnd> MakeRadio(HWND) { return std::make_unique<CTWRadio>(); }
std::unique_ptr<CTWWnd> MakeCheckButton(HWND) { return std::make_unique<CTWCheckButton>(); }
std::unique_ptr<CTWWnd> MakeListBox(HWND) { return std::make_unique<CTWListBox>(); }
std::unique_ptr<CTWWnd> MakeListView(HWND) { return std::make_unique<CTWListCtrl>(); }
std::unique_ptr<CTWWnd> MakeTree(HWND) { return std::make_unique<CTWTreeCtrl>(); }
std::unique_ptr<CTWWnd> MakeGroupBox(HWND) { return std::make_unique<CTWGroupBox>(); }
std::unique_ptr<CTWWnd> MakeStaticText(HWND) { return std::make_unique<CTWStaticText>(); }
std::unique_ptr<CTWWnd> MakeStaticIcon(HWND) { return std::make_unique<CTWStaticIcon>(); }
std::unique_ptr<CTWWnd> MakeSlider(HWND) { return std::make_unique<CTWSlider>(); }
std::unique_ptr<CTWWnd> MakeSpin(HWND) { return std::make_unique<CTWSpinCtrl>(); }
std::unique_ptr<CTWWnd> MakeProgress(HWND) { return std::make_unique<CTWProgress>(); }
std::unique_ptr<CTWWnd> MakeTab(HWND) { return std::make_unique<CTWTabCtrl>(); }
std::unique_ptr<CTWWnd> MakeHeader(HWND) { return std::make_unique<CTWHeader>(); }
std::unique_ptr<CTWWnd> MakeTip(HWND) { return std::make_unique<CTWToolTipCtrl>(); }
std::unique_ptr<CTWWnd> MakeSplit(HWND) { return std::make_unique<CTWSplitter>(); }
std::unique_ptr<CTWWnd> MakeGrip(HWND) { return std::make_unique<CTWGrip>(); }
std::unique_ptr<CTWWnd> MakeToolBar(HWND) { return std::make_unique<CTWToolBar>(); }
std::unique_ptr<CTWWnd> MakeStatusBar(HWND) { return std::make_unique<CTWStatus>(); }
std::unique_ptr<CTWWnd> MakeEdit(HWND) { return std::make_unique<CTWEdit>(); }
std::unique_ptr<CTWWnd> MakeRichEdit(HWND) { return std::make_unique<CTWRichEdit>(); }
std::unique_ptr<CTWWnd> MakeComboBox(HWND) { return std::make_unique<CTWComboBox>(); }
std::unique_ptr<CTWWnd> MakePopupMenu(HWND) { return std::make_unique<CTWMenu>(); }
std::unique_ptr<CTWWnd> MakeDateTime(HWND) { return std::make_unique<CTWDateTime>(); }
std::unique_ptr<CTWWnd> MakeMonthCal(HWND) { return std::make_unique<CTWMonthCal>(); }
std::unique_ptr<CTWWnd> MakeLayered(HWND) { return std::make_unique<CAlphaWindowLayered>(); }

// Every kind the classifier names. A kind without creator (none today)
// leaves its windows unskinned (never drawn half-way).
constexpr std::array<Kind, 32> kKinds{{
    {ctype::kWindow, 1, &MakePlain},
    {ctype::kEdit, 3, &MakeEdit},
    {ctype::kButton, 4, &MakeButton},
    {ctype::kScrollBar, 5, &MakeScrollBar},
    {ctype::kCheckBox, 6, &MakeCheckBox},
    {ctype::kRadio, 7, &MakeRadio},
    {ctype::kGroupBox, 8, &MakeGroupBox},
    {ctype::kSlider, 9, &MakeSlider},
    {ctype::kTab, 10, &MakeTab},
    {ctype::kToolBar, 11, &MakeToolBar},
    {ctype::kStatusBar, 12, &MakeStatusBar},
    {ctype::kComboBox, 13, &MakeComboBox},
    {ctype::kListBox, 14, &MakeListBox},
    {ctype::kListView, 15, &MakeListView},
    {ctype::kMenu, 16, &MakePopupMenu},
    {ctype::kSpin, 17, &MakeSpin},
    {ctype::kProgress, 18, &MakeProgress},
    {ctype::kTree, 19, &MakeTree},
    {ctype::kHeader, 20, &MakeHeader},
    {ctype::kStaticText, 21, &MakeStaticText},
    {ctype::kDateTime, 22, &MakeDateTime},
    {ctype::kMdiClient, 23, &MakeMdiClient},
    {ctype::kDialog, 25, &MakeDialog},
    {ctype::kStaticIcon, 26, &MakeStaticIcon},
    {ctype::kGrip, 27, &MakeGrip},
    {ctype::kToolTip, 28, &MakeTip},
    {ctype::kSplitter, 34, &MakeSplit},
    {ctype::kLayered, 35, &MakeLayered},
    {ctype::kMonthCal, 38, &MakeMonthCal},
    {ctype::kCheckButton, 39, &MakeCheckButton},
    {ctype::kRichEdit, 3, &MakeRichEdit},
    {ctype::kTransparent, 100, &MakeTransparent},
}};

const Kind* FindKind(int code) {
    for (const Kind& k : kKinds)
        if (k.code == code) return &k;
    return nullptr;
}

} // namespace

CCMCore::~CCMCore() { DestroyObject(); }

void CCMCore::DestroyObject() {
    if (!object_) return;
    if (object_->NestingDepth() > 0) {
        DeleteWhenUnwound(std::move(object_));
    } else {
        object_.reset();
    }
}

void CCMCore::DetachObject() {
    if (object_) object_->Detach();
}

CTWWnd* CCMControl::CreateObject(HWND hwnd) {
    const Kind* kind = FindKind(code_);
    if (!kind || !kind->create) return nullptr;
    object_ = kind->create(hwnd);
    if (!object_) return nullptr;
    ElementIdOfNewObject = kind->elementId;
    // Popup menus and tooltips are active from the start (their own
    // extra step, with their classes).
    return object_.get();
}

std::unique_ptr<CCMControl> CreateControlFactory(int code) {
    if (code < -1 || code > 100) return nullptr;
    const Kind* kind = FindKind(code);
    if (!kind || !kind->create) return nullptr;
    return std::make_unique<CCMControl>(code);
}

WORD ElementIdOfCode(int code) {
    const Kind* kind = FindKind(code);
    return kind ? kind->elementId : 0;
}

std::unique_ptr<CTWWnd> CreateDialogObject(int kind) {
    if (kind == 0) return std::make_unique<CTWDialog>();
    if (kind == 1) return std::make_unique<CTWColorDialog>();
    return nullptr;
}
