#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <vector>

#include "device/Commands.h"
#include "device/DeviceChannel.h"
#include "device/ProtocolFake.h"
#include "device/ReportTrace.h"
#include "platform/ClockSync.h"

namespace quillon {
namespace {

using protofake::Fault;
using protofake::ProtocolRig;

struct ConnectedRig : ProtocolRig {
    explicit ConnectedRig(DeviceKind kind = DeviceKind::Mouse) : ProtocolRig(kind) {
        EXPECT_TRUE(protofake::connect(channel));
    }
    void schedule(Fault fault, int count, int skip = 0) {
        device.faults.push_back({fault, skip, count});
    }
};

CommandResult beginConfig(DeviceChannel& channel) {
    return BeginConfig(channel);
}

TEST(ChannelRetries, SilentDeviceGetsFourSendsThenNoAnswer) {
    ConnectedRig rig;
    rig.schedule(Fault::Silent, 100);
    EXPECT_EQ(beginConfig(rig.channel), kCommandNoAnswer);
    ASSERT_EQ(rig.device.requests.size(), 4u);
    for (const auto& request : rig.device.requests) {
        EXPECT_EQ(request, rig.device.requests[0]);  // the same request each time
    }
    EXPECT_EQ(rig.clock.now(), 4 * kResponseLimitMs);
}

TEST(ChannelRetries, AnswerToTheLastSendCounts) {
    ConnectedRig rig;
    rig.schedule(Fault::Silent, 3);
    EXPECT_EQ(beginConfig(rig.channel), kCommandOk);
    EXPECT_EQ(rig.device.requests.size(), 4u);
}

TEST(ChannelRetries, FailedWriteEndsAtOnceWithoutRetry) {
    ConnectedRig rig;
    rig.schedule(Fault::WriteFail, 1);
    EXPECT_EQ(beginConfig(rig.channel), kCommandWriteFailed);
    EXPECT_EQ(rig.device.writeCalls, 1);
    EXPECT_TRUE(rig.device.requests.empty());
    EXPECT_EQ(rig.clock.now(), 0);  // no read was waited for
}

TEST(ChannelRetries, ErrorStatusesAreAnswersAndNotResent) {
    ConnectedRig rig;
    rig.schedule(Fault::StatusFF, 1);
    EXPECT_EQ(beginConfig(rig.channel), kCommandStatusFF);
    rig.schedule(Fault::StatusFE, 1);
    EXPECT_EQ(beginConfig(rig.channel), kCommandStatusFE);
    rig.schedule(Fault::Status01, 1);
    EXPECT_EQ(beginConfig(rig.channel), kCommandOk);  // only 0xFF and 0xFE are failures
    EXPECT_EQ(rig.device.requests.size(), 3u);
}

TEST(ChannelRetries, ShortResponseCountsAsMissing) {
    ConnectedRig rig;
    rig.schedule(Fault::ShortResponse, 1);
    std::array<std::uint8_t, 2> out{0xEE, 0xEE};
    rig.device.memory.settings[0] = 3;
    rig.device.memory.settings[1] = 4;
    EXPECT_EQ(ReadSettings(rig.channel, 0, out), kCommandOk);
    EXPECT_EQ(rig.device.requests.size(), 2u);
    EXPECT_EQ(out, (std::array<std::uint8_t, 2>{3, 4}));
}

TEST(ChannelRetries, DisconnectedChannelSendsNothing) {
    ProtocolRig rig;
    ASSERT_TRUE(protofake::connect(rig.channel));
    rig.channel.setConnected(false);
    std::array<std::uint8_t, kDeviceInfoSize> info{};
    EXPECT_EQ(beginConfig(rig.channel), kCommandNoAnswer);
    EXPECT_EQ(ReadDeviceInfo(rig.channel, info), kCommandNoAnswer);
    EXPECT_EQ(FactoryReset(rig.channel), kCommandNoAnswer);
    EXPECT_EQ(rig.clock.now(), 0);
    EXPECT_EQ(EndConfig(rig.channel), kCommandNoAnswer);
    EXPECT_EQ(rig.clock.now(), kEndConfigPauseMs);  // the pause comes first, connected or not
    EXPECT_EQ(rig.device.writeCalls, 0);
}

TEST(ChannelRetries, UnpluggedDeviceFailsTheWrite) {
    ConnectedRig rig;
    rig.device.plugged = false;
    EXPECT_EQ(beginConfig(rig.channel), kCommandWriteFailed);
    EXPECT_EQ(rig.clock.now(), 0);
}

TEST(ChannelTimeLimits, EndConfigPausesTenMillisecondsBeforeSending) {
    ConnectedRig rig;
    rig.device.latency = 0;
    Millis sentAt = -1;
    rig.device.onRequest = [&](const protofake::Report&) { sentAt = rig.clock.now(); };
    EXPECT_EQ(EndConfig(rig.channel), kCommandOk);
    EXPECT_EQ(sentAt, kEndConfigPauseMs);
}

TEST(ChannelTimeLimits, LatencyBelowTheLimitIsWaitedFor) {
    ConnectedRig rig;
    rig.device.latency = 299;
    EXPECT_EQ(beginConfig(rig.channel), kCommandOk);
    EXPECT_EQ(rig.clock.now(), 299);
    EXPECT_EQ(rig.device.requests.size(), 1u);
}

TEST(ChannelTimeLimits, CancelEndsTheWaitingReadAndTheRequestIsSentAgain) {
    ConnectedRig rig;
    rig.schedule(Fault::Silent, 1);
    CommandResult result = 0;
    Millis endedAt = -1;
    {
        Worker caller(rig.clock, "caller", [&] {
            result = beginConfig(rig.channel);
            endedAt = rig.clock.now();
        });
        rig.clock.sleepFor(100);
        CancelHidTransfer(rig.channel.device());
    }
    EXPECT_EQ(result, kCommandOk);
    EXPECT_EQ(rig.device.requests.size(), 2u);
    EXPECT_EQ(endedAt, 101);  // cancelled at 100, answered 1 ms after the second send
}

class RecordingTrace : public ReportTrace {
  public:
    void onReport(DeviceKind kind, ReportDirection direction,
                  std::span<const std::uint8_t, kFrameSize> report) override {
        lines.push_back(formatTraceLine(kind, direction, report));
    }
    std::vector<std::string> lines;
};

TEST(ChannelTrace, RecordsEachRequestAndResponseInTraceFormat) {
    ConnectedRig rig(DeviceKind::Keyboard);
    RecordingTrace trace;
    rig.channel.setTrace(&trace);
    rig.schedule(Fault::Silent, 1);
    EXPECT_EQ(beginConfig(rig.channel), kCommandOk);
    ASSERT_EQ(trace.lines.size(), 3u);  // request, request again, response
    const std::string request =
        "keyboard > 040100"
        "01" +
        std::string(120, '0');
    EXPECT_EQ(trace.lines[0], request);
    EXPECT_EQ(trace.lines[1], request);
    EXPECT_EQ(trace.lines[2].substr(0, 11), "keyboard < ");
    EXPECT_EQ(trace.lines[2].size(), 11u + 128u);
    EXPECT_EQ(trace.lines[2].find_first_not_of("0123456789abcdef", 11), std::string::npos);
}

TEST(ChannelRawSend, FactoryResetIsSentOnceAndIgnoresTheStatus) {
    ConnectedRig rig;
    rig.schedule(Fault::StatusFF, 1);
    EXPECT_EQ(FactoryReset(rig.channel), kCommandOk);
    ASSERT_EQ(rig.device.requests.size(), 1u);
    EXPECT_EQ(rig.device.requests[0][1], 0);
    EXPECT_EQ(rig.device.requests[0][2], 0);
    EXPECT_EQ(rig.device.requests[0][3], 0x0D);
}

TEST(ChannelRawSend, FactoryResetWithoutAnswerIsNotRetried) {
    ConnectedRig rig;
    rig.schedule(Fault::Silent, 5);
    EXPECT_EQ(FactoryReset(rig.channel), kCommandNoAnswer);
    EXPECT_EQ(rig.device.requests.size(), 1u);
    EXPECT_EQ(rig.clock.now(), kResponseLimitMs);
}

TEST(ChannelRawSend, FailedWriteStillWaitsForTheRead) {
    ConnectedRig rig;
    rig.schedule(Fault::WriteFail, 1);
    EXPECT_EQ(FactoryReset(rig.channel), kCommandNoAnswer);
    EXPECT_EQ(rig.device.writeCalls, 1);
    EXPECT_EQ(rig.clock.now(), kResponseLimitMs);
}

// Two threads read different settings addresses, each holding its own expected bytes; a response
// read by the wrong thread shows as wrong data.
void readOwnAddress(DeviceChannel& channel, std::uint16_t address, int rounds,
                    std::atomic<int>& mismatches) {
    for (int i = 0; i < rounds; ++i) {
        std::array<std::uint8_t, 4> out{};
        if (ReadSettings(channel, address, out) != kCommandOk ||
            out[0] != static_cast<std::uint8_t>(address)) {
            ++mismatches;
        }
    }
}

void fillSettingsWithAddresses(protofake::FakeDevice& device) {
    for (std::size_t i = 0; i < device.memory.settings.size(); ++i) {
        device.memory.settings[i] = static_cast<std::uint8_t>(i);
    }
}

TEST(ChannelConcurrency, TwoWorkersNeverReadEachOthersResponses) {
    ConnectedRig rig;
    rig.device.latency = 3;
    fillSettingsWithAddresses(rig.device);
    std::atomic<int> mismatches{0};
    {
        Worker a(rig.clock, "a", [&] { readOwnAddress(rig.channel, 10, 50, mismatches); });
        Worker b(rig.clock, "b", [&] { readOwnAddress(rig.channel, 200, 50, mismatches); });
        readOwnAddress(rig.channel, 100, 50, mismatches);
    }
    EXPECT_EQ(mismatches.load(), 0);
    EXPECT_EQ(rig.device.requests.size(), 150u);
    EXPECT_EQ(rig.clock.now(), 150 * 3);  // strictly one exchange at a time
}

TEST(ChannelConcurrency, RealThreadsNeverReadEachOthersResponses) {
    auto clock = makeSteadyClock();
    protofake::FakeBackend backend(*clock);
    auto& device = backend.add(DeviceKind::Mouse, 0x7643);
    device.latency = 0;
    device.yieldAfterWrite = true;
    fillSettingsWithAddresses(device);
    DeviceChannel channel(DeviceKind::Mouse, backend, *clock);
    channel.setIdentity(standardIdentity(DeviceKind::Mouse));
    ASSERT_TRUE(protofake::connect(channel));
    std::atomic<int> mismatches{0};
    {
        Worker a(*clock, "a", [&] { readOwnAddress(channel, 20, 2000, mismatches); });
        Worker b(*clock, "b", [&] { readOwnAddress(channel, 40, 2000, mismatches); });
        readOwnAddress(channel, 60, 2000, mismatches);
    }
    EXPECT_EQ(mismatches.load(), 0);
}

}  // namespace
}  // namespace quillon
