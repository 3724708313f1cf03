// skinshot's panel of statics and range controls, read from the sheet, with
// a skin that gives every colour and image id of elements 8, 9, 17, 18 and
// 21 its own colour: each item shows the ids of its state; with --off none
// of the skin's colours appear.
#include <gtest/gtest.h>

#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotStatics, EveryItemShowsTheIdsOfItsStateAndNoneWhenOff) {
    SheetSkin skin;
    for (int id = 157; id <= 162; ++id) skin.Colour(8, id);
    for (int id : {494, 495}) skin.Colour(21, id);
    for (int id = 170; id <= 209; ++id) skin.Image(9, id);
    for (int id : {258, 259, 260, 261, 263, 264, 265, 266, 277, 278, 279, 280, 282, 283, 284, 285}) skin.Image(17, id);
    for (int id : {287, 288, 298, 299}) skin.Image(18, id);
    CheckSheet(L"statics", skin, {8, 9, 17, 18, 21, 26},
               {
                   {8, "normal", {158, 159}, {}, {161, 162}},
                   {8, "disabled", {161, 162}, {}, {158, 159}},
                   {21, "normal", {494}, {}, {495}},
                   {21, "disabled", {495}, {}, {494}},
                   {26, "bitmap", {}, {}, {158, 159}},
                   {26, "etched-horz", {158, 159}, {}, {}},
                   {26, "etched-vert", {158, 159}, {}, {}},
                   {26, "etched-frame", {}, {}, {158, 159}},
                   {9, "normal", {170, 171, 172}, {}, {178}},
                   {9, "hot", {177, 178}, {}, {172}},
                   {9, "thumb-hot", {176, 178}, {}, {170}},
                   {9, "pressed", {173, 174, 175}, {}, {170}},
                   {9, "disabled", {179, 180, 181}, {}, {172}},
                   {9, "focused", {182, 183, 184}, {}, {172}},
                   {9, "selection", {185}, {}, {}},
                   {9, "vertical", {194, 195, 196}, {}, {172}},
                   {17, "normal", {277, 282}, {}, {}},
                   {17, "pressed", {277, 283}, {}, {282}},
                   {17, "hot", {279, 282}, {}, {277}},
                   {17, "disabled", {280, 285}, {}, {277}},
                   {17, "horizontal", {258, 263}, {}, {277}},
                   {18, "half", {287, 288}, {}, {}},
                   {18, "vertical", {298, 299}, {}, {}},
                   {18, "marquee", {287, 288}, {}, {}},
               });
}
