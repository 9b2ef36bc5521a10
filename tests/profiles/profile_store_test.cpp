#include <gtest/gtest.h>

#include <filesystem>

#include "profiles/ProfileFile.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::fileExists;
using testing::folderEntries;
using testing::patterned;
using testing::ProfileBench;
using testing::readBytes;
using testing::writeBytes;

template <typename Range>
std::vector<std::uint8_t> bytesOf(const Range& range) {
    return {range.begin(), range.end()};
}

TEST(ProfileListSetUp, FirstUseMakesProfile1FromTheDefaultFileOfEveryList) {
    ProfileBench bench;
    bench.writeDefaults(5);
    for (const ProfileList& list : allProfileLists()) {
        const SetUpOutcome out = bench.store.setUpProfileList(list);
        EXPECT_EQ(out.entries, std::vector<std::string>{"profile1"});
        EXPECT_EQ(out.message, nullptr);
        const std::string file =
            bench.kindFolder(list.device) + "profile1" + std::string(list.extension());
        EXPECT_EQ(readBytes(file),
                  profileFileImage(list.deviceCode(), patterned(list.payloadSize, 5)));
        const IniDocument index = IniDocument::load(bench.indexPath(list.device));
        EXPECT_EQ(index.read(list.sections.count, "count"), "1");
        EXPECT_EQ(index.read(list.sections.name, "0"), "profile1");
        EXPECT_EQ(index.read(list.sections.select, "select"), "0");
        EXPECT_EQ(index.read(list.sections.linkFlag, "0"), "0");
    }
}

TEST(ProfileListSetUp, ExistingListIsReadInIndexOrder) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Key);
    bench.makeList(list, {"b", "a", "Work"});
    const SetUpOutcome out = bench.store.setUpProfileList(list);
    EXPECT_EQ(out.entries, (std::vector<std::string>{"b", "a", "Work"}));
    EXPECT_EQ(bench.io.writes, 0);
}

TEST(ProfileListSetUp, CountZeroRecreatesProfile1OverAnExistingFile) {
    ProfileBench bench;
    bench.writeDefaults(9);
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    bench.writeProfile(list, "profile1", 100);
    writeBytes(bench.indexPath(DeviceKind::Mousepad),
               {'[', 'P', 'R', 'O', 'F',  'I', 'L', 'E', 'D', 'E', 'N', 'G', 'C', 'O',
                'U', 'N', 'T', ']', '\n', 'c', 'o', 'u', 'n', 't', '=', '0', '\n'});
    EXPECT_EQ(bench.setUp(list).entries, std::vector<std::string>{"profile1"});
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Mousepad) + "profile1.led"),
              profileFileImage(3, patterned(64, 9)));
}

TEST(ProfileListSetUp, MissingOrMalformedDefaultStopsThePageAndWritesNothing) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Device);
    SetUpOutcome out = bench.store.setUpProfileList(list);
    EXPECT_STREQ(out.message, profile_message::kFileMissing);
    EXPECT_TRUE(out.stopDevicePage);
    EXPECT_TRUE(out.entries.empty());

    writeBytes(bench.program.path() + "kbdevicedefault.config",
               std::vector<std::uint8_t>(40, 0x11));
    out = bench.store.setUpProfileList(list);
    EXPECT_STREQ(out.message, profile_message::kNotProfileFile);
    EXPECT_TRUE(out.stopDevicePage);
    EXPECT_TRUE(folderEntries(bench.kindFolder(DeviceKind::Keyboard)).empty());
}

TEST(ProfileListSetUp, KeyboardDefaultsFollowTheVariant) {
    ProfileBench bench;
    bench.writeDefaults(20);  // variant 0 files seed 20, variant 1 files seed 21
    bench.devices.keyboardVariant = 1;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    bench.setUp(list);
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "profile1.pro"),
              profileFileImage(1, patterned(512, 21)));
}

TEST(ProfileListSetUp, HugeCountIsNotTrusted) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    bench.makeList(list, {"a"});
    IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mouse));
    index.write(list.sections.count, "count", "2000000000");
    index.save(bench.indexPath(DeviceKind::Mouse));
    EXPECT_EQ(bench.setUp(list).entries.size(), static_cast<std::size_t>(kProfileListLimit));
}

TEST(ProfileLoad, FillsTheModelFromTheNamedFile) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    bench.makeList(list, {"a", "b"});
    EXPECT_EQ(bench.store.loadProfile(list, 1), LoadResult::Loaded);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Mousepad).profileTable[0]),
              patterned(64, 20));
}

TEST(ProfileLoad, MissingOrMalformedFileLeavesTheModel) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    bench.makeList(list, {"gone", "bad"});
    std::filesystem::remove(bench.kindFolder(DeviceKind::Mouse) + "gone.config");
    writeBytes(bench.kindFolder(DeviceKind::Mouse) + "bad.config",
               std::vector<std::uint8_t>(600, 1));
    DeviceMemory& mouse = bench.devices.memory(DeviceKind::Mouse);
    mouse.keyTables[0].fill(0x42);
    EXPECT_EQ(bench.store.loadProfile(list, 0), LoadResult::Missing);
    EXPECT_EQ(bench.store.loadProfile(list, 1), LoadResult::BadFormat);
    EXPECT_EQ(bench.store.loadProfile(list, 7), LoadResult::Missing);  // beyond the list: "0"
    EXPECT_EQ(bytesOf(mouse.keyTables[0]), std::vector<std::uint8_t>(512, 0x42));
}

TEST(ProfileLoad, NameLeftBeyondTheCountIsNotLoaded) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    bench.makeList(list, {"a", "b"});
    // A deletion leaves the old last name in the file, beyond the new count.
    IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mousepad));
    index.write(list.sections.count, "count", "1");
    index.save(bench.indexPath(DeviceKind::Mousepad));
    DeviceMemory& pad = bench.devices.memory(DeviceKind::Mousepad);
    pad.profileTable[0].fill(0x42);
    EXPECT_EQ(bench.store.loadProfile(list, 1), LoadResult::Missing);
    EXPECT_EQ(bench.store.loadProfile(list, -1), LoadResult::Missing);
    EXPECT_EQ(bytesOf(pad.profileTable[0]), std::vector<std::uint8_t>(64, 0x42));
}

TEST(ProfileLoad, AnotherDevicesFileOfTheRightSizeLoads) {
    ProfileBench bench;
    const ProfileList& pad = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    bench.makeList(pad, {"from mouse"});
    const auto mouseFile = profileFileImage(2, patterned(64, 99));
    writeBytes(bench.kindFolder(DeviceKind::Mousepad) + "from mouse.led", mouseFile);
    EXPECT_EQ(bench.store.loadProfile(pad, 0), LoadResult::Loaded);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Mousepad).profileTable[0]),
              patterned(64, 99));
}

TEST(ProfileLoad, KeyProfileWrittenInOneCaseIsFoundInAnother) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    bench.makeList(list, {"Game"});
    std::filesystem::rename(bench.kindFolder(DeviceKind::Keyboard) + "Game.pro",
                            bench.kindFolder(DeviceKind::Keyboard) + "game.PRO");
    EXPECT_EQ(bench.store.loadProfile(list, 0), LoadResult::Loaded);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).keyTables[0]), patterned(512, 10));
}

TEST(ProfileLoad, NamesLeavingTheFolderAreNotFollowed) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    bench.makeList(list, {"a"});
    writeBytes(bench.data.path() + "outside.led", profileFileImage(3, patterned(64, 1)));
    IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mousepad));
    index.write(list.sections.name, "0", "../outside");
    index.save(bench.indexPath(DeviceKind::Mousepad));
    EXPECT_EQ(bench.store.loadProfile(list, 0), LoadResult::Missing);
    index.write(list.sections.select, "select", "0");
    index.save(bench.indexPath(DeviceKind::Mousepad));
    EXPECT_LT(bench.store.saveSelectedProfile(list), 0);
    EXPECT_EQ(readBytes(bench.data.path() + "outside.led"), profileFileImage(3, patterned(64, 1)));
}

TEST(ProfileSave, WritesTheSelectedProfileWithEntryZeroBroughtUpToDate) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    bench.makeList(list, {"a", "b"});
    IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Mouse));
    index.write(list.sections.select, "select", "1");
    index.save(bench.indexPath(DeviceKind::Mouse));
    DeviceMemory& mouse = bench.devices.memory(DeviceKind::Mouse);
    mouse.profileTable[0].fill(0x33);
    mouse.current.assign(patterned(38, 50));
    bench.host = HostSettings{12, 5};

    ASSERT_EQ(bench.store.saveSelectedProfile(list), 1);
    std::vector<std::uint8_t> expected = patterned(38, 50);
    expected.push_back(12);
    expected.push_back(5);
    expected.resize(64, 0x33);
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Mouse) + "b.led"),
              profileFileImage(2, expected));
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Mouse) + "a.led"),
              profileFileImage(2, patterned(64, 10)));
}

TEST(ProfileSave, SelectionOutsideTheListWritesNothing) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    bench.makeList(list, {"a"});
    IniDocument index = IniDocument::load(bench.indexPath(DeviceKind::Keyboard));
    index.write(list.sections.name, "3", "stale");
    index.write(list.sections.select, "select", "3");
    index.save(bench.indexPath(DeviceKind::Keyboard));
    EXPECT_EQ(bench.store.saveSelectedProfile(list), 0);
    EXPECT_FALSE(fileExists(bench.kindFolder(DeviceKind::Keyboard) + "stale.pro"));
}

TEST(ProfileSave, MissingSelectionSavesPositionZero) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    bench.makeList(list, {"only"});
    bench.devices.memory(DeviceKind::Keyboard).keyTables[0].fill(0x5A);
    ASSERT_EQ(bench.store.saveSelectedProfile(list), 1);
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "only.pro"),
              profileFileImage(1, std::vector<std::uint8_t>(512, 0x5A)));
}

}  // namespace
}  // namespace quillon
