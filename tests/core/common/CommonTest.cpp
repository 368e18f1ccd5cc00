#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "core/common/UFtx.h"

namespace tavelin::core {
namespace {

// The name of a folder as the tree draws it: what follows the last separator, 255 units at most.
TEST(UFtx, LastPathPartCutsAtTheLastSeparatorAndCutsTheTail) {
  const std::u16string longName(300, u'n');
  const std::tuple<std::u16string, char16_t, std::u16string> cases[] = {
      {u"C:\\Dir\\Sub", u'\\', u"Sub"},
      {u"C:\\Dir\\", u'\\', u""},
      {u"C:\\", u'\\', u""},
      {u"Sub", u'\\', u"Sub"},
      {u"C:\\Dir\\\\Sub", u'\\', u"Sub"},
      {u"", u'\\', u""},
      {u"C:/Dir/Sub", u'\\', u"C:/Dir/Sub"},
      {u"/home/anna/Fotos", u'/', u"Fotos"},
      {u"/", u'/', u""},
      {u"C:\\" + longName, u'\\', std::u16string(255, u'n')},
      {longName, u'\\', longName},  // without a separator the whole path, however long
  };
  for (const auto& c : cases)
    EXPECT_EQ(UFtx::LastPathPart(std::get<0>(c), std::get<1>(c)), std::get<2>(c)) << &c - cases;
  EXPECT_EQ(UFtx::LastPathPart({u'a', platform::kNativeSeparator, u'b'}), u"b");
}

}  // namespace
}  // namespace tavelin::core
