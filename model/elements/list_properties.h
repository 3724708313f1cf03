// The property ids of the list box (element type 14), the list view (15) and
// the tree view (19).
#pragma once

#include "model/platform/types.h"

namespace list_box_props {

inline constexpr WORD kImageNormal = 354;
inline constexpr WORD kImageDisabled = 355;
inline constexpr WORD kTextNormal = 356;
inline constexpr WORD kTextDisabled = 357;
inline constexpr WORD kSelection = 358;
inline constexpr WORD kSelectedText = 363;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 359;
inline constexpr WORD kTopBorder = 360;
inline constexpr WORD kRightBorder = 361;
inline constexpr WORD kBottomBorder = 362;
// The check images of a check-box list box.
inline constexpr WORD kUncheckNormal = 791;
inline constexpr WORD kUncheckDisabled = 792;
inline constexpr WORD kCheckNormal = 793;
inline constexpr WORD kCheckDisabled = 794;
inline constexpr WORD kIndeterminateNormal = 795;
inline constexpr WORD kIndeterminateDisabled = 796;

} // namespace list_box_props

namespace list_view_props {

inline constexpr WORD kImageNormal = 366;
inline constexpr WORD kImageDisabled = 367;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 368;
inline constexpr WORD kTopBorder = 369;
inline constexpr WORD kRightBorder = 370;
inline constexpr WORD kBottomBorder = 371;
inline constexpr WORD kGridNormal = 372;
inline constexpr WORD kGridDisabled = 373;
inline constexpr WORD kTextNormal = 374;
inline constexpr WORD kTextDisabled = 375;
inline constexpr WORD kSelection = 626;
inline constexpr WORD kSelectedText = 627;
inline constexpr WORD kHotItem = 628;

} // namespace list_view_props

namespace tree_props {

inline constexpr WORD kBackgroundNormal = 393;
inline constexpr WORD kBackgroundDisabled = 394;
inline constexpr WORD kBoxNormal = 395;
inline constexpr WORD kExpandedBoxNormal = 396;
// Border widths in pixels.
inline constexpr WORD kLeftBorder = 397;
inline constexpr WORD kTopBorder = 398;
inline constexpr WORD kRightBorder = 399;
inline constexpr WORD kBottomBorder = 400;
inline constexpr WORD kBoxDisabled = 401;
inline constexpr WORD kExpandedBoxDisabled = 402;
inline constexpr WORD kHorLineNormal = 403;
inline constexpr WORD kHorLineDisabled = 404;
inline constexpr WORD kVertLineNormal = 610;
inline constexpr WORD kVertLineDisabled = 611;
inline constexpr WORD kTextNormal = 612;
inline constexpr WORD kTextDisabled = 613;
inline constexpr WORD kSelectedTextNormal = 614;
inline constexpr WORD kSelectedTextDisabled = 615;
inline constexpr WORD kSelectionNormal = 616;
inline constexpr WORD kSelectionDisabled = 617;

} // namespace tree_props
