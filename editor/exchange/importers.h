// The element importers of the visual-style import, one function per
// element kind; each fills a fresh element object from the scheme text.
#pragma once

#include "editor/exchange/style_reader.h"

class CTwfObj;

namespace hexmoor::exchange {

void ImportWindowFrame(const ImportContext& context, CTwfObj* frame);
void ImportDialogFrame(const ImportContext& context, CTwfObj* object);
void ImportButton(const ImportContext& context, CTwfObj* object);
void ImportCheckBox(const ImportContext& context, CTwfObj* object);
void ImportRadioBox(const ImportContext& context, CTwfObj* object);
void ImportCheckButton(const ImportContext& context, CTwfObj* object);
void ImportGroupBox(const ImportContext& context, CTwfObj* object);
void ImportScrollBar(const ImportContext& context, CTwfObj* object);
void ImportGrip(const ImportContext& context, CTwfObj* object);
void ImportEditBox(const ImportContext& context, CTwfObj* object);
void ImportListBox(const ImportContext& context, CTwfObj* object);
void ImportComboBox(const ImportContext& context, CTwfObj* object);
void ImportStaticText(const ImportContext& context, CTwfObj* object);
void ImportTab(const ImportContext& context, CTwfObj* object);
void ImportProgressBar(const ImportContext& context, CTwfObj* object);
void ImportSpin(const ImportContext& context, CTwfObj* object);
void ImportSlider(const ImportContext& context, CTwfObj* object);
void ImportSplitter(const ImportContext& context, CTwfObj* object);
void ImportHeader(const ImportContext& context, CTwfObj* object);
void ImportListView(const ImportContext& context, CTwfObj* object);
void ImportTreeView(const ImportContext& context, CTwfObj* object);
void ImportToolBar(const ImportContext& context, CTwfObj* object);
void ImportTooltip(const ImportContext& context, CTwfObj* object);
void ImportStatusBar(const ImportContext& context, CTwfObj* object);
void ImportMenu(const ImportContext& context, CTwfObj* object);
void ImportDateTime(const ImportContext& context, CTwfObj* object);

// The submenu arrow: a 4 x 8 black triangle pointing right, centred.
void DrawSubmenuArrow(Pixels& target);

// A packed pair: low half x or width, high half y or height, each cut to
// 16 bits so that a negative half cannot spill into the other.
inline DWORD PackPair(int low, int high) {
    return (static_cast<DWORD>(low) & 0xFFFFu) | ((static_cast<DWORD>(high) & 0xFFFFu) << 16);
}

} // namespace hexmoor::exchange
