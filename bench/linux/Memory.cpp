#include <fstream>
#include <stdexcept>

#include "Memory.h"

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

MemoryNow ReadMemoryNow() {
  return {StatusBytes("VmHWM"), StatusBytes("VmRSS")};
}

}  // namespace tavelin::bench
