#include <gtest/gtest.h>

#include "lighting/MouseRecord.h"
#include "profiles/ProfileModel.h"
#include "profiles/ProfileTestSupport.h"

namespace quillon {
namespace {

using testing::FakeDesktop;
using testing::patterned;

// A model whose every region holds a pattern of its own.
struct PatternedModel {
    DeviceModel devices;
    KeyboardLightingStore keyboardLighting;
    HostSettings host{14, 42};
    ProfileModel model{devices, keyboardLighting, host};

    PatternedModel() {
        std::uint8_t seed = 1;
        for (DeviceKind kind : kAllDeviceKinds) {
            DeviceMemory& memory = devices.memory(kind);
            const auto table = patterned(kKeyTableSize, seed++);
            std::copy(table.begin(), table.end(), memory.keyTables[0].begin());
            const auto record = patterned(kRecordSize, seed++);
            std::copy(record.begin(), record.end(), memory.profileTable[0].begin());
            memory.current.assign(patterned(memory.current.size(), seed++));
        }
        keyboardLighting.customSetIndex = 3;
        for (std::size_t n = 0; n < keyboardLighting.sets.size(); ++n) {
            const auto set = patterned(kCustomSetSize, static_cast<std::uint8_t>(100 + n));
            std::copy(set.begin(), set.end(), keyboardLighting.sets[n].begin());
        }
    }
    DeviceMemory& memory(DeviceKind kind) { return devices.memory(kind); }
};

std::vector<std::uint8_t> slice(const std::vector<std::uint8_t>& bytes, std::size_t from,
                                std::size_t size) {
    return {bytes.begin() + static_cast<std::ptrdiff_t>(from),
            bytes.begin() + static_cast<std::ptrdiff_t>(from + size)};
}

template <typename Range>
std::vector<std::uint8_t> bytesOf(const Range& range) {
    return {range.begin(), range.end()};
}

std::vector<std::uint8_t> expectedRecord(PatternedModel& m, DeviceKind kind) {
    refreshEntryFromCurrent(kind, m.model);
    return bytesOf(m.memory(kind).profileTable[0]);
}

TEST(ProfilePayloadSizes, EveryListHasItsSize) {
    const std::size_t sizes[] = {2470, 1958, 512, 576, 64, 512, 64};
    std::size_t i = 0;
    PatternedModel m;
    for (const ProfileList& list : allProfileLists()) {
        EXPECT_EQ(list.payloadSize, sizes[i++]);
        EXPECT_EQ(assemblePayload(list, m.model).size(), list.payloadSize);
    }
}

TEST(ProfileSaving, EntryZeroTakesTheCurrentRecordAndTheMouseHostValues) {
    PatternedModel m;
    const auto tail = slice(bytesOf(m.memory(DeviceKind::Mouse).profileTable[0]), 40, 24);
    refreshEntryFromCurrent(DeviceKind::Mouse, m.model);
    const auto entry = bytesOf(m.memory(DeviceKind::Mouse).profileTable[0]);
    EXPECT_EQ(slice(entry, 0, 38), patterned(38, 6));  // the mouse's current record
    EXPECT_EQ(entry[38], 14);
    EXPECT_EQ(entry[39], 42);
    EXPECT_EQ(slice(entry, 40, 24), tail);

    const auto before = bytesOf(m.memory(DeviceKind::Mousepad).profileTable[0]);
    refreshEntryFromCurrent(DeviceKind::Mousepad, m.model);
    const auto pad = bytesOf(m.memory(DeviceKind::Mousepad).profileTable[0]);
    EXPECT_EQ(slice(pad, 0, 21), patterned(21, 9));
    EXPECT_EQ(slice(pad, 21, 43), slice(before, 21, 43));
}

TEST(ProfilePayloadLayout, KeyboardDevice) {
    PatternedModel m;
    const auto record = expectedRecord(m, DeviceKind::Keyboard);
    const auto payload =
        assemblePayload(*findProfileList(DeviceKind::Keyboard, ProfileKind::Device), m.model);
    EXPECT_EQ(slice(payload, 0, 512), bytesOf(m.memory(DeviceKind::Keyboard).keyTables[0]));
    EXPECT_EQ(slice(payload, 512, 64), record);
    EXPECT_EQ(slice(payload, 576, 4), (std::vector<std::uint8_t>{3, 0, 0, 0}));
    for (std::size_t n = 0; n < 5; ++n) {
        EXPECT_EQ(slice(payload, 580 + 378 * n, 378), bytesOf(m.keyboardLighting.sets[n])) << n;
    }
}

TEST(ProfilePayloadLayout, KeyboardLighting) {
    PatternedModel m;
    const auto record = expectedRecord(m, DeviceKind::Keyboard);
    const auto payload =
        assemblePayload(*findProfileList(DeviceKind::Keyboard, ProfileKind::Lighting), m.model);
    EXPECT_EQ(slice(payload, 0, 64), record);
    EXPECT_EQ(slice(payload, 64, 4), (std::vector<std::uint8_t>{3, 0, 0, 0}));
    EXPECT_EQ(slice(payload, 68 + 378 * 4, 378), bytesOf(m.keyboardLighting.sets[4]));
}

TEST(ProfilePayloadLayout, KeyListsHoldTheKeyTableOfProfileZero) {
    PatternedModel m;
    for (DeviceKind kind : {DeviceKind::Keyboard, DeviceKind::Mouse}) {
        const auto payload = assemblePayload(*findProfileList(kind, ProfileKind::Key), m.model);
        EXPECT_EQ(payload, bytesOf(m.memory(kind).keyTables[0]));
    }
}

TEST(ProfilePayloadLayout, MouseDeviceAndLighting) {
    PatternedModel m;
    const auto record = expectedRecord(m, DeviceKind::Mouse);
    const auto device =
        assemblePayload(*findProfileList(DeviceKind::Mouse, ProfileKind::Device), m.model);
    EXPECT_EQ(slice(device, 0, 512), bytesOf(m.memory(DeviceKind::Mouse).keyTables[0]));
    EXPECT_EQ(slice(device, 512, 64), record);
    const auto lighting =
        assemblePayload(*findProfileList(DeviceKind::Mouse, ProfileKind::Lighting), m.model);
    EXPECT_EQ(lighting, record);
    EXPECT_EQ(lighting[mouse_field::kPointerSpeed], 14);
    EXPECT_EQ(lighting[mouse_field::kWheelLines], 42);
}

TEST(ProfilePayloadLayout, MousepadLighting) {
    PatternedModel m;
    const auto record = expectedRecord(m, DeviceKind::Mousepad);
    EXPECT_EQ(
        assemblePayload(*findProfileList(DeviceKind::Mousepad, ProfileKind::Lighting), m.model),
        record);
}

TEST(ProfileLoading, KeyboardDeviceFillsTableRecordCurrentAndCustomSets) {
    PatternedModel m;
    FakeDesktop desktop;
    const ProfileList& list = *findProfileList(DeviceKind::Keyboard, ProfileKind::Device);
    auto payload = patterned(2470, 200);
    payload[576] = 2;
    payload[577] = payload[578] = payload[579] = 0;
    ASSERT_TRUE(applyPayload(list, payload, m.model, desktop));
    DeviceMemory& kb = m.memory(DeviceKind::Keyboard);
    EXPECT_EQ(bytesOf(kb.keyTables[0]), slice(payload, 0, 512));
    EXPECT_EQ(bytesOf(kb.profileTable[0]), slice(payload, 512, 64));
    std::vector<std::uint8_t> current(21);
    kb.current.copyTo(current);
    EXPECT_EQ(current, slice(payload, 512, 21));
    EXPECT_EQ(m.keyboardLighting.customSetIndex, 2u);
    EXPECT_EQ(bytesOf(m.keyboardLighting.sets[1]), slice(payload, 580 + 378, 378));
}

TEST(ProfileLoading, MouseDeviceKeepsTheDesktopsPointerSettings) {
    PatternedModel m;
    FakeDesktop desktop;
    desktop.speed = 0;  // the desktop said nothing: 1
    desktop.lines = 7;
    const ProfileList& list = *findProfileList(DeviceKind::Mouse, ProfileKind::Device);
    const auto payload = patterned(576, 30);
    ASSERT_TRUE(applyPayload(list, payload, m.model, desktop));
    EXPECT_EQ(m.host.pointerSpeed, 1);
    EXPECT_EQ(m.host.wheelLines, 7);
    std::vector<std::uint8_t> current(38);
    m.memory(DeviceKind::Mouse).current.copyTo(current);
    EXPECT_EQ(current, slice(payload, 512, 38));
    EXPECT_EQ(bytesOf(m.memory(DeviceKind::Mouse).profileTable[0]), slice(payload, 512, 64));
}

TEST(ProfileLoading, MouseLightingTakesPointerSettingsFromBytes38And39) {
    PatternedModel m;
    FakeDesktop desktop;
    const ProfileList& list = *findProfileList(DeviceKind::Mouse, ProfileKind::Lighting);
    auto payload = patterned(64, 0);
    payload[38] = 16;
    payload[39] = 0;
    ASSERT_TRUE(applyPayload(list, payload, m.model, desktop));
    EXPECT_EQ(m.host.pointerSpeed, 16);
    EXPECT_EQ(m.host.wheelLines, 1);
    payload[38] = 0;
    payload[39] = 9;
    applyPayload(list, payload, m.model, desktop);
    EXPECT_EQ(m.host.pointerSpeed, 1);
    EXPECT_EQ(m.host.wheelLines, 9);
}

TEST(ProfileLoading, KeyListChangesOnlyTheKeyTable) {
    PatternedModel m;
    FakeDesktop desktop;
    const auto record = bytesOf(m.memory(DeviceKind::Mouse).profileTable[0]);
    const auto payload = patterned(512, 77);
    ASSERT_TRUE(applyPayload(*findProfileList(DeviceKind::Mouse, ProfileKind::Key), payload,
                             m.model, desktop));
    EXPECT_EQ(bytesOf(m.memory(DeviceKind::Mouse).keyTables[0]), payload);
    EXPECT_EQ(bytesOf(m.memory(DeviceKind::Mouse).profileTable[0]), record);
    EXPECT_EQ(m.host.pointerSpeed, 14);
}

TEST(ProfileLoading, PayloadOfAnotherSizeChangesNothing) {
    PatternedModel m;
    FakeDesktop desktop;
    const auto before = bytesOf(m.memory(DeviceKind::Mousepad).profileTable[0]);
    EXPECT_FALSE(applyPayload(*findProfileList(DeviceKind::Mousepad, ProfileKind::Lighting),
                              patterned(63, 1), m.model, desktop));
    EXPECT_EQ(bytesOf(m.memory(DeviceKind::Mousepad).profileTable[0]), before);
}

TEST(ProfileRoundTrip, EveryListGivesBackWhatItSaved) {
    for (const ProfileList& list : allProfileLists()) {
        PatternedModel source;
        refreshEntryFromCurrent(list.device, source.model);
        const auto payload = assemblePayload(list, source.model);
        DeviceModel devices;
        KeyboardLightingStore lighting;
        HostSettings host;
        ProfileModel target{devices, lighting, host};
        FakeDesktop desktop;
        ASSERT_TRUE(applyPayload(list, payload, target, desktop));
        EXPECT_EQ(assemblePayload(list, target), payload)
            << kindName(list.device) << " " << profileKindTag(list.kind);
    }
}

}  // namespace
}  // namespace quillon
