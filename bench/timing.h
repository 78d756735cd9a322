#pragma once
// Wall-clock medians of repeated runs, for the benchmark programs.
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace morvane::bench {

inline double Now() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return static_cast<double>(count.QuadPart) / static_cast<double>(frequency.QuadPart);
}

inline double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

struct Medians {
  double first, second;
};

// The median times of `runs` runs each of two pieces of work, taken in turn, so that both
// meet the same state of the machine.
inline Medians AlternatingMedians(int runs, const std::function<void()>& first,
                                  const std::function<void()>& second) {
  std::vector<double> a, b;
  for (int i = 0; i < runs; ++i) {
    double start = Now();
    first();
    a.push_back(Now() - start);
    start = Now();
    second();
    b.push_back(Now() - start);
  }
  return {Median(a), Median(b)};
}

}  // namespace morvane::bench
