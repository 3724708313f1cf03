// The skin-load entries against the generated skin files: their result
// codes, skin 1 switched off around a load, and the information strings.
#include <string>

#include "tests/harness/runtime_fixture.h"
#include "tests/runtime/win/skin_fixture_path.h"
#include "runtime/runtime_state.h"

using namespace hexmoor::test;

class LoadTest : public RuntimeTest {};

TEST_F(LoadTest, ResultCodesAndSkinOneOffAfterEveryLoad) {
    StartRuntime(true);
    struct Case {
        const char* file;
        int code;
    } cases[] = {
        {"good/v768.twf", 0},    {"bad/header_not_twf.twf", 2}, {"bad/header_9_0.twf", 4},
        {"no/such/file.twf", 2}, {"good/v512.twf", 0},
    };
    for (const Case& c : cases) {
        EnableSkinning();
        EXPECT_EQ(LoadSkinFromFile(SkinFixturePath(c.file).c_str()), c.code) << c.file;
        EXPECT_FALSE(hexmoor::rt::IsSkinActive(1)) << c.file << ": the host switches skin 1 on again";
        EXPECT_EQ(hexmoor::rt::State().skinLoaded, c.code == 0 ? TRUE : FALSE) << c.file;
    }
    EnableSkinning();
    EXPECT_TRUE(hexmoor::rt::IsSkinActive(1));
}

TEST_F(LoadTest, InformationStringsOfAFileAndNullForEmptyOnes) {
    StartRuntime(true);
    BSTR name = nullptr, author = nullptr, updated = nullptr, email = nullptr;
    ASSERT_EQ(GetSkinInfoStrings(SkinFixturePath("good/empty_skin.twf").c_str(), &name, &author, &updated, &email), 0);
    EXPECT_EQ(author, nullptr);
    EXPECT_EQ(email, nullptr);
    SysFreeString(name);
    SysFreeString(updated);
    EXPECT_EQ(GetSkinInfoStrings(SkinFixturePath("bad/header_not_twf.twf").c_str(), &name, &author, &updated, &email),
              1);
}
