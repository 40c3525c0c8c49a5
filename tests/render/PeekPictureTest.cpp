// The peek window's picture (cards 30 pixels apart at full size, jokers,
// unknown codes left white, the points centred), and the table drawing that
// publishes the computer seats' hands for it in cunning mode.
#include <gtest/gtest.h>

#include "render/PeekPicture.h"
#include "render/Scene.h"
#include "render/ViewScene.h"
#include "rules/CardText.h"
#include "table/PeekChannel.h"
#include "table/SettingsSchema.h"
#include "tests/render/support/SyntheticPictures.h"
#include "tests/support/ScriptedHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::DigitColour;
using testing::FaceColour;
using testing::kFaceProbe;

constexpr QRgb kWhite = 0xffffffff;

struct PeekPictureTest : ::testing::Test {
  Surfaces s = testing::LoadedSurfaces();
  QImage window;

  void Paint(const std::vector<int>& hand, int points) {
    const QSize client(PeekClientWidth(static_cast<int>(hand.size())), kPeekClientHeight);
    window = QImage(client, QImage::Format_RGB32);
    window.fill(Qt::black);
    QPainter painter(&window);
    PaintPeek(painter, s, hand, points, client);
  }
  QRgb Pixel(int x, int y) const { return window.pixel(x, y) | 0xff000000u; }
  // A body pixel of the card in place i (its visible 30-pixel strip).
  QRgb CardBody(int i) const { return Pixel(30 * i + kFaceProbe.x(), kFaceProbe.y()); }
};

TEST_F(PeekPictureTest, CardsLieThirtyPixelsApartAtFullSizeOnWhite) {
  const std::vector<int> hand = testing::Cards("As 7h Td Kc 2s 9d Qh");
  Paint(hand, -1);
  for (int i = 0; i < 7; ++i) EXPECT_EQ(CardBody(i), FaceColour(hand[i])) << i;
  // The last card shows whole: its right edge is 30 x 6 + 151.
  EXPECT_EQ(Pixel(180 + 140, kFaceProbe.y()), FaceColour(hand[6]));
  EXPECT_EQ(Pixel(180 + 151, 5), kWhite);
  EXPECT_EQ(Pixel(332, 214), kWhite);
}

TEST_F(PeekPictureTest, EveryCodeAboveFiftyTwoIsTheJoker) {
  Paint({53, 58, 5}, -1);
  EXPECT_EQ(CardBody(0), FaceColour(53));
  EXPECT_EQ(CardBody(1), FaceColour(53));
  EXPECT_EQ(CardBody(2), FaceColour(5));
}

TEST_F(PeekPictureTest, ACodeThatIsNoCardLeavesItsPlaceWhite) {
  Paint({0, -1, 59, 100000, 5}, -1);
  for (int i = 0; i < 4; ++i) EXPECT_EQ(CardBody(i), kWhite) << i;
  EXPECT_EQ(CardBody(4), FaceColour(5));
}

TEST_F(PeekPictureTest, ThePointsStandInTheMiddleOfTheWindow) {
  Paint(testing::Cards("7s"), 7);
  const QPoint centre(PeekClientWidth(1) / 2, kPeekClientHeight / 2);
  EXPECT_EQ(Pixel(centre.x() - 29 + 6, centre.y() - 29 + 6), DigitColour(7));

  Paint(testing::Cards("Ks Kh 3d"), 23);
  const QPoint two(PeekClientWidth(3) / 2, kPeekClientHeight / 2);
  EXPECT_EQ(Pixel(two.x() - 59 + 6, two.y() - 29 + 6), DigitColour(2)) << "the tens";
  EXPECT_EQ(Pixel(two.x() + 6, two.y() - 29 + 6), DigitColour(3)) << "the units";
}

TEST_F(PeekPictureTest, AnEmptyHandIsWhiteWithItsZero) {
  Paint({}, 0);
  EXPECT_EQ(Pixel(3, 3), kWhite);
  const QPoint centre(PeekClientWidth(0) / 2, kPeekClientHeight / 2);
  EXPECT_EQ(Pixel(centre.x() - 29 + 6, centre.y() - 29 + 6), DigitColour(0));
}

// --- publishing from the table's drawing --------------------------------------------------

struct PublishingTest : ::testing::Test {
  Surfaces s = testing::LoadedSurfaces();
  SceneRenderer renderer{s};
  testing::ScriptedHost host;
  CTolvaView view{host};
  Settings settings{host.store};

  PublishingTest() {
    host.Attach(view);
    view.t = testing::EmptyTable();
    testing::SetHand(view.t, 0, "As 2s");
    testing::SetHand(view.t, 1, "8s 9s Ts");
    testing::SetHand(view.t, 2, "");
    testing::SetHand(view.t, 3, "Kh Jk");
    testing::SetHand(view.t, 4, "3d 4d 5d");
    view.TableActive = 1;
    view.Initialising = 0;
  }
};

TEST_F(PublishingTest, InCunningModeDrawingTheTablePublishesEveryComputerHand) {
  settings.SetCunHand(2, "1,2,");  // from an earlier drawing
  view.CunningMode = 1;
  renderer.RedrawScene(SceneOf(view, 1), true);
  EXPECT_EQ(settings.CunHand(0), PeekHandText(testing::Cards("As 2s")));
  EXPECT_EQ(settings.CunHand(1), PeekHandText(testing::Cards("8s 9s Ts")));
  EXPECT_EQ(settings.CunHand(2), "");
  EXPECT_EQ(settings.CunHand(3), PeekHandText(testing::Cards("Kh Jk")));
}

TEST_F(PublishingTest, OutsideCunningModeNothingIsPublished) {
  view.CunningMode = 0;
  renderer.RedrawScene(SceneOf(view, 1), true);
  EXPECT_EQ(host.store.WriteCount(), 0);
}

}  // namespace
}  // namespace tolva
