// Command transactions against the simulated mouse with no latency, and the raw report round trip
// underneath them, so that the cost of the transaction layer (frame building, checksum, lock,
// HidDevice bookkeeping, retry logic) shows as the difference.

#include <benchmark/benchmark.h>

#include <array>
#include <memory>

#include "device/Commands.h"
#include "device/DeviceChannel.h"
#include "device/HidDevice.h"
#include "platform/Clock.h"
#include "platform/sim/SimBackend.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {
namespace {

struct SimMouse {
    SimMouse() : clock(makeSteadyClock()), backend(*clock) {
        backend.plug(SimKind::Mouse);
        backend.setLatency(0);
    }
    std::unique_ptr<Clock> clock;
    SimBackend backend;
};

void BM_ReadSettingsTransaction(benchmark::State& state) {
    SimMouse sim;
    DeviceChannel channel(DeviceKind::Mouse, sim.backend, *sim.clock);
    channel.setIdentity(standardIdentity(DeviceKind::Mouse));
    HidDevice& device = channel.device();
    device.devicePath = simInterfacePath(SimKind::Mouse, SimInterface::Config);
    device.wantRead = device.wantWrite = device.wantOverlapped = true;
    if (OpenHidDevice(device) != 1) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    channel.setConnected(true);
    std::array<std::uint8_t, 56> record{};
    for (auto _ : state) {
        if (ReadSettings(channel, 64, record) != kCommandOk) {
            state.SkipWithError("transaction failed");
            break;
        }
        benchmark::DoNotOptimize(record);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ReadSettingsTransaction)->UseRealTime();

void BM_RawReportRoundTrip(benchmark::State& state) {
    SimMouse sim;
    HidAccess access;
    access.read = access.write = access.overlapped = true;
    auto connection =
        sim.backend.open(simInterfacePath(SimKind::Mouse, SimInterface::Config), access);
    if (!connection) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    const auto request = CommandFrame::request(CommandCode::ReadSettings, 56, 64);
    std::array<std::uint8_t, kFrameSize> response{};
    for (auto _ : state) {
        if (connection->write(request.bytes.data(), kFrameSize, kHidWriteLimitMs) <= 0 ||
            connection->read(response.data(), response.size(), kResponseLimitMs) <= 0) {
            state.SkipWithError("round trip failed");
            break;
        }
        benchmark::DoNotOptimize(response);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_RawReportRoundTrip)->UseRealTime();

}  // namespace
}  // namespace quillon
