// A millisecond clock, medians and percentiles, and one line per figure.
#include "bench/BenchFigures.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace qiv::bench {
namespace {

double CounterFrequency() {
  static const double frequency = [] {
    LARGE_INTEGER f;
    ::QueryPerformanceFrequency(&f);
    return static_cast<double>(f.QuadPart);
  }();
  return frequency;
}

}  // namespace

double TicksToMs(long long ticks) { return 1000.0 * static_cast<double>(ticks) / CounterFrequency(); }

double Now() {
  LARGE_INTEGER counter;
  ::QueryPerformanceCounter(&counter);
  return TicksToMs(counter.QuadPart);
}

double Median(std::vector<double> values) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

double Percentile(std::vector<double> values, double share) {
  if (values.empty()) return 0.0;
  std::sort(values.begin(), values.end());
  const auto rank = static_cast<std::size_t>(std::ceil(share * static_cast<double>(values.size())));
  return values[std::min(values.size() - 1, rank > 0 ? rank - 1 : 0)];
}

void Print(const std::string& name, double value, const char* unit) {
  std::printf("%s %.1f %s\n", name.c_str(), value, unit);
  std::fflush(stdout);
}

void PrintFlag(const std::string& name) {
  std::printf("%s 1 flag\n", name.c_str());
  std::fflush(stdout);
}

}  // namespace qiv::bench
