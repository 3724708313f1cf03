#pragma once
// The colour picker of the property grid and the background dialog: an
// owner-drawn drop-down list of colours, each shown as a swatch with its
// name, after "Invert Color" and "Custom Color ..." (the colour dialog).
// The list inside the drop-down is a CColorListBox: a click on the custom
// entry asks the colour dialog there, once, before the combo box reports
// the choice.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "editor/links/color_list.h"
#include "framework/window.h"

namespace hexmoor::links {

// Asks the user for a colour (the system colour dialog; tests script it).
class ColorDialogService {
public:
    virtual ~ColorDialogService() = default;
    // The chosen colour, or false when cancelled.
    virtual bool Choose(HWND owner, COLORREF initial, COLORREF* chosen) = 0;
};

class SystemColorDialog : public ColorDialogService {
public:
    bool Choose(HWND owner, COLORREF initial, COLORREF* chosen) override;
};

// The process's colour dialog: the system one unless a test installed another.
ColorDialogService& ColorDialogs();
void SetColorDialogs(ColorDialogService* service);

inline constexpr COLORREF kInvertColor = kInvertColorItem;
// The "Custom Color ..." entry's colour while it holds none.
inline constexpr COLORREF kCustomColorEntry = kEmptyCustomItem;
// The style bit of a picker that stands on its own (the background
// dialog's): a colour chosen in the colour dialog only repaints it.
inline constexpr DWORD kStandalonePickerStyle = 0x8000;

class CColorPickerCB;

// The picker's drop-down list. A button released on the "Custom Color ..."
// entry asks the colour dialog (starting from the colour shown when the
// list dropped, black for none); a chosen colour becomes the entry's
// colour. The list's own handling then closes the drop-down and the picker
// reports the choice.
class CColorListBox : public fw::Window {
public:
    explicit CColorListBox(CColorPickerCB& owner) : owner_(owner) {}

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CColorPickerCB& owner_;
};

// An owner-drawn drop-down list of colours: "Invert Color", "Custom Color
// ...", then the sixteen named colours (StandardColors). A colour the list
// does not hold is shown by the custom entry, which then holds it.
class CColorPickerCB : public fw::Window {
public:
    CColorPickerCB();
    ~CColorPickerCB() override;
    // Creates the picker with its entries and selects "Invert Color".
    bool CreatePicker(HWND parent, UINT id, const RECT& rect, HFONT font, bool standalone = false);
    // The drop-down list's window (attached at creation), or null.
    HWND ListWindow() const;
    // The index of the "Custom Color ..." entry, -1 when there is none.
    int CustomIndex() const;
    // The index of the "Invert Color" entry, -1 when there is none.
    int InvertIndex() const;
    // The colour dialog's answer to a click on the custom entry in the drop
    // list: a chosen colour is now the entry's; either way the next
    // GetSelectedColor asks no more.
    void TakeCustomAnswer(std::optional<COLORREF> chosen);
    // The colour last given to SelectColor.
    COLORREF ShownColor() const { return shown_; }
    // Selects the colour's entry (SelectColorEntry's rule): a colour the list
    // does not hold becomes the custom entry's colour.
    void SelectColor(COLORREF color);
    // The selected entry's colour; 0 when nothing is selected. The custom
    // entry while it holds no colour, chosen without a click in the drop
    // list (from the keyboard), asks the colour dialog first; it stays
    // kCustomColorEntry when that is cancelled.
    COLORREF GetSelectedColor();
    // The list's colours in order (tests).
    std::vector<COLORREF> Colors() const;

protected:
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* dis) override;
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) override;

private:
    int AddEntry(COLORREF color, const std::wstring& name, int at = -1);
    int IndexOf(COLORREF data) const;

    std::unique_ptr<CColorListBox> list_;
    bool customAnswered_ = false;
    COLORREF shown_ = kCustomColorEntry;
};

} // namespace hexmoor::links

namespace hexmoor::links {

// The drawing-mode drop-downs of the option pages. Each empties the combo
// box, then: "Blit" only with withBlit, "Stretch", "Tile".
void FillDrawModeCombo(HWND combo, bool withBlit);
// "Blit", "Stretch", then "Tile" only with withTile.
void FillRegionDrawModeCombo(HWND combo, bool withTile);

} // namespace hexmoor::links
