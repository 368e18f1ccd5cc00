#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <algorithm>
#include <cerrno>
#include <functional>
#include <string>
#include <vector>

#include "platform/Platform.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::platform {
namespace {

using testing::PermissionBits;
using testing::RawNames;
using testing::ReadBytes;
using testing::ScopedWorkingDirectory;
using testing::TempFolder;
using testing::WriteBytes;
using namespace std::string_literals;

// Bytes of every value, longer than any single read or write the system is likely to do at once.
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

std::vector<std::string> Sorted(std::vector<std::string> names) {
  std::sort(names.begin(), names.end());
  return names;
}

TEST(ReadFile, GivesTheExactBytes) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::string big = AllByteValues(300000);
  WriteBytes(temp / "big", big);
  WriteBytes(temp / "empty", "");
  WriteBytes(temp / "Recents.txt", "C:\\a\r\n\0\xFF\r"s);

  EXPECT_EQ(fs.ReadFile(FromNativeName(temp / "big")), big);
  EXPECT_EQ(fs.ReadFile(FromNativeName(temp / "empty")), "");
  EXPECT_EQ(fs.ReadFile(FromNativeName(temp / "Recents.txt")), "C:\\a\r\n\0\xFF\r"s);

  EXPECT_EQ(ErrorCodeOf([&] { fs.ReadFile(FromNativeName(temp / "missing")); }), ENOENT);
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReadFile(FromNativeName(temp.path())); }), EISDIR);
}

TEST(ReplaceFile, WritesTheExactBytesAndKeepsPermissions) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::string target = temp / "Recents.txt";
  const ScopedWorkingDirectory inside(temp.path());  // the bare name lies in the working directory
  const mode_t previousMask = ::umask(027);

  fs.ReplaceFile(u"Recents.txt", "C:\\Dades\r\n");
  EXPECT_EQ(ReadBytes(target), "C:\\Dades\r\n");
  EXPECT_EQ(PermissionBits(target), 0640u);

  ASSERT_EQ(::chmod(target.c_str(), 0604), 0);
  const std::string big = AllByteValues(200001);
  fs.ReplaceFile(FromNativeName(target), big);
  EXPECT_EQ(ReadBytes(target), big);
  EXPECT_EQ(PermissionBits(target), 0604u);

  fs.ReplaceFile(u"Recents.txt", "");
  EXPECT_EQ(ReadBytes(target), "");
  ::umask(previousMask);
  EXPECT_EQ(Sorted(RawNames(temp.path())), (std::vector<std::string>{".", "..", "Recents.txt"}));
}

// Files may not grow beyond `bytes` while it lives; writing further fails with EFBIG.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t bytes) {
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    previousSignal_ = ::signal(SIGXFSZ, SIG_IGN);
    rlimit limit = previous_;
    limit.rlim_cur = bytes;
    ::setrlimit(RLIMIT_FSIZE, &limit);
  }
  ~FileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    ::signal(SIGXFSZ, previousSignal_);
  }

 private:
  rlimit previous_{};
  sighandler_t previousSignal_;
};

TEST(ReplaceFile, AFailureLeavesTheOldFileAsItWas) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  const std::string target = temp / "Recents.txt";
  const std::string old = "C:\\Vell\r\n";
  WriteBytes(target, old, 0640);

  int code = 0;
  {
    const FileSizeLimit limit(4096);
    code = ErrorCodeOf([&] { fs.ReplaceFile(FromNativeName(target), AllByteValues(10000)); });
  }
  EXPECT_EQ(code, EFBIG);
  EXPECT_EQ(ReadBytes(target), old);
  EXPECT_EQ(PermissionBits(target), 0640u);
  EXPECT_EQ(Sorted(RawNames(temp.path())), (std::vector<std::string>{".", "..", "Recents.txt"}));
}

TEST(ReplaceFile, RefusesAFolderAndAMissingFolder) {
  TempFolder temp;
  const FileSystem& fs = NativeFileSystem();
  ASSERT_EQ(::mkdir((temp / "Recents.txt").c_str(), 0755), 0);
  WriteBytes(temp / "Recents.txt/inside", "x");

  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(FromNativeName(temp / "Recents.txt"), "new"); }),
            EISDIR);
  EXPECT_EQ(ReadBytes(temp / "Recents.txt/inside"), "x");
  EXPECT_EQ(ErrorCodeOf([&] { fs.ReplaceFile(FromNativeName(temp / "none/Recents.txt"), "new"); }),
            ENOENT);
  EXPECT_EQ(Sorted(RawNames(temp.path())), (std::vector<std::string>{".", "..", "Recents.txt"}));
}

}  // namespace
}  // namespace tavelin::platform
