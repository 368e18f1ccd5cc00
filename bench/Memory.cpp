#include "Memory.h"

#include <QApplication>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "Spawn.h"
#include "TreePass.h"

namespace tavelin::bench {

namespace {

// A line of /proc/self/status, such as "VmHWM:    1234 kB", in bytes.
std::int64_t StatusBytes(const std::string& key) {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.compare(0, key.size() + 1, key + ':') == 0) {
      return std::stoll(line.substr(key.size() + 1)) * 1024;
    }
  }
  throw std::runtime_error("no " + key + " in /proc/self/status");
}

}  // namespace

int RunMemoryProbe(const std::string& folder, int passes) {
  int argc = 1;
  char name[] = "tavelin_bench";
  char* argv[] = {name, nullptr};
  QApplication app(argc, argv);
  TreePass pass;
  MemoryFigures figures;
  figures.peakBefore = StatusBytes("VmHWM");
  pass.Run(folder);
  figures.peakAfter = StatusBytes("VmHWM");
  figures.residentWarm = StatusBytes("VmRSS");
  figures.listedFiles = static_cast<std::int64_t>(pass.ListedFiles());
  for (int i = 2; i <= passes; ++i) {
    pass.Run(folder);
    if (i == kWarmPasses) figures.residentWarm = StatusBytes("VmRSS");
  }
  figures.residentLast = StatusBytes("VmRSS");
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
