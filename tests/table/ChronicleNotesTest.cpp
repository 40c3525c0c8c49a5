// What the game hands to its chronicle: one entry per finished game, written
// after the settlement and before its box opens (a player who kills the
// program at the box has the game recorded with the purses it saved), drawn
// games included; the conquered city; a campaign's start and end, and a
// campaign older than the chronicle that gets its key with its first game.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <variant>

#include "table/SettingsSchema.h"
#include "tests/support/CampaignFixture.h"
#include "tests/support/FlowFixture.h"

namespace tolva {
namespace {

using testing::HostCall;
using testing::SetHand;
using Rest = testing::TableScenario::Rest;

template <typename Entry>
std::vector<Entry> EntriesOf(const testing::ScriptedHost& host) {
  std::vector<Entry> found;
  for (const auto& entry : host.chronicle)
    if (const auto* e = std::get_if<Entry>(&entry)) found.push_back(*e);
  return found;
}

// --- finished games -------------------------------------------------------------

struct ChronicleGames : testing::FlowFixture {
  Settings settings{host.store};
  // Seat 3, in Reach, draws `card` and throws it.
  void SeatThreeThrows(std::string_view card, int stockCount) {
    SetHand(t, 3, "3d 4d Tc Jc Qc 6c 8c");
    std::sort(t.Hand[3].begin(), t.Hand[3].begin() + 7);
    t.ReachFlag[3] = 1;
    s.StockTop(card);
    s.Complete(stockCount, Rest::InRow9);
    view.PlayFrom(3);
    host.RunUntil([&] { return !host.finished.empty() || view.HumansTurn(); }, "the landing");
  }
};

TEST_F(ChronicleGames, AWinIsRecordedOnceWithItsSettlementBeforeTheSettlementBoxOpens) {
  settings.SetChronicleCampaign("c1");
  settings.SetCourse(3);
  settings.SetConqCity(3);
  SetHand(t, 0, "5s 5h 9d 9c Kd Kh 2s");  // wins on seat 3's 2h
  t.ReachFlag[0] = 1;
  t.PendingPool = 2;
  SeatThreeThrows("2h", 5);
  ASSERT_EQ(host.finished.size(), 1u);

  const auto games = EntriesOf<GameFinished>(host);
  ASSERT_EQ(games.size(), 1u);
  const GameFinished& game = games[0];
  EXPECT_EQ(game.campaign, "c1");
  EXPECT_EQ(game.course, 3);
  EXPECT_EQ(game.city, 4) << "three cities conquered: the games are for the fourth";
  EXPECT_EQ(game.cityName, "サルディス");
  EXPECT_EQ(game.gameNo, 2);
  EXPECT_EQ(game.jokers, t.DeckSize - 52);
  EXPECT_EQ(game.resultKind, kReachWin);
  EXPECT_EQ(game.resultSeat, 0);
  EXPECT_EQ(game.payerSeat, 3);
  EXPECT_EQ(game.turns, 1);
  EXPECT_EQ(game.pendingPool, 0) << "the winner took the pool";
  EXPECT_LT(game.seats[3].payment, 0);
  EXPECT_EQ(game.seats[0].payment, -game.seats[3].payment + 2) << "the payer's coins and the pool";
  for (const int seat : {1, 2, 4}) EXPECT_EQ(game.seats[seat].payment, 0) << seat;
  for (int seat = 0; seat < kSeats; ++seat) {
    EXPECT_EQ(game.seats[seat].purse, settings.Purse(seat)) << "the purses as saved, seat " << seat;
    EXPECT_EQ(game.seats[seat].reach, seat == 0 || seat == 3) << seat;
  }

  // The entry comes after the result picture and before the settlement's box.
  const auto& e = host.events;
  const auto picture = std::find_if(e.begin(), e.end(), [](const auto& x) {
    return x.call == HostCall::ResultPicture;
  });
  const auto settlementBox = std::find_if(e.begin(), e.end(), [](const auto& x) {
    return x.call == HostCall::Message && x.id == 0;
  });
  const auto entry = e.begin() + static_cast<std::ptrdiff_t>(host.chronicleAt[0]);
  EXPECT_LT(picture, entry);
  EXPECT_LE(entry, settlementBox);
}

TEST_F(ChronicleGames, ADrawnGameIsRecordedWithItsOpenerTurnsAndCalls) {
  // Seat 3 throws the last stock card; the human calls Pon on it and
  // discards, and the empty stock draws the game.
  SetHand(t, 4, "7s 7h Qs Qh Ks Kh Ac");
  t.PendingPool = 1;
  host.Expect(kMsgAskPon, Answer::Yes);
  SeatThreeThrows("7d", 1);
  ASSERT_TRUE(host.finished.empty());
  host.Key(HumanKey::Up);
  ASSERT_EQ(host.finished.size(), 1u);

  const auto games = EntriesOf<GameFinished>(host);
  ASSERT_EQ(games.size(), 1u);
  const GameFinished& game = games[0];
  EXPECT_EQ(game.resultKind, kDrawnResult);
  EXPECT_EQ(game.resultSeat, 0) << "the seat that opened it, which opens again";
  EXPECT_EQ(game.payerSeat, -1);
  EXPECT_EQ(game.pendingPool, 1) << "the pool waits for the next winner";
  EXPECT_EQ(game.turns, 2) << "seat 3's discard and the human's";
  EXPECT_EQ(game.seats[4].calls, 1);
  EXPECT_EQ(game.seats[3].calls, 0);
  for (const auto& seat : game.seats) EXPECT_EQ(seat.payment, 0);
  EXPECT_EQ(game.seats[3].purse, t.Purse[3]);
  EXPECT_FALSE(game.campaign.empty()) << "a campaign older than the chronicle gets its key";
  EXPECT_EQ(settings.ChronicleCampaign(), game.campaign) << "and keeps it";
}

// --- the campaign -------------------------------------------------------------------

using ChronicleCampaign = testing::CampaignFixture;

TEST_F(ChronicleCampaign, TheConqueredCityIsRecordedWhenItsLegEnds) {
  settings.SetChronicleCampaign("march");
  StartUp(1);
  TenthGameEnds();
  EXPECT_TRUE(EntriesOf<CityConquered>(host).empty()) << "not while the route is walked";
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(EntriesOf<CityConquered>(host),
            (std::vector<CityConquered>{{"march", 2, "セストス"}}));
}

TEST_F(ChronicleCampaign, ACampaignOlderThanTheChronicleGetsItsKeyAtStartUpAndKeepsIt) {
  StartUp(0);
  const std::string key = settings.ChronicleCampaign();
  EXPECT_EQ(key.size(), 16u);
  EXPECT_TRUE(host.chronicle.empty()) << "it began before: no start to record";
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  ASSERT_EQ(EntriesOf<CityConquered>(host).size(), 1u);
  EXPECT_EQ(EntriesOf<CityConquered>(host)[0].campaign, key);
}

TEST_F(ChronicleCampaign, AResetEndsTheCampaignAndTheNextCourseBeginsAnotherWithItsPurses) {
  settings.SetChronicleCampaign("old");
  StartUp(2);
  view.StartGame();
  host.courseChosen = 2;
  host.Expect(kMsgAskResetMap, Answer::Yes);
  host.Expect(kMsgWarChestEmpty, Answer::Yes);
  view.MapResetCommand();
  ASSERT_TRUE(host.ScriptDone());

  ASSERT_EQ(host.chronicle.size(), 2u);
  EXPECT_EQ(std::get<CampaignEnded>(host.chronicle[0]),
            (CampaignEnded{"old", CampaignEnding::MapReset}));
  const auto began = std::get<CampaignBegan>(host.chronicle[1]);
  EXPECT_NE(began.campaign, "old");
  EXPECT_EQ(began.course, 2);
  EXPECT_EQ(began.purses, (std::array<int, kSeats>{0, 0, 0, 0, 5000}));
  EXPECT_EQ(settings.ChronicleCampaign(), began.campaign);
}

TEST_F(ChronicleCampaign, APurseUsedUpEndsTheCampaignAndNoLeavesNoneUnderWay) {
  settings.SetChronicleCampaign("poor");
  settings.SetPurse(kHumanSeat, 150);
  StartUp(0);
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.StartGame();
  EXPECT_EQ(host.chronicle,
            (std::vector<ChronicleEntry>{CampaignEnded{"poor", CampaignEnding::PurseUsedUp}}));
  EXPECT_EQ(settings.ChronicleCampaign(), "");
  host.Expect(kMsgWarChestEmpty, Answer::No);
  view.StartGame();  // the start command resets again: no campaign left to end
  EXPECT_EQ(host.chronicle.size(), 1u);
}

TEST_F(ChronicleCampaign, TheCourseSelectionAtStartUpBeginsACampaignAndTheLastLegEndsIt) {
  settings.SetPurse(kHumanSeat, 0);  // emptied by hand to start afresh
  settings.SetChronicleCampaign("left");
  StartUp(0);
  ASSERT_FALSE(host.chronicle.empty());
  EXPECT_EQ(std::get<CampaignEnded>(host.chronicle[0]),
            (CampaignEnded{"left", CampaignEnding::Abandoned}));
  const auto began = EntriesOf<CampaignBegan>(host);
  ASSERT_EQ(began.size(), 1u);
  EXPECT_EQ(began[0].purses[kHumanSeat], 10000);
  EXPECT_EQ(began[0].campaign.size(), 16u);

  settings.SetConqCity(99);
  view.RebuildRoute();
  TenthGameEnds();
  ASSERT_TRUE(WalkLeg());
  EXPECT_EQ(EntriesOf<CampaignEnded>(host).back(),
            (CampaignEnded{began[0].campaign, CampaignEnding::RouteComplete}));
  EXPECT_EQ(settings.ChronicleCampaign(), "");
}

}  // namespace
}  // namespace tolva
