#include "Memory.h"

#include <cstdio>
#include <sstream>
#include <stdexcept>

#include "Spawn.h"

namespace tavelin::bench {

int RunMemoryProbe(DisplayPass& pass, const std::string& folder, int passes) {
  MemoryFigures figures;
  figures.peakBefore = ReadMemoryNow().peak;
  pass.Run(folder);
  const MemoryNow first = ReadMemoryNow();
  figures.peakAfter = first.peak;
  figures.residentWarm = first.resident;
  figures.listedFiles = static_cast<std::int64_t>(pass.ListedFiles());
  for (int i = 2; i <= passes; ++i) {
    pass.Run(folder);
    if (i == kWarmPasses) figures.residentWarm = ReadMemoryNow().resident;
  }
  figures.residentLast = ReadMemoryNow().resident;
  std::printf(
      "%lld %lld %lld %lld %lld\n", static_cast<long long>(figures.peakBefore),
      static_cast<long long>(figures.peakAfter), static_cast<long long>(figures.residentWarm),
      static_cast<long long>(figures.residentLast), static_cast<long long>(figures.listedFiles));
  return 0;
}

MemoryFigures MeasureMemory(const std::string& bench, const std::string& folder, int passes) {
  std::istringstream output(OutputOf({bench, "--memory", folder, std::to_string(passes)}));
  MemoryFigures figures;
  if (!(output >> figures.peakBefore >> figures.peakAfter >> figures.residentWarm >>
        figures.residentLast >> figures.listedFiles)) {
    throw std::runtime_error("the memory probe gave no figures");
  }
  return figures;
}

}  // namespace tavelin::bench
