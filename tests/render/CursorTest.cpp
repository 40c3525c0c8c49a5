// The keyboard cursor: wrapping, the Reach rule, and where its sprite goes.
#include <gtest/gtest.h>

#include "render/Cursor.h"

namespace tolva {
namespace {

TEST(Cursor, WrapsAtBothEndsOfTheHand) {
  EXPECT_EQ(ClampCursor(-1, 7, false, false), 6);
  EXPECT_EQ(ClampCursor(7, 7, false, false), 0);
  EXPECT_EQ(ClampCursor(3, 7, false, false), 3);
  EXPECT_EQ(ClampCursor(0, 0, false, false), -1) << "an empty hand has no cursor";
  EXPECT_EQ(ClampCursor(20, 12, false, false), 0) << "a count beyond 8 is cut to the slots";
}

TEST(Cursor, InReachItStandsOnTheDrawnCardUnlessReachIsBeingDeclared) {
  EXPECT_EQ(ClampCursor(2, 8, true, false), 7);
  EXPECT_EQ(ClampCursor(2, 8, true, true), 2);
}

TEST(Cursor, SpriteSitsAboveTheCardInWindowPixels) {
  HitRects hits;
  hits.HandCardRect[3] = Rect{516, 630, 556, 845};
  EXPECT_EQ(CursorSpriteRect(hits, 3, 1.0f, 1.0f), Rect::Sized(526, 610, 20, 18));
  EXPECT_EQ(CursorSpriteRect(hits, 3, 0.5f, 0.5f), Rect::Sized(263, 305, 10, 9));
  EXPECT_TRUE(CursorSpriteRect(hits, 4, 1.0f, 1.0f).IsEmpty());
  EXPECT_TRUE(CursorSpriteRect(hits, -1, 1.0f, 1.0f).IsEmpty());
}

}  // namespace
}  // namespace tolva
