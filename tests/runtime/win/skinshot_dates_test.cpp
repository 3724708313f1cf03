// skinshot's panel of dates, read from the sheet, with a skin that gives
// every image and colour id of elements 22 and 38 its own colour: each item
// shows the ids of its state; with --off none of the skin's colours.
#include <gtest/gtest.h>

#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotDates, EveryPickerAndCalendarItemShowsTheIdsOfItsStateAndNoneWhenOff) {
    SheetSkin skin;
    // Every colour of an element is set: an element missing some gets the
    // whole set of defaults when the file is read.
    for (int id : {405, 407, 409, 410, 411, 412, 413, 414, 415}) skin.Image(22, id);
    for (int id : {406, 408, 416, 417}) skin.Colour(22, id);
    for (int id = 630; id <= 639; ++id) skin.Image(38, id);
    for (int id = 640; id <= 645; ++id) skin.Colour(38, id);
    CheckSheet(L"dates", skin, {22, 38},
               {
                   {22, "normal", {405, 406, 413}, {}, {}},
                   {22, "focused", {416, 417}, {}, {}},
                   {22, "disabled", {407, 408, 415}, {}, {}},
                   {22, "shownone", {409, 406}, {}, {}},
                   {22, "none", {410, 408}, {}, {}},
                   {22, "pressed", {414}, {}, {}},
                   {22, "updown", {405, 406}, {}, {}},
                   {38, "normal", {631, 634, 637, 638, 639, 640, 641, 642, 643, 644, 645}, {}, {}},
                   {38, "weeknumbers", {637, 639, 645}, {}, {}},
                   {38, "prev-pressed", {632, 634}, {}, {}},
                   {38, "disabled", {633, 636}, {}, {}},
                   {38, "range", {640, 641}, {}, {}},
                   {38, "dropdown", {637, 639, 642}, {}, {}},
               });
}
