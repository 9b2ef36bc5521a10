// Costs of the private-profile store on an index file of the size a long profile list makes.
#include <benchmark/benchmark.h>
#include <stdlib.h>

#include <filesystem>
#include <string>

#include "platform/IniFile.h"

namespace quillon {
namespace {

constexpr int kEntries = 1000;

// A temporary index file listing kEntries profiles, shaped like the ones the program keeps.
class IndexFile {
  public:
    IndexFile() {
        char pattern[] = "/tmp/qlb-XXXXXX";
        folder_ = ::mkdtemp(pattern) != nullptr ? pattern : "/tmp";
        path_ = folder_ + "/msProfile.ini";
        IniDocument doc;
        doc.write("PROFILECOUNT", "count", std::to_string(kEntries));
        doc.write("PROFILESELECT", "select", "0");
        for (int i = 0; i < kEntries; ++i) {
            doc.write("PROFILENAME", std::to_string(i), "profile" + std::to_string(i + 1));
        }
        for (int i = 0; i < kEntries; ++i) {
            doc.write("PROFILELIKEEXE", std::to_string(i), "0");
            doc.write("PROCESS", std::to_string(i), " ");
        }
        doc.save(path_);
    }
    ~IndexFile() {
        std::error_code ignored;
        std::filesystem::remove_all(folder_, ignored);
    }
    const std::string& path() const { return path_; }

  private:
    std::string folder_;
    std::string path_;
};

void IniFileReadOneKey(benchmark::State& state) {
    const IndexFile index;
    const IniFile file(index.path());
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.read("PROFILENAME", std::to_string(kEntries - 1)));
    }
}
BENCHMARK(IniFileReadOneKey)->Unit(benchmark::kMicrosecond);

void IniDocumentLoadAndRead1000Keys(benchmark::State& state) {
    const IndexFile index;
    for (auto _ : state) {
        const IniDocument doc = IniDocument::load(index.path());
        for (int i = 0; i < kEntries; ++i) {
            benchmark::DoNotOptimize(doc.read("PROFILENAME", std::to_string(i)));
        }
    }
}
BENCHMARK(IniDocumentLoadAndRead1000Keys)->Unit(benchmark::kMicrosecond);

void IniFileWriteOneKey(benchmark::State& state) {
    const IndexFile index;
    const IniFile file(index.path());
    int select = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(file.writeInt("PROFILESELECT", "select", ++select % kEntries));
    }
}
BENCHMARK(IniFileWriteOneKey)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillon
