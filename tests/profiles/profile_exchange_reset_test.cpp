#include <gtest/gtest.h>

#include "lighting/MouseRecord.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileMessages.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using namespace profile_action;
using testing::fileExists;
using testing::patterned;
using testing::ProfileBench;
using testing::readBytes;
using testing::readText;
using testing::writeBytes;

template <typename Range>
std::vector<std::uint8_t> bytesOf(const Range& range) {
    return {range.begin(), range.end()};
}

std::vector<std::uint8_t> part(const std::vector<std::uint8_t>& bytes, std::size_t from,
                               std::size_t size) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(from + size)};
}

TEST(ImportProfile, DeviceListGetsANewProfileWithTheImportedContent) {
    ProfileBench bench;
    bench.writeDefaults(1);
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"profile1", "Work"});
    state.selected = 1;
    const std::string chosen = bench.program.path() + "shared.config";
    writeBytes(chosen, profileFileImage(1, patterned(2470, 90)));
    const ProfileOutcome out = importProfile(bench.store, list, state, chosen);
    EXPECT_EQ(out.message, nullptr);
    EXPECT_EQ(state.entries, (std::vector<std::string>{"profile1", "Work", "profile2"}));
    EXPECT_EQ(state.selected, 2);
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "profile2.config"),
              profileFileImage(1, patterned(2470, 90)));
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).keyTables[0]), patterned(512, 90));
    EXPECT_TRUE(out.has(kWriteKeyTable));
}

TEST(ImportProfile, KeyListReplacesTheSelectedProfileAndAcceptsOtherDevicesFiles) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"a", "b"});
    state.selected = 0;
    const std::string chosen = bench.program.path() + "keyboard.pro";
    writeBytes(chosen, profileFileImage(1, patterned(600, 70)));  // a keyboard file, longer
    const ProfileOutcome out = importProfile(bench.store, list, state, chosen);
    EXPECT_EQ(state.entries.size(), 2u);
    EXPECT_EQ(state.selected, 0);
    EXPECT_EQ(out.nameField, "a");
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Mouse) + "a.pro"),
              profileFileImage(2, patterned(512, 70)));  // written with the mouse's code
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Mouse).keyTables[0]), patterned(512, 70));
}

TEST(ImportProfile, UnusableFileChangesNothing) {
    ProfileBench bench;
    bench.writeDefaults(1);
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"a"});
    state.selected = 0;
    const std::string indexBefore = readText(bench.indexPath(DeviceKind::Mouse));
    writeBytes(bench.program.path() + "junk.config", std::vector<std::uint8_t>(600, 0x20));
    EXPECT_STREQ(
        importProfile(bench.store, list, state, bench.program.path() + "junk.config").message,
        profile_message::kNotProfileFile);
    EXPECT_STREQ(
        importProfile(bench.store, list, state, bench.program.path() + "none.config").message,
        profile_message::kFileMissing);
    EXPECT_EQ(state.entries.size(), 1u);
    EXPECT_EQ(readText(bench.indexPath(DeviceKind::Mouse)), indexBefore);
}

TEST(ExportProfile, WritesTheSelectedProfileWithTheDevicesCode) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"a", "b"});
    state.selected = 1;
    const std::string chosen = bench.program.path() + "out.led";
    EXPECT_EQ(exportProfile(bench.store, list, state, chosen).message, nullptr);
    EXPECT_EQ(readBytes(chosen), profileFileImage(3, patterned(64, 20)));
}

TEST(ExportProfile, MissingProfileOrUnwritableTargetSaysSo) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"a"});
    state.selected = 0;
    EXPECT_STREQ(exportProfile(bench.store, list, state, "/nonexistent/folder/x.led").message,
                 profile_message::kWriteFailed);
    std::remove((bench.kindFolder(DeviceKind::Mousepad) + "a.led").c_str());
    const std::string chosen = bench.program.path() + "out.led";
    EXPECT_STREQ(exportProfile(bench.store, list, state, chosen).message,
                 profile_message::kFileMissing);
    EXPECT_FALSE(fileExists(chosen));
}

TEST(ExportImport, FileFilterFollowsTheExtension) {
    const ProfileFileFilter filter =
        profileFileFilter(*findProfileList(DeviceKind::Keyboard, ProfileKind::Device));
    EXPECT_EQ(filter.filter, "(*.config) | *.config ||");
    EXPECT_EQ(filter.initialName, "*.config");
    EXPECT_EQ(filter.defaultExtension, "config");
    EXPECT_EQ(profileFileFilter(*findProfileList(DeviceKind::Mouse, ProfileKind::Key)).filter,
              "(*.pro) | *.pro ||");
}

struct ResetFixture : ::testing::Test {
    ProfileBench bench;
    void SetUp() override { bench.writeDefaults(3); }
    ProfileListState selectedList(const ProfileList& list) {
        ProfileListState state = bench.makeList(list, {"mine"});
        IniDocument index = IniDocument::load(bench.indexPath(list.device));
        index.write(list.sections.select, "select", "0");
        index.save(bench.indexPath(list.device));
        return state;
    }
};

TEST_F(ResetFixture, MouseDeviceSavesWithTheOldHostValuesThenSetsTenAndSix) {
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    selectedList(list);
    bench.host = HostSettings{4, 9};
    const ProfileOutcome out = resetProfile(bench.store, list);
    const auto defaults = patterned(576, 3);
    DeviceMemory& mouse = bench.devices.memory(DeviceKind::Mouse);
    EXPECT_EQ(bytesOf(mouse.keyTables[0]), part(defaults, 0, 512));
    EXPECT_EQ(bytesOf(mouse.profileTable[0]).at(20), defaults[512 + 20]);
    const auto saved = readBytes(bench.kindFolder(DeviceKind::Mouse) + "mine.config");
    EXPECT_EQ(saved[16 + 512 + 38], 4);
    EXPECT_EQ(saved[16 + 512 + 39], 9);
    EXPECT_EQ(bench.host.pointerSpeed, 10);
    EXPECT_EQ(bench.host.wheelLines, 6);
    EXPECT_EQ(out.pointerSpeed, 10);
    EXPECT_EQ(out.wheelLines, 6);
    EXPECT_EQ(sliderForPointerSpeed(out.pointerSpeed), 4);
    EXPECT_EQ(out.actions, kRefreshMousePage | kWriteKeyTable | kApplyPointerSpeed |
                               kApplyWheelLines | kSelectFirstMouseButton);
    EXPECT_TRUE(mouse.writePending);
}

TEST_F(ResetFixture, MouseLightingTakes56BytesSavesBothFilesAndSetsTenAndOne) {
    const ProfileList& lighting = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    const ProfileList& device = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    selectedList(lighting);
    selectedList(device);
    DeviceMemory& mouse = bench.devices.memory(DeviceKind::Mouse);
    mouse.profileTable[0].fill(0xC3);
    bench.host = HostSettings{8, 2};
    const ProfileOutcome out = resetProfile(bench.store, lighting);
    const auto defaults = patterned(64, 3);
    const auto entry = bytesOf(mouse.profileTable[0]);
    EXPECT_EQ(part(entry, 0, 38), part(defaults, 0, 38));
    EXPECT_EQ(entry[38], 8);  // saved with the host values from before
    EXPECT_EQ(part(entry, 40, 16), part(defaults, 40, 16));
    EXPECT_EQ(part(entry, 56, 8), std::vector<std::uint8_t>(8, 0xC3));
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Mouse) + "mine.led"),
              profileFileImage(2, entry));
    const auto deviceFile = readBytes(bench.kindFolder(DeviceKind::Mouse) + "mine.config");
    EXPECT_EQ(part(deviceFile, 16 + 512, 64), entry);
    EXPECT_EQ(bench.host.pointerSpeed, 10);
    EXPECT_EQ(bench.host.wheelLines, 1);
    EXPECT_EQ(out.actions, kRefreshMousePage | kApplyPointerSpeed | kApplyWheelLines);
}

TEST_F(ResetFixture, MousepadKeepsRecordBytes56To63) {
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    selectedList(list);
    DeviceMemory& pad = bench.devices.memory(DeviceKind::Mousepad);
    pad.profileTable[0].fill(0x5E);
    const ProfileOutcome out = resetProfile(bench.store, list);
    const auto entry = bytesOf(pad.profileTable[0]);
    EXPECT_EQ(part(entry, 0, 56), part(patterned(64, 3), 0, 56));
    EXPECT_EQ(part(entry, 56, 8), std::vector<std::uint8_t>(8, 0x5E));
    std::vector<std::uint8_t> current(21);
    pad.current.copyTo(current);
    EXPECT_EQ(current, part(patterned(64, 3), 0, 21));
    EXPECT_EQ(out.actions, kRefreshMousepadPage);
    EXPECT_TRUE(pad.writePending);
}

TEST_F(ResetFixture, KeyboardKeyUsesTheVariantsDefaultAndHidesThePanel) {
    bench.devices.keyboardVariant = 1;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    selectedList(list);
    const ProfileOutcome out = resetProfile(bench.store, list);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).keyTables[0]), patterned(512, 4));
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "mine.pro"),
              profileFileImage(1, patterned(512, 4)));
    EXPECT_EQ(out.actions, kHideKeyFunctionPanel | kRefreshKeyboardLighting | kWriteKeyTable);
    EXPECT_FALSE(bench.devices.memory(DeviceKind::Keyboard).writePending);
}

TEST_F(ResetFixture, KeyboardLightingRestoresRecordAndCustomSets) {
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Lighting);
    selectedList(list);
    const ProfileOutcome out = resetProfile(bench.store, list);
    const auto defaults = patterned(1958, 3);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).profileTable[0]),
              part(defaults, 0, 64));
    EXPECT_EQ(bytesOf(bench.keyboardLighting.sets[2]), part(defaults, 68 + 378 * 2, 378));
    EXPECT_EQ(readBytes(bench.kindFolder(DeviceKind::Keyboard) + "mine.led"),
              profileFileImage(1, defaults));
    EXPECT_EQ(out.actions, kRefreshKeyboardLighting);
    EXPECT_TRUE(bench.devices.memory(DeviceKind::Keyboard).writePending);
}

TEST_F(ResetFixture, MissingDefaultStopsWithMessage8) {
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    selectedList(list);
    std::remove((bench.program.path() + "kbkeydefault.pro").c_str());
    bench.devices.memory(DeviceKind::Keyboard).keyTables[0].fill(0x61);
    const ProfileOutcome out = resetProfile(bench.store, list);
    EXPECT_STREQ(out.message, profile_message::kFileMissing);
    EXPECT_EQ(out.actions, kHideKeyFunctionPanel);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).keyTables[0]),
              std::vector<std::uint8_t>(512, 0x61));
}

}  // namespace
}  // namespace quillon
