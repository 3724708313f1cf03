// skinshot's panel of tabs, headers, a tooltip, a splitter and a size grip,
// read from the sheet, with a skin that gives every image and text colour
// id of elements 10, 20, 27, 28 and 34 its own colour: each item shows the
// images and text colours of its state; with --off none of them appear.
#include <gtest/gtest.h>

#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotTabs, EveryItemShowsTheColoursOfItsStateAndNoneWhenOff) {
    SheetSkin skin;
    for (int id = 218; id <= 228; ++id) id == 218 || id % 2 == 1 ? skin.Image(10, id) : skin.Text(10, id);
    for (int id = 238; id <= 248; ++id) id == 238 || id % 2 == 1 ? skin.Image(10, id) : skin.Text(10, id);
    for (int id = 376; id <= 379; ++id) skin.Image(20, id);
    for (int id = 380; id <= 383; ++id) skin.Text(20, id);
    skin.Image(28, 527);
    skin.Text(28, 528);
    for (int id = 600; id <= 605; ++id) skin.Image(34, id);
    skin.Image(27, 41);
    CheckSheet(L"tabs", skin, {10, 20, 27, 28, 34},
               {
                   {10, "normal", {218, 221, 219}, {222, 220}, {}},
                   {10, "hot", {223, 221}, {224, 222}, {}},
                   {10, "focused", {227, 219}, {228, 220}, {}},
                   {10, "disabled", {221, 225}, {222, 226}, {}},
                   {10, "vertical", {238, 241, 239}, {242, 240}, {}},
                   {20, "normal", {376}, {380}, {}},
                   {20, "hot", {378, 376}, {382, 380}, {}},
                   {20, "pressed", {377, 376}, {381, 380}, {}},
                   {20, "disabled", {379}, {383}, {}},
                   {28, "normal", {527}, {528}, {}},
                   {34, "normal", {600, 601, 602, 603}, {}, {}},
                   {27, "normal", {41}, {}, {}},
               });
}
