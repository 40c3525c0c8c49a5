// The keyboard: the cursor wraps and, with Ctrl, carries its card (and mark)
// along; Up, Enter and Space throw the card under it; F7 draws (a winning draw
// is Tsumo, a draw of the last stock card ends the game at once) and F8 takes
// the river card without a win check.
#include <gtest/gtest.h>

#include "table/SettingsSchema.h"
#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;
using testing::SetRiver;

constexpr const char* kWinsWith2h = "5s 5h 9d 9c Kd Kh 2s";

struct KeysTest : testing::FlowFixture {};

TEST_F(KeysTest, TheCursorWrapsAtBothEnds) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  t.Cursor = 0;
  host.Key(HumanKey::Left);
  EXPECT_EQ(t.Cursor, 6);
  host.Key(HumanKey::Right);
  EXPECT_EQ(t.Cursor, 0);
  EXPECT_EQ(host.Waves(), (std::vector<int>{kWaveCursorMove, kWaveCursorMove}));
}

TEST_F(KeysTest, CtrlMovesTheCardAndItsMarkButNotPastTheEnd) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  t.Cursor = 2;
  host.RightPress(PointerTarget::HandCard(2));
  host.ClearEvents();
  host.Key(HumanKey::Right, true);
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 5s 4s 6s 7s 8s"));
  EXPECT_EQ(t.Selected[3], 1);
  EXPECT_EQ(t.Selected[2], 0);
  EXPECT_EQ(t.Cursor, 3);
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveCursorMove});
  t.Cursor = 6;
  host.ClearEvents();
  host.Key(HumanKey::Right, true);
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 5s 4s 6s 7s 8s"));
  EXPECT_EQ(t.Cursor, 6);
  EXPECT_TRUE(host.Waves().empty());
}

TEST_F(KeysTest, DownTogglesTheMarkUnderTheCursor) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  t.Cursor = 4;
  host.Key(HumanKey::Down);
  EXPECT_EQ(t.Selected[4], 1);
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveMarkToggle});
  host.Key(HumanKey::Down);
  EXPECT_EQ(t.Selected[4], 0);
}

TEST_F(KeysTest, KeyDiscardsAreRefusedWithTwoMarksOrBeforeDrawing) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  HumansTurn();
  host.Key(HumanKey::Up);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgDrawOrTakeFirst});
  view.DrawFromStock();
  host.RightPress(PointerTarget::HandCard(0));
  host.RightPress(PointerTarget::HandCard(1));
  host.ClearEvents();
  host.Key(HumanKey::Space);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgKeyDiscardOnlyToRiver});
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  t.RuleRem = 0;
  host.ClearEvents();
  host.Key(HumanKey::Up);
  EXPECT_TRUE(host.MessageIds().empty());
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_EQ(t.HandCount[4], 8);
}

TEST_F(KeysTest, InReachTheReminderAsksForTheStock) {
  SetHand(t, 4, kWinsWith2h);
  t.ReachFlag[4] = 1;
  HumansTurn();
  host.Key(HumanKey::Up);
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgDrawFromStockFirst});
}

TEST_F(KeysTest, F7AppendsTheStockCardAndPutsTheCursorOnIt) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.StockTop("9h");
  HumansTurn();
  t.IppatsuFlag[4] = 1;
  view.DrawFromStock();
  EXPECT_EQ(Hand(4), testing::Cards("2s 3s 4s 5s 6s 7s 8s 9h"));
  EXPECT_EQ(t.Cursor, 7);
  EXPECT_EQ(t.DrawnCard, C("9h"));
  EXPECT_EQ(t.HasDrawn, 1);
  EXPECT_EQ(t.IppatsuFlag[4], 0);
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveKeyDraw});
  EXPECT_EQ(host.Redraws(true), 1);
  host.ClearEvents();
  view.DrawFromStock();  // once per turn
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_EQ(host.MessageIds(), std::vector<int>{kMsgDiscardDue});
  EXPECT_EQ(t.HandCount[4], 8);
}

TEST_F(KeysTest, AWinningDrawAsksForTsumo) {
  SetHand(t, 4, kWinsWith2h);
  s.StockTop("2h");
  HumansTurn();
  host.Expect(kMsgAskTsumo, Answer::Yes);
  view.DrawFromStock();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kTsumo);
  EXPECT_EQ(LastGame().table.ResultSeat, 4);
}

TEST_F(KeysTest, ADeclinedTsumoPlaysOn) {
  SetHand(t, 4, kWinsWith2h);
  s.StockTop("2h");
  HumansTurn();
  host.Expect(kMsgAskTsumo, Answer::No);
  view.DrawFromStock();
  EXPECT_TRUE(host.finished.empty());
  EXPECT_EQ(t.HasDrawn, 1);
  EXPECT_EQ(t.HandCount[4], 8);
}

TEST_F(KeysTest, InReachAWinningDrawIsTsumoWithoutAQuestion) {
  SetHand(t, 4, kWinsWith2h);
  t.ReachFlag[4] = 1;
  s.StockTop("2h");
  HumansTurn();
  view.DrawFromStock();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().table.ResultKind, kTsumo);
}

TEST_F(KeysTest, AKeyDrawOfTheLastStockCardEndsTheGameAtOnce) {
  SetHand(t, 4, "2s 3s 4s 5s 6s 7s 8s");
  s.StockTop("9h");
  s.Complete(1);
  view.PlayFrom(kHumanSeat);
  view.DrawFromStock();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().picture, ResultPicture::DrawnGame);
  EXPECT_EQ(LastGame().table.HandCount[4], 8) << "before any discard";
}

TEST_F(KeysTest, ADeclinedTsumoOnTheLastCardStillDrawsTheGame) {
  SetHand(t, 4, kWinsWith2h);
  s.StockTop("2h");
  s.Complete(1);
  view.PlayFrom(kHumanSeat);
  host.Expect(kMsgAskTsumo, Answer::No);
  view.DrawFromStock();
  ASSERT_EQ(host.finished.size(), 1u);
  EXPECT_EQ(LastGame().picture, ResultPicture::DrawnGame);
}

TEST_F(KeysTest, F8TakesTheRiverCardWithoutAWinCheck) {
  SetHand(t, 4, kWinsWith2h);
  SetRiver(t, "2h");
  HumansTurn();
  view.TakeFromRiver();  // a 30034 would be unscripted
  EXPECT_EQ(Hand(4), testing::Cards("5s 5h 9d 9c Kd Kh 2s 2h"));
  EXPECT_EQ(t.RiverTakenCard, C("2h"));
  EXPECT_EQ(t.Cursor, 7);
  EXPECT_EQ(t.HasDrawn, 1);
  EXPECT_TRUE(host.finished.empty());
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveKeyDraw});
}

TEST_F(KeysTest, F8IsRefusedInReach) {
  SetHand(t, 4, kWinsWith2h);
  SetRiver(t, "3h");
  t.ReachFlag[4] = 1;
  HumansTurn();
  view.TakeFromRiver();
  EXPECT_EQ(t.HandCount[4], 7);
  EXPECT_EQ(host.Waves(), std::vector<int>{kWaveRefused});
  EXPECT_TRUE(host.MessageIds().empty()) << "no card is in yet: no reminder to discard";
}

TEST_F(KeysTest, WhileTheMapIsShownTheKeysBelongToTheMap) {
  HumansTurn();
  view.MapShown = 1;
  host.Key(HumanKey::Digit3);
  EXPECT_EQ(view.MapZoom, 3);
  EXPECT_EQ(Settings(host.store).Zoom(), 3);
  host.Key(HumanKey::Up);
  EXPECT_EQ(t.HandCount[4], 7);
  host.Key(HumanKey::Escape);
  EXPECT_EQ(view.MapShown, 0);
  host.Key(HumanKey::Digit1);
  EXPECT_EQ(view.MapZoom, 3) << "the digits only zoom the map";
}

}  // namespace
}  // namespace tolva
