// Recents.txt as anything may have left it: the seeds of the fuzzer and hand-made oddities go
// through the same round-trip check, and the chooser neither fails nor overwrites what it could
// not read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "RecentsRoundTrip.h"
#include "core/folderchoice/FPrvSD.h"
#include "fakes/FakeChooser.h"
#include "fakes/FakeTreeView.h"
#include "platform/posix/TestFolders.h"

namespace tavelin::hardening {
namespace {

using fuzz::RoundTrip;
using fuzz::RunRoundTrip;
using fuzz::ViolationOf;
using platform::testing::PermissionBits;
using platform::testing::ReadBytes;
using platform::testing::ScopedWorkingDirectory;
using platform::testing::TempFolder;
using platform::testing::WriteBytes;
using namespace std::string_literals;

TEST(RecentsRoundTrip, EverySeedAndOddityComesBackLineForLine) {
  std::vector<std::string> inputs = {
      "a\0b\r\n\0\r\n\0"s,
      "/x\xff\xfe\r\n/\xed\xa0\x80\xc0\xaf\r\n/\xf4\x90\x80\x80\r\n/\xf0\x9f\x98\x80",
      "\r\r\r\r",
      "/" + std::string(1 << 20, 'm') + "\r\n/a",
      "\n\r\n\r\r\n",
  };
  std::size_t seeds = 0;
  for (const auto& seed : std::filesystem::directory_iterator(TAVELIN_RECENTS_CORPUS)) {
    inputs.push_back(ReadBytes(seed.path()));
    ++seeds;
  }
  EXPECT_GE(seeds, 9u);
  for (const std::string& bytes : inputs) {
    const RoundTrip trip = RunRoundTrip(bytes);
    EXPECT_EQ(ViolationOf(bytes, trip), "") << bytes.substr(0, 80);
    EXPECT_EQ(trip.loaded.size(), fuzz::LinesOf(bytes).size());
  }
  // The megabyte line is one item, whole.
  EXPECT_EQ(RunRoundTrip(inputs[3]).loaded.back().size(), (1u << 20) + 1);
}

TEST(RecentsRoundTrip, TheCheckCatchesEveryKindOfLoss) {
  const std::string bytes = "/b\r\n/a\r\n/c";
  const RoundTrip good = RunRoundTrip(bytes);
  ASSERT_EQ(good.written, "/a\r\n/b\r\n/c\r\n");
  ASSERT_EQ(ViolationOf(bytes, good), "");

  RoundTrip lost = good;
  lost.loaded.pop_back();
  EXPECT_EQ(ViolationOf(bytes, lost), "an item for each line");
  RoundTrip reread = good;
  reread.reloaded[0] = u"/A";
  EXPECT_EQ(ViolationOf(bytes, reread), "the written file reads back as the same list");
  RoundTrip unstable = good;
  unstable.rewritten += "\r\n";
  EXPECT_EQ(ViolationOf(bytes, unstable), "writing the same list twice gives the same bytes");
  RoundTrip unended = good;
  unended.written.pop_back();
  unended.rewritten = unended.written;
  EXPECT_EQ(ViolationOf(bytes, unended), "every written line ends in CR LF");
  RoundTrip split = good;
  split.written = "/a\r\n/b\r\n/\rc\r\n";
  split.rewritten = split.written;
  EXPECT_EQ(ViolationOf(bytes, split), "a written line for each item");
  RoundTrip changed = good;
  changed.written = "/a\r\n/B\r\n/c\r\n";
  changed.rewritten = changed.written;
  EXPECT_EQ(ViolationOf(bytes, changed), "every line is written back byte for byte");
}

// The chooser on the real file system, started and closed in `folder`.
struct Chooser {
  explicit Chooser(const std::string& folder) : inside(folder) {}

  ScopedWorkingDirectory inside;
  fakes::FakeTreeView tree;
  fakes::FakeChooser view{platform::NativeFileSystem()};
  core::FPrvSD form{view, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel};
};

TEST(RecentsFile, AFolderNamedRecentsTxtIsNeitherReadNorReplaced) {
  TempFolder temp;
  ASSERT_EQ(::mkdir((temp / "Recents.txt").c_str(), 0755), 0);
  WriteBytes(temp / "Recents.txt/inside", "x");
  Chooser chooser(temp.path());

  chooser.form.Form_Load();
  EXPECT_EQ(chooser.view.recents.ListCount(), 0);
  chooser.view.recents.AddItem(u"/home/anna");
  chooser.form.Form_Unload();

  EXPECT_TRUE(std::filesystem::is_directory(temp / "Recents.txt"));
  EXPECT_EQ(ReadBytes(temp / "Recents.txt/inside"), "x");
  EXPECT_EQ(platform::testing::RawNames(temp.path()).size(), 3u);  // ".", "..", the folder
}

TEST(RecentsFile, ALinkIsWrittenThroughAndStaysALink) {
  TempFolder temp;
  ASSERT_EQ(::mkdir((temp / "config").c_str(), 0755), 0);
  WriteBytes(temp / "config/recents", "/srv\r\n", 0640);
  ASSERT_EQ(::symlink("config/recents", (temp / "Recents.txt").c_str()), 0);
  Chooser chooser(temp.path());

  chooser.form.Form_Load();
  chooser.view.recents.AddItem(u"/home/anna");
  chooser.form.Form_Unload();

  struct stat status {};
  ASSERT_EQ(::lstat((temp / "Recents.txt").c_str(), &status), 0);
  EXPECT_TRUE(S_ISLNK(status.st_mode));
  EXPECT_EQ(ReadBytes(temp / "config/recents"), "/home/anna\r\n/srv\r\n");
  EXPECT_EQ(PermissionBits(temp / "config/recents"), 0640u);
  EXPECT_EQ(platform::testing::RawNames(temp / "config").size(), 3u);  // no temporary left
}

TEST(RecentsFile, AFileThatMayNotBeReadIsKeptAsItWas) {
  TempFolder temp;
  WriteBytes(temp / "Recents.txt", "/home/anna\r\n", 0200);
  if (::access((temp / "Recents.txt").c_str(), R_OK) == 0) {
    GTEST_SKIP() << "permissions do not bind this user";
  }
  Chooser chooser(temp.path());

  chooser.form.Form_Load();
  EXPECT_EQ(chooser.view.recents.ListCount(), 0);
  chooser.view.recents.AddItem(u"/srv");
  chooser.form.Form_Unload();

  EXPECT_EQ(PermissionBits(temp / "Recents.txt"), 0200u);
  ::chmod((temp / "Recents.txt").c_str(), 0600);
  EXPECT_EQ(ReadBytes(temp / "Recents.txt"), "/home/anna\r\n");
}

}  // namespace
}  // namespace tavelin::hardening
