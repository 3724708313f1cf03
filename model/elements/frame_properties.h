// The property ids of the window frame (element type 2): the numbers,
// colours and images the frame object itself stores. The skin file, the
// runtime, the element links, the importers and the tests name them from
// here. The sides' own images and regions are numbered lists (see
// CTwfSideFrame); the menu bar's numbers live on the frame too.
#pragma once

#include "model/platform/types.h"

namespace frame_props {

// Thickness of each side (the size row of the side's page).
inline constexpr WORD kTopThickness = 478;
inline constexpr WORD kBottomThickness = 479;
inline constexpr WORD kLeftThickness = 480;
inline constexpr WORD kRightThickness = 481;

// Caption text and icon.
inline constexpr WORD kTextColor = 482;
inline constexpr WORD kTextLocation = 484; // 0 Left, 1 Center, 2 Right, 3 UserOffset
inline constexpr WORD kTextHidden = 487;   // 0 Show, 1 Hide
inline constexpr WORD kIconLocation = 488; // 0 WithText, 1 UserOffset
inline constexpr WORD kTextOffset = 557;   // low word x, high word y (with kTextLocation 3)
inline constexpr WORD kIconOffset = 558;   // low word x, high word y (with kIconLocation 1)

// The window's shape: 0 None, 1 RoundRectShape, 2 EllipticShape,
// 3 UserRegion (the sides' regions); 4 marks a region-defined window.
inline constexpr WORD kRegionShape = 483;
inline constexpr DWORD kRegionShapeUser = 3;
inline constexpr DWORD kRegionDefinedWindow = 4;
inline constexpr WORD kRoundRectSize = 553; // low word cx, high word cy

inline constexpr WORD kMdiClientBackground = 485; // image
inline constexpr WORD kMinimizedImage = 486;      // image of a minimized frame

// Caption-button offsets (x from the near edge, y from the top), as pairs.
inline constexpr WORD kCloseButtonOffset = 489;
inline constexpr WORD kMinimizeButtonOffset = 490;
inline constexpr WORD kMaximizeButtonOffset = 491;
inline constexpr WORD kHelpButtonOffset = 492;
// Caption-button sizes (width low word, height high word).
inline constexpr WORD kCloseButtonSize = 493;
inline constexpr WORD kMinimizeButtonSize = 550;
inline constexpr WORD kMaximizeButtonSize = 551;
inline constexpr WORD kHelpButtonSize = 552;
// The offsets while the window is minimized.
inline constexpr WORD kMinimizedCloseOffset = 554;
inline constexpr WORD kMinimizedMaximizeOffset = 555;
inline constexpr WORD kMinimizedMinimizeOffset = 556;

inline constexpr WORD kButtonAlignment = 685;      // 0 Right, 1 Left
inline constexpr WORD kSemitransparency = 773;     // 0 False, 1 True
inline constexpr WORD kContentWhileDragging = 774; // 0 Show, 1 Hide

// The menu bar drawn in the frame: its images and text colours by state,
// and its sizes.
inline constexpr WORD kMenuBarItemNormal = 418;
inline constexpr WORD kMenuBarItemPressed = 419;
inline constexpr WORD kMenuBarItemHot = 420;
inline constexpr WORD kMenuBarItemDisabled = 421;
inline constexpr WORD kMenuBarBackground = 422;
inline constexpr WORD kMenuBarTextNormal = 423;
inline constexpr WORD kMenuBarTextPressed = 424;
inline constexpr WORD kMenuBarTextHot = 425;
inline constexpr WORD kMenuBarTextDisabled = 426;
inline constexpr WORD kMenuBarHeight = 652;
inline constexpr WORD kMenuBarLeftBorder = 653;
inline constexpr WORD kMenuBarTopBorder = 654;
inline constexpr WORD kMenuBarRightBorder = 655;
inline constexpr WORD kMenuBarBottomBorder = 656;
inline constexpr WORD kMenuBarItemOffset = 657; // x low word, y high word, signed

// The menu-bar object's MDI buttons: offsets and sizes.
inline constexpr WORD kMdiCloseOffset = 646;
inline constexpr WORD kMdiRestoreOffset = 647;
inline constexpr WORD kMdiMinimizeOffset = 648;
inline constexpr WORD kMdiCloseSize = 649;
inline constexpr WORD kMdiRestoreSize = 650;
inline constexpr WORD kMdiMinimizeSize = 651;

// The caption font.
inline constexpr WORD kCaptionFont = 1494;

// The caption buttons' images by state.
inline constexpr WORD kCloseImageNormal = 456;
inline constexpr WORD kCloseImagePressed = 457;
inline constexpr WORD kCloseImageHot = 458;
inline constexpr WORD kCloseImageDisabled = 459;
inline constexpr WORD kMaximizeImageNormal = 460;
inline constexpr WORD kMaximizeImagePressed = 461;
inline constexpr WORD kMaximizeImageHot = 462;
inline constexpr WORD kMaximizeImageDisabled = 470;
inline constexpr WORD kMinimizeImageNormal = 463;
inline constexpr WORD kMinimizeImagePressed = 464;
inline constexpr WORD kMinimizeImageHot = 465;
inline constexpr WORD kMinimizeImageDisabled = 471;
inline constexpr WORD kRestoreImageNormal = 466;
inline constexpr WORD kRestoreImagePressed = 467;
inline constexpr WORD kRestoreImageHot = 468;
inline constexpr WORD kRestoreImageDisabled = 469;
inline constexpr WORD kHelpImageNormal = 472;
inline constexpr WORD kHelpImagePressed = 473;
inline constexpr WORD kHelpImageHot = 474;
inline constexpr WORD kHelpImageDisabled = 475;

// The menu-bar object's MDI button images by state (the close button's
// disabled image is edited and kept, not drawn).
inline constexpr WORD kMdiCloseNormal = 505;
inline constexpr WORD kMdiClosePressed = 506;
inline constexpr WORD kMdiCloseHot = 507;
inline constexpr WORD kMdiCloseDisabled = 508;
inline constexpr WORD kMdiMinimizeNormal = 512;
inline constexpr WORD kMdiMinimizePressed = 513;
inline constexpr WORD kMdiMinimizeHot = 514;
inline constexpr WORD kMdiRestoreNormal = 515;
inline constexpr WORD kMdiRestorePressed = 516;
inline constexpr WORD kMdiRestoreHot = 517;

} // namespace frame_props
