#include "Bench.h"

#include <cstdio>

#include "Figures.h"
#include "Floor.h"
#include "Memory.h"
#include "Spawn.h"

namespace tavelin::bench {

namespace {

constexpr int kRuns = 7;
constexpr int kRepeatedPasses = 200;

struct TreeTimes {
  std::vector<double> floor, tavelin, reads, window, other;
  std::size_t floorFiles = 0, listedFiles = 0;
  int foldersRead = 0;
};

double TimeFloor(const std::string& root, TreeTimes& times) {
  const std::int64_t start = MonotonicNs();
  const FloorListing listing = ReadFloor(root);
  const std::int64_t end = MonotonicNs();
  times.floorFiles = 0;
  for (const auto& files : listing.files)
    times.floorFiles += files.size();
  return Milliseconds(end - start);
}

// A first round unmeasured, so that every measured run finds the same caches and windows.
TreeTimes TimeTree(const BenchSetup& setup, const BenchTree& tree, DisplayPass& pass) {
  TreeTimes times;
  for (int run = -1; run < kRuns; ++run) {
    const double floor = TimeFloor(tree.root, times);
    const double tavelin = Milliseconds(pass.Run(tree.root));
    const double reads = Milliseconds(pass.ReadNs());
    const double window = tree.twin.empty() ? 0 : Milliseconds(pass.Run(tree.twin));
    const double other = setup.runOther ? setup.runOther(tree.root) : 0;
    if (run < 0) continue;
    times.floor.push_back(floor);
    times.tavelin.push_back(tavelin);
    times.reads.push_back(reads);
    times.window.push_back(window);
    times.other.push_back(other);
  }
  pass.Run(tree.root);
  times.listedFiles = pass.ListedFiles();
  times.foldersRead = pass.FoldersRead();
  return times;
}

const char* Verdict(bool met) {
  return met ? "met" : "NOT MET";
}

void PrintTreeHeader(const BenchSetup& setup) {
  std::printf("%-41s %7s %7s %8s %8s %8s %8s", "", "listed", "read", "floor", "tavelin", "(reads)",
              "(window)");
  if (setup.runOther) std::printf(" %8s", setup.otherName.c_str());
  std::printf(" %7s%s\n", "tav/fl", setup.runOther ? "  oth/fl" : "");
}

// A and B: the whole pass against the floor. C: the walk reads 50 of the 5,001 folders, so
// what counts is the time its reads take against reading them all.
bool PrintTree(const BenchSetup& setup, const BenchTree& tree, const TreeTimes& times) {
  const bool partial = tree.name == "C";
  const double ratio = Median(Ratios(times.tavelin, times.floor));
  const double readRatio = Median(Ratios(times.reads, times.floor));
  char window[16] = "-";
  if (!tree.twin.empty()) std::snprintf(window, sizeof window, "%.2f", Median(times.window));
  std::printf("%s  %-38s %7zu %7zu %8.2f %8.2f %8.2f %8s", tree.name.c_str(),
              tree.description.c_str(), times.listedFiles, times.floorFiles, Median(times.floor),
              Median(times.tavelin), Median(times.reads), window);
  if (setup.runOther) std::printf(" %8.2f", Median(times.other));
  std::printf(" %7.3f", ratio);
  if (setup.runOther) std::printf(" %7.2f", Median(Ratios(times.other, times.floor)));
  std::printf("\n");
  const bool met = partial ? readRatio <= 0.02 : ratio <= 1.3;
  if (partial) {
    std::printf("   the walk read %d folders; its reads / floor %.4f  ≤ 0.02: %s\n",
                times.foldersRead, readRatio, Verdict(met));
  } else {
    std::printf("   tavelin / floor %.3f  ≤ 1.30: %s\n", ratio, Verdict(met));
  }
  return met;
}

bool PrintStart(const BenchSetup& setup, const std::string& folder) {
  std::vector<double> minimal, tavelin;
  for (int run = -1; run < kRuns; ++run) {
    const double m = Milliseconds(TimeToFirstPaint(setup.startMinimal, folder));
    const double t = Milliseconds(TimeToFirstPaint(setup.startTavelin, folder));
    if (run < 0) continue;
    minimal.push_back(m);
    tavelin.push_back(t);
  }
  const double ratio = Median(Ratios(tavelin, minimal));
  std::printf("\nstart, from the process's start to the first paint of the first window\n");
  std::printf("   %s %8.2f ms   tavelin %8.2f ms   tavelin/minimal %5.2f   ≤ 1.30: %s\n",
              setup.minimalName.c_str(), Median(minimal), Median(tavelin), ratio,
              Verdict(ratio <= 1.3));
  return ratio <= 1.3;
}

double MiB(std::int64_t bytes) {
  return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

// What the files cost is what a pass on the tree holds beyond a pass on its twin, which draws
// the same folders in a window of the same size with 5 files a folder.
bool PrintMemory(const BenchSetup& setup, const BenchTree& tree, int passes) {
  const MemoryFigures full = MeasureMemory(setup.self, tree.root, passes);
  const MemoryFigures twin = MeasureMemory(setup.self, tree.twin, 1);
  const auto held = [](const MemoryFigures& m) { return m.peakAfter - m.peakBefore; };
  const double perFile = static_cast<double>(held(full) - held(twin)) /
                         static_cast<double>(full.listedFiles - twin.listedFiles);
  const bool small = perFile <= 100;
  std::printf(
      "%-2s peak %6.1f → %6.1f MiB (twin → %6.1f), %6.1f bytes per listed file  "
      "≤ 100: %s\n",
      tree.name.c_str(), MiB(full.peakBefore), MiB(full.peakAfter), MiB(twin.peakAfter), perFile,
      Verdict(small));
  if (passes <= kWarmPasses) return small;
  // A leak of one folder's names a pass would add megabytes over these passes; allocator slack
  // stays well under 128 KiB.
  const std::int64_t growth = full.residentLast - full.residentWarm;
  const bool flat = growth <= 128 * 1024;
  std::printf(
      "   resident after pass %d %6.1f MiB, after pass %d %6.1f MiB: %+.0f KiB, "
      "≤ 128 KiB: %s\n",
      kWarmPasses, MiB(full.residentWarm), passes, MiB(full.residentLast),
      static_cast<double>(growth) / 1024.0, flat ? "no growth" : "GROWS");
  return small && flat;
}

}  // namespace

bool RunBench(const BenchSetup& setup, const std::vector<BenchTree>& trees,
              const std::string& emptyFolder) {
  std::printf(
      "medians of %d runs, each ratio formed within one run, warm caches; times in ms;\n"
      "(reads) is the part of tavelin's pass spent reading folders, (window) a pass on the\n"
      "same folders with 5 files each: the window without the files\n\n",
      kRuns);
  bool met = true;
  {
    const std::unique_ptr<DisplayPass> pass = setup.makePass();
    PrintTreeHeader(setup);
    for (const BenchTree& tree : trees) {
      met = PrintTree(setup, tree, TimeTree(setup, tree, *pass)) && met;
      // A row at a time: a tree can take a minute.
      std::fflush(stdout);
    }
  }
  met = PrintStart(setup, emptyFolder) && met;
  std::printf("\nmemory, each tree in a fresh process\n");
  met = PrintMemory(setup, trees[0], kRepeatedPasses) && met;
  met = PrintMemory(setup, trees[1], 1) && met;
  std::printf("\n%s\n", met ? "Every target met." : "Some targets NOT met.");
  return met;
}

}  // namespace tavelin::bench
