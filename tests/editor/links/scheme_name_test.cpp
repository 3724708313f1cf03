// An element's shared scheme text: every way of making one keeps the text
// whole (a piece of a longer text keeps only that piece), copies share one
// text that outlives the holder it came from, and assigning a new text to
// one holder leaves the others with the old one.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "editor/links/scheme_name.h"

using namespace hexmoor::links;

TEST(SchemeName, KeepsTheTextItWasMadeFrom) {
    const std::wstring longText = L"<12>Folder\\Sub folder\\A button with a long name";
    const std::vector<std::wstring> texts = {L"", L"D", L"Default", L"<3>Button12", longText};
    for (const std::wstring& text : texts) {
        SCOPED_TRACE(std::string(text.begin(), text.end()));
        for (const SchemeName& name :
             {SchemeName(text), SchemeName(std::wstring_view(text)), SchemeName(text.c_str())}) {
            EXPECT_EQ(name.View(), text);
            EXPECT_EQ(name.Str(), text);
            EXPECT_TRUE(name == text);
            EXPECT_EQ(name.empty(), text.empty());
        }
    }
    EXPECT_TRUE(SchemeName(static_cast<const wchar_t*>(nullptr)).empty());
    EXPECT_TRUE(SchemeName().View().empty());
    // A piece of a longer text: its end is where the piece ends, not where
    // the text it was cut from does.
    const SchemeName piece(std::wstring_view(longText).substr(4, 6));
    EXPECT_EQ(piece.View(), L"Folder");
    EXPECT_EQ(piece.Str(), L"Folder");
    EXPECT_FALSE(piece == L"Folder\\");
}

TEST(SchemeName, CopiesShareOneTextThatOutlivesItsFirstHolder) {
    std::optional<SchemeName> first(std::in_place, L"<7>A progress bar shown in the status line");
    const SchemeName copy = *first;
    EXPECT_EQ(copy.View().data(), first->View().data());
    SchemeName moved = std::move(*first);
    EXPECT_EQ(moved.View().data(), copy.View().data());
    first.reset();
    EXPECT_EQ(copy.View(), L"<7>A progress bar shown in the status line");

    // A holder given a new text lets the others keep the old one.
    SchemeName renamed = copy;
    renamed = std::wstring(L"<7>Renamed");
    EXPECT_EQ(renamed.View(), L"<7>Renamed");
    EXPECT_EQ(copy.View(), L"<7>A progress bar shown in the status line");
    EXPECT_EQ(moved.View(), copy.View());
    renamed = copy;
    EXPECT_EQ(renamed.View().data(), copy.View().data());
}
