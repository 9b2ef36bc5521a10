#include <gtest/gtest.h>

#include <numeric>
#include <vector>

#include "device/Commands.h"
#include "device/ProtocolFake.h"

namespace quillon {
namespace {

using protofake::Fault;
using protofake::RequestShape;

struct CommandRig : protofake::ProtocolRig {
    CommandRig() {
        EXPECT_TRUE(protofake::connect(channel));
        auto& m = device.memory;
        std::iota(m.pages.begin(), m.pages.end(), std::uint8_t{1});
        std::iota(m.keyTable.begin(), m.keyTable.end(), std::uint8_t{100});
        std::iota(m.info.begin(), m.info.end(), std::uint8_t{0x40});
        std::iota(m.cursor.begin(), m.cursor.end(), std::uint8_t{7});
    }
    std::vector<RequestShape> sent() const { return protofake::shapes(device.requests); }
};

std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t first) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

TEST(SingleCommands, ReadDeviceInfoAsksForAndCopies33Bytes) {
    CommandRig rig;
    std::array<std::uint8_t, kDeviceInfoSize> info{};
    EXPECT_EQ(ReadDeviceInfo(rig.channel, info), kCommandOk);
    EXPECT_EQ(rig.sent(), (std::vector<RequestShape>{{0x03, 33, 0}}));
    EXPECT_TRUE(std::equal(info.begin(), info.end(), rig.device.memory.info.begin()));
}

TEST(SingleCommands, ReadSettingsTakesItsLengthFromTheDestination) {
    CommandRig rig;
    rig.device.memory.settings[130] = 0x5A;
    std::array<std::uint8_t, 56> record{};
    EXPECT_EQ(ReadSettings(rig.channel, 128, record), kCommandOk);
    EXPECT_EQ(record[2], 0x5A);
    EXPECT_EQ(rig.sent(), (std::vector<RequestShape>{{0x05, 56, 128}}));
}

TEST(SingleCommands, SettingsLengthsOutsideOneReportAreRefusedUnsent) {
    CommandRig rig;
    std::vector<std::uint8_t> big(57);
    EXPECT_EQ(ReadSettings(rig.channel, 0, std::span<std::uint8_t>()), kCommandBadLength);
    EXPECT_EQ(ReadSettings(rig.channel, 0, big), kCommandBadLength);
    EXPECT_EQ(WriteSettings(rig.channel, big), kCommandBadLength);
    EXPECT_TRUE(rig.device.requests.empty());
}

TEST(SingleCommands, WriteSettingsPutsItsBytesAtAddressZero) {
    CommandRig rig;
    const std::uint8_t one[1] = {3};
    EXPECT_EQ(WriteSettings(rig.channel, one), kCommandOk);
    EXPECT_EQ(rig.device.memory.settings[0], 3);
    EXPECT_EQ(rig.sent(), (std::vector<RequestShape>{{0x06, 1, 0}}));
    EXPECT_EQ(rig.device.requests[0][8], 3);
    EXPECT_EQ(rig.device.requests[0][9], 0);
}

TEST(SingleCommands, FailedReadLeavesTheDestinationUntouched) {
    CommandRig rig;
    rig.device.faults.push_back({Fault::StatusFE, 0, 1});
    std::array<std::uint8_t, 4> out{9, 9, 9, 9};
    EXPECT_EQ(ReadSettings(rig.channel, 0, out), kCommandStatusFE);
    EXPECT_EQ(out, (std::array<std::uint8_t, 4>{9, 9, 9, 9}));
}

TEST(ChunkedCommands, WriteProfileBlockPageTwoSendsTenChunks) {
    CommandRig rig;
    const auto source = pattern(512, 0);
    EXPECT_EQ(WriteProfileBlock(rig.channel, source, 2), kCommandOk);
    const auto sent = rig.sent();
    ASSERT_EQ(sent.size(), 10u);
    for (std::size_t i = 0; i < 10; ++i) {
        EXPECT_EQ(sent[i].command, 0x09);
        EXPECT_EQ(sent[i].address, 252 + 56 * i);
        EXPECT_EQ(sent[i].length, i < 9 ? 56 : 8);
        EXPECT_EQ(rig.device.requests[i][8], static_cast<std::uint8_t>(56 * i));
    }
    EXPECT_EQ(sent.back().address, 756);
    EXPECT_TRUE(std::equal(source.begin(), source.end(), rig.device.memory.pages.begin() + 252));
}

TEST(ChunkedCommands, BlockSizeOf42KeysMovesThreeReports) {
    CommandRig rig;
    rig.channel.setBlockSize(126);
    std::vector<std::uint8_t> table(512, 0xEE);
    EXPECT_EQ(ReadKeyTable(rig.channel, table), kCommandOk);
    EXPECT_EQ(rig.sent(),
              (std::vector<RequestShape>{{0x07, 56, 0}, {0x07, 56, 56}, {0x07, 14, 112}}));
    EXPECT_TRUE(std::equal(table.begin(), table.begin() + 126, rig.device.memory.keyTable.begin()));
    EXPECT_EQ(table[126], 0xEE);  // beyond the block size nothing is written
}

TEST(ChunkedCommands, StatusInTheThirdChunkKeepsWhatArrivedBefore) {
    CommandRig rig;
    rig.device.faults.push_back({Fault::StatusFF, 2, 1});
    std::vector<std::uint8_t> block(512, 0xEE);
    EXPECT_EQ(ReadProfileBlock(rig.channel, block, 1), kCommandStatusFF);
    EXPECT_EQ(rig.device.requests.size(), 3u);
    EXPECT_TRUE(
        std::equal(block.begin(), block.begin() + 112, rig.device.memory.pages.begin() + 126));
    EXPECT_TRUE(std::all_of(block.begin() + 112, block.end(), [](auto b) { return b == 0xEE; }));
}

TEST(ChunkedCommands, PageOutsideZeroToFourIsRefusedUnsent) {
    CommandRig rig;
    std::vector<std::uint8_t> block(512);
    EXPECT_EQ(ReadProfileBlock(rig.channel, block, 5), kCommandBadPage);
    EXPECT_EQ(WriteProfileBlock(rig.channel, block, 5), kCommandBadPage);
    EXPECT_EQ(ReadProfileBlock(rig.channel, block, -1), kCommandBadPage);
    EXPECT_TRUE(rig.device.requests.empty());
}

TEST(ChunkedCommands, ZeroLengthsSucceedUnsent) {
    CommandRig rig;
    EXPECT_EQ(WriteMacroMemory(rig.channel, {}), kCommandOk);
    EXPECT_EQ(WriteCursorMemory(rig.channel, {}), kCommandOk);
    EXPECT_EQ(ReadCursorMemory(rig.channel, {}), kCommandOk);
    rig.channel.setBlockSize(0);
    std::vector<std::uint8_t> block(512);
    EXPECT_EQ(ReadProfileBlock(rig.channel, block, 0), kCommandOk);
    EXPECT_EQ(ReadKeyTable(rig.channel, block), kCommandOk);
    EXPECT_EQ(ReadProfileBlock(rig.channel, block, 5), kCommandBadPage);  // page checked first
    EXPECT_TRUE(rig.device.requests.empty());
}

TEST(ChunkedCommands, BuffersSmallerThanTheBlockAreRefusedUnsent) {
    CommandRig rig;
    std::vector<std::uint8_t> small(511);
    EXPECT_EQ(ReadKeyTable(rig.channel, small), kCommandBadLength);
    EXPECT_EQ(ReadProfileBlock(rig.channel, small, 0), kCommandBadLength);
    EXPECT_EQ(WriteProfileBlock(rig.channel, small, 0), kCommandBadLength);
    EXPECT_TRUE(rig.device.requests.empty());
}

TEST(ChunkedCommands, MacroAndCursorTransfersCutTheirOwnCount) {
    CommandRig rig;
    const auto image = pattern(130, 1);
    EXPECT_EQ(WriteMacroMemory(rig.channel, image), kCommandOk);
    EXPECT_EQ(WriteCursorMemory(rig.channel, std::span(image).first(57)), kCommandOk);
    std::vector<std::uint8_t> back(57);
    EXPECT_EQ(ReadCursorMemory(rig.channel, back), kCommandOk);
    EXPECT_EQ(rig.sent(), (std::vector<RequestShape>{{0x15, 56, 0},
                                                     {0x15, 56, 56},
                                                     {0x15, 18, 112},
                                                     {0x17, 56, 0},
                                                     {0x17, 1, 56},
                                                     {0x16, 56, 0},
                                                     {0x16, 1, 56}}));
    EXPECT_TRUE(std::equal(image.begin(), image.end(), rig.device.memory.macro.begin()));
    EXPECT_TRUE(std::equal(back.begin(), back.end(), image.begin()));
}

TEST(ChunkedCommands, SilentChunkEndsTheTransferWithNoAnswer) {
    CommandRig rig;
    rig.device.faults.push_back({Fault::Silent, 1, 4});
    std::vector<std::uint8_t> back(200, 0xEE);
    EXPECT_EQ(ReadCursorMemory(rig.channel, back), kCommandNoAnswer);
    EXPECT_EQ(rig.device.requests.size(), 5u);  // one answered chunk, then four sends of the next
    EXPECT_TRUE(std::equal(back.begin(), back.begin() + 56, rig.device.memory.cursor.begin()));
    EXPECT_EQ(back[56], 0xEE);
}

TEST(ChunkedCommands, KeyTableFollowsABlockSizeChangedMidway) {
    CommandRig rig;
    rig.device.onRequest = [&](const protofake::Report&) { rig.channel.setBlockSize(60); };
    std::vector<std::uint8_t> table(512);
    EXPECT_EQ(ReadKeyTable(rig.channel, table), kCommandOk);
    EXPECT_EQ(rig.sent(), (std::vector<RequestShape>{{0x07, 56, 0}, {0x07, 4, 56}}));
}

TEST(ChunkedCommands, ChecksumOfEveryChunkMatchesItsBytes) {
    CommandRig rig;
    const auto source = pattern(512, 200);
    EXPECT_EQ(WriteProfileBlock(rig.channel, source, 4), kCommandOk);
    for (const auto& request : rig.device.requests) {
        EXPECT_EQ(frameChecksum(request), request[1] | request[2] << 8);
    }
}

}  // namespace
}  // namespace quillon
