// The file-content tests that hold for both systems, over the real file system. The including
// file provides the codes its system gives: kMissingFile, kMissingFolder, kReadFolder and
// kReplaceFolder.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "platform/Platform.h"
#include "platform/TestFolders.h"

namespace tavelin::platform {
namespace {

using namespace std::string_literals;
using testing::ErrorCodeOf;

// Bytes of every value, longer than any single read or write the system is likely to do at once.
inline std::string AllByteValues(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  return bytes;
}

TEST(ReadFile, GivesTheExactBytesOrTheSystemsError) {
  testing::TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  for (const std::string& bytes : {AllByteValues(300000), ""s, "C:\\a\r\n\0\xFF\r"s}) {
    testing::WriteBytes(temp / "file", bytes);
    EXPECT_EQ(fs.ReadFile(testing::Utf16(temp / "file")), bytes);
  }
  for (const auto& [path, code] : {std::pair{temp / "missing", kMissingFile},
                                   {temp / "none/missing", kMissingFolder},
                                   {temp.path(), kReadFolder}}) {
    EXPECT_EQ(ErrorCodeOf([&] { fs.ReadFile(testing::Utf16(path)); }), code);
  }
}

// Through a bare name in the working directory or a full path, with nothing left beside it.
TEST(ReplaceFile, WritesTheExactBytes) {
  testing::TempFolder temp;
  const testing::ScopedWorkingDirectory inside(temp.path());
  EXPECT_EQ(WorkingDirectory(), testing::Utf16(temp.path()));
  const FileSystem& fs = NativeFileSystem();
  const std::u16string bare = u"Recents.txt", full = testing::Utf16(temp / "Recents.txt");
  for (const auto& [path, bytes] :
       {std::pair{bare, "C:\\Dades\r\n"s}, {full, AllByteValues(3000001)}, {bare, ""s}}) {
    fs.ReplaceFile(path, bytes);
    EXPECT_EQ(testing::ReadBytes(temp / "Recents.txt"), bytes);
  }
  EXPECT_EQ(testing::RawNames(temp.path()).size(), 3u);  // ".", ".." and the file
}

TEST(ReplaceFile, RefusesAFolderAndAMissingFolder) {
  testing::TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  testing::MakeFolder(temp / "Recents.txt");
  testing::WriteBytes(temp / "Recents.txt/inside", "x");
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(testing::Utf16(temp / "Recents.txt"), "new"); }),
            kReplaceFolder);
  EXPECT_EQ(testing::ReadBytes(temp / "Recents.txt/inside"), "x");
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(testing::Utf16(temp / "none/Recents.txt"), "new"); }),
            kMissingFolder);
  EXPECT_EQ(testing::RawNames(temp.path()).size(), 3u);
}

}  // namespace
}  // namespace tavelin::platform
