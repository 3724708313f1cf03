// skinshot's popup menu panel, read from the sheet, with a skin that gives
// every menu id its own colour: each item shows the images of its state;
// with --off none of the skin's colours appear.
#include <gtest/gtest.h>

#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotMenu, EachPopupStateShowsItsImagesAndNoneWhenOff) {
    SheetSkin skin;
    for (int id : {437, 439, 441, 443, 447, 449, 450, 452, 453}) skin.Image(16, id, 4, 4);
    for (int id : {454, 455, 606, 607}) skin.Number(16, id, 3);
    skin.Image(6, 119, 4, 4);
    skin.Image(7, 143, 4, 4);
    CheckSheet(L"menu", skin, {16},
               {
                   {16, "normal", {453, 441, 437, 443, 447, 449, 119, 143}, {}, {439, 450, 452}},
                   {16, "submenu-hot", {441, 450, 437}, {}, {449, 439}},
                   {16, "disabled-hot", {441, 449}, {}, {443, 439}},
                   {16, "pressed", {439, 437}, {}, {}},
               });
}
