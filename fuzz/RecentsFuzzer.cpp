// Any bytes as Recents.txt: loading them into the sorted list and writing that list back must
// neither crash nor lose, add or change a line, and a file written once reads back as the very
// list it was written from.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "core/folderchoice/Ctrls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeViews.h"

namespace {

// The lines by the file's own rule, counted apart from the loader: CR LF, a lone CR and a lone
// LF each end a line, and a last line without an end still counts.
std::vector<std::string> LinesOf(std::string_view bytes) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n')
      lines.back() += bytes[i];
    else if (bytes[i] == '\n' || !bytes.substr(i + 1).starts_with('\n'))
      lines.emplace_back();
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

// What went wrong with the round trip of `bytes`, or the empty text when nothing did.
std::string ViolationOf(std::string_view bytes) {
  constexpr auto kFile = u"Recents.txt";
  tavelin::fakes::FakeFileSystem fileSystem;
  fileSystem.SetFile(kFile, std::string(bytes));
  std::vector<std::u16string> loaded[2];
  std::string written[2];
  for (int pass = 0; pass < 2; ++pass) {
    tavelin::fakes::FakeList list;
    list.sorted = true;
    tavelin::core::Ctrls::LoadListFromFile(kFile, list, fileSystem);
    tavelin::core::Ctrls::SaveListToFile(list, kFile, fileSystem);
    loaded[pass] = list.items;
    written[pass] = fileSystem.Files().at(kFile);
  }
  std::vector<std::string> original = LinesOf(bytes), back = LinesOf(written[0]);
  if (loaded[0].size() != original.size()) return "an item for each line";
  if (loaded[1] != loaded[0]) return "the written file reads back as the same list";
  if (written[1] != written[0]) return "writing the same list twice gives the same bytes";
  if (!written[0].empty() && !written[0].ends_with("\r\n")) return "every line ends in CR LF";
  std::ranges::sort(original);
  std::ranges::sort(back);
  if (back != original) return "every line is written back byte for byte";
  return {};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string violation =
      ViolationOf(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!violation.empty()) {
    std::fprintf(stderr, "Recents round trip broken: %s\n", violation.c_str());
    std::abort();
  }
  return 0;
}
