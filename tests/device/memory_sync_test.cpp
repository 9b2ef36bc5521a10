#include <gtest/gtest.h>

#include <numeric>
#include <string>
#include <vector>

#include "device/MemorySync.h"
#include "device/ProtocolFake.h"

namespace quillon {
namespace {

using protofake::Fault;
using protofake::RequestShape;
using Shapes = std::vector<RequestShape>;

using protofake::mouseReadSequence;

// Distinct bytes everywhere in the device, and a model that differs from it.
void fillDevice(protofake::FakeMemory& m, std::uint8_t active) {
    std::iota(m.info.begin(), m.info.end(), std::uint8_t{0x30});
    std::iota(m.keyTable.begin(), m.keyTable.end(), std::uint8_t{0x11});
    std::iota(m.pages.begin(), m.pages.end(), std::uint8_t{0x01});
    std::iota(m.settings.begin(), m.settings.end(), std::uint8_t{0x80});
    m.settings[0] = active;
}

void fillModel(DeviceMemory& memory) {
    memory.info.fill(0xC1);
    memory.factoryKeyTable.fill(0xC2);
    for (auto& table : memory.keyTables) {
        table.fill(0xC3);
    }
    for (auto& entry : memory.profileTable) {
        entry.fill(0xC4);
    }
    std::vector<std::uint8_t> current(memory.current.size(), 0xC5);
    current[0] = 1;
    memory.current.assign(current);
}

std::vector<std::uint8_t> snapshot(const DeviceMemory& m) {
    std::vector<std::uint8_t> bytes(m.info.begin(), m.info.end());
    bytes.insert(bytes.end(), m.factoryKeyTable.begin(), m.factoryKeyTable.end());
    for (const auto& t : m.keyTables) {
        bytes.insert(bytes.end(), t.begin(), t.end());
    }
    for (const auto& e : m.profileTable) {
        bytes.insert(bytes.end(), e.begin(), e.end());
    }
    for (std::size_t i = 0; i < m.current.size(); ++i) {
        bytes.push_back(m.current.get(i));
    }
    return bytes;
}

std::vector<std::uint8_t> currentOf(const DeviceMemory& m) {
    std::vector<std::uint8_t> bytes(m.current.size());
    m.current.copyTo(bytes);
    return bytes;
}

// Records what the operations ask of the interface and the profile files.
struct HookLog {
    std::vector<std::string> calls;
    std::vector<std::uint8_t> cursorImage;
    SyncHooks hooks() {
        SyncHooks h;
        h.saveSelectedProfile = [this](DeviceKind kind, SyncHooks::ProfileList list) {
            static const char* names[] = {"device", "key", "lighting"};
            calls.push_back("save " + std::string(kindName(kind)) + " " +
                            names[static_cast<int>(list)]);
        };
        h.showMessage = [this](std::string_view id) {
            calls.push_back("message " + std::string(id));
        };
        h.rebuildKeyPositionMap = [this] { calls.push_back("keymap"); };
        h.storeCursorImage = [this](std::span<const std::uint8_t> image) {
            calls.push_back("cursor");
            cursorImage.assign(image.begin(), image.end());
        };
        h.refreshPage = [this](DeviceKind kind) {
            calls.push_back("refresh " + std::string(kindName(kind)));
        };
        h.hideControl = [this](std::string_view name) {
            calls.push_back("hide " + std::string(name));
        };
        return h;
    }
};

struct SyncRig : protofake::ProtocolRig {
    explicit SyncRig(DeviceKind kind, bool connected = true) : ProtocolRig(kind) {
        fillDevice(device.memory, 2);
        fillModel(model.memory(kind));
        if (connected) {
            EXPECT_TRUE(protofake::connect(channel));
        }
    }
    DeviceMemory& memory() { return model.memory(channel.kind()); }
    Shapes sent() const { return protofake::shapes(device.requests); }
    DeviceModel model;
    HookLog log;
};

TEST(ReadWholeMouse, RequestsEveryRegionInOrderAndAdoptsTheActiveProfile) {
    SyncRig rig(DeviceKind::Mouse);
    EXPECT_EQ(ReadWholeMouse(rig.model, rig.channel, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), mouseReadSequence()) << protofake::describe(rig.sent());
    const auto& dev = rig.device.memory;
    const DeviceMemory& m = rig.memory();
    EXPECT_TRUE(std::equal(m.info.begin(), m.info.end(), dev.info.begin()));
    EXPECT_TRUE(
        std::equal(m.factoryKeyTable.begin(), m.factoryKeyTable.end(), dev.keyTable.begin()));
    for (int p = 0; p < 5; ++p) {
        EXPECT_TRUE(std::equal(m.profileTable[p].begin(), m.profileTable[p].begin() + 56,
                               dev.settings.begin() + p * 64))
            << p;
        EXPECT_EQ(m.profileTable[p][56], 0xC4) << "bytes 56..63 are not read";
        EXPECT_TRUE(
            std::equal(m.keyTables[p].begin(), m.keyTables[p].end(), dev.pages.begin() + p * 126))
            << p;
    }
    std::vector<std::uint8_t> expected(dev.settings.begin() + 128, dev.settings.begin() + 128 + 38);
    expected[0] = 2;
    EXPECT_EQ(currentOf(m), expected);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"save mouse device"}));
}

TEST(ReadWholeMouse, AbsentDeviceLeavesTheModelAsItWas) {
    SyncRig rig(DeviceKind::Mouse, false);
    const auto before = snapshot(rig.memory());
    EXPECT_EQ(ReadWholeMouse(rig.model, rig.channel, rig.log.hooks()), kCommandNoAnswer);
    EXPECT_EQ(snapshot(rig.memory()), before);
    EXPECT_TRUE(rig.device.requests.empty());
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(ReadWholeMouse, DeviceFallingSilentKeepsWhatDidNotArrive) {
    SyncRig rig(DeviceKind::Mouse);
    // BeginConfig, info, ten key table chunks and profile 0's record arrive; nothing after.
    rig.device.faults.push_back({Fault::Silent, 13, 100000});
    EXPECT_EQ(ReadWholeMouse(rig.model, rig.channel, rig.log.hooks()), kCommandNoAnswer);
    const DeviceMemory& m = rig.memory();
    EXPECT_EQ(m.profileTable[0][1], rig.device.memory.settings[1]);
    EXPECT_EQ(m.keyTables[0][0], 0xC3);
    EXPECT_EQ(m.profileTable[3][1], 0xC4);
    EXPECT_EQ(m.current.get(0), 1);  // the active number never came: current record unchanged
    EXPECT_EQ(m.current.get(5), 0xC5);
}

TEST(ReadWholeMouse, ImplausibleActiveProfileKeepsTheCurrentRecord) {
    SyncRig rig(DeviceKind::Mouse);
    rig.device.memory.settings[0] = 7;
    const auto before = currentOf(rig.memory());
    EXPECT_EQ(ReadWholeMouse(rig.model, rig.channel, rig.log.hooks()), kCommandBadAnswer);
    EXPECT_EQ(currentOf(rig.memory()), before);
    EXPECT_EQ(rig.sent().back(), (RequestShape{0x02, 0, 0}));
}

TEST(ReadWholeKeyboard, FortyTwoKeysMoveThreeReportsPerTable) {
    SyncRig rig(DeviceKind::Keyboard);
    rig.device.memory.info[5] = 42;
    EXPECT_EQ(ReadWholeKeyboard(rig.model, rig.channel, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), protofake::keyboardReadSequence(42)) << protofake::describe(rig.sent());
    EXPECT_EQ(rig.channel.blockSize(), 126);
    const DeviceMemory& m = rig.memory();
    EXPECT_EQ(m.factoryKeyTable[125], rig.device.memory.keyTable[125]);
    EXPECT_EQ(m.factoryKeyTable[126], 0xC2);
    EXPECT_EQ(m.keyTables[0][125], rig.device.memory.pages[125]);
    EXPECT_EQ(m.keyTables[0][126], 0xC3);
    std::vector<std::uint8_t> current(m.profileTable[0].begin(), m.profileTable[0].begin() + 21);
    current[0] = 0;
    EXPECT_EQ(currentOf(m), current);
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"keymap", "save keyboard key", "save keyboard device"}));
}

TEST(ReadWholeKeyboard, MoreThan170KeysIsRefusedButTheBracketIsClosed) {
    SyncRig rig(DeviceKind::Keyboard);
    rig.device.memory.info[5] = 171;
    EXPECT_EQ(ReadWholeKeyboard(rig.model, rig.channel, rig.log.hooks()), kCommandBadAnswer);
    EXPECT_EQ(rig.sent(), (Shapes{{0x01, 0, 0}, {0x03, 33, 0}, {0x02, 0, 0}}));
    EXPECT_EQ(rig.channel.blockSize(), kInitialBlockSize);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"message message_text_22"}));
    EXPECT_EQ(rig.memory().factoryKeyTable[0], 0xC2);
}

TEST(ReadWholeKeyboard, Exactly170KeysStillFitTheTable) {
    SyncRig rig(DeviceKind::Keyboard);
    rig.device.memory.info[5] = 170;
    EXPECT_EQ(ReadWholeKeyboard(rig.model, rig.channel, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.channel.blockSize(), 510);
    EXPECT_EQ(rig.sent().size(), 2u + 10u + 10u + 1u);
}

TEST(ReadWholeKeyboard, AbsentKeyboardLeavesTheModelAndBlockSize) {
    SyncRig rig(DeviceKind::Keyboard, false);
    rig.channel.setBlockSize(126);
    const auto before = snapshot(rig.memory());
    EXPECT_EQ(ReadWholeKeyboard(rig.model, rig.channel, rig.log.hooks()), kCommandNoAnswer);
    EXPECT_EQ(snapshot(rig.memory()), before);
    EXPECT_EQ(rig.channel.blockSize(), 126);
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(ReadWholeMousepad, ReadsInformationAndTheFiveRecords) {
    SyncRig rig(DeviceKind::Mousepad);
    rig.device.memory.settings[0] = 4;
    EXPECT_EQ(ReadWholeMousepad(rig.model, rig.channel, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), protofake::mousepadReadSequence()) << protofake::describe(rig.sent());
    const DeviceMemory& m = rig.memory();
    EXPECT_EQ(m.current.get(0), 4);
    EXPECT_EQ(m.current.get(20), rig.device.memory.settings[4 * 64 + 20]);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"save mousepad lighting"}));
}

TEST(SelectDeviceProfile, AlreadyActiveSendsOnlyTheRead) {
    SyncRig rig(DeviceKind::Mouse);
    rig.device.memory.settings[0] = 3;
    const auto before = snapshot(rig.memory());
    EXPECT_EQ(SelectDeviceProfile(rig.model, rig.channel, 3, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), (Shapes{{0x05, 1, 0}}));
    EXPECT_EQ(snapshot(rig.memory()), before);
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(SelectDeviceProfile, NumbersAboveFourDoNothing) {
    SyncRig rig(DeviceKind::Mouse);
    EXPECT_EQ(SelectDeviceProfile(rig.model, rig.channel, 5, rig.log.hooks()), kCommandBadPage);
    EXPECT_EQ(SelectDeviceProfile(rig.model, rig.channel, -1, rig.log.hooks()), kCommandBadPage);
    EXPECT_TRUE(rig.device.requests.empty());
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(SelectDeviceProfile, SwitchesKeepsTheOldRecordAndReadsTheNewOne) {
    SyncRig rig(DeviceKind::Mouse);
    rig.device.memory.settings[0] = 3;
    rig.memory().current.set(7, 0x77);  // an edit not yet flushed
    const auto edited = currentOf(rig.memory());
    EXPECT_EQ(SelectDeviceProfile(rig.model, rig.channel, 1, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), (Shapes{{0x05, 1, 0}, {0x06, 1, 0}, {0x05, 56, 64}}));
    EXPECT_EQ(rig.device.requests[1][8], 1);
    EXPECT_EQ(rig.device.memory.settings[0], 1);
    const DeviceMemory& m = rig.memory();
    EXPECT_TRUE(std::equal(edited.begin(), edited.end(), m.profileTable[3].begin()));
    EXPECT_EQ(m.current.get(0), 1);
    EXPECT_EQ(m.current.get(37), rig.device.memory.settings[64 + 37]);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"hide ms_tab_function", "refresh mouse"}));
}

TEST(SelectDeviceProfile, MousepadRefreshesWithoutHiding) {
    SyncRig rig(DeviceKind::Mousepad);
    EXPECT_EQ(SelectDeviceProfile(rig.model, rig.channel, 0, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.memory().current.get(20), rig.device.memory.settings[20]);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"refresh mousepad"}));
}

TEST(SelectDeviceProfile, FailedSwitchLeavesTheModelOnItsProfile) {
    SyncRig rig(DeviceKind::Mouse);
    rig.device.faults.push_back({Fault::WriteFail, 1, 1});
    const auto current = currentOf(rig.memory());
    EXPECT_EQ(SelectDeviceProfile(rig.model, rig.channel, 4, rig.log.hooks()), kCommandWriteFailed);
    EXPECT_EQ(currentOf(rig.memory()), current);
    EXPECT_TRUE(rig.log.calls.empty());
}

TEST(FollowDeviceProfile, MousepadTakesTheDevicesActiveProfile) {
    SyncRig rig(DeviceKind::Mousepad);
    rig.device.memory.settings[0] = 3;
    const auto current = currentOf(rig.memory());  // byte 0 is 1
    EXPECT_EQ(FollowDeviceProfile(rig.model, rig.channel, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), (Shapes{{0x05, 1, 0}, {0x05, 56, 192}}));
    const DeviceMemory& m = rig.memory();
    EXPECT_TRUE(std::equal(current.begin(), current.end(), m.profileTable[1].begin()));
    EXPECT_EQ(m.profileTable[3][0], 3);
    EXPECT_EQ(m.current.get(0), 3);
    EXPECT_EQ(m.current.get(9), rig.device.memory.settings[192 + 9]);
    EXPECT_EQ(rig.log.calls, (std::vector<std::string>{"save mousepad lighting"}));
}

TEST(FollowDeviceProfile, MouseAlwaysReadsAddressZeroAsProfileZero) {
    SyncRig rig(DeviceKind::Mouse);
    rig.device.memory.settings[0] = 3;
    EXPECT_EQ(FollowDeviceProfile(rig.model, rig.channel, rig.log.hooks()), kCommandOk);
    EXPECT_EQ(rig.sent(), (Shapes{{0x05, 1, 0}, {0x05, 56, 0}}));
    const DeviceMemory& m = rig.memory();
    EXPECT_EQ(m.profileTable[0][0], 0);
    EXPECT_EQ(m.current.get(0), 0);
    EXPECT_EQ(m.current.get(37), rig.device.memory.settings[37]);
    EXPECT_EQ(rig.log.calls,
              (std::vector<std::string>{"save mouse lighting", "save mouse device"}));
}

TEST(FollowDeviceProfile, UnansweredReadLeavesTheCurrentRecord) {
    SyncRig rig(DeviceKind::Keyboard);
    rig.device.faults.push_back({Fault::Silent, 1, 4});
    const auto current = currentOf(rig.memory());
    EXPECT_EQ(FollowDeviceProfile(rig.model, rig.channel, rig.log.hooks()), kCommandNoAnswer);
    EXPECT_EQ(currentOf(rig.memory()), current);
    EXPECT_TRUE(rig.log.calls.empty());
}

struct ThreeDevices {
    VirtualClock clock;
    protofake::FakeBackend backend{clock};
    DeviceModel model;
    std::vector<std::unique_ptr<DeviceChannel>> channels;
    std::vector<std::string> order;
    ThreeDevices() {
        for (DeviceKind kind : kAllDeviceKinds) {
            auto& device = backend.add(kind, standardIdentity(kind).productId);
            device.onRequest = [this, kind](const protofake::Report&) {
                order.push_back(std::string(kindName(kind)));
            };
            channels.push_back(std::make_unique<DeviceChannel>(kind, backend, clock));
            channels.back()->setIdentity(standardIdentity(kind));
            EXPECT_TRUE(protofake::connect(*channels.back()));
        }
    }
    ChannelTable table() { return {channels[0].get(), channels[1].get(), channels[2].get()}; }
};

TEST(FlushPendingSettings, TwoEditsWithinOnePeriodMakeOneWrite) {
    ThreeDevices rig;
    DeviceMemory& mouse = rig.model.memory(DeviceKind::Mouse);
    std::vector<std::uint8_t> record(38);
    std::iota(record.begin(), record.end(), std::uint8_t{1});
    mouse.current.assign(record);
    mouse.writePending = true;
    mouse.current.set(5, 0x55);
    mouse.writePending = true;
    EXPECT_EQ(FlushPendingSettings(rig.model, rig.table()), kCommandOk);
    const auto& requests = rig.backend.device(DeviceKind::Mouse).requests;
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0][3], 0x06);
    EXPECT_EQ(requests[0][4], 56);
    record[5] = 0x55;
    EXPECT_TRUE(std::equal(record.begin(), record.end(), requests[0].begin() + 8));
    EXPECT_TRUE(std::all_of(requests[0].begin() + 8 + 38, requests[0].end(),
                            [](auto b) { return b == 0; }));
    EXPECT_FALSE(mouse.writePending);
    EXPECT_EQ(FlushPendingSettings(rig.model, rig.table()), kCommandOk);
    EXPECT_EQ(requests.size(), 1u);  // nothing pending, nothing sent
}

TEST(FlushPendingSettings, KeyboardThenMouseThenMousepad) {
    ThreeDevices rig;
    for (DeviceKind kind : {DeviceKind::Mousepad, DeviceKind::Mouse, DeviceKind::Keyboard}) {
        rig.model.memory(kind).writePending = true;
    }
    EXPECT_EQ(FlushPendingSettings(rig.model, rig.table()), kCommandOk);
    EXPECT_EQ(rig.order, (std::vector<std::string>{"keyboard", "mouse", "mousepad"}));
    EXPECT_EQ(rig.backend.device(DeviceKind::Keyboard).requests[0][4], 56);
}

TEST(FlushPendingSettings, FailedWriteClearsTheFlagAndIsNotRetried) {
    ThreeDevices rig;
    rig.backend.device(DeviceKind::Keyboard).faults.push_back({Fault::WriteFail, 0, 1});
    DeviceMemory& keyboard = rig.model.memory(DeviceKind::Keyboard);
    keyboard.writePending = true;
    EXPECT_EQ(FlushPendingSettings(rig.model, rig.table()), kCommandWriteFailed);
    EXPECT_FALSE(keyboard.writePending);
    EXPECT_EQ(FlushPendingSettings(rig.model, rig.table()), kCommandOk);
    EXPECT_EQ(rig.backend.device(DeviceKind::Keyboard).writeCalls, 1);
}

}  // namespace
}  // namespace quillon
