#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/windows/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

using testing::Attributes;
using testing::MakeFolder;
using testing::RawNames;
using testing::ReadBytes;
using testing::TempFolder;
using testing::Utf16;
using testing::WriteBytes;
using namespace std::string_literals;

std::string AllByteValues(std::size_t size) {
  std::string bytes(size, '\0');
  for (std::size_t i = 0; i < size; ++i)
    bytes[i] = static_cast<char>((i * 7 + i / 256) % 256);
  return bytes;
}

int ErrorCodeOf(const std::function<void()>& call) {
  try {
    call();
  } catch (const SystemError& error) {
    return error.code();
  }
  return 0;
}

// The attributes that say what a file is; the archive bit only says that it changed.
constexpr DWORD kKind = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

TEST(ReadFile, GivesTheExactBytes) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::string big = AllByteValues(300000);
  WriteBytes(temp / L"big", big);
  WriteBytes(temp / L"empty", "");
  WriteBytes(temp / L"Recents.txt", "C:\\a\r\n\0\xFF\r"s, FILE_ATTRIBUTE_READONLY);

  EXPECT_EQ(fs.ReadFile(Utf16(temp / L"big")), big);
  EXPECT_EQ(fs.ReadFile(Utf16(temp / L"empty")), "");
  EXPECT_EQ(fs.ReadFile(Utf16(temp / L"Recents.txt")), "C:\\a\r\n\0\xFF\r"s);

  EXPECT_EQ(ErrorCodeOf([&] { fs.ReadFile(Utf16(temp / L"missing")); }), ERROR_FILE_NOT_FOUND);
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReadFile(Utf16(temp / L"none\\missing")); }),
            ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReadFile(Utf16(temp.path())); }), ERROR_ACCESS_DENIED);
}

TEST(ReplaceFile, WritesTheExactBytesAndKeepsWhatTheFileIs) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::wstring target = temp / L"Recents.txt";
  const testing::ScopedWorkingDirectory inside(temp.path());  // a bare name is found there

  fs.ReplaceFile(u"Recents.txt", "C:\\Dades\r\n");
  EXPECT_EQ(ReadBytes(target), "C:\\Dades\r\n");
  EXPECT_EQ(Attributes(target) & (kKind | FILE_ATTRIBUTE_ARCHIVE), FILE_ATTRIBUTE_ARCHIVE);

  testing::SetAttributes(target, FILE_ATTRIBUTE_HIDDEN);
  const std::string big = AllByteValues(3000001);
  fs.ReplaceFile(Utf16(target), big);
  EXPECT_EQ(ReadBytes(target), big);
  EXPECT_EQ(Attributes(target) & (kKind | FILE_ATTRIBUTE_ARCHIVE),
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);

  testing::SetAttributes(target, FILE_ATTRIBUTE_NORMAL);
  fs.ReplaceFile(u"Recents.txt", "");
  EXPECT_EQ(ReadBytes(target), "");
  EXPECT_EQ(RawNames(temp.path()), (std::vector<std::wstring>{L".", L"..", L"Recents.txt"}));
}

TEST(ReplaceFile, AFailureLeavesTheOldFileAsItWas) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::wstring target = temp / L"Recents.txt";
  const std::string old = "C:\\Vell\r\n";
  WriteBytes(target, old);

  // Another program holds the file open without letting it be replaced.
  const HANDLE held = ::CreateFileW(target.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                    OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(held, INVALID_HANDLE_VALUE);
  const int heldCode = ErrorCodeOf([&] { fs.ReplaceFile(Utf16(target), AllByteValues(10000)); });
  ::CloseHandle(held);
  EXPECT_TRUE(heldCode == ERROR_SHARING_VIOLATION || heldCode == ERROR_ACCESS_DENIED) << heldCode;
  EXPECT_EQ(ReadBytes(target), old);

  testing::SetAttributes(target, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(Utf16(target), "nou"); }), ERROR_ACCESS_DENIED);
  EXPECT_EQ(ReadBytes(target), old);
  EXPECT_EQ(Attributes(target) & kKind, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(RawNames(temp.path()), (std::vector<std::wstring>{L".", L"..", L"Recents.txt"}));
}

TEST(ReplaceFile, RefusesAFolderAndAMissingFolder) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  MakeFolder(temp / L"Recents.txt");
  WriteBytes(temp / L"Recents.txt\\dins", "x");

  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(Utf16(temp / L"Recents.txt"), "nou"); }),
            ERROR_ACCESS_DENIED);
  EXPECT_EQ(ReadBytes(temp / L"Recents.txt\\dins"), "x");
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(Utf16(temp / L"cap\\Recents.txt"), "nou"); }),
            ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(RawNames(temp.path()), (std::vector<std::wstring>{L".", L"..", L"Recents.txt"}));
}

TEST(WorkingDirectory, IsTheSystemsCurrentDirectory) {
  TempFolder temp;
  const std::wstring folder = temp / L"Feina de l'Àngel";
  MakeFolder(folder);
  const testing::ScopedWorkingDirectory inside(folder);
  EXPECT_EQ(WorkingDirectory(), Utf16(folder));
}

}  // namespace
}  // namespace tavelin::platform
