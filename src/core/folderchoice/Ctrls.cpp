#include "core/folderchoice/Ctrls.h"

#include <string_view>
#include <vector>

namespace tavelin::core::Ctrls {

namespace {

// Lines are cut in the file's bytes: CR and LF are single bytes in every system code page.
std::vector<std::string_view> SplitLines(std::string_view bytes) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') continue;
    lines.push_back(bytes.substr(start, i - start));
    if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

}  // namespace

bool LoadListFromFile(const std::u16string& fileName, ListControl& combo,
                      const platform::FileSystem& fileSystem) {
  if (!fileSystem.IsOrdinaryFile(fileName)) return false;
  const std::string bytes = fileSystem.ReadFile(fileName);
  for (std::string_view line : SplitLines(bytes)) {
    combo.AddItem(platform::FromSystemCodePage(line));
  }
  return true;
}

void SaveListToFile(const ListControl& listCtl, const std::u16string& fileName,
                    const platform::FileSystem& fileSystem) {
  std::string bytes;
  const int count = listCtl.ListCount();
  for (int i = 0; i < count; ++i) {
    const auto line = platform::ToSystemCodePage(listCtl.List(i));
    if (!line) continue;
    bytes += *line;
    bytes += "\r\n";
  }
  fileSystem.ReplaceFile(fileName, bytes);
}

int FindListItem(const std::u16string& itemText, const ListControl& combo) {
  const int count = combo.ListCount();
  for (int i = 0; i < count; ++i) {
    if (combo.List(i) == itemText) return i;
  }
  return -1;
}

}  // namespace tavelin::core::Ctrls
