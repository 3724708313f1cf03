#pragma once
// Dialog 212, "Select style": lists a visual style's colour schemes and
// shows its description; OK (or a double-click) takes the selected scheme.

#include <string>
#include <vector>

#include "editor/exchange/style_file.h"
#include "framework/dialog.h"

namespace hexmoor::exchange {

class CSelectMSstyles : public fw::Dialog {
public:
    CSelectMSstyles(std::vector<SchemeName> schemes, std::u16string description);

    // The chosen scheme's resource name; empty until OK.
    const std::u16string& Selected() const { return selected_; }

protected:
    bool OnInitDialog() override;
    void OnOK() override;
    bool OnCommand(UINT id, UINT code, HWND control) override;

private:
    std::vector<SchemeName> schemes_;
    std::u16string description_;
    std::u16string selected_;
};

} // namespace hexmoor::exchange
