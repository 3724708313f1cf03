// The file layer that skin files and region files share: whole-file reads
// with their results, and a replacing write that either completes or leaves
// the target as it was, with no temporary file behind and the failed step
// named.
#include "model/platform/file.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "tests/model/file/skin_test_support.h"

namespace plat = hexmoor::platform;

namespace {

const std::vector<std::uint8_t> kOld = {1, 2, 3, 4, 5};
const std::vector<std::uint8_t> kNew = {9, 8, 7};

plat::FileProducer Produce(const std::vector<std::uint8_t>& bytes, bool succeed = true) {
    return [bytes, succeed](plat::ByteSink& sink) { return sink.Write(bytes) && succeed; };
}

TEST(FileLayer, ReadResults) {
    skin_test::ScratchDir dir("filelayer-read");
    std::vector<std::uint8_t> bytes = {42};
    EXPECT_EQ(plat::ReadFileBytes((dir / "missing.bin").wstring(), &bytes), plat::FileReadResult::kCannotOpen);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(plat::ReadFileBytes(dir.Path().wstring(), &bytes), plat::FileReadResult::kCannotOpen);

    skin_test::WriteBytes(dir / "empty.bin", {});
    EXPECT_EQ(plat::ReadFileBytes((dir / "empty.bin").wstring(), &bytes), plat::FileReadResult::kOk);
    EXPECT_TRUE(bytes.empty());
    skin_test::WriteBytes(dir / "five.bin", kOld);
    EXPECT_EQ(plat::ReadFileBytes((dir / "five.bin").wstring(), &bytes), plat::FileReadResult::kOk);
    EXPECT_EQ(bytes, kOld);
    // A caller's own limit refuses a larger file before reading it.
    EXPECT_EQ(plat::ReadFileBytes((dir / "five.bin").wstring(), &bytes, 5), plat::FileReadResult::kOk);
    EXPECT_EQ(plat::ReadFileBytes((dir / "five.bin").wstring(), &bytes, 4), plat::FileReadResult::kTooLarge);
    EXPECT_TRUE(bytes.empty());
}

TEST(FileLayer, CreateFolder) {
    skin_test::ScratchDir dir("filelayer-folder");
    const auto made = dir / "made";
    EXPECT_TRUE(plat::CreateFolder(made.wstring()));
    EXPECT_TRUE(std::filesystem::is_directory(made));
    EXPECT_TRUE(plat::CreateFolder(made.wstring())); // already there
    skin_test::WriteBytes(dir / "file.bin", kOld);
    EXPECT_FALSE(plat::CreateFolder((dir / "file.bin").wstring()));
    EXPECT_FALSE(plat::CreateFolder((dir / "missing" / "deeper").wstring()));
}

TEST(FileLayer, ReplacingWriteCompletesOrLeavesTheTargetAsItWas) {
    skin_test::ScratchDir dir("filelayer-write");
    const auto target = dir / "target.bin";
    const std::wstring path = target.wstring();
    skin_test::WriteBytes(target, kOld);

    struct Case {
        const char* name;
        std::filesystem::path target;
        plat::FileProducer produce;
        plat::FileWriteFailure failure;
    };
    std::filesystem::create_directory(dir / "folder.bin");
    const Case cases[] = {
        {"missing folder", dir / "missing" / "target.bin", Produce(kNew), plat::FileWriteFailure::kCreateTemporary},
        {"producer fails", target, Produce(kNew, false), plat::FileWriteFailure::kWriteTemporary},
        {"target is a folder", dir / "folder.bin", Produce(kNew), plat::FileWriteFailure::kReplaceTarget},
    };
    for (const Case& c : cases) {
        // Whether the bytes are flushed or left to the system, a failed
        // write leaves the same things behind.
        for (plat::WriteDurability durability : {plat::WriteDurability::kFlushed, plat::WriteDurability::kUnflushed}) {
            plat::FileWriteFailure failure{};
            EXPECT_FALSE(plat::WriteFileReplacing(c.target.wstring(), c.produce, &failure, durability)) << c.name;
            EXPECT_EQ(failure, c.failure) << c.name;
            EXPECT_FALSE(std::filesystem::exists(plat::TemporaryPathFor(c.target.wstring()))) << c.name;
        }
    }
    EXPECT_EQ(skin_test::ReadBytes(target), kOld);
    EXPECT_TRUE(std::filesystem::is_directory(dir / "folder.bin"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));

    // A complete write replaces the old contents; a new file is created.
    plat::FileWriteFailure untouched = plat::FileWriteFailure::kReplaceTarget;
    EXPECT_TRUE(plat::WriteFileReplacing(path, Produce(kNew), &untouched));
    EXPECT_EQ(untouched, plat::FileWriteFailure::kReplaceTarget);
    EXPECT_EQ(skin_test::ReadBytes(target), kNew);
    EXPECT_TRUE(plat::WriteFileReplacing((dir / "fresh.bin").wstring(), Produce(kOld)));
    EXPECT_EQ(skin_test::ReadBytes(dir / "fresh.bin"), kOld);
    EXPECT_TRUE(plat::WriteFileReplacing((dir / "fresh.bin").wstring(), Produce(kNew), nullptr,
                                         plat::WriteDurability::kUnflushed));
    EXPECT_EQ(skin_test::ReadBytes(dir / "fresh.bin"), kNew);
    EXPECT_FALSE(std::filesystem::exists(plat::TemporaryPathFor(path)));
}

TEST(FileLayer, AStaleTemporaryFromAnEarlierCrashIsOverwritten) {
    skin_test::ScratchDir dir("filelayer-stale");
    const std::wstring path = (dir / "target.bin").wstring();
    skin_test::WriteBytes(plat::TemporaryPathFor(path), std::vector<std::uint8_t>(100, 0xEE));
    ASSERT_TRUE(plat::WriteFileReplacing(path, Produce(kNew)));
    EXPECT_EQ(skin_test::ReadBytes(dir / "target.bin"), kNew);
    EXPECT_FALSE(std::filesystem::exists(plat::TemporaryPathFor(path)));
}

} // namespace
