// The bench's runs and its table, the same for both programs: each front end's main hands in
// its display pass, its start probes and its trees.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "DisplayPass.h"
#include "Trees.h"

namespace tavelin::bench {

struct BenchSetup {
  // This program, started again to measure memory in a process of its own.
  std::string self;
  // The program itself and the minimal one, each built to end at its first paint.
  std::string startTavelin;
  std::string startMinimal;
  std::string minimalName;  // "minimal Qt program"
  // Another tool timed on each tree beside the program, when there is one: its column's name
  // and a run of it on a tree's root, in milliseconds.
  std::string otherName;
  std::function<double(const std::string&)> runOther;
  std::function<std::unique_ptr<DisplayPass>()> makePass;
};

// Prints the table; true when every target is met.
bool RunBench(const BenchSetup& setup, const std::vector<BenchTree>& trees,
              const std::string& emptyFolder);

}  // namespace tavelin::bench
