// The table at device scales other than 1: the canvas made at the window's
// physical pixels from the same geometry, only the rectangles that changed
// painted again, and the denser pictures used where the scale asks for them.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "render/Projection.h"
#include "render/ResultPicture.h"
#include "render/Scene.h"
#include "tests/render/support/PictureDetail.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::FaceColour;
using testing::kBackColour;
using testing::MixedBlocks;
using testing::SteepSteps;

DeviceScale ScaleOfWidth(int width) {
  return ScaleFor(QSize(width, static_cast<int>(std::lround(width * 0.75))));
}

TableState MidGame() {
  TableState t = testing::EmptyTable();
  testing::SetHand(t, 0, "As 2s 3s 4s 5s 6s 7s");
  testing::SetHand(t, 1, "8s 9s Ts Js Qs Ks");
  testing::SetHand(t, 2, "2h 3h 4h 5h 6h 7h 8h");
  testing::SetHand(t, 3, "9h Th Jh Qh");
  testing::SetHand(t, 4, "3d 4d 5d 6d 7d 8d 9d");
  testing::SetStock(t, "Jd Qd Kd Ac 2c 3c 4c 5c 6c");
  testing::SetRiver(t, "7c 8c 9c");
  testing::SetMeld(t, 0, "Tc Jc Qc");
  testing::SetMeld(t, 4, "Ah Ad Kc Jk");
  t.Purse = {1200, 950, 87, 3, 10000};
  t.GameNo = 5;
  t.TurnSeat = 1;
  t.PendingPool = 12;
  t.ReachFlag[2] = 1;
  return t;
}

// A renderer of its own with the synthetic pictures, at a window width's scale.
struct Table {
  std::shared_ptr<testing::SyntheticPictures> pictures =
      std::make_shared<testing::SyntheticPictures>();
  Surfaces s;
  SceneRenderer renderer{s};

  Table(int width, bool dense = true) {
    pictures->dense = dense;
    s = testing::LoadedSurfaces(*pictures);
    renderer.SetPictureSource(pictures);
    renderer.SetScale(ScaleOfWidth(width));
  }
  std::vector<Rect> Draw(const SceneState& scene, bool tableChanged) {
    return renderer.RedrawScene(scene, tableChanged);
  }
  QRect Device(const Rect& r) const { return renderer.Scale().Map(r); }
};

// The largest difference of a colour channel between two pictures of one size.
int LargestDifference(const QImage& a, const QImage& b) {
  if (a.size() != b.size()) return 256;
  int largest = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) {
      const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
      largest = std::max({largest, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))});
    }
  return largest;
}
constexpr int kStretchRounding = 4;

class ScaledSceneTest : public ::testing::TestWithParam<int> {
 protected:
  int Width() const { return GetParam(); }
  TableState t = MidGame();
  SceneState Scene() const {
    SceneState scene = testing::SceneFor(t, angle);
    for (int seat = 0; seat < kComputerSeats; ++seat)
      for (int d = 0; d < 7; ++d) scene.StockFlight[seat][d] = {345 + 40 * d * (seat + 1) / 4, 398 - 55 * d};
    scene.StockStep = stockStep;
    scene.HandPoints = [](int seat) { return 11 + seat; };
    return scene;
  }
  // The canvas a renderer that never drew before makes of the scene.
  QImage Fresh() const {
    Table fresh(Width());
    fresh.Draw(Scene(), true);
    return fresh.s.BackBuffer;
  }
  double angle = 23;
  int stockStep = -1;
};

// Each step changes the table as the game does; the canvas kept and
// repainted only where the step changed it is the one a fresh composition
// makes. (A band of the table stretched within a smaller rectangle may round
// a colour channel a few steps differently, never more.)
TEST_P(ScaledSceneTest, PartialRepaintsLeaveThePictureAFullCompositionMakes) {
  Table table(Width());
  table.Draw(Scene(), true);
  struct Step {
    const char* what;
    std::function<void()> change;
    bool tableChanged;
  };
  const Step steps[] = {
      {"a card leaves the stock", [&] { stockStep = 0; }, true},
      {"it flies on", [&] { stockStep = 3; }, true},
      {"it arrives", [&] { stockStep = 6; }, true},
      {"it is in the hand", [&] { stockStep = -1; t.StockCount -= 1; }, true},
      {"a mark", [&] { t.Selected[2] = 1; }, false},
      {"a purse", [&] { t.Purse[3] = 1234567; }, false},
      {"the human's turn", [&] { t.TurnSeat = 4; }, false},
      {"a tilt", [&] { angle = 24; }, true},
      {"a meld grows", [&] { testing::SetMeld(t, 0, "Tc Jc Qc Kc"); }, true},
  };
  for (const Step& step : steps) {
    step.change();
    table.Draw(Scene(), step.tableChanged);
    EXPECT_LE(LargestDifference(table.s.BackBuffer, Fresh()), kStretchRounding) << step.what;
  }
}

TEST_P(ScaledSceneTest, AStepPaintsOnlyWhereItChangedTheCanvas) {
  Table table(Width());
  table.Draw(Scene(), true);
  EXPECT_TRUE(table.Draw(Scene(), true).empty()) << "nothing changed";

  const auto area = [](const std::vector<Rect>& changes) {
    long sum = 0;
    for (const Rect& r : changes) sum += static_cast<long>(r.Width()) * r.Height();
    return sum;
  };
  stockStep = 2;
  const std::vector<Rect> flight = table.Draw(Scene(), true);
  ASSERT_FALSE(flight.empty());
  EXPECT_LT(area(flight), kCanvasWidth * kCanvasHeight / 15) << "a card's old and new places";
  const Rect card = ProjectRect(Rect::Sized(345 + 20, 398 - 110, kCardWidth, kCardHeight), angle);
  bool covered = false;
  for (const Rect& r : flight) covered |= r.Contains(card.left + card.Width() / 2, card.top + card.Height() / 2);
  EXPECT_TRUE(covered) << "the card's new place is painted";

  t.TurnSeat = 4;
  table.Draw(Scene(), false);
  t.Selected[3] = 1;
  const std::vector<Rect> mark = table.Draw(Scene(), false);
  const Rect marked = table.renderer.Hits().HandCardRect[3];
  ASSERT_EQ(mark.size(), 1u);
  EXPECT_LE(area(mark), (marked.Width() + 8) * (marked.Height() + 8)) << "the marked card alone";
}

TEST_P(ScaledSceneTest, PlacesAndHitRectanglesAreTheCanvasOnesAtEveryScale) {
  Table one(1200);
  one.Draw(Scene(), true);
  stockStep = 3;
  Table table(Width());
  table.Draw(Scene(), true);
  one.Draw(Scene(), true);
  const HitRects& hits = table.renderer.Hits();
  const HitRects& canvas = one.renderer.Hits();
  EXPECT_EQ(hits.StockRect, canvas.StockRect);
  EXPECT_EQ(hits.MeldHitRect, canvas.MeldHitRect);
  EXPECT_EQ(hits.SeatPlateRect, canvas.SeatPlateRect);
  EXPECT_EQ(hits.PurseTextRect, canvas.PurseTextRect);
  EXPECT_EQ(hits.HandCardRect, canvas.HandCardRect);
  EXPECT_EQ(hits.PendingRect, canvas.PendingRect);

  const QImage& canvasPixels = table.s.BackBuffer;
  const auto colourAt = [&](const Rect& r) {
    const QRect device = table.Device(r);
    return canvasPixels.pixel(device.center()) | 0xff000000u;
  };
  // A face of the human's hand and of a meld, where the canvas puts them.
  const Rect first = hits.HandCardRect[0];
  EXPECT_TRUE(testing::Near(colourAt(Rect::Sized(first.left + 12, first.top + 150, 20, 40)),
                            FaceColour(t.Hand[4][0]), 12));
  const Rect meld = ProjectRect(Rect::Sized(55 + 30 * 2 + 10, 55 + 140, 20, 20), angle);
  EXPECT_TRUE(testing::Near(colourAt(meld), FaceColour(t.Meld[0][2]), 24));
  // The card in flight, at its flight point projected.
  const ScenePoint point = Scene().StockFlight[t.TurnSeat][3];
  const Rect flying = ProjectRect(Rect::Sized(point.x + 8, point.y + 90, 20, 40), angle);
  EXPECT_TRUE(testing::Near(colourAt(flying), kBackColour, 24));
}

INSTANTIATE_TEST_SUITE_P(Widths, ScaledSceneTest, ::testing::Values(1200, 640, 1600, 1800, 2400, 2880),
                         [](const auto& info) { return "Width" + std::to_string(info.param); });

// At twice the size the name plates, the purse numbers and the card indices
// are drawn, not doubled: their 2 x 2 blocks hold edges, and the pictures
// are sharper than the same pictures enlarged from their own size.
TEST(ScaledScene, AtTwiceTheSizeNamePlatesPursesAndIndicesHoldDetail) {
  TableState t = MidGame();
  t.TurnSeat = 4;
  const SceneState scene = testing::SceneFor(t, 23);
  Table dense(2400);
  Table enlarged(2400, false);  // only the pictures of the canvas's own size
  dense.Draw(scene, true);
  enlarged.Draw(scene, true);
  const HitRects& hits = dense.renderer.Hits();
  const Rect card = hits.HandCardRect[1];
  const struct {
    const char* what;
    Rect place;
    bool picture;
  } parts[] = {
      {"name plate", hits.SeatPlateRect[4], true},
      {"purse", hits.PurseTextRect[4], false},
      {"card index", Rect::Sized(card.left + 4, card.top + 6, 32, 30), true},
  };
  for (const auto& part : parts) {
    const QRect device = dense.Device(part.place);
    EXPECT_GT(MixedBlocks(dense.s.BackBuffer, device), 0.05) << part.what;
    if (part.picture) {
      EXPECT_GT(SteepSteps(dense.s.BackBuffer, device), 2 * SteepSteps(enlarged.s.BackBuffer, device))
          << part.what;
    }
  }
}

// A 1600 x 1200 window is drawn at its own size: sharper than the 1200 x 900
// canvas enlarged to it.
TEST(ScaledScene, A1600WindowIsSharperThanThe1200CanvasEnlarged) {
  TableState t = MidGame();
  t.TurnSeat = 4;
  const SceneState scene = testing::SceneFor(t, 23);
  Table large(1600);
  Table canvas(1200);
  large.Draw(scene, true);
  canvas.Draw(scene, true);
  const QImage enlarged = canvas.s.BackBuffer.scaled(large.s.BackBuffer.size(), Qt::IgnoreAspectRatio,
                                                     Qt::SmoothTransformation);
  const HitRects& hits = large.renderer.Hits();
  const Rect card = hits.HandCardRect[1];
  for (const Rect& part : {hits.SeatPlateRect[4], hits.PurseTextRect[4],
                           Rect::Sized(card.left + 4, card.top + 6, 32, 30)}) {
    const QRect device = large.Device(part);
    EXPECT_GT(SteepSteps(large.s.BackBuffer, device), 1.4 * SteepSteps(enlarged, device))
        << part.left << "," << part.top;
  }
}

TEST(DissolveSquares, AFrameRepaintsTheTilesItsSquaresTouchAndNoMore) {
  const QSize client(1200, 900);
  const auto holds = [](const QRegion& region, const QRect& r) { return (QRegion(r) - region).isEmpty(); };
  EXPECT_TRUE(SquaresRegion({}, client).isEmpty());
  const QRegion one = SquaresRegion({QRect(20, 20, 6, 6)}, client);
  EXPECT_EQ(one, QRegion(16, 16, 16, 16)) << "one tile";
  const QRegion across = SquaresRegion({QRect(30, 5, 6, 6), QRect(1195, 895, 6, 6)}, client);
  EXPECT_TRUE(holds(across, QRect(30, 5, 6, 6)));
  EXPECT_TRUE(holds(across, QRect(1195, 895, 5, 5)));
  EXPECT_TRUE(QRect(QPoint(0, 0), client).contains(across.boundingRect())) << "inside the window";
  EXPECT_EQ(across.rectCount(), 3) << "two tiles side by side join";

  DissolveRun run(5, false, client, 1, 1);
  std::vector<QRect> shown;
  QImage window(client, QImage::Format_RGB32), canvas(client, QImage::Format_RGB32);
  window.fill(Qt::black);
  canvas.fill(Qt::white);
  run.Step(window, canvas, 1.0, 833, shown);
  const QRegion frame = SquaresRegion(shown, client);
  long area = 0;
  for (const QRect& r : frame) area += static_cast<long>(r.width()) * r.height();
  EXPECT_LT(area, client.width() * client.height() / 2) << "far from the whole window";
  for (const QRect& square : shown) EXPECT_TRUE(holds(frame, square.intersected(window.rect())));
}

TEST(DissolveSquares, OnAWideWindowTheRegionIsTheUnionOfTheTouchedTiles) {
  // 1600 pixels are 100 tiles of 16 across: runs of tiles cross from one
  // word of the grid to the next (a square on columns 63 and 64 among them)
  // and end at the window's edges.
  const QSize client(1600, 1200);
  DissolveRun run(11, false, client, 1600 / 1200.0f, 1200 / 900.0f);
  std::vector<QRect> shown{QRect(63 * 16 + 10, 0, 8, 8), QRect(1596, 1196, 8, 8)};
  run.Take(833, shown);
  QRegion tiles;
  for (const QRect& square : shown) {
    const QRect in = square.intersected(QRect(QPoint(0, 0), client));
    for (int y = in.top() / 16; y <= in.bottom() / 16; ++y)
      for (int x = in.left() / 16; x <= in.right() / 16; ++x) tiles += QRect(x * 16, y * 16, 16, 16);
  }
  EXPECT_TRUE(SquaresRegion(shown, client).xored(tiles).isEmpty());
}

}  // namespace
}  // namespace tolva
