// skinshot's panel of lists, read from the sheet, with a skin that gives
// every image and colour id of elements 14, 15 and 19 its own colour: each
// item shows the ids of its state; with --off none of the skin's colours.
#include <gtest/gtest.h>

#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotLists, EveryListItemShowsTheIdsOfItsStateAndNoneWhenOff) {
    SheetSkin skin;
    // Every colour of an element is set: an element missing some gets the
    // whole set of defaults when the file is read.
    for (int id : {354, 355}) skin.Image(14, id);
    for (int id = 791; id <= 796; ++id) skin.Image(14, id, 11, 11);
    skin.Colour(14, 358);
    skin.Colour(13, 353); // the drop list's frame
    for (int id : {366, 367}) skin.Image(15, id);
    for (int id : {372, 373, 374, 375, 626, 627, 628}) skin.Colour(15, id);
    for (int id : {393, 394}) skin.Image(19, id);
    for (int id : {395, 396, 401, 402}) skin.Image(19, id, 9, 9);
    for (int id = 612; id <= 617; ++id) skin.Colour(19, id);
    for (int id = 359; id <= 362; ++id) skin.Number(14, id, 2);
    for (int id = 368; id <= 371; ++id) skin.Number(15, id, 2);
    for (int id = 397; id <= 400; ++id) skin.Number(19, id, 2);
    CheckSheet(L"lists", skin, {14, 15, 19},
               {
                   {14, "droplist", {354, 358, 353}, {}, {}}, // the open list of "13 dropped", in the edits' panel
                   {14, "normal", {354, 358}, {}, {}},
                   {14, "disabled", {355}, {}, {}},
                   {14, "checklist", {354, 791, 793, 795, 792}, {}, {}}, // item 3 is disabled and unchecked
                   {15, "normal", {366, 626, 372}, {}, {}},
                   {15, "unfocused", {366, 626}, {}, {}},
                   {15, "disabled", {367, 373}, {}, {}},
                   {15, "icon", {366}, {}, {}},
                   {19, "normal", {393, 395, 396, 616}, {}, {}},
                   {19, "disabled", {394, 401, 402}, {}, {}},
               });
}
