#pragma once
// The skinned date-time picker: the date or time text split into the fields
// of the control's format, the field the control edits highlighted, the
// check box of pickers that may hold no date and the drop-down button, over
// the skin's background. The up-down of spinning pickers is the skinned spin
// placed over the button area; the drop-down calendar is skinned on its own.

#include <memory>
#include <string>
#include <vector>

#include "runtime/controls/bordered_list.h"
#include "runtime/logic/date_time_fields.h"

namespace hexmoor::rt {
class CheckBoxChildHook;
} // namespace hexmoor::rt

class CTWDateTime : public CTWBorderedList {
public:
    CTWDateTime();
    ~CTWDateTime() override;
    static constexpr int kCheckBoxFocus = -1;

    BOOL Enable(BOOL on) override;
    LRESULT OnReflectedNotify(BOOL* handled, ReflectRecord* record) override;
    LRESULT Paint(HDC dc) override;
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

    // The field the face highlights (-1: none or the check box) and the
    // drop-down button's state (0 normal, 1 pressed).
    int GetFocusedField() const { return focused_; }
    int GetButtonState() const { return buttonState_; }
    int GetFieldCount() const { return int(fields_.size()); }
    // Where field `index` lies on the face, in client coordinates.
    RECT GetFieldBox(int index) const;
    const std::wstring& GetCustomFormat() const { return format_.Text(); }
    bool HasCustomFormat() const { return format_.IsSet(); }

private:
    struct Field {
        std::wstring text;
        unsigned align = 0;
        int width = 0;
        bool editable = false;
    };

    bool HasStyle(DWORD bit) const;
    void Layout();
    void BuildFields();
    std::wstring CurrentFormat() const;
    void ScrollToFocused();
    std::vector<int> Widths() const;
    std::vector<bool> Editables() const;
    void SyncControlField();
    int ReadControlField();
    void SettleControl();
    // A field's place among the editable fields (-1 for one not editable),
    // and the field at such a place (-1 past the last).
    int StopOf(int field) const;
    int FieldAtStop(int stop) const;
    void DrawFace(HDC dc, const RECT& client);
    void RepaintButton();
    LRESULT OnKeyDown(WPARAM wp, LPARAM lp);
    LRESULT OnButtonDown(WPARAM wp, LPARAM lp);
    LRESULT OnMouseMove(WPARAM wp, LPARAM lp);
    LRESULT OnButtonUp(WPARAM wp, LPARAM lp);
    void DriveControlTo(int field);
    void SkinDropDown();
    void DrawCheckBox(HDC dc, const RECT& box);
    void RestoreBackdrop(HDC dc, const RECT& box);
    void HookCheckBoxChild(bool on);

    SYSTEMTIME time_{};
    hexmoor::rt::datetime::CustomFormat format_;
    std::vector<Field> fields_;
    std::vector<hexmoor::rt::datetime::FormatRun> runs_;
    RECT checkBox_{0, 0, 0, 0};
    RECT button_{0, 0, 0, 0};
    RECT textArea_{0, 0, 0, 0};
    int focused_ = -1;
    int firstFieldX_ = 1000;
    int buttonState_ = 0;
    bool keyboardFocus_ = false;
    bool hasDate_ = false;
    bool clickedField_ = false;
    bool rebuild_ = false;
    bool synced_ = false;
    std::unique_ptr<hexmoor::rt::CheckBoxChildHook> checkBoxHook_;
    // Where the control's own current field is, as an index among the
    // editable fields: -1 no field, kStopUnknown not read yet.
    static constexpr int kStopUnknown = -2;
    int controlStop_ = kStopUnknown;
    // The face's field while the drop-down calendar shows (it shows none).
    int fieldBeforeDropDown_ = -1;
    bool droppedDown_ = false;
};
