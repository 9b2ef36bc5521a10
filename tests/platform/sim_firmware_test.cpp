#include <gtest/gtest.h>

#include <vector>

#include "platform/sim/SimFirmware.h"
#include "platform/sim_support.h"

namespace quillon {
namespace {

using simtest::payload;
using simtest::request;

std::vector<std::uint8_t> regionBytes(const SimMemory& memory, SimRegion region, std::size_t offset,
                                      std::size_t count) {
    std::vector<std::uint8_t> bytes(count);
    EXPECT_TRUE(memory.read(region, offset, bytes));
    return bytes;
}

std::vector<std::uint8_t> pattern(std::size_t count, std::uint8_t seed) {
    std::vector<std::uint8_t> bytes(count);
    for (std::size_t i = 0; i < count; ++i) {
        bytes[i] = static_cast<std::uint8_t>(seed + 7 * i);
    }
    return bytes;
}

bool answerChecksumHolds(const SimFrame& answer) {
    unsigned sum = 0;
    for (std::size_t i = 3; i < 64; ++i) {
        sum += answer[i];
    }
    return answer[1] == (sum & 0xFF) && answer[2] == ((sum >> 8) & 0xFF);
}

// Reads `total` bytes with one command in 56-byte chunks, the way the host's chunked commands do.
std::vector<std::uint8_t> readChunked(SimMemory& memory, std::uint8_t command, std::size_t base,
                                      std::size_t total) {
    std::vector<std::uint8_t> out;
    for (std::size_t offset = 0; offset < total; offset += 56) {
        const auto length = static_cast<std::uint8_t>(std::min<std::size_t>(56, total - offset));
        const SimFrame answer = simRunFirmware(
            memory, request(command, length, static_cast<std::uint16_t>(base + offset)));
        EXPECT_EQ(answer[7], kSimStatusOk) << "chunk at " << offset;
        const auto bytes = payload(answer, length);
        out.insert(out.end(), bytes.begin(), bytes.end());
    }
    return out;
}

void writeChunked(SimMemory& memory, std::uint8_t command, std::size_t base,
                  const std::vector<std::uint8_t>& source) {
    for (std::size_t offset = 0; offset < source.size(); offset += 56) {
        const std::size_t length = std::min<std::size_t>(56, source.size() - offset);
        const std::span<const std::uint8_t> chunk(source.data() + offset, length);
        const SimFrame answer =
            simRunFirmware(memory, request(command, static_cast<std::uint8_t>(length),
                                           static_cast<std::uint16_t>(base + offset), chunk));
        ASSERT_EQ(answer[7], kSimStatusOk) << "chunk at " << offset;
    }
}

TEST(SimFirmwareFrames, AnswerEchoesTheRequestHeaderAndCarriesAValidChecksum) {
    SimMemory memory(SimKind::Mouse);
    const SimFrame answer = simRunFirmware(memory, request(0x05, 12, 0x0040));
    EXPECT_EQ(answer[0], 4);
    EXPECT_EQ(answer[3], 0x05);
    EXPECT_EQ(answer[4], 12);
    EXPECT_EQ(answer[5], 0x40);
    EXPECT_EQ(answer[6], 0x00);
    EXPECT_EQ(answer[7], kSimStatusOk);
    EXPECT_TRUE(answerChecksumHolds(answer));
}

TEST(SimFirmwareFrames, BracketCommandsAreAcknowledged) {
    SimMemory memory(SimKind::Keyboard);
    EXPECT_EQ(simRunFirmware(memory, request(0x01))[7], kSimStatusOk);
    EXPECT_EQ(simRunFirmware(memory, request(0x02))[7], kSimStatusOk);
}

TEST(SimFirmwareFrames, ChecksumHelperSumsBytesThreeToSixtyThree) {
    SimFrame frame{};
    frame[0] = 4;
    frame[1] = 0x77;  // neither the report id nor the checksum bytes count
    frame[3] = 0x01;
    EXPECT_EQ(simFrameChecksum(frame), 0x0001);
    frame.fill(0xFF);
    EXPECT_EQ(simFrameChecksum(frame), 61 * 0xFF);
}

TEST(SimFirmwareRejects, BadChecksumIsAnsweredFFAndNotCarriedOut) {
    SimMemory memory(SimKind::Mouse);
    const auto before = regionBytes(memory, SimRegion::Settings, 0, 56);
    const std::vector<std::uint8_t> data(56, 0xAB);
    SimFrame frame = request(0x06, 56, 0, data);
    frame[1] ^= 0x01;
    const SimFrame answer = simRunFirmware(memory, frame);
    EXPECT_EQ(answer[7], kSimStatusRejected);
    EXPECT_EQ(regionBytes(memory, SimRegion::Settings, 0, 56), before);
}

TEST(SimFirmwareRejects, UnknownCommandsAndForeignReportIdsAreAnsweredFF) {
    SimMemory memory(SimKind::Mouse);
    for (std::uint8_t command : {0x00, 0x04, 0x0A, 0x0C, 0x0E, 0x14, 0x18, 0xFF}) {
        EXPECT_EQ(simRunFirmware(memory, request(command))[7], kSimStatusRejected)
            << "command " << int{command};
    }
    SimFrame frame = request(0x01);
    frame[0] = 5;
    EXPECT_EQ(simRunFirmware(memory, frame)[7], kSimStatusRejected);
}

TEST(SimFirmwareRejects, CommandsForRegionsTheDeviceLacksAreUnknownToIt) {
    SimMemory pad(SimKind::Mousepad);
    for (std::uint8_t command : {0x07, 0x08, 0x09, 0x15, 0x16, 0x17}) {
        EXPECT_EQ(simRunFirmware(pad, request(command, 8))[7], kSimStatusRejected);
    }
    SimMemory keyboard(SimKind::Keyboard);
    EXPECT_EQ(simRunFirmware(keyboard, request(0x16, 8))[7], kSimStatusRejected);
    EXPECT_EQ(simRunFirmware(keyboard, request(0x07, 8))[7], kSimStatusOk);
}

TEST(SimFirmwareRejects, LengthAboveOneReportIsAnsweredFE) {
    SimMemory memory(SimKind::Mouse);
    EXPECT_EQ(simRunFirmware(memory, request(0x05, 57, 0))[7], kSimStatusOutOfRange);
    EXPECT_EQ(simRunFirmware(memory, request(0x06, 57, 0))[7], kSimStatusOutOfRange);
}

TEST(SimFirmwareRejects, RangesPastARegionAreAnsweredFEWithoutPayload) {
    SimMemory memory(SimKind::Mouse);
    EXPECT_EQ(simRunFirmware(memory, request(0x03, 34, 0))[7], kSimStatusOutOfRange);
    EXPECT_EQ(simRunFirmware(memory, request(0x05, 1, 320))[7], kSimStatusOutOfRange);
    EXPECT_EQ(simRunFirmware(memory, request(0x05, 56, 0x0120))[7], kSimStatusOutOfRange);
    const SimFrame answer = simRunFirmware(memory, request(0x07, 9, 504));
    EXPECT_EQ(answer[7], kSimStatusOutOfRange);
    EXPECT_EQ(payload(answer, 56), std::vector<std::uint8_t>(56, 0));
    EXPECT_EQ(simRunFirmware(memory, request(0x16, 1, 3072))[7], kSimStatusOutOfRange);
    EXPECT_EQ(simRunFirmware(memory, request(0x17, 8, 3066, pattern(8, 1)))[7],
              kSimStatusOutOfRange);
}

TEST(SimFirmwareReads, DeviceInfoIsThe33BytesOfTheRegion) {
    SimMemory memory(SimKind::Mouse);
    const SimFrame answer = simRunFirmware(memory, request(0x03, 0x21, 0));
    ASSERT_EQ(answer[7], kSimStatusOk);
    EXPECT_EQ(payload(answer, 33), regionBytes(memory, SimRegion::Info, 0, 33));
    EXPECT_EQ(payload(answer, 56)[33], 0);  // nothing beyond the length asked for
}

TEST(SimFirmwareReads, SettingsRecordsLie64BytesApartAndByteZeroIsTheActiveProfile) {
    SimMemory memory(SimKind::Mousepad);
    for (std::uint16_t p = 0; p < 5; ++p) {
        const SimFrame answer = simRunFirmware(memory, request(0x05, 56, p * 64));
        ASSERT_EQ(answer[7], kSimStatusOk);
        EXPECT_EQ(answer[8], p) << "record " << p << " names its profile";
    }
    std::vector<std::uint8_t> active = {3};
    ASSERT_TRUE(memory.write(SimRegion::Settings, 0, active));
    const SimFrame answer = simRunFirmware(memory, request(0x05, 1, 0));
    EXPECT_EQ(payload(answer, 2), (std::vector<std::uint8_t>{3, 0}));
}

TEST(SimFirmwareReads, KeyTableComesInChunksAddressedByOffset) {
    SimMemory memory(SimKind::Mouse);
    const auto table = readChunked(memory, 0x07, 0, 512);
    EXPECT_EQ(table, regionBytes(memory, SimRegion::KeyTable, 0, 512));
    EXPECT_EQ(simRunFirmware(memory, request(0x07, 8, 504))[7], kSimStatusOk);
    EXPECT_EQ(simRunFirmware(memory, request(0x07, 8, 505))[7], kSimStatusOutOfRange);
}

TEST(SimFirmwareReads, KeyboardKeyTableEndsAtThreeTimesTheKeyCount) {
    SimMemory memory(SimKind::Keyboard);
    ASSERT_TRUE(memory.setKeyCount(42));
    EXPECT_EQ(readChunked(memory, 0x07, 0, 126).size(), 126u);
    EXPECT_EQ(simRunFirmware(memory, request(0x07, 1, 126))[7], kSimStatusOutOfRange);
}

TEST(SimFirmwarePages, PagesAre126BytesApart) {
    SimMemory memory(SimKind::Mouse);
    const auto marker = pattern(10, 0x40);
    ASSERT_TRUE(memory.write(SimRegion::Pages, 2 * 126, marker));
    const SimFrame answer = simRunFirmware(memory, request(0x08, 10, 252));
    EXPECT_EQ(payload(answer, 10), marker);
}

TEST(SimFirmwarePages, WriteOfPageTwoLandsAt252AndOverlapsPageThree) {
    SimMemory memory(SimKind::Mouse);
    const auto block = pattern(512, 3);
    writeChunked(memory, 0x09, 2 * 126, block);
    EXPECT_EQ(regionBytes(memory, SimRegion::Pages, 252, 512), block);
    // Page 3 starts 126 bytes into page 2's block.
    EXPECT_EQ(readChunked(memory, 0x08, 3 * 126, 56),
              std::vector<std::uint8_t>(block.begin() + 126, block.begin() + 182));
    // Page 1 keeps its first 126 bytes.
    EXPECT_EQ(regionBytes(memory, SimRegion::Pages, 126, 3),
              regionBytes(memory, SimRegion::KeyTable, 0, 3));
}

TEST(SimFirmwarePages, AWhole512ByteTransferOfTheLastPageFitsAndNoMore) {
    SimMemory memory(SimKind::Keyboard);
    EXPECT_EQ(readChunked(memory, 0x08, 4 * 126, 512).size(), 512u);
    EXPECT_EQ(simRunFirmware(memory, request(0x08, 9, 4 * 126 + 504))[7], kSimStatusOutOfRange);
    EXPECT_EQ(simRunFirmware(memory, request(0x09, 1, 1016, pattern(1, 1)))[7],
              kSimStatusOutOfRange);
}

TEST(SimFirmwareWrites, WriteSettingsFromAddressZeroTouchesOnlyItsLength) {
    SimMemory memory(SimKind::Mouse);
    const auto tail = regionBytes(memory, SimRegion::Settings, 56, 264);
    std::vector<std::uint8_t> record = pattern(56, 9);
    record[0] = 2;
    const SimFrame answer = simRunFirmware(memory, request(0x06, 56, 0, record));
    ASSERT_EQ(answer[7], kSimStatusOk);
    EXPECT_EQ(regionBytes(memory, SimRegion::Settings, 0, 56), record);
    EXPECT_EQ(regionBytes(memory, SimRegion::Settings, 56, 264), tail);
    EXPECT_EQ(payload(simRunFirmware(memory, request(0x05, 1, 0)), 1)[0], 2);
}

TEST(SimFirmwareWrites, OneByteWriteSelectsTheActiveProfile) {
    SimMemory memory(SimKind::Mouse);
    const auto rest = regionBytes(memory, SimRegion::Settings, 1, 63);
    const std::vector<std::uint8_t> select = {4};
    ASSERT_EQ(simRunFirmware(memory, request(0x06, 1, 0, select))[7], kSimStatusOk);
    EXPECT_EQ(regionBytes(memory, SimRegion::Settings, 0, 1)[0], 4);
    EXPECT_EQ(regionBytes(memory, SimRegion::Settings, 1, 63), rest);
}

TEST(SimFirmwareWrites, MacroMemoryIsSizedByTheCapacityByte) {
    SimMemory memory(SimKind::Mouse);
    const std::size_t capacity = regionBytes(memory, SimRegion::Info, 6, 1)[0] * 128u;
    ASSERT_GT(capacity, 0u);
    const auto image = pattern(120, 0x11);
    writeChunked(memory, 0x15, 0, image);
    EXPECT_EQ(regionBytes(memory, SimRegion::Macro, 0, 120), image);
    EXPECT_EQ(simRunFirmware(memory, request(0x15, 56, static_cast<std::uint16_t>(capacity - 56),
                                             pattern(56, 2)))[7],
              kSimStatusOk);
    EXPECT_EQ(simRunFirmware(memory, request(0x15, 56, static_cast<std::uint16_t>(capacity - 55),
                                             pattern(56, 2)))[7],
              kSimStatusOutOfRange);

    const std::vector<std::uint8_t> oneUnit = {1};
    ASSERT_TRUE(memory.write(SimRegion::Info, 6, oneUnit));
    EXPECT_EQ(memory.size(SimRegion::Macro), 128u);
    EXPECT_EQ(simRunFirmware(memory, request(0x15, 1, 128, oneUnit))[7], kSimStatusOutOfRange);
}

TEST(SimFirmwareWrites, CursorMemoryRoundTripsUpToItsLastByte) {
    SimMemory memory(SimKind::Mouse);
    const auto image = pattern(3072, 5);
    writeChunked(memory, 0x17, 0, image);
    EXPECT_EQ(readChunked(memory, 0x16, 0, 3072), image);
}

TEST(SimFirmwareReset, FactoryResetIgnoresItsZeroChecksumAndRestoresTheDefaults) {
    SimMemory memory(SimKind::Mouse);
    const SimMemory fresh(SimKind::Mouse);
    writeChunked(memory, 0x06, 0, pattern(56, 1));
    writeChunked(memory, 0x09, 0, pattern(512, 2));
    writeChunked(memory, 0x15, 0, pattern(100, 3));
    writeChunked(memory, 0x17, 0, pattern(200, 4));
    std::vector<std::uint8_t> sensor = {0x10, 0x33};
    ASSERT_TRUE(memory.write(SimRegion::Info, 9, sensor));

    SimFrame raw{};
    raw[0] = 4;
    raw[3] = 0x0D;  // checksum bytes left 0, as the host sends it
    EXPECT_EQ(simRunFirmware(memory, raw)[7], kSimStatusOk);

    for (SimRegion region : {SimRegion::Settings, SimRegion::Pages, SimRegion::Cursor}) {
        EXPECT_EQ(regionBytes(memory, region, 0, memory.size(region)),
                  regionBytes(fresh, region, 0, fresh.size(region)))
            << simRegionName(region);
    }
    EXPECT_EQ(regionBytes(memory, SimRegion::Macro, 0, 100), std::vector<std::uint8_t>(100, 0));
    EXPECT_EQ(regionBytes(memory, SimRegion::Info, 9, 2), sensor);  // identity stays
}

}  // namespace
}  // namespace quillon
