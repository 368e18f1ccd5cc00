#include "core/views/PackedNames.h"

#include <gtest/gtest.h>

namespace tavelin::core {
namespace {

TEST(PackedNames, KeepsEveryNameWholeThroughAddsAndRemoves) {
  PackedNames names;
  EXPECT_TRUE(names.Empty());
  names.Add(u"un.txt");
  names.Add(u"");
  names.Add(u"\u00C0via \U0001F600.bmp");
  names.Add(u"dos");
  ASSERT_EQ(names.Count(), 4u);
  EXPECT_EQ(names.At(0), u"un.txt");
  EXPECT_EQ(names.At(1), u"");
  EXPECT_EQ(names.At(2), u"\u00C0via \U0001F600.bmp");
  EXPECT_EQ(names.At(3), u"dos");

  // Removing one moves every later name up whole: first, middle and last.
  names.Remove(0);
  ASSERT_EQ(names.Count(), 3u);
  EXPECT_EQ(names.At(0), u"");
  EXPECT_EQ(names.At(1), u"\u00C0via \U0001F600.bmp");
  EXPECT_EQ(names.At(2), u"dos");
  names.Remove(1);
  ASSERT_EQ(names.Count(), 2u);
  EXPECT_EQ(names.At(1), u"dos");
  names.Remove(1);
  names.Remove(0);
  EXPECT_TRUE(names.Empty());

  names.Add(u"nou");
  ASSERT_EQ(names.Count(), 1u);
  EXPECT_EQ(names.At(0), u"nou");
}

}  // namespace
}  // namespace tavelin::core
