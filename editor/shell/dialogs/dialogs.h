#pragma once
// The editor's four small dialogs: the modeless start dialog, the about
// box, the item-name dialog and the skin-information editor.

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "editor/shell/runtime_link.h"
#include "editor/shell/panes/toolbar24.h"
#include "editor/shell/dialogs/url_static.h"
#include "framework/dialog.h"

namespace hexmoor::shell {

// Left edges that spread items of the given widths over a row of width:
// equal room before, between and after them (none when they do not fit).
std::vector<int> SpreadInRow(int width, const std::vector<int>& widths);

// The start dialog. Each of its four buttons hides it and then asks the
// application for the matching road.
class CSplashDialog : public fw::Dialog {
public:
    // Called with the button's control id once the dialog is hidden.
    explicit CSplashDialog(std::function<void(int control)> onChoice);

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    struct CommandButton {
        HWND window;
        int width, height;
    };
    void LayoutButtons();
    void CenterOnOwner();
    std::function<void(int)> onChoice_;
    runtime::ImageFace face_;
};

// The about box's text colours, chosen to read on its dark face.
inline constexpr COLORREF kAboutVersionColor = RGB(236, 178, 96);
inline constexpr COLORREF kAboutNoticeColor = RGB(222, 228, 238);
inline constexpr COLORREF kAboutLinkColor = RGB(246, 200, 130);

class CAboutDlg : public fw::Dialog {
public:
    CAboutDlg();
    CUrlStatic& Link() { return link_; }

protected:
    bool OnInitDialog() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CUrlStatic link_;
    runtime::ImageFace face_;
};

class CAskForNameDlg : public fw::Dialog {
public:
    explicit CAskForNameDlg(HIMAGELIST kindImages = nullptr);
    // 1: the list of kinds is offered; 0 or 2: only the name.
    void SetChooseKind(int mode) { chooseKind_ = mode; }
    void SetItemName(const std::wstring& name) { name_ = name; }
    const std::wstring& GetItemName() const { return name_; }
    int GetElementType() const { return elementType_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnNotify(NMHDR* hdr, LRESULT& result) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    HIMAGELIST kindImages_;
    int chooseKind_ = 0;
    int elementType_ = 0;
    std::wstring name_;
    CToolBar24BitCtrl toolbar_;
};

// The skin's nine information strings, in the skin's order: skin name,
// copyright, author, company, e-mail, URL, version, last updated,
// description.
using SkinInfo = std::array<std::wstring, 9>;

// Writes the edited fields that differ (case-sensitively) into info;
// returns whether any did.
bool ApplySkinInfo(SkinInfo& info, const SkinInfo& edited);

class CCopyRightDlg : public fw::Dialog {
public:
    // loaded: whether the skin has been loaded or created; without it the
    // fields start empty.
    CCopyRightDlg(const SkinInfo& info, bool loaded);
    const SkinInfo& Fields() const { return fields_; }

protected:
    void Exchange(fw::DataExchange& dx) override;

private:
    SkinInfo fields_;
};

} // namespace hexmoor::shell
