// Profile store: setting up a list of 1000 profiles and saving a profile, beside the index reads
// and file writes they are made of.

#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "device/DeviceModel.h"
#include "lighting/HostSettings.h"
#include "lighting/KeyboardLightingStore.h"
#include "platform/IniFile.h"
#include "profiles/AtomicFile.h"
#include "profiles/ProfileFile.h"
#include "profiles/ProfileLinks.h"
#include "profiles/ProfileStore.h"

namespace quillon {
namespace {

struct StillDesktop : PointerSettingsSource {
    int pointerSpeed() const override { return 10; }
    int wheelLines() const override { return 3; }
};

// A data folder whose keyboard device list holds `count` profiles.
struct BenchStore {
    std::string dir;
    DeviceModel devices;
    KeyboardLightingStore lighting;
    HostSettings host;
    StillDesktop desktop;
    DiskProfileIo io;
    ProfileStore store;
    const ProfileList& list = *findProfileList(DeviceKind::Keyboard, ProfileKind::Device);

    explicit BenchStore(int count)
        : dir(makeFolder()),
          store(ProfileModel{devices, lighting, host}, desktop, ProfileFolders(dir, dir), io) {
        IniDocument index;
        index.write(list.sections.count, "count", std::to_string(count));
        index.write(list.sections.select, "select", "0");
        for (int i = 0; i < count; ++i) {
            index.write(list.sections.name, std::to_string(i), "profile" + std::to_string(i + 1));
            index.write(list.sections.linkFlag, std::to_string(i), "0");
            index.write(list.sections.linkPath, std::to_string(i), " ");
        }
        index.save(indexPath());
    }
    ~BenchStore() {
        std::error_code error;
        std::filesystem::remove_all(dir, error);
    }
    std::string indexPath() const { return dir + "kb/kbProfile.ini"; }

    static std::string makeFolder() {
        std::string pattern = "/tmp/quillon-bench-XXXXXX";
        const std::string dir = std::string(::mkdtemp(pattern.data())) + "/";
        std::filesystem::create_directories(dir + "kb");
        return dir;
    }
};

void SetUpListOf1000(benchmark::State& state) {
    BenchStore bench(1000);
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.store.setUpProfileList(bench.list));
    }
}
BENCHMARK(SetUpListOf1000)->Unit(benchmark::kMicrosecond);

// What set-up consists of: loading the index and reading the count and 1000 names.
void RawIndexReadOf1000(benchmark::State& state) {
    BenchStore bench(1000);
    for (auto _ : state) {
        const IniDocument index = IniDocument::load(bench.indexPath());
        const int count = index.readInt(bench.list.sections.count, "count");
        for (int i = 0; i < count; ++i) {
            benchmark::DoNotOptimize(index.read(bench.list.sections.name, std::to_string(i)));
        }
    }
}
BENCHMARK(RawIndexReadOf1000)->Unit(benchmark::kMicrosecond);

void SaveSelectedProfile(benchmark::State& state) {
    BenchStore bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        benchmark::DoNotOptimize(bench.store.saveSelectedProfile(bench.list));
    }
}
BENCHMARK(SaveSelectedProfile)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

// What a save consists of: reading the selection and name from the index ...
void RawIndexReadForSave(benchmark::State& state) {
    BenchStore bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const IniDocument index = IniDocument::load(bench.indexPath());
        benchmark::DoNotOptimize(
            index.read(bench.list.sections.name, index.read(bench.list.sections.select, "select")));
    }
}
BENCHMARK(RawIndexReadForSave)->Arg(1)->Arg(1000)->Unit(benchmark::kMicrosecond);

// ... and writing the 2486-byte file: atomically (temporary file, flush, rename) as the store
// does, and plainly for comparison.
void RawAtomicProfileWrite(benchmark::State& state) {
    BenchStore bench(1);
    const auto image = profileFileImage(1, std::vector<std::uint8_t>(2470, 7));
    for (auto _ : state) {
        benchmark::DoNotOptimize(replaceFileAtomically(bench.dir + "kb/x.config", image));
    }
}
BENCHMARK(RawAtomicProfileWrite)->Unit(benchmark::kMicrosecond);

void RawPlainProfileWrite(benchmark::State& state) {
    BenchStore bench(1);
    const auto image = profileFileImage(1, std::vector<std::uint8_t>(2470, 7));
    const std::string path = bench.dir + "kb/x.config";
    for (auto _ : state) {
        std::FILE* file = std::fopen(path.c_str(), "wb");
        std::fwrite(image.data(), 1, image.size(), file);
        std::fclose(file);
    }
}
BENCHMARK(RawPlainProfileWrite)->Unit(benchmark::kMicrosecond);

// What an application watcher's pass costs the interface thread when nothing changes: the index
// read afresh and searched for the program in front (none of the profiles is linked to it).
void ForegroundPassOf(benchmark::State& state) {
    BenchStore bench(static_cast<int>(state.range(0)));
    for (auto _ : state) {
        const ProfileIndex index = bench.store.readIndex(bench.list.device);
        benchmark::DoNotOptimize(positionForForeground(
            index, bench.list, static_cast<int>(state.range(0)), "/usr/games/racer"));
    }
}
BENCHMARK(ForegroundPassOf)->Arg(5)->Arg(1000)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon
