// From window pixels to what the human points at, at the window sizes the
// game offers: the hand cards, the hand area, the stock, the river and its
// neighbourhood, the meld rows, the near seats' places and the icons.
#include <gtest/gtest.h>

#include "app/PointerTargets.h"
#include "render/Geometry.h"
#include "render/Hands.h"
#include "render/Projection.h"

namespace tolva {
namespace {

constexpr double kAngle = 23;

// The hit rectangles a composition at 23 degrees leaves, with seven cards in
// the human's hand and stale rectangles for an eighth slot.
HitRects Scene() {
  HitRects hits;
  hits.StockRect = ProjectRect(kStockPlace, kAngle);
  hits.RiverRect = ProjectRect(kRiverPlace, kAngle);
  for (int row = 0; row < 10; ++row) hits.MeldHitRect[row] = ProjectRect(kMeldSlotRect[row], kAngle);
  for (int i = 0; i < 7; ++i) {
    const Rect place = HumanCardPlace(7, i, kAngle);
    hits.HandCardRect[i] = {place.left, place.top, place.left + (i == 6 ? 151 : 40), place.bottom};
  }
  hits.HandCardRect[7] = Rect::Sized(900, 600, 151, 215);  // left over from an eight-card hand
  const Rect first = HumanCardPlace(7, 0, kAngle);
  hits.SeatHandRect[4] = {first.left, first.top, first.left + 40 * 7 + 111, first.bottom};
  hits.SeatHandRect[0] = Rect::Sized(1000, 280, 140, 200);
  hits.SeatHandRect[3] = Rect::Sized(10, 280, 140, 200);
  return hits;
}

struct Scale {
  const char* name;
  float x;
  float y;
};
constexpr Scale kScales[] = {{"640", 640.0f / 1200, 640.0f / 1200},
                             {"1200", 1.0f, 1.0f},
                             {"1600", 1600.0f / 1200, 1200.0f / 900},
                             {"1024 after resize", 1024.0f / 1200, 768.0f / 900}};

struct PointerTargetsTest : ::testing::Test {
  HitRects hits = Scene();
  PointerContext context{7, kAngle, false};

  // The target under the window pixel that shows canvas point (x, y).
  PointerTarget At(const Scale& scale, double x, double y, Gesture gesture = Gesture::Press) {
    const QPoint window(static_cast<int>(x * scale.x + 0.5), static_cast<int>(y * scale.y + 0.5));
    return TargetAt(hits, context, WindowToCanvas(window, scale.x, scale.y), gesture);
  }
  static double MidX(const Rect& r) { return (r.left + r.right) / 2.0; }
  static double MidY(const Rect& r) { return (r.top + r.bottom) / 2.0; }
};

TEST_F(PointerTargetsTest, WindowPointsAreDividedByTheScale) {
  const QPointF half = WindowToCanvas({320, 240}, 640.0f / 1200, 640.0f / 1200);
  EXPECT_NEAR(half.x(), 600, 1e-4);
  EXPECT_NEAR(half.y(), 450, 1e-4);
  const QPointF large = WindowToCanvas({1600, 1200}, 1600.0f / 1200, 1200.0f / 900);
  EXPECT_NEAR(large.x(), 1200, 1e-4);
  EXPECT_NEAR(large.y(), 900, 1e-4);
  EXPECT_EQ(WindowToCanvas({5, 5}, 0, 1), QPointF(-1, -1));  // no scale, no point
}

TEST_F(PointerTargetsTest, HandCardsAtEveryScale) {
  for (const Scale& s : kScales) {
    for (int i = 0; i < 7; ++i)
      EXPECT_EQ(At(s, hits.HandCardRect[i].left + 20, MidY(hits.HandCardRect[i])),
                PointerTarget::HandCard(i))
          << s.name << " card " << i;
    // The last card shows whole: its right part is still that card.
    EXPECT_EQ(At(s, hits.HandCardRect[6].right - 10, MidY(hits.HandCardRect[6])),
              PointerTarget::HandCard(6))
        << s.name;
  }
}

TEST_F(PointerTargetsTest, RectanglesOfSlotsBeyondTheHandAreIgnored) {
  const Scale& s = kScales[1];
  EXPECT_NE(At(s, 950, 700), PointerTarget::HandCard(7));
}

TEST_F(PointerTargetsTest, StockRiverAndMeldRowsAtEveryScale) {
  for (const Scale& s : kScales) {
    EXPECT_EQ(At(s, MidX(hits.StockRect), MidY(hits.StockRect)), PointerTarget::Stock()) << s.name;
    EXPECT_EQ(At(s, MidX(hits.RiverRect), MidY(hits.RiverRect)), PointerTarget::River()) << s.name;
    for (const int row : {0, 3, 4, 7})
      EXPECT_EQ(At(s, MidX(hits.MeldHitRect[row]), MidY(hits.MeldHitRect[row])),
                PointerTarget::MeldRow(row))
          << s.name << " row " << row;
    EXPECT_EQ(At(s, 1190, 890), PointerTarget::Elsewhere()) << s.name;
  }
}

TEST_F(PointerTargetsTest, TheIconsAtTheTopLeft) {
  for (const Scale& s : kScales)
    for (int icon = 0; icon < 6; ++icon)
      EXPECT_EQ(At(s, MidX(kButtonRect[icon]), MidY(kButtonRect[icon])), PointerTarget::Icon(icon))
          << s.name << " icon " << icon;
}

TEST_F(PointerTargetsTest, TheRiversNeighbourhoodIsWidenedAsTheDropNeedsIt) {
  const Rect& river = hits.RiverRect;
  const Rect around = RiverNeighbourhood(river);
  EXPECT_EQ(around.left, river.left - river.Width() / 2);
  EXPECT_EQ(around.right, river.right + river.Width() / 6);
  EXPECT_EQ(around.top, river.top - river.Height() / 2);
  EXPECT_EQ(around.bottom, river.bottom + river.Height() / 2);
  EXPECT_TRUE(RiverNeighbourhood(Rect{}).IsEmpty());
}

TEST_F(PointerTargetsTest, ALittleLeftOfTheRiverAPressTakesTheStockAndADropDiscards) {
  const Rect& river = hits.RiverRect;
  ASSERT_LT(river.left - river.Width() / 2, hits.StockRect.right);  // they overlap
  for (const Scale& s : kScales) {
    const double x = hits.StockRect.right - 5;
    const double y = MidY(river);
    EXPECT_EQ(At(s, x, y, Gesture::Press), PointerTarget::Stock()) << s.name;
    EXPECT_EQ(At(s, x, y, Gesture::Drop), PointerTarget::RiverNeighbourhood()) << s.name;
    // Between the two piles, and above the river.
    EXPECT_EQ(At(s, river.left - 3, y, Gesture::Drop), PointerTarget::RiverNeighbourhood())
        << s.name;
    EXPECT_EQ(At(s, MidX(river), river.top - 5, Gesture::Drop),
              PointerTarget::RiverNeighbourhood())
        << s.name;
    // Beyond a sixth of its width to the right it is no longer the river's.
    EXPECT_NE(At(s, river.right + river.Width() / 6 + 3, y, Gesture::Drop),
              PointerTarget::RiverNeighbourhood())
        << s.name;
  }
}

TEST_F(PointerTargetsTest, TheHandAreaTurnsTheStockCardButLeavesUncoveredRowsToDrops) {
  const Scale& s = kScales[1];
  const Rect row9 = hits.MeldHitRect[9];
  const Rect hand = hits.SeatHandRect[4];
  // Right of a seven-card hand, inside the place an eighth card would take,
  // over meld row 9.
  const double x = hand.right + 5;
  const double y = std::max(hand.top, row9.top) + 5;
  ASSERT_LT(y, row9.bottom);
  EXPECT_EQ(At(s, x, y, Gesture::Move), PointerTarget::HandArea());
  EXPECT_EQ(At(s, x, y, Gesture::Drop), PointerTarget::MeldRow(9));
  EXPECT_EQ(At(s, x, y, Gesture::Press), PointerTarget::MeldRow(9));
  // Below the rows, beside the hand: the hand area for every gesture.
  EXPECT_EQ(At(s, x, hand.bottom - 5, Gesture::Drop), PointerTarget::HandArea());
  EXPECT_EQ(HumanHandArea(hits, context).left, 376);
  EXPECT_EQ(HumanHandArea(hits, context).right, 376 + 431);
}

TEST_F(PointerTargetsTest, AFaceUpNearHandIsPressedBeforeTheRowsBeneathIt) {
  hits.SeatHandRect[3] = hits.MeldHitRect[4];
  const Scale& s = kScales[0];
  const double x = MidX(hits.MeldHitRect[4]);
  const double y = MidY(hits.MeldHitRect[4]);
  EXPECT_EQ(At(s, x, y, Gesture::Press), PointerTarget::MeldRow(4));  // face down: the row
  context.seatHandsFaceUp = true;
  EXPECT_EQ(At(s, x, y, Gesture::Press), PointerTarget::SeatPlace3());
  EXPECT_EQ(At(s, x, y, Gesture::Drop), PointerTarget::MeldRow(4));
  EXPECT_EQ(At(s, MidX(hits.SeatHandRect[0]), MidY(hits.SeatHandRect[0]), Gesture::Press),
            PointerTarget::SeatPlace0());
}

TEST(PointerShape, TheHandOverWhatCanBeUsed) {
  for (int icon = 0; icon < 3; ++icon) {
    EXPECT_TRUE(ShowsHandPointer(PointerTarget::Icon(icon), false)) << icon;
    EXPECT_TRUE(ShowsHandPointer(PointerTarget::Icon(icon), true)) << icon;
  }
  for (int icon = 3; icon < 6; ++icon) {
    EXPECT_FALSE(ShowsHandPointer(PointerTarget::Icon(icon), false)) << icon;
    EXPECT_TRUE(ShowsHandPointer(PointerTarget::Icon(icon), true)) << icon;
  }
  for (const PointerTarget target : {PointerTarget::MeldRow(2), PointerTarget::Stock(),
                                     PointerTarget::River(), PointerTarget::HandCard(0)}) {
    EXPECT_TRUE(ShowsHandPointer(target, true));
    EXPECT_FALSE(ShowsHandPointer(target, false));
  }
  for (const PointerTarget target : {PointerTarget::Elsewhere(), PointerTarget::HandArea(),
                                     PointerTarget::RiverNeighbourhood(),
                                     PointerTarget::SeatPlace0()})
    EXPECT_FALSE(ShowsHandPointer(target, true));
}

}  // namespace
}  // namespace tolva
