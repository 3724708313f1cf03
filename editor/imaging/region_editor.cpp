#include "editor/imaging/region_editor.h"

#include <windowsx.h>

#include "base/win/gdi.h"
#include "editor/imaging/picker_cursor.h"
#include "editor/imaging/preview_file_dialog.h"
#include "model/image_rgn.h"
#include "model/region_from_pixels.h"
#include "resources/region_editor_ids.h"

namespace hexmoor::preview {

namespace {

RegionEditor* g_editor = nullptr;

constexpr int kFormWidth = 260;

// The picture pane: while the form picks a colour it holds the mouse, and
// the colour under the pointer follows it until the next click.
class PickingPicture : public PreviewImage {
public:
    explicit PickingPicture(RegionSettings& settings) : settings_(settings) {}

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override {
        const bool picking = ::GetCapture() == Handle() && settings_.TrackingMode() != -1;
        if (msg == WM_MOUSEMOVE && picking) {
            POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
            ::ClientToScreen(Handle(), &p);
            RECT window{};
            ::GetWindowRect(Handle(), &window);
            if (::PtInRect(&window, p)) {
                const COLORREF color = ::GetPixel(win::WindowDC(nullptr).Get(), p.x, p.y);
                if (color != CLR_INVALID) settings_.ApplyPickedColor(color);
            }
            return 0;
        }
        if (msg == WM_LBUTTONDOWN && ::GetCapture() == Handle()) {
            ::ReleaseCapture();
            settings_.StopTracking();
        }
        return PreviewImage::WindowProc(msg, wp, lp);
    }

private:
    RegionSettings& settings_;
};

} // namespace

// --- RegionSettings -----------------------------------------------------------------------

RegionSettings::RegionSettings(RegionEditor& editor) : fw::Dialog(IDD_REGION_SETTINGS), editor_(editor) {}

void RegionSettings::ReplacePlaceholder(ColorSwatch& swatch, int id, const wchar_t* text) {
    HWND placeholder = Item(id);
    if (!placeholder) return;
    RECT r{};
    ::GetWindowRect(placeholder, &r);
    ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
    ::DestroyWindow(placeholder);
    swatch.Create(Handle(), r, id, text);
}

void RegionSettings::SetEditNumber(int id, int value) {
    const std::wstring text = std::to_wstring(value);
    wchar_t current[16] = {};
    ::GetDlgItemTextW(Handle(), id, current, 16);
    if (text != current) ::SetDlgItemTextW(Handle(), id, text.c_str());
}

bool RegionSettings::OnInitDialog() {
    ::CheckDlgButton(Handle(), IDC_RGN_DEST_MODE, BST_CHECKED);
    ::CheckDlgButton(Handle(), IDC_RGN_TOLERANCE_MODE, BST_UNCHECKED);
    EnableGroup(-1, false);
    ReplacePlaceholder(gradient_, IDC_RGN_GRADIENT, L"Gradient");
    ReplacePlaceholder(baseSwatch_, IDC_RGN_BASE_SWATCH, L"TransColor");
    ReplacePlaceholder(tolSwatch_, IDC_RGN_TOL_SWATCH, L"TolerColor");
    ReplacePlaceholder(destSwatch_, IDC_RGN_DEST_SWATCH, L"DestColor");
    for (ColorSwatch* s : {&baseSwatch_, &tolSwatch_, &destSwatch_}) s->SetSolid(true);
    const RegionSettingsValues& v = values_;
    const int edits[9][2] = {{IDC_RGN_BASE_R, v.baseRed}, {IDC_RGN_BASE_G, v.baseGreen}, {IDC_RGN_BASE_B, v.baseBlue},
                             {IDC_RGN_DEST_R, v.destRed}, {IDC_RGN_DEST_G, v.destGreen}, {IDC_RGN_DEST_B, v.destBlue},
                             {IDC_RGN_TOL_R, v.tolRed},   {IDC_RGN_TOL_G, v.tolGreen},   {IDC_RGN_TOL_B, v.tolBlue}};
    for (const auto& e : edits) SetEditNumber(e[0], e[1]);
    baseSwatch_.SetColor(RgbFromChannels(v.baseRed, v.baseGreen, v.baseBlue));
    destSwatch_.SetColor(RgbFromChannels(v.destRed, v.destGreen, v.destBlue));
    tolSwatch_.SetColor(RgbFromChannels(v.tolRed, v.tolGreen, v.tolBlue));
    tolSwatch_.SetSecondColor(RgbFromChannels(v.tolRed, v.tolGreen, v.tolBlue));
    gradient_.SetColor(RgbFromChannels(v.baseRed, v.baseGreen, v.baseBlue));
    gradient_.SetSecondColor(RgbFromChannels(v.destRed, v.destGreen, v.destBlue));
    ready_ = true;
    return true;
}

void RegionSettings::EnableGroup(int group, bool enable) {
    auto set = [&](int id, bool on) {
        if (HWND item = Item(id)) ::EnableWindow(item, on);
    };
    if (group == 0 || group == -1) {
        const bool edits = enable && !values_.useUpperLeft;
        for (int id : {IDC_RGN_BASE_R, IDC_RGN_BASE_B, IDC_RGN_BASE_G}) set(id, edits);
        for (int id : {IDC_RGN_UPPER_LEFT, IDC_RGN_BASE_GROUP, IDC_RGN_BASE_LABEL, IDC_RGN_BASE_PICKER})
            set(id, enable);
        for (int id : {IDC_RGN_UPDATE, IDC_RGN_INVERT, IDC_RGN_RANGE}) set(id, enable);
    }
    if (group == 1 || group == -1) {
        for (int id : {IDC_RGN_DEST_R, IDC_RGN_DEST_B, IDC_RGN_DEST_G, IDC_RGN_TOL_R, IDC_RGN_TOL_B, IDC_RGN_TOL_G,
                       IDC_RGN_DEST_MODE, IDC_RGN_TOLERANCE_MODE, IDC_RGN_DEST_PICKER, IDC_RGN_TOL_PICKER,
                       IDC_RGN_DEST_LABEL, IDC_RGN_TOL_LABEL}) {
            set(id, enable);
        }
    }
}

void RegionSettings::ReadControls(bool prompt) {
    bool refused = false;
    auto number = [&](int id, int& field) {
        BOOL ok = FALSE;
        const int value = static_cast<int>(::GetDlgItemInt(Handle(), id, &ok, TRUE));
        if (!ok || value < 0 || value > 255) {
            refused = true;
            if (ok) field = value; // the low 8 bits count when a colour is formed
            return;
        }
        field = value;
    };
    RegionSettingsValues& v = values_;
    number(IDC_RGN_BASE_R, v.baseRed);
    number(IDC_RGN_BASE_G, v.baseGreen);
    number(IDC_RGN_BASE_B, v.baseBlue);
    number(IDC_RGN_DEST_R, v.destRed);
    number(IDC_RGN_DEST_G, v.destGreen);
    number(IDC_RGN_DEST_B, v.destBlue);
    number(IDC_RGN_TOL_R, v.tolRed);
    number(IDC_RGN_TOL_G, v.tolGreen);
    number(IDC_RGN_TOL_B, v.tolBlue);
    v.useUpperLeft = ::IsDlgButtonChecked(Handle(), IDC_RGN_UPPER_LEFT) == BST_CHECKED;
    v.invert = ::IsDlgButtonChecked(Handle(), IDC_RGN_INVERT) == BST_CHECKED;
    v.rangeEnabled = ::IsDlgButtonChecked(Handle(), IDC_RGN_RANGE) == BST_CHECKED;
    v.destinationMode = ::IsDlgButtonChecked(Handle(), IDC_RGN_DEST_MODE) == BST_CHECKED;
    if (refused && prompt) {
        editor_.Messages().Show(Handle(), L"Please enter an integer between 0 and 255.", L"Region Editor",
                                MB_OK | MB_ICONEXCLAMATION);
    }
}

void RegionSettings::OnDestinationMode() {
    const COLORREF dest = RgbFromChannels(values_.destRed, values_.destGreen, values_.destBlue);
    gradient_.SetSecondColor(dest);
    destSwatch_.SetColor(dest);
    gradient_.Repaint();
    destSwatch_.Repaint();
}

void RegionSettings::OnToleranceMode() {
    gradient_.SetTolerance(values_.tolRed, values_.tolGreen, values_.tolBlue);
    tolSwatch_.SetSecondColor(RgbFromChannels(values_.tolRed, values_.tolGreen, values_.tolBlue));
    tolSwatch_.SetColor(RgbFromChannels(values_.tolRed, values_.tolGreen, values_.tolBlue));
    gradient_.Repaint();
    tolSwatch_.Repaint();
}

void RegionSettings::OnBaseChanged() {
    const COLORREF base = RgbFromChannels(values_.baseRed, values_.baseGreen, values_.baseBlue);
    baseSwatch_.SetColor(base);
    gradient_.SetColor(base);
    baseSwatch_.Repaint();
    gradient_.Repaint();
}

bool RegionSettings::OnCommand(UINT id, UINT code, HWND control) {
    if (!ready_) return fw::Dialog::OnCommand(id, code, control);
    switch (id) {
    case IDC_RGN_UPPER_LEFT:
        if (code != BN_CLICKED) break;
        ReadControls(false);
        for (int edit : {IDC_RGN_BASE_R, IDC_RGN_BASE_G, IDC_RGN_BASE_B}) {
            ::EnableWindow(Item(edit), !values_.useUpperLeft);
        }
        return true;
    case IDC_RGN_RANGE:
        if (code != BN_CLICKED) break;
        ReadControls(false);
        EnableGroup(1, values_.rangeEnabled);
        if (values_.rangeEnabled) values_.destinationMode ? OnDestinationMode() : OnToleranceMode();
        return true;
    case IDC_RGN_DEST_MODE:
    case IDC_RGN_TOLERANCE_MODE:
        if (code != BN_CLICKED) break;
        ReadControls(false);
        id == IDC_RGN_DEST_MODE ? OnDestinationMode() : OnToleranceMode();
        return true;
    case IDC_RGN_BASE_R:
    case IDC_RGN_BASE_G:
    case IDC_RGN_BASE_B:
        if (code != EN_CHANGE) break;
        ReadControls(false);
        OnBaseChanged();
        return true;
    case IDC_RGN_TOL_R:
    case IDC_RGN_TOL_G:
    case IDC_RGN_TOL_B:
        if (code != EN_CHANGE) break;
        ReadControls(false);
        OnToleranceMode();
        return true;
    case IDC_RGN_DEST_R:
    case IDC_RGN_DEST_G:
    case IDC_RGN_DEST_B:
        if (code != EN_CHANGE) break;
        ReadControls(false);
        OnDestinationMode();
        return true;
    case IDC_RGN_UPDATE:
        if (code != BN_CLICKED) break;
        Update();
        return true;
    default: break;
    }
    return fw::Dialog::OnCommand(id, code, control);
}

bool RegionSettings::OnLeftButton(POINT client) {
    struct Picker {
        int id, mode;
    };
    for (const Picker& picker :
         {Picker{IDC_RGN_DEST_PICKER, 2}, Picker{IDC_RGN_TOL_PICKER, 1}, Picker{IDC_RGN_BASE_PICKER, 0}}) {
        HWND item = Item(picker.id);
        if (!item || !::IsWindowEnabled(item)) continue;
        RECT r{};
        ::GetWindowRect(item, &r);
        ::MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        if (!::PtInRect(&r, client)) continue;
        ::SetCursor(ColorPickerCursor());
        tracking_ = picker.mode;
        if (picker.mode == 2) {
            ::CheckDlgButton(Handle(), IDC_RGN_DEST_MODE, BST_CHECKED);
            ::CheckDlgButton(Handle(), IDC_RGN_TOLERANCE_MODE, BST_UNCHECKED);
            ReadControls(false);
            OnDestinationMode();
        } else if (picker.mode == 1) {
            ::CheckDlgButton(Handle(), IDC_RGN_TOLERANCE_MODE, BST_CHECKED);
            ::CheckDlgButton(Handle(), IDC_RGN_DEST_MODE, BST_UNCHECKED);
            ReadControls(false);
            OnToleranceMode();
        }
        ::SetCapture(editor_.Picture().Handle());
        return true;
    }
    return false;
}

LRESULT RegionSettings::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONDOWN && OnLeftButton(POINT{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)})) return 0;
    return fw::Dialog::WindowProc(msg, wp, lp);
}

void RegionSettings::ApplyPickedColor(COLORREF color) {
    const int r = GetRValue(color), g = GetGValue(color), b = GetBValue(color);
    auto setColor = [](ColorSwatch& swatch, COLORREF c) {
        if (swatch.GetColor() == c) return;
        swatch.SetColor(c);
        swatch.Repaint();
    };
    auto setSecond = [](ColorSwatch& swatch, COLORREF c) {
        if (swatch.GetSecondColor() == c && !swatch.State().tolerance) return;
        swatch.SetSecondColor(c);
        swatch.Repaint();
    };
    int ids[3] = {};
    switch (tracking_) {
    case 0:
        setColor(baseSwatch_, color);
        setColor(gradient_, color);
        ids[0] = IDC_RGN_BASE_R, ids[1] = IDC_RGN_BASE_B, ids[2] = IDC_RGN_BASE_G;
        break;
    case 1:
        setColor(tolSwatch_, color);
        setSecond(gradient_, color);
        ids[0] = IDC_RGN_TOL_R, ids[1] = IDC_RGN_TOL_B, ids[2] = IDC_RGN_TOL_G;
        break;
    case 2:
        setColor(destSwatch_, color);
        setSecond(gradient_, color);
        ids[0] = IDC_RGN_DEST_R, ids[1] = IDC_RGN_DEST_B, ids[2] = IDC_RGN_DEST_G;
        break;
    default: return;
    }
    // Writing an edit runs its change handler.
    SetEditNumber(ids[0], r);
    SetEditNumber(ids[1], b);
    SetEditNumber(ids[2], g);
}

void RegionSettings::Update() {
    ReadControls(true);
    HBITMAP picture = editor_.Picture().GetBitmapHandle();
    bool overCap = false;
    if (picture) {
        std::unique_ptr<CImageRgn> region = CreateRegionFromBitmap(picture, RegionKeyFromSettings(values_), &overCap);
        BITMAP info{};
        ::GetObjectW(picture, sizeof info, &info);
        editor_.RegionView().SetRegion(region.get(), SIZE{info.bmWidth, info.bmHeight});
    }
    editor_.Picture().Repaint();
    editor_.RegionView().Repaint();
    if (overCap) editor_.Messages().Show(editor_.Handle(), RegionOverCapMessage(), L"Region Editor", MB_OK);
}

// --- RegionEditor -------------------------------------------------------------------------

RegionEditor::RegionEditor(fw::FileDialogService& files, fw::MessageBoxService& messages)
    : files_(files), messages_(messages), settings_(*this), picture_(std::make_unique<PickingPicture>(settings_)) {}

RegionEditor::~RegionEditor() {
    if (g_editor == this) g_editor = nullptr;
}

RegionEditor* RegionEditor::Current() { return g_editor; }

RegionEditor* RegionEditor::Open(HWND owner, fw::FileDialogService& files, fw::MessageBoxService& messages) {
    if (g_editor) return g_editor;
    std::unique_ptr<RegionEditor> editor(new RegionEditor(files, messages));
    editor->owner_ = owner;
    fw::WindowArgs args;
    args.text = L"Region Editor";
    args.style = WS_OVERLAPPEDWINDOW | WS_VISIBLE | WS_CLIPCHILDREN;
    args.x = CW_USEDEFAULT;
    args.y = CW_USEDEFAULT;
    args.width = 640;
    args.height = 480;
    args.parent = owner;
    args.menuOrId = ::LoadMenuW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_REGION_EDITOR));
    args.icon = ::LoadIconW(fw::ResourceModule(), MAKEINTRESOURCEW(IDR_REGION_EDITOR));
    g_editor = editor.get();
    if (!editor->Create(args)) {
        g_editor = nullptr;
        return nullptr;
    }
    return editor.release(); // freed when its window is gone
}

int RegionEditor::OnCreate(CREATESTRUCTW*) {
    splitter_.Create(Handle(), 2, 1, IDW_REGION_SPLITTER);
    picture_->Create(splitter_.Handle(), RECT{}, 1, WS_CHILD | WS_VISIBLE | WS_BORDER);
    regionView_.Create(splitter_.Handle(), RECT{}, 2, WS_CHILD | WS_VISIBLE | WS_BORDER);
    splitter_.SetRowInfo(0, 200, 20);
    splitter_.SetRowInfo(1, 200, 20);
    splitter_.SetPane(0, 0, picture_->Handle());
    splitter_.SetPane(1, 0, regionView_.Handle());
    settings_.CreateChild(Handle());
    ::ShowWindow(settings_.Handle(), SW_SHOW);
    UpdateMenuState();
    return 0;
}

void RegionEditor::OnSize(UINT, int cx, int cy) {
    if (settings_.Handle()) ::MoveWindow(settings_.Handle(), 0, 0, kFormWidth, cy, TRUE);
    if (splitter_.Handle()) ::MoveWindow(splitter_.Handle(), kFormWidth, 0, std::max(cx - kFormWidth, 0), cy, TRUE);
}

bool RegionEditor::CanCreateRegion() const { return picture_ && picture_->GetBitmapHandle() != nullptr; }

void RegionEditor::UpdateMenuState() {
    HMENU menu = ::GetMenu(Handle());
    if (!menu) return;
    ::EnableMenuItem(menu, 1, MF_BYPOSITION | (CanCreateRegion() ? MF_ENABLED : MF_GRAYED));
    ::DrawMenuBar(Handle());
}

bool RegionEditor::OnCommand(UINT id, UINT code, HWND control) {
    switch (id) {
    case ID_REGION_IMAGE: ChooseImage(); return true;
    case ID_REGION_CREATE:
        if (CanCreateRegion()) CreateRegionFile();
        return true;
    case ID_REGION_LOAD: LoadRegion(); return true;
    default: return fw::Window::OnCommand(id, code, control);
    }
}

void RegionEditor::ChooseImage() {
    fw::FileDialogRequest request;
    request.filter = L"Bmp Files (*.bmp)|*.bmp||";
    request.flags = OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;
    request.initialPath = folder_;
    PreviewFileDialog dialog;
    const std::optional<fw::FileDialogResult> chosen = dialog.Run(files_, owner_ ? owner_ : Handle(), request);
    if (!chosen) return;
    picturePath_ = ToLower(chosen->path);
    picture_->LoadImage(picturePath_, false);
    if (CanCreateRegion()) {
        settings_.Update();
        UpdateMenuState();
        settings_.EnableGroup(0, true);
    } else {
        messages_.Show(Handle(), L"You MUST First Load Picture!", L"Region Editor", MB_OK);
    }
}

void RegionEditor::CreateRegionFile() {
    fw::FileDialogRequest request;
    request.save = true;
    request.defaultExtension = L"rgn";
    request.initialPath = DefaultRegionFileName(picturePath_);
    request.filter = L"Region Files (*.rgn)|*.rgn|All Files (*.*)|*.*||";
    request.flags = OFN_EXPLORER | OFN_OVERWRITEPROMPT;
    const std::optional<fw::FileDialogResult> chosen = files_.Show(Handle(), request);
    if (!chosen) return;
    regionPath_ = chosen->path;
    if (!SaveRegionFile(regionView_.GetRegion(), regionPath_)) {
        messages_.Show(Handle(), L"Can't Create region file!", L"Region Editor", MB_OK);
    }
}

void RegionEditor::LoadRegion() {
    fw::FileDialogRequest request;
    request.filter = L"Region Files (*.rgn)|*.rgn|All Files (*.*)|*.*||";
    request.flags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT;
    request.initialPath = folder_.empty() ? std::wstring() : folder_ + L"regions";
    const std::optional<fw::FileDialogResult> chosen = files_.Show(Handle(), request);
    if (!chosen) return;
    regionPath_ = RegionPathFor(chosen->path);
    settings_.ReadControls(false);
    std::unique_ptr<CImageRgn> region = LoadRegionFile(regionPath_);
    const bool valid = region && region->GetHRgn();
    win::Bitmap painted(valid ? RenderRegionBitmap(region.get()) : nullptr);
    picture_->SetBitmap(painted.Get());
    regionView_.SetRegion(valid ? region.get() : nullptr, region ? region->GetSize() : SIZE{0, 0});
    UpdateMenuState();
    settings_.EnableGroup(-1, false);
}

bool RegionEditor::OnClose() {
    if (owner_) ::SetForegroundWindow(owner_);
    if (g_editor == this) g_editor = nullptr;
    return false; // closing goes on: the window is destroyed
}

void RegionEditor::OnFinalMessage() {
    if (g_editor == this) g_editor = nullptr;
    delete this;
}

LRESULT RegionEditor::WindowProc(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_GETMINMAXINFO) {
        auto* info = reinterpret_cast<MINMAXINFO*>(lp);
        info->ptMinTrackSize = POINT{360, 375};
        return 0;
    }
    if (msg == WM_INITMENU) UpdateMenuState();
    return fw::Window::WindowProc(msg, wp, lp);
}

} // namespace hexmoor::preview
