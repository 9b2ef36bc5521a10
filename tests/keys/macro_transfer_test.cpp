#include <gtest/gtest.h>

#include <memory>

#include "common/TestFolders.h"
#include "device/HidDevice.h"
#include "keys/MacroImage.h"
#include "keys/MacroStore.h"
#include "keys/MacroTransfer.h"
#include "platform/Clock.h"
#include "platform/IniFile.h"
#include "platform/sim/SimBackend.h"
#include "platform/sim/SimIdentity.h"

namespace quillon::keys {
namespace {

using test::TempFolder;
using Bytes = std::vector<std::uint8_t>;

MacroAction press(std::uint16_t delay) {
    return makeAction(delay, 0x8A, 0x04, "keyboard_key_A");
}

class MacroTransferTest : public ::testing::Test {
  protected:
    void SetUp() override {
        backend.plug(SimKind::Mouse);
        backend.setLatency(0);
        channel.setIdentity(standardIdentity(DeviceKind::Mouse));
        HidDevice& device = channel.device();
        device.devicePath = simInterfacePath(SimKind::Mouse, SimInterface::Config);
        device.wantRead = device.wantWrite = device.wantOverlapped = true;
        ASSERT_EQ(OpenHidDevice(device), 1);
        channel.setConnected(true);
        channel.setBlockSize(512);
        store.loadIndex();
        backend.setMemory(SimKind::Mouse, SimRegion::Macro, 0, Bytes(64, 0xEE));
        job.folder = folder.path();
        job.capacity = 1024;
        job.page = 3;
        for (std::size_t i = 0; i < job.keyTable.size(); ++i) {
            job.keyTable[i] = static_cast<std::uint8_t>(i * 7);
        }
    }

    Bytes memory(SimRegion region, std::size_t offset, std::size_t count) {
        Bytes out;
        backend.readMemory(SimKind::Mouse, region, offset, count, out);
        return out;
    }
    void macroOf(int actions) {
        ASSERT_EQ(store.createMacro().result, 1);
        ASSERT_EQ(
            store.saveMacro(store.count() - 1, std::vector<MacroAction>(actions, press(9))).result,
            1);
    }

    std::unique_ptr<Clock> clock = makeSteadyClock();
    SimBackend backend{*clock};
    DeviceChannel channel{DeviceKind::Mouse, backend, *clock};
    TempFolder folder;
    MacroStore store{folder.path(), DeviceKind::Mouse};
    MacroTransferJob job;
};

TEST_F(MacroTransferTest, WritesTheImageAndTheActiveKeyTable) {
    macroOf(3);
    const MacroTransferOutcome outcome = transferMacros(channel, job);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_TRUE(outcome.macrosWritten);
    EXPECT_TRUE(outcome.keyTableWritten);
    const Bytes expected = *packMacroImage({std::vector<MacroAction>(3, press(9))});
    EXPECT_EQ(memory(SimRegion::Macro, 0, expected.size()), expected);
    // Profile 3's page: 512 bytes at 3 x 126.
    EXPECT_EQ(memory(SimRegion::Pages, 3 * 126, 512),
              Bytes(job.keyTable.begin(), job.keyTable.end()));
}

TEST_F(MacroTransferTest, AnImageOfExactlyTheCapacityIsSent) {
    macroOf(249);  // 16 + 2 x 6 + 4 x 249 = 1024 bytes
    macroOf(0);
    EXPECT_EQ(transferMacros(channel, job).result, 1);
    EXPECT_EQ(memory(SimRegion::Macro, 0, 6), (Bytes{0xAA, 0x55, 0x00, 0x04, 0x02, 0x00}));
    // One action more (1028 bytes) does not fit.
    store.saveMacro(1, {press(1)});
    const MacroTransferOutcome outcome = transferMacros(channel, job);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.tooLargeBy, 2u);
}

TEST_F(MacroTransferTest, TooLargeWritesNothingAndTellsHowManyActionsToRemove) {
    macroOf(252);  // 16 + 6 + 1008 = 1030 bytes
    const Bytes before = memory(SimRegion::Pages, 3 * 126, 512);
    const MacroTransferOutcome outcome = transferMacros(channel, job);
    EXPECT_EQ(outcome.result, 0);
    EXPECT_EQ(outcome.tooLargeBy, 2u);
    EXPECT_FALSE(outcome.keyTableWritten);
    EXPECT_EQ(memory(SimRegion::Macro, 0, 4), Bytes(4, 0xEE));
    EXPECT_EQ(memory(SimRegion::Pages, 3 * 126, 512), before);
}

TEST_F(MacroTransferTest, NoMacrosLeavesTheMacroMemoryButWritesTheKeyTable) {
    const MacroTransferOutcome outcome = transferMacros(channel, job);
    EXPECT_EQ(outcome.result, 1);
    EXPECT_FALSE(outcome.macrosWritten);
    EXPECT_TRUE(outcome.keyTableWritten);
    EXPECT_EQ(memory(SimRegion::Macro, 0, 4), Bytes(4, 0xEE));
}

TEST_F(MacroTransferTest, AnUnreadDeviceHasNoRoomForMacros) {
    job.capacity = 0;
    macroOf(0);
    EXPECT_EQ(transferMacros(channel, job).tooLargeBy, 6u);  // 22 bytes over nothing
}

TEST_F(MacroTransferTest, AMissingMacroFileIsAnEmptyBlock) {
    macroOf(1);
    ASSERT_EQ(store.createMacro().result, 1);  // listed, never saved
    macroOf(2);
    EXPECT_EQ(transferMacros(channel, job).result, 1);
    const Bytes expected = *packMacroImage({{press(9)}, {}, {press(9), press(9)}});
    EXPECT_EQ(memory(SimRegion::Macro, 0, expected.size()), expected);
}

TEST_F(MacroTransferTest, AnAbsentDeviceStillReachesTheEnd) {
    channel.setConnected(false);
    macroOf(1);
    EXPECT_EQ(transferMacros(channel, job).result, 1);
}

TEST(MacroFilesFromIndex, NamesThatCannotBeFilesGiveEmptyBlocks) {
    TempFolder folder;
    IniFile index(folder.path() + "kbMacro.ini");
    index.write("MACROCOUNT", "count", "2");
    index.write("MACRONAME", "0", "../x");
    index.write("MACRONAME", "1", "ok");
    const auto files = macroFilesFromIndex(folder.path(), DeviceKind::Keyboard);
    ASSERT_EQ(files.size(), 2u);
    EXPECT_EQ(files[0], "");
    EXPECT_EQ(files[1], folder.path() + "ok.mac");
}

}  // namespace
}  // namespace quillon::keys
