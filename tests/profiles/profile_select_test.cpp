#include <gtest/gtest.h>

#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using namespace profile_action;
using testing::patterned;
using testing::ProfileBench;

template <typename Range>
std::vector<std::uint8_t> bytesOf(const Range& range) {
    return {range.begin(), range.end()};
}

void link(ProfileBench& bench, const ProfileList& list, int position, const std::string& path) {
    IniDocument index = IniDocument::load(bench.indexPath(list.device));
    index.write(list.sections.linkFlag, std::to_string(position), "1");
    index.write(list.sections.linkPath, std::to_string(position), path);
    index.save(bench.indexPath(list.device));
}

TEST(ProfileSelection, StoresTheSelectionShowsTheNameAndLoads) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mousepad, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"a", "b", "c"});
    const ProfileOutcome out = selectProfile(bench.store, list, state, 2);
    EXPECT_EQ(state.selected, 2);
    EXPECT_TRUE(out.selectionChanged);
    EXPECT_EQ(out.nameField, "c");
    ASSERT_TRUE(out.link.has_value());
    EXPECT_FALSE(out.link->linked);
    EXPECT_EQ(IniDocument::load(bench.indexPath(DeviceKind::Mousepad))
                  .read(list.sections.select, "select"),
              "2");
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Mousepad).profileTable[0]),
              patterned(64, 30));
    EXPECT_EQ(out.actions, kRefreshMousepadPage);
    EXPECT_TRUE(bench.devices.memory(DeviceKind::Mousepad).writePending);
}

TEST(ProfileSelection, PositionOutsideTheListChangesNothing) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"a"});
    const int saves = bench.io.indexSaves;
    for (int position : {-1, 1, 50}) {
        const ProfileOutcome out = selectProfile(bench.store, list, state, position);
        EXPECT_FALSE(out.selectionChanged);
        EXPECT_FALSE(out.nameField.has_value());
        EXPECT_EQ(out.actions, 0u);
    }
    EXPECT_EQ(state.selected, -1);
    EXPECT_EQ(bench.io.indexSaves, saves);
}

TEST(ProfileSelection, LinkedToAPathWithoutFolderSelectsButLoadsNothing) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"a", "b"});
    link(bench, list, 1, "game.exe");
    bench.devices.memory(DeviceKind::Keyboard).keyTables[0].fill(0x77);
    const ProfileOutcome out = selectProfile(bench.store, list, state, 1);
    EXPECT_EQ(state.selected, 1);
    EXPECT_EQ(out.nameField, "b");
    ASSERT_TRUE(out.link.has_value());
    EXPECT_TRUE(out.link->linked);
    EXPECT_EQ(out.link->path, "game.exe");
    EXPECT_EQ(out.actions, 0u);
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).keyTables[0]),
              std::vector<std::uint8_t>(512, 0x77));
}

TEST(ProfileSelection, LinkedToAFullPathLoadsAsUsual) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"a", "b"});
    link(bench, list, 1, "/usr/bin/game");
    const ProfileOutcome out = selectProfile(bench.store, list, state, 1);
    EXPECT_EQ(out.link->path, "/usr/bin/game");
    EXPECT_EQ(bytesOf(bench.devices.memory(DeviceKind::Keyboard).keyTables[0]), patterned(512, 20));
    EXPECT_EQ(out.actions, kHideKeyFunctionPanel | kRefreshKeyboardKeys | kWriteKeyTable);
    EXPECT_FALSE(bench.devices.memory(DeviceKind::Keyboard).writePending);
}

TEST(ProfileSelection, FailedLoadStillAppliesTheUnchangedModel) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"a"});
    std::remove((bench.kindFolder(DeviceKind::Keyboard) + "a.led").c_str());
    bench.keyboardLighting.customSetIndex = 4;
    const ProfileOutcome out = selectProfile(bench.store, list, state, 0);
    EXPECT_EQ(bench.keyboardLighting.customSetIndex, 4u);
    EXPECT_EQ(out.actions, kRefreshKeyboardLighting);
    EXPECT_TRUE(bench.devices.memory(DeviceKind::Keyboard).writePending);
}

TEST(ProfileSelection, KeyboardDeviceRefreshesLightingAndKeysAndWritesTheTable) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Keyboard, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"a"});
    const ProfileOutcome out = selectProfile(bench.store, list, state, 0);
    EXPECT_EQ(out.actions, kRefreshKeyboardLighting | kRefreshKeyboardKeys | kWriteKeyTable);
    EXPECT_TRUE(bench.devices.memory(DeviceKind::Keyboard).writePending);
}

TEST(ProfileSelection, MouseDeviceSendsTheRecordAndKeepsTheDesktopPointerSettings) {
    ProfileBench bench;
    bench.desktop.speed = 16;
    bench.desktop.lines = 0;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Device);
    ProfileListState state = bench.makeList(list, {"a"});
    const ProfileOutcome out = selectProfile(bench.store, list, state, 0);
    EXPECT_EQ(out.actions, kSendMouseRecord | kRefreshMouseButtons | kWriteKeyTable |
                               kApplyPointerSpeed | kApplyWheelLines | kRefreshMousePage);
    EXPECT_EQ(out.pointerSpeed, 16);
    EXPECT_EQ(out.wheelLines, 1);
    std::vector<std::uint8_t> current(38);
    bench.devices.memory(DeviceKind::Mouse).current.copyTo(current);
    const auto payload = patterned(576, 10);
    EXPECT_EQ(current, std::vector<std::uint8_t>(payload.begin() + 512, payload.begin() + 550));
    EXPECT_TRUE(bench.devices.memory(DeviceKind::Mouse).writePending);
}

TEST(ProfileSelection, MouseLightingTakesPointerSettingsFromTheFile) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Lighting);
    ProfileListState state = bench.makeList(list, {"a"});
    const ProfileOutcome out = selectProfile(bench.store, list, state, 0);
    const auto payload = patterned(64, 10);
    EXPECT_EQ(out.actions, kApplyPointerSpeed | kApplyWheelLines | kRefreshMousePage);
    EXPECT_EQ(out.pointerSpeed, std::min<int>(payload[38], 20));
    EXPECT_EQ(out.wheelLines, payload[39]);
    EXPECT_EQ(bench.host.wheelLines, payload[39]);
}

TEST(ProfileSelection, MouseKeyHidesThePanelAndWritesTheTable) {
    ProfileBench bench;
    const ProfileList& list = bench.list(DeviceKind::Mouse, ProfileKind::Key);
    ProfileListState state = bench.makeList(list, {"a"});
    const ProfileOutcome out = selectProfile(bench.store, list, state, 0);
    EXPECT_EQ(out.actions, kHideKeyFunctionPanel | kRefreshMouseButtons | kWriteKeyTable);
    EXPECT_FALSE(bench.devices.memory(DeviceKind::Mouse).writePending);
}

}  // namespace
}  // namespace quillon
