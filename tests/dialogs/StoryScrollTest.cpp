// The scrolling story's arithmetic: the offset's run and its wrap at the end of
// the 39 drawn lines, halting and reversing by clicks, the backward wrap once
// the square has emptied, and what part of the square a tick copies.
#include <gtest/gtest.h>

#include <vector>

#include "dialogs/StoryScroll.h"

namespace tolva {
namespace {

constexpr int kWidth = 340;  // the dialog's client width

TEST(StoryScroll, LineHeightSixteenRunsToSixHundredTwentyFourThenStartsAgain) {
  StoryScroll scroll;
  std::vector<int> offsets;
  for (int tick = 0; tick < 209; ++tick) {
    ASSERT_TRUE(ScrollTick(scroll, 16, kWidth));
    offsets.push_back(scroll.ScrollPos);
  }
  ASSERT_EQ(offsets.size(), 209u);
  EXPECT_EQ(offsets.front(), 3);
  for (size_t i = 0; i + 1 < 208; ++i) EXPECT_EQ(offsets[i + 1] - offsets[i], 3);
  EXPECT_EQ(offsets[207], 624);  // 39 x 16, not beyond it: still shown
  EXPECT_EQ(offsets[208], 0);    // 627 is past the end: from the top again
  ASSERT_TRUE(ScrollTick(scroll, 16, kWidth));
  EXPECT_EQ(scroll.ScrollPos, 3);
}

TEST(StoryScroll, TheEndFollowsTheLineHeight) {
  StoryScroll scroll;
  scroll.ScrollPos = 39 * 20 - 1;
  ScrollTick(scroll, 20, kWidth);
  EXPECT_EQ(scroll.ScrollPos, 0);  // 782 > 780
  scroll.ScrollPos = 39 * 20 - 3;
  ScrollTick(scroll, 20, kWidth);
  EXPECT_EQ(scroll.ScrollPos, 780);
}

TEST(StoryScroll, AClickHaltsAndTheNextResumesTheOtherWay) {
  StoryScroll scroll;
  ScrollTick(scroll, 16, kWidth);
  ScrollTick(scroll, 16, kWidth);
  ASSERT_EQ(scroll.ScrollPos, 6);

  ToggleScrolling(scroll);
  EXPECT_EQ(scroll.Scrolling, 0);
  EXPECT_EQ(scroll.ScrollDown, 1);
  EXPECT_FALSE(ScrollTick(scroll, 16, kWidth));
  EXPECT_EQ(scroll.ScrollPos, 6);  // halted text stays

  ToggleScrolling(scroll);
  EXPECT_EQ(scroll.Scrolling, 1);
  EXPECT_EQ(scroll.ScrollDown, 0);
  ScrollTick(scroll, 16, kWidth);
  EXPECT_EQ(scroll.ScrollPos, 3);

  ToggleScrolling(scroll);  // halted again, still backwards
  EXPECT_EQ(scroll.Scrolling, 0);
  EXPECT_EQ(scroll.ScrollDown, 0);
  ToggleScrolling(scroll);  // and forwards once more
  EXPECT_EQ(scroll.Scrolling, 1);
  EXPECT_EQ(scroll.ScrollDown, 1);
  ScrollTick(scroll, 16, kWidth);
  EXPECT_EQ(scroll.ScrollPos, 6);
}

TEST(StoryScroll, BackwardsTheTextLeavesTheSquareBeforeJumpingToTheEnd) {
  StoryScroll scroll;
  scroll.ScrollDown = 0;
  // Below 0 the text moves down and away; the jump comes only when
  // W + ScrollPos - 20 < 0, i.e. after -318 (340 - 318 - 20 = 2).
  for (int expected = -3; expected >= -318; expected -= 3) {
    ScrollTick(scroll, 16, kWidth);
    ASSERT_EQ(scroll.ScrollPos, expected);
  }
  ScrollTick(scroll, 16, kWidth);
  EXPECT_EQ(scroll.ScrollPos, 624);
  ScrollTick(scroll, 16, kWidth);
  EXPECT_EQ(scroll.ScrollPos, 621);
}

TEST(StoryScroll, ACopyTakesTheSquareCutToTheSurface) {
  constexpr int kSurfaceHeight = 3 * kWidth;
  const StoryCopy top = StoryCopyRects(0, kWidth, kSurfaceHeight);
  EXPECT_EQ(top.source, QRect(0, 0, 320, 320));
  EXPECT_EQ(top.target, QRect(0, 200, 320, 320));

  // Scrolled backwards: the square's upper part is above the surface and
  // stays background; the text shows lower down.
  const StoryCopy below = StoryCopyRects(-100, kWidth, kSurfaceHeight);
  EXPECT_EQ(below.source, QRect(0, 0, 320, 220));
  EXPECT_EQ(below.target, QRect(0, 300, 320, 220));

  // Near the surface's end only what it has is copied.
  const StoryCopy end = StoryCopyRects(900, kWidth, kSurfaceHeight);
  EXPECT_EQ(end.source, QRect(0, 900, 320, 120));
  EXPECT_EQ(end.target, QRect(0, 200, 320, 120));

  EXPECT_TRUE(StoryCopyRects(-320, kWidth, kSurfaceHeight).source.isEmpty());
  EXPECT_TRUE(StoryCopyRects(0, 10, kSurfaceHeight).source.isEmpty());  // no square at all
}

}  // namespace
}  // namespace tolva
