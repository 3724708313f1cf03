#pragma once
// Applies a sample's fill plan to its controls, and the sample contents
// made by code: image lists from the samples' image strips and the sample
// tree.

#include <windows.h>

#include <vector>

#include "base/win/handles.h"
#include "editor/preview/samples/fill_plan.h"

namespace hexmoor::fw {
class CheckListBox;
} // namespace hexmoor::fw

namespace hexmoor::preview {

// The plan's steps in order; `checkList` takes the check-list steps and
// `tabImages` is given to every tab control filled.
void ApplyFillPlan(HWND dialog, const std::vector<FillStep>& plan, fw::CheckListBox* checkList, HIMAGELIST tabImages);

// An image list cut from a bitmap resource strip into images `size` wide,
// masked by a colour (24-bit colour with mask, 4 to start, growing by 4).
win::ImageList LoadSampleImages(UINT bitmapId, int size, COLORREF mask);

// The sample tree: "Expanded Node" A with a "Tree Item", "Collapsed Node"
// B (two items) and C (two items) below it, then "Expanded Node" D with two
// items; A and D expanded, A made visible.
void FillSampleTree(HWND tree, int image, int selectedImage);
// A report or list pane of the splitter sample: three columns of `width`
// and six rows of colour names (image r), columns 1 and 2 too when `allColumns`.
void AddColourRows(HWND list, int columnWidth, bool allColumns);

} // namespace hexmoor::preview
