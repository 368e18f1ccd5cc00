#include "Trees.h"

#include <fcntl.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace tavelin::bench {

namespace {

[[noreturn]] void Fail(const std::string& what) {
  throw std::system_error(errno, std::generic_category(), what);
}

void MakeFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0755) != 0) Fail("mkdir " + path);
}

// Names as a user's files might have them: longer than a string's inline buffer.
void MakeFiles(const std::string& folder, int count) {
  char name[32];
  for (int i = 0; i < count; ++i) {
    std::snprintf(name, sizeof name, "/fitxer-%06d.txt", i);
    const std::string path = folder + name;
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
    if (fd < 0) Fail("create " + path);
    ::close(fd);
  }
}

// The root has 7 sub-folders, each of those 2, and each of those 2 again: 1 + 7 + 14 + 28 = 50
// folders on four levels, each with `files` files.
void MakeTreeA(const std::string& root, int files) {
  MakeFolder(root);
  MakeFiles(root, files);
  for (int i = 1; i <= 7; ++i) {
    const std::string second = root + "/carpeta-" + std::to_string(i);
    MakeFolder(second);
    MakeFiles(second, files);
    for (int j = 1; j <= 2; ++j) {
      const std::string third = second + "/subcarpeta-" + std::to_string(j);
      MakeFolder(third);
      MakeFiles(third, files);
      for (int k = 1; k <= 2; ++k) {
        const std::string fourth = third + "/fons-" + std::to_string(k);
        MakeFolder(fourth);
        MakeFiles(fourth, files);
      }
    }
  }
}

void MakeTreeB(const std::string& root, int files) {
  MakeFolder(root);
  MakeFiles(root, files);
}

// 50 folders under the root with 99 sub-folders each: 50 + 4,950 = 5,000 folders of 3 files.
// The walk reads the root, the first folder and 48 of its sub-folders.
void MakeTreeC(const std::string& root) {
  MakeFolder(root);
  char name[32];
  for (int i = 0; i < 50; ++i) {
    std::snprintf(name, sizeof name, "/carpeta-%02d", i);
    const std::string folder = root + name;
    MakeFolder(folder);
    MakeFiles(folder, 3);
    for (int j = 0; j < 99; ++j) {
      std::snprintf(name, sizeof name, "/sub-%02d", j);
      MakeFolder(folder + name);
      MakeFiles(folder + name, 3);
    }
  }
}

}  // namespace

TreeSet::TreeSet() {
  std::string top = (std::filesystem::temp_directory_path() / "tavelin-bench-XXXXXX").string();
  if (::mkdtemp(top.data()) == nullptr) Fail("mkdtemp " + top);
  top_ = top;
  try {
    empty_ = top_ + '/' + kEmptyFolder;
    MakeFolder(empty_);
    trees_ = TreesIn(top_, '/');
    MakeTreeA(trees_[0].root, 2000);
    MakeTreeA(trees_[0].twin, 5);
    MakeTreeB(trees_[1].root, 200000);
    MakeTreeB(trees_[1].twin, 5);
    MakeTreeC(trees_[2].root);
  } catch (...) {
    std::error_code ignored;
    std::filesystem::remove_all(top_, ignored);
    throw;
  }
}

TreeSet::~TreeSet() {
  std::error_code ignored;
  std::filesystem::remove_all(top_, ignored);
}

}  // namespace tavelin::bench
