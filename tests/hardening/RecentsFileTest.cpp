// Recents.txt as anything may have left it: the seeds of the fuzzer and hand-made oddities go
// through the fuzzer's round-trip check, and the chooser neither fails nor overwrites what it
// could not read.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

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
using platform::testing::RawNames;
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
      "\n\r\n\r\r\n",
      "/" + std::string(1 << 20, 'm') + "\r\n/a",
  };
  for (const auto& seed : std::filesystem::directory_iterator(TAVELIN_RECENTS_CORPUS))
    inputs.push_back(ReadBytes(seed.path()));
  EXPECT_GE(inputs.size(), 5u + 9u);
  for (const std::string& bytes : inputs) {
    const RoundTrip trip = RunRoundTrip(bytes);
    EXPECT_EQ(ViolationOf(bytes, trip), "") << bytes.substr(0, 80);
    EXPECT_EQ(trip.loaded.size(), fuzz::LinesOf(bytes).size());
  }
  // The megabyte line is one item, whole.
  EXPECT_EQ(RunRoundTrip(inputs[4]).loaded.back().size(), (1u << 20) + 1);
}

// The chooser on the real file system, loaded and closed in `folder` with one folder added.
void LoadAddAndClose(const std::string& folder, int expectLoaded) {
  const ScopedWorkingDirectory inside(folder);
  fakes::FakeTreeView tree;
  fakes::FakeChooser view{platform::NativeFileSystem()};
  core::FPrvSD form{view, platform::NativeFileSystem(), tree.launcher, tree.ukvel, tree.fkvel};
  form.Form_Load();
  EXPECT_EQ(view.recents.ListCount(), expectLoaded);
  view.recents.AddItem(u"/home/anna");
  form.Form_Unload();
}

TEST(RecentsFile, AFolderOrAnUnreadableFileIsNeitherReadNorReplaced) {
  TempFolder temp;
  ASSERT_EQ(::mkdir((temp / "Recents.txt").c_str(), 0755), 0);
  WriteBytes(temp / "Recents.txt/inside", "x");
  LoadAddAndClose(temp.path(), 0);
  EXPECT_EQ(ReadBytes(temp / "Recents.txt/inside"), "x");
  EXPECT_EQ(RawNames(temp.path()).size(), 3u);  // ".", "..", the folder

  TempFolder other;
  WriteBytes(other / "Recents.txt", "/srv\r\n", 0200);
  if (::access((other / "Recents.txt").c_str(), R_OK) == 0)
    GTEST_SKIP() << "permissions do not bind";
  LoadAddAndClose(other.path(), 0);
  EXPECT_EQ(PermissionBits(other / "Recents.txt"), 0200u);
  ::chmod((other / "Recents.txt").c_str(), 0600);
  EXPECT_EQ(ReadBytes(other / "Recents.txt"), "/srv\r\n");
}

TEST(RecentsFile, ALinkIsWrittenThroughAndStaysALink) {
  TempFolder temp;
  ASSERT_EQ(::mkdir((temp / "config").c_str(), 0755), 0);
  WriteBytes(temp / "config/recents", "/srv\r\n", 0640);
  ASSERT_EQ(::symlink("config/recents", (temp / "Recents.txt").c_str()), 0);
  LoadAddAndClose(temp.path(), 1);
  EXPECT_TRUE(std::filesystem::is_symlink(temp / "Recents.txt"));
  EXPECT_EQ(ReadBytes(temp / "config/recents"), "/home/anna\r\n/srv\r\n");
  EXPECT_EQ(PermissionBits(temp / "config/recents"), 0640u);
  EXPECT_EQ(RawNames(temp / "config").size(), 3u);  // no temporary left
}

}  // namespace
}  // namespace tavelin::hardening
