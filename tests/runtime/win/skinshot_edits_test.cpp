// skinshot's panel of edits and combo boxes, with a skin that gives every
// image and colour id of elements 3 and 13 its own colour: each item shows
// the ids of its state, and none of them with skinning off.
#include <gtest/gtest.h>

#include "model/elements/combo_box.h"
#include "tests/runtime/win/skinshot_sheet.h"

using namespace hexmoor::test;

TEST(SkinshotEdits, EveryEditAndComboShowsTheIdsOfItsStateAndNoneWhenOff) {
    SheetSkin skin;
    skin.Image(3, 10);
    skin.Image(3, 11);
    for (int id : {13, 14, 15, 16}) skin.Text(3, id);
    for (int id : {17, 18, 19, 20}) skin.Number(3, id, 3);
    for (int id : {341, 342, 343, 344, 346, 348, 351}) skin.Image(13, id);
    for (int id : {347, 349, 352}) skin.Text(13, id);
    for (int id : {658, 660}) skin.Number(13, id, 2);
    if (auto* combo = dynamic_cast<CTwfComboBox*>(skin.Element(13))) combo->SetArrowWidth(18);
    CheckSheet(L"edits", skin, {3, 13},
               {
                   {3, "normal", {10}, {13}, {11}},
                   {3, "focused", {10}, {14, 16}, {11}},
                   {3, "disabled", {11}, {15}, {10}},
                   {3, "readonly", {11}, {13}, {10}},
                   {3, "password", {10}, {13}, {11}},
                   {3, "multiline", {10}, {13}, {}},
                   {3, "rich", {10}, {}, {11}},
                   {13, "normal", {346, 341}, {347}, {342, 343, 348}},
                   {13, "hot", {346, 343}, {347}, {341, 342}},
                   {13, "dropped", {346, 342}, {347}, {341, 343}},
                   {13, "focused", {348, 341}, {349}, {346}},
                   {13, "disabled", {351, 344}, {352}, {341, 346}},
                   {13, "dropdown", {346, 341}, {}, {342}},
                   {13, "simple", {10}, {}, {341, 346}},
               });
}
