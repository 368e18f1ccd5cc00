#include <gtest/gtest.h>

#include <string>
#include <thread>

#include "platform/TestFolders.h"
#include "platform/windows/Win32.h"

namespace tavelin::platform {
namespace {

constexpr int kMissingFile = ERROR_FILE_NOT_FOUND, kMissingFolder = ERROR_PATH_NOT_FOUND,
              kReadFolder = ERROR_ACCESS_DENIED, kReplaceFolder = ERROR_ACCESS_DENIED;

}  // namespace
}  // namespace tavelin::platform

#include "platform/FileContentTest.h"

namespace tavelin::platform {
namespace {

using testing::Attributes;

// The attributes that say what a file is; the archive bit only says that it changed.
constexpr DWORD kKind = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;

// A new file is marked changed, a replaced one stays hidden; one held for a moment (a virus
// scanner) is waited for; one held longer, or read-only, stays as it was, nothing left beside it.
TEST(ReplaceFile, KeepsWhatTheFileIsWaitsForAHeldOneAndKeepsTheOldFileOnFailure) {
  testing::TempFolder temp;
  const std::wstring target = temp / L"Recents.txt";
  const std::u16string path = testing::Utf16(target);
  const FileSystem& fs = NativeFileSystem();
  fs.ReplaceFile(path, "C:\\Dades\r\n");
  EXPECT_EQ(Attributes(target) & (kKind | FILE_ATTRIBUTE_ARCHIVE), FILE_ATTRIBUTE_ARCHIVE);
  testing::SetMarks(target, FILE_ATTRIBUTE_HIDDEN);

  for (const int heldFor : {300, 1500}) {
    const HANDLE held =
        ::CreateFileW(target.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::thread release([&] {
      ::Sleep(static_cast<DWORD>(heldFor));
      ::CloseHandle(held);
    });
    const std::string bytes = heldFor == 300 ? "C:\\Vell\r\n" : AllByteValues(10000);
    const int code = ErrorCodeOf([&] { fs.ReplaceFile(path, bytes); });
    release.join();
    EXPECT_EQ(code == 0, heldFor == 300) << heldFor << ": " << code;
  }
  EXPECT_EQ(Attributes(target) & (kKind | FILE_ATTRIBUTE_ARCHIVE),
            FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE);
  EXPECT_EQ(fs.ReadFile(path), "C:\\Vell\r\n");
  testing::SetMarks(target, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(path, "nou"); }), ERROR_ACCESS_DENIED);
  EXPECT_EQ(fs.ReadFile(path), "C:\\Vell\r\n");  // a read-only file reads
  EXPECT_EQ(Attributes(target) & kKind, FILE_ATTRIBUTE_READONLY);
  EXPECT_EQ(testing::RawNames(temp.path()).size(), 3u);
}

}  // namespace
}  // namespace tavelin::platform
