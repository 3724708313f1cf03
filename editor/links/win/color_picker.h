#pragma once
// The grid's colour editor: an owner-drawn drop-down list of colours, each
// shown as a swatch with its name, plus "Invert Color" and "Custom..." (the
// colour dialog). The list inside the drop-down is a CColorListBox: a click
// on "Custom..." asks the colour dialog there, once, before the combo box
// reports the choice.

#include <windows.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

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

inline constexpr COLORREF kInvertColor = 0xFFFFFFFFu;
// The entry that opens the colour dialog; also what the picker answers
// before a custom colour was chosen.
inline constexpr COLORREF kCustomColorEntry = 0xFFFFFFFEu;

class CColorPickerCB;

// The picker's drop-down list. A button released on the "Custom..." entry
// asks the colour dialog (starting from the picker's colour, black for
// none) and leaves the answer with the picker; the list's own handling then
// closes the drop-down and the picker reports the choice.
class CColorListBox : public fw::Window {
public:
    explicit CColorListBox(CColorPickerCB& owner) : owner_(owner) {}

protected:
    LRESULT WindowProc(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    CColorPickerCB& owner_;
};

class CColorPickerCB : public fw::Window {
public:
    CColorPickerCB();
    ~CColorPickerCB() override;
    bool CreatePicker(HWND parent, UINT id, const RECT& rect, HFONT font);
    // The drop-down list's window (attached at creation), or null.
    HWND ListWindow() const;
    // The index of the "Custom..." entry, -1 when there is none.
    int CustomIndex() const;
    // What the list's click asked the colour dialog: a colour, or
    // kCustomColorEntry when cancelled. The next GetSelectedColor on the
    // "Custom..." entry takes it instead of asking again.
    void SetCustomAnswer(COLORREF answer) { customAnswer_ = answer; }
    // The colour last given to SelectColor.
    COLORREF ShownColor() const { return shown_; }
    // Selects the colour's entry, adding a custom entry for a colour the
    // list does not hold.
    void SelectColor(COLORREF color);
    // The selected entry's colour. The "Custom..." entry opens the colour
    // dialog: the chosen colour (added to the list), or kCustomColorEntry
    // when cancelled.
    COLORREF GetSelectedColor();
    // The list's colours in order (tests).
    std::vector<COLORREF> Colors() const;

protected:
    bool OnReflectedDrawItem(DRAWITEMSTRUCT* dis) override;
    bool OnReflectedMeasureItem(MEASUREITEMSTRUCT* mis) override;

private:
    int AddEntry(COLORREF color, const std::wstring& name, int at = -1);

    std::unique_ptr<CColorListBox> list_;
    std::optional<COLORREF> customAnswer_;
    COLORREF shown_ = kCustomColorEntry;
};

// The swatch list of the picker: names and colours in list order.
struct NamedColor {
    COLORREF color;
    const wchar_t* name;
};
const std::vector<NamedColor>& StandardColors();

} // namespace hexmoor::links

namespace hexmoor::links {

// The drawing-mode drop-downs of the option pages. Each empties the combo
// box, then: "Blit" only with withBlit, "Stretch", "Tile".
void FillDrawModeCombo(HWND combo, bool withBlit);
// "Blit", "Stretch", then "Tile" only with withTile.
void FillRegionDrawModeCombo(HWND combo, bool withTile);

} // namespace hexmoor::links
