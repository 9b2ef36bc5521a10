// Cost of one frame of each keyboard preview effect (full-colour modes 0..16, single-colour modes
// 0..10) and of one mouse and mousepad preview frame.
#include <benchmark/benchmark.h>

#include <array>

#include "lighting/effects/KeyboardEngine.h"
#include "lighting/effects/MousePreview.h"
#include "lighting/effects/MousepadPreview.h"

namespace {

using namespace quillon::lighting;

void keyboardFrame(benchmark::State& state, bool single) {
    const auto mode = static_cast<std::uint8_t>(state.range(0));
    KeyboardEngine engine;
    engine.reset();
    engine.start(single, mode);
    std::array<std::uint8_t, 378> set{};
    set.fill(0x80);
    SharedHue hue{0};
    const LightingBlock block{mode, 4, 0, 1, 1, 200, 100, 50};
    for (auto _ : state) {
        engine.frame(single, block, set, hue);
        benchmark::DoNotOptimize(engine.picture());
    }
}

void BM_KeyboardFullColourFrame(benchmark::State& state) {
    keyboardFrame(state, false);
}
BENCHMARK(BM_KeyboardFullColourFrame)->DenseRange(0, 16);

void BM_KeyboardSingleColourFrame(benchmark::State& state) {
    keyboardFrame(state, true);
}
BENCHMARK(BM_KeyboardSingleColourFrame)->DenseRange(0, 10);

void BM_MouseFrame(benchmark::State& state) {
    MousePreview preview;
    preview.placeMarker(1);
    SharedHue hue{0};
    const LightingBlock block{static_cast<std::uint8_t>(state.range(0)), 4, 0, 1, 1, 1, 2, 3};
    std::int64_t now = 0;
    for (auto _ : state) {
        preview.frame(block, now += 10, true, hue);
        benchmark::DoNotOptimize(preview.picture());
    }
}
BENCHMARK(BM_MouseFrame)->DenseRange(0, 6);

void BM_MousepadFrame(benchmark::State& state) {
    MousepadPreview preview;
    preview.placeMarker();
    SharedHue hue{0};
    const LightingBlock block{static_cast<std::uint8_t>(state.range(0)), 4, 0, 1, 1, 1, 2, 3};
    std::int64_t now = 0;
    for (auto _ : state) {
        preview.frame(block, now += 10, true, hue);
        benchmark::DoNotOptimize(preview.picture());
    }
}
BENCHMARK(BM_MousepadFrame)->DenseRange(0, 8);

}  // namespace
