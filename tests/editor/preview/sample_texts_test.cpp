// The samples' texts: list and combo items, colour names, tip texts and
// their 80-character buffers, and the progress bars' cycle.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "editor/preview/samples/sample_texts.h"

using namespace hexmoor::preview;

TEST(SampleTexts, ItemsHeadersTabsAndColoursAreFormattedFromTheirIndex) {
    EXPECT_EQ(ListItemText(0), "Listbox Item - 0");
    EXPECT_EQ(ComboItemText(11), "Combobox Item - 11");
    EXPECT_EQ(HeaderText(2), "Header 2");
    EXPECT_EQ(ListItemLabel(1), "List Item 1");
    EXPECT_EQ(TabText(4), "Tab Item - 4");
    const char* colours[] = {"yellow", "red", "green", "magenta", "cyan", "blue", "yellow"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(ColourName(i), colours[i]) << i;
}

TEST(SampleTexts, TipTextsComeFromTheTableOrNameTheId) {
    struct Case {
        unsigned id;
        const char* text;
    } cases[] = {
        {1001, "Check2"},
        {1011, "Check1"},
        {1, "Ok Button"},
        {2, "Cancel Button"},
        {1077, "Static Text1"},
        {1008, "Progress"},
        {0, ""},
        // The template's OK and Cancel are 1080 and 1081: they name their id.
        {1080, "Control ID = 1080"},
        {65535, "Control ID = 65535"},
    };
    for (const Case& c : cases) EXPECT_EQ(ToolTipText(c.id), c.text) << c.id;
}

TEST(SampleTexts, TipBuffersHoldAtMost79CharactersAndTheTerminator) {
    const std::string fits(79, 'a'), longer(200, 'b');
    char ansi[kTipBufferLength];
    wchar_t wide[kTipBufferLength];
    CopyTipText(ansi, fits);
    EXPECT_EQ(std::string(ansi), fits);
    CopyTipText(ansi, longer);
    EXPECT_EQ(std::string(ansi), std::string(79, 'b'));
    CopyTipText(wide, longer);
    EXPECT_EQ(std::wcslen(wide), 79u);
    EXPECT_EQ(wide[0], L'b');
    CopyTipText(wide, "Control ID = 7");
    EXPECT_EQ(std::wstring(wide), L"Control ID = 7");
    CopyTipText(wide, "");
    EXPECT_EQ(std::wstring(wide), L"");
}

TEST(SampleTexts, TheProgressCounterCyclesBy5AndWrapsFrom95To0) {
    int value = 0, ticks = 0;
    do {
        EXPECT_LT(value, 100);
        value = NextProgressValue(value);
        ++ticks;
    } while (value != 0 && ticks < 100);
    EXPECT_EQ(ticks, 20);
    EXPECT_EQ(NextProgressValue(95), 0);
    EXPECT_EQ(NextProgressValue(90), 95);
}
