// One clock for the bench and the programs it starts, the same in every process of the machine.
#pragma once

#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <time.h>
#endif

namespace tavelin::bench {

inline std::int64_t MonotonicNs() {
#ifdef _WIN32
  LARGE_INTEGER now{}, frequency{};
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  // Whole seconds and the rest apart: the product of the count and 10^9 would overflow.
  const std::int64_t seconds = now.QuadPart / frequency.QuadPart;
  const std::int64_t rest = now.QuadPart % frequency.QuadPart;
  return seconds * 1'000'000'000 + rest * 1'000'000'000 / frequency.QuadPart;
#else
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
#endif
}

}  // namespace tavelin::bench
