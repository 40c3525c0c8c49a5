// The record of the marks painted on the map picture: what is painted through
// it reaches the picture, and erasing gives back exactly what was there.
#include <gtest/gtest.h>

#include "table/MapMarks.h"
#include "table/MapTracing.h"
#include "table/MemoryPixelMap.h"
#include "tests/support/PixelArt.h"
#include "tests/support/RouteMaps.h"

namespace tolva {
namespace {

using testing::ArtColours;
using testing::LastLeg;
using testing::RouteMap;

TEST(MapMarksTest, ErasingAfterAWholeCampaignGivesThePictureBack) {
  const MemoryPixelMap original = RouteMap({23, 31, 12}, LastLeg::EndsAtNoCity);
  MemoryPixelMap picture = original;
  MapMarks marks;
  marks.Attach(picture);
  const RebuiltRoute rebuilt = RebuildRoute(marks, ArtColours(), 99);
  ASSERT_EQ(rebuilt.cities, 2);
  EXPECT_FALSE(picture == original) << "the marks reach the picture";
  EXPECT_GT(marks.Changes(), 60u);
  marks.EraseMarks();
  EXPECT_TRUE(picture == original);
  EXPECT_EQ(marks.Changes(), 0u);
}

TEST(MapMarksTest, APixelPaintedTwiceGetsItsFirstColourBack) {
  MemoryPixelMap picture(4, 4, 0x101010);
  MapMarks marks;
  marks.Attach(picture);
  marks.SetPixel(1, 1, 0xFF00FF);
  marks.SetPixel(1, 1, 0xFF0000);
  marks.SetPixel(2, 2, 0x101010);  // no change, nothing to record
  EXPECT_EQ(marks.Changes(), 2u);
  marks.EraseMarks();
  EXPECT_EQ(picture.Pixel(1, 1), 0x101010u);
}

TEST(MapMarksTest, ErasingSinceAMarkKeepsWhatCameBefore) {
  MemoryPixelMap picture(4, 1, 0);
  MapMarks marks;
  marks.Attach(picture);
  marks.SetPixel(0, 0, 1);
  const std::size_t mark = marks.Changes();
  marks.SetPixel(1, 0, 2);
  marks.SetPixel(2, 0, 3);
  marks.EraseMarksSince(mark);
  EXPECT_EQ(picture.Pixel(0, 0), 1u);
  EXPECT_EQ(picture.Pixel(1, 0), 0u);
  EXPECT_EQ(picture.Pixel(2, 0), 0u);
  EXPECT_EQ(marks.Changes(), 1u);
}

TEST(MapMarksTest, AnotherPictureStartsAFreshRecord) {
  MemoryPixelMap first(4, 4, 0), second(2, 2, 7);
  MapMarks marks;
  EXPECT_EQ(marks.Width(), 0) << "nothing to paint on before a picture is attached";
  marks.SetPixel(0, 0, 5);  // ignored
  EXPECT_TRUE(marks.Attach(first));
  marks.SetPixel(3, 3, 9);
  EXPECT_FALSE(marks.Attach(first)) << "the same picture keeps its record";
  EXPECT_EQ(marks.Changes(), 1u);
  EXPECT_TRUE(marks.Attach(second));
  EXPECT_EQ(marks.Changes(), 0u);
  EXPECT_EQ(marks.Width(), 2);
  marks.SetPixel(3, 3, 1);  // outside the second picture
  marks.EraseMarks();
  EXPECT_EQ(first.Pixel(3, 3), 9u) << "the first picture's marks are not the second's to erase";
  EXPECT_EQ(second.Pixel(1, 1), 7u);
}

}  // namespace
}  // namespace tolva
