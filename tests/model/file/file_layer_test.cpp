// The file layer that skin files and region files share: whole-file reads
// with their results, and a replacing write that either completes or leaves
// the target as it was, with no temporary file behind and the failed step
// named.
#include "model/platform/file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>

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

TEST(FileLayer, HeadFirstReadsReadNoMoreThanTheirCheckAllows) {
    skin_test::ScratchDir dir("filelayer-head");
    const std::vector<std::uint8_t> ten = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    skin_test::WriteBytes(dir / "ten.bin", ten);
    const std::wstring path = (dir / "ten.bin").wstring();
    struct Case {
        const char* what;
        std::size_t head;
        std::optional<std::uint64_t> allowed;
        plat::FileReadResult result;
        std::vector<std::uint8_t> bytes;
    };
    const Case cases[] = {
        {"the whole file", 4, 100, plat::FileReadResult::kOk, ten},
        {"as much as the head says", 4, 6, plat::FileReadResult::kOk, {0, 1, 2, 3, 4, 5}},
        {"less than the head", 4, 2, plat::FileReadResult::kOk, {0, 1}},
        {"refused: the head only", 4, std::nullopt, plat::FileReadResult::kRefused, {0, 1, 2, 3}},
        {"a head longer than the file", 64, 64, plat::FileReadResult::kOk, ten},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> seenHead;
        std::uint64_t seenSize = 0;
        std::vector<std::uint8_t> bytes;
        const auto check = [&](std::span<const std::uint8_t> head, std::uint64_t size) {
            seenHead.assign(head.begin(), head.end());
            seenSize = size;
            return c.allowed;
        };
        EXPECT_EQ(plat::ReadFileHeadFirst(path, c.head, check, &bytes), c.result) << c.what;
        EXPECT_EQ(bytes, c.bytes) << c.what;
        EXPECT_EQ(seenHead, std::vector<std::uint8_t>(ten.begin(), ten.begin() + std::min<std::size_t>(c.head, 10)))
            << c.what;
        EXPECT_EQ(seenSize, 10u) << c.what;
    }
    // The whole-file read with a limit: a larger file is refused unread.
    std::vector<std::uint8_t> bytes = {42};
    EXPECT_EQ(plat::ReadFileBytes(path, &bytes, 9), plat::FileReadResult::kTooLarge);
    EXPECT_TRUE(bytes.empty());
    EXPECT_EQ(plat::ReadFileBytes(path, &bytes, 10), plat::FileReadResult::kOk);
    EXPECT_EQ(bytes, ten);
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

namespace {

TEST(FileLayer, ANewFileIsWrittenOnlyUnderAFreeNameAndIsWholeOrAbsent) {
    skin_test::ScratchDir dir("filelayer-new");
    const auto taken = dir / "taken.bin";
    skin_test::WriteBytes(taken, kOld);
    struct Case {
        const char* name;
        std::filesystem::path target;
        plat::FileProducer produce;
        plat::NewFileResult result;
    };
    const Case cases[] = {
        {"free name", dir / "fresh.bin", Produce(kNew), plat::NewFileResult::kWritten},
        {"file there", taken, Produce(kNew), plat::NewFileResult::kNameTaken},
        {"producer fails", dir / "failed.bin", Produce(kNew, false), plat::NewFileResult::kFailed},
        {"missing folder", dir / "missing" / "new.bin", Produce(kNew), plat::NewFileResult::kFailed},
    };
    for (const Case& c : cases) EXPECT_EQ(plat::WriteNewFile(c.target.wstring(), c.produce), c.result) << c.name;
    EXPECT_EQ(skin_test::ReadBytes(dir / "fresh.bin"), kNew);
    EXPECT_EQ(skin_test::ReadBytes(taken), kOld);
    EXPECT_FALSE(std::filesystem::exists(dir / "failed.bin"));
    EXPECT_FALSE(std::filesystem::exists(dir / "missing"));
}

} // namespace
