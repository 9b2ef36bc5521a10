#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "profiles/ProfileFile.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::fileExists;
using testing::folderEntries;
using testing::patterned;
using testing::readBytes;
using testing::ScratchFolder;
using testing::writeBytes;

TEST(ProfileFileWriting, HeaderIsMagicZerosDeviceCodeZeros) {
    ScratchFolder folder;
    const std::string path = folder.path() + "a.led";
    const auto payload = patterned(64, 7);
    ASSERT_EQ(writeProfileFile(path, 3, payload), 1);
    const auto bytes = readBytes(path);
    ASSERT_EQ(bytes.size(), 80u);
    const std::vector<std::uint8_t> header(bytes.begin(), bytes.begin() + 16);
    EXPECT_EQ(header,
              (std::vector<std::uint8_t>{0xAA, 0x55, 0, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_TRUE(std::equal(payload.begin(), payload.end(), bytes.begin() + 16));
}

TEST(ProfileFileWriting, ReplacesAnExistingFileAndLeavesNoTemporaryFile) {
    ScratchFolder folder;
    const std::string path = folder.path() + "a.pro";
    writeBytes(path, std::vector<std::uint8_t>(3000, 0xEE));
    ::chmod(path.c_str(), 0600);
    ASSERT_EQ(writeProfileFile(path, 1, patterned(512, 1)), 1);
    EXPECT_EQ(readBytes(path).size(), 528u);
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"a.pro"});
    struct stat info {};
    ASSERT_EQ(::stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 0777, 0600u);  // a replaced file keeps its permissions
}

TEST(ProfileFileWriting, MissingFolderFailsAndCreatesNothing) {
    ScratchFolder folder;
    EXPECT_LT(writeProfileFile(folder.path() + "absent/a.pro", 1, patterned(512, 1)), 0);
    EXPECT_TRUE(folderEntries(folder.path()).empty());
}

TEST(ProfileFileWriting, TargetThatIsAFolderFailsAndStays) {
    ScratchFolder folder;
    std::filesystem::create_directory(folder.path() + "x.pro");
    EXPECT_LT(writeProfileFile(folder.path() + "x.pro", 1, patterned(512, 1)), 0);
    EXPECT_TRUE(std::filesystem::is_directory(folder.path() + "x.pro"));
    EXPECT_EQ(folderEntries(folder.path()), std::vector<std::string>{"x.pro"});
}

TEST(ProfileFileReading, MissingFileOrFolderIsMissing) {
    ScratchFolder folder;
    EXPECT_EQ(readProfileFile(folder.path() + "none.pro", 512).result, LoadResult::Missing);
    EXPECT_EQ(readProfileFile(folder.path(), 512).result, LoadResult::Missing);
    EXPECT_TRUE(readProfileFile(folder.path() + "none.pro", 512).payload.empty());
}

TEST(ProfileFileReading, WrongMagicIsBadFormat) {
    ScratchFolder folder;
    auto image = profileFileImage(2, patterned(64, 1));
    image[0] = 0x55;
    image[1] = 0xAA;  // the magic the wrong way round
    writeBytes(folder.path() + "a.led", image);
    const ProfileFileData read = readProfileFile(folder.path() + "a.led", 64);
    EXPECT_EQ(read.result, LoadResult::BadFormat);
    EXPECT_TRUE(read.payload.empty());
}

TEST(ProfileFileReading, FileShorterThanTheHeaderIsBadFormat) {
    ScratchFolder folder;
    writeBytes(folder.path() + "a.led", {0xAA, 0x55, 0, 0, 2});
    EXPECT_EQ(readProfileFile(folder.path() + "a.led", 64).result, LoadResult::BadFormat);
    writeBytes(folder.path() + "b.led", {});
    EXPECT_EQ(readProfileFile(folder.path() + "b.led", 64).result, LoadResult::BadFormat);
}

TEST(ProfileFileReading, ShortPayloadLeavesTheTailZero) {
    ScratchFolder folder;
    writeBytes(folder.path() + "a.config", profileFileImage(2, patterned(100, 9)));
    const ProfileFileData read = readProfileFile(folder.path() + "a.config", 576);
    ASSERT_EQ(read.result, LoadResult::Loaded);
    ASSERT_EQ(read.payload.size(), 576u);
    const auto head = patterned(100, 9);
    EXPECT_TRUE(std::equal(head.begin(), head.end(), read.payload.begin()));
    EXPECT_TRUE(std::all_of(read.payload.begin() + 100, read.payload.end(),
                            [](std::uint8_t b) { return b == 0; }));
}

TEST(ProfileFileReading, HeaderOnlyLoadsAllZeros) {
    ScratchFolder folder;
    writeBytes(folder.path() + "a.led", profileFileImage(3, {}));
    const ProfileFileData read = readProfileFile(folder.path() + "a.led", 64);
    ASSERT_EQ(read.result, LoadResult::Loaded);
    EXPECT_EQ(read.payload, std::vector<std::uint8_t>(64, 0));
}

TEST(ProfileFileReading, LongFileGivesOnlyThePayloadSize) {
    ScratchFolder folder;
    writeBytes(folder.path() + "a.led", profileFileImage(1, patterned(5000, 3)));
    const ProfileFileData read = readProfileFile(folder.path() + "a.led", 64);
    ASSERT_EQ(read.result, LoadResult::Loaded);
    EXPECT_EQ(read.payload, patterned(64, 3));
}

TEST(ProfileFileReading, DeviceCodeAndReservedBytesAreNotLookedAt) {
    ScratchFolder folder;
    auto image = profileFileImage(2, patterned(64, 4));  // a mouse file
    image[2] = 0x77;
    image[10] = 0x99;
    writeBytes(folder.path() + "a.led", image);
    const ProfileFileData read = readProfileFile(folder.path() + "a.led", 64);
    EXPECT_EQ(read.result, LoadResult::Loaded);
    EXPECT_EQ(read.payload, patterned(64, 4));
}

}  // namespace
}  // namespace quillon
