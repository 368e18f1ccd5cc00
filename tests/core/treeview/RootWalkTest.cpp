// The walk from the POSIX root on the real file system: the root prints an empty name and every
// path derived from it carries a doubled separator, which the system resolves all the same.
#ifndef _WIN32

#include <gtest/gtest.h>
#include <sys/stat.h>

#include "fakes/FakeTreeView.h"
#include "platform/posix/NativeNames.h"

namespace tavelin::core {
namespace {

TEST(RootWalk, WalksTheRootWithADoubledSeparator) {
  fakes::RecordingTreeView tree(platform::NativeFileSystem());
  tree.window.Load();
  tree.ukvel.WalkFolder(tree.window, u"/", 10, 29);

  const auto names = tree.window.surface.Of(fakes::DrawCall::kPrint);
  ASSERT_GE(names.size(), 2u);
  EXPECT_EQ(names[0].text, u"");
  // The first sub-folder walked is one of the root's own, named by its last component.
  struct stat info {};
  EXPECT_EQ(::stat(("/" + platform::ToNativeName(names[1].text)).c_str(), &info), 0);
  EXPECT_TRUE(S_ISDIR(info.st_mode));

  int listed = 0;
  for (int n = 1; n <= tree.layout.FolderCount && n < kFileListCount; ++n) {
    if (!tree.window.List(n).visible) continue;
    const std::u16string& folder = tree.layout.FolderPaths[static_cast<std::size_t>(n)];
    ASSERT_EQ(folder.substr(0, 2), u"//") << n;
    // A listed file is reached through the doubled separator.
    const std::string file = platform::ToNativeName(folder + tree.window.List(n).items.front());
    EXPECT_EQ(::lstat(file.c_str(), &info), 0) << file;
    ++listed;
  }
  EXPECT_GE(listed, 1);
}

}  // namespace
}  // namespace tavelin::core

#endif
