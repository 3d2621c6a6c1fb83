// How long loading the default skin takes, in its steps and whole: the LZH decode and archive
// read, the description parse, and LoadSkin (both of those plus building every element record and
// derived image). Prints the fastest and the median of many runs.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "SkinLoader.h"
#include "SkinRead.h"
#include "WinSkinData.h"
#include "WinSkinIni.h"

namespace {

constexpr int Runs = 200;

void Report(const char* what, const std::function<void()>& run) {
  run();  // the first run makes what is made once (classes, caches)
  std::vector<double> ms;
  for (int i = 0; i < Runs; ++i) {
    const auto start = std::chrono::steady_clock::now();
    run();
    ms.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(ms.begin(), ms.end());
  std::printf("%-44s fastest %7.3f ms   median %7.3f ms   (%d runs)\n", what, ms.front(), ms[ms.size() / 2], Runs);
}

}  // namespace

int main() {
  std::ifstream in(TOLVANE_DEFAULT_SKIN_FILE, std::ios::binary);
  const std::vector<std::uint8_t> packed{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (packed.empty()) {
    std::fprintf(stderr, "cannot read %s\n", TOLVANE_DEFAULT_SKIN_FILE);
    return 1;
  }
  std::printf("default skin: %zu bytes packed\n", packed.size());

  Report("decode and read the archive", [&] {
    TSkinReader reader;
    reader.LoadFromStream(packed);
  });
  TSkinReader reader;
  reader.LoadFromStream(packed);
  std::vector<std::uint8_t> description;
  std::string name;
  reader.FindMember(".ini", description, name);
  Report("parse the description", [&] {
    TQuickIni ini;
    ini.LoadFromStream(description);
  });
  TSkinData data(nullptr);
  data.SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  Report("LoadSkin (decode, parse, build)", [&] { data.LoadSkin(); });
  Report("TSkinData made, loaded and freed", [] {
    TSkinData skin(nullptr);
    skin.SetSkinFile(TOLVANE_DEFAULT_SKIN_FILE);
  });
  return data.Loading ? 1 : 0;
}
