// What loading the recent-folders file and writing it back must keep, as one check that the
// fuzzer and the ordinary tests share: every line comes back byte for byte, and a file written
// once reads back as the very list it was written from.
#pragma once

#include <algorithm>
#include <string>
#include <string_view>
#include <vector>

#include "core/folderchoice/Ctrls.h"
#include "fakes/FakeFileSystem.h"
#include "fakes/FakeViews.h"

namespace tavelin::fuzz {

// The lines of a recents file by the file's own rule, counted apart from the loader: CR LF, a
// lone CR and a lone LF each end a line, and a last line without an end still counts.
inline std::vector<std::string> LinesOf(std::string_view bytes) {
  std::vector<std::string> lines(1);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes[i] != '\r' && bytes[i] != '\n') {
      lines.back() += bytes[i];
      continue;
    }
    if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    lines.emplace_back();
  }
  if (lines.back().empty()) lines.pop_back();
  return lines;
}

struct RoundTrip {
  std::vector<std::u16string> loaded;    // the sorted list the file gave
  std::string written;                   // that list written back
  std::vector<std::u16string> reloaded;  // the sorted list the written file gave
  std::string rewritten;                 // and that one written back again
};

inline RoundTrip RunRoundTrip(std::string_view bytes) {
  constexpr auto kFile = u"Recents.txt";
  fakes::FakeFileSystem fileSystem;
  fileSystem.SetFile(kFile, std::string(bytes));
  RoundTrip trip;
  for (auto [items, file] :
       {std::pair{&trip.loaded, &trip.written}, {&trip.reloaded, &trip.rewritten}}) {
    fakes::FakeList list;
    list.sorted = true;
    core::Ctrls::LoadListFromFile(kFile, list, fileSystem);
    core::Ctrls::SaveListToFile(list, kFile, fileSystem);
    *items = list.items;
    *file = fileSystem.Files().at(kFile);
  }
  return trip;
}

// What went wrong with the round trip of `bytes`, or the empty text when nothing did.
inline std::string ViolationOf(std::string_view bytes, const RoundTrip& trip) {
  std::vector<std::string> original = LinesOf(bytes);
  if (trip.loaded.size() != original.size()) return "an item for each line";
  if (trip.reloaded != trip.loaded) return "the written file reads back as the same list";
  if (trip.rewritten != trip.written) return "writing the same list twice gives the same bytes";
  if (!trip.written.empty() && !trip.written.ends_with("\r\n")) {
    return "every written line ends in CR LF";
  }
  std::vector<std::string> back = LinesOf(trip.written);
  if (back.size() != trip.loaded.size()) return "a written line for each item";
  std::ranges::sort(original);
  std::ranges::sort(back);
  if (back != original) return "every line is written back byte for byte";
  return {};
}

}  // namespace tavelin::fuzz
