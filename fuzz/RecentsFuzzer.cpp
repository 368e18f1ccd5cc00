// Any bytes as Recents.txt: loading them into the sorted list and writing that list back must
// neither crash nor lose, add or change a line.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "RecentsRoundTrip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string violation =
      tavelin::fuzz::ViolationOf(bytes, tavelin::fuzz::RunRoundTrip(bytes));
  if (!violation.empty()) {
    std::fprintf(stderr, "Recents round trip broken: %s\n", violation.c_str());
    std::abort();
  }
  return 0;
}
