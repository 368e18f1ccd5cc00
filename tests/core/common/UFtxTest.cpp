#include "core/common/UFtx.h"

#include <gtest/gtest.h>

namespace tavelin::core {
namespace {

struct SplitCase {
  std::u16string path, head, tail;
};

TEST(UFtx, SplitsAtTheLastBackslash) {
  const SplitCase cases[] = {
      {u"C:\\Dir\\Sub", u"C:\\Dir", u"Sub"},
      {u"C:\\Dir\\", u"C:\\Dir", u""},
      {u"C:\\", u"C:", u""},
      {u"Sub", u"", u"Sub"},
      {u"\\Sub", u"", u"Sub"},
      {u"C:\\Dir\\\\Sub", u"C:\\Dir\\", u"Sub"},
      {u"", u"", u""},
      {u"C:/Dir/Sub", u"", u"C:/Dir/Sub"},
  };
  for (const auto& c : cases) {
    std::u16string head = u"old head", tail = u"old tail";
    UFtx::SplitPath(c.path, head, tail, u'\\');
    EXPECT_EQ(head, c.head);
    EXPECT_EQ(tail, c.tail);
    EXPECT_EQ(UFtx::LastPathPart(c.path, u'\\'), c.tail);
  }
}

TEST(UFtx, CutsLongTailsAndUsesTheGivenSeparator) {
  const std::u16string longName(300, u'n');
  EXPECT_EQ(UFtx::LastPathPart(u"C:\\" + longName, u'\\'), std::u16string(255, u'n'));
  // Without a separator the whole path is the tail, however long.
  EXPECT_EQ(UFtx::LastPathPart(longName, u'\\'), longName);
  EXPECT_EQ(UFtx::LastPathPart(u"/home/anna/Fotos", u'/'), u"Fotos");
  EXPECT_EQ(UFtx::LastPathPart(u"/", u'/'), u"");
  EXPECT_EQ(UFtx::LastPathPart(u"C:\\Dir\\Sub", u'/'), u"C:\\Dir\\Sub");
}

TEST(UFtx, DefaultsToTheNativeSeparator) {
  std::u16string path = u"a";
  path += platform::kNativeSeparator;
  path += u"b";
  EXPECT_EQ(UFtx::LastPathPart(path), u"b");
}

}  // namespace
}  // namespace tavelin::core
