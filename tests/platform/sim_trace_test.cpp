#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/VirtualClock.h"
#include "platform/sim/SimBackend.h"
#include "platform/sim_support.h"

namespace quillon {
namespace {

using simtest::request;

constexpr HidAccess kReadWrite{.read = true, .write = true, .overlapped = true};

TEST(SimTraceLine, RequestAndResponseLinesSpellEveryByteInLowercaseHex) {
    SimReport report;
    report.kind = SimKind::Mousepad;
    report.direction = SimDirection::Request;
    report.bytes = request(0x01);
    const std::string zeros(120, '0');
    EXPECT_EQ(formatTraceLine(report), "mousepad > 04010001" + zeros);

    report.kind = SimKind::Keyboard;
    report.direction = SimDirection::Response;
    report.bytes.fill(0xAB);
    report.bytes[63] = 0x0F;
    const std::string line = formatTraceLine(report);
    EXPECT_EQ(line.substr(0, 11), "keyboard < ");
    EXPECT_EQ(line.size(), 11u + 128);
    EXPECT_EQ(line.substr(line.size() - 4), "ab0f");
    EXPECT_EQ(line.find_first_of("ABCDEF\n"), std::string::npos);
}

TEST(SimTraceLog, StopsRecordingAtItsCapacityAndCountsTheRest) {
    SimTraceLog log(2);
    SimReport report;
    for (int i = 0; i < 5; ++i) {
        report.bytes[3] = static_cast<std::uint8_t>(i);
        log.add(report);
    }
    ASSERT_EQ(log.reports().size(), 2u);
    EXPECT_EQ(log.reports()[1].bytes[3], 1) << "indices of what was kept stay stable";
    EXPECT_EQ(log.overflow(), 3u);
    log.reset();
    EXPECT_TRUE(log.reports().empty());
    EXPECT_EQ(log.overflow(), 0u);
}

struct SimRecordTest : ::testing::Test {
    VirtualClock clock;
    SimBackend sim{clock};

    void exchange(HidConnection& connection, const SimFrame& frame) {
        ASSERT_EQ(connection.write(frame.data(), frame.size(), 1000), 64);
        std::array<std::uint8_t, 64> answer{};
        connection.read(answer.data(), answer.size(), 300);
    }
};

TEST_F(SimRecordTest, TraceKeepsEveryReportInOrderWithKindAndDirection) {
    sim.plug(SimKind::Mouse);
    sim.plug(SimKind::Keyboard);
    auto mouse = sim.open("sim/mouse/config", kReadWrite);
    auto keyboard = sim.open("sim/keyboard/config", kReadWrite);
    exchange(*mouse, request(0x01));
    exchange(*keyboard, request(0x03, 33));
    exchange(*mouse, request(0x02));

    const auto trace = sim.trace();
    ASSERT_EQ(trace.size(), 6u);
    const std::vector<std::pair<SimKind, SimDirection>> expected = {
        {SimKind::Mouse, SimDirection::Request},    {SimKind::Mouse, SimDirection::Response},
        {SimKind::Keyboard, SimDirection::Request}, {SimKind::Keyboard, SimDirection::Response},
        {SimKind::Mouse, SimDirection::Request},    {SimKind::Mouse, SimDirection::Response}};
    for (std::size_t i = 0; i < trace.size(); ++i) {
        EXPECT_EQ(trace[i].kind, expected[i].first) << i;
        EXPECT_EQ(trace[i].direction, expected[i].second) << i;
    }
    EXPECT_EQ(trace[3].bytes[8 + 5], 106) << "the keyboard's key count in its answer";

    const auto requests = sim.requests(SimKind::Mouse);
    ASSERT_EQ(requests.size(), 2u);
    EXPECT_EQ(requests[0], request(0x01));
    EXPECT_EQ(requests[1], request(0x02));

    sim.resetTrace();
    EXPECT_TRUE(sim.trace().empty());
    exchange(*keyboard, request(0x01));
    EXPECT_EQ(sim.requests(SimKind::Keyboard).size(), 1u);
    EXPECT_TRUE(sim.requests(SimKind::Mouse).empty());
}

TEST_F(SimRecordTest, SinkSeesWhatTheTraceKeeps) {
    std::vector<std::string> lines;
    sim.setTraceSink([&](const SimReport& report) { lines.push_back(formatTraceLine(report)); });
    sim.plug(SimKind::Mousepad);
    auto pad = sim.open("sim/mousepad/config", kReadWrite);
    ASSERT_TRUE(sim.setFault(SimKind::Mousepad, SimFault::Silent));
    exchange(*pad, request(0x01));
    exchange(*pad, request(0x05, 1));

    const auto trace = sim.trace();
    ASSERT_EQ(lines.size(), 3u) << "the silent request has no answer";
    ASSERT_EQ(trace.size(), lines.size());
    for (std::size_t i = 0; i < trace.size(); ++i) {
        EXPECT_EQ(lines[i], formatTraceLine(trace[i]));
    }
    sim.setTraceSink({});
    exchange(*pad, request(0x02));
    EXPECT_EQ(lines.size(), 3u);
}

TEST_F(SimRecordTest, AnnouncementsAreNotPartOfTheTrace) {
    sim.plug(SimKind::Mouse);
    auto consumer = sim.open("sim/mouse/consumer", HidAccess{.read = true});
    ASSERT_TRUE(sim.announce(SimKind::Mouse, 0x0401));
    EXPECT_TRUE(sim.trace().empty());
}

TEST(SimControl, MemoryAccessIsBoundsChecked) {
    VirtualClock clock;
    SimBackend sim(clock);
    const std::vector<std::uint8_t> two = {0xAA, 0xBB};
    EXPECT_TRUE(sim.setMemory(SimKind::Mouse, SimRegion::Settings, 318, two));
    EXPECT_FALSE(sim.setMemory(SimKind::Mouse, SimRegion::Settings, 319, two));
    EXPECT_FALSE(sim.setMemory(SimKind::Mouse, SimRegion::Info, SIZE_MAX, two));
    EXPECT_FALSE(sim.setMemory(SimKind::Mousepad, SimRegion::Macro, 0, two));
    EXPECT_FALSE(sim.setMemory(SimKind::Keyboard, SimRegion::Cursor, 0, two));

    std::vector<std::uint8_t> out = {7};
    EXPECT_FALSE(sim.readMemory(SimKind::Mouse, SimRegion::Info, 0, 34, out));
    EXPECT_FALSE(sim.readMemory(SimKind::Mouse, SimRegion::Info, 1, SIZE_MAX, out));
    EXPECT_FALSE(sim.readMemory(SimKind::Mouse, SimRegion::Info, SIZE_MAX, 1, out));
    EXPECT_EQ(out, std::vector<std::uint8_t>{7}) << "a refused read leaves the buffer alone";
    ASSERT_TRUE(sim.readMemory(SimKind::Mouse, SimRegion::Settings, 318, 2, out));
    EXPECT_EQ(out, two);
    ASSERT_TRUE(sim.readMemory(SimKind::Mouse, SimRegion::Info, 33, 0, out));
    EXPECT_TRUE(out.empty());
}

TEST(SimControl, RegionSizesFollowTheDeviceAndItsInformation) {
    VirtualClock clock;
    SimBackend sim(clock);
    EXPECT_EQ(sim.regionSize(SimKind::Mouse, SimRegion::Info), 33u);
    EXPECT_EQ(sim.regionSize(SimKind::Mouse, SimRegion::Settings), 320u);
    EXPECT_EQ(sim.regionSize(SimKind::Mouse, SimRegion::KeyTable), 512u);
    EXPECT_EQ(sim.regionSize(SimKind::Mouse, SimRegion::Pages), 1016u);
    EXPECT_EQ(sim.regionSize(SimKind::Mouse, SimRegion::Cursor), 3072u);
    EXPECT_EQ(sim.regionSize(SimKind::Keyboard, SimRegion::KeyTable), 318u);
    EXPECT_EQ(sim.regionSize(SimKind::Keyboard, SimRegion::Cursor), 0u);
    EXPECT_EQ(sim.regionSize(SimKind::Mousepad, SimRegion::Pages), 0u);

    const std::vector<std::uint8_t> capacity = {255};
    ASSERT_TRUE(sim.setMemory(SimKind::Keyboard, SimRegion::Info, 6, capacity));
    EXPECT_EQ(sim.regionSize(SimKind::Keyboard, SimRegion::Macro), 255u * 128);
    ASSERT_TRUE(sim.setKeyCount(SimKind::Keyboard, 170));
    EXPECT_EQ(sim.regionSize(SimKind::Keyboard, SimRegion::KeyTable), 510u);
    std::vector<std::uint8_t> info;
    ASSERT_TRUE(sim.readMemory(SimKind::Keyboard, SimRegion::Info, 5, 1, info));
    EXPECT_EQ(info[0], 170);
}

TEST(SimControl, SettingsOutsideTheirRangesAreRefused) {
    VirtualClock clock;
    SimBackend sim(clock);
    EXPECT_FALSE(sim.setKeyCount(SimKind::Mouse, 10));
    EXPECT_FALSE(sim.setKeyCount(SimKind::Keyboard, 256));
    EXPECT_FALSE(sim.setLatency(SimKind::Mouse, -1));
    EXPECT_FALSE(sim.setLatency(SimKind::Mouse, 60'001));
    EXPECT_TRUE(sim.setLatency(SimKind::Mouse, 0));
    EXPECT_FALSE(sim.setFault(SimKind::Mouse, SimFault::Silent, 1'000'001));
}

}  // namespace
}  // namespace quillon
