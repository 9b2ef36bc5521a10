// The key-function work that runs on the interface thread: labelling a whole keyboard (done at
// every key change, for every key) and matching the layout's 126 positions against a factory
// table (done at every keyboard read). The macro index is answered from memory, so that what is
// measured is the tables, not the disk.

#include <benchmark/benchmark.h>

#include "device/DeviceModel.h"
#include "keys/KeyCatalogs.h"
#include "keys/KeyLabel.h"
#include "keys/KeyboardLayout.h"

namespace quillon::keys {
namespace {

// A keyboard whose keys are the layout's keys in order, with every tenth key remapped.
KeyTableBytes sampleTable(int keys) {
    KeyTableBytes table{};
    table.fill(0x05);
    int d = 0;
    for (int u = 0; u < kLayoutPositions && d < keys; ++u) {
        setKeyAt(table, d++, layoutFunction(u));
    }
    for (int k = 0; k < keys; k += 10) {
        setKeyAt(table, k, {0x70, static_cast<std::uint8_t>(k % 4), 0});
    }
    return table;
}

void BM_LabelWholeKeyboard(benchmark::State& state) {
    const KeyTableBytes table = sampleTable(126);
    const MacroNames macros{[] { return 4; }, [](int n) { return std::string(1, 'a' + n); }};
    for (auto _ : state) {
        int labelled = 0;
        for (int k = 0; k < 126; ++k) {
            labelled += labelFor(DeviceKind::Keyboard, keyAt(table, k), macros).has_value();
        }
        benchmark::DoNotOptimize(labelled);
    }
}
BENCHMARK(BM_LabelWholeKeyboard);

void BM_RebuildPositionMap(benchmark::State& state) {
    const KeyTableBytes factory = sampleTable(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        KeyPositionMap map;
        map.rebuild(factory, static_cast<int>(state.range(0)));
        benchmark::DoNotOptimize(map);
    }
}
BENCHMARK(BM_RebuildPositionMap)->Arg(106)->Arg(170);

void BM_LookupVirtualKey(benchmark::State& state) {
    std::uint16_t vk = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lookupVirtualKey(vk));
        vk = static_cast<std::uint16_t>((vk + 1) % 262);
    }
}
BENCHMARK(BM_LookupVirtualKey);

}  // namespace
}  // namespace quillon::keys
