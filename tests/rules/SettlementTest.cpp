// Payments and the settlement text, character for character.
#include <gtest/gtest.h>

#include "rules/CThink.h"
#include "tests/support/ScriptedRulesHost.h"
#include "tests/support/Tables.h"

namespace tolva {
namespace {

using testing::SetHand;

const std::string kRule = std::string(42, '-') + "\n";

struct SettlementTest : ::testing::Test {
  TableState t = testing::EmptyTable();
  testing::ScriptedRulesHost host;
  CThink think{t, host};

  void SetUp() override {
    for (int seat = 0; seat < kSeats; ++seat) SetHand(t, seat, "2s 3s");
    t.Purse = {100, 100, 100, 100, 1000};
  }
};

TEST_F(SettlementTest, MultiplierDoublesPerJokerAndInTheFirstGoAround) {
  SetHand(t, 1, "2s Jk");
  EXPECT_EQ(think.PaymentMultiplier(1), 2);
  SetHand(t, 1, "Jk Jk Jk 2s");
  EXPECT_EQ(think.PaymentMultiplier(1), 8);
  t.FirstRound = 1;
  EXPECT_EQ(think.PaymentMultiplier(1), 16);
  SetHand(t, 1, "2s");
  EXPECT_EQ(think.PaymentMultiplier(1), 2);
}

TEST_F(SettlementTest, RonIsPaidByTheDiscarderAlone) {
  SetHand(t, 1, "4h Jk");
  t.ResultSeat = 2;
  t.ResultKind = kRon;
  t.PayerSeat = 1;
  const std::string text = think.SettleGame();
  EXPECT_EQ(text,
            "『 アンティゴノス の当たり上がり』\n\n" + kRule +
                "セレウコス = 0\n"
                "プトレマイオス = -8 (Joker 1枚, 2倍)\n"
                "リュシマコス = 0\n"
                "アレクサンドロス = 0\n" +
                kRule + "アンティゴノス = 8\n");
  EXPECT_EQ(t.Purse, (TableState::Ints<kSeats>{100, 92, 108, 100, 1000}));
  EXPECT_EQ(host.purseSaves, 1);
}

TEST_F(SettlementTest, IppatsuDoublesADiscardWinAndAddsItsLine) {
  SetHand(t, 1, "4h Jk");
  t.ResultSeat = 2;
  t.ResultKind = kReachWin;
  t.PayerSeat = 1;
  t.IppatsuFlag[2] = 1;
  const std::string text = think.SettleGame();
  EXPECT_EQ(text.substr(0, text.find(kRule)),
            "『 アンティゴノス のリーチ上がり』\n\n[リーチ一発 - ２倍]\n\n");
  EXPECT_EQ(t.Purse[1], 84);
  EXPECT_EQ(t.Purse[2], 116);
}

TEST_F(SettlementTest, SeventyInTheFirstGoAroundIsPaidByEveryoneAtTheirOwnRate) {
  SetHand(t, 0, "Jk Jk 3d");
  t.FirstRound = 1;
  t.ResultSeat = 4;
  t.ResultKind = kSeventy;
  const std::string text = think.SettleGame();
  EXPECT_EQ(text,
            "『 アレクサンドロス の７０成功』\n\n[初巡 - ２倍]\n" + kRule +
                "セレウコス = -8 (Joker 2枚, 4倍)\n"
                "プトレマイオス = -2\n"
                "アンティゴノス = -2\n"
                "リュシマコス = -2\n" +
                kRule + "アレクサンドロス = 14\n");
  EXPECT_EQ(t.Purse, (TableState::Ints<kSeats>{92, 98, 98, 98, 1014}));
}

TEST_F(SettlementTest, FailedTolvaPaysTheMarkedSeatsAndKeepsThePool) {
  t.ResultSeat = 3;
  t.ResultKind = kTolvaFailed;
  t.TolvaMark = {1, 0, 0, 0, 1};
  t.PendingPool = 2;
  const std::string text = think.SettleGame();
  EXPECT_EQ(text,
            "『 リュシマコス のトルヴァ失敗』\n\n" + kRule +
                "セレウコス = 4\n"
                "プトレマイオス = 0\n"
                "アンティゴノス = 0\n"
                "アレクサンドロス = 4\n" +
                kRule + "リュシマコス = -8\n");
  EXPECT_EQ(t.Purse, (TableState::Ints<kSeats>{104, 100, 100, 92, 1004}));
  EXPECT_EQ(t.PendingPool, 2);
}

TEST_F(SettlementTest, FailedTolvaWithJokersShowsTheDeclarersFactorOnly) {
  SetHand(t, 3, "Jk Jk");
  SetHand(t, 0, "Jk 5s");
  t.ResultSeat = 3;
  t.ResultKind = kTolvaFailed;
  t.TolvaMark = {1, 0, 0, 0, 0};
  const std::string text = think.SettleGame();
  EXPECT_EQ(text,
            "『 リュシマコス のトルヴァ失敗』\n\n[Joker 2枚 - 4倍]\n" + kRule +
                "セレウコス = 16\n"  // no joker note on a failed Tolva's lines
                "プトレマイオス = 0\n"
                "アンティゴノス = 0\n"
                "アレクサンドロス = 0\n" +
                kRule + "リュシマコス = -16\n");
}

TEST_F(SettlementTest, TheWinnerTakesThePendingPool) {
  t.ResultSeat = 0;
  t.ResultKind = kTsumo;
  t.PendingPool = 3;
  const std::string text = think.SettleGame();
  EXPECT_EQ(text,
            "『 セレウコス のツモ上がり』\n\n" + kRule +
                "プトレマイオス = -1\n"
                "アンティゴノス = -1\n"
                "リュシマコス = -1\n"
                "アレクサンドロス = -1\n" +
                kRule + "リーチ料のストック = 3\n" + kRule + "セレウコス = 7\n");
  EXPECT_EQ(t.PendingPool, 0);
  EXPECT_EQ(t.Purse[0], 107);
}

TEST_F(SettlementTest, SuccessfulTolvaAndGoingOutAreEveryonePays) {
  for (const int kind : {kTolvaSucceeded, kWentOut}) {
    t.Purse = {0, 0, 0, 0, 0};
    t.ResultSeat = 1;
    t.ResultKind = kind;
    const std::string text = think.SettleGame();
    EXPECT_EQ(t.Purse, (TableState::Ints<kSeats>{-1, 4, -1, -1, -1})) << text;
    EXPECT_NE(text.find("プトレマイオス の" + std::string(kResultKindNames[kind])), std::string::npos);
  }
}

TEST_F(SettlementTest, ADrawnGameMovesNoCoinAndHandsTheOpeningBack) {
  t.ResultSeat = 2 + 5;
  t.PendingPool = 3;
  EXPECT_EQ(think.SettleGame(),
            "『流れ』\n\n打ち出し親は アンティゴノス が継続します。\n保留コインは 3 枚あります\n\n");
  EXPECT_EQ(t.ResultSeat, 2);
  EXPECT_EQ(t.Purse, (TableState::Ints<kSeats>{100, 100, 100, 100, 1000}));
  EXPECT_EQ(t.PendingPool, 3);
  EXPECT_EQ(host.purseSaves, 0) << "nothing is saved after a drawn game";

  t.ResultSeat = 4 + 5;
  t.PendingPool = 0;
  EXPECT_EQ(think.SettleGame(), "『流れ』\n\n打ち出し親は アレクサンドロス が継続します。\n\n");
}

TEST_F(SettlementTest, ThePoolFromADrawnGameGoesToTheNextWinner) {
  t.ResultSeat = 0 + 5;
  t.PendingPool = 3;
  think.SettleGame();
  t.ResultSeat = 4;
  t.ResultKind = kRon;
  t.PayerSeat = 3;
  const std::string text = think.SettleGame();
  EXPECT_NE(text.find(kRule + "リーチ料のストック = 3\n"), std::string::npos);
  EXPECT_EQ(t.Purse[4], 1000 + 4 + 3);
  EXPECT_EQ(t.PendingPool, 0);
}

}  // namespace
}  // namespace tolva
