#pragma once
// The property grid of the Properties pane: an owner-drawn list box with a
// label and a value column, group rows that open and close, and the
// in-place editors (choice drop-down, colour drop-down, edit, "..." button)
// over the selected row's value cell. It mirrors a PropertyGridModel, which
// owns the selection, the commit road and the geometry; the rows belong to
// the current element link.

#include <windows.h>

#include <memory>

#include "editor/links/grid_clipboard.h"
#include "editor/links/grid_model.h"
#include "editor/links/win/color_picker.h"
#include "editor/links/win/file_choosers.h"
#include "editor/links/win/system_image_clipboard.h"
#include "base/win/gdi.h"
#include "framework/window.h"
#include "resources/property_grid_ids.h"

namespace hexmoor::links {

// The grid's context menu as it is shown: Cut greyed, and "Fill all states"
// greyed unless the selected row can fill them.
void UpdateGridMenu(HMENU popup, bool canFillAllStates);

class CPropertyList : public fw::Window, public GridView {
public:
    CPropertyList();
    ~CPropertyList() override;

    // Creates the list box (hidden) in parent and makes it the process's grid.
    bool CreateGrid(HWND parent, UINT id);
    PropertyGridModel& Model() { return model_; }
    GridClipboard& Clipboard() { return clipboard_; }

    int GetSelectedIndex() const { return model_.GetSelectedIndex(); }
    void SetSelectedIndex(int index) { model_.SetSelectedIndex(index); }
    // The selected row's options on the option pages and the colour dialog.
    void ShowSelectedItemOptions();
    bool IsFocusInside() const;
    // The handlers of the list's notifications and keys (tests drive them).
    void OnSelchange();
    void OnPropertyButton();
    void OnContextCommand(UINT id);
    // The open editor's window, or null.
    HWND OpenEditorWindow() const;
    HWND EditWindow() const { return edit_; }
    HWND ChoiceWindow() const { return choice_; }
    CColorPickerCB& ColorPicker() { return color_; }
    int Divider() const { return divider_; }
    // The indent unit of grouped rows: the width of the glyph font's "t".
    int GlyphWidth() const;

    // Opens the editor of the open row at the top-left of its cell.
    void ShowInPlaceEditor(bool force);

    bool PreTranslateMessage(MSG& msg) override;

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;
    bool OnReflectedCommand(UINT code, LRESULT& result) override;
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* dis) override;
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) override;
    bool OnCommand(UINT id, UINT code, HWND control) override;
    void OnSize(UINT type, int cx, int cy) override;
    void OnDestroy() override;

    // GridView.
    void LinesInserted(int index, int count) override;
    void LinesDeleted(int index, int count) override;
    void LinesReset() override;
    void CommitOpenEditor() override;
    void InvalidateLine(int index) override;
    void InvalidateAll() override;
    void LineSelected(int index) override;
    void EditTextRewritten(const std::wstring& text) override;

private:
    RECT ItemRect(int index) const;
    RECT ValueCellOf(int index) const;
    void ToggleIfGlyphHit(int index, POINT point);
    void HideEditors();
    void CloseEditor();
    std::wstring EditText() const;
    void OnEditKillFocus();
    void FileRoadImage(CPropertyItem* row);
    void FileRoadRegion(CPropertyItem* row);
    void FileRoadFont(CPropertyItem* row);
    void FileRoadUserData(CPropertyItem* row);
    void DrawDividerLine(int x);
    // Redrawing comes back on (at the first paint after a fill).
    void EndBatch();

    PropertyGridModel model_;
    SystemImageClipboard images_;
    GridClipboard clipboard_;
    HWND choice_ = nullptr;
    CColorPickerCB color_;
    HWND edit_ = nullptr;
    HWND button_ = nullptr;
    win::Font listFont_;
    win::Font glyphFont_;
    win::Pen gridPen_;
    int textHeight_ = 13;
    int glyphWidth_ = 8;
    int divider_ = 0;
    bool dragging_ = false;
    int dragTop_ = 0, dragBottom_ = 0, dragX_ = 0;
    HWND openEditor_ = nullptr;
    bool committing_ = false;
    bool batching_ = false;
};

} // namespace hexmoor::links
