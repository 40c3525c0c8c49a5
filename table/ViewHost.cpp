// The view's construction, its role as the rules engine's host, and the list
// of cards in flight for the card-conservation check.
#include "rules/Cues.h"
#include "table/CTolvaView.h"
#include "table/SettingsSchema.h"

namespace tolva {

CTolvaView::CTolvaView(Host& host) : think(t, *this), host_(host) {
  ViewAngle = StoredSettings().Kakudo();
  ComputeFlights();
}

Settings CTolvaView::StoredSettings() const { return Settings(host_.Store()); }

Answer CTolvaView::ShowMessage(std::string_view prefix, int stringId, MessageStyle style) {
  return host_.ShowMessage(prefix, stringId, style);
}
void CTolvaView::PlayWave(int waveId, bool toEnd) { host_.PlayWave(waveId, toEnd); }
void CTolvaView::RedrawScene(bool tableChanged) { host_.RedrawScene(tableChanged); }
int CTolvaView::ClockSeconds() { return host_.ClockSeconds(); }
int CTolvaView::TolvaRate() { return StoredSettings().TolvaRitu(); }

void CTolvaView::Cue(int wave, bool toEnd) { PlayCue(t, *this, wave, toEnd); }
void CTolvaView::Refusal(int message) { Refuse(t, *this, message); }
Answer CTolvaView::Ask(int message, MessageStyle style) {
  return host_.ShowMessage({}, message, style);
}
void CTolvaView::Inform(int message) {
  host_.ShowMessage({}, message, MessageStyle::Information);
}

std::vector<int> CTolvaView::CardsInFlight() const {
  std::vector<int> cards;
  if (DiscardStep >= 0 && t.DiscardCard != kEmptySlot) cards.push_back(t.DiscardCard);
  return cards;
}

}  // namespace tolva
