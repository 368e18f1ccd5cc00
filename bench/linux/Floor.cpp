#include "Floor.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

namespace tavelin::bench {

namespace {

// No validation: the floor only has to turn the bytes of well-formed names into UTF-16.
std::u16string ToUtf16(const char* name, std::size_t length) {
  std::u16string text(length, u'\0');
  std::size_t out = 0;
  for (std::size_t i = 0; i < length;) {
    const auto lead = static_cast<unsigned char>(name[i]);
    if (lead < 0x80) {
      text[out++] = lead;
      ++i;
      continue;
    }
    const std::size_t size = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : 2;
    char32_t c = lead & (0x7F >> size);
    for (std::size_t k = 1; k < size && i + k < length; ++k)
      c = (c << 6) | (static_cast<unsigned char>(name[i + k]) & 0x3F);
    i += size;
    if (c >= 0x10000) {
      text[out++] = static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
      text[out++] = static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      text[out++] = static_cast<char16_t>(c);
    }
  }
  text.resize(out);
  return text;
}

void ReadFolder(const std::string& path, FloorListing& listing) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ++listing.folders;
  std::vector<std::u16string>& files = listing.files.emplace_back();
  std::vector<std::string> subFolders;
  alignas(dirent64) std::array<char, 32768> buffer;
  for (;;) {
    const ssize_t read = ::getdents64(fd, buffer.data(), buffer.size());
    if (read <= 0) break;
    for (ssize_t at = 0; at < read;) {
      const auto* entry = reinterpret_cast<const dirent64*>(buffer.data() + at);
      at += entry->d_reclen;
      const char* name = entry->d_name;
      if (name[0] == '.') continue;
      bool isDirectory = entry->d_type == DT_DIR;
      if (entry->d_type == DT_UNKNOWN || entry->d_type == DT_LNK) {
        struct stat status {};
        if (::fstatat(fd, name, &status, 0) != 0) continue;
        isDirectory = S_ISDIR(status.st_mode);
      }
      if (isDirectory) {
        subFolders.emplace_back(name);
      } else {
        files.push_back(ToUtf16(name, std::char_traits<char>::length(name)));
      }
    }
  }
  ::close(fd);
  for (const std::string& sub : subFolders)
    ReadFolder(path + '/' + sub, listing);
}

}  // namespace

FloorListing ReadFloor(const std::string& root) {
  FloorListing listing;
  ReadFolder(root, listing);
  return listing;
}

}  // namespace tavelin::bench
