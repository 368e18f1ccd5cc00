#include <windows.h>

#include <psapi.h>

#include <stdexcept>

#include "Memory.h"

namespace tavelin::bench {

MemoryNow ReadMemoryNow() {
  PROCESS_MEMORY_COUNTERS counters{};
  counters.cb = sizeof counters;
  if (!GetProcessMemoryInfo(GetCurrentProcess(), &counters, sizeof counters))
    throw std::runtime_error("GetProcessMemoryInfo failed");
  return {static_cast<std::int64_t>(counters.PeakWorkingSetSize),
          static_cast<std::int64_t>(counters.WorkingSetSize)};
}

}  // namespace tavelin::bench
