// The machine the figures were measured on, as the table names it.
#pragma once

#include <fstream>
#include <string>
#include <thread>

namespace tavelin::bench {

inline std::string FirstValue(const std::string& file, const std::string& key) {
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (line.compare(0, key.size(), key) != 0) continue;
    const auto colon = line.find(':');
    if (colon == std::string::npos) continue;
    const auto start = line.find_first_not_of(" \t", colon + 1);
    return start == std::string::npos ? std::string() : line.substr(start);
  }
  return "unknown";
}

inline std::string MachineDescription() {
  const std::string memory = FirstValue("/proc/meminfo", "MemTotal");
  const double gib = std::stod(memory) / (1024.0 * 1024.0);
  return std::to_string(std::thread::hardware_concurrency()) + " × " +
         FirstValue("/proc/cpuinfo", "model name") + ", " + std::to_string(gib).substr(0, 4) +
         " GiB RAM";
}

}  // namespace tavelin::bench
