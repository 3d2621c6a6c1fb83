// Decode time of the default skin (LZH layer and archive), and MB/s of unpacked output for each
// LZH test stream. Run: build/native/bin/bench_skin_decode
#include <benchmark/benchmark.h>

#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "SkinRead.h"

namespace {

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void DefaultSkinLoad(benchmark::State& state) {
  const auto packed = ReadFile(TOLVANE_DEFAULT_SKIN_FILE);
  for (auto _ : state) {
    TSkinReader reader([](const std::string&) {});
    if (!reader.LoadFromStream(packed)) state.SkipWithError("default skin refused");
    benchmark::DoNotOptimize(reader.MemberBytes().data());
  }
  state.counters["packed_bytes"] = static_cast<double>(packed.size());
}
BENCHMARK(DefaultSkinLoad)->Unit(benchmark::kMillisecond);

void Stream(benchmark::State& state, const std::string& name) {
  const auto packed = ReadFile(std::string(TOLVANE_LZHUF_TESTDATA) + "/" + name + ".lzh");
  std::vector<std::uint8_t> out;
  for (auto _ : state) {
    TSkinReader::Decompress(packed, out);
    benchmark::DoNotOptimize(out.data());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(out.size()));
}

const int Registered = [] {
  for (const char* name : {"english", "gbk_article", "gradient_pixels", "long_run", "small_alphabet"})
    benchmark::RegisterBenchmark(("LzhStream/" + std::string(name)).c_str(), Stream, std::string(name))
        ->Unit(benchmark::kMillisecond);
  return 0;
}();

}  // namespace

BENCHMARK_MAIN();
