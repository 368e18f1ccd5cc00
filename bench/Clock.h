// One clock for the bench and the programs it starts: the system's monotonic one.
#pragma once

#include <time.h>

#include <cstdint>

namespace tavelin::bench {

inline std::int64_t MonotonicNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return std::int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace tavelin::bench
