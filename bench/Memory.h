// The memory a display pass leaves the program holding, measured in a process of its own so
// that nothing else the bench did counts.
#pragma once

#include <cstdint>
#include <string>

#include "DisplayPass.h"

namespace tavelin::bench {

// Bytes of resident memory (the working set, on Windows).
struct MemoryFigures {
  std::int64_t peakBefore = 0;    // peak, the tree window loaded and not yet shown
  std::int64_t peakAfter = 0;     // peak once the first pass has painted
  std::int64_t residentWarm = 0;  // after the first passes, once the toolkit's caches have filled
  std::int64_t residentLast = 0;  // after the last pass
  std::int64_t listedFiles = 0;
};

// Passes after which the toolkit's caches have filled: from then on, memory that still grows is
// a leak.
inline constexpr int kWarmPasses = 100;

// This process's peak and present resident memory, as its system counts them.
struct MemoryNow {
  std::int64_t peak = 0;
  std::int64_t resident = 0;
};
MemoryNow ReadMemoryNow();

// In the measuring process: runs `passes` display passes on `folder` and writes the figures on
// the output.
int RunMemoryProbe(DisplayPass& pass, const std::string& folder, int passes);

// Starts `bench` (this program) as the measuring process.
MemoryFigures MeasureMemory(const std::string& bench, const std::string& folder, int passes);

}  // namespace tavelin::bench
