// Building a macro image from its file and sending it to the simulated mouse (no latency), from
// one action up to the largest image the mouse's 4 KiB macro memory accepts (one macro of 1018
// actions, 4094 bytes, 74 reports). The "reports" counter is the number of 56-byte write requests
// the image needs; the difference between the two benchmarks is the cost of the transfer.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <memory>

#include "device/Commands.h"
#include "device/DeviceChannel.h"
#include "device/HidDevice.h"
#include "keys/MacroImage.h"
#include "keys/MacroStore.h"
#include "platform/Clock.h"
#include "platform/sim/SimBackend.h"
#include "platform/sim/SimIdentity.h"

namespace quillon {
namespace {

constexpr std::size_t kChunk = 56;

struct MacroFile {
    explicit MacroFile(int actions) {
        path = (std::filesystem::temp_directory_path() /
                ("quillon-bench-" + std::to_string(actions) + ".mac"))
                   .string();
        std::vector<keys::MacroAction> list;
        for (int j = 0; j < actions; ++j) {
            list.push_back(
                keys::makeAction(static_cast<std::uint16_t>(j), 0x8A, 0x04, "keyboard_key_A"));
        }
        keys::writeActionFile(path, list);
    }
    ~MacroFile() { std::filesystem::remove(path); }
    std::string path;
};

void setReports(benchmark::State& state, std::size_t total) {
    state.counters["bytes"] = static_cast<double>(total);
    state.counters["reports"] = static_cast<double>((total + kChunk - 1) / kChunk);
}

void BM_BuildMacroImage(benchmark::State& state) {
    const MacroFile file(static_cast<int>(state.range(0)));
    std::size_t total = 0;
    for (auto _ : state) {
        const auto image = keys::fillMacroImage(keys::planMacroImage({file.path}));
        total = image ? image->size() : 0;
        benchmark::DoNotOptimize(image);
    }
    setReports(state, total);
}
BENCHMARK(BM_BuildMacroImage)->Arg(1)->Arg(64)->Arg(256)->Arg(1018);

void BM_BuildAndSendMacroImage(benchmark::State& state) {
    const MacroFile file(static_cast<int>(state.range(0)));
    const std::unique_ptr<Clock> clock = makeSteadyClock();
    SimBackend backend(*clock);
    backend.plug(SimKind::Mouse);
    backend.setLatency(0);
    DeviceChannel channel(DeviceKind::Mouse, backend, *clock);
    channel.setIdentity(standardIdentity(DeviceKind::Mouse));
    HidDevice& device = channel.device();
    device.devicePath = simInterfacePath(SimKind::Mouse, SimInterface::Config);
    device.wantRead = device.wantWrite = device.wantOverlapped = true;
    if (OpenHidDevice(device) != 1) {
        state.SkipWithError("the simulated mouse did not open");
        return;
    }
    channel.setConnected(true);
    std::size_t total = 0;
    for (auto _ : state) {
        const auto image = keys::fillMacroImage(keys::planMacroImage({file.path}));
        if (!image || WriteMacroMemory(channel, *image) != kCommandOk) {
            state.SkipWithError("the image was not sent");
            break;
        }
        total = image->size();
    }
    setReports(state, total);
}
BENCHMARK(BM_BuildAndSendMacroImage)->Arg(1)->Arg(64)->Arg(256)->Arg(1018)->UseRealTime();

}  // namespace
}  // namespace quillon
