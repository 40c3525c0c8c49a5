// What a campaign leaves for its chronicle: the entries of table/Chronicle.h,
// gathered from the table record and the settings at the moments they happen,
// and handed to the host.
#include <cstdint>
#include <cstdio>
#include <random>

#include "res/CityNames.h"
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"

namespace tolva {

namespace {

// A campaign's key: 64 random bits in hexadecimal. Keys only have to differ
// between the campaigns of one player, which they do by a wide margin.
std::string NewCampaignKey() {
  std::random_device source;
  const std::uint64_t bits = (std::uint64_t{source()} << 32) ^ source();
  char text[17];
  std::snprintf(text, sizeof text, "%016llx", static_cast<unsigned long long>(bits));
  return text;
}

}  // namespace

std::string CTolvaView::ChronicleKey() {
  Settings settings = StoredSettings();
  std::string key = settings.ChronicleCampaign();
  if (key.empty()) {
    key = NewCampaignKey();
    settings.SetChronicleCampaign(key);
  }
  return key;
}

void CTolvaView::BeginChronicleCampaign() {
  EndChronicleCampaign(CampaignEnding::Abandoned);  // one left under way ends here
  Settings settings = StoredSettings();
  const std::string key = NewCampaignKey();
  settings.SetChronicleCampaign(key);
  CampaignBegan began{key, settings.Course(), {}};
  for (int seat = 0; seat < kSeats; ++seat) began.purses[seat] = settings.Purse(seat);
  host_.Chronicle(began);
}

void CTolvaView::EndChronicleCampaign(CampaignEnding how) {
  Settings settings = StoredSettings();
  const std::string key = settings.ChronicleCampaign();
  if (key.empty()) return;  // no game of it was recorded: nothing to close
  settings.SetChronicleCampaign("");
  host_.Chronicle(CampaignEnded{key, how});
}

void CTolvaView::RecordConquest(int city) {
  host_.Chronicle(CityConquered{ChronicleKey(), city, std::string(CityName(city))});
}

std::string CTolvaView::SettleAndRecord() {
  const bool drawn = t.ResultSeat >= kSeats;
  const auto pursesBefore = t.Purse;
  std::string settlement = think.SettleGame();

  const Settings settings = StoredSettings();
  GameFinished game;
  game.campaign = ChronicleKey();
  game.course = settings.Course();
  game.city = settings.ConqCity() + 1;
  game.cityName = std::string(CityName(game.city));
  game.gameNo = t.GameNo;
  game.jokers = t.DeckSize - kOrdinaryCards;
  game.resultKind = drawn ? kDrawnResult : t.ResultKind;
  game.resultSeat = t.ResultSeat;  // the settlement has given a drawn game's opener back
  const bool payerPays = !drawn && (t.ResultKind == kReachWin || t.ResultKind == kRon);
  game.payerSeat = payerPays ? t.PayerSeat : -1;
  for (int seat = 0; seat < kSeats; ++seat) {
    SeatOutcome& outcome = game.seats[seat];
    outcome.payment = t.Purse[seat] - pursesBefore[seat];
    outcome.purse = t.Purse[seat];
    outcome.reach = t.ReachFlag[seat] != 0;
    outcome.calls = tally_.calls[seat];
  }
  game.pendingPool = t.PendingPool;
  game.turns = tally_.turns;
  host_.Chronicle(game);
  return settlement;
}

}  // namespace tolva
