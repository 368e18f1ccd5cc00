#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>

#include <cerrno>
#include <optional>
#include <string>

#include "platform/TestFolders.h"

namespace tavelin::platform {
namespace {

constexpr int kMissingFile = ENOENT, kMissingFolder = ENOENT, kReadFolder = EISDIR,
              kReplaceFolder = EISDIR;

}  // namespace
}  // namespace tavelin::platform

#include "platform/FileContentTest.h"

namespace tavelin::platform {
namespace {

using namespace testing;

// A new file gets what the umask leaves, a replaced one keeps its bits; a failure keeps it whole.
TEST(ReplaceFile, KeepsPermissionsAndTheOldFileOnFailure) {
  TempFolder temp;
  const std::string target = temp / "Recents.txt";
  const std::u16string path = Utf16(target);
  const mode_t previousMask = ::umask(027);
  NativeFileSystem().ReplaceFile(path, "C:\\Dades\r\n");
  ::umask(previousMask);
  EXPECT_EQ(PermissionBits(target), 0640u);

  WriteBytes(target, "C:\\Vell\r\n", 0604);
  NativeFileSystem().ReplaceFile(path, "C:\\Nou\r\n");
  EXPECT_EQ(PermissionBits(target), 0604u);
  // Files may not grow beyond 4096 bytes for a while: writing further fails with EFBIG.
  rlimit previous{}, limit{};
  ::getrlimit(RLIMIT_FSIZE, &previous);
  limit = {4096, previous.rlim_max};
  const sighandler_t previousSignal = ::signal(SIGXFSZ, SIG_IGN);
  ::setrlimit(RLIMIT_FSIZE, &limit);
  const int code = ErrorCodeOf([&] { NativeFileSystem().ReplaceFile(path, AllByteValues(10000)); });
  ::setrlimit(RLIMIT_FSIZE, &previous);
  ::signal(SIGXFSZ, previousSignal);
  EXPECT_EQ(code, EFBIG);
  EXPECT_EQ(ReadBytes(target), "C:\\Nou\r\n");
  EXPECT_EQ(PermissionBits(target), 0604u);
  EXPECT_EQ(RawNames(temp.path()).size(), 3u);
}

TEST(WorkingDirectory, ReadsALongNonUtf8FolderBack) {
  TempFolder temp;
  // Deeper than the first guess at the buffer size, with a name that is no UTF-8.
  std::string deep = temp.path();
  for (char level = 'a'; level < 'g'; ++level)
    MakeFolder(deep += "/carpeta-\xE9-" + std::string(60, level));
  const ScopedWorkingDirectory inside(deep);
  char real[4096];
  ASSERT_NE(::getcwd(real, sizeof real), nullptr);
  const std::u16string folder = WorkingDirectory();
  EXPECT_EQ(ToNativeName(folder), real);
  EXPECT_EQ(folder.substr(folder.size() - 71), u"/carpeta-\xDCE9-" + std::u16string(60, u'f'));
}

// A text file holds UTF-8 and the byte escapes; a lone surrogate has no bytes and is refused.
TEST(SystemCodePage, WritesExactlyWhatItCanReadBack) {
  EXPECT_EQ(ToSystemCodePage(u"/home/mar\u00e7al/\xD83D\xDE00"),
            "/home/mar\xC3\xA7"
            "al/\xF0\x9F\x98\x80");
  EXPECT_EQ(ToSystemCodePage(u"/tmp/caf\xDCE9"), "/tmp/caf\xE9");
  EXPECT_EQ(ToSystemCodePage(u""), "");
  EXPECT_EQ(FromSystemCodePage("/tmp/caf\xE9\r\n"), u"/tmp/caf\xDCE9\r\n");
  for (const std::u16string text :
       {u"a\xD800", u"\xD83Dz", u"\xDE00\xD83D", u"\xDC7F", u"\xDD00", u"x\xDFFFy"}) {
    EXPECT_EQ(ToSystemCodePage(text), std::nullopt) << static_cast<int>(text[1]);
  }
  // A name still reaches the system, where it matches nothing that was read from it.
  EXPECT_EQ(ToNativeName(u"a\xD800z"), "a\xED\xA0\x80z");
}

}  // namespace
}  // namespace tavelin::platform
