// skinshot's panel of toolbars and status bars, read from the sheet, with a
// skin that gives every image and colour id of elements 11 and 12 its own
// colour: each item shows the images and text colours of its state; with
// --off none of the skin's colours appear.
#include <gtest/gtest.h>

#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotBars, ToolbarAndStatusBarItemsShowTheirStatesAndNoSkinColourWhenOff) {
    SheetSkin skin;
    for (int id : {309, 311, 312, 313, 314, 315}) skin.Image(11, id);
    for (int id : {310, 316}) skin.Colour(11, id);
    for (int id : {324, 326, 332}) skin.Image(12, id);
    skin.Colour(12, 330);
    CheckSheet(L"bars", skin, {11, 12},
               {
                   // Normal, checked, disabled, separator, background and both text colours.
                   {11, "normal", {309, 311, 313, 314, 315, 310, 316}, {}, {312}},
                   {11, "hot", {}, {}, {312}},
                   {11, "pressed", {312}, {}, {}},
                   {12, "normal", {324, 326, 332, 330}, {}, {}},
               },
               [](const PixelBuffer& pixels, const SheetItems& items) {
                   EXPECT_GT(CountColour(pixels, items.at("11 hot"), IdColour(313)),
                             CountColour(pixels, items.at("11 normal"), IdColour(313)))
                       << "11 hot: the first button is hot as well as the checked one";
               });
}
