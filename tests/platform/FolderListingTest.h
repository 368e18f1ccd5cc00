// The folder-listing tests that hold for both systems, over the real file system.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "platform/Platform.h"
#include "platform/TestFolders.h"

namespace tavelin::platform {
namespace {

using Listing = std::vector<std::pair<std::u16string, bool>>;

constexpr char16_t kSeparator = testing::kSeparator;

// Makes an entry of `folder` that the system hides, and gives its name: hidden by its attribute
// on Windows, by a leading dot elsewhere.
testing::Path Hide(const testing::Path& folder, std::u16string_view name, bool isFolder) {
#ifdef _WIN32
  const testing::Path hidden = testing::Native(name);
  const testing::Marks marks = FILE_ATTRIBUTE_HIDDEN;
#else
  const testing::Path hidden = '.' + testing::Native(name);
  const testing::Marks marks = isFolder ? testing::kFolderMarks : testing::kFileMarks;
#endif
  const testing::Path path = folder + testing::kSeparator + hidden;
  isFolder ? testing::MakeFolder(path, marks) : testing::WriteBytes(path, "x", marks);
  return hidden;
}

Listing ListingOf(const testing::Path& folder) {
  Listing listed;
  NativeFileSystem().EnumerateFolder(testing::Utf16(folder) + kSeparator, [&](FolderEntry&& entry) {
    listed.emplace_back(entry.name, entry.isDirectory);
  });
  return listed;
}

// What the listing must show, each name with whether it is a folder, in the system's order.
Listing Expected(const testing::Path& folder, std::map<std::u16string, bool> visible) {
  visible.insert({{u".", true}, {u"..", true}});
  Listing expected;
  for (const testing::Path& raw : testing::RawNames(folder))
    if (const auto name = testing::Utf16(raw); visible.contains(name))
      expected.emplace_back(name, visible.at(name));
  EXPECT_EQ(expected.size(), visible.size());
  return expected;
}

// Hidden entries are left out, even far below MAX_PATH; what a hidden folder holds is listed, and
// read and written like any other file. Nothing is listed of what is no folder.
TEST(ListFolder, GivesVisibleEntriesInTheSystemsOrderAtAnyDepth) {
  using testing::Native;
  testing::TempFolder temp;
  // A path below `temp`, with '/' standing for the separator.
  const auto at = [&](std::u16string name) {
    std::replace(name.begin(), name.end(), u'/', kSeparator);
    return temp / Native(name);
  };
  std::u16string deep = u"carpeta";
  for (char16_t level = u'0'; level < u'6'; ++level) {
    testing::MakeFolder(at(deep));
    deep += u'/' + std::u16string{level} + u'-' + std::u16string(50, u'à');
  }
  testing::MakeFolder(at(deep));
  ASSERT_GT(at(deep).size(), 260u);
  for (const std::u16string& name : {deep + u"/al fons.txt", std::u16string(u"b.txt"),
                                     std::u16string(u"Pressupost 2024 à l'obra.txt")})
    testing::WriteBytes(at(name), "profund\r\n");
  const std::u16string hiddenFolder = testing::Utf16(Hide(temp.path(), u"amagada", true));
  const std::u16string hiddenFile = testing::Utf16(Hide(temp.path(), u"amagat.txt", false));
  testing::WriteBytes(at(hiddenFolder + u"/dins.txt"), "x");

  EXPECT_EQ(
      ListingOf(temp.path()),
      Expected(temp.path(),
               {{u"carpeta", true}, {u"b.txt", false}, {u"Pressupost 2024 à l'obra.txt", false}}));
  EXPECT_EQ(ListingOf(at(hiddenFolder)), Expected(at(hiddenFolder), {{u"dins.txt", false}}));
  EXPECT_EQ(ListingOf(at(deep)), Expected(at(deep), {{u"al fons.txt", false}}));
  const FileSystem& fs = NativeFileSystem();
  const std::u16string deepFile = testing::Utf16(at(deep + u"/al fons.txt"));
  EXPECT_EQ(fs.ReadFile(deepFile), "profund\r\n");
  fs.ReplaceFile(deepFile, "nou\r\n");
  EXPECT_EQ(testing::ReadBytes(at(deep + u"/al fons.txt")), "nou\r\n");
  for (const char16_t* none : {u"no hi és", u"b.txt", u"no hi és/ni aquesta"})
    EXPECT_TRUE(ListingOf(at(none)).empty());

  // Each path: whether it is a folder, whether an ordinary file.
  const std::pair<std::u16string, std::pair<bool, bool>> kinds[] = {
      {testing::Utf16(at(u"carpeta")), {true, false}},
      {testing::Utf16(at(u"carpeta")) + kSeparator, {true, false}},
      {testing::Utf16(at(hiddenFolder)), {true, false}},
      {kSeparator == u'/' ? u"/" : u"C:\\", {true, false}},
      {testing::Utf16(at(u"b.txt")), {false, true}},
      {testing::Utf16(at(hiddenFolder + u"/dins.txt")), {false, true}},
      {deepFile, {false, true}},
      {testing::Utf16(at(hiddenFile)), {false, false}},
      {testing::Utf16(at(u"no hi és")), {false, false}}};
  for (const auto& [path, kind] : kinds)
    EXPECT_EQ(std::pair(fs.IsFolder(path), fs.IsOrdinaryFile(path)), kind) << testing::Native(path);
}

}  // namespace
}  // namespace tavelin::platform
