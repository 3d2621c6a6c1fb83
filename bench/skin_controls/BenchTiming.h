// Timing for the painter benchmarks: run a step n times, print median and 95th percentile.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace bench {

inline double NowUs() {
  LARGE_INTEGER f, c;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&c);
  return static_cast<double>(c.QuadPart) * 1e6 / static_cast<double>(f.QuadPart);
}

// `width`: the column the label fills, so that one program's lines line up.
inline void Report(const char* what, std::vector<double> us, int width = 48) {
  if (us.empty()) return;
  std::sort(us.begin(), us.end());
  const double p95 = us[std::min(us.size() - 1, us.size() * 95 / 100)];
  std::printf("%-*s median %8.1f us  p95 %8.1f us  (n=%zu)\n", width, what, us[us.size() / 2], p95, us.size());
}

inline std::vector<double> Time(int n, const std::function<void()>& step) {
  std::vector<double> us;
  us.reserve(static_cast<size_t>(n));
  for (int i = 0; i < n; ++i) {
    const double t0 = NowUs();
    step();
    us.push_back(NowUs() - t0);
  }
  return us;
}

}  // namespace bench
