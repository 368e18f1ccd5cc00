#include <gtest/gtest.h>

#include <string>

#include "core/common/UFtx.h"

namespace tavelin::core {
namespace {

TEST(UFtx, SplitsAtTheLastSeparatorAndCutsTheTail) {
  const std::u16string longName(300, u'n');
  struct Case {
    std::u16string path;
    char16_t separator;
    std::u16string head, tail;
  };
  const Case cases[] = {
      {u"C:\\Dir\\Sub", u'\\', u"C:\\Dir", u"Sub"},
      {u"C:\\Dir\\", u'\\', u"C:\\Dir", u""},
      {u"C:\\", u'\\', u"C:", u""},
      {u"Sub", u'\\', u"", u"Sub"},
      {u"\\Sub", u'\\', u"", u"Sub"},
      {u"C:\\Dir\\\\Sub", u'\\', u"C:\\Dir\\", u"Sub"},
      {u"", u'\\', u"", u""},
      {u"C:/Dir/Sub", u'\\', u"", u"C:/Dir/Sub"},
      {u"/home/anna/Fotos", u'/', u"/home/anna", u"Fotos"},
      {u"/", u'/', u"", u""},
      {u"C:\\" + longName, u'\\', u"C:", std::u16string(255, u'n')},
      {longName, u'\\', u"", longName},  // without a separator the whole path, however long
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(&c - cases);
    std::u16string head = u"old head", tail = u"old tail";
    UFtx::SplitPath(c.path, head, tail, c.separator);
    EXPECT_EQ(head, c.head);
    EXPECT_EQ(tail, c.tail);
    EXPECT_EQ(UFtx::LastPathPart(c.path, c.separator), c.tail);
  }
  EXPECT_EQ(UFtx::LastPathPart(u"a" + std::u16string(1, platform::kNativeSeparator) + u"b"), u"b");
}

}  // namespace
}  // namespace tavelin::core
