// The walk over real trees that hold what a disk may hold: names no one would type, links that
// lead in circles or nowhere, folders that may not be read, paths near the system's limit.
// Every pass ends and draws what it could read.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <map>
#include <string>
#include <vector>

#include "WalkRig.h"
#include "platform/posix/NativeNames.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {
namespace {

using platform::FromNativeName;
using platform::NativeFileSystem;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using Names = std::vector<std::u16string>;

Names Sorted(Names names) {
  std::sort(names.begin(), names.end());
  return names;
}

// Whether the permission bits bind this user: they do not bind root.
bool PermissionsBind(const std::string& scratch) {
  WriteBytes(scratch, "", 0);
  const bool bind = ::access(scratch.c_str(), R_OK) != 0;
  ::unlink(scratch.c_str());
  return bind;
}

TEST(OddTree, HostileNamesAreDrawnListedAndLeadBackToTheirFiles) {
  TempFolder temp;
  const std::string root = temp / "arbre";
  ASSERT_EQ(::mkdir(root.c_str(), 0755), 0);
  const std::vector<std::string> files = {"a b.txt",
                                          "it's \"quoted\"",
                                          "x; touch pwned",
                                          "$(touch pwned)",
                                          "`touch pwned`",
                                          "line\nbreak",
                                          "-rf",
                                          "--help",
                                          std::string(255, 'n'),
                                          "\xff\xfe no UTF-8 \xe0.txt",
                                          "tab\there \\ back"};
  const std::vector<std::string> folders = {"; rm -rf ~", "dir\nnewline", "-d",
                                            std::string(255, 'd'), "carpeta \xc0\xaf"};
  // Each file holds its own path, so reaching it can be told from reaching another.
  for (const std::string& name : files)
    WriteBytes(root + '/' + name, root + '/' + name);
  for (const std::string& name : folders) {
    ASSERT_EQ(::mkdir((root + '/' + name).c_str(), 0755), 0) << name;
    WriteBytes(root + '/' + name + "/f", root + '/' + name + "/f");
  }

  WalkRig rig(NativeFileSystem());
  rig.ukvel.ShowTree(FromNativeName(root));

  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_TRUE(rig.PassCompleted());
  EXPECT_EQ(rig.layout.FolderCount, 1 + static_cast<int>(folders.size()));
  EXPECT_EQ(rig.window.caption, FromNativeName(root));

  std::map<std::u16string, Names> expected;
  Names printed = {u"arbre"};
  for (const std::string& name : files)
    expected[FromNativeName(root + '/')].push_back(FromNativeName(name));
  for (const std::string& name : folders) {
    expected[FromNativeName(root + '/' + name + '/')] = {u"f"};
    printed.push_back(FromNativeName(name));
  }
  auto shown = rig.ShownLists();
  for (auto& [folder, names] : shown)
    names = Sorted(names);
  for (auto& [folder, names] : expected)
    names = Sorted(names);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(Sorted(rig.PrintedNames()), Sorted(printed));

  // The path an action builds, the folder's path and the entry run together, is that file.
  for (const auto& [folder, names] : shown) {
    for (const std::u16string& name : names) {
      const std::string path = platform::ToNativeName(folder + name);
      EXPECT_EQ(NativeFileSystem().ReadFile(folder + name), path);
    }
  }
}

TEST(OddTree, LinksInCirclesAreCutByTheFolderLimitAndBrokenOnesLeftOut) {
  TempFolder temp;
  const std::string root = temp / "cercle";
  ASSERT_EQ(::mkdir(root.c_str(), 0755), 0);
  ASSERT_EQ(::mkdir((root + "/sub").c_str(), 0755), 0);
  WriteBytes(root + "/file.txt", "x");
  WriteBytes(root + "/sub/f.txt", "x");
  ASSERT_EQ(::symlink(".", (root + "/self").c_str()), 0);
  ASSERT_EQ(::symlink("..", (root + "/sub/up").c_str()), 0);
  ASSERT_EQ(::symlink("b", (root + "/a").c_str()), 0);
  ASSERT_EQ(::symlink("a", (root + "/b").c_str()), 0);
  ASSERT_EQ(::symlink("nowhere", (root + "/broken").c_str()), 0);

  WalkRig rig(NativeFileSystem());
  rig.ukvel.ShowTree(FromNativeName(root));

  EXPECT_EQ(rig.messages.shown, Names{u"Màxim  50 subcarpetes"});
  EXPECT_EQ(rig.layout.FolderCount, 51);
  EXPECT_EQ(rig.BoxCount(), 50u);
  EXPECT_TRUE(rig.PassCompleted());
  // The links in a circle of their own and the broken one lead to nothing that can be listed.
  EXPECT_EQ(rig.window.lists[1].items, Names{u"file.txt"});
  for (const std::u16string& name : rig.PrintedNames()) {
    EXPECT_TRUE(name == u"cercle" || name == u"self" || name == u"sub" || name == u"up")
        << platform::ToNativeName(name);
  }
}

TEST(OddTree, FoldersThatMayNotBeReadAreDrawnEmpty) {
  TempFolder temp;
  if (!PermissionsBind(temp / "probe")) GTEST_SKIP() << "permissions do not bind this user";
  const std::string root = temp / "tancat";
  for (const char* folder : {"", "/no-read", "/no-search", "/open"}) {
    ASSERT_EQ(::mkdir((root + folder).c_str(), 0755), 0);
  }
  for (const char* file : {"/no-read/a.txt", "/no-search/b.txt", "/open/c.txt"})
    WriteBytes(root + file, "x");
  ASSERT_EQ(::mkdir((root + "/no-search/inner").c_str(), 0755), 0);
  ASSERT_EQ(::chmod((root + "/no-read").c_str(), 0311), 0);
  ASSERT_EQ(::chmod((root + "/no-search").c_str(), 0644), 0);

  WalkRig rig(NativeFileSystem());
  rig.ukvel.ShowTree(FromNativeName(root));
  ::chmod((root + "/no-read").c_str(), 0755);
  ::chmod((root + "/no-search").c_str(), 0755);

  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_TRUE(rig.PassCompleted());
  // A folder that cannot be listed, or whose entries cannot be looked at, shows no files;
  // its neighbours are walked as usual.
  const auto shown = rig.ShownLists();
  EXPECT_FALSE(shown.contains(FromNativeName(root + "/no-read/")));
  EXPECT_EQ(shown.at(FromNativeName(root + "/open/")), Names{u"c.txt"});
  // Without search permission the names are still read, but nothing inside can be reached.
  EXPECT_EQ(shown.at(FromNativeName(root + "/no-search/")), Names{u"b.txt"});
  EXPECT_EQ(Sorted(rig.PrintedNames()),
            Sorted({u"tancat", u"no-read", u"no-search", u"inner", u"open"}));
  EXPECT_EQ(rig.BoxCount(), 5u);
}

// Removes everything inside the folder open as `fd`, reached through descriptors only.
void Empty(int fd) {
  for (const std::string& name :
       platform::testing::RawNames("/proc/self/fd/" + std::to_string(fd))) {
    if (name == "." || name == ".." || ::unlinkat(fd, name.c_str(), 0) == 0) continue;
    const int inner = ::openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (inner >= 0) {
      Empty(inner);
      ::close(inner);
    }
    ::unlinkat(fd, name.c_str(), AT_REMOVEDIR);
  }
}

// A chain of folders built through descriptors, so that it may reach past the longest path
// the system takes; it is taken down the same way, from the bottom.
class DeepFolder {
 public:
  DeepFolder(const std::string& base, const std::vector<std::string>& chain) : path_(base) {
    fds_.push_back(::open(base.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    for (const std::string& name : chain) {
      if (::mkdirat(fds_.back(), name.c_str(), 0755) != 0) platform::testing::Fail("mkdirat");
      fds_.push_back(::openat(fds_.back(), name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
      names_.push_back(name);
      path_ += '/' + name;
    }
  }
  DeepFolder(const DeepFolder&) = delete;
  DeepFolder& operator=(const DeepFolder&) = delete;
  ~DeepFolder() {
    for (std::size_t i = names_.size(); i-- > 0;) {
      Empty(fds_[i + 1]);
      ::close(fds_[i + 1]);
      ::unlinkat(fds_[i], names_[i].c_str(), AT_REMOVEDIR);
    }
    ::close(fds_[0]);
  }

  const std::string& path() const { return path_; }
  int fd() const { return fds_.back(); }

 private:
  std::string path_;
  std::vector<int> fds_;
  std::vector<std::string> names_;
};

void WriteAt(int folder, const char* name) {
  const int fd = ::openat(folder, name, O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
  ASSERT_GE(fd, 0) << name;
  ::close(fd);
}

TEST(OddTree, APathOfFourThousandCharactersIsWalkedAsFarAsTheSystemReaches) {
  TempFolder temp;
  std::vector<std::string> chain;
  std::size_t length = temp.path().size();
  while (length < 4000) {
    chain.push_back(std::string(std::min<std::size_t>(200, 4000 - length - 1), 'p'));
    length += 1 + chain.back().size();
  }
  const DeepFolder deep(temp.path(), chain);
  ASSERT_EQ(deep.path().size(), 4000u);
  WriteAt(deep.fd(), "f.txt");
  ASSERT_EQ(::mkdirat(deep.fd(), "s", 0755), 0);
  WriteAt(deep.fd(), "s/g.txt");
  // Inside this one every path is longer than the system takes.
  const std::string tooFar(120, 'q');
  ASSERT_EQ(::mkdirat(deep.fd(), tooFar.c_str(), 0755), 0);
  WriteAt(deep.fd(), (tooFar + "/h.txt").c_str());

  WalkRig rig(NativeFileSystem());
  rig.ukvel.ShowTree(FromNativeName(deep.path()));

  EXPECT_TRUE(rig.messages.shown.empty());
  EXPECT_TRUE(rig.PassCompleted());
  EXPECT_EQ(rig.layout.FolderCount, 3);
  const std::u16string root = FromNativeName(deep.path() + '/');
  EXPECT_EQ(rig.ShownLists(),
            (std::map<std::u16string, Names>{{root, {u"f.txt"}}, {root + u"s/", {u"g.txt"}}}));
  EXPECT_EQ(Sorted(rig.PrintedNames()),
            Sorted({FromNativeName(chain.back()), u"s", FromNativeName(tooFar)}));
}

}  // namespace
}  // namespace tavelin::hardening
