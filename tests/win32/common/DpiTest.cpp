#include "win32/common/Dpi.h"

#include <gtest/gtest.h>

namespace tavelin::win32 {
namespace {

// At 100 %, 150 % and 200 % a core figure reaches the screen scaled and comes back as it was.
TEST(Dpi, ScalesPixelsAndTwipsBothWays) {
  struct Case {
    int dpi;
    float pixels;
    int device;
    float twips;
    int twipsDevice;
  };
  const Case cases[] = {
      {96, 304, 304, 4560, 304}, {144, 304, 456, 4560, 456}, {192, 304, 608, 4560, 608},
      {144, 13.8F, 21, 207, 21}, {120, 25, 31, 375, 31},     {96, 41.4F, 41, 621, 41},
      {192, 0.5F, 1, 7.5F, 1},
  };
  for (const Case& c : cases) {
    const Dpi dpi(c.dpi);
    EXPECT_EQ(dpi.ToDevice(c.pixels), c.device) << c.dpi << " " << c.pixels;
    EXPECT_EQ(dpi.TwipsToDevice(c.twips), c.twipsDevice) << c.dpi << " " << c.twips;
  }
  EXPECT_FLOAT_EQ(Dpi(144).FromDevice(456), 304);
  EXPECT_FLOAT_EQ(Dpi(192).DeviceToTwips(608), 4560);
  EXPECT_FLOAT_EQ(Dpi(120).DeviceToTwips(31), 372);
}

TEST(Dpi, AnUnknownDpiCountsAsTheBaseOne) {
  EXPECT_EQ(Dpi(0).Value(), 96);
  EXPECT_EQ(Dpi(-5).ToDevice(10), 10);
}

}  // namespace
}  // namespace tavelin::win32
