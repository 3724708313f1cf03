#pragma once
// The region editor: a tool window that builds a window region from a bitmap
// by colour keying (key colour, tolerance or colour range, inverted or not),
// saves it as a region file, or loads a region file to look at it. Only one
// is open at a time.

#include <memory>
#include <string>

#include "editor/imaging/color_swatch.h"
#include "editor/imaging/preview_views.h"
#include "editor/imaging/region_editor_rules.h"
#include "framework/dialog.h"
#include "framework/min_splitter.h"
#include "framework/services.h"
#include "framework/window.h"

namespace hexmoor::preview {

class RegionEditor;

// The settings form on the editor's left side.
class RegionSettings : public fw::Dialog {
public:
    explicit RegionSettings(RegionEditor& editor);

    // Group 0 the base-colour controls, 1 the colour-range controls, -1 all.
    void EnableGroup(int group, bool enable);
    // Reads the edits and boxes into the values; with prompt, a value that
    // is not a number from 0 to 255 is reported (the value read still counts).
    void ReadControls(bool prompt);
    const RegionSettingsValues& Values() const { return values_; }
    // Tracking mode while picking: -1 none, 0 base, 1 tolerance, 2 destination.
    int TrackingMode() const { return tracking_; }
    void StopTracking() { tracking_ = -1; }
    void ApplyPickedColor(COLORREF color);
    // Builds the region from the picture ("Update").
    void Update();
    ColorSwatch& Gradient() { return gradient_; }

protected:
    bool OnInitDialog() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void OnDestinationMode();
    void OnToleranceMode();
    void OnBaseChanged();
    void SetEditNumber(int id, int value);
    void ReplacePlaceholder(ColorSwatch& swatch, int id, const wchar_t* text);
    bool OnLeftButton(POINT client);

    RegionEditor& editor_;
    RegionSettingsValues values_;
    int tracking_ = -1;
    bool ready_ = false; // controls filled; change handlers may run
    ColorSwatch baseSwatch_, destSwatch_, tolSwatch_, gradient_;
};

class RegionEditor : public fw::Window {
public:
    // Opens the editor owned by owner, or returns the one already open.
    static RegionEditor* Open(HWND owner, fw::FileDialogService& files, fw::MessageBoxService& messages);
    static RegionEditor* Current();

    PreviewImage& Picture() { return *picture_; }
    PreviewRegion& RegionView() { return regionView_; }
    RegionSettings& Settings() { return settings_; }
    fw::MinSplitterWindow& Splitter() { return splitter_; }
    fw::MessageBoxService& Messages() { return messages_; }
    // "&Create RGN" is enabled exactly when the picture is a GDI bitmap.
    bool CanCreateRegion() const;
    void UpdateMenuState();

    void ChooseImage();      // "&Image"
    void CreateRegionFile(); // "&Create RGN"
    void LoadRegion();       // "&Load Region"

    ~RegionEditor() override;

protected:
    int OnCreate(CREATESTRUCTW* cs) override;
    void OnSize(UINT type, int cx, int cy) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    bool OnClose() override;
    void OnFinalMessage() override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    RegionEditor(fw::FileDialogService& files, fw::MessageBoxService& messages);

    fw::FileDialogService& files_;
    fw::MessageBoxService& messages_;
    HWND owner_ = nullptr;
    std::wstring folder_;
    std::wstring picturePath_;
    std::wstring regionPath_;
    RegionSettings settings_;
    fw::MinSplitterWindow splitter_;
    std::unique_ptr<PreviewImage> picture_;
    PreviewRegion regionView_;
};

} // namespace hexmoor::preview
