#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "platform/ClockSync.h"
#include "platform/VirtualClock.h"
#include "platform/sim/SimBackend.h"
#include "platform/sim/SimDescriptors.h"
#include "platform/sim_support.h"

namespace quillon {
namespace {

using simtest::request;

constexpr HidAccess kReadWrite{.read = true, .write = true, .overlapped = true};
constexpr HidAccess kReadOnly{.read = true, .overlapped = true};

struct SimBackendTest : ::testing::Test {
    VirtualClock clock;
    SimBackend sim{clock};

    std::unique_ptr<HidConnection> openConfig(SimKind kind, const HidAccess& access = kReadWrite) {
        return sim.open(simInterfacePath(kind, SimInterface::Config), access);
    }
    std::unique_ptr<HidConnection> openConsumer(SimKind kind) {
        return sim.open(simInterfacePath(kind, SimInterface::Consumer), kReadOnly);
    }
    static int send(HidConnection& connection, const SimFrame& frame) {
        return connection.write(frame.data(), frame.size(), 1000);
    }
    static int receive(HidConnection& connection, std::array<std::uint8_t, 64>& into,
                       Millis limit = 300) {
        return connection.read(into.data(), into.size(), limit);
    }
};

TEST_F(SimBackendTest, EnumerationListsOnlyPluggedInterfaces) {
    std::vector<HidInterfaceInfo> list;
    ASSERT_EQ(sim.enumerate(list), 1);
    EXPECT_TRUE(list.empty());

    sim.plug(SimKind::Mousepad);
    sim.plug(SimKind::Keyboard, 0x0800);
    ASSERT_EQ(sim.enumerate(list), 1);
    ASSERT_EQ(list.size(), 3u);
    EXPECT_EQ(list[0].path, "sim/keyboard/config");
    EXPECT_EQ(list[0].vendorId, 0x0C45);
    EXPECT_EQ(list[0].productId, 0x0800);
    EXPECT_EQ(list[1].path, "sim/keyboard/consumer");
    EXPECT_EQ(list[2].path, "sim/mousepad/config");
    EXPECT_EQ(list[2].productId, 0x5004);

    sim.unplug(SimKind::Keyboard);
    ASSERT_EQ(sim.enumerate(list), 1);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0].path, "sim/mousepad/config");
}

TEST_F(SimBackendTest, OpenAndExistsNeedAPluggedDeviceAndAnExactPath) {
    EXPECT_FALSE(sim.exists("sim/mouse/config"));
    EXPECT_EQ(openConfig(SimKind::Mouse), nullptr);
    sim.plug(SimKind::Mouse);
    sim.plug(SimKind::Mousepad);
    EXPECT_TRUE(sim.exists("sim/mouse/config"));
    EXPECT_TRUE(sim.exists("sim/mouse/consumer"));
    for (const char* bad : {"sim/Mouse/config", "sim/mouse/config/", "sim/mouse/../mouse/config",
                            "/dev/hidraw0", "", "sim//config", "sim/mousepad/consumer"}) {
        EXPECT_FALSE(sim.exists(bad)) << bad;
        EXPECT_EQ(sim.open(bad, kReadWrite), nullptr) << bad;
    }
    auto connection = openConfig(SimKind::Mouse);
    ASSERT_NE(connection, nullptr);
    EXPECT_EQ(connection->vendorId(), 0x0C45);
    EXPECT_EQ(connection->productId(), 0x7643);
}

TEST_F(SimBackendTest, ConfigurationDescriptorDescribesReportFourOf64Bytes) {
    sim.plug(SimKind::Mouse);
    const auto connection = openConfig(SimKind::Mouse);
    ASSERT_NE(connection, nullptr);
    const auto s = simtest::summarize(connection->reportDescriptor());
    EXPECT_TRUE(s.wellFormed);
    EXPECT_EQ(s.usagePage, 0xFF1Cu);
    EXPECT_EQ(s.usage, 0x92u);
    EXPECT_EQ(s.reportId, 4u);
    EXPECT_EQ(1 + s.inputBits / 8, 64u);
    EXPECT_EQ(1 + s.outputBits / 8, 64u);
}

TEST_F(SimBackendTest, ConsumerDescriptorDescribesAUsageArrayCoveringTheAnnouncements) {
    sim.plug(SimKind::Keyboard);
    const auto connection = openConsumer(SimKind::Keyboard);
    ASSERT_NE(connection, nullptr);
    const auto s = simtest::summarize(connection->reportDescriptor());
    EXPECT_TRUE(s.wellFormed);
    EXPECT_EQ(s.usagePage, 0x0Cu);
    EXPECT_EQ(s.usage, 0x01u);
    EXPECT_EQ(s.reportId, kSimConsumerReportId);
    EXPECT_TRUE(s.inputIsArray);
    EXPECT_EQ(1 + s.inputBits / 8, kSimConsumerReportLength);
    EXPECT_GE(s.usageMaximum, 0x0403u);
}

TEST_F(SimBackendTest, AnswerBecomesReadableAfterTheLatency) {
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.setLatency(SimKind::Mouse, 5));
    auto connection = openConfig(SimKind::Mouse);
    ASSERT_EQ(send(*connection, request(0x03, 33)), 64);
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(receive(*connection, answer), 64);
    EXPECT_EQ(clock.now(), 5);
    EXPECT_EQ(answer[7], 0);
    EXPECT_EQ(answer[8 + 9], 0x60);  // the sensor id's low byte

    ASSERT_TRUE(sim.setLatency(0));
    ASSERT_EQ(send(*connection, request(0x01)), 64);
    EXPECT_EQ(receive(*connection, answer, 0), 64) << "no time needs to pass";
    EXPECT_EQ(clock.now(), 5);
}

TEST_F(SimBackendTest, ReadLimitShorterThanTheLatencyTimesOutAndTheAnswerStaysQueued) {
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.setLatency(SimKind::Mouse, 400));
    auto connection = openConfig(SimKind::Mouse);
    ASSERT_EQ(send(*connection, request(0x01)), 64);
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(receive(*connection, answer, 300), kHidTimeout);
    EXPECT_EQ(clock.now(), 300);
    EXPECT_EQ(receive(*connection, answer, 300), 64);
    EXPECT_EQ(clock.now(), 400);
}

TEST_F(SimBackendTest, SilentDeviceLetsA300MsReadEndAfterExactly300Ms) {
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.setFault(SimKind::Mouse, SimFault::Silent, 2));
    auto connection = openConfig(SimKind::Mouse);
    std::array<std::uint8_t, 64> answer{};
    for (Millis expected : {300, 600}) {
        ASSERT_EQ(send(*connection, request(0x01)), 64);
        EXPECT_EQ(receive(*connection, answer), kHidTimeout);
        EXPECT_EQ(clock.now(), expected);
    }
    ASSERT_EQ(send(*connection, request(0x01)), 64);
    EXPECT_EQ(receive(*connection, answer), 64) << "the third request is answered";
    EXPECT_EQ(sim.requests(SimKind::Mouse).size(), 3u) << "silent requests still arrive";
}

TEST_F(SimBackendTest, StatusFaultsAnswerWithoutCarryingTheRequestOut) {
    sim.plug(SimKind::Mousepad);
    auto connection = openConfig(SimKind::Mousepad);
    std::vector<std::uint8_t> before;
    ASSERT_TRUE(sim.readMemory(SimKind::Mousepad, SimRegion::Settings, 0, 56, before));
    const std::vector<std::uint8_t> record(56, 0x33);
    std::array<std::uint8_t, 64> answer{};
    for (auto [fault, status] : {std::pair{SimFault::StatusFF, 0xFF}, {SimFault::StatusFE, 0xFE}}) {
        ASSERT_TRUE(sim.setFault(SimKind::Mousepad, fault));
        ASSERT_EQ(send(*connection, request(0x06, 56, 0, record)), 64);
        ASSERT_EQ(receive(*connection, answer), 64);
        EXPECT_EQ(answer[7], status);
        std::vector<std::uint8_t> now;
        ASSERT_TRUE(sim.readMemory(SimKind::Mousepad, SimRegion::Settings, 0, 56, now));
        EXPECT_EQ(now, before);
    }
    ASSERT_EQ(send(*connection, request(0x06, 56, 0, record)), 64);
    ASSERT_EQ(receive(*connection, answer), 64);
    EXPECT_EQ(answer[7], 0) << "a fault lasts for its count only";
}

TEST_F(SimBackendTest, WriteFailRefusesTheReportUntilCleared) {
    sim.plug(SimKind::Keyboard);
    auto connection = openConfig(SimKind::Keyboard);
    ASSERT_TRUE(sim.setFault(SimKind::Keyboard, SimFault::WriteFail, 1));
    EXPECT_EQ(send(*connection, request(0x01)), kHidError);
    EXPECT_TRUE(sim.requests(SimKind::Keyboard).empty());
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(receive(*connection, answer, 50), kHidTimeout);
    EXPECT_EQ(send(*connection, request(0x01)), 64);

    ASSERT_TRUE(sim.setFault(SimKind::Keyboard, SimFault::WriteFail, 5));
    ASSERT_TRUE(sim.setFault(SimKind::Keyboard, SimFault::None, 0));
    EXPECT_EQ(send(*connection, request(0x01)), 64) << "none clears a pending fault";
    EXPECT_FALSE(sim.setFault(SimKind::Keyboard, SimFault::Silent, -1));
}

TEST_F(SimBackendTest, MalformedWritesFailAndAreNotRecorded) {
    sim.plug(SimKind::Mouse);
    auto connection = openConfig(SimKind::Mouse);
    SimFrame frame = request(0x01);
    EXPECT_EQ(connection->write(frame.data(), 63, 1000), kHidError);
    EXPECT_EQ(connection->write(nullptr, 64, 1000), kHidError);
    frame[0] = 3;
    EXPECT_EQ(send(*connection, frame), kHidError);
    EXPECT_TRUE(sim.requests(SimKind::Mouse).empty());

    auto readOnly = openConfig(SimKind::Mouse, kReadOnly);
    EXPECT_EQ(send(*readOnly, request(0x01)), kHidError);
    auto consumer = openConsumer(SimKind::Mouse);
    EXPECT_EQ(send(*consumer, request(0x01)), kHidError);
}

TEST_F(SimBackendTest, TooSmallReadBufferFailsAndKeepsTheReport) {
    sim.plug(SimKind::Mouse);
    auto connection = openConfig(SimKind::Mouse);
    ASSERT_EQ(send(*connection, request(0x01)), 64);
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(connection->read(answer.data(), 32, 300), kHidError);
    EXPECT_EQ(connection->read(nullptr, 64, 300), kHidError);
    EXPECT_EQ(receive(*connection, answer), 64);
    EXPECT_EQ(answer[3], 0x01);
}

TEST_F(SimBackendTest, CancelBeforeATransferFailsItAtOnceAndIsConsumed) {
    sim.plug(SimKind::Mouse);
    auto connection = openConfig(SimKind::Mouse);
    std::array<std::uint8_t, 64> answer{};
    connection->cancel();
    EXPECT_EQ(receive(*connection, answer), kHidCancelled);
    EXPECT_EQ(clock.now(), 0);
    EXPECT_EQ(receive(*connection, answer, 100), kHidTimeout) << "consumed by the first wait";
    connection->cancel();
    EXPECT_EQ(send(*connection, request(0x01)), kHidCancelled);
    EXPECT_EQ(send(*connection, request(0x01)), 64);
}

TEST_F(SimBackendTest, CancelEndsAWaitingReadAtOnce) {
    sim.plug(SimKind::Mouse);
    auto connection = openConfig(SimKind::Mouse);
    Worker canceller(clock, "canceller", [&] {
        clock.sleepFor(120);
        connection->cancel();
    });
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(receive(*connection, answer, 1000), kHidCancelled);
    EXPECT_EQ(clock.now(), 120);
    ASSERT_TRUE(canceller.joinFor(kForever));
}

TEST_F(SimBackendTest, CancelEndsAReadWaitingForALateAnswer) {
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.setLatency(SimKind::Mouse, 200));
    auto connection = openConfig(SimKind::Mouse);
    ASSERT_EQ(send(*connection, request(0x01)), 64);
    Worker canceller(clock, "canceller", [&] {
        clock.sleepFor(50);
        connection->cancel();
    });
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(receive(*connection, answer), kHidCancelled);
    EXPECT_EQ(clock.now(), 50);
    ASSERT_TRUE(canceller.joinFor(kForever));
}

TEST_F(SimBackendTest, UnplugDuringAReadFailsItAndTheConnectionStaysDead) {
    sim.plug(SimKind::Keyboard);
    auto connection = openConfig(SimKind::Keyboard);
    Worker user(clock, "user", [&] {
        clock.sleepFor(70);
        sim.unplug(SimKind::Keyboard);
    });
    std::array<std::uint8_t, 64> answer{};
    EXPECT_EQ(receive(*connection, answer, 500), kHidError);
    EXPECT_EQ(clock.now(), 70);
    ASSERT_TRUE(user.joinFor(kForever));

    EXPECT_EQ(send(*connection, request(0x01)), kHidError);
    EXPECT_FALSE(sim.exists("sim/keyboard/config"));
    sim.plug(SimKind::Keyboard);
    EXPECT_EQ(send(*connection, request(0x01)), kHidError) << "an old handle after a replug";
    EXPECT_EQ(receive(*connection, answer, 10), kHidError);
    auto fresh = openConfig(SimKind::Keyboard);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(send(*fresh, request(0x01)), 64);
}

TEST_F(SimBackendTest, MemorySurvivesUnplugging) {
    sim.plug(SimKind::Mouse);
    const std::vector<std::uint8_t> bytes = {1, 2, 3};
    ASSERT_TRUE(sim.setMemory(SimKind::Mouse, SimRegion::Macro, 10, bytes));
    sim.unplug(SimKind::Mouse);
    sim.plug(SimKind::Mouse);
    std::vector<std::uint8_t> back;
    ASSERT_TRUE(sim.readMemory(SimKind::Mouse, SimRegion::Macro, 10, 3, back));
    EXPECT_EQ(back, bytes);
}

TEST_F(SimBackendTest, ReplugUnderAnotherProductIdIsANewDevice) {
    sim.plug(SimKind::Keyboard);
    auto old = openConfig(SimKind::Keyboard);
    sim.plug(SimKind::Keyboard);  // already there: nothing changes
    EXPECT_EQ(send(*old, request(0x01)), 64);
    sim.plug(SimKind::Keyboard, 0x7200);
    EXPECT_EQ(send(*old, request(0x01)), kHidError);
    auto fresh = openConfig(SimKind::Keyboard);
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->productId(), 0x7200);
    EXPECT_EQ(sim.productId(SimKind::Keyboard), 0x7200);
}

TEST_F(SimBackendTest, AnnouncementIsTheNextConsumerReport) {
    sim.plug(SimKind::Mouse);
    auto consumer = openConsumer(SimKind::Mouse);
    ASSERT_NE(consumer, nullptr);
    ASSERT_TRUE(sim.announce(SimKind::Mouse, 0x0402));
    std::array<std::uint8_t, 64> report{};
    ASSERT_EQ(consumer->read(report.data(), report.size(), 500),
              static_cast<int>(kSimConsumerReportLength));
    EXPECT_EQ(std::vector<std::uint8_t>(report.begin(), report.begin() + 5),
              (std::vector<std::uint8_t>{kSimConsumerReportId, 0x02, 0x04, 0x00, 0x00}));
    EXPECT_EQ(consumer->read(report.data(), report.size(), 500), kHidTimeout);
    EXPECT_EQ(clock.now(), 500);
}

TEST_F(SimBackendTest, AnnouncementWakesAWaitingReader) {
    sim.plug(SimKind::Keyboard);
    auto consumer = openConsumer(SimKind::Keyboard);
    Worker device(clock, "device", [&] {
        clock.sleepFor(230);
        sim.announce(SimKind::Keyboard, 0x0401);
    });
    std::array<std::uint8_t, 8> report{};
    EXPECT_EQ(consumer->read(report.data(), report.size(), 500), 5);
    EXPECT_EQ(clock.now(), 230);
    EXPECT_EQ(report[1], 0x01);
    EXPECT_EQ(report[2], 0x04);
    ASSERT_TRUE(device.joinFor(kForever));
}

TEST_F(SimBackendTest, AnnouncementWithoutAReaderWaitsForTheNextOne) {
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.announce(SimKind::Mouse, 0x0403));
    auto consumer = openConsumer(SimKind::Mouse);
    std::array<std::uint8_t, 8> report{};
    ASSERT_EQ(consumer->read(report.data(), report.size(), 0), 5);
    EXPECT_EQ(report[1], 0x03);
    EXPECT_EQ(report[2], 0x04);
}

TEST_F(SimBackendTest, AnnouncementNeedsAPluggedDeviceWithAConsumerInterface) {
    EXPECT_FALSE(sim.announce(SimKind::Mouse, 0x0402));
    sim.plug(SimKind::Mousepad);
    EXPECT_FALSE(sim.announce(SimKind::Mousepad, 0x0402));
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.announce(SimKind::Mouse, 0x0402));
    sim.unplug(SimKind::Mouse);
    sim.plug(SimKind::Mouse);
    auto consumer = openConsumer(SimKind::Mouse);
    std::array<std::uint8_t, 8> report{};
    EXPECT_EQ(consumer->read(report.data(), report.size(), 100), kHidTimeout)
        << "announcements of an unplugged device are gone";
}

TEST_F(SimBackendTest, ExclusiveHolderLetsOthersReadButNotWrite) {
    sim.plug(SimKind::Mouse);
    HidAccess exclusive = kReadWrite;
    exclusive.exclusive = true;
    auto holder = openConfig(SimKind::Mouse, exclusive);
    ASSERT_NE(holder, nullptr);
    EXPECT_EQ(openConfig(SimKind::Mouse, kReadWrite), nullptr);
    EXPECT_NE(openConfig(SimKind::Mouse, kReadOnly), nullptr);
    EXPECT_NE(openConfig(SimKind::Mouse, HidAccess{}), nullptr) << "a presence probe";
    holder.reset();
    auto writer = openConfig(SimKind::Mouse, kReadWrite);
    ASSERT_NE(writer, nullptr);
    EXPECT_EQ(openConfig(SimKind::Mouse, exclusive), nullptr);
}

TEST_F(SimBackendTest, ConnectionOutlivingItsBackendStaysSafe) {
    std::unique_ptr<HidConnection> connection;
    {
        SimBackend local(clock);
        local.plug(SimKind::Mouse);
        connection = local.open("sim/mouse/config", kReadWrite);
        ASSERT_NE(connection, nullptr);
    }
    EXPECT_EQ(send(*connection, request(0x01)), 64);
    connection.reset();
}

TEST_F(SimBackendTest, EveryReaderOfTheInterfaceGetsTheAnswerButAProbeDoesNot) {
    sim.plug(SimKind::Mouse);
    auto first = openConfig(SimKind::Mouse);
    auto second = openConfig(SimKind::Mouse, kReadOnly);
    auto probe = openConfig(SimKind::Mouse, HidAccess{});
    ASSERT_EQ(send(*first, request(0x03, 33)), 64);
    std::array<std::uint8_t, 64> a{}, b{};
    EXPECT_EQ(receive(*first, a), 64);
    EXPECT_EQ(receive(*second, b), 64);
    EXPECT_EQ(a, b);
    EXPECT_EQ(receive(*probe, a), kHidError) << "opened without read access";
}

TEST(SimBackendRealTime, LatencyLimitsAndCancelHoldOnTheSteadyClock) {
    const auto clock = makeSteadyClock();
    SimBackend sim(*clock);
    sim.plug(SimKind::Mouse);
    ASSERT_TRUE(sim.setLatency(SimKind::Mouse, 2));
    auto connection = sim.open("sim/mouse/config", kReadWrite);
    const SimFrame frame = request(0x01);
    std::array<std::uint8_t, 64> answer{};

    Millis start = clock->now();
    ASSERT_EQ(connection->write(frame.data(), frame.size(), 1000), 64);
    EXPECT_EQ(connection->read(answer.data(), answer.size(), 300), 64);
    EXPECT_GE(clock->now() - start, 2);
    EXPECT_LT(clock->now() - start, 150);

    ASSERT_TRUE(sim.setFault(SimKind::Mouse, SimFault::Silent));
    start = clock->now();
    ASSERT_EQ(connection->write(frame.data(), frame.size(), 1000), 64);
    EXPECT_EQ(connection->read(answer.data(), answer.size(), 30), kHidTimeout);
    EXPECT_GE(clock->now() - start, 30);
    EXPECT_LT(clock->now() - start, 250);

    start = clock->now();
    Worker canceller(*clock, "canceller", [&] {
        clock->sleepFor(10);
        connection->cancel();
    });
    EXPECT_EQ(connection->read(answer.data(), answer.size(), 2000), kHidCancelled);
    EXPECT_LT(clock->now() - start, 1000);
    ASSERT_TRUE(canceller.joinFor(kForever));
}

}  // namespace
}  // namespace quillon
