#pragma once
// The kinds of the element trees' items that the family table gives link
// classes to. An item's kind says what it shows: an element, a part of one
// (a frame's sides, buttons, menu bar), a folder node or a group.

namespace hexmoor::links {

enum ItemKind : int {
    kItemFrame = 0,
    kItemTopSide = 1,
    kItemRightSide = 2,
    kItemBottomSide = 3,
    kItemLeftSide = 4,
    kItemCloseButton = 5,
    kItemMinimizeButton = 6,
    kItemMaximizeButton = 7,
    kItemRestoreButton = 8,
    kItemDialog = 9,
    kItemButton = 11,
    kItemGrip = 20,
    kItemSliders = 24,
    kItemTabs = 27,
    kItemHeader = 37,
    kItemProgressBars = 39,
    kItemProgressH = 40,
    kItemProgressV = 41,
    kItemSpins = 42,
    kItemSpinH = 43,
    kItemSpinV = 44,
    kItemScrollBars = 46,
    kItemStandaloneHScroll = 47,
    kItemStandaloneVScroll = 48,
    kItemMenuBar = 49,
    kItemMenu = 50,
    kItemStaticText = 51,
    kItemFrameSides = 52,
    kItemCaptionButtons = 53,
    kItemMdiCloseButton = 55,
    kItemMdiMinimizeButton = 56,
    kItemMdiRestoreButton = 58,
    kItemRegionDefined = 60,
    kItemHelpButton = 61,
    kItemMinimizedFrame = 62,
    kItemToolStrip = 67,
    kItemStatusStrip = 68,
    kItemDropDownMenu = 69,
    kItemMenuStrip = 70,
    kItemUserData = 71,
    kItemFolder = 72,
    kItemInternalHScroll = 73,
    kItemInternalVScroll = 74,
    // The roots and groups of the trees: nodes that edit nothing.
    kItemDefaultRoot = 80,
    kItemWindowsGroup = 81,
    kItemControlsGroup = 82,
    kItemCommonControlsGroup = 83,
    kItemDotNetGroup = 84,
    kItemCustomRoot = 85,
    kItemUserDataRoot = -123,
};

} // namespace hexmoor::links
