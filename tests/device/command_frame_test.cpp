#include <gtest/gtest.h>

#include <numeric>
#include <set>
#include <vector>

#include "device/Chunking.h"
#include "device/CommandFrame.h"
#include "device/CommandResult.h"

namespace quillon {
namespace {

TEST(CommandFrameChecksum, BeginConfigSumsToOne) {
    const auto frame = CommandFrame::request(CommandCode::BeginConfig, 0, 0);
    EXPECT_EQ(frame.bytes[0], 4);
    EXPECT_EQ(frame.bytes[1], 0x01);
    EXPECT_EQ(frame.bytes[2], 0x00);
    EXPECT_EQ(frame.storedChecksum(), frameChecksum(frame.bytes));
}

TEST(CommandFrameChecksum, CoversPayloadAndCarriesIntoHighByte) {
    std::vector<std::uint8_t> payload(56, 0xFF);
    const auto frame = CommandFrame::request(CommandCode::WriteSettings, 56, 0x1234, payload);
    // 0x06 + 56 + 0x34 + 0x12 + 56 x 0xFF
    const unsigned expected = 0x06 + 56 + 0x34 + 0x12 + 56 * 0xFF;
    EXPECT_EQ(frame.storedChecksum(), expected & 0xFFFF);
    EXPECT_EQ(frame.bytes[1], expected & 0xFF);
    EXPECT_EQ(frame.bytes[2], (expected >> 8) & 0xFF);
}

TEST(CommandFrameChecksum, ReportIdAndChecksumBytesAreNotSummed) {
    auto frame = CommandFrame::request(CommandCode::EndConfig, 0, 0);
    const std::uint16_t before = frameChecksum(frame.bytes);
    frame.bytes[0] = 0x99;
    frame.bytes[1] = 0x77;
    frame.bytes[2] = 0x55;
    EXPECT_EQ(frameChecksum(frame.bytes), before);
    frame.bytes[63] = 1;
    EXPECT_EQ(frameChecksum(frame.bytes), before + 1);
}

TEST(CommandFrameLayout, FieldsSitWhereTheDeviceReadsThem) {
    const std::uint8_t data[3] = {0xA1, 0xB2, 0xC3};
    const auto frame = CommandFrame::request(CommandCode::WriteProfileBlock, 3, 0x02F4, data);
    EXPECT_EQ(frame.command(), 0x09);
    EXPECT_EQ(frame.length(), 3);
    EXPECT_EQ(frame.bytes[5], 0xF4);  // address low byte first
    EXPECT_EQ(frame.bytes[6], 0x02);
    EXPECT_EQ(frame.status(), 0);
    EXPECT_EQ(frame.bytes[8], 0xA1);
    EXPECT_EQ(frame.bytes[10], 0xC3);
    for (std::size_t i = 11; i < kFrameSize; ++i) {
        EXPECT_EQ(frame.bytes[i], 0) << "byte " << i;
    }
}

TEST(CommandFrameLayout, PayloadLongerThanOneReportIsCut) {
    std::vector<std::uint8_t> payload(80);
    std::iota(payload.begin(), payload.end(), 1);
    const auto frame = CommandFrame::request(CommandCode::WriteMacroMemory, 56, 0, payload);
    EXPECT_EQ(frame.bytes[8], 1);
    EXPECT_EQ(frame.bytes[63], 56);
}

TEST(CommandFrameLayout, FactoryResetLeavesTheChecksumZero) {
    const auto frame = CommandFrame::bare(CommandCode::FactoryReset);
    EXPECT_EQ(frame.bytes[0], 4);
    EXPECT_EQ(frame.bytes[3], 0x0D);
    EXPECT_EQ(frame.storedChecksum(), 0);
    EXPECT_EQ(std::accumulate(frame.bytes.begin(), frame.bytes.end(), 0), 4 + 0x0D);
}

std::vector<std::size_t> chunkLengths(std::size_t total) {
    std::vector<std::size_t> lengths;
    for (std::size_t offset = 0; offset < total; offset += kChunkSize) {
        lengths.push_back(chunkLength(total, offset));
    }
    return lengths;
}

TEST(Chunking, LastChunkCarriesTheRemainder) {
    EXPECT_EQ(chunkLengths(512), (std::vector<std::size_t>{56, 56, 56, 56, 56, 56, 56, 56, 56, 8}));
    EXPECT_EQ(chunkLengths(126), (std::vector<std::size_t>{56, 56, 14}));
    EXPECT_EQ(chunkLengths(56), (std::vector<std::size_t>{56}));
    EXPECT_EQ(chunkLengths(57), (std::vector<std::size_t>{56, 1}));
    EXPECT_EQ(chunkLengths(112), (std::vector<std::size_t>{56, 56}));
    EXPECT_TRUE(chunkLengths(0).empty());
    EXPECT_EQ(chunkLength(10, 10), 0u);
    EXPECT_EQ(chunkCount(512), 10u);
    EXPECT_EQ(chunkCount(2920), 53u);
    EXPECT_EQ(chunkCount(0), 0u);
}

TEST(Chunking, PagesLie126BytesApart) {
    EXPECT_EQ(pageAddress(0, 0), 0);
    EXPECT_EQ(pageAddress(2, 0), 252);
    EXPECT_EQ(pageAddress(2, 504), 756);
    EXPECT_EQ(pageAddress(4, 504), 1008);
    EXPECT_FALSE(pageAddress(-1, 0).has_value());
    EXPECT_FALSE(pageAddress(4, 0xFFFF).has_value());
    EXPECT_TRUE(isValidPage(0));
    EXPECT_TRUE(isValidPage(4));
    EXPECT_FALSE(isValidPage(5));
    EXPECT_FALSE(isValidPage(-1));
}

TEST(Chunking, AddressesMustFitSixteenBits) {
    EXPECT_TRUE(addressesFit(0, 0));
    EXPECT_TRUE(addressesFit(0, 0xFFFF));        // last chunk starts at 65520
    EXPECT_TRUE(addressesFit(504, 512));         // page 4 of a mouse
    EXPECT_FALSE(addressesFit(0, 0xFFFF + 57));  // a chunk would start beyond 0xFFFF
    EXPECT_FALSE(addressesFit(0xFFF0, 57));
}

TEST(CommandResultNames, EveryResultHasItsOwnName) {
    const CommandResult all[] = {kCommandOk,        kCommandNoAnswer,  kCommandWriteFailed,
                                 kCommandStatusFF,  kCommandStatusFE,  kCommandBadPage,
                                 kCommandBadLength, kCommandBadAnswer, kFileWriteFailed};
    std::set<std::string_view> names;
    for (CommandResult r : all) {
        names.insert(commandResultName(r));
    }
    EXPECT_EQ(names.size(), std::size(all));
    EXPECT_EQ(names.count(commandResultName(12345)), 0u);
}

}  // namespace
}  // namespace quillon
