// Decoding speed of the skin stream: MB/s of unpacked output for each LZH test stream, by the skin
// reader and by the plain reference decoder side by side, and the time to load the default skin.
// Figures are the best of five rounds; both decoders must reproduce the original bytes first.
// Run: build/bench/bin/bench_skin_decode [STREAM...]   (names limit the run to those streams)
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <vector>

#include "LzhReferenceDecoder.h"
#include "SkinRead.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;
constexpr double kRoundSeconds = 0.2;  // long enough to make timer resolution and scheduling small

std::vector<std::uint8_t> ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) throw std::runtime_error("cannot open " + path);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Seconds per call of work, over enough calls to fill one round.
template <typename Work>
double SecondsPerCall(Work&& work) {
  long calls = 1;
  for (;;) {
    const auto start = Clock::now();
    for (long i = 0; i < calls; ++i) work();
    const double seconds = std::chrono::duration<double>(Clock::now() - start).count();
    if (seconds >= kRoundSeconds) return seconds / static_cast<double>(calls);
    calls = seconds <= 0 ? calls * 10 : std::max(calls + 1, static_cast<long>(calls * 1.2 * kRoundSeconds / seconds));
  }
}

struct Figures {
  double ours = 1e300;
  double reference = 1e300;
};

// Both decoders must give the original bytes, or the figures mean nothing.
bool CheckStream(const std::string& name, const std::vector<std::uint8_t>& packed,
                 const std::vector<std::uint8_t>& original) {
  std::vector<std::uint8_t> ours;
  TSkinReader::Decompress(packed, ours);
  std::vector<std::uint8_t> reference(original.size() + 64);
  reference.resize(ReferenceLzhDecode(packed, reference.data()));
  if (ours != original || reference != original) {
    std::fprintf(stderr, "%s: %s output differs from the original\n", name.c_str(),
                 ours != original ? "skin reader" : "reference decoder");
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string dir = TOLVANE_LZHUF_TESTDATA;
  std::vector<std::string> names(argv + 1, argv + argc);
  if (names.empty()) names = {"english", "gbk_article", "gradient_pixels", "long_run", "small_alphabet"};
  std::printf("%-16s %10s %10s %12s %8s\n", "stream", "bytes", "ours MB/s", "reference", "ratio");
  int failures = 0;
  for (const std::string& name : names) {
    const auto packed = ReadFile(dir + "/" + name + ".lzh");
    const auto original = ReadFile(dir + "/" + name + ".bin");
    if (!CheckStream(name, packed, original)) {
      ++failures;
      continue;
    }
    std::vector<std::uint8_t> ours;
    std::vector<std::uint8_t> reference(original.size() + 64);
    Figures best;
    for (int round = 0; round < kRounds; ++round) {
      // Both decoders live in other translation units and write memory: no call can be optimised away.
      best.ours = std::min(best.ours, SecondsPerCall([&] { TSkinReader::Decompress(packed, ours); }));
      best.reference = std::min(best.reference, SecondsPerCall([&] { ReferenceLzhDecode(packed, reference.data()); }));
    }
    const double megabytes = static_cast<double>(original.size()) / 1e6;
    std::printf("%-16s %10zu %10.1f %12.1f %7.2fx\n", name.c_str(), original.size(), megabytes / best.ours,
                megabytes / best.reference, best.reference / best.ours);
  }

  if (argc > 1) return failures == 0 ? 0 : 1;
  const auto skin = ReadFile(TOLVANE_DEFAULT_SKIN_FILE);
  double bestLoad = 1e300;
  for (int round = 0; round < kRounds; ++round) {
    bestLoad = std::min(bestLoad, SecondsPerCall([&] {
      TSkinReader reader([](const std::string&) {});
      if (!reader.LoadFromStream(skin)) throw std::runtime_error("default skin refused");
    }));
  }
  std::printf("default skin load: %.3f ms (%zu packed bytes)\n", bestLoad * 1e3, skin.size());
  return failures == 0 ? 0 : 1;
}
